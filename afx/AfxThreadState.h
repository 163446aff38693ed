// What the framework keeps per user-interface thread: the handle maps, the window being created,
// the message being handled and the menu being tracked. Internal to ZuntAfx.dll.
#pragma once
#include "AfxWnd.h"
#include "AfxMenu.h"
#include "AfxDC.h"
#include "AfxHandleMap.h"

struct AFX_THREAD_STATE
{
  CHandleMap<CWnd, HWND, &CWnd::m_hWnd> m_wndMap;
  CHandleMap<CMenu, HMENU, &CMenu::m_hMenu> m_menuMap;
  CHandleMap<CDC, HDC, &CDC::m_hDC> m_dcMap;
  CHandleMap<CGdiObject, HGDIOBJ, &CGdiObject::m_hObject> m_gdiMap;

  CWnd* m_pWndInit = nullptr;  // bound to the next window created on this thread
  HHOOK m_hHookCbt = nullptr;
  MSG m_lastSentMsg = {};
  HMENU m_hTrackingMenu = nullptr;
};

AFX_THREAD_STATE& AfxGetThreadState();

// The creation hook: the next window created on this thread is bound to pWnd as it is created.
void AfxHookWindowCreate(CWnd* pWnd);
void AfxUnhookWindowCreate();
