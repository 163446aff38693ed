#include "LibraryText.h"

#include "ZuntModule.h"

CString LoadLibraryText(UINT nID, int nBufferLength)
{
  CString strText;
  const int nLength = ::LoadStringA(GetZuntCtrlModuleHandle(), nID, strText.GetBuffer(nBufferLength), nBufferLength);
  strText.ReleaseBuffer(nLength > 0 ? nLength : 0);
  return strText;
}
