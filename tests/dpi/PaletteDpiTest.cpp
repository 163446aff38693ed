// The palettes at 192 DPI: cells, margins and insets doubled, hit testing on the doubled grid,
// the button's arrow column, and the grid following a DPI change.
#include "DpiTestSupport.h"
#include "../PixelCanvas.h"

#include <DpiScale.h>
#include <ZuntCtrl.h>
#include <gtest/gtest.h>

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);

class CExposedCharPalette : public CCharPaletteCtrl
{
public:
  using CCharPaletteCtrl::DrawChar;
};

// The rows a glyph drawn on white covers.
int InkHeight(const CPixelCanvas& canvas, const CRect& area)
{
  int nTop = -1, nBottom = -1;
  for (int y = area.top; y < area.bottom; ++y)
  {
    if (canvas.LeftmostNot(CRect(area.left, y, area.right, y + 1), kWhite) < 0)
      continue;
    nBottom = y + 1;
    if (nTop < 0)
      nTop = y;
  }
  return nBottom - nTop;
}

class PaletteDpiTest : public ::testing::Test
{
protected:
  PaletteDpiTest()
  {
    m_palette.Create("Palette", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
    for (int i = 0; i < 10; ++i)
      m_palette.AddCell(i, 0, "tip");
  }
  CSize client() const
  {
    CRect rect;
    m_palette.GetClientRect(&rect);
    return rect.Size();
  }

  CPaletteWnd m_palette;
};
}  // namespace

// The window fits the doubled grid; hits and cell contents follow it; a DPI change rescales the
// grid and refits the window.
TEST_F(PaletteDpiTest, GridIsTwiceItsSizeAndADpiChangeRescalesIt)
{
  EXPECT_EQ(CSize(Px(170), Px(50)), client());
  CRect content;
  m_palette.GetCellRect(9, content);
  EXPECT_EQ(CRect(Px(28), Px(28), Px(42), Px(42)), content);
  const struct
  {
    CPoint point;
    int nCell;
  } rows[] = {{{Px(25) + 1, Px(25) + 1}, 9},
              {{Px(25) - 1, Px(25) + 1}, 8},
              {{Px(5) - 1, Px(10)}, -1},
              {{Px(165) - 1, Px(24)}, 7},
              {{Px(45) + 1, Px(45) - 1}, -1}};
  for (const auto& row : rows)
    EXPECT_EQ(row.nCell, m_palette.HitTest(row.point)) << row.point.x << ", " << row.point.y;

  const CRect suggested(40, 30, 400, 300);
  m_palette.SendMessage(WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(CSize(20, 5), CSize(m_palette.GetCellWidth(), m_palette.GetTopMargin()));
  EXPECT_EQ(CSize(170, 50), client());
  CRect window;
  m_palette.GetWindowRect(&window);
  EXPECT_EQ(suggested.TopLeft(), window.TopLeft());
}

TEST(PaletteButtonDpi, CellsLeaveTheScaledArrowColumn)
{
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, Px(200), Px(100)), nullptr, 0));
  CCharPaletteCtrl button;
  ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, Px(80), Px(20)), &parent, 1));
  ASSERT_TRUE(button.InitButton(0));
  button.AutoCellSize();
  EXPECT_EQ(CSize(Px(66), Px(20)), CSize(button.GetCellWidth(), button.GetCellHeight()));
  button.DestroyWindow();
}

// '|' is narrow enough to fit at once: its size is where the search starts, a point per pixel of
// the cell's height at 96 DPI.
TEST(CharPaletteDpi, FontSearchStartsAtTheUnscaledCellHeightInPoints)
{
  const CRect area(0, 0, Px(40), Px(40));
  CPixelCanvas drawn(area.Width(), area.Height(), kWhite), expected(area.Width(), area.Height(), kWhite);
  CExposedCharPalette palette;
  CRect content(Px(10), Px(10), Px(24), Px(24));
  palette.DrawChar(drawn.DC(), content, '|');
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(140, ""));
  CFont* pOld = expected.DC().SelectObject(&font);
  expected.DC().TextOut(0, 0, "|", 1);
  expected.DC().SelectObject(pOld);
  EXPECT_EQ(InkHeight(expected, area), InkHeight(drawn, area));
}
