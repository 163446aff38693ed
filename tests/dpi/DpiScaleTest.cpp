#include "DpiTestSupport.h"

#include <DpiScale.h>
#include <gtest/gtest.h>

TEST(DpiScale, WindowAndSystemDpiAreTheScreens)
{
  CWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
  EXPECT_EQ(192u, CDpiScale::OfWindow(static_cast<HWND>(nullptr)).GetDpi());
  EXPECT_EQ(CRect(2, 4, 36, 38), CDpiScale::OfWindow(&wnd).Scale(CRect(1, 2, 18, 19)));
  wnd.DestroyWindow();
}

TEST(DpiScale, RoundsHalfAwayFromZeroAsWindowsMetrics)
{
  const struct
  {
    UINT nDpi;
    int nPixels, nScaled;
  } rows[] = {{96, 18, 18}, {120, 18, 23}, {144, 5, 8}, {144, -5, -8}, {168, 3, 5}, {192, 11, 22}};
  for (const auto& row : rows)
  {
    SCOPED_TRACE(testing::Message() << row.nDpi << " DPI, " << row.nPixels);
    const CDpiScale scale(row.nDpi);
    EXPECT_EQ(row.nScaled, scale.Scale(row.nPixels));
    EXPECT_EQ(row.nPixels, scale.Unscale(row.nScaled));
  }
  EXPECT_EQ(-24, CDpiScale(192).FontHeightOfPoints(9));
}
