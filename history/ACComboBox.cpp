#include "ACComboBox.h"

IMPLEMENT_DYNAMIC(CACComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CACComboBox, CComboBox)
  ON_WM_CREATE()
END_MESSAGE_MAP()

CACComboBox::CACComboBox() : m_autoComplete(CAutoCompleteBinding::COMBO_FIELD), m_hWndEdit(nullptr), m_hWndList(nullptr)
{}

CACComboBox::~CACComboBox() = default;

BOOL CACComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
  return CComboBox::Create(dwStyle, rect, pParentWnd, nID);
}

BOOL CACComboBox::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
  return CComboBox::OnWndMsg(message, wParam, lParam, pResult);
}

int CACComboBox::OnCreate(CREATESTRUCT*)
{
  int nResult = static_cast<int>(Default());
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  if (::GetComboBoxInfo(m_hWnd, &info))
  {
    m_hWndEdit = info.hwndItem;
    m_hWndList = info.hwndList;
  }
  return nResult;
}

int CACComboBox::InitAutoComplete(CHistoryMap* pHistoryMap, const char* pszKey)
{
  return m_autoComplete.Init(pHistoryMap, pszKey, *this, m_hWndEdit);
}

void CACComboBox::EnteredText(const char* pszText) { m_autoComplete.EnteredText(pszText); }

void CACComboBox::EnteredText()
{
  CString strText;
  GetWindowText(strText);
  EnteredText(strText);
}

void CACComboBox::removeEnteredText(const char* pszText) { m_autoComplete.RemoveEnteredText(pszText); }

void CACComboBox::SetAutoCompleteEnable(bool bEnable) { m_autoComplete.SetEnable(bEnable); }

void CACComboBox::SetAutoCompleteOption(unsigned long dwOptions) { m_autoComplete.SetOption(dwOptions); }

LRESULT CACComboBox::sendToEdit(UINT message, WPARAM wParam, LPARAM lParam, LRESULT nFallback) const
{
  return m_hWndEdit != nullptr ? ::SendMessage(m_hWndEdit, message, wParam, lParam) : nFallback;
}

void CACComboBox::ReplaceEditSel(const char* pszNewText)
{
  sendToEdit(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(pszNewText), 0);
}

void CACComboBox::GetSel(int& nStartChar, int& nEndChar) const
{
  DWORD dwStart = 0;
  DWORD dwEnd = 0;
  sendToEdit(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd), 0);
  nStartChar = static_cast<int>(dwStart);
  nEndChar = static_cast<int>(dwEnd);
}

void CACComboBox::SetSel(int nStartChar, int nEndChar) { sendToEdit(EM_SETSEL, nStartChar, nEndChar, 0); }

int CACComboBox::Undo() { return static_cast<int>(sendToEdit(EM_UNDO, 0, 0, -1)); }

int CACComboBox::SetReadOnly(int bReadOnly) { return static_cast<int>(sendToEdit(EM_SETREADONLY, bReadOnly, 0, -1)); }

BOOL CACComboBox::PreTranslateMessage(MSG* pMsg)
{
  if (pMsg->message == WM_KEYDOWN && m_autoComplete.PreTranslateKeyDown(*this, static_cast<UINT>(pMsg->wParam)))
    return TRUE;
  return CComboBox::PreTranslateMessage(pMsg);
}
