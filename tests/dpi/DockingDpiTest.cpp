// The docking bars at 192 DPI: the sizing bar's sizes, insets, caption and buttons, the auto-hide
// strip and its slide-out frame come out doubled, and the mouse finds them where they are drawn.
#include "DpiTestSupport.h"
#include "../docking/DockingTestSupport.h"

namespace
{
// The hit-test code of a point relative to the window's top-left corner.
LRESULT HitTest(CWnd* pWnd, CPoint ptInWindow)
{
  const CPoint ptScreen = ptInWindow + CSize(WindowRect(pWnd).TopLeft());
  return pWnd->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptScreen.x, ptScreen.y));
}

// The auto-hide tests' frame and strip.
using DockingDpiTest = CStripTest;

TEST_F(DockingDpiTest, BarSizesInsetsButtonsAndCaptionComeOutDoubled)
{
  CTestPinBar& bar = AddPinBar(AFX_IDW_DOCKBAR_TOP, "Top");
  CTestPinBar& side = AddPinBar(AFX_IDW_DOCKBAR_LEFT, "Caption");
  m_pFrame->RecalcLayout();
  EXPECT_EQ(bar.sizeMinFloat, CSize(Px(37), Px(32)));

  // Docked on top: insets 3 + 2 and the gripper on the left, 5 on top, the sizing edge below.
  const CRect rcBar = WindowRect(&bar), rcClient = ClientInWindow(&bar);
  EXPECT_EQ(rcClient, CRect(Px(17), Px(5), rcBar.Width() - Px(5), rcBar.Height() - Px(10)));
  EXPECT_EQ(bar.closeButton.GetRect(), CRect(CPoint(Px(4), Px(5)), CSize(Px(11), Px(11))));
  EXPECT_EQ(bar.pinButton.GetRect(), CRect(CPoint(Px(5), rcClient.bottom - Px(13)), CSize(Px(11), Px(11))));

  // The far corners of the scaled buttons and the inner row of the scaled edge.
  const struct
  {
    CPoint ptInWindow;
    LRESULT nHit;
  } rows[] = {
      {bar.closeButton.GetRect().BottomRight() - CSize(2, 2), HTCLOSE},
      {bar.pinButton.GetRect().BottomRight() - CSize(2, 2), HTPUSHPIN},
      {CPoint(rcBar.Width() / 2, rcBar.Height() - 1 - Px(5)), HTBOTTOM},
      {CPoint(rcBar.Width() / 2, rcBar.Height() - 2 - Px(5)), HTCLIENT},
  };
  for (const auto& row : rows)
  {
    SCOPED_TRACE(testing::Message() << row.ptInWindow.x << ", " << row.ptInWindow.y);
    EXPECT_EQ(HitTest(&bar, row.ptInWindow), row.nHit);
  }

  // Docked on the left: the caption strip lies above the client area, 11 high, 12 above it.
  const CRect rcSide = WindowRect(&side), rcSideClient = ClientInWindow(&side), rcPin = side.pinButton.GetRect();
  CPixelCanvas canvas(rcSide.Width(), rcSide.Height());
  side.drawNonClient(&canvas.DC());
  const int yStrip = rcSideClient.top - Px(12);
  const COLORREF clrStrip = ::GetSysColor(COLOR_INACTIVECAPTION);
  EXPECT_EQ(canvas.Pixel(rcSideClient.left + 1, yStrip + Px(11) - 1), clrStrip);
  EXPECT_NE(canvas.Pixel(rcSideClient.left + 1, yStrip + Px(11)), clrStrip);
  // The name, right of the pin, in the 11-pixel font.
  const CRect rcText = canvas.BoundsOf(::GetSysColor(COLOR_INACTIVECAPTIONTEXT),
                                       CRect(rcPin.right, yStrip, rcSide.Width(), yStrip + Px(11)));
  EXPECT_GE(rcText.Height(), Px(8));

  // Without a name, the standing pin alone: a glyph of six points at the screen's DPI.
  side.SetWindowText("");
  canvas.Fill(canvas.Background());
  side.drawNonClient(&canvas.DC());
  EXPECT_EQ(canvas.BoundsOf(::GetSysColor(COLOR_BTNTEXT), rcPin).Size(), CSize(Px(8) + 1, Px(8) + 1));
}

TEST_F(DockingDpiTest, StripButtonsSlideOutFrameAndItsStepsComeOutDoubled)
{
  CTestStrip& strip = MakeStrip(1, {"Hidden"}, CRect(0, 0, Px(150), Px(300)));
  ASSERT_TRUE(strip.IsWindowVisible());
  EXPECT_EQ(WindowRect(&strip).Width(), Px(24));
  LOGFONT lf = {};
  strip.fontHorz.GetLogFont(&lf);
  EXPECT_EQ(lf.lfHeight, Px(14));
  const CRect rcButton = strip.GetButton(0)->rect;
  EXPECT_EQ(rcButton.top, Px(5));

  // Pointing within the button's shortened end opens nothing; just past it opens the bar.
  CDrawFrame& frame = strip.GetButton(0)->frame;
  strip.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcButton.CenterPoint().x, rcButton.top + Px(5) - 1));
  EXPECT_FALSE(frame.IsWindowVisible());
  strip.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcButton.CenterPoint().x, rcButton.top + Px(5)));
  ASSERT_TRUE(frame.IsWindowVisible());

  const CRect rcFrame = WindowRect(&frame);
  CRect rcClient;
  frame.GetClientRect(&rcClient);
  CRect rcBorders(0, 0, 0, 0);
  ::AdjustWindowRectEx(&rcBorders, frame.GetStyle(), FALSE, frame.GetExStyle());
  EXPECT_EQ(rcFrame.Height() - rcClient.Height(), rcBorders.Height() + Px(12));
  EXPECT_EQ(HitTest(&frame, frame.pinOrigin + CSize(Px(11) - 2, Px(11) - 2)), HTPUSHPIN);
  // The pointer still counts as over the frame 10 pixels beyond its free edge.
  const int y = rcFrame.CenterPoint().y;
  EXPECT_TRUE(frame.IsOnDrawBar(CPoint(rcFrame.right + Px(10) - 1, y)));
  EXPECT_FALSE(frame.IsOnDrawBar(CPoint(rcFrame.right + Px(10), y)));
  frame.SendMessage(WM_DRAWFRAME_SHOWHIDE);

  // A strip on top slides its frame out in doubled steps (nothing pumps the timer: the test ticks).
  CDrawFrame& topFrame = MakeStrip(0, {"Top"}, CRect(0, 0, Px(300), Px(400))).GetButton(0)->frame;
  topFrame.SendMessage(WM_DRAWFRAME_SHOWOFF);
  topFrame.SendMessage(WM_TIMER, 1);
  EXPECT_EQ(WindowRect(&topFrame).Height(), Px(320));
  topFrame.SendMessage(WM_DRAWFRAME_SHOWHIDE);
}
}  // namespace
