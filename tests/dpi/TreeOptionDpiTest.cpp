#include "DpiTestSupport.h"
#include "../treeoption/TreeOptionTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kSwatch = RGB(0, 200, 100);

// The option tree tests' tree, its rows Px(18) high.
class TreeOptionDpiTest : public ::testing::Test, public CTreeOptionFixture
{
protected:
  // The middle of the band of the nth row (rows are 18 pixels at 96 DPI), at x.
  static CPoint RowPoint(int nRow, int x) { return CPoint(x, Px(18) * nRow + Px(9)); }
};
}  // namespace

TEST_F(TreeOptionDpiTest, FixedSizesAndHitTestingComeOutScaled)
{
  CRect rcInfo;
  m_tree.GetInfoWindow()->GetWindowRect(rcInfo);
  const struct
  {
    const char* pszWhat;
    long lActual, lExpected;
  } rows[] = {
      {"row height", m_pGrid->GetHeight(), Px(18)},
      {"label column", m_tree.GetColumn(), Px(150)},
      {"information pane", rcInfo.Height(), Px(50)},
      {"second level indent", m_pSnap->GetLocation().x, Px(16)},
  };
  for (const auto& row : rows)
    EXPECT_EQ(row.lExpected, row.lActual) << row.pszWhat;

  // The divider and the expand box where the scaled layout draws them.
  const CPoint ptExpand = m_pGrid->GetExpandRect().CenterPoint();
  const struct
  {
    CPoint point;
    long lHit;
  } hits[] = {
      {RowPoint(1, Px(150) - Px(5)), OT_HIT_COLUMN},        {RowPoint(1, Px(150) - Px(5) - 1), OT_HIT_LABEL},
      {RowPoint(1, Px(150) + Px(5) + 1), OT_HIT_ATTRIBUTE}, {CPoint(Px(4) - 1, ptExpand.y), OT_HIT_LABEL},
      {CPoint(ptExpand.x, Px(18) * 8 + 1), OT_HIT_NOWHERE},
  };
  for (const auto& hit : hits)
    EXPECT_EQ(hit.lHit, m_tree.HitTest(hit.point)) << hit.point.x << "," << hit.point.y;

  // A click on the scaled expand box collapses the row.
  Click(List(), ptExpand);
  EXPECT_FALSE(m_pGrid->IsExpanded());

  // Column limits: at least 16 from the right side; a drop left of 17 gives 17.
  CRect rcClient;
  m_tree.GetClientRect(rcClient);
  m_tree.SetColumn(rcClient.right);
  EXPECT_EQ(rcClient.Width() - Px(16), m_tree.GetColumn());
  m_tree.SetColumn(Px(150));
  Drag(List(), RowPoint(1, Px(150)), CPoint(Px(5), Px(20)));
  EXPECT_EQ(Px(17), m_tree.GetColumn());

  // One wheel notch scrolls a row.
  for (int i = 0; i < 20; ++i)
    m_tree.InsertItem(NewRow("More"), m_pGeneral);
  List().SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), 0);
  EXPECT_EQ(Px(18), m_tree.GetOrigin().y);
}

TEST_F(TreeOptionDpiTest, ExpandBoxAndCheckBoxAreDrawnAtTheScaledSize)
{
  m_pRuler->SetColorRect(kSwatch, true);
  m_pGrid->Expand(FALSE);
  Repaint();
  CPixelCanvas canvas(List());
  const CRect rcGutter(1, Px(36), Px(16), Px(54));  // Grid's, right of the sunken edge
  EXPECT_EQ(CRect(Px(4), Px(36 + 5), Px(4 + 9), Px(36 + 5 + 9)), canvas.BoundsOf(Sys(COLOR_BTNSHADOW), rcGutter));
  // The plus: two bars 5 long and a pixel thick at 96 DPI, crossing in the box's middle.
  const CRect rcSign = canvas.BoundsOf(RGB(0, 0, 0), rcGutter);
  EXPECT_EQ(2 * Px(5) * Px(1) - Px(1) * Px(1), canvas.CountColour(rcSign, RGB(0, 0, 0)));

  // The idle check box, 14 square at 96 DPI and 3 below the top of the attribute area, and the
  // swatch twice as wide 5 after it: the swatch's fill inside its hairline frame shows where.
  const CRect rcAttribute = m_pRuler->GetAttributeRect();
  const CRect rcSwatch(rcAttribute.left + Px(14 + 5), rcAttribute.top + Px(3), rcAttribute.left + Px(14 + 5 + 28),
                       rcAttribute.top + Px(3 + 14));
  EXPECT_EQ(CRect(rcSwatch.left + 1, rcSwatch.top + 1, rcSwatch.right - 1, rcSwatch.bottom - 1),
            canvas.BoundsOf(kSwatch));

  // The live check box sits 1 right and 4 down at 96 DPI; a click inside its far corner toggles.
  m_pRuler->SetOption(OT_CHECK_SHOWTEXT, FALSE);
  m_pRuler->Activate();
  m_pRuler->UpdateWindow();
  EXPECT_EQ(CRect(Px(1), Px(4), Px(1 + 14), Px(4 + 14)), m_pRuler->GetCheckRect());
  Click(*m_pRuler, CPoint(Px(1 + 14) - 1, Px(4 + 14) - 1));
  EXPECT_EQ(0, m_pRuler->GetCheck());
}

// The shared fonts are the menu font at the system's DPI and scaled from it at any other, once per DPI.
TEST_F(TreeOptionDpiTest, SharedFontsFollowTheDpiAskedFor)
{
  auto logFontOf = [](CFont* pFont) {
    LOGFONT lf = {};
    pFont->GetLogFont(&lf);
    return lf;
  };
  const LONG lSystemHeight = logFontOf(m_tree.NormalFont()).lfHeight;
  for (UINT nDpi : {96u, 144u, 288u})
  {
    SCOPED_TRACE(nDpi);
    const LOGFONT normal = logFontOf(CTreeOption::GetNormalFont(CDpiScale(nDpi)));
    const LOGFONT bold = logFontOf(CTreeOption::GetBoldFont(CDpiScale(nDpi)));
    EXPECT_EQ(::MulDiv(lSystemHeight, int(nDpi), ScreenDpi()), normal.lfHeight);
    EXPECT_EQ(normal.lfHeight, bold.lfHeight);
    EXPECT_EQ(CTreeOption::GetNormalFont(CDpiScale(nDpi)), CTreeOption::GetNormalFont(CDpiScale(nDpi)));
  }
}
