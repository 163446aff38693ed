// The bitmap menu at 192 DPI: measured sizes, the check mark and 96-DPI images, all doubled.
#include "DpiTestSupport.h"
#include "../menu/MenuTestSupport.h"

#include <ZuntCtrl.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace
{
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

class MenuDpiTest : public ::testing::TestWithParam<bool>
{
protected:
  MenuDpiTest() : m_look(GetParam()) { m_menu.CreatePopupMenu(); }

  void draw(int nPosition, CPixelCanvas& canvas, UINT nState)
  {
    DrawMenuItem(m_menu, nPosition, canvas.DC(), CRect(0, 0, Px(100), Px(22)), nState);
  }
  // The image column: the flat look's gap, as wide as the classic look's image box.
  static CRect imageColumn() { return CRect(0, 0, Px(20), Px(22)); }

  CMenuLookScope m_look;
  CBmpMenu m_menu;
};

// A 96-DPI image: red and blue halves of an 8 x 8 square on the face colour, which is transparent.
void makeImage(CBitmap& bitmap, int nHeight)
{
  CPixelCanvas screen(1, 1);
  bitmap.CreateCompatibleBitmap(&screen.DC(), 16, nHeight);
  CDC dc;
  dc.CreateCompatibleDC(&screen.DC());
  CBitmap* pOld = dc.SelectObject(&bitmap);
  dc.FillSolidRect(0, 0, 16, nHeight, ::GetSysColor(COLOR_3DFACE));
  dc.FillSolidRect(4, 4, 4, 8, kRed);
  dc.FillSolidRect(8, 4, 4, 8, kBlue);
  dc.SelectObject(pOld);
}
}  // namespace

// The text is measured in the menu font it is drawn in, not in the DC's default font; the image
// column, the pads, the separators and the check mark come out doubled.
TEST_P(MenuDpiTest, ItemsMeasureTheirTextInTheMenuFontAndDoubledPadsAndTheCheckMarkIsDoubled)
{
  const wchar_t* pszText = L"\x540d\x524d\x306e\x5909\x66f4";
  m_menu.AppendODMenuW(pszText, MF_OWNERDRAW, 100);
  m_menu.AppendODMenuW(nullptr, MF_OWNERDRAW | MF_SEPARATOR, 0);
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  CFont font;
  font.CreateFontIndirect(&metrics.lfMenuFont);
  CPixelCanvas canvas(1, 1);
  canvas.DC().SelectObject(&font);
  SIZE text = {};
  ::GetTextExtentPoint32W(canvas.DC().GetSafeHdc(), pszText, 5, &text);
  const int nHeight = (std::max)(::GetSystemMetrics(SM_CYMENU), Px(15 + 4));
  const CSize item(text.cx + (GetParam() ? Px(16 + 4 + 8) : Px(2 * 16 + 1)), nHeight);
  EXPECT_EQ(item, CSize(MeasureMenuItem(m_menu, 0)));
  const int nClassicSeparator = (std::max)(::GetSystemMetrics(SM_CYMENU) / 2, Px(15 + 4) / 2);
  EXPECT_EQ(GetParam() ? Px(3) : nClassicSeparator, MeasureMenuItem(m_menu, 1).cy);

  // The check mark: seven strokes 1 pixel wide, 6 (flat, narrow) or 7 (classic) high at 96 DPI.
  m_menu.AppendODMenuW(L"", MF_OWNERDRAW | MF_CHECKED, 101);
  CPixelCanvas markCanvas(Px(100), Px(22));
  draw(2, markCanvas, ODS_CHECKED);
  const CRect mark = markCanvas.BoundsOf(::GetSysColor(COLOR_MENUTEXT), imageColumn());
  EXPECT_EQ(CSize(Px(7), Px(GetParam() ? 6 : 7)), mark.Size());
}

// Item 0 takes the image as a bitmap, item 1 from an image list, item 2 from a 16 x 16 list,
// stretched to the 16 x 15 image size scaled.
TEST_P(MenuDpiTest, ImagesForNinetySixDpiAreStretchedSmoothlyWithoutHalo)
{
  CBitmap images[2];
  makeImage(images[0], 15);
  makeImage(images[1], 16);
  m_menu.AppendMenuW(MF_OWNERDRAW, 100, L"", &images[0]);
  // Adding with a mask blackens the bitmap's transparent pixels: the lists come after.
  CImageList lists[2];
  for (int i = 0; i < 2; ++i)
  {
    lists[i].Create(16, 15 + i, ILC_COLOR24 | ILC_MASK, 1, 1);
    lists[i].Add(&images[i], ::GetSysColor(COLOR_3DFACE));
    m_menu.AppendODMenuW(L"", MF_OWNERDRAW, 101 + i, &lists[i], 0);
  }
  for (int nPosition = 0; nPosition < 3; ++nPosition)
  {
    SCOPED_TRACE(nPosition);
    CPixelCanvas canvas(Px(100), Px(22));
    draw(nPosition, canvas, 0);
    const CRect column = imageColumn();
    const CRect red = canvas.BoundsOf(kRed, column), blue = canvas.BoundsOf(kBlue, column);
    // 16 rows shrink a little to 15 scaled.
    EXPECT_NEAR(Px(8), red.Height(), nPosition < 2 ? 0 : 1);
    EXPECT_EQ(Px(8), blue.right - red.left);
    // The square's pixels are the only ones apart from the column's fill: no fringe where the
    // transparent colour was.
    const COLORREF crFill = canvas.Pixel(column.left + Px(1), column.top + Px(1));
    const auto unfilled = [&canvas, crFill](const CRect& rc) {
      const std::vector<COLORREF> pixels = canvas.Pixels(rc);
      return std::count_if(pixels.begin(), pixels.end(), [crFill](COLORREF c) { return c != crFill; });
    };
    const auto nSquare = unfilled(column);
    CRect square;
    square.UnionRect(red, blue);
    EXPECT_EQ(unfilled(square), nSquare);
    if (nPosition < 2)
    {
      EXPECT_EQ(Px(8) * Px(8), nSquare);
    }
    const std::vector<COLORREF> pixels = canvas.Pixels(column);
    // Smoothing: where red meets blue there are blended pixels.
    const auto nPure = std::count(pixels.begin(), pixels.end(), kRed) + std::count(pixels.begin(), pixels.end(), kBlue);
    EXPECT_LT(nPure, nSquare);
  }
}

INSTANTIATE_TEST_SUITE_P(Looks, MenuDpiTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Flat" : "Classic"; });
