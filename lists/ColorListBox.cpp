#include "ColorListBox.h"

#include "ListDrawing.h"

#include <climits>

namespace
{
const UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
const int kTextLeading = 3;  // pixels at 96 DPI that an entry adds to the text height

// The height of entries that fill a box of client height nClient, none taller than nLimit:
// nClient / n for the smallest n >= 2 that brings it down there, or the whole box.
int FillingItemHeight(int nClient, int nLimit)
{
  if (nLimit >= nClient)
    return nClient;
  int nCount = 2;
  while (nClient / nCount > nLimit)
    ++nCount;
  return nClient / nCount;
}
}

IMPLEMENT_DYNAMIC(CColorListBox, CListBox)

BEGIN_MESSAGE_MAP(CColorListBox, CListBox)
  ON_WM_ERASEBKGND()
  ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &CColorListBox::OnDpiChangedAfterParent)
END_MESSAGE_MAP()

CColorListBox::CColorListBox() : m_bReadOnly(false) {}

CColorListBox::~CColorListBox() = default;

void CColorListBox::DrawColor(CDC* pDC, const CRect& rect, COLORREF crOutline, COLORREF crFill)
{
  ZuntDrawSwatch(pDC, rect, crOutline, crFill);
}

void CColorListBox::drawEntry(CDC* pDC, const CColorItem& item, const CRect& rcSwatch, const CRect& rcText,
                              COLORREF crOutline)
{
  DrawColor(pDC, rcSwatch, crOutline, item.GetRGB());
  ZuntDrawCellText(pDC, item.GetColorName(), rcText, kTextFormat);
}

void CColorListBox::drawDimmed(CDC* pDC, const CColorItem& item, const CRect& rcItem, const CRect& rcSwatch,
                               const CRect& rcText, COLORREF crText)
{
  const COLORREF crBack = ::GetSysColor(ZUNT_COLOR_READONLY);
  CTextColorScope colors(pDC, crText, crBack);
  pDC->FillSolidRect(&rcItem, crBack);
  drawEntry(pDC, item, rcSwatch, rcText, ::GetSysColor(COLOR_WINDOWTEXT));
}

void CColorListBox::drawSelectable(CDC* pDC, const DRAWITEMSTRUCT& draw, const CColorItem& item, const CRect& rcSwatch,
                                   const CRect& rcText)
{
  const CRect rcItem = draw.rcItem;
  if ((draw.itemAction & ODA_DRAWENTIRE) != 0)
    drawEntry(pDC, item, rcSwatch, rcText, ::GetSysColor(COLOR_WINDOWTEXT));
  if ((draw.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) == 0)
    return;
  if ((draw.itemState & ODS_SELECTED) != 0)
  {
    CTextColorScope colors(pDC, ::GetSysColor(COLOR_HIGHLIGHTTEXT), ::GetSysColor(COLOR_HIGHLIGHT));
    pDC->FillSolidRect(&rcItem, ::GetSysColor(COLOR_HIGHLIGHT));
    drawEntry(pDC, item, rcSwatch, rcText, ::GetSysColor(COLOR_HIGHLIGHTTEXT));
  }
  else
  {
    pDC->FillSolidRect(&rcItem, ::GetSysColor(COLOR_WINDOW));
    drawEntry(pDC, item, rcSwatch, rcText, ::GetSysColor(COLOR_WINDOWTEXT));
  }
}

void CColorListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
  CDC* pDC = ZuntBeginEntry(*lpDrawItemStruct, (lpDrawItemStruct->itemState & ODS_FOCUS) != 0);
  if (pDC == nullptr)
    return;
  const CRect rcItem = lpDrawItemStruct->rcItem;
  const CColorItem* pItem = reinterpret_cast<CColorItem*>(lpDrawItemStruct->itemData);
  const int nHeight = rcItem.Height();
  CRect rcClient;
  GetClientRect(&rcClient);
  const CDpiScale dpi = CDpiScale::OfWindow(this);
  CRect rcSwatch = ZuntSwatchRect(dpi, rcItem.left, rcItem, 2 * nHeight);
  if (rcSwatch.right > rcClient.right)
    rcSwatch.right = rcClient.right - dpi.Scale(ZUNT_SWATCH_INSET);
  const CRect rcText(rcSwatch.right + nHeight, rcItem.top, rcItem.right, rcItem.bottom);
  if (m_bReadOnly)
    drawDimmed(pDC, *pItem, rcItem, rcSwatch, rcText, ::GetSysColor(COLOR_WINDOWTEXT));
  else
    drawSelectable(pDC, *lpDrawItemStruct, *pItem, rcSwatch, rcText);
  if (!IsWindowEnabled())
    drawDimmed(pDC, *pItem, rcItem, rcSwatch, rcText, ::GetSysColor(COLOR_GRAYTEXT));
  ZuntEndEntry(*this, pDC, *lpDrawItemStruct);
}

void CColorListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
  CWnd* pParent = GetParent();
  HFONT hFont = pParent != nullptr ? reinterpret_cast<HFONT>(pParent->SendMessage(WM_GETFONT)) : nullptr;
  CClientDC dc(this);
  CFont* pOldFont = hFont != nullptr ? dc.SelectObject(CFont::FromHandle(hFont)) : nullptr;
  const int nTextHeight = dc.GetTextExtent("Ag", 2).cy;
  if (pOldFont != nullptr)
    dc.SelectObject(pOldFont);
  CRect rcClient;
  GetClientRect(&rcClient);
  const int nLimit = nTextHeight + CDpiScale::OfWindow(this).Scale(kTextLeading);
  lpMeasureItemStruct->itemHeight = static_cast<UINT>(FillingItemHeight(rcClient.Height(), nLimit));
}

int CColorListBox::CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
  const CColorItem* pFirst = reinterpret_cast<CColorItem*>(lpCompareItemStruct->itemData1);
  const CColorItem* pSecond = reinterpret_cast<CColorItem*>(lpCompareItemStruct->itemData2);
  // An entry without a record sorts before every record.
  const int nFirst = pFirst != nullptr ? pFirst->GetIndex() : INT_MIN;
  const int nSecond = pSecond != nullptr ? pSecond->GetIndex() : INT_MIN;
  return nFirst < nSecond ? -1 : (nFirst > nSecond ? 1 : 0);
}

// A box of fixed-height entries is measured once, at its creation: the new DPI measures anew.
LRESULT CColorListBox::OnDpiChangedAfterParent(WPARAM, LPARAM)
{
  MEASUREITEMSTRUCT measure = {};
  MeasureItem(&measure);
  SetItemHeight(0, measure.itemHeight);
  Invalidate();
  return 0;
}

BOOL CColorListBox::OnEraseBkgnd(CDC* pDC)
{
  if (!m_bReadOnly)
    return CListBox::OnEraseBkgnd(pDC);
  ZuntFillReadOnly(*this, pDC);
  return TRUE;
}
