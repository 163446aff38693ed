// The entry point of ZuntCtrl.dll: an MFC extension library.
#include "ZuntModule.h"

#include <new>

namespace
{
HINSTANCE g_hModule = nullptr;
AFX_EXTENSION_MODULE g_extensionModule = {};
}

HINSTANCE AFXAPI GetZuntCtrlModuleHandle()
{
  return g_hModule;
}

// Runs under the loader lock: nothing beyond recording the module and joining the chain.
extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
  switch (dwReason)
  {
  case DLL_PROCESS_ATTACH:
    g_hModule = hInstance;
    AfxInitExtensionModule(g_extensionModule, hInstance);
    // Without it the library's dialogs and menu are found only if the host supplies them;
    // the load must not fail over that.
    new (std::nothrow) CDynLinkLibrary(g_extensionModule, FALSE);
    break;
  case DLL_PROCESS_DETACH:
    AfxTermExtensionModule(g_extensionModule, FALSE);
    break;
  }
  return TRUE;
}
