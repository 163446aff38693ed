// Shared by the utility dialog tests: an application that records its message boxes instead of
// showing them, COM for the shell's folder browser, and a string input dialog driven by a
// script of steps posted from WM_INITDIALOG.
#pragma once
#include <ZuntCtrl.h>

#include "../TextCodes.h"

#include <functional>
#include <string>
#include <vector>

struct SShownMessage
{
  std::string text;
  UINT nType;
};

class CDialogsTestApp : public CWinApp
{
public:
  CDialogsTestApp() : CWinApp("ZuntDialogsTest") {}
  int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;
  std::vector<SShownMessage> m_messages;
};

CDialogsTestApp& TestApp();

// The steps run one by one, each after the input that the steps before it posted; after the
// last one the dialog ends with SCRIPT_END unless something ended it first.
class CScriptedInputDlg : public CInputStringDlg
{
public:
  enum { SCRIPT_END = 100 };
  typedef std::function<void(CScriptedInputDlg&)> Step;

  INT_PTR Run(std::vector<Step> steps);
  // The dialog has not ended.
  bool IsOpen() const { return ContinueModal() != FALSE; }
  CEdit& Edit() { return *static_cast<CEdit*>(GetDlgItem(IDC_EDIT_STRING)); }
  // Selects the whole edit text and types over it, as a user would, then presses Enter.
  void Enter(const char* pszText);
  std::string ItemText(int nID) const;

protected:
  BOOL OnInitDialog() override;
  afx_msg LRESULT OnStep(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

private:
  std::vector<Step> m_steps;
};
