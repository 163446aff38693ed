// Shared by the docking tests: the application object (its profile an INI file of the test's
// own), a frame with docking on every side and a pane, bounded message pumps, mouse messages
// the way the system sends them, and a 32-bit canvas whose pixels read back as drawn.
#pragma once
#include <ZuntCtrl.h>

#include "../PixelCanvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

// The INI file the application object's profile lives in.
const char* TestProfilePath();

// A frame 800 x 600 with dock bars on all four sides and a pane (a static) in the middle.
class CDockTestFrame : public CFrameWnd
{
  DECLARE_DYNAMIC(CDockTestFrame)
  DECLARE_MESSAGE_MAP()
public:
  CWnd m_wndPane;
  CRect PaneRect();

protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
};

// Pumps until the predicate holds or the time is up; the predicate's last answer.
bool PumpUntil(const std::function<bool()>& predicate, DWORD dwTimeout = 2000);
// Lets everything queued run, then the idle update the framework runs between messages.
void PumpAndIdle();

// Mouse messages: screen points, turned into what the window receives.
void SendNcButtonDown(CWnd* pWnd, UINT nHitTest, CPoint ptScreen);
void SendMouseMove(CWnd* pWnd, CPoint ptScreen, WPARAM wKeys = MK_LBUTTON);
void SendButtonUp(CWnd* pWnd, CPoint ptScreen);
void PostMouse(CWnd* pWnd, UINT nMessage, CPoint ptScreen, WPARAM wKeys = 0);
// A click on a button of the window's frame, at a point of its window rectangle: the hit test
// must name the button, the release presses it.
void ClickNcButton(CWnd* pWnd, CPoint ptInWindow, UINT nHitTest);

CRect WindowRect(CWnd* pWnd);
// A rectangle relative to another window's client area.
CRect RectIn(CWnd* pWnd, CWnd* pOther);

// A test in a frame of class TFrame, the main window while it lives, with bars of class TBar
// that go with the test.
template <class TFrame, class TBar>
class CFrameTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    m_pFrame = new TFrame;
    ASSERT_TRUE(m_pFrame->Create(nullptr, "Docking", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 840, 640)));
    // Idle time reaches the main window.
    AfxGetApp()->m_pMainWnd = m_pFrame;
  }
  void TearDown() override
  {
    AfxGetApp()->m_pMainWnd = nullptr;
    if (::IsWindow(m_pFrame->m_hWnd))
      m_pFrame->DestroyWindow();
    m_bars.clear();
  }
  // A new bar that may dock on every side, not docked yet.
  TBar& NewBar(const char* pszName, UINT nID, DWORD dwStyle)
  {
    m_bars.emplace_back(new TBar);
    TBar& bar = *m_bars.back();
    EXPECT_TRUE(bar.Create(pszName, m_pFrame, nID, dwStyle));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    return bar;
  }

  TFrame* m_pFrame = nullptr;
  std::vector<std::unique_ptr<TBar>> m_bars;
};
