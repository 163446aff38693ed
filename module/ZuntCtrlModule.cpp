// The entry point of ZuntCtrl.dll: an MFC extension library.
#include "ZuntModule.h"

#include <afxdllx.h>

namespace
{
HINSTANCE g_hModule = nullptr;
AFX_EXTENSION_MODULE g_extensionModule = {};
ZUNT_BEEP_OBSERVER g_pfnBeepObserver = nullptr;
}

HINSTANCE AFXAPI GetZuntCtrlModuleHandle() { return g_hModule; }

BOOL AFXAPI ZuntMessageBeep(UINT uType)
{
  if (g_pfnBeepObserver != nullptr)
    g_pfnBeepObserver(uType);
  return ::MessageBeep(uType);
}

ZUNT_BEEP_OBSERVER AFXAPI ZuntSetMessageBeepObserver(ZUNT_BEEP_OBSERVER pfnObserver)
{
  ZUNT_BEEP_OBSERVER pfnPrevious = g_pfnBeepObserver;
  g_pfnBeepObserver = pfnObserver;
  return pfnPrevious;
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
    // the load must not fail over that, whatever the framework's allocation failure throws.
    try
    {
      new CDynLinkLibrary(g_extensionModule, FALSE);
    }
    catch (...)
    {}
    break;
  case DLL_PROCESS_DETACH:
    AfxTermExtensionModule(g_extensionModule, FALSE);
    break;
  }
  return TRUE;
}
