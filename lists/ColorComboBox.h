// A combo box of colour swatches and names. The host creates it owner-drawn with fixed item
// height and makes each entry's item data point at a CColorItem that outlives the entry; a
// record without a colour (CColorItem::NO_COLOR) shows only its text.
#pragma once
#include <afxwin.h>

#include "ColorItem.h"

class AFX_EXT_CLASS CColorComboBox : public CComboBox
{
  DECLARE_DYNAMIC(CColorComboBox)
public:
  CColorComboBox();
  ~CColorComboBox() override;

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  void DrawColor(CDC* pDC, const CRect& rect, COLORREF crOutline, COLORREF crFill);

  // The colour name at a position; empty for a bad position or an entry without a record.
  CString GetColorName(int nPosition);
  // The index member of the first record, from position 0 on, whose colour name is the given
  // one (case counts); -1 when there is none.
  int GetColorIndex(CString strColorName);

protected:
  DECLARE_MESSAGE_MAP()

private:
  CColorItem* recordAt(int nPosition) const;
  void drawEntry(CDC* pDC, const CColorItem& item, const CRect& rcSwatch, const CRect& rcText, COLORREF crOutline,
                 UINT nFormat);
};
