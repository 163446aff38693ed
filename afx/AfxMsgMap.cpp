#include "AfxMsgMap.h"
#include "AfxDC.h"
#include "AfxMenu.h"

namespace
{
// The handler back in its own signature: the entry was built from exactly that type.
template <class TSignature>
TSignature Handler(AFX_PMSG pfn)
{
  return reinterpret_cast<TSignature>(pfn);
}

CWnd* Wnd(CCmdTarget* pTarget) { return static_cast<CWnd*>(pTarget); }

void Store(const AFX_DISPATCH_CALL& call, LRESULT lResult)
{
  if (call.pResult != nullptr)
    *call.pResult = lResult;
}

template <class T>
T* LParamAs(const AFX_DISPATCH_CALL& call)
{
  return reinterpret_cast<T*>(call.lParam);
}

CWnd* WndFromWParam(const AFX_DISPATCH_CALL& call) { return CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam)); }

CWnd* WndFromLParam(const AFX_DISPATCH_CALL& call) { return CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)); }

CDC* DCFromWParam(const AFX_DISPATCH_CALL& call) { return CDC::FromHandle(reinterpret_cast<HDC>(call.wParam)); }
}

namespace AfxSig
{
BOOL v_v(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL&)
{
  (p->*pfn)();
  return TRUE;
}

// The _EX handlers say whether they took the message.
BOOL b_v(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  BOOL bResult = (p->*Handler<BOOL (CCmdTarget::*)()>(pfn))();
  Store(call, bResult);
  return call.nMessage == WM_REFLECT_BASE + WM_COMMAND ? bResult : TRUE;
}

BOOL u_v(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  Store(call, (p->*Handler<UINT (CCmdTarget::*)()>(pfn))());
  return TRUE;
}

BOOL v_b(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (p->*Handler<void (CCmdTarget::*)(BOOL)>(pfn))(static_cast<BOOL>(call.wParam));
  return TRUE;
}

BOOL v_id(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (p->*Handler<void (CCmdTarget::*)(UINT)>(pfn))(call.nID);
  return TRUE;
}

BOOL v_cmdui(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  auto* pCmdUI = static_cast<CCmdUI*>(call.pExtra);
  (p->*Handler<void (CCmdTarget::*)(CCmdUI*)>(pfn))(pCmdUI);
  return !pCmdUI->m_bContinueRouting;
}

BOOL v_notify(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  auto* pNotify = static_cast<AFX_NOTIFY*>(call.pExtra);
  (p->*Handler<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(pNotify->pNMHDR, pNotify->pResult);
  return TRUE;
}

BOOL b_notify(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  auto* pNotify = static_cast<AFX_NOTIFY*>(call.pExtra);
  return (p->*Handler<BOOL (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(pNotify->pNMHDR, pNotify->pResult);
}

BOOL v_idnotify(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  auto* pNotify = static_cast<AFX_NOTIFY*>(call.pExtra);
  (p->*Handler<void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(call.nID, pNotify->pNMHDR, pNotify->pResult);
  return TRUE;
}

BOOL l_wl(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  Store(call, (Wnd(p)->*Handler<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pfn))(call.wParam, call.lParam));
  return TRUE;
}

BOOL i_create(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  Store(call, (Wnd(p)->*Handler<int (CWnd::*)(LPCREATESTRUCT)>(pfn))(LParamAs<CREATESTRUCT>(call)));
  return TRUE;
}

BOOL b_dc(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  Store(call, (Wnd(p)->*Handler<BOOL (CWnd::*)(CDC*)>(pfn))(DCFromWParam(call)));
  return TRUE;
}

BOOL v_uii(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(UINT, int, int)>(pfn))(
      static_cast<UINT>(call.wParam), static_cast<short>(LOWORD(call.lParam)), static_cast<short>(HIWORD(call.lParam)));
  return TRUE;
}

BOOL v_ii(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(int, int)>(pfn))(static_cast<short>(LOWORD(call.lParam)),
                                                    static_cast<short>(HIWORD(call.lParam)));
  return TRUE;
}

BOOL v_upt(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(UINT, CPoint)>(pfn))(static_cast<UINT>(call.wParam), CPoint(call.lParam));
  return TRUE;
}

BOOL v_key(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(UINT, UINT, UINT)>(pfn))(static_cast<UINT>(call.wParam), LOWORD(call.lParam),
                                                            HIWORD(call.lParam));
  return TRUE;
}

BOOL v_wpt(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(CWnd*, CPoint)>(pfn))(WndFromWParam(call), CPoint(call.lParam));
  return TRUE;
}

BOOL v_w(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(CWnd*)>(pfn))(WndFromWParam(call));
  return TRUE;
}

BOOL v_wl(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(CWnd*)>(pfn))(WndFromLParam(call));
  return TRUE;
}

BOOL v_urect(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(UINT, LPRECT)>(pfn))(static_cast<UINT>(call.wParam), LParamAs<RECT>(call));
  Store(call, TRUE);
  return TRUE;
}

BOOL b_setcursor(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  Store(call, (Wnd(p)->*Handler<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(pfn))(
                  WndFromWParam(call), static_cast<short>(LOWORD(call.lParam)), HIWORD(call.lParam)));
  return TRUE;
}

BOOL b_wheel(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  Store(call, (Wnd(p)->*Handler<BOOL (CWnd::*)(UINT, short, CPoint)>(pfn))(
                  LOWORD(call.wParam), static_cast<short>(HIWORD(call.wParam)), CPoint(call.lParam)));
  return TRUE;
}

// The pointer kinds differ by message (MINMAXINFO, WINDOWPOS, DRAWITEMSTRUCT...); the entry's
// macro fixed the exact one.
BOOL v_lparam(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(void*)>(pfn))(LParamAs<void>(call));
  return TRUE;
}

BOOL v_ilparam(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(int, void*)>(pfn))(static_cast<int>(call.wParam), LParamAs<void>(call));
  Store(call, TRUE);
  return TRUE;
}

BOOL i_ilparam(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  Store(call, (Wnd(p)->*Handler<int (CWnd::*)(int, void*)>(pfn))(static_cast<int>(call.wParam), LParamAs<void>(call)));
  return TRUE;
}

BOOL l_pt(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  Store(call, (Wnd(p)->*Handler<LRESULT (CWnd::*)(CPoint)>(pfn))(CPoint(call.lParam)));
  return TRUE;
}

BOOL v_bdw(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(BOOL, DWORD)>(pfn))(static_cast<BOOL>(call.wParam), static_cast<DWORD>(call.lParam));
  return TRUE;
}

BOOL v_scroll(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  auto* pScrollBar = reinterpret_cast<CScrollBar*>(WndFromLParam(call));
  (Wnd(p)->*Handler<void (CWnd::*)(UINT, UINT, CScrollBar*)>(pfn))(LOWORD(call.wParam), HIWORD(call.wParam),
                                                                   pScrollBar);
  return TRUE;
}

BOOL v_uu(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(UINT, UINT)>(pfn))(LOWORD(call.wParam), HIWORD(call.wParam));
  return TRUE;
}

BOOL v_bu(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(BOOL, UINT)>(pfn))(static_cast<BOOL>(call.wParam), static_cast<UINT>(call.lParam));
  return TRUE;
}

BOOL v_timer(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(UINT_PTR)>(pfn))(static_cast<UINT_PTR>(call.wParam));
  return TRUE;
}

BOOL v_bcalc(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*)>(pfn))(static_cast<BOOL>(call.wParam),
                                                                    LParamAs<NCCALCSIZE_PARAMS>(call));
  return TRUE;
}

BOOL v_usz(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(UINT, LPCTSTR)>(pfn))(static_cast<UINT>(call.wParam),
                                                         reinterpret_cast<LPCTSTR>(call.lParam));
  return TRUE;
}

BOOL v_activate(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(UINT, CWnd*, BOOL)>(pfn))(LOWORD(call.wParam), WndFromLParam(call),
                                                             HIWORD(call.wParam));
  return TRUE;
}

BOOL b_b(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  Store(call, (Wnd(p)->*Handler<BOOL (CWnd::*)(BOOL)>(pfn))(static_cast<BOOL>(call.wParam)));
  return TRUE;
}

BOOL h_ctlcolor(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  UINT nCtlColor = call.nMessage - WM_CTLCOLORMSGBOX;
  HBRUSH hBrush =
      (Wnd(p)->*Handler<HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>(pfn))(DCFromWParam(call), WndFromLParam(call), nCtlColor);
  Store(call, reinterpret_cast<LRESULT>(hBrush));
  return TRUE;
}

// A control that returns no brush leaves the colours to its parent.
BOOL h_ctlcolor_reflect(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  HBRUSH hBrush =
      (Wnd(p)->*Handler<HBRUSH (CWnd::*)(CDC*, UINT)>(pfn))(DCFromWParam(call), static_cast<UINT>(call.lParam));
  if (hBrush == nullptr)
    return FALSE;
  Store(call, reinterpret_cast<LRESULT>(hBrush));
  return TRUE;
}

BOOL v_initmenupopup(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(CMenu*, UINT, BOOL)>(pfn))(CMenu::FromHandle(reinterpret_cast<HMENU>(call.wParam)),
                                                              LOWORD(call.lParam), HIWORD(call.lParam));
  return TRUE;
}

BOOL v_ul(CCmdTarget* p, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call)
{
  (Wnd(p)->*Handler<void (CWnd::*)(UINT, LPARAM)>(pfn))(static_cast<UINT>(call.wParam), call.lParam);
  return TRUE;
}
}
