// The auto-hide strip: a thin bar along one edge of the frame's client area with one tab-like
// button per hidden bar; pointing at (or clicking) a button slides its bar out in a CDrawFrame.
// The host frame fills it through AddButton and InsertButton and hears of its options.
//
// DPI: the thickness, the fonts and every length and margin of the layout are 96-DPI pixels
// drawn at the strip's DPI; the fonts are made for the system DPI first and again when the
// strip's DPI turns out or becomes different. Button rectangles are the strip's pixels.
#pragma once
#include "DrawFrame.h"

#include <afxcmn.h>
#include <afxtempl.h>

// One button of the strip, or a separator between the groups of two pin bars.
class AFX_EXT_CLASS CDrawButtonInfo
{
public:
  CDrawButtonInfo() : style(0), bar(nullptr), oldParent(nullptr), pinBar(nullptr), image(-1), textWidth(0) {}
  CString name;
  DWORD style;  // AHB_*
  CWnd* bar;
  CDrawFrame frame;
  CRect rect;
  CWnd* oldParent;
  CRect dockedRect;
  CPinDockBar* pinBar;
  int image;
  int textWidth;
};

#define AHB_ALWAYSNAME  0x1
#define AHB_GROUPSELECT 0x2
#define AHB_ACTIVE      0x4
#define AHB_SEPARATOR   0x8
// While a button with AHB_KEEPOPEN exists, pointing at a button with AHB_LEAVEKEEPER opens the
// keeper's bar, and clicking it asks its bar to leave auto-hide mode (WM_AUTOHIDE_LEAVE).
#define AHB_KEEPOPEN    0x10
#define AHB_LEAVEKEEPER 0x20

class AFX_EXT_CLASS CAutoHideBar : public CWnd
{
  DECLARE_DYNAMIC(CAutoHideBar)
  DECLARE_MESSAGE_MAP()
public:
  CAutoHideBar();
  ~CAutoHideBar() override;

  // side: 0 top, 1 left, 2 right, 3 bottom.
  BOOL Create(int nSide, CWnd* pFrame);
  void AddButton(LPCTSTR lpszName, DWORD dwStyle, CWnd* pBar, CWnd* pOldParent, CRect* pDocked, CPinDockBar* pPin,
                 int nImage = -1);
  void InsertButton(LPCTSTR lpszName, DWORD dwStyle, CWnd* pBar, CWnd* pOldParent, CRect* pDocked, CPinDockBar* pPin,
                    int nImage, int nIndex);
  void RemoveButton(CWnd* pBar);
  void Shrink();
  void SetButtonStyle(int nIndex, int nStyle);
  BOOL SetDisplayPage(int nIndex, BOOL bTimer);

  void CalcLayout();
  void SetRecalcLayout();
  void Draw(CDC* pDC);
  int RecalcHeight(int nIndex, int nHeight);
  int GetNonActiveItemSize(int nIndex);
  BOOL IsAllTableNameDisplay();

  int GetCurSel();
  int ButtonIndexToTabIndex(int nIndex);
  int TabIndexToButtonIndex(CPinDockBar* pPin, int nTab);
  CPinDockBar* FindCtrlBar(CWnd* pBar);
  int GetAHWindowSize(CWnd* pBar);
  BOOL IsEnableAutoHideBar() const { return buttons.GetSize() > 0; }
  BOOL IsBarPtInRect(CPoint point);
  BOOL IsMainFrameInRect(CPoint point);
  static void SetDrawFrameOnDrawBarOffset(int nPixels) { CDrawFrame::SetOnDrawBarOffset(nPixels); }
  static void SetDrawFrameShowHideTimer(int nMilliseconds) { CDrawFrame::SetAutoShowHideTimer(nMilliseconds); }
  // A bar's window is being destroyed: no button may keep it (its own button goes soon after).
  void OnBarDestroyed(CWnd* pBar);

  int GetSide() const { return side; }
  BOOL IsHorzStrip() const { return side == 0 || side == 3; }
  int GetButtonCount() const { return static_cast<int>(buttons.GetSize()); }
  CDrawButtonInfo* GetButton(int nIndex) const { return buttons[nIndex]; }
  void SetImageList(CImageList* pImages) { buttonImages = pImages; }
  void SetTabDisplayMode(int nMode) { tabDisplayMode = nMode; }
  int GetTabDisplayMode() const { return tabDisplayMode; }
  void SetClickOpenMode(BOOL bClick) { clickOpen = bClick; }
  BOOL GetClickOpenMode() const { return clickOpen; }

protected:
  void _CheckItemChange(UINT nFlags, CPoint point, BOOL bClick);
  int lastButtonWith(DWORD dwStyle) const;
  void leaveAndRetry(CDrawButtonInfo* pHit, CPoint point);
  // bAsGiven keeps the style; otherwise the button is its group's active one unless another is.
  void insertButton(LPCTSTR lpszName, DWORD dwStyle, CWnd* pBar, CWnd* pOldParent, CRect* pDocked, CPinDockBar* pPin,
                    int nImage, int nIndex, BOOL bAsGiven);
  // Makes the button the shown one, active in its group, and slides its bar out.
  void openButton(int nIndex, BOOL bTimer);
  int groupCount() const;
  int groupButtonCount(int nIndex) const;
  int hitButton(CPoint point) const;
  BOOL samePin(const CDrawButtonInfo* pA, const CDrawButtonInfo* pB) const;
  void sendOptions();
  // Takes an entry out and deletes it with its frame; the shown button keeps its place.
  void removeAt(int nIndex);
  int buttonOf(const CWnd* pBar) const;

  CArray<CDrawButtonInfo*, CDrawButtonInfo*> buttons;
  int side;
  int barThickness;  // 96-DPI pixels
  CFont fontHorz;
  CFont fontVert;
  int curSel;
  CImageList* buttonImages;
  CWnd* mainFrame;
  int tabDisplayMode;
  BOOL clickOpen;
  BOOL allNamesFit;
  int itemLength;
  BOOL passingWheel;
  CDpiScale m_fontDpi;  // the DPI the fonts are made for

  // 96-DPI pixels at the strip's DPI.
  int px(int nPixels) const { return CDpiScale::OfWindow(m_hWnd).Scale(nPixels); }
  // The two fonts for the strip's DPI, and the name widths measured in them.
  void followWindowDpi();
  void makeFonts(const CDpiScale& dpi);
  void measureName(CDrawButtonInfo* pInfo);

  afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  afx_msg void OnPaint();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  afx_msg LRESULT OnRemoveBarless(WPARAM wParam, LPARAM lParam);
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  afx_msg LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);
};
