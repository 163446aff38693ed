// Shared by the palette tests: palettes whose inner state a test can reach, a palette on a
// recording owner, and palette buttons on a recording parent.
#pragma once
#include "../theme/ThemeTestSupport.h"

#include <gtest/gtest.h>

#include <string>

// A tool of the palette's tooltip: its text and the rectangle it covers.
struct STool
{
  CString strText;
  CRect rect;
};

class CTestPaletteWnd : public CPaletteWnd
{
public:
  int ToolCount() const { return m_wndToolTip.GetToolCount(); }
  STool Tool(int nTool) const;
};

// A palette owned by a recording window, filled with nCells cells.
class CPaletteFixture
{
public:
  explicit CPaletteFixture(WORD wStyle = 0, int nCells = 0);
  void Fill(int nCells);
  CSize Client() const;
  CRect Frame(int nIndex) const;
  // Makes a cell hot by moving the mouse over it.
  void Hover(int nIndex);
  // The hot cell, as Enter picks it (-1: none); the selection is put back and the owner's
  // record cleared.
  int HotCell();

  CRecordingWnd m_owner;
  CTestPaletteWnd m_palette;
};

CRect WindowRect(HWND hWnd);
// The window that stands for the open palette on the owner's side (empty when there is none).
CRect DummyRect(const CWnd& owner, const CWnd& palette);

// A palette button that records the calls its palette's messages turn into.
template <class TButton>
class CRecordingPaletteButton : public TButton
{
public:
  CPaletteWnd& Palette() { return this->m_wndPalette; }
  using TButton::DrawCell;
  std::vector<std::string> m_calls;

protected:
  void OnSelChanged(int nIndex) override
  {
    m_calls.push_back("sel " + std::to_string(nIndex));
    TButton::OnSelChanged(nIndex);
  }
  void OnBeginPopup(const POINT& point) override
  {
    m_calls.push_back("begin " + std::to_string(point.x) + "," + std::to_string(point.y));
  }
  void OnQueryEndPopup() override { m_calls.push_back("query"); }
  void OnEndPopup() override { m_calls.push_back("end"); }
};

// A palette button of type TButton on a recording parent, with a palette and cells.
template <class TButton>
class CPaletteButtonFixture
{
public:
  static constexpr UINT kButtonId = 12;
  explicit CPaletteButtonFixture(const RECT& rect = CRect(20, 20, 100, 40), CPoint ptParent = CPoint(0, 0))
  {
    m_parent.SetWindowPos(nullptr, ptParent.x, ptParent.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_button.Create("", WS_CHILD | WS_VISIBLE, rect, &m_parent, kButtonId);
    m_button.InitButton(0);
  }
  // The face drawn into a canvas of the item's size.
  void DrawFace(CPixelCanvas& canvas, const RECT& item)
  {
    DRAWITEMSTRUCT draw = {ODT_BUTTON, kButtonId, 0, ODA_DRAWENTIRE, 0, m_button.m_hWnd, canvas.DC().GetSafeHdc(),
                           item,       0};
    m_button.DrawItem(&draw);
  }
  // Cell nIndex as the open palette would have it drawn, into the canvas.
  void DrawCell(CPixelCanvas& canvas, int nIndex)
  {
    CRect frame;
    m_button.Palette().CalcCellFrameRect(nIndex, frame);
    m_button.DrawCell(canvas.DC(), nIndex, frame);
  }
  // Picks a cell with the keyboard: Right nRight times from the selection, then Enter.
  void Pick(int nRight)
  {
    // The pointer, wherever an earlier test left it, must not choose a cell by hovering.
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    m_button.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    for (int n = 0; n < nRight; ++n)
      PressKey(m_parent.m_hWnd, VK_RIGHT);
    PressKey(m_parent.m_hWnd, VK_RETURN);
  }
  // The parent was told of the pick, with the control id and the index, and of nothing else.
  void ExpectPicked(UINT nMessage, int nIndex)
  {
    EXPECT_EQ(std::vector<UINT>({nMessage}), m_parent.Sequence());
    ASSERT_NE(nullptr, m_parent.First(nMessage));
    EXPECT_EQ(kButtonId, m_parent.First(nMessage)->wParam);
    EXPECT_EQ(nIndex, m_parent.First(nMessage)->lParam);
    EXPECT_EQ(nIndex, m_button.GetCurSel());
  }

  CRecordingWnd m_parent;
  CRecordingPaletteButton<TButton> m_button;
};
