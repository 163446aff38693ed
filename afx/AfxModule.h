// Modules and the resource chain: the application's instance and resource handles, extension
// DLLs and the CDynLinkLibrary objects through which their resources are found.
#pragma once
#include "AfxObject.h"

// The record an extension DLL keeps of itself; filled by AfxInitExtensionModule.
struct AFX_EXTENSION_MODULE
{
  BOOL bInitialized;
  HMODULE hModule;
  HMODULE hResource;
};

// One extension DLL in the framework's resource chain. Allocated by the DLL's entry point on its
// module record; AfxTermExtensionModule deletes it.
class ZUNTAFX_API CDynLinkLibrary : public CObject
{
public:
  explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
  ~CDynLinkLibrary() override;

  HMODULE m_hModule;
  HMODULE m_hResource;
  // System libraries are the framework's own; they are searched after all the others.
  BOOL m_bSystem;
  CDynLinkLibrary* m_pNextDLL;
};

ZUNTAFX_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
ZUNTAFX_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// The host executable's handles unless the application changes the resource handle.
ZUNTAFX_API HINSTANCE AFXAPI AfxGetInstanceHandle();
ZUNTAFX_API HINSTANCE AFXAPI AfxGetResourceHandle();
ZUNTAFX_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);

// The module that holds a resource: the application's resource handle first, then the
// libraries of the chain, newest first. Falls back to the application's resource handle.
ZUNTAFX_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
#ifndef ZUNTAFX_MFC_SURFACE
// The same search for string nID, which must be present (not just its block of sixteen).
ZUNTAFX_API HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID);
#endif
