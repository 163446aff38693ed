// Drawing shared by the colour lists and the child list: swatches, text in a cell, the cell
// rectangles of a report-style list view and a scope that restores a context's text colours.
//
// Margins are 96-DPI pixels, scaled to the list's DPI; entry heights and column widths are the
// list's own pixels.
#pragma once
#include <afxcmn.h>

#include "DpiScale.h"

// Margins of the entries, in pixels at 96 DPI.
const int ZUNT_SWATCH_INSET = 2;  // a swatch from its entry's edges
const int ZUNT_TEXT_GAP = 3;      // text from a swatch, and from the edges of a cell

// Colour 19, the background of read-only and disabled entries.
const int ZUNT_COLOR_READONLY = COLOR_INACTIVECAPTIONTEXT;

// The start of an owner-drawn entry: its context, or null when nothing more is drawn (no
// context; the empty entry, whose focus rectangle is drawn here when asked; an entry without
// record).
CDC* ZuntBeginEntry(const DRAWITEMSTRUCT& draw, bool bEmptyEntryFocus);
// The end of an entry: its focus rectangle while the control has the keyboard focus.
void ZuntEndEntry(const CWnd& control, CDC* pDC, const DRAWITEMSTRUCT& draw);

// A rectangle outlined with a solid 1-pixel line of one colour and filled with another. An
// empty rectangle draws nothing.
void ZuntDrawSwatch(CDC* pDC, const CRect& rect, COLORREF crOutline, COLORREF crFill);

// The swatch of an entry: nWidth wide, inset from nLeft and from the entry's top and bottom.
CRect ZuntSwatchRect(const CDpiScale& dpi, int nLeft, const CRect& rcItem, int nWidth);

// The whole client area of a read-only list in colour 19.
void ZuntFillReadOnly(const CWnd& wnd, CDC* pDC);

// One line of text, vertically centred, in the context's current colours.
void ZuntDrawCellText(CDC* pDC, const CString& strText, const CRect& rect, UINT nFormat);

// The cells of a list view item, in client coordinates: from the item's bounding rectangle,
// the left edge moved by the widths of the columns before, the right edge at the column's
// last pixel.
CRect ZuntListColumnRect(const CListCtrl& list, int nItem, int nColumn);
// Where the text of such a cell goes: clear of the column's edges by the text gap.
CRect ZuntListTextRect(const CListCtrl& list, int nItem, int nColumn);

// Sets a context's text and background colours and puts the old ones back when it ends.
class CTextColorScope
{
public:
  CTextColorScope(CDC* pDC, COLORREF crText, COLORREF crBack);
  ~CTextColorScope();
  CTextColorScope(const CTextColorScope&) = delete;
  CTextColorScope& operator=(const CTextColorScope&) = delete;

private:
  CDC* m_pDC;
  COLORREF m_crOldText;
  COLORREF m_crOldBack;
};
