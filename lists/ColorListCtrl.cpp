#include "ColorListCtrl.h"

#include "ListDrawing.h"

#include <algorithm>

namespace
{
const UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
const int kSwatchSlack = 6;  // pixels at 96 DPI the colour column keeps beside a swatch
}

IMPLEMENT_DYNAMIC(CColorListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CColorListCtrl, CListCtrl)
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CColorListCtrl::CColorListCtrl() : m_bReadOnly(false) {}

CColorListCtrl::~CColorListCtrl() = default;

void CColorListCtrl::DrawColor(CDC* pDC, const CRect& rect, COLORREF crOutline, COLORREF crFill)
{
  ZuntDrawSwatch(pDC, rect, crOutline, crFill);
}

CRect CColorListCtrl::getColumnRect(int nItem, int nColumn) { return ZuntListColumnRect(*this, nItem, nColumn); }

CColorListCtrl::SRowLayout CColorListCtrl::rowLayout(int nItem, const CRect& rcItem)
{
  const int nHeight = rcItem.Height();
  SRowLayout layout;
  const CDpiScale dpi = CDpiScale::OfWindow(this);
  layout.rcName = ZuntListTextRect(*this, nItem, 0);
  const CRect rcColumn = getColumnRect(nItem, 1);
  const int nWidth = GetColumnWidth(1);
  const int nSlack = dpi.Scale(kSwatchSlack);
  const int nSwatchWidth = 2 * nHeight + nSlack > nWidth ? (std::max)(nWidth - nSlack, 0) : 2 * nHeight;
  layout.rcSwatch = ZuntSwatchRect(dpi, rcColumn.left, rcItem, nSwatchWidth);
  const int nGap = dpi.Scale(ZUNT_TEXT_GAP);
  layout.rcColorName.SetRect(layout.rcSwatch.right + nGap, rcColumn.top, rcColumn.right - nGap, rcColumn.bottom);
  return layout;
}

void CColorListCtrl::drawRow(CDC* pDC, const CNameColorItem& item, const SRowLayout& layout, COLORREF crOutline)
{
  ZuntDrawCellText(pDC, item.GetName(), layout.rcName, kTextFormat);
  DrawColor(pDC, layout.rcSwatch, crOutline, item.GetRGB());
  ZuntDrawCellText(pDC, item.GetColorName(), layout.rcColorName, kTextFormat);
}

void CColorListCtrl::drawFilledRow(CDC* pDC, const CNameColorItem& item, const SRowLayout& layout, const CRect& rcItem,
                                   int nFill, int nText, COLORREF crOutline)
{
  CTextColorScope colors(pDC, ::GetSysColor(nText), ::GetSysColor(nFill));
  pDC->FillSolidRect(&rcItem, ::GetSysColor(nFill));
  drawRow(pDC, item, layout, crOutline);
}

void CColorListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
  const UINT nState = lpDrawItemStruct->itemState;
  CDC* pDC = ZuntBeginEntry(*lpDrawItemStruct, (nState & ODS_FOCUS) != 0);
  if (pDC == nullptr)
    return;
  const CRect rcItem = lpDrawItemStruct->rcItem;
  const UINT nAction = lpDrawItemStruct->itemAction;
  const int nItem = static_cast<int>(lpDrawItemStruct->itemID);
  const CNameColorItem* pItem = reinterpret_cast<CNameColorItem*>(lpDrawItemStruct->itemData);
  const SRowLayout layout = rowLayout(nItem, rcItem);
  const COLORREF crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
  if ((nAction & ODA_DRAWENTIRE) != 0)
    drawRow(pDC, *pItem, layout, crWindowText);
  if ((nAction & (ODA_DRAWENTIRE | ODA_SELECT)) != 0)
  {
    if ((nState & ODS_SELECTED) != 0)
      drawFilledRow(pDC, *pItem, layout, rcItem, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT,
                    ::GetSysColor(COLOR_HIGHLIGHTTEXT));
    else
    {
      pDC->FillSolidRect(&rcItem, ::GetSysColor(COLOR_WINDOW));
      drawRow(pDC, *pItem, layout, crWindowText);
    }
  }
  if (m_bReadOnly)
    drawFilledRow(pDC, *pItem, layout, rcItem, ZUNT_COLOR_READONLY, COLOR_WINDOWTEXT, crWindowText);
  if (!IsWindowEnabled())
    drawFilledRow(pDC, *pItem, layout, rcItem, ZUNT_COLOR_READONLY, COLOR_GRAYTEXT, crWindowText);
  ZuntEndEntry(*this, pDC, *lpDrawItemStruct);
}

BOOL CColorListCtrl::OnEraseBkgnd(CDC* pDC)
{
  if (!m_bReadOnly)
    return CListCtrl::OnEraseBkgnd(pDC);
  ZuntFillReadOnly(*this, pDC);
  return TRUE;
}
