// A palette button of single characters drawn in a chosen font (symbols of a symbol font, for
// instance). The face shows the selected character; a pick is sent to the parent window as
// CCharPaletteCtrl_Msg_SelChanged (wParam the control id, lParam the index).
// The font search starts from the cell's height at 96 DPI in points, and the fonts are made at
// the window's DPI, so glyphs scale with the cells.
#pragma once
#include "PaletteButton.h"

class AFX_EXT_CLASS CCharPaletteCtrl : public CPaletteButton
{
  DECLARE_DYNCREATE(CCharPaletteCtrl)
public:
  CCharPaletteCtrl();

  // The character is stored sign-extended; drawing uses its low byte.
  int AddCell(char ch, DWORD dwExData, LPCTSTR lpszTipText);
  int InsertCell(int nIndex, char ch, DWORD dwExData, LPCTSTR lpszTipText);
  char GetCellChar(int nIndex) const { return static_cast<char>(GetCellData(nIndex) & 0xFF); }
  // An empty name leaves the choice to the font mapper. Nothing is redrawn.
  void SetFaceName(CString strFaceName) { m_strFaceName = strFaceName; }
  // Centred in the cell, or standing on its bottom edge. Nothing is redrawn.
  void SetAdjustCenter(bool bAdjustCenter) { m_bAdjustCenter = bAdjustCenter; }
  // Cells as high as the button and as wide as its face left of the arrow.
  void AutoCellSize();

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
  void DrawCell(CDC& dc, int nIndex, const RECT& rect) override;
  void OnSelChanged(int nIndex) override;
  // The character as large as fits the rectangle's width.
  virtual void DrawChar(CDC& dc, CRect& rect, char ch);

  bool m_bAdjustCenter;
  CString m_strFaceName;

  DECLARE_MESSAGE_MAP()

private:
  // The largest point size (tenths) at which the character fits the width; 0 when none does.
  int GetFontHeight(CRect& rect, char ch);
  BOOL createGlyphFont(CFont& font, int nTenthsOfPoint) const;
};
