// A memory context over a 32-bit bitmap: pixels read back exactly as drawn. Shared by the window
// tests that check drawing by pixels: an empty canvas to draw into, or a copy of what a window's
// client area shows now.
#pragma once
#include <afxwin.h>

#include <functional>
#include <vector>

class CPixelCanvas
{
public:
  CPixelCanvas(int cx, int cy, COLORREF crBackground = RGB(1, 2, 3));
  explicit CPixelCanvas(CWnd& wnd);
  ~CPixelCanvas();
  CPixelCanvas(const CPixelCanvas&) = delete;
  CPixelCanvas& operator=(const CPixelCanvas&) = delete;
  CDC& DC() { return m_dc; }
  COLORREF Background() const { return m_crBackground; }
  void Fill(COLORREF crColour);
  COLORREF Pixel(int x, int y) const;
  int CountColour(const RECT& rect, COLORREF crColour) const;
  // The leftmost and rightmost columns of the rectangle with a pixel of the colour, or -1.
  int LeftmostOf(const RECT& rect, COLORREF crColour) const;
  int RightmostOf(const RECT& rect, COLORREF crColour) const;
  // The leftmost column of the rectangle with a pixel of another colour, or -1.
  int LeftmostNot(const RECT& rect, COLORREF crColour) const;
  // The smallest rectangle holding every pixel of the colour (within the area, or anywhere);
  // empty when there is none.
  CRect BoundsOf(COLORREF crColour) const;
  CRect BoundsOf(COLORREF crColour, const RECT& area) const;
  // The pixels of a rectangle, row by row.
  std::vector<COLORREF> Pixels(const RECT& rect) const;

private:
  int columnWhere(const RECT& rect, const std::function<bool(COLORREF)>& match, bool bRightmost) const;
  void forEach(const RECT& rect, const std::function<void(int, int, COLORREF)>& visit) const;
  CDC m_dc;
  CBitmap m_bitmap;
  CBitmap* m_pOldBitmap;
  int m_cx, m_cy;
  COLORREF m_crBackground;
};
