// The resizing dialog and the panels: anchor rules checked by the controls' rectangles after
// real resizes, the minimum tracking size, the size grip, the size remembered in the profile,
// and the panels' document notifications.
#include "LayoutTestResources.h"
#include "LayoutTestSupport.h"
#include "../PixelCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// How each edge of a control moves (left, top, right, bottom) when the client grows by 40, 30.
const struct
{
  WORD wFlags;
  CRect rcMove;
} kAnchorCases[IDC_ANCHOR_COUNT] = {
    {ANCHOR_HALF_X | ANCHOR_SIZE_X_PART | ANCHOR_HALF_Y | ANCHOR_SIZE_Y_PART, CRect(0, 0, 20, 15)},
    {ANCHOR_HALF_X | ANCHOR_MOVE_X | ANCHOR_HALF_Y | ANCHOR_MOVE_Y, CRect(20, 15, 40, 30)},
    {ANCHOR_SIZE_X | ANCHOR_SIZE_Y, CRect(0, 0, 40, 30)},
    {ANCHOR_MOVE_X | ANCHOR_MOVE_Y, CRect(40, 30, 40, 30)},
    {ANCHOR_MOVE_X_HALF | ANCHOR_MOVE_Y_HALF, CRect(20, 15, 20, 15)},
    // The first rule of an axis wins; a half flag alone is no rule.
    {ANCHOR_SIZE_X | ANCHOR_MOVE_X | ANCHOR_MOVE_Y_HALF, CRect(0, 15, 40, 15)},
    {ANCHOR_HALF_X | ANCHOR_HALF_Y, CRect(0, 0, 0, 0)},
};

CSize WindowSize(const CWnd& wnd)
{
  CRect rc;
  wnd.GetWindowRect(&rc);
  return rc.Size();
}

// Grows or shrinks the window by dx, dy, as a user's drag of the border would.
void Grow(CWnd& wnd, int dx, int dy)
{
  const CSize size = WindowSize(wnd) + CSize(dx, dy);
  wnd.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
}

int ProfileInt(const char* pszSection, const char* pszEntry)
{
  return static_cast<int>(::GetPrivateProfileIntA(pszSection, pszEntry, -1, TestApp().m_strProfile));
}

// Opens the dialog (remembering its size or not), grows it by cx, cy and closes it; the size it
// opened at.
CSize OpenedSize(UINT nIDTemplate, int cx = 0, int cy = 0, bool bRemember = true)
{
  CResizingDialog dlg(nIDTemplate);
  dlg.SetRememberSize(bRemember ? 1 : 0);
  if (!dlg.Create(nIDTemplate))
    return CSize(-1, -1);
  const CSize opened = WindowSize(dlg);
  if (cx != 0 || cy != 0)
    Grow(dlg, cx, cy);
  dlg.DestroyWindow();
  return opened;
}

void WriteProfileSize(const char* pszSection, int cx, int cy)
{
  TestApp().WriteProfileInt(pszSection, "CX", cx);
  TestApp().WriteProfileInt(pszSection, "CY", cy);
}

// The resizing dialog and the panel share the anchor interface.
template <class DIALOG>
std::vector<CRect> AnchorRects(DIALOG& dlg, bool bRegister = false)
{
  std::vector<CRect> rects;
  for (int i = 0; i < IDC_ANCHOR_COUNT; ++i)
  {
    if (bRegister)
      dlg.SetControlInfo(static_cast<WORD>(IDC_ANCHOR_FIRST + i), kAnchorCases[i].wFlags);
    else
      rects.push_back(RectInParent(*dlg.GetDlgItem(IDC_ANCHOR_FIRST + i)));
  }
  return rects;
}

// Grows the window by 40, 30 and checks every case, then shrinks it back to where it was.
template <class DIALOG>
void ExpectAnchorCases(DIALOG& dlg)
{
  const std::vector<CRect> before = AnchorRects(dlg);
  Grow(dlg, 40, 30);
  const std::vector<CRect> after = AnchorRects(dlg);
  for (int i = 0; i < IDC_ANCHOR_COUNT; ++i)
  {
    const CRect& d = kAnchorCases[i].rcMove;
    EXPECT_EQ(after[i], CRect(before[i].left + d.left, before[i].top + d.top, before[i].right + d.right,
                              before[i].bottom + d.bottom))
        << "flags 0x" << std::hex << kAnchorCases[i].wFlags;
  }
  Grow(dlg, -40, -30);
  EXPECT_EQ(AnchorRects(dlg), before);
}

// A panel of either kind that records the handlers the entry points reach.
template <class TPanel>
class CRecordingEvents : public TPanel
{
public:
  using TPanel::TPanel;
  std::vector<std::string> m_calls;

  void OnCloseActiveDocument(int n) override { record("CloseActive", n); }
  void OnCloseNonActiveDocument(int n) override { record("CloseNonActive", n); }
  void OnChangeActiveDocument(int n) override { record("ChangeActive", n); }
  void OnUpdateActiveAttribute(int n, int m) override { record("Attribute", n * 10 + m); }
  void OnUpdatePartitionView(int n) override { record("PartitionView", n); }
  void OnReDispActiveDocument(int n) override { record("ReDisp", n); }
  void OnUpdateProtectDocument(int n, int m) override { record("Protect", n * 10 + m); }

private:
  void record(const char* pszName, int n) { m_calls.push_back(std::string(pszName) + " " + std::to_string(n)); }
};

class ResizingDialogTest : public ::testing::Test
{
protected:
  void SetUp() override { TestApp().ResetProfile(); }
};
}

TEST_F(ResizingDialogTest, ControlsFollowTheirAnchorRulesAboveTheCreationSizeAndTheGripSizesFromTheCorner)
{
  CResizingDialog dlg(IDD_RESIZING_TEST);
  AnchorRects(dlg, true);
  ASSERT_TRUE(dlg.Create(IDD_RESIZING_TEST));
  const CSize created = WindowSize(dlg);
  ExpectAnchorCases(dlg);

  // Halves are rounded toward zero, both ways: 7 moves a centred control by 3, -7 back by 3.
  CWnd* pCentred = dlg.GetDlgItem(IDC_ANCHOR_FIRST + 4);
  const CRect rcCentred = RectInParent(*pCentred);
  Grow(dlg, 7, 0);
  EXPECT_EQ(RectInParent(*pCentred).left, rcCentred.left + 3);
  Grow(dlg, -7, 0);
  EXPECT_EQ(RectInParent(*pCentred).left, rcCentred.left);

  // The creation size is the minimum.
  Grow(dlg, -60, -50);
  EXPECT_EQ(WindowSize(dlg), created);

  dlg.ShowWindow(SW_SHOW);
  CRect rcClient;
  dlg.GetClientRect(&rcClient);
  dlg.ClientToScreen(&rcClient);
  EXPECT_EQ(dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rcClient.right - 2, rcClient.bottom - 2)), HTBOTTOMRIGHT);
  // The grip, a scroll bar's width square, is drawn in the corner; growing erases it there and
  // draws it at the new corner.
  const CSize grip(::GetSystemMetrics(SM_CXHSCROLL), ::GetSystemMetrics(SM_CYVSCROLL));
  const COLORREF crShadow = ::GetSysColor(COLOR_3DSHADOW);
  for (int nGrow : {0, 30})
  {
    Grow(dlg, nGrow, nGrow);
    dlg.UpdateWindow();
    dlg.GetClientRect(&rcClient);
    const CRect rcGrip(rcClient.BottomRight() - grip, rcClient.BottomRight());
    CPixelCanvas shown(dlg);
    EXPECT_GT(shown.CountColour(rcGrip, crShadow), 0) << nGrow;
    EXPECT_EQ(0, shown.CountColour(rcGrip - CPoint(30, 30), crShadow)) << nGrow;
  }
  dlg.DestroyWindow();
}

TEST_F(ResizingDialogTest, TheSizeIsRememberedUnderTheTemplatesSection)
{
  const CSize created = OpenedSize(IDD_RESIZING_TEST);
  EXPECT_EQ(ProfileInt("2710", "CX"), -1) << "written only after a resize";
  OpenedSize(IDD_RESIZING_TEST, 50, 40);
  EXPECT_EQ(OpenedSize(IDD_RESIZING_TEST), created + CSize(50, 40)) << "the next dialog opens at that size";

  // A size needs both values, and one no screen can show is ignored; the whole of the screens is
  // still a size to open at.
  const int cxScreens = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int cyScreens = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
  const CSize stored[] = {{900, 0},      {-1, -1},          {-1, 400},           {500, -1},
                          {100000, 400}, {500, 2147483647}, {cxScreens + 1, 400}};
  for (const CSize& size : stored)
  {
    WriteProfileSize("2710", size.cx, size.cy);
    EXPECT_EQ(OpenedSize(IDD_RESIZING_TEST), created) << size.cx << " x " << size.cy;
  }
  WriteProfileSize("2710", cxScreens, cyScreens);
  EXPECT_EQ(OpenedSize(IDD_RESIZING_TEST), CSize(cxScreens, cyScreens));

  // Without the flag the profile is neither read nor written.
  WriteProfileSize("2710", 900, 700);
  EXPECT_EQ(OpenedSize(IDD_RESIZING_TEST, 10, 10, false), created);
  EXPECT_EQ(ProfileInt("2710", "CX"), 900);

  // A named template names the section; a number, also one passed as a resource name, is
  // written in lower-case hexadecimal.
  CString strEntry, strNumberAsName;
  CXoExPanel(0xABCDu).GetDialogProfileEntry(strEntry);
  CResizingDialog(MAKEINTRESOURCE(0xABCD)).GetDialogProfileEntry(strNumberAsName);
  EXPECT_STREQ(strEntry, "abcd");
  EXPECT_STREQ(strNumberAsName, "abcd");
  WriteProfileSize("RESIZINGNAMED", 640, 420);
  CResizingDialog byName("RESIZINGNAMED");
  byName.SetRememberSize(1);
  ASSERT_TRUE(byName.Create("RESIZINGNAMED"));
  EXPECT_EQ(WindowSize(byName), CSize(640, 420));
  byName.DestroyWindow();
}

TEST_F(ResizingDialogTest, APanelLaysOutRemembersAndSwallowsTheWheel)
{
  CHostWnd host;
  CRecordingEvents<CXoExPanel> panel(IDD_PANEL_TEST);
  AnchorRects(panel, true);
  panel.SetRememberSize(1);
  ASSERT_TRUE(panel.Create(IDD_PANEL_TEST, &host));
  ExpectAnchorCases(panel);
  Grow(panel, 40, 30);
  const CSize resized = WindowSize(panel);

  panel.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(100, 100));
  EXPECT_EQ(host.m_nWheelMessages, 0);
  panel.DestroyWindow();
  EXPECT_EQ(ProfileInt("2711", "CX"), resized.cx);
}

// The filter lives in the events base that both panel kinds share: events for documents 3 (made
// active, then closed), 4 and 5, and a partition.
TEST(PanelNotifications, DocumentEventsReachOnlyTheActiveDocument)
{
  CRecordingEvents<CXoExPanelWnd> panel;
  EXPECT_EQ(panel.GetActiveDocument(), -1);
  panel.SetChangeActiveDocument(3);
  panel.SetChangeActiveDocument(3);
  panel.SetReDispActiveDocument(4);
  panel.SetUpdateActiveAttribute(3, 7);
  panel.UpdateProtectDocument(5, 1);
  panel.SetUpdatePartitionView(2);
  panel.SetCloseActiveDocument(4);
  panel.SetCloseActiveDocument(3);
  EXPECT_EQ(panel.GetActiveDocument(), -1);
  panel.SetReDispActiveDocument(3);
  const std::vector<std::string> expected = {"ChangeActive 3", "Attribute 37", "PartitionView 2", "CloseNonActive 4",
                                             "CloseActive 3"};
  EXPECT_EQ(panel.m_calls, expected);
}
