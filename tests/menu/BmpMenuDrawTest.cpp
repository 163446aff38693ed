// Measuring and drawing of bitmap menu items, in both looks, read back pixel by pixel.
#include "MenuTestSupport.h"
#include "MenuTestResources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <vector>

namespace
{
const int kItemWidth = 200;
const int kItemHeight = 22;
const CRect kItemRect(0, 0, kItemWidth, kItemHeight);
const UINT kCommand = 100;
const COLORREF kRed = RGB(255, 0, 0);

COLORREF sys(int nIndex) { return ::GetSysColor(nIndex); }

// The flat look's colours on a platform without the Luna theme.
COLORREF flatFace() { return CBmpMenu::LightenColor(sys(COLOR_3DFACE), 0.25); }
COLORREF flatBackground() { return CBmpMenu::DarkenColor(sys(COLOR_WINDOW), 0.02); }
COLORREF flatSelection() { return CBmpMenu::LightenColor(sys(COLOR_HIGHLIGHT), 0.85); }

// A solid red image list of the menu image size.
void makeRedList(CImageList& list)
{
  const std::vector<DWORD> pixels(16 * 15, 0x00FF0000);  // 32-bit pixels are 0x00RRGGBB
  CBitmap red;
  red.CreateBitmap(16, 15, 1, 32, pixels.data());
  list.Create(16, 15, ILC_COLOR24 | ILC_MASK, 1, 1);
  list.Add(&red, sys(COLOR_3DFACE));
}

// A system colour changed for one test: Wine's menu colour is white, which would hide the
// highlight half of embossed text.
class CSysColourScope
{
public:
  CSysColourScope(int nIndex, COLORREF colour) : m_nIndex(nIndex), m_old(::GetSysColor(nIndex))
  {
    ::SetSysColors(1, &m_nIndex, &colour);
  }
  ~CSysColourScope() { ::SetSysColors(1, &m_nIndex, &m_old); }

private:
  int m_nIndex;
  COLORREF m_old;
};

class BmpMenuDrawTest : public ::testing::Test
{
protected:
  BmpMenuDrawTest() : m_canvas(kItemWidth, kItemHeight) { m_menu.CreatePopupMenu(); }

  void draw(int nPosition, UINT nState) { DrawMenuItem(m_menu, nPosition, m_canvas.DC(), kItemRect, nState); }
  CRect textArea(int nLeft) const { return CRect(nLeft, 0, kItemWidth, kItemHeight); }

  CBmpMenu m_menu;
  CPixelCanvas m_canvas;
};
}

TEST(BmpMenuEnvironment, VersionClassFollowsThePlatformAndTheDrawModeTheOriginalSetting)
{
  struct Case
  {
    BOOL bNonNT;
    DWORD dwMajor, dwMinor;
    int nClass;
  } cases[] = {{TRUE, 3, 95, 0},  {TRUE, 4, 0, 2},  {TRUE, 4, 10, 3}, {TRUE, 4, 90, 4},
               {FALSE, 3, 51, 1}, {FALSE, 4, 0, 5}, {FALSE, 5, 0, 6}, {FALSE, 5, 1, 7},
               {FALSE, 5, 2, 1},  {FALSE, 6, 1, 1}, {FALSE, 10, 0, 1}};
  for (const Case& c : cases)
    EXPECT_EQ(CBmpMenu::ComputeVersionClass(c.bNonNT, c.dwMajor, c.dwMinor), c.nClass)
        << c.bNonNT << " " << c.dwMajor << "." << c.dwMinor;
  // Wine reports an NT version of 6 or later: the classic frames of older shells are not drawn.
  EXPECT_EQ(CBmpMenu::GetVersionClass(), 1);
  EXPECT_FALSE(CBmpMenu::IsNewShell());
  EXPECT_FALSE(CBmpMenu::IsWinXPLuna());

  // Without Luna the draw mode is the original setting.
  CMenuLookScope flat(true);
  EXPECT_TRUE(CBmpMenu::IsLunaMenuStyle());
  CBmpMenu::original_drawmode = 0;
  CBmpMenu::xp_drawmode = 1;  // read only under Luna
  EXPECT_FALSE(CBmpMenu::IsLunaMenuStyle());
  EXPECT_EQ(CBmpMenu::GetMenuDrawMode(), 0u);
}

TEST(BmpMenuEnvironment, ColoursBlendTowardsWhiteOrBlackWithinTheFactorRange)
{
  EXPECT_EQ(CBmpMenu::LightenColor(RGB(0, 0, 0), 1.0), RGB(255, 255, 255));
  EXPECT_EQ(CBmpMenu::LightenColor(RGB(10, 20, 30), 0.0), RGB(10, 20, 30));
  EXPECT_EQ(CBmpMenu::LightenColor(RGB(10, 20, 30), 1.5), RGB(10, 20, 30));
  EXPECT_EQ(CBmpMenu::LightenColor(RGB(100, 0, 255), 0.5), RGB(177, 127, 255));  // truncated
  EXPECT_EQ(CBmpMenu::DarkenColor(RGB(255, 255, 255), 0.02), RGB(249, 249, 249));
  EXPECT_EQ(CBmpMenu::DarkenColor(RGB(200, 100, 51), 0.5), RGB(100, 50, 25));
  EXPECT_EQ(CBmpMenu::DarkenColor(RGB(200, 100, 51), -0.5), RGB(200, 100, 51));

  BITMAPINFOHEADER header = {};
  header.biBitCount = 4;
  EXPECT_EQ(CBmpMenu::NumBitmapColors(&header), 16);
  header.biBitCount = 24;
  EXPECT_EQ(CBmpMenu::NumBitmapColors(&header), 0);
  header.biClrUsed = 7;
  EXPECT_EQ(CBmpMenu::NumBitmapColors(&header), 7);
}

TEST_F(BmpMenuDrawTest, ItemsMeasureTheirWholeTextBesideTheImageColumn)
{
  const wchar_t* text = L"項目(&A)\tCtrl+A";
  ASSERT_TRUE(m_menu.AppendMenuW(MF_STRING, kCommand, text));
  ASSERT_TRUE(m_menu.AppendMenu(MF_SEPARATOR));
  // Version class 1 measures with the screen context's own font.
  HDC hDC = ::GetDC(::GetDesktopWindow());
  SIZE extent = {};
  ::GetTextExtentPoint32W(hDC, text, static_cast<int>(std::wcslen(text)), &extent);
  ::ReleaseDC(::GetDesktopWindow(), hDC);
  const LONG nHeight = std::max(::GetSystemMetrics(SM_CYMENU), 15 + 4);
  {
    CMenuLookScope flat(true);
    const SIZE size = MeasureMenuItem(m_menu, 0);
    EXPECT_EQ(size.cx, 16 + extent.cx + 4 + 8);
    EXPECT_EQ(size.cy, nHeight);
    EXPECT_EQ(MeasureMenuItem(m_menu, 1).cy, 3);
  }
  {
    CMenuLookScope classic(false);
    const SIZE size = MeasureMenuItem(m_menu, 0);
    EXPECT_EQ(size.cx, extent.cx + 2 * 16 + 1);
    EXPECT_EQ(size.cy, nHeight);
    EXPECT_EQ(MeasureMenuItem(m_menu, 1).cy, std::max(::GetSystemMetrics(SM_CYMENU) >> 1, (15 + 4) / 2));
  }
}

TEST_F(BmpMenuDrawTest, FlatItemShowsTheColumnOrTheSelection)
{
  CMenuLookScope flat(true);
  ASSERT_TRUE(m_menu.AppendMenu(MF_STRING, kCommand, "項目"));
  draw(0, 0);
  EXPECT_EQ(m_canvas.Pixel(5, 10), flatFace());  // image column, 20 wide
  EXPECT_EQ(m_canvas.Pixel(19, 10), flatFace());
  EXPECT_EQ(m_canvas.Pixel(20, 1), flatBackground());
  EXPECT_EQ(m_canvas.Pixel(kItemWidth - 1, 0), flatBackground());

  draw(0, ODS_SELECTED);
  EXPECT_EQ(m_canvas.Pixel(0, 0), sys(COLOR_HIGHLIGHT));
  EXPECT_EQ(m_canvas.Pixel(kItemWidth - 1, kItemHeight - 1), sys(COLOR_HIGHLIGHT));
  EXPECT_EQ(m_canvas.Pixel(5, 10), flatSelection());
  EXPECT_EQ(m_canvas.Pixel(kItemWidth - 3, 2), flatSelection());
  EXPECT_GT(m_canvas.CountColour(textArea(28), sys(COLOR_MENUTEXT)), 10);
}

TEST_F(BmpMenuDrawTest, AcceleratorEndsAnIconWidthBeforeTheRightEdge)
{
  ASSERT_TRUE(m_menu.AppendMenuW(MF_STRING, kCommand, L"項目\tCtrl+W"));
  for (bool bFlat : {true, false})
  {
    CMenuLookScope look(bFlat);
    m_canvas.Fill(RGB(1, 2, 3));
    draw(0, 0);
    const COLORREF crText = sys(COLOR_MENUTEXT);
    const int nLabelLeft = bFlat ? 20 + 8 : 16 + 9;
    const int nLeft = m_canvas.LeftmostOf(textArea(0), crText);
    EXPECT_GE(nLeft, nLabelLeft) << bFlat;
    EXPECT_LE(nLeft, nLabelLeft + 3) << bFlat;
    const int nRight = m_canvas.RightmostOf(textArea(0), crText);
    EXPECT_LT(nRight, kItemWidth - 16) << bFlat;
    EXPECT_GE(nRight, kItemWidth - 16 - 4) << bFlat;
  }
}

TEST_F(BmpMenuDrawTest, FlatCheckMarkIsDrawnWithShortStrokesInAFramedBox)
{
  CMenuLookScope flat(true);
  ASSERT_TRUE(m_menu.AppendMenu(MF_STRING, kCommand, "項目"));
  draw(0, ODS_CHECKED);
  // Image rectangle (1, 1, 18, 21); the mark starts at (1 + 17/2 - 3, 1 + 20/2 - 3).
  const COLORREF crMark = sys(COLOR_MENUTEXT);
  EXPECT_EQ(m_canvas.Pixel(1, 1), sys(COLOR_HIGHLIGHT));
  EXPECT_EQ(m_canvas.Pixel(3, 3), CBmpMenu::LightenColor(sys(COLOR_HIGHLIGHT), 0.85));
  const int x = 6, y = 8;
  EXPECT_EQ(m_canvas.Pixel(x, y + 2), crMark);
  EXPECT_EQ(m_canvas.Pixel(x, y + 3), crMark);
  EXPECT_NE(m_canvas.Pixel(x, y + 4), crMark);  // the short stroke
  EXPECT_EQ(m_canvas.Pixel(x + 2, y + 5), crMark);
  EXPECT_NE(m_canvas.Pixel(x + 2, y + 6), crMark);
  EXPECT_EQ(m_canvas.Pixel(x + 6, y), crMark);
  EXPECT_NE(m_canvas.Pixel(x + 7, y), crMark);

  draw(0, ODS_CHECKED | ODS_SELECTED);
  EXPECT_EQ(m_canvas.Pixel(3, 3), CBmpMenu::LightenColor(sys(COLOR_HIGHLIGHT), 0.55));
}

TEST_F(BmpMenuDrawTest, ClassicCheckMarkHasFullStrokesAndNoEdgeOnThisPlatform)
{
  CMenuLookScope classic(false);
  ASSERT_TRUE(m_menu.AppendMenu(MF_STRING, kCommand, "項目"));
  draw(0, ODS_CHECKED);
  // dy = (22 - 15 - 4) / 2 = 1: check rectangle (1, 3, 17, 18), mark at (5, 7).
  const COLORREF crBox = CBmpMenu::LightenColor(sys(COLOR_MENU), 0.6);
  EXPECT_EQ(m_canvas.Pixel(1, 3), crBox);  // a sunken edge only from version class 2
  EXPECT_EQ(m_canvas.Pixel(16, 17), crBox);
  const COLORREF crMark = sys(COLOR_MENUTEXT);
  const int x = 5, y = 7;
  EXPECT_EQ(m_canvas.Pixel(x, y + 4), crMark);  // the full stroke
  EXPECT_NE(m_canvas.Pixel(x, y + 5), crMark);
  EXPECT_EQ(m_canvas.Pixel(x + 2, y + 6), crMark);
  EXPECT_EQ(m_canvas.Pixel(x + 6, y + 2), crMark);
  EXPECT_NE(m_canvas.Pixel(x + 6, y + 3), crMark);
}

TEST_F(BmpMenuDrawTest, ImagesSitInTheColumnOfEitherLook)
{
  CImageList red;
  makeRedList(red);
  ASSERT_TRUE(m_menu.AppendMenu(MF_STRING, kCommand, "画像", &red, 0));
  ASSERT_TRUE(m_menu.AppendMenu(MF_STRING, kCommand + 1, "なし"));
  {
    CMenuLookScope flat(true);
    draw(0, 0);
    // Origin (2, 4): (20 - 16) / 2 and (22 - 15) / 2 rounded.
    EXPECT_EQ(m_canvas.Pixel(2, 4), kRed);
    EXPECT_EQ(m_canvas.Pixel(17, 18), kRed);
    EXPECT_EQ(m_canvas.Pixel(1, 3), flatFace());
    EXPECT_EQ(m_canvas.Pixel(18, 19), flatFace());
    draw(0, ODS_SELECTED);
    EXPECT_EQ(m_canvas.Pixel(10, 10), kRed);
    EXPECT_EQ(m_canvas.Pixel(1, 3), flatSelection());
  }
  {
    CMenuLookScope classic(false);
    draw(0, ODS_SELECTED);
    // Only the text area is highlighted; the image sits at (2, dy + 2) with dy = 1.
    EXPECT_EQ(m_canvas.Pixel(2, 3), kRed);
    EXPECT_EQ(m_canvas.Pixel(17, 17), kRed);
    EXPECT_EQ(m_canvas.Pixel(16 + 5, 1), sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(m_canvas.Pixel(16 + 3, 10), sys(COLOR_MENU));  // the image box
    draw(1, ODS_SELECTED);                                   // no image: the whole item
    EXPECT_EQ(m_canvas.Pixel(1, 1), sys(COLOR_HIGHLIGHT));
    EXPECT_GT(m_canvas.CountColour(textArea(25), sys(COLOR_HIGHLIGHTTEXT)), 10);
  }
}

TEST_F(BmpMenuDrawTest, GrayedItemsAreNotSelectedAndTheirImagesEmbossed)
{
  CImageList red;
  makeRedList(red);
  ASSERT_TRUE(m_menu.AppendMenu(MF_STRING | MF_GRAYED, kCommand, "無効", &red, 0));
  {
    CMenuLookScope flat(true);
    draw(0, ODS_GRAYED | ODS_SELECTED);
    EXPECT_EQ(m_canvas.Pixel(kItemWidth - 1, 0), flatBackground());
    EXPECT_EQ(m_canvas.CountColour(kItemRect, flatSelection()), 0);
    EXPECT_EQ(m_canvas.CountColour(kItemRect, kRed), 0);
    EXPECT_GT(m_canvas.CountColour(textArea(28), CBmpMenu::LightenColor(sys(COLOR_GRAYTEXT), 0.4)), 10);
    EXPECT_GT(m_canvas.CountColour(CRect(0, 0, 20, kItemHeight), sys(COLOR_3DSHADOW)), 10);
  }
  {
    CMenuLookScope classic(false);
    CSysColourScope menuColour(COLOR_MENU, RGB(200, 200, 200));
    draw(0, ODS_GRAYED);
    // Embossed: a highlight copy one pixel down and right under the grey text.
    const CRect text = textArea(25);
    EXPECT_GT(m_canvas.CountColour(text, sys(COLOR_3DHILIGHT)), 10);
    EXPECT_GT(m_canvas.CountColour(text, sys(COLOR_GRAYTEXT)), 10);
    EXPECT_EQ(m_canvas.RightmostOf(text, sys(COLOR_3DHILIGHT)), m_canvas.RightmostOf(text, sys(COLOR_GRAYTEXT)) + 1);
    EXPECT_EQ(m_canvas.CountColour(kItemRect, kRed), 0);
  }
}

TEST_F(BmpMenuDrawTest, SeparatorsDrawAnEtchedLineAtTheMiddle)
{
  ASSERT_TRUE(m_menu.AppendMenu(MF_SEPARATOR));
  const CRect rect(0, 0, kItemWidth, 9);
  {
    CMenuLookScope flat(true);
    DrawMenuItem(m_menu, 0, m_canvas.DC(), rect, 0);
    EXPECT_EQ(m_canvas.Pixel(5, 4), flatFace());
    EXPECT_EQ(m_canvas.Pixel(30, 4), sys(COLOR_3DSHADOW));  // from column + pad
    EXPECT_EQ(m_canvas.Pixel(30, 5), sys(COLOR_3DHILIGHT));
    EXPECT_EQ(m_canvas.Pixel(22, 4), flatBackground());
  }
  {
    CMenuLookScope classic(false);
    DrawMenuItem(m_menu, 0, m_canvas.DC(), rect, 0);
    EXPECT_EQ(m_canvas.Pixel(5, 4), sys(COLOR_3DSHADOW));
    EXPECT_EQ(m_canvas.Pixel(5, 3), sys(COLOR_MENU));
  }
}

TEST_F(BmpMenuDrawTest, CheckImagesReplaceTheDrawnMark)
{
  CMenuLookScope flat(true);
  ASSERT_TRUE(m_menu.AppendMenu(MF_STRING, kCommand, "確認"));
  for (BOOL b3D : {FALSE, TRUE})
  {
    SCOPED_TRACE(b3D ? "3-D images" : "plain images");
    CBmpMenu::SetXPBitmap3D(b3D);
    ASSERT_TRUE(m_menu.LoadCheckmarkBitmap(IDB_CHECK_OFF, IDB_CHECK_ON));
    EXPECT_EQ(m_menu.m_CheckImages->GetImageCount(), 2);  // no variants of the checks
    const int x = b3D ? 4 + 7 : 2 + 7;                    // the 3-D look's column is wider
    draw(0, ODS_CHECKED);
    EXPECT_EQ(m_canvas.Pixel(x, 4 + 6), sys(COLOR_BTNTEXT));  // the black centre of "off"
    draw(0, ODS_CHECKED | ODS_SELECTED);
    EXPECT_EQ(m_canvas.Pixel(x, 4 + 6), RGB(255, 0, 255));
  }
  EXPECT_FALSE(m_menu.LoadCheckmarkBitmap(0, IDB_CHECK_ON));
}

TEST_F(BmpMenuDrawTest, OtherEmbossesOfDisabledImages)
{
  CImageList red;
  makeRedList(red);
  ASSERT_TRUE(m_menu.AppendMenu(MF_STRING | MF_GRAYED, kCommand, "無効", &red, 0));
  {
    // The old monochrome emboss: highlight one pixel down and right, shadow on top.
    CMenuLookScope flat(true);
    m_menu.SetDisableOldStyle();
    draw(0, ODS_GRAYED);
    m_menu.UnSetDisableOldStyle();
    const CRect column(0, 0, 20, kItemHeight);
    EXPECT_EQ(m_canvas.CountColour(column, kRed), 0);
    EXPECT_EQ(m_canvas.Pixel(2 + 8, 4 + 7), sys(COLOR_3DSHADOW));
    EXPECT_EQ(m_canvas.Pixel(2 + 16, 4 + 15), sys(COLOR_3DHILIGHT));  // below-right of the last pixel
  }
  {
    // After a high-colour bitmap the classic look greys each pixel by its brightness.
    CMenuLookScope classic(false);
    const BOOL bHicolor = CBmpMenu::hicolor_bitmaps;
    CBmpMenu::hicolor_bitmaps = TRUE;
    draw(0, ODS_GRAYED);
    CBmpMenu::hicolor_bitmaps = bHicolor;
    EXPECT_EQ(m_canvas.Pixel(2 + 8, 1 + 2 + 7), CBmpMenu::LightenColor(sys(COLOR_3DSHADOW), (255 / 3) / 255.0));
  }
}
