// The tree child list: records owned and freed by the control, index access to the top-level
// items, selection by the left button only, and the context menu built from the host's entries.
#include "TreeOptionTestSupport.h"

#include <gtest/gtest.h>

namespace
{
// Counts the records alive, to see that the control frees every one.
class CCountedRecord : public CTreeItem
{
public:
  CCountedRecord() { ++s_nAlive; }
  CCountedRecord(const CCountedRecord& other) : CTreeItem(other) { ++s_nAlive; }
  ~CCountedRecord() override { --s_nAlive; }
  static int s_nAlive;
};
int CCountedRecord::s_nAlive = 0;

// Describes the menu it is shown ("10 0", "-", "11 disabled"...) and posts the keys given.
struct SMenuDriver
{
  std::vector<std::string> m_items;
  std::vector<UINT> m_keys;
  bool m_bSeen = true;
  std::vector<int> m_commands;

  void Expect(std::vector<UINT> keys)
  {
    m_keys = std::move(keys);
    m_bSeen = false;
    m_items.clear();
  }
  bool Handle(UINT message, WPARAM wParam, LPARAM lParam)
  {
    if (message == WM_COMMAND)
    {
      m_commands.push_back(LOWORD(wParam));
      return true;
    }
    if (message != WM_ENTERIDLE || wParam != MSGF_MENU || m_bSeen)
      return false;
    m_bSeen = true;
    HWND hMenuWnd = reinterpret_cast<HWND>(lParam);
    HMENU hMenu = reinterpret_cast<HMENU>(::SendMessage(hMenuWnd, MN_GETHMENU, 0, 0));
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
      m_items.push_back(describe(hMenu, i));
    for (UINT nKey : m_keys)
      ::PostMessage(hMenuWnd, WM_KEYDOWN, nKey, 1);
    return false;
  }
  static std::string describe(HMENU hMenu, int nPosition)
  {
    const UINT nState = ::GetMenuState(hMenu, UINT(nPosition), MF_BYPOSITION);
    if (nState & MF_SEPARATOR)
      return "-";
    std::string text = std::to_string(::GetMenuItemID(hMenu, nPosition));
    if ((nState & MF_GRAYED) == MF_GRAYED)
      text += " grayed";
    else if (nState & MF_DISABLED)
      text += " disabled";
    if (nState & MF_CHECKED)
      text += " checked";
    return text;
  }
};

// A window whose menus the driver handles.
template <class TBase>
class CMenuDriven : public TBase
{
public:
  SMenuDriver m_driver;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
  {
    if (m_driver.Handle(message, wParam, lParam))
      return 0;
    return TBase::WindowProc(message, wParam, lParam);
  }
};

class CMenuReceiver : public CMenuDriven<CWnd>
{
public:
  CMenuReceiver()
  {
    CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0), "Receiver", WS_POPUP | WS_VISIBLE, 500, 0, 50, 50, nullptr,
             nullptr);
  }
  ~CMenuReceiver() override { DestroyWindow(); }
};

typedef CMenuDriven<CTreeChildList> CTestTreeChildList;

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
  void addMenu()
  {
    CTreeItemMenuContext entry(10, "Open");
    m_tree.AddContextMenu(entry);
    m_tree.AddContextMenu(CTreeItemMenuContext(0, ""));
    m_tree.AddContextMenu(CTreeItemMenuContext(11, "Lock"));
    m_tree.AddContextMenu(CTreeItemMenuContext(12, "Hide"));
    m_tree.AddContextMenu(CTreeItemMenuContext(13, "Pin"));
    m_tree.AddContextMenu(CTreeItemMenuContext(-1, "Never"));
    m_tree.SetContextMenuAttrib(11, 3);
    m_tree.SetContextMenuAttrib(12, 6);
    m_tree.SetContextMenuAttrib(13, 4);
  }
  void showMenu()
  {
    CRect rcWindow;
    m_tree.GetWindowRect(rcWindow);
    m_tree.SendMessage(WM_CONTEXTMENU, WPARAM(m_tree.m_hWnd), MAKELPARAM(rcWindow.left + 20, rcWindow.top + 20));
    PumpMessages();
  }

  CTreeHost m_host;
  CTestTreeChildList m_tree;
  HTREEITEM m_hLayers, m_hWalls, m_hDoors, m_hViews, m_hSheets;
};
}

TEST_F(TreeChildList, RecordsAreFreedByDeleteAllItemsAndOnDestroy)
{
  EXPECT_EQ(5, CCountedRecord::s_nAlive);
  EXPECT_EQ(5, m_tree.GetItemCount());
  // Deleting keeps the records of the item and its children until DeleteAllItems.
  EXPECT_NE(0, m_tree.DeleteItem(m_hLayers));
  EXPECT_EQ(2u, m_tree.GetCount());
  EXPECT_EQ(2, m_tree.GetItemCount());
  EXPECT_EQ(5, CCountedRecord::s_nAlive);
  m_tree.DeleteAllItems();
  EXPECT_EQ(0, CCountedRecord::s_nAlive);
  EXPECT_EQ(0u, m_tree.GetCount());

  m_tree.InsertItem("Again", TVI_ROOT, TVI_LAST, new CCountedRecord);
  HTREEITEM hChild = m_tree.InsertItem("Child", m_tree.GetRootItem(), TVI_LAST, new CCountedRecord);
  m_tree.GetDeleteAllTreeItems(hChild);  // collected twice by the end: freed once
  m_tree.DeleteItem(hChild);
  m_tree.DestroyWindow();
  EXPECT_EQ(0, CCountedRecord::s_nAlive);
}

TEST_F(TreeChildList, ItemsWithoutRecordsAreNotDeleted)
{
  HTREEITEM hBare = m_tree.InsertItem("Bare", TVI_ROOT, TVI_LAST, nullptr);
  EXPECT_EQ(0, m_tree.DeleteItem(hBare));
  EXPECT_EQ(6u, m_tree.GetCount());
  EXPECT_EQ(0, m_tree.DeleteItem(7));
  EXPECT_EQ(0, m_tree.DeleteItem(-1));
  EXPECT_NE(0, m_tree.DeleteItem(1));  // Views
  EXPECT_EQ(m_hSheets, m_tree.GetTreeItem(1));
}

TEST_F(TreeChildList, TopLevelItemsByIndex)
{
  EXPECT_EQ(m_hLayers, m_tree.GetTreeItem(0));
  EXPECT_EQ(m_hSheets, m_tree.GetTreeItem(2));
  EXPECT_EQ(nullptr, m_tree.GetTreeItem(3));
  EXPECT_EQ(nullptr, m_tree.GetTreeItem(-1));
  EXPECT_EQ(0, m_tree.GetListItem(m_hLayers));
  EXPECT_EQ(2, m_tree.GetListItem(m_hSheets));
  EXPECT_EQ(3, m_tree.GetListItem(m_hWalls));
  CCountedRecord* pRecord = static_cast<CCountedRecord*>(m_tree.GetItemRecord(m_hDoors));
  ASSERT_NE(nullptr, pRecord);
  pRecord->m_nValue = 5;
  EXPECT_EQ(5, m_tree.GetItemRecord(m_hDoors)->m_nValue);
  int nImage = 0, nSelected = 0;
  m_tree.GetItemImage(m_hDoors, nImage, nSelected);
  EXPECT_EQ(1, nImage);
  EXPECT_EQ(2, nSelected);
  m_tree.DeleteAllItems();
  EXPECT_EQ(0, m_tree.GetListItem(m_hLayers));
}

TEST_F(TreeChildList, OnlyTheLeftButtonSelects)
{
  const CPoint ptViews = labelPoint(m_hViews);
  m_tree.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(ptViews.x, ptViews.y));
  EXPECT_EQ(nullptr, m_tree.GetSelectedItem());
  EXPECT_NE(m_hViews, m_tree.CTreeCtrl::GetSelectedItem());

  m_tree.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptViews.x, ptViews.y));
  m_tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptViews.x, ptViews.y));
  PumpMessages();
  EXPECT_EQ(m_hViews, m_tree.GetSelectedItem());
  EXPECT_EQ(m_hViews, m_tree.CTreeCtrl::GetSelectedItem());

  m_tree.SetSelectedItem(m_hDoors);
  EXPECT_EQ(m_hDoors, m_tree.CTreeCtrl::GetSelectedItem());
  for (HTREEITEM hItem : {m_hLayers, m_hWalls, m_hDoors, m_hSheets})
    m_tree.SetItemState(hItem, TVIS_SELECTED, TVIS_SELECTED);
  m_tree.ClearSelection(m_hWalls);
  EXPECT_EQ(0u, m_tree.GetItemState(m_hLayers, TVIS_SELECTED));
  EXPECT_EQ(UINT(TVIS_SELECTED), m_tree.GetItemState(m_hWalls, TVIS_SELECTED));
  EXPECT_EQ(0u, m_tree.GetItemState(m_hDoors, TVIS_SELECTED));
  EXPECT_EQ(0u, m_tree.GetItemState(m_hSheets, TVIS_SELECTED));
}

TEST_F(TreeChildList, MenuAttributesKeepTheLowestBit)
{
  addMenu();
  EXPECT_EQ(6, m_tree.GetContextMenuCount());
  m_tree.SetContextMenuAttrib(10, 0xFF);
  EXPECT_EQ(7u, m_tree.GetContextMenuAttrib(10));
  EXPECT_EQ(0u, m_tree.GetContextMenuAttrib(99));
  m_tree.SetContextMenuAttrib(99, 1);
  m_tree.ResetContextMenuAttrib();
  EXPECT_EQ(0u, m_tree.GetContextMenuAttrib(12));
}

TEST_F(TreeChildList, ContextMenuShowsTheEntriesAndSendsTheCommand)
{
  // Nothing to show without entries.
  m_tree.m_driver.Expect({VK_ESCAPE});
  showMenu();
  EXPECT_TRUE(m_tree.m_driver.m_items.empty());

  addMenu();
  CMenuReceiver receiver;
  m_tree.SetReceiveContextCmd(&receiver);
  receiver.m_driver.Expect({VK_DOWN, VK_RETURN});
  CBmpMenu::original_drawmode = 0;
  showMenu();
  EXPECT_EQ((std::vector<std::string>{"10", "-", "11 disabled", "12 grayed", "13 checked"}),
            receiver.m_driver.m_items);
  EXPECT_EQ(std::vector<int>{10}, receiver.m_driver.m_commands);
  EXPECT_EQ(1u, CBmpMenu::original_drawmode);
  EXPECT_EQ(1u, CBmpMenu::xp_drawmode);

  // With no receiver the command goes to the tree itself.
  m_tree.SetReceiveContextCmd(nullptr);
  m_tree.m_driver.Expect({VK_DOWN, VK_RETURN});
  showMenu();
  EXPECT_EQ(std::vector<int>{10}, m_tree.m_driver.m_commands);
}

TEST_F(TreeChildList, DropTargetFollowsThePointer)
{
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
