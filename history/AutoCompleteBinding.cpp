#include "AutoCompleteBinding.h"

#include <shlguid.h>
#include <shobjidl.h>

#include <algorithm>
#include <cstring>
#include <ctime>

namespace
{
// Windows' suggestion list is a top-level window of this class on the control's thread.
const char kSuggestListClass[] = "Auto-Suggest Dropdown";
const int kClassNameBuffer = 100;

BOOL CALLBACK FindSuggestList(HWND hWnd, LPARAM lParam)
{
  char szClass[kClassNameBuffer] = "";
  ::GetClassNameA(hWnd, szClass, kClassNameBuffer);
  if (std::strcmp(szClass, kSuggestListClass) != 0 || !::IsWindowVisible(hWnd))
    return TRUE;
  *reinterpret_cast<HWND*>(lParam) = hWnd;
  return FALSE;
}

// The byte offset of a character position in a multi-byte text.
int ByteOffset(const CString& strText, int nChars)
{
  LPCTSTR pszStart = strText;
  LPCTSTR psz = pszStart;
  for (; nChars > 0 && *psz != '\0'; --nChars)
    psz = ::CharNextA(psz);
  return static_cast<int>(psz - pszStart);
}

// Another interface of the auto-complete object, released when it goes out of scope.
template <class TInterface>
class CQueried
{
public:
  CQueried(IUnknown* pUnknown, REFIID riid) : m_p(nullptr)
  {
    if (pUnknown != nullptr)
      pUnknown->QueryInterface(riid, reinterpret_cast<void**>(&m_p));
  }
  ~CQueried()
  {
    if (m_p != nullptr)
      m_p->Release();
  }
  CQueried(const CQueried&) = delete;
  CQueried& operator=(const CQueried&) = delete;
  TInterface* operator->() const { return m_p; }
  explicit operator bool() const { return m_p != nullptr; }

private:
  TInterface* m_p;
};
}

CAutoCompleteBinding::CAutoCompleteBinding(ETextField field)
    : m_pHistoryMap(nullptr), m_pAutoComplete(nullptr), m_pEnumString(nullptr), m_dwOptions(OPTIONS_UNSET),
      m_field(field), m_hWndField(nullptr)
{}

CAutoCompleteBinding::~CAutoCompleteBinding() { release(); }

void CAutoCompleteBinding::release()
{
  if (m_pAutoComplete != nullptr)
    m_pAutoComplete->Release();
  m_pAutoComplete = nullptr;
  m_pEnumString = nullptr;
}

int CAutoCompleteBinding::Init(CHistoryMap* pMap, const char* pszKey, const CWnd& control, HWND hWndField)
{
  if (pMap == nullptr)
    return FALSE;
  m_pHistoryMap = pMap;
  if (pszKey != nullptr)
    m_strKey = pszKey;
  else
    m_strKey.Format("%d", control.GetDlgCtrlID());
  release();
  m_hWndField = hWndField;
  // A combo box without an edit field works on without suggestions; an edit needs its window.
  if (hWndField == nullptr && m_field == COMBO_FIELD)
    return TRUE;
  if (!::IsWindow(hWndField) || !bindObject(hWndField))
    return FALSE;
  // An object without IAutoComplete2 leaves the options unset.
  DWORD dwOptions = 0;
  if (static_cast<LONG>(m_dwOptions) < 0 && readOptions(dwOptions))
    m_dwOptions = dwOptions;
  return TRUE;
}

bool CAutoCompleteBinding::bindObject(HWND hWndField)
{
  IAutoComplete* pAutoComplete = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_AutoComplete, nullptr, CLSCTX_INPROC_SERVER, IID_IAutoComplete,
                                reinterpret_cast<void**>(&pAutoComplete))))
    return false;
  auto pEnumString = new CHistoryEnumString(m_pHistoryMap->Enumrate(m_strKey));
  // Held across Init, so that a refusal frees it and an acceptance leaves it to the object.
  pEnumString->AddRef();
  HRESULT hr = pAutoComplete->Init(hWndField, pEnumString, nullptr, nullptr);
  pEnumString->Release();
  if (FAILED(hr))
  {
    pAutoComplete->Release();
    return false;
  }
  m_pAutoComplete = pAutoComplete;
  m_pEnumString = pEnumString;
  return true;
}

bool CAutoCompleteBinding::readOptions(DWORD& dwOptions) const
{
  dwOptions = 0;
  CQueried<IAutoComplete2> autoComplete2(m_pAutoComplete, IID_IAutoComplete2);
  if (!autoComplete2 || FAILED(autoComplete2->GetOptions(&dwOptions)))
  {
    dwOptions = 0;
    return false;
  }
  return true;
}

bool CAutoCompleteBinding::applyOptions(DWORD dwOptions) const
{
  CQueried<IAutoComplete2> autoComplete2(m_pAutoComplete, IID_IAutoComplete2);
  if (!autoComplete2)
    return false;
  autoComplete2->SetOptions(dwOptions);
  return true;
}

void CAutoCompleteBinding::SetOption(DWORD dwOptions)
{
  if (applyOptions(dwOptions))
    m_dwOptions = dwOptions;
}

void CAutoCompleteBinding::SetEnable(bool bEnable) { applyOptions(bEnable ? m_dwOptions : 0); }

void CAutoCompleteBinding::resetEnumerator() const
{
  CQueried<IAutoCompleteDropDown> dropDown(m_pAutoComplete, IID_IAutoCompleteDropDown);
  if (dropDown)
    dropDown->ResetEnumerator();
}

void CAutoCompleteBinding::EnteredText(const char* pszText)
{
  if (m_pHistoryMap == nullptr || m_pAutoComplete == nullptr || pszText == nullptr || *pszText == '\0')
    return;
  // Switched off, the control records nothing.
  DWORD dwOptions = 0;
  readOptions(dwOptions);
  if (dwOptions == 0)
    return;
  m_pHistoryMap->SetAt(m_strKey, pszText, CTime(_time64(nullptr)));
  m_pEnumString->UpdateHistory(m_pHistoryMap->Enumrate(m_strKey));
  resetEnumerator();
}

void CAutoCompleteBinding::RemoveEnteredText(const char* pszText)
{
  if (m_pHistoryMap == nullptr || pszText == nullptr)
    return;
  CEnteredHistory* pHistory = m_pHistoryMap->Enumrate(m_strKey);
  if (pHistory != nullptr)
    pHistory->Delete(pszText);
  resetEnumerator();
}

bool CAutoCompleteBinding::isSuggesting() const
{
  return static_cast<LONG>(m_dwOptions) >= 0 && (m_dwOptions & ACO_AUTOSUGGEST) != 0;
}

HWND CAutoCompleteBinding::GetSuggestListWnd() const
{
  if (!isSuggesting())
    return nullptr;
  HWND hWndList = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), FindSuggestList, reinterpret_cast<LPARAM>(&hWndList));
  return hWndList;
}

CSize CAutoCompleteBinding::getSel(const CWnd& control) const
{
  DWORD dwStart = 0;
  DWORD dwEnd = 0;
  control.SendMessage(m_field == EDIT_FIELD ? EM_GETSEL : CB_GETEDITSEL, reinterpret_cast<WPARAM>(&dwStart),
                      reinterpret_cast<LPARAM>(&dwEnd));
  return CSize(static_cast<int>(dwStart), static_cast<int>(dwEnd));
}

void CAutoCompleteBinding::putCaretAtEnd(CWnd& control, int nLength) const
{
  if (m_field == COMBO_FIELD)
  {
    control.SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(nLength, nLength));
    return;
  }
  control.SendMessage(EM_SETSEL, nLength, nLength);
  control.SendMessage(EM_SCROLLCARET);
}

// Windows' edit counts the bytes of a multi-byte text; Wine's counts characters even in a
// multi-byte window. The field's own length of the text tells which it does.
CSize CAutoCompleteBinding::getSelBytes(const CWnd& control, const CString& strText) const
{
  CSize sel = getSel(control);
  int nFieldLength = static_cast<int>(::SendMessage(m_hWndField, EM_LINELENGTH, 0, 0));
  if (nFieldLength == strText.GetLength())
    return sel;
  return CSize(ByteOffset(strText, sel.cx), ByteOffset(strText, sel.cy));
}

BOOL CAutoCompleteBinding::PreTranslateKeyDown(CWnd& control, UINT nKey)
{
  if (nKey != VK_RETURN && nKey != VK_ESCAPE)
    return FALSE;
  HWND hWndList = GetSuggestListWnd();
  if (hWndList == nullptr)
    return FALSE;
  CString strText;
  control.GetWindowText(strText);
  CSize sel = getSelBytes(control, strText);
  bool bSelected = sel.cx != sel.cy;
  if (nKey == VK_RETURN)
  {
    // The appended completion is accepted; the key still reaches the dialog.
    if (bSelected)
      putCaretAtEnd(control, strText.GetLength());
    ::ShowWindow(hWndList, SW_HIDE);
    return FALSE;
  }
  if (!bSelected)
    return FALSE;
  // Escape takes back the appended completion instead of closing the dialog.
  int nStart = (std::min)(sel.cx, sel.cy);
  int nEnd = (std::max)(sel.cx, sel.cy);
  strText = strText.Left(nStart) + strText.Mid(nEnd);
  control.SetWindowText(strText);
  putCaretAtEnd(control, strText.GetLength());
  return TRUE;
}
