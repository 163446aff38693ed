// The sizing bars in a real frame: docking to each side, floating and docking again by mouse,
// sharing a row, dragging edges, the profile, and the gripper and caption pixels.
#include "DockingTestSupport.h"
#include "../TestApp.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// The application object, its profile an INI file of the test's own.
class CDockingTestApp : public CCommonControlsTestApp
{
public:
  CDockingTestApp() : CCommonControlsTestApp("ZuntDockingTest", ICC_BAR_CLASSES)
  {
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(sizeof szTemp, szTemp);
    static const std::string s_path = std::string(szTemp) + "ZuntDockingTest.ini";
    ::DeleteFileA(s_path.c_str());
    m_pszProfileName = s_path.c_str();
  }
};

CDockingTestApp theApp;

// Mouse messages: screen points, turned into what the window receives.
void SendNcButtonDown(CWnd* pWnd, UINT nHitTest, CPoint ptScreen)
{
  pWnd->SendMessage(WM_NCLBUTTONDOWN, nHitTest, MAKELPARAM(ptScreen.x, ptScreen.y));
}

LPARAM ClientPoint(CWnd* pWnd, CPoint ptScreen)
{
  pWnd->ScreenToClient(&ptScreen);
  return MAKELPARAM(ptScreen.x, ptScreen.y);
}

void PostMouse(CWnd* pWnd, UINT nMessage, CPoint ptScreen, WPARAM wKeys = 0)
{
  pWnd->PostMessage(nMessage, wKeys, ClientPoint(pWnd, ptScreen));
}

const UINT kBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC;

// A caption bar whose protected state a test can read.
class CTestBar : public CSizingControlBarCF
{
public:
  using CSizingControlBar::dragFullWindows;
  using CSizingControlBar::drawNonClient;
  using CSizingControlBar::keepSize;
  using CSizingControlBarG::closeButton;
};

class CTestGripBar : public CSizingControlBarG
{
public:
  using CSizingControlBar::drawNonClient;
};

class SizingBarTest : public CFrameTest<CDockTestFrame, CTestBar>
{
protected:
  // Docks a new bar on a side, or into the row of another bar, right of (below) it.
  CTestBar& AddBar(UINT nDockBarID, const char* pszName = "Bar", UINT nID = 0, CTestBar* pBeside = nullptr)
  {
    CTestBar& bar = NewBar(pszName, nID != 0 ? nID : 1001 + static_cast<UINT>(m_bars.size()), kBarStyle);
    if (pBeside == nullptr)
    {
      m_pFrame->DockControlBar(&bar, nDockBarID);
      return bar;
    }
    m_pFrame->RecalcLayout();
    const CRect rcOther = WindowRect(pBeside);
    const CRect rcDrop = pBeside->IsHorzDocked()
                             ? CRect(rcOther.right - 4, rcOther.top, rcOther.right + 100, rcOther.bottom)
                             : CRect(rcOther.left, rcOther.bottom - 4, rcOther.right, rcOther.bottom + 100);
    m_pFrame->DockControlBar(&bar, pBeside->GetParent()->GetDlgCtrlID(), &rcDrop);
    return bar;
  }
  CTestBar& AddBarBeside(CTestBar& other) { return AddBar(0, "Beside", 0, &other); }
  void Layout()
  {
    m_pFrame->RecalcLayout();
    PumpAndIdle();
  }
  // Whether the bar sizes on an edge (HTLEFT, HTTOP, HTRIGHT, HTBOTTOM): a point 4 pixels inside
  // the middle of the edge hits it.
  static bool SizesOn(CTestBar& bar, UINT nHitTest, CPoint* pPoint = nullptr)
  {
    const CRect rc = WindowRect(&bar);
    const CPoint ptMiddle = rc.CenterPoint();
    const std::pair<UINT, CPoint> points[] = {{HTLEFT, {rc.left + 4, ptMiddle.y}},
                                              {HTTOP, {ptMiddle.x, rc.top + 4}},
                                              {HTRIGHT, {rc.right - 4, ptMiddle.y}},
                                              {HTBOTTOM, {ptMiddle.x, rc.bottom - 4}}};
    CPoint pt = ptMiddle;
    for (const auto& point : points)
      pt = point.first == nHitTest ? point.second : pt;
    if (pPoint != nullptr)
      *pPoint = pt;
    return bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)) == static_cast<LRESULT>(nHitTest);
  }
  // The edges it sizes on, as SCBS_EDGE bits.
  static DWORD SizingEdges(CTestBar& bar)
  {
    return (SizesOn(bar, HTLEFT) ? SCBS_EDGELEFT : 0) | (SizesOn(bar, HTTOP) ? SCBS_EDGETOP : 0) |
           (SizesOn(bar, HTRIGHT) ? SCBS_EDGERIGHT : 0) | (SizesOn(bar, HTBOTTOM) ? SCBS_EDGEBOTTOM : 0);
  }
  // Drags an edge of a bar by the offset with real mouse messages.
  void DragEdge(CTestBar& bar, UINT nHitTest, CSize offset)
  {
    CPoint pt;
    ASSERT_TRUE(SizesOn(bar, nHitTest, &pt));
    SendNcButtonDown(&bar, nHitTest, pt);
    ASSERT_EQ(::GetCapture(), bar.m_hWnd);
    pt.Offset(offset.cx, offset.cy);
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(&bar, pt));
    bar.SendMessage(WM_LBUTTONUP, 0, ClientPoint(&bar, pt));
    EXPECT_EQ(::GetCapture(), nullptr);
  }
};

TEST_F(SizingBarTest, DocksToEachSideWithItsSizesAndSharesARow)
{
  CTestBar& top = AddBar(AFX_IDW_DOCKBAR_TOP, "Top");
  CTestBar& bottom = AddBar(AFX_IDW_DOCKBAR_BOTTOM, "Bottom");
  CTestBar& left = AddBar(AFX_IDW_DOCKBAR_LEFT, "Left");
  CTestBar& right = AddBar(AFX_IDW_DOCKBAR_RIGHT, "Right");
  top.sizeHorz.cy = 90;
  bottom.sizeHorz.cy = 70;
  left.sizeVert.cx = 150;
  right.sizeVert.cx = 120;
  Layout();

  // The pane is what the four thicknesses leave.
  CRect rcClient;
  m_pFrame->GetClientRect(&rcClient);
  EXPECT_EQ(m_pFrame->PaneRect(), CRect(150, 90, rcClient.right - 120, rcClient.bottom - 70));
  // One bar fills its row: its length minus the overlap is the row's length.
  EXPECT_EQ(top.sizeHorz.cx - 2, rcClient.Width() + 2);

  // A bar alone in its row sizes only on the edge toward the pane.
  const std::pair<CTestBar*, DWORD> edges[] = {
      {&top, SCBS_EDGEBOTTOM}, {&bottom, SCBS_EDGETOP}, {&left, SCBS_EDGERIGHT}, {&right, SCBS_EDGELEFT}};
  for (const auto& edge : edges)
    EXPECT_EQ(SizingEdges(*edge.first), edge.second);

  // Bars share their row.
  CTestBar& second = AddBarBeside(top);
  CTestBar& third = AddBarBeside(second);
  top.sizeHorz = CSize(300, 80);
  second.sizeHorz = CSize(300, 120);
  third.sizeHorz = CSize(300, 60);
  Layout();

  CSCBArray row;
  second.GetRowSizingBars(row);
  ASSERT_EQ(row.GetSize(), 3);
  // Every bar takes the row's largest thickness; the lengths fill the row.
  const int nTotal = rcClient.Width() + 2;
  EXPECT_EQ(top.sizeHorz.cy, 120);
  EXPECT_EQ(top.sizeHorz.cx - 2 + second.sizeHorz.cx - 2 + third.sizeHorz.cx - 2, nTotal);
  // Bars just docked (shown while docked) keep their length while another can take it.
  EXPECT_EQ(third.sizeHorz.cx, 300);
  EXPECT_EQ(RectIn(&second, m_pFrame).left, RectIn(&top, m_pFrame).right - 2);
  // The middle bar sizes on three edges, the ends on two.
  EXPECT_EQ(SizingEdges(second), static_cast<DWORD>(SCBS_EDGELEFT | SCBS_EDGERIGHT | SCBS_EDGEBOTTOM));
  EXPECT_EQ(SizingEdges(third), static_cast<DWORD>(SCBS_EDGELEFT | SCBS_EDGEBOTTOM));

  // Otherwise the difference is spread a pixel at a time over the bars.
  top.keepSize = second.keepSize = third.keepSize = FALSE;
  top.sizeHorz.cx = second.sizeHorz.cx = third.sizeHorz.cx = 200;
  Layout();
  EXPECT_LE(std::abs(top.sizeHorz.cx - third.sizeHorz.cx), 1);
  EXPECT_EQ(top.sizeHorz.cx - 2 + second.sizeHorz.cx - 2 + third.sizeHorz.cx - 2, nTotal);

  // A bar hidden with a delay counts as hidden at once and goes with the next idle layout,
  // leaving its length to the others.
  const int nSecondLength = second.sizeHorz.cx;
  m_pFrame->ShowControlBar(&second, FALSE, TRUE);
  EXPECT_FALSE(second.IsVisible());
  PumpAndIdle();
  EXPECT_EQ(top.sizeHorz.cx - 2 + third.sizeHorz.cx - 2, nTotal);
  // Shown again with a delay, it comes back with its length; the others make room.
  m_pFrame->ShowControlBar(&second, TRUE, TRUE);
  EXPECT_FALSE(second.IsWindowVisible());
  PumpAndIdle();
  EXPECT_EQ(second.sizeHorz.cx, nSecondLength);
  EXPECT_EQ(top.sizeHorz.cx - 2 + second.sizeHorz.cx - 2 + third.sizeHorz.cx - 2, nTotal);
}

TEST_F(SizingBarTest, DraggingEdgesMovesLengthBetweenNeighboursSetsTheRowThicknessAndCloseHides)
{
  CTestBar& first = AddBar(AFX_IDW_DOCKBAR_TOP, "First");
  CTestBar& second = AddBarBeside(first);
  Layout();
  const LONG nFirst = first.sizeHorz.cx, nSecond = second.sizeHorz.cx;

  DragEdge(first, HTRIGHT, CSize(10, 0));
  EXPECT_EQ(first.sizeHorz.cx, nFirst + 10);
  EXPECT_EQ(second.sizeHorz.cx, nSecond - 10);

  // The same edge seen from the right bar, pulled far: the left bar stops at its minimum.
  DragEdge(second, HTLEFT, CSize(-2000, 0));
  EXPECT_EQ(first.sizeHorz.cx, first.sizeMinHorz.cx);
  EXPECT_EQ(first.sizeHorz.cx + second.sizeHorz.cx, nFirst + nSecond);

  // The edge toward the pane sets the thickness of the whole row.
  first.sizeHorz.cy = second.sizeHorz.cy = 100;
  Layout();
  DragEdge(first, HTBOTTOM, CSize(0, 30));
  EXPECT_EQ(second.sizeHorz.cy, 130);

  // Not thinner than the minimum, not past what the pane has.
  DragEdge(first, HTBOTTOM, CSize(0, -500));
  EXPECT_EQ(first.sizeHorz.cy, first.sizeMinHorz.cy);
  Layout();
  DragEdge(first, HTBOTTOM, CSize(0, 2000));
  Layout();
  EXPECT_GE(m_pFrame->PaneRect().Height(), 2);
  EXPECT_LE(m_pFrame->PaneRect().Height(), 4);

  // A bar docked on the left grows to the right.
  CTestBar& left = AddBar(AFX_IDW_DOCKBAR_LEFT, "Left");
  first.sizeHorz.cy = 100;
  Layout();
  const LONG nWidth = left.sizeVert.cx;
  DragEdge(left, HTRIGHT, CSize(25, 0));
  EXPECT_EQ(left.sizeVert.cx, nWidth + 25);

  // Without full-window drag the layout waits for the release.
  left.dragFullWindows = FALSE;
  Layout();
  const CRect rcBefore = WindowRect(&left);
  CPoint pt;
  ASSERT_TRUE(SizesOn(left, HTRIGHT, &pt));
  SendNcButtonDown(&left, HTRIGHT, pt);
  pt.x += 40;
  left.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(&left, pt));
  PumpAndIdle();
  EXPECT_EQ(WindowRect(&left), rcBefore);
  left.SendMessage(WM_LBUTTONUP, 0, ClientPoint(&left, pt));
  PumpAndIdle();
  EXPECT_EQ(WindowRect(&left).Width(), rcBefore.Width() + 40);
  // A right press cancels a drag where it stands.
  SendNcButtonDown(&left, HTRIGHT, pt);
  left.SendMessage(WM_RBUTTONDOWN, 0, 0);
  EXPECT_EQ(::GetCapture(), nullptr);
  // The close button hides the bar.
  ClickNcButton(&left, left.closeButton.GetRect().CenterPoint(), HTCLOSE);
  EXPECT_FALSE(left.IsWindowVisible());

  // A row too short for the minimums breaks.
  first.sizeMinHorz.cx = second.sizeMinHorz.cx = 500;
  Layout();
  Layout();
  CSCBArray row;
  first.GetRowSizingBars(row);
  EXPECT_EQ(row.GetSize(), 1);
}

TEST_F(SizingBarTest, FloatsResizesAndDocksAgainByDoubleClickOrDrag)
{
  CTestBar& bar = AddBar(AFX_IDW_DOCKBAR_TOP, "Floating");
  bar.sizeFloat = CSize(220, 160);
  Layout();

  // A double click floats the bar in a mini frame of its own, titled like the bar.
  bar.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
  ASSERT_TRUE(bar.IsFloating());
  CFrameWnd* pFloating = bar.GetParentFrame();
  ASSERT_TRUE(pFloating->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
  CString strTitle;
  pFloating->GetWindowText(strTitle);
  EXPECT_STREQ(strTitle, "Floating");
  EXPECT_EQ(WindowRect(&bar).Size(), CSize(220, 160));

  // Its edges and corners too size the bar through its dock context (the frame lost its
  // four-side style to the bar): an outline follows the mouse, the frame takes the new size on
  // release.
  EXPECT_FALSE(pFloating->GetStyle() & MFS_4THICKFRAME);
  const CSize sizeBorders = WindowRect(pFloating).Size() - CSize(220, 160);
  auto resize = [&](UINT nHitTest, CPoint ptFrom, CPoint ptTo, UINT nEnd) {
    ::SetCursorPos(ptTo.x, ptTo.y);
    PostMouse(&bar, WM_MOUSEMOVE, ptTo, MK_LBUTTON);
    if (nEnd == WM_KEYDOWN)
      bar.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    else
      PostMouse(&bar, WM_LBUTTONUP, ptTo);
    SendNcButtonDown(pFloating, nHitTest, ptFrom);
    EXPECT_EQ(::GetCapture(), nullptr);
  };

  // The right edge: 40 wider, the left side stays.
  CRect rcFrame = WindowRect(pFloating);
  resize(HTRIGHT, CPoint(rcFrame.right - 2, rcFrame.top + 50), CPoint(rcFrame.right + 38, rcFrame.top + 50),
         WM_LBUTTONUP);
  EXPECT_EQ(WindowRect(pFloating), CRect(rcFrame.TopLeft(), CSize(260, 160) + sizeBorders));

  // The top-left corner follows the cursor; the bottom-right one stays.
  rcFrame = WindowRect(pFloating);
  CPoint ptTo = rcFrame.TopLeft() - CSize(30, 20);
  resize(HTTOPLEFT, rcFrame.TopLeft(), ptTo, WM_LBUTTONUP);
  EXPECT_EQ(WindowRect(pFloating), CRect(ptTo, rcFrame.BottomRight()));

  // Pulled past the bottom-right corner, the bar stops at its floating minimum.
  rcFrame = WindowRect(pFloating);
  resize(HTTOPLEFT, rcFrame.TopLeft(), rcFrame.BottomRight() + CSize(50, 50), WM_LBUTTONUP);
  EXPECT_EQ(WindowRect(pFloating),
            CRect(rcFrame.BottomRight() - bar.sizeMinFloat - sizeBorders, rcFrame.BottomRight()));

  // Escape gives the size back and leaves the frame as it was.
  rcFrame = WindowRect(pFloating);
  resize(HTBOTTOM, CPoint(rcFrame.left + 10, rcFrame.bottom - 2), CPoint(rcFrame.left + 10, rcFrame.bottom + 98),
         WM_KEYDOWN);
  EXPECT_EQ(WindowRect(pFloating), rcFrame);

  // Sizing the floating frame sizes the bar, never below its minimum.
  pFloating->SetWindowPos(nullptr, 0, 0, 300, 10, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(WindowRect(&bar).Height(), bar.sizeMinFloat.cy);

  // Hidden with a delay, the floating frame goes with the bar at idle time; shown, it comes back.
  m_pFrame->ShowControlBar(&bar, FALSE, TRUE);
  PumpAndIdle();
  EXPECT_FALSE(pFloating->IsWindowVisible());
  m_pFrame->ShowControlBar(&bar, TRUE, TRUE);
  PumpAndIdle();
  EXPECT_TRUE(pFloating->IsWindowVisible() && bar.IsWindowVisible());

  // Another double click docks it where it was; the floating frame goes.
  HWND hFloating = pFloating->m_hWnd;
  bar.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(bar.GetParent()->GetDlgCtrlID(), AFX_IDW_DOCKBAR_TOP);
  EXPECT_FALSE(::IsWindow(hFloating));

  // Dragged away from inside the bar it floats: the drag runs on the messages queued for the bar.
  CPoint ptStart = WindowRect(&bar).CenterPoint();
  CPoint ptAway(1100, 800);
  PostMouse(&bar, WM_MOUSEMOVE, ptAway, MK_LBUTTON);
  PostMouse(&bar, WM_LBUTTONUP, ptAway);
  bar.ScreenToClient(&ptStart);
  bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptStart.x, ptStart.y));
  ASSERT_TRUE(bar.IsFloating());
  pFloating = bar.GetParentFrame();
  EXPECT_TRUE(WindowRect(pFloating).PtInRect(ptAway));

  // The floating frame's caption drags it onto the frame's left edge.
  CRect rcFloating = WindowRect(pFloating);
  CPoint ptCaption(rcFloating.CenterPoint().x, rcFloating.top + 4);
  // With no bar docked the pane covers the client area.
  const CRect rcPane = WindowRect(&m_pFrame->m_wndPane);
  CPoint ptEdge(rcPane.left + 5, rcPane.CenterPoint().y);
  PostMouse(&bar, WM_MOUSEMOVE, ptEdge, MK_LBUTTON);
  PostMouse(&bar, WM_LBUTTONUP, ptEdge);
  SendNcButtonDown(pFloating, HTCAPTION, ptCaption);
  EXPECT_EQ(bar.GetParent()->GetDlgCtrlID(), AFX_IDW_DOCKBAR_LEFT);

  // Escape cancels a drag and leaves the bar docked.
  bar.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
  bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 30));
  EXPECT_TRUE(bar.IsVertDocked());
  EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(SizingBarTest, SizesGoToTheProfileAndComeBack)
{
  CTestBar& bar = AddBar(AFX_IDW_DOCKBAR_TOP, "Profile", 4711);
  CTestBar& other = AddBar(AFX_IDW_DOCKBAR_LEFT, "Other", 4712);
  bar.sizeHorz = CSize(310, 120);
  bar.sizeVert = CSize(140, 260);
  bar.sizeFloat = CSize(230, 180);
  ASSERT_TRUE(bar.SaveState("Dock"));
  const char* pszPath = theApp.m_pszProfileName;

  bar.sizeHorz = bar.sizeVert = bar.sizeFloat = CSize(50, 50);
  ::WritePrivateProfileStringA("Dock-SCBar-4711", "sizeVertCX", "10", pszPath);
  ASSERT_TRUE(bar.LoadState("Dock"));
  EXPECT_EQ(bar.sizeHorz, CSize(310, 120));
  EXPECT_EQ(bar.sizeVert, CSize(33, 260));
  EXPECT_EQ(bar.sizeFloat, CSize(230, 180));
  // A section that is not there keeps the sizes.
  ASSERT_TRUE(bar.LoadState("Nothing"));
  EXPECT_EQ(bar.sizeHorz, CSize(310, 120));

  // The whole frame: every sizing bar of its list, nothing else.
  other.sizeVert = CSize(77, 99);
  ASSERT_TRUE(CSizingControlBar::GlobalSaveState(m_pFrame, "All"));
  EXPECT_EQ(::GetPrivateProfileIntA("All-SCBar-4711", "sizeHorzCX", -1, pszPath), 310u);
  other.sizeVert = CSize(40, 40);
  ASSERT_TRUE(CSizingControlBar::GlobalLoadState(m_pFrame, "All"));
  EXPECT_EQ(other.sizeVert, CSize(77, 99));

  // A size no screen can show is not a size the user gave: it is left out, the bar keeps what it
  // had; the largest size the screens can show still counts.
  other.sizeHorz = other.sizeVert = other.sizeFloat = CSize(150, 160);
  const int cxScreens = ::GetSystemMetrics(SM_CXVIRTUALSCREEN), cyScreens = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
  const std::pair<const char*, std::string> stored[] = {{"sizeVertCX", "2147483647"},
                                                        {"sizeVertCY", "100000"},
                                                        {"sizeHorzCX", std::to_string(cxScreens + 1)},
                                                        {"sizeHorzCY", "-5"},
                                                        {"sizeFloatCX", std::to_string(cxScreens)},
                                                        {"sizeFloatCY", std::to_string(cyScreens)}};
  for (const auto& value : stored)
    ::WritePrivateProfileStringA("Broken-SCBar-4712", value.first, value.second.c_str(), pszPath);
  ASSERT_TRUE(other.LoadState("Broken"));
  EXPECT_EQ(other.sizeVert, CSize(150, 160));
  EXPECT_EQ(other.sizeHorz, CSize(150, other.sizeMinHorz.cy));
  EXPECT_EQ(other.sizeFloat, CSize(cxScreens, cyScreens));
}

// The gripper bar's look: two raised lines beside the client area, the close cross; the caption
// bar's strip and border.
TEST_F(SizingBarTest, GripperCaptionAndBorderPixelsFollowTheFocusAndTheStyle)
{
  auto* pGripBar = new CTestGripBar;
  ASSERT_TRUE(pGripBar->Create("Grip", m_pFrame, 2001, kBarStyle));
  pGripBar->m_bAutoDelete = TRUE;
  pGripBar->EnableDocking(CBRS_ALIGN_ANY);
  m_pFrame->DockControlBar(pGripBar, AFX_IDW_DOCKBAR_TOP);
  CTestBar& bar = AddBar(AFX_IDW_DOCKBAR_LEFT, "Caption");
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &bar, 1));
  bar.SetBarStyle(bar.GetBarStyle() | CBRS_BORDER_TOP | CBRS_BORDER_3D);
  Layout();
  const CRect rcGrip = WindowRect(pGripBar);
  CPixelCanvas gripCanvas(rcGrip.Width(), rcGrip.Height());
  pGripBar->drawNonClient(&gripCanvas.DC());
  // Window (0, 0, w, h): client from (5 + 12, 5); the lines start 14 below the button at (4, 5).
  // The edge toward the pane: a raised frame along the bottom.
  const COLORREF clrHilite = ::GetSysColor(COLOR_3DHILIGHT), clrShadow = ::GetSysColor(COLOR_3DSHADOW);
  const int x = rcGrip.Width() / 2, y = 40;
  const std::pair<CPoint, COLORREF> probes[] = {{{6, y}, clrHilite},
                                                {{7, y}, ::GetSysColor(COLOR_BTNFACE)},
                                                {{8, y}, clrShadow},
                                                {{9, y}, clrHilite},
                                                {{6, 18}, ::GetSysColor(COLOR_BTNFACE)},
                                                {{6, 19}, clrHilite},
                                                {{x, rcGrip.Height() - 2}, clrShadow},
                                                {{x, rcGrip.Height() - 6}, clrHilite}};
  for (const auto& probe : probes)
    EXPECT_EQ(gripCanvas.Pixel(probe.first.x, probe.first.y), probe.second) << probe.first.x << ", " << probe.first.y;
  EXPECT_GT(gripCanvas.CountColour(CRect(4, 5, 15, 16), ::GetSysColor(COLOR_BTNTEXT)), 10);

  const CRect rcBar = WindowRect(&bar), rcClient = ClientInWindow(&bar);
  // Docked on the left: the strip lies above the client area, from its left end.
  const CPoint ptStrip(rcClient.left + 1, rcClient.top - 12 + 5);
  CPixelCanvas canvas(rcBar.Width(), rcBar.Height());
  auto stripColour = [&] {
    bar.drawNonClient(&canvas.DC());
    return canvas.Pixel(ptStrip.x, ptStrip.y);
  };
  EXPECT_EQ(stripColour(), ::GetSysColor(COLOR_INACTIVECAPTION));
  const CRect rcText(rcClient.left, rcClient.top - 12, rcClient.right - 20, rcClient.top - 1);
  EXPECT_GT(canvas.CountColour(rcText, ::GetSysColor(COLOR_INACTIVECAPTIONTEXT)), 0);
  EXPECT_GT(canvas.CountColour(bar.closeButton.GetRect(), ::GetSysColor(COLOR_BTNTEXT)), 10);
  // The control bar's etched border on the side its style names only.
  EXPECT_EQ(canvas.Pixel(rcBar.Width() / 2, 0), ::GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.Pixel(rcBar.Width() / 2, 1), ::GetSysColor(COLOR_BTNHIGHLIGHT));
  m_pFrame->SetForegroundWindow();
  edit.SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == edit.m_hWnd; }));
  bar.OnUpdateCmdUI(m_pFrame, TRUE);
  EXPECT_EQ(stripColour(), ::GetSysColor(COLOR_ACTIVECAPTION));
  m_pFrame->SetFocus();
  bar.OnUpdateCmdUI(m_pFrame, TRUE);
  EXPECT_EQ(stripColour(), ::GetSysColor(COLOR_INACTIVECAPTION));
}
}
