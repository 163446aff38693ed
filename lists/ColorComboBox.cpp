#include "ColorComboBox.h"

#include "ListDrawing.h"

IMPLEMENT_DYNAMIC(CColorComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CColorComboBox, CComboBox)
END_MESSAGE_MAP()

CColorComboBox::CColorComboBox() = default;
CColorComboBox::~CColorComboBox() = default;

void CColorComboBox::DrawColor(CDC* pDC, const CRect& rect, COLORREF crOutline, COLORREF crFill)
{
  ZuntDrawSwatch(pDC, rect, crOutline, crFill);
}

CColorItem* CColorComboBox::recordAt(int nPosition) const
{
  const DWORD_PTR dwData = GetItemData(nPosition);
  return dwData == static_cast<DWORD_PTR>(CB_ERR) ? nullptr : reinterpret_cast<CColorItem*>(dwData);
}

CString CColorComboBox::GetColorName(int nPosition)
{
  const CColorItem* pItem = recordAt(nPosition);
  return pItem != nullptr ? pItem->GetColorName() : CString();
}

int CColorComboBox::GetColorIndex(CString strColorName)
{
  const int nCount = GetCount();
  for (int nPosition = 0; nPosition < nCount; ++nPosition)
  {
    const CColorItem* pItem = recordAt(nPosition);
    if (pItem != nullptr && pItem->GetColorName() == strColorName)
      return pItem->GetIndex();
  }
  return -1;
}

void CColorComboBox::drawEntry(CDC* pDC, const CColorItem& item, const CRect& rcSwatch, const CRect& rcText,
                               COLORREF crOutline, UINT nFormat)
{
  if (item.GetRGB() != CColorItem::NO_COLOR)
    DrawColor(pDC, rcSwatch, crOutline, item.GetRGB());
  ZuntDrawCellText(pDC, item.GetColorName(), rcText, nFormat);
}

void CColorComboBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
  const UINT nState = lpDrawItemStruct->itemState;
  CDC* pDC = ZuntBeginEntry(*lpDrawItemStruct, (nState & ODS_FOCUS) != 0);
  if (pDC == nullptr)
    return;
  const CRect rcItem = lpDrawItemStruct->rcItem;
  const CColorItem* pItem = reinterpret_cast<CColorItem*>(lpDrawItemStruct->itemData);
  const CDpiScale dpi = CDpiScale::OfWindow(this);
  const CRect rcSwatch = ZuntSwatchRect(dpi, rcItem.left, rcItem, 2 * rcItem.Height());
  const int nTextLeft = pItem->GetRGB() == CColorItem::NO_COLOR ? rcItem.left + dpi.Scale(ZUNT_SWATCH_INSET)
                                                                : rcSwatch.right + dpi.Scale(ZUNT_TEXT_GAP);
  const CRect rcText(nTextLeft, rcItem.top, rcItem.right, rcItem.bottom);
  const int nOldMode = pDC->SetBkMode(TRANSPARENT);
  drawEntry(pDC, *pItem, rcSwatch, rcText, RGB(0, 0, 0), DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  pDC->SetBkMode(nOldMode);
  if ((nState & ODS_SELECTED) != 0)
  {
    pDC->FillSolidRect(&rcItem, ::GetSysColor(COLOR_HIGHLIGHT));
    CTextColorScope colors(pDC, ::GetSysColor(COLOR_HIGHLIGHTTEXT), ::GetSysColor(COLOR_HIGHLIGHT));
    drawEntry(pDC, *pItem, rcSwatch, rcText, ::GetSysColor(COLOR_HIGHLIGHTTEXT), DT_SINGLELINE | DT_VCENTER);
  }
  else if ((lpDrawItemStruct->itemAction & ODA_SELECT) != 0)
  {
    pDC->FillSolidRect(&rcItem, ::GetSysColor(COLOR_WINDOW));
    drawEntry(pDC, *pItem, rcSwatch, rcText, ::GetSysColor(COLOR_WINDOWTEXT), DT_SINGLELINE | DT_VCENTER);
  }
  ZuntEndEntry(*this, pDC, *lpDrawItemStruct);
}
