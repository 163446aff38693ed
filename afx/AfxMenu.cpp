#include "AfxMenu.h"
#include "AfxHandleOf.h"
#include "AfxGdi.h"
#include "AfxModule.h"
#include "AfxThreadState.h"
#include "AfxWnd.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

CMenu::~CMenu()
{
  DestroyMenu();
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu)
{
  return AfxGetThreadState().m_menuMap.FromHandle(hMenu);
}

CMenu* PASCAL CMenu::FromHandlePermanent(HMENU hMenu)
{
  return AfxGetThreadState().m_menuMap.LookupPermanent(hMenu);
}

void PASCAL CMenu::DeleteTempMap()
{
  AfxGetThreadState().m_menuMap.DeleteTemp();
}

BOOL CMenu::Attach(HMENU hMenu)
{
  return AfxGetThreadState().m_menuMap.Attach(this, hMenu);
}

HMENU CMenu::Detach()
{
  return AfxGetThreadState().m_menuMap.Detach(this);
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
  return Attach(::LoadMenu(AfxFindResourceHandle(lpszResourceName, RT_MENU), lpszResourceName));
}

BOOL CMenu::DestroyMenu()
{
  if (m_hMenu == nullptr)
    return FALSE;
  return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
  return ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
  return ::InsertMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
  return ::ModifyMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenuItem(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos)
{
  return ::InsertMenuItem(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos)
{
  return ::SetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) const
{
  return ::GetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked, const CBitmap* pBmpChecked)
{
  return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags, static_cast<HBITMAP>(ZuntAfx::HandleOf(pBmpUnchecked)),
                              static_cast<HBITMAP>(ZuntAfx::HandleOf(pBmpChecked)));
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
{
  return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const
{
  return ::GetMenuString(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
  int nLength = ::GetMenuString(m_hMenu, nIDItem, nullptr, 0, nFlags);
  rString.Empty();
  if (nLength > 0)
  {
    ::GetMenuString(m_hMenu, nIDItem, rString.GetBufferSetLength(nLength), nLength + 1, nFlags);
    rString.ReleaseBuffer();
  }
  return rString.GetLength();
}

namespace
{
// Remembers the tracked menu for the WM_MEASUREITEM messages sent while it opens.
class CTrackingScope
{
public:
  explicit CTrackingScope(HMENU hMenu) : m_hPrevious(AfxGetThreadState().m_hTrackingMenu)
  {
    AfxGetThreadState().m_hTrackingMenu = hMenu;
  }
  ~CTrackingScope() { AfxGetThreadState().m_hTrackingMenu = m_hPrevious; }
  CTrackingScope(const CTrackingScope&) = delete;
  CTrackingScope& operator=(const CTrackingScope&) = delete;

private:
  HMENU m_hPrevious;
};
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
  CTrackingScope scope(m_hMenu);
  return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, ZuntAfx::HandleOf(pWnd), lpRect);
}

BOOL CMenu::TrackPopupMenuEx(UINT nFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm)
{
  CTrackingScope scope(m_hMenu);
  return ::TrackPopupMenuEx(m_hMenu, nFlags, x, y, ZuntAfx::HandleOf(pWnd), lptpm);
}

HMENU PASCAL CMenu::GetTrackingMenu()
{
  return AfxGetThreadState().m_hTrackingMenu;
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT)
{
}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT)
{
}

CMenu* CMenu::FindPopupMenuFromID(UINT nID)
{
  int nCount = ::GetMenuItemCount(m_hMenu);
  for (int nItem = 0; nItem < nCount; ++nItem)
  {
    // The entry that opens a popup is named by the popup's handle, cut to the item id's width.
    HMENU hSubMenu = ::GetSubMenu(m_hMenu, nItem);
    const UINT nItemID = hSubMenu != nullptr ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(hSubMenu))
                                             : ::GetMenuItemID(m_hMenu, nItem);
    CMenu* pHolder = nItemID == nID ? FromHandlePermanent(m_hMenu) : nullptr;
    if (pHolder != nullptr)
      return pHolder;
    if (hSubMenu != nullptr)
    {
      if (CMenu* pFound = FromHandle(hSubMenu)->FindPopupMenuFromID(nID))
        return pFound;
    }
  }
  return nullptr;
}
