// The pin bar, the auto-hide strip and its slide-out frames in a real frame, driven by mouse
// messages and the frames' own timers.
#include "DockingTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
class AutoHideTest : public CStripTest
{
protected:
  static void Wheel(CWnd& wnd, CPoint ptScreen)
  {
    wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(ptScreen.x, ptScreen.y));
  }
};

TEST_F(AutoHideTest, HoverSlidesTheBarOutAtFullLengthFromASideStrip)
{
  CAutoHideBar& strip = MakeStrip(1, {"First", "Second"});
  AtButton(WM_MOUSEMOVE, 1);
  CDrawFrame& frame = Frame(1);
  ASSERT_TRUE(frame.IsWindowVisible());
  const CRect rcFrame = WindowRect(&frame), rcStrip = WindowRect(&strip);
  EXPECT_EQ(rcFrame, CRect(rcStrip.right, rcStrip.top, rcStrip.right + frame.slideLength, rcStrip.bottom));
  EXPECT_EQ(m_bars[1]->m_tabs, std::vector<int>{1});
  // The bar fills the frame.
  CRect rcClient;
  frame.GetClientRect(&rcClient);
  EXPECT_EQ(WindowRect(m_bars[1].get()).Size(), rcClient.Size());

  // Hovering the other button closes this one and opens that.
  AtButton(WM_MOUSEMOVE, 0);
  EXPECT_TRUE(Frame(0).IsWindowVisible());
  EXPECT_FALSE(frame.IsWindowVisible());

  // A click in hover mode opens nothing new.
  Frame(0).SendMessage(WM_DRAWFRAME_SHOWHIDE);
  AtButton(WM_LBUTTONDOWN, 1);
  EXPECT_FALSE(frame.IsWindowVisible());

  // While a button keeps its bar (AHB_KEEPOPEN), pointing at one marked AHB_LEAVEKEEPER opens the
  // keeper's bar; a click asks the marked one's bar to leave auto-hide mode, once when it stays.
  strip.GetButton(0)->style |= AHB_KEEPOPEN;
  strip.GetButton(1)->style |= AHB_LEAVEKEEPER;
  AtButton(WM_MOUSEMOVE, 1);
  EXPECT_TRUE(Frame(0).IsWindowVisible());
  EXPECT_FALSE(frame.IsWindowVisible());
  AtButton(WM_LBUTTONDOWN, 1);
  EXPECT_EQ(m_bars[1]->m_nLeaveAsked, 1);
  EXPECT_EQ(m_bars[0]->m_nLeaveAsked, 0);
}

TEST_F(AutoHideTest, ClickModeOpensAndClosesOnClicks)
{
  CTestStrip& strip = MakeStrip(2, {"Click"});
  strip.SetClickOpenMode(TRUE);
  // The menu's texts come through the resource chain: the host's own 22123 stands first.
  CMenuLook look;
  strip.ExpectMenu({VK_ESCAPE});
  strip.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(strip.m_hWnd), MAKELPARAM(5, 5));
  EXPECT_EQ(strip.m_strMenu,
            "host titles:2001 " + cp932("項目名等分表示") + ":2002 " + cp932("クリックオープン") + ":2003/checked");
  AtButton(WM_MOUSEMOVE, 0);
  EXPECT_FALSE(Frame(0).IsWindowVisible());
  AtButton(WM_LBUTTONDOWN, 0);
  // A right strip opens to the left.
  EXPECT_EQ(WindowRect(&Frame(0)).right, WindowRect(&strip).left);
  AtButton(WM_LBUTTONDOWN, 0);
  EXPECT_FALSE(Frame(0).IsWindowVisible());

  // SetDisplayPage: out of range is refused, a separator changes nothing.
  EXPECT_FALSE(strip.SetDisplayPage(5, FALSE));
  strip.InsertButton("", AHB_SEPARATOR, nullptr, nullptr, nullptr, nullptr, -1, 1);
  EXPECT_TRUE(strip.SetDisplayPage(1, FALSE));
  EXPECT_FALSE(Frame(0).IsWindowVisible());
  // The shown button's bar opens again without a new tab selection.
  EXPECT_TRUE(strip.SetDisplayPage(0, FALSE));
  EXPECT_TRUE(Frame(0).IsWindowVisible());
  EXPECT_EQ(m_bars[0]->m_tabs.size(), 1u);
}

TEST_F(AutoHideTest, TopStripSlidesOutInStepsOnTheTimer)
{
  CAutoHideBar& strip = MakeStrip(0, {"Top"});
  CDrawFrame& frame = Frame(0);
  frame.slideLength = 400;
  strip.SetDisplayPage(0, FALSE);
  std::vector<int> heights{WindowRect(&frame).Height()};
  ASSERT_TRUE(PumpUntil([&] {
    const int nHeight = WindowRect(&frame).Height();
    if (nHeight != heights.back())
      heights.push_back(nHeight);
    return nHeight == 400;
  }));
  EXPECT_EQ(heights, (std::vector<int>{160, 320, 400}));
  EXPECT_TRUE(PumpUntil([&] { return !frame.sliding; }));

  // Resized by the user, the frame opens that long the next time.
  frame.SetWindowPos(nullptr, 0, 0, WindowRect(&frame).Width(), 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(frame.slideLength, 300);
  frame.SendMessage(WM_DRAWFRAME_SHOWHIDE);
  strip.SetDisplayPage(0, FALSE);
  ASSERT_TRUE(PumpUntil([&] { return !frame.sliding; }));
  EXPECT_EQ(WindowRect(&frame).Height(), 300);

  // Only the free edge sizes the frame.
  CRect rc = WindowRect(&frame);
  EXPECT_EQ(frame.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rc.CenterPoint().x, rc.bottom - 1)), HTBOTTOM);
  EXPECT_EQ(frame.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rc.left, rc.CenterPoint().y)), HTNOWHERE);
}

TEST_F(AutoHideTest, FrameClosesWhenThePointerStaysAwayAndButtonsFormGroupsBetweenSeparators)
{
  CAutoHideBar& strip = MakeStrip(1, {"Away"});
  CDrawFrame::st_nAutoShowHideTimer = 100;
  CDrawFrame& frame = Frame(0);
  strip.SetDisplayPage(0, TRUE);
  // Within the margin around the frame it stays open.
  CRect rc = WindowRect(&frame);
  EXPECT_TRUE(frame.IsOnDrawBar(CPoint(rc.right + 9, rc.CenterPoint().y)));
  EXPECT_FALSE(frame.IsOnDrawBar(CPoint(rc.right + 12, rc.CenterPoint().y)));
  // Forced open it stays; released, the pointer over the pane closes it.
  frame.SendMessage(WM_DRAWFRAME_SHOWBYFORCE, TRUE);
  CRect rcPane = m_pFrame->PaneRect();
  m_pFrame->ClientToScreen(&rcPane);
  ::SetCursorPos(rcPane.right - 20, rcPane.bottom - 20);
  EXPECT_FALSE(PumpUntil([&] { return !frame.IsWindowVisible(); }, 400));
  frame.SendMessage(WM_DRAWFRAME_SHOWBYFORCE, FALSE);
  EXPECT_TRUE(PumpUntil([&] { return !frame.IsWindowVisible(); }));
  EXPECT_FALSE(m_bars[0]->IsWindowVisible());

  // The strip's buttons, their groups and separators.
  CTestPinBar& pin = *m_bars[0];
  CTestPinBar& other = AddPinBar(AFX_IDW_DOCKBAR_LEFT, "Other");
  // Buttons of one pin bar form a group: the first is its active one.
  strip.InsertButton("B", AHB_GROUPSELECT, &other, other.GetParent(), nullptr, &pin, -1, 1);
  EXPECT_FALSE(strip.GetButton(1)->style & AHB_ACTIVE);
  strip.InsertButton("", AHB_SEPARATOR, nullptr, nullptr, nullptr, nullptr, -1, 0);
  strip.InsertButton("", AHB_SEPARATOR, nullptr, nullptr, nullptr, nullptr, -1, 2);
  strip.InsertButton("", AHB_SEPARATOR, nullptr, nullptr, nullptr, nullptr, -1, 2);
  strip.AddButton("", AHB_SEPARATOR, nullptr, nullptr, nullptr, nullptr);
  ASSERT_EQ(strip.GetButtonCount(), 6);
  EXPECT_EQ(strip.ButtonIndexToTabIndex(5), 1);
  strip.Shrink();
  ASSERT_EQ(strip.GetButtonCount(), 3);
  EXPECT_TRUE(strip.GetButton(1)->style & AHB_SEPARATOR);
  EXPECT_EQ(strip.TabIndexToButtonIndex(&pin, 1), 2);

  // Removing the active button makes the next of its pin bar active; the bar goes home.
  CWnd* pOldParent = strip.GetButton(0)->oldParent;
  strip.RemoveButton(&pin);
  EXPECT_EQ(pin.GetParent(), pOldParent);
  ASSERT_EQ(strip.GetButtonCount(), 2);
  EXPECT_TRUE(strip.GetButton(1)->style & AHB_ACTIVE);
}

TEST_F(AutoHideTest, StripTakesItsEdgeWithEntriesAndThePinOfTheFrameSendsTheBarsBack)
{
  CAutoHideBar& strip = MakeStrip(1, {"Back", "Too"});
  const int nPaneLeft = m_pFrame->PaneRect().left;
  // The bar now lives in its slide-out frame, as long as the docked width and the borders.
  EXPECT_EQ(m_bars[0]->GetParent(), &Frame(0));
  EXPECT_EQ(strip.GetAHWindowSize(m_bars[0].get()), 150 + 2 * ::GetSystemMetrics(SM_CXFRAME));

  strip.SetDisplayPage(0, FALSE);
  ClickNcButton(&Frame(0), Frame(0).pinOrigin + CSize(5, 5), HTPUSHPIN);
  EXPECT_TRUE(PumpUntil([&] { return strip.GetButtonCount() == 0; }));
  EXPECT_EQ(m_bars[0]->m_nLeft, 1);
  EXPECT_EQ(m_bars[1]->m_nAfter, 1);
  // Each bar went back to its old parent; the empty strip gives its 24 pixels back.
  EXPECT_EQ(m_bars[0]->GetParent()->GetDlgCtrlID(), AFX_IDW_DOCKBAR_LEFT);
  m_pFrame->RecalcLayout();
  EXPECT_EQ(m_pFrame->PaneRect().left, nPaneLeft - 24);
}

TEST_F(AutoHideTest, PushPinAsksTheFrameForEveryCaptionBarOfTheSide)
{
  CTestPinBar& first = AddPinBar(AFX_IDW_DOCKBAR_LEFT, "First");
  CTestPinBar& second = AddPinBar(AFX_IDW_DOCKBAR_LEFT, "Second");
  AddPinBar(AFX_IDW_DOCKBAR_RIGHT, "Right");
  second.m_nType = CPinDockBar::DOCKBARTYPE_PINFIRST;
  m_pFrame->RecalcLayout();
  ClickNcButton(&first, first.pinButton.GetRect().CenterPoint(), HTPUSHPIN);
  EXPECT_EQ(m_pFrame->m_pinned, (std::vector<CWnd*>{&second, &first}));

  // The standing pin: a line across at three quarters, the head above it.
  const CRect rc = WindowRect(&first);
  CPixelCanvas canvas(rc.Width(), rc.Height());
  first.drawNonClient(&canvas.DC());
  const CPoint org = first.pinButton.ptOrg;
  const int s = 96 * 6 / 72, q = s / 4;
  const COLORREF clrText = ::GetSysColor(COLOR_BTNTEXT);
  EXPECT_EQ(canvas.Pixel(org.x + 1, org.y + 3 * q), clrText);
  EXPECT_EQ(canvas.Pixel(org.x + s / 2, org.y + s), clrText);
  EXPECT_EQ(canvas.Pixel(org.x + 2 * q, org.y + 1), clrText);
  EXPECT_NE(canvas.Pixel(org.x + s, org.y + 1), clrText);
}

// The bar does not take the wheel, so it goes on to its parent, the frame, which hands it to the
// strip again: one turn of the wheel must still reach the bar once.
TEST_F(AutoHideTest, AWheelEventReachesTheShownBarOnceAndBarsThatGoLeaveTheStripConsistent)
{
  CAutoHideBar& strip = MakeStrip(1, {"A", "B", "C", "D"});
  strip.SetDisplayPage(3, FALSE);
  const CPoint ptFrame = WindowRect(&Frame(3)).CenterPoint();
  Wheel(strip, ptFrame);
  EXPECT_EQ(m_bars[3]->m_nWheels, 1);
  Wheel(Frame(3), ptFrame);
  EXPECT_EQ(m_bars[3]->m_nWheels, 2);
  EXPECT_EQ(m_bars[0]->m_nWheels, 0);
  // A bar whose window is gone hears nothing more.
  m_bars[3]->DestroyWindow();
  Wheel(strip, ptFrame);
  EXPECT_EQ(m_bars[3]->m_nWheels, 2);

  // Bars that come and leave, by InsertButton, RemoveButton or by going away without it, leave the
  // shown button and the remaining ones as they were.
  strip.RemoveButton(m_bars[0].get());
  EXPECT_EQ(strip.GetCurSel(), 2);
  CTestPinBar& first = AddPinBar(AFX_IDW_DOCKBAR_LEFT, "First");
  strip.InsertButton("First", AHB_GROUPSELECT, &first, first.GetParent(), nullptr, &first, -1, 0);
  EXPECT_EQ(strip.GetCurSel(), 3);
  strip.RemoveButton(&first);

  // The shown bar removed: no button is the shown one any more.
  strip.RemoveButton(m_bars[3].get());
  const CPoint pt = WindowRect(&strip).CenterPoint();
  Wheel(strip, pt);
  EXPECT_EQ(m_bars[2]->m_nWheels, 0);

  // A bar deleted without RemoveButton takes its button with it.
  strip.SetDisplayPage(1, FALSE);
  ASSERT_EQ(strip.GetButton(1)->bar, m_bars[2].get());
  m_bars[2].reset();
  ASSERT_TRUE(PumpUntil([&] { return strip.GetButtonCount() == 1; }));
  EXPECT_EQ(strip.GetButton(0)->bar, m_bars[1].get());
  Wheel(strip, pt);
  strip.RemoveButton(m_bars[1].get());
  EXPECT_EQ(strip.GetButtonCount(), 0);
}
}
