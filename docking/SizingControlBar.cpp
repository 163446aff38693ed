#include "SizingControlBar.h"

#include <algorithm>
#include <cstdlib>

namespace
{
const int kMaxLength = 32767;

bool IsDockedId(UINT nID) { return nID >= AFX_IDW_DOCKBAR_TOP && nID <= AFX_IDW_DOCKBAR_BOTTOM; }

bool IsHorzEdgeCode(UINT nHitTest) { return nHitTest == HTLEFT || nHitTest == HTRIGHT; }

CWinApp* ProfileApp() { return AfxGetApp(); }

// A default size, before there is a window to ask.
CSize SystemPixels(int cx, int cy) { return CDpiScale::OfSystem().Scale(CSize(cx, cy)); }

CSize Rescaled(const CSize& size, const CDpiScale& dpiFrom, const CDpiScale& dpiTo)
{
  return dpiTo.Scale(CSize(dpiFrom.Unscale(size.cx), dpiFrom.Unscale(size.cy)));
}

CString ProfileSection(LPCTSTR lpszProfileName, int nID)
{
  CString strSection;
  strSection.Format("%s-SCBar-%d", lpszProfileName, nID);
  return strSection;
}

// A stored length is raised to the minimum; one longer than all screens together is no length
// the user gave (a corrupt profile): the current length stays.
int StoredLength(CWinApp* pApp, const CString& strSection, LPCTSTR lpszEntry, int nCurrent, int nMin, int nScreens)
{
  const int nStored = static_cast<int>(pApp->GetProfileInt(strSection, lpszEntry, nCurrent));
  return (std::max)(nMin, nStored > nScreens ? nCurrent : nStored);
}

struct SProfileSize
{
  const char* pszCX;
  const char* pszCY;
  CSize CSizingControlBar::*pSize;
  CSize CSizingControlBar::*pMin;
};

const SProfileSize kProfileSizes[] = {
    {"sizeHorzCX", "sizeHorzCY", &CSizingControlBar::sizeHorz, &CSizingControlBar::sizeMinHorz},
    {"sizeVertCX", "sizeVertCY", &CSizingControlBar::sizeVert, &CSizingControlBar::sizeMinVert},
    {"sizeFloatCX", "sizeFloatCY", &CSizingControlBar::sizeFloat, &CSizingControlBar::sizeMinFloat},
};
}

IMPLEMENT_DYNAMIC(CSizingControlBar, CControlBar)

BEGIN_MESSAGE_MAP(CSizingControlBar, CControlBar)
  ON_WM_CREATE()
  ON_WM_SETTINGCHANGE()
  ON_WM_NCCALCSIZE()
  ON_WM_NCHITTEST()
  ON_WM_NCPAINT()
  ON_WM_NCLBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_RBUTTONDOWN()
  ON_WM_MOUSEMOVE()
  ON_WM_CAPTURECHANGED()
  ON_WM_WINDOWPOSCHANGING()
  ON_WM_SIZE()
  ON_WM_CLOSE()
  ON_MESSAGE(WM_SETTEXT, &CSizingControlBar::OnSetText)
  ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &CSizingControlBar::OnDpiChangedAfterParent)
END_MESSAGE_MAP()

CSizingControlBar::CSizingControlBar()
    : sizeHorz(SystemPixels(200, 200)), sizeVert(SystemPixels(200, 200)), sizeFloat(SystemPixels(200, 200)),
      sizeMinHorz(SystemPixels(33, 32)), sizeMinVert(SystemPixels(33, 32)), sizeMinFloat(SystemPixels(37, 32)),
      scbStyle(0), trackedEdge(0), trackMin(0), trackMax(0), trackPos(0), trackEdgeOffset(0), tracking(FALSE),
      keepSize(FALSE), parentSizing(FALSE), dragFullWindows(FALSE), dockBarId(0), edgeWidth(5),
      m_sizesDpi(CDpiScale::OfSystem())
{}

BOOL CSizingControlBar::Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, UINT nID, DWORD dwStyle)
{
  m_dwStyle = dwStyle & CBRS_ALL;
  LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
  DWORD dwWindowStyle = (dwStyle & ~CBRS_ALL) | WS_CLIPCHILDREN;
  return CWnd::Create(lpszClass, lpszWindowName, dwWindowStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CSizingControlBar::Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault, BOOL, UINT nID,
                               DWORD dwStyle)
{
  sizeHorz = sizeVert = sizeFloat = sizeDefault;
  return Create(lpszWindowName, pParentWnd, nID, dwStyle);
}

BOOL CSizingControlBar::IsFloating() const { return !IsHorzDocked() && !IsVertDocked(); }

BOOL CSizingControlBar::IsHorzDocked() const
{
  return dockBarId == AFX_IDW_DOCKBAR_TOP || dockBarId == AFX_IDW_DOCKBAR_BOTTOM;
}

BOOL CSizingControlBar::IsVertDocked() const
{
  return dockBarId == AFX_IDW_DOCKBAR_LEFT || dockBarId == AFX_IDW_DOCKBAR_RIGHT;
}

BOOL CSizingControlBar::IsSideTracking() const
{
  return IsHorzDocked() ? IsHorzEdgeCode(trackedEdge) : (trackedEdge == HTTOP || trackedEdge == HTBOTTOM);
}

LONG& CSizingControlBar::thicknessOf(CSize& size) const { return IsHorzDocked() ? size.cy : size.cx; }

BOOL CSizingControlBar::isHorzEdge() const { return IsHorzEdgeCode(trackedEdge); }

// Profile -------------------------------------------------------------------------------------

BOOL CSizingControlBar::LoadState(LPCTSTR lpszProfileName)
{
  CWinApp* pApp = ProfileApp();
  if (pApp == nullptr)
    return FALSE;
  CString strSection = ProfileSection(lpszProfileName, GetDlgCtrlID());
  for (const SProfileSize& entry : kProfileSizes)
  {
    CSize& size = this->*entry.pSize;
    const CSize& sizeMin = this->*entry.pMin;
    size.cx = StoredLength(pApp, strSection, entry.pszCX, size.cx, sizeMin.cx, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
    size.cy = StoredLength(pApp, strSection, entry.pszCY, size.cy, sizeMin.cy, ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
  }
  return TRUE;
}

BOOL CSizingControlBar::SaveState(LPCTSTR lpszProfileName)
{
  CWinApp* pApp = ProfileApp();
  if (pApp == nullptr)
    return FALSE;
  CString strSection = ProfileSection(lpszProfileName, GetDlgCtrlID());
  BOOL bWritten = TRUE;
  for (const SProfileSize& entry : kProfileSizes)
  {
    const CSize& size = this->*entry.pSize;
    bWritten &= pApp->WriteProfileInt(strSection, entry.pszCX, size.cx);
    bWritten &= pApp->WriteProfileInt(strSection, entry.pszCY, size.cy);
  }
  return bWritten;
}

BOOL CSizingControlBar::GlobalLoadState(CFrameWnd* pFrame, LPCTSTR lpszProfileName)
{
  return forEachSizingBar(pFrame, &CSizingControlBar::LoadState, lpszProfileName);
}

BOOL CSizingControlBar::GlobalSaveState(CFrameWnd* pFrame, LPCTSTR lpszProfileName)
{
  return forEachSizingBar(pFrame, &CSizingControlBar::SaveState, lpszProfileName);
}

BOOL CSizingControlBar::forEachSizingBar(CFrameWnd* pFrame, BOOL (CSizingControlBar::*pfnState)(LPCTSTR),
                                         LPCTSTR lpszProfileName)
{
  BOOL bAll = TRUE;
  for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
  {
    auto* pBar = DYNAMIC_DOWNCAST(CSizingControlBar, static_cast<CObject*>(pFrame->m_listControlBars.GetNext(pos)));
    if (pBar != nullptr)
      bAll &= (pBar->*pfnState)(lpszProfileName);
  }
  return bAll;
}

// Geometry ------------------------------------------------------------------------------------

UINT CSizingControlBar::GetEdgeHTCode(int nEdge)
{
  static const UINT kCodes[] = {HTLEFT, HTTOP, HTRIGHT, HTBOTTOM};
  return nEdge >= 0 && nEdge < 4 ? kCodes[nEdge] : 0;
}

BOOL CSizingControlBar::GetEdgeRect(CRect rcWnd, UINT nHitTest, CRect& rcEdge)
{
  rcEdge = rcWnd;
  if (scbStyle & SCBS_SHOWEDGES)
    rcEdge.DeflateRect(1, 1);
  const BOOL bHorz = IsHorzDocked();
  const int nEdge = px(edgeWidth);
  switch (nHitTest)
  {
  case HTLEFT:
    if (!(scbStyle & SCBS_EDGELEFT))
      return FALSE;
    rcEdge.right = rcEdge.left + nEdge;
    rcEdge.DeflateRect(0, bHorz ? nEdge : 0);
    break;
  case HTRIGHT:
    if (!(scbStyle & SCBS_EDGERIGHT))
      return FALSE;
    rcEdge.left = rcEdge.right - nEdge;
    rcEdge.DeflateRect(0, bHorz ? nEdge : 0);
    break;
  case HTTOP:
    if (!(scbStyle & SCBS_EDGETOP))
      return FALSE;
    rcEdge.bottom = rcEdge.top + nEdge;
    rcEdge.DeflateRect(bHorz ? 0 : nEdge, 0);
    break;
  case HTBOTTOM:
    if (!(scbStyle & SCBS_EDGEBOTTOM))
      return FALSE;
    rcEdge.top = rcEdge.bottom - nEdge;
    rcEdge.DeflateRect(bHorz ? 0 : nEdge, 0);
    break;
  default:
    break;
  }
  return TRUE;
}

void CSizingControlBar::GetRowInfo(int& nFirst, int& nLast, int& nThis)
{
  const CPtrArray& arrBars = m_pDockBar->m_arrBars;
  const int nCount = static_cast<int>(arrBars.GetSize());
  nThis = m_pDockBar->FindBar(this);
  nFirst = 0;
  for (int i = nThis - 1; i >= 0; --i)
  {
    if (arrBars[i] == nullptr)
    {
      nFirst = i + 1;
      break;
    }
  }
  nLast = nCount - 1;
  for (int i = nThis + 1; i < nCount; ++i)
  {
    if (arrBars[i] == nullptr)
    {
      nLast = i - 1;
      break;
    }
  }
}

void CSizingControlBar::GetRowSizingBars(CSCBArray& arrSCBars)
{
  int nThis;
  GetRowSizingBars(arrSCBars, nThis);
}

void CSizingControlBar::GetRowSizingBars(CSCBArray& arrSCBars, int& nThis)
{
  arrSCBars.RemoveAll();
  nThis = -1;
  if (m_pDockBar == nullptr)
    return;
  int nFirst, nLast, nThisPos;
  GetRowInfo(nFirst, nLast, nThisPos);
  for (int i = nFirst; i <= nLast; ++i)
  {
    auto* pBar = DYNAMIC_DOWNCAST(CSizingControlBar, m_pDockBar->GetDockedControlBar(i));
    if (pBar == nullptr || !pBar->IsVisible())
      continue;
    if (pBar == this)
      nThis = static_cast<int>(arrSCBars.GetSize());
    arrSCBars.Add(pBar);
  }
}

// Non-client area ------------------------------------------------------------------------------

void CSizingControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
  if (IsFloating())
  {
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)) && (pFrame->GetStyle() & MFS_4THICKFRAME))
    {
      pFrame->ModifyStyle(MFS_4THICKFRAME, 0);
      GetParent()->ModifyStyle(0, WS_CLIPCHILDREN);
    }
  }
  scbStyle &= ~SCBS_EDGEALL;
  if (!IsFloating())
  {
    CSCBArray arrSCBars;
    int nThis;
    GetRowSizingBars(arrSCBars, nThis);
    const BOOL bHorz = IsHorzDocked();
    if (nThis > 0)
      scbStyle |= bHorz ? SCBS_EDGELEFT : SCBS_EDGETOP;
    if (nThis >= 0 && nThis < arrSCBars.GetSize() - 1)
      scbStyle |= bHorz ? SCBS_EDGERIGHT : SCBS_EDGEBOTTOM;
  }
  NcCalcClient(&lpncsp->rgrc[0], dockBarId);
}

void CSizingControlBar::NcCalcClient(LPRECT pRc, UINT nDockBarID)
{
  CRect rc(pRc);
  rc.DeflateRect(px(3), px(5), px(3), px(3));
  if (IsDockedId(nDockBarID))
    rc.DeflateRect(px(2), 0, px(2), px(2));
  switch (nDockBarID)
  {
  case AFX_IDW_DOCKBAR_TOP:
    scbStyle |= SCBS_EDGEBOTTOM;
    break;
  case AFX_IDW_DOCKBAR_BOTTOM:
    scbStyle |= SCBS_EDGETOP;
    break;
  case AFX_IDW_DOCKBAR_LEFT:
    scbStyle |= SCBS_EDGERIGHT;
    break;
  case AFX_IDW_DOCKBAR_RIGHT:
    scbStyle |= SCBS_EDGELEFT;
    break;
  default:
    break;
  }
  if (scbStyle & SCBS_SHOWEDGES)
  {
    const int nEdge = px(edgeWidth);
    rc.left += (scbStyle & SCBS_EDGELEFT) ? nEdge : 0;
    rc.top += (scbStyle & SCBS_EDGETOP) ? nEdge : 0;
    rc.right -= (scbStyle & SCBS_EDGERIGHT) ? nEdge : 0;
    rc.bottom -= (scbStyle & SCBS_EDGEBOTTOM) ? nEdge : 0;
  }
  *pRc = rc;
}

LRESULT CSizingControlBar::OnNcHitTest(CPoint point)
{
  if (IsFloating())
    return HTCLIENT;
  CRect rcBar;
  GetWindowRect(&rcBar);
  for (int nEdge = 0; nEdge < 4; ++nEdge)
  {
    CRect rcEdge;
    UINT nCode = GetEdgeHTCode(nEdge);
    if (GetEdgeRect(rcBar, nCode, rcEdge) && rcEdge.PtInRect(point))
      return nCode;
  }
  return HTCLIENT;
}

void CSizingControlBar::NcPaintGripper(CDC*, CRect) {}

void CSizingControlBar::drawNonClient(CDC* pDC)
{
  CRect rcBar, rcClient;
  GetWindowRect(&rcBar);
  GetClientRect(&rcClient);
  ClientToScreen(&rcClient);
  rcClient.OffsetRect(-rcBar.left, -rcBar.top);
  rcBar.OffsetRect(-rcBar.left, -rcBar.top);
  CRect rcInside(rcBar);
  DrawBorders(pDC, rcInside);
  ::FillRect(pDC->m_hDC, &rcInside, reinterpret_cast<HBRUSH>(::GetClassLongPtr(m_hWnd, GCLP_HBRBACKGROUND)));
  if (scbStyle & SCBS_SHOWEDGES)
  {
    for (int nEdge = 0; nEdge < 4; ++nEdge)
    {
      CRect rcEdge;
      if (GetEdgeRect(rcBar, GetEdgeHTCode(nEdge), rcEdge))
        pDC->Draw3dRect(&rcEdge, ::GetSysColor(COLOR_3DHILIGHT), ::GetSysColor(COLOR_3DSHADOW));
    }
  }
  NcPaintGripper(pDC, rcClient);
}

// Painted off screen and copied in one blit, the client area left out.
void CSizingControlBar::OnNcPaint()
{
  CWindowDC dc(this);
  CRect rcBar, rcClient;
  GetWindowRect(&rcBar);
  GetClientRect(&rcClient);
  ClientToScreen(&rcClient);
  rcClient.OffsetRect(-rcBar.left, -rcBar.top);
  CDC memDC;
  memDC.CreateCompatibleDC(&dc);
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(&dc, rcBar.Width(), rcBar.Height());
  CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
  drawNonClient(&memDC);
  dc.ExcludeClipRect(&rcClient);
  dc.BitBlt(0, 0, rcBar.Width(), rcBar.Height(), &memDC, 0, 0, SRCCOPY);
  memDC.SelectObject(pOldBitmap);
}

void CSizingControlBar::repaintNonClient()
{
  SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// Messages ------------------------------------------------------------------------------------

int CSizingControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
  if (CControlBar::OnCreate(lpCreateStruct) == -1)
    return -1;
  ::SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &dragFullWindows, 0);
  scbStyle |= SCBS_SHOWEDGES;
  followWindowDpi();
  return 0;
}

// Moved to a monitor of another DPI: the sizes and the non-client area follow.
LRESULT CSizingControlBar::OnDpiChangedAfterParent(WPARAM, LPARAM)
{
  followWindowDpi();
  repaintNonClient();
  if (m_pDockSite != nullptr)
    m_pDockSite->DelayRecalcLayout();
  return Default();
}

void CSizingControlBar::followWindowDpi()
{
  const CDpiScale dpi = CDpiScale::OfWindow(m_hWnd);
  if (dpi == m_sizesDpi)
    return;
  for (CSize* pSize : {&sizeHorz, &sizeVert, &sizeFloat, &sizeMinHorz, &sizeMinVert, &sizeMinFloat})
    *pSize = Rescaled(*pSize, m_sizesDpi, dpi);
  m_sizesDpi = dpi;
}

void CSizingControlBar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
  CControlBar::OnSettingChange(uFlags, lpszSection);
  ::SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &dragFullWindows, 0);
}

void CSizingControlBar::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
  lpwndpos->flags |= SWP_FRAMECHANGED;
  CControlBar::OnWindowPosChanging(lpwndpos);
  CWnd* pParent = GetParent();
  dockBarId = pParent != nullptr ? static_cast<UINT>(pParent->GetDlgCtrlID()) : 0;
  if (!IsFloating() && (lpwndpos->flags & SWP_SHOWWINDOW))
    keepSize = TRUE;
}

void CSizingControlBar::OnSize(UINT nType, int cx, int cy)
{
  CControlBar::OnSize(nType, cx, cy);
  if (!(scbStyle & SCBS_SIZECHILD))
    return;
  if (CWnd* pChild = GetWindow(GW_CHILD))
    pChild->MoveWindow(0, 0, cx, cy);
}

void CSizingControlBar::OnClose() {}

LRESULT CSizingControlBar::OnSetText(WPARAM, LPARAM lParam)
{
  LRESULT lResult = Default();
  CFrameWnd* pFrame = GetParentFrame();
  if (IsFloating() && m_pDockBar != nullptr && pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
  {
    m_pDockBar->SetWindowText(reinterpret_cast<LPCTSTR>(lParam));
    pFrame->DelayRecalcLayout();
  }
  return lResult;
}

void CSizingControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

// Tracking an edge ----------------------------------------------------------------------------

void CSizingControlBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
  if (!tracking && !IsFloating() && nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST)
    StartTracking(nHitTest, point);
  else
    CControlBar::OnNcLButtonDown(nHitTest, point);
}

void CSizingControlBar::StartTracking(UINT nHitTest, CPoint point)
{
  SetCapture();
  if (!dragFullWindows)
    RedrawWindow(nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
  trackedEdge = nHitTest;
  tracking = TRUE;
  const BOOL bHorzTracking = isHorzEdge();
  trackPos = bHorzTracking ? point.x : point.y;
  CRect rcBar, rcEdge;
  GetWindowRect(&rcBar);
  GetEdgeRect(rcBar, trackedEdge, rcEdge);
  trackEdgeOffset = trackPos - (bHorzTracking ? rcEdge.CenterPoint().x : rcEdge.CenterPoint().y);
  trackMin = trackMax = trackPos;

  CSCBArray arrSCBars;
  int nThis;
  GetRowSizingBars(arrSCBars, nThis);
  const BOOL bHorz = IsHorzDocked();
  if (!IsSideTracking())
  {
    int nMinThickness = 0;
    for (int i = 0; i < arrSCBars.GetSize(); ++i)
      nMinThickness = std::max<int>(nMinThickness, bHorz ? arrSCBars[i]->sizeMinHorz.cy : arrSCBars[i]->sizeMinVert.cx);
    int nShrink = (bHorz ? sizeHorz.cy : sizeVert.cx) - nMinThickness;
    CRect rcView;
    m_pDockSite->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CFrameWnd::reposQuery, &rcView);
    int nGrow = (bHorz ? rcView.Height() : rcView.Width()) - 2;
    if (trackedEdge == HTTOP || trackedEdge == HTLEFT)
      std::swap(nShrink, nGrow);
    trackMin -= nShrink;
    trackMax += nGrow;
  }
  else
  {
    // Bars before the edge give room on the near side, bars after it on the far side.
    const int nAfter = nThis + ((trackedEdge == HTRIGHT || trackedEdge == HTBOTTOM) ? 1 : 0);
    for (int i = 0; i < arrSCBars.GetSize(); ++i)
    {
      CSizingControlBar* pBar = arrSCBars[i];
      int nSpare = bHorz ? pBar->sizeHorz.cx - pBar->sizeMinHorz.cx : pBar->sizeVert.cy - pBar->sizeMinVert.cy;
      if (i < nAfter)
        trackMin -= nSpare;
      else
        trackMax += nSpare;
    }
  }
  OnTrackInvertTracker();
}

void CSizingControlBar::StopTracking()
{
  OnTrackInvertTracker();
  tracking = FALSE;
  ReleaseCapture();
  if (m_pDockSite != nullptr)
    m_pDockSite->DelayRecalcLayout();
}

void CSizingControlBar::OnMouseMove(UINT nFlags, CPoint point)
{
  if (tracking)
  {
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    OnTrackUpdateSize(ptScreen);
  }
  CControlBar::OnMouseMove(nFlags, point);
}

void CSizingControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
  if (tracking)
    StopTracking();
  CControlBar::OnLButtonUp(nFlags, point);
}

void CSizingControlBar::OnRButtonDown(UINT nFlags, CPoint point)
{
  if (tracking)
    StopTracking();
  CControlBar::OnRButtonDown(nFlags, point);
}

void CSizingControlBar::OnCaptureChanged(CWnd* pWnd)
{
  if (tracking && pWnd != this)
    StopTracking();
  CControlBar::OnCaptureChanged(pWnd);
}

void CSizingControlBar::OnTrackUpdateSize(CPoint& point)
{
  int nTrackPos = isHorzEdge() ? point.x : point.y;
  nTrackPos = (std::max)(trackMin, (std::min)(trackMax, nTrackPos));
  const int nDelta = nTrackPos - trackPos;
  if (nDelta == 0)
    return;
  OnTrackInvertTracker();
  trackPos = nTrackPos;

  CSize sizeNew = IsHorzDocked() ? sizeHorz : sizeVert;
  switch (trackedEdge)
  {
  case HTLEFT:
    sizeNew.cx -= nDelta;
    break;
  case HTTOP:
    sizeNew.cy -= nDelta;
    break;
  case HTRIGHT:
    sizeNew.cx += nDelta;
    break;
  default:
    sizeNew.cy += nDelta;
    break;
  }
  CSCBArray arrSCBars;
  int nThis;
  GetRowSizingBars(arrSCBars, nThis);
  if (!IsSideTracking())
  {
    for (int i = 0; i < arrSCBars.GetSize(); ++i)
    {
      CSizingControlBar* pBar = arrSCBars[i];
      pBar->thicknessOf(IsHorzDocked() ? pBar->sizeHorz : pBar->sizeVert) = thicknessOf(sizeNew);
    }
  }
  else
    shareSideDelta(arrSCBars, nThis, nDelta);
  OnTrackInvertTracker();
  if (dragFullWindows)
    m_pDockSite->DelayRecalcLayout();
}

// The bar on the side the edge moves away from grows; the bars on the other side, nearest
// first, give up length down to their minimums.
void CSizingControlBar::shareSideDelta(CSCBArray& arrSCBars, int nThis, int nDelta)
{
  const BOOL bHorz = IsHorzDocked();
  const int nAfter = nThis + ((trackedEdge == HTRIGHT || trackedEdge == HTBOTTOM) ? 1 : 0);
  const int nStep = nDelta > 0 ? 1 : -1;
  const int nGrowing = nDelta > 0 ? nAfter - 1 : nAfter;
  const int nCount = static_cast<int>(arrSCBars.GetSize());
  if (nGrowing < 0 || nGrowing >= nCount)
    return;
  int nRest = std::abs(nDelta);
  CSizingControlBar* pGrowing = arrSCBars[nGrowing];
  (bHorz ? pGrowing->sizeHorz.cx : pGrowing->sizeVert.cy) += nRest;
  for (int i = nGrowing + nStep; nRest > 0 && i >= 0 && i < nCount; i += nStep)
  {
    CSizingControlBar* pBar = arrSCBars[i];
    LONG& nLength = bHorz ? pBar->sizeHorz.cx : pBar->sizeVert.cy;
    const int nMin = bHorz ? pBar->sizeMinHorz.cx : pBar->sizeMinVert.cy;
    const int nTake = (std::max)(0, std::min<int>(nRest, nLength - nMin));
    nLength -= nTake;
    nRest -= nTake;
  }
}

// Without full-window dragging, only this inverted strip follows the mouse.
void CSizingControlBar::OnTrackInvertTracker()
{
  if (dragFullWindows || m_pDockSite == nullptr || m_pDockBar == nullptr)
    return;
  CRect rcBar, rcDock, rcFrame, rcTracker;
  GetWindowRect(&rcBar);
  m_pDockBar->GetWindowRect(&rcDock);
  m_pDockSite->GetWindowRect(&rcFrame);
  GetEdgeRect(rcBar, trackedEdge, rcTracker);
  const BOOL bHorzTracking = isHorzEdge();
  if (bHorzTracking)
  {
    rcTracker.top = rcDock.top;
    rcTracker.bottom = rcDock.bottom;
    rcTracker.OffsetRect(trackPos - trackEdgeOffset - rcTracker.CenterPoint().x, 0);
  }
  else
  {
    rcTracker.left = rcDock.left;
    rcTracker.right = rcDock.right;
    rcTracker.OffsetRect(0, trackPos - trackEdgeOffset - rcTracker.CenterPoint().y);
  }
  rcTracker.OffsetRect(-rcFrame.left, -rcFrame.top);
  CDC dc;
  dc.Attach(::GetDCEx(m_pDockSite->m_hWnd, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE));
  CBrush* pOldBrush = dc.SelectObject(CDC::GetHalftoneBrush());
  dc.PatBlt(rcTracker.left, rcTracker.top, rcTracker.Width(), rcTracker.Height(), PATINVERT);
  dc.SelectObject(pOldBrush);
  ::ReleaseDC(m_pDockSite->m_hWnd, dc.Detach());
}

// Layout --------------------------------------------------------------------------------------

CSize CSizingControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
  if (bStretch)
    return bHorz ? CSize(kMaxLength, sizeHorz.cy) : CSize(sizeVert.cx, kMaxLength);
  showRowDelayed();
  CRect rcLayout;
  if (m_pDockBar != nullptr)
    rcLayout = m_pDockBar->m_rectLayout;
  if (rcLayout.IsRectEmpty() && m_pDockSite != nullptr)
    m_pDockSite->GetClientRect(&rcLayout);
  const int nLengthTotal = bHorz ? rcLayout.Width() + 2 : rcLayout.Height() - 2;
  if (IsVisible() && !IsFloating() && parentSizing && m_pDockBar != nullptr)
  {
    CSCBArray arrSCBars;
    GetRowSizingBars(arrSCBars);
    if (arrSCBars.GetSize() > 0 && arrSCBars[0] == this && NegotiateSpace(nLengthTotal, bHorz))
      AlignControlBars();
  }
  parentSizing = FALSE;
  if (bHorz)
    return CSize(std::max<int>(sizeMinHorz.cx, sizeHorz.cx), std::max<int>(sizeMinHorz.cy, sizeHorz.cy));
  return CSize(std::max<int>(sizeMinVert.cx, sizeVert.cx), std::max<int>(sizeMinVert.cy, sizeVert.cy));
}

CSize CSizingControlBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
  if (dwMode & (LM_HORZDOCK | LM_VERTDOCK))
  {
    if (nLength == -1)
      parentSizing = TRUE;
    return CControlBar::CalcDynamicLayout(nLength, dwMode);
  }
  if (dwMode & (LM_MRUWIDTH | LM_COMMIT))
    return sizeFloat;
  const int nHitTest = m_pDockContext != nullptr ? m_pDockContext->m_nHitTest : 0;
  if (IsFloating() &&
      (nHitTest == HTTOPLEFT || nHitTest == HTTOPRIGHT || nHitTest == HTBOTTOMLEFT || nHitTest == HTBOTTOMRIGHT))
    limitFloatingCorner(sizeFloat);
  else if (dwMode & LM_LENGTHY)
    sizeFloat.cy = nLength;
  else
    sizeFloat.cx = nLength;
  sizeFloat.cx = std::max<int>(sizeFloat.cx, sizeMinFloat.cx);
  sizeFloat.cy = std::max<int>(sizeFloat.cy, sizeMinFloat.cy);
  return sizeFloat;
}

// A corner of the floating frame follows the cursor; a moving left or top side stops where
// the bar would fall below its minimum.
void CSizingControlBar::limitFloatingCorner(CSize& sizeFloatNew)
{
  CPoint ptCursor;
  ::GetCursorPos(&ptCursor);
  CRect rcBar, rcFrame;
  GetWindowRect(&rcBar);
  GetParentFrame()->GetWindowRect(&rcFrame);
  CRect& rcDrag = m_pDockContext->m_rectFrameDragHorz;
  const int nHitTest = m_pDockContext->m_nHitTest;
  if (nHitTest == HTTOPLEFT || nHitTest == HTBOTTOMLEFT)
  {
    sizeFloatNew.cx = rcBar.right - rcBar.left - ptCursor.x + rcFrame.left;
    rcDrag.left = std::min<LONG>(ptCursor.x, rcBar.right - sizeMinFloat.cx - rcBar.left + rcFrame.left);
  }
  if (nHitTest == HTTOPLEFT || nHitTest == HTTOPRIGHT)
  {
    sizeFloatNew.cy = rcBar.bottom - rcBar.top - ptCursor.y + rcFrame.top;
    rcDrag.top = std::min<LONG>(ptCursor.y, rcBar.bottom - sizeMinFloat.cy - rcBar.top + rcFrame.top);
  }
  if (nHitTest == HTTOPRIGHT || nHitTest == HTBOTTOMRIGHT)
    sizeFloatNew.cx = rcBar.right - rcBar.left - rcFrame.right + ptCursor.x;
  if (nHitTest == HTBOTTOMLEFT || nHitTest == HTBOTTOMRIGHT)
    sizeFloatNew.cy = rcBar.bottom - rcBar.top - rcFrame.bottom + ptCursor.y;
}

// The row's bars shown or hidden with a delay take their state before the row is shared.
void CSizingControlBar::showRowDelayed()
{
  if (m_pDockBar == nullptr)
    return;
  int nFirst, nLast, nThis;
  GetRowInfo(nFirst, nLast, nThis);
  AFX_SIZEPARENTPARAMS layout = {};
  layout.hDWP = m_pDockBar->m_bLayoutQuery ? nullptr : ::BeginDeferWindowPos(nLast - nFirst + 1);
  for (int i = nFirst; i <= nLast; ++i)
  {
    if (auto* pBar = DYNAMIC_DOWNCAST(CSizingControlBar, m_pDockBar->GetDockedControlBar(i)))
      pBar->RecalcDelayShow(&layout);
  }
  if (layout.hDWP != nullptr)
    ::EndDeferWindowPos(layout.hDWP);
}

BOOL CSizingControlBar::NegotiateSpace(int nLengthTotal, BOOL bHorz)
{
  int nFirst, nLast, nThis;
  GetRowInfo(nFirst, nLast, nThis);
  int nLengthAvail = nLengthTotal, nLengthActual = 0, nLengthMin = 2, nWidthMax = 0;
  for (int i = nFirst; i <= nLast; ++i)
  {
    CControlBar* pBar = m_pDockBar->GetDockedControlBar(i);
    if (pBar == nullptr || !pBar->IsVisible())
      continue;
    auto* pSizingBar = DYNAMIC_DOWNCAST(CSizingControlBar, pBar);
    CRect rcBar;
    pBar->GetWindowRect(&rcBar);
    const int nLengthBar = pSizingBar != nullptr ? (bHorz ? pSizingBar->sizeHorz.cx : pSizingBar->sizeVert.cy)
                                                 : (bHorz ? rcBar.Width() : rcBar.Height());
    nLengthMin +=
        (pSizingBar != nullptr ? (bHorz ? pSizingBar->sizeMinHorz.cx : pSizingBar->sizeMinVert.cy) : nLengthBar) - 2;
    if (nLengthMin > nLengthTotal)
    {
      // The row cannot hold the minimums: it breaks at bar i.
      if (i > nThis)
      {
        m_pDockBar->m_arrBars.InsertAt(i, nullptr);
        break;
      }
      if (i == nThis)
      {
        (bHorz ? sizeHorz.cx : sizeVert.cy) = bHorz ? sizeMinHorz.cx : sizeMinVert.cy;
        return TRUE;
      }
      m_pDockBar->m_arrBars.InsertAt(i + 1, nullptr);
      return FALSE;
    }
    if (pSizingBar != nullptr)
    {
      nLengthActual += nLengthBar - 2;
      nWidthMax = std::max<int>(nWidthMax, bHorz ? pSizingBar->sizeHorz.cy : pSizingBar->sizeVert.cx);
    }
    else
      nLengthAvail -= nLengthBar - 2;
  }

  CSCBArray arrSCBars;
  GetRowSizingBars(arrSCBars);
  int nDelta = nLengthAvail - nLengthActual;
  const int nCount = static_cast<int>(arrSCBars.GetSize());
  if (nCount <= 1)
  {
    keepSize = FALSE;
    (bHorz ? sizeHorz.cx : sizeVert.cy) += nDelta;
    return TRUE;
  }
  for (int i = 0; i < nCount; ++i)
    (bHorz ? arrSCBars[i]->sizeHorz.cy : arrSCBars[i]->sizeVert.cx) = nWidthMax;
  // One pixel at a time, bar by bar, round after round; bars just shown keep their length
  // until no other bar can take more.
  while (nDelta != 0)
  {
    const int nDeltaOld = nDelta;
    for (int i = 0; i < nCount && nDelta != 0; ++i)
    {
      CSizingControlBar* pBar = arrSCBars[i];
      LONG& nLength = bHorz ? pBar->sizeHorz.cx : pBar->sizeVert.cy;
      const int nMin = bHorz ? pBar->sizeMinHorz.cx : pBar->sizeMinVert.cy;
      if ((nLength <= nMin && nDelta < 0) || pBar->keepSize)
        continue;
      const int nStep = nDelta > 0 ? 1 : -1;
      nLength += nStep;
      nDelta -= nStep;
    }
    if (nDelta != nDeltaOld)
      continue;
    BOOL bKept = FALSE;
    for (int i = 0; i < nCount; ++i)
    {
      bKept |= arrSCBars[i]->keepSize;
      arrSCBars[i]->keepSize = FALSE;
    }
    if (!bKept)
      break;
  }
  return TRUE;
}

void CSizingControlBar::AlignControlBars()
{
  int nFirst, nLast, nThis;
  GetRowInfo(nFirst, nLast, nThis);
  const BOOL bHorz = IsHorzDocked();
  BOOL bMoved = FALSE;
  int nAlign = bHorz ? -2 : 0;
  CRect rcDock;
  m_pDockBar->GetWindowRect(&rcDock);
  for (int i = nFirst; i <= nLast; ++i)
  {
    CControlBar* pBar = m_pDockBar->GetDockedControlBar(i);
    if (pBar == nullptr || !pBar->IsVisible())
      continue;
    CRect rcBar;
    pBar->GetWindowRect(&rcBar);
    rcBar.OffsetRect(-rcDock.left, -rcDock.top);
    if (auto* pSizingBar = DYNAMIC_DOWNCAST(CSizingControlBar, pBar))
      rcBar = CRect(rcBar.TopLeft(), bHorz ? pSizingBar->sizeHorz : pSizingBar->sizeVert);
    if ((bHorz ? rcBar.left : rcBar.top) != nAlign)
    {
      CRect rcOld = rcBar;
      if (!bHorz)
        rcBar.OffsetRect(0, nAlign - rcBar.top - 2);
      else
        rcBar.OffsetRect(nAlign - rcBar.left, dockBarId == AFX_IDW_DOCKBAR_TOP ? -2 : 0);
      if (rcBar != rcOld)
      {
        pBar->MoveWindow(&rcBar);
        bMoved = TRUE;
      }
    }
    nAlign += (bHorz ? rcBar.Width() : rcBar.Height()) - 2;
  }
  if (bMoved)
    m_pDockSite->DelayRecalcLayout();
}
