// Shared by the option tree tests, here and at 192 DPI: a topmost host window that records the notifications and
// registered messages it gets (as short texts, in order) and answers chosen codes with a veto,
// a tree of two groups inside it, and input sent as the mouse and keyboard deliver it.
#pragma once
#include "../PixelCanvas.h"

#include <ZuntCtrl.h>

#include <cstddef>
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
  // The host deletes the row it is told about on this notification code or registered message.
  int m_nDeleteRowOn = 0;
  CTreeOption* m_pTree = nullptr;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

typedef std::vector<std::string> Log;

// Counts the objects of a class alive, to see that a control deletes every one it owns.
template <class TBase>
class CCounted : public TBase
{
public:
  CCounted() { ++s_nAlive; }
  ~CCounted() override { --s_nAlive; }
  static int s_nAlive;
};
template <class TBase>
int CCounted<TBase>::s_nAlive = 0;

// Fills a deleted object with a pattern and keeps its memory until the process ends, so that a
// use through a stale pointer crashes at once instead of reading what was left behind.
void BuryPoisoned(void* pObject, std::size_t nSize);
template <class TBase>
class CPoisonedOnDelete : public TBase
{
public:
  static void* operator new(std::size_t nSize) { return ::operator new(nSize); }
  static void operator delete(void* pObject, std::size_t nSize) { BuryPoisoned(pObject, nSize); }
};

CTreeOptionItem* NewRow(const char* pszLabel, const char* pszInfo = "");

// Rows in drawing order once everything is expanded, 18 pixels each (at 96 DPI):
//   0 General (group header, option buttons "Reset" and "All")
//  18   Units            36   Grid (children)   54     Spacing    72     Snap
//  90 View (group header)
// 108   Zoom           126   Ruler (check-box row, check 0, its first commit done)
class CTreeOptionFixture
{
public:
  enum
  {
    kWidth = 300,
    kHeight = 300,
    kListHeight = kHeight - 50,
    kRowHeight = 18
  };
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

inline COLORREF Sys(int nIndex) { return ::GetSysColor(nIndex); }
