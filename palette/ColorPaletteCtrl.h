// A palette button of colour swatches. The face shows the selected colour; a pick is sent to
// the parent window as TavikColorPaletteCtrl_Msg_SelChanged (wParam the control id, lParam the
// index). On palette-based displays a logical palette set by the host maps the colours.
#pragma once
#include "PaletteButton.h"

class AFX_EXT_CLASS CColorPaletteCtrl : public CPaletteButton
{
  DECLARE_DYNCREATE(CColorPaletteCtrl)
public:
  CColorPaletteCtrl();

  int AddCell(COLORREF crColor, DWORD dwExData, LPCTSTR lpszTipText)
  {
    return CPaletteButton::AddCell(crColor, dwExData, lpszTipText);
  }
  int InsertCell(int nIndex, COLORREF crColor, DWORD dwExData, LPCTSTR lpszTipText)
  {
    return CPaletteButton::InsertCell(nIndex, crColor, dwExData, lpszTipText);
  }
  COLORREF GetCellColor(int nIndex) const { return GetCellData(nIndex); }
  void SetCellColor(int nIndex, COLORREF crColor) { SetCellData(nIndex, crColor); }
  // Not owned; nothing is redrawn.
  CPalette* GetPalette() const { return m_pPalette; }
  void SetPalette(CPalette* pPalette) { m_pPalette = pPalette; }

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
  void DrawCell(CDC& dc, int nIndex, const RECT& rect) override;
  void OnSelChanged(int nIndex) override;
  // Fills the rectangle with the colour (its nearest palette entry when a palette is set).
  virtual void DrawColor(CDC& dc, CRect& rect, COLORREF crColor);

  CPalette* m_pPalette;

  DECLARE_MESSAGE_MAP()

private:
  void realizePalette(CDC& dc);
  // A window-frame line around the rectangle, the colour inside it.
  void drawSwatch(CDC& dc, CRect rect, COLORREF crColor);
};
