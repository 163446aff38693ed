// Dialog initialisation data: the initial items of a dialog template's list and combo boxes,
// kept beside the template as a DLGINIT resource of the same name, since dialog templates
// themselves cannot carry them. The framework's dialog class applies it while it initialises.
#pragma once
#include "AfxPlatform.h"

#ifndef RT_DLGINIT
#define RT_DLGINIT MAKEINTRESOURCE(240)
#endif

#ifndef ZUNTAFX_MFC_SURFACE
// Sends each entry's message to its control. TRUE also when the template has no such data;
// FALSE when a control is missing or refuses an item.
ZUNTAFX_API BOOL AFXAPI AfxExecuteDlgInit(HWND hDlg, LPCTSTR lpszResourceName);
ZUNTAFX_API BOOL AFXAPI AfxExecuteDlgInit(HWND hDlg, LPVOID lpResource);
#endif
