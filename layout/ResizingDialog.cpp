#include "ResizingDialog.h"

IMPLEMENT_DYNAMIC(CResizingDialog, CAnchoredDialog)

BEGIN_MESSAGE_MAP(CResizingDialog, CAnchoredDialog)
  ON_WM_SIZE()
  ON_WM_PAINT()
  ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CResizingDialog::CResizingDialog(const char* lpszTemplateName, CWnd* pParent)
    : CAnchoredDialog(lpszTemplateName, pParent), m_bSizeGrip(1), m_rcGrip()
{
}

CResizingDialog::CResizingDialog(UINT nIDTemplate, CWnd* pParent)
    : CAnchoredDialog(nIDTemplate, pParent), m_bSizeGrip(1), m_rcGrip()
{
}

CRect CResizingDialog::gripSquare(const CRect& rc)
{
  return CRect(rc.right - ::GetSystemMetrics(SM_CXHSCROLL), rc.bottom - ::GetSystemMetrics(SM_CYVSCROLL), rc.right,
               rc.bottom);
}

bool CResizingDialog::NcHitTestResize(CPoint ptScreen)
{
  CRect rcWindow;
  GetWindowRect(&rcWindow);
  return gripSquare(rcWindow).PtInRect(ptScreen) != FALSE;
}

void CResizingDialog::PaintResize()
{
  CRect rcClient;
  GetClientRect(&rcClient);
  CRect rcGrip = gripSquare(rcClient);
  CClientDC dc(this);
  dc.DrawFrameControl(&rcGrip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  m_rcGrip = rcGrip;
}

void CResizingDialog::OnSize(UINT nType, int cx, int cy)
{
  CAnchoredDialog::OnSize(nType, cx, cy);
  // The grip is drawn again at its new place.
  if (nType != SIZE_MINIMIZED)
    InvalidateRect(&m_rcGrip, TRUE);
}

void CResizingDialog::OnPaint()
{
  CAnchoredDialog::OnPaint();
  if (m_bSizeGrip)
    PaintResize();
}

LRESULT CResizingDialog::OnNcHitTest(CPoint point)
{
  LRESULT nHit = CAnchoredDialog::OnNcHitTest(point);
  if (nHit == HTCLIENT && NcHitTestResize(point))
    return HTBOTTOMRIGHT;
  return nHit;
}
