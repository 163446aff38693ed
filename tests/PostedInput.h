// Keyboard input posted to a window as the keyboard would deliver it, and what an edit shows:
// shared by the tests that drive fields through a dialog's message loop.
#pragma once
#include <afxwin.h>

#include <string>
#include <utility>

typedef std::pair<int, int> Sel;

inline void TypeText(HWND hWnd, const char* pszText)
{
  for (const char* pch = pszText; *pch != '\0'; ++pch)
    ::PostMessage(hWnd, WM_CHAR, static_cast<BYTE>(*pch), 1);
}

inline void PressKey(HWND hWnd, UINT nVirtualKey)
{
  ::PostMessage(hWnd, WM_KEYDOWN, nVirtualKey, 1);
  ::PostMessage(hWnd, WM_KEYUP, nVirtualKey, 0xC0000001);
}

inline std::string TextOf(HWND hWnd)
{
  char szText[1024] = "";
  ::GetWindowTextA(hWnd, szText, sizeof szText);
  return szText;
}

inline Sel SelectionOf(HWND hWndEdit)
{
  DWORD dwStart = 0, dwEnd = 0;
  ::SendMessage(hWndEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
  return {static_cast<int>(dwStart), static_cast<int>(dwEnd)};
}
