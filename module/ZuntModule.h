// The library's own module: its handle and export macros.
#pragma once
#include <AfxPlatform.h>
#ifdef _WIN32
#include <afxext.h>
#endif

// ZuntCtrl.dll's instance handle, recorded by its entry point. Every string the library shows
// is loaded from this handle, never from the host's resource handle.
AFX_EXT_API HINSTANCE AFXAPI GetZuntCtrlModuleHandle();
