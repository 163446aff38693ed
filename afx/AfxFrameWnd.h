// CFrameWnd: an SDI main window that lays out its control bars around one pane, updates menu
// items through command UI handlers and routes commands on to the application.
#pragma once
#include "AfxWnd.h"
#include "AfxList.h"

class CControlBar;
class CDockBar;

// Ids of the frame's standard children.
#define AFX_IDW_PANE_FIRST 0xE900
#define AFX_IDW_TOOLBAR    0xE800
// The dock bars of a frame that EnableDocking made, and the dock bar of a floating frame.
#define AFX_IDW_DOCKBAR_TOP    0xE81B
#define AFX_IDW_DOCKBAR_LEFT   0xE81C
#define AFX_IDW_DOCKBAR_RIGHT  0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM 0xE81E
#define AFX_IDW_DOCKBAR_FLOAT  0xE81F
#ifndef ZUNTAFX_MFC_SURFACE
#include "AfxPrivateMessages.h"
#endif

// Bar styles (m_dwStyle).
#define CBRS_ALIGN_LEFT    0x1000L
#define CBRS_ALIGN_TOP     0x2000L
#define CBRS_ALIGN_RIGHT   0x4000L
#define CBRS_ALIGN_BOTTOM  0x8000L
#define CBRS_ALIGN_ANY     0xF000L
#define CBRS_BORDER_LEFT   0x0100L
#define CBRS_BORDER_TOP    0x0200L
#define CBRS_BORDER_RIGHT  0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY    0x0F00L
#define CBRS_TOOLTIPS      0x0010L
#define CBRS_FLYBY         0x0020L
#define CBRS_FLOAT_MULTI   0x0040L
#define CBRS_BORDER_3D     0x0080L
#define CBRS_HIDE_INPLACE  0x0008L
#define CBRS_SIZE_DYNAMIC  0x0004L
#define CBRS_SIZE_FIXED    0x0002L
#define CBRS_FLOATING      0x0001L
#define CBRS_GRIPPER       0x00400000L
#define CBRS_ORIENT_HORZ   (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT   (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_LEFT          (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP           (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT         (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM        (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)
#define CBRS_ALL           0x0040FFFFL

// CalcDynamicLayout modes.
#define LM_STRETCH  0x0001
#define LM_HORZ     0x0002
#define LM_MRUWIDTH 0x0004
#define LM_HORZDOCK 0x0008
#define LM_VERTDOCK 0x0010
#define LM_LENGTHY  0x0020
#define LM_COMMIT   0x0040

class ZUNTAFX_API CFrameWnd : public CWnd
{
  DECLARE_DYNCREATE(CFrameWnd)
  DECLARE_MESSAGE_MAP()
public:
  CFrameWnd();

  static const RECT rectDefault;
  BOOL m_bAutoMenuEnable;  // items without handlers are disabled

  virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                      const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                      DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
  // Bars along the edges, then the pane (child AFX_IDW_PANE_FIRST) in what is left.
  virtual void RecalcLayout(BOOL bNotify = TRUE);
  CControlBar* GetControlBar(UINT nID);
  void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);

  // Layout at the next idle time.
  void DelayRecalcLayout(BOOL bNotify = TRUE);

  // Docking: dock bars along the allowed sides (CBRS_ALIGN_*), bars docked into them or
  // floating in a mini frame of their own.
  void EnableDocking(DWORD dwDockStyle);
  // nDockBarID 0 takes the first dock bar the bar accepts; lpRect (screen) picks row and place.
  void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
  void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
  void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
  // The side (CBRS_ALIGN_*) of the first dock bar allowed by dwDockStyle that the rectangle
  // (screen) touches, and that dock bar; 0 when none.
  DWORD CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar = nullptr);
  void AddControlBar(CControlBar* pBar);
  void RemoveControlBar(CControlBar* pBar);

  CPtrList m_listControlBars;  // every control bar whose dock site this frame is
  enum IdleFlags
  {
    idleLayout = 0x8,
    idleNotify = 0x4
  };
  UINT m_nIdleFlags;

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  // The frame first, then the application.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
  // A frame belongs to its window: it deletes itself after the window is gone.
  void PostNcDestroy() override;
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
  // A delayed layout, then the idle update of the floating frames of this frame's bars.
#ifndef ZUNTAFX_MFC_SURFACE
  afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
#endif

  HMENU m_hMenuDefault;
  BOOL m_bInRecalcLayout;
};
