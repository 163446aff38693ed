// A tree control whose items carry records owned by the control, with index access to the
// top-level items, simple drag feedback and a host-defined bitmap context menu whose entries can
// be disabled, greyed or checked one by one.
#pragma once
#include <afxcmn.h>
#include <afxtempl.h>

#include "BmpMenuContext.h"

#include <unordered_set>

// The record of one tree item.
class AFX_EXT_CLASS CTreeItem
{
public:
  CTreeItem() : m_nValue(0), m_crText(::GetSysColor(COLOR_WINDOWTEXT)) {}
  CTreeItem(const CTreeItem& other) = default;
  CTreeItem& operator=(const CTreeItem& other) = default;
  // Hosts may hand over records of a derived class.
  virtual ~CTreeItem() {}
  CString m_strText;
  int m_nValue;
  COLORREF m_crText;
};

// One entry of the context menu: id 0 is a separator, a negative id is left out.
class AFX_EXT_CLASS CTreeItemMenuContext : public CBmpMenuContext
{
public:
  using CBmpMenuContext::CBmpMenuContext;
};

class AFX_EXT_CLASS CTreeChildList : public CTreeCtrl
{
  DECLARE_DYNAMIC(CTreeChildList)
public:
  CTreeChildList();
  ~CTreeChildList() override;

  // The record becomes the item's data and the control's; the item-data argument is unused.
  HTREEITEM InsertItem(UINT nMask, const char* lpszItem, int nImage, int nSelectedImage, UINT nState, UINT nStateMask,
                       LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter, CTreeItem* pRecord);
  HTREEITEM InsertItem(const char* lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent, HTREEITEM hInsertAfter,
                       CTreeItem* pRecord);
  HTREEITEM InsertItem(const char* lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter, CTreeItem* pRecord);
  // 0 (and nothing deleted) for an item without a record.
  int DeleteItem(HTREEITEM hItem);
  int DeleteItem(int nIndex);
  int DeleteAllItems();
  void GetDeleteAllTreeItems(HTREEITEM hItem);
  int GetItemCount() const { return m_nItemCount; }
  CTreeItem* GetItemRecord(HTREEITEM hItem) const;

  HTREEITEM GetTreeItem(int nIndex) const;
  // The position among the top-level items; their count for any other item.
  int GetListItem(HTREEITEM hItem) const;
  HTREEITEM GetSelectedItem() const { return m_hSelected; }
  void SetSelectedItem(HTREEITEM hItem);
  void ClearSelection(HTREEITEM hKeep, HTREEITEM hFirst = nullptr);
  HTREEITEM GetDropTarget();
  void DragMove() { GetDropTarget(); }

  void AddContextMenu(const CTreeItemMenuContext& entry) { m_arMenu.Add(entry); }
  void SetContextMenuAttrib(int nID, DWORD dwAttrib);
  DWORD GetContextMenuAttrib(int nID) const;
  void ResetContextMenuAttrib();
  int GetContextMenuCount() const { return int(m_arMenu.GetSize()); }
  void SetReceiveContextCmd(CWnd* pWnd) { m_pReceiver = pWnd; }

protected:
  afx_msg void OnDestroy();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  afx_msg void OnRClick(NMHDR* pNMHDR, LRESULT* pResult);
  DECLARE_MESSAGE_MAP()

  void displayContextMenu(CPoint ptScreen);

private:
  void releaseRecord(HTREEITEM hItem);
  void releaseDescendants(HTREEITEM hItem);
  void freeReleasedRecords();

  int m_nItemCount;
  // The records of the items in the tree, so that clearing it asks the tree nothing per item
  // (the platform's tree may look an item up in time growing with the tree).
  std::unordered_set<CTreeItem*> m_setHeld;
  CArray<CTreeItem*, CTreeItem*> m_arReleased;
  CArray<CTreeItemMenuContext, const CTreeItemMenuContext&> m_arMenu;
  CWnd* m_pReceiver;
  HTREEITEM m_hSelected;
};
