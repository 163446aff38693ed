// The popup in which a bar hidden in the auto-hide strip slides out: it grows out of the strip
// edge in steps, stays open while the mouse is over it or the strip, closes when the mouse has
// stayed away, sizes only on its free edge and sends the bars back to their dock by its pin.
//
// DPI: the caption height, the pin, the slide step and st_nOnDrawBarOffset are 96-DPI pixels
// scaled for the frame's DPI (the offset is class-wide, so it cannot be one window's pixels).
// slideLength is the frame's pixels; its default is scaled for the system DPI and follows the
// frame's DPI.
#pragma once
#include "PinDockBar.h"

class CAutoHideBar;

class AFX_EXT_CLASS CDrawFrame : public CWnd
{
  DECLARE_DYNAMIC(CDrawFrame)
  DECLARE_MESSAGE_MAP()
public:
  CDrawFrame();

  void SetShowHideTimer();
  BOOL IsShowByForce() const { return showByForce; }
  // Whether a screen point counts as over the strip or the open frame.
  BOOL IsOnDrawBar(const CPoint& point);
  BOOL IsOnDrawBar();
  static void SetAutoShowHideTimer(int nMilliseconds) { st_nAutoShowHideTimer = nMilliseconds; }
  static void SetOnDrawBarOffset(int nPixels) { st_nOnDrawBarOffset = nPixels; }
  // The caption strip with the name and the pin, in window coordinates.
  void DrawCaption(CDC* pDC);

  static int st_nAutoShowHideTimer;
  static int st_nOnDrawBarOffset;

  int slideLength;
  CAutoHideBar* autoHideBar;
  int captionHeight;  // 96-DPI pixels
  CString caption;
  CString captionFontFace;
  int pinPushed, pinRaised;
  CPoint pinOrigin;  // relative to the window
  BYTE pinState;
  BOOL sliding;
  BOOL showByForce;

protected:
  CDpiScale m_lengthDpi;  // the DPI slideLength is in
  // 96-DPI pixels at the frame's DPI.
  int px(int nPixels) const { return CDpiScale::OfWindow(m_hWnd).Scale(nPixels); }
  void followWindowDpi();

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  CWnd* bar() const { return GetWindow(GW_CHILD); }
  BOOL isHorzStrip() const;
  CRect captionRect() const;
  CRect pinScreenRect() const;

  afx_msg LRESULT ShowOff(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT ShowHide(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT ShowDockBar(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT ShowAllHide(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT SetShowByForceFlg(WPARAM wParam, LPARAM lParam);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
  afx_msg void OnNcPaint();
  afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  afx_msg LRESULT OnParentNotify(WPARAM wParam, LPARAM lParam);
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
};
