// Shared by the auto-complete tests: COM for the whole run, a dialog with an auto-complete
// edit, a combo box from the template (subclassed, so its creation was not seen) and one the
// dialog creates itself, driven by a script of steps; posted keyboard input; and a stand-in
// for Windows' suggestion list.
#pragma once
#include <ZuntCtrl.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// The options the tests give the controls: a list of suggestions and the first one appended.
const DWORD kSuggestAndAppend = ACO_AUTOSUGGEST | ACO_AUTOAPPEND;

// A control whose protected parts a test may reach.
template <class TControl>
class CTestAutoComplete : public TControl
{
public:
  using TControl::getAutoSuggestListWnd;
  using TControl::m_autoComplete;
};

class CTestACComboBox : public CTestAutoComplete<CACComboBox>
{
public:
  using CACComboBox::removeEnteredText;
};

class CAutoCompleteDialog : public CDialog
{
public:
  enum { SCRIPT_END = 100 };
  typedef std::function<void(CAutoCompleteDialog&)> Step;

  explicit CAutoCompleteDialog(CHistoryMap* pHistoryMap);
  // The steps run one by one, each after the input that the steps before it posted; after the
  // last one the dialog ends with SCRIPT_END unless something ended it first.
  INT_PTR Run(std::vector<Step> steps);

  CTestAutoComplete<CACEdit> m_edit;
  CTestACComboBox m_templateCombo;
  CTestACComboBox m_combo;
  CHistoryMap* m_pHistoryMap;
  // Runs when OK is pressed, before the dialog ends.
  Step m_onOK;
  int m_nCancelPressed;

protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  void OnCancel() override;
  afx_msg LRESULT OnStep(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

private:
  std::vector<Step> m_steps;
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

// Input posted to the window, as the keyboard would deliver it. RetypeText focuses the field
// and empties it first.
void PressKey(HWND hWnd, UINT nVirtualKey);
void RetypeText(HWND hWndField, const char* pszText);

typedef std::pair<int, int> Sel;
std::string TextOf(HWND hWnd);
Sel EditSelectionOf(HWND hWndEdit);
// The texts of a key's history, most recent first.
std::vector<std::string> HistoryTexts(CHistoryMap& map, const char* pszKey);

// The options of the bound auto-complete object itself (0 without one), and those that a new
// object of the platform has.
DWORD PlatformOptions(const CAutoCompleteBinding& binding);
DWORD NewObjectOptions();
