// CDockBar: the strip along one side of a frame (or the inside of a floating frame) that holds
// docked control bars in rows. m_arrBars lists the bars row by row; a null entry ends a row and
// the list starts with one. Entries below 0x10000 are placeholders, not bars.
#pragma once
#include "AfxControlBar.h"
#include "AfxArray.h"

class ZUNTAFX_API CDockBar : public CControlBar
{
  DECLARE_DYNAMIC(CDockBar)
  DECLARE_MESSAGE_MAP()
public:
  explicit CDockBar(BOOL bFloating = FALSE);

  BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
  BOOL IsDockBar() const override { return TRUE; }

  // Takes the bar from its old dock bar; lpRect (screen) chooses the row and the place in it,
  // else the bar gets a row of its own at the end.
  void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
  // Takes the bar's entry out (the one at nPosExclude stays); an emptied row goes with it.
  BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, int nAddPlaceHolder = 0);
  int FindBar(CControlBar* pBar, int nPosExclude = -1) const;
  // The bar at an entry, or null for a row end or a placeholder.
  CControlBar* GetDockedControlBar(int nPos) const;
  int GetDockedCount() const;
  int GetDockedVisibleCount() const;

  // Lays out the rows (from the left or top, rows after one another) and returns the size.
  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}

  BOOL m_bFloating;
  CPtrArray m_arrBars;
  BOOL m_bLayoutQuery;  // the current layout only measures
  CRect m_rectLayout;   // what the frame offered in the current layout

protected:
  afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
#ifndef ZUNTAFX_MFC_SURFACE
  // The entry before which a bar dropped at the rectangle (client) goes; a new row when
  // bNewRow comes back TRUE.
  int insertPosition(const CRect& rect, BOOL& bNewRow) const;
  DWORD layoutMode(const CControlBar* pBar) const;
  void showDelayed();
#endif
};
