#include "AfxFrameWnd.h"
#include "AfxControlBar.h"
#include "AfxMenu.h"
#include "AfxModule.h"
#include "AfxMsgMap.h"
#include "AfxWinApp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
  ON_WM_SIZE()
  ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

const RECT CFrameWnd::rectDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

CFrameWnd::CFrameWnd() : m_bAutoMenuEnable(TRUE), m_hMenuDefault(nullptr), m_bInRecalcLayout(FALSE)
{
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
  if (cs.lpszClass == nullptr)
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  cs.style |= WS_CLIPCHILDREN;
  return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, void*)
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
                pParentWnd->GetSafeHwnd(), m_hMenuDefault, nullptr))
  {
    if (m_hMenuDefault != nullptr)
      ::DestroyMenu(m_hMenuDefault);
    return FALSE;
  }
  RecalcLayout();
  return TRUE;
}

void CFrameWnd::PostNcDestroy()
{
  delete this;
}

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

void CFrameWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, LPRECT lpRectClient)
{
  AFX_SIZEPARENTPARAMS layout = {};
  layout.bStretch = TRUE;
  GetClientRect(&layout.rect);
  layout.hDWP = ::BeginDeferWindowPos(8);
  HWND hWndLeftOver = nullptr;
  for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
       hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
  {
    UINT nID = static_cast<UINT>(::GetDlgCtrlID(hWndChild));
    if (nID == nIDLeftOver)
      hWndLeftOver = hWndChild;
    else if (nID >= nIDFirst && nID <= nIDLast)
      ::SendMessage(hWndChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
  }
  if (lpRectClient != nullptr)
    *lpRectClient = layout.rect;
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

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
  pBar->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
  if (!bDelay)
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
