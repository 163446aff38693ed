// Shared by the module tests: the library's module and text conversions for expected values.
#pragma once
#include <ZuntCtrl.h>

#include <string>

inline HMODULE CtrlModule() { return ::GetModuleHandleA("ZuntCtrl.dll"); }

// Expected texts are written as UTF-8 literals and converted here, independently of the
// resource compiler, to what the multi-byte library must see: CP932.
std::wstring Utf8ToWide(const char* pszUtf8);
std::string Utf8ToCp932(const char* pszUtf8);
std::string MenuItemText(HMENU hMenu, int nPosition);
