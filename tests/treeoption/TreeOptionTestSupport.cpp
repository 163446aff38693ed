#include "TreeOptionTestSupport.h"

#include <DpiScale.h>
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

namespace
{
LPARAM pointParam(CPoint point) { return MAKELPARAM(point.x, point.y); }
}

// The memory is never freed: the process ending takes it back.
void BuryPoisoned(void* pObject, std::size_t nSize) { std::memset(pObject, 0xDD, nSize); }

CTreeOptionItem* NewRow(const char* pszLabel, const char* pszInfo)
{
  CTreeOptionItem* pItem = new CPoisonedOnDelete<CTreeOptionItem>;
  pItem->SetLabelText(pszLabel);
  pItem->SetInfoText(pszInfo);
  return pItem;
}

CTreeHost::CTreeHost()
{
  CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)), "Tree host", WS_POPUP | WS_VISIBLE,
           CDpiScale::OfSystem().Scale(CRect(0, 0, 420, 420)), nullptr, 0);
}

CTreeHost::~CTreeHost() { DestroyWindow(); }

LRESULT CTreeHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  const int nCode = message == WM_NOTIFY ? int(reinterpret_cast<const NMHDR*>(lParam)->code) : 0;
  // Only the option tree's codes: other controls notify the host too.
  if (nCode >= OT_NOTIFY_ACTIVATEITEM && nCode <= OT_NOTIFY_INSERTITEM)
  {
    const NMTREEOPTION* pNotify = reinterpret_cast<const NMTREEOPTION*>(lParam);
    const CTreeOptionItem* pItem = pNotify->otiItem;
    m_log.push_back(std::to_string(nCode) + " " + (pItem != nullptr ? std::string(pItem->GetLabelText()) : "null"));
    if (nCode == m_nDeleteRowOn && pNotify->otiItem != nullptr)
      m_pTree->DeleteItem(pNotify->otiItem);
    auto answer = m_answers.find(nCode);
    return answer != m_answers.end() ? answer->second : 0;
  }
  if (message == CTreeOption_Msg_ChangedItem)
  {
    auto* pButton = reinterpret_cast<CTreeOptionCheckButton*>(lParam);
    m_log.push_back("ChangedItem " + std::string(pButton->GetStaticText()) + " " + std::to_string(pButton->GetCheck()));
    auto* pRow = dynamic_cast<CTreeOptionItemCheckBox*>(pButton);
    if (int(message) == m_nDeleteRowOn && pRow != nullptr)
      m_pTree->DeleteItem(pRow);
    return 0;
  }
  if (message == CTreeOption_Msg_ChangedExpand)
    m_log.push_back("ChangedExpand");
  else if (message == CTreeOption_Msg_PushOptionButton1)
    m_log.push_back("PushOptionButton1");
  else if (message == CTreeOption_Msg_PushOptionButton2)
    m_log.push_back("PushOptionButton2");
  return CWnd::WindowProc(message, wParam, lParam);
}

CTreeOptionFixture::CTreeOptionFixture()
{
  m_tree.Create(WS_CHILD | WS_VISIBLE, CDpiScale::OfSystem().Scale(CRect(0, 0, kWidth, kHeight)), &m_host,
                OT_OPTIONS_SHOWINFOWINDOW | OT_OPTIONS_NOTIFY, 1234);
  m_tree.SetNotify(TRUE, &m_host);
  m_host.m_pTree = &m_tree;
  m_pGeneral = m_tree.InsertItem(NewRow("General", "Settings for every drawing"));
  m_pGeneral->SetOptionButton1("Reset");
  m_pGeneral->SetOptionButton2("All");
  m_pUnits = m_tree.InsertItem(NewRow("Units", "The length unit of new drawings"), m_pGeneral);
  m_pGrid = m_tree.InsertItem(NewRow("Grid"), m_pGeneral);
  m_pSpacing = m_tree.InsertItem(NewRow("Spacing"), m_pGrid);
  m_pSnap = m_tree.InsertItem(NewRow("Snap"), m_pGrid);
  m_pView = m_tree.InsertItem(NewRow("View"));
  m_pZoom = m_tree.InsertItem(NewRow("Zoom"), m_pView);
  m_pRuler = new CPoisonedOnDelete<CTreeOptionItemCheckBox>;
  m_pRuler->SetLabelText("Ruler");
  m_tree.InsertItem(m_pRuler, m_pView);
  m_pRuler->CreateCheckBoxItem(0, OT_CHECK_SHOWCHECKBOX | OT_CHECK_SHOWTEXT);
  m_tree.ExpandAllItems();
  // A check-box row starts uncommitted and commits on its first deselection: done here.
  m_pRuler->CommitChanges();
  Repaint();
}

CTreeOptionFixture::~CTreeOptionFixture() { m_tree.DestroyWindow(); }

void CTreeOptionFixture::Repaint()
{
  PumpMessages();
  List().RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages();
  m_host.m_log.clear();
}

std::vector<std::string> CTreeOptionFixture::TakeLog() { return std::exchange(m_host.m_log, {}); }

void Click(CWnd& wnd, CPoint point)
{
  wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, pointParam(point));
  wnd.SendMessage(WM_LBUTTONUP, 0, pointParam(point));
  PumpMessages();
}

void DoubleClick(CWnd& wnd, CPoint point)
{
  Click(wnd, point);
  wnd.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, pointParam(point));
  wnd.SendMessage(WM_LBUTTONUP, 0, pointParam(point));
  PumpMessages();
}

void MouseMove(CWnd& wnd, CPoint point)
{
  wnd.SendMessage(WM_MOUSEMOVE, 0, pointParam(point));
  PumpMessages();
}

void Drag(CWnd& wnd, CPoint from, CPoint to)
{
  wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, pointParam(from));
  wnd.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, pointParam(to));
  wnd.SendMessage(WM_LBUTTONUP, 0, pointParam(to));
  PumpMessages();
}

void PressKey(CWnd& wnd, UINT nVirtualKey, bool bShift)
{
  BYTE keys[256] = {};
  ::GetKeyboardState(keys);
  const BYTE nOldShift = keys[VK_SHIFT];
  keys[VK_SHIFT] = bShift ? 0x80 : 0;
  ::SetKeyboardState(keys);
  wnd.SendMessage(WM_KEYDOWN, nVirtualKey, 1);
  wnd.SendMessage(WM_KEYUP, nVirtualKey, 0xC0000001);
  keys[VK_SHIFT] = nOldShift;
  ::SetKeyboardState(keys);
  PumpMessages();
}

void PumpMessages()
{
  MSG msg;
  for (int nRound = 0; nRound < 1000 && ::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE); ++nRound)
  {
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }
}
