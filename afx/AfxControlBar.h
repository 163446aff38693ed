// CControlBar: the base of bars along a frame's edges (the frame lays them out through
// WM_SIZEPARENT and updates their command UI at idle time), and CToolBar over the common
// toolbar control, loaded from the framework's toolbar resource.
#pragma once
#include "AfxFrameWnd.h"

#include <commctrl.h>

// Bar styles (m_dwStyle).
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_FLOATING 0x0001L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)
#define CBRS_ALL 0x0040FFFFL

// CalcDynamicLayout modes.
#define LM_STRETCH 0x0001
#define LM_HORZ 0x0002
#define LM_MRUWIDTH 0x0004
#define LM_HORZDOCK 0x0008
#define LM_VERTDOCK 0x0010
#define LM_LENGTHY 0x0020
#define LM_COMMIT 0x0040

class ZUNTAFX_API CControlBar : public CWnd
{
  DECLARE_DYNAMIC(CControlBar)
  DECLARE_MESSAGE_MAP()
public:
  CControlBar();

  // The bar's size along its edge; bStretch asks for the whole edge.
  virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
  virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
  // Enables and checks the bar's items through the target's command UI handlers.
  virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
  virtual void DoPaint(CDC* pDC);

  DWORD GetBarStyle() const { return m_dwStyle; }
  virtual void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
  BOOL IsFloating() const { return FALSE; }
  BOOL IsHorz() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }
  BOOL IsVisible() const { return IsWindowVisible(); }
  int GetCount() const { return m_nCount; }

  CFrameWnd* m_pDockSite;
  BOOL m_bAutoDelete;  // deletes itself with its window
  DWORD m_dwStyle;
  int m_cxLeftBorder, m_cxRightBorder, m_cyTopBorder, m_cyBottomBorder;

protected:
  void PostNcDestroy() override;
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
  CSize GetImageSize() const { return m_sizeImage; }

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
  BOOL getButton(int nIndex, TBBUTTON* pButton) const;

  CSize m_sizeButton;
  CSize m_sizeImage;
  HBITMAP m_hbmImageWell;
};

#ifndef RT_TOOLBAR
#  define RT_TOOLBAR MAKEINTRESOURCE(241)
#endif
