// Texts of the library's own string table, loaded from its module (never from the host's
// resources) into a buffer of a fixed length, as the library's strings are (only the auto-hide
// strip's menu texts go along the resource chain).
#pragma once
#include <afx.h>

// The buffer lengths, by what the text is for.
enum
{
  LIBRARY_TEXT_UNIT = 32,    // unit names
  LIBRARY_TEXT_SHORT = 128,  // menu texts, the add-variable messages
  LIBRARY_TEXT_LONG = 256,   // formats, range messages, questions
  LIBRARY_TEXT_PATH = 260    // the folder prompt
};

// Empty when the string is missing; a longer text is cut to the buffer.
CString LoadLibraryText(UINT nID, int nBufferLength = LIBRARY_TEXT_SHORT);
