// The numeric fields' edit context menu, 22130.
#include "ModuleTestSupport.h"

#include <Resource.h>
#include <gtest/gtest.h>

#include <iterator>

namespace
{
struct SItem
{
  UINT nID;  // 0 for a separator
  const char* pszText;
};

const SItem kEditPopup[] = {
  {ID_POPUP_UNDO, u8"元に戻す(&U)"},
  {0, nullptr},
  {ID_POPUP_CUT, u8"切り取り(&T)"},
  {ID_POPUP_COPY, u8"ｺﾋﾟｰ(&C)"},
  {ID_POPUP_PASTE, u8"貼り付け(&P)"},
  {ID_POPUP_DELETE, u8"削除(&D)"},
  {0, nullptr},
  {ID_POPUP_SELECT_ALL, u8"すべて選択(&A)"},
  {0, nullptr},
};

struct SMenuItem
{
  bool bSeparator;
  UINT nID;
  std::string text;
  HMENU hSubMenu;
};

SMenuItem MenuItem(HMENU hMenu, UINT nPosition)
{
  char szText[128] = {};
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
  info.dwTypeData = szText;
  info.cch = sizeof szText;
  EXPECT_TRUE(::GetMenuItemInfoA(hMenu, nPosition, TRUE, &info));
  return {(info.fType & MFT_SEPARATOR) != 0, info.wID, szText, info.hSubMenu};
}
}

TEST(MenuTemplate, EditPopupHoldsTheEditCommandsInOrder)
{
  HMENU hMenu = ::LoadMenuA(CtrlModule(), MAKEINTRESOURCEA(IDR_MENU_EDIT_POPUP));
  ASSERT_NE(hMenu, nullptr);
  ASSERT_EQ(::GetMenuItemCount(hMenu), 1);
  SMenuItem popup = MenuItem(hMenu, 0);
  EXPECT_EQ(popup.text, Utf8ToCp932(u8"ﾎﾟｯﾌﾟｱｯﾌﾟ"));
  ASSERT_NE(popup.hSubMenu, nullptr);

  ASSERT_EQ(::GetMenuItemCount(popup.hSubMenu), static_cast<int>(std::size(kEditPopup)));
  for (UINT nPosition = 0; nPosition < std::size(kEditPopup); ++nPosition)
  {
    const SItem& expected = kEditPopup[nPosition];
    SMenuItem item = MenuItem(popup.hSubMenu, nPosition);
    SCOPED_TRACE(::testing::Message() << "item " << nPosition);
    EXPECT_EQ(item.bSeparator, expected.pszText == nullptr);
    EXPECT_EQ(item.hSubMenu, nullptr);
    if (expected.pszText != nullptr)
    {
      EXPECT_EQ(item.nID, expected.nID);
      EXPECT_EQ(item.text, Utf8ToCp932(expected.pszText));
    }
  }
  ::DestroyMenu(hMenu);
}
