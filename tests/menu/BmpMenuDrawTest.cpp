// Measuring and drawing of bitmap menu items, in both looks, read back pixel by pixel.
#include "MenuTestSupport.h"
#include "MenuTestResources.h"
#include "../TestApp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <vector>

namespace
{
CCommonControlsTestApp theApp("ZuntMenuTest", ICC_BAR_CLASSES);

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

const bool kFlat = true, kClassic = false;

// The items every drawing test finds in its menu.
enum
{
  kPlain,
  kImage,
  kGrayed,
  kSeparator
};

class BmpMenuDrawTest : public ::testing::Test
{
protected:
  BmpMenuDrawTest() : m_canvas(kItemWidth, kItemHeight)
  {
    makeRedList(m_red);
    m_menu.CreatePopupMenu();
    m_menu.AppendMenuW(MF_STRING, kCommand, L"項目(&A)\tCtrl+W");
    m_menu.AppendMenu(MF_STRING, kCommand + 1, "画像", &m_red, 0);
    m_menu.AppendMenu(MF_STRING | MF_GRAYED, kCommand + 2, "無効", &m_red, 0);
    m_menu.AppendMenu(MF_SEPARATOR);
  }

  // Draws an item over a canvas filled with the background.
  void draw(int nPosition, UINT nState)
  {
    m_canvas.Fill(m_canvas.Background());
    DrawMenuItem(m_menu, nPosition, m_canvas.DC(), kItemRect, nState);
  }
  CRect textArea(int nLeft) const { return CRect(nLeft, 0, kItemWidth, kItemHeight); }
  // An item drawn in a state, told apart by a few pixels.
  void expectPixels(bool bFlat, int nItem, UINT nState, const std::vector<SProbe>& probes)
  {
    SCOPED_TRACE(testing::Message() << (bFlat ? "flat" : "classic") << " item " << nItem << " state " << nState);
    CMenuLookScope look(bFlat);
    draw(nItem, nState);
    ExpectProbes(m_canvas, probes);
  }
  // An item drawn in a state, with more than a few pixels of an ink in the area or none.
  void expectInk(bool bFlat, int nItem, UINT nState, const CRect& area, COLORREF crInk, bool bPresent)
  {
    SCOPED_TRACE(testing::Message() << (bFlat ? "flat" : "classic") << " item " << nItem << " state " << nState);
    CMenuLookScope look(bFlat);
    draw(nItem, nState);
    const int nPixels = m_canvas.CountColour(area, crInk);
    EXPECT_TRUE(bPresent ? nPixels > 10 : nPixels == 0) << nPixels << " pixels of " << std::hex << crInk;
  }

  CImageList m_red;
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

// Items measure their whole text beside the image column; the accelerator is drawn to end an icon
// width before the right edge.
TEST_F(BmpMenuDrawTest, ItemsMeasureTheirWholeTextAndEndTheAcceleratorAnIconWidthBeforeTheRightEdge)
{
  // Version class 1 measures with the screen context's own font.
  const wchar_t* text = L"項目(&A)\tCtrl+W";
  HDC hDC = ::GetDC(::GetDesktopWindow());
  SIZE extent = {};
  ::GetTextExtentPoint32W(hDC, text, static_cast<int>(std::wcslen(text)), &extent);
  ::ReleaseDC(::GetDesktopWindow(), hDC);
  const LONG nHeight = std::max(::GetSystemMetrics(SM_CYMENU), 15 + 4);
  const LONG nClassicSeparator = std::max(::GetSystemMetrics(SM_CYMENU) >> 1, (15 + 4) / 2);
  const struct
  {
    bool bFlat;
    LONG nWidth, nSeparatorHeight;
    int nLabelLeft;
  } looks[] = {{kFlat, 16 + extent.cx + 4 + 8, 3, 20 + 8},
               {kClassic, extent.cx + 2 * 16 + 1, nClassicSeparator, 16 + 9}};
  const COLORREF crText = sys(COLOR_MENUTEXT);
  for (const auto& look : looks)
  {
    SCOPED_TRACE(look.bFlat ? "flat" : "classic");
    CMenuLookScope scope(look.bFlat);
    EXPECT_EQ(CSize(look.nWidth, nHeight), CSize(MeasureMenuItem(m_menu, kPlain)));
    EXPECT_EQ(look.nSeparatorHeight, MeasureMenuItem(m_menu, kSeparator).cy);
    draw(kPlain, 0);
    const int nLeft = m_canvas.LeftmostOf(textArea(0), crText);
    EXPECT_GE(nLeft, look.nLabelLeft);
    EXPECT_LE(nLeft, look.nLabelLeft + 3);
    const int nRight = m_canvas.RightmostOf(textArea(0), crText);
    EXPECT_LT(nRight, kItemWidth - 16);
    EXPECT_GE(nRight, kItemWidth - 16 - 4);
  }
}

// What tells the looks apart, a few pixels each: the image column, the selection, the check
// mark's strokes, images and separators; then how selected and grayed items ink text and images.
TEST_F(BmpMenuDrawTest, EachLookShowsItsDistinguishingPixelsAndInksSelectedAndGrayedItems)
{
  const COLORREF crHigh = sys(COLOR_HIGHLIGHT), crText = sys(COLOR_MENUTEXT), crMenu = sys(COLOR_MENU);
  const COLORREF crFace = flatFace(), crBack = flatBackground(), crSel = flatSelection();
  const int nRight = kItemWidth - 1, nBottom = kItemHeight - 1;
  // Flat: an image column 20 wide; selected, a frame round a fill that covers the column too.
  expectPixels(kFlat, kPlain, 0, {{5, 10, crFace}, {19, 10, crFace}, {20, 1, crBack}, {nRight, 0, crBack}});
  expectPixels(kFlat, kPlain, ODS_SELECTED,
               {{0, 0, crHigh}, {nRight, nBottom, crHigh}, {5, 10, crSel}, {nRight - 2, 2, crSel}});
  // Flat check mark: a framed box, darker when selected; the mark from (1 + 17/2 - 3, 1 + 20/2 - 3)
  // with a short left stroke.
  expectPixels(kFlat, kPlain, ODS_CHECKED, {{1, 1, crHigh}, {3, 3, crSel}, {6, 11, crText}, {6, 12, crText, false}});
  expectPixels(kFlat, kPlain, ODS_CHECKED, {{12, 8, crText}, {13, 8, crText, false}});
  expectPixels(kFlat, kPlain, ODS_CHECKED | ODS_SELECTED, {{3, 3, CBmpMenu::LightenColor(crHigh, 0.55)}});
  // Classic check mark: the box (1, 3, 17, 18) with a sunken edge only from version class 2, the
  // mark from (5, 7) with a full left stroke.
  const COLORREF crBox = CBmpMenu::LightenColor(crMenu, 0.6);
  expectPixels(kClassic, kPlain, ODS_CHECKED,
               {{1, 3, crBox}, {16, 17, crBox}, {5, 11, crText}, {5, 12, crText, false}});
  expectPixels(kClassic, kPlain, ODS_CHECKED, {{11, 9, crText}, {11, 10, crText, false}});
  // Images: at (2, 4) in the flat column; classic at (2, dy + 2) in a box the selection leaves out.
  expectPixels(kFlat, kImage, 0, {{2, 4, kRed}, {17, 18, kRed}, {1, 3, crFace}, {18, 19, crFace}});
  expectPixels(kFlat, kImage, ODS_SELECTED, {{10, 10, kRed}, {1, 3, crSel}});
  expectPixels(kClassic, kImage, ODS_SELECTED,
               {{2, 3, kRed}, {17, 17, kRed}, {16 + 5, 1, crHigh}, {16 + 3, 10, crMenu}});
  expectPixels(kClassic, kPlain, ODS_SELECTED, {{1, 1, crHigh}});
  // Separators: an etched line at the middle, in the flat look from the column and the pad on.
  const COLORREF crShadow = sys(COLOR_3DSHADOW);
  expectPixels(kFlat, kSeparator, 0,
               {{5, 11, crFace}, {22, 11, crBack}, {30, 11, crShadow}, {30, 12, sys(COLOR_3DHILIGHT)}});
  expectPixels(kClassic, kSeparator, 0, {{5, 10, crMenu}, {5, 11, crShadow}});

  // Text and images: an ink present (more than a few pixels) or absent in an area. Wine's menu
  // colour is white, which would hide the highlight half of embossed text: grey until the end.
  const int nMenuIndex = COLOR_MENU;
  const COLORREF crGrey = RGB(200, 200, 200);
  ::SetSysColors(1, &nMenuIndex, &crGrey);
  const CRect column(0, 0, 20, kItemHeight);
  // The flat selection keeps the menu text colour; the classic one inverts the text.
  expectInk(kFlat, kPlain, ODS_SELECTED, textArea(28), sys(COLOR_MENUTEXT), true);
  expectInk(kClassic, kPlain, ODS_SELECTED, textArea(25), sys(COLOR_HIGHLIGHTTEXT), true);
  // Grayed items are never selected; their images lose their colour.
  expectInk(kFlat, kGrayed, ODS_GRAYED | ODS_SELECTED, kItemRect, crSel, false);
  expectInk(kFlat, kGrayed, ODS_GRAYED, kItemRect, kRed, false);
  expectInk(kClassic, kGrayed, ODS_GRAYED, kItemRect, kRed, false);
  expectInk(kFlat, kGrayed, ODS_GRAYED, column, sys(COLOR_3DSHADOW), true);
  expectInk(kFlat, kGrayed, ODS_GRAYED, textArea(28), CBmpMenu::LightenColor(sys(COLOR_GRAYTEXT), 0.4), true);
  expectInk(kClassic, kGrayed, ODS_GRAYED, textArea(25), sys(COLOR_GRAYTEXT), true);
  // Classic grayed text is embossed: a highlight copy one pixel down and right.
  const CRect text = textArea(25);
  EXPECT_EQ(m_canvas.RightmostOf(text, sys(COLOR_3DHILIGHT)), m_canvas.RightmostOf(text, sys(COLOR_GRAYTEXT)) + 1);
  ::SetSysColors(1, &nMenuIndex, &crMenu);
}

TEST_F(BmpMenuDrawTest, CheckImagesReplaceTheDrawnMarkAndOtherEmbossesOfDisabledImages)
{
  CMenuLookScope flat(true);
  for (BOOL b3D : {FALSE, TRUE})
  {
    SCOPED_TRACE(b3D ? "3-D images" : "plain images");
    CBmpMenu::SetXPBitmap3D(b3D);
    ASSERT_TRUE(m_menu.LoadCheckmarkBitmap(IDB_CHECK_OFF, IDB_CHECK_ON));
    EXPECT_EQ(m_menu.m_CheckImages->GetImageCount(), 2);  // no variants of the checks
    const int x = b3D ? 4 + 7 : 2 + 7;                    // the 3-D look's column is wider
    draw(kPlain, ODS_CHECKED);
    EXPECT_EQ(m_canvas.Pixel(x, 4 + 6), sys(COLOR_BTNTEXT));  // the black centre of "off"
    draw(kPlain, ODS_CHECKED | ODS_SELECTED);
    EXPECT_EQ(m_canvas.Pixel(x, 4 + 6), RGB(255, 0, 255));
  }
  EXPECT_FALSE(m_menu.LoadCheckmarkBitmap(0, IDB_CHECK_ON));

  // The old monochrome emboss of disabled images: highlight one pixel down and right, shadow on top.
  CBmpMenu::SetXPBitmap3D(FALSE);
  m_menu.SetDisableOldStyle();
  draw(kGrayed, ODS_GRAYED);
  m_menu.UnSetDisableOldStyle();
  ExpectProbes(m_canvas, {{2 + 8, 4 + 7, sys(COLOR_3DSHADOW)}, {2 + 16, 4 + 15, sys(COLOR_3DHILIGHT)}});
  // After a high-colour bitmap the classic look greys each pixel by its brightness.
  CBmpMenu::SetMenuDrawMode(0);
  const BOOL bHicolor = CBmpMenu::hicolor_bitmaps;
  CBmpMenu::hicolor_bitmaps = TRUE;
  draw(kGrayed, ODS_GRAYED);
  CBmpMenu::hicolor_bitmaps = bHicolor;
  EXPECT_EQ(m_canvas.Pixel(2 + 8, 1 + 2 + 7), CBmpMenu::LightenColor(sys(COLOR_3DSHADOW), (255 / 3) / 255.0));
}
