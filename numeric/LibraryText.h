// Texts of the menu and of the variable dialogs, loaded from the library's own module (never
// from the host's resources) into a fixed buffer, as the other strings of the table are.
#pragma once
#include <afx.h>

#include "ZuntModule.h"

enum { LIBRARY_TEXT_SHORT = 128, LIBRARY_TEXT_LONG = 256 };

// Empty when the string is missing; a longer text is cut to the buffer.
inline CString LoadLibraryText(UINT nID, int nBufferLength = LIBRARY_TEXT_SHORT)
{
  char buffer[LIBRARY_TEXT_LONG];
  if (nBufferLength > LIBRARY_TEXT_LONG || ::LoadStringA(GetZuntCtrlModuleHandle(), nID, buffer, nBufferLength) <= 0)
    return CString();
  return CString(buffer);
}
