#include "ThemeTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const UINT kButtonId = 101;
const COLORREF kMarker = RGB(255, 0, 0);

// A button of the given size on a recording parent, with the marker icon.
template <class TButton>
struct CButtonFixture
{
  explicit CButtonFixture(int nSize = 32) : m_hIcon(CreateMarkerIcon(kMarker))
  {
    m_button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | BS_ICON, CRect(10, 10, 10 + nSize, 10 + nSize),
                    &m_parent, kButtonId);
    m_button.SetIcon(m_hIcon);
  }
  ~CButtonFixture()
  {
    m_button.DestroyWindow();
    ::DestroyIcon(m_hIcon);
  }
  // The face drawn into a canvas of nSize at the item rectangle, the origin moved by nOffset.
  std::vector<COLORREF> Face(int nSize, const RECT& item, int nOffset = 0)
  {
    CPixelCanvas canvas(nSize, nSize);
    ::SetViewportOrgEx(canvas.DC().GetSafeHdc(), nOffset, nOffset, nullptr);
    DRAWITEMSTRUCT draw = {ODT_BUTTON, kButtonId, 0, ODA_DRAWENTIRE, 0, m_button.m_hWnd, canvas.DC().GetSafeHdc(),
                           item,       0};
    m_button.DrawItem(&draw);
    ::SetViewportOrgEx(canvas.DC().GetSafeHdc(), 0, 0, nullptr);
    m_marker = canvas.BoundsOf(kMarker);
    return canvas.Pixels(CRect(0, 0, nSize, nSize));
  }
  void Send(UINT nMessage) { m_button.SendMessage(nMessage, 0, MAKELPARAM(5, 5)); }

  CRecordingWnd m_parent;
  TButton m_button;
  HICON m_hIcon;
  CRect m_marker;  // where the icon's marker pixel landed in the last face
};

int Brightness(COLORREF crColour) { return GetRValue(crColour) + GetGValue(crColour) + GetBValue(crColour); }
}  // namespace

// Without visual styles: the behaviour, then the classic face.
TEST(XPButton, RadioLatchesUpDownReportsEveryReleaseAndWithoutVisualStylesTheFaceIsAClassicPushButton)
{
  CNoThemeDllScope noDll;
  CButtonFixture<CXPRadioButton> radio;
  CXPRadioButton& latch = radio.m_button;
  radio.Send(WM_MOUSEMOVE);
  EXPECT_EQ(1, latch.m_bHot);
  radio.Send(WM_LBUTTONDOWN);
  radio.Send(WM_LBUTTONUP);
  EXPECT_EQ(1, latch.GetCheck()) << "a release must not clear the latch";
  radio.Send(WM_MOUSELEAVE);
  EXPECT_EQ(0, latch.m_bHot);
  EXPECT_EQ(0, radio.m_parent.Count(WM_XPUPDOWN_RELEASED));

  CButtonFixture<CXPUpDownButton> upDown;
  CXPUpDownButton& button = upDown.m_button;
  for (UINT nPress : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK})
  {
    upDown.Send(nPress);
    EXPECT_EQ(1, button.m_bPressed) << "a double click presses again";
    upDown.Send(WM_LBUTTONUP);
    EXPECT_EQ(0, button.m_bPressed);
  }
  ASSERT_EQ(2, upDown.m_parent.Count(WM_XPUPDOWN_RELEASED));
  EXPECT_EQ(kButtonId, upDown.m_parent.m_sent[1].wParam);
  EXPECT_EQ(0, upDown.m_parent.m_sent[1].lParam);
  upDown.Send(WM_MOUSEMOVE);
  EXPECT_EQ(1, button.m_bHot);
  upDown.Send(WM_MOUSELEAVE);
  EXPECT_EQ(0, button.m_bHot);

  // The classic faces.
  const CRect item(0, 0, 32, 32);
  latch.SetCheck(0);
  const std::vector<COLORREF> up = radio.Face(32, item);
  latch.SetCheck(1);
  const std::vector<COLORREF> down = radio.Face(32, item);
  // Raised: light top-left edge; pushed: dark.
  EXPECT_GT(Brightness(up[0]), Brightness(down[0]));
  EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), up[16 * 32 + 16]);
  EXPECT_EQ(up, upDown.Face(32, item));
  upDown.Send(WM_LBUTTONDOWN);
  EXPECT_EQ(down, upDown.Face(32, item));
  upDown.Send(WM_LBUTTONUP);

  // The icon sits at the corner of a 32 button and off the corner of smaller ones: 24 by 24,
  // 4 pixels left of and above the corner, plus the one down, seen through an origin moved by 10.
  latch.SetCheck(0);
  radio.Face(40, item);
  EXPECT_EQ(CRect(0, 1, 1, 2), radio.m_marker);
  radio.Face(40, CRect(0, 0, 24, 24), 10);
  EXPECT_EQ(CRect(6, 7, 7, 8), radio.m_marker);
  // The icon stays the host's.
  latch.DestroyWindow();
  ICONINFO info = {};
  EXPECT_TRUE(::GetIconInfo(radio.m_hIcon, &info));
  ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);
}

TEST(XPButton, WithVisualStylesACheckedButtonLooksPressedWhereverTheMouseIs)
{
  if (!VisualStylesActive())
    GTEST_SKIP() << "no visual styles on this system";
  CButtonFixture<CXPRadioButton> fixture(24);
  auto look = [&](int nCheck, int bHot) {
    fixture.m_button.SetCheck(nCheck);
    fixture.m_button.m_bHot = bHot;
    return fixture.Face(24, CRect(0, 0, 24, 24));
  };
  const std::vector<COLORREF> normal = look(0, 0), hot = look(0, 1), checked = look(1, 0);
  EXPECT_NE(normal, hot);
  EXPECT_NE(normal, checked);
  EXPECT_NE(hot, checked);
  EXPECT_EQ(checked, look(1, 1));
  // Not the classic face.
  CNoThemeDllScope noDll;
  EXPECT_NE(normal, look(0, 0));
}
