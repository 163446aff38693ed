// The PE images: the library's export directory and the host's import of it.
#include "ModuleTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
const IMAGE_DATA_DIRECTORY& Directory(HMODULE hModule, int nEntry)
{
  auto pBase = reinterpret_cast<const BYTE*>(hModule);
  auto pDos = reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase);
  auto pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(pBase + pDos->e_lfanew);
  return pNt->OptionalHeader.DataDirectory[nEntry];
}

template <class T>
const T* AtRva(HMODULE hModule, DWORD dwRva)
{
  return reinterpret_cast<const T*>(reinterpret_cast<const BYTE*>(hModule) + dwRva);
}

std::vector<std::string> ImportedModules(HMODULE hModule)
{
  std::vector<std::string> names;
  const IMAGE_DATA_DIRECTORY& imports = Directory(hModule, IMAGE_DIRECTORY_ENTRY_IMPORT);
  for (auto pImport = AtRva<IMAGE_IMPORT_DESCRIPTOR>(hModule, imports.VirtualAddress); pImport->Name != 0; ++pImport)
    names.push_back(AtRva<char>(hModule, pImport->Name));
  return names;
}

bool Contains(const std::vector<std::string>& names, const char* pszName)
{
  for (const std::string& name : names)
  {
    if (lstrcmpiA(name.c_str(), pszName) == 0)
      return true;
  }
  return false;
}
}

TEST(ModuleImage, ExportDirectoryNamesTheModuleZuntControl)
{
  const IMAGE_DATA_DIRECTORY& exports = Directory(CtrlModule(), IMAGE_DIRECTORY_ENTRY_EXPORT);
  ASSERT_NE(exports.VirtualAddress, 0u);
  auto pExports = AtRva<IMAGE_EXPORT_DIRECTORY>(CtrlModule(), exports.VirtualAddress);
  EXPECT_STREQ(AtRva<char>(CtrlModule(), pExports->Name), "ZuntControl.dll");
  EXPECT_NE(::GetProcAddress(CtrlModule(), "_Z23GetZuntCtrlModuleHandlev"), nullptr);
}

TEST(ModuleImage, HostImportsTheLibraryByItsFileName)
{
  std::vector<std::string> imports = ImportedModules(::GetModuleHandleA(nullptr));
  EXPECT_TRUE(Contains(imports, "ZuntCtrl.dll"));
  EXPECT_FALSE(Contains(imports, "ZuntControl.dll"));
}
