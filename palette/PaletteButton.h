// A push button with a drop-down arrow that owns one palette, opens it below itself on a click
// or the space key, and turns the palette's messages into virtual calls for subclasses.
// The host calls InitButton once the button exists, then fills the cells.
// The arrow column (14), the focus inset (3) and the face's content insets (4, and 18 at the
// right) are 96-DPI pixels scaled for the button's DPI.
#pragma once
#include "PaletteWnd.h"

class AFX_EXT_CLASS CPaletteButton : public CButton
{
  DECLARE_DYNCREATE(CPaletteButton)
public:
  CPaletteButton();
  ~CPaletteButton() override;

  // Adds BS_OWNERDRAW.
  BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;
  // Creates the hidden palette with the palette style given; FALSE when it cannot be made or
  // exists already.
  BOOL InitButton(DWORD dwStyle);
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

  int AddCell(DWORD dwData, DWORD dwExData, LPCTSTR lpszTipText)
  {
    return m_wndPalette.AddCell(dwData, dwExData, lpszTipText);
  }
  int InsertCell(int nIndex, DWORD dwData, DWORD dwExData, LPCTSTR lpszTipText)
  {
    return m_wndPalette.InsertCell(nIndex, dwData, dwExData, lpszTipText);
  }
  // These three repaint the button at once.
  BOOL DeleteCell(int nIndex);
  BOOL RemoveAll();
  void SetCurSel(int nIndex);
  int GetCellCount() const { return m_wndPalette.GetCellCount(); }
  DWORD GetCellData(int nIndex) const { return m_wndPalette.GetCellData(nIndex); }
  void SetCellData(int nIndex, DWORD dwData) { m_wndPalette.SetCellData(nIndex, dwData); }
  DWORD GetCellExData(int nIndex) const { return m_wndPalette.GetCellExData(nIndex); }
  void SetCellExData(int nIndex, DWORD dwExData) { m_wndPalette.SetCellExData(nIndex, dwExData); }
  LPCTSTR GetCellTipText(int nIndex) const { return m_wndPalette.GetCellTipText(nIndex); }
  void SetCellTipText(int nIndex, LPCTSTR lpszTipText) { m_wndPalette.SetCellTipText(nIndex, lpszTipText); }
  int GetCellRect(int nIndex, RECT& rect) const { return m_wndPalette.GetCellRect(nIndex, rect); }
  int GetCols() const { return m_wndPalette.GetCols(); }
  void SetCols(int nCols) { m_wndPalette.SetCols(nCols); }
  int GetCellWidth() const { return m_wndPalette.GetCellWidth(); }
  void SetCellWidth(int nWidth) { m_wndPalette.SetCellWidth(nWidth); }
  int GetCellHeight() const { return m_wndPalette.GetCellHeight(); }
  void SetCellHeight(int nHeight) { m_wndPalette.SetCellHeight(nHeight); }
  int GetLeftMargin() const { return m_wndPalette.GetLeftMargin(); }
  void SetLeftMargin(int nMargin) { m_wndPalette.SetLeftMargin(nMargin); }
  int GetTopMargin() const { return m_wndPalette.GetTopMargin(); }
  void SetTopMargin(int nMargin) { m_wndPalette.SetTopMargin(nMargin); }
  DWORD GetPLCStyle() const { return m_wndPalette.GetPLCStyle(); }
  void SetPLCStyle(DWORD dwStyle) { m_wndPalette.SetPLCStyle(dwStyle); }
  int GetCurSel() const { return m_wndPalette.GetCurSel(); }

protected:
  // A cell of the open palette; the palette's own look here.
  virtual void DrawCell(CDC& dc, int nIndex, const RECT& rect);
  virtual void OnSelChanged(int /*nIndex*/) {}
  virtual void OnBeginPopup(const POINT& /*point*/) {}
  virtual void OnEndPopup() {}
  virtual void OnQueryEndPopup() {}

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPaletteBeginPopup(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPaletteDrawCell(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPaletteSelChanged(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPaletteQueryEndPopup(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPaletteEndPopup(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  // The width of the drop-down arrow at the right of the face.
  int arrowWidth() const;
  BOOL isPushed() const { return (GetState() & BST_PUSHED) != 0; }
  // Where a subclass shows the selected cell in the face: inside the edges, left of the arrow.
  CRect faceContentRect(const RECT& item) const;
  // Tells the parent window that the user picked a cell: wParam the control id, lParam the index.
  void notifyParent(UINT nMessage, int nIndex);

  CPaletteWnd m_wndPalette;

private:
  // Below the button, or above it where the screen ends; right-aligned where it would overhang.
  void openPalette();
  void repaintNow();
};
