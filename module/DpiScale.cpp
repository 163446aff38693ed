#include "DpiScale.h"

namespace
{
// Windows 7 and 8 have neither function: the library loads them where they exist.
typedef UINT(WINAPI* DpiOfWindowFunction)(HWND);
typedef UINT(WINAPI* DpiOfSystemFunction)();

template <class Function>
Function User32Function(const char* pszName)
{
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), pszName)));
}

UINT ScreenDpi()
{
  HDC hdc = ::GetDC(nullptr);
  const UINT nDpi = hdc ? static_cast<UINT>(::GetDeviceCaps(hdc, LOGPIXELSY)) : 0;
  if (hdc)
    ::ReleaseDC(nullptr, hdc);
  return nDpi;
}
}  // namespace

CDpiScale CDpiScale::OfSystem()
{
  static const DpiOfSystemFunction pfnDpiOfSystem = User32Function<DpiOfSystemFunction>("GetDpiForSystem");
  return CDpiScale(pfnDpiOfSystem ? pfnDpiOfSystem() : ScreenDpi());
}

CDpiScale CDpiScale::OfWindow(HWND hWnd)
{
  static const DpiOfWindowFunction pfnDpiOfWindow = User32Function<DpiOfWindowFunction>("GetDpiForWindow");
  if (hWnd && pfnDpiOfWindow)
  {
    const UINT nDpi = pfnDpiOfWindow(hWnd);
    if (nDpi)
      return CDpiScale(nDpi);
  }
  return OfSystem();
}
