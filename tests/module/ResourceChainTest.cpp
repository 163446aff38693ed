// The entry point, the extension-module record and the framework's resource chain.
#include "HostResources.h"
#include "ModuleTestSupport.h"

#include <Resource.h>
#include <gtest/gtest.h>

namespace
{
// A copy of the library's file: a second module whose entry point runs on load and unload.
const char kCopyFile[] = "ZuntCtrlCopy.dll";

HMODULE HostModule()
{
  return ::GetModuleHandleA(nullptr);
}

HINSTANCE DialogHolder()
{
  return AfxFindResourceHandle(IDD_DLG_VAR_ADD, RT_DIALOG);
}

class CLoadedModule
{
public:
  CLoadedModule(const char* pszFile, DWORD dwFlags) : m_hModule(::LoadLibraryExA(pszFile, nullptr, dwFlags)) {}
  ~CLoadedModule() { Unload(); }
  CLoadedModule(const CLoadedModule&) = delete;
  CLoadedModule& operator=(const CLoadedModule&) = delete;

  void Unload()
  {
    if (m_hModule != nullptr)
      ::FreeLibrary(m_hModule);
    m_hModule = nullptr;
  }

  HMODULE m_hModule;
};

std::string FirstPopupText(HINSTANCE hInstance, UINT nMenuID)
{
  HMENU hMenu = ::LoadMenuA(hInstance, MAKEINTRESOURCEA(nMenuID));
  char szText[64] = {};
  ::GetMenuStringA(hMenu, 0, szText, sizeof szText, MF_BYPOSITION);
  ::DestroyMenu(hMenu);
  return szText;
}
}

TEST(ResourceChain, LibraryResourcesAreFoundThroughTheChain)
{
  EXPECT_EQ(AfxFindResourceHandle(IDD_DLG_INPUT_STRING, RT_DIALOG), CtrlModule());
  EXPECT_EQ(AfxFindResourceHandle(IDD_DLG_VARIABLESELECT, RT_DIALOG), CtrlModule());
  EXPECT_EQ(AfxFindResourceHandle(IDD_DLG_VAR_ADD, RT_DIALOG), CtrlModule());
  EXPECT_EQ(AfxFindResourceHandle(IDD_DLG_VAR_ADD, RT_DLGINIT), CtrlModule());
}

TEST(ResourceChain, HostResourceOfTheSameIdIsFoundFirst)
{
  HINSTANCE hMenuHolder = AfxFindResourceHandle(MAKEINTRESOURCE(IDR_MENU_EDIT_POPUP), RT_MENU);
  EXPECT_EQ(hMenuHolder, HostModule());
  EXPECT_EQ(FirstPopupText(hMenuHolder, IDR_MENU_EDIT_POPUP), "Host");
}

TEST(ResourceChain, ApplicationHandlesAndTheFallback)
{
  EXPECT_EQ(AfxGetInstanceHandle(), HostModule());
  EXPECT_EQ(AfxGetResourceHandle(), HostModule());
  EXPECT_EQ(AfxFindResourceHandle("NO_SUCH_TEMPLATE", RT_DIALOG), HostModule());

  AfxSetResourceHandle(CtrlModule());
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDR_MENU_EDIT_POPUP), RT_MENU), CtrlModule())
    << "the application's resource handle is searched first";
  AfxSetResourceHandle(HostModule());
}

TEST(ResourceChain, StringsAreFoundWhereTheStringItselfLives)
{
  EXPECT_EQ(AfxFindStringResourceHandle(IDS_HOST_ALL_TITLES), HostModule());
  EXPECT_EQ(AfxFindStringResourceHandle(IDS_AUTOHIDE_EQUAL_TITLES), CtrlModule()) << "the host has its block only";
  EXPECT_EQ(AfxFindStringResourceHandle(IDS_RANGE_LE_LE), CtrlModule());
  EXPECT_EQ(AfxFindStringResourceHandle(IDS_AUTOHIDE_CLICK_OPEN + 1), nullptr) << "a gap in the library's block";
  EXPECT_EQ(AfxFindStringResourceHandle(1), nullptr);
}

TEST(ModuleFrame, EntryPointRecordsItsModuleHandle)
{
  ASSERT_NE(CtrlModule(), nullptr);
  EXPECT_EQ(GetZuntCtrlModuleHandle(), CtrlModule());
}

TEST(ModuleFrame, LoadedLibraryJoinsTheChainFirstAndLeavesOnUnload)
{
  CLoadedModule copy(kCopyFile, 0);
  ASSERT_NE(copy.m_hModule, nullptr);
  EXPECT_EQ(DialogHolder(), copy.m_hModule) << "the newest library is searched first";
  EXPECT_EQ(AfxFindStringResourceHandle(IDS_RANGE_LE_LE), copy.m_hModule);

  copy.Unload();
  EXPECT_EQ(DialogHolder(), CtrlModule());
  EXPECT_EQ(AfxFindStringResourceHandle(IDS_RANGE_LE_LE), CtrlModule());
}

TEST(ExtensionModule, InitRecordsTheFirstModuleOnly)
{
  AFX_EXTENSION_MODULE record = {};
  EXPECT_TRUE(AfxInitExtensionModule(record, CtrlModule()));
  EXPECT_TRUE(record.bInitialized);
  EXPECT_EQ(record.hModule, CtrlModule());
  EXPECT_EQ(record.hResource, CtrlModule());
  EXPECT_TRUE(AfxInitExtensionModule(record, HostModule()));
  EXPECT_EQ(record.hModule, CtrlModule());
}

TEST(ExtensionModule, TermOfAnUninitialisedRecordLeavesTheChain)
{
  AFX_EXTENSION_MODULE record = {FALSE, CtrlModule(), CtrlModule()};
  AfxTermExtensionModule(record);
  EXPECT_EQ(DialogHolder(), CtrlModule());
}

TEST(ExtensionModule, SystemLibrariesAreSearchedAfterTheOthers)
{
  CLoadedModule data(kCopyFile, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(data.m_hModule, nullptr);
  AFX_EXTENSION_MODULE record = {};
  AfxInitExtensionModule(record, data.m_hModule);

  new CDynLinkLibrary(record, TRUE);
  EXPECT_EQ(DialogHolder(), CtrlModule()) << "a system library comes last, though it is the newest";
  AfxTermExtensionModule(record);

  new CDynLinkLibrary(record, FALSE);
  EXPECT_EQ(DialogHolder(), data.m_hModule);
  AfxTermExtensionModule(record);
  EXPECT_EQ(DialogHolder(), CtrlModule()) << "only the record's own libraries are removed";
}

TEST(ExtensionModule, TermOfAllEmptiesTheChain)
{
  CLoadedModule data(kCopyFile, LOAD_LIBRARY_AS_DATAFILE);
  AFX_EXTENSION_MODULE record = {};
  AfxInitExtensionModule(record, data.m_hModule);
  new CDynLinkLibrary(record, FALSE);

  AfxTermExtensionModule(record, TRUE);
  EXPECT_EQ(DialogHolder(), HostModule());
  EXPECT_EQ(AfxFindStringResourceHandle(IDS_RANGE_LE_LE), nullptr);

  // Back into the chain; the library's own unload deletes this one with its own.
  static AFX_EXTENSION_MODULE restored = {};
  AfxInitExtensionModule(restored, CtrlModule());
  new CDynLinkLibrary(restored, FALSE);
  EXPECT_EQ(DialogHolder(), CtrlModule());
}
