#include "DpiTestSupport.h"

#include <DpiScale.h>
#include <gtest/gtest.h>

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
