#include "DialogsTestSupport.h"

#include "ComEnvironment.h"

#include <gtest/gtest.h>

namespace
{
CDialogsTestApp theApp;

const auto* const g_pComEnvironment = ::testing::AddGlobalTestEnvironment(new CComEnvironment);
}

int CDialogsTestApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
  m_messages.push_back(nType == MB_OK ? lpszPrompt : "(not a plain OK box)");
  return IDOK;
}

CDialogsTestApp& TestApp() { return theApp; }

void CScriptedInputDlg::Enter(const char* pszText)
{
  CWnd* pEdit = GetDlgItem(IDC_EDIT_STRING);
  pEdit->SetWindowText(cp932(pszText).c_str());
  pEdit->PostMessage(WM_KEYDOWN, VK_RETURN, 1);
}
