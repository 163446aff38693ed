// The native build's stand-in for the DLL's module: a fixed handle under which the library's
// Japanese string table is registered with the shim, so that the portable code loads its
// texts from "its own module" exactly as it does on Windows.
#include "ZuntModule.h"

#include "Resource.h"

namespace
{

struct StringEntry
{
  UINT nID;
  const char* pszUtf8;
};

const StringEntry kStrings[] = {
#include "NativeStrings.inc"
};

HINSTANCE const kModuleHandle = reinterpret_cast<HINSTANCE>(0x5A430000);

bool registerStrings()
{
  for (const StringEntry& entry : kStrings)
  {
    WCHAR wide[512];
    char text[1024];
    const int wideLength = ::MultiByteToWideChar(CP_UTF8, 0, entry.pszUtf8, -1, wide, 512);
    if (::WideCharToMultiByte(CP_ACP, 0, wide, wideLength, text, sizeof text, nullptr, nullptr) > 0)
      WinShimRegisterString(kModuleHandle, entry.nID, text);
  }
  return true;
}

const bool registered = registerStrings();

}  // namespace

HINSTANCE AFXAPI GetZuntCtrlModuleHandle()
{
  (void)registered;
  return kModuleHandle;
}
