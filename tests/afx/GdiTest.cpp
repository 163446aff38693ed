// GDI wrappers: objects owned and deleted, SelectObject giving back the previous object, the
// temporary wrappers of foreign handles, point fonts, and drawing checked by pixels.
#include "AfxTestSupport.h"

#include <gtest/gtest.h>

namespace
{
// A 24-bit memory context of its own, so that pixels read back exactly.
class CMemoryCanvas
{
public:
  CMemoryCanvas(int cx, int cy)
  {
    CClientDC screen(nullptr);
    VERIFY(m_dc.CreateCompatibleDC(&screen));
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, -cy, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    VERIFY(m_bitmap.Attach(::CreateDIBSection(screen.m_hDC, &info, DIB_RGB_COLORS, &pBits, nullptr, 0)));
    m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
  }
  ~CMemoryCanvas() { m_dc.SelectObject(m_pOldBitmap); }
  CMemoryCanvas(const CMemoryCanvas&) = delete;
  CMemoryCanvas& operator=(const CMemoryCanvas&) = delete;

  CBitmap m_bitmap;  // declared first: it outlives the context that holds it
  CDC m_dc;
  CBitmap* m_pOldBitmap;
};
}

TEST(GdiTest, SelectObjectGivesBackThePreviousObject)
{
  CMemoryCanvas canvas(8, 8);
  CPen red(PS_SOLID, 1, RGB(255, 0, 0));
  CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
  CPen* pOriginal = canvas.m_dc.SelectObject(&red);
  ASSERT_NE(pOriginal, nullptr);
  EXPECT_NE(pOriginal, &red);  // a temporary wrapper of the stock pen
  EXPECT_EQ(canvas.m_dc.SelectObject(&blue), &red);
  EXPECT_EQ(canvas.m_dc.SelectObject(pOriginal), &blue);
  EXPECT_EQ(canvas.m_dc.GetCurrentBitmap(), &canvas.m_bitmap);
}

TEST(GdiTest, DrawingReachesThePixels)
{
  CMemoryCanvas canvas(20, 20);
  CDC& dc = canvas.m_dc;
  dc.FillSolidRect(CRect(0, 0, 20, 20), RGB(255, 255, 255));
  dc.FillSolidRect(2, 2, 4, 4, RGB(10, 20, 30));
  dc.Draw3dRect(CRect(10, 10, 18, 18), RGB(255, 0, 0), RGB(0, 0, 255));
  EXPECT_EQ(dc.GetPixel(2, 2), RGB(10, 20, 30));
  EXPECT_EQ(dc.GetPixel(5, 5), RGB(10, 20, 30));
  EXPECT_EQ(dc.GetPixel(6, 6), RGB(255, 255, 255));
  // Top and left edges in the first colour, bottom and right in the second.
  EXPECT_EQ(dc.GetPixel(10, 10), RGB(255, 0, 0));
  EXPECT_EQ(dc.GetPixel(16, 10), RGB(255, 0, 0));
  EXPECT_EQ(dc.GetPixel(17, 10), RGB(0, 0, 255));
  EXPECT_EQ(dc.GetPixel(10, 17), RGB(0, 0, 255));
  EXPECT_EQ(dc.GetPixel(13, 13), RGB(255, 255, 255));

  CBrush green(RGB(0, 200, 0));
  CRgn region;
  ASSERT_TRUE(region.CreateRectRgn(0, 15, 3, 18));
  dc.FillRgn(&region, &green);
  EXPECT_EQ(dc.GetPixel(1, 16), RGB(0, 200, 0));
  EXPECT_TRUE(region.PtInRegion(CPoint(2, 17)));
  EXPECT_FALSE(region.PtInRegion(CPoint(3, 17)));
}

TEST(GdiTest, PointFontsAreSizedForTheDevice)
{
  CMemoryCanvas canvas(4, 4);
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(120, "MS Shell Dlg", &canvas.m_dc));
  LOGFONT logFont = {};
  ASSERT_GT(font.GetLogFont(&logFont), 0);
  // Twelve points are a sixth of an inch: a character height, hence negative.
  int nDpi = canvas.m_dc.GetDeviceCaps(LOGPIXELSY);
  EXPECT_EQ(logFont.lfHeight, -::MulDiv(nDpi, 120, 720));
  EXPECT_STREQ(logFont.lfFaceName, "MS Shell Dlg");
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
    EXPECT_EQ(CGdiObject::FromHandle(hDeleted), &deleted);
  }
  EXPECT_EQ(::GetObjectType(hDeleted), 0u);
  EXPECT_EQ(::GetObjectType(hKept), static_cast<DWORD>(OBJ_BRUSH));
  // A foreign handle gets a temporary wrapper that never deletes it.
  AfxDeleteTempMaps();
  CGdiObject* pTemp = CGdiObject::FromHandle(hKept);
  EXPECT_EQ(pTemp->m_hObject, hKept);
  AfxDeleteTempMaps();
  EXPECT_EQ(::GetObjectType(hKept), static_cast<DWORD>(OBJ_BRUSH));
  ::DeleteObject(hKept);
}

namespace
{
class CPainted : public CWnd
{
public:
  CRect m_rcPaint;
  int m_nPaints = 0;

protected:
  void OnPaint()
  {
    CPaintDC dc(this);
    m_rcPaint = dc.m_ps.rcPaint;
    ++m_nPaints;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPainted, CWnd)
  ON_WM_PAINT()
END_MESSAGE_MAP()
}

TEST(GdiTest, PaintContextsPaintTheInvalidPart)
{
  CTestParent parent;
  CPainted painted;
  ASSERT_TRUE(painted.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &parent, 400));
  painted.UpdateWindow();
  painted.m_nPaints = 0;
  painted.InvalidateRect(CRect(5, 6, 20, 30), FALSE);
  painted.UpdateWindow();
  EXPECT_EQ(painted.m_nPaints, 1);
  EXPECT_EQ(painted.m_rcPaint, CRect(5, 6, 20, 30));
  EXPECT_FALSE(::GetUpdateRect(painted.m_hWnd, nullptr, FALSE));  // EndPaint validated it
}
