// The colour combo box, list box and list control: entries drawn into a memory context and
// checked by their pixels (swatch, name, selection, focus, read-only and disabled looks), the
// controls' own painting through reflection, name and index look-ups, sorting and the item
// height that fills the list box.
#include "../TextCodes.h"
#include "ListsTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kRed = RGB(220, 20, 30);
const COLORREF kBlue = RGB(20, 40, 200);
const COLORREF kGreen = RGB(30, 160, 40);
// The text colour a canvas starts with, so that the name's pixels stand apart from outlines.
const COLORREF kInk = RGB(90, 0, 120);
const UINT kDrawEntire = ODA_DRAWENTIRE;

// A canvas with the crisp font and the test's ink selected.
struct SEntryCanvas : CCanvas
{
  SEntryCanvas(int cx, int cy) : CCanvas(cx, cy), m_hFont(CrispFont())
  {
    m_hOldFont = ::SelectObject(DC(), m_hFont);
    DC().SetTextColor(kInk);
  }
  ~SEntryCanvas()
  {
    ::SelectObject(DC(), m_hOldFont);
    ::DeleteObject(m_hFont);
  }
  HFONT m_hFont;
  HGDIOBJ m_hOldFont;
};

// The swatch's outline on all four sides and its fill in the middle.
void ExpectSwatch(const CCanvas& canvas, const CRect& rcSwatch, COLORREF crOutline, COLORREF crFill, const char* pszCase)
{
  SCOPED_TRACE(pszCase);
  EXPECT_EQ(crOutline, canvas.Pixel(rcSwatch.left, rcSwatch.top));
  EXPECT_EQ(crOutline, canvas.Pixel(rcSwatch.right - 1, rcSwatch.bottom - 1));
  EXPECT_EQ(crFill, canvas.Pixel(rcSwatch.left + 1, rcSwatch.top + 1));
  EXPECT_EQ(crFill, canvas.Pixel(rcSwatch.CenterPoint().x, rcSwatch.CenterPoint().y));
  EXPECT_NE(crOutline, canvas.Pixel(rcSwatch.right, rcSwatch.top + 1)) << "outline ends at the swatch";
}

class ColorComboTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    ASSERT_TRUE(m_combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                               CRect(10, 10, 210, 200), &m_parent, 100));
    m_combo.SetFont(CFont::FromHandle(m_hFont));
  }
  void TearDown() override
  {
    m_combo.DestroyWindow();
    ::DeleteObject(m_hFont);
  }
  void Add(CColorItem* pItem)
  {
    const int nPosition = m_combo.InsertString(-1, "");
    m_combo.SetItemDataPtr(nPosition, pItem);
  }
  void Draw(SEntryCanvas& canvas, const CColorItem* pItem, UINT nAction, UINT nState, int nItemID = 0)
  {
    DRAWITEMSTRUCT draw = DrawStruct(m_combo, canvas, nItemID, pItem, CRect(0, 0, 200, 16), nAction, nState);
    m_combo.DrawItem(&draw);
  }

  HFONT m_hFont = CrispFont();
  CListParent m_parent;
  CColorComboBox m_combo;
};

TEST_F(ColorComboTest, DrawsTheSwatchAndNameAndRedrawsTheSelectionInHighlightColours)
{
  CColorItem red(1, kRed, "Red");
  // Item height 16: the swatch is (2, 2)-(34, 14), the name starts 3 pixels after it.
  const CRect rcSwatch(2, 2, 34, 14);
  {
    SEntryCanvas canvas(200, 16);
    Draw(canvas, &red, kDrawEntire, 0);
    ExpectSwatch(canvas, rcSwatch, RGB(0, 0, 0), kRed, "first pass: black outline");
    EXPECT_EQ(canvas.Background(), canvas.Pixel(1, 8)) << "the first pass fills no background";
    const int nNameLeft = canvas.FirstColumnNot(CRect(34, 0, 200, 16), canvas.Background());
    EXPECT_GE(nNameLeft, 37);
    EXPECT_LT(nNameLeft, 40);
    EXPECT_GT(canvas.Count(CRect(37, 0, 200, 16), kInk), 0) << "the name in the current colours";
  }
  {
    SEntryCanvas canvas(200, 16);
    Draw(canvas, &red, kDrawEntire, ODS_SELECTED);
    EXPECT_EQ(Sys(COLOR_HIGHLIGHT), canvas.Pixel(1, 8));
    EXPECT_EQ(Sys(COLOR_HIGHLIGHT), canvas.Pixel(199, 15));
    ExpectSwatch(canvas, rcSwatch, Sys(COLOR_HIGHLIGHTTEXT), kRed, "selected");
    EXPECT_GT(canvas.Count(CRect(37, 0, 200, 16), Sys(COLOR_HIGHLIGHTTEXT)), 0);
    EXPECT_EQ(0, canvas.Count(CRect(37, 0, 200, 16), kInk));
  }
  {
    SEntryCanvas canvas(200, 16);
    Draw(canvas, &red, ODA_SELECT, 0);
    EXPECT_EQ(Sys(COLOR_WINDOW), canvas.Pixel(1, 8)) << "deselected: the window's background";
    ExpectSwatch(canvas, rcSwatch, Sys(COLOR_WINDOWTEXT), kRed, "deselected");
  }
}

TEST_F(ColorComboTest, ATextOnlyRecordAndMissingRecordsDrawNoSwatch)
{
  CColorItem text(1, CColorItem::NO_COLOR, "(none)");
  SEntryCanvas canvas(200, 16);
  Draw(canvas, &text, kDrawEntire, 0);
  const int nNameLeft = canvas.FirstColumnNot(CRect(0, 0, 200, 16), canvas.Background());
  EXPECT_GE(nNameLeft, 2) << "the text starts 2 pixels from the left";
  EXPECT_LT(nNameLeft, 5);
  EXPECT_EQ(0, canvas.Count(CRect(0, 0, 200, 16), RGB(0, 0, 0))) << "no outline";
  EXPECT_EQ(0, canvas.Count(CRect(0, 0, 200, 16), RGB(255, 255, 255))) << "no fill of the no-colour value";

  SEntryCanvas empty(200, 16);
  Draw(empty, nullptr, kDrawEntire, ODS_SELECTED | ODS_FOCUS);
  EXPECT_EQ(200 * 16, empty.Count(CRect(0, 0, 200, 16), empty.Background())) << "an entry without record";
}

TEST_F(ColorComboTest, FocusRectangleOnlyWithTheKeyboardFocusOrForTheEmptyEntry)
{
  CColorItem red(1, kRed, "Red");
  m_parent.SetFocus();
  SEntryCanvas unfocused(200, 16);
  Draw(unfocused, &red, kDrawEntire, ODS_SELECTED | ODS_FOCUS);
  EXPECT_EQ(16, unfocused.Count(CRect(0, 0, 1, 16), Sys(COLOR_HIGHLIGHT))) << "the combo box has no focus: no rectangle";

  m_combo.SetFocus();
  ASSERT_EQ(&m_combo, CWnd::GetFocus());
  SEntryCanvas focused(200, 16);
  Draw(focused, &red, kDrawEntire, ODS_SELECTED | ODS_FOCUS);
  EXPECT_GT(focused.Count(CRect(0, 0, 1, 16), Sys(COLOR_HIGHLIGHT)), 0) << "a dotted line";
  EXPECT_LT(focused.Count(CRect(0, 0, 1, 16), Sys(COLOR_HIGHLIGHT)), 16) << "inverts the edge";
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), focused.Pixel(1, 8)) << "inside the edge";

  SEntryCanvas emptyEntry(200, 16);
  Draw(emptyEntry, nullptr, kDrawEntire, ODS_FOCUS, -1);
  EXPECT_LT(emptyEntry.Count(CRect(0, 0, 200, 1), emptyEntry.Background()), 200);
  EXPECT_EQ(emptyEntry.Background(), emptyEntry.Pixel(5, 8));
  SEntryCanvas emptyUnfocused(200, 16);
  Draw(emptyUnfocused, nullptr, kDrawEntire, 0, -1);
  EXPECT_EQ(200 * 16, emptyUnfocused.Count(CRect(0, 0, 200, 16), emptyUnfocused.Background()));
}

TEST_F(ColorComboTest, FindsNamesByPositionAndIndicesByName)
{
  CColorItem red(10, kRed, cp932("赤").c_str());
  CColorItem blue(20, kBlue, "Blue");
  CColorItem lowerBlue(30, kGreen, "blue");
  CColorItem secondBlue(40, kBlue, "Blue");
  Add(&red);
  Add(&blue);
  Add(&lowerBlue);
  Add(&secondBlue);
  Add(nullptr);

  EXPECT_EQ(10, m_combo.GetColorIndex(cp932("赤").c_str()));
  EXPECT_EQ(20, m_combo.GetColorIndex("Blue")) << "the index member of the lower position";
  EXPECT_EQ(30, m_combo.GetColorIndex("blue")) << "case counts";
  EXPECT_EQ(-1, m_combo.GetColorIndex("BLUE"));
  EXPECT_EQ(-1, m_combo.GetColorIndex("Magenta"));
  EXPECT_EQ(-1, m_combo.GetColorIndex(""));

  EXPECT_EQ("Blue", std::string(m_combo.GetColorName(1)));
  EXPECT_EQ(cp932("赤"), std::string(m_combo.GetColorName(0)));
  EXPECT_EQ("", std::string(m_combo.GetColorName(4))) << "an entry without record";
  EXPECT_EQ("", std::string(m_combo.GetColorName(5)));
  EXPECT_EQ("", std::string(m_combo.GetColorName(-1)));
}

TEST_F(ColorComboTest, TheClosedBoxShowsTheColourChosenByName)
{
  CColorItem red(10, kRed, "Red");
  CColorItem blue(20, kBlue, "Blue");
  Add(&red);
  Add(&blue);
  for (int nPosition = 0; nPosition < m_combo.GetCount(); ++nPosition)
  {
    if (m_combo.GetColorName(nPosition) == "Blue")
      m_combo.SetCurSel(nPosition);
  }
  ASSERT_EQ(1, m_combo.GetCurSel());
  CRect rcCombo;
  m_combo.GetClientRect(&rcCombo);
  SEntryCanvas canvas(rcCombo.Width(), rcCombo.Height());
  m_combo.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.DC().m_hDC), PRF_CLIENT);
  EXPECT_GT(canvas.Count(rcCombo, kBlue), 20);
  EXPECT_EQ(0, canvas.Count(rcCombo, kRed));
}

class ColorListBoxTest : public ::testing::Test
{
protected:
  void TearDown() override { ::DeleteObject(m_hFont); }
  bool Create(CColorListBox& list, const CRect& rect, DWORD dwStyle = 0)
  {
    return list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | dwStyle, rect,
                       &m_parent, 101) != FALSE;
  }
  void Draw(CColorListBox& list, SEntryCanvas& canvas, const CColorItem* pItem, UINT nAction, UINT nState)
  {
    DRAWITEMSTRUCT draw = DrawStruct(list, canvas, 0, pItem, CRect(0, 0, 150, 16), nAction, nState);
    list.DrawItem(&draw);
  }

  HFONT m_hFont = CrispFont(13);
  CListParent m_parent{m_hFont};
};

TEST_F(ColorListBoxTest, ItemsAsHighAsMakeAWholeNumberFillTheBox)
{
  CClientDC dc(&m_parent);
  CFont* pOld = dc.SelectObject(CFont::FromHandle(m_hFont));
  const int nTextHeight = dc.GetTextExtent("Ag", 2).cy;
  dc.SelectObject(pOld);
  ASSERT_EQ(13, nTextHeight) << "the parent's font";
  // Client height: item height (t + 3 = 16 at most).
  const std::pair<int, int> cases[] = {{100, 16}, {40, 13}, {64, 16}, {33, 16}, {17, 8}, {16, 16}, {12, 12}};
  for (const auto& entry : cases)
  {
    SCOPED_TRACE(entry.first);
    CColorListBox list;
    ASSERT_TRUE(Create(list, CRect(0, 0, 120, entry.first)));
    EXPECT_EQ(entry.second, list.GetItemHeight(0));
  }
}

TEST_F(ColorListBoxTest, SortsByTheRecordsIndex)
{
  CColorListBox list;
  ASSERT_TRUE(Create(list, CRect(0, 0, 150, 100), LBS_SORT));
  CColorItem five(5, kRed, "Five"), one(1, kBlue, "One"), three(3, kGreen, "Three"), otherThree(3, kRed, "Three'");
  for (CColorItem* pItem : {&five, &one, &three, &otherThree})
    list.AddString(reinterpret_cast<LPCTSTR>(pItem));
  ASSERT_EQ(4, list.GetCount());
  std::vector<int> order;
  for (int i = 0; i < list.GetCount(); ++i)
    order.push_back(static_cast<CColorItem*>(list.GetItemDataPtr(i))->GetIndex());
  EXPECT_EQ((std::vector<int>{1, 3, 3, 5}), order);
}

TEST_F(ColorListBoxTest, DrawsSwatchAndNameSelectedReadOnlyAndDisabled)
{
  CColorListBox list;
  ASSERT_TRUE(Create(list, CRect(0, 0, 150, 100)));
  CColorItem red(1, kRed, "Red");
  // Height 16: swatch (2, 2)-(34, 14), name one item height after it, from 50.
  const CRect rcSwatch(2, 2, 34, 14), rcName(50, 0, 150, 16);
  {
    SEntryCanvas canvas(150, 16);
    Draw(list, canvas, &red, kDrawEntire, 0);
    EXPECT_EQ(Sys(COLOR_WINDOW), canvas.Pixel(1, 8));
    ExpectSwatch(canvas, rcSwatch, Sys(COLOR_WINDOWTEXT), kRed, "plain");
    const int nNameLeft = canvas.FirstColumnNot(CRect(34, 0, 150, 16), Sys(COLOR_WINDOW));
    EXPECT_GE(nNameLeft, 50);
    EXPECT_LT(nNameLeft, 53);
  }
  {
    SEntryCanvas canvas(150, 16);
    Draw(list, canvas, &red, kDrawEntire, ODS_SELECTED);
    EXPECT_EQ(Sys(COLOR_HIGHLIGHT), canvas.Pixel(1, 8));
    ExpectSwatch(canvas, rcSwatch, Sys(COLOR_HIGHLIGHTTEXT), kRed, "selected");
    EXPECT_GT(canvas.Count(rcName, Sys(COLOR_HIGHLIGHTTEXT)), 0);
  }
  list.SetReadOnlyFlag(true);
  {
    SEntryCanvas canvas(150, 16);
    Draw(list, canvas, &red, kDrawEntire, ODS_SELECTED);
    EXPECT_EQ(Sys(COLOR_INACTIVECAPTIONTEXT), canvas.Pixel(1, 8)) << "read-only shows no selection";
    EXPECT_EQ(0, canvas.Count(CRect(0, 0, 150, 16), Sys(COLOR_HIGHLIGHT)));
    ExpectSwatch(canvas, rcSwatch, Sys(COLOR_WINDOWTEXT), kRed, "read-only");
    EXPECT_GT(canvas.Count(rcName, Sys(COLOR_WINDOWTEXT)), 0);
  }
  list.SetReadOnlyFlag(false);
  list.EnableWindow(FALSE);
  {
    SEntryCanvas canvas(150, 16);
    Draw(list, canvas, &red, kDrawEntire, ODS_SELECTED);
    EXPECT_EQ(Sys(COLOR_INACTIVECAPTIONTEXT), canvas.Pixel(1, 8));
    EXPECT_GT(canvas.Count(rcName, Sys(COLOR_GRAYTEXT)), 0) << "a disabled list greys its names";
    EXPECT_EQ(0, canvas.Count(rcName, Sys(COLOR_HIGHLIGHTTEXT)));
  }
}

TEST_F(ColorListBoxTest, TheSwatchStopsShortOfANarrowBox)
{
  CColorListBox list;
  ASSERT_TRUE(Create(list, CRect(0, 0, 30, 100)));
  CColorItem red(1, kRed, "Red");
  SEntryCanvas canvas(150, 16);
  Draw(list, canvas, &red, kDrawEntire, 0);
  ExpectSwatch(canvas, CRect(2, 2, 28, 14), Sys(COLOR_WINDOWTEXT), kRed, "narrow");
  EXPECT_GE(canvas.FirstColumnNot(CRect(29, 0, 150, 16), Sys(COLOR_WINDOW)), 28 + 16);
}

TEST_F(ColorListBoxTest, PaintsItsEntriesAndTheReadOnlyBackgroundThroughTheControl)
{
  CColorListBox list;
  ASSERT_TRUE(Create(list, CRect(0, 0, 150, 64)));
  CColorItem red(1, kRed, "Red"), blue(2, kBlue, "Blue");
  list.AddString(reinterpret_cast<LPCTSTR>(&red));
  list.AddString(reinterpret_cast<LPCTSTR>(&blue));
  list.SetCurSel(1);
  ASSERT_EQ(16, list.GetItemHeight(0));
  SEntryCanvas canvas(150, 64);
  list.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.DC().m_hDC), PRF_CLIENT);
  EXPECT_EQ(kRed, canvas.Pixel(10, 8));
  EXPECT_EQ(Sys(COLOR_WINDOW), canvas.Pixel(1, 8));
  EXPECT_EQ(kBlue, canvas.Pixel(10, 24));
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), canvas.Pixel(1, 24)) << "the selected entry";

  list.SetReadOnlyFlag(true);
  SEntryCanvas erased(150, 64);
  EXPECT_TRUE(list.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.DC().m_hDC)));
  EXPECT_EQ(150 * 64, erased.Count(CRect(0, 0, 150, 64), Sys(COLOR_INACTIVECAPTIONTEXT)));
}

// A colour list control whose cell rectangles a test can read.
class CTestColorListCtrl : public CColorListCtrl
{
public:
  using CColorListCtrl::getColumnRect;
};

class ColorListCtrlTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS,
                              CRect(0, 0, 300, 120), &m_parent, 102));
    m_list.SetFont(CFont::FromHandle(m_hFont));
    m_list.InsertColumn(0, "Layer", LVCFMT_LEFT, 80);
    m_list.InsertColumn(1, "Colour", LVCFMT_LEFT, 120);
    for (CNameColorItem* pItem : {&m_wall, &m_door})
    {
      const int nItem = m_list.InsertItem(m_list.GetItemCount(), "");
      m_list.SetItemData(nItem, reinterpret_cast<DWORD_PTR>(pItem));
    }
  }
  void TearDown() override
  {
    m_list.DestroyWindow();
    ::DeleteObject(m_hFont);
  }
  // Draws row 0 where the list would and returns its rectangle.
  CRect Draw(SEntryCanvas& canvas, UINT nState)
  {
    CRect rcItem;
    m_list.GetItemRect(0, &rcItem, LVIR_BOUNDS);
    DRAWITEMSTRUCT draw = DrawStruct(m_list, canvas, 0, &m_wall, rcItem, kDrawEntire, nState);
    m_list.DrawItem(&draw);
    return rcItem;
  }

  HFONT m_hFont = CrispFont();
  CListParent m_parent;
  CTestColorListCtrl m_list;
  CNameColorItem m_wall{1, "Wall", kRed, "Red"};
  CNameColorItem m_door{2, "Door", kBlue, "Blue"};
};

TEST_F(ColorListCtrlTest, ColumnRectanglesFollowTheColumnWidths)
{
  CRect rcBounds;
  m_list.GetItemRect(1, &rcBounds, LVIR_BOUNDS);
  EXPECT_EQ(CRect(rcBounds.left, rcBounds.top, rcBounds.left + 79, rcBounds.bottom), m_list.getColumnRect(1, 0));
  EXPECT_EQ(CRect(rcBounds.left + 80, rcBounds.top, rcBounds.left + 199, rcBounds.bottom), m_list.getColumnRect(1, 1));
}

TEST_F(ColorListCtrlTest, DrawsNameSwatchAndColourNameInTheirColumns)
{
  SEntryCanvas canvas(300, 40);
  const CRect rcItem = Draw(canvas, 0);
  const int nHeight = rcItem.Height();
  const CRect rcSwatch(82, rcItem.top + 2, 82 + 2 * nHeight, rcItem.bottom - 2);
  ExpectSwatch(canvas, rcSwatch, Sys(COLOR_WINDOWTEXT), kRed, "second column");
  const int nNameLeft = canvas.FirstColumnNot(CRect(0, rcItem.top, 80, rcItem.bottom), Sys(COLOR_WINDOW));
  EXPECT_GE(nNameLeft, 3);
  EXPECT_LT(nNameLeft, 6);
  EXPECT_EQ(-1, canvas.FirstColumnNot(CRect(74, rcItem.top, 80, rcItem.bottom), Sys(COLOR_WINDOW)));
  const int nColourLeft = canvas.FirstColumnNot(CRect(rcSwatch.right, rcItem.top, 200, rcItem.bottom), Sys(COLOR_WINDOW));
  EXPECT_GE(nColourLeft, rcSwatch.right + 3);
  EXPECT_LT(nColourLeft, rcSwatch.right + 6);
}

TEST_F(ColorListCtrlTest, ANarrowColourColumnGetsAnEmptySwatch)
{
  m_list.SetColumnWidth(1, 5);
  SEntryCanvas canvas(300, 40);
  const CRect rcItem = Draw(canvas, 0);
  EXPECT_EQ(0, canvas.Count(CRect(80, rcItem.top, 300, rcItem.bottom), kRed));
  EXPECT_EQ(0, canvas.Count(CRect(80, rcItem.top, 84, rcItem.bottom), Sys(COLOR_WINDOWTEXT)));
}

TEST_F(ColorListCtrlTest, SelectedReadOnlyAndDisabledRows)
{
  {
    SEntryCanvas canvas(300, 40);
    const CRect rcItem = Draw(canvas, ODS_SELECTED);
    EXPECT_EQ(Sys(COLOR_HIGHLIGHT), canvas.Pixel(1, rcItem.top + 1));
    EXPECT_EQ(Sys(COLOR_HIGHLIGHTTEXT), canvas.Pixel(82, rcItem.top + 2));
    EXPECT_GT(canvas.Count(CRect(0, rcItem.top, 80, rcItem.bottom), Sys(COLOR_HIGHLIGHTTEXT)), 0);
  }
  m_list.SetReadOnlyFlag(true);
  {
    SEntryCanvas canvas(300, 40);
    const CRect rcItem = Draw(canvas, ODS_SELECTED);
    EXPECT_EQ(Sys(COLOR_INACTIVECAPTIONTEXT), canvas.Pixel(1, rcItem.top + 1));
    EXPECT_EQ(0, canvas.Count(rcItem, Sys(COLOR_HIGHLIGHT)));
    EXPECT_EQ(Sys(COLOR_WINDOWTEXT), canvas.Pixel(82, rcItem.top + 2));
    EXPECT_GT(canvas.Count(CRect(0, rcItem.top, 80, rcItem.bottom), Sys(COLOR_WINDOWTEXT)), 0);
  }
  m_list.SetReadOnlyFlag(false);
  m_list.EnableWindow(FALSE);
  {
    SEntryCanvas canvas(300, 40);
    const CRect rcItem = Draw(canvas, 0);
    EXPECT_EQ(Sys(COLOR_INACTIVECAPTIONTEXT), canvas.Pixel(1, rcItem.top + 1));
    EXPECT_GT(canvas.Count(CRect(0, rcItem.top, 80, rcItem.bottom), Sys(COLOR_GRAYTEXT)), 0);
  }
}

TEST_F(ColorListCtrlTest, PaintsItsRowsThroughTheControl)
{
  m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  CRect rcFirst, rcSecond;
  m_list.GetItemRect(0, &rcFirst, LVIR_BOUNDS);
  m_list.GetItemRect(1, &rcSecond, LVIR_BOUNDS);
  SEntryCanvas canvas(300, 120);
  m_list.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.DC().m_hDC), PRF_CLIENT);
  EXPECT_EQ(kRed, canvas.Pixel(90, rcFirst.CenterPoint().y));
  EXPECT_EQ(kBlue, canvas.Pixel(90, rcSecond.CenterPoint().y));
  // Between the colour column's edge and its swatch.
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), canvas.Pixel(81, rcSecond.top + 1));
  EXPECT_EQ(Sys(COLOR_WINDOW), canvas.Pixel(81, rcFirst.top + 1));

  m_list.SetReadOnlyFlag(true);
  SEntryCanvas erased(300, 120);
  EXPECT_TRUE(m_list.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.DC().m_hDC)));
  EXPECT_EQ(Sys(COLOR_INACTIVECAPTIONTEXT), erased.Pixel(150, 100));
}
}
