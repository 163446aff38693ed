#include "AfxMenu.h"
#include "AfxHandleOf.h"
#include "AfxGdi.h"
#include "AfxModule.h"
#include "AfxThreadState.h"
#include "AfxWnd.h"

#include <unordered_map>

IMPLEMENT_DYNCREATE(CMenu, CObject)

CMenu::~CMenu() { DestroyMenu(); }

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu) { return AfxGetThreadState().m_menuMap.FromHandle(hMenu); }

CMenu* PASCAL CMenu::FromHandlePermanent(HMENU hMenu) { return AfxGetThreadState().m_menuMap.LookupPermanent(hMenu); }

void PASCAL CMenu::DeleteTempMap() { AfxGetThreadState().m_menuMap.DeleteTemp(); }

BOOL CMenu::Attach(HMENU hMenu) { return AfxGetThreadState().m_menuMap.Attach(this, hMenu); }

HMENU CMenu::Detach() { return AfxGetThreadState().m_menuMap.Detach(this); }

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

HMENU PASCAL CMenu::GetTrackingMenu() { return AfxGetThreadState().m_hTrackingMenu; }

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}

namespace
{
// The id an entry is named by: the entry that opens a popup by the popup's handle, cut to the
// item id's width.
UINT itemIdAt(HMENU hMenu, int nItem)
{
  const HMENU hSubMenu = ::GetSubMenu(hMenu, nItem);
  return hSubMenu != nullptr ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(hSubMenu)) : ::GetMenuItemID(hMenu, nItem);
}

// Where each id of the menu searched last stands, so that measuring every entry of a long menu
// (one message an entry) does not search the whole menu for each. Made again when another menu
// is searched or an id is not found; a place found is checked against the menu first.
class CMenuItemIndex
{
public:
  CMenu* Find(HMENU hRoot, UINT nID)
  {
    if (hRoot != m_hRoot)
      rebuild(hRoot);
    else if (CMenu* pHolder = holderOf(nID))
      return pHolder;
    else
      rebuild(hRoot);
    return holderOf(nID);
  }

private:
  struct SPlace
  {
    HMENU hMenu;
    int nItem;
  };

  CMenu* holderOf(UINT nID) const
  {
    const auto found = m_places.find(nID);
    if (found == m_places.end() || itemIdAt(found->second.hMenu, found->second.nItem) != nID)
      return nullptr;
    return CMenu::FromHandlePermanent(found->second.hMenu);
  }
  void rebuild(HMENU hRoot)
  {
    m_hRoot = hRoot;
    m_places.clear();
    add(hRoot);
  }
  // In the order of a search: an entry, then its popup's entries; the first holder of an id
  // with a menu object wins.
  void add(HMENU hMenu)
  {
    const bool bHolds = CMenu::FromHandlePermanent(hMenu) != nullptr;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int nItem = 0; nItem < nCount; ++nItem)
    {
      if (bHolds)
        m_places.emplace(itemIdAt(hMenu, nItem), SPlace{hMenu, nItem});
      if (const HMENU hSubMenu = ::GetSubMenu(hMenu, nItem))
        add(hSubMenu);
    }
  }

  HMENU m_hRoot = nullptr;
  std::unordered_map<UINT, SPlace> m_places;
};

thread_local CMenuItemIndex t_menuItemIndex;
}

CMenu* CMenu::FindPopupMenuFromID(UINT nID) { return t_menuItemIndex.Find(m_hMenu, nID); }
