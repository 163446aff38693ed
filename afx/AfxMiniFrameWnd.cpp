#include "AfxMiniFrameWnd.h"
#include "AfxHandleOf.h"
#include "AfxDockContext.h"
#include "AfxMsgMap.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
  ON_WM_NCHITTEST()
  ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

BOOL CMiniFrameWnd::Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                           UINT nID)
{
  if (dwStyle & (MFS_THICKFRAME | MFS_4THICKFRAME))
    dwStyle |= WS_THICKFRAME;
  if (lpClassName == nullptr)
    lpClassName =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  return CreateEx(WS_EX_TOOLWINDOW, lpClassName, lpWindowName, dwStyle | WS_POPUP, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, ZuntAfx::HandleOf(pParentWnd),
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), nullptr);
}

// Without diagonal sizing a corner sizes the side it lies on.
LRESULT CMiniFrameWnd::OnNcHitTest(CPoint point)
{
  LRESULT nHit = CFrameWnd::OnNcHitTest(point);
  if (!(GetStyle() & MFS_4THICKFRAME))
    return nHit;
  switch (nHit)
  {
  case HTTOPLEFT:
  case HTBOTTOMLEFT:
    return HTLEFT;
  case HTTOPRIGHT:
  case HTBOTTOMRIGHT:
    return HTRIGHT;
  default:
    return nHit;
  }
}

// Smaller than the system's least tracking size: a floating frame fits a narrow bar.
void CMiniFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
  CFrameWnd::OnGetMinMaxInfo(lpMMI);
  CRect rcBorders(0, 0, 0, 0);
  ::AdjustWindowRectEx(&rcBorders, GetStyle(), FALSE, GetExStyle());
  lpMMI->ptMinTrackSize = CPoint(rcBorders.Width(), rcBorders.Height());
}

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
  ON_WM_CLOSE()
  ON_WM_SIZE()
  ON_WM_NCLBUTTONDOWN()
  ON_WM_NCLBUTTONDBLCLK()
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
  const DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | MFS_4THICKFRAME;
  if (!CMiniFrameWnd::Create(nullptr, "", dwStyle, CRect(0, 0, 0, 0), pParent))
    return FALSE;
  return m_wndDockBar.Create(this, WS_VISIBLE | (dwBarStyle & CBRS_ALL), AFX_IDW_DOCKBAR_FLOAT);
}

CControlBar* CMiniDockFrameWnd::firstBar() const
{
  for (int nPos = 0; nPos < m_wndDockBar.m_arrBars.GetSize(); ++nPos)
  {
    if (CControlBar* pBar = m_wndDockBar.GetDockedControlBar(nPos))
      return pBar;
  }
  return nullptr;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL)
{
  if (m_bInRecalcLayout || m_wndDockBar.m_hWnd == nullptr)
    return;
  m_bInRecalcLayout = TRUE;
  CSize size = m_wndDockBar.CalcFixedLayout(FALSE, TRUE);
  const BOOL bShow = m_wndDockBar.GetDockedVisibleCount() > 0;
  if (!bShow)
  {
    ShowWindow(SW_HIDE);
    m_bInRecalcLayout = FALSE;
    return;
  }
  CRect rcWindow(0, 0, size.cx, size.cy);
  ::AdjustWindowRectEx(&rcWindow, GetStyle() & 0xFFFF0000, FALSE, GetExStyle());
  SetWindowPos(nullptr, 0, 0, rcWindow.Width(), rcWindow.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  m_wndDockBar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  CString strTitle, strOld;
  m_wndDockBar.GetWindowText(strTitle);
  GetWindowText(strOld);
  if (strTitle != strOld)
    SetWindowText(strTitle);
  ShowWindow(SW_SHOWNA);
  m_bInRecalcLayout = FALSE;
}

// Sized by the user: the bar takes the new width and height, then the frame fits it again.
void CMiniDockFrameWnd::OnSize(UINT nType, int cx, int cy)
{
  CWnd::OnSize(nType, cx, cy);
  CControlBar* pBar = firstBar();
  if (m_bInRecalcLayout || pBar == nullptr || nType == SIZE_MINIMIZED)
    return;
  pBar->CalcDynamicLayout(cx, LM_HORZ);
  pBar->CalcDynamicLayout(cy, LM_HORZ | LM_LENGTHY);
  RecalcLayout();
}

// Closing the floating frame hides its bar, and with it the frame.
void CMiniDockFrameWnd::OnClose()
{
  CControlBar* pBar = firstBar();
  if (pBar != nullptr && pBar->m_pDockSite != nullptr)
    pBar->m_pDockSite->ShowControlBar(pBar, FALSE, FALSE);
  else
    ShowWindow(SW_HIDE);
}

// Dragging the caption drags the bar, so that it can dock again; a bar that sizes itself is
// resized through its dock context.
void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
  CControlBar* pBar = firstBar();
  CDockContext* pContext = pBar != nullptr ? pBar->m_pDockContext : nullptr;
  if (pContext != nullptr && nHitTest == HTCAPTION)
    pContext->StartDrag(point);
  else if (pContext != nullptr && nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST &&
           (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC))
    pContext->StartResize(static_cast<int>(nHitTest), point);
  else
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
  CControlBar* pBar = firstBar();
  if (nHitTest != HTCAPTION || pBar == nullptr || pBar->m_pDockContext == nullptr)
  {
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
    return;
  }
  pBar->m_pDockContext->ToggleDocking();
}
