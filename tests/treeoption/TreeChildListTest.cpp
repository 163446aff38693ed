// The tree child list: records owned and freed by the control, index access to the top-level
// items, selection by the left button only, and the context menu built from the host's entries.
#include "../TrackedMenu.h"
#include "TreeOptionTestSupport.h"

#include <gtest/gtest.h>

namespace
{
typedef CCounted<CTreeItem> CCountedRecord;

class TreeChildList : public ::testing::Test
{
protected:
  TreeChildList()
  {
    m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, CRect(0, 0, 250, 300),
                  &m_host, 77);
    m_hLayers = m_tree.InsertItem("Layers", TVI_ROOT, TVI_LAST, new CCountedRecord);
    m_hWalls = m_tree.InsertItem("Walls", m_hLayers, TVI_LAST, new CCountedRecord);
    m_hDoors = m_tree.InsertItem("Doors", 1, 2, m_hLayers, TVI_LAST, new CCountedRecord);
    m_hViews = m_tree.InsertItem("Views", TVI_ROOT, TVI_LAST, new CCountedRecord);
    m_hSheets = m_tree.InsertItem("Sheets", TVI_ROOT, TVI_LAST, new CCountedRecord);
    m_tree.Expand(m_hLayers, TVE_EXPAND);
    m_tree.UpdateWindow();
  }
  ~TreeChildList() override
  {
    if (m_tree.GetSafeHwnd() != nullptr)
      m_tree.DestroyWindow();
  }
  CPoint labelPoint(HTREEITEM hItem)
  {
    CRect rcLabel;
    m_tree.GetItemRect(hItem, rcLabel, TRUE);
    return rcLabel.CenterPoint();
  }
  void showMenu()
  {
    CRect rcWindow;
    m_tree.GetWindowRect(rcWindow);
    m_tree.SendMessage(WM_CONTEXTMENU, WPARAM(m_tree.m_hWnd), MAKELPARAM(rcWindow.left + 20, rcWindow.top + 20));
    PumpMessages();
  }

  CTreeHost m_host;
  CMenuOwner<CTreeChildList> m_tree;
  HTREEITEM m_hLayers, m_hWalls, m_hDoors, m_hViews, m_hSheets;
};
}

TEST_F(TreeChildList, ItemsByIndexAndRecordsFreedByDeleteAllItemsAndOnDestroy)
{
  HTREEITEM hBare = m_tree.InsertItem("Bare", TVI_ROOT, TVI_LAST, nullptr);
  EXPECT_EQ(0, m_tree.DeleteItem(hBare));
  EXPECT_EQ(6u, m_tree.GetCount());
  EXPECT_EQ(m_hSheets, m_tree.GetTreeItem(2));
  EXPECT_EQ(nullptr, m_tree.GetTreeItem(4));
  EXPECT_EQ(2, m_tree.GetListItem(m_hSheets));
  EXPECT_EQ(0, m_tree.DeleteItem(7));
  EXPECT_NE(0, m_tree.DeleteItem(1));  // Views
  EXPECT_EQ(m_hSheets, m_tree.GetTreeItem(1));

  // Deleting keeps the records of the item and its children until DeleteAllItems.
  EXPECT_NE(0, m_tree.DeleteItem(m_hLayers));
  EXPECT_EQ(2, m_tree.GetItemCount());
  EXPECT_EQ(5, CCountedRecord::s_nAlive);
  m_tree.DeleteAllItems();
  EXPECT_EQ(0, CCountedRecord::s_nAlive);

  m_tree.InsertItem("Again", TVI_ROOT, TVI_LAST, new CCountedRecord);
  HTREEITEM hChild = m_tree.InsertItem("Child", m_tree.GetRootItem(), TVI_LAST, new CCountedRecord);
  m_tree.GetDeleteAllTreeItems(hChild);  // collected twice by the end: freed once
  m_tree.DeleteItem(hChild);
  m_tree.DestroyWindow();
  EXPECT_EQ(0, CCountedRecord::s_nAlive);
}

TEST_F(TreeChildList, OnlyTheLeftButtonSelectsAndTheDropTargetFollowsThePointer)
{
  const CPoint ptViews = labelPoint(m_hViews);
  m_tree.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(ptViews.x, ptViews.y));
  EXPECT_NE(m_hViews, m_tree.CTreeCtrl::GetSelectedItem());

  m_tree.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptViews.x, ptViews.y));
  m_tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptViews.x, ptViews.y));
  PumpMessages();
  EXPECT_EQ(m_hViews, m_tree.GetSelectedItem());
  m_tree.SetSelectedItem(m_hDoors);
  EXPECT_EQ(m_hDoors, m_tree.CTreeCtrl::GetSelectedItem());

  for (HTREEITEM hItem : {m_hLayers, m_hWalls, m_hDoors, m_hSheets})
    m_tree.SetItemState(hItem, TVIS_SELECTED, TVIS_SELECTED);
  m_tree.ClearSelection(m_hWalls);
  for (HTREEITEM hItem : {m_hLayers, m_hWalls, m_hDoors, m_hSheets})
    EXPECT_EQ(hItem == m_hWalls ? UINT(TVIS_SELECTED) : 0u, m_tree.GetItemState(hItem, TVIS_SELECTED));

  // The drop target follows the pointer.
  CPoint point = labelPoint(m_hViews);
  m_tree.ClientToScreen(&point);
  ::SetCursorPos(point.x, point.y);
  EXPECT_EQ(m_hViews, m_tree.GetDropTarget());
  EXPECT_EQ(m_hViews, m_tree.GetNextItem(nullptr, TVGN_DROPHILITE));
  point = CPoint(100, 280);
  m_tree.ClientToScreen(&point);
  ::SetCursorPos(point.x, point.y);
  EXPECT_EQ(nullptr, m_tree.GetDropTarget());
}

// How entries and attributes become menu items is the bitmap menus' shared code, checked in full
// with the child list; here the tree's own entries, attributes and command routing.
TEST_F(TreeChildList, ContextMenuShowsTheEntriesAndSendsTheCommand)
{
  m_tree.ExpectMenu({VK_ESCAPE});
  showMenu();
  EXPECT_EQ("(no menu)", m_tree.m_strMenu);

  m_tree.AddContextMenu(CTreeItemMenuContext(10, "Open"));
  m_tree.AddContextMenu(CTreeItemMenuContext(11, "E"));
  m_tree.SetContextMenuAttrib(11, 0xFC);
  CMenuOwner<CTreeHost> receiver;
  m_tree.SetReceiveContextCmd(&receiver);
  receiver.ExpectMenu({VK_DOWN, VK_RETURN});
  CMenuLook look;
  showMenu();
  EXPECT_EQ("Open:10 E:11/checked", receiver.m_strMenu);
  EXPECT_EQ(std::vector<UINT>{10}, receiver.m_commands);

  // With no receiver the command goes to the tree itself.
  m_tree.ResetContextMenuAttrib();
  EXPECT_EQ(0u, m_tree.GetContextMenuAttrib(11));
  m_tree.SetReceiveContextCmd(nullptr);
  m_tree.ExpectMenu({VK_DOWN, VK_RETURN});
  showMenu();
  EXPECT_EQ(std::vector<UINT>{10}, m_tree.m_commands);
}
