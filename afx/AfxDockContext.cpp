#include "AfxDockContext.h"
#include "AfxDC.h"
#include "AfxDockBar.h"

#include <windowsx.h>

namespace
{
// The tracking rectangle: a frame this thick, inverted on the screen.
const int kDragFrame = 3;

// A rectangle of the size, placed at the corner unless the point would fall outside it.
CRect DragRect(CPoint ptCorner, CSize size, CPoint pt)
{
  CRect rect(ptCorner, size);
  if (!rect.PtInRect(pt))
    rect.OffsetRect(pt.x - rect.CenterPoint().x, pt.y - rect.CenterPoint().y);
  return rect;
}

// The mouse position of a queued mouse message, on the screen.
CPoint ScreenPoint(const MSG& msg)
{
  CPoint pt(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
  ::ClientToScreen(msg.hwnd, &pt);
  return pt;
}
}

CDockContext::CDockContext(CControlBar* pBar)
    : m_pBar(pBar), m_pDockSite(pBar->m_pDockSite), m_dwOverDockStyle(0), m_nHitTest(0), m_bDragging(FALSE),
      m_uMRUDockID(0), m_ptMRUFloatPos(CW_USEDEFAULT, CW_USEDEFAULT), m_bRectShown(FALSE)
{}

void CDockContext::StartDrag(CPoint pt)
{
  m_pDockSite = m_pBar->m_pDockSite;
  if (m_pDockSite == nullptr)
    return;
  CRect rcBar;
  m_pBar->GetWindowRect(&rcBar);
  m_ptStart = m_ptLast = pt;
  m_rectDragHorz = DragRect(rcBar.TopLeft(), m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK), pt);
  m_rectDragVert = DragRect(rcBar.TopLeft(), m_pBar->CalcDynamicLayout(0, LM_VERTDOCK), pt);
  CRect rcFloat = DragRect(rcBar.TopLeft(), m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH), pt);
  ::AdjustWindowRectEx(&rcFloat, WS_POPUP | WS_CAPTION | WS_THICKFRAME, FALSE, WS_EX_TOOLWINDOW);
  m_rectFrameDragHorz = rcFloat;
  m_dwOverDockStyle = m_pBar->IsFloating() ? 0 : (m_pBar->m_dwStyle & CBRS_ALIGN_ANY);
  m_nHitTest = 0;
  m_bDragging = TRUE;
  track();
}

BOOL CDockContext::track()
{
  if (::GetCapture() != nullptr)
    return FALSE;
  m_pBar->SetCapture();
  drawFocusRect();
  while (::GetCapture() == m_pBar->m_hWnd)
  {
    MSG msg;
    if (!::GetMessage(&msg, nullptr, 0, 0))
    {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    switch (msg.message)
    {
    case WM_LBUTTONUP:
      follow(ScreenPoint(msg));
      if (m_nHitTest != 0)
        endResize();
      else
        endDrag();
      return TRUE;
    case WM_MOUSEMOVE:
      follow(ScreenPoint(msg));
      break;
    case WM_RBUTTONDOWN:
      cancelLoop();
      return FALSE;
    case WM_KEYDOWN:
      if (msg.wParam == VK_ESCAPE)
      {
        cancelLoop();
        return FALSE;
      }
      break;
    default:
      ::DispatchMessage(&msg);
      break;
    }
  }
  cancelLoop();
  return FALSE;
}

void CDockContext::follow(CPoint pt)
{
  if (m_nHitTest != 0)
    stretch(pt);
  else
    move(pt);
}

void CDockContext::move(CPoint pt)
{
  CPoint ptOffset = pt - m_ptLast;
  if (ptOffset == CPoint(0, 0))
    return;
  drawFocusRect();
  m_rectDragHorz.OffsetRect(ptOffset);
  m_rectDragVert.OffsetRect(ptOffset);
  m_rectFrameDragHorz.OffsetRect(ptOffset);
  m_ptLast = pt;
  m_dwOverDockStyle = canDock(nullptr);
  drawFocusRect();
}

// Ctrl held down keeps the bar from docking.
DWORD CDockContext::canDock(CDockBar** ppDockBar)
{
  if (::GetKeyState(VK_CONTROL) < 0)
    return 0;
  DWORD dwDock = m_pDockSite->CanDock(m_rectDragHorz, m_pBar->m_dwDockStyle & CBRS_ORIENT_HORZ, ppDockBar);
  if (dwDock == 0)
    dwDock = m_pDockSite->CanDock(m_rectDragVert, m_pBar->m_dwDockStyle & CBRS_ORIENT_VERT, ppDockBar);
  return dwDock;
}

void CDockContext::endDrag()
{
  cancelLoop();
  // A click without a move leaves the bar where it is.
  if (m_ptLast == m_ptStart)
    return;
  CDockBar* pDockBar = nullptr;
  if (canDock(&pDockBar) != 0 && pDockBar != nullptr)
  {
    CRect rect = (m_dwOverDockStyle & CBRS_ORIENT_HORZ) ? m_rectDragHorz : m_rectDragVert;
    m_pDockSite->DockControlBar(m_pBar, pDockBar, &rect);
    m_pDockSite->RecalcLayout();
    return;
  }
  rememberDockPlace();
  m_ptMRUFloatPos = m_rectFrameDragHorz.TopLeft();
  m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos);
}

void CDockContext::StartResize(int nHitTest, CPoint pt)
{
  m_pDockSite = m_pBar->m_pDockSite;
  CFrameWnd* pFrame = m_pBar->GetDockingFrame();
  if (m_pDockSite == nullptr || pFrame == nullptr || !m_pBar->IsFloating() || nHitTest < HTSIZEFIRST ||
      nHitTest > HTSIZELAST)
    return;
  m_ptStart = m_ptLast = pt;
  pFrame->GetWindowRect(&m_rectFrameDragHorz);
  m_sizeBeforeResize = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
  m_dwOverDockStyle = 0;
  m_nHitTest = nHitTest;
  m_bDragging = TRUE;
  if (track())
    return;
  // Cancelled: the bar gets its floating size back.
  m_nHitTest = 0;
  m_pBar->CalcDynamicLayout(m_sizeBeforeResize.cx, LM_HORZ);
  m_pBar->CalcDynamicLayout(m_sizeBeforeResize.cy, LM_HORZ | LM_LENGTHY);
}

// The moving sides follow the point; the bar says what size it takes, and the tracking
// rectangle is that size plus the frame, held at the sides that stay.
void CDockContext::stretch(CPoint pt)
{
  if (pt == m_ptLast)
    return;
  drawFocusRect();
  m_ptLast = pt;
  CRect rcFrame, rcBar;
  m_pBar->GetDockingFrame()->GetWindowRect(&rcFrame);
  m_pBar->GetWindowRect(&rcBar);
  const CSize sizeBorders = rcFrame.Size() - rcBar.Size();
  const BOOL bLeft = m_nHitTest == HTLEFT || m_nHitTest == HTTOPLEFT || m_nHitTest == HTBOTTOMLEFT;
  const BOOL bRight = m_nHitTest == HTRIGHT || m_nHitTest == HTTOPRIGHT || m_nHitTest == HTBOTTOMRIGHT;
  const BOOL bTop = m_nHitTest == HTTOP || m_nHitTest == HTTOPLEFT || m_nHitTest == HTTOPRIGHT;
  const BOOL bBottom = m_nHitTest == HTBOTTOM || m_nHitTest == HTBOTTOMLEFT || m_nHitTest == HTBOTTOMRIGHT;
  const CPoint ptDelta = pt - m_ptStart;
  CSize size = rcBar.Size();
  if (bLeft || bRight)
    size = m_pBar->CalcDynamicLayout(rcBar.Width() + (bLeft ? -ptDelta.x : ptDelta.x), LM_HORZ);
  if (bTop || bBottom)
    size = m_pBar->CalcDynamicLayout(rcBar.Height() + (bTop ? -ptDelta.y : ptDelta.y), LM_HORZ | LM_LENGTHY);
  size = size + sizeBorders;
  m_rectFrameDragHorz = rcFrame;
  if (bLeft)
    m_rectFrameDragHorz.left = rcFrame.right - size.cx;
  else
    m_rectFrameDragHorz.right = rcFrame.left + size.cx;
  if (bTop)
    m_rectFrameDragHorz.top = rcFrame.bottom - size.cy;
  else
    m_rectFrameDragHorz.bottom = rcFrame.top + size.cy;
  drawFocusRect();
}

// The frame moves to the tracking rectangle and fits the bar's new size.
void CDockContext::endResize()
{
  cancelLoop();
  CFrameWnd* pFrame = m_pBar->GetDockingFrame();
  m_nHitTest = 0;
  pFrame->SetWindowPos(nullptr, m_rectFrameDragHorz.left, m_rectFrameDragHorz.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  pFrame->RecalcLayout();
}

void CDockContext::cancelLoop()
{
  if (m_bRectShown)
    drawFocusRect();
  m_bDragging = FALSE;
  if (::GetCapture() == m_pBar->m_hWnd)
    ::ReleaseCapture();
}

// Inverts the frame of the rectangle the bar would take; a second call takes it away.
void CDockContext::drawFocusRect()
{
  if (!m_bDragging && !m_bRectShown)
    return;
  CRect rect = m_dwOverDockStyle == 0                   ? m_rectFrameDragHorz
               : (m_dwOverDockStyle & CBRS_ORIENT_HORZ) ? m_rectDragHorz
                                                        : m_rectDragVert;
  CDC dc;
  dc.Attach(::GetDCEx(nullptr, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE));
  CBrush* pOldBrush = dc.SelectObject(CDC::GetHalftoneBrush());
  dc.PatBlt(rect.left, rect.top, rect.Width(), kDragFrame, PATINVERT);
  dc.PatBlt(rect.left, rect.bottom - kDragFrame, rect.Width(), kDragFrame, PATINVERT);
  dc.PatBlt(rect.left, rect.top + kDragFrame, kDragFrame, rect.Height() - 2 * kDragFrame, PATINVERT);
  dc.PatBlt(rect.right - kDragFrame, rect.top + kDragFrame, kDragFrame, rect.Height() - 2 * kDragFrame, PATINVERT);
  dc.SelectObject(pOldBrush);
  ::ReleaseDC(nullptr, dc.Detach());
  m_bRectShown = !m_bRectShown;
}

void CDockContext::ToggleDocking()
{
  m_pDockSite = m_pBar->m_pDockSite;
  if (m_pDockSite == nullptr)
    return;
  if (m_pBar->IsFloating())
  {
    CRect rcBar;
    m_pBar->GetParentFrame()->GetWindowRect(&rcBar);
    m_ptMRUFloatPos = rcBar.TopLeft();
    LPCRECT lpRect = m_rectMRUDockPos.IsRectEmpty() ? nullptr : &m_rectMRUDockPos;
    m_pDockSite->DockControlBar(m_pBar, m_uMRUDockID, lpRect);
    m_pDockSite->RecalcLayout();
    return;
  }
  rememberDockPlace();
  CPoint pt = m_ptMRUFloatPos;
  if (pt.x == CW_USEDEFAULT)
  {
    CRect rcBar;
    m_pBar->GetWindowRect(&rcBar);
    pt = CPoint(rcBar.left + 20, rcBar.top + 20);
  }
  m_pDockSite->FloatControlBar(m_pBar, pt);
}

void CDockContext::rememberDockPlace()
{
  if (m_pBar->m_pDockBar == nullptr || m_pBar->IsFloating())
    return;
  m_uMRUDockID = static_cast<UINT>(m_pBar->m_pDockBar->GetDlgCtrlID());
  m_pBar->GetWindowRect(&m_rectMRUDockPos);
}
