// The library's dialog templates as a host sees them (its controls in tab order, reachable by id,
// with their texts), and the texts of the numeric fields' edit context menu.
#include "ModuleTestSupport.h"

#include <Resource.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace
{
struct SControl
{
  int nID;
  const char* pszClass;
  const char* pszText;  // UTF-8; nullptr where the template sets no text
};

struct SDialog
{
  const char* pszName;
  const char* pszCaption;
  const std::vector<SControl>& controls;
};

const std::vector<SControl> kInputStringControls = {
    {IDC_STATIC_PROMPT, "Static", u8"スタティック"},
    {IDC_EDIT_STRING, "Edit", nullptr},
    {IDOK, "Button", "OK"},
    {IDCANCEL, "Button", u8"キャンセル"},
};
const std::vector<SControl> kVariableSelectControls = {
    {IDOK, "Button", "OK"},
    {IDCANCEL, "Button", u8"ｷｬﾝｾﾙ"},
    {IDC_LIST_VARIABLE, "ListBox", nullptr},
};
// A label's mnemonic reaches the control after it.
const std::vector<SControl> kVarAddControls = {
    {IDC_STATIC, "Static", u8"種別(&T)"},
    {IDC_COMBO_KIND, "ComboBox", nullptr},
    {IDC_STATIC, "Static", u8"変数名(&N)"},
    {IDC_EDIT_NAME, "Edit", nullptr},
    {IDC_STATIC, "Button", ""},
    {IDC_RADIO_VALUE, "Button", u8"値(&V)"},
    {IDC_RADIO_EXPRESSION, "Button", u8"式(&E)"},
    {IDC_EDIT_VALUE, "Edit", nullptr},
    {IDC_EDIT_EXPRESSION, "Edit", nullptr},
    {IDOK, "Button", "OK"},
    {IDCANCEL, "Button", u8"キャンセル"},
};

const SDialog kDialogs[] = {
    {IDD_DLG_INPUT_STRING, "", kInputStringControls},
    {IDD_DLG_VARIABLESELECT, u8"変数の選択", kVariableSelectControls},
    {IDD_DLG_VAR_ADD, u8"追加", kVarAddControls},
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
}

TEST(DialogTemplate, DialogsComeUpWithTheirCaptionAndControlsInOrder)
{
  for (const SDialog& expected : kDialogs)
  {
    SCOPED_TRACE(expected.pszName);
    CTemplateDialog dialog(expected.pszName);
    ASSERT_NE(dialog.m_hWnd, nullptr);
    EXPECT_EQ(WindowText(dialog.m_hWnd), cp932(expected.pszCaption));
    HWND hControl = ::GetWindow(dialog.m_hWnd, GW_CHILD);
    for (const SControl& control : expected.controls)
    {
      SCOPED_TRACE(::testing::Message() << "control " << control.nID);
      ASSERT_NE(hControl, nullptr) << "missing";
      char szClass[64] = {};
      ::GetClassNameA(hControl, szClass, sizeof szClass);
      EXPECT_EQ(lstrcmpiA(szClass, control.pszClass), 0) << szClass;
      EXPECT_EQ(::GetDlgCtrlID(hControl), control.nID);
      if (control.pszText != nullptr)
      {
        EXPECT_EQ(WindowText(hControl), cp932(control.pszText));
      }
      hControl = ::GetWindow(hControl, GW_HWNDNEXT);
    }
    EXPECT_EQ(hControl, nullptr) << "more controls than the template should have";
  }
}

TEST(DialogTemplate, VarAddKindItemsComeFromItsInitialisationData)
{
  CTemplateDialog dialog(IDD_DLG_VAR_ADD);
  HWND hKind = ::GetDlgItem(dialog.m_hWnd, IDC_COMBO_KIND);
  // The template itself carries no items: three come from its initialisation data.
  EXPECT_TRUE(AfxExecuteDlgInit(dialog.m_hWnd, IDD_DLG_VAR_ADD));
  const char* const kKinds[] = {u8"距離", u8"角度", u8"一般"};
  ASSERT_EQ(::SendMessage(hKind, CB_GETCOUNT, 0, 0), 3);
  for (int i = 0; i < 3; ++i)
  {
    char szItem[64] = {};
    ::SendMessageA(hKind, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(szItem));
    EXPECT_EQ(std::string(szItem), cp932(kKinds[i])) << i;
  }
  EXPECT_TRUE(AfxExecuteDlgInit(dialog.m_hWnd, IDD_DLG_INPUT_STRING)) << "a template without data";
}

// Their order and separators are what the numeric fields' context menu shows.
TEST(MenuTemplate, EditPopupNamesTheEditCommands)
{
  const std::pair<UINT, const char*> kItems[] = {
      {ID_POPUP_UNDO, u8"元に戻す(&U)"},  {ID_POPUP_CUT, u8"切り取り(&T)"}, {ID_POPUP_COPY, u8"ｺﾋﾟｰ(&C)"},
      {ID_POPUP_PASTE, u8"貼り付け(&P)"}, {ID_POPUP_DELETE, u8"削除(&D)"},  {ID_POPUP_SELECT_ALL, u8"すべて選択(&A)"},
  };
  HMENU hMenu = ::LoadMenuA(CtrlModule(), MAKEINTRESOURCEA(IDR_MENU_EDIT_POPUP));
  for (const auto& item : kItems)
  {
    char szText[64] = {};
    ::GetMenuStringA(hMenu, item.first, szText, sizeof szText, MF_BYCOMMAND);
    EXPECT_EQ(std::string(szText), cp932(item.second)) << item.first;
  }
  ::DestroyMenu(hMenu);
}
