// A static control that shares its client area between two existing controls, side by side
// (a vertical bar) or one above the other (a horizontal bar). The panes become its children and
// follow every size change; the user drags the bar, seeing an inverted bar over the parent, and
// the panes move only when the button is released. Escape during a drag puts everything back.
//
// DPI: the bar width (4) and the minimum distances (1) are 96-DPI pixels, taken at the
// splitter's DPI when it is created and again when that changes; positions are its pixels.
#pragma once
#include "DpiScale.h"

#include <afxwin.h>

// The system the splitter runs on, as getOsType classifies it.
enum WinOsType
{
  WINOS_WIN3X = 0,  // the non-NT line before version 4
  WINOS_NT = 1,     // NT 3.x, 5.2 and every version from 6 on
  WINOS_WIN95 = 2,
  WINOS_WIN98 = 3,
  WINOS_WINME = 4,
  WINOS_NT4 = 5,
  WINOS_WIN2000 = 6,
  WINOS_WINXP = 7
};

// Style bits of Create: which kind of split to set up.
#define CTRLSPLITTER_VERT  0x1
#define CTRLSPLITTER_HORIZ 0x2

class AFX_EXT_CLASS CCtrlSplitter : public CStatic
{
  DECLARE_DYNAMIC(CCtrlSplitter)
public:
  CCtrlSplitter();

  // Makes both panes children of the splitter, their owner the parent. With a vertical split
  // nPos is the left pane's width, with a horizontal one the bottom pane's height. Always 1,
  // even when the window cannot be made (the panes are then left alone).
  int Create(DWORD dwStyle, CWnd* pParent, CWnd* pFirstPane, CWnd* pSecondPane, UINT nID, const CRect& rect, UINT nPos,
             UINT nUnused);
  // 1 vertical, 2 horizontal, 0 none.
  int GetSplitterStyle() const;
  // The left pane's right edge (vertical) or the bottom pane's top edge (horizontal); else 0.
  int GetSplitterPos() const;
  void SetSplitterPos(int nPos);
  // A fixed bar cannot be dragged, and the cursor does not change over it.
  void FixSplitBar(bool bFix) { m_bFixed = bFix; }
  static WinOsType getOsType();

  BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
  // One kind of split's drag: where a press starts it, what is drawn while it runs.
  struct SSplitDrag
  {
    RECT rcHit;   // client coordinates
    RECT rcDrag;  // the splitter's window rectangle, moved along with the mouse
    int bDragStarted;
    int bDragging;
    POINT ptStart;
    POINT ptLast;
    HWND hWndOldFocus;
  };

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  void CancelVertDrag();
  void CancelHorizDrag();

  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnPaint();
  afx_msg void OnCaptureChanged(CWnd* pWnd);
  afx_msg void OnCancelMode();
  afx_msg LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  UINT m_nID;
  int m_bVertSplitter;
  int m_bHorizSplitter;
  CWnd* m_pLeftWnd;
  CWnd* m_pRightWnd;
  CWnd* m_pTopWnd;
  CWnd* m_pBottomWnd;
  int m_nMinLeft;
  int m_nMinRight;
  int m_nMinTop;
  int m_nMinBottom;
  int m_nBarWidth;
  int m_nLeftWidth;     // kept when the splitter is resized (vertical)
  int m_nBottomHeight;  // kept when the splitter is resized (horizontal)
  RECT m_rcLeft;
  RECT m_rcRight;
  RECT m_rcTop;
  RECT m_rcBottom;
  SSplitDrag m_vertDrag;
  SSplitDrag m_horizDrag;
  WinOsType m_nOsType;
  bool m_bFixed;
  CDpiScale m_dpi;  // the DPI the sizes above are in

private:
  void InitVertSplitter(CWnd* pLeft, CWnd* pRight, int nLeftWidth);
  void InitHorizSplitter(CWnd* pTop, CWnd* pBottom, int nBottomHeight);
  void MoveVertPanes(int x);
  void MoveHorizPanes(int y);
  void SetVertConstraint(CPoint& point) const;
  void SetHorizConstraint(CPoint& point) const;
  void DrawVertBar();
  void DrawHorizBar();
  static LONG clampToLimits(LONG n, LONG nLow, LONG nHigh);
  static CPoint MakePtVert(CPoint point) { return CPoint(point.x, 0); }
  static CPoint MakePtHoriz(CPoint point) { return CPoint(0, point.y); }

  // The drag of the split that is set up, or null.
  SSplitDrag* activeDrag();
  // The operations that differ between the two kinds, for the split that is set up.
  CPoint axisPoint(CPoint point) const;
  void constrain(CPoint& point) const;
  void drawActiveBar();
  LPCTSTR sizingCursor() const;
  // Lays the panes out with the bar at the point and keeps the fixed pane's size.
  void dropBar(CPoint point);
  // Erases the bar and disarms the drag; the capture and the focus are the caller's.
  void endDrag(SSplitDrag& drag);
  void cancelDrag(SSplitDrag& drag);
  // Inverts a bar of the parent window; drawing it twice restores the screen.
  void invertBarOnParent(const CRect& rcBar);
  // The feedback rectangle in the parent window's coordinates.
  CRect dragRectOnParent(const SSplitDrag& drag) const;
  CPoint logicalPoint(CPoint point);
  static void movePane(CWnd* pPane, const RECT& rc);
  static bool isPane(const CWnd* pPane) { return pPane != nullptr && ::IsWindow(pPane->GetSafeHwnd()); }
  // The bar width and the minimum distances at the DPI; the kept pane size follows it.
  void takeDpi(const CDpiScale& dpi);
  // Lays out again for a client height of cy, the left width or bottom height kept.
  void keepPaneSize(int cy);
};
