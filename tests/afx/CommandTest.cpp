// Command routing (window, then application), command UI updates, ranges, messages by number
// and registered messages, and PreTranslateMessage from the target up to its top-level window.
// Toolbar resources are read and drawn by the bitmap menus' tests.
#include "AfxTestResources.h"
#include "AfxTestSupport.h"
#include "../PixelCanvas.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace
{
const UINT ID_FRAME_COMMAND = 32800;
const UINT ID_DISABLED_COMMAND = 32801;
const UINT ID_RANGE_FIRST = 32810;
const UINT ID_RANGE_LAST = 32819;
const UINT ID_UNHANDLED = 32850;
const UINT WM_TEST_PRIVATE = WM_APP + 17;
UINT g_nRegisteredMessage = ::RegisterWindowMessageA("ZuntAfxTest.Registered");

class CCommandFrame : public CFrameWnd
{
public:
  std::vector<UINT> m_commands;

protected:
  void OnFrameCommand() { m_commands.push_back(ID_FRAME_COMMAND); }
  void OnDisabledCommand() { m_commands.push_back(ID_DISABLED_COMMAND); }
  void OnUpdateDisabledCommand(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
  void OnUpdateFrameCommand(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
  void OnRange(UINT nID) { m_commands.push_back(nID); }
  LRESULT OnPrivate(WPARAM wParam, LPARAM lParam) { return LRESULT(wParam) + lParam; }
  LRESULT OnRegistered(WPARAM wParam, LPARAM) { return LRESULT(wParam) + 100; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCommandFrame, CFrameWnd)
  ON_COMMAND(ID_FRAME_COMMAND, &CCommandFrame::OnFrameCommand)
  ON_UPDATE_COMMAND_UI(ID_FRAME_COMMAND, &CCommandFrame::OnUpdateFrameCommand)
  ON_COMMAND(ID_DISABLED_COMMAND, &CCommandFrame::OnDisabledCommand)
  ON_UPDATE_COMMAND_UI(ID_DISABLED_COMMAND, &CCommandFrame::OnUpdateDisabledCommand)
  ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, &CCommandFrame::OnRange)
  ON_MESSAGE(WM_TEST_PRIVATE, &CCommandFrame::OnPrivate)
  ON_REGISTERED_MESSAGE(g_nRegisteredMessage, &CCommandFrame::OnRegistered)
END_MESSAGE_MAP()

// A frame deletes itself with its window; the test keeps a pointer until then.
class CommandTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    m_pFrame = new CCommandFrame;
    ASSERT_TRUE(m_pFrame->Create(nullptr, "commands", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200)));
  }
  void TearDown() override
  {
    if (m_pFrame != nullptr)
      m_pFrame->DestroyWindow();
  }
  void SendMenuCommand(UINT nID) { m_pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0); }

  CCommandFrame* m_pFrame = nullptr;
};
}

// A command disabled by its update handler is dropped; a range handler gets the command's id.
TEST_F(CommandTest, CommandsGoToTheFrameThenToTheApplicationUnlessDisabled)
{
  int nAppCommands = TestApp().m_nAppCommands;
  for (UINT nID : {ID_DISABLED_COMMAND, ID_FRAME_COMMAND, ID_TEST_APP_COMMAND, ID_UNHANDLED, ID_RANGE_FIRST,
                   ID_RANGE_FIRST + 4, ID_RANGE_LAST, ID_RANGE_LAST + 1})
    SendMenuCommand(nID);
  EXPECT_EQ(m_pFrame->m_commands,
            (std::vector<UINT>{ID_FRAME_COMMAND, ID_RANGE_FIRST, ID_RANGE_FIRST + 4, ID_RANGE_LAST}));
  EXPECT_EQ(TestApp().m_nAppCommands, nAppCommands + 1);

  // Messages by number and registered ones reach their handlers with their arguments.
  EXPECT_EQ(m_pFrame->SendMessage(WM_TEST_PRIVATE, 3, 4), 7);
  EXPECT_EQ(m_pFrame->SendMessage(g_nRegisteredMessage, 5, 0), 105);
  // Another registered message is not taken for this one.
  EXPECT_EQ(m_pFrame->SendMessage(::RegisterWindowMessageA("ZuntAfxTest.Other"), 6, 0), 0);
}

// How the bars and the pane share the frame is the docking bars' tests.
TEST_F(CommandTest, MenuItemsBeforeTheyOpenAndToolBarButtonsAtIdleTimeAreUpdatedFromTheirHandlers)
{
  CMenu popup;
  ASSERT_TRUE(popup.CreatePopupMenu());
  popup.AppendMenu(MF_STRING, ID_FRAME_COMMAND, "frame");
  popup.AppendMenu(MF_STRING, ID_DISABLED_COMMAND, "disabled");
  popup.AppendMenu(MF_SEPARATOR);
  popup.AppendMenu(MF_STRING, ID_TEST_APP_COMMAND, "app");
  popup.AppendMenu(MF_STRING, ID_UNHANDLED, "unhandled");
  m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.m_hMenu), 0);
  EXPECT_EQ(popup.GetMenuState(ID_FRAME_COMMAND, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED), UINT(MF_CHECKED));
  EXPECT_EQ(popup.GetMenuState(ID_DISABLED_COMMAND, MF_BYCOMMAND) & MF_GRAYED, UINT(MF_GRAYED));
  EXPECT_EQ(popup.GetMenuState(ID_TEST_APP_COMMAND, MF_BYCOMMAND) & MF_GRAYED, 0u);
  // Nobody handles it: disabled, since the frame enables only what has a handler.
  EXPECT_EQ(popup.GetMenuState(ID_UNHANDLED, MF_BYCOMMAND) & MF_GRAYED, UINT(MF_GRAYED));

  // The idle pass updates a tool bar's buttons from the frame's handlers.
  CToolBar* pBar = new CToolBar;
  pBar->m_bAutoDelete = TRUE;
  ASSERT_TRUE(pBar->Create(m_pFrame));
  UINT ids[] = {ID_FRAME_COMMAND, 0, ID_DISABLED_COMMAND};
  ASSERT_TRUE(pBar->SetButtons(ids, 3));
  CWnd* pMainWnd = TestApp().m_pMainWnd;
  TestApp().m_pMainWnd = m_pFrame;
  TestApp().OnIdle(0);
  TestApp().m_pMainWnd = pMainWnd;
  EXPECT_FALSE(pBar->SendMessage(TB_ISBUTTONENABLED, ID_DISABLED_COMMAND));
  EXPECT_TRUE(pBar->SendMessage(TB_ISBUTTONENABLED, ID_FRAME_COMMAND));
  EXPECT_TRUE(pBar->SendMessage(TB_ISBUTTONCHECKED, ID_FRAME_COMMAND));
}

namespace
{
// A control bar with nothing of its own: what the base class does and nothing more.
class CPlainBar : public CControlBar
{
public:
  explicit CPlainBar(DWORD dwStyle = CBRS_TOP) { m_dwStyle = dwStyle; }
  BOOL Create(CWnd* pParent)
  {
    return CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), pParent, 0xE850);
  }
  void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};
}

// A bar object deleted while its frame lives takes itself out of the frame's list and its dock
// bar: the idle update and the layout walk only live bars.
TEST_F(CommandTest, ADeletedBarLeavesItsFrameAndDockBar)
{
  m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
  auto* pBar = new CPlainBar;
  ASSERT_TRUE(pBar->Create(m_pFrame));
  pBar->EnableDocking(CBRS_ALIGN_ANY);
  m_pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
  CDockBar* pDockBar = pBar->m_pDockBar;
  ASSERT_NE(pDockBar, nullptr);
  ASSERT_NE(m_pFrame->m_listControlBars.Find(pBar), nullptr);
  ASSERT_GE(pDockBar->FindBar(pBar), 0);
  delete pBar;
  EXPECT_EQ(m_pFrame->m_listControlBars.Find(pBar), nullptr);
  EXPECT_EQ(pDockBar->FindBar(pBar), -1);
  m_pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  m_pFrame->RecalcLayout();

  // One that deletes itself with its window goes once.
  auto* pAutoBar = new CPlainBar;
  ASSERT_TRUE(pAutoBar->Create(m_pFrame));
  pAutoBar->m_bAutoDelete = TRUE;
  delete pAutoBar;
  EXPECT_EQ(m_pFrame->m_listControlBars.Find(pAutoBar), nullptr);
}

// Borders on the sides the style names, two pixels each: etched in 3-D, a frame line otherwise;
// the rectangle comes back as what lies inside them.
TEST(ControlBarTest, DrawBordersDrawsTheStylesSidesAndShrinksTheRectangle)
{
  // Inks by letter: untouched, shadow, highlight, window frame.
  const std::map<char, COLORREF> inks = {{'.', RGB(1, 2, 3)},
                                         {'s', ::GetSysColor(COLOR_BTNSHADOW)},
                                         {'h', ::GetSysColor(COLOR_BTNHIGHLIGHT)},
                                         {'f', ::GetSysColor(COLOR_WINDOWFRAME)}};
  // Sides left, top, right, bottom: the outermost pixel, then the one inside it.
  const CPoint outer[] = {{0, 15}, {20, 0}, {39, 15}, {20, 29}}, inner[] = {{1, 15}, {20, 1}, {38, 15}, {20, 28}};
  const struct
  {
    DWORD dwStyle;
    CRect rcInside;
    const char* pszOuter;
    const char* pszInner;
  } cases[] = {
      {CBRS_BORDER_ANY | CBRS_BORDER_3D, CRect(2, 2, 38, 28), "sshh", "hhss"},
      {CBRS_BORDER_LEFT | CBRS_BORDER_TOP | CBRS_BORDER_3D, CRect(2, 2, 40, 30), "ss..", "hh.."},
      {CBRS_BORDER_BOTTOM, CRect(0, 0, 40, 28), "...f", "...."},
  };
  for (const auto& c : cases)
  {
    SCOPED_TRACE(testing::Message() << std::hex << c.dwStyle);
    CPixelCanvas canvas(40, 30, inks.at('.'));
    CPlainBar bar(c.dwStyle);
    CRect rect(0, 0, 40, 30);
    bar.DrawBorders(&canvas.DC(), rect);
    EXPECT_EQ(rect, c.rcInside);
    for (int nSide = 0; nSide < 4; ++nSide)
    {
      EXPECT_EQ(canvas.Pixel(outer[nSide].x, outer[nSide].y), inks.at(c.pszOuter[nSide])) << nSide;
      EXPECT_EQ(canvas.Pixel(inner[nSide].x, inner[nSide].y), inks.at(c.pszInner[nSide])) << nSide;
    }
    EXPECT_EQ(canvas.Pixel(20, 15), inks.at('.'));
  }
}

namespace
{
std::vector<std::string> g_pretranslated;

template <class TBase>
class CPreTranslating : public TBase
{
public:
  explicit CPreTranslating(const char* pszName, BOOL bConsume = FALSE) : m_pszName(pszName), m_bConsume(bConsume) {}
  BOOL PreTranslateMessage(MSG* pMsg) override
  {
    if (pMsg->message == WM_KEYDOWN)
      g_pretranslated.push_back(m_pszName);
    return m_bConsume && pMsg->message == WM_KEYDOWN;
  }
  const char* m_pszName;
  BOOL m_bConsume;
};
}

TEST(PreTranslateTest, KeysAreOfferedFromTheTargetUpToItsTopLevelWindow)
{
  CPreTranslating<CTestParent> top("top");
  CPreTranslating<CWnd> panel("panel");
  ASSERT_TRUE(panel.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &top, 300));
  CPreTranslating<CRecording<CEdit>> edit("edit");
  ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(5, 5, 100, 25), &panel, 301));

  g_pretranslated.clear();
  edit.PostMessage(WM_KEYDOWN, 'A', 1);
  PumpMessages(50);
  EXPECT_EQ(g_pretranslated, (std::vector<std::string>{"edit", "panel", "top"}));
  EXPECT_EQ(edit.Received(WM_KEYDOWN), 1);

  // A window that consumes the key ends the walk, and the key is never dispatched.
  g_pretranslated.clear();
  panel.m_bConsume = TRUE;
  edit.PostMessage(WM_KEYDOWN, 'B', 1);
  PumpMessages(50);
  EXPECT_EQ(g_pretranslated, (std::vector<std::string>{"edit", "panel"}));
  EXPECT_EQ(edit.Received(WM_KEYDOWN), 1);
}
