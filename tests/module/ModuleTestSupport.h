// Shared by the module tests: the library's module and text conversions for expected values.
#pragma once
#include <ZuntCtrl.h>

#include "../TextCodes.h"

#include <string>

inline HMODULE CtrlModule() { return ::GetModuleHandleA("ZuntCtrl.dll"); }

// Expected texts are written as UTF-8 literals and converted here (and by cp932), independently
// of the resource compiler.
std::wstring Utf8ToWide(const char* pszUtf8);
std::string MenuItemText(HMENU hMenu, int nPosition);
