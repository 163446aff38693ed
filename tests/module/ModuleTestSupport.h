// Shared by the module tests: the library's module, and cp932 for expected texts.
#pragma once
#include <ZuntCtrl.h>

#include "../TextCodes.h"

#include <string>

inline HMODULE CtrlModule() { return ::GetModuleHandleA("ZuntCtrl.dll"); }
