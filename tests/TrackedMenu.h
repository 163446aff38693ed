// Context menus under test: a scope for the bitmap menus' class-wide look, and a window that owns
// tracked menus, describes the first one that goes idle, posts it the keys given and records the
// menu commands it gets.
#pragma once
#include <ZuntCtrl.h>

#include <string>
#include <utility>
#include <vector>

// Clears the bitmap menus' class-wide look for a test (the context menus set it) and puts it back.
class CMenuLook
{
public:
  CMenuLook() : m_nOriginal(CBmpMenu::original_drawmode), m_nXP(CBmpMenu::xp_drawmode)
  {
    CBmpMenu::original_drawmode = 0;
    CBmpMenu::xp_drawmode = 0;
  }
  ~CMenuLook()
  {
    CBmpMenu::original_drawmode = m_nOriginal;
    CBmpMenu::xp_drawmode = m_nXP;
  }
  CMenuLook(const CMenuLook&) = delete;
  CMenuLook& operator=(const CMenuLook&) = delete;

private:
  UINT m_nOriginal, m_nXP;
};

// The items of a menu: "text:id" with "/disabled", "/grayed", "/checked" where set, "-" for a
// separator; the texts of owner-drawn bitmap menu items come from their records.
inline std::string DescribeBmpMenu(HMENU hMenu)
{
  std::string strMenu;
  for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
  {
    if (i > 0)
      strMenu += ' ';
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
    ::GetMenuItemInfoA(hMenu, static_cast<UINT>(i), TRUE, &info);
    if ((info.fType & MFT_SEPARATOR) != 0)
    {
      strMenu += '-';
      continue;
    }
    const CBmpMenuData* pData = reinterpret_cast<const CBmpMenuData*>(info.dwItemData);
    strMenu += ((info.fType & MFT_OWNERDRAW) != 0 && pData != nullptr ? std::string(pData->GetString()) : "?") + ":" +
               std::to_string(info.wID);
    // MF_GRAYED holds the disabled bit too; MF_DISABLED alone is the bit without the grey.
    const UINT nState = ::GetMenuState(hMenu, static_cast<UINT>(i), MF_BYPOSITION);
    if ((nState & MF_GRAYED) == MF_GRAYED)
      strMenu += "/grayed";
    else if ((nState & MF_DISABLED) != 0)
      strMenu += "/disabled";
    if ((nState & MF_CHECKED) != 0)
      strMenu += "/checked";
  }
  return strMenu;
}

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
