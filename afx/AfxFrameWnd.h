// CFrameWnd: an SDI main window that lays out its control bars around one pane, updates menu
// items through command UI handlers and routes commands on to the application.
#pragma once
#include "AfxWnd.h"

class CControlBar;

// Ids of the frame's standard children.
#define AFX_IDW_PANE_FIRST 0xE900
#define AFX_IDW_TOOLBAR 0xE800
// Sent by RecalcLayout to each child: a bar takes its strip of the remaining rectangle.
#define WM_SIZEPARENT 0x0361

struct AFX_SIZEPARENTPARAMS
{
  HDWP hDWP;      // deferred moves, or null when only measuring
  RECT rect;      // what is left for the pane
  SIZE sizeTotal; // the bars' total size
  BOOL bStretch;
};

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
                      DWORD dwExStyle = 0, void* pContext = nullptr);
  // Bars along the edges, then the pane (child AFX_IDW_PANE_FIRST) in what is left.
  virtual void RecalcLayout(BOOL bNotify = TRUE);
  void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, LPRECT lpRectClient = nullptr);
  CControlBar* GetControlBar(UINT nID);
  void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  // The frame first, then the application.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
  // A frame belongs to its window: it deletes itself after the window is gone.
  void PostNcDestroy() override;
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);

  HMENU m_hMenuDefault;
  BOOL m_bInRecalcLayout;
};
