#include "AfxDlgInit.h"
#include "AfxModule.h"

#include <cstring>

namespace
{
// The resource compiler writes the add-string messages with their 16-bit values.
const WORD WIN16_LB_ADDSTRING = 0x0401;
const WORD WIN16_CB_ADDSTRING = 0x0403;

UINT ToWin32Message(WORD nMsg)
{
  switch (nMsg)
  {
  case WIN16_LB_ADDSTRING:
    return LB_ADDSTRING;
  case WIN16_CB_ADDSTRING:
    return CB_ADDSTRING;
  default:
    return 0;
  }
}

bool AddItem(HWND hDlg, WORD nIDC, UINT nMsg, const BYTE* pText)
{
  HWND hControl = ::GetDlgItem(hDlg, nIDC);
  if (hControl == nullptr)
    return false;
  // LB_ERR and CB_ERR are -1, LB_ERRSPACE and CB_ERRSPACE -2.
  LRESULT nIndex = ::SendMessage(hControl, nMsg, 0, reinterpret_cast<LPARAM>(pText));
  return nIndex >= 0;
}
}

BOOL AFXAPI AfxExecuteDlgInit(HWND hDlg, LPCTSTR lpszResourceName)
{
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_DLGINIT);
  HRSRC hResource = ::FindResource(hInst, lpszResourceName, RT_DLGINIT);
  if (hResource == nullptr)
    return TRUE;
  return AfxExecuteDlgInit(hDlg, ::LockResource(::LoadResource(hInst, hResource)));
}

// Entries: WORD control id, WORD message, DWORD length, the bytes of the item; a 0 id ends
// the list. Entries follow each other without alignment.
BOOL AFXAPI AfxExecuteDlgInit(HWND hDlg, LPVOID lpResource)
{
  const BYTE* pEntry = static_cast<const BYTE*>(lpResource);
  if (pEntry == nullptr)
    return TRUE;
  for (;;)
  {
    WORD nIDC, nMsg;
    DWORD dwLen;
    std::memcpy(&nIDC, pEntry, sizeof nIDC);
    if (nIDC == 0)
      return TRUE;
    std::memcpy(&nMsg, pEntry + 2, sizeof nMsg);
    std::memcpy(&dwLen, pEntry + 4, sizeof dwLen);
    pEntry += 8;
    UINT nWin32Msg = ToWin32Message(nMsg);
    if (nWin32Msg != 0 && !AddItem(hDlg, nIDC, nWin32Msg, pEntry))
      return FALSE;
    pEntry += dwLen;
  }
}
