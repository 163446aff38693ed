#include "ResizingDialog.h"

IMPLEMENT_DYNAMIC(CResizingDialog, CDialog)

BEGIN_MESSAGE_MAP(CResizingDialog, CDialog)
  ON_WM_SIZE()
  ON_WM_PAINT()
  ON_WM_NCHITTEST()
  ON_WM_GETMINMAXINFO()
  ON_WM_DESTROY()
  ON_WM_CREATE()
  ON_MESSAGE(WM_DPICHANGED, &CResizingDialog::OnDpiChanged)
END_MESSAGE_MAP()

CResizingDialog::CResizingDialog(const char* lpszTemplateName, CWnd* pParent)
    : CDialog(lpszTemplateName, pParent), m_bSizeGrip(1), m_rcGrip(), m_layout(lpszTemplateName)
{}

CResizingDialog::CResizingDialog(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_bSizeGrip(1), m_rcGrip(), m_layout(nIDTemplate)
{}

void CResizingDialog::GetDialogProfileEntry(CString& strEntry) { m_layout.GetProfileEntry(strEntry); }

CString CResizingDialog::profileSection()
{
  CString strSection;
  GetDialogProfileEntry(strSection);
  return strSection;
}

// The system's scroll bar metrics are for the system DPI; a window on a monitor of another DPI
// gets them scaled to its own.
CRect CResizingDialog::gripSquare(const CRect& rc) const
{
  const CDpiScale dpiSystem = CDpiScale::OfSystem(), dpi = CDpiScale::OfWindow(this);
  const CSize size(dpi.Scale(dpiSystem.Unscale(::GetSystemMetrics(SM_CXHSCROLL))),
                   dpi.Scale(dpiSystem.Unscale(::GetSystemMetrics(SM_CYVSCROLL))));
  return CRect(rc.BottomRight() - size, rc.BottomRight());
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

BOOL CResizingDialog::OnInitDialog()
{
  CDialog::OnInitDialog();
  m_layout.LoadSize(*this, profileSection());
  return FALSE;
}

int CResizingDialog::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
  if (CDialog::OnCreate(lpCreateStruct) == -1)
    return -1;
  m_layout.OnCreate(*this, *lpCreateStruct);
  return 0;
}

void CResizingDialog::OnSize(UINT nType, int cx, int cy)
{
  CDialog::OnSize(nType, cx, cy);
  // The grip is drawn again at its new place.
  if (m_layout.OnSize(*this, nType, cx, cy))
    InvalidateRect(&m_rcGrip, TRUE);
}

void CResizingDialog::OnPaint()
{
  CDialog::OnPaint();
  if (m_bSizeGrip)
    PaintResize();
}

LRESULT CResizingDialog::OnNcHitTest(CPoint point)
{
  LRESULT nHit = CDialog::OnNcHitTest(point);
  if (nHit == HTCLIENT && NcHitTestResize(point))
    return HTBOTTOMRIGHT;
  return nHit;
}

void CResizingDialog::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
  if (!m_layout.OnGetMinMaxInfo(lpMMI))
    CDialog::OnGetMinMaxInfo(lpMMI);
}

void CResizingDialog::OnDestroy()
{
  m_layout.SaveSize(*this, profileSection());
  CDialog::OnDestroy();
}

// Moved to a monitor of another DPI; Windows scales the controls of a dialog itself.
LRESULT CResizingDialog::OnDpiChanged(WPARAM, LPARAM lParam)
{
  m_layout.OnDpiChanged(*this, lParam);
  return Default();
}
