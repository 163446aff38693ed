// The list view of the option tree: paints every row off-screen, scrolls vertically, drags the
// column divider and turns mouse and keys into focus, selection, expansion, activation and
// notifications. Rows and state live in the owning CTreeOption and its items.
#pragma once
#include <afxwin.h>

#include <vector>

class CTreeOption;
class CTreeOptionItem;

// Cursor resource of the divider; the host application supplies it.
#define IDC_TREEOPTION_SPLITTER 130

class AFX_EXT_CLASS CTreeOptionList : public CWnd
{
  DECLARE_DYNAMIC(CTreeOptionList)
public:
  CTreeOptionList();
  ~CTreeOptionList() override;

  virtual BOOL Create(DWORD dwStyle, RECT rcRect, CWnd* pParentWnd, UINT nID);
  void SetOptionsOwner(CTreeOption* pOwner) { m_otOption = pOwner; }
  void SetUpdatePaint() { m_bUpdatePaint = TRUE; }
  void GetHandCursor();
  void UpdateResize();
  void CheckVisibleFocus();
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  BOOL IsDragging() const { return m_bColDrag; }

protected:
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnSizing(UINT fwSide, LPRECT pRect);
  afx_msg void OnPaint();
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg UINT OnGetDlgCode();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  DECLARE_MESSAGE_MAP()

  void updatePaint();
  long updateDrawItem(CTreeOptionItem* otiItem, CDC* pDC, const RECT& rcClient, long lX, long lY, long lRootLevel);

private:
  bool acceptsInput() const;
  // A size given in pixels at 96 DPI, in the view's pixels.
  int scaled(int nPixels) const;
  void fullPaint(CDC* pDC, const CRect& rcClient, const CRect& rcPaint);
  void redrawMarkedRows(CDC* pDC, const CRect& rcClient);
  void keepMarkedRows(const std::vector<CTreeOptionItem*>& arRows);
  void redrawRow(CTreeOptionItem* otiItem, CDC* pDC, const RECT& rcClient, long lX, long lY);
  void drawDragBar(CDC* pDC, const CRect& rcClient);
  bool toggleExpand(CTreeOptionItem* otiItem);
  bool hostAllowsExpand(CTreeOptionItem* otiItem);
  void expandRow(CTreeOptionItem* otiItem, BOOL bExpand);
  void clickRow(long lHit, CTreeOptionItem* otiItem);
  // Asks the host (-1110), then activates the row unless it vetoed.
  void activateRow(CTreeOptionItem* otiItem);
  void clickNowhere();
  // False when the host deleted the row while told of its focus.
  bool selectAsFocus(CTreeOptionItem* otiItem);
  void fitColumn();
  void startDrag();
  void moveOptionButtonHover(CPoint point);
  void onTab(bool bShift);
  void activateFocused();
  void onLeftRight(bool bRight);
  void focusMoved(CTreeOptionItem* otiMoved);
  void scrollTo(long lPosition);
  // The thumb's position while it is dragged, in full: the message carries only 16 bits of it.
  long thumbTrackPosition();
  void repaint();

  BOOL m_bUpdatePaint;
  CPoint m_ptLastMousePoint;
  CTreeOption* m_otOption;
  BOOL m_bColDrag;
  HCURSOR m_hSplitter;
  HCURSOR m_hHand;
  int m_nDragX;
};
