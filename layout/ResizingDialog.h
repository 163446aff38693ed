// A dialog whose controls follow its size by anchor rules (SetControlInfo), with a size grip in
// the bottom-right corner, no smaller than it was created and, on request, as large as it was
// when it last closed (the application profile, "CX" and "CY" under GetDialogProfileEntry).
// The grip is as large as the scroll bars at the dialog's DPI.
#pragma once
#include <afxwin.h>

#include "ResizingLayout.h"

class AFX_EXT_CLASS CResizingDialog : public CDialog
{
  DECLARE_DYNAMIC(CResizingDialog)
public:
  explicit CResizingDialog(const char* lpszTemplateName, CWnd* pParent = nullptr);
  explicit CResizingDialog(UINT nIDTemplate, CWnd* pParent = nullptr);

  // wFlags: EAnchorFlags; exactly 1 or 2 are ignored.
  void SetControlInfo(WORD wID, WORD wFlags) { m_layout.SetControlInfo(wID, wFlags); }
  void SetRememberSize(int bRemember) { m_layout.SetRememberSize(bRemember); }
  int GetRememberSize() const { return m_layout.GetRememberSize(); }
  virtual void GetDialogProfileEntry(CString& strEntry);
  // Whether the screen point lies in the grip's square at the window's bottom-right corner.
  bool NcHitTestResize(CPoint ptScreen);
  void PaintResize();

protected:
  // Applies the remembered size; FALSE, so the dialog manager sets no initial focus.
  BOOL OnInitDialog() override;
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnPaint();
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  afx_msg void OnDestroy();
  afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  int m_bSizeGrip;  // always shown
  RECT m_rcGrip;    // client coordinates, where the grip was last drawn
  CResizingLayout m_layout;

private:
  CString profileSection();
  // The grip's square at the bottom-right corner of the rectangle.
  CRect gripSquare(const CRect& rc) const;
};
