// Shared by the numeric field tests: an application that records its message boxes and the
// beeps instead of showing and sounding them, a dialog with a field of each kind that a test
// drives with a script of steps, and helpers that post real input to its windows.
#pragma once
#include <ZuntCtrl.h>

#include "../PostedInput.h"
#include "../TestApp.h"
#include "../dialogs/ScriptedDialog.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

struct SShownMessage
{
  std::string text;
  UINT nType;
  UINT nIDHelp;
};

class CNumericTestApp : public CCommonControlsTestApp
{
public:
  CNumericTestApp();
  // Records the box and answers it without a window, so that no focus moves meanwhile: OK,
  // or the given answer to a Yes/No question.
  int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;
  void Reset();

  std::vector<SShownMessage> m_messages;
  int m_nBeeps;
  int m_nYesNoAnswer;
};

CNumericTestApp& TestApp();

// A keyboard message as a window received it.
struct SKeyMessage
{
  UINT nMessage;
  WPARAM wParam;
  bool operator==(const SKeyMessage& other) const { return nMessage == other.nMessage && wParam == other.wParam; }
};
typedef std::vector<SKeyMessage> KeySequence;

// A menu as a compact text: "text:id" for a command (only the id when its text is not ASCII),
// tags replacing the texts the test names; "*" marks an owner-drawn item (its text read from
// its record, "?" when the record is not the one its menu keeps there), "~" a grayed item,
// "-" a separator; a popup is its text with its items in brackets.
std::string DescribeMenu(HMENU hMenu, const std::vector<std::pair<std::string, std::string>>& tags);

// A field whose modified flag a test may read, and which records the keyboard messages that
// reach its window procedure. When a menu it owns is tracked, the menu is described and the
// keys given for it are posted, which choose an item or cancel.
template <class TField>
class CTestField : public TField
{
public:
  using TField::TField;
  bool IsModified() const { return this->m_bModified; }

  KeySequence m_keys;
  std::vector<std::pair<std::string, std::string>> m_menuTags;
  std::string m_strMenu;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
  {
    if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR)
      m_keys.push_back({message, wParam});
    // Tracking has gone idle with the menu shown; lParam is the root menu's window.
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU && !m_bMenuSeen)
    {
      m_bMenuSeen = true;
      HWND hMenuWnd = reinterpret_cast<HWND>(lParam);
      m_strMenu = DescribeMenu(reinterpret_cast<HMENU>(::SendMessage(hMenuWnd, MN_GETHMENU, 0, 0)), m_menuTags);
      for (const SKeyMessage& key : m_menuKeys)
        ::PostMessage(hMenuWnd, key.nMessage, key.wParam, key.nMessage == WM_KEYUP ? 0xC0000001 : 1);
    }
    return TField::WindowProc(message, wParam, lParam);
  }

public:
  // The next menu tracked is described and gets the keys.
  void ExpectMenu(const KeySequence& keys)
  {
    m_menuKeys = keys;
    m_bMenuSeen = false;
  }

private:
  KeySequence m_menuKeys;
  bool m_bMenuSeen = true;
};

// A dialog with a field of each kind; making one clears what the application recorded.
class CNumericDialog : public CScriptedDialog<CDialog, CNumericDialog>
{
public:
  CNumericDialog();

  CTestField<CDoubleEdit> m_double;
  CTestField<CIntegerEdit> m_integer;
  CTestField<CLengthEdit> m_length;
  CTestField<CAngleEdit> m_angle;
  CTestField<CCoordEdit> m_coord;
  // A test's own exchange, after the fields'.
  std::function<void(CDataExchange*)> m_exchange;
  // Runs when OK is pressed, before the dialog validates and ends.
  Step m_onOK;
  int m_nOKPressed;
  // False keeps the dialog open on OK, for scripts that press Enter more than once.
  bool m_bEndOnOK;

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
};

// A click on the upper or lower half of the field's spin button.
void ClickSpin(CSpinEdit& field, bool bUp);
// Focuses the edit and types the text over all of it.
void RetypeText(CEdit& edit, const char* pszText);
// Retypes the field's text and presses Enter.
void EnterText(CSpinEdit& field, const char* pszText);
