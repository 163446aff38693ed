#include "MenuTestSupport.h"

#include <commctrl.h>

namespace
{
class CMenuTestApp : public CWinApp
{
public:
  CMenuTestApp() : CWinApp("ZuntMenuTest")
  {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
  }
};

CMenuTestApp theApp;
}

CMenuTestCanvas::CMenuTestCanvas(int cx, int cy) : m_pOldBitmap(nullptr), m_cx(cx), m_cy(cy)
{
  CDC screen;
  screen.Attach(::GetDC(nullptr));
  m_dc.CreateCompatibleDC(&screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = cx;
  info.bmiHeader.biHeight = -cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* pBits = nullptr;
  m_bitmap.Attach(::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pBits, nullptr, 0));
  ::ReleaseDC(nullptr, screen.Detach());
  m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
  Fill(RGB(1, 2, 3));
}

CMenuTestCanvas::~CMenuTestCanvas()
{
  m_dc.SelectObject(m_pOldBitmap);
}

void CMenuTestCanvas::Fill(COLORREF colour)
{
  m_dc.FillSolidRect(0, 0, m_cx, m_cy, colour);
}

COLORREF CMenuTestCanvas::Pixel(int x, int y) const
{
  ::GdiFlush();
  return m_dc.GetPixel(x, y);
}

void CMenuTestCanvas::forEach(const RECT& rect, const std::function<void(int, int, COLORREF)>& visit) const
{
  ::GdiFlush();
  for (int y = rect.top; y < rect.bottom; ++y)
  {
    for (int x = rect.left; x < rect.right; ++x)
      visit(x, y, m_dc.GetPixel(x, y));
  }
}

int CMenuTestCanvas::CountColour(const RECT& rect, COLORREF colour) const
{
  int nCount = 0;
  forEach(rect, [&](int, int, COLORREF pixel) { nCount += pixel == colour ? 1 : 0; });
  return nCount;
}

int CMenuTestCanvas::LeftmostOf(const RECT& rect, COLORREF colour) const
{
  int nLeft = -1;
  forEach(rect, [&](int x, int, COLORREF pixel) {
    if (pixel == colour && (nLeft < 0 || x < nLeft))
      nLeft = x;
  });
  return nLeft;
}

int CMenuTestCanvas::RightmostOf(const RECT& rect, COLORREF colour) const
{
  int nRight = -1;
  forEach(rect, [&](int x, int, COLORREF pixel) {
    if (pixel == colour && x > nRight)
      nRight = x;
  });
  return nRight;
}

CMenuLookScope::CMenuLookScope(bool bFlat)
  : m_originalMode(CBmpMenu::original_drawmode), m_xpMode(CBmpMenu::xp_drawmode),
    m_originalSelect(CBmpMenu::original_select_disabled), m_xpSelect(CBmpMenu::xp_select_disabled),
    m_b3D(CBmpMenu::xp_draw_3D_bitmaps)
{
  CBmpMenu::SetMenuDrawMode(bFlat ? 1 : 0);
}

CMenuLookScope::~CMenuLookScope()
{
  CBmpMenu::original_drawmode = m_originalMode;
  CBmpMenu::xp_drawmode = m_xpMode;
  CBmpMenu::original_select_disabled = m_originalSelect;
  CBmpMenu::xp_select_disabled = m_xpSelect;
  CBmpMenu::xp_draw_3D_bitmaps = m_b3D;
}

CBmpMenuData* ItemData(CMenu& menu, int nPosition)
{
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA;
  ::GetMenuItemInfoA(menu.m_hMenu, static_cast<UINT>(nPosition), TRUE, &info);
  return reinterpret_cast<CBmpMenuData*>(info.dwItemData);
}

void DrawMenuItem(CBmpMenu& menu, int nPosition, CDC& dc, const RECT& rect, UINT nState)
{
  DRAWITEMSTRUCT dis = {};
  dis.CtlType = ODT_MENU;
  dis.itemID = menu.GetMenuItemID(nPosition);
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState = nState;
  dis.hwndItem = reinterpret_cast<HWND>(menu.m_hMenu);
  dis.hDC = dc.m_hDC;
  dis.rcItem = rect;
  dis.itemData = reinterpret_cast<ULONG_PTR>(ItemData(menu, nPosition));
  menu.DrawItem(&dis);
}

SIZE MeasureMenuItem(CBmpMenu& menu, int nPosition)
{
  MEASUREITEMSTRUCT mis = {};
  mis.CtlType = ODT_MENU;
  mis.itemID = menu.GetMenuItemID(nPosition);
  mis.itemData = reinterpret_cast<ULONG_PTR>(ItemData(menu, nPosition));
  menu.MeasureItem(&mis);
  return SIZE{static_cast<LONG>(mis.itemWidth), static_cast<LONG>(mis.itemHeight)};
}
