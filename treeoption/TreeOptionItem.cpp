#include "TreeOptionItem.h"

#include "TreeOption.h"

namespace
{
// In pixels at 96 DPI.
const long kDefaultHeight = 18;
const int kTextInset = 5;
const int kButtonGap = 10;
const int kButtonTop = 2;
const int kViewBorder = 2;
const int kExpandLeft = 4;
const int kExpandTop = 5;
const int kExpandHit = 8;
const int kExpandBox = 9;
const int kExpandSignInset = 2;
const int kExpandSign = 5;

// Selects a font, colours and mode for one drawing step and restores them.
class CTextScope
{
public:
  CTextScope(CDC* pDC, CFont* pFont, COLORREF crText, int nMode)
      : m_pDC(pDC), m_pOldFont(pDC->SelectObject(pFont)), m_crOldText(pDC->SetTextColor(crText)),
        m_crOldBk(pDC->GetBkColor()), m_nOldMode(pDC->SetBkMode(nMode))
  {}
  ~CTextScope()
  {
    m_pDC->SetBkMode(m_nOldMode);
    m_pDC->SetBkColor(m_crOldBk);
    m_pDC->SetTextColor(m_crOldText);
    m_pDC->SelectObject(m_pOldFont);
  }

private:
  CDC* m_pDC;
  CFont* m_pOldFont;
  COLORREF m_crOldText, m_crOldBk;
  int m_nOldMode;
};

// The byte offset where the character before nEnd starts (CP932 lead bytes kept whole).
int previousCharStart(const CString& strText, int nEnd)
{
  LPCSTR psz = strText;
  return int(::CharPrevA(psz, psz + nEnd) - psz);
}

void fillBand(CDC* pDC, int x, int y, int cx, int cy, int nSysColor)
{
  pDC->FillSolidRect(x, y, cx, cy, ::GetSysColor(nSysColor));
}
}

CString TreeOptionFitText(CDC* pDC, const CString& strText, int nWidth)
{
  if (pDC->GetTextExtent(strText).cx + 1 <= nWidth)
    return strText;
  const int nDots = pDC->GetTextExtent("...", 3).cx;
  int nLength = strText.GetLength();
  while (nLength > 0)
  {
    const int nPrev = previousCharStart(strText, nLength);
    if (nPrev == 0 || pDC->GetTextExtent(strText, nLength).cx + nDots + 1 <= nWidth)
      break;
    nLength = nPrev;
  }
  return strText.Left(nLength) + "...";
}

void CTreeOptionRowSet::Add(CTreeOptionItem* pRow)
{
  if (Contains(pRow))
    return;
  pRow->m_anSetSlot[m_eSet] = int(m_arRows.size());
  m_arRows.push_back(pRow);
}

void CTreeOptionRowSet::Remove(CTreeOptionItem* pRow)
{
  if (Contains(pRow))
    m_arRows[size_t(pRow->m_anSetSlot[m_eSet])] = nullptr;
  pRow->m_anSetSlot[m_eSet] = -1;
}

// A copied row carries the slot of its original, so the slot alone proves nothing.
bool CTreeOptionRowSet::Contains(const CTreeOptionItem* pRow) const
{
  const int nSlot = pRow->m_anSetSlot[m_eSet];
  return nSlot >= 0 && size_t(nSlot) < m_arRows.size() && m_arRows[size_t(nSlot)] == pRow;
}

std::vector<CTreeOptionItem*> CTreeOptionRowSet::Rows() const
{
  std::vector<CTreeOptionItem*> arRows;
  for (CTreeOptionItem* pRow : m_arRows)
    if (pRow != nullptr)
      arRows.push_back(pRow);
  return arRows;
}

void CTreeOptionRowSet::Clear()
{
  TakeEach([](CTreeOptionItem*) {});
}

CTreeOptionItem::CTreeOptionItem()
    : m_uControlID(0), m_pParent(nullptr), m_pSibling(nullptr), m_pChild(nullptr), m_pNextVisible(nullptr),
      m_otOption(nullptr), m_ptLocation(0, 0), m_bCommitted(FALSE),
      m_lItemHeight(CDpiScale::OfSystem().Scale(kDefaultHeight)), m_bSelected(FALSE), m_bExpanded(FALSE),
      m_bActivated(FALSE), m_bReadOnly(FALSE), m_nItemType(1), m_bDrawMultiline(FALSE),
      m_crBackground(::GetSysColor(COLOR_WINDOW)), m_crText(::GetSysColor(COLOR_BTNTEXT)),
      m_crRootBackground(::GetSysColor(COLOR_INACTIVEBORDER)), m_crLabelText(::GetSysColor(COLOR_BTNTEXT)),
      m_crLabelBackground(::GetSysColor(COLOR_WINDOW)), m_bOptionButton1Hover(false), m_bOptionButton2Hover(false),
      m_bUpdateDraw(false), m_bDefaultHeight(true), m_pLastChild(nullptr), m_nVisibleIndex(-1), m_anSetSlot{-1, -1, -1},
      m_uLabelPaint(0)
{}

CTreeOptionItem::~CTreeOptionItem() {}

void CTreeOptionItem::DrawAttribute(CDC*, const RECT&) {}
void CTreeOptionItem::OnActivate() {}
void CTreeOptionItem::OnMove() {}
void CTreeOptionItem::OnRefresh() {}
void CTreeOptionItem::OnCommit() {}
void CTreeOptionItem::CleanDestroyWindow() {}
void CTreeOptionItem::OnDeSelect() {}
void CTreeOptionItem::OnSelect() {}
void CTreeOptionItem::OnExpand(BOOL) {}
void CTreeOptionItem::DrawSelectItem() {}

long CTreeOptionItem::GetTotalHeight() const
{
  long lHeight = m_lItemHeight;
  if (m_bExpanded)
    for (const CTreeOptionItem* pChild = m_pChild; pChild != nullptr; pChild = pChild->m_pSibling)
      lHeight += pChild->GetTotalHeight();
  return lHeight;
}

CRect CTreeOptionItem::GetLabelRect() const
{
  // Every full repaint empties the label rects; the owner counts them instead of visiting rows.
  if (m_otOption != nullptr && m_uLabelPaint != m_otOption->m_uLabelPaint)
    return CRect();
  return m_rcLabel;
}

void CTreeOptionItem::SetLabelRect(const RECT& rcLabel)
{
  m_rcLabel = rcLabel;
  if (m_otOption != nullptr)
    m_uLabelPaint = m_otOption->m_uLabelPaint;
}

void CTreeOptionItem::SetItemHeight(long lHeight)
{
  if (m_otOption != nullptr)
    m_otOption->rowHeightChanging(this, lHeight - m_lItemHeight);
  m_lItemHeight = lHeight;
  m_bDefaultHeight = false;
}

void CTreeOptionItem::adoptDefaultHeight(const CDpiScale& dpi)
{
  if (m_bDefaultHeight)
    m_lItemHeight = dpi.Scale(kDefaultHeight);
}

void CTreeOptionItem::followDpi(const CDpiScale& from, const CDpiScale& to)
{
  const bool bDefault = m_bDefaultHeight;
  SetItemHeight(bDefault ? to.Scale(kDefaultHeight) : ::MulDiv(m_lItemHeight, int(to.GetDpi()), int(from.GetDpi())));
  m_bDefaultHeight = bDefault;
}

int CTreeOptionItem::scaled(int nPixels) const { return m_otOption->Scaled(nPixels); }

void CTreeOptionItem::SetUpdateDraw()
{
  m_bUpdateDraw = true;
  if (m_otOption != nullptr)
    m_otOption->m_rowsToRedraw.Add(this);
}

void CTreeOptionItem::Select(BOOL bSelect)
{
  // A row whose highlight changes must be part of the next partial repaint too.
  if (m_bSelected != bSelect)
    SetUpdateDraw();
  m_bSelected = bSelect;
  if (bSelect && m_otOption != nullptr)
    m_otOption->m_rowsToDeselect.Add(this);
  if (bSelect)
    OnSelect();
  else
    OnDeSelect();
}

void CTreeOptionItem::Expand(BOOL bExpand)
{
  if (m_otOption == nullptr)
    return;
  m_otOption->rowExpanding(this, bExpand);
  m_bExpanded = bExpand;
  m_otOption->Expand(this, bExpand);
}

void CTreeOptionItem::Activate()
{
  m_bActivated = TRUE;
  m_bCommitted = FALSE;
  // Whatever is being edited is committed by the next deselection of every row.
  if (m_otOption != nullptr)
    m_otOption->m_rowsToDeselect.Add(this);
  OnActivate();
}

void CTreeOptionItem::CommitChanges()
{
  m_bActivated = FALSE;
  if (m_bCommitted)
    return;
  m_bCommitted = TRUE;
  if (m_otOption == nullptr)
    return;
  OnCommit();
  CTreeOption* pOwner = m_otOption;
  const CTreeOption::CItemWatch watch(this);
  pOwner->SendNotify(UINT(OT_NOTIFY_ITEMCHANGED), this);
  // The host may delete the row as it learns of the change.
  if (!watch.IsDeleted())
    pOwner->RefreshItems(this);
}

BOOL CTreeOptionItem::IsRootLevel() const { return m_otOption != nullptr && m_pParent == m_otOption->GetRootItem(); }

void CTreeOptionItem::SetSelectOptionButton1(bool bHover)
{
  if (!IsRootLevel())
    return;
  m_bOptionButton1Hover = bHover;
  if (bHover)
    m_otOption->m_rowsHovered.Add(this);
}

void CTreeOptionItem::SetSelectOptionButton2(bool bHover)
{
  if (!IsRootLevel())
    return;
  m_bOptionButton2Hover = bHover;
  if (bHover)
    m_otOption->m_rowsHovered.Add(this);
}

BOOL CTreeOptionItem::IsStringEmpty(CString strText) { return strText.Trim(' ').IsEmpty(); }

long CTreeOptionItem::DrawItem(CDC* pDC, const RECT& rcClient, long lX, long lY, bool bOnlyThis)
{
  if (m_otOption == nullptr)
    return 0;
  if (!bOnlyThis)
    m_otOption->AddToVisibleList(this);
  place(lX, lY);
  const long lTop = lY - m_otOption->GetOrigin().y;
  const long lColumn = m_otOption->GetColumn();
  const CRect rcClientRect(rcClient);
  const bool bRoot = IsRootLevel() != FALSE;
  m_rcAttribute.SetRect(lColumn + scaled(kTextInset), lTop, rcClientRect.right, lTop + m_lItemHeight - 1);
  const CRect rcValue(lColumn, lTop, rcClientRect.right - scaled(kViewBorder), lTop + m_lItemHeight - 1);
  const CRect rcLabel(lX + m_otOption->GutterWidth(), lTop, bRoot ? rcClientRect.right : lColumn, lTop + m_lItemHeight);

  drawBackground(pDC, rcClientRect, lTop, rcValue);
  drawExpandBox(pDC, lTop);
  const int nSaved = pDC->SaveDC();
  if (!bRoot)
  {
    pDC->IntersectClipRect(rcLabel);
    pDC->FillSolidRect(rcLabel, m_crLabelBackground);
  }
  drawLabel(pDC, rcLabel);
  if (bRoot)
    drawOptionButtons(pDC);
  pDC->RestoreDC(nSaved);
  drawGridLines(pDC, rcClientRect, lTop, rcLabel);
  if (!bRoot)
    drawAttributeClipped(pDC);

  long lHeight = m_lItemHeight;
  if (m_pChild != nullptr && m_bExpanded && !bOnlyThis)
    lHeight += drawChildren(pDC, rcClient, bRoot ? lX : lX + m_otOption->LevelIndent(), lY + m_lItemHeight);
  m_bUpdateDraw = false;
  return lHeight;
}

void CTreeOptionItem::drawBackground(CDC* pDC, const CRect& rcClient, long lTop, const CRect& rcValue)
{
  if (!IsRootLevel())
  {
    pDC->FillSolidRect(rcValue, m_crBackground);
    return;
  }
  const bool bShade = m_otOption->GetShadeRootItems() || !m_otOption->IsControlEnabled();
  pDC->FillSolidRect(rcClient.left + m_otOption->GutterWidth(), lTop, rcClient.Width() + 1, m_lItemHeight,
                     bShade ? m_crRootBackground : ::GetSysColor(COLOR_WINDOW));
}

void CTreeOptionItem::place(long lX, long lY)
{
  m_ptLocation = CPoint(lX, lY);
  if (m_pChild == nullptr)
    m_rcExpand.SetRectEmpty();
  else
    m_rcExpand = expandBox(lY);
}

// The hit rectangle of the expand box of a row whose top is at lTop; the box is drawn from its
// top-left corner, a little larger.
CRect CTreeOptionItem::expandBox(long lTop) const
{
  const CPoint ptBox(scaled(kExpandLeft), lTop + scaled(kExpandTop));
  return CRect(ptBox, CSize(scaled(kExpandHit), scaled(kExpandHit)));
}

void CTreeOptionItem::drawExpandBox(CDC* pDC, long lTop)
{
  const CPoint ptBox = expandBox(lTop).TopLeft();
  if (m_pChild != nullptr)
    _DrawExpand(pDC->m_hDC, ptBox.x, ptBox.y, m_bExpanded, !IsRootLevel());
}

// The frame stays a hairline; the sign is as thick as a pixel at 96 DPI scales to.
void CTreeOptionItem::_DrawExpand(HDC hDC, long lLeft, long lTop, BOOL bExpanded, BOOL bFilled)
{
  CDC* pDC = CDC::FromHandle(hDC);
  const int nBox = scaled(kExpandBox);
  const CRect rcBox(lLeft, lTop, lLeft + nBox, lTop + nBox);
  if (bFilled)
    pDC->FillSolidRect(rcBox, ::GetSysColor(COLOR_WINDOW));
  CBrush brShadow(::GetSysColor(COLOR_BTNSHADOW));
  pDC->FrameRect(rcBox, &brShadow);
  const int nInset = scaled(kExpandSignInset), nLength = scaled(kExpandSign), nThickness = scaled(1);
  const int nMiddle = (nBox - nThickness) / 2;
  pDC->FillSolidRect(lLeft + nInset, lTop + nMiddle, nLength, nThickness, RGB(0, 0, 0));
  if (!bExpanded)
    pDC->FillSolidRect(lLeft + nMiddle, lTop + nInset, nThickness, nLength, RGB(0, 0, 0));
}

void CTreeOptionItem::drawLabel(CDC* pDC, const CRect& rcLabel)
{
  if (IsStringEmpty(m_strLabel))
    return;
  const bool bRoot = IsRootLevel() != FALSE;
  COLORREF crText = m_crLabelText;
  if (m_bSelected)
  {
    pDC->FillSolidRect(
        CRect(m_otOption->GutterWidth(), rcLabel.top, rcLabel.right + scaled(kTextInset), rcLabel.bottom),
        ::GetSysColor(COLOR_HIGHLIGHT));
    crText = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  }
  if (!m_otOption->IsControlEnabled())
    crText = ::GetSysColor(COLOR_GRAYTEXT);
  CTextScope scope(pDC, bRoot ? m_otOption->BoldFont() : m_otOption->NormalFont(), crText, TRANSPARENT);
  UINT nFormat = 0;
  CRect rcText = labelPlace(rcLabel, nFormat);
  const CString strShown = TreeOptionFitText(pDC, m_strLabel, rcText.Width());
  pDC->DrawText(strShown, rcText, nFormat);
  pDC->DrawText(strShown, rcText, nFormat | DT_CALCRECT);
  SetLabelRect(rcText);
}

CRect CTreeOptionItem::labelPlace(const CRect& rcLabel, UINT& nFormat) const
{
  CRect rcText(rcLabel);
  rcText.left += scaled(kTextInset);
  nFormat = DT_SINGLELINE | DT_NOPREFIX | DT_LEFT;
  if (m_bDrawMultiline)
    rcText.top += scaled(kTextInset);
  else
    nFormat |= DT_VCENTER;
  return rcText;
}

// The label rect a full repaint would leave on a non-header row it did not reach on screen.
void CTreeOptionItem::measureLabel(CDC* pDC)
{
  if (IsStringEmpty(m_strLabel))
    return;
  const long lTop = m_ptLocation.y - m_otOption->GetOrigin().y;
  const CRect rcLabel(m_ptLocation.x + m_otOption->GutterWidth(), lTop, m_otOption->GetColumn(), lTop + m_lItemHeight);
  CFont* pOld = pDC->SelectObject(m_otOption->NormalFont());
  UINT nFormat = 0;
  CRect rcText = labelPlace(rcLabel, nFormat);
  pDC->DrawText(TreeOptionFitText(pDC, m_strLabel, rcText.Width()), rcText, nFormat | DT_CALCRECT);
  pDC->SelectObject(pOld);
  SetLabelRect(rcText);
}

void CTreeOptionItem::drawOptionButtons(CDC* pDC)
{
  if (m_strOptionButton1.IsEmpty() && m_strOptionButton2.IsEmpty())
    return;
  // Captions are drawn opaque, so that the hover colour shows behind them.
  CTextScope scope(pDC, m_otOption->BoldFont(), m_crLabelText, OPAQUE);
  long lLeft = GetLabelRect().right;
  const long lOffset = m_otOption->GetOrigin().y;
  if (!m_strOptionButton1.IsEmpty())
  {
    m_rcOptionButton1 = drawOptionButton(pDC, m_strOptionButton1, m_bOptionButton1Hover, lLeft + scaled(kButtonGap));
    lLeft = m_rcOptionButton1.right;
    m_rcOptionButton1.OffsetRect(0, lOffset);
  }
  if (!m_strOptionButton2.IsEmpty())
  {
    m_rcOptionButton2 = drawOptionButton(pDC, m_strOptionButton2, m_bOptionButton2Hover, lLeft + scaled(kButtonGap));
    m_rcOptionButton2.OffsetRect(0, lOffset);
  }
}

// One option button at lLeft beside the label; returns the extent of its caption.
CRect CTreeOptionItem::drawOptionButton(CDC* pDC, const CString& strCaption, bool bHover, long lLeft)
{
  pDC->SetBkColor(::GetSysColor(bHover ? COLOR_INACTIVECAPTION : COLOR_BTNFACE));
  const CRect rcLabel = GetLabelRect();
  CRect rcButton(lLeft, rcLabel.top + scaled(kButtonTop), lLeft + pDC->GetTextExtent(strCaption).cx + 1,
                 rcLabel.bottom);
  const CString strShown = TreeOptionFitText(pDC, strCaption, rcButton.Width());
  pDC->DrawFrameControl(rcButton, DFC_BUTTON, DFCS_BUTTONPUSH);
  _DrawButton(pDC->m_hDC, rcButton);
  const UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT;
  pDC->DrawText(strShown, rcButton, nFormat);
  pDC->DrawText(strShown, rcButton, nFormat | DT_CALCRECT);
  return rcButton;
}

void CTreeOptionItem::_DrawButton(HDC hDC, CRect rcButton)
{
  CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ hOld = ::SelectObject(hDC, pen.m_hObject);
  const POINT corners[] = {{rcButton.left + 1, rcButton.top}, {rcButton.right - 1, rcButton.top}};
  ::Polyline(hDC, corners, 2);
  const POINT right[] = {{rcButton.right, rcButton.top - 1}, {rcButton.right, rcButton.bottom + 1}};
  ::Polyline(hDC, right, 2);
  const POINT bottom[] = {{rcButton.right - 1, rcButton.bottom}, {rcButton.left + 1, rcButton.bottom}};
  ::Polyline(hDC, bottom, 2);
  const POINT left[] = {{rcButton.left, rcButton.bottom - 1}, {rcButton.left, rcButton.top - 1}};
  ::Polyline(hDC, left, 2);
  ::SelectObject(hDC, hOld);
}

// Grid lines stay hairlines at every DPI.
void CTreeOptionItem::drawGridLines(CDC* pDC, const CRect& rcClient, long lTop, const CRect& rcLabel)
{
  const long lGutter = m_otOption->GutterWidth();
  const bool bFrame = m_otOption->IsDrawColumFrame();
  if (IsRootLevel())
  {
    fillBand(pDC, lGutter, lTop + m_lItemHeight - 1, rcClient.right, 1, COLOR_BTNSHADOW);
    fillBand(pDC, lGutter, lTop - 1, rcClient.right, 1, COLOR_BTNSHADOW);
  }
  else if (bFrame)
    fillBand(pDC, lGutter, lTop + m_lItemHeight - 1, rcClient.right, 1, COLOR_BTNSHADOW);
  fillBand(pDC, lGutter, rcClient.top, 1, rcClient.bottom, COLOR_BTNSHADOW);
  if (!IsRootLevel() && bFrame)
    fillBand(pDC, m_otOption->GetColumn(), rcLabel.top, 1, rcLabel.Height(), COLOR_BTNSHADOW);
}

void CTreeOptionItem::drawAttributeClipped(CDC* pDC)
{
  const int nSaved = pDC->SaveDC();
  pDC->IntersectClipRect(m_rcAttribute);
  DrawAttribute(pDC, m_rcAttribute);
  pDC->RestoreDC(nSaved);
}

long CTreeOptionItem::drawChildren(CDC* pDC, const RECT& rcClient, long lX, long lY)
{
  long lHeight = 0;
  for (CTreeOptionItem* pChild = m_pChild; pChild != nullptr; pChild = pChild->m_pSibling)
    lHeight += pChild->DrawItem(pDC, rcClient, lX, lY + lHeight, false);
  return lHeight;
}
