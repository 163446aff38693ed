#include "PaletteTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const std::vector<UINT> kOpenAndClose = {PaletteWnd_Msg_BeginPopup, PaletteWnd_Msg_QueryEndPopup,
                                         PaletteWnd_Msg_EndPopup};
const std::vector<UINT> kPickAndClose = {PaletteWnd_Msg_BeginPopup, PaletteWnd_Msg_SelChanged,
                                         PaletteWnd_Msg_QueryEndPopup, PaletteWnd_Msg_EndPopup};

void Mouse(CWnd& wnd, UINT nMessage, int x, int y)
{
  wnd.SendMessage(nMessage, 0, MAKELPARAM(x, y));
}

// A plain palette button of 10 cells, opened by a click.
struct COpenedButton : CPaletteButtonFixture<CPaletteButton>
{
  explicit COpenedButton(CPoint ptParent = CPoint(0, 0)) : CPaletteButtonFixture(CRect(20, 20, 100, 44), ptParent)
  {
    for (int nCell = 0; nCell < 10; ++nCell)
      m_button.AddCell(nCell, 0, "");
    Mouse(m_button, WM_LBUTTONDOWN, 5, 5);
  }
};

// Every cell in the palette's own look, with cell 1 selected and cell 2 under the mouse.
void DrawSelectedAndHot(CTestPaletteWnd& palette, CPixelCanvas& canvas)
{
  palette.SetCurSel(1);
  palette.m_nHotCell = 2;
  for (int nIndex = 0; nIndex < palette.GetCellCount(); ++nIndex)
    palette.DrawCell(canvas.DC(), nIndex);
}

int Brightness(COLORREF crColour)
{
  return GetRValue(crColour) + GetGValue(crColour) + GetBValue(crColour);
}
}  // namespace

TEST(PalettePopup, OpensAtThePointWithADummyAndEscapeClosesIt)
{
  CPaletteFixture fixture(0, 10);
  CTestPaletteWnd& palette = fixture.m_palette;
  ASSERT_TRUE(palette.DoPopup(CPoint(300, 200)));
  EXPECT_TRUE(palette.IsWindowVisible());
  CRect rect, dummy;
  palette.GetWindowRect(&rect);
  EXPECT_EQ(CPoint(300, 200), rect.TopLeft());
  EXPECT_EQ(palette.m_hWnd, ::GetCapture());
  EXPECT_FALSE(palette.DoPopup(CPoint(0, 0))) << "open already";
  ASSERT_NE(nullptr, palette.m_pDummyWnd);
  palette.m_pDummyWnd->GetWindowRect(&dummy);
  EXPECT_EQ(rect, dummy);
  const SSentMessage* pBegin = fixture.m_owner.First(PaletteWnd_Msg_BeginPopup);
  ASSERT_NE(nullptr, pBegin);
  EXPECT_EQ(300u, pBegin->wParam);
  EXPECT_EQ(200, pBegin->lParam);

  // The dummy follows the palette.
  palette.SetWindowPos(nullptr, 320, 210, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  palette.m_pDummyWnd->GetWindowRect(&dummy);
  EXPECT_EQ(CPoint(320, 210), dummy.TopLeft());

  // The key goes through the hook to the palette, not to the window it was posted to.
  PressKey(fixture.m_owner.m_hWnd, VK_ESCAPE);
  EXPECT_FALSE(palette.IsWindowVisible());
  EXPECT_EQ(nullptr, ::GetCapture());
  EXPECT_EQ(nullptr, palette.m_pDummyWnd);
  EXPECT_EQ(kOpenAndClose, fixture.m_owner.Sequence());
  EXPECT_FALSE(palette.EndPopup());
  // With the hook gone, keys reach their windows again.
  PressKey(fixture.m_owner.m_hWnd, VK_ESCAPE);
  EXPECT_EQ(1, fixture.m_owner.Count(WM_KEYDOWN));
}

TEST(PalettePopup, ArrowsMoveTheHotCellAroundTheGridAndEnterPicksIt)
{
  CPaletteFixture fixture(0, 10);
  CTestPaletteWnd& palette = fixture.m_palette;
  HWND hOwner = fixture.m_owner.m_hWnd;
  ASSERT_TRUE(palette.DoPopup(CPoint(300, 200)));
  const struct
  {
    UINT nKey;
    int nHot;
    BOOL bArmed;
  } steps[] = {
      {VK_UP, 8, FALSE},    // from the selection (0) to the lowest cell of its column
      {VK_DOWN, 0, FALSE},  // from the bottom to the top of the column
      {VK_LEFT, 9, TRUE},   // from the first cell to the last
      {VK_DOWN, 1, TRUE},   // 9 + 8 is past the end: the top of column 1
      {VK_UP, 9, TRUE},     // the lowest cell of column 1
      {VK_RIGHT, 0, TRUE},  // from the last cell to the first
      {VK_RIGHT, 1, TRUE},
  };
  for (const auto& step : steps)
  {
    PressKey(hOwner, step.nKey);
    EXPECT_EQ(step.nHot, palette.m_nHotCell) << "key " << step.nKey;
    EXPECT_EQ(step.bArmed, palette.m_bArmed) << "key " << step.nKey;
  }
  EXPECT_EQ(0, palette.GetCurSel()) << "arrows move only the hot cell";
  PressKey(hOwner, VK_RETURN);
  EXPECT_EQ(1, palette.GetCurSel());
  EXPECT_FALSE(palette.IsWindowVisible());
  EXPECT_EQ(kPickAndClose, fixture.m_owner.Sequence());
  ASSERT_NE(nullptr, fixture.m_owner.First(PaletteWnd_Msg_SelChanged));
  EXPECT_EQ(1, fixture.m_owner.First(PaletteWnd_Msg_SelChanged)->lParam);

  // Without cells the arrows do nothing and Enter only closes.
  CPaletteFixture empty;
  ASSERT_TRUE(empty.m_palette.DoPopup(CPoint(300, 200)));
  PressKey(empty.m_owner.m_hWnd, VK_LEFT);
  EXPECT_EQ(-1, empty.m_palette.m_nHotCell);
  PressKey(empty.m_owner.m_hWnd, VK_RETURN);
  EXPECT_EQ(kOpenAndClose, empty.m_owner.Sequence());
}

TEST(PalettePopup, TheOpeningReleaseArmsAndTheNextClickOutsideCloses)
{
  CPaletteFixture fixture(0, 10);
  CTestPaletteWnd& palette = fixture.m_palette;
  ASSERT_TRUE(palette.DoPopup(CPoint(300, 200)));
  Mouse(palette, WM_LBUTTONUP, -40, -10);
  EXPECT_TRUE(palette.IsWindowVisible());
  EXPECT_TRUE(palette.m_bArmed);
  Mouse(palette, WM_LBUTTONDOWN, 2, 2);  // the margin: nothing
  EXPECT_TRUE(palette.IsWindowVisible());
  Mouse(palette, WM_LBUTTONDOWN, 200, 80);
  EXPECT_FALSE(palette.IsWindowVisible());
  EXPECT_EQ(kOpenAndClose, fixture.m_owner.Sequence());

  // Moving over a cell arms; releasing on it picks it and closes.
  fixture.m_owner.m_sent.clear();
  ASSERT_TRUE(palette.DoPopup(CPoint(300, 200)));
  const CPoint cell = fixture.Frame(3).CenterPoint();
  Mouse(palette, WM_MOUSEMOVE, cell.x, cell.y);
  EXPECT_EQ(3, palette.m_nHotCell);
  Mouse(palette, WM_LBUTTONUP, cell.x, cell.y);
  EXPECT_FALSE(palette.IsWindowVisible());
  EXPECT_EQ(3, palette.GetCurSel());
  EXPECT_EQ(kPickAndClose, fixture.m_owner.Sequence());
}

TEST(PalettePopup, LosingTheApplicationOrTheSessionOrTheWindowClosesAndTellsTheOwnerOnce)
{
  CPaletteFixture fixture(0, 3);
  CTestPaletteWnd& palette = fixture.m_palette;
  ASSERT_TRUE(palette.DoPopup(CPoint(300, 200)));
  palette.SendMessage(WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_FALSE(palette.IsWindowVisible());
  ASSERT_TRUE(palette.DoPopup(CPoint(300, 200)));
  EXPECT_TRUE(palette.SendMessage(WM_QUERYENDSESSION, 0, 0));
  EXPECT_FALSE(palette.IsWindowVisible());
  // Without an owner no dummy is made; the owner is then told of the end directly.
  palette.SetOwnerWindow(nullptr);
  ASSERT_TRUE(palette.DoPopup(CPoint(300, 200)));
  EXPECT_EQ(nullptr, palette.m_pDummyWnd);
  palette.SetOwnerWindow(&fixture.m_owner);
  palette.DestroyWindow();
  EXPECT_EQ(0, palette.GetCellCount());
  EXPECT_EQ(3, fixture.m_owner.Count(PaletteWnd_Msg_EndPopup));
  EXPECT_EQ(3, fixture.m_owner.Count(PaletteWnd_Msg_QueryEndPopup));
}

TEST(PalettePopup, AnOwnerThatEndsThePopupWhileAskedClosesItOnce)
{
  class CClosingOwner : public CRecordingWnd
  {
  public:
    CPaletteWnd* m_pPalette = nullptr;
    BOOL m_bClosedWhileAsked = FALSE;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
      const LRESULT lResult = CRecordingWnd::WindowProc(message, wParam, lParam);
      if (message == PaletteWnd_Msg_QueryEndPopup)
        m_bClosedWhileAsked = m_pPalette->EndPopup();
      return lResult;
    }
  };
  CPaletteFixture fixture(0, 3);
  CTestPaletteWnd& palette = fixture.m_palette;
  CClosingOwner owner;
  owner.m_pPalette = &palette;
  palette.SetOwnerWindow(&owner);
  ASSERT_TRUE(palette.DoPopup(CPoint(300, 200)));
  EXPECT_TRUE(palette.EndPopup());
  EXPECT_TRUE(owner.m_bClosedWhileAsked);
  EXPECT_EQ(kOpenAndClose, owner.Sequence());
  EXPECT_FALSE(palette.IsWindowVisible());
  EXPECT_EQ(nullptr, ::GetCapture());
  EXPECT_EQ(nullptr, palette.m_pDummyWnd);
}

TEST(PalettePopup, WhilePoppedUpTheOwnerDrawsTheCells)
{
  CPaletteFixture fixture(PLCS_HEADERCELL, 5);
  CTestPaletteWnd& palette = fixture.m_palette;
  palette.SetCurSel(2);
  EXPECT_EQ(0, fixture.m_owner.Count(PaletteWnd_Msg_DrawCell)) << "hidden, the palette draws itself";
  ASSERT_TRUE(palette.DoPopup(CPoint(300, 200)));
  palette.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  std::vector<int> drawn(5, 0);
  for (const SSentMessage& sent : fixture.m_owner.m_sent)
  {
    if (sent.nMessage != PaletteWnd_Msg_DrawCell)
      continue;
    const PaletteDrawCellInfo& info = sent.drawCell;
    ASSERT_TRUE(info.nIndex >= 0 && info.nIndex < 5) << info.nIndex;
    ++drawn[info.nIndex];
    EXPECT_EQ(palette.m_hWnd, info.hWnd);
    EXPECT_NE(nullptr, info.hDC);
    EXPECT_EQ(fixture.Frame(info.nIndex), CRect(info.rect));
  }
  for (int nIndex = 0; nIndex < 5; ++nIndex)
    EXPECT_GE(drawn[nIndex], 1) << "cell " << nIndex;
  palette.EndPopup();
}

TEST(PalettePopup, ButtonOpensItsPaletteBelowItselfAndClosesItOnTheNextClick)
{
  COpenedButton opened;
  CRecordingPaletteButton<CPaletteButton>& button = opened.m_button;
  EXPECT_EQ(static_cast<UINT>(BS_OWNERDRAW), button.GetButtonStyle() & 0x0F);
  EXPECT_FALSE(button.InitButton(0)) << "one palette per button";
  EXPECT_TRUE(button.Palette().IsWindowVisible());
  const CPoint corner(opened.ButtonRect().left, opened.ButtonRect().bottom + 1);
  EXPECT_EQ(CRect(corner, CSize(170, 50)), button.PaletteRect());
  EXPECT_TRUE(button.GetState() & BST_PUSHED);
  EXPECT_EQ(button.m_hWnd, ::GetFocus());
  Mouse(button, WM_LBUTTONDOWN, 5, 5);
  EXPECT_FALSE(button.Palette().IsWindowVisible());
  EXPECT_FALSE(button.GetState() & BST_PUSHED);
  const std::string strBegin = "begin " + std::to_string(corner.x) + "," + std::to_string(corner.y);
  EXPECT_EQ(std::vector<std::string>({strBegin, "query", "end"}), button.m_calls);

  // The space key opens it too; a pick comes back as OnSelChanged.
  button.m_calls.clear();
  button.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(button.Palette().IsWindowVisible());
  PressKey(opened.m_parent.m_hWnd, VK_RIGHT);
  PressKey(opened.m_parent.m_hWnd, VK_RETURN);
  EXPECT_EQ(std::vector<std::string>({strBegin, "sel 1", "query", "end"}), button.m_calls);
  EXPECT_EQ(1, button.GetCurSel());
  EXPECT_TRUE(opened.m_parent.Sequence().empty()) << "a plain palette button tells its parent nothing";

  // At the screen's edges it opens above the button, its right edge on the button's.
  COpenedButton atEdge(CPoint(::GetSystemMetrics(SM_CXFULLSCREEN) - 100, ::GetSystemMetrics(SM_CYFULLSCREEN) - 44));
  EXPECT_EQ(atEdge.ButtonRect().top, atEdge.m_button.PaletteRect().bottom);
  EXPECT_EQ(atEdge.ButtonRect().right, atEdge.m_button.PaletteRect().right);
  atEdge.m_button.Palette().EndPopup();
}

TEST(PalettePopup, ClassicCellsShowSelectionAndHotLooks)
{
  CNoThemeDllScope noDll;
  CPaletteFixture fixture(0, 4);
  CTestPaletteWnd& palette = fixture.m_palette;
  CPixelCanvas canvas(100, 30);
  DrawSelectedAndHot(palette, canvas);
  const COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(crFace, canvas.Pixel(15, 15));
  EXPECT_EQ(crFace, canvas.Pixel(5, 5)) << "a plain cell has no edge";
  EXPECT_EQ(::GetSysColor(COLOR_3DHILIGHT), canvas.Pixel(35, 15)) << "selected";
  EXPECT_LT(Brightness(canvas.Pixel(25, 5)), Brightness(crFace)) << "sunken top-left";
  EXPECT_EQ(crFace, canvas.Pixel(55, 15)) << "hot";
  EXPECT_LT(Brightness(canvas.Pixel(64, 24)), Brightness(crFace)) << "raised bottom-right";
  EXPECT_EQ(RGB(1, 2, 3), canvas.Pixel(2, 2)) << "outside the cells";

  // The selected cell under the mouse keeps the face colour inside its sunken edge.
  palette.m_nHotCell = 1;
  palette.DrawCell(canvas.DC(), 1);
  EXPECT_EQ(crFace, canvas.Pixel(35, 15));
  EXPECT_LT(Brightness(canvas.Pixel(25, 5)), Brightness(crFace));
}

TEST(PalettePopup, ThemedCellsDrawTheToolbarButtonLooks)
{
  if (!VisualStylesActive())
    GTEST_SKIP() << "no visual styles on this system";
  CPaletteFixture fixture(0, 3);
  CTestPaletteWnd& palette = fixture.m_palette;
  CPixelCanvas canvas(100, 30);
  DrawSelectedAndHot(palette, canvas);
  const std::vector<COLORREF> normal = canvas.Pixels(fixture.Frame(0));
  const std::vector<COLORREF> selected = canvas.Pixels(fixture.Frame(1));
  const std::vector<COLORREF> hot = canvas.Pixels(fixture.Frame(2));
  EXPECT_NE(normal, selected);
  EXPECT_NE(normal, hot);
  EXPECT_NE(selected, hot);
  CNoThemeDllScope noDll;
  palette.DrawCell(canvas.DC(), 0);
  EXPECT_NE(normal, canvas.Pixels(fixture.Frame(0))) << "the classic look differs";
}
