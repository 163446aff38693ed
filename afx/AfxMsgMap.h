// Message-map macros. Each entry names its message (or command and code) and the dispatcher of
// its handler's signature; the handler is checked against that signature at compile time.
#pragma once
#include "AfxWnd.h"

class CDC;
class CScrollBar;

// One dispatcher per handler signature: it cracks the message and calls the handler.
namespace AfxSig
{
ZUNTAFX_API BOOL v_v(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);         // void ()
ZUNTAFX_API BOOL b_v(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);         // BOOL ()
ZUNTAFX_API BOOL u_v(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);         // UINT ()
ZUNTAFX_API BOOL v_b(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);         // void (BOOL) from wParam
ZUNTAFX_API BOOL v_id(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);        // void (UINT nID), command ranges
ZUNTAFX_API BOOL v_cmdui(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);     // void (CCmdUI*)
ZUNTAFX_API BOOL v_notify(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);    // void (NMHDR*, LRESULT*)
ZUNTAFX_API BOOL b_notify(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);    // BOOL (NMHDR*, LRESULT*)
ZUNTAFX_API BOOL v_idnotify(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);  // void (UINT, NMHDR*, LRESULT*)
ZUNTAFX_API BOOL l_wl(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);        // LRESULT (WPARAM, LPARAM)
ZUNTAFX_API BOOL i_create(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);    // int (LPCREATESTRUCT)
ZUNTAFX_API BOOL b_dc(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);        // BOOL (CDC*)
ZUNTAFX_API BOOL v_uii(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);       // void (UINT, int cx, int cy)
ZUNTAFX_API BOOL v_ii(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);        // void (int x, int y)
ZUNTAFX_API BOOL v_upt(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);       // void (UINT nFlags, CPoint)
ZUNTAFX_API BOOL v_key(CCmdTarget*, AFX_PMSG,
                       const AFX_DISPATCH_CALL&);  // void (UINT nChar, UINT nRepCnt, UINT nFlags)
ZUNTAFX_API BOOL v_wpt(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);    // void (CWnd*, CPoint)
ZUNTAFX_API BOOL v_w(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);      // void (CWnd*) from wParam
ZUNTAFX_API BOOL v_wl(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);     // void (CWnd*) from lParam
ZUNTAFX_API BOOL v_urect(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);  // void (UINT, LPRECT)
ZUNTAFX_API BOOL b_setcursor(CCmdTarget*, AFX_PMSG,
                             const AFX_DISPATCH_CALL&);                     // BOOL (CWnd*, UINT nHitTest, UINT message)
ZUNTAFX_API BOOL b_wheel(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);  // BOOL (UINT nFlags, short zDelta, CPoint)
ZUNTAFX_API BOOL v_lparam(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);   // void (T*) from lParam
ZUNTAFX_API BOOL v_ilparam(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);  // void (int nIDCtl, T*) from lParam
ZUNTAFX_API BOOL i_ilparam(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);  // int (int nIDCtl, T*) from lParam
ZUNTAFX_API BOOL l_pt(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);       // LRESULT (CPoint)
ZUNTAFX_API BOOL v_bdw(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);      // void (BOOL, DWORD)
ZUNTAFX_API BOOL v_scroll(CCmdTarget*, AFX_PMSG,
                          const AFX_DISPATCH_CALL&);                     // void (UINT nSBCode, UINT nPos, CScrollBar*)
ZUNTAFX_API BOOL v_uu(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);  // void (UINT, UINT)
ZUNTAFX_API BOOL v_bu(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);  // void (BOOL, UINT)
ZUNTAFX_API BOOL v_timer(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);  // void (UINT_PTR nIDEvent)
ZUNTAFX_API BOOL v_bcalc(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);  // void (BOOL, NCCALCSIZE_PARAMS*)
ZUNTAFX_API BOOL v_usz(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);    // void (UINT, LPCTSTR)
ZUNTAFX_API BOOL v_activate(CCmdTarget*, AFX_PMSG,
                            const AFX_DISPATCH_CALL&);                  // void (UINT nState, CWnd*, BOOL bMinimized)
ZUNTAFX_API BOOL b_b(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);  // BOOL (BOOL) from wParam
ZUNTAFX_API BOOL h_ctlcolor(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);  // HBRUSH (CDC*, CWnd*, UINT nCtlColor)
ZUNTAFX_API BOOL h_ctlcolor_reflect(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);  // HBRUSH (CDC*, UINT)
ZUNTAFX_API BOOL v_initmenupopup(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);     // void (CMenu*, UINT, BOOL)
ZUNTAFX_API BOOL v_ul(CCmdTarget*, AFX_PMSG, const AFX_DISPATCH_CALL&);                // void (UINT, LPARAM)
}

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }                                    \
  const AFX_MSGMAP* AFXAPI theClass::GetThisMessageMap()                                                               \
  {                                                                                                                    \
    using ThisClass [[maybe_unused]] = theClass;                                                                       \
    using TheBaseClass = baseClass;                                                                                    \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                              \
  {                                                                                                                    \
    0, 0, 0, 0, nullptr, nullptr, nullptr                                                                              \
  }                                                                                                                    \
  }                                                                                                                    \
  ;                                                                                                                    \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, _messageEntries};                            \
  return &messageMap;                                                                                                  \
  }

// The handler, given as &CClass::OnX, as the generic member pointer after checking it against
// its signature.
#define ZAFX_PMSG(signature, memberFxn) reinterpret_cast<AFX_PMSG>(static_cast<signature>(memberFxn))
#define ZAFX_ENTRY(message, dispatcher, signature, memberFxn)                                                          \
  {message, 0, 0, 0, nullptr, &AfxSig::dispatcher, ZAFX_PMSG(signature, memberFxn)},
// The ON_WM_ entries: a handler of a fixed name in the class whose map this is.
#define ZAFX_WM(message, dispatcher, signature, memberName)                                                            \
  ZAFX_ENTRY(message, dispatcher, signature, &ThisClass::memberName)

// Commands and control notifications.
#define ON_COMMAND(id, memberFxn)                                                                                      \
  {WM_COMMAND, CN_COMMAND, UINT(id), UINT(id), nullptr, &AfxSig::v_v, ZAFX_PMSG(void(CCmdTarget::*)(), memberFxn)},
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                                        \
  {WM_COMMAND,                                                                                                         \
   CN_COMMAND,                                                                                                         \
   UINT(id),                                                                                                           \
   UINT(idLast),                                                                                                       \
   nullptr,                                                                                                            \
   &AfxSig::v_id,                                                                                                      \
   ZAFX_PMSG(void(CCmdTarget::*)(UINT), memberFxn)},
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                            \
  {WM_COMMAND,                                                                                                         \
   UINT(CN_UPDATE_COMMAND_UI),                                                                                         \
   UINT(id),                                                                                                           \
   UINT(id),                                                                                                           \
   nullptr,                                                                                                            \
   &AfxSig::v_cmdui,                                                                                                   \
   ZAFX_PMSG(void(CCmdTarget::*)(CCmdUI*), memberFxn)},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                                              \
  {WM_COMMAND,                                                                                                         \
   UINT(CN_UPDATE_COMMAND_UI),                                                                                         \
   UINT(id),                                                                                                           \
   UINT(idLast),                                                                                                       \
   nullptr,                                                                                                            \
   &AfxSig::v_cmdui,                                                                                                   \
   ZAFX_PMSG(void(CCmdTarget::*)(CCmdUI*), memberFxn)},
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                                         \
  {WM_COMMAND,                                                                                                         \
   WORD(wNotifyCode),                                                                                                  \
   UINT(id),                                                                                                           \
   UINT(id),                                                                                                           \
   nullptr,                                                                                                            \
   &AfxSig::v_v,                                                                                                       \
   ZAFX_PMSG(void(CCmdTarget::*)(), memberFxn)},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                                           \
  {WM_COMMAND,                                                                                                         \
   WORD(wNotifyCode),                                                                                                  \
   UINT(id),                                                                                                           \
   UINT(idLast),                                                                                                       \
   nullptr,                                                                                                            \
   &AfxSig::v_id,                                                                                                      \
   ZAFX_PMSG(void(CCmdTarget::*)(UINT), memberFxn)},
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                          \
  {WM_NOTIFY,                                                                                                          \
   WORD(wNotifyCode),                                                                                                  \
   UINT(id),                                                                                                           \
   UINT(id),                                                                                                           \
   nullptr,                                                                                                            \
   &AfxSig::v_notify,                                                                                                  \
   ZAFX_PMSG(void(CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                                            \
  {WM_NOTIFY,                                                                                                          \
   WORD(wNotifyCode),                                                                                                  \
   UINT(id),                                                                                                           \
   UINT(idLast),                                                                                                       \
   nullptr,                                                                                                            \
   &AfxSig::v_idnotify,                                                                                                \
   ZAFX_PMSG(void(CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                                       \
  {WM_NOTIFY,                                                                                                          \
   WORD(wNotifyCode),                                                                                                  \
   UINT(id),                                                                                                           \
   UINT(id),                                                                                                           \
   nullptr,                                                                                                            \
   &AfxSig::b_notify,                                                                                                  \
   ZAFX_PMSG(BOOL(CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},

// Notifications the parent reflects back to the control that sent them. An _EX handler returns
// FALSE to let the parent handle the notification too.
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                                     \
  {WM_REFLECT_BASE + WM_COMMAND,                                                                                       \
   WORD(wNotifyCode),                                                                                                  \
   0,                                                                                                                  \
   0,                                                                                                                  \
   nullptr,                                                                                                            \
   &AfxSig::v_v,                                                                                                       \
   ZAFX_PMSG(void(CCmdTarget::*)(), memberFxn)},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                                                  \
  {WM_REFLECT_BASE + WM_COMMAND,                                                                                       \
   WORD(wNotifyCode),                                                                                                  \
   0,                                                                                                                  \
   0,                                                                                                                  \
   nullptr,                                                                                                            \
   &AfxSig::b_v,                                                                                                       \
   ZAFX_PMSG(BOOL(CCmdTarget::*)(), memberFxn)},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                                      \
  {WM_REFLECT_BASE + WM_NOTIFY,                                                                                        \
   WORD(wNotifyCode),                                                                                                  \
   0,                                                                                                                  \
   0,                                                                                                                  \
   nullptr,                                                                                                            \
   &AfxSig::v_notify,                                                                                                  \
   ZAFX_PMSG(void(CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                                   \
  {WM_REFLECT_BASE + WM_NOTIFY,                                                                                        \
   WORD(wNotifyCode),                                                                                                  \
   0,                                                                                                                  \
   0,                                                                                                                  \
   nullptr,                                                                                                            \
   &AfxSig::b_notify,                                                                                                  \
   ZAFX_PMSG(BOOL(CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
#define ON_WM_CTLCOLOR_REFLECT() /* HBRUSH CtlColor(CDC*, UINT); null lets the parent choose */                        \
  ZAFX_WM(WM_REFLECT_BASE + WM_CTLCOLOR, h_ctlcolor_reflect, HBRUSH(CWnd::*)(CDC*, UINT), CtlColor)
#define ON_WM_HSCROLL_REFLECT() /* void HScroll(UINT nSBCode, UINT nPos) */                                            \
  ZAFX_WM(WM_REFLECT_BASE + WM_HSCROLL, v_uu, void(CWnd::*)(UINT, UINT), HScroll)
#define ON_WM_VSCROLL_REFLECT() /* void VScroll(UINT nSBCode, UINT nPos) */                                            \
  ZAFX_WM(WM_REFLECT_BASE + WM_VSCROLL, v_uu, void(CWnd::*)(UINT, UINT), VScroll)

// Any message by number, and registered messages by the variable that holds their number.
#define ON_MESSAGE(message, memberFxn) /* LRESULT memberFxn(WPARAM, LPARAM) */                                         \
  ZAFX_ENTRY(message, l_wl, LRESULT (CWnd::*)(WPARAM, LPARAM), memberFxn)
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                                             \
  {0xC000,                                                                                                             \
   0,                                                                                                                  \
   0,                                                                                                                  \
   0,                                                                                                                  \
   static_cast<UINT*>(&nMessageVariable),                                                                              \
   &AfxSig::l_wl,                                                                                                      \
   ZAFX_PMSG(LRESULT(CWnd::*)(WPARAM, LPARAM), memberFxn)},

// Control notification shorthands.
#define ON_BN_CLICKED(id, memberFxn)       ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn)      ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn)     ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn)        ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn)        ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn)      ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn)     ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn)       ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn)    ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn)       ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn)     ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn)    ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn)    ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn)   ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn)   ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn)     ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn)      ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn)     ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn)    ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn)     ON_CONTROL(CBN_SELENDOK, id, memberFxn)

// Window messages: the handler each one calls, with its signature.
#define ON_WM_CREATE() /* int OnCreate(LPCREATESTRUCT) */                                                              \
  ZAFX_WM(WM_CREATE, i_create, int (CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_DESTROY()        /* void OnDestroy() */ ZAFX_WM(WM_DESTROY, v_v, void (CWnd::*)(), OnDestroy)
#define ON_WM_NCDESTROY()      /* void OnNcDestroy() */ ZAFX_WM(WM_NCDESTROY, v_v, void (CWnd::*)(), OnNcDestroy)
#define ON_WM_CLOSE()          /* void OnClose() */ ZAFX_WM(WM_CLOSE, v_v, void (CWnd::*)(), OnClose)
#define ON_WM_PAINT()          /* void OnPaint() */ ZAFX_WM(WM_PAINT, v_v, void (CWnd::*)(), OnPaint)
#define ON_WM_NCPAINT()        /* void OnNcPaint() */ ZAFX_WM(WM_NCPAINT, v_v, void (CWnd::*)(), OnNcPaint)
#define ON_WM_SYSCOLORCHANGE() /* void OnSysColorChange() */                                                           \
  ZAFX_WM(WM_SYSCOLORCHANGE, v_v, void (CWnd::*)(), OnSysColorChange)
#define ON_WM_CANCELMODE()      /* void OnCancelMode() */ ZAFX_WM(WM_CANCELMODE, v_v, void (CWnd::*)(), OnCancelMode)
#define ON_WM_MOUSELEAVE()      /* void OnMouseLeave() */ ZAFX_WM(WM_MOUSELEAVE, v_v, void (CWnd::*)(), OnMouseLeave)
#define ON_WM_QUERYENDSESSION() /* BOOL OnQueryEndSession() */                                                         \
  ZAFX_WM(WM_QUERYENDSESSION, b_v, BOOL (CWnd::*)(), OnQueryEndSession)
#define ON_WM_GETDLGCODE() /* UINT OnGetDlgCode() */ ZAFX_WM(WM_GETDLGCODE, u_v, UINT (CWnd::*)(), OnGetDlgCode)
#define ON_WM_ERASEBKGND() /* BOOL OnEraseBkgnd(CDC*) */                                                               \
  ZAFX_WM(WM_ERASEBKGND, b_dc, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_SIZE() /* void OnSize(UINT nType, int cx, int cy) */                                                     \
  ZAFX_WM(WM_SIZE, v_uii, void (CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_MOVE()   /* void OnMove(int x, int y) */ ZAFX_WM(WM_MOVE, v_ii, void (CWnd::*)(int, int), OnMove)
#define ON_WM_SIZING() /* void OnSizing(UINT fwSide, LPRECT pRect) */                                                  \
  ZAFX_WM(WM_SIZING, v_urect, void (CWnd::*)(UINT, LPRECT), OnSizing)
#define ON_WM_GETMINMAXINFO() /* void OnGetMinMaxInfo(MINMAXINFO*) */                                                  \
  ZAFX_WM(WM_GETMINMAXINFO, v_lparam, void (CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_WINDOWPOSCHANGING() /* void OnWindowPosChanging(WINDOWPOS*) */                                           \
  ZAFX_WM(WM_WINDOWPOSCHANGING, v_lparam, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() /* void OnWindowPosChanged(WINDOWPOS*) */                                             \
  ZAFX_WM(WM_WINDOWPOSCHANGED, v_lparam, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanged)
#define ON_WM_NCCALCSIZE() /* void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS*) */                           \
  ZAFX_WM(WM_NCCALCSIZE, v_bcalc, void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_NCHITTEST() /* LRESULT OnNcHitTest(CPoint ptScreen) */                                                   \
  ZAFX_WM(WM_NCHITTEST, l_pt, LRESULT (CWnd::*)(CPoint), OnNcHitTest)
#define ON_WM_SHOWWINDOW() /* void OnShowWindow(BOOL bShow, UINT nStatus) */                                           \
  ZAFX_WM(WM_SHOWWINDOW, v_bu, void (CWnd::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_ENABLE()   /* void OnEnable(BOOL bEnable) */ ZAFX_WM(WM_ENABLE, v_b, void (CWnd::*)(BOOL), OnEnable)
#define ON_WM_ACTIVATE() /* void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) */                          \
  ZAFX_WM(WM_ACTIVATE, v_activate, void (CWnd::*)(UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_ACTIVATEAPP() /* void OnActivateApp(BOOL bActive, DWORD dwThreadID) */                                   \
  ZAFX_WM(WM_ACTIVATEAPP, v_bdw, void (CWnd::*)(BOOL, DWORD), OnActivateApp)
#define ON_WM_NCACTIVATE() /* BOOL OnNcActivate(BOOL bActive) */                                                       \
  ZAFX_WM(WM_NCACTIVATE, b_b, BOOL (CWnd::*)(BOOL), OnNcActivate)
#define ON_WM_SETTINGCHANGE() /* void OnSettingChange(UINT uFlags, LPCTSTR lpszSection) */                             \
  ZAFX_WM(WM_SETTINGCHANGE, v_usz, void (CWnd::*)(UINT, LPCTSTR), OnSettingChange)
#define ON_WM_SETFOCUS() /* void OnSetFocus(CWnd* pOldWnd) */                                                          \
  ZAFX_WM(WM_SETFOCUS, v_w, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() /* void OnKillFocus(CWnd* pNewWnd) */                                                        \
  ZAFX_WM(WM_KILLFOCUS, v_w, void (CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_CAPTURECHANGED() /* void OnCaptureChanged(CWnd* pWnd) */                                                 \
  ZAFX_WM(WM_CAPTURECHANGED, v_wl, void (CWnd::*)(CWnd*), OnCaptureChanged)
#define ON_WM_SETCURSOR() /* BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) */                              \
  ZAFX_WM(WM_SETCURSOR, b_setcursor, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_CONTEXTMENU() /* void OnContextMenu(CWnd* pWnd, CPoint ptScreen) */                                      \
  ZAFX_WM(WM_CONTEXTMENU, v_wpt, void (CWnd::*)(CWnd*, CPoint), OnContextMenu)
#define ON_WM_TIMER() /* void OnTimer(UINT_PTR nIDEvent) */                                                            \
  ZAFX_WM(WM_TIMER, v_timer, void (CWnd::*)(UINT_PTR), OnTimer)
#define ON_WM_SYSCOMMAND() /* void OnSysCommand(UINT nID, LPARAM lParam) */                                            \
  ZAFX_WM(WM_SYSCOMMAND, v_ul, void (CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_INITMENUPOPUP() /* void OnInitMenuPopup(CMenu* pPopup, UINT nIndex, BOOL bSysMenu) */                    \
  ZAFX_WM(WM_INITMENUPOPUP, v_initmenupopup, void (CWnd::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)

#define ZAFX_KEY(message, memberFxn) /* void memberFxn(UINT nChar, UINT nRepCnt, UINT nFlags) */                       \
  ZAFX_WM(message, v_key, void (CWnd::*)(UINT, UINT, UINT), memberFxn)
#define ON_WM_KEYDOWN()    ZAFX_KEY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP()      ZAFX_KEY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR()       ZAFX_KEY(WM_CHAR, OnChar)
#define ON_WM_SYSKEYDOWN() ZAFX_KEY(WM_SYSKEYDOWN, OnSysKeyDown)

#define ZAFX_MOUSE(message, memberFxn) /* void memberFxn(UINT nFlags or nHitTest, CPoint) */                           \
  ZAFX_WM(message, v_upt, void (CWnd::*)(UINT, CPoint), memberFxn)
#define ON_WM_MOUSEMOVE()       ZAFX_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN()     ZAFX_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP()       ZAFX_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK()   ZAFX_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN()     ZAFX_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP()       ZAFX_MOUSE(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK()   ZAFX_MOUSE(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN()     ZAFX_MOUSE(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP()       ZAFX_MOUSE(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_NCMOUSEMOVE()     ZAFX_MOUSE(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN()   ZAFX_MOUSE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP()     ZAFX_MOUSE(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() ZAFX_MOUSE(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN()   ZAFX_MOUSE(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP()     ZAFX_MOUSE(WM_NCRBUTTONUP, OnNcRButtonUp)
#define ON_WM_MOUSEWHEEL()      /* BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint ptScreen) */                    \
  ZAFX_WM(WM_MOUSEWHEEL, b_wheel, BOOL (CWnd::*)(UINT, short, CPoint), OnMouseWheel)

#define ON_WM_HSCROLL() /* void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*) */                                     \
  ZAFX_WM(WM_HSCROLL, v_scroll, void (CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL() /* void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*) */                                     \
  ZAFX_WM(WM_VSCROLL, v_scroll, void (CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_CTLCOLOR() /* HBRUSH OnCtlColor(CDC*, CWnd*, UINT nCtlColor); every WM_CTLCOLOR* */                      \
  ZAFX_WM(WM_CTLCOLOR, h_ctlcolor, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_DRAWITEM() /* void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT) */                                           \
  ZAFX_WM(WM_DRAWITEM, v_ilparam, void (CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM() /* void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT) */                                  \
  ZAFX_WM(WM_MEASUREITEM, v_ilparam, void (CWnd::*)(int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_COMPAREITEM() /* int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT) */                                   \
  ZAFX_WM(WM_COMPAREITEM, i_ilparam, int (CWnd::*)(int, LPCOMPAREITEMSTRUCT), OnCompareItem)
#define ON_WM_DELETEITEM() /* void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT) */                                     \
  ZAFX_WM(WM_DELETEITEM, v_ilparam, void (CWnd::*)(int, LPDELETEITEMSTRUCT), OnDeleteItem)
