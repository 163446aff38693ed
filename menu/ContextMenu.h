// How the library's controls show their context menus, and what the controls whose entries a
// host defines (CBmpMenuContext) share. Internal to the library.
#pragma once
#include <afxtempl.h>

#include "BmpMenu.h"
#include "BmpMenuContext.h"

// The flat look, for every bitmap menu of the process from now on.
void ZuntUseFlatMenuLook();

// Tracks a context menu of the window with the right button, in the flat look; its command goes
// to the receiver, or to the window itself when there is none. From the keyboard (the point is
// -1, -1) the menu opens over the middle of the window.
void ZuntTrackContextMenu(CMenu& popup, CWnd& wnd, CPoint point, CWnd* pReceiver = nullptr);

// The entries of a control (an array of a class derived from CBmpMenuContext) by command id:
// the first entry with it counts; -1 when there is none.
template <class TArray>
INT_PTR ZuntFindMenuContext(const TArray& arrEntries, int nCommandID)
{
  for (INT_PTR nEntry = 0; nEntry < arrEntries.GetSize(); ++nEntry)
  {
    if (arrEntries[nEntry].m_nCommandID == nCommandID)
      return nEntry;
  }
  return -1;
}

template <class TArray>
void ZuntSetMenuContextAttrib(TArray& arrEntries, int nCommandID, DWORD dwAttrib)
{
  const INT_PTR nEntry = ZuntFindMenuContext(arrEntries, nCommandID);
  if (nEntry >= 0)
    arrEntries[nEntry].m_dwAttrib = dwAttrib & CBmpMenuContext::ATTRIB_ALL;
}

template <class TArray>
DWORD ZuntGetMenuContextAttrib(const TArray& arrEntries, int nCommandID)
{
  const INT_PTR nEntry = ZuntFindMenuContext(arrEntries, nCommandID);
  return nEntry >= 0 ? arrEntries[nEntry].m_dwAttrib : 0;
}

template <class TArray>
void ZuntResetMenuContextAttrib(TArray& arrEntries)
{
  for (INT_PTR nEntry = 0; nEntry < arrEntries.GetSize(); ++nEntry)
    arrEntries[nEntry].m_dwAttrib = 0;
}

// A bitmap menu of the entries in order, tracked as above, then destroyed; nothing without
// entries.
template <class TArray>
void ZuntShowMenuContexts(const TArray& arrEntries, CWnd& wnd, CPoint point, CWnd* pReceiver)
{
  if (arrEntries.IsEmpty())
    return;
  CBmpMenu menu;
  if (!menu.CreatePopupMenu())
    return;
  for (INT_PTR nEntry = 0; nEntry < arrEntries.GetSize(); ++nEntry)
    arrEntries[nEntry].AppendTo(menu);
  ZuntTrackContextMenu(menu, wnd, point, pReceiver);
  menu.DestroyMenu();
}
