// Shared by the list tests: a canvas with a font without smoothing (so that text pixels have the
// text colour) and an ink of its own, owner-draw structures for one entry, real mouse input, and
// a parent that reports a font of its own.
#pragma once
#include "../PixelCanvas.h"
#include "../TrackedMenu.h"
#include "../afx/AfxTestSupport.h"

#include <ZuntCtrl.h>
#include <gtest/gtest.h>

inline COLORREF Sys(int nIndex) { return ::GetSysColor(nIndex); }
// A small face without smoothing, for the controls and the canvas.
HFONT CrispFont(int nHeight = 13);

// The text colour an entry canvas starts with, so that the name's pixels stand apart.
const COLORREF kInk = RGB(90, 0, 120);

// A canvas with the crisp font and the ink selected.
class CEntryCanvas : public CPixelCanvas
{
public:
  CEntryCanvas(int cx, int cy);
  ~CEntryCanvas();

private:
  HFONT m_hFont;
  HGDIOBJ m_hOldFont;
};

// Draws one entry of an owner-drawn control into a rectangle of the canvas.
template <class TControl>
void DrawEntry(TControl& control, CPixelCanvas& canvas, int nItemID, const void* pRecord, const RECT& rcItem,
               UINT nAction, UINT nState)
{
  DRAWITEMSTRUCT draw = {};
  draw.CtlID = static_cast<UINT>(control.GetDlgCtrlID());
  draw.itemID = static_cast<UINT>(nItemID);
  draw.itemAction = nAction;
  draw.itemState = nState;
  draw.hwndItem = control.m_hWnd;
  draw.hDC = canvas.DC().m_hDC;
  draw.rcItem = rcItem;
  draw.itemData = reinterpret_cast<ULONG_PTR>(pRecord);
  control.DrawItem(&draw);
}

// A click as the mouse delivers it at a client point of the window: the button's release is
// queued first, since the list view waits for it while it handles the press, and the press is
// sent, so that it is handled when this returns.
void Click(CWnd& wnd, UINT nMessage, CPoint point);

// A parent that reports a font of its own to its children (WM_GETFONT).
class CListParent : public CTestParent
{
public:
  explicit CListParent(HFONT hFont = nullptr) : m_hFont(hFont) {}
  HFONT m_hFont;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A test with the crisp font, which the parent reports too; windows go with their objects.
class CListTest : public ::testing::Test
{
protected:
  ~CListTest() override { ::DeleteObject(m_hFont); }
  HFONT m_hFont = CrispFont();
  CListParent m_parent{m_hFont};
};
