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

struct SHookCall
{
  std::string strHook;
  CColumnItemData* pItemData;
  int nColumn;
  CRect rect;
  bool operator==(const SHookCall& other) const
  {
    return strHook == other.strHook && pItemData == other.pItemData && nColumn == other.nColumn && rect == other.rect;
  }
};

std::ostream& operator<<(std::ostream& out, const SHookCall& call)
{
  return out << call.strHook << "(" << call.pItemData << ", " << call.nColumn << ", " << call.rect.left << ","
             << call.rect.top << "," << call.rect.right << "," << call.rect.bottom << ")";
}

// A list that records its hook calls, answers them as told and owns its menus' tracking.
class CTestChildList : public CMenuOwner<CChildList>
{
public:
  using CChildList::getColumnRect;
  int OnClkLButton(CColumnItemData* pItemData, int nColumn, CRect* pRect) override
  {
    return record("L", pItemData, nColumn, *pRect);
  }
  int OnDblClkLButton(CColumnItemData* pItemData, int nColumn) override
  {
    return record("LL", pItemData, nColumn, CRect());
  }
  int OnClkRButton(CColumnItemData* pItemData, int nColumn) override
  {
    return record("R", pItemData, nColumn, CRect());
  }
  int OnDblClkRButton(CColumnItemData* pItemData, int nColumn) override
  {
    return record("RR", pItemData, nColumn, CRect());
  }

  std::vector<SHookCall> m_calls;
  int m_nAnswer = 0;

private:
  int record(const char* pszHook, CColumnItemData* pItemData, int nColumn, const CRect& rect)
  {
    m_calls.push_back({pszHook, pItemData, nColumn, rect});
    return m_nAnswer;
  }
};

class ChildListTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    CCanvas warmUp(1, 1);  // registers the list view class
    ASSERT_TRUE(Create(m_list));
    m_list.SetFont(CFont::FromHandle(m_hFont));
  }
  void TearDown() override
  {
    m_list.DestroyWindow();
    ::DeleteObject(m_hFont);
  }
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
  // Heads Name, Size, Note (shares 1, 1, 2) and rows a, b, c, d carrying the host objects.
  void Fill()
  {
    SetHeads(m_list, {{"Name", 1}, {"Size", 1}, {"Note", 2}});
    const char* names[] = {"a", "b", "c", "d"};
    for (int i = 0; i < 4; ++i)
    {
      m_records[i] = new CCountedRecord({names[i], "10", "note"}, m_nDeleted, &m_objects[i]);
      ASSERT_TRUE(m_list.AddColumnItemData(m_records[i]));
    }
    m_list.InitList();
  }
  bool Selected(int nItem) const { return m_list.GetItemState(nItem, LVIS_SELECTED) != 0; }
  CPoint CellPoint(int nRow, int nColumn, int nX = -1)
  {
    const CRect rect = m_list.getColumnRect(nRow, nColumn);
    return CPoint(nX >= 0 ? rect.left + nX : rect.CenterPoint().x, rect.CenterPoint().y);
  }

  HFONT m_hFont = CrispFont();
  CListParent m_parent;
  CTestChildList m_list;
  int m_nDeleted = 0;
  CCountedRecord* m_records[4] = {};
  int m_objects[4] = {};
};

TEST_F(ChildListTest, ColumnsTakeTheirShareOfTheWidthAndRowsShowTheRecords)
{
  CCountedRecord* pShort = new CCountedRecord({"x", "y"}, m_nDeleted);
  SetHeads(m_list, {{"Name", 1}, {"Size", 1}, {"Note", 2}});
  EXPECT_FALSE(m_list.AddColumnItemData(nullptr));
  EXPECT_FALSE(m_list.AddColumnItemData(pShort)) << "two texts for three columns";
  delete pShort;
  ASSERT_EQ(1, m_nDeleted) << "a refused record stays the caller's";
  m_list.RemoveAllColumnHeadData();
  Fill();
  EXPECT_FALSE(m_list.AddColumnItemData(m_records[1])) << "a record the list holds already";

  CRect rcClient;
  m_list.GetClientRect(&rcClient);
  ASSERT_EQ(400, rcClient.Width());
  EXPECT_EQ(100, m_list.GetColumnWidth(0));
  EXPECT_EQ(100, m_list.GetColumnWidth(1));
  EXPECT_EQ(200, m_list.GetColumnWidth(2));
  ASSERT_EQ(4, m_list.GetItemCount());
  EXPECT_EQ("b", std::string(m_list.GetItemText(1, 0)));
  EXPECT_EQ("note", std::string(m_list.GetItemText(3, 2)));
  EXPECT_EQ(reinterpret_cast<DWORD_PTR>(m_records[2]), m_list.GetItemData(2));
  EXPECT_EQ(m_records[3], m_list.GetColumnItemData(3));
  EXPECT_EQ(nullptr, m_list.GetColumnItemData(4));
  EXPECT_EQ(nullptr, m_list.GetColumnItemData(-1));
  CColumnHeadData head;
  EXPECT_TRUE(m_list.GetColumnHead(2, head));
  EXPECT_EQ("Note", std::string(head.GetColumnName()));
  EXPECT_EQ(2u, head.GetWidthRate());
  EXPECT_FALSE(m_list.GetColumnHead(3, head));

  CChildList unshared;
  ASSERT_TRUE(Create(unshared));
  SetHeads(unshared, {{"Name", 0}, {"Size", 0}});
  ASSERT_TRUE(unshared.AddColumnItemData(new CCountedRecord({"x", "y"}, m_nDeleted)));
  unshared.InitList();
  EXPECT_EQ(0, unshared.GetHeaderCtrl()->GetItemCount()) << "no shares, no columns";
  EXPECT_EQ(0, unshared.GetItemCount());
}

TEST_F(ChildListTest, CopiesTakeTheTextsAndRecordsFillItemsWithoutAList)
{
  Fill();
  int nHost = 0, nOtherHost = 0, nDeleted = 0;
  CCountedRecord source({"p", "q"}, nDeleted, &nHost);
  CColumnItemData copy(source);
  EXPECT_EQ(2, copy.GetDataStringSize());
  EXPECT_EQ(nullptr, copy.GetData()) << "a copy has no host object";
  CCountedRecord target({"x", "y", "z"}, nDeleted, &nOtherHost);
  static_cast<CColumnItemData&>(target) = source;
  CString strText;
  EXPECT_EQ(2, target.GetDataStringSize());
  EXPECT_TRUE(target.GetDataString(1, strText));
  EXPECT_EQ("q", std::string(strText));
  EXPECT_FALSE(target.GetDataString(2, strText));
  EXPECT_FALSE(target.GetDataString(-1, strText));
  EXPECT_EQ(&nOtherHost, target.GetData()) << "assignment keeps the host object";

  EXPECT_FALSE(copy.InsertItemData(0, nullptr));
  EXPECT_FALSE(copy.UpdateItemData(0, nullptr));
  EXPECT_TRUE(copy.UpdateItemData(3, &m_list));
  EXPECT_EQ("q", std::string(m_list.GetItemText(3, 1)));
  EXPECT_EQ("", std::string(m_list.GetItemText(3, 2))) << "a missing text empties the cell";
  EXPECT_EQ(reinterpret_cast<DWORD_PTR>(&copy), m_list.GetItemData(3));
  m_list.SetItemData(3, reinterpret_cast<DWORD_PTR>(m_records[3]));
}

TEST_F(ChildListTest, RecordsAreFreedWhenRemovedAndWithTheList)
{
  {
    CChildList list;
    ASSERT_TRUE(Create(list));
    SetHeads(list, {{"Name", 1}});
    for (const char* pszName : {"a", "b", "c"})
      ASSERT_TRUE(list.AddColumnItemData(new CCountedRecord({pszName}, m_nDeleted)));
    list.InitList();
    list.RemoveAllColumnItemData(true);
    EXPECT_EQ(3, m_nDeleted);
    EXPECT_EQ(0, list.GetItemCount());
    EXPECT_EQ(nullptr, list.GetColumnItemData(0));
    ASSERT_TRUE(list.AddColumnItemData(new CCountedRecord({"d"}, m_nDeleted)));
    ASSERT_TRUE(list.AddColumnItemData(new CCountedRecord({"e"}, m_nDeleted)));
    list.InsertColumnItemData();
    EXPECT_EQ(2, list.GetItemCount());
    EXPECT_EQ("e", std::string(list.GetItemText(1, 0)));
  }
  EXPECT_EQ(5, m_nDeleted) << "the list's destructor frees the rest";
}

TEST_F(ChildListTest, RefreshingInPlaceKeepsNoItemOnAFreedRecord)
{
  Fill();
  m_list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  m_list.RemoveAllColumnItemData(false);
  EXPECT_EQ(4, m_nDeleted);
  EXPECT_EQ(4, m_list.GetItemCount()) << "the items stay";
  EXPECT_FALSE(Selected(1)) << "but lose their selection";
  EXPECT_EQ(nullptr, m_list.GetFocusItem());
  EXPECT_EQ(nullptr, m_list.GetFocusItemEx());
  CArray<CColumnItemData*, CColumnItemData*> arrItem;
  m_list.GetAllItem(arrItem);
  EXPECT_EQ(0, arrItem.GetSize());
  EXPECT_EQ(-1, m_list.GetIndexItemEx(&m_objects[0]));
  CCanvas canvas(400, 20);
  DRAWITEMSTRUCT draw = DrawStruct(m_list, canvas, 1, nullptr, CRect(0, 0, 400, 20), ODA_DRAWENTIRE, ODS_SELECTED);
  m_list.DrawItem(&draw);
  EXPECT_EQ(400 * 20, canvas.Count(CRect(0, 0, 400, 20), canvas.Background())) << "a row without record";

  int objects[5];
  CCountedRecord* fresh[5];
  for (int i = 0; i < 5; ++i)
  {
    fresh[i] = new CCountedRecord({"new", std::to_string(i).c_str(), ""}, m_nDeleted, &objects[i]);
    ASSERT_TRUE(m_list.AddColumnItemData(fresh[i]));
  }
  m_list.UpdateColumnItemData();
  ASSERT_EQ(5, m_list.GetItemCount());
  for (int i = 0; i < 5; ++i)
  {
    SCOPED_TRACE(i);
    EXPECT_EQ(std::to_string(i), std::string(m_list.GetItemText(i, 1)));
    EXPECT_EQ("", std::string(m_list.GetItemText(i, 2)));
    EXPECT_EQ(i, m_list.GetIndexItem(fresh[i]));
    EXPECT_EQ(i, m_list.GetIndexItemEx(&objects[i]));
  }
}

TEST_F(ChildListTest, SelectionAndFocusByRecordAndByHostObject)
{
  Fill();
  m_records[2]->SetData(nullptr);
  m_list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
  CArray<void*, void*> arrNone;
  m_list.SetSelectItemEx(arrNone);
  EXPECT_TRUE(Selected(0)) << "an empty array changes nothing";
  EXPECT_EQ(1u, m_list.GetSelectedCount());

  CArray<void*, void*> arrChosen;
  arrChosen.Add(&m_objects[1]);
  arrChosen.Add(&m_objects[3]);
  m_list.SetSelectItemEx(arrChosen);
  EXPECT_TRUE(Selected(0)) << "never deselects";
  EXPECT_TRUE(Selected(1));
  EXPECT_FALSE(Selected(2));
  EXPECT_TRUE(Selected(3));

  m_list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
  int nSentinel = 0;
  CArray<void*, void*> arrSelected;
  arrSelected.Add(&nSentinel);
  m_list.GetSelectItemEx(arrSelected);
  ASSERT_EQ(4, arrSelected.GetSize()) << "appended, the row without host object left out";
  EXPECT_EQ(&nSentinel, arrSelected[0]);
  EXPECT_EQ(&m_objects[0], arrSelected[1]);
  EXPECT_EQ(&m_objects[1], arrSelected[2]);
  EXPECT_EQ(&m_objects[3], arrSelected[3]);
  CArray<CColumnItemData*, CColumnItemData*> arrRecords;
  m_list.GetSelectItem(arrRecords);
  ASSERT_EQ(4, arrRecords.GetSize());
  EXPECT_EQ(m_records[2], arrRecords[2]);
  CArray<void*, void*> arrAll;
  m_list.GetAllItemEx(arrAll);
  EXPECT_EQ(3, arrAll.GetSize());

  m_list.SetFocusItemEx(&m_objects[3]);
  EXPECT_EQ(m_records[3], m_list.GetFocusItem());
  EXPECT_EQ(&m_objects[3], m_list.GetFocusItemEx());
  m_list.SetFocusItemEx(&nSentinel);
  EXPECT_EQ(&m_objects[3], m_list.GetFocusItemEx()) << "an unknown object moves no focus";
  EXPECT_EQ(3, m_list.GetIndexItemEx(&m_objects[3]));
  EXPECT_EQ(-1, m_list.GetIndexItemEx(&nSentinel));
  EXPECT_EQ(-1, m_list.GetIndexItemEx(nullptr));
  EXPECT_EQ(2, m_list.GetIndexItem(m_records[2]));
  EXPECT_EQ(-1, m_list.GetIndexItem(nullptr));
}

TEST_F(ChildListTest, SingleClicksOnCellsOfASelectedRowReachTheHooks)
{
  Fill();
  m_parent.SetFocus();
  Click(m_list, WM_LBUTTONDOWN, CellPoint(1, 1));
  EXPECT_TRUE(m_list.m_calls.empty()) << "the first click selects";
  EXPECT_TRUE(Selected(1));
  EXPECT_EQ(&m_list, CWnd::GetFocus());

  Click(m_list, WM_LBUTTONDOWN, CellPoint(1, 1));
  CRect rcWindow, rcScreen = m_list.getColumnRect(1, 1);
  m_list.GetWindowRect(&rcWindow);
  rcScreen.OffsetRect(rcWindow.TopLeft());
  const std::vector<SHookCall> expected = {{"L", m_records[1], 1, rcScreen}};
  EXPECT_EQ(expected, m_list.m_calls);

  m_list.m_calls.clear();
  Click(m_list, WM_LBUTTONDOWN, CellPoint(1, 0));
  Click(m_list, WM_LBUTTONDOWN, CellPoint(1, 1, 2));
  Click(m_list, WM_LBUTTONDOWN, CellPoint(1, 1, 100 - 4));
  EXPECT_TRUE(m_list.m_calls.empty()) << "column 0, and the edges of a cell, are not offered";
  Click(m_list, WM_LBUTTONDOWN, CellPoint(1, 1, 3));
  Click(m_list, WM_LBUTTONDOWN, CellPoint(1, 2, 200 - 5));
  ASSERT_EQ(2u, m_list.m_calls.size());
  EXPECT_EQ(1, m_list.m_calls[0].nColumn);
  EXPECT_EQ(2, m_list.m_calls[1].nColumn);

  m_list.m_calls.clear();
  m_list.SetButtonClkStartColumn(0);
  Click(m_list, WM_LBUTTONDOWN, CellPoint(1, 0));
  ASSERT_EQ(1u, m_list.m_calls.size());
  EXPECT_EQ(0, m_list.m_calls[0].nColumn);

  m_list.m_calls.clear();
  Click(m_list, WM_RBUTTONDOWN, CellPoint(1, 2));
  ASSERT_EQ(1u, m_list.m_calls.size());
  EXPECT_EQ("R", m_list.m_calls[0].strHook);
  Click(m_list, WM_RBUTTONDOWN, CellPoint(2, 2));
  EXPECT_EQ(1u, m_list.m_calls.size()) << "a right click on an unselected row";
}

TEST_F(ChildListTest, AHandledClickKeepsTheListViewOutAndEmptySpaceChangesNothing)
{
  Fill();
  m_list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
  m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  m_list.m_nAnswer = 1;
  Click(m_list, WM_LBUTTONDOWN, CellPoint(1, 1));
  EXPECT_EQ(1u, m_list.m_calls.size());
  EXPECT_TRUE(Selected(0) && Selected(1)) << "handled: the list view did not select the row alone";
  m_list.m_nAnswer = 0;
  Click(m_list, WM_LBUTTONDOWN, CellPoint(1, 1));
  EXPECT_FALSE(Selected(0)) << "not handled: the list view's own click";
  EXPECT_TRUE(Selected(1));

  CRect rcLast;
  m_list.GetItemRect(3, &rcLast, LVIR_BOUNDS);
  m_list.m_calls.clear();
  m_parent.SetFocus();
  Click(m_list, WM_LBUTTONDOWN, CPoint(150, rcLast.bottom + 20));
  EXPECT_TRUE(Selected(1)) << "below the rows";
  EXPECT_EQ(&m_list, CWnd::GetFocus());
  Click(m_list, WM_RBUTTONDOWN, CPoint(150, rcLast.bottom + 20));
  Click(m_list, WM_LBUTTONDBLCLK, CPoint(150, rcLast.bottom + 20));
  EXPECT_TRUE(Selected(1));
  EXPECT_TRUE(m_list.m_calls.empty());
}

TEST_F(ChildListTest, DoubleClicksOnAnyRowReachTheHooks)
{
  Fill();
  Click(m_list, WM_LBUTTONDBLCLK, CellPoint(2, 1));
  Click(m_list, WM_RBUTTONDBLCLK, CellPoint(3, 2));
  const std::vector<SHookCall> expected = {{"LL", m_records[2], 1, CRect()}, {"RR", m_records[3], 2, CRect()}};
  EXPECT_EQ(expected, m_list.m_calls);
}

// Sets the bitmap menus' class-wide look for a test and puts it back.
class CDrawModeScope
{
public:
  CDrawModeScope() : m_original(CBmpMenu::original_drawmode), m_xp(CBmpMenu::xp_drawmode)
  {
    CBmpMenu::original_drawmode = 0;
    CBmpMenu::xp_drawmode = 0;
  }
  ~CDrawModeScope()
  {
    CBmpMenu::original_drawmode = m_original;
    CBmpMenu::xp_drawmode = m_xp;
  }

private:
  UINT m_original, m_xp;
};

TEST_F(ChildListTest, TheContextMenuShowsTheEntriesAsTheirAttributesSay)
{
  Fill();
  CDrawModeScope look;
  m_list.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_list.m_hWnd), MAKELPARAM(50, 50));
  EXPECT_EQ(0u, CBmpMenu::original_drawmode) << "no entries: no menu";

  m_list.AddContextMenu(CListMenuContext(10, "Open"));
  m_list.AddContextMenu(CListMenuContext(0, ""));
  for (int nID : {11, 12, 13})
    m_list.AddContextMenu(CListMenuContext(nID, ("Entry" + std::to_string(nID)).c_str()));
  m_list.AddContextMenu(CListMenuContext(-1, "Hidden"));
  m_list.AddContextMenu(CListMenuContext(14, "Plain"));
  m_list.SetContextMenuAttrib(11, 3 | 8);
  m_list.SetContextMenuAttrib(12, 6);
  m_list.SetContextMenuAttrib(13, 4);
  m_list.SetContextMenuAttrib(99, 1);
  EXPECT_EQ(3u, m_list.GetContextMenuAttrib(11)) << "attributes keep three bits";
  EXPECT_EQ(0u, m_list.GetContextMenuAttrib(99));

  // A real right click on a selected row: the hook leaves it to the list view, which asks for
  // the context menu.
  m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  m_list.ExpectMenu({VK_DOWN, VK_RETURN});
  Click(m_list, WM_RBUTTONDOWN, CellPoint(1, 1));
  EXPECT_EQ("Open:10 - Entry11:11/disabled Entry12:12/grayed Entry13:13/checked Plain:14", m_list.m_strMenu);
  EXPECT_EQ(1u, CBmpMenu::original_drawmode) << "the flat look";
  EXPECT_EQ(1u, CBmpMenu::xp_drawmode);
  PumpMessages(20);
  EXPECT_EQ(std::vector<UINT>{10}, m_list.m_commands) << "without a receiver the list gets the command";

  m_list.ResetContextMenuAttrib();
  EXPECT_EQ(0u, m_list.GetContextMenuAttrib(11));
  CMenuOwner<CListParent> receiver;
  m_list.SetReceiveContextCmd(&receiver);
  receiver.ExpectMenu({VK_UP, VK_RETURN});
  m_list.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_list.m_hWnd), MAKELPARAM(60, 60));
  PumpMessages(20);
  EXPECT_EQ("Open:10 - Entry11:11 Entry12:12 Entry13:13 Plain:14", receiver.m_strMenu);
  EXPECT_EQ(std::vector<UINT>{14}, receiver.m_commands);
  EXPECT_EQ(std::vector<UINT>{10}, m_list.m_commands);
  m_list.SetReceiveContextCmd(nullptr);
}

// Holds a key down, as the keyboard does, for the life of the object.
class CKeyHeld
{
public:
  explicit CKeyHeld(WORD wKey) : m_wKey(wKey) { send(0); }
  ~CKeyHeld() { send(KEYEVENTF_KEYUP); }

private:
  void send(DWORD dwFlags)
  {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = m_wKey;
    input.ki.dwFlags = dwFlags;
    ::SendInput(1, &input, sizeof input);
    PumpMessages(20);
  }
  WORD m_wKey;
};

TEST_F(ChildListTest, AColumnHeadClickNamesTheColumnAndTheModifierKeys)
{
  Fill();
  CMessageBoxCatcher boxes;
  NMLISTVIEW notify = {};
  LRESULT lResult = 99;
  m_list.ClickListHead(nullptr, &lResult);
  m_list.ClickListHead(&notify, nullptr);
  EXPECT_EQ(99, lResult);
  notify.iSubItem = 3;
  m_list.ClickListHead(&notify, &lResult);
  EXPECT_EQ(0, lResult);
  EXPECT_TRUE(boxes.m_boxes.empty()) << "no column 3";

  notify.iSubItem = 0;
  // Key input goes to the foreground window's desktop.
  m_parent.SetForegroundWindow();
  PumpMessages(20);
  {
    CKeyHeld shift(VK_SHIFT);
    m_list.ClickListHead(&notify, &lResult);
  }
  notify.iSubItem = 2;
  m_list.ClickListHead(&notify, &lResult);
  ASSERT_EQ(2u, boxes.m_boxes.size());
  EXPECT_EQ("Name shift-ON ctrl-OFF", boxes.m_boxes[0].text);
  EXPECT_EQ(std::vector<int>{IDOK}, boxes.m_boxes[0].buttons);
  EXPECT_EQ("Note shift-OFF ctrl-OFF", boxes.m_boxes[1].text);
}

TEST_F(ChildListTest, RowsDrawTheirTextsInTheColumnsAndTheSelectionHighlighted)
{
  Fill();
  CRect rcItem;
  m_list.GetItemRect(0, &rcItem, LVIR_BOUNDS);
  const CRect rcRow(0, 0, rcItem.Width(), rcItem.Height());
  auto draw = [&](CCanvas& canvas) {
    ::SelectObject(canvas.DC(), m_hFont);
    DRAWITEMSTRUCT item = DrawStruct(m_list, canvas, 0, m_records[0], rcItem, ODA_DRAWENTIRE, 0);
    m_list.DrawItem(&item);
    ::SelectObject(canvas.DC(), ::GetStockObject(SYSTEM_FONT));
  };
  {
    CCanvas canvas(rcItem.right, rcItem.bottom);
    draw(canvas);
    EXPECT_EQ(Sys(COLOR_WINDOW), canvas.Pixel(1, rcItem.top + 1));
    for (int nColumn = 0; nColumn < 3; ++nColumn)
    {
      SCOPED_TRACE(nColumn);
      const CRect rcColumn = m_list.getColumnRect(0, nColumn);
      const int nLeft = canvas.FirstColumnNot(rcColumn, Sys(COLOR_WINDOW));
      EXPECT_GE(nLeft, rcColumn.left + 3);
      EXPECT_LT(nLeft, rcColumn.left + 6);
    }
  }
  m_list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
  {
    CCanvas canvas(rcItem.right, rcItem.bottom);
    draw(canvas);
    EXPECT_EQ(Sys(COLOR_HIGHLIGHT), canvas.Pixel(1, rcItem.top + 1));
    EXPECT_GT(canvas.Count(m_list.getColumnRect(0, 2), Sys(COLOR_HIGHLIGHTTEXT)), 0);
  }
  m_list.SetCreateDragging(true);
  {
    CCanvas canvas(rcItem.right, rcItem.bottom);
    draw(canvas);
    EXPECT_EQ(0, canvas.Count(rcItem, Sys(COLOR_HIGHLIGHT))) << "a drag image: no highlight";
    ASSERT_GE(rcItem.top, 12);
    EXPECT_GE(canvas.FirstColumnNot(CRect(0, 0, rcItem.right, rcItem.top), canvas.Background()), 0)
      << "the first text at the top left";
    EXPECT_EQ(-1, canvas.FirstColumnNot(CRect(20, 0, rcItem.right, rcItem.top), canvas.Background()));
  }
  m_list.SetCreateDragging(false);
}

TEST_F(ChildListTest, PaintingGoesThroughOneBitmapWithoutErasing)
{
  Fill();
  m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  CCanvas erased(400, 200);
  EXPECT_TRUE(m_list.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.DC().m_hDC)));
  EXPECT_EQ(400 * 200, erased.Count(CRect(0, 0, 400, 200), erased.Background()));

  m_list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  CRect rcSelected, rcLast;
  m_list.GetItemRect(1, &rcSelected, LVIR_BOUNDS);
  m_list.GetItemRect(3, &rcLast, LVIR_BOUNDS);
  CClientDC dc(&m_list);
  // Between column 1's edge and its text.
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), dc.GetPixel(101, rcSelected.top + 1));
  EXPECT_EQ(Sys(COLOR_WINDOW), dc.GetPixel(101, rcSelected.top - 2));
  EXPECT_EQ(dc.GetPixel(390, rcLast.bottom + 10), dc.GetPixel(200, 190)) << "the space below the rows is even";
}
}
