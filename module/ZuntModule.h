// The library's own module: its handle and export macros.
#pragma once
#include <afx.h>
#ifdef _WIN32
#include <afxext.h>
#endif

// ZuntCtrl.dll's instance handle, recorded by its entry point. The strings the library shows are
// loaded from this handle, never from the host's resource handle (the auto-hide strip's menu
// texts excepted: those a host may replace).
AFX_EXT_API HINSTANCE AFXAPI GetZuntCtrlModuleHandle();

// The library's one beep (MessageBeep); an observer, if set, sees each beep first, so that a
// test can count them.
typedef void(AFXAPI* ZUNT_BEEP_OBSERVER)(UINT uType);
AFX_EXT_API BOOL AFXAPI ZuntMessageBeep(UINT uType);
AFX_EXT_API ZUNT_BEEP_OBSERVER AFXAPI ZuntSetMessageBeepObserver(ZUNT_BEEP_OBSERVER pfnObserver);
