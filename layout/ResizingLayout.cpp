#include "ResizingLayout.h"

namespace
{
// The flags of one axis, in the order their rules are tried.
struct SAxisFlags
{
  WORD wHalf;
  WORD wSizePart;
  WORD wMove;
  WORD wSize;
  WORD wMoveHalf;
};

const SAxisFlags kHorizontal = {ANCHOR_HALF_X, ANCHOR_SIZE_X_PART, ANCHOR_MOVE_X, ANCHOR_SIZE_X, ANCHOR_MOVE_X_HALF};
const SAxisFlags kVertical = {ANCHOR_HALF_Y, ANCHOR_SIZE_Y_PART, ANCHOR_MOVE_Y, ANCHOR_SIZE_Y, ANCHOR_MOVE_Y_HALF};

bool Has(WORD wFlags, WORD wWanted) { return (wFlags & wWanted) == wWanted; }

// Moves the near and far edges of one axis by the change d.
void AnchorAxis(LONG& nNear, LONG& nFar, WORD wFlags, int d, const SAxisFlags& axis)
{
  const int nHalf = d / 2;  // toward zero
  if (Has(wFlags, axis.wHalf | axis.wSizePart))
  {
    nFar += nHalf;
  }
  else if (Has(wFlags, axis.wHalf | axis.wMove))
  {
    nFar += nHalf;
    nNear += nHalf;
    nFar += nHalf;
  }
  else if (Has(wFlags, axis.wSize))
  {
    nFar += d;
  }
  else if (Has(wFlags, axis.wMove))
  {
    nNear += d;
    nFar += d;
  }
  else if (Has(wFlags, axis.wMoveHalf))
  {
    nNear += nHalf;
    nFar += nHalf;
  }
}

bool FitsTheScreens(int cx, int cy)
{
  return cx > 0 && cy > 0 && cx <= ::GetSystemMetrics(SM_CXVIRTUALSCREEN) &&
         cy <= ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
}
}

CResizingLayout::CResizingLayout(LPCTSTR lpszTemplateName) : CResizingLayout(0u)
{
  // A dialog also takes a resource number in place of a name (MAKEINTRESOURCE), and is then
  // known by that number.
  if (lpszTemplateName != nullptr && IS_INTRESOURCE(lpszTemplateName))
  {
    m_nIDTemplate = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
    return;
  }
  m_strTemplateName = lpszTemplateName;
  m_bNamedTemplate = true;
}

CResizingLayout::CResizingLayout(UINT nIDTemplate)
    : m_bRememberSize(0), m_nMinTrackWidth(0), m_nMinTrackHeight(0), m_nPrevWidth(0), m_nPrevHeight(0), m_bResized(0),
      m_nIDTemplate(nIDTemplate), m_bNamedTemplate(false)
{}

void CResizingLayout::SetControlInfo(WORD wID, WORD wFlags)
{
  if (wFlags == ANCHOR_SIZE_X_PART || wFlags == ANCHOR_SIZE_Y_PART)
    return;
  m_arrAnchors.Add(MAKELONG(wID, wFlags));
}

void CResizingLayout::GetProfileEntry(CString& strEntry) const
{
  if (m_bNamedTemplate)
    strEntry = m_strTemplateName;
  else
    strEntry.Format("%x", m_nIDTemplate);
}

CRect CResizingLayout::AnchorRect(const CRect& rcControl, WORD wFlags, int dx, int dy)
{
  CRect rc(rcControl);
  AnchorAxis(rc.left, rc.right, wFlags, dx, kHorizontal);
  AnchorAxis(rc.top, rc.bottom, wFlags, dy, kVertical);
  return rc;
}

void CResizingLayout::OnCreate(CWnd& wnd, const CREATESTRUCT& cs)
{
  m_nMinTrackWidth = cs.cx;
  m_nMinTrackHeight = cs.cy;
  m_dpi = CDpiScale::OfWindow(&wnd);
}

void CResizingLayout::FollowDpi(CWnd& wnd)
{
  const CDpiScale dpi = CDpiScale::OfWindow(&wnd);
  for (int* pSize : {&m_nMinTrackWidth, &m_nMinTrackHeight, &m_nPrevWidth, &m_nPrevHeight})
    *pSize = dpi.Scale(m_dpi.Unscale(*pSize));
  m_dpi = dpi;
}

void CResizingLayout::OnDpiChanged(CWnd& wnd, LPARAM lParam)
{
  FollowDpi(wnd);
  const CRect rcSuggested(*reinterpret_cast<const RECT*>(lParam));
  wnd.SetWindowPos(nullptr, rcSuggested.left, rcSuggested.top, rcSuggested.Width(), rcSuggested.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CResizingLayout::OnGetMinMaxInfo(MINMAXINFO* lpMMI) const
{
  if (m_nMinTrackWidth == 0)
    return false;
  lpMMI->ptMinTrackSize.x = m_nMinTrackWidth;
  lpMMI->ptMinTrackSize.y = m_nMinTrackHeight;
  return true;
}

bool CResizingLayout::OnSize(CWnd& wnd, UINT nType, int cx, int cy)
{
  if (nType == SIZE_MINIMIZED)
    return false;
  if (m_nPrevWidth != 0)
  {
    m_bResized = 1;
    moveControls(wnd, cx - m_nPrevWidth, cy - m_nPrevHeight);
  }
  m_nPrevWidth = cx;
  m_nPrevHeight = cy;
  return true;
}

void CResizingLayout::moveControls(CWnd& wnd, int dx, int dy) const
{
  for (INT_PTR i = 0; i < m_arrAnchors.GetSize(); ++i)
  {
    const DWORD dwAnchor = m_arrAnchors[i];
    const WORD wFlags = HIWORD(dwAnchor);
    HWND hControl = ::GetDlgItem(wnd.m_hWnd, LOWORD(dwAnchor));
    if (hControl == nullptr || wFlags == 0)
      continue;
    CRect rcControl;
    ::GetWindowRect(hControl, &rcControl);
    wnd.ScreenToClient(&rcControl);
    CRect rcNew = AnchorRect(rcControl, wFlags, dx, dy);
    ::MoveWindow(hControl, rcNew.left, rcNew.top, rcNew.Width(), rcNew.Height(), TRUE);
  }
}

void CResizingLayout::LoadSize(CWnd& wnd, LPCTSTR lpszSection) const
{
  CWinApp* pApp = AfxGetApp();
  if (!m_bRememberSize || pApp == nullptr)
    return;
  const int cx = static_cast<int>(pApp->GetProfileInt(lpszSection, "CX", 0));
  const int cy = static_cast<int>(pApp->GetProfileInt(lpszSection, "CY", 0));
  if (FitsTheScreens(cx, cy))
    wnd.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CResizingLayout::SaveSize(CWnd& wnd, LPCTSTR lpszSection)
{
  CWinApp* pApp = AfxGetApp();
  if (m_bRememberSize && m_bResized && m_nPrevWidth != 0 && m_nPrevHeight != 0 && pApp != nullptr)
  {
    CRect rcWindow;
    wnd.GetWindowRect(&rcWindow);
    pApp->WriteProfileInt(lpszSection, "CX", rcWindow.Width());
    pApp->WriteProfileInt(lpszSection, "CY", rcWindow.Height());
  }
  m_nMinTrackWidth = m_nMinTrackHeight = 0;
  m_nPrevWidth = m_nPrevHeight = 0;
  m_bResized = 0;
}
