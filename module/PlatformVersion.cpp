#include "PlatformVersion.h"

SPlatformVersion GetPlatformVersion()
{
  using RtlGetVersionProc = LONG(WINAPI*)(OSVERSIONINFOW*);
  const HMODULE hNtDll = ::GetModuleHandleA("ntdll.dll");
  const auto pfnGetVersion =
      hNtDll ? reinterpret_cast<RtlGetVersionProc>(::GetProcAddress(hNtDll, "RtlGetVersion")) : nullptr;
  OSVERSIONINFOW info = {};
  info.dwOSVersionInfoSize = sizeof info;
  // Only the Windows 95 line lacks the call; it is taken for its first version.
  if (pfnGetVersion == nullptr || pfnGetVersion(&info) != 0)
    return {false, 4, 0};
  return {info.dwPlatformId == VER_PLATFORM_WIN32_NT, info.dwMajorVersion, info.dwMinorVersion};
}
