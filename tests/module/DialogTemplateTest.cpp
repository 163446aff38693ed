// The dialog templates, checked on real dialogs created from them (modeless, hidden).
#include "ModuleTestSupport.h"

#include <Resource.h>
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <vector>

namespace
{
struct SControl
{
  int nID;
  const char* pszClass;
  DWORD dwStyle;  // all these bits set; the kind field (button, combo box, static) equal
  const char* pszText;  // UTF-8; nullptr where the control's text is not part of the template
  RECT rcUnits;  // left, top, width, height in dialog units
};

struct SDialog
{
  const char* pszName;
  DWORD dwExStyle;
  const char* pszCaption;
  const char* pszFace;
  int nPointSize;
  SIZE sizeUnits;
  std::vector<SControl> controls;
};

const DWORD kEdit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

const SDialog kInputString = {IDD_DLG_INPUT_STRING, 0, "", "MS Shell Dlg", 8, {197, 50}, {
  {IDC_STATIC_PROMPT, "Static", SS_LEFT, u8"スタティック", {10, 8, 65, 8}},
  {IDC_EDIT_STRING, "Edit", kEdit, nullptr, {66, 7, 120, 12}},
  {IDOK, "Button", BS_DEFPUSHBUTTON, "OK", {78, 29, 50, 14}},
  {IDCANCEL, "Button", BS_PUSHBUTTON, u8"キャンセル", {136, 29, 50, 14}},
}};

const SDialog kVariableSelect = {IDD_DLG_VARIABLESELECT, WS_EX_TOOLWINDOW, u8"変数の選択", u8"ＭＳ Ｐゴシック", 9,
  {107, 129}, {
  {IDOK, "Button", BS_DEFPUSHBUTTON, "OK", {18, 110, 37, 15}},
  {IDCANCEL, "Button", BS_PUSHBUTTON, u8"ｷｬﾝｾﾙ", {64, 110, 37, 15}},
  {IDC_LIST_VARIABLE, "ListBox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
   nullptr, {5, 6, 97, 98}},
}};

const SDialog kVarAdd = {IDD_DLG_VAR_ADD, WS_EX_TOOLWINDOW, u8"追加", u8"ＭＳ Ｐゴシック", 9, {125, 121}, {
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
}};

// What a DLGTEMPLATEEX resource holds, as far as the tests compare it.
struct STemplateItem
{
  DWORD dwStyle;
  DWORD dwID;
  WORD wClassAtom;  // predefined atoms: 0x80 button, 0x81 edit, 0x82 static, 0x83 list box, 0x85 combo box
  std::wstring text;
  RECT rcUnits;
};

struct STemplate
{
  DWORD dwStyle;
  DWORD dwExStyle;
  SIZE sizeUnits;
  std::wstring caption;
  WORD wPointSize;
  std::wstring face;
  std::vector<STemplateItem> items;
};

class CTemplateReader
{
public:
  explicit CTemplateReader(const BYTE* pData) : m_pData(pData) {}

  template <class T>
  T Read()
  {
    T value;
    std::memcpy(&value, m_pData, sizeof value);
    m_pData += sizeof value;
    return value;
  }
  // A string, or 0xFFFF and an ordinal (returned as one character).
  std::wstring ReadNameOrOrdinal()
  {
    if (Read<WORD>() == 0xFFFF)
      return std::wstring(1, static_cast<wchar_t>(Read<WORD>()));
    m_pData -= sizeof(WORD);
    std::wstring text;
    for (WORD ch = Read<WORD>(); ch != 0; ch = Read<WORD>())
      text += static_cast<wchar_t>(ch);
    return text;
  }
  RECT ReadUnits()
  {
    short x = Read<short>(), y = Read<short>(), cx = Read<short>(), cy = Read<short>();
    return {x, y, cx, cy};
  }
  void AlignToDword(const BYTE* pStart) { m_pData += (4 - (m_pData - pStart) % 4) % 4; }

  const BYTE* m_pData;
};

WORD ClassAtom(const char* pszClass)
{
  const char* const kClasses[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
  for (WORD nAtom = 0; nAtom < std::size(kClasses); ++nAtom)
  {
    if (lstrcmpiA(kClasses[nAtom], pszClass) == 0)
      return 0x80 + nAtom;
  }
  return 0;
}

// A class given by name ("Button") or by its predefined atom.
WORD ClassAtom(const std::wstring& templateClass)
{
  if (templateClass.size() == 1)
    return templateClass[0];
  return ClassAtom(std::string(templateClass.begin(), templateClass.end()).c_str());
}

STemplate ReadTemplate(const char* pszName)
{
  HRSRC hResource = ::FindResourceA(CtrlModule(), pszName, RT_DIALOG);
  auto pStart = static_cast<const BYTE*>(::LockResource(::LoadResource(CtrlModule(), hResource)));
  CTemplateReader reader(pStart);
  STemplate result = {};
  EXPECT_EQ(reader.Read<WORD>(), 1) << "version";
  EXPECT_EQ(reader.Read<WORD>(), 0xFFFF) << "extended template";
  reader.Read<DWORD>();  // help id
  result.dwExStyle = reader.Read<DWORD>();
  result.dwStyle = reader.Read<DWORD>();
  WORD nItems = reader.Read<WORD>();
  RECT rcDialog = reader.ReadUnits();
  result.sizeUnits = {rcDialog.right, rcDialog.bottom};
  EXPECT_TRUE(reader.ReadNameOrOrdinal().empty()) << "menu";
  EXPECT_TRUE(reader.ReadNameOrOrdinal().empty()) << "window class";
  result.caption = reader.ReadNameOrOrdinal();
  result.wPointSize = reader.Read<WORD>();
  reader.Read<WORD>();  // weight
  reader.Read<WORD>();  // italic, character set
  result.face = reader.ReadNameOrOrdinal();
  for (WORD nItem = 0; nItem < nItems; ++nItem)
  {
    reader.AlignToDword(pStart);
    STemplateItem item = {};
    reader.Read<DWORD>();  // help id
    reader.Read<DWORD>();  // extended style
    item.dwStyle = reader.Read<DWORD>();
    item.rcUnits = reader.ReadUnits();
    item.dwID = reader.Read<DWORD>();
    item.wClassAtom = ClassAtom(reader.ReadNameOrOrdinal());
    item.text = reader.ReadNameOrOrdinal();
    reader.m_pData += reader.Read<WORD>();  // creation data
    result.items.push_back(item);
  }
  return result;
}

INT_PTR CALLBACK InertDialogProc(HWND, UINT, WPARAM, LPARAM)
{
  return FALSE;
}

// A modeless dialog of the library's template, hidden, destroyed with the object.
class CTemplateDialog
{
public:
  explicit CTemplateDialog(LPCSTR pszTemplate)
    : m_hWnd(::CreateDialogParamA(CtrlModule(), pszTemplate, nullptr, InertDialogProc, 0))
  {
  }
  ~CTemplateDialog() { ::DestroyWindow(m_hWnd); }
  CTemplateDialog(const CTemplateDialog&) = delete;
  CTemplateDialog& operator=(const CTemplateDialog&) = delete;

  HWND m_hWnd;
};

std::string WindowText(HWND hWnd)
{
  char szText[256];
  int nLength = ::GetWindowTextA(hWnd, szText, sizeof szText);
  return std::string(szText, nLength);
}

// The dialog manager maps position and size separately (not the right edge), so do the same.
RECT UnitsToPixels(HWND hDlg, const RECT& rcUnits)
{
  RECT rc = rcUnits;
  ::MapDialogRect(hDlg, &rc);
  return {rc.left, rc.top, rc.left + rc.right, rc.top + rc.bottom};
}

RECT RectInDialog(HWND hDlg, HWND hControl)
{
  RECT rc;
  ::GetWindowRect(hControl, &rc);
  ::MapWindowPoints(HWND_DESKTOP, hDlg, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

std::string RectText(const RECT& rc)
{
  return std::to_string(rc.left) + "," + std::to_string(rc.top) + "-" + std::to_string(rc.right) + "," +
         std::to_string(rc.bottom);
}

DWORD KindMask(WORD wClassAtom)
{
  switch (wClassAtom)
  {
  case 0x80: return BS_TYPEMASK;
  case 0x82: return SS_TYPEMASK;
  case 0x85: return CBS_DROPDOWNLIST;
  default: return 0;
  }
}

// All the expected bits set and the kind field (button, static, combo box type) equal.
void ExpectStyle(DWORD dwStyle, DWORD dwExpected, WORD wClassAtom)
{
  DWORD dwKindMask = KindMask(wClassAtom);
  EXPECT_EQ(dwStyle & dwKindMask, dwExpected & dwKindMask) << std::hex << dwStyle;
  EXPECT_EQ(dwStyle & dwExpected & ~dwKindMask, dwExpected & ~dwKindMask) << std::hex << dwStyle;
  EXPECT_TRUE(dwStyle & WS_CHILD);
  EXPECT_TRUE(dwStyle & WS_VISIBLE);
}

void ExpectTemplate(const SDialog& expected)
{
  STemplate dialog = ReadTemplate(expected.pszName);
  const DWORD dwFrame = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  EXPECT_EQ(dialog.dwStyle & (dwFrame | WS_VISIBLE | WS_CHILD), dwFrame) << std::hex << dialog.dwStyle;
  EXPECT_EQ(dialog.dwExStyle & WS_EX_TOOLWINDOW, expected.dwExStyle);
  EXPECT_EQ(dialog.sizeUnits.cx, expected.sizeUnits.cx);
  EXPECT_EQ(dialog.sizeUnits.cy, expected.sizeUnits.cy);
  EXPECT_EQ(dialog.caption, Utf8ToWide(expected.pszCaption));
  EXPECT_EQ(dialog.wPointSize, expected.nPointSize);
  EXPECT_EQ(dialog.face, Utf8ToWide(expected.pszFace));
  ASSERT_EQ(dialog.items.size(), expected.controls.size());
  for (size_t i = 0; i < dialog.items.size(); ++i)
  {
    const STemplateItem& item = dialog.items[i];
    const SControl& control = expected.controls[i];
    SCOPED_TRACE(::testing::Message() << "template item " << i << ", control " << control.nID);
    EXPECT_EQ(static_cast<int>(item.dwID), control.nID);
    EXPECT_EQ(item.wClassAtom, ClassAtom(control.pszClass));
    ExpectStyle(item.dwStyle, control.dwStyle, item.wClassAtom);
    if (control.pszText != nullptr)
    {
      EXPECT_EQ(item.text, Utf8ToWide(control.pszText));
    }
    EXPECT_TRUE(::EqualRect(&item.rcUnits, &control.rcUnits)) << RectText(item.rcUnits);
  }
}

void ExpectControl(HWND hDlg, HWND hControl, const SControl& expected)
{
  char szClass[64] = {};
  ::GetClassNameA(hControl, szClass, sizeof szClass);
  WORD wClassAtom = ClassAtom(szClass);
  EXPECT_EQ(wClassAtom, ClassAtom(expected.pszClass)) << szClass;
  EXPECT_EQ(::GetDlgCtrlID(hControl), expected.nID);
  // Edits, list boxes and combo boxes take over their border and scroll bar when created.
  const DWORD dwTakenOver = WS_BORDER | WS_VSCROLL;
  ExpectStyle(static_cast<DWORD>(::GetWindowLongA(hControl, GWL_STYLE)), expected.dwStyle & ~dwTakenOver, wClassAtom);
  if (expected.pszText != nullptr)
  {
    EXPECT_EQ(WindowText(hControl), Utf8ToCp932(expected.pszText));
  }
  RECT rcExpected = UnitsToPixels(hDlg, expected.rcUnits);
  RECT rcPlaced = RectInDialog(hDlg, hControl);
  // A drop-down list's window is its selection field; the template's height includes the list.
  if (wClassAtom == 0x85)
    rcExpected.bottom = rcPlaced.bottom;
  EXPECT_TRUE(::EqualRect(&rcPlaced, &rcExpected)) << RectText(rcPlaced) << ", expected " << RectText(rcExpected);
}

void ExpectFont(HWND hDlg, const SDialog& expected)
{
  LOGFONTA logFont = {};
  ASSERT_NE(::GetObjectA(reinterpret_cast<HFONT>(::SendMessage(hDlg, WM_GETFONT, 0, 0)), sizeof logFont, &logFont), 0);
  EXPECT_EQ(std::string(logFont.lfFaceName), Utf8ToCp932(expected.pszFace));
  HDC hdc = ::GetDC(nullptr);
  EXPECT_EQ(logFont.lfHeight, -::MulDiv(expected.nPointSize, ::GetDeviceCaps(hdc, LOGPIXELSY), 72));
  ::ReleaseDC(nullptr, hdc);
}

void ExpectDialog(const SDialog& expected)
{
  SCOPED_TRACE(expected.pszName);
  ExpectTemplate(expected);
  CTemplateDialog dialog(expected.pszName);
  HWND hDlg = dialog.m_hWnd;
  ASSERT_NE(hDlg, nullptr);
  EXPECT_FALSE(::IsWindowVisible(hDlg));
  EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(hDlg, GWL_EXSTYLE)) & WS_EX_TOOLWINDOW, expected.dwExStyle);
  EXPECT_EQ(WindowText(hDlg), Utf8ToCp932(expected.pszCaption));
  ExpectFont(hDlg, expected);

  RECT rcClient;
  ::GetClientRect(hDlg, &rcClient);
  RECT rcExpected = UnitsToPixels(hDlg, {0, 0, expected.sizeUnits.cx, expected.sizeUnits.cy});
  EXPECT_TRUE(::EqualRect(&rcClient, &rcExpected)) << RectText(rcClient);

  HWND hControl = ::GetWindow(hDlg, GW_CHILD);
  for (const SControl& control : expected.controls)
  {
    SCOPED_TRACE(::testing::Message() << "control " << control.nID << " " << control.pszClass << " at "
                                      << control.rcUnits.left << "," << control.rcUnits.top);
    ASSERT_NE(hControl, nullptr) << "missing";
    ExpectControl(hDlg, hControl, control);
    hControl = ::GetWindow(hControl, GW_HWNDNEXT);
  }
  EXPECT_EQ(hControl, nullptr) << "more controls than the template should have";
}

std::string ComboItem(HWND hCombo, int nIndex)
{
  char szItem[64] = {};
  ::SendMessageA(hCombo, CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(szItem));
  return szItem;
}
}

TEST(DialogTemplate, InputStringHasItsControlsInOrder)
{
  ExpectDialog(kInputString);
}

TEST(DialogTemplate, VariableSelectHasItsControlsInOrder)
{
  ExpectDialog(kVariableSelect);
}

TEST(DialogTemplate, VarAddHasItsControlsInOrder)
{
  ExpectDialog(kVarAdd);
}

TEST(DialogTemplate, VarAddRadioButtonsFormOneGroupBeforeTheValueEdit)
{
  CTemplateDialog dialog(IDD_DLG_VAR_ADD);
  HWND hValue = ::GetDlgItem(dialog.m_hWnd, IDC_RADIO_VALUE);
  EXPECT_EQ(::GetNextDlgGroupItem(dialog.m_hWnd, hValue, FALSE), ::GetDlgItem(dialog.m_hWnd, IDC_RADIO_EXPRESSION));
  EXPECT_FALSE(::GetWindowLongA(::GetDlgItem(dialog.m_hWnd, IDC_RADIO_EXPRESSION), GWL_STYLE) & WS_GROUP);
  EXPECT_FALSE(::GetWindowLongA(::GetDlgItem(dialog.m_hWnd, IDC_EDIT_EXPRESSION), GWL_STYLE) & WS_GROUP);
}

TEST(DialogInit, VarAddKindItemsComeFromItsInitialisationData)
{
  CTemplateDialog dialog(IDD_DLG_VAR_ADD);
  HWND hKind = ::GetDlgItem(dialog.m_hWnd, IDC_COMBO_KIND);
  ASSERT_EQ(::SendMessage(hKind, CB_GETCOUNT, 0, 0), 0) << "the template itself carries no items";

  EXPECT_TRUE(AfxExecuteDlgInit(dialog.m_hWnd, IDD_DLG_VAR_ADD));
  ASSERT_EQ(::SendMessage(hKind, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(ComboItem(hKind, 0), Utf8ToCp932(u8"距離"));
  EXPECT_EQ(ComboItem(hKind, 1), Utf8ToCp932(u8"角度"));
  EXPECT_EQ(ComboItem(hKind, 2), Utf8ToCp932(u8"一般"));
}

TEST(DialogInit, TemplatesWithoutDataAndDialogsWithoutTheControl)
{
  CTemplateDialog dialog(IDD_DLG_INPUT_STRING);
  EXPECT_TRUE(AfxExecuteDlgInit(dialog.m_hWnd, IDD_DLG_INPUT_STRING));

  HRSRC hData = ::FindResourceA(CtrlModule(), IDD_DLG_VAR_ADD, RT_DLGINIT);
  ASSERT_NE(hData, nullptr);
  EXPECT_FALSE(AfxExecuteDlgInit(dialog.m_hWnd, ::LockResource(::LoadResource(CtrlModule(), hData))))
    << "the input dialog has no kind combo box";
}
