#include "DrawFrame.h"
#include "AutoHideBar.h"

#include <algorithm>

namespace
{
const UINT_PTR kSlideTimer = 1;
const UINT_PTR kCloseTimer = 2;
const UINT kSlideStep = 100;
// A top or bottom frame grows at most this much at a time.
const int kMaxSlideStep = 160;
const int kPinAreaWidth = 15;
}

int CDrawFrame::st_nAutoShowHideTimer = 100;
int CDrawFrame::st_nOnDrawBarOffset = 10;

IMPLEMENT_DYNAMIC(CDrawFrame, CWnd)

BEGIN_MESSAGE_MAP(CDrawFrame, CWnd)
  ON_MESSAGE(WM_DRAWFRAME_SHOWOFF, &CDrawFrame::ShowOff)
  ON_MESSAGE(WM_DRAWFRAME_SHOWHIDE, &CDrawFrame::ShowHide)
  ON_MESSAGE(WM_DRAWFRAME_SHOWDOCKBAR, &CDrawFrame::ShowDockBar)
  ON_MESSAGE(WM_DRAWFRAME_SHOWALLHIDE, &CDrawFrame::ShowAllHide)
  ON_MESSAGE(WM_DRAWFRAME_SHOWBYFORCE, &CDrawFrame::SetShowByForceFlg)
  ON_WM_TIMER()
  ON_WM_ACTIVATE()
  ON_WM_NCCALCSIZE()
  ON_WM_NCHITTEST()
  ON_WM_NCMOUSEMOVE()
  ON_WM_NCPAINT()
  ON_WM_NCLBUTTONUP()
  ON_WM_SIZE()
  ON_WM_MOUSEWHEEL()
  ON_MESSAGE(WM_PARENTNOTIFY, &CDrawFrame::OnParentNotify)
  ON_WM_CREATE()
  ON_MESSAGE(WM_DPICHANGED, &CDrawFrame::OnDpiChanged)
END_MESSAGE_MAP()

CDrawFrame::CDrawFrame()
    : slideLength(CDpiScale::OfSystem().Scale(200)), autoHideBar(nullptr), captionHeight(12),
      captionFontFace(CSizingControlBarCF::ChooseCaptionFontFace()), pinPushed(0), pinRaised(0), pinOrigin(0, 0),
      pinState(0), sliding(FALSE), showByForce(FALSE), m_lengthDpi(CDpiScale::OfSystem())
{}

int CDrawFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
  if (CWnd::OnCreate(lpCreateStruct) == -1)
    return -1;
  followWindowDpi();
  return 0;
}

// Moved to a monitor of another DPI: the frame takes the rectangle Windows suggests.
LRESULT CDrawFrame::OnDpiChanged(WPARAM, LPARAM lParam)
{
  followWindowDpi();
  const RECT* pSuggested = reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(nullptr, pSuggested->left, pSuggested->top, pSuggested->right - pSuggested->left,
               pSuggested->bottom - pSuggested->top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return 0;
}

void CDrawFrame::followWindowDpi()
{
  const CDpiScale dpi = CDpiScale::OfWindow(m_hWnd);
  slideLength = dpi.Scale(m_lengthDpi.Unscale(slideLength));
  m_lengthDpi = dpi;
}

BOOL CDrawFrame::PreCreateWindow(CREATESTRUCT& cs)
{
  cs.style |= WS_CLIPCHILDREN;
  return CWnd::PreCreateWindow(cs);
}

BOOL CDrawFrame::isHorzStrip() const { return autoHideBar != nullptr && autoHideBar->IsHorzStrip(); }

void CDrawFrame::SetShowHideTimer()
{
  if (st_nAutoShowHideTimer != 0)
    SetTimer(kCloseTimer, static_cast<UINT>(st_nAutoShowHideTimer), nullptr);
}

BOOL CDrawFrame::IsOnDrawBar(const CPoint& point)
{
  if (autoHideBar == nullptr)
    return FALSE;
  if (autoHideBar->IsBarPtInRect(point) || !autoHideBar->IsMainFrameInRect(point))
    return TRUE;
  if (!IsWindowVisible())
    return FALSE;
  CRect rc;
  GetWindowRect(&rc);
  rc.InflateRect(px(st_nOnDrawBarOffset), px(st_nOnDrawBarOffset));
  return rc.PtInRect(point);
}

BOOL CDrawFrame::IsOnDrawBar()
{
  CPoint pt;
  return ::GetCursorPos(&pt) && IsOnDrawBar(pt);
}

// Opening: the other open frames close, this one starts at the strip and grows.
LRESULT CDrawFrame::ShowOff(WPARAM, LPARAM)
{
  ShowAllHide(TRUE, FALSE);
  if (IsWindowVisible() || autoHideBar == nullptr)
    return 0;
  CRect rcStrip, rc;
  autoHideBar->GetWindowRect(&rcStrip);
  rc = rcStrip;
  const int nMaxStep = px(kMaxSlideStep);
  switch (autoHideBar->GetSide())
  {
  case 0:
    rc.top = rcStrip.bottom;
    rc.bottom = rc.top + (std::min)(slideLength, nMaxStep);
    break;
  case 1:
    rc.left = rcStrip.right;
    rc.right = rc.left + slideLength;
    break;
  case 2:
    rc.right = rcStrip.left;
    rc.left = rc.right - slideLength;
    break;
  default:
    rc.bottom = rcStrip.top;
    rc.top = rc.bottom - (std::min)(slideLength, nMaxStep);
    break;
  }
  sliding = TRUE;
  SetTimer(kSlideTimer, kSlideStep, nullptr);
  SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  CRect rcClient;
  GetClientRect(&rcClient);
  if (CWnd* pBar = bar())
  {
    CRect rcBar;
    pBar->GetWindowRect(&rcBar);
    if (rcBar.Height() != rcClient.Height())
      pBar->MoveWindow(&rcClient);
  }
  ShowWindow(SW_SHOW);
  SetActiveWindow();
  if (CWnd* pBar = bar())
  {
    pBar->ShowWindow(SW_HIDE);
    pBar->ShowWindow(SW_SHOW);
  }
  return 0;
}

LRESULT CDrawFrame::ShowHide(WPARAM, LPARAM)
{
  ShowWindow(SW_HIDE);
  if (CWnd* pBar = bar())
    pBar->ShowWindow(SW_HIDE);
  return 0;
}

LRESULT CDrawFrame::ShowAllHide(WPARAM wParam, LPARAM lParam)
{
  if (autoHideBar == nullptr)
    return 0;
  for (int i = 0; i < autoHideBar->GetButtonCount(); ++i)
  {
    CDrawFrame& frame = autoHideBar->GetButton(i)->frame;
    if (frame.m_hWnd == nullptr || !frame.IsWindowVisible())
      continue;
    if ((&frame == this && wParam != 0) || (frame.showByForce && lParam == 0))
      continue;
    frame.SendMessage(WM_DRAWFRAME_SHOWHIDE);
  }
  return 0;
}

LRESULT CDrawFrame::SetShowByForceFlg(WPARAM wParam, LPARAM)
{
  showByForce = wParam != 0;
  if (!showByForce)
    SetShowHideTimer();
  return 0;
}

// The host's pin bar takes the bars back to their dock.
LRESULT CDrawFrame::ShowDockBar(WPARAM wParam, LPARAM)
{
  CPinDockBar* pPin = autoHideBar != nullptr ? autoHideBar->FindCtrlBar(bar()) : nullptr;
  if (pPin != nullptr && pPin->m_hWnd != nullptr && pPin->CanLeaveAutoHide())
  {
    pPin->LeaveAutoHide(autoHideBar, wParam != 0);
    pPin->AfterLeaveAutoHide(FALSE);
  }
  return 0;
}

void CDrawFrame::OnTimer(UINT_PTR nIDEvent)
{
  if (nIDEvent == kSlideTimer)
  {
    sliding = FALSE;
    KillTimer(kSlideTimer);
    CRect rc;
    GetWindowRect(&rc);
    const int nMissing = slideLength - (isHorzStrip() ? rc.Height() : rc.Width());
    if (nMissing <= 0 || autoHideBar == nullptr)
      return;
    const int nStep = (std::min)(nMissing, px(kMaxSlideStep));
    switch (autoHideBar->GetSide())
    {
    case 0:
      rc.bottom += nStep;
      break;
    case 1:
      rc.right += nStep;
      break;
    case 2:
      rc.left -= nStep;
      break;
    default:
      rc.top -= nStep;
      break;
    }
    sliding = TRUE;
    SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    SetTimer(kSlideTimer, kSlideStep, nullptr);
    return;
  }
  if (nIDEvent == kCloseTimer)
  {
    if (showByForce || IsOnDrawBar())
      return;
    showByForce = FALSE;
    PostMessage(WM_DRAWFRAME_SHOWHIDE);
    KillTimer(kCloseTimer);
    return;
  }
  CWnd::OnTimer(nIDEvent);
}

void CDrawFrame::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
  CWnd::OnActivate(nState, pWndOther, bMinimized);
  if (nState == WA_INACTIVE && !showByForce && !IsOnDrawBar())
    SendMessage(WM_DRAWFRAME_SHOWHIDE);
}

void CDrawFrame::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
  const CPoint ptWindow(lpncsp->rgrc[0].left, lpncsp->rgrc[0].top);
  CWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
  const int nCaption = px(captionHeight);
  lpncsp->rgrc[0].top += nCaption;
  pinOrigin = CPoint(lpncsp->rgrc[0].left + px(2) - ptWindow.x, lpncsp->rgrc[0].top - nCaption + px(1) - ptWindow.y);
}

CRect CDrawFrame::captionRect() const
{
  CRect rcWindow, rcClient;
  GetWindowRect(&rcWindow);
  GetClientRect(&rcClient);
  ClientToScreen(&rcClient);
  rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
  return CRect(rcClient.left, rcClient.top - px(captionHeight), rcClient.right, rcClient.top);
}

CRect CDrawFrame::pinScreenRect() const
{
  CRect rcWindow;
  GetWindowRect(&rcWindow);
  return CSCBButton::SquareAt(pinOrigin, CDpiScale::OfWindow(m_hWnd)) + rcWindow.TopLeft();
}

// Only the edge away from the strip sizes the frame; it does not move.
LRESULT CDrawFrame::OnNcHitTest(CPoint point)
{
  if (pinScreenRect().PtInRect(point))
    return HTPUSHPIN;
  if (!showByForce)
    SetShowHideTimer();
  static const LRESULT kFreeEdge[] = {HTBOTTOM, HTRIGHT, HTLEFT, HTTOP};
  LRESULT nHit = CWnd::OnNcHitTest(point);
  const int nSide = autoHideBar != nullptr ? autoHideBar->GetSide() : 0;
  return nHit == kFreeEdge[nSide] ? nHit : HTNOWHERE;
}

void CDrawFrame::OnNcMouseMove(UINT nHitTest, CPoint point)
{
  if (CSCBButton::UpdateState(pinPushed, pinRaised, nHitTest == HTPUSHPIN, ::GetKeyState(VK_LBUTTON) < 0))
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  CWnd::OnNcMouseMove(nHitTest, point);
}

void CDrawFrame::DrawCaption(CDC* pDC)
{
  CRect rc = captionRect();
  pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_3DFACE));
  const BOOL bActive = ::GetActiveWindow() == m_hWnd;
  CRect rcGradient(rc.left + px(kPinAreaWidth), rc.top, rc.right, rc.bottom);
  CSizingControlBarCF::FillGradient(
      pDC, rcGradient, ::GetSysColor(bActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION),
      ::GetSysColor(bActive ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION), FALSE);
  CFont font;
  const CDpiScale dpi = CDpiScale::OfWindow(m_hWnd);
  if (!caption.IsEmpty() && CSizingControlBarCF::CreateCaptionFont(font, captionFontFace, dpi, 0))
  {
    CFont* pOldFont = pDC->SelectObject(&font);
    pDC->SetTextColor(::GetSysColor(COLOR_CAPTIONTEXT));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->ExtTextOut(rcGradient.left + px(2), rcGradient.top - px(1), ETO_CLIPPED, &rcGradient, caption,
                    static_cast<UINT>(caption.GetLength()), nullptr);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
  }
  CSCBButton::PaintState(pDC, pinOrigin, pinPushed, pinRaised, dpi);
  CSCBPinButton::PaintPin(pDC, pinOrigin, pinState, dpi);
}

void CDrawFrame::OnNcPaint()
{
  Default();
  CWindowDC dc(this);
  DrawCaption(&dc);
}

void CDrawFrame::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
  if (nHitTest == HTPUSHPIN && autoHideBar != nullptr)
  {
    for (int i = autoHideBar->GetButtonCount() - 1; i >= 0; --i)
    {
      CDrawFrame& frame = autoHideBar->GetButton(i)->frame;
      if (frame.m_hWnd != nullptr)
        frame.PostMessage(WM_DRAWFRAME_SHOWDOCKBAR);
    }
  }
  CWnd::OnNcLButtonUp(nHitTest, point);
}

// The bar fills the frame; a size the user gave is the next opening's length.
void CDrawFrame::OnSize(UINT nType, int cx, int cy)
{
  CWnd::OnSize(nType, cx, cy);
  if (CWnd* pBar = bar())
    pBar->MoveWindow(0, 0, cx, cy);
  if (sliding || !IsWindowVisible())
    return;
  CRect rc;
  GetWindowRect(&rc);
  slideLength = isHorzStrip() ? rc.Height() : rc.Width();
}

BOOL CDrawFrame::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
  if (autoHideBar != nullptr)
    autoHideBar->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(nFlags, zDelta), MAKELPARAM(pt.x, pt.y));
  return TRUE;
}

// The bar going away, deleted or destroyed without RemoveButton, must not stay in the strip.
LRESULT CDrawFrame::OnParentNotify(WPARAM wParam, LPARAM lParam)
{
  if (LOWORD(wParam) == WM_DESTROY && autoHideBar != nullptr)
    autoHideBar->OnBarDestroyed(CWnd::FromHandlePermanent(reinterpret_cast<HWND>(lParam)));
  return Default();
}
