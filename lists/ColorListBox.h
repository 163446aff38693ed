// A list box of colour swatches and names, sorted by the records' index when the host gives
// it the sort style, and optionally read-only (no selection shown, a dimmed background). The
// host creates it owner-drawn with fixed item height and points each entry's item data at a
// CColorItem that outlives the entry. Swatch insets and the leading of an entry are 96-DPI
// pixels scaled to the box's DPI; the entries are measured again when that DPI changes.
#pragma once
#include <afxwin.h>

#include "ColorItem.h"

class AFX_EXT_CLASS CColorListBox : public CListBox
{
  DECLARE_DYNAMIC(CColorListBox)
public:
  CColorListBox();
  ~CColorListBox() override;

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  // Entries as high as make a whole number of them fill the box, at least the font's height.
  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
  // By the records' index members.
  int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) override;
  void DrawColor(CDC* pDC, const CRect& rect, COLORREF crOutline, COLORREF crFill);

  // Takes effect at the next repaint.
  void SetReadOnlyFlag(bool bReadOnly) { m_bReadOnly = bReadOnly; }
  bool GetReadOnlyFlag() const { return m_bReadOnly; }

protected:
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  bool m_bReadOnly;

private:
  void drawEntry(CDC* pDC, const CColorItem& item, const CRect& rcSwatch, const CRect& rcText, COLORREF crOutline);
  // The entry on the read-only background, its name in the given colour.
  void drawDimmed(CDC* pDC, const CColorItem& item, const CRect& rcItem, const CRect& rcSwatch, const CRect& rcText,
                  COLORREF crText);
  void drawSelectable(CDC* pDC, const DRAWITEMSTRUCT& draw, const CColorItem& item, const CRect& rcSwatch,
                      const CRect& rcText);
};
