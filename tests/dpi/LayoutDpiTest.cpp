// The layout aids and the small dialogs at 192 DPI: the splitter's bar and limits and the string
// input dialog's desktop margin come out doubled.
#include "DpiTestSupport.h"
#include "../docking/DockingTestSupport.h"

#include <ZuntCtrl.h>
#include <gtest/gtest.h>

namespace
{
TEST(LayoutDpi, SplitterBarAndLimitsComeOutDoubled)
{
  CWnd host, left, right;
  ASSERT_TRUE(host.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, Px(400), Px(200)), nullptr, 0));
  for (CWnd* pPane : {&left, &right})
    ASSERT_TRUE(pPane->Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &host, 0));
  CCtrlSplitter splitter;
  splitter.Create(WS_CHILD | WS_VISIBLE | CTRLSPLITTER_VERT, &host, &left, &right, 1, CRect(0, 0, Px(300), Px(100)),
                  Px(100), 0);
  EXPECT_EQ(RectIn(&left, &host), CRect(0, 0, Px(100), Px(100)));
  EXPECT_EQ(RectIn(&right, &host), CRect(Px(104), 0, Px(300), Px(100)));

  // The bar takes presses twice its width around its middle, 102.
  const struct
  {
    int x;
    bool bCaptures;
  } presses[] = {{Px(102) - Px(4) - 1, false}, {Px(102) - Px(4), true}, {Px(102) + Px(4) - 1, true}};
  for (const auto& press : presses)
  {
    SCOPED_TRACE(press.x);
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, Px(50)));
    EXPECT_EQ(::GetCapture() == splitter.m_hWnd, press.bCaptures);
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(press.x, Px(50)));
    splitter.SetSplitterPos(Px(100));
  }
  // Dragged to the far left, the bar stops 1 pixel inside.
  splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(Px(102), Px(50)));
  splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, Px(50)));
  splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(0, Px(50)));
  EXPECT_EQ(splitter.GetSplitterPos(), Px(1) - Px(2));
  host.DestroyWindow();
}

TEST(LayoutDpi, StringInputKeepsADoubledDesktopMargin)
{
  CRect rcDesktop, rcWindow;
  ::GetWindowRect(::GetDesktopWindow(), &rcDesktop);
  CInputStringDlg input;
  CPoint ptAt = rcDesktop.BottomRight() - CSize(10, 10);
  input.SetPoint(ptAt);
  ASSERT_TRUE(input.Create("IDD_DLG_INPUT_STRING"));
  input.GetWindowRect(&rcWindow);
  EXPECT_EQ(rcWindow.BottomRight(), rcDesktop.BottomRight() - CSize(Px(35), Px(35)));
  input.DestroyWindow();
}
}  // namespace
