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
const UINT WM_TEST_SENTINEL = WM_APP + 40;

// A dialog whose test says what happens once it is up, and what the sentinel checks at the end.
class CScriptedDialog : public CDialog
{
public:
  explicit CScriptedDialog(LPCTSTR lpszTemplate = MAKEINTRESOURCE(IDD_TEST_DIALOG), CWnd* pParent = nullptr)
      : CDialog(lpszTemplate, pParent)
  {}

  std::function<void(CScriptedDialog&)> m_onInit;
  std::function<void(CScriptedDialog&)> m_onSentinel;
  BOOL m_bSentinelAfterOK = FALSE;

  CString m_strText;
  int m_nNumber = 5;
  double m_dReal = 2.5;
  int m_nRadio = 1;
  CEdit m_edit;

  BOOL OnInitDialog() override
  {
    CDialog::OnInitDialog();
    if (m_onInit)
      m_onInit(*this);
    return TRUE;
  }

  void PostSentinel() { PostMessage(WM_TEST_SENTINEL); }

protected:
  void DoDataExchange(CDataExchange* pDX) override
  {
    DDX_Control(pDX, IDC_TEXT, m_edit);
    DDX_Text(pDX, IDC_TEXT, m_strText);
    DDX_Text(pDX, IDC_NUMBER, m_nNumber);
    DDX_Text(pDX, IDC_REAL, m_dReal);
    DDX_Radio(pDX, IDC_RADIO1, m_nRadio);
  }
  void OnOK() override
  {
    CDialog::OnOK();
    if (m_bSentinelAfterOK)
      PostSentinel();
  }
  LRESULT OnSentinel(WPARAM, LPARAM)
  {
    if (m_onSentinel)
      m_onSentinel(*this);
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CScriptedDialog, CDialog)
  ON_MESSAGE(WM_TEST_SENTINEL, &CScriptedDialog::OnSentinel)
END_MESSAGE_MAP()

void ClickButton(CWnd& dialog, int nID)
{
  dialog.PostMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(dialog.GetDlgItem(nID)->m_hWnd));
}
}

TEST(DialogTest, ModalLoopEndsWithTheClickedButtonAndReenablesTheOwner)
{
  CTestParent owner;
  CScriptedDialog dialog(MAKEINTRESOURCE(IDD_TEST_DIALOG), &owner);
  BOOL bOwnerEnabledMeanwhile = TRUE;
  dialog.m_onInit = [&](CScriptedDialog& dlg) {
    bOwnerEnabledMeanwhile = owner.IsWindowEnabled();
    dlg.SetDlgItemText(IDC_TEXT, "entered");
    ClickButton(dlg, IDOK);
  };
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_FALSE(bOwnerEnabledMeanwhile);
  EXPECT_TRUE(owner.IsWindowEnabled());
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_STREQ(dialog.m_strText, "entered");  // OnOK saved the controls
}

TEST(DialogTest, AFailingExchangeKeepsTheValueAndTheFocusOnTheControl)
{
  CMessageBoxCatcher catcher(IDOK);
  CScriptedDialog dialog;
  int nFocusID = 0;
  dialog.m_bSentinelAfterOK = TRUE;
  dialog.m_onInit = [](CScriptedDialog& dlg) {
    dlg.SetDlgItemText(IDC_TEXT, "changed");
    dlg.SetDlgItemText(IDC_NUMBER, "12x");
    ClickButton(dlg, IDOK);
  };
  dialog.m_onSentinel = [&nFocusID](CScriptedDialog& dlg) {
    nFocusID = ::GetFocus() != nullptr ? ::GetDlgCtrlID(::GetFocus()) : 0;
    dlg.EndDialog(IDCANCEL);
  };
  ASSERT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.m_nNumber, 5);
  // Values exchanged before the failing one were stored, as the framework does.
  EXPECT_STREQ(dialog.m_strText, "changed");
  EXPECT_EQ(catcher.m_boxes.size(), 1u);
  EXPECT_EQ(nFocusID, IDC_NUMBER);
}

TEST(DialogTest, ExchangeFillsAndReadsTextsNumbersAndRadioGroups)
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
  EXPECT_EQ(CWnd::FromHandlePermanent(dialog.GetDlgItem(IDC_TEXT)->m_hWnd), &dialog.m_edit);

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
  dialog.DestroyWindow();
}

TEST(DialogTest, RefusedNumbersLeaveTheirMembers)
{
  CTestParent parent;
  CScriptedDialog dialog(MAKEINTRESOURCE(IDD_TEST_DIALOG), &parent);
  ASSERT_TRUE(dialog.Create(MAKEINTRESOURCE(IDD_TEST_DIALOG), &parent));
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
    // The framework's own texts, found last in the resource chain.
    EXPECT_EQ(catcher.m_boxes[0].text, entry.prompt);
    EXPECT_EQ(catcher.m_boxes[0].buttons, std::vector<int>{IDOK});
  }
  dialog.DestroyWindow();
}

TEST(DialogTest, TemplatesByNameAndMissingTemplates)
{
  CTestParent owner;
  CScriptedDialog named("IDD_TEST_NAMED", &owner);
  named.m_onInit = [](CScriptedDialog& dlg) { dlg.EndDialog(IDABORT); };
  EXPECT_EQ(named.DoModal(), IDABORT);

  CScriptedDialog missing(MAKEINTRESOURCE(4321), &owner);
  EXPECT_EQ(missing.DoModal(), -1);
  EXPECT_TRUE(owner.IsWindowEnabled());
  EXPECT_FALSE(missing.Create("NO_SUCH_TEMPLATE", &owner));
  EXPECT_EQ(missing.m_hWnd, nullptr);
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

TEST(DialogTest, FileDialogPreparesTheSystemsStructure)
{
  CFileDialog dialog(TRUE, "txt", "start.txt", OFN_HIDEREADONLY, "Text (*.txt)|*.txt|All|*.*||");
  EXPECT_STREQ(dialog.m_ofn.lpstrFile, "start.txt");
  EXPECT_STREQ(dialog.m_ofn.lpstrDefExt, "txt");
  EXPECT_EQ(dialog.m_ofn.Flags & OFN_HIDEREADONLY, static_cast<DWORD>(OFN_HIDEREADONLY));
  // The bars become the NUL separators of the system's filter list, which ends with two NULs.
  const char kExpected[] = "Text (*.txt)\0*.txt\0All\0*.*\0\0";
  EXPECT_EQ(std::string(dialog.m_ofn.lpstrFilter, sizeof kExpected), std::string(kExpected, sizeof kExpected));
}
