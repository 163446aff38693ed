// The control splitter in a host window: layout of both kinds, resizing, and drags made of real
// mouse messages (capture, cursor, limits, Escape, the fixed bar, the inverted feedback bar).
#include "LayoutTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
// The splitter's client area is 300 x 200 (it has no border).
const CRect kSplitterRect(10, 10, 310, 210);

// A pane that counts its paints.
class CCountingEdit : public CEdit
{
public:
  int m_nPaints = 0;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
  {
    m_nPaints += message == WM_PAINT;
    return CEdit::WindowProc(message, wParam, lParam);
  }
};

class CtrlSplitterTest : public ::testing::Test
{
protected:
  void SetUp() override { CreatePanes(); }
  void CreatePanes()
  {
    for (CCountingEdit* pPane : {&m_first, &m_second})
      pPane->CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &m_host, 0);
  }
  void CreateSplitter(DWORD dwKind, UINT nPos)
  {
    m_splitter.Create(WS_CHILD | WS_VISIBLE | dwKind, &m_host, &m_first, &m_second, 500, kSplitterRect, nPos, 0);
    PumpPending();
  }
  // Mouse input as the system posts it, in the splitter's client coordinates.
  void Mouse(UINT nMessage, int x, int y)
  {
    m_splitter.PostMessage(nMessage, nMessage == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    PumpPending();
  }
  void Drag(CPoint ptFrom, CPoint ptTo)
  {
    Mouse(WM_LBUTTONDOWN, ptFrom.x, ptFrom.y);
    Mouse(WM_MOUSEMOVE, ptTo.x, ptTo.y);
    Mouse(WM_LBUTTONUP, ptTo.x, ptTo.y);
  }
  void ExpectPanes(const CRect& rcFirst, const CRect& rcSecond, int nLine)
  {
    SCOPED_TRACE(::testing::Message() << "from line " << nLine);
    EXPECT_EQ(RectInParent(m_first), rcFirst);
    EXPECT_EQ(RectInParent(m_second), rcSecond);
  }
  // A pixel of the host's window DC, where the feedback bar is drawn, at a splitter client point.
  COLORREF HostPixel(CPoint point)
  {
    m_splitter.ClientToScreen(&point);
    CRect rcHost;
    m_host.GetWindowRect(&rcHost);
    CWindowDC dc(&m_host);
    return dc.GetPixel(point.x - rcHost.left, point.y - rcHost.top);
  }

  // Windows XP repaints the panes itself. XP cannot be seen here, so a test sets the system the
  // splitter found for that case.
  struct CTestSplitter : CCtrlSplitter
  {
    void AsOnXP() { m_nOsType = WINOS_WINXP; }
  };

  CHostWnd m_host;
  CCountingEdit m_first;
  CCountingEdit m_second;
  CTestSplitter m_splitter;
};
}

// A vertical split keeps the left pane's width, a horizontal one the bottom pane's height; the bar
// is 4 wide. Painting a vertical splitter then repaints the panes, except on XP. Each case makes
// the splitter afresh, so a kind does not outlive its window.
TEST_F(CtrlSplitterTest, EachKindKeepsItsFixedPaneWhenResizedAndAVerticalOneRepaintsThePanesExceptOnXP)
{
  const struct
  {
    DWORD dwKind;
    UINT nCreatedAt;
    int nMovedTo;  // 0: left where it was created
    bool bOnXP;
    CRect rcFirst, rcSecond;
  } cases[] = {
      {CTRLSPLITTER_VERT, 100, 0, false, CRect(0, 0, 100, 260), CRect(104, 0, 420, 260)},
      {CTRLSPLITTER_VERT, 100, 0, true, CRect(0, 0, 100, 260), CRect(104, 0, 420, 260)},
      {CTRLSPLITTER_VERT, 100, 250, false, CRect(0, 0, 250, 260), CRect(254, 0, 420, 260)},
      // Created, the position counts from the bottom; set, from the top.
      {CTRLSPLITTER_HORIZ, 60, 0, false, CRect(0, 0, 420, 196), CRect(0, 200, 420, 260)},
      {CTRLSPLITTER_HORIZ, 60, 100, false, CRect(0, 0, 420, 156), CRect(0, 160, 420, 260)},
  };
  for (const auto& test : cases)
  {
    SCOPED_TRACE(::testing::Message() << "case " << &test - cases);
    CreateSplitter(test.dwKind, test.nCreatedAt);
    if (test.bOnXP)
      m_splitter.AsOnXP();
    EXPECT_EQ(m_second.GetOwner(), &m_host);
    if (test.nMovedTo != 0)
      m_splitter.SetSplitterPos(test.nMovedTo);
    m_splitter.MoveWindow(10, 10, 420, 260);
    ExpectPanes(test.rcFirst, test.rcSecond, __LINE__);

    PumpPending();
    m_first.m_nPaints = m_second.m_nPaints = 0;
    m_splitter.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
    const bool bRepaints = test.dwKind == CTRLSPLITTER_VERT && !test.bOnXP;
    EXPECT_EQ(m_first.m_nPaints > 0, bRepaints);
    EXPECT_EQ(m_second.m_nPaints > 0, bRepaints);
    m_splitter.DestroyWindow();  // and the panes, its children, with it
    CreatePanes();
  }
}

TEST_F(CtrlSplitterTest, AHorizontalBarIsDraggedDownAndKeptInsideWhenShrunk)
{
  CreateSplitter(CTRLSPLITTER_HORIZ, 100);
  ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
  Mouse(WM_LBUTTONDOWN, 40, 98);
  EXPECT_EQ(::GetCursor(), ::LoadCursor(nullptr, IDC_SIZENS));
  Mouse(WM_MOUSEMOVE, 90, 180);
  Mouse(WM_LBUTTONUP, 90, 180);
  ExpectPanes(CRect(0, 0, 300, 178), CRect(0, 182, 300, 200), __LINE__);
  // Shrinking below the bottom pane's height keeps the bar inside the splitter.
  m_splitter.MoveWindow(10, 10, 300, 10);
  EXPECT_EQ(m_splitter.GetSplitterPos(), 1 + 2);
}

TEST_F(CtrlSplitterTest, WithoutAKindOrAParentNothingIsLaidOut)
{
  CCtrlSplitter orphan;
  EXPECT_EQ(orphan.Create(WS_CHILD | CTRLSPLITTER_VERT, nullptr, &m_first, &m_second, 500, kSplitterRect, 100, 0), 1);
  EXPECT_EQ(m_first.GetParent(), &m_host);

  CreateSplitter(0, 100);
  m_splitter.SetSplitterPos(30);
  m_splitter.MoveWindow(10, 10, 200, 100);
  EXPECT_EQ(m_splitter.GetSplitterPos(), 0);
  ExpectPanes(CRect(0, 0, 50, 20), CRect(0, 0, 50, 20), __LINE__);
}

TEST_F(CtrlSplitterTest, DraggingTheBarMovesThePanesOnReleaseWithinOnePixelOfTheEdgesUnlessItIsFixed)
{
  CreateSplitter(CTRLSPLITTER_VERT, 100);
  EXPECT_NE(m_splitter.GetStyle() & SS_NOTIFY, 0u) << "the static receives the mouse";
  Mouse(WM_LBUTTONDOWN, 200, 50);
  EXPECT_EQ(::GetCapture(), nullptr) << "beside the bar";
  ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
  Mouse(WM_LBUTTONDOWN, 102, 50);
  EXPECT_EQ(::GetCapture(), m_splitter.m_hWnd);
  EXPECT_EQ(::GetFocus(), m_splitter.m_hWnd);
  EXPECT_EQ(::GetCursor(), ::LoadCursor(nullptr, IDC_SIZEWE));
  Mouse(WM_MOUSEMOVE, 150, 80);
  ExpectPanes(CRect(0, 0, 100, 200), CRect(104, 0, 300, 200), __LINE__);
  Mouse(WM_LBUTTONUP, 150, 80);
  EXPECT_EQ(::GetCapture(), nullptr);
  ExpectPanes(CRect(0, 0, 148, 200), CRect(152, 0, 300, 200), __LINE__);
  EXPECT_EQ(CWnd::GetFocus(), &m_first);

  // The bar stops at client left + 1 and right - 1; the pane ends half a bar before it.
  Drag(CPoint(150, 50), CPoint(-80, 50));
  EXPECT_EQ(m_splitter.GetSplitterPos(), 1 - 2);
  Drag(CPoint(1, 50), CPoint(900, 50));
  EXPECT_EQ(m_splitter.GetSplitterPos(), 299 - 2);

  // A fixed bar cannot be dragged.
  m_splitter.FixSplitBar(true);
  HCURSOR hArrow = ::LoadCursor(nullptr, IDC_ARROW);
  ::SetCursor(hArrow);
  Mouse(WM_LBUTTONDOWN, 299, 50);
  EXPECT_EQ(::GetCapture(), nullptr);
  Mouse(WM_MOUSEMOVE, 150, 50);
  EXPECT_EQ(::GetCursor(), hArrow);
  Mouse(WM_LBUTTONUP, 150, 50);
  EXPECT_EQ(m_splitter.GetSplitterPos(), 299 - 2);
}

// The bar is inverted over the parent 4 wide from the bar position and moves with the mouse.
// Escape and WM_CANCELMODE cancel the drag and give the focus back; another window taking the
// capture ends it too. Each way the bar is erased and the panes stay.
TEST_F(CtrlSplitterTest, TheFeedbackBarIsInvertedAndErasedWhenTheDragIsCancelled)
{
  CreateSplitter(CTRLSPLITTER_VERT, 100);
  m_host.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const CPoint ptPressBar(103, 100), ptMovedBar(153, 100);
  const COLORREF crAtPress = HostPixel(ptPressBar), crAtMove = HostPixel(ptMovedBar);
  const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
  const struct
  {
    const char* pszEnding;
    std::function<void()> end;
    bool bFocusBack;
  } endings[] = {{"Escape",
                  [&] {
                    m_splitter.PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
                    PumpPending();
                  },
                  true},
                 {"WM_CANCELMODE", [&] { m_splitter.SendMessage(WM_CANCELMODE); }, true},
                 {"another window takes the capture", [&] { m_host.SetCapture(); }, false}};
  for (const auto& ending : endings)
  {
    SCOPED_TRACE(ending.pszEnding);
    m_second.SetFocus();
    Mouse(WM_LBUTTONDOWN, 102, 50);
    EXPECT_EQ(HostPixel(ptPressBar), (crAtPress ^ crShadow) & 0xFFFFFF);
    Mouse(WM_MOUSEMOVE, 152, 50);
    EXPECT_EQ(HostPixel(ptPressBar), crAtPress) << "the old bar is erased";
    EXPECT_EQ(HostPixel(ptMovedBar), (crAtMove ^ crShadow) & 0xFFFFFF);
    ending.end();
    EXPECT_EQ(HostPixel(ptMovedBar), crAtMove);
    EXPECT_NE(::GetCapture(), m_splitter.m_hWnd);
    EXPECT_EQ(CWnd::GetFocus() == &m_second, ending.bFocusBack);
    ::ReleaseCapture();
    // What the mouse does next is no drag.
    Mouse(WM_MOUSEMOVE, 200, 50);
    EXPECT_EQ(HostPixel(ptMovedBar), crAtMove);
    Mouse(WM_LBUTTONUP, 200, 50);
    ExpectPanes(CRect(0, 0, 100, 200), CRect(104, 0, 300, 200), __LINE__);
  }
}
