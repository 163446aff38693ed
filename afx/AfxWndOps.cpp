// CWnd's thin wrappers of window functions and its default message handlers.
#include "AfxWnd.h"
#include "AfxHandleOf.h"
#include "AfxDC.h"
#include "AfxFrameWnd.h"
#include "AfxModule.h"
#include "AfxMenu.h"
#include "AfxWinApp.h"

#include <cstdio>
#include <map>
#include <string>

int CWnd::SetDlgCtrlID(int nID) { return static_cast<int>(::SetWindowLongPtr(m_hWnd, GWLP_ID, nID)); }

CWnd* CWnd::GetOwner() const { return m_hWndOwner != nullptr ? FromHandle(m_hWndOwner) : GetParent(); }

CWnd* CWnd::GetTopLevelParent() const
{
  HWND hWnd = m_hWnd;
  while (hWnd != nullptr && (::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD) != 0)
    hWnd = ::GetParent(hWnd);
  return FromHandle(hWnd);
}

CFrameWnd* CWnd::GetParentFrame() const
{
  for (HWND hWnd = ::GetParent(m_hWnd); hWnd != nullptr; hWnd = ::GetParent(hWnd))
  {
    if (auto* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, FromHandlePermanent(hWnd)))
      return pFrame;
  }
  return nullptr;
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
  return FromHandle(::GetNextDlgTabItem(m_hWnd, ZuntAfx::HandleOf(pWndCtl), bPrevious));
}

CWnd* CWnd::ChildWindowFromPoint(POINT point, UINT nFlags) const
{
  return FromHandle(::ChildWindowFromPointEx(m_hWnd, point, nFlags));
}

namespace
{
BOOL ModifyStyleBits(HWND hWnd, int nStyleOffset, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
  DWORD dwStyle = static_cast<DWORD>(::GetWindowLongPtr(hWnd, nStyleOffset));
  DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
  if (dwStyle == dwNewStyle)
    return FALSE;
  ::SetWindowLongPtr(hWnd, nStyleOffset, static_cast<LONG_PTR>(dwNewStyle));
  if (nFlags != 0)
    ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
  return TRUE;
}
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
  return ModifyStyleBits(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
  return ModifyStyleBits(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
{
  return ::GetWindowText(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const
{
  int nLength = ::GetWindowTextLength(m_hWnd);
  ::GetWindowText(m_hWnd, rString.GetBufferSetLength(nLength), nLength + 1);
  rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
  HWND hWndItem = ::GetDlgItem(m_hWnd, nID);
  rString.Empty();
  if (hWndItem != nullptr)
    FromHandle(hWndItem)->GetWindowText(rString);
  return rString.GetLength();
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
  return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

CFont* CWnd::GetFont() const { return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT))); }

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(ZuntAfx::HandleOf(pFont)), bRedraw);
}

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }

BOOL CWnd::SetMenu(CMenu* pMenu) { return ::SetMenu(m_hWnd, ZuntAfx::HandleOf(pMenu)); }

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert)); }

void CWnd::ClientToScreen(LPRECT lpRect) const
{
  ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
{
  ::MapWindowPoints(m_hWnd, ZuntAfx::HandleOf(pwndTo), lpPoint, nCount);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
{
  ::MapWindowPoints(m_hWnd, ZuntAfx::HandleOf(pwndTo), reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
  ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
  MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd(HWND hWndSpecial) : m_hWnd(hWndSpecial), m_pfnSuper(nullptr), m_hWndOwner(nullptr) {}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
  return ::SetWindowPos(m_hWnd, ZuntAfx::HandleOf(pWndInsertAfter), x, y, cx, cy, nFlags);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const
{
  lpwndpl->length = sizeof(WINDOWPLACEMENT);
  return ::GetWindowPlacement(m_hWnd, lpwndpl);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
  RECT rcArea;
  HWND hWndCenter = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
  if ((GetStyle() & WS_CHILD) != 0)
    hWndCenter = ::GetParent(m_hWnd);
  if (hWndCenter != nullptr && (GetStyle() & WS_CHILD) != 0)
    ::GetClientRect(hWndCenter, &rcArea);
  else if (hWndCenter != nullptr && ::IsWindowVisible(hWndCenter) && !::IsIconic(hWndCenter))
    ::GetWindowRect(hWndCenter, &rcArea);
  else
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rcArea, 0);
  CRect rcWindow;
  GetWindowRect(&rcWindow);
  int x = (rcArea.left + rcArea.right - rcWindow.Width()) / 2;
  int y = (rcArea.top + rcArea.bottom - rcWindow.Height()) / 2;
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* pRgnUpdate, UINT flags)
{
  return ::RedrawWindow(m_hWnd, lpRectUpdate, static_cast<HRGN>(ZuntAfx::HandleOf(pRgnUpdate)), flags);
}

void CWnd::InvalidateRgn(CRgn* pRgn, BOOL bErase)
{
  ::InvalidateRgn(m_hWnd, static_cast<HRGN>(ZuntAfx::HandleOf(pRgn)), bErase);
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }

CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }

int CWnd::ReleaseDC(CDC* pDC) { return ::ReleaseDC(m_hWnd, ZuntAfx::HandleOf(pDC)); }

CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint) { return CDC::FromHandle(::BeginPaint(m_hWnd, lpPaint)); }

void CWnd::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect)
{
  ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect);
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) const
{
  lpScrollInfo->cbSize = sizeof(SCROLLINFO);
  lpScrollInfo->fMask = nMask;
  return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
  lpScrollInfo->cbSize = sizeof(SCROLLINFO);
  ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
  return TRUE;
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
{
  ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
  ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
  return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

// Every control wrapper sends through here: a wrapper of no window is the caller's mistake.
LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
  ASSERT(::IsWindow(m_hWnd));
  return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
  return ::PostMessage(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep)
{
  for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
  {
    ::SendMessage(hWndChild, message, wParam, lParam);
    if (bDeep && ::GetTopWindow(hWndChild) != nullptr)
      FromHandle(hWndChild)->SendMessageToDescendants(message, wParam, lParam, bDeep);
  }
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
  CWinApp* pApp = AfxGetApp();
  if (lpszCaption == nullptr && pApp != nullptr)
    lpszCaption = pApp->m_pszAppName;
  return ::MessageBox(m_hWnd, lpszText, lpszCaption, nType);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
  return ::SendDlgItemMessage(m_hWnd, nID, message, wParam, lParam);
}

void CWnd::CheckRadioButton(int nIDFirst, int nIDLast, int nIDCheck)
{
  ::CheckRadioButton(m_hWnd, nIDFirst, nIDLast, nIDCheck);
}

// Window classes by their attributes: "Afx:<instance>:<style>:<cursor>:<brush>:<icon>".
LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
  static std::map<std::string, std::string> registered;
  HINSTANCE hInstance = AfxGetInstanceHandle();
  char szName[96];
  std::snprintf(szName, sizeof szName, "Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInstance), nClassStyle,
                static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
  auto found = registered.find(szName);
  if (found != registered.end())
    return found->second.c_str();
  WNDCLASS wc = {};
  if (!::GetClassInfo(hInstance, szName, &wc))
  {
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProc;  // windows of the class are subclassed as they are created
    wc.hInstance = hInstance;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = szName;
    if (!::RegisterClass(&wc))
      AfxThrowResourceException();
  }
  return registered.emplace(szName, szName).first->second.c_str();
}

// Default handlers: the message goes on to the window procedure below ours.
int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnNcPaint() { Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnMouseLeave() { Default(); }
BOOL CWnd::OnQueryEndSession() { return static_cast<BOOL>(Default()); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnSizing(UINT, LPRECT) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return static_cast<BOOL>(Default()); }
void CWnd::OnSettingChange(UINT, LPCTSTR) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonUp(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) { Default(); }
void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT) { Default(); }
int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT) { Default(); }

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
  DWORD dwExStyle = GetExStyle();
  if (nAdjustType == adjustBorder)
    dwExStyle &= ~WS_EX_CLIENTEDGE;
  ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent) { return FromHandle(::SetParent(m_hWnd, ZuntAfx::HandleOf(pWndNewParent))); }

void CWnd::SetOwner(CWnd* pOwnerWnd) { m_hWndOwner = ZuntAfx::HandleOf(pOwnerWnd); }

BOOL CWnd::IsChild(const CWnd* pWnd) const { return ::IsChild(m_hWnd, ZuntAfx::HandleOf(pWnd)); }
