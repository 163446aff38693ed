// CMiniFrameWnd: a small-captioned popup frame; CMiniDockFrameWnd: the floating frame of a
// control bar, which holds the bar in a floating dock bar and takes its size from the bar.
#pragma once
#include "AfxDockBar.h"

// Mini frame styles (the low word of the window style is the class's own).
#define MFS_4THICKFRAME 0x00000200L  // sizable on the four sides, not at the corners
#define MFS_THICKFRAME  0x00000400L  // sizable

class ZUNTAFX_API CMiniFrameWnd : public CFrameWnd
{
  DECLARE_DYNCREATE(CMiniFrameWnd)
  DECLARE_MESSAGE_MAP()
public:
  CMiniFrameWnd() = default;
  virtual BOOL Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                      CWnd* pParentWnd = nullptr, UINT nID = 0);

protected:
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
};

class ZUNTAFX_API CMiniDockFrameWnd : public CMiniFrameWnd
{
  DECLARE_DYNCREATE(CMiniDockFrameWnd)
  DECLARE_MESSAGE_MAP()
public:
  CMiniDockFrameWnd();
  // dwBarStyle: the alignment the floating bars take (CBRS_ALIGN_*).
  virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
  // Fits the frame around the dock bar and takes its title from it.
  void RecalcLayout(BOOL bNotify = TRUE) override;

  CDockBar m_wndDockBar;

protected:
#ifndef ZUNTAFX_MFC_SURFACE
  CControlBar* firstBar() const;
#endif
  afx_msg void OnClose();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
  afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
};
