// Notifications offered to the control that sent them before its parent handles them, and
// owner-drawn items reaching the control or menu object that draws them.
#include "AfxTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_handled;

const UINT kEditID = 200;
const UINT kButtonID = 201;
const int NM_TESTCODE = -1105;  // a control's own negative notification code

class CReflectingEdit : public CEdit
{
protected:
  void OnChangeReflect() { g_handled.push_back("edit EN_CHANGE"); }
  void OnTestNotifyReflect(NMHDR*, LRESULT* pResult)
  {
    g_handled.push_back("edit NM_TESTCODE");
    *pResult = 7;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CReflectingEdit, CEdit)
  ON_CONTROL_REFLECT(EN_CHANGE, &CReflectingEdit::OnChangeReflect)
  ON_NOTIFY_REFLECT(NM_TESTCODE, &CReflectingEdit::OnTestNotifyReflect)
END_MESSAGE_MAP()

class COwnerDrawButton : public CButton
{
public:
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
  {
    g_handled.push_back("button DrawItem " + std::to_string(lpDrawItemStruct->CtlID));
  }
};

class CImageMenu : public CMenu
{
public:
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
  {
    g_handled.push_back("menu DrawItem " + std::to_string(lpDrawItemStruct->itemID));
  }
  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override
  {
    g_handled.push_back("menu MeasureItem " + std::to_string(lpMeasureItemStruct->itemID));
    lpMeasureItemStruct->itemHeight = 40;
  }
};

class CNotifiedParent : public CTestParent
{
protected:
  void OnEditChange() { g_handled.push_back("parent EN_CHANGE"); }
  void OnEditUpdate() { g_handled.push_back("parent EN_UPDATE"); }
  void OnTestNotify(NMHDR*, LRESULT* pResult)
  {
    g_handled.push_back("parent NM_TESTCODE");
    *pResult = 9;
  }
  void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT) { g_handled.push_back("parent DrawItem " + std::to_string(nIDCtl)); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CNotifiedParent, CTestParent)
  ON_EN_CHANGE(kEditID, &CNotifiedParent::OnEditChange)
  ON_EN_UPDATE(kEditID, &CNotifiedParent::OnEditUpdate)
  ON_NOTIFY(NM_TESTCODE, kEditID, &CNotifiedParent::OnTestNotify)
  ON_WM_DRAWITEM()
END_MESSAGE_MAP()

class ReflectionTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    g_handled.clear();
    ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 30), &m_parent, kEditID));
  }

  CNotifiedParent m_parent;
  CReflectingEdit m_edit;
};

using Handled = std::vector<std::string>;
}

TEST_F(ReflectionTest, NotificationsTheControlReflectsStopThereAndTheOthersReachTheParent)
{
  m_edit.SetWindowText("typed");  // the edit sends EN_UPDATE, then EN_CHANGE
  EXPECT_EQ(g_handled, (Handled{"parent EN_UPDATE", "edit EN_CHANGE"}));

  g_handled.clear();
  NMHDR hdr = {m_edit.m_hWnd, kEditID, static_cast<UINT>(NM_TESTCODE)};
  EXPECT_EQ(m_parent.SendMessage(WM_NOTIFY, kEditID, reinterpret_cast<LPARAM>(&hdr)), 7);
  EXPECT_EQ(g_handled, (Handled{"edit NM_TESTCODE"}));
}

TEST_F(ReflectionTest, OwnerDrawnControlsDrawThemselves)
{
  COwnerDrawButton button;
  ASSERT_TRUE(button.Create("draw", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 40, 80, 70), &m_parent, kButtonID));
  m_parent.UpdateWindow();
  g_handled.clear();
  button.RedrawWindow();
  EXPECT_EQ(g_handled, (Handled{"button DrawItem " + std::to_string(kButtonID)}));

  // A control that is not bound to an object leaves the drawing to the parent's handler.
  g_handled.clear();
  HWND hPlain = ::CreateWindowEx(0, "BUTTON", "", WS_CHILD | BS_OWNERDRAW, 0, 0, 5, 5, m_parent.m_hWnd,
                                 reinterpret_cast<HMENU>(77), nullptr, nullptr);
  DRAWITEMSTRUCT draw = {ODT_BUTTON, 77, 0, ODA_DRAWENTIRE, 0, hPlain, nullptr, {0, 0, 1, 1}, 0};
  m_parent.SendMessage(WM_DRAWITEM, 77, reinterpret_cast<LPARAM>(&draw));
  EXPECT_EQ(g_handled, (Handled{"parent DrawItem 77"}));
  ::DestroyWindow(hPlain);
}

namespace
{
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
  ::KillTimer(nullptr, nIDEvent);
  ::EndMenu();
}
}

TEST_F(ReflectionTest, OwnerDrawnMenuItemsReachThePermanentMenuObject)
{
  const UINT kItemID = 40100;
  CMenu bar;
  ASSERT_TRUE(bar.CreateMenu());
  CImageMenu popup;
  ASSERT_TRUE(popup.CreatePopupMenu());
  ASSERT_TRUE(popup.AppendMenu(MF_OWNERDRAW, kItemID, nullptr));
  ASSERT_TRUE(bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup.m_hMenu), "popup"));
  ASSERT_TRUE(m_parent.SetMenu(&bar));

  // WM_MEASUREITEM names only the item: the popup holding it is found through the window's menu.
  MEASUREITEMSTRUCT measure = {ODT_MENU, 0, kItemID, 0, 0, 0};
  EXPECT_TRUE(m_parent.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
  EXPECT_EQ(measure.itemHeight, 40u);

  DRAWITEMSTRUCT draw = {ODT_MENU,     0, kItemID, ODA_DRAWENTIRE, 0, reinterpret_cast<HWND>(popup.m_hMenu), nullptr,
                         {0, 0, 1, 1}, 0};
  EXPECT_TRUE(m_parent.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));
  EXPECT_EQ(g_handled,
            (Handled{"menu MeasureItem " + std::to_string(kItemID), "menu DrawItem " + std::to_string(kItemID)}));

  // An entry that opens a popup is named by the popup's handle; the menu holding it measures it.
  g_handled.clear();
  CMenu nested;
  ASSERT_TRUE(nested.CreatePopupMenu());
  ASSERT_TRUE(popup.AppendMenu(MF_POPUP | MF_OWNERDRAW, reinterpret_cast<UINT_PTR>(nested.m_hMenu), nullptr));
  const UINT nNestedID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(nested.m_hMenu));
  measure = {ODT_MENU, 0, nNestedID, 0, 0, 0};
  EXPECT_TRUE(m_parent.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
  EXPECT_EQ(g_handled, (Handled{"menu MeasureItem " + std::to_string(nNestedID)}));
  nested.Detach();  // destroyed with the popup

  // The item moves to a menu without an object of its own: no menu object measures it now.
  g_handled.clear();
  ASSERT_TRUE(popup.RemoveMenu(kItemID, MF_BYCOMMAND));
  CMenu plain;
  ASSERT_TRUE(plain.CreatePopupMenu());
  ASSERT_TRUE(plain.AppendMenu(MF_OWNERDRAW, kItemID, nullptr));
  ASSERT_TRUE(bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(plain.Detach()), "plain"));
  measure = {ODT_MENU, 0, kItemID, 0, 0, 0};
  m_parent.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
  EXPECT_EQ(std::count(g_handled.begin(), g_handled.end(), "menu MeasureItem " + std::to_string(kItemID)), 0);

  // A menu that is only a temporary wrapper has no drawing of its own: the parent's handler runs.
  g_handled.clear();
  HMENU hDetached = popup.Detach();
  draw.hwndItem = reinterpret_cast<HWND>(hDetached);
  m_parent.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  EXPECT_EQ(g_handled, (Handled{"parent DrawItem 0"}));
  m_parent.SetMenu(nullptr);

  // A tracked popup is in no window's menu: only the tracking tells the owner which menu it is.
  g_handled.clear();
  CImageMenu tracked;
  ASSERT_TRUE(tracked.CreatePopupMenu());
  ASSERT_TRUE(tracked.AppendMenu(MF_OWNERDRAW, kItemID, nullptr));
  m_parent.SetForegroundWindow();
  ::SetTimer(nullptr, 0, 200, &CloseMenu);
  tracked.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, 10, 10, &m_parent);
  ASSERT_FALSE(g_handled.empty());
  EXPECT_EQ(g_handled[0], "menu MeasureItem " + std::to_string(kItemID));
}
