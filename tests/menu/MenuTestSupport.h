// Shared by the bitmap menu tests: an application object, a canvas (a memory context over a
// 32-bit bitmap, so that pixels read back exactly as drawn) and a scope that sets the class-wide
// draw modes for one test and restores them.
#pragma once
#include <ZuntCtrl.h>

#include <functional>

class CMenuTestCanvas
{
public:
  CMenuTestCanvas(int cx, int cy);
  ~CMenuTestCanvas();
  CDC& DC() { return m_dc; }
  COLORREF Pixel(int x, int y) const;
  // Pixels of the rectangle that have the colour: the count and the leftmost/rightmost column.
  int CountColour(const RECT& rect, COLORREF colour) const;
  int LeftmostOf(const RECT& rect, COLORREF colour) const;
  int RightmostOf(const RECT& rect, COLORREF colour) const;
  void Fill(COLORREF colour);

private:
  void forEach(const RECT& rect, const std::function<void(int, int, COLORREF)>& visit) const;
  CDC m_dc;
  CBitmap m_bitmap;
  CBitmap* m_pOldBitmap;
  int m_cx, m_cy;
};

// The look a test draws in: version class 1 (Wine) takes original_drawmode.
class CMenuLookScope
{
public:
  explicit CMenuLookScope(bool bFlat);
  ~CMenuLookScope();

private:
  UINT m_originalMode, m_xpMode;
  BOOL m_originalSelect, m_xpSelect, m_b3D;
};

// A menu whose drawing operations a test can reach.
class CTestBmpMenu : public CBmpMenu
{
public:
  using CBmpMenu::DrawCheckMark;
  using CBmpMenu::FindMenuOption;
  using CBmpMenu::SynchronizeMenu;
};

// Owner-draw structures for item nPosition of a menu, drawn into a rectangle of the canvas.
void DrawMenuItem(CBmpMenu& menu, int nPosition, CDC& dc, const RECT& rect, UINT nState);
SIZE MeasureMenuItem(CBmpMenu& menu, int nPosition);
CBmpMenuData* ItemData(CMenu& menu, int nPosition);
