// The control splitter in a host window: layout of both kinds, resizing, and drags made of real
// mouse messages (capture, cursor, limits, Escape, the fixed bar, the inverted feedback bar).
#include "LayoutTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const UINT IDC_SPLITTER = 500;
// The splitter's client area is 300 x 200 (it has no border).
const CRect kSplitterRect(10, 10, 310, 210);

// A splitter whose system type a test may set; a pane that counts its paints.
class CTestSplitter : public CCtrlSplitter
{
public:
  using CCtrlSplitter::CancelVertDrag;
  using CCtrlSplitter::m_nOsType;
};

class CCountingEdit : public CEdit
{
public:
  int m_nPaints = 0;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
  {
    if (message == WM_PAINT)
      ++m_nPaints;
    return CEdit::WindowProc(message, wParam, lParam);
  }
};

class CtrlSplitterTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    for (CCountingEdit* pPane : {&m_first, &m_second})
      pPane->CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &m_host, 0);
  }

  void CreateSplitter(DWORD dwKind, UINT nPos)
  {
    m_splitter.Create(WS_CHILD | WS_VISIBLE | dwKind, &m_host, &m_first, &m_second, IDC_SPLITTER, kSplitterRect,
                      nPos, 0);
    PumpPending();
  }

  // Mouse input as the system posts it: client coordinates of the splitter.
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
  // A pixel of the host's window DC, where the feedback bar is drawn.
  COLORREF HostPixel(int x, int y)
  {
    CWindowDC dc(&m_host);
    return dc.GetPixel(x, y);
  }
  // A point of the splitter's client area in the host's window coordinates.
  CPoint OnHostWindow(CPoint point)
  {
    m_splitter.ClientToScreen(&point);
    CRect rcHost;
    m_host.GetWindowRect(&rcHost);
    return CPoint(point.x - rcHost.left, point.y - rcHost.top);
  }

  CHostWnd m_host;
  CCountingEdit m_first;
  CCountingEdit m_second;
  CTestSplitter m_splitter;
};
}

TEST_F(CtrlSplitterTest, VerticalSplitKeepsTheLeftWidthWhenResized)
{
  CreateSplitter(CTRLSPLITTER_VERT, 100);
  EXPECT_EQ(m_first.GetParent(), &m_splitter);
  EXPECT_EQ(m_second.GetParent(), &m_splitter);
  EXPECT_EQ(m_first.GetOwner(), &m_host);
  EXPECT_NE(m_splitter.GetStyle() & SS_NOTIFY, 0u) << "the static receives the mouse";
  EXPECT_EQ(m_splitter.GetSplitterStyle(), 1);
  EXPECT_EQ(m_splitter.GetSplitterPos(), 100);
  // The bar is 4 wide; the left pane ends with the focus.
  ExpectPanes(CRect(0, 0, 100, 200), CRect(104, 0, 300, 200), __LINE__);
  EXPECT_EQ(CWnd::GetFocus(), &m_first);

  m_splitter.MoveWindow(10, 10, 420, 260);
  ExpectPanes(CRect(0, 0, 100, 260), CRect(104, 0, 420, 260), __LINE__);
  m_splitter.SetSplitterPos(250);
  ExpectPanes(CRect(0, 0, 250, 260), CRect(254, 0, 420, 260), __LINE__);
  m_splitter.MoveWindow(10, 10, 380, 260);
  EXPECT_EQ(m_splitter.GetSplitterPos(), 250);
}

TEST_F(CtrlSplitterTest, HorizontalSplitKeepsTheBottomHeightWhenResized)
{
  CreateSplitter(CTRLSPLITTER_HORIZ, 60);
  EXPECT_EQ(m_splitter.GetSplitterStyle(), 2);
  EXPECT_EQ(m_splitter.GetSplitterPos(), 140);
  ExpectPanes(CRect(0, 0, 300, 136), CRect(0, 140, 300, 200), __LINE__);

  m_splitter.MoveWindow(10, 10, 300, 300);
  ExpectPanes(CRect(0, 0, 300, 236), CRect(0, 240, 300, 300), __LINE__);
  m_splitter.SetSplitterPos(100);
  ExpectPanes(CRect(0, 0, 300, 96), CRect(0, 100, 300, 300), __LINE__);
  // Shrinking below the bottom pane's height keeps the bar inside the splitter.
  m_splitter.MoveWindow(10, 10, 300, 150);
  EXPECT_EQ(m_splitter.GetSplitterPos(), 1 + 2);
}

TEST_F(CtrlSplitterTest, WithoutAKindNothingIsLaidOut)
{
  CreateSplitter(0, 100);
  EXPECT_EQ(m_splitter.GetSplitterStyle(), 0);
  EXPECT_EQ(m_splitter.GetSplitterPos(), 0);
  ExpectPanes(CRect(0, 0, 50, 20), CRect(0, 0, 50, 20), __LINE__);
  m_splitter.SetSplitterPos(30);
  m_splitter.MoveWindow(10, 10, 200, 100);
  ExpectPanes(CRect(0, 0, 50, 20), CRect(0, 0, 50, 20), __LINE__);
}

TEST_F(CtrlSplitterTest, WithoutAParentThePanesStayPut)
{
  EXPECT_EQ(m_splitter.Create(WS_CHILD | CTRLSPLITTER_VERT, nullptr, &m_first, &m_second, IDC_SPLITTER,
                              kSplitterRect, 100, 0),
            1);
  EXPECT_EQ(m_splitter.m_hWnd, nullptr);
  EXPECT_EQ(m_first.GetParent(), &m_host);
  ExpectPanes(CRect(0, 0, 50, 20), CRect(0, 0, 50, 20), __LINE__);
}

TEST_F(CtrlSplitterTest, DraggingTheVerticalBarMovesThePanesOnRelease)
{
  CreateSplitter(CTRLSPLITTER_VERT, 100);
  HCURSOR hSizeWE = ::LoadCursor(nullptr, IDC_SIZEWE);
  // A press beside the bar does nothing.
  ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
  Mouse(WM_LBUTTONDOWN, 200, 50);
  EXPECT_EQ(::GetCapture(), nullptr);

  Mouse(WM_LBUTTONDOWN, 102, 50);
  EXPECT_EQ(::GetCapture(), m_splitter.m_hWnd);
  EXPECT_EQ(::GetFocus(), m_splitter.m_hWnd);
  EXPECT_EQ(::GetCursor(), hSizeWE);
  Mouse(WM_MOUSEMOVE, 150, 80);
  ExpectPanes(CRect(0, 0, 100, 200), CRect(104, 0, 300, 200), __LINE__);
  Mouse(WM_LBUTTONUP, 150, 80);
  EXPECT_EQ(::GetCapture(), nullptr);
  ExpectPanes(CRect(0, 0, 148, 200), CRect(152, 0, 300, 200), __LINE__);
  EXPECT_EQ(m_splitter.GetSplitterPos(), 148);
  EXPECT_EQ(CWnd::GetFocus(), &m_first);

  // The dragged width is the one kept.
  m_splitter.MoveWindow(10, 10, 400, 200);
  ExpectPanes(CRect(0, 0, 148, 200), CRect(152, 0, 400, 200), __LINE__);
}

TEST_F(CtrlSplitterTest, DragsStopOnepixelInsideTheEdges)
{
  CreateSplitter(CTRLSPLITTER_VERT, 100);
  Drag(CPoint(102, 50), CPoint(-80, 50));
  // The bar stops at client left + 1; the left pane ends half a bar before it.
  EXPECT_EQ(m_splitter.GetSplitterPos(), 1 - 2);
  EXPECT_EQ(RectInParent(m_second).left, 1 + 2);

  Drag(CPoint(1, 50), CPoint(900, 50));
  EXPECT_EQ(m_splitter.GetSplitterPos(), 299 - 2);
}

TEST_F(CtrlSplitterTest, DraggingTheHorizontalBar)
{
  CreateSplitter(CTRLSPLITTER_HORIZ, 60);
  ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
  Mouse(WM_LBUTTONDOWN, 40, 138);
  EXPECT_EQ(::GetCapture(), m_splitter.m_hWnd);
  EXPECT_EQ(::GetCursor(), ::LoadCursor(nullptr, IDC_SIZENS));
  Mouse(WM_MOUSEMOVE, 90, 100);
  Mouse(WM_LBUTTONUP, 90, 100);
  ExpectPanes(CRect(0, 0, 300, 98), CRect(0, 102, 300, 200), __LINE__);
  // The bottom pane keeps its new height of 98.
  m_splitter.MoveWindow(10, 10, 300, 250);
  ExpectPanes(CRect(0, 0, 300, 148), CRect(0, 152, 300, 250), __LINE__);

  Drag(CPoint(40, 150), CPoint(40, 400));
  EXPECT_EQ(m_splitter.GetSplitterPos(), 249 + 2);
}

TEST_F(CtrlSplitterTest, EscapeCancelsTheDrag)
{
  CreateSplitter(CTRLSPLITTER_VERT, 100);
  m_second.SetFocus();
  Mouse(WM_LBUTTONDOWN, 102, 50);
  Mouse(WM_MOUSEMOVE, 180, 50);
  m_splitter.PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
  PumpPending();
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(CWnd::GetFocus(), &m_second) << "the focus goes back";
  Mouse(WM_LBUTTONUP, 180, 50);
  ExpectPanes(CRect(0, 0, 100, 200), CRect(104, 0, 300, 200), __LINE__);

  // A cancel asked for by the program does the same.
  Mouse(WM_LBUTTONDOWN, 102, 50);
  m_splitter.CancelVertDrag();
  EXPECT_EQ(::GetCapture(), nullptr);
  Mouse(WM_LBUTTONUP, 50, 50);
  EXPECT_EQ(m_splitter.GetSplitterPos(), 100);
}

TEST_F(CtrlSplitterTest, AFixedBarCannotBeDragged)
{
  CreateSplitter(CTRLSPLITTER_VERT, 100);
  m_splitter.FixSplitBar(true);
  HCURSOR hArrow = ::LoadCursor(nullptr, IDC_ARROW);
  ::SetCursor(hArrow);
  Mouse(WM_LBUTTONDOWN, 102, 50);
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(::GetCursor(), hArrow);
  Mouse(WM_MOUSEMOVE, 150, 50);
  EXPECT_EQ(::GetCursor(), hArrow);
  Mouse(WM_LBUTTONUP, 150, 50);
  EXPECT_EQ(m_splitter.GetSplitterPos(), 100);

  m_splitter.FixSplitBar(false);
  Drag(CPoint(102, 50), CPoint(150, 50));
  EXPECT_EQ(m_splitter.GetSplitterPos(), 148);
}

TEST_F(CtrlSplitterTest, TheFeedbackBarIsInvertedOverTheParentAndRestored)
{
  CreateSplitter(CTRLSPLITTER_VERT, 100);
  m_host.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  // The bar is drawn 4 wide from the bar position, and moves with the mouse.
  const CPoint ptPressBar = OnHostWindow(CPoint(102 + 1, 100));
  const CPoint ptMovedBar = OnHostWindow(CPoint(152 + 1, 100));
  const COLORREF crAtPress = HostPixel(ptPressBar.x, ptPressBar.y);
  const COLORREF crAtMove = HostPixel(ptMovedBar.x, ptMovedBar.y);
  const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);

  Mouse(WM_LBUTTONDOWN, 102, 50);
  EXPECT_EQ(HostPixel(ptPressBar.x, ptPressBar.y), (crAtPress ^ crShadow) & 0xFFFFFF);
  Mouse(WM_MOUSEMOVE, 152, 50);
  EXPECT_EQ(HostPixel(ptPressBar.x, ptPressBar.y), crAtPress) << "the old bar is erased";
  EXPECT_EQ(HostPixel(ptMovedBar.x, ptMovedBar.y), (crAtMove ^ crShadow) & 0xFFFFFF);
  m_splitter.PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
  PumpPending();
  EXPECT_EQ(HostPixel(ptMovedBar.x, ptMovedBar.y), crAtMove);
}

TEST_F(CtrlSplitterTest, PaintingRepaintsThePanesExceptOnXP)
{
  CreateSplitter(CTRLSPLITTER_VERT, 100);
  for (WinOsType nType : {WINOS_NT, WINOS_WINXP})
  {
    SCOPED_TRACE(nType);
    m_splitter.m_nOsType = nType;
    m_first.m_nPaints = m_second.m_nPaints = 0;
    m_splitter.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
    EXPECT_EQ(m_first.m_nPaints > 0, nType != WINOS_WINXP);
    EXPECT_EQ(m_second.m_nPaints > 0, nType != WINOS_WINXP);
  }
}
