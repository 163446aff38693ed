// The registered messages: the same id in every unit, the platform's id for the name.
#include "ModuleTestSupport.h"
#include "RegisteredMessagesOtherUnit.h"

#include <gtest/gtest.h>

#include <iterator>

TEST(RegisteredMessages, EveryUnitHoldsThePlatformsIdForTheName)
{
  const char* const kNames[] = {
    "PaletteWnd_Msg_BeginPopup", "PaletteWnd_Msg_EndPopup", "PaletteWnd_Msg_QueryEndPopup",
    "PaletteWnd_Msg_SelChanged", "PaletteWnd_Msg_DrawCell", "CCharPaletteCtrl_Msg_SelChanged",
    "TavikColorPaletteCtrl_Msg_SelChanged", "CTreeOption_Msg_ChangedItem", "CTreeOption_Msg_ChangedExpand",
    "CTreeOption_Msg_PushOptionButton1", "CTreeOption_Msg_PushOptionButton2"};
  const UINT kThisUnit[] = {
    PaletteWnd_Msg_BeginPopup, PaletteWnd_Msg_EndPopup, PaletteWnd_Msg_QueryEndPopup,
    PaletteWnd_Msg_SelChanged, PaletteWnd_Msg_DrawCell, CCharPaletteCtrl_Msg_SelChanged,
    TavikColorPaletteCtrl_Msg_SelChanged, CTreeOption_Msg_ChangedItem, CTreeOption_Msg_ChangedExpand,
    CTreeOption_Msg_PushOptionButton1, CTreeOption_Msg_PushOptionButton2};
  std::vector<UINT> otherUnit = RegisteredMessagesOfOtherUnit();
  ASSERT_EQ(otherUnit.size(), std::size(kNames));
  for (size_t i = 0; i < otherUnit.size(); ++i)
  {
    SCOPED_TRACE(kNames[i]);
    EXPECT_EQ(kThisUnit[i], ::RegisterWindowMessageA(kNames[i]));
    EXPECT_EQ(otherUnit[i], kThisUnit[i]);
  }
}
