// The application object of a window test program, with the common controls it uses registered.
#pragma once
#include <afxwin.h>

#include <commctrl.h>

class CCommonControlsTestApp : public CWinApp
{
public:
  CCommonControlsTestApp(const char* pszAppName, DWORD dwClasses) : CWinApp(pszAppName)
  {
    INITCOMMONCONTROLSEX controls = {sizeof controls, dwClasses | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
  }
};
