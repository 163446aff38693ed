#include "ThemeTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const UINT kButtonId = 101;
const COLORREF kMarker = RGB(255, 0, 0);

int Brightness(COLORREF crColour)
{
  return GetRValue(crColour) + GetGValue(crColour) + GetBValue(crColour);
}

// A button of the given size on a recording parent, with the marker icon.
template <class TButton>
class CButtonFixture
{
public:
  explicit CButtonFixture(int nSize = 32) : m_parent(PaletteMessages()), m_hIcon(CreateMarkerIcon(kMarker))
  {
    m_button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | BS_ICON, CRect(10, 10, 10 + nSize, 10 + nSize), &m_parent,
                    kButtonId);
    m_button.SetIcon(m_hIcon);
  }
  ~CButtonFixture()
  {
    m_button.DestroyWindow();
    ::DestroyIcon(m_hIcon);
  }
  // Draws the face into the canvas at the item rectangle, the context's origin moved by offset.
  void Draw(CPixelCanvas& canvas, const RECT& item, POINT offset = {0, 0})
  {
    ::SetViewportOrgEx(canvas.DC().GetSafeHdc(), offset.x, offset.y, nullptr);
    DRAWITEMSTRUCT draw = {ODT_BUTTON, kButtonId, 0, ODA_DRAWENTIRE, 0, m_button.m_hWnd, canvas.DC().GetSafeHdc(),
                           item, 0};
    m_button.DrawItem(&draw);
    ::SetViewportOrgEx(canvas.DC().GetSafeHdc(), 0, 0, nullptr);
  }
  std::vector<COLORREF> Face(int nSize, const std::function<void()>& setUp)
  {
    setUp();
    CPixelCanvas canvas(nSize, nSize);
    Draw(canvas, CRect(0, 0, nSize, nSize));
    return canvas.Pixels(CRect(0, 0, nSize, nSize));
  }
  void Send(UINT nMessage, int x = 5, int y = 5) { m_button.SendMessage(nMessage, 0, MAKELPARAM(x, y)); }

  CRecordingWnd m_parent;
  TButton m_button;
  HICON m_hIcon;
};
}  // namespace

TEST(XPButton, IconSitsAtTheCornerOfA32ButtonAndOffTheCornerOfSmallerOnes)
{
  CButtonFixture<CXPRadioButton> fixture;
  CPixelCanvas large(40, 40);
  fixture.Draw(large, CRect(0, 0, 32, 32));
  EXPECT_EQ(CRect(0, 1, 1, 2), large.BoundsOf(kMarker));

  // 24 by 24: 4 pixels left of and above the corner, plus the one down; seen through an origin
  // moved by 10 so that it lands on the canvas.
  CPixelCanvas small(40, 40);
  fixture.Draw(small, CRect(0, 0, 24, 24), {10, 10});
  EXPECT_EQ(CRect(6, 7, 7, 8), small.BoundsOf(kMarker));

  // The icon stays the host's.
  fixture.m_button.DestroyWindow();
  ICONINFO info = {};
  EXPECT_TRUE(::GetIconInfo(fixture.m_hIcon, &info));
  ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);
}

TEST(XPButton, RadioButtonLatchesOnPressAndFollowsTheMouse)
{
  CButtonFixture<CXPRadioButton> fixture;
  CXPRadioButton& button = fixture.m_button;
  EXPECT_EQ(0, button.GetCheck());
  fixture.Send(WM_MOUSEMOVE);
  EXPECT_EQ(1, button.m_bHot);
  fixture.Send(WM_LBUTTONDOWN);
  EXPECT_EQ(1, button.GetCheck());
  fixture.Send(WM_LBUTTONUP);
  EXPECT_EQ(1, button.GetCheck()) << "a release must not clear the latch";
  fixture.Send(WM_MOUSELEAVE);
  EXPECT_EQ(0, button.m_bHot);
  EXPECT_EQ(1, button.GetCheck());
  button.SetCheck(0);
  EXPECT_EQ(0, button.GetCheck());
  EXPECT_EQ(0, fixture.m_parent.Count(WM_XPUPDOWN_RELEASED));
}

TEST(XPButton, UpDownButtonTellsItsParentOfEveryReleaseAndTakesDoubleClicksAsPresses)
{
  CButtonFixture<CXPUpDownButton> fixture;
  CXPUpDownButton& button = fixture.m_button;
  fixture.Send(WM_LBUTTONDOWN);
  EXPECT_EQ(1, button.m_bPressed);
  fixture.Send(WM_LBUTTONUP);
  EXPECT_EQ(0, button.m_bPressed);
  fixture.Send(WM_LBUTTONDBLCLK);
  EXPECT_EQ(1, button.m_bPressed) << "a double click presses again";
  fixture.Send(WM_LBUTTONUP);
  EXPECT_EQ(0, button.m_bPressed);

  ASSERT_EQ(2, fixture.m_parent.Count(WM_XPUPDOWN_RELEASED));
  for (const SSentMessage& sent : fixture.m_parent.m_sent)
  {
    EXPECT_EQ(kButtonId, sent.wParam);
    EXPECT_EQ(0, sent.lParam);
  }
  fixture.Send(WM_MOUSEMOVE);
  EXPECT_EQ(1, button.m_bHot);
  fixture.Send(WM_MOUSELEAVE);
  EXPECT_EQ(0, button.m_bHot);
}

TEST(XPButton, WithoutVisualStylesTheFaceIsAClassicPushButton)
{
  CNoThemeDllScope noDll;
  CButtonFixture<CXPRadioButton> radio;
  CXPRadioButton& button = radio.m_button;
  const std::vector<COLORREF> up = radio.Face(32, [&] { button.SetCheck(0); });
  const std::vector<COLORREF> down = radio.Face(32, [&] { button.SetCheck(1); });
  // Raised: light top-left edge; pushed: dark.
  EXPECT_GT(Brightness(up[0]), Brightness(down[0]));
  EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), up[16 * 32 + 16]);

  CButtonFixture<CXPUpDownButton> upDown;
  const std::vector<COLORREF> released = upDown.Face(32, [] {});
  upDown.Send(WM_LBUTTONDOWN);
  const std::vector<COLORREF> pressed = upDown.Face(32, [] {});
  EXPECT_EQ(up, released);
  EXPECT_EQ(down, pressed);
  upDown.Send(WM_LBUTTONUP);
}

TEST(XPButton, WithVisualStylesACheckedButtonLooksPressedWhereverTheMouseIs)
{
  if (!VisualStylesActive())
    GTEST_SKIP() << "no visual styles on this system";
  CButtonFixture<CXPRadioButton> fixture(24);
  CXPRadioButton& button = fixture.m_button;
  auto look = [&](int nCheck, int bHot) {
    return fixture.Face(24, [&] {
      button.SetCheck(nCheck);
      button.m_bHot = bHot;
    });
  };
  const std::vector<COLORREF> normal = look(0, 0);
  const std::vector<COLORREF> hot = look(0, 1);
  const std::vector<COLORREF> checked = look(1, 0);
  EXPECT_NE(normal, hot);
  EXPECT_NE(normal, checked);
  EXPECT_NE(hot, checked);
  EXPECT_EQ(checked, look(1, 1));
  // Not the classic face: the themed toolbar button has no classic edges.
  CNoThemeDllScope noDll;
  CButtonFixture<CXPRadioButton> classic(24);
  EXPECT_NE(normal, classic.Face(24, [] {}));
}
