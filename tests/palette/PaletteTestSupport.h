// Shared by the palette tests: palettes whose inner state a test can reach, and a palette on a
// recording owner.
#pragma once
#include "../theme/ThemeTestSupport.h"

class CTestPaletteWnd : public CPaletteWnd
{
public:
  using CPaletteWnd::AutoBreak;
  using CPaletteWnd::GetUpdateCells;
  using CPaletteWnd::m_bArmed;
  using CPaletteWnd::m_nHotCell;
  using CPaletteWnd::m_pDummyWnd;
  // The palette's tooltip, found among the windows it owns.
  HWND ToolTip() const;
  CString ToolText(int nTool) const;
};

// A palette owned by a recording window, filled with nCells cells.
class CPaletteFixture
{
public:
  explicit CPaletteFixture(WORD wStyle = 0, int nCells = 0);
  void Fill(int nCells);
  CSize Client() const;
  // Cell frames and hit tests in one go, for readable expectations.
  CRect Frame(int nIndex) const;

  CRecordingWnd m_owner;
  CTestPaletteWnd m_palette;
};
