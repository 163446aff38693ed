// A popup grid of cells (colours, characters, anything its owner draws) picked with the mouse or
// the keyboard, with a tooltip per cell. While popped up the palette holds the mouse capture and
// a keyboard hook of its thread, and tells its owner through the registered palette messages
// (PaletteMessages.h) when it opens, when a cell must be drawn, when the selection changes and
// when it closes. The hook is held once per process: one palette is open at a time.
// The default cell size (20), margins (5) and the cell inset (3) are 96-DPI pixels scaled for the
// palette's DPI; sizes a host sets or reads are the window's pixels. On WM_DPICHANGED all of them
// rescale and the window refits.
#pragma once
#include <afxcmn.h>
#include <afxtempl.h>

#include "PaletteMessages.h"
#include "XPTheme.h"

// Palette style bits: the low word of the window style given to Create.
const WORD PLCS_HEADERCELL = 0x0001;  // cell 0 spans the first row
const WORD PLCS_AUTOBREAK = 0x0002;   // the column count follows the cell count
const WORD PLCS_BORDER = 0x0004;      // a raised border around the client area

// Sent by address with PaletteWnd_Msg_DrawCell: the owner draws cell nIndex into hDC.
struct PaletteDrawCellInfo
{
  HWND hWnd;  // the palette
  HDC hDC;    // may be null
  int nIndex;
  RECT rect;  // the cell's frame, in the palette's client coordinates
};

class AFX_EXT_CLASS CPaletteCell
{
public:
  // Tips longer than this many characters are cut.
  static const int kMaxTipChars = 79;

  CPaletteCell(DWORD dwData, DWORD dwExData, LPCTSTR lpszTipText);
  virtual ~CPaletteCell();
  void SetTipText(LPCTSTR lpszTipText);

  DWORD m_dwData;
  DWORD m_dwExData;
  CString m_strTipText;
};

// An empty popup that accompanies an open palette; its destruction tells the owner that the
// popup has ended. Taken down with its owner's window while the palette is open, it ends the
// popup first and then deletes itself.
class AFX_EXT_CLASS CPaletteDummyWnd : public CWnd
{
  DECLARE_DYNAMIC(CPaletteDummyWnd)
public:
  CPaletteDummyWnd();

  LPCTSTR m_lpszClassName;
  CWnd* m_pOwner;  // null once no palette holds this window

protected:
  void PostNcDestroy() override;
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()
};

class AFX_EXT_CLASS CPaletteWnd : public CWnd
{
  DECLARE_DYNCREATE(CPaletteWnd)
public:
  CPaletteWnd();
  ~CPaletteWnd() override;

  // The low word of dwStyle is the palette style, the high word the window style (WS_POPUP).
  virtual BOOL Create(LPCTSTR lpszTitle, DWORD dwStyle, const RECT& rect, CWnd* pOwner, UINT nID);

  // Cells. Indices outside the cells give 0, -1, null or FALSE and change nothing.
  int AddCell(DWORD dwData, DWORD dwExData, LPCTSTR lpszTipText);
  int InsertCell(int nIndex, DWORD dwData, DWORD dwExData, LPCTSTR lpszTipText);
  BOOL DeleteCell(int nIndex);
  BOOL RemoveAll();
  int GetCellCount() const { return m_nCount; }
  DWORD GetCellData(int nIndex) const;
  DWORD GetCellExData(int nIndex) const;
  LPCTSTR GetCellTipText(int nIndex) const;
  void SetCellData(int nIndex, DWORD dwData);
  void SetCellExData(int nIndex, DWORD dwExData);
  // The tooltip keeps showing the old text.
  void SetCellTipText(int nIndex, LPCTSTR lpszTipText);

  // Geometry. Setters ignore values below 1 and refit the window.
  int GetCols() const { return m_nCols; }
  void SetCols(int nCols);
  int GetCellWidth() const { return m_nCellWidth; }
  void SetCellWidth(int nWidth);
  int GetCellHeight() const { return m_nCellHeight; }
  void SetCellHeight(int nHeight);
  int GetLeftMargin() const { return m_nLeftMargin; }
  void SetLeftMargin(int nMargin);
  int GetTopMargin() const { return m_nTopMargin; }
  void SetTopMargin(int nMargin);
  DWORD GetPLCStyle() const { return m_wStyle; }
  void SetPLCStyle(DWORD dwStyle);
  // A cell's frame in client coordinates; 0 for an index outside the cells.
  int CalcCellFrameRect(int nIndex, RECT& rect) const;
  // The frame less 3 pixels (scaled) on every side: what the content may fill.
  int GetCellRect(int nIndex, RECT& rect) const;
  // Sizes the window to the grid and the tools to their cells.
  void AutoFitWindow();

  int GetCurSel() const { return m_nCurSel; }
  // -1 clears; an index outside the cells is ignored. No message is sent.
  void SetCurSel(int nIndex);

  // Opens the palette with its top-left corner at a screen point; FALSE when it has no window
  // or is open already.
  BOOL DoPopup(const POINT& point);
  // FALSE when it was not open.
  BOOL EndPopup();
  CWnd* GetOwnerWindow() const { return m_pOwner; }
  void SetOwnerWindow(CWnd* pOwner) { m_pOwner = pOwner; }

  // The palette's own look of a cell: a toolbar button face, or a classic one.
  virtual void DrawCell(CDC& dc, int nIndex);
  virtual void DrawSelectedFrame(CDC& dc, int nIndex);
  // A cell index; -1 on no cell inside the window, -2 outside it.
  virtual int HitTest(const POINT& point);
  // Draws a cell: through the owner while popped up, else with DrawCell.
  virtual void DrawFrame(CDC& dc, int nIndex);
  BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
  virtual CPaletteCell* CreateCell(DWORD dwData, DWORD dwExData, LPCTSTR lpszTipText);
  // Chooses the column count from the cell count, refits, and returns the count.
  int AutoBreak();
  // The cells whose frames meet the rectangle, in increasing order; their number.
  int GetUpdateCells(const CRect& rect, CArray<int, int>& cells);
  BOOL CreateDummyWindow(int x, int y);

  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
  afx_msg BOOL OnQueryEndSession();
  afx_msg void OnMove(int x, int y);
  afx_msg void OnDestroy();
  afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnFitStaleTools(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  int m_nCurSel;
  CArray<CPaletteCell*, CPaletteCell*> m_cells;
  int m_nCols;
  int m_nCount;
  int m_nCellWidth;
  int m_nCellHeight;
  int m_nLeftMargin;
  int m_nTopMargin;
  WORD m_wStyle;
  int m_nHotCell;
  POINT m_ptLastMouse;
  BOOL m_bPoppedUp;
  BOOL m_bArmed;
  CWnd* m_pOwner;
  CPaletteDummyWnd* m_pDummyWnd;
  CToolTipCtrl m_wndToolTip;
  // The DPI the cell size, the margins and the cell inset are in.
  UINT m_nDpi;

private:
  // Cell sizes and margins from m_nDpi to nDpi.
  void rescaleTo(UINT nDpi);
  bool isCell(int nIndex) const { return nIndex >= 0 && nIndex < m_nCount; }
  bool hasTips() const { return ::IsWindow(m_wndToolTip.m_hWnd) != FALSE; }
  void notifyOwner(UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0);
  // Takes a size of 1 or more and refits.
  void setDimension(int& nDimension, int nValue);
  // After a change that moved the cells from nFirstMoved on: the columns again with
  // PLCS_AUTOBREAK (a new count of them moves every cell), the window's size, and the moved
  // cells' tools once the message queue is served, or before the tooltip is used: filling a
  // palette cell by cell across new column counts fits each tool once.
  void refit(int nFirstMoved);
  void fitStaleTools();
  void breakColumns();
  // False when there is no window to fit.
  bool fitWindow();
  void fitTools(int nFirst);
  // Gives the tools from nFirst on the tips of the cells now at their places.
  void retitleTools(int nFirst);
  void deleteCells();
  void redrawCells(int nFirst, int nSecond);
  void setHotCell(int nIndex);
  void moveHotCell(UINT nKey);
  // Selects the cell and tells the owner; false when the owner destroyed the palette then, after
  // which nothing of it may be touched.
  bool pickCell(int nIndex);
  // The next step of a click: close when armed, else arm.
  void armOrClose();
  // The toolbar look when visual styles are on; false for the classic look.
  bool openToolbarTheme(CXPTheme& theme);

  // The tools from this index on wait for the frames of their cells (INT_MAX: none).
  int m_nFirstStaleTool;

  friend class CPaletteDummyWnd;
};
