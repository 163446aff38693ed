// Shared by the list tests: a canvas whose pixels read back exactly as drawn, a font without
// smoothing (so that text pixels have the text colour), owner-draw structures for one entry,
// real mouse input, and a reader of a tracked bitmap menu.
#pragma once
#include "../afx/AfxTestSupport.h"

#include <ZuntCtrl.h>

#include <string>
#include <utility>
#include <vector>

// A memory context over a 32-bit top-down bitmap.
class CCanvas
{
public:
  CCanvas(int cx, int cy, COLORREF crFill = RGB(1, 2, 3));
  ~CCanvas();
  CCanvas(const CCanvas&) = delete;
  CCanvas& operator=(const CCanvas&) = delete;

  CDC& DC() { return m_dc; }
  COLORREF Pixel(int x, int y) const;
  int Count(const RECT& rect, COLORREF colour) const;
  // The first column from the left of the rectangle with a pixel of another colour, or -1.
  int FirstColumnNot(const RECT& rect, COLORREF colour) const;
  COLORREF Background() const { return m_crFill; }

private:
  CDC m_dc;
  HBITMAP m_hBitmap;
  HGDIOBJ m_hOldBitmap;
  const DWORD* m_pBits;
  int m_cx, m_cy;
  COLORREF m_crFill;
};

COLORREF Sys(int nIndex);
// A small face without smoothing, for the controls and the canvas.
HFONT CrispFont(int nHeight = 13);

// The owner-draw structure of one entry drawn into a rectangle of the canvas.
DRAWITEMSTRUCT DrawStruct(CWnd& control, CCanvas& canvas, int nItemID, const void* pRecord, const RECT& rcItem,
                          UINT nAction, UINT nState);

// A click as the mouse delivers it at a client point of the window: the button's release is
// queued first, since the list view waits for it while it handles the press, and the press is
// sent, so that it is handled when this returns.
void Click(CWnd& wnd, UINT nMessage, CPoint point);

// The items of a menu: "text:id" with "/disabled", "/grayed", "/checked" where set, "-" for a
// separator; the texts of owner-drawn bitmap menu items come from their records.
std::string DescribeBmpMenu(HMENU hMenu);

// A parent that reports a font of its own to its children (WM_GETFONT).
class CListParent : public CTestParent
{
public:
  explicit CListParent(HFONT hFont = nullptr) : m_hFont(hFont) {}
  HFONT m_hFont;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A window that owns tracked menus: the first time a menu goes idle it is described and the
// keys given for it are posted to it; menu commands that arrive are recorded.
template <class TBase>
class CMenuOwner : public TBase
{
public:
  using TBase::TBase;
  // The next menu tracked is described and gets the keys (virtual-key codes, each pressed).
  void ExpectMenu(std::vector<UINT> keys)
  {
    m_keys = std::move(keys);
    m_bMenuSeen = false;
    m_strMenu = "(no menu)";
  }

  std::string m_strMenu = "(no menu)";
  std::vector<UINT> m_commands;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
  {
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU && !m_bMenuSeen)
    {
      m_bMenuSeen = true;
      HWND hMenuWnd = reinterpret_cast<HWND>(lParam);
      m_strMenu = DescribeBmpMenu(reinterpret_cast<HMENU>(::SendMessage(hMenuWnd, MN_GETHMENU, 0, 0)));
      for (UINT nKey : m_keys)
      {
        ::PostMessage(hMenuWnd, WM_KEYDOWN, nKey, 1);
        ::PostMessage(hMenuWnd, WM_KEYUP, nKey, 0xC0000001);
      }
    }
    if (message == WM_COMMAND && lParam == 0)
      m_commands.push_back(LOWORD(wParam));
    return TBase::WindowProc(message, wParam, lParam);
  }

private:
  std::vector<UINT> m_keys;
  bool m_bMenuSeen = true;
};
