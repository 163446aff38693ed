#include "PixelCanvas.h"

#include <algorithm>

namespace
{
CSize clientSize(CWnd& wnd)
{
  wnd.UpdateWindow();
  CRect rcClient;
  wnd.GetClientRect(rcClient);
  return rcClient.Size();
}
}

CPixelCanvas::CPixelCanvas(int cx, int cy, COLORREF crBackground)
    : m_pOldBitmap(nullptr), m_cx(cx), m_cy(cy), m_crBackground(crBackground)
{
  HDC hScreen = ::GetDC(nullptr);
  m_dc.Attach(::CreateCompatibleDC(hScreen));
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = cx;
  info.bmiHeader.biHeight = -cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* pBits = nullptr;
  m_bitmap.Attach(::CreateDIBSection(hScreen, &info, DIB_RGB_COLORS, &pBits, nullptr, 0));
  ::ReleaseDC(nullptr, hScreen);
  m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
  Fill(crBackground);
}

CPixelCanvas::CPixelCanvas(CWnd& wnd) : CPixelCanvas(clientSize(wnd).cx, clientSize(wnd).cy)
{
  CClientDC dcWindow(&wnd);
  m_dc.BitBlt(0, 0, m_cx, m_cy, &dcWindow, 0, 0, SRCCOPY);
}

void CPixelCanvas::Fill(COLORREF crColour) { m_dc.FillSolidRect(0, 0, m_cx, m_cy, crColour); }

CPixelCanvas::~CPixelCanvas()
{
  m_dc.SelectObject(m_pOldBitmap);
  ::DeleteDC(m_dc.Detach());
}

COLORREF CPixelCanvas::Pixel(int x, int y) const
{
  ::GdiFlush();
  return ::GetPixel(m_dc.GetSafeHdc(), x, y);
}

void CPixelCanvas::forEach(const RECT& rect, const std::function<void(int, int, COLORREF)>& visit) const
{
  ::GdiFlush();
  for (int y = std::max<int>(rect.top, 0); y < std::min<int>(rect.bottom, m_cy); ++y)
  {
    for (int x = std::max<int>(rect.left, 0); x < std::min<int>(rect.right, m_cx); ++x)
      visit(x, y, ::GetPixel(m_dc.GetSafeHdc(), x, y));
  }
}

int CPixelCanvas::CountColour(const RECT& rect, COLORREF crColour) const
{
  int nCount = 0;
  forEach(rect, [&](int, int, COLORREF crPixel) { nCount += crPixel == crColour ? 1 : 0; });
  return nCount;
}

int CPixelCanvas::columnWhere(const RECT& rect, const std::function<bool(COLORREF)>& match, bool bRightmost) const
{
  int nColumn = -1;
  forEach(rect, [&](int x, int, COLORREF crPixel) {
    if (match(crPixel) && (nColumn < 0 || (bRightmost ? x > nColumn : x < nColumn)))
      nColumn = x;
  });
  return nColumn;
}

int CPixelCanvas::LeftmostOf(const RECT& rect, COLORREF crColour) const
{
  return columnWhere(
      rect, [crColour](COLORREF crPixel) { return crPixel == crColour; }, false);
}

int CPixelCanvas::LeftmostNot(const RECT& rect, COLORREF crColour) const
{
  return columnWhere(
      rect, [crColour](COLORREF crPixel) { return crPixel != crColour; }, false);
}

int CPixelCanvas::RightmostOf(const RECT& rect, COLORREF crColour) const
{
  return columnWhere(
      rect, [crColour](COLORREF crPixel) { return crPixel == crColour; }, true);
}

CRect CPixelCanvas::BoundsOf(COLORREF crColour) const { return BoundsOf(crColour, CRect(0, 0, m_cx, m_cy)); }

CRect CPixelCanvas::BoundsOf(COLORREF crColour, const RECT& area) const
{
  CRect bounds(0, 0, 0, 0);
  forEach(area, [&](int x, int y, COLORREF crPixel) {
    if (crPixel != crColour)
      return;
    if (bounds.IsRectEmpty())
      bounds.SetRect(x, y, x + 1, y + 1);
    bounds.UnionRect(&bounds, CRect(x, y, x + 1, y + 1));
  });
  return bounds;
}

std::vector<COLORREF> CPixelCanvas::Pixels(const RECT& rect) const
{
  std::vector<COLORREF> pixels;
  forEach(rect, [&](int, int, COLORREF crPixel) { pixels.push_back(crPixel); });
  return pixels;
}
