// Building bitmap menus: resources, toolbar images, editing, shortcuts, tracking, destruction.
#include "MenuTestSupport.h"
#include "MenuTestResources.h"
#include "../TextCodes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::wstring platformText(HMENU hMenu, int nPosition)
{
  wchar_t text[256] = {};
  ::GetMenuStringW(hMenu, static_cast<UINT>(nPosition), text, 256, MF_BYPOSITION);
  return text;
}

std::wstring recordText(CMenu& menu, int nPosition)
{
  CBmpMenuData* pData = ItemData(menu, nPosition);
  return pData != nullptr && pData->GetWideString() != nullptr ? pData->GetWideString() : L"<none>";
}

CBmpMenu* popupAt(CMenu& menu, int nPosition)
{
  return DYNAMIC_DOWNCAST(CBmpMenu, CMenu::FromHandlePermanent(::GetSubMenu(menu.m_hMenu, nPosition)));
}

// Every record of a menu level is the item data of the platform item at its position.
void expectRecordsInStep(CBmpMenu& menu)
{
  ASSERT_EQ(menu.m_Items.GetSize(), static_cast<INT_PTR>(menu.GetMenuItemCount()));
  for (int i = 0; i < static_cast<int>(menu.GetMenuItemCount()); ++i)
    EXPECT_EQ(ItemData(menu, i), menu.m_Items[i]) << i;
}

std::wstring labelOf(const std::wstring& text) { return text.substr(0, text.find(L'\t')); }

// The menu state of a popup carries its item count where the owner-draw flag would be.
bool ownerDrawn(CMenu& menu, int nPosition)
{
  MENUITEMINFOW info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  return ::GetMenuItemInfoW(menu.m_hMenu, static_cast<UINT>(nPosition), TRUE, &info) && (info.fType & MFT_OWNERDRAW);
}
}

// Position 0 is the position, without the compiler's doubt between it and a null text.
#pragma GCC diagnostic push
#pragma GCC diagnostic error "-Wpedantic"
TEST(BmpMenuLoad, ResourceBecomesAPlainBarOverOwnerDrawnPopupsThatDestroyMenuFreesOnce)
{
  const INT_PTR nKnown = CBmpMenu::m_AllSubMenus.GetSize();
  CBmpMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDR_MENU_TEST));
  ASSERT_EQ(menu.GetMenuItemCount(), 2u);
  EXPECT_EQ(platformText(menu, 0), L"ファイル(&F)");
  EXPECT_FALSE(ownerDrawn(menu, 0));

  CBmpMenu* pFile = popupAt(menu, 0);
  ASSERT_NE(pFile, nullptr);
  ASSERT_EQ(pFile->GetMenuItemCount(), 4u);
  expectRecordsInStep(*pFile);
  EXPECT_TRUE(pFile->GetMenuState(0, MF_BYPOSITION) & MF_OWNERDRAW);
  EXPECT_TRUE(pFile->GetMenuState(2, MF_BYPOSITION) & MF_SEPARATOR);

  // Labels are padded with blanks so that both accelerators start in one column.
  const std::wstring newText = recordText(*pFile, 0), openText = recordText(*pFile, 1);
  EXPECT_EQ(newText.substr(newText.find(L'\t')), L"\tCtrl+N");
  EXPECT_EQ(openText.substr(openText.find(L'\t')), L"\tCtrl+Shift+O");
  EXPECT_EQ(labelOf(newText).substr(0, 6), L"新規(&N)");
  EXPECT_EQ(labelOf(newText).back(), L' ');
  EXPECT_GT(labelOf(newText).size(), labelOf(openText).size() - 4);  // the shorter label took more

  CBmpMenu* pRecent = popupAt(*pFile, 3);
  ASSERT_NE(pRecent, nullptr);
  ASSERT_EQ(pRecent->GetMenuItemCount(), 1u);
  EXPECT_TRUE(pRecent->GetMenuState(0, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_EQ(menu.GetSubCBmpMenu(cp932("最近(&R)").c_str()), pRecent);
  EXPECT_EQ(menu.GetSubCBmpMenu(L"編集(&E)"), popupAt(menu, 1));
  EXPECT_EQ(menu.GetSubMenu(cp932("編集(&E)").c_str()), popupAt(menu, 1));

  // Destruction frees every popup once.
  const std::vector<HMENU> popups = {pFile->m_hMenu, pRecent->m_hMenu, popupAt(menu, 1)->m_hMenu};
  EXPECT_EQ(CBmpMenu::m_AllSubMenus.GetSize(), nKnown + 3);
  ASSERT_TRUE(menu.DestroyMenu());
  EXPECT_EQ(menu.m_Items.GetSize(), 0);
  EXPECT_EQ(CBmpMenu::m_AllSubMenus.GetSize(), nKnown);
  for (HMENU hPopup : popups)
  {
    EXPECT_EQ(CMenu::FromHandlePermanent(hPopup), nullptr);
    EXPECT_FALSE(CBmpMenu::IsMenu(hPopup));
  }
  // A second destruction finds nothing left to free.
  EXPECT_FALSE(menu.DestroyMenu());
  // Emptied, the object holds a menu built in code, whose popup titles are owner-drawn.
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendODPopupMenuW(L"下");
  EXPECT_TRUE(ownerDrawn(menu, 0));
}
#pragma GCC diagnostic pop

TEST(BmpMenuLoad, EndBitsCloseTheirLevelsMissingResourcesAreRefusedAndAddedPopupsKeepTheBarsTitlesPlain)
{
  CBmpMenu menu;
  EXPECT_FALSE(menu.LoadMenu(12345));
  EXPECT_EQ(menu.m_hMenu, nullptr);
  ASSERT_TRUE(menu.LoadMenu(IDR_MENU_TEST));
  EXPECT_FALSE(menu.LoadToolbar(12345));
  const UINT bars[] = {12345, IDR_MENU_TOOLBAR};
  EXPECT_FALSE(menu.LoadToolbars(bars, 2));
  EXPECT_GE(popupAt(menu, 0)->m_Items[0]->globalIndex, 0);  // the good one still loaded

  // Popups added to the loaded bar keep their titles plain.
  CBmpMenu* pHelp = menu.AppendODPopupMenuW(L"ヘルプ(&H)");
  ASSERT_NE(pHelp, nullptr);
  EXPECT_FALSE(ownerDrawn(menu, 2));
  EXPECT_EQ(menu.GetSubMenu(static_cast<const wchar_t*>(L"ヘルプ(&H)")), pHelp);
  CBmpMenu* pView = new CBmpMenu;
  pView->CreatePopupMenu();
  ASSERT_TRUE(menu.InsertMenuW(1, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(pView->m_hMenu), L"表示(&V)"));
  expectRecordsInStep(menu);
  EXPECT_EQ(platformText(menu, 1), L"表示(&V)");
  EXPECT_EQ(menu.m_SubMenuHandles[1], pView->m_hMenu);

  // The end bits of a resource close every level they end.
  CBmpMenu ends;
  ASSERT_TRUE(ends.LoadMenu(IDR_MENU_ENDS));
  ASSERT_EQ(ends.GetMenuItemCount(), 2u);
  EXPECT_EQ(platformText(ends, 0), L"先頭");
  CBmpMenu* pOuter = popupAt(ends, 1);
  ASSERT_NE(pOuter, nullptr);
  ASSERT_EQ(pOuter->GetMenuItemCount(), 2u);
  CBmpMenu* pInner = popupAt(*pOuter, 1);
  ASSERT_NE(pInner, nullptr);
  ASSERT_EQ(pInner->GetMenuItemCount(), 1u);
  EXPECT_EQ(recordText(*pInner, 0), L"最後");
}

TEST(BmpMenuImages, ToolbarImagesGoToTheItemsOfTheirCommandsOrTheirOwnImageLists)
{
  CMenuLookScope flat(true);
  CBmpMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDR_MENU_TEST));
  ASSERT_TRUE(menu.LoadToolbar(IDR_MENU_TOOLBAR));
  CBmpMenu* pFile = popupAt(menu, 0);
  CBmpMenu* pEdit = popupAt(menu, 1);
  const int nNew = pFile->m_Items[0]->globalIndex, nCut = pEdit->m_Items[0]->globalIndex;
  EXPECT_EQ(pEdit->m_Items[1]->globalIndex, -1);  // not on the toolbar

  // A second load replaces the images in place.
  const int nImages = CBmpMenu::m_AllImages.GetImageCount();
  ASSERT_TRUE(menu.LoadToolbar(IDR_MENU_TOOLBAR));
  EXPECT_EQ(CBmpMenu::m_AllImages.GetImageCount(), nImages);
  EXPECT_EQ(pFile->m_Items[0]->globalIndex, nNew);

  // The button's image is drawn in the column: red, blue, green squares of the strip.
  CPixelCanvas canvas(200, 22);
  const CRect rect(0, 0, 200, 22);
  const struct
  {
    CBmpMenu* pMenu;
    int nPosition;
    COLORREF colour;
  } items[] = {{pFile, 0, RGB(255, 0, 0)}, {pFile, 1, RGB(0, 0, 255)}, {pEdit, 0, RGB(0, 255, 0)}};
  for (const auto& item : items)
  {
    DrawMenuItem(*item.pMenu, item.nPosition, canvas.DC(), rect, 0);
    EXPECT_EQ(canvas.Pixel(2 + 8, 4 + 7), item.colour) << item.nPosition;
    EXPECT_EQ(canvas.Pixel(2 + 1, 4 + 1), CBmpMenu::LightenColor(::GetSysColor(COLOR_3DFACE), 0.25));
  }

  // An item appended with the toolbar's bitmap takes its button's image.
  CBmpMenu popup;
  popup.CreatePopupMenu();
  ASSERT_TRUE(popup.AppendMenu(MF_STRING, ID_TEST_CUT, cp932("切り取り").c_str(), IDR_MENU_TOOLBAR));
  EXPECT_EQ(popup.m_Items[0]->globalIndex, nCut);
  EXPECT_EQ(CBmpMenu::m_AllImages.GetImageCount(), nImages);

  // A toolbar window gives the items of its commands image lists of their own.
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
  CToolBar bar;
  ASSERT_TRUE(bar.Create(&parent));
  ASSERT_TRUE(bar.LoadToolBar(IDR_MENU_TOOLBAR));
  menu.AddFromToolBar(&bar, IDR_MENU_TOOLBAR);
  ASSERT_NE(pFile->m_Items[1]->imageList, nullptr);
  EXPECT_EQ(pEdit->m_Items[1]->imageList, nullptr);  // copy is not on the bar
  DrawMenuItem(*pFile, 1, canvas.DC(), rect, 0);
  EXPECT_EQ(canvas.Pixel(2 + 8, 4 + 7), RGB(0, 0, 255));
  parent.DestroyWindow();
}

TEST(BmpMenuEdit, ContextMenuBuiltInCode)
{
  CBmpMenu menu;
  ASSERT_TRUE(menu.Attach(::CreatePopupMenu()));
  ASSERT_TRUE(menu.AppendMenu(MF_STRING, 10, cp932("元に戻す(&U)").c_str()));
  ASSERT_TRUE(menu.AppendMenu(MF_STRING, 0, cp932("無視される").c_str()));  // id 0: a separator
  ASSERT_TRUE(menu.AppendMenu(MF_SEPARATOR));
  ASSERT_TRUE(menu.AppendMenu(MF_STRING | MF_GRAYED, 11, cp932("貼り付け(&P)").c_str()));
  CBmpMenu* pPopup = menu.AppendODPopupMenuA(cp932("変数(&V)").c_str());
  ASSERT_NE(pPopup, nullptr);
  ASSERT_TRUE(pPopup->AppendMenu(MF_STRING, 12, cp932("長さ").c_str()));
  expectRecordsInStep(menu);
  EXPECT_TRUE(menu.GetMenuState(1, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(CMenu::FromHandlePermanent(pPopup->m_hMenu), pPopup);

  CString text;
  EXPECT_TRUE(menu.GetMenuText(11, text, MF_BYCOMMAND));
  EXPECT_EQ(text, CString(cp932("貼り付け(&P)").c_str()));
  EXPECT_TRUE(menu.SetMenuText(12, CString(cp932("角度").c_str()), MF_BYCOMMAND));
  EXPECT_EQ(recordText(*pPopup, 0), L"角度");
  EXPECT_TRUE(menu.ModifyODMenuA(cp932("やり直し").c_str(), 10));
  EXPECT_EQ(recordText(menu, 0), L"やり直し");
  EXPECT_EQ(menu.GetMenuPosition(cp932("やり直し").c_str()), 0);

  // Inserting before a command of a popup lands in the popup.
  ASSERT_TRUE(menu.InsertMenu(12, MF_BYCOMMAND | MF_STRING, 13, cp932("挿入").c_str()));
  EXPECT_EQ(pPopup->GetMenuItemID(0), 13u);
  expectRecordsInStep(*pPopup);
  EXPECT_FALSE(menu.InsertMenu(999, MF_BYCOMMAND | MF_STRING, 14, cp932("ない").c_str()));

  // Deleting the popup's position deletes its object too.
  const HMENU hPopup = pPopup->m_hMenu;
  ASSERT_TRUE(menu.DeleteMenu(4, MF_BYPOSITION));
  EXPECT_EQ(CMenu::FromHandlePermanent(hPopup), nullptr);
  EXPECT_FALSE(CBmpMenu::IsMenu(hPopup));
  ASSERT_TRUE(menu.DeleteMenu(10, MF_BYCOMMAND));
  expectRecordsInStep(menu);
  EXPECT_FALSE(menu.DeleteMenu(7, MF_BYPOSITION));

  // A plain popup has no object of ours to take its handle along: the menu forgets it itself.
  const HMENU hPlain = ::CreatePopupMenu();
  ASSERT_TRUE(menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hPlain), "plain"));
  EXPECT_TRUE(CBmpMenu::IsMenu(hPlain));
  ASSERT_TRUE(menu.DeleteMenu(menu.GetMenuItemCount() - 1, MF_BYPOSITION));
  EXPECT_FALSE(CBmpMenu::IsMenu(hPlain));
  expectRecordsInStep(menu);
}

TEST(BmpMenuEdit, DeleteByTextTakesTheChosenSeparatorsAlong)
{
  const struct
  {
    BC_Seperator placement;
    std::vector<std::wstring> left;
  } cases[] = {
      {BCMENU_NONE, {L"前", L"", L"", L"後"}},
      {BCMENU_HEAD, {L"前", L"", L"後"}},
      {BCMENU_TAIL, {L"前", L"", L"後"}},
      {BCMENU_BOTH, {L"前", L"後"}},
  };
  for (const auto& c : cases)
  {
    CBmpMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenuW(MF_STRING, 1, L"前");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenuW(MF_STRING, 2, L"中");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenuW(MF_STRING, 3, L"後");
    EXPECT_EQ(menu.DeleteMenu(L"中", c.placement), 2);
    expectRecordsInStep(menu);
    std::vector<std::wstring> left;
    for (int i = 0; i < static_cast<int>(menu.GetMenuItemCount()); ++i)
      left.push_back(menu.m_Items[i]->GetWideString() != nullptr ? menu.m_Items[i]->GetWideString() : L"");
    EXPECT_EQ(left, c.left) << c.placement;
    EXPECT_EQ(menu.DeleteMenu(cp932("ない").c_str(), BCMENU_BOTH), -1);
  }
  // The first item has nothing before it to take.
  CBmpMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenuW(MF_STRING, 1, L"前");
  menu.AppendMenu(MF_SEPARATOR);
  EXPECT_EQ(menu.RemoveMenu(L"前", BCMENU_BOTH), 0);
  EXPECT_EQ(menu.GetMenuItemCount(), 1u);
  expectRecordsInStep(menu);
}

TEST(BmpMenuEdit, KeyboardShortcutsFindTheMnemonicWhateverItsCaseAfterSynchronizing)
{
  CBmpMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(MF_STRING, 1, cp932("新規(&N)").c_str());
  menu.AppendMenu(MF_SEPARATOR);
  menu.AppendMenu(MF_STRING, 2, "&Open");
  EXPECT_EQ(CBmpMenu::FindKeyboardShortcut('o', MF_POPUP, &menu), 2 | 0x20000);
  EXPECT_EQ(CBmpMenu::FindKeyboardShortcut('N', MF_POPUP, &menu), 0 | 0x20000);
  EXPECT_EQ(CBmpMenu::FindKeyboardShortcut('x', MF_POPUP, &menu), 0);
  CMenu plain;
  plain.CreatePopupMenu();
  plain.AppendMenu(MF_STRING, 1, "&Open");
  EXPECT_EQ(CBmpMenu::FindKeyboardShortcut('o', MF_POPUP, &plain), 0);

  // An item the framework added behind the menu's back is synchronised first.
  ::AppendMenuA(menu.m_hMenu, MF_STRING, 3, "&Quit");
  EXPECT_EQ(CBmpMenu::FindKeyboardShortcut('q', MF_POPUP, &menu), 3 | 0x20000);
  expectRecordsInStep(menu);
  EXPECT_TRUE(menu.GetMenuState(3, MF_BYPOSITION) & MF_OWNERDRAW);

  // Synchronizing follows what the framework changed behind the menu's back: the first item goes,
  // a plain item comes in front, the last is grayed.
  CBmpMenu* pPopup = menu.AppendODPopupMenuW(L"下");
  menu.AppendMenuW(MF_STRING, 4, L"二");
  CBmpMenuData* pKept = menu.m_Items[5];
  ::DeleteMenu(menu.m_hMenu, 0, MF_BYPOSITION);
  ::InsertMenuW(menu.m_hMenu, 0, MF_BYPOSITION | MF_STRING, 5, L"三");
  ::EnableMenuItem(menu.m_hMenu, 4, MF_BYCOMMAND | MF_GRAYED);
  CBmpMenu::UpdateMenu(&menu);
  expectRecordsInStep(menu);
  ASSERT_EQ(menu.GetMenuItemCount(), 6u);
  EXPECT_EQ(recordText(menu, 0), L"三");
  EXPECT_TRUE(menu.GetMenuState(0, MF_BYPOSITION) & MF_OWNERDRAW);
  EXPECT_EQ(menu.m_Items[4]->id, reinterpret_cast<UINT_PTR>(pPopup->m_hMenu));
  EXPECT_EQ(menu.m_Items[4]->flags, 0x510u);
  EXPECT_EQ(menu.m_Items[5], pKept);
  EXPECT_TRUE(pKept->flags & MF_GRAYED);
}

TEST(BmpMenuImages, TheFlat3DLookKeepsVariantsAndPopupsShareTheCheckImagesUntilTheyFailToLoad)
{
  CMenuLookScope flat(true);
  CBmpMenu::SetXPBitmap3D(TRUE);
  const int kCommand = 40100;  // on no toolbar: the strip's first image, red
  CBmpMenu menu;
  menu.CreatePopupMenu();
  ASSERT_TRUE(menu.AppendMenu(MF_STRING, kCommand, "3D", IDR_MENU_TOOLBAR));
  const int nSlot = menu.m_Items[0]->globalIndex;
  ASSERT_GE(nSlot, 0);
  // The image and its faded, shadow and disabled variants, each slot under the command.
  ASSERT_EQ(CBmpMenu::m_AllImagesID.GetSize(), static_cast<INT_PTR>(nSlot + 4));
  for (int i = 1; i < 4; ++i)
    EXPECT_EQ(CBmpMenu::m_AllImagesID[nSlot + i], kCommand);

  // The pad grows to 7: column 23, image origin (4, 4) in an item of 22.
  CPixelCanvas canvas(200, 22);
  const CRect rect(0, 0, 200, 22);
  DrawMenuItem(menu, 0, canvas.DC(), rect, 0);
  EXPECT_EQ(canvas.Pixel(4 + 8, 4 + 7), CBmpMenu::LightenColor(RGB(255, 0, 0), 0.3));  // faded
  DrawMenuItem(menu, 0, canvas.DC(), rect, ODS_SELECTED);
  EXPECT_EQ(canvas.Pixel(4 + 8 - 1, 4 + 7 - 1), RGB(255, 0, 0));  // raised over its shadow
  EXPECT_EQ(canvas.Pixel(4 + 12 + 1, 4 + 11 + 1), CBmpMenu::LightenColor(::GetSysColor(COLOR_3DSHADOW), 0.49));
  DrawMenuItem(menu, 0, canvas.DC(), rect, ODS_GRAYED);
  EXPECT_EQ(canvas.Pixel(4 + 8, 4 + 7), CBmpMenu::LightenColor(::GetSysColor(COLOR_3DSHADOW), (255 / 3) / 255.0));

  // Loading again replaces all four slots in place.
  ASSERT_TRUE(menu.ModifyODMenuA(nullptr, kCommand, IDR_MENU_TOOLBAR));
  EXPECT_EQ(CBmpMenu::m_AllImages.GetImageCount(), nSlot + 4);
  EXPECT_EQ(menu.m_Items[0]->globalIndex, nSlot);

  // Popups share the check images until they fail to load.
  ASSERT_TRUE(menu.LoadCheckmarkBitmap(IDB_CHECK_OFF, IDB_CHECK_ON));
  CBmpMenu* pPopup = menu.AppendODPopupMenuW(L"下");
  EXPECT_EQ(pPopup->m_CheckImages, menu.m_CheckImages);
  EXPECT_EQ(pPopup->m_SelectCheckId, IDB_CHECK_ON);
  // A failed reload deletes the list; the popup forgets it rather than keep a dangling pointer.
  EXPECT_FALSE(menu.LoadCheckmarkBitmap(IDB_CHECK_OFF, IDB_NOT_THERE));
  EXPECT_EQ(menu.m_CheckImages, nullptr);
  EXPECT_EQ(pPopup->m_CheckImages, nullptr);
  ASSERT_TRUE(pPopup->AppendMenu(MF_STRING | MF_CHECKED, 1, "x"));
  DrawMenuItem(*pPopup, 0, canvas.DC(), rect, ODS_CHECKED);
  EXPECT_EQ(canvas.Pixel(1, 1), ::GetSysColor(COLOR_HIGHLIGHT));  // the drawn mark's frame instead
}

TEST(BmpMenuEnvironment, TheClassicThemeIsReadOnceFromTheCurrentThemeName)
{
  // Nothing else asks on this platform (version class 1 is never Luna), so this is the first.
  const char* kKey = "Software\\Microsoft\\Plus!\\Themes\\Current";
  HKEY hKey = nullptr;
  ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr),
            ERROR_SUCCESS);
  const char kTheme[] = "C:\\Windows\\Resources\\Themes\\WINDOWS CLASSIC.THEME";
  ::RegSetValueExA(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(kTheme), sizeof kTheme);
  EXPECT_TRUE(CBmpMenu::IsWindowsClassicTheme());
  ::RegDeleteValueA(hKey, nullptr);
  ::RegCloseKey(hKey);
  ::RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  EXPECT_TRUE(CBmpMenu::IsWindowsClassicTheme());  // not read again
}
