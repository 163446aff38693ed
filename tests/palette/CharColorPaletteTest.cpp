#include "PaletteTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
}  // namespace

TEST(ColorPalette, CellsAreSwatchesOfTheirColoursOrOfTheNearestEntryAndTheFaceShowsTheSelection)
{
  CPaletteButtonFixture<CColorPaletteCtrl> fixture;
  auto& button = fixture.m_button;
  EXPECT_EQ(0, button.AddCell(kRed, 0, "red"));
  EXPECT_EQ(1, button.AddCell(RGB(250, 10, 10), 0, "almost red"));

  CNoThemeDllScope noDll;
  CPixelCanvas canvas(60, 30);
  fixture.DrawCell(canvas, 0);
  // Content 8..22: its edge in the frame colour, the colour inside.
  EXPECT_EQ(CRect(9, 9, 21, 21), canvas.BoundsOf(kRed));
  EXPECT_EQ(::GetSysColor(COLOR_WINDOWFRAME), canvas.Pixel(8, 8));
  EXPECT_EQ(::GetSysColor(COLOR_3DHILIGHT), canvas.Pixel(6, 6)) << "the palette's look of the selected cell 0";

  struct
  {
    LOGPALETTE header;
    PALETTEENTRY more[1];
  } entries = {{0x300, 2, {{0, 0, 255, 0}}}, {{255, 0, 0, 0}}};
  CPalette palette;
  ASSERT_TRUE(palette.CreatePalette(&entries.header));
  button.SetPalette(&palette);
  CPixelCanvas mapped(60, 30);
  fixture.DrawCell(mapped, 1);
  EXPECT_EQ(12 * 12, mapped.CountColour(CRect(0, 0, 60, 30), kRed));
  button.SetPalette(nullptr);

  // The face shows the selected colour; a pick reaches the parent.
  button.AddCell(kBlue, 0, "blue");
  const CRect item(0, 0, 80, 24);
  button.SetCurSel(2);
  CPixelCanvas face(80, 24);
  fixture.DrawFace(face, item);
  // Inside 4 pixels at left, top and bottom and 18 at the right, less the frame line.
  EXPECT_EQ(CRect(5, 5, 61, 19), face.BoundsOf(kBlue));

  button.SetState(TRUE);
  CPixelCanvas pushed(80, 24);
  fixture.DrawFace(pushed, item);
  EXPECT_EQ(CRect(6, 6, 62, 20), pushed.BoundsOf(kBlue));
  button.SetState(FALSE);

  button.SetCurSel(-1);
  CPixelCanvas none(80, 24);
  fixture.DrawFace(none, item);
  EXPECT_TRUE(none.BoundsOf(kBlue).IsRectEmpty());

  button.AddCell(RGB(0, 255, 0), 0, "green");
  fixture.Pick(3);
  fixture.ExpectPicked(TavikColorPaletteCtrl_Msg_SelChanged, 3);
}

TEST(CharPalette, CharacterFillsItsCellCentredOrOnTheBottomEdgeShrunkToTheWidthAndGreyWhenDisabled)
{
  CPaletteButtonFixture<CCharPaletteCtrl> fixture;
  auto& button = fixture.m_button;
  button.SetCellWidth(40);
  button.SetCellHeight(40);
  button.AddCell('H', 0, "H");
  button.AddCell('\0', 0, "nothing");
  const COLORREF crText = ::GetSysColor(COLOR_WINDOWTEXT);
  CRect content;
  auto draw = [&](int nIndex, COLORREF crInk) {
    button.GetCellRect(nIndex, content);
    CPixelCanvas canvas(100, 60, RGB(255, 255, 255));
    fixture.DrawCell(canvas, nIndex);
    return canvas.BoundsOf(crInk);
  };
  const CRect centred = draw(0, crText);
  ASSERT_FALSE(centred.IsRectEmpty());
  EXPECT_LE(std::abs(centred.CenterPoint().x - content.CenterPoint().x), 2);
  EXPECT_LT(centred.bottom, content.bottom - 2) << "centred, not on the edge";

  button.SetAdjustCenter(false);
  const CRect standing = draw(0, crText);
  EXPECT_NEAR(content.bottom, standing.bottom, 2) << "the baseline is the bottom edge";
  EXPECT_TRUE(draw(1, crText).IsRectEmpty()) << "character 0";

  button.SetAdjustCenter(true);
  button.SetCellWidth(14);
  button.SetCellData(0, 'W');
  const CRect wide = draw(0, crText);
  EXPECT_LE(wide.Width(), content.Width());
  EXPECT_LT(wide.Height(), content.Height() / 2) << "shrunk to the width";

  button.EnableWindow(FALSE);
  EXPECT_TRUE(draw(0, crText).IsRectEmpty());
  EXPECT_FALSE(draw(0, ::GetSysColor(COLOR_GRAYTEXT)).IsRectEmpty());
}

TEST(CharPalette, FaceShowsTheSelectedCharacterAndPicksReachTheParent)
{
  CPaletteButtonFixture<CCharPaletteCtrl> fixture;
  auto& button = fixture.m_button;
  button.AddCell('X', 0, "X");
  button.AddCell('Y', 0, "Y");
  const COLORREF crText = ::GetSysColor(COLOR_WINDOWTEXT);
  const CRect item(0, 0, 80, 30);
  CPixelCanvas face(80, 30, RGB(255, 255, 255));
  fixture.DrawFace(face, item);
  // Left of the drop-down arrow, which is drawn in the text colour too.
  const CRect leftOfArrow(0, 0, 66, 30);
  const CRect ink = face.BoundsOf(crText, leftOfArrow);
  ASSERT_FALSE(ink.IsRectEmpty()) << "cell 0 is selected from the start";
  EXPECT_LE(ink.right, 62);

  button.SetCurSel(-1);
  CPixelCanvas none(80, 30, RGB(255, 255, 255));
  fixture.DrawFace(none, item);
  EXPECT_TRUE(none.BoundsOf(crText, leftOfArrow).IsRectEmpty());

  fixture.Pick(1);
  fixture.ExpectPicked(CCharPaletteCtrl_Msg_SelChanged, 1);

  // Characters are stored sign-extended; cells size to the button (80 by 20) less its arrow.
  EXPECT_EQ(0, button.InsertCell(0, static_cast<char>(0x80), 0, "high"));
  EXPECT_EQ(0xFFFFFF80u, button.GetCellData(0));
  EXPECT_EQ(static_cast<char>(0x80), button.GetCellChar(0));
  button.AutoCellSize();
  EXPECT_EQ(66, button.GetCellWidth());
  EXPECT_EQ(20, button.GetCellHeight());
}
