#include "PinDockBar.h"

namespace
{
const UINT_PTR kOutsideTimer = 1;
}

void CSCBPinButton::PaintGlyph(CDC* pDC) const { PaintPin(pDC, ptOrg, pinState, m_dpi); }

void CSCBPinButton::PaintPin(CDC* pDC, CPoint ptOrg, BYTE nPinState, const CDpiScale& dpi)
{
  // Six points of the window's DPI.
  const int s = dpi.Scale(8), q = s / 4, t = s / 3;
  const int x = ptOrg.x, y = ptOrg.y;
  // A hairline glyph: its one-pixel lines stay one pixel.
  CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNTEXT));
  CBrush brush(::GetSysColor(COLOR_BTNTEXT));
  CPen* pOldPen = pDC->SelectObject(&pen);
  CBrush* pOldBrush = pDC->SelectObject(&brush);
  if (nPinState == 1)
  {
    const POINT head[] = {{x + q, y}, {x + 3 * q, y}, {x + 3 * q, y + 3 * q}, {x + q, y + 3 * q}};
    pDC->Polygon(head, 4);
    pDC->MoveTo(x, y + 3 * q);
    pDC->LineTo(x + s + 1, y + 3 * q);
    pDC->MoveTo(x + s / 2, y + 3 * q);
    pDC->LineTo(x + s / 2, y + s + 1);
  }
  else
  {
    const POINT head[] = {{x + t, y + q}, {x + s, y + q}, {x + s, y + 3 * q}, {x + t, y + 3 * q}};
    pDC->Polygon(head, 4);
    pDC->MoveTo(x + t, y);
    pDC->LineTo(x + t, y + s + 1);
    pDC->MoveTo(x, y + s / 2);
    pDC->LineTo(x + t, y + s / 2);
  }
  pDC->SelectObject(pOldBrush);
  pDC->SelectObject(pOldPen);
}

int CPinDockBar::st_nOutsideClientTimer = 100;

IMPLEMENT_DYNAMIC(CPinDockBar, CSizingControlBarCF)

BEGIN_MESSAGE_MAP(CPinDockBar, CSizingControlBarCF)
  ON_WM_CREATE()
  ON_WM_NCHITTEST()
  ON_WM_NCLBUTTONUP()
  ON_WM_TIMER()
END_MESSAGE_MAP()

CPinDockBar::CPinDockBar() : autoHideStatus(false), pinButton(1) {}

int CPinDockBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
  if (CSizingControlBarCF::OnCreate(lpCreateStruct) == -1)
    return -1;
  m_dwStyle |= CBRS_HIDE_INPLACE;
  return 0;
}

void CPinDockBar::NcCalcClient(LPRECT pRc, UINT nDockBarID)
{
  const CPoint ptWindow(pRc->left, pRc->top);
  CSizingControlBarCF::NcCalcClient(pRc, nDockBarID);
  if (!HasGripper())
    return;
  pinButton.m_dpi = CDpiScale::OfWindow(m_hWnd);
  if (IsHorzDocked())
    pinButton.ptOrg = CPoint(pRc->left - px(12) - ptWindow.x, pRc->bottom - px(13) - ptWindow.y);
  else
    pinButton.ptOrg = CPoint(pRc->left - ptWindow.x, pRc->top - px(13) - ptWindow.y);
}

// A pointer over the bar keeps the outside watch going.
LRESULT CPinDockBar::OnNcHitTest(CPoint point)
{
  CRect rcBar;
  GetWindowRect(&rcBar);
  if (rcBar.PtInRect(point))
    setFocusTimer();
  LRESULT nHit = CSizingControlBarCF::OnNcHitTest(point);
  return nHit == HTCLIENT && buttonHit(pinButton, point) ? HTPUSHPIN : nHit;
}

void CPinDockBar::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
  if (nHitTest == HTPUSHPIN && !IsFloating())
    SetPushPinOn();
  CSizingControlBarCF::OnNcLButtonUp(nHitTest, point);
}

void CPinDockBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
  CSizingControlBarCF::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
  if (!HasGripper())
    return;
  CPoint pt;
  ::GetCursorPos(&pt);
  if (pinButton.Update(buttonHit(pinButton, pt), ::GetKeyState(VK_LBUTTON) < 0))
    repaintNonClient();
}

void CPinDockBar::NcPaintGripper(CDC* pDC, CRect rcClient)
{
  CSizingControlBarCF::NcPaintGripper(pDC, rcClient);
  if (HasGripper())
    pinButton.Paint(pDC);
}

void CPinDockBar::SetPushPinOn()
{
  if (m_pDockBar == nullptr)
    return;
  const DWORD dwAlign = m_dwStyle & CBRS_ALIGN_ANY;
  CTypedPtrArray<CPtrArray, CSizingControlBarCF*> arrBars;
  for (int i = 0; i < m_pDockBar->m_arrBars.GetSize(); ++i)
  {
    CControlBar* pBar = m_pDockBar->GetDockedControlBar(i);
    auto* pCaptionBar = DYNAMIC_DOWNCAST(CSizingControlBarCF, pBar);
    if (pCaptionBar != nullptr && (pBar->m_dwStyle & dwAlign) != 0)
      arrBars.Add(pCaptionBar);
  }
  // The last bar that wants to go first does.
  for (int i = static_cast<int>(arrBars.GetSize()) - 1; i >= 0; --i)
  {
    auto* pPinBar = DYNAMIC_DOWNCAST(CPinDockBar, arrBars[i]);
    if (pPinBar != nullptr && pPinBar->m_hWnd != nullptr && pPinBar->GetDockBarType() == DOCKBARTYPE_PINFIRST)
    {
      arrBars.RemoveAt(i);
      arrBars.InsertAt(0, pPinBar);
      break;
    }
  }
  CFrameWnd* pFrame = GetParentFrame();
  for (int i = 0; pFrame != nullptr && i < arrBars.GetSize(); ++i)
  {
    if (arrBars[i]->m_hWnd != nullptr)
      pFrame->SendMessage(WM_PINDOCKBAR_PUSHPIN, 0, reinterpret_cast<LPARAM>(arrBars[i]));
  }
}

void CPinDockBar::setFocusTimer()
{
  if (st_nOutsideClientTimer != 0)
    SetTimer(kOutsideTimer, static_cast<UINT>(st_nOutsideClientTimer), nullptr);
}

void CPinDockBar::OnTimer(UINT_PTR nIDEvent)
{
  if (nIDEvent != kOutsideTimer)
  {
    CSizingControlBarCF::OnTimer(nIDEvent);
    return;
  }
  CPoint pt;
  ::GetCursorPos(&pt);
  CRect rcBar;
  GetWindowRect(&rcBar);
  if (rcBar.PtInRect(pt))
    return;
  KillTimer(kOutsideTimer);
  OnOutsideClient();
}
