#include "XPButtonEx.h"

#include <vsstyle.h>

#include "DpiScale.h"

#include <cstdlib>

namespace
{
// The icon is drawn 32 by 32 around the face's centre, a pixel low (pixels at 96 DPI).
const int kIconCentre = 16;
const int kIconDrop = 1;
}  // namespace

IMPLEMENT_DYNAMIC(CXPButtonEx, CButton)

BEGIN_MESSAGE_MAP(CXPButtonEx, CButton)
END_MESSAGE_MAP()

CXPButtonEx::CXPButtonEx() : m_bPressed(0), m_bHot(0) {}

CXPButtonEx::~CXPButtonEx() { m_theme.Close(); }

void CXPButtonEx::PreSubclassWindow() { CButton::PreSubclassWindow(); }

void CXPButtonEx::TrackLeave()
{
  TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, m_hWnd, 0};
  ::TrackMouseEvent(&track);
}

void CXPButtonEx::DrawFace(LPDRAWITEMSTRUCT lpDrawItemStruct, int nDown)
{
  CRect rect(lpDrawItemStruct->rcItem);
  HDC hDC = lpDrawItemStruct->hDC;
  if (m_theme.IsAvailable() && CXPTheme::IsActive())
  {
    // The toolbar button and the push button number their part and looks alike.
    int nState = nDown > 0 ? TS_PRESSED : (m_bHot ? TS_HOT : TS_NORMAL);
    m_theme.DrawBackground(hDC, TP_BUTTON, nState, &rect, nullptr);
  }
  else
  {
    UINT nFlags = DFCS_BUTTONPUSH | (nDown > 0 ? DFCS_PUSHED : 0) | (m_bHot ? DFCS_HOT : 0);
    ::DrawFrameControl(hDC, &rect, DFC_BUTTON, nFlags);
  }
  const CDpiScale dpi = CDpiScale::OfWindow(this);
  const int nCentre = dpi.Scale(kIconCentre);
  int cx = (rect.left + rect.right) / 2;
  int cy = (rect.top + rect.bottom) / 2;
  rect.OffsetRect(-std::abs(nCentre - cx), -std::abs(nCentre - cy));
  HICON hIcon = reinterpret_cast<HICON>(SendMessage(BM_GETIMAGE, IMAGE_ICON));
  const int nSize = 2 * nCentre;
  if (hIcon)
    ::DrawIconEx(hDC, rect.left, rect.top + dpi.Scale(kIconDrop), hIcon, nSize, nSize, 0, nullptr, DI_NORMAL);
}

IMPLEMENT_DYNCREATE(CXPRadioButton, CXPButtonEx)

BEGIN_MESSAGE_MAP(CXPRadioButton, CXPButtonEx)
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

CXPRadioButton::CXPRadioButton() : m_nCheck(0) { m_theme.Open(nullptr, L"ToolBar"); }

void CXPRadioButton::OnMouseMove(UINT nFlags, CPoint point)
{
  Invalidate();
  m_bHot = 1;
  TrackLeave();
  CXPButtonEx::OnMouseMove(nFlags, point);
}

void CXPRadioButton::OnLButtonDown(UINT nFlags, CPoint point)
{
  Invalidate();
  m_nCheck = 1;
  CXPButtonEx::OnLButtonDown(nFlags, point);
}

void CXPRadioButton::OnLButtonUp(UINT nFlags, CPoint point)
{
  Invalidate();
  CXPButtonEx::OnLButtonUp(nFlags, point);
}

void CXPRadioButton::OnMouseLeave()
{
  CXPButtonEx::OnMouseLeave();
  Invalidate();
  m_bHot = 0;
}

IMPLEMENT_DYNCREATE(CXPUpDownButton, CXPButtonEx)

BEGIN_MESSAGE_MAP(CXPUpDownButton, CXPButtonEx)
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

CXPUpDownButton::CXPUpDownButton() { m_theme.Open(nullptr, L"Button"); }

LRESULT CXPUpDownButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  return CXPButtonEx::WindowProc(message == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : message, wParam, lParam);
}

void CXPUpDownButton::OnMouseMove(UINT nFlags, CPoint point)
{
  m_bHot = 1;
  TrackLeave();
  CXPButtonEx::OnMouseMove(nFlags, point);
}

void CXPUpDownButton::OnLButtonDown(UINT nFlags, CPoint point)
{
  Invalidate();
  m_bPressed = 1;
  CXPButtonEx::OnLButtonDown(nFlags, point);
}

void CXPUpDownButton::OnLButtonUp(UINT nFlags, CPoint point)
{
  Invalidate();
  m_bPressed = 0;
  CXPButtonEx::OnLButtonUp(nFlags, point);
  ::SendMessage(::GetParent(m_hWnd), WM_XPUPDOWN_RELEASED, GetDlgCtrlID(), 0);
}

void CXPUpDownButton::OnMouseLeave() { m_bHot = 0; }
