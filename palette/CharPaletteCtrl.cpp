#include "CharPaletteCtrl.h"

#include "DpiScale.h"

namespace
{
DWORD SignExtended(char ch) { return static_cast<DWORD>(static_cast<int>(static_cast<signed char>(ch))); }

// The size of one character in a font, measured on the screen.
CSize ScreenExtent(CFont& font, char ch)
{
  HDC hScreen = ::GetDC(nullptr);
  HGDIOBJ hOld = ::SelectObject(hScreen, font.GetSafeHandle());
  SIZE size = {0, 0};
  ::GetTextExtentPoint32A(hScreen, &ch, 1, &size);
  ::SelectObject(hScreen, hOld);
  ::ReleaseDC(nullptr, hScreen);
  return CSize(size);
}
}  // namespace

IMPLEMENT_DYNCREATE(CCharPaletteCtrl, CPaletteButton)

BEGIN_MESSAGE_MAP(CCharPaletteCtrl, CPaletteButton)
END_MESSAGE_MAP()

CCharPaletteCtrl::CCharPaletteCtrl() : m_bAdjustCenter(true) {}

int CCharPaletteCtrl::AddCell(char ch, DWORD dwExData, LPCTSTR lpszTipText)
{
  return CPaletteButton::AddCell(SignExtended(ch), dwExData, lpszTipText);
}

int CCharPaletteCtrl::InsertCell(int nIndex, char ch, DWORD dwExData, LPCTSTR lpszTipText)
{
  return CPaletteButton::InsertCell(nIndex, SignExtended(ch), dwExData, lpszTipText);
}

void CCharPaletteCtrl::AutoCellSize()
{
  CRect client;
  GetClientRect(&client);
  if (client.Height() > 0)
    SetCellHeight(client.Height());
  if (client.Width() - arrowWidth() > 0)
    SetCellWidth(client.Width() - arrowWidth());
}

void CCharPaletteCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
  CPaletteButton::DrawItem(lpDrawItemStruct);
  const int nSelected = GetCurSel();
  if (nSelected < 0 || lpDrawItemStruct->hDC == nullptr)
    return;
  CRect rect = faceContentRect(lpDrawItemStruct->rcItem);
  if (isPushed())
  {
    ++rect.left;
    ++rect.top;
  }
  DrawChar(*CDC::FromHandle(lpDrawItemStruct->hDC), rect, GetCellChar(nSelected));
}

void CCharPaletteCtrl::DrawCell(CDC& dc, int nIndex, const RECT& rect)
{
  CPaletteButton::DrawCell(dc, nIndex, rect);
  CRect content;
  GetCellRect(nIndex, content);
  if (dc.GetSafeHdc() != nullptr)
    DrawChar(dc, content, GetCellChar(nIndex));
}

void CCharPaletteCtrl::OnSelChanged(int nIndex) { notifyParent(CCharPaletteCtrl_Msg_SelChanged, nIndex); }

int CCharPaletteCtrl::GetFontHeight(CRect& rect, char ch)
{
  // A point per pixel of the cell at 96 DPI: fonts are made at the window's DPI, so a scaled
  // cell starts from the same point size and the glyph scales with it.
  int nHeight = CDpiScale::OfWindow(this).Unscale(rect.Height()) * 10;
  while (nHeight >= 1)
  {
    CFont font;
    if (!createGlyphFont(font, nHeight))
      return 0;
    if (ScreenExtent(font, ch).cx <= rect.Width())
      return nHeight;
    nHeight = static_cast<int>(nHeight * 0.95);
  }
  return 0;
}

// As CreatePointFont makes it on a 96-DPI screen, at the window's DPI instead of the screen's.
BOOL CCharPaletteCtrl::createGlyphFont(CFont& font, int nTenthsOfPoint) const
{
  LOGFONT logFont = {};
  logFont.lfCharSet = DEFAULT_CHARSET;
  logFont.lfHeight = -::MulDiv(nTenthsOfPoint, CDpiScale::OfWindow(this).GetDpi(), 720);
  lstrcpyn(logFont.lfFaceName, m_strFaceName, LF_FACESIZE);
  return font.CreateFontIndirect(&logFont);
}

void CCharPaletteCtrl::DrawChar(CDC& dc, CRect& rect, char ch)
{
  if (ch == 0)
    return;
  const int nHeight = GetFontHeight(rect, ch);
  CFont font;
  if (nHeight < 1 || !createGlyphFont(font, nHeight))
    return;
  const COLORREF crOldText =
      dc.SetTextColor(::GetSysColor(::IsWindowEnabled(m_hWnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  CFont* pOldFont = dc.SelectObject(&font);
  const int nOldMode = dc.SetBkMode(TRANSPARENT);
  const int x = rect.left + rect.Width() / 2;
  UINT nOldAlign;
  int y = rect.bottom;
  if (m_bAdjustCenter)
  {
    nOldAlign = dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
    y = rect.bottom + (rect.top - rect.bottom + dc.GetTextExtent(&ch, 1).cy) / 2;
  }
  else
  {
    nOldAlign = dc.SetTextAlign(TA_CENTER | TA_BASELINE);
  }
  dc.TextOut(x, y, &ch, 1);
  dc.SetBkMode(nOldMode);
  dc.SetTextAlign(nOldAlign);
  dc.SelectObject(pOldFont);
  dc.SetTextColor(crOldText);
}
