// Shared by the utility dialog tests: an application that records its message boxes instead of
// showing them, COM for the shell's folder browser, and a string input dialog driven by a
// script of steps posted from WM_INITDIALOG.
#pragma once
#include <ZuntCtrl.h>

#include "../PostedInput.h"
#include "../TextCodes.h"
#include "ScriptedDialog.h"

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

// A string input dialog driven by a script of steps; making one clears the recorded messages.
class CScriptedInputDlg : public CScriptedDialog<CInputStringDlg, CScriptedInputDlg>
{
public:
  CScriptedInputDlg() { TestApp().m_messages.clear(); }
  bool IsOpen() const { return ContinueModal() != FALSE; }
  // Puts the text (UTF-8) into the edit and presses Enter.
  void Enter(const char* pszText);
};
