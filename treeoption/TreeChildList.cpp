#include "TreeChildList.h"

#include "ContextMenu.h"

#include <algorithm>
#include <vector>

namespace
{
const UINT kItemHitFlags =
    TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT | TVHT_ONITEMSTATEICON;
}

IMPLEMENT_DYNAMIC(CTreeChildList, CTreeCtrl)

BEGIN_MESSAGE_MAP(CTreeChildList, CTreeCtrl)
  ON_WM_DESTROY()
  ON_WM_LBUTTONDOWN()
  ON_WM_RBUTTONDOWN()
  ON_WM_CONTEXTMENU()
  ON_NOTIFY_REFLECT(NM_RCLICK, &CTreeChildList::OnRClick)
END_MESSAGE_MAP()

CTreeChildList::CTreeChildList() : m_nItemCount(0), m_pReceiver(nullptr), m_hSelected(nullptr) {}

CTreeChildList::~CTreeChildList()
{
  // Our WM_DESTROY handler collects the records; the base destructor would be too late for it.
  if (GetSafeHwnd() != nullptr)
    DestroyWindow();
  freeReleasedRecords();
}

// Inserting.

HTREEITEM CTreeChildList::InsertItem(UINT nMask, const char* lpszItem, int nImage, int nSelectedImage, UINT nState,
                                     UINT nStateMask, LPARAM, HTREEITEM hParent, HTREEITEM hInsertAfter,
                                     CTreeItem* pRecord)
{
  TVINSERTSTRUCTA tvis = {};
  tvis.hParent = hParent;
  tvis.hInsertAfter = hInsertAfter;
  // The record is the item's data whatever the mask says, so that it is never lost.
  tvis.item.mask = nMask | TVIF_PARAM;
  tvis.item.pszText = const_cast<char*>(lpszItem);
  tvis.item.iImage = nImage;
  tvis.item.iSelectedImage = nSelectedImage;
  tvis.item.state = nState;
  tvis.item.stateMask = nStateMask;
  tvis.item.lParam = reinterpret_cast<LPARAM>(pRecord);
  HTREEITEM hItem = CTreeCtrl::InsertItem(&tvis);
  if (hItem == nullptr)
  {
    delete pRecord;
    return nullptr;
  }
  ++m_nItemCount;
  if (pRecord != nullptr)
    m_setHeld.insert(pRecord);
  return hItem;
}

HTREEITEM CTreeChildList::InsertItem(const char* lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                     HTREEITEM hInsertAfter, CTreeItem* pRecord)
{
  return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM, lpszItem, nImage, nSelectedImage, 0, 0, 0,
                    hParent, hInsertAfter, pRecord);
}

HTREEITEM CTreeChildList::InsertItem(const char* lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter,
                                     CTreeItem* pRecord)
{
  return InsertItem(TVIF_TEXT | TVIF_PARAM, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter, pRecord);
}

// Deleting: records go to the released list and are freed by DeleteAllItems.

CTreeItem* CTreeChildList::GetItemRecord(HTREEITEM hItem) const
{
  if (hItem == nullptr)
    return nullptr;
  return reinterpret_cast<CTreeItem*>(GetItemData(hItem));
}

void CTreeChildList::releaseRecord(HTREEITEM hItem)
{
  if (CTreeItem* pRecord = GetItemRecord(hItem))
  {
    m_arReleased.Add(pRecord);
    m_setHeld.erase(pRecord);
    --m_nItemCount;
  }
}

void CTreeChildList::releaseDescendants(HTREEITEM hItem)
{
  for (HTREEITEM hChild = GetChildItem(hItem); hChild != nullptr; hChild = GetNextSiblingItem(hChild))
  {
    releaseRecord(hChild);
    releaseDescendants(hChild);
  }
}

int CTreeChildList::DeleteItem(HTREEITEM hItem)
{
  if (GetItemRecord(hItem) == nullptr)
    return 0;
  // The tree deletes the children with the item: their records go with it.
  releaseRecord(hItem);
  releaseDescendants(hItem);
  if (m_hSelected == hItem)
    m_hSelected = nullptr;
  return CTreeCtrl::DeleteItem(hItem);
}

int CTreeChildList::DeleteItem(int nIndex)
{
  HTREEITEM hItem = GetTreeItem(nIndex);
  return hItem != nullptr ? DeleteItem(hItem) : 0;
}

int CTreeChildList::DeleteAllItems()
{
  // Records still in the tree are released too, so that none is lost with its item.
  for (CTreeItem* pRecord : m_setHeld)
    m_arReleased.Add(pRecord);
  m_setHeld.clear();
  const int nResult = CTreeCtrl::DeleteAllItems();
  freeReleasedRecords();
  m_nItemCount = 0;
  m_hSelected = nullptr;
  return nResult;
}

void CTreeChildList::GetDeleteAllTreeItems(HTREEITEM hItem)
{
  for (; hItem != nullptr; hItem = GetNextSiblingItem(hItem))
  {
    if (CTreeItem* pRecord = GetItemRecord(hItem))
      m_arReleased.Add(pRecord);
    GetDeleteAllTreeItems(GetChildItem(hItem));
  }
}

void CTreeChildList::freeReleasedRecords()
{
  // A record may have been collected more than once; it is freed once.
  std::vector<CTreeItem*> records(m_arReleased.GetData(), m_arReleased.GetData() + m_arReleased.GetSize());
  std::sort(records.begin(), records.end());
  records.erase(std::unique(records.begin(), records.end()), records.end());
  for (CTreeItem* pRecord : records)
    delete pRecord;
  m_arReleased.RemoveAll();
}

// Top-level items by index, and selection.

HTREEITEM CTreeChildList::GetTreeItem(int nIndex) const
{
  if (nIndex < 0)
    return nullptr;
  HTREEITEM hItem = GetRootItem();
  for (int i = 0; i < nIndex && hItem != nullptr; ++i)
    hItem = GetNextSiblingItem(hItem);
  return hItem;
}

int CTreeChildList::GetListItem(HTREEITEM hItem) const
{
  int nPosition = 0;
  for (HTREEITEM hTop = GetRootItem(); hTop != nullptr && hTop != hItem; hTop = GetNextSiblingItem(hTop))
    ++nPosition;
  return nPosition;
}

void CTreeChildList::SetSelectedItem(HTREEITEM hItem)
{
  m_hSelected = hItem;
  SelectItem(hItem);
}

void CTreeChildList::ClearSelection(HTREEITEM hKeep, HTREEITEM hFirst)
{
  for (HTREEITEM hItem = hFirst != nullptr ? hFirst : GetRootItem(); hItem != nullptr;
       hItem = GetNextSiblingItem(hItem))
  {
    if (hItem != hKeep)
      SetItemState(hItem, 0, TVIS_SELECTED);
    if (HTREEITEM hChild = GetChildItem(hItem))
      ClearSelection(hKeep, hChild);
  }
}

HTREEITEM CTreeChildList::GetDropTarget()
{
  CPoint point;
  ::GetCursorPos(&point);
  ScreenToClient(&point);
  HTREEITEM hItem = HitTest(point);
  if (hItem != nullptr)
    SendMessage(TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(hItem));
  return hItem;
}

// The context menu.

void CTreeChildList::SetContextMenuAttrib(int nID, DWORD dwAttrib)
{
  ZuntSetMenuContextAttrib(m_arMenu, nID, dwAttrib);
}

DWORD CTreeChildList::GetContextMenuAttrib(int nID) const { return ZuntGetMenuContextAttrib(m_arMenu, nID); }

void CTreeChildList::ResetContextMenuAttrib() { ZuntResetMenuContextAttrib(m_arMenu); }

void CTreeChildList::displayContextMenu(CPoint ptScreen)
{
  ZuntShowMenuContexts(m_arMenu, *this, ptScreen, m_pReceiver);
}

void CTreeChildList::OnRClick(NMHDR*, LRESULT* pResult)
{
  CPoint point;
  ::GetCursorPos(&point);
  displayContextMenu(point);
  *pResult = 1;
}

void CTreeChildList::OnContextMenu(CWnd*, CPoint point) { displayContextMenu(point); }

// Mouse.

void CTreeChildList::OnLButtonDown(UINT nFlags, CPoint point)
{
  UINT nHitFlags = 0;
  HTREEITEM hItem = HitTest(point, &nHitFlags);
  if (hItem != nullptr && (nHitFlags & kItemHitFlags) != 0)
    SetSelectedItem(hItem);
  CTreeCtrl::OnLButtonDown(nFlags, point);
}

void CTreeChildList::OnRButtonDown(UINT, CPoint)
{
  // Swallowed: a right click does not move the selection.
}

void CTreeChildList::OnDestroy()
{
  // DeleteAllItems releases the records of every item still in the tree.
  DeleteAllItems();
  m_arMenu.RemoveAll();
  CTreeCtrl::OnDestroy();
}
