// The child list: columns from width shares, rows from string records that the list owns and
// frees, refreshing in place, selection and focus by record and by host object, the cell hooks
// reached by real mouse messages, the bitmap context menu read while it is tracked, the
// column-head report, and row drawing.
#include "ListsTestSupport.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace
{
// A record that counts its deletions.
class CCountedRecord : public CColumnItemData
{
public:
  CCountedRecord(std::initializer_list<const char*> texts, int& nDeleted, void* pData = nullptr) : m_nDeleted(nDeleted)
  {
    for (const char* pszText : texts)
      AddDataString(pszText);
    SetData(pData);
  }
  ~CCountedRecord() override { ++m_nDeleted; }

private:
  int& m_nDeleted;
};

// A list that records its hook calls ("L b 1": hook, the record's first text, column), answers
// them as told and owns its menus' tracking.
class CTestChildList : public CMenuOwner<CChildList>
{
public:
  using CChildList::getColumnRect;
  using CChildList::m_arrColumnItem;
  int OnClkLButton(CColumnItemData* pItemData, int nColumn, CRect* pRect) override
  {
    m_rcLastClick = *pRect;
    return record("L", pItemData, nColumn);
  }
  int OnDblClkLButton(CColumnItemData* pItemData, int nColumn) override { return record("LL", pItemData, nColumn); }
  int OnClkRButton(CColumnItemData* pItemData, int nColumn) override { return record("R", pItemData, nColumn); }
  int OnDblClkRButton(CColumnItemData* pItemData, int nColumn) override { return record("RR", pItemData, nColumn); }

  std::vector<std::string> m_calls;
  CRect m_rcLastClick;
  int m_nAnswer = 0;

private:
  int record(const char* pszHook, CColumnItemData* pItemData, int nColumn)
  {
    CString strFirst;
    pItemData->GetDataString(0, strFirst);
    m_calls.push_back(std::string(pszHook) + " " + static_cast<LPCTSTR>(strFirst) + " " + std::to_string(nColumn));
    return m_nAnswer;
  }
};

class ChildListTest : public CListTest
{
protected:
  // Heads Name, Size, Note (shares 1, 1, 2: widths 100, 100, 200) and rows a, b, c, d carrying
  // the host objects.
  void SetUp() override
  {
    ASSERT_TRUE(Create(m_list));
    m_list.SetFont(CFont::FromHandle(m_hFont));
    SetHeads(m_list, {{"Name", 1}, {"Size", 1}, {"Note", 2}});
    const char* names[] = {"a", "b", "c", "d"};
    for (int i = 0; i < 4; ++i)
    {
      m_records[i] = new CCountedRecord({names[i], "10", "note"}, m_nDeleted, &m_objects[i]);
      ASSERT_TRUE(m_list.AddColumnItemData(m_records[i]));
    }
    m_list.InitList();
  }
  // Destroyed as the list it is, not as a plain window.
  void TearDown() override { m_list.DestroyWindow(); }
  bool Create(CChildList& list)
  {
    return list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS,
                       CRect(0, 0, 400, 200), &m_parent, 103) != FALSE;
  }
  void SetHeads(CChildList& list, std::initializer_list<std::pair<const char*, DWORD>> heads)
  {
    CArray<CColumnHeadData, CColumnHeadData&> arrHead;
    for (const auto& head : heads)
    {
      CColumnHeadData data(head.first, head.second);
      arrHead.Add(data);
    }
    EXPECT_TRUE(list.SetColumnHead(arrHead));
  }
  bool Selected(int nItem) const { return m_list.GetItemState(nItem, LVIS_SELECTED) != 0; }
  void Select(int nItem) { m_list.SetItemState(nItem, LVIS_SELECTED, LVIS_SELECTED); }
  // A point in a cell: nX pixels from the column's left edge, or its middle.
  CPoint CellPoint(int nRow, int nColumn, int nX = -1)
  {
    const CRect rect = m_list.getColumnRect(nRow, nColumn);
    return CPoint(nX >= 0 ? rect.left + nX : rect.CenterPoint().x, rect.CenterPoint().y);
  }

  CTestChildList m_list;
  int m_nDeleted = 0;
  CCountedRecord* m_records[4] = {};
  int m_objects[4] = {};
};
}

TEST_F(ChildListTest, ColumnsTakeTheirShareOfTheWidthRowsShowTheRecordsAndCopiesKeepNoHostObject)
{
  CCountedRecord shortRecord({"x", "y"}, m_nDeleted);
  EXPECT_FALSE(m_list.AddColumnItemData(nullptr));
  EXPECT_FALSE(m_list.AddColumnItemData(&shortRecord)) << "two texts for three columns";
  EXPECT_FALSE(m_list.AddColumnItemData(m_records[1])) << "a record the list holds already";
  EXPECT_EQ(0, m_nDeleted);
  // A derived class may change the records itself; the refusal sees what is held then.
  m_list.m_arrColumnItem.RemoveAt(3);
  EXPECT_TRUE(m_list.AddColumnItemData(m_records[3]));
  CCountedRecord direct({"e", "1", "n"}, m_nDeleted);
  m_list.m_arrColumnItem.Add(&direct);
  EXPECT_FALSE(m_list.AddColumnItemData(&direct));
  m_list.m_arrColumnItem.RemoveAt(4);

  EXPECT_EQ(100, m_list.GetColumnWidth(0));
  EXPECT_EQ(100, m_list.GetColumnWidth(1));
  EXPECT_EQ(200, m_list.GetColumnWidth(2));
  ASSERT_EQ(4, m_list.GetItemCount());
  EXPECT_EQ("note", std::string(m_list.GetItemText(3, 2)));

  // Copies take the texts but not the host object.
  int nHost = 0, nDeleted = 0;
  CCountedRecord source({"p", "q"}, nDeleted, &nHost);
  CColumnItemData copy(source);
  EXPECT_EQ(nullptr, copy.GetData());
  CCountedRecord target({"x", "y", "z"}, nDeleted, &nDeleted);
  static_cast<CColumnItemData&>(target) = source;
  CString strText;
  EXPECT_FALSE(target.GetDataString(2, strText));
  EXPECT_EQ(&nDeleted, target.GetData()) << "assignment keeps the host object";

  EXPECT_FALSE(copy.InsertItemData(0, nullptr));
  EXPECT_FALSE(copy.UpdateItemData(0, nullptr));
  EXPECT_TRUE(copy.UpdateItemData(3, &m_list));
  EXPECT_EQ("q", std::string(m_list.GetItemText(3, 1)));
  EXPECT_EQ("", std::string(m_list.GetItemText(3, 2))) << "a missing text empties the cell";
  m_list.SetItemData(3, reinterpret_cast<DWORD_PTR>(m_records[3]));

  CChildList unshared;
  ASSERT_TRUE(Create(unshared));
  SetHeads(unshared, {{"Name", 0}, {"Size", 0}});
  ASSERT_TRUE(unshared.AddColumnItemData(new CCountedRecord({"x", "y"}, m_nDeleted)));
  unshared.InitList();
  EXPECT_EQ(0, unshared.GetHeaderCtrl()->GetItemCount()) << "no shares, no columns";
  EXPECT_EQ(0, unshared.GetItemCount());
}

// The host's item notifications, from removals and from the list's end, carry live records.
TEST_F(ChildListTest, RecordsAreFreedWhenRemovedAndWithTheListAfterTheHostIsTold)
{
  // A parent that counts the item deletions it is told of and the notices naming a record that
  // the list no longer holds.
  class CWatchingParent : public CListParent
  {
  public:
    CChildList* m_pList = nullptr;
    int m_nTold = 0;
    int m_nFreed = 0;
    bool m_bRefuseChanges = false;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
      const auto* pNotify = reinterpret_cast<const NMLISTVIEW*>(lParam);
      if (message == WM_NOTIFY && pNotify->hdr.code <= LVN_ITEMCHANGING && pNotify->hdr.code >= LVN_DELETEITEM)
      {
        if (m_bRefuseChanges && pNotify->hdr.code == LVN_ITEMCHANGING)
          return TRUE;
        m_nTold += pNotify->hdr.code == LVN_DELETEITEM;
        int nHeld = 0;
        while (m_pList->GetColumnItemData(nHeld) != nullptr &&
               m_pList->GetColumnItemData(nHeld) != reinterpret_cast<CColumnItemData*>(pNotify->lParam))
          ++nHeld;
        m_nFreed += pNotify->lParam != 0 && m_pList->GetColumnItemData(nHeld) == nullptr;
      }
      return CListParent::WindowProc(message, wParam, lParam);
    }
  } parent;
  {
    CChildList list;
    parent.m_pList = &list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(0, 0, 200, 100), &parent, 104));
    SetHeads(list, {{"Name", 1}});
    for (const char* pszName : {"a", "b", "c"})
      ASSERT_TRUE(list.AddColumnItemData(new CCountedRecord({pszName}, m_nDeleted)));
    list.InitList();
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.RemoveAllColumnItemData(true);
    EXPECT_EQ(3, m_nDeleted);
    for (const char* pszName : {"d", "e"})
      ASSERT_TRUE(list.AddColumnItemData(new CCountedRecord({pszName}, m_nDeleted)));
    list.InsertColumnItemData();
    EXPECT_EQ("d", std::string(list.GetItemText(0, 0)));
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.RemoveAllColumnItemData(false);
    for (const char* pszName : {"f", "g"})
      ASSERT_TRUE(list.AddColumnItemData(new CCountedRecord({pszName}, m_nDeleted)));
    list.UpdateColumnItemData();
    parent.m_nTold = 0;
  }
  EXPECT_EQ(7, m_nDeleted) << "the list's destructor frees the rest";
  EXPECT_EQ(2, parent.m_nTold);
  EXPECT_EQ(0, parent.m_nFreed);

  // A host that refuses every item change keeps the items on their records, which the list then
  // neither draws nor hands out once it has freed them.
  CChildList list;
  ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(0, 0, 200, 100), &parent, 104));
  parent.m_pList = &list;
  SetHeads(list, {{"Name", 1}});
  ASSERT_TRUE(list.AddColumnItemData(new CCountedRecord({"h"}, m_nDeleted)));
  list.InitList();
  list.SetItemState(0, LVIS_FOCUSED, LVIS_FOCUSED);
  parent.m_bRefuseChanges = true;
  list.RemoveAllColumnItemData(false);
  EXPECT_EQ(nullptr, list.GetFocusItem());
  CPixelCanvas canvas(200, 20);
  DrawEntry(list, canvas, 0, reinterpret_cast<void*>(list.GetItemData(0)), CRect(0, 0, 200, 20), ODA_DRAWENTIRE, 0);
  EXPECT_EQ(-1, canvas.LeftmostNot(CRect(0, 0, 200, 20), canvas.Background()));
}

TEST_F(ChildListTest, SelectionAndFocusByRecordAndByHostObjectNeverOutliveARefreshInPlace)
{
  m_records[2]->SetData(nullptr);
  Select(0);
  CArray<void*, void*> arrChosen;
  m_list.SetSelectItemEx(arrChosen);
  EXPECT_EQ(1u, m_list.GetSelectedCount()) << "an empty array changes nothing";
  arrChosen.Add(&m_objects[1]);
  arrChosen.Add(&m_objects[3]);
  m_list.SetSelectItemEx(arrChosen);
  EXPECT_EQ((std::vector<bool>{true, true, false, true}),
            (std::vector<bool>{Selected(0), Selected(1), Selected(2), Selected(3)}))
      << "never deselects";

  Select(2);
  int nSentinel = 0;
  CArray<void*, void*> arrSelected;
  arrSelected.Add(&nSentinel);
  m_list.GetSelectItemEx(arrSelected);
  ASSERT_EQ(4, arrSelected.GetSize()) << "appended, the row without host object left out";
  EXPECT_EQ(&m_objects[3], arrSelected[3]);
  CArray<CColumnItemData*, CColumnItemData*> arrRecords;
  m_list.GetSelectItem(arrRecords);
  EXPECT_EQ(4, arrRecords.GetSize());
  CArray<void*, void*> arrAll;
  m_list.GetAllItemEx(arrAll);
  EXPECT_EQ(3, arrAll.GetSize());

  m_list.SetFocusItemEx(&m_objects[3]);
  EXPECT_EQ(m_records[3], m_list.GetFocusItem());
  m_list.SetFocusItemEx(&nSentinel);
  EXPECT_EQ(&m_objects[3], m_list.GetFocusItemEx()) << "an unknown object moves no focus";
  EXPECT_EQ(-1, m_list.GetIndexItemEx(&nSentinel));
  EXPECT_EQ(2, m_list.GetIndexItem(m_records[2]));
  EXPECT_EQ(-1, m_list.GetIndexItem(nullptr));

  // Refreshing in place keeps no item, selected or focused, on a freed record.
  m_list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  m_list.RemoveAllColumnItemData(false);
  EXPECT_EQ(4, m_list.GetItemCount()) << "the items stay";
  EXPECT_FALSE(Selected(1)) << "but lose their selection";
  EXPECT_EQ(nullptr, m_list.GetFocusItemEx());
  CArray<CColumnItemData*, CColumnItemData*> arrItem;
  m_list.GetAllItem(arrItem);
  EXPECT_EQ(0, arrItem.GetSize());

  int objects[5];
  for (int i = 0; i < 5; ++i)
    ASSERT_TRUE(
        m_list.AddColumnItemData(new CCountedRecord({"new", std::to_string(i).c_str(), ""}, m_nDeleted, &objects[i])));
  m_list.UpdateColumnItemData();
  ASSERT_EQ(5, m_list.GetItemCount());
  for (int i = 0; i < 5; ++i)
  {
    EXPECT_EQ(std::to_string(i), std::string(m_list.GetItemText(i, 1)));
    EXPECT_EQ(i, m_list.GetIndexItemEx(&objects[i]));
  }
}

TEST_F(ChildListTest, ClicksOnCellsOfASelectedRowReachTheHooksWhichMayKeepTheListViewOut)
{
  m_parent.SetFocus();
  // The first click selects the row; the hooks hear of the clicks after it.
  Click(m_list, WM_LBUTTONDOWN, CellPoint(1, 1));
  Click(m_list, WM_LBUTTONDOWN, CellPoint(1, 1));
  CRect rcScreen = m_list.getColumnRect(1, 1);
  m_list.ClientToScreen(&rcScreen);
  EXPECT_EQ(rcScreen, m_list.m_rcLastClick);
  // Column 0 and the edges of a cell (3 pixels left, 4 right) are not offered.
  for (const CPoint& point :
       {CellPoint(1, 0), CellPoint(1, 1, 2), CellPoint(1, 1, 100 - 4), CellPoint(1, 1, 3), CellPoint(1, 2, 200 - 5)})
    Click(m_list, WM_LBUTTONDOWN, point);
  m_list.SetButtonClkStartColumn(0);
  Click(m_list, WM_LBUTTONDOWN, CellPoint(1, 0));
  Click(m_list, WM_RBUTTONDOWN, CellPoint(1, 2));
  Click(m_list, WM_RBUTTONDOWN, CellPoint(2, 2));  // not selected
  Click(m_list, WM_LBUTTONDBLCLK, CellPoint(2, 1));
  Click(m_list, WM_RBUTTONDBLCLK, CellPoint(3, 2));
  EXPECT_EQ((std::vector<std::string>{"L b 1", "L b 1", "L b 2", "L b 0", "R b 2", "LL c 1", "RR d 2"}),
            m_list.m_calls);

  // A handled click keeps the list view out; a click on empty space changes nothing.
  Select(0);
  Select(1);
  m_list.m_nAnswer = 1;
  Click(m_list, WM_LBUTTONDOWN, CellPoint(1, 1));
  EXPECT_TRUE(Selected(0) && Selected(1)) << "handled: the list view did not select the row alone";
  m_list.m_nAnswer = 0;
  Click(m_list, WM_LBUTTONDOWN, CellPoint(1, 1));
  EXPECT_FALSE(Selected(0)) << "not handled: the list view's own click";

  CRect rcLast;
  m_list.GetItemRect(3, &rcLast, LVIR_BOUNDS);
  const CPoint ptBelow(150, rcLast.bottom + 20);
  m_list.m_calls.clear();
  m_parent.SetFocus();
  for (UINT nMessage : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_LBUTTONDBLCLK})
    Click(m_list, nMessage, ptBelow);
  EXPECT_TRUE(Selected(1));
  EXPECT_EQ(&m_list, CWnd::GetFocus());
  EXPECT_TRUE(m_list.m_calls.empty());
}

TEST_F(ChildListTest, TheContextMenuShowsTheEntriesAsTheirAttributesSay)
{
  CMenuLook look;
  m_list.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_list.m_hWnd), MAKELPARAM(50, 50));
  EXPECT_EQ(0u, CBmpMenu::original_drawmode) << "no entries: no menu";

  const std::pair<int, const char*> entries[] = {{10, "Open"}, {0, ""},        {11, "E"},    {12, "E"},
                                                 {13, "E"},    {-1, "Hidden"}, {14, "Plain"}};
  for (const auto& entry : entries)
    m_list.AddContextMenu(CListMenuContext(entry.first, entry.second));
  const std::pair<int, DWORD> attributes[] = {{11, 3 | 8}, {12, 6}, {13, 4}, {99, 1}};
  for (const auto& attribute : attributes)
    m_list.SetContextMenuAttrib(attribute.first, attribute.second);
  EXPECT_EQ(0u, m_list.GetContextMenuAttrib(99)) << "no such entry";

  // A real right click on a selected row: the hook leaves it to the list view, which asks for
  // the context menu; without a receiver the list gets the command.
  Select(1);
  m_list.ExpectMenu({VK_DOWN, VK_RETURN});
  Click(m_list, WM_RBUTTONDOWN, CellPoint(1, 1));
  EXPECT_EQ("Open:10 - E:11/disabled E:12/grayed E:13/checked Plain:14", m_list.m_strMenu);
  EXPECT_EQ(1u, CBmpMenu::original_drawmode) << "the flat look";
  EXPECT_EQ(1u, CBmpMenu::xp_drawmode);
  PumpMessages(20);
  EXPECT_EQ(std::vector<UINT>{10}, m_list.m_commands);

  m_list.ResetContextMenuAttrib();
  CMenuOwner<CListParent> receiver;
  m_list.SetReceiveContextCmd(&receiver);
  receiver.ExpectMenu({VK_UP, VK_RETURN});
  m_list.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_list.m_hWnd), MAKELPARAM(60, 60));
  PumpMessages(20);
  EXPECT_EQ("Open:10 - E:11 E:12 E:13 Plain:14", receiver.m_strMenu);
  EXPECT_EQ(std::vector<UINT>{14}, receiver.m_commands);
  m_list.SetReceiveContextCmd(nullptr);
}

TEST_F(ChildListTest, AColumnHeadClickNamesTheColumnAndTheModifierKeys)
{
  CMessageBoxCatcher boxes;
  NMLISTVIEW notify = {};
  LRESULT lResult = 99;
  m_list.ClickListHead(&notify, nullptr);
  notify.iSubItem = 3;
  m_list.ClickListHead(&notify, &lResult);
  EXPECT_EQ(0, lResult);
  EXPECT_TRUE(boxes.m_boxes.empty()) << "no column 3";

  // Shift held down as the keyboard does it (input goes to the foreground window's desktop).
  m_parent.SetForegroundWindow();
  PumpMessages(20);
  INPUT shift = {};
  shift.type = INPUT_KEYBOARD;
  shift.ki.wVk = VK_SHIFT;
  ::SendInput(1, &shift, sizeof shift);
  PumpMessages(20);
  notify.iSubItem = 0;
  m_list.ClickListHead(&notify, &lResult);
  shift.ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(1, &shift, sizeof shift);
  PumpMessages(20);
  notify.iSubItem = 2;
  m_list.ClickListHead(&notify, &lResult);
  ASSERT_EQ(2u, boxes.m_boxes.size());
  EXPECT_EQ("Name shift-ON ctrl-OFF", boxes.m_boxes[0].text);
  EXPECT_EQ(std::vector<int>{IDOK}, boxes.m_boxes[0].buttons);
  EXPECT_EQ("Note shift-OFF ctrl-OFF", boxes.m_boxes[1].text);
}

TEST_F(ChildListTest, RowsDrawTheirTextsInTheColumnsAndTheSelectionHighlightedThroughOneBitmap)
{
  CRect rcItem;
  m_list.GetItemRect(0, &rcItem, LVIR_BOUNDS);
  CEntryCanvas plain(rcItem.right, rcItem.bottom);
  DrawEntry(m_list, plain, 0, m_records[0], rcItem, ODA_DRAWENTIRE, 0);
  // Each text on the window's background, 4 pixels into its column.
  for (int nColumn = 0; nColumn < 3; ++nColumn)
  {
    const CRect rcColumn = m_list.getColumnRect(0, nColumn);
    const int nLeft = plain.LeftmostNot(rcColumn, Sys(COLOR_WINDOW));
    EXPECT_NEAR(nLeft, rcColumn.left + 4, 1) << nColumn;
  }
  Select(0);
  CEntryCanvas selected(rcItem.right, rcItem.bottom);
  DrawEntry(m_list, selected, 0, m_records[0], rcItem, ODA_DRAWENTIRE, 0);
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), selected.Pixel(1, rcItem.top + 1));
  EXPECT_GT(selected.CountColour(m_list.getColumnRect(0, 2), Sys(COLOR_HIGHLIGHTTEXT)), 0);

  // A drag image: no highlight, the first text alone at the top left.
  m_list.SetCreateDragging(true);
  CEntryCanvas dragged(rcItem.right, rcItem.bottom);
  DrawEntry(m_list, dragged, 0, m_records[0], rcItem, ODA_DRAWENTIRE, 0);
  m_list.SetCreateDragging(false);
  EXPECT_EQ(0, dragged.CountColour(rcItem, Sys(COLOR_HIGHLIGHT)));
  ASSERT_GE(rcItem.top, 12);
  EXPECT_GE(dragged.LeftmostNot(CRect(0, 0, rcItem.right, rcItem.top), dragged.Background()), 0);
  EXPECT_EQ(-1, dragged.LeftmostNot(CRect(20, 0, rcItem.right, rcItem.top), dragged.Background()));

  // The list paints through one bitmap, without erasing.
  Select(1);
  CPixelCanvas erased(400, 200);
  EXPECT_TRUE(m_list.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.DC().m_hDC)));
  EXPECT_EQ(-1, erased.LeftmostNot(CRect(0, 0, 400, 200), erased.Background()));

  m_list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  CRect rcSelected, rcLast;
  m_list.GetItemRect(1, &rcSelected, LVIR_BOUNDS);
  m_list.GetItemRect(3, &rcLast, LVIR_BOUNDS);
  CPixelCanvas shown(m_list);
  // Between column 1's edge and its text.
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), shown.Pixel(101, rcSelected.top + 1));
  EXPECT_EQ(shown.Pixel(390, rcLast.bottom + 10), shown.Pixel(200, 190)) << "the space below the rows is even";
}
