// Check-box rows: activation toggles and reports at once, the live button over the value area
// toggles on clicks, loses its edit when the focus moves inside the control, and the row draws
// the box itself while idle.
#include "TreeOptionTestSupport.h"

#include <gtest/gtest.h>

namespace
{
class TreeOptionCheckBox : public ::testing::Test, public CTreeOptionFixture
{
protected:
  // Dark pixels of the idle check box of the Ruler row (value area of row 7).
  int rulerBoxPixels(COLORREF colour)
  {
    Repaint();
    const int nLeft = m_tree.GetColumn() + 5;
    const int nTop = 7 * kRowHeight + 3;
    return CPixelCanvas(List()).CountColour(CRect(nLeft, nTop, nLeft + 14, nTop + 14), colour);
  }
};
}

TEST_F(TreeOptionCheckBox, ActivationTogglesOnceThenTheButtonTakesClicksUpToItsEdge)
{
  Click(List(), ValuePoint(7));
  EXPECT_EQ((Log{"-1107 Ruler", "-1110 Ruler", "ChangedItem Ruler 1"}), TakeLog());
  EXPECT_EQ(m_pRuler->m_hWnd, ::GetFocus());
  CRect rcButton;
  m_pRuler->GetWindowRect(rcButton);
  List().ScreenToClient(rcButton);
  EXPECT_EQ(m_pRuler->GetAttributeRect(), rcButton);

  // Inside the shown box it toggles again.
  Click(*m_pRuler, CPoint(8, 10));
  EXPECT_EQ((Log{"ChangedItem Ruler 0"}), TakeLog());

  // A window outside the control takes the focus: nothing is committed.
  CEdit elsewhere;
  elsewhere.Create(WS_CHILD | WS_VISIBLE, CRect(310, 10, 400, 30), &m_host, 99);
  elsewhere.SetFocus();
  PumpMessages();
  EXPECT_TRUE(TakeLog().empty());
  EXPECT_TRUE(m_pRuler->IsWindowVisible());

  // A row growing above pushes the row out of the view, and the shown button with it.
  m_pUnits->SetItemHeight(kListHeight);
  m_tree.UpdatedItems();
  Repaint();
  m_pRuler->GetWindowRect(rcButton);
  List().ScreenToClient(rcButton);
  EXPECT_LE(kListHeight, rcButton.top);
  m_pUnits->SetItemHeight(kRowHeight);
  m_tree.UpdatedItems();
  Repaint();

  // The focus moving to another row commits and hides the button.
  Click(List(), LabelPoint(6));
  EXPECT_EQ((Log{"-1105 Ruler", "-1107 Zoom"}), TakeLog());
  EXPECT_FALSE(m_pRuler->IsWindowVisible());

  // The clickable area reaches the button's edge when the text is shown, else only the box.
  PressKey(List(), VK_END);
  PressKey(List(), VK_RETURN);
  EXPECT_EQ(1, m_pRuler->GetCheck());
  CRect rcClient;
  m_pRuler->GetClientRect(rcClient);
  m_pRuler->UpdateWindow();
  EXPECT_EQ(rcClient.right, m_pRuler->GetCheckRect().right);
  Click(*m_pRuler, CPoint(rcClient.right - 3, 9));
  EXPECT_EQ(0, m_pRuler->GetCheck());
  m_pRuler->SetOption(OT_CHECK_SHOWTEXT, FALSE);
  m_pRuler->Invalidate();
  m_pRuler->UpdateWindow();
  EXPECT_EQ(1 + 14, m_pRuler->GetCheckRect().right);
  Click(*m_pRuler, CPoint(rcClient.right - 3, 9));
  EXPECT_EQ(0, m_pRuler->GetCheck());
}

TEST_F(TreeOptionCheckBox, CreationNeedsAnOwnerAndTheIdleRowDrawsTheBoxSwatchAndGreyedState)
{
  EXPECT_FALSE(m_pRuler->CreateCheckBoxItem(1, OT_CHECK_SHOWCHECKBOX));
  EXPECT_EQ(0, m_pRuler->GetCheck());
  CTreeOptionItemCheckBox loose;
  EXPECT_FALSE(loose.CreateCheckBoxItem(1, 0));
  loose.PushCheck();
  EXPECT_EQ(0, loose.GetCheck());

  // A new row commits on its first deselection.
  auto* pGuides = new CTreeOptionItemCheckBox;
  m_tree.InsertItem(pGuides, m_pView)->SetLabelText("Guides");
  ASSERT_TRUE(pGuides->CreateCheckBoxItem(0, OT_CHECK_SHOWCHECKBOX));
  Repaint();
  Click(List(), LabelPoint(1));
  EXPECT_EQ((Log{"-1105 Guides", "-1107 Units"}), TakeLog());
  Click(List(), LabelPoint(2));
  EXPECT_EQ((Log{"-1107 Grid"}), TakeLog());

  // The idle Ruler row draws its box, checked or not.
  const COLORREF crMark = Sys(COLOR_WINDOWTEXT);
  const int nUnchecked = rulerBoxPixels(crMark);
  m_pRuler->SetCheck(1);
  EXPECT_GT(rulerBoxPixels(crMark), nUnchecked + 5);

  const int nSwatchLeft = m_tree.GetColumn() + 5 + 14 + 5;
  const CRect rcSwatch(nSwatchLeft + 1, 7 * kRowHeight + 4, nSwatchLeft + 27, 7 * kRowHeight + 16);
  m_pRuler->SetColorRect(RGB(255, 0, 0), true);
  Repaint();
  EXPECT_EQ(26 * 12, CPixelCanvas(List()).CountColour(rcSwatch, RGB(255, 0, 0)));

  // Without the box bit the row draws neither box nor swatch.
  m_pRuler->SetOption(OT_CHECK_SHOWCHECKBOX | OT_CHECK_SHOWTEXT, FALSE);
  EXPECT_EQ(14 * 14, rulerBoxPixels(Sys(COLOR_WINDOW)));
  EXPECT_EQ(0, CPixelCanvas(List()).CountColour(rcSwatch, RGB(255, 0, 0)));
  m_pRuler->SetOption(OT_CHECK_SHOWCHECKBOX, TRUE);

  // Read-only: the value area turns button-face, the box inactive.
  m_pRuler->ReadOnly();
  EXPECT_GT(rulerBoxPixels(Sys(COLOR_BTNFACE)), 0);
  EXPECT_EQ(0, rulerBoxPixels(Sys(COLOR_WINDOW)));
}
