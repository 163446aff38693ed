#include "../lists/ListsTestSupport.h"
#include "DpiTestSupport.h"

#include <ZuntCtrl.h>
#include <gtest/gtest.h>

#include <vector>

namespace
{
const COLORREF kFill = RGB(0, 200, 100);

// A popup that holds the controls under test.
class CHost : public CWnd
{
public:
  CHost() { CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, Px(400), Px(300)), nullptr, 0); }
};

// A list whose double-click hook takes every click and notes the column.
class CHookedChildList : public CChildList
{
public:
  int OnDblClkLButton(CColumnItemData*, int nColumn) override
  {
    m_arColumns.push_back(nColumn);
    return 1;
  }
  std::vector<int> m_arColumns;
};

// A 32 by 32 icon, transparent but for a red top-left pixel.
HICON MarkerIcon()
{
  std::vector<BYTE> mask(32 * 32 / 8, 0xFF);
  std::vector<DWORD> colour(32 * 32, 0);
  mask[0] = 0x7F;
  colour[0] = 0x00FF0000;  // BGRA: red
  return ::CreateIcon(nullptr, 32, 32, 1, 32, mask.data(), reinterpret_cast<const BYTE*>(colour.data()));
}
}  // namespace

TEST(ListsDpi, SwatchesSitAtScaledInsetsAndListBoxEntriesAddAScaledLeadingToTheTextHeight)
{
  CHost host;
  CClientDC dc(&host);
  const int nEntry = dc.GetTextExtent("Ag", 2).cy + Px(3);
  CColorComboBox combo;
  CColorListBox listBox;
  ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, CRect(0, 0, Px(200), Px(200)), &host, 1));
  // A box exactly two entries high holds two entries of that height.
  ASSERT_TRUE(
      listBox.Create(WS_CHILD | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT, CRect(0, 0, Px(200), 2 * nEntry), &host, 2));
  MEASUREITEMSTRUCT measure = {};
  listBox.MeasureItem(&measure);
  EXPECT_EQ(UINT(nEntry), measure.itemHeight);

  CColorItem item(0, kFill, "Green");
  // Swatch from left + 2, top + 2 to bottom - 2 (96 DPI), twice as wide as the entry is high;
  // its fill lies inside a hairline outline.
  const CRect rcItem(0, 0, Px(200), Px(16));
  const CRect rcFill(Px(2) + 1, Px(2) + 1, Px(2) + 2 * Px(16) - 1, Px(16 - 2) - 1);
  CPixelCanvas comboCanvas(Px(200), Px(16)), listCanvas(Px(200), Px(16));
  DrawEntry(combo, comboCanvas, 0, &item, rcItem, ODA_DRAWENTIRE, 0);
  DrawEntry(listBox, listCanvas, 0, &item, rcItem, ODA_DRAWENTIRE, 0);
  EXPECT_EQ(rcFill, comboCanvas.BoundsOf(kFill));
  EXPECT_EQ(rcFill, listCanvas.BoundsOf(kFill));
}

TEST(ListsDpi, ChildListCellsKeepScaledMarginsFromTheColumnEdges)
{
  CHost host;
  CHookedChildList list;
  ASSERT_TRUE(
      list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(0, 0, Px(400), Px(200)), &host, 1));
  CArray<CColumnHeadData, CColumnHeadData&> arrHead;
  for (const char* pszName : {"Name", "Size"})
  {
    CColumnHeadData head(pszName, 1);
    arrHead.Add(head);
  }
  ASSERT_TRUE(list.SetColumnHead(arrHead));
  CColumnItemData* pRecord = new CColumnItemData;
  pRecord->AddDataString("a");
  pRecord->AddDataString("10");
  ASSERT_TRUE(list.AddColumnItemData(pRecord));
  list.InitList();
  CRect rcRow;
  list.GetItemRect(0, &rcRow, LVIR_BOUNDS);
  const int nLeft = list.GetColumnWidth(0), nRight = nLeft + list.GetColumnWidth(1), y = rcRow.CenterPoint().y;
  // 3 from the left edge and 4 from the right at 96 DPI: only the inner two clicks count.
  for (int x : {nLeft + Px(3) - 1, nLeft + Px(3), nRight - Px(4) - 1, nRight - Px(4)})
    list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
  EXPECT_EQ((std::vector<int>{1, 1}), list.m_arColumns);
}

TEST(ListsDpi, ButtonIconsSitAroundTheScaledCentre)
{
  CHost host;
  CXPRadioButton button;
  ASSERT_TRUE(button.Create("", WS_CHILD | BS_OWNERDRAW | BS_ICON, CRect(0, 0, Px(32), Px(32)), &host, 1));
  HICON hIcon = MarkerIcon();
  button.SetIcon(hIcon);
  // The icon's corner goes as far left and up as the face's centre is off 16 (96 DPI), plus a
  // pixel down: a face of 32 at 0 puts it at the corner, one of 24 at 8 at 4 in.
  const struct
  {
    int nSize, nLeft;
    CPoint ptMarker;
  } rows[] = {{32, 0, CPoint(0, Px(1))}, {24, 8, CPoint(Px(4), Px(5))}};
  for (const auto& row : rows)
  {
    CPixelCanvas canvas(Px(40), Px(40));
    const CRect rcFace(CPoint(Px(row.nLeft), Px(row.nLeft)), CSize(Px(row.nSize), Px(row.nSize)));
    DrawEntry(button, canvas, 0, nullptr, rcFace, ODA_DRAWENTIRE, 0);
    EXPECT_EQ(row.ptMarker, canvas.BoundsOf(RGB(255, 0, 0)).TopLeft()) << row.nSize;
  }
  button.DestroyWindow();
  ::DestroyIcon(hIcon);
}
