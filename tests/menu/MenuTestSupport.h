// Shared by the bitmap menu tests, here and at 192 DPI: a canvas (a memory context over a
// 32-bit bitmap, so that pixels read back exactly as drawn) and a scope that sets the class-wide
// draw modes for one test and restores them.
#pragma once
#include <ZuntCtrl.h>

#include "../PixelCanvas.h"

#include <vector>

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

// Owner-draw structures for item nPosition of a menu, drawn into a rectangle of the canvas.
void DrawMenuItem(CBmpMenu& menu, int nPosition, CDC& dc, const RECT& rect, UINT nState);
SIZE MeasureMenuItem(CBmpMenu& menu, int nPosition);
CBmpMenuData* ItemData(CMenu& menu, int nPosition);

// A pixel that tells a look apart: it has the colour, or (bIs false) it has not.
struct SProbe
{
  int x, y;
  COLORREF crColour;
  bool bIs = true;
};
void ExpectProbes(const CPixelCanvas& canvas, const std::vector<SProbe>& probes);
