// ZuntAfx.dll joins the resource chain as the system library, searched after every other module,
// so that hosts and libraries can override the framework's own texts.
#include "AfxModule.h"

namespace
{
AFX_EXTENSION_MODULE g_afxModule = {FALSE, nullptr, nullptr};
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
  if (dwReason == DLL_PROCESS_ATTACH)
  {
    if (!AfxInitExtensionModule(g_afxModule, hInstance))
      return FALSE;
    new CDynLinkLibrary(g_afxModule, TRUE);
  }
  else if (dwReason == DLL_PROCESS_DETACH)
  {
    AfxTermExtensionModule(g_afxModule);
  }
  return TRUE;
}
