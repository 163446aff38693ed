#include "MenuTestSupport.h"

#include <gtest/gtest.h>

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

void ExpectProbes(const CPixelCanvas& canvas, const std::vector<SProbe>& probes)
{
  for (const SProbe& probe : probes)
    EXPECT_EQ(probe.bIs, canvas.Pixel(probe.x, probe.y) == probe.crColour)
        << "(" << probe.x << ", " << probe.y << ") is " << std::hex << canvas.Pixel(probe.x, probe.y);
}
