// A memory context over a 32-bit bitmap: pixels read back exactly as drawn. Shared by the window
// tests that check drawing by pixels.
#pragma once
#include <afxwin.h>

#include <functional>
#include <vector>

class CPixelCanvas
{
public:
  CPixelCanvas(int cx, int cy, COLORREF crBackground = RGB(1, 2, 3));
  ~CPixelCanvas();
  CPixelCanvas(const CPixelCanvas&) = delete;
  CPixelCanvas& operator=(const CPixelCanvas&) = delete;
  CDC& DC() { return m_dc; }
  void Fill(COLORREF crColour);
  COLORREF Pixel(int x, int y) const;
  int CountColour(const RECT& rect, COLORREF crColour) const;
  // The leftmost and rightmost columns of the rectangle with a pixel of the colour, or -1.
  int LeftmostOf(const RECT& rect, COLORREF crColour) const;
  int RightmostOf(const RECT& rect, COLORREF crColour) const;
  // The smallest rectangle holding every pixel of the colour (within the area, or anywhere);
  // empty when there is none.
  CRect BoundsOf(COLORREF crColour) const;
  CRect BoundsOf(COLORREF crColour, const RECT& area) const;
  // The pixels of a rectangle, row by row.
  std::vector<COLORREF> Pixels(const RECT& rect) const;

private:
  void forEach(const RECT& rect, const std::function<void(int, int, COLORREF)>& visit) const;
  CDC m_dc;
  CBitmap m_bitmap;
  CBitmap* m_pOldBitmap;
  int m_cx, m_cy;
};
