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

// A palette button that records the calls its palette's messages turn into.
template <class TButton>
class CRecordingPaletteButton : public TButton
{
public:
  CPaletteWnd& Palette() { return this->m_wndPalette; }
  CRect PaletteRect()
  {
    CRect rect;
    this->m_wndPalette.GetWindowRect(&rect);
    return rect;
  }
  using TButton::DrawCell;
  std::vector<CString> m_calls;

protected:
  void OnSelChanged(int nIndex) override
  {
    m_calls.push_back(Describe("sel %d", nIndex));
    TButton::OnSelChanged(nIndex);
  }
  void OnBeginPopup(const POINT& point) override { m_calls.push_back(Describe("begin %d,%d", point.x, point.y)); }
  void OnQueryEndPopup() override { m_calls.push_back("query"); }
  void OnEndPopup() override { m_calls.push_back("end"); }

private:
  static CString Describe(LPCTSTR lpszFormat, int n1, int n2 = 0)
  {
    CString strCall;
    strCall.Format(lpszFormat, n1, n2);
    return strCall;
  }
};
