// An edit control that suggests the texts of one history key through the shell's auto-complete
// and records what the host says was entered. COM must be initialised on the thread.
#pragma once
#include "AutoCompleteBinding.h"

class AFX_EXT_CLASS CACEdit : public CEdit
{
  DECLARE_DYNAMIC(CACEdit)
public:
  CACEdit();
  ~CACEdit() override;

  // Once the window exists. A null key uses the control's id; TRUE on success, FALSE also
  // when the window does not exist.
  int InitAutoComplete(CHistoryMap* pHistoryMap, const char* pszKey);
  virtual void EnteredText(const char* pszText);
  // The window text.
  virtual void EnteredText();
  // False switches suggestions off without forgetting the options.
  void SetAutoCompleteEnable(bool bEnable);
  // Without an auto-complete object nothing is set or stored.
  void SetAutoCompleteOption(unsigned long dwOptions);
  unsigned long GetAutoCompleteOption() const { return m_autoComplete.GetOption(); }
  bool IsOpenAutoSuggestListWnd() const { return getAutoSuggestListWnd() != nullptr; }

protected:
  HWND getAutoSuggestListWnd() const { return m_autoComplete.GetSuggestListWnd(); }
  BOOL PreTranslateMessage(MSG* pMsg) override;
  DECLARE_MESSAGE_MAP()

  CAutoCompleteBinding m_autoComplete;
};
