// The option tree's list view driven with mouse and key messages: what the host is told and in
// which order, how focus, selection, expansion and the column follow, and what is painted.
#include "TreeOptionTestSupport.h"

#include <gtest/gtest.h>

#include <tuple>

namespace
{
class TreeOptionView : public ::testing::Test, public CTreeOptionFixture
{
protected:
  // Pixels of a colour inside the label cell of a row.
  int labelPixels(int nRow, COLORREF colour)
  {
    CPixelCanvas shown(List());
    return shown.CountColour(CRect(17, nRow * kRowHeight + 1, 149, (nRow + 1) * kRowHeight - 2), colour);
  }
};
}

TEST_F(TreeOptionView, ClicksFocusSelectActivateAndHighlightUnlessReadOnlyOrDisabled)
{
  const COLORREF crHighlight = Sys(COLOR_HIGHLIGHT);
  Click(List(), LabelPoint(1));
  EXPECT_EQ((Log{"-1107 Units"}), TakeLog());
  EXPECT_GT(labelPixels(1, crHighlight), 0);

  Click(List(), ValuePoint(6));
  EXPECT_EQ((Log{"-1107 Zoom", "-1110 Zoom"}), TakeLog());
  EXPECT_TRUE(m_pZoom->IsActivated());
  // The partial repaint redraws the row that lost the selection too.
  EXPECT_EQ(0, labelPixels(1, crHighlight));

  // The host may refuse the activation; a second click on the focused row reports no change.
  m_host.m_answers[OT_NOTIFY_ACTIVATEITEM] = 1;
  Click(List(), ValuePoint(1));
  Click(List(), ValuePoint(1));
  EXPECT_EQ((Log{"-1107 Units", "-1110 Units", "-1110 Units"}), TakeLog());
  EXPECT_FALSE(m_pUnits->IsActivated());

  // A group header's right part selects it but never activates.
  Click(List(), CPoint(290, 9));
  EXPECT_EQ((Log{"-1107 General"}), TakeLog());

  // A read-only row takes no clicks.
  m_pUnits->ReadOnly();
  Click(List(), ValuePoint(1));
  EXPECT_TRUE(TakeLog().empty());

  // Below the last row: the focus goes, reported with no item even when there was none.
  Click(List(), CPoint(100, 200));
  Click(List(), LabelPoint(2));
  Click(List(), CPoint(100, 200));
  EXPECT_EQ((Log{"-1107 null", "-1107 Grid", "-1107 null"}), TakeLog());
  EXPECT_EQ(0, labelPixels(2, Sys(COLOR_HIGHLIGHT)));

  // Input switched off: clicks and keys do nothing.
  m_tree.DisableInput(TRUE);
  Click(List(), LabelPoint(1));
  PressKey(List(), VK_HOME);
  m_tree.DisableInput(FALSE);
  EXPECT_TRUE(TakeLog().empty());

  // A disabled control paints greyed and takes no clicks.
  m_tree.EnableWindow(FALSE);
  Repaint();
  CPixelCanvas shown(List());
  EXPECT_EQ(Sys(COLOR_BTNFACE), shown.Pixel(200, 200));
  EXPECT_GT(labelPixels(1, Sys(COLOR_GRAYTEXT)), 0);
  Click(List(), LabelPoint(1));
  EXPECT_EQ(nullptr, m_tree.GetFocusedItem());
  m_tree.EnableWindow(TRUE);
}

TEST_F(TreeOptionView, DividerDragsWithinLimitsUnlessVetoedAndOptionButtonsReport)
{
  // While dragging, a checkered bar is inverted over the view (below the rows: window colour).
  const CRect rcBand(99, 150, 102, 240);
  List().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 27));
  List().SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 27));
  EXPECT_EQ(List().m_hWnd, ::GetCapture());
  EXPECT_LE(CPixelCanvas(List()).CountColour(rcBand, Sys(COLOR_WINDOW)), 3 * 90 / 2 + 3);
  List().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 27));
  EXPECT_EQ(3 * 90, CPixelCanvas(List()).CountColour(rcBand, Sys(COLOR_WINDOW)));
  EXPECT_EQ(17, m_tree.GetColumn());
  EXPECT_EQ((Log{"-1109 null"}), TakeLog());
  Drag(List(), CPoint(17, 27), CPoint(120, 27));
  EXPECT_EQ(120, m_tree.GetColumn());

  m_host.m_answers[OT_NOTIFY_COLUMNCLICK] = 1;
  Drag(List(), CPoint(120, 27), CPoint(60, 27));
  EXPECT_EQ(120, m_tree.GetColumn());
  EXPECT_EQ(nullptr, ::GetCapture());

  // The header's option buttons sit beside the header's label: they work right of the divider.
  m_tree.SetColumn(60);
  Repaint();
  const CPoint ptButton1 = m_pGeneral->GetOptionButton1Rect().CenterPoint();
  const CPoint ptButton2 = m_pGeneral->GetOptionButton2Rect().CenterPoint();
  Click(List(), ptButton1);
  Click(List(), ptButton2);
  EXPECT_EQ((Log{"PushOptionButton1", "PushOptionButton2"}), TakeLog());
  EXPECT_EQ(nullptr, m_tree.GetFocusedItem());

  // Inside the caption, away from the button's edges.
  CRect rcButton1 = m_pGeneral->GetOptionButton1Rect();
  rcButton1.DeflateRect(3, 3);
  const COLORREF crHover = Sys(COLOR_INACTIVECAPTION);
  MouseMove(List(), ptButton1);
  EXPECT_GT(CPixelCanvas(List()).CountColour(rcButton1, crHover), 0);
  MouseMove(List(), ptButton2);
  EXPECT_TRUE(m_pGeneral->IsSelectOptionButton2());
  EXPECT_EQ(0, CPixelCanvas(List()).CountColour(rcButton1, crHover));
  MouseMove(List(), CPoint(100, 200));
  EXPECT_FALSE(m_tree.IsRootItemSelectOptionButton());
  // Only group headers take the hover state.
  m_pUnits->SetSelectOptionButton1(true);
  EXPECT_FALSE(m_pUnits->IsSelectOptionButton1());
}

TEST_F(TreeOptionView, DoubleClicksFitTheColumnAndClicksOnTheExpandBoxAskTheHostThenToggle)
{
  DoubleClick(List(), CPoint(150, 27));
  EXPECT_EQ(m_tree.GetLargestVisibleLabel().right + 5, m_tree.GetColumn());
  TakeLog();

  // Click then double click on a header's label: focused once, toggled once.
  DoubleClick(List(), LabelPoint(5));
  EXPECT_EQ((Log{"-1107 View", "-1108 View"}), TakeLog());
  EXPECT_FALSE(m_pView->IsExpanded());
  // On the expand box the click and the double click each toggle.
  DoubleClick(List(), CPoint(6, 2 * kRowHeight + 9));
  EXPECT_EQ((Log{"-1108 Grid", "ChangedExpand", "-1108 Grid"}), TakeLog());
  // The value part of a row with children does nothing on a double click.
  DoubleClick(List(), ValuePoint(2));
  EXPECT_TRUE(m_pGrid->IsExpanded());

  // A click on the expand box asks the host, then toggles.
  TakeLog();
  const CPoint ptGridBox(6, 2 * kRowHeight + 9);
  Click(List(), ptGridBox);
  EXPECT_EQ((Log{"-1108 Grid", "ChangedExpand"}), TakeLog());
  EXPECT_EQ(m_pView, m_tree.FindItem(LabelPoint(3)));

  m_host.m_answers[OT_NOTIFY_ITEMEXPANDING] = 1;
  Click(List(), ptGridBox);
  EXPECT_EQ((Log{"-1108 Grid"}), TakeLog());
  EXPECT_FALSE(m_pGrid->IsExpanded());

  // Collapsing the group of the focused row drops the focus.
  m_host.m_answers.clear();
  Click(List(), ptGridBox);
  Click(List(), LabelPoint(3));
  Click(List(), CPoint(6, 9));
  EXPECT_EQ((Log{"-1108 Grid", "ChangedExpand", "-1107 Spacing", "-1108 General", "-1107 null", "ChangedExpand"}),
            TakeLog());
  EXPECT_EQ(nullptr, m_tree.GetFocusedItem());
}

// A host may delete the row it is told about while it handles the notification; the control
// then stops handling the click or key and forgets the row.
TEST(TreeOptionReentrancy, AHostDeletingTheRowItIsToldAboutEndsTheInput)
{
  typedef CTreeOptionFixture F;
  const int kChangedItem = int(CTreeOption_Msg_ChangedItem);
  const struct
  {
    const char* pszCase;
    int nRow;         // the row the host deletes, in drawing order
    CPoint ptBefore;  // a click on the list before, or none
    int nDeleteOn;
    bool bOnButton;           // the input goes to the shown check box, not to the list
    UINT nMessage;            // a click (the press and the release), a double click alone, or a key
    CPoint point;             // where the mouse is, or the key's code in x
    const char* pszExpected;  // the log, entries joined by ", "
  } cases[] = {
      {"a label clicked, deleted on -1107, the focus on another row", 1, F::LabelPoint(6), OT_NOTIFY_SELCHANGE, false,
       WM_LBUTTONDOWN, F::LabelPoint(1), "-1107 Units, -1102 Units"},
      {"a value clicked, deleted on -1110", 1, CPoint(-1, -1), OT_NOTIFY_ACTIVATEITEM, false, WM_LBUTTONDOWN,
       F::ValuePoint(1), "-1107 Units, -1110 Units, -1102 Units"},
      {"a check box activated, deleted on its report", 7, CPoint(-1, -1), kChangedItem, false, WM_LBUTTONDOWN,
       F::ValuePoint(7), "-1107 Ruler, -1110 Ruler, ChangedItem Ruler 1, -1102 Ruler"},
      // The button had the focus: its open edit is committed as it goes.
      {"the shown check box clicked, deleted on its report", 7, F::ValuePoint(7), kChangedItem, true, WM_LBUTTONDOWN,
       CPoint(8, 10), "ChangedItem Ruler 0, -1102 Ruler, -1105 Ruler"},
      {"a header double-clicked, deleted on -1107", 5, CPoint(-1, -1), OT_NOTIFY_SELCHANGE, false, WM_LBUTTONDBLCLK,
       F::LabelPoint(5), "-1107 View, -1102 View, -1102 Zoom, -1102 Ruler"},
      // The list takes the focus from the open check box, which commits.
      {"a check box committed, deleted on -1105", 7, F::ValuePoint(7), OT_NOTIFY_ITEMCHANGED, false, WM_LBUTTONDOWN,
       F::LabelPoint(7), "-1105 Ruler, -1102 Ruler, -1107 null"},
      {"an expand box clicked, deleted on -1108", 2, CPoint(-1, -1), OT_NOTIFY_ITEMEXPANDING, false, WM_LBUTTONDOWN,
       CPoint(8, 2 * F::kRowHeight + 9), "-1108 Grid, -1102 Grid, -1102 Spacing, -1102 Snap"},
      {"Left pressed, deleted on -1108", 2, F::LabelPoint(2), OT_NOTIFY_ITEMEXPANDING, false, WM_KEYDOWN,
       CPoint(VK_LEFT, 0), "-1108 Grid, -1102 Grid, -1102 Spacing, -1102 Snap"},
  };
  for (const auto& test : cases)
  {
    SCOPED_TRACE(test.pszCase);
    CTreeOptionFixture fixture;
    CTreeOptionItem* pRow = fixture.m_tree.FindItem(fixture.LabelPoint(test.nRow));
    ASSERT_NE(nullptr, pRow);
    const UINT uRowID = pRow->GetCtrlID();
    if (test.ptBefore.x >= 0)
      Click(fixture.List(), test.ptBefore);
    fixture.TakeLog();
    fixture.m_host.m_nDeleteRowOn = test.nDeleteOn;
    // By handle: the button's object goes with its row.
    const HWND hTarget = test.bOnButton ? fixture.m_pRuler->m_hWnd : fixture.List().m_hWnd;
    const bool bKey = test.nMessage == WM_KEYDOWN;
    const LPARAM lPoint = bKey ? 1 : MAKELPARAM(test.point.x, test.point.y);
    ::SendMessage(hTarget, test.nMessage, bKey ? WPARAM(test.point.x) : MK_LBUTTON, lPoint);
    if (test.nMessage == WM_LBUTTONDOWN)
      ::SendMessage(hTarget, WM_LBUTTONUP, 0, lPoint);
    PumpMessages();
    std::string strLog;
    for (const std::string& strEntry : fixture.TakeLog())
      strLog += (strLog.empty() ? "" : ", ") + strEntry;
    EXPECT_EQ(test.pszExpected, strLog);
    EXPECT_EQ(nullptr, fixture.m_tree.FindItem(uRowID));
    EXPECT_EQ(nullptr, fixture.m_tree.GetFocusedItem());
    // The control goes on with the rows that are left.
    fixture.m_host.m_nDeleteRowOn = 0;
    fixture.Repaint();
    Click(fixture.List(), fixture.LabelPoint(0));
    EXPECT_EQ((Log{"-1107 General"}), fixture.TakeLog());
    EXPECT_EQ(fixture.m_pGeneral, fixture.m_tree.GetFocusedItem());
  }

  // A row inserted since the last deselection commits at the next one, by a click or double
  // click on it or by a key moving the focus to it.
  for (const UINT nMessage : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_KEYDOWN})
  {
    CTreeOptionFixture fixture;
    auto* pNew = new CPoisonedOnDelete<CTreeOptionItemCheckBox>;
    pNew->SetLabelText("Lines");
    fixture.m_tree.InsertItem(pNew, fixture.m_pView);
    pNew->CreateCheckBoxItem(0, 0);
    fixture.m_tree.InsertItem(NewRow("Dash"), pNew);
    fixture.Repaint();
    fixture.m_tree.SetFocusedItem(fixture.m_pRuler);
    fixture.m_host.m_nDeleteRowOn = OT_NOTIFY_ITEMCHANGED;
    if (nMessage == WM_KEYDOWN)
      PressKey(fixture.List(), VK_DOWN);
    else
      fixture.List().SendMessage(nMessage, MK_LBUTTON, MAKELPARAM(60, 8 * F::kRowHeight + 9));
    Log expected{"-1105 Lines", "-1102 Lines", "-1102 Dash"};
    if (nMessage == WM_KEYDOWN)
      expected.push_back("-1107 null");
    EXPECT_EQ(expected, fixture.TakeLog());
    EXPECT_NE(static_cast<CTreeOptionItem*>(pNew), fixture.m_tree.GetFocusedItem());
  }
}

TEST_F(TreeOptionView, KeysMoveExpandAndActivate)
{
  // Tab on a header neither moves nor activates.
  PressKey(List(), VK_HOME);
  PressKey(List(), VK_TAB);
  EXPECT_FALSE(m_pGeneral->IsActivated());
  PressKey(List(), VK_DOWN);
  PressKey(List(), VK_TAB);
  EXPECT_EQ(m_pGrid, m_tree.GetFocusedItem());
  EXPECT_TRUE(m_pGrid->IsActivated());
  PressKey(List(), VK_TAB, true);
  EXPECT_EQ((Log{"-1107 General", "-1107 Units", "-1107 Grid", "-1107 Units"}), TakeLog());

  // Left and Right ask the host on every press, then expand, collapse or move.
  PressKey(List(), VK_DOWN);
  PressKey(List(), VK_LEFT);
  EXPECT_FALSE(m_pGrid->IsExpanded());
  PressKey(List(), VK_RIGHT);
  PressKey(List(), VK_RIGHT);
  EXPECT_EQ((Log{"-1107 Grid", "-1108 Grid", "-1108 Grid", "-1108 Grid", "-1107 Spacing"}), TakeLog());
  m_host.m_answers[OT_NOTIFY_ITEMEXPANDING] = 1;
  PressKey(List(), VK_UP);
  PressKey(List(), VK_LEFT);
  EXPECT_TRUE(m_pGrid->IsExpanded());
  EXPECT_EQ(m_pUnits, m_tree.GetFocusedItem());

  PressKey(List(), VK_END);
  PressKey(List(), VK_UP);
  EXPECT_EQ(m_pZoom, m_tree.GetFocusedItem());
  TakeLog();
  // Enter activates without asking.
  PressKey(List(), VK_RETURN);
  EXPECT_TRUE(m_pZoom->IsActivated());
  EXPECT_TRUE(TakeLog().empty());
  EXPECT_EQ(UINT(DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS), UINT(List().SendMessage(WM_GETDLGCODE)));
}

TEST_F(TreeOptionView, WheelAndScrollBarMoveByFixedStepsPastSixteenBits)
{
  List().SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), 0);
  EXPECT_EQ(0, m_tree.GetOrigin().y);  // the whole tree fits

  m_tree.MoveWindow(0, 0, kWidth, 50 + 3 * kRowHeight);
  Repaint();
  List().SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), 0);
  // Rows now sit 18 pixels higher.
  EXPECT_EQ(m_pGrid, m_tree.FindItem(LabelPoint(1)));
  List().SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(18 + 55, m_tree.GetOrigin().y);
  List().SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(144 - 55, m_tree.GetOrigin().y);  // the page stays whole
  List().SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(WHEEL_DELTA)), 0);
  EXPECT_EQ(144 - 55 - 18, m_tree.GetOrigin().y);
  List().SendMessage(WM_VSCROLL, SB_PAGEUP, 0);
  List().SendMessage(WM_VSCROLL, SB_PAGEUP, 0);
  EXPECT_EQ(0, m_tree.GetOrigin().y);

  // The thumb scrolls trees taller than sixteen bits to their end.
  m_pZoom->SetItemHeight(100000);
  List().UpdateResize();
  Repaint();
  SCROLLINFO si = {};
  si.cbSize = sizeof si;
  List().GetScrollInfo(SB_VERT, &si, SIF_RANGE);
  CRect rcClient;
  List().GetClientRect(rcClient);
  const long lEnd = si.nMax - (rcClient.Height() + 1);
  ASSERT_GT(lEnd, 0xFFFF);

  // As the system drags: the move and the release wait in the queue while the press on the
  // thumb runs the bar's tracking loop, which reports each position with SB_THUMBTRACK.
  SCROLLBARINFO bar = {};
  bar.cbSize = sizeof bar;
  ASSERT_TRUE(::GetScrollBarInfo(List().m_hWnd, OBJID_VSCROLL, &bar));
  const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
  CPoint ptThumb(x, bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2);
  CPoint ptEnd(x, bar.rcScrollBar.bottom - 1);
  List().ScreenToClient(&ptEnd);
  List().PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptEnd.x, ptEnd.y));
  List().PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptEnd.x, ptEnd.y));
  List().SendMessage(WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(ptThumb.x, ptThumb.y));
  PumpMessages();
  EXPECT_EQ(lEnd, m_tree.GetOrigin().y);
  EXPECT_EQ(lEnd, List().GetScrollPos(SB_VERT));
}

// Probes of the grid (the gutter line, a row's divider, the lines under a row and a header),
// Grid's expand box (outline, minus bar, plus bar once collapsed), the divider moved off the
// headers, and the shaded headers and gutter.
TEST_F(TreeOptionView, PaintsGridGutterHeadersAndExpandBoxes)
{
  const COLORREF crShadow = Sys(COLOR_BTNSHADOW), crWindow = Sys(COLOR_WINDOW), crSign = RGB(0, 0, 0);
  const int nBoxTop = 2 * kRowHeight + 5;
  // Each probe: x, y, the colour the list shows there.
  auto expectPixels = [this](std::initializer_list<std::tuple<int, int, COLORREF>> pixels) {
    const CPixelCanvas shown(List());
    for (const auto& [x, y, crColour] : pixels)
      EXPECT_EQ(crColour, shown.Pixel(x, y)) << "(" << x << ", " << y << ")";
  };
  expectPixels({{16, 200, crShadow}, {150, kRowHeight + 9, crShadow}, {200, 2 * kRowHeight - 1, crShadow}});
  expectPixels({{200, kRowHeight - 1, crShadow}, {4, nBoxTop, crShadow}, {6, nBoxTop + 4, crSign}});
  expectPixels({{8, nBoxTop + 2, crWindow}});
  m_pGrid->Expand(FALSE);
  m_tree.UpdatedItems();
  m_tree.SetColumn(250);
  Repaint();
  expectPixels({{8, nBoxTop + 2, crSign}, {250, kRowHeight + 9, crShadow}, {250, 9, crWindow}});
  m_tree.ShadeRootItems(TRUE);
  m_tree.ShadeExpandColumn(TRUE);
  Repaint();
  expectPixels({{290, 9, m_pGeneral->GetRootBackgroundColor()}, {8, 200, Sys(COLOR_BTNFACE)}});
}
