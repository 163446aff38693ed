// A combo box whose edit field suggests the texts of one history key through the shell's
// auto-complete. The edit field is found when the box is created, so a box subclassed after
// its creation works without suggestions. COM must be initialised on the thread.
#pragma once
#include "AutoCompleteBinding.h"

class AFX_EXT_CLASS CACComboBox : public CComboBox
{
  DECLARE_DYNAMIC(CACComboBox)
public:
  CACComboBox();
  ~CACComboBox() override;

  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;
  // Once the window exists. A null key uses the control's id; TRUE on success,
  // also for a box without an edit field, which then gets no suggestions.
  int InitAutoComplete(CHistoryMap* pHistoryMap, const char* pszKey);
  virtual void EnteredText(const char* pszText);
  // The text of the box.
  virtual void EnteredText();
  void SetAutoCompleteEnable(bool bEnable);
  void SetAutoCompleteOption(unsigned long dwOptions);
  unsigned long GetAutoCompleteOption() const { return m_autoComplete.GetOption(); }
  bool IsOpenAutoSuggestListWnd() const { return getAutoSuggestListWnd() != nullptr; }

  HWND GetEditWnd() const { return m_hWndEdit; }
  // The edit field's own operations; without an edit field they do nothing.
  void ReplaceEditSel(const char* pszNewText);
  void GetSel(int& nStartChar, int& nEndChar) const;
  void SetSel(int nStartChar, int nEndChar);
  int Undo();
  int SetReadOnly(int bReadOnly);

  afx_msg int OnCreate(CREATESTRUCT* lpCreateStruct);

protected:
  void removeEnteredText(const char* pszText);
  HWND getAutoSuggestListWnd() const { return m_autoComplete.GetSuggestListWnd(); }
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  DECLARE_MESSAGE_MAP()

  CAutoCompleteBinding m_autoComplete;
  HWND m_hWndEdit;
  HWND m_hWndList;

private:
  // The edit field's answer, or nFallback without one.
  LRESULT sendToEdit(UINT message, WPARAM wParam, LPARAM lParam, LRESULT nFallback) const;
};
