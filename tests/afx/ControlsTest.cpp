// Control and menu wrappers where they do more than send one message: texts of any length,
// item data, check states, nested popups, menus through the resource chain.
#include "AfxTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const CRect kRect(0, 0, 300, 200);

class ControlsTest : public ::testing::Test
{
protected:
  CTestParent m_parent;
};
}

TEST_F(ControlsTest, ListControlTextsAndDataOfAnyLength)
{
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, kRect, &m_parent, 500));
  EXPECT_EQ(list.InsertColumn(0, "name", LVCFMT_LEFT, 100), 0);
  EXPECT_EQ(list.InsertColumn(1, "value", LVCFMT_RIGHT, 80), 1);
  EXPECT_EQ(list.GetHeaderCtrl()->GetItemCount(), 2);
  EXPECT_EQ(list.InsertItem(0, "first"), 0);
  EXPECT_EQ(list.InsertItem(1, "second"), 1);
  std::string longText(700, 'x');
  longText[0] = 'L';
  ASSERT_TRUE(list.SetItemText(1, 1, longText.c_str()));
  EXPECT_STREQ(list.GetItemText(0, 0), "first");
  EXPECT_EQ(std::string(list.GetItemText(1, 1)), longText);  // longer than the first buffer
  EXPECT_STREQ(list.GetItemText(0, 1), "");
  ASSERT_TRUE(list.SetItemData(1, 0xABCDEF));
  EXPECT_EQ(list.GetItemData(1), 0xABCDEFu);
  EXPECT_EQ(list.GetItemData(0), 0u);
  ASSERT_TRUE(list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED));
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
  EXPECT_EQ(list.GetSelectedCount(), 1u);
}

TEST_F(ControlsTest, TreeControlTextsDataAndChecks)
{
  CTreeCtrl tree;
  ASSERT_TRUE(tree.Create(WS_CHILD | TVS_HASBUTTONS | TVS_CHECKBOXES, kRect, &m_parent, 501));
  HTREEITEM hRoot = tree.InsertItem("root");
  HTREEITEM hChild = tree.InsertItem("child", hRoot);
  HTREEITEM hSecond = tree.InsertItem("second", 1, 2, hRoot);
  EXPECT_EQ(tree.GetRootItem(), hRoot);
  EXPECT_EQ(tree.GetChildItem(hRoot), hChild);
  EXPECT_EQ(tree.GetNextSiblingItem(hChild), hSecond);
  EXPECT_EQ(tree.GetParentItem(hSecond), hRoot);
  EXPECT_TRUE(tree.ItemHasChildren(hRoot));
  EXPECT_FALSE(tree.ItemHasChildren(hChild));
  std::string longText(600, 'y');
  ASSERT_TRUE(tree.SetItemText(hChild, longText.c_str()));
  EXPECT_EQ(std::string(tree.GetItemText(hChild)), longText);
  ASSERT_TRUE(tree.SetItemData(hSecond, 42));
  EXPECT_EQ(tree.GetItemData(hSecond), 42u);
  int nImage = 0, nSelected = 0;
  ASSERT_TRUE(tree.GetItemImage(hSecond, nImage, nSelected));
  EXPECT_EQ(nImage, 1);
  EXPECT_EQ(nSelected, 2);
  ASSERT_TRUE(tree.SetCheck(hChild, TRUE));
  EXPECT_TRUE(tree.GetCheck(hChild));
  ASSERT_TRUE(tree.SetCheck(hChild, FALSE));
  EXPECT_FALSE(tree.GetCheck(hChild));
  EXPECT_EQ(tree.GetCount(), 3u);
  ASSERT_TRUE(tree.DeleteAllItems());
  EXPECT_EQ(tree.GetCount(), 0u);
}

TEST_F(ControlsTest, ListAndComboBoxTexts)
{
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWN, kRect, &m_parent, 502));
  CListBox list;
  ASSERT_TRUE(list.Create(WS_CHILD | LBS_HASSTRINGS, kRect, &m_parent, 503));
  CString strItem;
  for (const char* pszItem : {"alpha", "", "gamma"})
  {
    combo.AddString(pszItem);
    list.AddString(pszItem);
  }
  combo.GetLBText(2, strItem);
  EXPECT_STREQ(strItem, "gamma");
  combo.GetLBText(1, strItem);
  EXPECT_STREQ(strItem, "");
  list.GetText(0, strItem);
  EXPECT_STREQ(strItem, "alpha");
  EXPECT_EQ(combo.FindStringExact(-1, "gamma"), 2);
  EXPECT_NE(list.SetItemDataPtr(1, &strItem), LB_ERR);
  EXPECT_EQ(list.GetItemDataPtr(1), &strItem);
}

TEST_F(ControlsTest, EditSelectionAndSpinRange)
{
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_CHILD | ES_AUTOHSCROLL, kRect, &m_parent, 504));
  edit.SetWindowText("0123456789");
  edit.SetSel(2, 5);
  int nStart = 0, nEnd = 0;
  edit.GetSel(nStart, nEnd);
  EXPECT_EQ(nStart, 2);
  EXPECT_EQ(nEnd, 5);
  EXPECT_EQ(edit.GetSel(), static_cast<DWORD>(MAKELONG(2, 5)));
  edit.ReplaceSel("ab");
  CString strText;
  edit.GetWindowText(strText);
  EXPECT_STREQ(strText, "01ab56789");

  CSpinButtonCtrl spin;
  ASSERT_TRUE(spin.Create(WS_CHILD | UDS_SETBUDDYINT, CRect(0, 0, 16, 20), &m_parent, 505));
  EXPECT_EQ(spin.SetBuddy(&edit), nullptr);
  EXPECT_EQ(spin.GetBuddy(), &edit);
  spin.SetRange32(-100000, 100000);
  int nLower = 0, nUpper = 0;
  spin.GetRange32(nLower, nUpper);
  EXPECT_EQ(nLower, -100000);
  EXPECT_EQ(nUpper, 100000);
  spin.SetPos32(-99999);
  EXPECT_EQ(spin.GetPos32(), -99999);
}

TEST_F(ControlsTest, ToolTipToolsForRectanglesAndWindows)
{
  CStatic label;
  ASSERT_TRUE(label.Create("label", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &m_parent, 506));
  CToolTipCtrl tip;
  ASSERT_TRUE(tip.Create(&m_parent));
  EXPECT_EQ(::GetWindow(tip.m_hWnd, GW_OWNER), m_parent.m_hWnd);  // a popup, owned by the parent
  EXPECT_FALSE(tip.GetStyle() & WS_CHILD);
  CRect rcCell(60, 0, 80, 20);
  ASSERT_TRUE(tip.AddTool(&m_parent, "cell", &rcCell, 7));
  ASSERT_TRUE(tip.AddTool(&label, "whole label"));
  EXPECT_EQ(tip.GetToolCount(), 2);
  // The window tool is known by the window itself.
  TOOLINFO info = {};
  info.cbSize = TTTOOLINFO_V1_SIZE;
  info.hwnd = m_parent.m_hWnd;
  info.uId = reinterpret_cast<UINT_PTR>(label.m_hWnd);
  EXPECT_TRUE(tip.SendMessage(TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_TRUE(info.uFlags & TTF_IDISHWND);
  tip.DelTool(&m_parent, 7);
  EXPECT_EQ(tip.GetToolCount(), 1);
}

TEST_F(ControlsTest, MenusFindNestedItemsAndTheirStrings)
{
  CMenu bar, file, recent;
  ASSERT_TRUE(bar.CreateMenu());
  ASSERT_TRUE(file.CreatePopupMenu());
  ASSERT_TRUE(recent.CreatePopupMenu());
  recent.AppendMenu(MF_STRING, 40201, "one");
  file.AppendMenu(MF_STRING, 40200, "&Open");
  file.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(recent.m_hMenu), "Recent");
  bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(file.m_hMenu), "File");
  EXPECT_EQ(bar.FindPopupMenuFromID(40201), &recent);
  EXPECT_EQ(bar.FindPopupMenuFromID(40200), &file);
  EXPECT_EQ(bar.FindPopupMenuFromID(40299), nullptr);
  CString strItem;
  EXPECT_EQ(file.GetMenuString(40200, strItem, MF_BYCOMMAND), 5);
  EXPECT_STREQ(strItem, "&Open");
  EXPECT_EQ(bar.GetSubMenu(0), &file);
  // The submenus go with the bar; their objects only let go of the handles.
  recent.Detach();
  file.Detach();
  EXPECT_TRUE(bar.DestroyMenu());
  EXPECT_EQ(bar.m_hMenu, nullptr);
  EXPECT_FALSE(bar.DestroyMenu());
}

TEST(AfxRegisterWndClassTest, SameAttributesGiveTheSameClass)
{
  HCURSOR hArrow = ::LoadCursor(nullptr, IDC_ARROW);
  LPCTSTR pszFirst = AfxRegisterWndClass(CS_DBLCLKS, hArrow);
  LPCTSTR pszAgain = AfxRegisterWndClass(CS_DBLCLKS, hArrow);
  LPCTSTR pszOther = AfxRegisterWndClass(CS_DBLCLKS | CS_SAVEBITS, hArrow);
  EXPECT_STREQ(pszFirst, pszAgain);
  EXPECT_STRNE(pszFirst, pszOther);
  WNDCLASS wc = {};
  ASSERT_TRUE(::GetClassInfo(AfxGetInstanceHandle(), pszOther, &wc));
  EXPECT_EQ(wc.style, UINT(CS_DBLCLKS | CS_SAVEBITS));
  EXPECT_EQ(wc.hCursor, hArrow);
}
