// The colour combo box, list box and list control: entries drawn into a memory context and
// checked by their pixels (swatch, name, selection, focus, read-only and disabled looks), the
// controls' own painting through reflection, look-ups, sorting and the filling item height.
// Text is found by its first inked column, which the glyph's bearing puts 0 to 2 pixels right of
// the text's start: EXPECT_NEAR(column, start + 1, 1).
#include "../TextCodes.h"
#include "ListsTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kRed = RGB(220, 20, 30);
const COLORREF kBlue = RGB(20, 40, 200);
const COLORREF kGreen = RGB(30, 160, 40);
const CRect kEntry(0, 0, 200, 16);
// Item height 16: the swatch is (2, 2)-(34, 14).
const CRect kSwatch(2, 2, 34, 14);

// The swatch's outline on all four sides and its fill in the middle.
void ExpectSwatch(const CPixelCanvas& canvas, const CRect& rcSwatch, COLORREF crOutline, COLORREF crFill)
{
  EXPECT_EQ(crOutline, canvas.Pixel(rcSwatch.left, rcSwatch.top));
  EXPECT_EQ(crOutline, canvas.Pixel(rcSwatch.right - 1, rcSwatch.bottom - 1));
  EXPECT_EQ(crFill, canvas.Pixel(rcSwatch.left + 1, rcSwatch.top + 1));
  EXPECT_NE(crOutline, canvas.Pixel(rcSwatch.right, rcSwatch.top + 1)) << "the outline ends at the swatch";
}

// How an entry looks, selected or not, in a read-only or disabled control: background, swatch
// outline, name.
struct SStateLook
{
  int nCase;
  bool bReadOnly, bEnabled;
  UINT nState;
  COLORREF crBack, crOutline, crName;
};
std::vector<SStateLook> StateLooks()
{
  return {
      {0, false, true, 0, Sys(COLOR_WINDOW), Sys(COLOR_WINDOWTEXT), kInk},
      {1, false, true, ODS_SELECTED, Sys(COLOR_HIGHLIGHT), Sys(COLOR_HIGHLIGHTTEXT), Sys(COLOR_HIGHLIGHTTEXT)},
      {2, true, true, ODS_SELECTED, Sys(COLOR_INACTIVECAPTIONTEXT), Sys(COLOR_WINDOWTEXT), Sys(COLOR_WINDOWTEXT)},
      {3, false, false, ODS_SELECTED, Sys(COLOR_INACTIVECAPTIONTEXT), Sys(COLOR_WINDOWTEXT), Sys(COLOR_GRAYTEXT)},
  };
}

class ColorComboTest : public CListTest
{
protected:
  void SetUp() override
  {
    ASSERT_TRUE(m_combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                               CRect(10, 10, 210, 200), &m_parent, 100));
    m_combo.SetFont(CFont::FromHandle(m_hFont));
  }
  void Add(CColorItem* pItem) { m_combo.SetItemDataPtr(m_combo.InsertString(-1, ""), pItem); }
  // Draws an entry into the canvas, cleared first.
  void Draw(const CColorItem* pItem, UINT nState, UINT nAction = ODA_DRAWENTIRE, int nItem = 0)
  {
    m_canvas.Fill(m_canvas.Background());
    DrawEntry(m_combo, m_canvas, nItem, pItem, kEntry, nAction, nState);
  }

  CColorComboBox m_combo;
  CColorItem m_red{10, kRed, "Red"};
  CEntryCanvas m_canvas{200, 16};
};
}

TEST_F(ColorComboTest, DrawsTheSwatchAndNameRedrawsTheSelectionAndShowsTheFocusWithTheKeyboardFocus)
{
  Draw(&m_red, 0);
  ExpectSwatch(m_canvas, kSwatch, RGB(0, 0, 0), kRed);
  EXPECT_EQ(m_canvas.Background(), m_canvas.Pixel(1, 8)) << "the first pass fills no background";
  EXPECT_NEAR(m_canvas.LeftmostOf(kEntry, kInk), 38, 1);

  Draw(&m_red, ODS_SELECTED);
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), m_canvas.Pixel(199, 15));
  ExpectSwatch(m_canvas, kSwatch, Sys(COLOR_HIGHLIGHTTEXT), kRed);
  EXPECT_GT(m_canvas.CountColour(CRect(37, 0, 200, 16), Sys(COLOR_HIGHLIGHTTEXT)), 0);

  Draw(&m_red, 0, ODA_SELECT);
  EXPECT_EQ(Sys(COLOR_WINDOW), m_canvas.Pixel(1, 8));
  ExpectSwatch(m_canvas, kSwatch, Sys(COLOR_WINDOWTEXT), kRed);

  // A text-only record: no swatch, the text from 2 pixels; no record: nothing at all.
  CColorItem text(1, CColorItem::NO_COLOR, "(none)");
  Draw(&text, 0);
  EXPECT_NEAR(m_canvas.LeftmostNot(kEntry, m_canvas.Background()), 3, 1);
  EXPECT_EQ(0, m_canvas.CountColour(kEntry, RGB(0, 0, 0)) + m_canvas.CountColour(kEntry, RGB(255, 255, 255)));
  Draw(nullptr, ODS_SELECTED | ODS_FOCUS);
  EXPECT_EQ(-1, m_canvas.LeftmostNot(kEntry, m_canvas.Background()));

  // The focus rectangle comes only with the keyboard focus, or for the empty entry.
  m_parent.SetFocus();
  Draw(&m_red, ODS_SELECTED | ODS_FOCUS);
  EXPECT_EQ(16, m_canvas.CountColour(CRect(0, 0, 1, 16), Sys(COLOR_HIGHLIGHT)));

  m_combo.SetFocus();
  Draw(&m_red, ODS_SELECTED | ODS_FOCUS);
  const int nEdge = m_canvas.CountColour(CRect(0, 0, 1, 16), Sys(COLOR_HIGHLIGHT));
  EXPECT_GT(nEdge, 0) << "a dotted line inverts the edge";
  EXPECT_LT(nEdge, 16);

  for (UINT nState : {UINT(ODS_FOCUS), 0u})
  {
    Draw(nullptr, nState, ODA_DRAWENTIRE, -1);
    EXPECT_EQ(nState != 0, m_canvas.CountColour(CRect(0, 0, 200, 1), m_canvas.Background()) < 200) << nState;
    EXPECT_EQ(m_canvas.Background(), m_canvas.Pixel(5, 8));
  }
}

TEST_F(ColorComboTest, FindsNamesByPositionAndIndicesByNameAndPaintsThroughTheBox)
{
  CColorItem japanese(20, kGreen, cp932("赤").c_str()), blue(30, kBlue, "Blue"), lower(40, kGreen, "blue"),
      secondBlue(50, kRed, "Blue");
  for (CColorItem* pItem : {&m_red, &japanese, &blue, &lower, &secondBlue, static_cast<CColorItem*>(nullptr)})
    Add(pItem);
  EXPECT_EQ(20, m_combo.GetColorIndex(cp932("赤").c_str()));
  EXPECT_EQ(30, m_combo.GetColorIndex("Blue")) << "the index member of the lower position";
  EXPECT_EQ(40, m_combo.GetColorIndex("blue")) << "case counts";
  EXPECT_EQ(-1, m_combo.GetColorIndex("BLUE"));
  EXPECT_EQ("Blue", std::string(m_combo.GetColorName(2)));
  for (int nPosition : {5, 6, -1})
    EXPECT_EQ("", std::string(m_combo.GetColorName(nPosition))) << nPosition;

  // The closed box draws its current entry through the reflected DrawItem.
  m_combo.SetCurSel(2);
  CRect rcCombo;
  m_combo.GetClientRect(&rcCombo);
  CEntryCanvas shown(rcCombo.Width(), rcCombo.Height());
  m_combo.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shown.DC().m_hDC), PRF_CLIENT);
  EXPECT_GT(shown.CountColour(rcCombo, kBlue), 20);
  EXPECT_EQ(0, shown.CountColour(rcCombo, kRed));
}

namespace
{
class ColorListBoxTest : public CListTest
{
protected:
  bool Create(CColorListBox& list, const CRect& rect, DWORD dwStyle = 0)
  {
    return list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | dwStyle, rect,
                       &m_parent, 101) != FALSE;
  }

  CColorItem m_red{1, kRed, "Red"};
};
}

TEST_F(ColorListBoxTest, ItemsFillTheBoxSortByTheRecordsIndexAndDrawSwatchAndNameSelectedReadOnlyAndDisabled)
{
  // Items as high as make a whole number fill the box. The parent's font is 13 high: client
  // height, item height (t + 3 = 16 at most).
  const std::pair<int, int> cases[] = {{100, 16}, {40, 13}, {64, 16}, {33, 16}, {17, 8}, {16, 16}, {12, 12}};
  for (const auto& entry : cases)
  {
    CColorListBox list;
    ASSERT_TRUE(Create(list, CRect(0, 0, 120, entry.first)));
    EXPECT_EQ(entry.second, list.GetItemHeight(0)) << entry.first;
  }

  // Sorted by the records' index.
  CColorListBox list;
  ASSERT_TRUE(Create(list, CRect(0, 0, 150, 64), LBS_SORT));
  CColorItem five(5, kRed, "Five"), blue(2, kBlue, "Blue"), three(3, kGreen, "Three"), otherThree(3, kRed, "Three'");
  std::vector<int> order;
  for (CColorItem* pItem : {&five, &m_red, &three, &blue, &otherThree})
    list.AddString(reinterpret_cast<LPCTSTR>(pItem));
  for (int i = 0; i < list.GetCount(); ++i)
    order.push_back(static_cast<CColorItem*>(list.GetItemDataPtr(i))->GetIndex());
  EXPECT_EQ((std::vector<int>{1, 2, 3, 3, 5}), order);

  // Painted through the control: the entries and the selection.
  list.SetCurSel(1);
  CEntryCanvas shown(150, 64);
  list.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shown.DC().m_hDC), PRF_CLIENT);
  EXPECT_EQ(kBlue, shown.Pixel(10, 24));
  EXPECT_EQ(Sys(COLOR_HIGHLIGHT), shown.Pixel(1, 24)) << "the selected entry";

  for (const SStateLook& test : StateLooks())
  {
    SCOPED_TRACE(test.nCase);
    list.SetReadOnlyFlag(test.bReadOnly);
    list.EnableWindow(test.bEnabled);
    CEntryCanvas canvas(150, 16);
    DrawEntry(list, canvas, 0, &m_red, CRect(0, 0, 150, 16), ODA_DRAWENTIRE, test.nState);
    EXPECT_EQ(test.crBack, canvas.Pixel(1, 8));
    ExpectSwatch(canvas, kSwatch, test.crOutline, kRed);
    // The name starts one item height after the swatch.
    const int nNameLeft = canvas.LeftmostOf(CRect(34, 0, 150, 16), test.crName);
    EXPECT_NEAR(nNameLeft, 51, 1);
  }

  // Read-only, the whole background is erased in colour 19.
  list.SetReadOnlyFlag(true);
  CEntryCanvas erased(150, 64);
  EXPECT_TRUE(list.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.DC().m_hDC)));
  EXPECT_EQ(150 * 64, erased.CountColour(CRect(0, 0, 150, 64), Sys(COLOR_INACTIVECAPTIONTEXT)));

  // In a narrow box the swatch stops 2 pixels short of the edge.
  CColorListBox narrow;
  ASSERT_TRUE(Create(narrow, CRect(0, 0, 30, 100)));
  CEntryCanvas canvas(150, 16);
  DrawEntry(narrow, canvas, 0, &m_red, CRect(0, 0, 150, 16), ODA_DRAWENTIRE, 0);
  ExpectSwatch(canvas, CRect(2, 2, 28, 14), Sys(COLOR_WINDOWTEXT), kRed);
}

namespace
{
class ColorListCtrlTest : public CListTest
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
      m_list.SetItemData(m_list.InsertItem(m_list.GetItemCount(), ""), reinterpret_cast<DWORD_PTR>(pItem));
    m_list.GetItemRect(0, &m_rcItem, LVIR_BOUNDS);
  }
  // Draws row 0 where the list would.
  void Draw(CPixelCanvas& canvas, UINT nState)
  {
    DrawEntry(m_list, canvas, 0, &m_wall, m_rcItem, ODA_DRAWENTIRE, nState);
  }

  CColorListCtrl m_list;
  CNameColorItem m_wall{1, "Wall", kRed, "Red"};
  CNameColorItem m_door{2, "Door", kBlue, "Blue"};
  CRect m_rcItem;
};
}

TEST_F(ColorListCtrlTest, DrawsNameSwatchAndColourNameInTheirColumnsInEveryState)
{
  CEntryCanvas canvas(300, 40);
  Draw(canvas, 0);
  const CRect rcSwatch(82, m_rcItem.top + 2, 82 + 2 * m_rcItem.Height(), m_rcItem.bottom - 2);
  ExpectSwatch(canvas, rcSwatch, Sys(COLOR_WINDOWTEXT), kRed);
  const int nNameLeft = canvas.LeftmostNot(CRect(0, m_rcItem.top, 80, m_rcItem.bottom), Sys(COLOR_WINDOW));
  EXPECT_NEAR(nNameLeft, 4, 1);
  const int nColourLeft =
      canvas.LeftmostNot(CRect(rcSwatch.right, m_rcItem.top, 200, m_rcItem.bottom), Sys(COLOR_WINDOW));
  EXPECT_NEAR(nColourLeft, rcSwatch.right + 4, 1);

  // A colour column narrower than 6 pixels gets an empty swatch.
  m_list.SetColumnWidth(1, 5);
  CEntryCanvas narrow(300, 40);
  Draw(narrow, 0);
  EXPECT_EQ(0, narrow.CountColour(CRect(80, m_rcItem.top, 300, m_rcItem.bottom), kRed));
  EXPECT_EQ(0, narrow.CountColour(CRect(80, m_rcItem.top, 84, m_rcItem.bottom), Sys(COLOR_WINDOWTEXT)));
  m_list.SetColumnWidth(1, 120);

  for (const SStateLook& test : StateLooks())
  {
    SCOPED_TRACE(test.nCase);
    m_list.SetReadOnlyFlag(test.bReadOnly);
    m_list.EnableWindow(test.bEnabled);
    CEntryCanvas look(300, 40);
    Draw(look, test.nState);
    EXPECT_EQ(test.crBack, look.Pixel(1, m_rcItem.top + 1));
    EXPECT_EQ(test.crOutline, look.Pixel(82, m_rcItem.top + 2));
    EXPECT_GT(look.CountColour(CRect(0, m_rcItem.top, 80, m_rcItem.bottom), test.crName), 0);
  }
  // Read-only, the whole background is erased in colour 19.
  m_list.SetReadOnlyFlag(true);
  CPixelCanvas erased(300, 120);
  EXPECT_TRUE(m_list.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.DC().m_hDC)));
  EXPECT_EQ(-1, erased.LeftmostNot(CRect(0, 0, 300, 120), Sys(COLOR_INACTIVECAPTIONTEXT)));
}
