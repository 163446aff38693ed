#include "ColorPaletteCtrl.h"

IMPLEMENT_DYNCREATE(CColorPaletteCtrl, CPaletteButton)

BEGIN_MESSAGE_MAP(CColorPaletteCtrl, CPaletteButton)
END_MESSAGE_MAP()

CColorPaletteCtrl::CColorPaletteCtrl() : m_pPalette(nullptr) {}

void CColorPaletteCtrl::realizePalette(CDC& dc)
{
  if (m_pPalette == nullptr || dc.GetSafeHdc() == nullptr)
    return;
  dc.SelectPalette(m_pPalette, FALSE);
  dc.RealizePalette();
}

void CColorPaletteCtrl::drawSwatch(CDC& dc, CRect rect, COLORREF crColor)
{
  if (dc.GetSafeHdc() == nullptr)
    return;
  CBrush frame(::GetSysColor(COLOR_WINDOWFRAME));
  dc.FrameRect(&rect, &frame);
  rect.DeflateRect(1, 1);
  DrawColor(dc, rect, crColor);
}

void CColorPaletteCtrl::DrawColor(CDC& dc, CRect& rect, COLORREF crColor)
{
  COLORREF crFill = crColor;
  if (m_pPalette != nullptr)
    crFill = PALETTEINDEX(m_pPalette->GetNearestPaletteIndex(crColor));
  CBrush brush(crFill);
  dc.FillRect(&rect, &brush);
}

void CColorPaletteCtrl::DrawCell(CDC& dc, int nIndex, const RECT& rect)
{
  realizePalette(dc);
  CPaletteButton::DrawCell(dc, nIndex, rect);
  CRect content;
  GetCellRect(nIndex, content);
  drawSwatch(dc, content, GetCellColor(nIndex));
}

void CColorPaletteCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
  CPaletteButton::DrawItem(lpDrawItemStruct);
  if (lpDrawItemStruct->hDC == nullptr)
    return;
  CDC& dc = *CDC::FromHandle(lpDrawItemStruct->hDC);
  realizePalette(dc);
  const int nSelected = GetCurSel();
  if (nSelected < 0)
    return;
  CRect rect = faceContentRect(lpDrawItemStruct->rcItem);
  if (isPushed())
    rect.OffsetRect(1, 1);
  drawSwatch(dc, rect, GetCellColor(nSelected));
}

void CColorPaletteCtrl::OnSelChanged(int nIndex) { notifyParent(TavikColorPaletteCtrl_Msg_SelChanged, nIndex); }
