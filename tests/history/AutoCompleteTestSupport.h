// Shared by the auto-complete tests: COM for the whole run, a dialog with an auto-complete
// edit, a combo box from the template (subclassed, so its creation was not seen) and one the
// dialog creates itself, driven by a script of steps; posted keyboard input; and a stand-in
// for Windows' suggestion list.
#pragma once
#include <ZuntCtrl.h>

#include "../PostedInput.h"
#include "../dialogs/ScriptedDialog.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// The options the tests give the controls: a list of suggestions and the first one appended.
const DWORD kSuggestAndAppend = ACO_AUTOSUGGEST | ACO_AUTOAPPEND;

// The combo box's protected removal, for the tests.
class CTestACComboBox : public CACComboBox
{
public:
  using CACComboBox::removeEnteredText;
};

class CAutoCompleteDialog : public CScriptedDialog<CDialog, CAutoCompleteDialog>
{
public:
  explicit CAutoCompleteDialog(CHistoryMap* pHistoryMap);

  CACEdit m_edit;
  CTestACComboBox m_templateCombo;
  CTestACComboBox m_combo;
  CHistoryMap* m_pHistoryMap;
  // Runs when OK is pressed, before the dialog ends.
  Step m_onOK;

protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
};

// Windows shows its suggestion list as a top-level window of class "Auto-Suggest Dropdown";
// Wine's list has another class, so tests put this visible window of that class in its place.
class CSuggestListStandIn
{
public:
  CSuggestListStandIn();
  ~CSuggestListStandIn();
  CSuggestListStandIn(const CSuggestListStandIn&) = delete;
  CSuggestListStandIn& operator=(const CSuggestListStandIn&) = delete;
  HWND m_hWnd;
};

// Focuses the field, empties it and types the text.
void RetypeText(HWND hWndField, const char* pszText);
// The texts of a key's history, most recent first.
std::vector<std::string> HistoryTexts(CHistoryMap& map, const char* pszKey);

// The options that a new auto-complete object of the platform has.
DWORD NewObjectOptions();
