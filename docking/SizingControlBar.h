// A docking control bar that the user resizes by dragging its inner edges. It keeps one size
// for docking in a horizontal row, one for a vertical row and one for floating, shares the
// length of its dock row with the other sizing bars of the row, and keeps its sizes in the
// application profile.
//
// DPI: the edge width, the non-client insets and the gripper are 96-DPI pixels drawn at the
// window's DPI. The sizes (sizeHorz ... sizeMinFloat) are the window's pixels: their defaults
// are scaled at construction for the system DPI and follow the window when its DPI differs or
// changes. The profile keeps them as they are. The row arithmetic keeps the framework's 2-pixel
// overlap of docked bars, which does not scale.
#pragma once
#include "DpiScale.h"

#include <afxext.h>
#include <afxpriv.h>
#include <afxtempl.h>

class CSizingControlBar;
typedef CTypedPtrArray<CPtrArray, CSizingControlBar*> CSCBArray;

// scbStyle bits.
#define SCBS_EDGELEFT   0x00000001
#define SCBS_EDGERIGHT  0x00000002
#define SCBS_EDGETOP    0x00000004
#define SCBS_EDGEBOTTOM 0x00000008
#define SCBS_EDGEALL    0x0000000F
#define SCBS_SHOWEDGES  0x00000010
#define SCBS_SIZECHILD  0x00000020

class AFX_EXT_CLASS CSizingControlBar : public CControlBar
{
  DECLARE_DYNAMIC(CSizingControlBar)
  DECLARE_MESSAGE_MAP()
public:
  CSizingControlBar();

  virtual BOOL Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, UINT nID,
                      DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP);
  // Sets the three sizes to sizeDefault first; the gripper flag is not used.
  virtual BOOL Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper, UINT nID,
                      DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP);

  BOOL IsFloating() const;
  BOOL IsHorzDocked() const;
  BOOL IsVertDocked() const;
  BOOL IsSideTracking() const;

  DWORD GetSCBStyle() const { return scbStyle; }
  void SetSCBStyle(DWORD dwStyle) { scbStyle = dwStyle & ~SCBS_EDGEALL; }

  // The six sizes in section "<profile>-SCBar-<control id>"; read values keep the minimums.
  virtual BOOL LoadState(LPCTSTR lpszProfileName);
  virtual BOOL SaveState(LPCTSTR lpszProfileName);
  // Every sizing bar of the frame's bar list.
  static BOOL GlobalLoadState(CFrameWnd* pFrame, LPCTSTR lpszProfileName);
  static BOOL GlobalSaveState(CFrameWnd* pFrame, LPCTSTR lpszProfileName);

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

  // The dock bar entries of this bar's row: its first and last and this bar's own.
  void GetRowInfo(int& nFirst, int& nLast, int& nThis);
  // The visible sizing bars of the row in order, and this bar's place among them (-1: none).
  void GetRowSizingBars(CSCBArray& arrSCBars);
  void GetRowSizingBars(CSCBArray& arrSCBars, int& nThis);
  // Shares the row's length among its sizing bars; FALSE when the row was broken before this bar.
  BOOL NegotiateSpace(int nLengthTotal, BOOL bHorz);

  // The sizes; the minimums hold for dragging and for stored values.
  CSize sizeHorz, sizeVert, sizeFloat;
  CSize sizeMinHorz, sizeMinVert, sizeMinFloat;

protected:
  virtual void StartTracking(UINT nHitTest, CPoint point);
  virtual void StopTracking();
  virtual void OnTrackUpdateSize(CPoint& point);
  virtual void OnTrackInvertTracker();
  virtual void NcPaintGripper(CDC* pDC, CRect rcClient);
  // The client rectangle inside the bar's window rectangle, and the edges that size the bar.
  virtual void NcCalcClient(LPRECT pRc, UINT nDockBarID);
  virtual void AlignControlBars();

  UINT GetEdgeHTCode(int nEdge);
  BOOL GetEdgeRect(CRect rcWnd, UINT nHitTest, CRect& rcEdge);
  // The whole non-client area, in window coordinates.
  void drawNonClient(CDC* pDC);
  void repaintNonClient();
  // 96-DPI pixels at the window's DPI.
  int px(int nPixels) const { return CDpiScale::OfWindow(m_hWnd).Scale(nPixels); }

  DWORD scbStyle;
  UINT trackedEdge;
  int trackMin, trackMax;
  int trackPos;
  int trackEdgeOffset;
  BOOL tracking;
  BOOL keepSize;
  BOOL parentSizing;
  BOOL dragFullWindows;
  UINT dockBarId;
  int edgeWidth;         // 96-DPI pixels
  CDpiScale m_sizesDpi;  // the DPI the sizes are in

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
  afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnNcPaint();
  afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnCaptureChanged(CWnd* pWnd);
  afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnClose();
  afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);

private:
  // The thickness across the row of a size, for this bar's docking.
  LONG& thicknessOf(CSize& size) const;
  BOOL isHorzEdge() const;
  static BOOL forEachSizingBar(CFrameWnd* pFrame, BOOL (CSizingControlBar::*pfnState)(LPCTSTR),
                               LPCTSTR lpszProfileName);
  void shareSideDelta(CSCBArray& arrSCBars, int nThis, int nDelta);
  void limitFloatingCorner(CSize& sizeFloatNew);
  void showRowDelayed();
  // The sizes move to the window's DPI.
  void followWindowDpi();
};
