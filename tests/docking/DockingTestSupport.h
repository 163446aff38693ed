// Shared by the docking tests, here and at 192 DPI: a frame with docking on every side and a pane,
// a pin bar that records what is asked of it, pin bars in an auto-hide strip, bounded message
// pumps, clicks on frame buttons, and a 32-bit canvas whose pixels read back as drawn.
#pragma once
#include <ZuntCtrl.h>

#include "../PixelCanvas.h"
#include "../TextCodes.h"
#include "../TrackedMenu.h"

#include <DpiScale.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

// A frame 800 x 600 (at 96 DPI) with dock bars on all four sides and a pane (a static) in the middle.
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

// The host's pin bar: records what the strip and the frame ask of it.
class CTestPinBar : public CPinDockBar
{
public:
  using CPinDockBar::pinButton;
  using CSizingControlBar::drawNonClient;
  using CSizingControlBarG::closeButton;
  void EnterAutoHide(CAutoHideBar*) override {}
  void LeaveAutoHide(CAutoHideBar* pStrip, BOOL) override
  {
    m_nLeft++;
    pStrip->RemoveButton(this);
  }
  void AfterLeaveAutoHide(BOOL) override { m_nAfter++; }
  BOOL CanLeaveAutoHide() override { return TRUE; }
  int GetDockBarType() override { return m_nType; }
  BOOL TabSelChange(int nTab) override
  {
    m_tabs.push_back(nTab);
    return TRUE;
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
  {
    m_nLeaveAsked += message == WM_AUTOHIDE_LEAVE ? 1 : 0;
    m_nWheels += message == WM_MOUSEWHEEL ? 1 : 0;
    return CPinDockBar::WindowProc(message, wParam, lParam);
  }
  int m_nType = 0, m_nLeft = 0, m_nAfter = 0, m_nLeaveAsked = 0, m_nWheels = 0;
  std::vector<int> m_tabs;
};

// Pumps until the predicate holds or the time is up; the predicate's last answer.
bool PumpUntil(const std::function<bool()>& predicate, DWORD dwTimeout = 2000);
// Lets everything queued run, then the idle update the framework runs between messages.
void PumpAndIdle();

// A click on a button of the window's frame, at a point of its window rectangle: the hit test
// must name the button, the release presses it.
void ClickNcButton(CWnd* pWnd, CPoint ptInWindow, UINT nHitTest);

CRect WindowRect(CWnd* pWnd);
// The client rectangle relative to the window's top-left corner.
CRect ClientInWindow(CWnd* pWnd);
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
    const CRect rcFrame = CDpiScale::OfSystem().Scale(CRect(40, 40, 840, 640));
    ASSERT_TRUE(m_pFrame->Create(nullptr, "Docking", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rcFrame));
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

// A frame that records the pin requests.
class CPinFrame : public CDockTestFrame
{
public:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
  {
    if (message == WM_PINDOCKBAR_PUSHPIN)
      m_pinned.push_back(reinterpret_cast<CWnd*>(lParam));
    return CDockTestFrame::WindowProc(message, wParam, lParam);
  }
  std::vector<CWnd*> m_pinned;
};

// The strip, its font readable and its context menu described.
class CTestStrip : public CMenuOwner<CAutoHideBar>
{
public:
  using CAutoHideBar::fontHorz;
};

// Pin bars hidden in an auto-hide strip of a frame, the frames' show/hide timer stopped.
class CStripTest : public CFrameTest<CPinFrame, CTestPinBar>
{
protected:
  void SetUp() override
  {
    CFrameTest::SetUp();
    m_nTimer = CDrawFrame::st_nAutoShowHideTimer;
    CDrawFrame::st_nAutoShowHideTimer = 0;
    // Outside the frame the pointer keeps every slid-out bar open.
    ::SetCursorPos(1, 1);
  }
  void TearDown() override
  {
    CDrawFrame::st_nAutoShowHideTimer = m_nTimer;
    m_strip.reset();
    CFrameTest::TearDown();
  }
  CTestPinBar& AddPinBar(UINT nDockBarID, const char* pszName)
  {
    CTestPinBar& bar =
        NewBar(pszName, 3001 + static_cast<UINT>(m_bars.size()), WS_CHILD | WS_VISIBLE | CBRS_LEFT | CBRS_SIZE_DYNAMIC);
    m_pFrame->DockControlBar(&bar, nDockBarID);
    return bar;
  }
  // The strip on a side with one hidden bar per name.
  CTestStrip& MakeStrip(int nSide, std::initializer_list<const char*> names, CRect rcDocked = CRect(0, 0, 150, 150))
  {
    m_strip.reset(new CTestStrip);
    EXPECT_TRUE(m_strip->Create(nSide, m_pFrame));
    for (const char* pszName : names)
    {
      CTestPinBar& bar = AddPinBar(AFX_IDW_DOCKBAR_LEFT, pszName);
      m_strip->InsertButton(pszName, AHB_GROUPSELECT, &bar, bar.GetParent(), &rcDocked, &bar, -1,
                            m_strip->GetButtonCount());
    }
    m_pFrame->RecalcLayout();
    m_strip->SetRecalcLayout();
    return *m_strip;
  }
  // The mouse moved over, or pressed on, a button of the strip.
  void AtButton(UINT nMessage, int nIndex)
  {
    const CPoint pt = m_strip->GetButton(nIndex)->rect.CenterPoint();
    m_strip->SendMessage(nMessage, nMessage == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(pt.x, pt.y));
  }
  CDrawFrame& Frame(int nIndex) { return m_strip->GetButton(nIndex)->frame; }

  std::unique_ptr<CTestStrip> m_strip;
  int m_nTimer = 0;
};
