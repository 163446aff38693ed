#include "AfxFrameWnd.h"
#include "AfxHandleOf.h"
#include "AfxControlBar.h"
#include "AfxDockBar.h"
#include "AfxDockContext.h"
#include "AfxMiniFrameWnd.h"
#include "AfxMenu.h"
#include "AfxModule.h"
#include "AfxMsgMap.h"
#include "AfxWinApp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
  ON_WM_SIZE()
  ON_WM_INITMENUPOPUP()
  ON_MESSAGE(WM_IDLEUPDATECMDUI, &CFrameWnd::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

const RECT CFrameWnd::rectDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

CFrameWnd::CFrameWnd() : m_bAutoMenuEnable(TRUE), m_nIdleFlags(0), m_hMenuDefault(nullptr), m_bInRecalcLayout(FALSE) {}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
  if (cs.lpszClass == nullptr)
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  cs.style |= WS_CLIPCHILDREN;
  return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext*)
{
  if (lpszMenuName != nullptr)
  {
    m_hMenuDefault = ::LoadMenu(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName);
    if (m_hMenuDefault == nullptr)
      return FALSE;
  }
  // CW_USEDEFAULT is a position, not a size: the default rectangle passes it through.
  int cx = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
  int cy = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
  if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, cx, cy,
                ZuntAfx::HandleOf(pParentWnd), m_hMenuDefault, nullptr))
  {
    if (m_hMenuDefault != nullptr)
      ::DestroyMenu(m_hMenuDefault);
    return FALSE;
  }
  RecalcLayout();
  return TRUE;
}

void CFrameWnd::PostNcDestroy() { delete this; }

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
    return TRUE;
  CWinApp* pApp = AfxGetApp();
  return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CFrameWnd::RecalcLayout(BOOL)
{
  if (m_bInRecalcLayout)
    return;
  m_bInRecalcLayout = TRUE;
  RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
  m_bInRecalcLayout = FALSE;
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch)
{
  AFX_SIZEPARENTPARAMS layout = {};
  layout.bStretch = bStretch;
  if (lpRectClient != nullptr)
    layout.rect = *lpRectClient;
  else
    GetClientRect(&layout.rect);
  layout.hDWP = nFlag == reposQuery ? nullptr : ::BeginDeferWindowPos(8);
  HWND hWndLeftOver = nullptr;
  for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
  {
    UINT nID = static_cast<UINT>(::GetDlgCtrlID(hWndChild));
    if (nID == nIDLeftOver)
      hWndLeftOver = hWndChild;
    else if (nID >= nIDFirst && nID <= nIDLast)
      ::SendMessage(hWndChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
  }
  if (lpRectParam != nullptr)
    *lpRectParam = layout.rect;
  if (hWndLeftOver != nullptr && layout.hDWP != nullptr)
    layout.hDWP = ::DeferWindowPos(layout.hDWP, hWndLeftOver, nullptr, layout.rect.left, layout.rect.top,
                                   layout.rect.right - layout.rect.left, layout.rect.bottom - layout.rect.top,
                                   SWP_NOACTIVATE | SWP_NOZORDER);
  if (layout.hDWP != nullptr)
    ::EndDeferWindowPos(layout.hDWP);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
  return DYNAMIC_DOWNCAST(CControlBar, FromHandlePermanent(::GetDlgItem(m_hWnd, static_cast<int>(nID))));
}

// Delayed, the bar shows or hides with the next layout of its frame (the floating frame of a
// floating bar, which shows while it holds a visible bar).
void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
  CFrameWnd* pFrame = pBar->GetDockingFrame();
  if (pFrame == nullptr)
    pFrame = this;
  if (bDelay)
  {
    pBar->DelayShow(bShow);
    pFrame->DelayRecalcLayout();
    return;
  }
  pBar->m_nStateFlags &= ~(CControlBar::delayHide | CControlBar::delayShow);
  pBar->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
  pFrame->RecalcLayout();
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify) { m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0); }

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
  if (m_nIdleFlags & idleLayout)
    RecalcLayout((m_nIdleFlags & idleNotify) != 0);
  m_nIdleFlags = 0;
  for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;)
  {
    auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
    CFrameWnd* pFloatingFrame = pBar->IsFloating() ? pBar->GetDockingFrame() : nullptr;
    // A hidden floating frame still owes its delayed layout.
    if (pFloatingFrame != nullptr && (pFloatingFrame->IsWindowVisible() || (pFloatingFrame->m_nIdleFlags & idleLayout)))
    {
      pFloatingFrame->SendMessage(WM_IDLEUPDATECMDUI, wParam);
      pFloatingFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, wParam, 0, TRUE);
    }
  }
  return 0;
}

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
  if (m_listControlBars.Find(pBar) == nullptr)
    m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
  if (POSITION pos = m_listControlBars.Find(pBar))
    m_listControlBars.RemoveAt(pos);
}

namespace
{
// The dock bars in the order a bar without a wish tries them.
const struct
{
  UINT nID;
  DWORD dwStyle;
} kDockBars[] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT},
};
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
  for (const auto& dock : kDockBars)
  {
    if ((dwDockStyle & dock.dwStyle & CBRS_ALIGN_ANY) == 0 || GetControlBar(dock.nID) != nullptr)
      continue;
    auto* pDockBar = new CDockBar;
    pDockBar->m_bAutoDelete = TRUE;
    if (!pDockBar->Create(this, WS_VISIBLE | dock.dwStyle, dock.nID))
    {
      delete pDockBar;
      AfxThrowResourceException();
    }
  }
}

DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar)
{
  for (const auto& dock : kDockBars)
  {
    auto* pDockBar = DYNAMIC_DOWNCAST(CDockBar, GetControlBar(dock.nID));
    if (pDockBar == nullptr || (dwDockStyle & dock.dwStyle & CBRS_ALIGN_ANY) == 0)
      continue;
    // An empty dock bar still has its line along the frame's edge.
    CRect rcDockBar;
    pDockBar->GetWindowRect(&rcDockBar);
    if (rcDockBar.Width() == 0)
      rcDockBar.right++;
    if (rcDockBar.Height() == 0)
      rcDockBar.bottom++;
    if (rcDockBar.IntersectRect(&rcDockBar, &rect))
    {
      if (ppDockBar != nullptr)
        *ppDockBar = pDockBar;
      return dock.dwStyle & CBRS_ALIGN_ANY;
    }
  }
  return 0;
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
  CDockBar* pDockBar = nDockBarID != 0 ? DYNAMIC_DOWNCAST(CDockBar, GetControlBar(nDockBarID)) : nullptr;
  for (size_t i = 0; pDockBar == nullptr && nDockBarID == 0 && i < sizeof kDockBars / sizeof kDockBars[0]; ++i)
  {
    if (pBar->m_dwDockStyle & kDockBars[i].dwStyle & CBRS_ALIGN_ANY)
      pDockBar = DYNAMIC_DOWNCAST(CDockBar, GetControlBar(kDockBars[i].nID));
  }
  if (pDockBar != nullptr)
    DockControlBar(pBar, pDockBar, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
  if (pDockBar == nullptr || (pBar->m_dwDockStyle & pDockBar->m_dwStyle & CBRS_ALIGN_ANY) == 0)
    return;
  pDockBar->DockControlBar(pBar, lpRect);
  if (pBar->m_pDockContext != nullptr)
    pBar->m_pDockContext->m_uMRUDockID = static_cast<UINT>(pDockBar->GetDlgCtrlID());
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
  if (pBar->IsFloating() && pBar->m_pDockBar->GetDockedCount() == 1)
  {
    CFrameWnd* pFrame = pBar->GetDockingFrame();
    pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->RecalcLayout();
    return;
  }
  auto* pFrame = new CMiniDockFrameWnd;
  if (!pFrame->Create(this, dwStyle))
  {
    delete pFrame;
    AfxThrowResourceException();
  }
  pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  pFrame->m_wndDockBar.DockControlBar(pBar);
  pFrame->RecalcLayout();
  RecalcLayout();
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
  CWnd::OnSize(nType, cx, cy);
  if (nType != SIZE_MINIMIZED)
    RecalcLayout();
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
  if (bSysMenu)
    return;
  CCmdUI state;
  state.m_pMenu = pPopupMenu;
  state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
  for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
  {
    state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
    // Separators (0) and submenus (-1) have no command.
    if (state.m_nID != 0 && state.m_nID != static_cast<UINT>(-1))
      state.DoUpdate(this, m_bAutoMenuEnable);
  }
}
