// The option tree's model: item ownership and identifiers, notifications of insertion and
// deletion, hit testing, the column limits, focus movement, scrolling into view and the layout
// of the information pane.
#include "TreeOptionTestSupport.h"
#include "../TestApp.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
CCommonControlsTestApp theApp("ZuntTreeOptionTest", ICC_TREEVIEW_CLASSES);

class TreeOptionModel : public ::testing::Test, public CTreeOptionFixture
{};
typedef CCounted<CTreeOptionItem> CCountedItem;

void appendDrawingOrder(CTreeOptionItem* pFirst, std::vector<CTreeOptionItem*>& rows)
{
  for (CTreeOptionItem* pRow = pFirst; pRow != nullptr; pRow = pRow->GetSibling())
  {
    rows.push_back(pRow);
    if (pRow->IsExpanded())
      appendDrawingOrder(pRow->GetChild(), rows);
  }
}
}

TEST(TreeOptionItems, IdentifiersOwnershipHeightsAndFinding)
{
  {
    CTreeOption tree;
    EXPECT_EQ(nullptr, tree.InsertItem(nullptr));
    CTreeOptionItem* pFirst = tree.InsertItem(new CCountedItem);
    CTreeOptionItem* pChild = tree.InsertItem(new CCountedItem, pFirst);
    EXPECT_EQ(pChild, tree.FindItem(2u));
    // Heights count the children of expanded rows only.
    pChild->SetItemHeight(30);
    EXPECT_EQ(18, pFirst->GetTotalHeight());
    pFirst->Expand(TRUE);
    EXPECT_EQ(48, pFirst->GetTotalHeight());

    tree.DeleteAllItems();
    EXPECT_EQ(0, CCountedItem::s_nAlive);
    // The counter restarts at 1, so the next item gets 2.
    EXPECT_EQ(2u, tree.InsertItem(new CCountedItem)->GetCtrlID());
    tree.InsertItem(new CCountedItem, tree.FindItem(2u));
  }
  EXPECT_EQ(0, CCountedItem::s_nAlive);
  // Without an owner a row cannot expand.
  CTreeOptionItem loose;
  loose.Expand(TRUE);
  EXPECT_FALSE(loose.IsExpanded());
}

TEST(TreeOptionItems, TextIsShortenedWithDotsKeepingWholeCharacters)
{
  CPixelCanvas canvas(10, 10);
  CDC& dc = canvas.DC();
  CFont* pOld = dc.SelectObject(CTreeOption::GetNormalFont());
  const CString strWide = "Spacing between grid lines";
  const int nWidth = dc.GetTextExtent(strWide).cx;
  EXPECT_EQ(strWide, TreeOptionFitText(&dc, strWide, nWidth + 1));
  EXPECT_LE(dc.GetTextExtent(TreeOptionFitText(&dc, strWide, nWidth)).cx + 1, nWidth);
  EXPECT_EQ(CString("S..."), TreeOptionFitText(&dc, strWide, 1));
  // A double-byte character is never split.
  const CString strJapanese = "\x93\xfa\x96\x7b\x8c\xea";  // 日本語
  EXPECT_EQ(CString("\x93\xfa..."), TreeOptionFitText(&dc, strJapanese, 1));
  dc.SelectObject(pOld);
}

TEST_F(TreeOptionModel, InsertDeleteAndEachActivationReportOnceAndOnlyKnownCodesAreSent)
{
  m_tree.InsertItem(NewRow("Extra"), m_pView);
  EXPECT_EQ((Log{"-1101 Extra"}), TakeLog());

  m_pUnits->Activate();
  m_pUnits->CommitChanges();
  m_pUnits->CommitChanges();
  EXPECT_FALSE(m_pUnits->IsActivated());
  m_pUnits->Activate();
  m_pUnits->CommitChanges();
  EXPECT_EQ((Log{"-1105 Units", "-1105 Units"}), TakeLog());

  m_host.m_answers[OT_NOTIFY_ITEMEXPANDING] = 7;
  EXPECT_EQ(7, m_tree.SendNotify(UINT(OT_NOTIFY_ITEMEXPANDING), m_pGrid));
  for (int nCode : {-1104, -1100, -1111})
    EXPECT_EQ(0, m_tree.SendNotify(UINT(nCode), m_pGrid)) << nCode;
  EXPECT_EQ((Log{"-1108 Grid"}), TakeLog());

  m_tree.SetFocusedItem(m_pSnap);
  const UINT uSnap = m_pSnap->GetCtrlID();
  m_tree.DeleteItem(m_pGrid);
  EXPECT_EQ((Log{"-1102 Grid", "-1102 Spacing", "-1102 Snap"}), TakeLog());
  EXPECT_EQ(nullptr, m_tree.FindItem(uSnap));
  EXPECT_EQ(nullptr, m_tree.GetFocusedItem());
  EXPECT_EQ(nullptr, m_pUnits->GetSibling());

  m_tree.Delete(nullptr);
  EXPECT_EQ("-1102 null", TakeLog().at(0));  // throws, and so fails, when nothing was sent
  EXPECT_EQ(nullptr, m_tree.GetRootItem()->GetChild());

  // With notification off the host is neither told nor asked.
  m_tree.SetNotify(FALSE, &m_host);
  EXPECT_EQ(0, m_tree.SendNotify(UINT(OT_NOTIFY_ITEMEXPANDING), nullptr));
  EXPECT_TRUE(TakeLog().empty());
}

TEST_F(TreeOptionModel, HitTestTellsThePartsOfARow)
{
  // The divider takes 5 pixels either side; a group header never the divider, its buttons only
  // right of it (a click there: the view's tests), else its right part.
  const std::pair<CPoint, long> hits[] = {{LabelPoint(1), OT_HIT_LABEL},
                                          {ValuePoint(1), OT_HIT_ATTRIBUTE},
                                          {{145, 27}, OT_HIT_COLUMN},
                                          {{155, 27}, OT_HIT_COLUMN},
                                          {{156, 27}, OT_HIT_ATTRIBUTE},
                                          {{6, 2 * kRowHeight + 9}, OT_HIT_EXPAND},
                                          {{6, 1 * kRowHeight + 9}, OT_HIT_LABEL},  // Units has no children
                                          {{60, 8 * kRowHeight + 1}, OT_HIT_NOWHERE},
                                          {{150, 9}, OT_HIT_LABEL},
                                          {{295, 9}, OT_HIT_ROOTITEM},
                                          {m_pGeneral->GetOptionButton1Rect().CenterPoint(), OT_HIT_LABEL}};
  for (const auto& hit : hits)
    EXPECT_EQ(hit.second, m_tree.HitTest(hit.first)) << hit.first.x << ", " << hit.first.y;
  // A row's bottom edge belongs to the next row.
  EXPECT_EQ(m_pGrid, m_tree.FindItem(CPoint(60, 2 * kRowHeight)));

  m_tree.SetUseLabel(false);
  m_tree.UpdatedItems();
  EXPECT_EQ(17, m_tree.GetColumn());
  for (int x = 0; x < kWidth; ++x)
    ASSERT_NE(OT_HIT_COLUMN, m_tree.HitTest(CPoint(x, 27))) << "x " << x;

  // The column stays within the control; without a window only the minimum holds.
  m_tree.SetColumn(0);
  EXPECT_EQ(16, m_tree.GetColumn());
  m_tree.SetColumn(500);
  EXPECT_EQ(kWidth - 16, m_tree.GetColumn());
  CTreeOption windowless;
  windowless.SetColumn(500);
  EXPECT_EQ(500, windowless.GetColumn());
}

TEST_F(TreeOptionModel, FocusMovesAlongTheDrawnRowsAndScrollsThemIntoView)
{
  // A list three rows high: the last row ends up one row above the lower edge, as far as the
  // range allows (range 144, page 55).
  m_tree.MoveWindow(0, 0, kWidth, 50 + 3 * kRowHeight);
  Repaint();
  EXPECT_EQ(m_pRuler, m_tree.FocusPrev());  // no focus yet: the last drawn row
  m_tree.FocusFirst();
  EXPECT_EQ(0, m_tree.GetOrigin().y);
  EXPECT_EQ(nullptr, m_tree.FocusPrev());
  m_tree.FocusLast();
  EXPECT_EQ(144 - 55, m_tree.GetOrigin().y);
  EXPECT_EQ(nullptr, m_tree.FocusNext());
  EXPECT_EQ((Log{"-1107 Ruler", "-1107 General", "-1107 Ruler"}), TakeLog());

  // Ensuring a row is visible expands its ancestors.
  m_pGrid->Expand(FALSE);
  m_pGeneral->Expand(FALSE);
  m_tree.UpdatedItems();
  Repaint();
  m_tree.EnsureVisible(m_pSpacing);
  EXPECT_TRUE(m_tree.IsItemVisible(m_pSpacing));

  // Once the window is gone, no row is scrolled to and the keyboard focus stays where it is.
  m_host.SetFocus();
  m_tree.DestroyWindow();
  m_tree.SetFocusedItem(m_pGeneral);
  m_tree.SetFocusedItem(m_pRuler);
  EXPECT_EQ(m_host.m_hWnd, ::GetFocus());
}

TEST_F(TreeOptionModel, InfoPaneDescribesTheFocusedRowInFiftyPixelsAtTheFoot)
{
  CWnd& info = *m_tree.GetInfoWindow();
  auto textPixels = [&info](COLORREF colour) {
    info.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    CRect rcText;
    info.GetClientRect(rcText);
    rcText.DeflateRect(4, 4);
    return CPixelCanvas(info).CountColour(rcText, colour);
  };
  const COLORREF crText = Sys(COLOR_BTNTEXT);
  EXPECT_EQ(0, textPixels(crText));
  m_tree.SetDefInfoTextNoSel(TRUE);
  const int nDefault = textPixels(crText);
  EXPECT_GT(nDefault, 0);
  m_tree.SetFocusedItem(m_pUnits);
  const int nUnits = textPixels(crText);
  EXPECT_NE(nDefault, nUnits);
  m_tree.EnableWindow(FALSE);
  EXPECT_EQ(0, textPixels(crText));
  EXPECT_GT(textPixels(Sys(COLOR_GRAYTEXT)), 0);
  m_tree.EnableWindow(TRUE);

  // The pane's place, and the list's height without it.
  CRect rcList, rcInfo;
  List().GetWindowRect(rcList);
  info.GetWindowRect(rcInfo);
  EXPECT_EQ(CRect(rcList.left, rcList.top + kListHeight, rcList.right, rcList.top + kHeight), rcInfo);
  m_tree.ShowInfoWindow(FALSE);
  List().GetWindowRect(rcList);
  EXPECT_EQ(kHeight, rcList.Height());

  CTreeOption noInfo;
  noInfo.SetUseInfo(false);
  ASSERT_TRUE(noInfo.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200), &m_host, OT_OPTIONS_SHOWINFOWINDOW, 2));
  EXPECT_EQ(nullptr, noInfo.GetInfoWindow()->GetSafeHwnd());
  noInfo.GetListView()->GetWindowRect(rcList);
  EXPECT_EQ(195, rcList.Height());
}

// The control keeps the scroll range and the drawn rows by bookkeeping: they must match a count
// over the whole tree after every kind of change.
TEST_F(TreeOptionModel, ScrollRangeAndDrawnRowsMatchTheTree)
{
  CTreeOptionItem* pHidden = nullptr;
  const std::vector<std::function<void()>> steps = {
      [&] { m_pGrid->Expand(FALSE); },
      [&] { pHidden = m_tree.InsertItem(NewRow("Hidden"), m_pSnap); },
      [&] { m_pSnap->SetItemHeight(30); },
      [&] { m_pGrid->Expand(TRUE); },
      [&] { m_pSnap->Expand(TRUE); },
      [&] { pHidden->SetItemHeight(40); },
      [&] { m_tree.InsertItem(NewRow("Last")); },
      [&] { m_tree.DeleteItem(m_pGrid); },
      [&] { m_pView->Expand(FALSE); },
      [&] { m_tree.DeleteItem(m_pUnits); },
  };
  for (size_t i = 0; i < steps.size(); ++i)
  {
    SCOPED_TRACE("step " + std::to_string(i));
    steps[i]();
    m_tree.UpdatedItems();
    Repaint();
    std::vector<CTreeOptionItem*> expected;
    appendDrawingOrder(m_tree.GetRootItem()->GetChild(), expected);
    std::vector<CTreeOptionItem*> drawn;
    long lY = 0;
    for (CTreeOptionItem* pRow = m_tree.GetVisibleList(); pRow != nullptr; pRow = pRow->GetNextVisible())
    {
      drawn.push_back(pRow);
      EXPECT_EQ(lY, pRow->GetLocation().y);
      EXPECT_EQ(pRow, m_tree.FindItemAll(CPoint(60, lY + pRow->GetHeight() - 1)));
      lY += pRow->GetHeight();
    }
    EXPECT_EQ(expected, drawn);
    // The range is the drawn rows' height, which the last check shows to be the whole tree's.
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    List().GetScrollInfo(SB_VERT, &si, SIF_RANGE);
    EXPECT_EQ(lY, si.nMax);
    EXPECT_EQ(expected.back(), m_tree.FocusLast());
  }
}

// The largest label is that of a row, never of a header or a blank label. Rows out of view are
// not drawn, yet they keep their place, and their labels count as if they had been drawn.
TEST_F(TreeOptionModel, LargestLabelSkipsHeadersAndBlanksAndCountsRowsOutOfView)
{
  EXPECT_EQ(m_pSpacing->GetLabelRect().right, m_tree.GetLargestVisibleLabel().right);  // indented one level deeper
  m_pSpacing->SetLabelText("   ");
  Repaint();
  EXPECT_NE(m_pSpacing->GetLabelRect().right, m_tree.GetLargestVisibleLabel().right);

  for (int i = 0; i < 30; ++i)
    m_tree.InsertItem(NewRow(i == 25 ? "A label longer than the others" : "Row"), m_pZoom);
  m_pZoom->Expand(TRUE);
  m_tree.UpdatedItems();
  m_tree.SetColumn(250);
  Repaint();
  const CRect rcOutOfView = m_tree.GetLargestVisibleLabel();
  CTreeOptionItem* pLong = m_tree.FindItemAll(CPoint(60, rcOutOfView.CenterPoint().y));
  ASSERT_NE(nullptr, pLong);
  EXPECT_EQ(CString("A label longer than the others"), pLong->GetLabelText());

  // Scrolled into view and drawn, the row's label ends where it was measured.
  m_tree.SetFocusedItem(pLong);
  Repaint();
  const long lTop = pLong->GetLocation().y - m_tree.GetOrigin().y;
  EXPECT_EQ(rcOutOfView.right, pLong->GetLabelRect().right);
  EXPECT_EQ(pLong, m_tree.FindItem(CPoint(60, lTop + 1)));
  CPixelCanvas shown(List());
  EXPECT_GT(shown.CountColour(CRect(40, lTop + 1, rcOutOfView.right, lTop + kRowHeight - 2), Sys(COLOR_BTNTEXT)), 0);
}
