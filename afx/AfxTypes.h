// CPoint, CSize and CRect: the Win32 geometry structures with the framework's arithmetic.
#pragma once
#include "AfxPlatform.h"

#include <utility>

class CSize : public SIZE
{
public:
  CSize() : SIZE{0, 0} {}
  CSize(int initCX, int initCY) : SIZE{initCX, initCY} {}
  CSize(SIZE size) : SIZE(size) {}
  CSize(POINT pt) : SIZE{pt.x, pt.y} {}
  bool operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
  bool operator!=(SIZE size) const { return !(*this == size); }
  CSize operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
  CSize operator-(SIZE size) const { return CSize(cx - size.cx, cy - size.cy); }
  CSize operator-() const { return CSize(-cx, -cy); }
};

class CPoint : public POINT
{
public:
  CPoint() : POINT{0, 0} {}
  CPoint(int initX, int initY) : POINT{initX, initY} {}
  CPoint(POINT pt) : POINT(pt) {}
  CPoint(SIZE size) : POINT{size.cx, size.cy} {}
  // The coordinates a mouse message packs into lParam, signed.
  explicit CPoint(LPARAM dwPoint) : POINT{static_cast<short>(LOWORD(dwPoint)), static_cast<short>(HIWORD(dwPoint))} {}
  void Offset(int xOffset, int yOffset) { x += xOffset, y += yOffset; }
  void Offset(SIZE size) { Offset(size.cx, size.cy); }
  bool operator==(POINT pt) const { return x == pt.x && y == pt.y; }
  bool operator!=(POINT pt) const { return !(*this == pt); }
  void operator+=(SIZE size) { Offset(size); }
  void operator-=(SIZE size) { Offset(-size.cx, -size.cy); }
  CPoint operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
  CPoint operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
  CSize operator-(POINT pt) const { return CSize(x - pt.x, y - pt.y); }
  CPoint operator-() const { return CPoint(-x, -y); }
};

class CRect : public RECT
{
public:
  CRect() : RECT{0, 0, 0, 0} {}
  CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  CRect(const RECT& rc) : RECT(rc) {}
  CRect(const RECT* prc) : RECT(*prc) {}
  CRect(POINT pt, SIZE size) : RECT{pt.x, pt.y, pt.x + size.cx, pt.y + size.cy} {}
  CRect(POINT topLeft, POINT bottomRight) : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
  CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
  const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
  const CPoint& BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
  CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }

  BOOL IsRectEmpty() const { return ::IsRectEmpty(this); }
  BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  BOOL PtInRect(POINT pt) const { return ::PtInRect(this, pt); }
  void SetRect(int l, int t, int r, int b) { ::SetRect(this, l, t, r, b); }
  void SetRectEmpty() { ::SetRectEmpty(this); }
  void CopyRect(LPCRECT prc) { ::CopyRect(this, prc); }
  BOOL EqualRect(LPCRECT prc) const { return ::EqualRect(this, prc); }
  void InflateRect(int x, int y) { ::InflateRect(this, x, y); }
  void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
  void InflateRect(int l, int t, int r, int b) { left -= l, top -= t, right += r, bottom += b; }
  void DeflateRect(int x, int y) { ::InflateRect(this, -x, -y); }
  void DeflateRect(SIZE size) { DeflateRect(size.cx, size.cy); }
  void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
  void OffsetRect(int x, int y) { ::OffsetRect(this, x, y); }
  void OffsetRect(POINT pt) { OffsetRect(pt.x, pt.y); }
  void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }
  void NormalizeRect();
  BOOL IntersectRect(LPCRECT prc1, LPCRECT prc2) { return ::IntersectRect(this, prc1, prc2); }
  BOOL UnionRect(LPCRECT prc1, LPCRECT prc2) { return ::UnionRect(this, prc1, prc2); }

  bool operator==(const RECT& rc) const { return ::EqualRect(this, &rc) != FALSE; }
  bool operator!=(const RECT& rc) const { return !(*this == rc); }
  void operator+=(POINT pt) { OffsetRect(pt); }
  void operator-=(POINT pt) { OffsetRect(-pt.x, -pt.y); }
  CRect operator+(POINT pt) const
  {
    CRect rc(*this);
    rc.OffsetRect(pt);
    return rc;
  }
  CRect operator-(POINT pt) const
  {
    CRect rc(*this);
    rc.OffsetRect(-pt.x, -pt.y);
    return rc;
  }
  void operator&=(const RECT& rc) { ::IntersectRect(this, this, &rc); }
  void operator|=(const RECT& rc) { ::UnionRect(this, this, &rc); }
};

inline void CRect::NormalizeRect()
{
  if (left > right)
    std::swap(left, right);
  if (top > bottom)
    std::swap(top, bottom);
}
