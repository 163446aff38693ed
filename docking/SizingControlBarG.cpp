#include "SizingControlBarG.h"

CSCBButton::CSCBButton() : bPushed(FALSE), bRaised(FALSE), ptOrg(0, 0) {}

void CSCBButton::Paint(CDC* pDC) const
{
  PaintState(pDC, ptOrg, bPushed, bRaised, m_dpi);
  PaintGlyph(pDC);
}

void CSCBButton::PaintState(CDC* pDC, CPoint ptOrg, BOOL bPushed, BOOL bRaised, const CDpiScale& dpi)
{
  CRect rc = SquareAt(ptOrg, dpi);
  if (bPushed)
    pDC->Draw3dRect(&rc, ::GetSysColor(COLOR_3DSHADOW), ::GetSysColor(COLOR_3DHILIGHT));
  else if (bRaised)
    pDC->Draw3dRect(&rc, ::GetSysColor(COLOR_3DHILIGHT), ::GetSysColor(COLOR_3DSHADOW));
}

void CSCBButton::PaintGlyph(CDC* pDC) const
{
  // Six points of the window's DPI.
  const int s = m_dpi.Scale(8);
  CPen pen(PS_SOLID, m_dpi.Scale(2), ::GetSysColor(COLOR_BTNTEXT));
  CPen* pOldPen = pDC->SelectObject(&pen);
  pDC->MoveTo(ptOrg.x, ptOrg.y);
  pDC->LineTo(ptOrg.x + s, ptOrg.y + s);
  pDC->MoveTo(ptOrg.x + s, ptOrg.y);
  pDC->LineTo(ptOrg.x, ptOrg.y + s);
  pDC->SelectObject(pOldPen);
}

BOOL CSCBButton::UpdateState(BOOL& bPushed, BOOL& bRaised, BOOL bHit, BOOL bButtonDown)
{
  const BOOL bWasPushed = bPushed, bWasRaised = bRaised;
  bPushed = bHit && bButtonDown;
  bRaised = bHit && !bButtonDown;
  return bPushed != bWasPushed || bRaised != bWasRaised;
}

IMPLEMENT_DYNAMIC(CSizingControlBarG, CSizingControlBar)

BEGIN_MESSAGE_MAP(CSizingControlBarG, CSizingControlBar)
  ON_WM_NCHITTEST()
  ON_WM_NCLBUTTONUP()
END_MESSAGE_MAP()

CSizingControlBarG::CSizingControlBarG() : gripperSize(12) {}

BOOL CSizingControlBarG::HasGripper() const { return !IsFloating(); }

void CSizingControlBarG::NcCalcClient(LPRECT pRc, UINT nDockBarID)
{
  const CPoint ptWindow(pRc->left, pRc->top);
  CSizingControlBar::NcCalcClient(pRc, nDockBarID);
  if (!HasGripper())
    return;
  closeButton.m_dpi = CDpiScale::OfWindow(m_hWnd);
  CRect rc(pRc);
  if (IsHorzDocked())
  {
    rc.left += px(gripperSize);
    closeButton.ptOrg = CPoint(rc.left - px(13) - ptWindow.x, rc.top - ptWindow.y);
  }
  else
  {
    rc.top += px(gripperSize);
    closeButton.ptOrg = CPoint(rc.right - px(12) - ptWindow.x, rc.top - px(13) - ptWindow.y);
  }
  *pRc = rc;
}

BOOL CSizingControlBarG::buttonHit(const CSCBButton& button, CPoint point)
{
  if (!HasGripper())
    return FALSE;
  CRect rcBar;
  GetWindowRect(&rcBar);
  CRect rc = button.GetRect();
  rc.OffsetRect(rcBar.left, rcBar.top);
  return rc.PtInRect(point);
}

LRESULT CSizingControlBarG::OnNcHitTest(CPoint point)
{
  LRESULT nHit = CSizingControlBar::OnNcHitTest(point);
  return nHit == HTCLIENT && buttonHit(closeButton, point) ? HTCLOSE : nHit;
}

void CSizingControlBarG::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
  if (nHitTest == HTCLOSE && m_pDockSite != nullptr)
    m_pDockSite->ShowControlBar(this, FALSE, FALSE);
  CSizingControlBar::OnNcLButtonUp(nHitTest, point);
}

void CSizingControlBarG::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
  if (!HasGripper())
    return;
  CPoint pt;
  ::GetCursorPos(&pt);
  if (closeButton.Update(buttonHit(closeButton, pt), ::GetKeyState(VK_LBUTTON) < 0))
    repaintNonClient();
}

void CSizingControlBarG::NcPaintGripper(CDC* pDC, CRect rcClient)
{
  if (!HasGripper())
    return;
  CRect rcGrip = rcClient;
  rcGrip.DeflateRect(1, 1);
  const BOOL bHorz = IsHorzDocked();
  const int nBarWidth = px(3);
  if (bHorz)
  {
    rcGrip.left -= px(gripperSize);
    rcGrip.right = rcGrip.left + nBarWidth;
    rcGrip.top = closeButton.ptOrg.y + px(14);
  }
  else
  {
    rcGrip.top -= px(gripperSize);
    rcGrip.bottom = rcGrip.top + nBarWidth;
    rcGrip.right = closeButton.ptOrg.x - nBarWidth;
  }
  for (int nBar = 0; nBar < 2; ++nBar)
  {
    pDC->Draw3dRect(&rcGrip, ::GetSysColor(COLOR_3DHILIGHT), ::GetSysColor(COLOR_3DSHADOW));
    rcGrip.OffsetRect(bHorz ? nBarWidth : 0, bHorz ? 0 : nBarWidth);
  }
  closeButton.Paint(pDC);
}
