// The registered messages: the same id in every unit, the platform's id for the name.
#include "ModuleTestSupport.h"
#include "RegisteredMessagesOtherUnit.h"

#include <gtest/gtest.h>

#include <iterator>
#include <utility>

#define NAMED_MESSAGE(name) std::make_pair(#name, name)

TEST(RegisteredMessages, EveryUnitHoldsThePlatformsIdForTheName)
{
  const std::pair<const char*, UINT> kThisUnit[] = {NAMED_MESSAGE(PaletteWnd_Msg_BeginPopup),
                                                    NAMED_MESSAGE(PaletteWnd_Msg_EndPopup),
                                                    NAMED_MESSAGE(PaletteWnd_Msg_QueryEndPopup),
                                                    NAMED_MESSAGE(PaletteWnd_Msg_SelChanged),
                                                    NAMED_MESSAGE(PaletteWnd_Msg_DrawCell),
                                                    NAMED_MESSAGE(CCharPaletteCtrl_Msg_SelChanged),
                                                    NAMED_MESSAGE(TavikColorPaletteCtrl_Msg_SelChanged),
                                                    NAMED_MESSAGE(CTreeOption_Msg_ChangedItem),
                                                    NAMED_MESSAGE(CTreeOption_Msg_ChangedExpand),
                                                    NAMED_MESSAGE(CTreeOption_Msg_PushOptionButton1),
                                                    NAMED_MESSAGE(CTreeOption_Msg_PushOptionButton2)};
  std::vector<UINT> otherUnit = RegisteredMessagesOfOtherUnit();
  ASSERT_EQ(otherUnit.size(), std::size(kThisUnit));
  for (size_t i = 0; i < otherUnit.size(); ++i)
  {
    SCOPED_TRACE(kThisUnit[i].first);
    EXPECT_EQ(kThisUnit[i].second, ::RegisterWindowMessageA(kThisUnit[i].first));
    EXPECT_EQ(otherUnit[i], kThisUnit[i].second);
  }
}
