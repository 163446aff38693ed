// A sizing control bar with a gripper and a close button while it is docked.
#pragma once
#include "SizingControlBar.h"

// A small button drawn in a bar's non-client area: sunken while pushed, raised while pointed at.
class AFX_EXT_CLASS CSCBButton
{
public:
  CSCBButton();
  virtual ~CSCBButton() = default;

  static const int kSize = 11;
  CRect GetRect() const { return CRect(ptOrg, CSize(kSize, kSize)); }
  // The frame of the state, then the glyph.
  void Paint(CDC* pDC) const;
  // Takes the state for the cursor; TRUE when it changed.
  BOOL Update(BOOL bHit, BOOL bButtonDown) { return UpdateState(bPushed, bRaised, bHit, bButtonDown); }
  // The same for a button kept in loose members.
  static void PaintState(CDC* pDC, CPoint ptOrg, BOOL bPushed, BOOL bRaised);
  static BOOL UpdateState(BOOL& bPushed, BOOL& bRaised, BOOL bHit, BOOL bButtonDown);

  BOOL bPushed;
  BOOL bRaised;
  CPoint ptOrg;  // relative to the window's top-left corner

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

  int gripperSize;
  CSCBButton closeButton;

  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
};
