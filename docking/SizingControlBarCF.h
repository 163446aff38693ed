// A sizing control bar whose docked gripper is a small caption strip with the bar's window
// text, in the active caption colours while the keyboard focus is inside the bar. The strip and
// its font are 96-DPI sizes scaled for the bar's DPI.
#pragma once
#include "SizingControlBarG.h"

class AFX_EXT_CLASS CSizingControlBarCF : public CSizingControlBarG
{
  DECLARE_DYNAMIC(CSizingControlBarCF)
  DECLARE_MESSAGE_MAP()
public:
  CSizingControlBarCF();

  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
  // "Tahoma" when the system has that family, else "Arial".
  static CString ChooseCaptionFontFace();
  // A caption strip: the face colour, or from bLength onwards along its length 64 steps from
  // one colour to the other (bVertical: from the bottom up).
  static void FillGradient(CDC* pDC, const CRect& rc, COLORREF clrFrom, COLORREF clrTo, BOOL bVertical);
  // The caption font: 8.5 points (11 pixels at 96 DPI) at the DPI, turned a quarter when
  // nEscapement is 900.
  static BOOL CreateCaptionFont(CFont& font, const CString& strFace, const CDpiScale& dpi, int nEscapement);

protected:
  void NcPaintGripper(CDC* pDC, CRect rcClient) override;
  // The caption strip in window coordinates.
  CRect captionRect(const CRect& rcClient) const;

  BOOL captionActive;
  CString captionFontFace;

  afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
};
