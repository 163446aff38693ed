// Sizes in the library are given in pixels at 96 DPI. CDpiScale turns them into pixels at the
// DPI a window is drawn at, so that the controls keep their proportions on scaled monitors.
#pragma once
#include <afxwin.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

class AFX_EXT_CLASS CDpiScale
{
public:
  static constexpr UINT BASE_DPI = 96;

  explicit CDpiScale(UINT nDpi = BASE_DPI) : m_nDpi(nDpi ? nDpi : BASE_DPI) {}

  // The window's own DPI where the system keeps one per window (Windows 10 1607 and later),
  // the system DPI otherwise or when there is no window.
  static CDpiScale OfWindow(HWND hWnd);
  static CDpiScale OfWindow(const CWnd* pWnd) { return OfWindow(pWnd->GetSafeHwnd()); }
  static CDpiScale OfSystem();

  UINT GetDpi() const { return m_nDpi; }
  BOOL IsBase() const { return m_nDpi == BASE_DPI; }

  // Rounded half away from zero, as Windows scales its metrics.
  int Scale(int nPixels) const { return ::MulDiv(nPixels, m_nDpi, BASE_DPI); }
  CSize Scale(SIZE size) const { return CSize(Scale(size.cx), Scale(size.cy)); }
  CPoint Scale(POINT point) const { return CPoint(Scale(point.x), Scale(point.y)); }
  CRect Scale(const RECT& rect) const
  {
    return CRect(Scale(rect.left), Scale(rect.top), Scale(rect.right), Scale(rect.bottom));
  }
  // Back from pixels at this DPI to pixels at 96 DPI.
  int Unscale(int nPixels) const { return ::MulDiv(nPixels, BASE_DPI, m_nDpi); }

  // A size the system scaled for its own DPI (system metrics, stock and menu fonts) at this DPI.
  int FromSystem(int nSystemPixels) const { return ::MulDiv(nSystemPixels, m_nDpi, OfSystem().GetDpi()); }

  // A LOGFONT height (negative: the character height) of a font of nPoints points.
  int FontHeightOfPoints(int nPoints) const { return -::MulDiv(nPoints, m_nDpi, 72); }

  // A new bitmap (a 32-bit DIB section) with the strip's images, each sourceImage in size,
  // stretched one by one to targetImage with bilinear smoothing. Pixels of crKey are
  // transparent: they add no colour to their neighbours, and a pixel becomes crKey where less
  // than half of what it is made of is opaque, so the key stays exact and the edges get no halo.
  // Null when the strip cannot be read.
  static HBITMAP StretchImageStrip(HBITMAP hStrip, SIZE sourceImage, SIZE targetImage, COLORREF crKey);

  bool operator==(const CDpiScale& other) const { return m_nDpi == other.m_nDpi; }
  bool operator!=(const CDpiScale& other) const { return m_nDpi != other.m_nDpi; }

private:
  UINT m_nDpi;
};
