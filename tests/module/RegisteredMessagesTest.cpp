// The registered messages: the same id in every unit, the platform's id for the name.
#include "ModuleTestSupport.h"
#include "RegisteredMessagesOtherUnit.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>

namespace
{
struct SMessage
{
  const char* pszName;
  UINT nThisUnit;
};

const SMessage kMessages[] = {
  {"PaletteWnd_Msg_BeginPopup", PaletteWnd_Msg_BeginPopup},
  {"PaletteWnd_Msg_EndPopup", PaletteWnd_Msg_EndPopup},
  {"PaletteWnd_Msg_QueryEndPopup", PaletteWnd_Msg_QueryEndPopup},
  {"PaletteWnd_Msg_SelChanged", PaletteWnd_Msg_SelChanged},
  {"PaletteWnd_Msg_DrawCell", PaletteWnd_Msg_DrawCell},
  {"CCharPaletteCtrl_Msg_SelChanged", CCharPaletteCtrl_Msg_SelChanged},
  {"TavikColorPaletteCtrl_Msg_SelChanged", TavikColorPaletteCtrl_Msg_SelChanged},
  {"CTreeOption_Msg_ChangedItem", CTreeOption_Msg_ChangedItem},
  {"CTreeOption_Msg_ChangedExpand", CTreeOption_Msg_ChangedExpand},
  {"CTreeOption_Msg_PushOptionButton1", CTreeOption_Msg_PushOptionButton1},
  {"CTreeOption_Msg_PushOptionButton2", CTreeOption_Msg_PushOptionButton2},
};
}

TEST(RegisteredMessages, EveryUnitHoldsThePlatformsIdForTheName)
{
  std::vector<UINT> otherUnit = RegisteredMessagesOfOtherUnit();
  ASSERT_EQ(otherUnit.size(), std::size(kMessages));
  std::set<UINT> distinct;
  for (size_t i = 0; i < otherUnit.size(); ++i)
  {
    const SMessage& message = kMessages[i];
    SCOPED_TRACE(message.pszName);
    EXPECT_EQ(message.nThisUnit, ::RegisterWindowMessageA(message.pszName));
    EXPECT_EQ(otherUnit[i], message.nThisUnit);
    EXPECT_GE(message.nThisUnit, 0xC000u);
    EXPECT_LE(message.nThisUnit, 0xFFFFu);
    distinct.insert(message.nThisUnit);
  }
  EXPECT_EQ(distinct.size(), std::size(kMessages));
}
