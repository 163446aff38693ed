// What the resizing dialog and the panel share: controls that follow the window's client size by
// per-control anchor rules, a minimum tracking size taken from the creation size, and the outer
// size remembered in the application profile under a section named after the template.
// All sizes are the window's pixels; when its DPI changes they are carried over to the new DPI.
#pragma once
#include "DpiScale.h"

#include <afxwin.h>
#include <afxcoll.h>

// Anchor flags of SetControlInfo. Per axis the first rule that matches wins:
// HALF_X with SIZE_X_PART or MOVE_X, then SIZE_X, MOVE_X, MOVE_X_HALF (the same for y).
enum EAnchorFlags : WORD
{
  ANCHOR_SIZE_X_PART = 0x0001,  // with ANCHOR_HALF_X: the right edge follows half the change
  ANCHOR_SIZE_Y_PART = 0x0002,
  ANCHOR_MOVE_X = 0x0004,  // alone: moves with the right edge; with ANCHOR_HALF_X: grows by
  ANCHOR_MOVE_Y = 0x0008,  // half the change and moves by the other half
  ANCHOR_SIZE_X = 0x0010,  // the right edge follows the change
  ANCHOR_SIZE_Y = 0x0020,
  ANCHOR_HALF_X = 0x0040,
  ANCHOR_HALF_Y = 0x0080,
  ANCHOR_MOVE_X_HALF = 0x0100,  // stays centred
  ANCHOR_MOVE_Y_HALF = 0x0200
};

class AFX_EXT_CLASS CResizingLayout
{
public:
  explicit CResizingLayout(LPCTSTR lpszTemplateName);
  explicit CResizingLayout(UINT nIDTemplate);

  // Exactly 1 or 2 name no rule and are ignored.
  void SetControlInfo(WORD wID, WORD wFlags);
  void SetRememberSize(int bRemember) { m_bRememberSize = bRemember; }
  int GetRememberSize() const { return m_bRememberSize; }
  // The template name, or the resource identifier in lower-case hexadecimal.
  void GetProfileEntry(CString& strEntry) const;
  // Where a control with the flags goes when the client size changes by dx, dy.
  static CRect AnchorRect(const CRect& rcControl, WORD wFlags, int dx, int dy);

  // The window's messages, each after its default processing.
  void OnCreate(CWnd& wnd, const CREATESTRUCT& cs);
  // False when the default processing should answer.
  bool OnGetMinMaxInfo(MINMAXINFO* lpMMI) const;
  // False for a minimised window, which lays out nothing.
  bool OnSize(CWnd& wnd, UINT nType, int cx, int cy);
  // OnInitDialog: applies the remembered size, without moving the window. A size that no
  // screen can show (not positive, or beyond the desktop's virtual screen) is a damaged
  // profile: it is ignored and the window keeps its template size.
  void LoadSize(CWnd& wnd, LPCTSTR lpszSection) const;
  // WM_DESTROY: keeps the size when the window was resized, then forgets the sizes.
  void SaveSize(CWnd& wnd, LPCTSTR lpszSection);
  // WM_DPICHANGED and WM_DPICHANGED_AFTERPARENT: the minimum and the previous size move to the
  // window's new DPI, so that the change is not laid out as a resize by the user.
  void FollowDpi(CWnd& wnd);
  // WM_DPICHANGED of a top-level window: FollowDpi, then the rectangle Windows suggests.
  void OnDpiChanged(CWnd& wnd, LPARAM lParam);

private:
  void moveControls(CWnd& wnd, int dx, int dy) const;

  int m_bRememberSize;
  int m_nMinTrackWidth;
  int m_nMinTrackHeight;
  int m_nPrevWidth;
  int m_nPrevHeight;
  int m_bResized;
  CDWordArray m_arrAnchors;  // control id in the low word, flags in the high word
  UINT m_nIDTemplate;
  CString m_strTemplateName;
  bool m_bNamedTemplate;
  CDpiScale m_dpi;  // the DPI the sizes are in
};
