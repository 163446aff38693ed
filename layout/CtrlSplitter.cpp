#include "CtrlSplitter.h"
#include "PlatformVersion.h"

IMPLEMENT_DYNAMIC(CCtrlSplitter, CStatic)

BEGIN_MESSAGE_MAP(CCtrlSplitter, CStatic)
  ON_WM_SIZE()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_MOUSEMOVE()
  ON_WM_PAINT()
  ON_WM_CAPTURECHANGED()
  ON_WM_CANCELMODE()
  ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &CCtrlSplitter::OnDpiChangedAfterParent)
END_MESSAGE_MAP()

CCtrlSplitter::CCtrlSplitter()
    : m_nID(0), m_bVertSplitter(0), m_bHorizSplitter(0), m_pLeftWnd(nullptr), m_pRightWnd(nullptr), m_pTopWnd(nullptr),
      m_pBottomWnd(nullptr), m_nMinLeft(0), m_nMinRight(0), m_nMinTop(0), m_nMinBottom(0), m_nBarWidth(4),
      m_nLeftWidth(0), m_nBottomHeight(0), m_rcLeft(), m_rcRight(), m_rcTop(), m_rcBottom(), m_vertDrag(),
      m_horizDrag(), m_nOsType(WINOS_WIN3X), m_bFixed(false)
{}

int CCtrlSplitter::Create(DWORD dwStyle, CWnd* pParent, CWnd* pFirstPane, CWnd* pSecondPane, UINT nID,
                          const CRect& rect, UINT nPos, UINT)
{
  m_nID = nID;
  // The panes stay where they are when there is no splitter to hold them.
  if (!CStatic::Create("", dwStyle, rect, pParent, nID))
    return 1;
  // Panes that report to their owner keep reporting to the dialog.
  for (CWnd* pPane : {pFirstPane, pSecondPane})
  {
    if (!isPane(pPane))
      continue;
    pPane->SetParent(this);
    pPane->SetOwner(pParent);
  }
  takeDpi(CDpiScale::OfWindow(this));
  // An object created again for the other kind of split must not keep the first kind.
  m_bVertSplitter = m_bHorizSplitter = 0;
  if ((dwStyle & CTRLSPLITTER_VERT) != 0)
    InitVertSplitter(pFirstPane, pSecondPane, static_cast<int>(nPos));
  else if ((dwStyle & CTRLSPLITTER_HORIZ) != 0)
    InitHorizSplitter(pFirstPane, pSecondPane, static_cast<int>(nPos));
  m_nOsType = getOsType();
  return 1;
}

void CCtrlSplitter::takeDpi(const CDpiScale& dpi)
{
  m_nLeftWidth = dpi.Scale(m_dpi.Unscale(m_nLeftWidth));
  m_nBottomHeight = dpi.Scale(m_dpi.Unscale(m_nBottomHeight));
  m_dpi = dpi;
  m_nBarWidth = dpi.Scale(4);
  m_nMinLeft = m_nMinRight = m_nMinTop = m_nMinBottom = dpi.Scale(1);
}

// Moved to a monitor of another DPI: the panes keep their proportions.
LRESULT CCtrlSplitter::OnDpiChangedAfterParent(WPARAM, LPARAM)
{
  takeDpi(CDpiScale::OfWindow(this));
  CRect rcClient;
  GetClientRect(&rcClient);
  keepPaneSize(rcClient.Height());
  return Default();
}

BOOL CCtrlSplitter::PreCreateWindow(CREATESTRUCT& cs)
{
  // Without it a static lets the mouse through to its parent.
  cs.style |= SS_NOTIFY;
  return CStatic::PreCreateWindow(cs);
}

void CCtrlSplitter::InitVertSplitter(CWnd* pLeft, CWnd* pRight, int nLeftWidth)
{
  m_bVertSplitter = 1;
  m_pLeftWnd = pLeft;
  m_pRightWnd = pRight;
  SetSplitterPos(nLeftWidth);
}

void CCtrlSplitter::InitHorizSplitter(CWnd* pTop, CWnd* pBottom, int nBottomHeight)
{
  m_bHorizSplitter = 1;
  m_pTopWnd = pTop;
  m_pBottomWnd = pBottom;
  CRect rcClient;
  GetClientRect(&rcClient);
  m_nBottomHeight = nBottomHeight;
  MoveHorizPanes(rcClient.bottom - m_nBarWidth / 2 - m_nBottomHeight);
}

int CCtrlSplitter::GetSplitterStyle() const
{
  if (m_bVertSplitter)
    return CTRLSPLITTER_VERT;
  return m_bHorizSplitter ? CTRLSPLITTER_HORIZ : 0;
}

int CCtrlSplitter::GetSplitterPos() const
{
  if (m_bVertSplitter)
    return m_rcLeft.right;
  return m_bHorizSplitter ? m_rcBottom.top : 0;
}

void CCtrlSplitter::SetSplitterPos(int nPos)
{
  CRect rcClient;
  GetClientRect(&rcClient);
  if (m_bVertSplitter)
  {
    m_nLeftWidth = nPos - rcClient.left;
    MoveVertPanes(nPos + m_nBarWidth / 2);
  }
  else if (m_bHorizSplitter)
  {
    m_nBottomHeight = rcClient.bottom - nPos;
    MoveHorizPanes(nPos - m_nBarWidth / 2);
  }
}

WinOsType CCtrlSplitter::getOsType()
{
  const SPlatformVersion version = GetPlatformVersion();
  const bool bNT = version.bNT;
  if (!bNT && version.dwMajor < 4)
    return WINOS_WIN3X;
  const struct
  {
    bool bNT;
    DWORD dwMajor;
    DWORD dwMinor;
    WinOsType nType;
  } kVersions[] = {
      {false, 4, 10, WINOS_WIN98}, {false, 4, 90, WINOS_WINME}, {true, 5, 0, WINOS_WIN2000}, {true, 5, 1, WINOS_WINXP}};
  for (const auto& known : kVersions)
    if (known.bNT == bNT && known.dwMajor == version.dwMajor && known.dwMinor == version.dwMinor)
      return known.nType;
  if (!bNT)
    return WINOS_WIN95;
  return version.dwMajor == 4 ? WINOS_NT4 : WINOS_NT;
}

void CCtrlSplitter::movePane(CWnd* pPane, const RECT& rc)
{
  if (isPane(pPane))
    pPane->MoveWindow(&rc, TRUE);
}

void CCtrlSplitter::MoveVertPanes(int x)
{
  CRect rcClient;
  GetClientRect(&rcClient);
  const int w = m_nBarWidth;
  m_vertDrag.rcHit = CRect(x - w, rcClient.top, x + w, rcClient.bottom);
  m_rcLeft = CRect(rcClient.left, rcClient.top, x - w / 2, rcClient.bottom);
  m_rcRight = CRect(m_rcLeft.right + w, rcClient.top, rcClient.right, rcClient.bottom);
  movePane(m_pLeftWnd, m_rcLeft);
  movePane(m_pRightWnd, m_rcRight);
  // The left pane ends with the focus.
  for (CWnd* pPane : {m_pRightWnd, m_pLeftWnd})
  {
    if (!isPane(pPane))
      continue;
    pPane->SetFocus();
    pPane->Invalidate();
    pPane->UpdateWindow();
  }
}

void CCtrlSplitter::MoveHorizPanes(int y)
{
  CRect rcClient;
  GetClientRect(&rcClient);
  const int w = m_nBarWidth;
  m_horizDrag.rcHit = CRect(0, y - w, rcClient.right, y + w);
  m_rcBottom = CRect(rcClient.left, y + w / 2, rcClient.right, rcClient.bottom);
  m_rcTop = CRect(rcClient.left, rcClient.top, rcClient.right, m_rcBottom.top - w);
  movePane(m_pBottomWnd, m_rcBottom);
  movePane(m_pTopWnd, m_rcTop);
  for (CWnd* pPane : {m_pTopWnd, m_pBottomWnd})
    if (isPane(pPane))
      pPane->Invalidate();
}

LONG CCtrlSplitter::clampToLimits(LONG n, LONG nLow, LONG nHigh)
{
  // The upper limit first, so that the lower one wins in a splitter too small for both.
  if (n > nHigh)
    n = nHigh;
  return n < nLow ? nLow : n;
}

void CCtrlSplitter::SetVertConstraint(CPoint& point) const
{
  CRect rcClient;
  GetClientRect(&rcClient);
  point.x = clampToLimits(point.x, rcClient.left + m_nMinLeft, rcClient.right - m_nMinRight);
}

void CCtrlSplitter::SetHorizConstraint(CPoint& point) const
{
  CRect rcClient;
  GetClientRect(&rcClient);
  point.y = clampToLimits(point.y, rcClient.top + m_nMinTop, rcClient.bottom - m_nMinBottom);
}

CRect CCtrlSplitter::dragRectOnParent(const SSplitDrag& drag) const
{
  CRect rcDrag(drag.rcDrag);
  CWnd* pParent = GetParent();
  if (pParent != nullptr)
  {
    CRect rcParent;
    pParent->GetWindowRect(&rcParent);
    rcDrag.OffsetRect(-rcParent.left, -rcParent.top);
  }
  return rcDrag;
}

void CCtrlSplitter::DrawVertBar()
{
  CRect rcDrag = dragRectOnParent(m_vertDrag);
  const int nLeft = rcDrag.left + m_vertDrag.rcHit.left + m_nBarWidth;
  invertBarOnParent(CRect(nLeft, rcDrag.top, nLeft + m_nBarWidth, rcDrag.bottom));
}

void CCtrlSplitter::DrawHorizBar()
{
  CRect rcDrag = dragRectOnParent(m_horizDrag);
  const int nTop = rcDrag.top + m_horizDrag.rcHit.top + m_nBarWidth / 2;
  invertBarOnParent(CRect(rcDrag.left, nTop, rcDrag.right, nTop + m_nBarWidth));
}

void CCtrlSplitter::invertBarOnParent(const CRect& rcBar)
{
  CWnd* pParent = GetParent();
  if (pParent == nullptr)
    return;
  CWindowDC dc(pParent);
  CBrush brush(::GetSysColor(COLOR_BTNSHADOW));
  CBrush* pOldBrush = dc.SelectObject(&brush);
  dc.PatBlt(rcBar.left, rcBar.top, rcBar.Width(), rcBar.Height(), PATINVERT);
  dc.SelectObject(pOldBrush);
}

CCtrlSplitter::SSplitDrag* CCtrlSplitter::activeDrag()
{
  if (m_bVertSplitter)
    return &m_vertDrag;
  return m_bHorizSplitter ? &m_horizDrag : nullptr;
}

CPoint CCtrlSplitter::axisPoint(CPoint point) const { return m_bVertSplitter ? MakePtVert(point) : MakePtHoriz(point); }

void CCtrlSplitter::constrain(CPoint& point) const
{
  if (m_bVertSplitter)
    SetVertConstraint(point);
  else
    SetHorizConstraint(point);
}

void CCtrlSplitter::drawActiveBar()
{
  if (m_bVertSplitter)
    DrawVertBar();
  else
    DrawHorizBar();
}

LPCTSTR CCtrlSplitter::sizingCursor() const { return m_bVertSplitter ? IDC_SIZEWE : IDC_SIZENS; }

void CCtrlSplitter::dropBar(CPoint point)
{
  CRect rcClient;
  GetClientRect(&rcClient);
  if (m_bVertSplitter)
  {
    MoveVertPanes(point.x);
    m_nLeftWidth = m_rcLeft.right - rcClient.left;
  }
  else
  {
    MoveHorizPanes(point.y);
    m_nBottomHeight = rcClient.bottom - m_rcBottom.top;
  }
}

CPoint CCtrlSplitter::logicalPoint(CPoint point)
{
  CClientDC dc(this);
  dc.DPtoLP(&point);
  return point;
}

void CCtrlSplitter::OnSize(UINT nType, int cx, int cy)
{
  CStatic::OnSize(nType, cx, cy);
  keepPaneSize(cy);
}

void CCtrlSplitter::keepPaneSize(int cy)
{
  if (m_bVertSplitter)
  {
    MoveVertPanes(m_nLeftWidth + m_nBarWidth / 2);
  }
  else if (m_bHorizSplitter)
  {
    CPoint point(0, cy - m_nBarWidth / 2 - m_nBottomHeight);
    SetHorizConstraint(point);
    MoveHorizPanes(point.y);
  }
}

void CCtrlSplitter::OnLButtonDown(UINT nFlags, CPoint point)
{
  point = logicalPoint(point);
  SSplitDrag* pDrag = activeDrag();
  if (!m_bFixed && pDrag != nullptr && CRect(pDrag->rcHit).PtInRect(point))
  {
    GetWindowRect(&pDrag->rcDrag);
    pDrag->ptStart = pDrag->ptLast = axisPoint(point);
    pDrag->bDragging = 1;
    drawActiveBar();
    SetCapture();
    pDrag->hWndOldFocus = ::SetFocus(m_hWnd);
    ::SetCursor(::LoadCursor(nullptr, sizingCursor()));
    pDrag->bDragStarted = 1;
  }
  CStatic::OnLButtonDown(nFlags, point);
}

void CCtrlSplitter::OnMouseMove(UINT nFlags, CPoint point)
{
  point = logicalPoint(point);
  SSplitDrag* pDrag = activeDrag();
  if (!m_bFixed && pDrag != nullptr)
  {
    if (CRect(pDrag->rcHit).PtInRect(point))
      ::SetCursor(::LoadCursor(nullptr, sizingCursor()));
    if (pDrag->bDragging)
    {
      drawActiveBar();
      constrain(point);
      const CPoint ptAxis = axisPoint(point);
      ::OffsetRect(&pDrag->rcDrag, ptAxis.x - pDrag->ptLast.x, ptAxis.y - pDrag->ptLast.y);
      drawActiveBar();
      pDrag->ptLast = ptAxis;
    }
  }
  CStatic::OnMouseMove(nFlags, point);
}

void CCtrlSplitter::OnLButtonUp(UINT nFlags, CPoint point)
{
  point = logicalPoint(point);
  SSplitDrag* pDrag = activeDrag();
  if (pDrag != nullptr && pDrag->bDragging && pDrag->bDragStarted)
  {
    constrain(point);
    endDrag(*pDrag);
    dropBar(point);
    ::ReleaseCapture();
  }
  CStatic::OnLButtonUp(nFlags, point);
}

void CCtrlSplitter::endDrag(SSplitDrag& drag)
{
  drawActiveBar();
  drag.bDragging = 0;
  drag.bDragStarted = 0;
}

void CCtrlSplitter::cancelDrag(SSplitDrag& drag)
{
  if (!drag.bDragging)
    return;
  endDrag(drag);
  ::ReleaseCapture();
  ::SetFocus(drag.hWndOldFocus);
}

void CCtrlSplitter::CancelVertDrag()
{
  if (m_bVertSplitter)
    cancelDrag(m_vertDrag);
}

void CCtrlSplitter::CancelHorizDrag()
{
  if (m_bHorizSplitter)
    cancelDrag(m_horizDrag);
}

void CCtrlSplitter::OnCaptureChanged(CWnd* pWnd)
{
  // Whoever took the mouse ended the drag: the bar goes, the panes stay.
  SSplitDrag* pDrag = activeDrag();
  if (pDrag != nullptr && pDrag->bDragging)
    endDrag(*pDrag);
  CStatic::OnCaptureChanged(pWnd);
}

void CCtrlSplitter::OnCancelMode()
{
  CancelVertDrag();
  CancelHorizDrag();
  CStatic::OnCancelMode();
}

BOOL CCtrlSplitter::PreTranslateMessage(MSG* pMsg)
{
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE)
  {
    CancelVertDrag();
    CancelHorizDrag();
  }
  return CStatic::PreTranslateMessage(pMsg);
}

void CCtrlSplitter::OnPaint()
{
  CStatic::OnPaint();
  // XP repaints the children itself.
  if (m_nOsType == WINOS_WINXP || !m_bVertSplitter)
    return;
  for (CWnd* pPane : {m_pRightWnd, m_pLeftWnd})
  {
    if (!isPane(pPane))
      continue;
    pPane->Invalidate(TRUE);
    pPane->UpdateWindow();
  }
}
