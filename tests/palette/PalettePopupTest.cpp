#include "PaletteTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>

namespace
{
const std::vector<UINT> kOpenAndClose = {PaletteWnd_Msg_BeginPopup, PaletteWnd_Msg_QueryEndPopup,
                                         PaletteWnd_Msg_EndPopup};
const std::vector<UINT> kPickAndClose = {PaletteWnd_Msg_BeginPopup, PaletteWnd_Msg_SelChanged,
                                         PaletteWnd_Msg_QueryEndPopup, PaletteWnd_Msg_EndPopup};

void Mouse(CWnd& wnd, UINT nMessage, int x, int y) { wnd.SendMessage(nMessage, 0, MAKELPARAM(x, y)); }

// An owner that acts, once it has recorded it, on one message.
class CActingOwner : public CRecordingWnd
{
public:
  UINT m_nActOn = 0;
  std::function<void()> m_act;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
  {
    const LRESULT lResult = CRecordingWnd::WindowProc(message, wParam, lParam);
    if (message == m_nActOn)
      m_act();
    return lResult;
  }
};

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
void DrawSelectedAndHot(CPaletteFixture& fixture, CPixelCanvas& canvas)
{
  fixture.m_palette.SetCurSel(1);
  fixture.Hover(2);
  for (int nIndex = 0; nIndex < fixture.m_palette.GetCellCount(); ++nIndex)
    fixture.m_palette.DrawCell(canvas.DC(), nIndex);
}

int Brightness(COLORREF crColour) { return GetRValue(crColour) + GetGValue(crColour) + GetBValue(crColour); }
}  // namespace

TEST(PalettePopup, OpensAtThePointWithADummyAndEscapeClosesIt)
{
  CPaletteFixture fixture(0, 10);
  ASSERT_TRUE(fixture.m_palette.DoPopup(CPoint(300, 200)));
  EXPECT_EQ(CRect(CPoint(300, 200), CSize(170, 50)), WindowRect(fixture.m_palette.m_hWnd));
  EXPECT_EQ(fixture.m_palette.m_hWnd, ::GetCapture());
  EXPECT_FALSE(fixture.m_palette.DoPopup(CPoint(0, 0))) << "open already";
  EXPECT_EQ(WindowRect(fixture.m_palette.m_hWnd), DummyRect(fixture.m_owner, fixture.m_palette));
  const SSentMessage* pBegin = fixture.m_owner.First(PaletteWnd_Msg_BeginPopup);
  ASSERT_NE(nullptr, pBegin);
  EXPECT_EQ(300u, pBegin->wParam);
  EXPECT_EQ(200, pBegin->lParam);
  fixture.m_palette.SetWindowPos(nullptr, 320, 210, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(CPoint(320, 210), DummyRect(fixture.m_owner, fixture.m_palette).TopLeft())
      << "the dummy follows the palette";

  // The key goes through the hook to the palette, not to the window it was posted to.
  PressKey(fixture.m_owner.m_hWnd, VK_ESCAPE);
  EXPECT_FALSE(fixture.m_palette.IsWindowVisible());
  EXPECT_TRUE(DummyRect(fixture.m_owner, fixture.m_palette).IsRectNull());
  EXPECT_EQ(kOpenAndClose, fixture.m_owner.Sequence());
  // With the hook gone, keys reach their windows again.
  PressKey(fixture.m_owner.m_hWnd, VK_ESCAPE);
  EXPECT_EQ(1, fixture.m_owner.Count(WM_KEYDOWN));
}

TEST(PalettePopup, ArrowsMoveTheHotCellAroundTheGridAndEnterPicksIt)
{
  // Each run presses one more of the keys, then Enter: the hot cell is picked. Up goes from the
  // selection (0) to the lowest cell of its column, Down from the bottom to the top, Left from
  // the first cell to the last, Down from 9 past the end to the top of column 1, Right wraps.
  const UINT keys[] = {VK_UP, VK_DOWN, VK_LEFT, VK_DOWN, VK_UP, VK_RIGHT, VK_RIGHT};
  const int hot[] = {8, 0, 9, 1, 9, 0, 1};
  for (size_t nKeys = 1; nKeys <= std::size(keys); ++nKeys)
  {
    CPaletteFixture fixture(0, 10);
    ASSERT_TRUE(fixture.m_palette.DoPopup(CPoint(300, 200)));
    for (size_t n = 0; n < nKeys; ++n)
      PressKey(fixture.m_owner.m_hWnd, keys[n]);
    EXPECT_EQ(0, fixture.m_palette.GetCurSel()) << "arrows move only the hot cell";
    PressKey(fixture.m_owner.m_hWnd, VK_RETURN);
    EXPECT_EQ(hot[nKeys - 1], fixture.m_palette.GetCurSel()) << nKeys << " keys";
    EXPECT_EQ(kPickAndClose, fixture.m_owner.Sequence());
  }
  // Without cells the arrows do nothing and Enter only closes.
  CPaletteFixture empty;
  ASSERT_TRUE(empty.m_palette.DoPopup(CPoint(300, 200)));
  PressKey(empty.m_owner.m_hWnd, VK_LEFT);
  PressKey(empty.m_owner.m_hWnd, VK_RETURN);
  EXPECT_EQ(kOpenAndClose, empty.m_owner.Sequence());
}

TEST(PalettePopup, AClickOutsideClosesTheArmedPaletteAndAReleaseOnACellPicksIt)
{
  // Armed by Left or Right (not Up or Down), by the opening release outside, or by the mouse
  // over a cell; a click in the margin does nothing.
  const struct
  {
    UINT nMessage;
    int x, y;
    bool bArms;
  } armers[] = {{WM_KEYDOWN, VK_UP, 0, false},
                {WM_KEYDOWN, VK_LEFT, 0, true},
                {WM_LBUTTONUP, -40, -10, true},
                {WM_MOUSEMOVE, 30, 30, true}};
  for (const auto& armer : armers)
  {
    CPaletteFixture fixture(0, 10);
    ASSERT_TRUE(fixture.m_palette.DoPopup(CPoint(300, 200)));
    if (armer.nMessage == WM_KEYDOWN)
      PressKey(fixture.m_owner.m_hWnd, armer.x);
    else
      Mouse(fixture.m_palette, armer.nMessage, armer.x, armer.y);
    Mouse(fixture.m_palette, WM_LBUTTONDOWN, 2, 2);
    EXPECT_TRUE(fixture.m_palette.IsWindowVisible()) << armer.nMessage;
    Mouse(fixture.m_palette, WM_LBUTTONDOWN, 200, 80);
    EXPECT_EQ(armer.bArms, !fixture.m_palette.IsWindowVisible()) << armer.nMessage << " " << armer.x;
    fixture.m_palette.EndPopup();
    EXPECT_EQ(kOpenAndClose, fixture.m_owner.Sequence());
  }

  CPaletteFixture fixture(0, 10);
  ASSERT_TRUE(fixture.m_palette.DoPopup(CPoint(300, 200)));
  const CPoint cell = fixture.Frame(3).CenterPoint();
  Mouse(fixture.m_palette, WM_MOUSEMOVE, cell.x, cell.y);
  Mouse(fixture.m_palette, WM_LBUTTONUP, cell.x, cell.y);
  EXPECT_EQ(3, fixture.m_palette.GetCurSel());
  EXPECT_EQ(kPickAndClose, fixture.m_owner.Sequence());
}

TEST(PalettePopup, AnOwnerEndingItWhileAskedOrLosingTheAppSessionOrWindowClosesItOnce)
{
  CPaletteFixture fixture(0, 3);
  CActingOwner owner;
  BOOL bClosedWhileAsked = FALSE;
  owner.m_nActOn = PaletteWnd_Msg_QueryEndPopup;
  owner.m_act = [&] { bClosedWhileAsked = fixture.m_palette.EndPopup(); };
  fixture.m_palette.SetOwnerWindow(&owner);
  ASSERT_TRUE(fixture.m_palette.DoPopup(CPoint(300, 200)));
  EXPECT_TRUE(fixture.m_palette.EndPopup());
  EXPECT_TRUE(bClosedWhileAsked);
  EXPECT_EQ(kOpenAndClose, owner.Sequence());
  EXPECT_EQ(nullptr, ::GetCapture());

  // Losing the application, the session or the window closes it and tells the owner once.
  fixture.m_palette.SetOwnerWindow(&fixture.m_owner);
  ASSERT_TRUE(fixture.m_palette.DoPopup(CPoint(300, 200)));
  fixture.m_palette.SendMessage(WM_ACTIVATEAPP, FALSE, 0);
  ASSERT_TRUE(fixture.m_palette.DoPopup(CPoint(300, 200)));
  EXPECT_TRUE(fixture.m_palette.SendMessage(WM_QUERYENDSESSION, 0, 0));
  // Without an owner no dummy is made; the owner is then told of the end directly.
  fixture.m_palette.SetOwnerWindow(nullptr);
  ASSERT_TRUE(fixture.m_palette.DoPopup(CPoint(300, 200)));
  fixture.m_palette.SetOwnerWindow(&fixture.m_owner);
  fixture.m_palette.DestroyWindow();
  EXPECT_EQ(0, fixture.m_palette.GetCellCount());
  EXPECT_EQ(3, fixture.m_owner.Count(PaletteWnd_Msg_EndPopup));
  EXPECT_EQ(3, fixture.m_owner.Count(PaletteWnd_Msg_QueryEndPopup));
}

TEST(PalettePopup, AnOwnerMayFreeThePaletteWhenToldOfAPickOrOfTheEnd)
{
  // A release on a cell, Enter on the hot cell, a second click outside.
  const std::pair<UINT, std::function<void(CWnd&, HWND)>> ways[] = {
      {PaletteWnd_Msg_SelChanged, [](CWnd& palette, HWND) { Mouse(palette, WM_LBUTTONUP, 10, 10); }},
      {PaletteWnd_Msg_SelChanged,
       [](CWnd&, HWND hOwner) {
         PressKey(hOwner, VK_RIGHT);
         PressKey(hOwner, VK_RETURN);
       }},
      {PaletteWnd_Msg_EndPopup, [](CWnd& palette, HWND) {
         Mouse(palette, WM_LBUTTONUP, -5, -5);
         Mouse(palette, WM_LBUTTONDOWN, -5, -5);
       }}};
  for (const auto& way : ways)
  {
    CActingOwner owner;
    CPaletteWnd* pPalette = new CPaletteWnd;
    owner.m_nActOn = way.first;
    owner.m_act = [&] { delete std::exchange(pPalette, nullptr); };
    pPalette->Create("Palette", WS_POPUP, CRect(100, 100, 200, 200), &owner, 0);
    pPalette->AddCell(0, 0, "");
    ASSERT_TRUE(pPalette->DoPopup(CPoint(300, 200)));
    way.second(*pPalette, owner.m_hWnd);
    EXPECT_EQ(way.first == PaletteWnd_Msg_EndPopup ? kOpenAndClose : kPickAndClose, owner.Sequence());
  }
}

TEST(PalettePopup, WhilePoppedUpTheOwnerDrawsTheCells)
{
  CPaletteFixture fixture(PLCS_HEADERCELL, 5);
  fixture.m_palette.SetCurSel(2);
  EXPECT_EQ(0, fixture.m_owner.Count(PaletteWnd_Msg_DrawCell)) << "hidden, the palette draws itself";
  ASSERT_TRUE(fixture.m_palette.DoPopup(CPoint(300, 200)));
  // The cells the owner was asked to draw, in order, each in its frame.
  auto drawnCells = [&fixture] {
    std::vector<int> cells;
    for (const SSentMessage& sent : fixture.m_owner.m_sent)
    {
      if (sent.nMessage != PaletteWnd_Msg_DrawCell)
        continue;
      cells.push_back(sent.drawCell.nIndex);
      EXPECT_EQ(fixture.Frame(sent.drawCell.nIndex), CRect(sent.drawCell.rect)) << "cell " << sent.drawCell.nIndex;
    }
    fixture.m_owner.m_sent.clear();
    return cells;
  };
  fixture.m_palette.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  const std::vector<int> drawn = drawnCells();
  EXPECT_EQ(std::set<int>({0, 1, 2, 3, 4}), std::set<int>(drawn.begin(), drawn.end()));
  // A partial repaint draws only the cells meeting the rectangle: here cells 1 and 2.
  fixture.m_palette.RedrawWindow(CRect(20, 30, 30, 40), nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(std::vector<int>({1, 2}), drawnCells());
  // Filled while open, it shows the new cell; emptied, it shrinks with the window behind it.
  fixture.m_palette.AddCell(0, 0, "");
  fixture.m_palette.UpdateWindow();
  EXPECT_EQ(std::vector<int>({0, 1, 2, 3, 4, 5}), drawnCells());
  fixture.m_palette.RemoveAll();
  EXPECT_EQ(WindowRect(fixture.m_palette.m_hWnd), DummyRect(fixture.m_owner, fixture.m_palette));
  fixture.m_palette.EndPopup();
}

TEST(PalettePopup, ButtonOpensItsPaletteBelowItselfAndClosesItOnTheNextClick)
{
  COpenedButton opened;
  CRecordingPaletteButton<CPaletteButton>& button = opened.m_button;
  EXPECT_FALSE(button.InitButton(0)) << "one palette per button";
  const CRect rcButton = WindowRect(button.m_hWnd);
  const CPoint corner(rcButton.left, rcButton.bottom + 1);
  EXPECT_EQ(CRect(corner, CSize(170, 50)), WindowRect(button.Palette().m_hWnd));
  EXPECT_TRUE(button.GetState() & BST_PUSHED);
  EXPECT_EQ(button.m_hWnd, ::GetFocus());
  Mouse(button, WM_LBUTTONDOWN, 5, 5);
  EXPECT_FALSE(button.GetState() & BST_PUSHED);
  const std::string strBegin = "begin " + std::to_string(corner.x) + "," + std::to_string(corner.y);
  EXPECT_EQ(std::vector<std::string>({strBegin, "query", "end"}), button.m_calls);

  // The space key opens it too; a pick comes back as OnSelChanged.
  button.m_calls.clear();
  opened.Pick(1);
  EXPECT_EQ(std::vector<std::string>({strBegin, "sel 1", "query", "end"}), button.m_calls);
  EXPECT_TRUE(opened.m_parent.Sequence().empty()) << "a plain palette button tells its parent nothing";

  // At the screen's edges it opens above the button, its right edge on the button's.
  COpenedButton atEdge(CPoint(::GetSystemMetrics(SM_CXFULLSCREEN) - 100, ::GetSystemMetrics(SM_CYFULLSCREEN) - 44));
  const CRect rcAtEdge = WindowRect(atEdge.m_button.Palette().m_hWnd);
  EXPECT_EQ(WindowRect(atEdge.m_button.m_hWnd).top, rcAtEdge.bottom);
  EXPECT_EQ(WindowRect(atEdge.m_button.m_hWnd).right, rcAtEdge.right);
  // Its window closing with the palette open, the button is asked, then told, once.
  atEdge.m_parent.DestroyWindow();
  EXPECT_EQ(std::vector<std::string>({"query", "end"}),
            std::vector<std::string>(atEdge.m_button.m_calls.begin() + 1, atEdge.m_button.m_calls.end()));
}

TEST(PalettePopup, ClassicCellsShowSelectionAndHotLooks)
{
  CNoThemeDllScope noDll;
  CPaletteFixture fixture(0, 4);
  CPixelCanvas canvas(100, 30);
  DrawSelectedAndHot(fixture, canvas);
  const COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(crFace, canvas.Pixel(15, 15));
  EXPECT_EQ(crFace, canvas.Pixel(5, 5)) << "a plain cell has no edge";
  EXPECT_EQ(::GetSysColor(COLOR_3DHILIGHT), canvas.Pixel(35, 15)) << "selected";
  EXPECT_LT(Brightness(canvas.Pixel(25, 5)), Brightness(crFace)) << "sunken top-left";
  EXPECT_EQ(crFace, canvas.Pixel(55, 15)) << "hot";
  EXPECT_LT(Brightness(canvas.Pixel(64, 24)), Brightness(crFace)) << "raised bottom-right";
  EXPECT_EQ(RGB(1, 2, 3), canvas.Pixel(2, 2)) << "outside the cells";

  // The selected cell under the mouse keeps the face colour inside its sunken edge.
  fixture.Hover(1);
  fixture.m_palette.DrawCell(canvas.DC(), 1);
  EXPECT_EQ(crFace, canvas.Pixel(35, 15));
  EXPECT_LT(Brightness(canvas.Pixel(25, 5)), Brightness(crFace));
}

TEST(PalettePopup, ThemedCellsDrawTheToolbarButtonLooks)
{
  if (!VisualStylesActive())
    GTEST_SKIP() << "no visual styles on this system";
  CPaletteFixture fixture(0, 3);
  CPixelCanvas canvas(100, 30);
  DrawSelectedAndHot(fixture, canvas);
  const std::vector<COLORREF> normal = canvas.Pixels(fixture.Frame(0));
  const std::vector<COLORREF> selected = canvas.Pixels(fixture.Frame(1));
  const std::vector<COLORREF> hot = canvas.Pixels(fixture.Frame(2));
  EXPECT_NE(normal, selected);
  EXPECT_NE(normal, hot);
  EXPECT_NE(selected, hot);
  CNoThemeDllScope noDll;
  fixture.m_palette.DrawCell(canvas.DC(), 0);
  EXPECT_NE(normal, canvas.Pixels(fixture.Frame(0))) << "the classic look differs";
}
