// A report-style list view of colours in two columns: the record's own name, then a swatch and
// the colour name. The host creates it owner-drawn with fixed item height, adds the two columns
// and points each item's data at a CNameColorItem that outlives the item.
#pragma once
#include <afxcmn.h>

#include "ColorItem.h"

class AFX_EXT_CLASS CColorListCtrl : public CListCtrl
{
  DECLARE_DYNAMIC(CColorListCtrl)
public:
  CColorListCtrl();
  ~CColorListCtrl() override;

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  void DrawColor(CDC* pDC, const CRect& rect, COLORREF crOutline, COLORREF crFill);

  // Takes effect at the next repaint.
  void SetReadOnlyFlag(bool bReadOnly) { m_bReadOnly = bReadOnly; }
  bool GetReadOnlyFlag() const { return m_bReadOnly; }

protected:
  // The cell of an item in a column, in client coordinates.
  CRect getColumnRect(int nItem, int nColumn);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  DECLARE_MESSAGE_MAP()

  bool m_bReadOnly;

private:
  // Where the parts of one row go.
  struct SRowLayout
  {
    CRect rcName;
    CRect rcSwatch;
    CRect rcColorName;
  };
  SRowLayout rowLayout(int nItem, const CRect& rcItem);
  void drawRow(CDC* pDC, const CNameColorItem& item, const SRowLayout& layout, COLORREF crOutline);
  void drawFilledRow(CDC* pDC, const CNameColorItem& item, const SRowLayout& layout, const CRect& rcItem, int nFill,
                     int nText, COLORREF crOutline);
};
