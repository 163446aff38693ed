#include "ListDrawing.h"

CDC* ZuntBeginEntry(const DRAWITEMSTRUCT& draw, bool bEmptyEntryFocus)
{
  CDC* pDC = CDC::FromHandle(draw.hDC);
  if (pDC == nullptr)
    return nullptr;
  if (static_cast<int>(draw.itemID) == -1)
  {
    if (bEmptyEntryFocus)
      pDC->DrawFocusRect(&draw.rcItem);
    return nullptr;
  }
  return draw.itemData != 0 ? pDC : nullptr;
}

void ZuntEndEntry(const CWnd& control, CDC* pDC, const DRAWITEMSTRUCT& draw)
{
  if (CWnd::GetFocus() == &control && (draw.itemState & ODS_FOCUS) != 0)
    pDC->DrawFocusRect(&draw.rcItem);
}

void ZuntDrawSwatch(CDC* pDC, const CRect& rect, COLORREF crOutline, COLORREF crFill)
{
  if (rect.IsRectEmpty())
    return;
  CPen pen(PS_SOLID, 1, crOutline);
  CBrush brush(crFill);
  CPen* pOldPen = pDC->SelectObject(&pen);
  CBrush* pOldBrush = pDC->SelectObject(&brush);
  pDC->Rectangle(&rect);
  pDC->SelectObject(pOldBrush);
  pDC->SelectObject(pOldPen);
}

CRect ZuntSwatchRect(const CDpiScale& dpi, int nLeft, const CRect& rcItem, int nWidth)
{
  const int nInset = dpi.Scale(ZUNT_SWATCH_INSET);
  return CRect(nLeft + nInset, rcItem.top + nInset, nLeft + nInset + nWidth, rcItem.bottom - nInset);
}

void ZuntFillReadOnly(const CWnd& wnd, CDC* pDC)
{
  CRect rcClient;
  wnd.GetClientRect(&rcClient);
  pDC->FillSolidRect(&rcClient, ::GetSysColor(ZUNT_COLOR_READONLY));
}

void ZuntDrawCellText(CDC* pDC, const CString& strText, const CRect& rect, UINT nFormat)
{
  CRect rcText = rect;
  pDC->DrawText(strText, &rcText, nFormat);
}

CRect ZuntListColumnRect(const CListCtrl& list, int nItem, int nColumn)
{
  CRect rect;
  list.GetItemRect(nItem, &rect, LVIR_BOUNDS);
  for (int nBefore = 0; nBefore < nColumn; ++nBefore)
    rect.left += list.GetColumnWidth(nBefore);
  rect.right = rect.left + list.GetColumnWidth(nColumn) - 1;
  return rect;
}

CRect ZuntListTextRect(const CListCtrl& list, int nItem, int nColumn)
{
  CRect rect = ZuntListColumnRect(list, nItem, nColumn);
  const int nGap = CDpiScale::OfWindow(&list).Scale(ZUNT_TEXT_GAP);
  rect.DeflateRect(nGap, 0);
  return rect;
}

CTextColorScope::CTextColorScope(CDC* pDC, COLORREF crText, COLORREF crBack)
    : m_pDC(pDC), m_crOldText(pDC->SetTextColor(crText)), m_crOldBack(pDC->SetBkColor(crBack))
{}

CTextColorScope::~CTextColorScope()
{
  m_pDC->SetTextColor(m_crOldText);
  m_pDC->SetBkColor(m_crOldBack);
}
