// A dialog whose controls follow its size by anchor rules (SetControlInfo), with a size grip in
// the bottom-right corner, no smaller than it was created and, on request, as large as it was
// when it last closed.
#pragma once
#include <afxwin.h>

#include "AnchoredDialog.h"

class AFX_EXT_CLASS CResizingDialog : public CAnchoredDialog
{
  DECLARE_DYNAMIC(CResizingDialog)
public:
  explicit CResizingDialog(const char* lpszTemplateName, CWnd* pParent = nullptr);
  explicit CResizingDialog(UINT nIDTemplate, CWnd* pParent = nullptr);

  // Whether the screen point lies in the grip's square at the window's bottom-right corner.
  bool NcHitTestResize(CPoint ptScreen);
  void PaintResize();

protected:
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnPaint();
  afx_msg LRESULT OnNcHitTest(CPoint point);
  DECLARE_MESSAGE_MAP()

  int m_bSizeGrip;  // always shown
  RECT m_rcGrip;    // client coordinates, where the grip was last drawn

private:
  // The grip's square at the bottom-right corner of the rectangle.
  static CRect gripSquare(const CRect& rc);
};
