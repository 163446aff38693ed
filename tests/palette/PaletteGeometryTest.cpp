#include "PaletteTestSupport.h"

#include <gtest/gtest.h>

#include <string>

TEST(PaletteGeometry, WindowFitsTheGridOfCellsColumnsAndMargins)
{
  CPaletteFixture fixture(0, 10);
  EXPECT_EQ(CSize(170, 50), fixture.Client());
  fixture.m_palette.SetCols(0);
  EXPECT_EQ(8, fixture.m_palette.GetCols());
  fixture.m_palette.SetCellWidth(-3);
  fixture.m_palette.SetCellHeight(0);
  fixture.m_palette.SetTopMargin(0);
  EXPECT_EQ(CSize(170, 50), fixture.Client());
  fixture.m_palette.SetCols(5);
  fixture.m_palette.SetLeftMargin(2);
  fixture.m_palette.SetCellHeight(10);
  EXPECT_EQ(CSize(104, 30), fixture.Client());

  CPaletteFixture empty;
  EXPECT_EQ(CSize(100, 100), empty.Client()) << "Create keeps the rectangle it is given";
  empty.m_palette.AutoFitWindow();
  EXPECT_EQ(CSize(170, 30), empty.Client()) << "an empty palette keeps one row";
}

TEST(PaletteGeometry, HeaderCellSpansTheFirstRow)
{
  CPaletteFixture fixture(PLCS_HEADERCELL, 9);
  EXPECT_EQ(CRect(5, 5, 165, 25), fixture.Frame(0));
  EXPECT_EQ(CRect(5, 25, 25, 45), fixture.Frame(1));
  EXPECT_EQ(CRect(145, 25, 165, 45), fixture.Frame(8));
  EXPECT_EQ(CSize(170, 50), fixture.Client());
  CTestPaletteWnd& palette = fixture.m_palette;
  EXPECT_EQ(0, palette.HitTest(CPoint(150, 10)));
  EXPECT_EQ(1, palette.HitTest(CPoint(6, 30)));
  EXPECT_EQ(8, palette.HitTest(CPoint(164, 44)));
  EXPECT_EQ(-1, palette.HitTest(CPoint(2, 30))) << "margin";
  EXPECT_EQ(-1, palette.HitTest(CPoint(100, 47))) << "margin";
  EXPECT_EQ(-2, palette.HitTest(CPoint(-1, 30)));
  EXPECT_EQ(-2, palette.HitTest(CPoint(170, 30)));
  // The content of a cell leaves 3 pixels of its frame.
  CRect content;
  EXPECT_EQ(1, palette.GetCellRect(1, content));
  EXPECT_EQ(CRect(8, 28, 22, 42), content);
  EXPECT_EQ(0, palette.GetCellRect(9, content));
  EXPECT_EQ(0, palette.CalcCellFrameRect(-1, content));
}

TEST(PaletteGeometry, HitTestFindsCellsAndNoCellPastTheLast)
{
  CPaletteFixture fixture(0, 10);
  CTestPaletteWnd& palette = fixture.m_palette;
  EXPECT_EQ(0, palette.HitTest(CPoint(5, 5)));
  EXPECT_EQ(7, palette.HitTest(CPoint(164, 24)));
  EXPECT_EQ(9, palette.HitTest(CPoint(26, 25)));
  EXPECT_EQ(-1, palette.HitTest(CPoint(50, 30))) << "the second row ends after cell 9";
  EXPECT_EQ(-1, palette.HitTest(CPoint(4, 10)));
  EXPECT_EQ(-2, palette.HitTest(CPoint(10, 50)));
}

TEST(PaletteGeometry, AutoBreakChoosesColumnsFromTheCellCount)
{
  const struct
  {
    WORD wStyle;
    int nCells;
    int nCols;
  } cases[] = {{0, 1, 1},   {0, 4, 2},   {0, 5, 3},   {0, 9, 3},   {0, 10, 4},  {0, 16, 4},
               {0, 17, 8},  {0, 64, 8},  {0, 65, 12}, {0, 144, 12}, {0, 145, 16},
               {PLCS_HEADERCELL, 5, 2},  {PLCS_HEADERCELL, 6, 3},  {PLCS_HEADERCELL, 10, 3},
               {PLCS_HEADERCELL, 11, 4}, {PLCS_HEADERCELL, 18, 8}, {PLCS_HEADERCELL, 66, 12}};
  for (const auto& test : cases)
  {
    CPaletteFixture fixture(PLCS_AUTOBREAK | test.wStyle, test.nCells);
    EXPECT_EQ(test.nCols, fixture.m_palette.GetCols())
        << test.nCells << " cells, style " << test.wStyle;
  }
  // Removing cells breaks again; turning the style on breaks at once.
  CPaletteFixture fixture(PLCS_AUTOBREAK, 17);
  fixture.m_palette.DeleteCell(16);
  EXPECT_EQ(4, fixture.m_palette.GetCols());
  CPaletteFixture plain(0, 4);
  EXPECT_EQ(8, plain.m_palette.GetCols());
  plain.m_palette.SetPLCStyle(PLCS_AUTOBREAK | 0x10000);
  EXPECT_EQ(2, plain.m_palette.GetCols());
  EXPECT_EQ(static_cast<DWORD>(PLCS_AUTOBREAK), plain.m_palette.GetPLCStyle());
}

TEST(PaletteGeometry, CellsOutsideTheRangeAreRefusedAndTipsAreCut)
{
  CPaletteFixture fixture(0, 3);
  CTestPaletteWnd& palette = fixture.m_palette;
  EXPECT_EQ(0u, palette.GetCellData(3));
  EXPECT_EQ(0u, palette.GetCellExData(-1));
  EXPECT_EQ(nullptr, palette.GetCellTipText(3));
  palette.SetCellData(3, 7);
  palette.SetCellExData(-1, 7);
  palette.SetCellTipText(5, "x");
  EXPECT_FALSE(palette.DeleteCell(3));
  EXPECT_EQ(-1, palette.InsertCell(4, 1, 1, "late"));
  EXPECT_EQ(-1, palette.InsertCell(-1, 1, 1, "early"));
  EXPECT_EQ(3, palette.GetCellCount());

  palette.SetCellData(1, 0x12345678);
  palette.SetCellExData(1, 42);
  EXPECT_EQ(0x12345678u, palette.GetCellData(1));
  EXPECT_EQ(42u, palette.GetCellExData(1));
  palette.SetCellTipText(1, std::string(100, 'x').c_str());
  EXPECT_EQ(std::string(79, 'x'), palette.GetCellTipText(1));
  // Double-byte characters count as one each and are never split.
  std::string strWide;
  for (int n = 0; n < 100; ++n)
    strWide += "\x82\xa0";  // hiragana a in CP932
  palette.SetCellTipText(2, strWide.c_str());
  EXPECT_EQ(strWide.substr(0, 158), palette.GetCellTipText(2));
  palette.SetCellTipText(0, nullptr);
  EXPECT_STREQ("", palette.GetCellTipText(0));
  EXPECT_STREQ("cell 0", palette.ToolText(1)) << "the tooltip keeps its text";
}

TEST(PaletteGeometry, InsertingAndDeletingShiftSelectionHotCellAndTools)
{
  CPaletteFixture fixture(0, 5);
  CTestPaletteWnd& palette = fixture.m_palette;
  palette.SetCurSel(2);
  palette.m_nHotCell = 3;
  EXPECT_EQ(0, palette.InsertCell(0, 100, 0, "new"));
  EXPECT_EQ(3, palette.GetCurSel());
  EXPECT_EQ(4, palette.m_nHotCell);
  EXPECT_EQ(6, palette.InsertCell(6, 101, 0, "end"));
  EXPECT_EQ(3, palette.GetCurSel());
  EXPECT_EQ(7, ::SendMessage(palette.ToolTip(), TTM_GETTOOLCOUNT, 0, 0));
  EXPECT_STREQ("new", palette.ToolText(1));
  EXPECT_STREQ("cell 0", palette.ToolText(2));
  EXPECT_STREQ("end", palette.ToolText(7));

  EXPECT_TRUE(palette.DeleteCell(0));
  EXPECT_EQ(2, palette.GetCurSel());
  EXPECT_EQ(3, palette.m_nHotCell);
  EXPECT_STREQ("cell 0", palette.ToolText(1));
  EXPECT_EQ(6, ::SendMessage(palette.ToolTip(), TTM_GETTOOLCOUNT, 0, 0));
  // Deleting the selected last cell selects the new last one.
  palette.SetCurSel(5);
  EXPECT_TRUE(palette.DeleteCell(5));
  EXPECT_EQ(4, palette.GetCurSel());
  // Deleting a selected cell that is not the last keeps the index.
  palette.SetCurSel(1);
  EXPECT_TRUE(palette.DeleteCell(1));
  EXPECT_EQ(1, palette.GetCurSel());
  palette.SetCurSel(9);
  EXPECT_EQ(1, palette.GetCurSel()) << "out of range";

  EXPECT_TRUE(palette.RemoveAll());
  EXPECT_EQ(-1, palette.GetCurSel());
  EXPECT_EQ(0, palette.GetCellCount());
  EXPECT_EQ(0, ::SendMessage(palette.ToolTip(), TTM_GETTOOLCOUNT, 0, 0));
  EXPECT_TRUE(fixture.m_owner.m_sent.empty()) << "selection changes by the host send nothing";
}

TEST(PaletteGeometry, UpdateCellsAreTheCellsMeetingTheRectangle)
{
  CPaletteFixture fixture(0, 10);
  CArray<int, int> cells;
  EXPECT_EQ(2, fixture.m_palette.GetUpdateCells(CRect(20, 10, 30, 20), cells));
  EXPECT_EQ(0, cells[0]);
  EXPECT_EQ(1, cells[1]);
  EXPECT_EQ(10, fixture.m_palette.GetUpdateCells(CRect(0, 0, 170, 50), cells));
  EXPECT_EQ(0, fixture.m_palette.GetUpdateCells(CRect(0, 0, 4, 4), cells));
  CPaletteFixture empty;
  EXPECT_EQ(0, empty.m_palette.GetUpdateCells(CRect(0, 0, 170, 50), cells));
}
