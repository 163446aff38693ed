// A caption bar with a push pin beside the close button: pressing the pin of a docked bar asks
// the host frame to hide the bars of that dock side in an auto-hide strip. The host's derived
// class supplies the four operations that move a bar into and out of the strip. The pin and its
// place in the caption are 96-DPI pixels drawn at the bar's DPI.
#pragma once
#include "SizingControlBarCF.h"

class CAutoHideBar;

// Messages of the docking bars (the private-message base plus an offset).
#define WM_DRAWFRAME_SHOWOFF     (WM_USER + 0x01)
#define WM_DRAWFRAME_SHOWHIDE    (WM_USER + 0x02)
#define WM_DRAWFRAME_SHOWDOCKBAR (WM_USER + 0x03)
#define WM_DRAWFRAME_SHOWALLHIDE (WM_USER + 0x04)
#define WM_DRAWFRAME_SHOWBYFORCE (WM_USER + 0x05)
#define WM_AUTOHIDE_LEAVE        (WM_USER + 0x0A)
#define WM_PINDOCKBAR_PUSHPIN    (WM_USER + 0x14)
#define WM_AUTOHIDE_MENU         (WM_USER + 0x70)
#define WM_AUTOHIDE_OPTIONS      (WM_USER + 0x71)

// The hit-test code of the pin.
#define HTPUSHPIN 19

// The pin: standing (pinState 1) on a docked bar, lying (0) on the slide-out frame.
class AFX_EXT_CLASS CSCBPinButton : public CSCBButton
{
public:
  explicit CSCBPinButton(BYTE nPinState) : pinState(nPinState) {}
  // The glyph alone, at a button's origin, for a window of the DPI.
  static void PaintPin(CDC* pDC, CPoint ptOrg, BYTE nPinState, const CDpiScale& dpi);
  BYTE pinState;

protected:
  void PaintGlyph(CDC* pDC) const override;
};

class AFX_EXT_CLASS CPinDockBar : public CSizingControlBarCF
{
  DECLARE_DYNAMIC(CPinDockBar)
  DECLARE_MESSAGE_MAP()
public:
  enum DOCKBARTYPE
  {
    DOCKBARTYPE_DEFAULT = 0,
    DOCKBARTYPE_PINFIRST = 2  // goes first when the bars of its side are pinned
  };

  CPinDockBar();

  virtual int GetDockBarType() { return DOCKBARTYPE_DEFAULT; }
  virtual void SetVertSize(CSize& size) { sizeVert = size; }
  virtual void SetFloatSize(CSize& size) { sizeFloat = size; }
  virtual BOOL TabSelChange(int) { return FALSE; }
  // The mouse has left the bar.
  virtual void OnOutsideClient() {}
  // The host's part: put the bar into the strip, take it back out (all of the strip's bars when
  // bAll), lay out again, and whether the bar may go back to its dock now.
  virtual void EnterAutoHide(CAutoHideBar* pStrip) = 0;
  virtual void LeaveAutoHide(CAutoHideBar* pStrip, BOOL bAll) = 0;
  virtual void AfterLeaveAutoHide(BOOL bLayout) = 0;
  virtual BOOL CanLeaveAutoHide() = 0;
  virtual bool GetAutoHideStatus() { return autoHideStatus; }

  // Sends the frame one pin request for each caption bar of this bar's side.
  void SetPushPinOn();
  void setFocusTimer();
  UINT GetDockBarID() const { return dockBarId; }
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

  static int st_nOutsideClientTimer;

protected:
  void NcCalcClient(LPRECT pRc, UINT nDockBarID) override;
  void NcPaintGripper(CDC* pDC, CRect rcClient) override;

  bool autoHideStatus;
  CSCBPinButton pinButton;

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
};
