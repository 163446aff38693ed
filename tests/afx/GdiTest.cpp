// GDI wrappers: objects owned and deleted, SelectObject giving back the previous object, the
// temporary wrappers of foreign handles, and drawing checked by pixels. Paint contexts are left
// to the library's painting tests, which see every paint through them.
#include "AfxTestSupport.h"
#include "../PixelCanvas.h"

#include <gtest/gtest.h>

TEST(GdiTest, SelectObjectGivesBackThePreviousObjectAndDraw3dRectColoursEachEdge)
{
  const COLORREF crWhite = RGB(255, 255, 255), crRed = RGB(255, 0, 0), crBlue = RGB(0, 0, 255);
  CPixelCanvas canvas(20, 20, crWhite);
  CPen red(PS_SOLID, 1, crRed);
  CPen blue(PS_SOLID, 1, crBlue);
  CPen* pOriginal = canvas.DC().SelectObject(&red);  // a temporary wrapper of the stock pen
  ASSERT_NE(pOriginal, nullptr);
  EXPECT_EQ(canvas.DC().SelectObject(&blue), &red);
  EXPECT_EQ(canvas.DC().SelectObject(pOriginal), &blue);

  // Top and left edges in the first colour, bottom and right in the second, corners included.
  canvas.DC().Draw3dRect(CRect(10, 10, 18, 18), crRed, crBlue);
  EXPECT_EQ(canvas.Pixel(10, 10), crRed);
  EXPECT_EQ(canvas.Pixel(16, 10), crRed);
  EXPECT_EQ(canvas.Pixel(17, 10), crBlue);
  EXPECT_EQ(canvas.Pixel(10, 17), crBlue);
  EXPECT_EQ(canvas.Pixel(13, 13), crWhite);
}

TEST(GdiTest, ObjectsDeleteWhatTheyOwnButNotWhatWasDetached)
{
  HGDIOBJ hKept;
  HGDIOBJ hDeleted;
  {
    CBrush kept(RGB(1, 2, 3));
    CBrush deleted(RGB(4, 5, 6));
    hKept = kept.Detach();
    hDeleted = deleted.m_hObject;
  }
  EXPECT_EQ(::GetObjectType(hDeleted), 0u);
  EXPECT_EQ(::GetObjectType(hKept), static_cast<DWORD>(OBJ_BRUSH));
  // A foreign handle gets a temporary wrapper that never deletes it.
  AfxDeleteTempMaps();
  EXPECT_EQ(CGdiObject::FromHandle(hKept)->m_hObject, hKept);
  AfxDeleteTempMaps();
  EXPECT_EQ(::GetObjectType(hKept), static_cast<DWORD>(OBJ_BRUSH));
  ::DeleteObject(hKept);
}
