// A sizing control bar with a gripper and a close button while it is docked. The gripper size
// and the buttons are 96-DPI pixels drawn at the bar's DPI.
#pragma once
#include "SizingControlBar.h"

// A small button drawn in a bar's non-client area: sunken while pushed, raised while pointed at.
// It is kSize pixels square at 96 DPI, scaled for m_dpi, the DPI of the window it is drawn in.
class AFX_EXT_CLASS CSCBButton
{
public:
  CSCBButton();
  virtual ~CSCBButton() = default;

  static const int kSize = 11;
  CRect GetRect() const { return SquareAt(ptOrg, m_dpi); }
  static CRect SquareAt(CPoint ptOrg, const CDpiScale& dpi) { return CRect(ptOrg, dpi.Scale(CSize(kSize, kSize))); }
  // The frame of the state, then the glyph.
  void Paint(CDC* pDC) const;
  // Takes the state for the cursor; TRUE when it changed.
  BOOL Update(BOOL bHit, BOOL bButtonDown) { return UpdateState(bPushed, bRaised, bHit, bButtonDown); }
  // The same for a button kept in loose members.
  static void PaintState(CDC* pDC, CPoint ptOrg, BOOL bPushed, BOOL bRaised, const CDpiScale& dpi);
  static BOOL UpdateState(BOOL& bPushed, BOOL& bRaised, BOOL bHit, BOOL bButtonDown);

  BOOL bPushed;
  BOOL bRaised;
  CPoint ptOrg;  // relative to the window's top-left corner
  CDpiScale m_dpi;

protected:
  // The close cross.
  virtual void PaintGlyph(CDC* pDC) const;
};

class AFX_EXT_CLASS CSizingControlBarG : public CSizingControlBar
{
  DECLARE_DYNAMIC(CSizingControlBarG)
  DECLARE_MESSAGE_MAP()
public:
  CSizingControlBarG();

  virtual BOOL HasGripper() const;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
  void NcPaintGripper(CDC* pDC, CRect rcClient) override;
  void NcCalcClient(LPRECT pRc, UINT nDockBarID) override;
  // Whether a screen point lies on a button shown in the docked gripper.
  BOOL buttonHit(const CSCBButton& button, CPoint point);

  int gripperSize;  // 96-DPI pixels
  CSCBButton closeButton;

  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
};
