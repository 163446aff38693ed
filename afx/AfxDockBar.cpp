#include "AfxDockBar.h"
#include "AfxDockContext.h"
#include "AfxMsgMap.h"

#include <algorithm>

namespace
{
// Docked bars overlap their neighbours in a row by their borders.
const int kBarOverlap = 2;

bool IsPlaceholder(const void* pEntry) { return reinterpret_cast<UINT_PTR>(pEntry) < 0x10000; }
}

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
  ON_MESSAGE(WM_SIZEPARENT, &CDockBar::OnSizeParent)
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating), m_bLayoutQuery(FALSE)
{
  m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
  m_arrBars.Add(nullptr);
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
  m_dwStyle = dwStyle & CBRS_ALL;
  m_pDockSite = DYNAMIC_DOWNCAST(CFrameWnd, pParentWnd);
  LPCTSTR lpszClass =
      AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  return CWnd::Create(lpszClass, nullptr, (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                      CRect(0, 0, 0, 0), pParentWnd, nID);
}

// The dock bar is no bar of its own: neither dragged nor toggled.
void CDockBar::OnLButtonDown(UINT nFlags, CPoint point) { CWnd::OnLButtonDown(nFlags, point); }

void CDockBar::OnLButtonDblClk(UINT nFlags, CPoint point) { CWnd::OnLButtonDblClk(nFlags, point); }

CControlBar* CDockBar::GetDockedControlBar(int nPos) const
{
  void* pEntry = m_arrBars[nPos];
  return IsPlaceholder(pEntry) ? nullptr : static_cast<CControlBar*>(pEntry);
}

int CDockBar::FindBar(CControlBar* pBar, int nPosExclude) const
{
  for (int nPos = 0; nPos < m_arrBars.GetSize(); ++nPos)
  {
    if (nPos != nPosExclude && m_arrBars[nPos] == pBar)
      return nPos;
  }
  return -1;
}

int CDockBar::GetDockedCount() const
{
  int nCount = 0;
  for (int nPos = 0; nPos < m_arrBars.GetSize(); ++nPos)
    nCount += GetDockedControlBar(nPos) != nullptr ? 1 : 0;
  return nCount;
}

int CDockBar::GetDockedVisibleCount() const
{
  int nCount = 0;
  for (int nPos = 0; nPos < m_arrBars.GetSize(); ++nPos)
  {
    CControlBar* pBar = GetDockedControlBar(nPos);
    nCount += pBar != nullptr && pBar->IsVisible() ? 1 : 0;
  }
  return nCount;
}

int CDockBar::insertPosition(const CRect& rect, BOOL& bNewRow) const
{
  const BOOL bHorz = IsHorz();
  const int nCross = bHorz ? rect.top : rect.left;
  const int nAlong = bHorz ? rect.left : rect.top;
  int nRowFirst = 1;
  for (int nPos = 1; nPos < m_arrBars.GetSize(); ++nPos)
  {
    if (m_arrBars[nPos] != nullptr)
      continue;
    // The row from nRowFirst to the row end at nPos: its band across the dock bar.
    int nLow = INT_MAX, nHigh = INT_MIN, nInsert = nPos;
    for (int nInRow = nPos - 1; nInRow >= nRowFirst; --nInRow)
    {
      CControlBar* pBar = GetDockedControlBar(nInRow);
      if (pBar == nullptr || !pBar->IsVisible())
        continue;
      CRect rcBar;
      pBar->GetWindowRect(&rcBar);
      ScreenToClient(&rcBar);
      nLow = std::min<int>(nLow, bHorz ? rcBar.top : rcBar.left);
      nHigh = std::max<int>(nHigh, bHorz ? rcBar.bottom : rcBar.right);
      if ((bHorz ? rcBar.left : rcBar.top) > nAlong)
        nInsert = nInRow;
    }
    if (nLow <= nHigh && nCross < nLow)
    {
      bNewRow = TRUE;
      return nRowFirst;
    }
    if (nLow <= nHigh && (nCross < nHigh || nCross == nLow))
    {
      bNewRow = FALSE;
      return nInsert;
    }
    nRowFirst = nPos + 1;
  }
  bNewRow = TRUE;
  return static_cast<int>(m_arrBars.GetSize());
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
  CRect rcBar;
  pBar->GetWindowRect(&rcBar);
  if (pBar->m_pDockBar == this && (lpRect == nullptr || rcBar == *lpRect))
    return;
  int nPos = static_cast<int>(m_arrBars.GetSize());
  BOOL bNewRow = TRUE;
  CRect rcClient;
  if (lpRect != nullptr)
  {
    rcClient = *lpRect;
    ScreenToClient(&rcClient);
    nPos = insertPosition(rcClient, bNewRow);
  }
  m_arrBars.InsertAt(nPos, pBar);
  if (bNewRow)
    m_arrBars.InsertAt(nPos + 1, nullptr);
  pBar->m_dwStyle = (pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (m_dwStyle & CBRS_ALIGN_ANY) |
                    (m_bFloating ? CBRS_FLOATING : 0);
  CDockBar* pOldDockBar = pBar->m_pDockBar;
  pBar->m_pDockBar = this;
  if (pBar->GetParent() != this)
    pBar->SetParent(this);
  if (lpRect != nullptr)
    pBar->SetWindowPos(nullptr, rcClient.left, rcClient.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (m_bFloating)
  {
    CString strTitle;
    pBar->GetWindowText(strTitle);
    SetWindowText(strTitle);
  }
  if (pOldDockBar != nullptr)
  {
    pOldDockBar->RemoveControlBar(pBar, pOldDockBar == this ? FindBar(pBar) : -1);
    // A floating frame lives only as long as it holds a bar.
    if (pOldDockBar != this && pOldDockBar->m_bFloating && pOldDockBar->GetDockedCount() == 0)
      pOldDockBar->GetParent()->DestroyWindow();
  }
  if (CFrameWnd* pFrame = GetParentFrame())
    pFrame->DelayRecalcLayout();
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, int)
{
  int nPos = FindBar(pBar, nPosExclude);
  if (nPos < 0)
    return FALSE;
  m_arrBars.RemoveAt(nPos);
  // Two row ends in a row: the bar had a row of its own.
  if (nPos > 0 && nPos < m_arrBars.GetSize() && m_arrBars[nPos - 1] == nullptr && m_arrBars[nPos] == nullptr)
    m_arrBars.RemoveAt(nPos);
  return TRUE;
}

DWORD CDockBar::layoutMode(const CControlBar* pBar) const
{
  if ((pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) && m_bFloating)
    return LM_HORZ | LM_MRUWIDTH;
  return (m_dwStyle & CBRS_ORIENT_HORZ) ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
}

// Pending delayed shows and hides first, so that the rows are laid out as they will be seen.
void CDockBar::showDelayed()
{
  if (m_bLayoutQuery)
    return;
  AFX_SIZEPARENTPARAMS layout = {};
  layout.hDWP = ::BeginDeferWindowPos(static_cast<int>(m_arrBars.GetSize()));
  for (int nPos = 0; nPos < m_arrBars.GetSize(); ++nPos)
  {
    if (CControlBar* pBar = GetDockedControlBar(nPos))
      pBar->RecalcDelayShow(&layout);
  }
  if (layout.hDWP != nullptr)
    ::EndDeferWindowPos(layout.hDWP);
}

// Rows run along the side; each starts at the far end of the last bar and keeps a bar that
// sits further on where it is.
CSize CDockBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
  showDelayed();
  CPoint ptOffset(bHorz ? -kBarOverlap : 0, bHorz ? 0 : -kBarOverlap);
  int nRowThickness = 0;
  CSize sizeFloating(0, 0);
  for (int nPos = 0; nPos < m_arrBars.GetSize(); ++nPos)
  {
    CControlBar* pBar = GetDockedControlBar(nPos);
    if (pBar != nullptr && pBar->IsVisible())
    {
      CSize sizeBar = pBar->CalcDynamicLayout(-1, layoutMode(pBar));
      if (m_bFloating)
      {
        ptOffset = CPoint(0, 0);
        sizeFloating = sizeBar;
      }
      CRect rcOld;
      pBar->GetWindowRect(&rcOld);
      ScreenToClient(&rcOld);
      if (!m_bFloating)
      {
        if (bHorz)
          ptOffset.x = std::max<LONG>(ptOffset.x, rcOld.left);
        else
          ptOffset.y = std::max<LONG>(ptOffset.y, rcOld.top);
      }
      CRect rcBar(ptOffset, sizeBar);
      if (!m_bLayoutQuery && rcBar != rcOld)
        pBar->SetWindowPos(nullptr, rcBar.left, rcBar.top, rcBar.Width(), rcBar.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE);
      if (bHorz)
        ptOffset.x += sizeBar.cx - kBarOverlap;
      else
        ptOffset.y += sizeBar.cy - kBarOverlap;
      nRowThickness = std::max<int>(nRowThickness, bHorz ? sizeBar.cy : sizeBar.cx);
    }
    else if (m_arrBars[nPos] == nullptr && nRowThickness > 0)
    {
      if (bHorz)
        ptOffset = CPoint(-kBarOverlap, ptOffset.y + nRowThickness);
      else
        ptOffset = CPoint(ptOffset.x + nRowThickness, -kBarOverlap);
      nRowThickness = 0;
    }
  }
  if (m_bFloating)
    return sizeFloating;
  return bHorz ? CSize(32767, ptOffset.y) : CSize(ptOffset.x, 32767);
}

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
  auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  m_bLayoutQuery = pLayout->hDWP == nullptr;
  m_rectLayout = pLayout->rect;
  LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
  m_bLayoutQuery = FALSE;
  return lResult;
}
