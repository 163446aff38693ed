// CControlBar: the base of bars along a frame's edges (the frame lays them out through
// WM_SIZEPARENT and updates their command UI at idle time; a bar with docking enabled lives in
// a dock bar or floats), and CToolBar over the common toolbar control, loaded from the
// framework's toolbar resource.
#pragma once
#include "AfxFrameWnd.h"

#include <commctrl.h>

class CDockBar;
struct AFX_SIZEPARENTPARAMS;
class CDockContext;

class ZUNTAFX_API CControlBar : public CWnd
{
  DECLARE_DYNAMIC(CControlBar)
  DECLARE_MESSAGE_MAP()
public:
  CControlBar();
  ~CControlBar() override;

  // The bar's size along its edge; bStretch asks for the whole edge.
  virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
  virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
  // Enables and checks the bar's items through the target's command UI handlers.
  virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
  virtual void DoPaint(CDC* pDC);
  // Draws the borders the style names (CBRS_BORDER_*, etched with CBRS_BORDER_3D) at the edges
  // of the rectangle and leaves in it what lies inside them.
  virtual void DrawBorders(CDC* pDC, CRect& rect);

  DWORD GetBarStyle() const { return m_dwStyle; }
  virtual void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
  BOOL IsFloating() const;
  virtual BOOL IsDockBar() const { return FALSE; }
  // The sides (CBRS_ALIGN_*) the bar may dock to; 0 turns dragging off.
  void EnableDocking(DWORD dwDockStyle);
  // The frame that lays the bar out: the dock site, or the floating frame around the bar.
  CFrameWnd* GetDockingFrame() const;
#ifndef ZUNTAFX_MFC_SURFACE
  BOOL IsHorz() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }
#endif
  // The bar's own visibility, whether or not its parent is shown, a pending delayed show or
  // hide counted as done.
  BOOL IsVisible() const;
  // Shows or hides the bar at the next layout.
  void DelayShow(BOOL bShow);
  // Carries out a pending DelayShow through the layout's deferred positions; a layout that only
  // measures leaves it pending.
  void RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);
  int GetCount() const { return m_nCount; }

  CFrameWnd* m_pDockSite;
  BOOL m_bAutoDelete;  // deletes itself with its window
  DWORD m_dwStyle;
  int m_cxLeftBorder, m_cxRightBorder, m_cyTopBorder, m_cyBottomBorder;
  DWORD m_dwDockStyle;
  CDockBar* m_pDockBar;          // the dock bar holding the bar, or null
  CDockContext* m_pDockContext;  // drags and toggles the bar; null until EnableDocking
  enum StateFlags
  {
    delayHide = 1,
    delayShow = 2
  };
  UINT m_nStateFlags;

protected:
  void PostNcDestroy() override;
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  void CalcInsideRect(CRect& rect, BOOL bHorz) const;
  afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);

  int m_nCount;
};

// A bar of buttons over the common toolbar control.
class ZUNTAFX_API CToolBar : public CControlBar
{
  DECLARE_DYNAMIC(CToolBar)
  DECLARE_MESSAGE_MAP()
public:
  CToolBar();
  ~CToolBar() override;

  virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
  virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                        UINT nID = AFX_IDW_TOOLBAR);
  // The toolbar resource (RT_TOOLBAR: image width and height, the button ids with 0 for
  // separators, as either resource compiler writes it) and the bitmap of the same name, both
  // through the resource chain.
  BOOL LoadToolBar(LPCTSTR lpszResourceName);
  BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCE(nIDResource)); }
  BOOL LoadBitmap(LPCTSTR lpszResourceName);
  BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
  void SetSizes(SIZE sizeButton, SIZE sizeImage);

  int GetCount() const;
  UINT GetItemID(int nIndex) const;
  void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
  void GetItemRect(int nIndex, LPRECT lpRect) const;
  int CommandToIndex(UINT nIDFind) const;
  UINT GetButtonStyle(int nIndex) const;
  void SetButtonStyle(int nIndex, UINT nStyle);
#ifndef ZUNTAFX_MFC_SURFACE
  CSize GetImageSize() const { return m_sizeImage; }
#endif

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
#ifndef ZUNTAFX_MFC_SURFACE
  BOOL getButton(int nIndex, TBBUTTON* pButton) const;
#endif

  CSize m_sizeButton;
  CSize m_sizeImage;
  HBITMAP m_hbmImageWell;
};

#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCE(241)
#endif
