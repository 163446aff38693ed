#include "AfxControls.h"

namespace
{
void SetResult(LRESULT* pResult, LRESULT lResult)
{
  if (pResult != nullptr)
    *pResult = lResult;
}

template <class TControl>
bool ReflectDrawItem(TControl& control, UINT message, LPARAM lParam, LRESULT* pResult)
{
  if (message != WM_DRAWITEM)
    return false;
  control.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  SetResult(pResult, TRUE);
  return true;
}

// The four owner-draw messages of list and combo boxes.
template <class TControl>
bool ReflectListItem(TControl& control, UINT message, LPARAM lParam, LRESULT* pResult)
{
  switch (message)
  {
  case WM_MEASUREITEM:
    control.MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
    SetResult(pResult, TRUE);
    return true;
  case WM_COMPAREITEM:
    SetResult(pResult, control.CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)));
    return true;
  case WM_DELETEITEM:
    control.DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
    SetResult(pResult, TRUE);
    return true;
  default:
    return ReflectDrawItem(control, message, lParam, pResult);
  }
}

CString ItemText(HWND hWnd, UINT nLengthMessage, UINT nTextMessage, int nIndex)
{
  CString strText;
  int nLength = static_cast<int>(::SendMessage(hWnd, nLengthMessage, nIndex, 0));
  if (nLength <= 0)
    return strText;
  ::SendMessage(hWnd, nTextMessage, nIndex, reinterpret_cast<LPARAM>(strText.GetBufferSetLength(nLength)));
  strText.ReleaseBuffer();
  return strText;
}
}

IMPLEMENT_DYNAMIC(CStatic, CWnd)

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
  return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}

HBITMAP CStatic::SetBitmap(HBITMAP hBitmap)
{
  return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}

void CStatic::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
  return ReflectDrawItem(*this, message, lParam, pResult) || CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

IMPLEMENT_DYNAMIC(CButton, CWnd)

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
  return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

HBITMAP CButton::SetBitmap(HBITMAP hBitmap)
{
  return reinterpret_cast<HBITMAP>(SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
  return ReflectDrawItem(*this, message, lParam, pResult) || CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

IMPLEMENT_DYNAMIC(CEdit, CWnd)

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
  DWORD dwStart = 0, dwEnd = 0;
  SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
  nStartChar = static_cast<int>(dwStart);
  nEndChar = static_cast<int>(dwEnd);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
  SendMessage(EM_SETSEL, nStartChar, nEndChar);
  if (!bNoScroll)
    SendMessage(EM_SCROLLCARET);
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
  SendMessage(EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
}

CPoint CEdit::PosFromChar(UINT nChar) const
{
  LRESULT lPos = SendMessage(EM_POSFROMCHAR, nChar);
  return CPoint(static_cast<LPARAM>(lPos));
}

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
  rString = ItemText(m_hWnd, CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex);
}

BOOL CComboBox::GetComboBoxInfo(PCOMBOBOXINFO pcbi) const
{
  pcbi->cbSize = sizeof(COMBOBOXINFO);
  return ::GetComboBoxInfo(m_hWnd, pcbi);
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
  return ReflectListItem(*this, message, lParam, pResult) || CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

IMPLEMENT_DYNAMIC(CListBox, CWnd)

void CListBox::GetText(int nIndex, CString& rString) const
{
  rString = ItemText(m_hWnd, LB_GETTEXTLEN, LB_GETTEXT, nIndex);
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
  DWORD dwResult = static_cast<DWORD>(SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y)));
  bOutside = HIWORD(dwResult) != 0;
  return LOWORD(dwResult);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
  return ReflectListItem(*this, message, lParam, pResult) || CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask) const
{
  lpScrollInfo->cbSize = sizeof(SCROLLINFO);
  lpScrollInfo->fMask = nMask;
  return ::GetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo);
}

BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
  lpScrollInfo->cbSize = sizeof(SCROLLINFO);
  ::SetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo, bRedraw);
  return TRUE;
}
