// The PE images: the library's export directory and the host's import of it.
#include "ModuleTestSupport.h"

#include <gtest/gtest.h>

namespace
{
template <class T>
const T* AtRva(HMODULE hModule, DWORD dwRva)
{
  return reinterpret_cast<const T*>(reinterpret_cast<const BYTE*>(hModule) + dwRva);
}

const IMAGE_DATA_DIRECTORY& Directory(HMODULE hModule, int nEntry)
{
  auto pNt = AtRva<IMAGE_NT_HEADERS>(hModule, AtRva<IMAGE_DOS_HEADER>(hModule, 0)->e_lfanew);
  return pNt->OptionalHeader.DataDirectory[nEntry];
}

bool ImportsModule(HMODULE hModule, const char* pszName)
{
  DWORD dwImports = Directory(hModule, IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress;
  for (auto pImport = AtRva<IMAGE_IMPORT_DESCRIPTOR>(hModule, dwImports); pImport->Name != 0; ++pImport)
  {
    if (lstrcmpiA(AtRva<char>(hModule, pImport->Name), pszName) == 0)
      return true;
  }
  return false;
}
}

TEST(ModuleImage, ExportsNameZuntControlAndTheHostImportsTheFileName)
{
  const IMAGE_DATA_DIRECTORY& exports = Directory(CtrlModule(), IMAGE_DIRECTORY_ENTRY_EXPORT);
  ASSERT_NE(exports.VirtualAddress, 0u);
  auto pExports = AtRva<IMAGE_EXPORT_DIRECTORY>(CtrlModule(), exports.VirtualAddress);
  EXPECT_STREQ(AtRva<char>(CtrlModule(), pExports->Name), "ZuntControl.dll");
  // AFXAPI is __stdcall, whose i686 names carry the bytes of the arguments.
#ifdef _WIN64
  EXPECT_NE(::GetProcAddress(CtrlModule(), "_Z23GetZuntCtrlModuleHandlev"), nullptr);
#else
  EXPECT_NE(::GetProcAddress(CtrlModule(), "_Z23GetZuntCtrlModuleHandlev@0"), nullptr);
#endif

  EXPECT_TRUE(ImportsModule(::GetModuleHandleA(nullptr), "ZuntCtrl.dll"));
  EXPECT_FALSE(ImportsModule(::GetModuleHandleA(nullptr), "ZuntControl.dll"));
}
