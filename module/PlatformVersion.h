// The version of the running system. The version calls of the Windows SDK are deprecated (and
// answer what the application's manifest allows); ntdll's own call reports the system as it is.
#pragma once
#include <afx.h>

struct SPlatformVersion
{
  bool bNT;  // false for the Windows 95 line
  DWORD dwMajor;
  DWORD dwMinor;
};

SPlatformVersion GetPlatformVersion();
