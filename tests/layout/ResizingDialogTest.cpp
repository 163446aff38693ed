// The resizing dialog and the panels: anchor rules checked by the controls' rectangles after
// real resizes, the minimum tracking size, the size grip, the size remembered in the profile,
// and the panels' document notifications.
#include "LayoutTestResources.h"
#include "LayoutTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// How each edge of a control moves when the client grows by dx = 40, dy = 30.
struct SAnchorCase
{
  WORD wFlags;
  CRect rcMove;  // left, top, right, bottom deltas
};

const SAnchorCase kAnchorCases[IDC_ANCHOR_COUNT] = {
  {ANCHOR_HALF_X | ANCHOR_SIZE_X_PART, CRect(0, 0, 20, 0)},
  {ANCHOR_HALF_X | ANCHOR_MOVE_X, CRect(20, 0, 40, 0)},
  {ANCHOR_SIZE_X, CRect(0, 0, 40, 0)},
  {ANCHOR_MOVE_X, CRect(40, 0, 40, 0)},
  {ANCHOR_MOVE_X_HALF, CRect(20, 0, 20, 0)},
  {ANCHOR_HALF_Y | ANCHOR_SIZE_Y_PART, CRect(0, 0, 0, 15)},
  {ANCHOR_HALF_Y | ANCHOR_MOVE_Y, CRect(0, 15, 0, 30)},
  {ANCHOR_SIZE_Y, CRect(0, 0, 0, 30)},
  {ANCHOR_MOVE_Y, CRect(0, 30, 0, 30)},
  {ANCHOR_MOVE_Y_HALF, CRect(0, 15, 0, 15)},
  // Stretches both ways; keeps its distance from the bottom-right corner.
  {ANCHOR_SIZE_X | ANCHOR_SIZE_Y, CRect(0, 0, 40, 30)},
  {ANCHOR_MOVE_X | ANCHOR_MOVE_Y, CRect(40, 30, 40, 30)},
  // The first rule of an axis wins; a half flag alone is no rule.
  {ANCHOR_SIZE_X | ANCHOR_MOVE_X | ANCHOR_MOVE_Y_HALF, CRect(0, 15, 40, 15)},
  {ANCHOR_HALF_X | ANCHOR_HALF_Y, CRect(0, 0, 0, 0)},
  // Exactly 1 is ignored, and so is a control without flags.
  {ANCHOR_SIZE_X_PART, CRect(0, 0, 0, 0)},
  {0, CRect(0, 0, 0, 0)},
};

CRect Moved(const CRect& rc, const CRect& rcMove)
{
  return CRect(rc.left + rcMove.left, rc.top + rcMove.top, rc.right + rcMove.right, rc.bottom + rcMove.bottom);
}

// Grows or shrinks the window's client area by dx, dy, as a user's drag of the border would.
void GrowClient(CWnd& wnd, int dx, int dy)
{
  CRect rc;
  wnd.GetWindowRect(&rc);
  wnd.SetWindowPos(nullptr, 0, 0, rc.Width() + dx, rc.Height() + dy, SWP_NOMOVE | SWP_NOZORDER);
}

CSize WindowSize(const CWnd& wnd)
{
  CRect rc;
  wnd.GetWindowRect(&rc);
  return rc.Size();
}

CSize ClientSize(const CWnd& wnd)
{
  CRect rc;
  wnd.GetClientRect(&rc);
  return rc.Size();
}

int ProfileInt(const char* pszSection, const char* pszEntry)
{
  return static_cast<int>(::GetPrivateProfileIntA(pszSection, pszEntry, -1, TestApp().m_strProfile));
}

void WriteProfileSize(const char* pszSection, int cx, int cy)
{
  TestApp().WriteProfileInt(pszSection, "CX", cx);
  TestApp().WriteProfileInt(pszSection, "CY", cy);
}

template <class TDialog>
void RegisterAnchorCases(TDialog& dlg)
{
  for (int i = 0; i < IDC_ANCHOR_COUNT; ++i)
    dlg.SetControlInfo(static_cast<WORD>(IDC_ANCHOR_FIRST + i), kAnchorCases[i].wFlags);
}

std::vector<CRect> AnchorRects(const CWnd& dlg)
{
  std::vector<CRect> rects;
  for (int i = 0; i < IDC_ANCHOR_COUNT; ++i)
    rects.push_back(RectInParent(*dlg.GetDlgItem(IDC_ANCHOR_FIRST + i)));
  return rects;
}

// Every case moved by the given share (1 for the full dx = 40, dy = 30) from where it started.
void ExpectAnchorCases(const CWnd& dlg, const std::vector<CRect>& before, bool bMoved)
{
  std::vector<CRect> after = AnchorRects(dlg);
  for (int i = 0; i < IDC_ANCHOR_COUNT; ++i)
  {
    SCOPED_TRACE(::testing::Message() << "flags 0x" << std::hex << kAnchorCases[i].wFlags);
    EXPECT_EQ(after[i], bMoved ? Moved(before[i], kAnchorCases[i].rcMove) : before[i]);
  }
}

class CTestResizingDialog : public CResizingDialog
{
public:
  using CResizingDialog::CResizingDialog;
  using CResizingDialog::m_rcGrip;
};

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
  void OnUpdateActiveAttribute(int n, int m) override { record("UpdateAttribute", n, m); }
  void OnUpdatePartitionView(int n) override { record("PartitionView", n); }
  void OnSelectPartitionLayer(int n, int m) override { record("PartitionLayer", n, m); }
  void OnEnableLayerControl(int n) override { record("LayerControl", n); }
  void OnReDispActiveDocument(int n) override { record("ReDisp", n); }
  void OnUpdateProtectDocument(int n, int m) override { record("Protect", n, m); }

private:
  void record(const char* pszName, int n, int m = -99)
  {
    m_calls.push_back(std::string(pszName) + " " + std::to_string(n) + (m != -99 ? " " + std::to_string(m) : ""));
  }
};

class CRecordingPanel : public CRecordingEvents<CXoExPanel>
{
public:
  CRecordingPanel() : CRecordingEvents<CXoExPanel>(IDD_PANEL_TEST) {}
};

// Events for documents 3 (made active, then closed), 4 and 5, and for partitions and layers.
template <class TPanel>
void ExpectDocumentFilter(CRecordingEvents<TPanel>& panel)
{
  EXPECT_EQ(panel.GetActiveDocument(), -1);
  panel.SetChangeActiveDocument(3);
  panel.SetChangeActiveDocument(3);
  panel.SetReDispActiveDocument(3);
  panel.SetReDispActiveDocument(4);
  panel.SetUpdateActiveAttribute(3, 7);
  panel.SetUpdateActiveAttribute(4, 7);
  panel.UpdateProtectDocument(3, 1);
  panel.UpdateProtectDocument(5, 1);
  panel.SetUpdatePartitionView(2);
  panel.SelectPartitionLayer(2, 9);
  panel.EnableLayerControl(0);
  panel.SetCloseActiveDocument(4);
  panel.SetCloseActiveDocument(3);
  EXPECT_EQ(panel.GetActiveDocument(), -1);
  panel.SetReDispActiveDocument(3);
  const std::vector<std::string> expected = {
    "ChangeActive 3",    "ReDisp 3",          "UpdateAttribute 3 7", "Protect 3 1",   "PartitionView 2",
    "PartitionLayer 2 9", "LayerControl 0",   "CloseNonActive 4",    "CloseActive 3",
  };
  EXPECT_EQ(panel.m_calls, expected);
  CWnd frame;
  panel.setMainFrame(&frame);
  EXPECT_EQ(panel.GetMainFrame(), &frame);
}

class ResizingDialogTest : public ::testing::Test
{
protected:
  void SetUp() override { TestApp().ResetProfile(); }
  void TearDown() override { TestApp().ResetProfile(); }
};
}

TEST_F(ResizingDialogTest, ControlsFollowTheirAnchorRules)
{
  CTestResizingDialog dlg(IDD_RESIZING_TEST);
  RegisterAnchorCases(dlg);
  ASSERT_TRUE(dlg.Create(IDD_RESIZING_TEST));
  std::vector<CRect> before = AnchorRects(dlg);
  GrowClient(dlg, 40, 30);
  ExpectAnchorCases(dlg, before, true);
  GrowClient(dlg, -40, -30);
  ExpectAnchorCases(dlg, before, false);

  // Halves are rounded toward zero, both ways: 7 moves a centred control by 3, -7 by -3.
  CWnd* pCentred = dlg.GetDlgItem(IDC_ANCHOR_FIRST + 4);
  const CRect rcCentred = RectInParent(*pCentred);
  GrowClient(dlg, 7, 0);
  EXPECT_EQ(RectInParent(*pCentred).left, rcCentred.left + 3);
  GrowClient(dlg, -7, 0);
  EXPECT_EQ(RectInParent(*pCentred).left, rcCentred.left);
  dlg.DestroyWindow();
}

TEST_F(ResizingDialogTest, TheCreationSizeIsTheMinimum)
{
  CResizingDialog dlg(IDD_RESIZING_TEST);
  ASSERT_TRUE(dlg.Create(IDD_RESIZING_TEST));
  const CSize created = WindowSize(dlg);
  MINMAXINFO info = {};
  dlg.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(CSize(info.ptMinTrackSize), created);
  // The system keeps a sizable window at its minimum tracking size.
  GrowClient(dlg, -60, -50);
  EXPECT_EQ(WindowSize(dlg), created);
  GrowClient(dlg, 60, 50);
  EXPECT_EQ(WindowSize(dlg), created + CSize(60, 50));
  dlg.DestroyWindow();
}

TEST_F(ResizingDialogTest, TheGripSizesTheWindowFromTheCorner)
{
  CTestResizingDialog dlg(IDD_RESIZING_TEST);
  ASSERT_TRUE(dlg.Create(IDD_RESIZING_TEST));
  dlg.ShowWindow(SW_SHOW);
  dlg.UpdateWindow();
  const int cxGrip = ::GetSystemMetrics(SM_CXHSCROLL);
  const int cyGrip = ::GetSystemMetrics(SM_CYVSCROLL);
  const CSize client = ClientSize(dlg);
  EXPECT_EQ(CRect(dlg.m_rcGrip), CRect(client.cx - cxGrip, client.cy - cyGrip, client.cx, client.cy));

  CRect rcWindow;
  dlg.GetWindowRect(&rcWindow);
  CPoint ptInGrip(rcWindow.right - 3, rcWindow.bottom - 3);
  CRect rcClient;
  dlg.GetClientRect(&rcClient);
  dlg.ClientToScreen(&rcClient);
  CPoint ptGripCorner(rcClient.right - 2, rcClient.bottom - 2);
  EXPECT_EQ(dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptGripCorner.x, ptGripCorner.y)), HTBOTTOMRIGHT);
  EXPECT_EQ(dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rcClient.left + 5, rcClient.top + 5)), HTCLIENT);
  EXPECT_TRUE(dlg.NcHitTestResize(ptInGrip));
  EXPECT_FALSE(dlg.NcHitTestResize(CPoint(rcWindow.right - cxGrip - 1, rcWindow.bottom - 3)));

  // Growing draws the grip again at the new corner.
  GrowClient(dlg, 30, 20);
  dlg.UpdateWindow();
  EXPECT_EQ(CRect(dlg.m_rcGrip).BottomRight(), CPoint(client.cx + 30, client.cy + 20));
  dlg.DestroyWindow();
}

TEST_F(ResizingDialogTest, TheSizeIsRememberedInTheProfile)
{
  {
    CResizingDialog dlg(IDD_RESIZING_TEST);
    dlg.SetRememberSize(1);
    ASSERT_TRUE(dlg.Create(IDD_RESIZING_TEST));
    dlg.DestroyWindow();
  }
  EXPECT_EQ(ProfileInt("2710", "CX"), -1) << "never resized, nothing is written";

  CSize resized;
  {
    CResizingDialog dlg(IDD_RESIZING_TEST);
    dlg.SetRememberSize(1);
    ASSERT_TRUE(dlg.Create(IDD_RESIZING_TEST));
    GrowClient(dlg, 50, 40);
    resized = WindowSize(dlg);
    dlg.DestroyWindow();
  }
  EXPECT_EQ(ProfileInt("2710", "CX"), resized.cx);
  EXPECT_EQ(ProfileInt("2710", "CY"), resized.cy);

  // The next dialog opens at that size with its controls laid out for it.
  CResizingDialog dlg(IDD_RESIZING_TEST);
  RegisterAnchorCases(dlg);
  dlg.SetRememberSize(1);
  ASSERT_TRUE(dlg.Create(IDD_RESIZING_TEST));
  EXPECT_EQ(WindowSize(dlg), resized);
  CRect rcStretched = RectInParent(*dlg.GetDlgItem(IDC_ANCHOR_FIRST + 10));
  CResizingDialog plain(IDD_RESIZING_TEST);
  ASSERT_TRUE(plain.Create(IDD_RESIZING_TEST));
  CRect rcPlain = RectInParent(*plain.GetDlgItem(IDC_ANCHOR_FIRST + 10));
  EXPECT_EQ(rcStretched.Size(), rcPlain.Size() + CSize(50, 40));
  plain.DestroyWindow();
  dlg.DestroyWindow();
}

TEST_F(ResizingDialogTest, ARememberedSizeNeedsBothValues)
{
  CSize created;
  {
    CResizingDialog dlg(IDD_RESIZING_TEST);
    ASSERT_TRUE(dlg.Create(IDD_RESIZING_TEST));
    created = WindowSize(dlg);
    dlg.DestroyWindow();
  }
  WriteProfileSize("2710", 900, 0);
  CResizingDialog dlg(IDD_RESIZING_TEST);
  dlg.SetRememberSize(1);
  ASSERT_TRUE(dlg.Create(IDD_RESIZING_TEST));
  EXPECT_EQ(WindowSize(dlg), created);
  dlg.DestroyWindow();

  // Without the remember flag the profile is neither read nor written.
  WriteProfileSize("2710", 900, 700);
  CResizingDialog forgetful(IDD_RESIZING_TEST);
  ASSERT_TRUE(forgetful.Create(IDD_RESIZING_TEST));
  EXPECT_EQ(WindowSize(forgetful), created);
  GrowClient(forgetful, 10, 10);
  forgetful.DestroyWindow();
  EXPECT_EQ(ProfileInt("2710", "CX"), 900);
}

TEST_F(ResizingDialogTest, TheProfileSectionIsNamedAfterTheTemplate)
{
  CString strEntry;
  CResizingDialog byNumber(IDD_RESIZING_TEST);
  byNumber.GetDialogProfileEntry(strEntry);
  EXPECT_STREQ(strEntry, "2710");
  CResizingDialog byName("RESIZINGNAMED");
  byName.GetDialogProfileEntry(strEntry);
  EXPECT_STREQ(strEntry, "RESIZINGNAMED");
  CXoExPanel panel(0xABCDu);
  panel.GetDialogProfileEntry(strEntry);
  EXPECT_STREQ(strEntry, "abcd");

  WriteProfileSize("RESIZINGNAMED", 640, 420);
  byName.SetRememberSize(1);
  ASSERT_TRUE(byName.Create("RESIZINGNAMED"));
  EXPECT_EQ(WindowSize(byName), CSize(640, 420));
  byName.DestroyWindow();
}

TEST_F(ResizingDialogTest, APanelLaysOutAndRemembersLikeTheDialog)
{
  CHostWnd host;
  CRecordingPanel panel;
  RegisterAnchorCases(panel);
  panel.SetRememberSize(1);
  ASSERT_TRUE(panel.Create(IDD_PANEL_TEST, &host));
  std::vector<CRect> before = AnchorRects(panel);
  GrowClient(panel, 40, 30);
  ExpectAnchorCases(panel, before, true);
  const CSize resized = WindowSize(panel);
  panel.DestroyWindow();
  EXPECT_EQ(ProfileInt("2711", "CX"), resized.cx);
  EXPECT_EQ(ProfileInt("2711", "CY"), resized.cy);
}

TEST_F(ResizingDialogTest, APanelSwallowsTheWheel)
{
  CHostWnd host;
  CRecordingPanel panel;
  ASSERT_TRUE(panel.Create(IDD_PANEL_TEST, &host));
  panel.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(100, 100));
  EXPECT_EQ(host.m_nWheelMessages, 0);
  // Without the panel's handler the wheel would have reached the frame.
  ::DefWindowProc(panel.m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(100, 100));
  EXPECT_EQ(host.m_nWheelMessages, 1);
  panel.DestroyWindow();
}

TEST(PanelNotifications, DocumentEventsReachOnlyTheActiveDocument)
{
  CRecordingPanel panel;
  ExpectDocumentFilter(panel);
  EXPECT_FALSE(panel.IsActivePanel());
  panel.SetActivePanel(true);
  EXPECT_TRUE(panel.IsActivePanel());

  CRecordingEvents<CXoExPanelWnd> window;
  ExpectDocumentFilter(window);
}
