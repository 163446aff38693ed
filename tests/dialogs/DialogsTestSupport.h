// Shared by the utility dialog tests: an application that records its message boxes instead of
// showing them, COM for the shell's folder browser, and a string input dialog driven by a
// script of steps posted from WM_INITDIALOG.
#pragma once
#include <ZuntCtrl.h>

#include "../PostedInput.h"
#include "../TextCodes.h"

#include <functional>
#include <string>
#include <vector>

class CDialogsTestApp : public CWinApp
{
public:
  CDialogsTestApp() : CWinApp("ZuntDialogsTest") {}
  int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;
  std::vector<std::string> m_messages;  // each shown with an OK button only
};

CDialogsTestApp& TestApp();

// The steps run one by one, each after the input that the steps before it posted; after the
// last one the dialog ends with SCRIPT_END unless something ended it first.
class CScriptedInputDlg : public CInputStringDlg
{
public:
  enum
  {
    SCRIPT_END = 100
  };
  typedef std::function<void(CScriptedInputDlg&)> Step;

  INT_PTR Run(std::vector<Step> steps);
  bool IsOpen() const { return ContinueModal() != FALSE; }
  // Puts the text (UTF-8) into the edit and presses Enter.
  void Enter(const char* pszText);

protected:
  BOOL OnInitDialog() override;
  afx_msg LRESULT OnStep(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

private:
  std::vector<Step> m_steps;
};
