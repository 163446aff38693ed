// Small owner-drawn icon buttons on a visual-styles face: a latching tool button and a
// momentary push button. They track the mouse for a hot look and draw a classic frame when
// visual styles are off. The host sets the icon (BM_SETIMAGE) and keeps owning it; the buttons
// need BS_OWNERDRAW from their template or creation call, and BS_ICON, without which the
// platform's button refuses the icon. The icon's size (32 by 32) and its placement around the
// face's centre are given at 96 DPI and scaled to the button's DPI.
#pragma once
#include <afxwin.h>

#include "XPTheme.h"

class AFX_EXT_CLASS CXPButtonEx : public CButton
{
  DECLARE_DYNAMIC(CXPButtonEx)
public:
  CXPButtonEx();
  ~CXPButtonEx() override;

  void PreSubclassWindow() override;

  int m_bPressed;  // the momentary button is held down
  int m_bHot;      // the mouse is over the button
  CXPTheme m_theme;

protected:
  // The visual-styles class that draws the face.
  virtual const wchar_t* GetCtrlType() = 0;
  // The face with visual styles or as a classic push button, then the icon.
  void DrawFace(LPDRAWITEMSTRUCT lpDrawItemStruct, int nDown);
  // Asks for WM_MOUSELEAVE once the mouse leaves the button.
  void TrackLeave();

  DECLARE_MESSAGE_MAP()
};

// A tool button that latches: a press checks it, only the host clears it (SetCheck(0)).
class AFX_EXT_CLASS CXPRadioButton : public CXPButtonEx
{
  DECLARE_DYNCREATE(CXPRadioButton)
public:
  CXPRadioButton();
  // Neither sends the control a message nor repaints.
  virtual void SetCheck(int nCheck) { m_nCheck = nCheck; }
  virtual int GetCheck() const { return m_nCheck; }
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { DrawFace(lpDrawItemStruct, m_nCheck); }

protected:
  const wchar_t* GetCtrlType() override { return L"ToolBar"; }
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnMouseLeave();

  int m_nCheck;

  DECLARE_MESSAGE_MAP()
};

// What a CXPUpDownButton sends its parent on every release: wParam the control id, lParam 0.
const UINT WM_XPUPDOWN_RELEASED = WM_APP + 200;

// A push button that is down only while held, and tells its parent when it is released.
class AFX_EXT_CLASS CXPUpDownButton : public CXPButtonEx
{
  DECLARE_DYNCREATE(CXPUpDownButton)
public:
  CXPUpDownButton();
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { DrawFace(lpDrawItemStruct, m_bPressed); }

protected:
  // A quick second click presses the button again instead of double-clicking it.
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  const wchar_t* GetCtrlType() override { return L"Button"; }
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnMouseLeave();

  DECLARE_MESSAGE_MAP()
};
