#include "AfxWnd.h"
#include "AfxHandleOf.h"
#include "AfxDataExchange.h"
#include "AfxFrameWnd.h"
#include "AfxMsgMap.h"
#include "AfxModule.h"
#include "AfxThreadState.h"
#include "AfxWinApp.h"

LRESULT CALLBACK ZAfxCbtHook(int nCode, WPARAM wParam, LPARAM lParam);

namespace
{
// A command UI that only records whether the command is enabled.
class CTestCmdUI : public CCmdUI
{
public:
  void Enable(BOOL bOn) override
  {
    m_bEnabled = bOn;
    m_bEnableChanged = TRUE;
  }
  void SetCheck(int) override {}
  void SetRadio(BOOL) override {}
  void SetText(LPCTSTR) override {}
  BOOL m_bEnabled = TRUE;
};

bool IsCtlColor(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

// The window procedure a handle had before ours, never ours: a class registered with ours as
// its procedure gets the system's default below it.
WNDPROC SubclassedProc(HWND hWnd)
{
  auto pfnOld =
      reinterpret_cast<WNDPROC>(::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
  return pfnOld == &AfxWndProc ? &::DefWindowProc : pfnOld;
}
}

void AfxHookWindowCreate(CWnd* pWnd)
{
  AFX_THREAD_STATE& state = AfxGetThreadState();
  if (state.m_hHookCbt == nullptr)
    state.m_hHookCbt = ::SetWindowsHookEx(WH_CBT, &ZAfxCbtHook, nullptr, ::GetCurrentThreadId());
  if (state.m_hHookCbt == nullptr)
    AfxThrowMemoryException();
  state.m_pWndInit = pWnd;
}

void AfxUnhookWindowCreate()
{
  AFX_THREAD_STATE& state = AfxGetThreadState();
  state.m_pWndInit = nullptr;
  if (state.m_hHookCbt != nullptr)
  {
    ::UnhookWindowsHookEx(state.m_hHookCbt);
    state.m_hHookCbt = nullptr;
  }
}

namespace
{
// After the last message: the handle leaves the map, then the object may delete itself. The
// end of the main window is the end of the thread's message loop.
void FinishNcDestroy(CWnd* pWnd, HWND hWnd)
{
  if (pWnd->m_hWnd != hWnd)
    return;
  CWinThread* pThread = AfxGetThread();
  if (pThread != nullptr && pThread->m_pMainWnd == pWnd)
  {
    pThread->m_pMainWnd = nullptr;
    ::PostQuitMessage(0);
  }
  pWnd->UnsubclassWindow();
  pWnd->PostNcDestroy();
}

// An exception may not cross the system's window procedure. The user was told of a failed
// data exchange already; other framework exceptions are reported with their own text.
LRESULT ProcessWndProcException(CException* e, const MSG& msg)
{
  char szMessage[512];
  if (!e->IsKindOf(RUNTIME_CLASS(CUserException)) && e->GetErrorMessage(szMessage, sizeof szMessage))
    AfxMessageBox(szMessage, MB_ICONEXCLAMATION);
  e->Delete();
  if (msg.message == WM_CREATE || msg.message == WM_NCCREATE)
    return msg.message == WM_CREATE ? -1 : FALSE;
  if (msg.message == WM_PAINT)
    ::ValidateRect(msg.hwnd, nullptr);
  return 0;
}

LRESULT CallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
  AFX_THREAD_STATE& state = AfxGetThreadState();
  MSG previous = state.m_lastSentMsg;
  state.m_lastSentMsg = {hWnd, nMsg, wParam, lParam, 0, {0, 0}};
  LRESULT lResult;
  try
  {
    lResult = pWnd->WindowProc(nMsg, wParam, lParam);
  }
  catch (CException* e)
  {
    lResult = ProcessWndProcException(e, state.m_lastSentMsg);
  }
  if (nMsg == WM_NCDESTROY)
    FinishNcDestroy(pWnd, hWnd);
  state.m_lastSentMsg = previous;
  return lResult;
}
}

LRESULT CALLBACK ZAfxCbtHook(int nCode, WPARAM wParam, LPARAM lParam)
{
  AFX_THREAD_STATE& state = AfxGetThreadState();
  if (nCode == HCBT_CREATEWND && state.m_pWndInit != nullptr)
  {
    // Consumed at once: windows the new one creates while it is made are not ours.
    CWnd* pWnd = state.m_pWndInit;
    state.m_pWndInit = nullptr;
    pWnd->bindSubclass(reinterpret_cast<HWND>(wParam));
  }
  return ::CallNextHookEx(state.m_hHookCbt, nCode, wParam, lParam);
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  if (pWnd == nullptr)
    return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
  return CallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::CWnd() : m_hWnd(nullptr), m_pfnSuper(nullptr), m_hWndOwner(nullptr) {}

CWnd::~CWnd()
{
  if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
    DestroyWindow();
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) { return AfxGetThreadState().m_wndMap.FromHandle(hWnd); }

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) { return AfxGetThreadState().m_wndMap.LookupPermanent(hWnd); }

void PASCAL CWnd::DeleteTempMap() { AfxGetThreadState().m_wndMap.DeleteTemp(); }

BOOL CWnd::Attach(HWND hWndNew) { return AfxGetThreadState().m_wndMap.Attach(this, hWndNew); }

HWND CWnd::Detach() { return AfxGetThreadState().m_wndMap.Detach(this); }

void CWnd::bindSubclass(HWND hWnd)
{
  Attach(hWnd);
  PreSubclassWindow();
  m_pfnSuper = SubclassedProc(hWnd);
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
  if (cs.lpszClass == nullptr)
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
  return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext*)
{
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
  return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, ZuntAfx::HandleOf(pParentWnd),
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
  ASSERT(m_hWnd == nullptr);
  CREATESTRUCT cs = {lpParam, AfxGetInstanceHandle(),     nIDorHMenu,     hWndParent,    nHeight,  nWidth, y,
                     x,       static_cast<LONG>(dwStyle), lpszWindowName, lpszClassName, dwExStyle};
  if (!PreCreateWindow(cs))
  {
    PostNcDestroy();
    return FALSE;
  }
  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                               cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  AfxUnhookWindowCreate();
  // A window refused in WM_NCCREATE or WM_CREATE was already unbound at its WM_NCDESTROY.
  return hWnd != nullptr;
}

BOOL CWnd::DestroyWindow()
{
  if (m_hWnd == nullptr)
    return FALSE;
  bool bPermanent = FromHandlePermanent(m_hWnd) == this;
  HWND hWnd = m_hWnd;
  BOOL bResult = ::DestroyWindow(hWnd);
  // A window that was never bound gets no WM_NCDESTROY of ours to unbind it.
  if (!bPermanent && m_hWnd == hWnd)
    Detach();
  return bResult;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
  if (!::IsWindow(hWnd) || FromHandlePermanent(hWnd) != nullptr)
    return FALSE;
  bindSubclass(hWnd);
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
  HWND hWndControl = ::GetDlgItem(ZuntAfx::HandleOf(pParent), static_cast<int>(nID));
  return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
  // Someone who subclassed after us keeps our procedure below theirs; we leave it in place.
  if (m_pfnSuper != nullptr && reinterpret_cast<WNDPROC>(::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC)) == &AfxWndProc)
    ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  m_pfnSuper = nullptr;
  return Detach();
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  LRESULT lResult = 0;
  if (!OnWndMsg(message, wParam, lParam, &lResult))
    lResult = DefWindowProc(message, wParam, lParam);
  return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  if (m_pfnSuper != nullptr)
    return ::CallWindowProc(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
  const MSG& msg = AfxGetThreadState().m_lastSentMsg;
  return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage() { return &AfxGetThreadState().m_lastSentMsg; }

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
  LRESULT lResult = 0;
  BOOL bHandled;
  if (message == WM_COMMAND)
  {
    bHandled = OnCommand(wParam, lParam);
    lResult = 1;
  }
  else if (message == WM_NOTIFY)
  {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    bHandled = pNMHDR != nullptr && pNMHDR->hwndFrom != nullptr && OnNotify(wParam, lParam, &lResult);
  }
  else
  {
    bHandled =
        offerToSender(message, wParam, lParam, &lResult) || dispatchWindowMessage(message, wParam, lParam, &lResult);
  }
  if (bHandled && pResult != nullptr)
    *pResult = lResult;
  return bHandled;
}

BOOL CWnd::dispatchWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
  UINT nKey = IsCtlColor(message) ? WM_CTLCOLOR : message;
  const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(GetMessageMap(), nKey, 0, 0);
  if (pEntry == nullptr)
    return FALSE;
  AFX_DISPATCH_CALL call = {message, wParam, lParam, 0, nullptr, pResult};
  return pEntry->pfnDispatch(this, pEntry->pfn, call);
}

namespace
{
BOOL OfferToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
  CWnd* pChild = CWnd::FromHandlePermanent(hWndChild);
  return pChild != nullptr && pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL DrawMenuItem(LPDRAWITEMSTRUCT lpDrawItemStruct, LRESULT* pResult)
{
  CMenu* pMenu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(lpDrawItemStruct->hwndItem));
  if (pMenu == nullptr)
    return FALSE;
  pMenu->DrawItem(lpDrawItemStruct);
  *pResult = TRUE;
  return TRUE;
}

// WM_MEASUREITEM names only the item: it is looked for in the tracked menu, then the window's.
BOOL MeasureMenuItem(HWND hWnd, LPMEASUREITEMSTRUCT lpMeasureItemStruct, LRESULT* pResult)
{
  for (HMENU hMenu : {CMenu::GetTrackingMenu(), ::GetMenu(hWnd)})
  {
    CMenu* pMenu =
        hMenu != nullptr ? CMenu::FromHandle(hMenu)->FindPopupMenuFromID(lpMeasureItemStruct->itemID) : nullptr;
    if (pMenu != nullptr)
    {
      pMenu->MeasureItem(lpMeasureItemStruct);
      *pResult = TRUE;
      return TRUE;
    }
  }
  return FALSE;
}
}

BOOL CWnd::offerToSender(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
  // Every message offered names its sender through lParam, directly or in a structure.
  if (lParam == 0)
    return FALSE;
  HWND hWndSender = nullptr;
  switch (message)
  {
  case WM_DRAWITEM: {
    auto* lpDraw = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
    if (lpDraw->CtlType == ODT_MENU)
      return DrawMenuItem(lpDraw, pResult);
    hWndSender = lpDraw->hwndItem;
    break;
  }
  case WM_MEASUREITEM: {
    auto* lpMeasure = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
    if (lpMeasure->CtlType == ODT_MENU)
      return MeasureMenuItem(m_hWnd, lpMeasure, pResult);
    hWndSender = ::GetDlgItem(m_hWnd, static_cast<int>(lpMeasure->CtlID));
    break;
  }
  case WM_COMPAREITEM:
    hWndSender = reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)->hwndItem;
    break;
  case WM_DELETEITEM:
    hWndSender = reinterpret_cast<LPDELETEITEMSTRUCT>(lParam)->hwndItem;
    break;
  case WM_HSCROLL:
  case WM_VSCROLL:
    hWndSender = reinterpret_cast<HWND>(lParam);
    break;
  default:
    if (!IsCtlColor(message))
      return FALSE;
    hWndSender = reinterpret_cast<HWND>(lParam);
    break;
  }
  return hWndSender != nullptr && OfferToChild(hWndSender, message, wParam, lParam, pResult);
}

BOOL CWnd::isCommandEnabled(UINT nID)
{
  CTestCmdUI state;
  state.m_nID = nID;
  OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
  return state.m_bEnabled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
  UINT nID = LOWORD(wParam);
  HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
  int nCode = HIWORD(wParam);
  if (hWndCtrl == nullptr)
  {
    // A menu item or an accelerator: a command disabled meanwhile is dropped.
    if (!isCommandEnabled(nID))
      return TRUE;
    nCode = CN_COMMAND;
  }
  else if (OfferToChild(hWndCtrl, WM_COMMAND, wParam, lParam, nullptr))
  {
    return TRUE;
  }
  return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
  auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
  if (OfferToChild(pNMHDR->hwndFrom, WM_NOTIFY, wParam, lParam, pResult))
    return TRUE;
  AFX_NOTIFY notify = {pResult, pNMHDR};
  return OnCmdMsg(static_cast<UINT>(pNMHDR->idFrom), MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
  return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
  switch (message)
  {
  case WM_COMMAND:
    return dispatchCommand(WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0, nullptr, nullptr);
  case WM_NOTIFY: {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    AFX_NOTIFY notify = {pResult, pNMHDR};
    return dispatchCommand(WM_REFLECT_BASE + WM_NOTIFY, LOWORD(pNMHDR->code), 0, &notify, nullptr);
  }
  default:
    if (IsCtlColor(message))
      return dispatchWindowMessage(WM_REFLECT_BASE + WM_CTLCOLOR, wParam, message - WM_CTLCOLORMSGBOX, pResult);
    return dispatchWindowMessage(WM_REFLECT_BASE + message, wParam, lParam, pResult);
  }
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
  for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd))
  {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
      return TRUE;
    bool bTopLevel = (::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD) == 0;
    if (hWnd == hWndStop || bTopLevel)
      break;
  }
  return FALSE;
}
