// CDialog: the modal loop and its result, the owner disabled meanwhile, modeless dialogs,
// templates by number and by name, and data exchange with its failures.
#include "AfxTestResources.h"
#include "AfxTestSupport.h"
#include "../TextCodes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
// A dialog whose test says what happens once it is up.
class CScriptedDialog : public CDialog
{
public:
  explicit CScriptedDialog(LPCTSTR lpszTemplate = MAKEINTRESOURCE(IDD_TEST_DIALOG), CWnd* pParent = nullptr)
      : CDialog(lpszTemplate, pParent)
  {}

  std::function<void(CScriptedDialog&)> m_onInit;

  CString m_strText;
  int m_nNumber = 5;
  double m_dReal = 2.5;
  int m_nRadio = 1;

  BOOL OnInitDialog() override
  {
    CDialog::OnInitDialog();
    if (m_onInit)
      m_onInit(*this);
    return TRUE;
  }

protected:
  void DoDataExchange(CDataExchange* pDX) override
  {
    DDX_Text(pDX, IDC_TEXT, m_strText);
    DDX_Text(pDX, IDC_NUMBER, m_nNumber);
    DDX_Text(pDX, IDC_REAL, m_dReal);
    DDX_Radio(pDX, IDC_RADIO1, m_nRadio);
  }
};
}

// The modal dialog's template is found by name; the modeless one's below by number.
TEST(DialogTest, ModalLoopEndsWithTheClickedButtonAndReenablesTheOwner)
{
  CTestParent owner;
  CScriptedDialog dialog("IDD_TEST_NAMED", &owner);
  BOOL bOwnerEnabledMeanwhile = TRUE;
  dialog.m_onInit = [&](CScriptedDialog& dlg) {
    bOwnerEnabledMeanwhile = owner.IsWindowEnabled();
    dlg.SetDlgItemText(IDC_TEXT, "entered");
    dlg.PostMessage(WM_COMMAND, IDOK);
  };
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_FALSE(bOwnerEnabledMeanwhile);
  EXPECT_TRUE(owner.IsWindowEnabled());
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_STREQ(dialog.m_strText, "entered");  // OnOK saved the controls

  // Without its template, neither kind of dialog comes up, and the owner is enabled again.
  CScriptedDialog missing(MAKEINTRESOURCE(4321), &owner);
  EXPECT_EQ(missing.DoModal(), -1);
  EXPECT_TRUE(owner.IsWindowEnabled());
  EXPECT_FALSE(missing.Create("NO_SUCH_TEMPLATE", &owner));
  EXPECT_EQ(missing.m_hWnd, nullptr);
}

TEST(DialogTest, ExchangeFillsAndReadsTheControlsAndRefusesWhatIsNoNumber)
{
  CTestParent parent;
  CScriptedDialog dialog(MAKEINTRESOURCE(IDD_TEST_DIALOG), &parent);
  dialog.m_strText = "text";
  dialog.m_nNumber = -17;
  dialog.m_dReal = 0.1;
  ASSERT_TRUE(dialog.Create(MAKEINTRESOURCE(IDD_TEST_DIALOG), &parent));
  // OnInitDialog filled the controls from the members.
  CString strText;
  dialog.GetDlgItemText(IDC_NUMBER, strText);
  EXPECT_STREQ(strText, "-17");
  dialog.GetDlgItemText(IDC_REAL, strText);
  EXPECT_STREQ(strText, "0.1");
  EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_RADIO2), UINT(BST_CHECKED));

  // Reading back: numbers with spaces and exponents, the checked radio of the group or none.
  dialog.SetDlgItemText(IDC_NUMBER, " 2147483647 ");
  dialog.SetDlgItemText(IDC_REAL, "-1.25e3");
  dialog.CheckRadioButton(IDC_RADIO1, IDC_RADIO3, IDC_RADIO3);
  dialog.CheckDlgButton(IDC_AFTER_GROUP, BST_CHECKED);  // outside the group: not counted
  ASSERT_TRUE(dialog.UpdateData(TRUE));
  EXPECT_EQ(dialog.m_nNumber, 2147483647);
  EXPECT_DOUBLE_EQ(dialog.m_dReal, -1250.0);
  EXPECT_EQ(dialog.m_nRadio, 2);
  dialog.CheckRadioButton(IDC_RADIO1, IDC_RADIO3, 0);
  ASSERT_TRUE(dialog.UpdateData(TRUE));
  EXPECT_EQ(dialog.m_nRadio, -1);

  // Refused texts leave their members and show the framework's own prompt, found last in the
  // resource chain.
  dialog.m_nNumber = 5;
  dialog.m_dReal = 2.5;
  const std::string strInteger = cp932("整数を入力してください。");
  const std::string strNumber = cp932("数値を入力してください。");
  struct
  {
    int nIDC;
    const char* pszText;
    const std::string& prompt;
  } refused[] = {{IDC_NUMBER, "2147483648", strInteger}, {IDC_NUMBER, "", strInteger}, {IDC_NUMBER, "1.5", strInteger},
                 {IDC_REAL, "1.2.3", strNumber},         {IDC_REAL, "abc", strNumber}, {IDC_REAL, "1e999", strNumber}};
  for (const auto& entry : refused)
  {
    SCOPED_TRACE(entry.pszText);
    CMessageBoxCatcher catcher(IDOK);
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    dialog.SetDlgItemText(entry.nIDC, entry.pszText);
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_nNumber, 5);
    EXPECT_DOUBLE_EQ(dialog.m_dReal, 2.5);
    ASSERT_EQ(catcher.m_boxes.size(), 1u);
    EXPECT_EQ(catcher.m_boxes[0].text, entry.prompt);
    EXPECT_EQ(catcher.m_boxes[0].buttons, std::vector<int>{IDOK});
  }

  // OK with a refused number keeps the dialog up, with the focus on that control; values
  // exchanged before the failing one were stored, as the framework does.
  dialog.ShowWindow(SW_SHOW);
  dialog.SetDlgItemText(IDC_TEXT, "changed");
  dialog.SetDlgItemText(IDC_NUMBER, "12x");
  CMessageBoxCatcher catcher(IDOK);
  dialog.SendMessage(WM_COMMAND, IDOK);
  EXPECT_TRUE(dialog.IsWindowVisible());
  EXPECT_EQ(::GetFocus(), dialog.GetDlgItem(IDC_NUMBER)->m_hWnd);
  EXPECT_STREQ(dialog.m_strText, "changed");
  dialog.DestroyWindow();
}

// The argument in place of "%1" is what the numeric fields' range messages show.
TEST(DialogTest, FormatString1KeepsATextWithoutAPlaceAndLeavesANullArgumentsPlaceEmpty)
{
  CString strText;
  AfxFormatString1(strText, IDS_TEST_NO_PLACE, "x");
  EXPECT_EQ(std::string(strText), cp932("表示"));
  AfxFormatString1(strText, IDS_TEST_FORMAT, nullptr);
  EXPECT_EQ(std::string(strText), cp932("値  は範囲外です"));
}
