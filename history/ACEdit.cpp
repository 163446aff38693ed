#include "ACEdit.h"

IMPLEMENT_DYNAMIC(CACEdit, CEdit)

BEGIN_MESSAGE_MAP(CACEdit, CEdit)
END_MESSAGE_MAP()

CACEdit::CACEdit() : m_autoComplete(CAutoCompleteBinding::EDIT_FIELD) {}

CACEdit::~CACEdit() = default;

int CACEdit::InitAutoComplete(CHistoryMap* pHistoryMap, const char* pszKey)
{
  return m_autoComplete.Init(pHistoryMap, pszKey, *this, m_hWnd);
}

void CACEdit::EnteredText(const char* pszText) { m_autoComplete.EnteredText(pszText); }

void CACEdit::EnteredText()
{
  CString strText;
  GetWindowText(strText);
  EnteredText(strText);
}

void CACEdit::SetAutoCompleteEnable(bool bEnable) { m_autoComplete.SetEnable(bEnable); }

void CACEdit::SetAutoCompleteOption(unsigned long dwOptions) { m_autoComplete.SetOption(dwOptions); }

BOOL CACEdit::PreTranslateMessage(MSG* pMsg)
{
  if (pMsg->message == WM_KEYDOWN && m_autoComplete.PreTranslateKeyDown(*this, static_cast<UINT>(pMsg->wParam)))
    return TRUE;
  return CEdit::PreTranslateMessage(pMsg);
}
