#include "PaletteTestSupport.h"

#include <gtest/gtest.h>

#include <string>

TEST(PaletteGeometry, FramesHitTestsAndTheWindowFitTheGridWithAndWithoutAHeaderCell)
{
  CPaletteFixture plain(0, 10);
  CPaletteFixture header(PLCS_HEADERCELL, 9);
  EXPECT_EQ(CSize(170, 50), header.Client());
  EXPECT_EQ(CRect(5, 5, 165, 25), header.Frame(0)) << "cell 0 spans the first row";
  EXPECT_EQ(CRect(5, 25, 25, 45), header.Frame(1));
  CRect content;
  EXPECT_EQ(1, header.m_palette.GetCellRect(1, content));
  EXPECT_EQ(CRect(8, 28, 22, 42), content) << "3 pixels inside the frame";
  EXPECT_EQ(0, header.m_palette.GetCellRect(9, content));

  const struct
  {
    CPaletteFixture& fixture;
    CPoint point;
    int nHit;
  } hits[] = {
      {plain, {5, 5}, 0},     {plain, {164, 24}, 7},  {plain, {26, 25}, 9},
      {plain, {50, 30}, -1},  // the second row ends after cell 9
      {plain, {4, 10}, -1},   {plain, {10, 50}, -2},  {header, {150, 10}, 0},
      {header, {6, 30}, 1},   {header, {164, 44}, 8}, {header, {100, 47}, -1},
      {header, {-1, 30}, -2},
  };
  for (const auto& hit : hits)
    EXPECT_EQ(hit.nHit, hit.fixture.m_palette.HitTest(hit.point)) << hit.point.x << ", " << hit.point.y;

  // The window fits the grid of cells, its columns and margins.
  EXPECT_EQ(CSize(170, 50), plain.Client());
  plain.m_palette.SetCols(0);
  plain.m_palette.SetCellWidth(-3);
  plain.m_palette.SetCellHeight(0);
  plain.m_palette.SetTopMargin(0);
  EXPECT_EQ(CSize(170, 50), plain.Client()) << "sizes below 1 are ignored";
  plain.m_palette.SetCols(5);
  plain.m_palette.SetLeftMargin(2);
  plain.m_palette.SetCellHeight(10);
  EXPECT_EQ(CSize(104, 30), plain.Client());
  CPaletteFixture empty;
  EXPECT_EQ(CSize(100, 100), empty.Client()) << "Create keeps the rectangle it is given";
  empty.m_palette.AutoFitWindow();
  EXPECT_EQ(CSize(170, 30), empty.Client()) << "an empty palette keeps one row";
}

TEST(PaletteGeometry, AutoBreakChoosesColumnsFromTheCellCount)
{
  const WORD kHeader = PLCS_HEADERCELL;
  const struct
  {
    WORD wStyle;
    int nCells;
    int nCols;
  } cases[] = {{0, 1, 1},        {0, 4, 2},        {0, 5, 3},        {0, 9, 3},        {0, 10, 4},      {0, 16, 4},
               {0, 17, 8},       {0, 64, 8},       {0, 65, 12},      {0, 145, 16},     {kHeader, 5, 2}, {kHeader, 6, 3},
               {kHeader, 10, 3}, {kHeader, 11, 4}, {kHeader, 18, 8}, {kHeader, 66, 12}};
  for (const auto& test : cases)
  {
    CPaletteFixture fixture(PLCS_AUTOBREAK | test.wStyle, test.nCells);
    EXPECT_EQ(test.nCols, fixture.m_palette.GetCols()) << test.nCells << " cells, style " << test.wStyle;
  }
  // Removing cells breaks again; turning the style on breaks at once.
  CPaletteFixture fixture(PLCS_AUTOBREAK, 17);
  fixture.m_palette.DeleteCell(16);
  EXPECT_EQ(4, fixture.m_palette.GetCols());
  CPaletteFixture plain(0, 4);
  plain.m_palette.SetPLCStyle(PLCS_AUTOBREAK | 0x10000);
  EXPECT_EQ(2, plain.m_palette.GetCols());
  EXPECT_EQ(static_cast<DWORD>(PLCS_AUTOBREAK), plain.m_palette.GetPLCStyle());

  // Filled, inserted into and cut cell by cell across new column counts, every cell's tool
  // covers the cell.
  for (WORD wStyle : {WORD(0), WORD(PLCS_AUTOBREAK), WORD(PLCS_AUTOBREAK | PLCS_HEADERCELL)})
  {
    CPaletteFixture filled(wStyle, 66);
    filled.m_palette.InsertCell(3, 0, 0, "inserted");
    filled.m_palette.DeleteCell(10);
    filled.m_palette.DeleteCell(64);
    for (int nCell = 0; nCell < filled.m_palette.GetCellCount(); ++nCell)
      EXPECT_EQ(filled.Frame(nCell), filled.m_palette.Tool(nCell + 1).rect) << "style " << wStyle << " cell " << nCell;
  }
}

TEST(PaletteGeometry, CellsOutsideTheRangeAreRefusedAndTipsAreCut)
{
  CPaletteFixture fixture(0, 3);
  EXPECT_EQ(0u, fixture.m_palette.GetCellExData(-1));
  EXPECT_EQ(nullptr, fixture.m_palette.GetCellTipText(3));
  EXPECT_FALSE(fixture.m_palette.DeleteCell(3));
  EXPECT_EQ(-1, fixture.m_palette.InsertCell(4, 1, 1, "late"));
  EXPECT_EQ(3, fixture.m_palette.GetCellCount());

  fixture.m_palette.SetCellTipText(1, std::string(100, 'x').c_str());
  EXPECT_EQ(std::string(79, 'x'), fixture.m_palette.GetCellTipText(1));
  // Double-byte characters count as one each and are never split.
  std::string strWide;
  for (int n = 0; n < 100; ++n)
    strWide += "\x82\xa0";  // hiragana a in CP932
  fixture.m_palette.SetCellTipText(2, strWide.c_str());
  EXPECT_EQ(strWide.substr(0, 158), fixture.m_palette.GetCellTipText(2));
  fixture.m_palette.SetCellTipText(0, nullptr);
  EXPECT_STREQ("", fixture.m_palette.GetCellTipText(0));
  EXPECT_STREQ("cell 0", fixture.m_palette.Tool(1).strText) << "the tooltip keeps its text";
}

TEST(PaletteGeometry, InsertingAndDeletingShiftSelectionHotCellAndTools)
{
  CPaletteFixture fixture(0, 5);
  fixture.m_palette.SetCurSel(2);
  fixture.Hover(3);
  EXPECT_EQ(0, fixture.m_palette.InsertCell(0, 100, 0, "new"));
  EXPECT_EQ(3, fixture.m_palette.GetCurSel());
  EXPECT_EQ(4, fixture.HotCell());
  EXPECT_EQ(6, fixture.m_palette.InsertCell(6, 101, 0, "end"));
  EXPECT_STREQ("cell 0", fixture.m_palette.Tool(2).strText);
  EXPECT_STREQ("end", fixture.m_palette.Tool(7).strText);

  EXPECT_TRUE(fixture.m_palette.DeleteCell(0));
  EXPECT_EQ(2, fixture.m_palette.GetCurSel());
  EXPECT_EQ(3, fixture.HotCell());
  EXPECT_STREQ("cell 0", fixture.m_palette.Tool(1).strText);
  // Deleting the selected last cell selects the new last one; another keeps the index.
  fixture.m_palette.SetCurSel(5);
  EXPECT_TRUE(fixture.m_palette.DeleteCell(5));
  EXPECT_EQ(4, fixture.m_palette.GetCurSel());
  fixture.m_palette.SetCurSel(1);
  EXPECT_TRUE(fixture.m_palette.DeleteCell(1));
  EXPECT_EQ(1, fixture.m_palette.GetCurSel());
  fixture.m_palette.SetCurSel(9);
  EXPECT_EQ(1, fixture.m_palette.GetCurSel()) << "out of range";

  EXPECT_TRUE(fixture.m_palette.RemoveAll());
  EXPECT_EQ(-1, fixture.m_palette.GetCurSel());
  EXPECT_EQ(0, fixture.m_palette.ToolCount());
  EXPECT_TRUE(fixture.m_owner.m_sent.empty()) << "selection changes by the host send nothing";
}
