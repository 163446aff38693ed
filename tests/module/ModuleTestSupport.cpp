#include "ModuleTestSupport.h"

std::wstring Utf8ToWide(const char* pszUtf8)
{
  int nLength = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, pszUtf8, -1, nullptr, 0);
  std::wstring wide(nLength, L'\0');
  ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, pszUtf8, -1, &wide[0], nLength);
  wide.resize(nLength - 1);
  return wide;
}

std::string MenuItemText(HMENU hMenu, int nPosition)
{
  char szText[128] = {};
  ::GetMenuStringA(hMenu, nPosition, szText, sizeof szText, MF_BYPOSITION);
  return szText;
}
