#include "ListsTestSupport.h"

#include <commctrl.h>

namespace
{
const bool g_bControls = [] {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  return ::InitCommonControlsEx(&controls) != FALSE;
}();
}

HFONT CrispFont(int nHeight)
{
  return ::CreateFontA(nHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, "Tahoma");
}

CEntryCanvas::CEntryCanvas(int cx, int cy) : CPixelCanvas(cx, cy), m_hFont(CrispFont())
{
  m_hOldFont = ::SelectObject(DC(), m_hFont);
  DC().SetTextColor(kInk);
}

CEntryCanvas::~CEntryCanvas()
{
  ::SelectObject(DC(), m_hOldFont);
  ::DeleteObject(m_hFont);
}

void Click(CWnd& wnd, UINT nMessage, CPoint point)
{
  const bool bRight = nMessage == WM_RBUTTONDOWN || nMessage == WM_RBUTTONDBLCLK;
  const LPARAM lPoint = MAKELPARAM(point.x, point.y);
  wnd.PostMessage(bRight ? WM_RBUTTONUP : WM_LBUTTONUP, 0, lPoint);
  wnd.SendMessage(nMessage, bRight ? MK_RBUTTON : MK_LBUTTON, lPoint);
  PumpMessages(20);
}

LRESULT CListParent::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message == WM_GETFONT)
    return reinterpret_cast<LRESULT>(m_hFont);
  return CTestParent::WindowProc(message, wParam, lParam);
}
