// CDockContext: drags a control bar with the mouse (a tracking rectangle; on release the bar
// docks where the rectangle touches an accepting dock bar, else floats there), resizes a
// floating bar by an edge or corner of its frame, and toggles a bar between its last dock
// place and floating.
#pragma once
#include "AfxControlBar.h"

class ZUNTAFX_API CDockContext
{
public:
  explicit CDockContext(CControlBar* pBar);
  virtual ~CDockContext() = default;

  // Runs the drag until the button is released (TRUE dropped, FALSE cancelled).
  virtual void StartDrag(CPoint pt);
  // Runs the resize of a floating bar by the frame's edge or corner nHitTest (HTLEFT to
  // HTBOTTOMRIGHT): the bar's CalcDynamicLayout gives each new size, the frame takes it on release.
  void StartResize(int nHitTest, CPoint pt);
  virtual void ToggleDocking();

  CControlBar* m_pBar;
  CFrameWnd* m_pDockSite;
  CPoint m_ptLast;
  CRect m_rectDragHorz, m_rectDragVert;  // where the bar would dock along a horizontal or vertical side
  CRect m_rectFrameDragHorz;             // the floating frame the bar would get
  DWORD m_dwOverDockStyle;               // the side under the drag, 0 for floating
  int m_nHitTest;                        // the edge or corner being resized, 0 while dragging
  BOOL m_bDragging;
  UINT m_uMRUDockID;  // where the bar was docked last
  CRect m_rectMRUDockPos;
  CPoint m_ptMRUFloatPos;

#ifndef ZUNTAFX_MFC_SURFACE
protected:
  BOOL track();
  // Follows the mouse: moves the dragged rectangle, or stretches the resized one.
  void follow(CPoint pt);
  void move(CPoint pt);
  void stretch(CPoint pt);
  void endDrag();
  void endResize();
  void cancelLoop();
  void drawFocusRect();
  // Where a docked bar about to float will go back to.
  void rememberDockPlace();
  DWORD canDock(CDockBar** ppDockBar);

  CPoint m_ptStart;
  BOOL m_bRectShown;
  CSize m_sizeBeforeResize;  // the floating size a cancelled resize goes back to
#endif
};
