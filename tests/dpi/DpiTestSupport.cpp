#include "DpiTestSupport.h"
#include "../TestApp.h"

#include <gtest/gtest.h>

namespace
{
CCommonControlsTestApp theApp("ZuntDpiTest", ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES);

// A run outside the 192-DPI prefix would check nothing: it stops before the first test.
class CDpiPrefixEnvironment : public ::testing::Environment
{
public:
  void SetUp() override { ASSERT_EQ(192, ScreenDpi()) << "run with ZUNT_DPI=192 (scripts/wine-run)"; }
};
::testing::Environment* const thePrefixCheck = ::testing::AddGlobalTestEnvironment(new CDpiPrefixEnvironment);
}  // namespace

int ScreenDpi()
{
  HDC hdc = ::GetDC(nullptr);
  const int nDpi = ::GetDeviceCaps(hdc, LOGPIXELSY);
  ::ReleaseDC(nullptr, hdc);
  return nDpi;
}

int Px(int nPixels) { return nPixels * ScreenDpi() / 96; }
