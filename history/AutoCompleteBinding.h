// What the auto-complete edit and combo box share: the history key and map they are bound to,
// the shell's auto-complete object on their text field, its options, and the Enter and Escape
// handling while its suggestion list is open. The map is borrowed, never owned.
#pragma once
#include "HistoryEnumString.h"
#include "HistoryMap.h"

#include <afxwin.h>
#include <shldisp.h>

class AFX_EXT_CLASS CAutoCompleteBinding
{
public:
  // How the control reaches the selection of its text field: an edit is the field itself, a
  // combo box answers for its edit field.
  enum ETextField
  {
    EDIT_FIELD,
    COMBO_FIELD
  };
  // Options never read or set; any value with the sign bit counts so.
  static const DWORD OPTIONS_UNSET = 0xFFFFFFFF;

  explicit CAutoCompleteBinding(ETextField field);
  ~CAutoCompleteBinding();
  CAutoCompleteBinding(const CAutoCompleteBinding&) = delete;
  CAutoCompleteBinding& operator=(const CAutoCompleteBinding&) = delete;

  // Binds the control to a key of the map (null key: the control's id) and puts a new
  // auto-complete object on hWndField. TRUE on success; a combo box without an edit field
  // (null hWndField) succeeds without an object, a field that is no window fails.
  int Init(CHistoryMap* pMap, const char* pszKey, const CWnd& control, HWND hWndField);
  // Records the text under the key, when auto-complete is switched on, and suggests it at once.
  void EnteredText(const char* pszText);
  void RemoveEnteredText(const char* pszText);
  void SetEnable(bool bEnable);
  void SetOption(DWORD dwOptions);
  DWORD GetOption() const { return m_dwOptions; }
  // The visible suggestion list of this thread, or null.
  HWND GetSuggestListWnd() const;
  // Enter and Escape while the suggestion list is open; TRUE when the key is consumed.
  BOOL PreTranslateKeyDown(CWnd& control, UINT nKey);

  CString m_strKey;
  CHistoryMap* m_pHistoryMap;
  IAutoComplete* m_pAutoComplete;
  // Counted by the auto-complete object, not here.
  CHistoryEnumString* m_pEnumString;
  DWORD m_dwOptions;

private:
  void release();
  // A new auto-complete object on the window with an enumerator of the key's history.
  bool bindObject(HWND hWndField);
  bool isSuggesting() const;
  // The object's current options; false (and 0) when it cannot tell.
  bool readOptions(DWORD& dwOptions) const;
  bool applyOptions(DWORD dwOptions) const;
  void resetEnumerator() const;
  CSize getSel(const CWnd& control) const;
  // The selection as byte offsets into the text.
  CSize getSelBytes(const CWnd& control, const CString& strText) const;
  void putCaretAtEnd(CWnd& control, int nLength) const;

  ETextField m_field;
  // The window the auto-complete object works on.
  HWND m_hWndField;
};
