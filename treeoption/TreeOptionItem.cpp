#include "TreeOptionItem.h"

#include "TreeOption.h"

namespace
{
const long kDefaultHeight = 18;
const long kGutter = OT_GUTTER_WIDTH;
const long kIndent = OT_LEVEL_INDENT;
const int kTextInset = 5;
const int kButtonGap = 10;

// Selects a font, colours and mode for one drawing step and restores them.
class CTextScope
{
public:
  CTextScope(CDC* pDC, CFont* pFont, COLORREF crText, int nMode)
    : m_pDC(pDC), m_pOldFont(pDC->SelectObject(pFont)), m_crOldText(pDC->SetTextColor(crText)),
      m_crOldBk(pDC->GetBkColor()), m_nOldMode(pDC->SetBkMode(nMode))
  {
  }
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

CTreeOptionItem::CTreeOptionItem()
  : m_uControlID(0), m_pParent(nullptr), m_pSibling(nullptr), m_pChild(nullptr), m_pNextVisible(nullptr),
    m_otOption(nullptr), m_ptLocation(0, 0), m_bCommitted(FALSE), m_lItemHeight(kDefaultHeight),
    m_bSelected(FALSE), m_bExpanded(FALSE), m_bActivated(FALSE), m_bReadOnly(FALSE), m_nItemType(1),
    m_bDrawMultiline(FALSE), m_crBackground(::GetSysColor(COLOR_WINDOW)), m_crText(::GetSysColor(COLOR_BTNTEXT)),
    m_crRootBackground(::GetSysColor(COLOR_INACTIVEBORDER)), m_crLabelText(::GetSysColor(COLOR_BTNTEXT)),
    m_crLabelBackground(::GetSysColor(COLOR_WINDOW)), m_bOptionButton1Hover(false), m_bOptionButton2Hover(false),
    m_bUpdateDraw(false)
{
}

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

void CTreeOptionItem::Select(BOOL bSelect)
{
  // A row whose highlight changes must be part of the next partial repaint too.
  if (m_bSelected != bSelect)
    m_bUpdateDraw = true;
  m_bSelected = bSelect;
  if (bSelect)
    OnSelect();
  else
    OnDeSelect();
}

void CTreeOptionItem::Expand(BOOL bExpand)
{
  if (m_otOption == nullptr)
    return;
  m_bExpanded = bExpand;
  m_otOption->Expand(this, bExpand);
}

void CTreeOptionItem::Activate()
{
  m_bActivated = TRUE;
  m_bCommitted = FALSE;
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
  m_otOption->SendNotify(UINT(OT_NOTIFY_ITEMCHANGED), this);
  m_otOption->RefreshItems(this);
}

BOOL CTreeOptionItem::IsRootLevel() const
{
  return m_otOption != nullptr && m_pParent == m_otOption->GetRootItem();
}

void CTreeOptionItem::SetSelectOptionButton1(bool bHover)
{
  if (IsRootLevel())
    m_bOptionButton1Hover = bHover;
}

void CTreeOptionItem::SetSelectOptionButton2(bool bHover)
{
  if (IsRootLevel())
    m_bOptionButton2Hover = bHover;
}

BOOL CTreeOptionItem::IsStringEmpty(CString strText)
{
  return strText.Trim(' ').IsEmpty();
}

long CTreeOptionItem::DrawItem(CDC* pDC, const RECT& rcClient, long lX, long lY, bool bOnlyThis)
{
  if (m_otOption == nullptr)
    return 0;
  if (!bOnlyThis)
    m_otOption->AddToVisibleList(this);
  m_ptLocation = CPoint(lX, lY);
  const long lTop = lY - m_otOption->GetOrigin().y;
  const long lColumn = m_otOption->GetColumn();
  const CRect rcClientRect(rcClient);
  const bool bRoot = IsRootLevel() != FALSE;
  m_rcAttribute.SetRect(lColumn + kTextInset, lTop, rcClientRect.right, lTop + m_lItemHeight - 1);
  const CRect rcValue(lColumn, lTop, rcClientRect.right - 2, lTop + m_lItemHeight - 1);
  const CRect rcLabel(lX + kGutter, lTop, bRoot ? rcClientRect.right : lColumn, lTop + m_lItemHeight);

  drawBackground(pDC, rcClientRect, lTop, rcValue);
  drawExpandBox(pDC, lY, lTop);
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
    lHeight += drawChildren(pDC, rcClient, bRoot ? lX : lX + kIndent, lY + m_lItemHeight);
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
  pDC->FillSolidRect(rcClient.left + kGutter, lTop, rcClient.Width() + 1, m_lItemHeight,
                     bShade ? m_crRootBackground : ::GetSysColor(COLOR_WINDOW));
}

void CTreeOptionItem::drawExpandBox(CDC* pDC, long lContentY, long lTop)
{
  if (m_pChild == nullptr)
  {
    m_rcExpand.SetRectEmpty();
    return;
  }
  m_rcExpand.SetRect(4, lContentY + 5, 12, lContentY + 13);
  _DrawExpand(pDC->m_hDC, 4, lTop + 5, m_bExpanded, !IsRootLevel());
}

void CTreeOptionItem::_DrawExpand(HDC hDC, long lLeft, long lTop, BOOL bExpanded, BOOL bFilled)
{
  CDC* pDC = CDC::FromHandle(hDC);
  const CRect rcBox(lLeft, lTop, lLeft + 9, lTop + 9);
  if (bFilled)
    pDC->FillSolidRect(rcBox, ::GetSysColor(COLOR_WINDOW));
  CBrush brShadow(::GetSysColor(COLOR_BTNSHADOW));
  pDC->FrameRect(rcBox, &brShadow);
  pDC->FillSolidRect(lLeft + 2, lTop + 4, 5, 1, RGB(0, 0, 0));
  if (!bExpanded)
    pDC->FillSolidRect(lLeft + 4, lTop + 2, 1, 5, RGB(0, 0, 0));
}

void CTreeOptionItem::drawLabel(CDC* pDC, const CRect& rcLabel)
{
  if (IsStringEmpty(m_strLabel))
    return;
  const bool bRoot = IsRootLevel() != FALSE;
  COLORREF crText = m_crLabelText;
  if (m_bSelected)
  {
    pDC->FillSolidRect(CRect(kGutter, rcLabel.top, rcLabel.right + kTextInset, rcLabel.bottom),
                       ::GetSysColor(COLOR_HIGHLIGHT));
    crText = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  }
  if (!m_otOption->IsControlEnabled())
    crText = ::GetSysColor(COLOR_GRAYTEXT);
  CTextScope scope(pDC, bRoot ? CTreeOption::GetBoldFont() : CTreeOption::GetNormalFont(), crText, TRANSPARENT);
  CRect rcText(rcLabel);
  rcText.left += kTextInset;
  UINT nFormat = DT_SINGLELINE | DT_NOPREFIX | DT_LEFT;
  if (m_bDrawMultiline)
    rcText.top += kTextInset;
  else
    nFormat |= DT_VCENTER;
  const CString strShown = TreeOptionFitText(pDC, m_strLabel, rcText.Width());
  pDC->DrawText(strShown, rcText, nFormat);
  pDC->DrawText(strShown, rcText, nFormat | DT_CALCRECT);
  m_rcLabel = rcText;
}

void CTreeOptionItem::drawOptionButtons(CDC* pDC)
{
  if (m_strOptionButton1.IsEmpty() && m_strOptionButton2.IsEmpty())
    return;
  // Captions are drawn opaque, so that the hover colour shows behind them.
  CTextScope scope(pDC, CTreeOption::GetBoldFont(), m_crLabelText, OPAQUE);
  long lLeft = m_rcLabel.right;
  const long lOffset = m_otOption->GetOrigin().y;
  if (!m_strOptionButton1.IsEmpty())
  {
    m_rcOptionButton1 = drawOptionButton(pDC, m_strOptionButton1, m_bOptionButton1Hover, lLeft + kButtonGap);
    lLeft = m_rcOptionButton1.right;
    m_rcOptionButton1.OffsetRect(0, lOffset);
  }
  if (!m_strOptionButton2.IsEmpty())
  {
    m_rcOptionButton2 = drawOptionButton(pDC, m_strOptionButton2, m_bOptionButton2Hover, lLeft + kButtonGap);
    m_rcOptionButton2.OffsetRect(0, lOffset);
  }
}

// One option button at lLeft beside the label; returns the extent of its caption.
CRect CTreeOptionItem::drawOptionButton(CDC* pDC, const CString& strCaption, bool bHover, long lLeft)
{
  pDC->SetBkColor(::GetSysColor(bHover ? COLOR_INACTIVECAPTION : COLOR_BTNFACE));
  CRect rcButton(lLeft, m_rcLabel.top + 2, lLeft + pDC->GetTextExtent(strCaption).cx + 1, m_rcLabel.bottom);
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

void CTreeOptionItem::drawGridLines(CDC* pDC, const CRect& rcClient, long lTop, const CRect& rcLabel)
{
  const bool bFrame = m_otOption->IsDrawColumFrame();
  if (IsRootLevel())
  {
    fillBand(pDC, kGutter, lTop + m_lItemHeight - 1, rcClient.right, 1, COLOR_BTNSHADOW);
    fillBand(pDC, kGutter, lTop - 1, rcClient.right, 1, COLOR_BTNSHADOW);
  }
  else if (bFrame)
    fillBand(pDC, kGutter, lTop + m_lItemHeight - 1, rcClient.right, 1, COLOR_BTNSHADOW);
  fillBand(pDC, kGutter, rcClient.top, 1, rcClient.bottom, COLOR_BTNSHADOW);
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
