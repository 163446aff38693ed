// Shared by the option tree tests: a topmost host window that records the notifications and
// registered messages it gets (as short texts, in order) and answers chosen codes with a veto,
// a tree of two groups inside it, input sent as the mouse and keyboard deliver it, and pixels
// read from what a window painted.
#pragma once
#include <ZuntCtrl.h>

#include <map>
#include <string>
#include <vector>

// Receives the control's WM_NOTIFY ("-1107 Units", "-1107 null") and the registered messages
// ("ChangedItem Ruler", "ChangedExpand", "PushOptionButton1").
class CTreeHost : public CWnd
{
public:
  CTreeHost();
  ~CTreeHost() override;
  std::vector<std::string> m_log;
  std::map<int, LRESULT> m_answers;
  // Notifications that fire as side effects of the action under test are left out of the log.
  std::vector<int> m_ignored;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Rows in drawing order once everything is expanded, 18 pixels each:
//   0 General (group header, option buttons "Reset" and "All")
//  18   Units            36   Grid (children)   54     Spacing    72     Snap
//  90 View (group header)
// 108   Zoom           126   Ruler (check-box row, check 0)
class CTreeOptionFixture
{
public:
  enum { kWidth = 300, kHeight = 300, kListHeight = kHeight - 50, kRowHeight = 18 };
  CTreeOptionFixture();
  ~CTreeOptionFixture();

  CTreeHost m_host;
  CTreeOption m_tree;
  CTreeOptionItem *m_pGeneral, *m_pUnits, *m_pGrid, *m_pSpacing, *m_pSnap, *m_pView, *m_pZoom;
  CTreeOptionItemCheckBox* m_pRuler;

  CTreeOptionList& List() { return *m_tree.GetListView(); }
  // Paints the list view now (a full repaint) and forgets what was logged so far.
  void Repaint();
  std::vector<std::string> TakeLog();
  // A point in the middle of a row's label or value part, list-view client coordinates.
  static CPoint LabelPoint(int nRow) { return CPoint(60, nRow * kRowHeight + 9); }
  static CPoint ValuePoint(int nRow) { return CPoint(220, nRow * kRowHeight + 9); }
};

// Real input: sent to the window's procedure as the system delivers it.
void Click(CWnd& wnd, CPoint point);
void DoubleClick(CWnd& wnd, CPoint point);
void MouseMove(CWnd& wnd, CPoint point);
void Drag(CWnd& wnd, CPoint from, CPoint to);
void PressKey(CWnd& wnd, UINT nVirtualKey, bool bShift = false);
void PumpMessages();

// A 32-bit memory canvas, so that pixels read back exactly as drawn: an empty one to draw a
// row into, or a copy of what a window shows now.
class CPixelCanvas
{
public:
  CPixelCanvas(int cx, int cy);
  explicit CPixelCanvas(CWnd& wnd);
  ~CPixelCanvas();
  CDC& DC() { return m_dc; }
  COLORREF At(int x, int y) const;
  int Count(const RECT& rect, COLORREF colour) const;

private:
  void create(HDC hCompatible, int cx, int cy);
  CDC m_dc;
  CBitmap m_bitmap;
  CBitmap* m_pOld;
};

inline COLORREF Sys(int nIndex) { return ::GetSysColor(nIndex); }
