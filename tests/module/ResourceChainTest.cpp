// The entry point, the extension-module record and the framework's resource chain.
#include "HostResources.h"
#include "ModuleTestSupport.h"

#include <Resource.h>
#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

namespace
{
// A copy of the library's file: a second module whose entry point runs on load and unload.
const char kCopyFile[] = "ZuntCtrlCopy.dll";

HMODULE HostModule() { return ::GetModuleHandleA(nullptr); }

HINSTANCE DialogHolder() { return AfxFindResourceHandle(IDD_DLG_VAR_ADD, RT_DIALOG); }

// Frees the library when the test is done with it, or earlier through reset.
using CLoadedModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&::FreeLibrary)>;
}

TEST(ResourceChain, LibraryResourcesHostOverridesAndStringsWhereTheyLive)
{
  EXPECT_EQ(DialogHolder(), CtrlModule());
  EXPECT_EQ(AfxFindResourceHandle(IDD_DLG_VAR_ADD, RT_DLGINIT), CtrlModule());
  EXPECT_EQ(AfxFindResourceHandle("NO_SUCH_TEMPLATE", RT_DIALOG), HostModule()) << "the fallback";

  // The host's menu of the same id is found first.
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDR_MENU_EDIT_POPUP), RT_MENU), HostModule());

  AfxSetResourceHandle(CtrlModule());
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDR_MENU_EDIT_POPUP), RT_MENU), CtrlModule())
      << "the application's resource handle is searched first";
  AfxSetResourceHandle(HostModule());

  // A string is found in the module that holds it, not in the first one holding its block.
  EXPECT_EQ(AfxFindStringResourceHandle(IDS_HOST_ALL_TITLES), HostModule());
  EXPECT_EQ(AfxFindStringResourceHandle(IDS_AUTOHIDE_EQUAL_TITLES), CtrlModule()) << "the host has its block only";
  EXPECT_EQ(AfxFindStringResourceHandle(IDS_AUTOHIDE_CLICK_OPEN + 1), nullptr) << "a gap in the library's block";
}

TEST(ModuleFrame, LoadedLibraryJoinsTheChainFirstAndLeavesOnUnload)
{
  EXPECT_EQ(GetZuntCtrlModuleHandle(), CtrlModule());
  CLoadedModule copy(::LoadLibraryA(kCopyFile), &::FreeLibrary);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(DialogHolder(), copy.get()) << "the newest library is searched first";
  EXPECT_EQ(AfxFindStringResourceHandle(IDS_RANGE_LE_LE), copy.get());

  copy.reset();
  EXPECT_EQ(DialogHolder(), CtrlModule());
  EXPECT_EQ(AfxFindStringResourceHandle(IDS_RANGE_LE_LE), CtrlModule());
}
