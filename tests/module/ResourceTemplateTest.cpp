// The dialog templates, checked on real dialogs created from them (modeless, hidden), and the
// numeric fields' edit context menu.
#include "ModuleTestSupport.h"

#include <Resource.h>
#include <gtest/gtest.h>

#include <iterator>
#include <vector>

namespace
{
struct SControl
{
  int nID;
  const char* pszClass;
  DWORD dwStyle;        // these bits set, the kind field and WS_GROUP (but on statics) equal
  const char* pszText;  // UTF-8; nullptr where the text is not part of the template
  RECT rcUnits;         // left, top, width, height in dialog units
};

struct SDialog
{
  const char* pszName;
  DWORD dwExStyle;
  const char* pszCaption;
  const char* pszFace;
  int nPointSize;
  SIZE sizeUnits;
  const std::vector<SControl>& controls;
};

const DWORD kEdit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
const DWORD kList = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP;

const std::vector<SControl> kInputStringControls = {
    {IDC_STATIC_PROMPT, "Static", SS_LEFT, u8"スタティック", {10, 8, 65, 8}},
    {IDC_EDIT_STRING, "Edit", kEdit, nullptr, {66, 7, 120, 12}},
    {IDOK, "Button", BS_DEFPUSHBUTTON, "OK", {78, 29, 50, 14}},
    {IDCANCEL, "Button", BS_PUSHBUTTON, u8"キャンセル", {136, 29, 50, 14}},
};
const std::vector<SControl> kVariableSelectControls = {
    {IDOK, "Button", BS_DEFPUSHBUTTON, "OK", {18, 110, 37, 15}},
    {IDCANCEL, "Button", BS_PUSHBUTTON, u8"ｷｬﾝｾﾙ", {64, 110, 37, 15}},
    {IDC_LIST_VARIABLE, "ListBox", kList, nullptr, {5, 6, 97, 98}},
};
const std::vector<SControl> kVarAddControls = {
    {IDC_STATIC, "Static", SS_LEFT, u8"種別(&T)", {7, 9, 32, 8}},
    {IDC_COMBO_KIND, "ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, nullptr, {43, 6, 47, 52}},
    {IDC_STATIC, "Static", SS_LEFT, u8"変数名(&N)", {7, 27, 32, 8}},
    {IDC_EDIT_NAME, "Edit", kEdit, nullptr, {43, 25, 73, 14}},
    {IDC_STATIC, "Button", BS_GROUPBOX, "", {5, 44, 116, 50}},
    {IDC_RADIO_VALUE, "Button", BS_AUTORADIOBUTTON | WS_GROUP, u8"値(&V)", {8, 57, 32, 10}},
    {IDC_RADIO_EXPRESSION, "Button", BS_AUTORADIOBUTTON, u8"式(&E)", {8, 76, 32, 10}},
    {IDC_EDIT_VALUE, "Edit", kEdit | WS_GROUP, nullptr, {43, 54, 73, 14}},
    {IDC_EDIT_EXPRESSION, "Edit", kEdit, nullptr, {43, 74, 73, 14}},
    {IDOK, "Button", BS_DEFPUSHBUTTON, "OK", {16, 102, 50, 14}},
    {IDCANCEL, "Button", BS_PUSHBUTTON, u8"キャンセル", {71, 102, 50, 14}},
};

const char kPGothic[] = u8"ＭＳ Ｐゴシック";
const SDialog kDialogs[] = {
    {IDD_DLG_INPUT_STRING, 0, "", "MS Shell Dlg", 8, {197, 50}, kInputStringControls},
    {IDD_DLG_VARIABLESELECT, WS_EX_TOOLWINDOW, u8"変数の選択", kPGothic, 9, {107, 129}, kVariableSelectControls},
    {IDD_DLG_VAR_ADD, WS_EX_TOOLWINDOW, u8"追加", kPGothic, 9, {125, 121}, kVarAddControls},
};

INT_PTR CALLBACK InertDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A modeless dialog of the library's template, hidden, destroyed with the object.
struct CTemplateDialog
{
  explicit CTemplateDialog(LPCSTR pszTemplate)
      : m_hWnd(::CreateDialogParamA(CtrlModule(), pszTemplate, nullptr, InertDialogProc, 0))
  {}
  ~CTemplateDialog() { ::DestroyWindow(m_hWnd); }
  CTemplateDialog(const CTemplateDialog&) = delete;
  CTemplateDialog& operator=(const CTemplateDialog&) = delete;

  HWND m_hWnd;
};

std::string WindowText(HWND hWnd)
{
  char szText[256];
  return std::string(szText, ::GetWindowTextA(hWnd, szText, sizeof szText));
}

// The dialog manager maps position and size separately (not the right edge), so do the same.
RECT UnitsToPixels(HWND hDlg, const RECT& rcUnits)
{
  RECT rc = rcUnits;
  ::MapDialogRect(hDlg, &rc);
  return {rc.left, rc.top, rc.left + rc.right, rc.top + rc.bottom};
}

// The style bits that must match exactly: the kind field, and where a group starts.
DWORD ExactMask(const char* pszClass)
{
  if (lstrcmpiA(pszClass, "Button") == 0)
    return BS_TYPEMASK | WS_GROUP;
  return lstrcmpiA(pszClass, "Static") == 0 ? SS_TYPEMASK : WS_GROUP;
}

void ExpectControl(HWND hDlg, HWND hControl, const SControl& expected)
{
  char szClass[64] = {};
  ::GetClassNameA(hControl, szClass, sizeof szClass);
  EXPECT_EQ(lstrcmpiA(szClass, expected.pszClass), 0) << szClass;
  EXPECT_EQ(::GetDlgCtrlID(hControl), expected.nID);
  // Edits, list boxes and combo boxes take over their border and scroll bar when created.
  DWORD dwExpected = (expected.dwStyle & ~(WS_BORDER | WS_VSCROLL)) | WS_CHILD | WS_VISIBLE;
  DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(hControl, GWL_STYLE));
  DWORD dwExact = ExactMask(expected.pszClass);
  EXPECT_EQ(dwStyle & dwExact, dwExpected & dwExact) << std::hex << dwStyle;
  EXPECT_EQ(dwStyle & dwExpected & ~dwExact, dwExpected & ~dwExact) << std::hex << dwStyle;
  if (expected.pszText != nullptr)
  {
    EXPECT_EQ(WindowText(hControl), cp932(expected.pszText));
  }
  RECT rcExpected = UnitsToPixels(hDlg, expected.rcUnits);
  RECT rcPlaced;
  ::GetWindowRect(hControl, &rcPlaced);
  ::MapWindowPoints(HWND_DESKTOP, hDlg, reinterpret_cast<POINT*>(&rcPlaced), 2);
  // A drop-down list's window is its selection field; the template's height includes the list.
  if (lstrcmpiA(szClass, "ComboBox") == 0)
    rcExpected.bottom = rcPlaced.bottom;
  EXPECT_EQ(CRect(rcPlaced), rcExpected);
}

void ExpectDialogFrame(HWND hDlg, const SDialog& expected)
{
  const DWORD dwFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  EXPECT_EQ(::GetWindowLongA(hDlg, GWL_STYLE) & (dwFrame | WS_VISIBLE | WS_CHILD), dwFrame);
  const DWORD dwExFrame = WS_EX_DLGMODALFRAME | expected.dwExStyle;
  EXPECT_EQ(::GetWindowLongA(hDlg, GWL_EXSTYLE) & (WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW), dwExFrame);
  EXPECT_EQ(WindowText(hDlg), cp932(expected.pszCaption));

  LOGFONTA logFont = {};
  ASSERT_NE(::GetObjectA(reinterpret_cast<HFONT>(::SendMessage(hDlg, WM_GETFONT, 0, 0)), sizeof logFont, &logFont), 0);
  EXPECT_EQ(std::string(logFont.lfFaceName), cp932(expected.pszFace));
  HDC hdc = ::GetDC(nullptr);
  EXPECT_EQ(logFont.lfHeight, -::MulDiv(expected.nPointSize, ::GetDeviceCaps(hdc, LOGPIXELSY), 72));
  ::ReleaseDC(nullptr, hdc);

  RECT rcClient;
  ::GetClientRect(hDlg, &rcClient);
  RECT rcExpected = UnitsToPixels(hDlg, {0, 0, expected.sizeUnits.cx, expected.sizeUnits.cy});
  EXPECT_EQ(CRect(rcClient), rcExpected);
}

std::string ComboItem(HWND hCombo, int nIndex)
{
  char szItem[64] = {};
  ::SendMessageA(hCombo, CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(szItem));
  return szItem;
}
}

TEST(DialogTemplate, DialogsHaveTheirFrameFontAndControlsInOrder)
{
  for (const SDialog& expected : kDialogs)
  {
    SCOPED_TRACE(expected.pszName);
    CTemplateDialog dialog(expected.pszName);
    ASSERT_NE(dialog.m_hWnd, nullptr);
    ExpectDialogFrame(dialog.m_hWnd, expected);
    HWND hControl = ::GetWindow(dialog.m_hWnd, GW_CHILD);
    for (const SControl& control : expected.controls)
    {
      SCOPED_TRACE(::testing::Message() << "control " << control.nID << " at " << control.rcUnits.left << ","
                                        << control.rcUnits.top);
      ASSERT_NE(hControl, nullptr) << "missing";
      ExpectControl(dialog.m_hWnd, hControl, control);
      hControl = ::GetWindow(hControl, GW_HWNDNEXT);
    }
    EXPECT_EQ(hControl, nullptr) << "more controls than the template should have";
  }
}

TEST(DialogTemplate, VarAddKindItemsComeFromItsInitialisationData)
{
  CTemplateDialog dialog(IDD_DLG_VAR_ADD);
  HWND hKind = ::GetDlgItem(dialog.m_hWnd, IDC_COMBO_KIND);
  ASSERT_EQ(::SendMessage(hKind, CB_GETCOUNT, 0, 0), 0) << "the template itself carries no items";

  EXPECT_TRUE(AfxExecuteDlgInit(dialog.m_hWnd, IDD_DLG_VAR_ADD));
  ASSERT_EQ(::SendMessage(hKind, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(ComboItem(hKind, 0), cp932(u8"距離"));
  EXPECT_EQ(ComboItem(hKind, 1), cp932(u8"角度"));
  EXPECT_EQ(ComboItem(hKind, 2), cp932(u8"一般"));
  EXPECT_TRUE(AfxExecuteDlgInit(dialog.m_hWnd, IDD_DLG_INPUT_STRING)) << "a template without data";
}

TEST(MenuTemplate, EditPopupHoldsTheEditCommandsInOrder)
{
  const std::pair<UINT, const char*> kItems[] = {
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
  HMENU hMenu = ::LoadMenuA(CtrlModule(), MAKEINTRESOURCEA(IDR_MENU_EDIT_POPUP));
  ASSERT_EQ(::GetMenuItemCount(hMenu), 1);
  EXPECT_EQ(MenuItemText(hMenu, 0), cp932(u8"ﾎﾟｯﾌﾟｱｯﾌﾟ"));
  HMENU hPopup = ::GetSubMenu(hMenu, 0);
  ASSERT_EQ(::GetMenuItemCount(hPopup), static_cast<int>(std::size(kItems)));
  for (int nPosition = 0; nPosition < ::GetMenuItemCount(hPopup); ++nPosition)
  {
    SCOPED_TRACE(::testing::Message() << "item " << nPosition);
    const auto& expected = kItems[nPosition];
    EXPECT_EQ((::GetMenuState(hPopup, nPosition, MF_BYPOSITION) & (MF_SEPARATOR | MF_POPUP)) != 0,
              expected.second == nullptr);
    if (expected.second != nullptr)
    {
      EXPECT_EQ(::GetMenuItemID(hPopup, nPosition), expected.first);
      EXPECT_EQ(MenuItemText(hPopup, nPosition), cp932(expected.second));
    }
  }
  ::DestroyMenu(hMenu);
}
