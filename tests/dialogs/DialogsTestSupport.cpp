#include "DialogsTestSupport.h"

#include "../ScriptStep.h"

#include <gtest/gtest.h>

namespace
{
const UINT WM_TEST_STEP = WM_APP + 61;

CDialogsTestApp theApp;

// The shell's folder browser wants COM on the thread.
class CComEnvironment : public ::testing::Environment
{
public:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr))); }
  void TearDown() override { ::CoUninitialize(); }
};
const auto* const g_pComEnvironment = ::testing::AddGlobalTestEnvironment(new CComEnvironment);
}

int CDialogsTestApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
  m_messages.push_back(nType == MB_OK ? lpszPrompt : "(not a plain OK box)");
  return IDOK;
}

CDialogsTestApp& TestApp() { return theApp; }

BEGIN_MESSAGE_MAP(CScriptedInputDlg, CInputStringDlg)
  ON_MESSAGE(WM_TEST_STEP, &CScriptedInputDlg::OnStep)
END_MESSAGE_MAP()

INT_PTR CScriptedInputDlg::Run(std::vector<Step> steps)
{
  m_steps = std::move(steps);
  TestApp().m_messages.clear();
  return DoModal();
}

BOOL CScriptedInputDlg::OnInitDialog()
{
  BOOL bResult = CInputStringDlg::OnInitDialog();
  PostMessage(WM_TEST_STEP, 0);
  return bResult;
}

LRESULT CScriptedInputDlg::OnStep(WPARAM wParam, LPARAM)
{
  RunScriptStep(*this, m_steps, wParam, WM_TEST_STEP, SCRIPT_END);
  return 0;
}

void CScriptedInputDlg::Enter(const char* pszText)
{
  CWnd* pEdit = GetDlgItem(IDC_EDIT_STRING);
  pEdit->SetWindowText(cp932(pszText).c_str());
  pEdit->PostMessage(WM_KEYDOWN, VK_RETURN, 1);
}
