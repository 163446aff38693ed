// A report-style, owner-drawn list view whose rows are string records (one text per column)
// that the control owns, each carrying a pointer to a host object. Columns take shares of the
// control's width. Clicks on the cells of a selected row go to virtual hooks (where a derived
// class starts in-place editing), the right button opens a bitmap menu of host-defined
// entries, and painting goes through one off-screen bitmap.
//
// Order of use: create with LVS_REPORT | LVS_OWNERDRAWFIXED, SetColumnHead, AddColumnItemData
// for each row, InitList once. To refresh in place: RemoveAllColumnItemData(false),
// AddColumnItemData again, UpdateColumnItemData.
#pragma once
#include <afxcmn.h>
#include <afxtempl.h>

#include "ColumnHeadData.h"
#include "ColumnItemData.h"
#include "ListMenuContext.h"

#include <memory>

class AFX_EXT_CLASS CChildList : public CListCtrl
{
  DECLARE_DYNAMIC(CChildList)
public:
  CChildList();
  ~CChildList() override;

  // Columns and rows.
  bool SetColumnHead(CArray<CColumnHeadData, CColumnHeadData&>& arrHead);
  bool GetColumnHead(int nIndex, CColumnHeadData& head) const;
  void RemoveAllColumnHeadData() { m_arrColumnHead.RemoveAll(); }
  // Takes the record; refuses a null one, one it holds already and one whose text count is not
  // the column count.
  bool AddColumnItemData(CColumnItemData* pItemData);
  void InitList();
  void InsertColumnItemData();
  void UpdateColumnItemData();
  // Deletes every record; true also deletes the list items, false keeps them without records.
  void RemoveAllColumnItemData(bool bDeleteItems);
  CColumnItemData* GetColumnItemData(int nIndex);

  // Selection and focus by record. The array forms append, and stop at an item without record.
  void GetSelectItem(CArray<CColumnItemData*, CColumnItemData*>& arrItem);
  void GetAllItem(CArray<CColumnItemData*, CColumnItemData*>& arrItem);
  CColumnItemData* GetFocusItem();
  int GetIndexItem(CColumnItemData* pItemData);

  // The same by host object; records without one are left out.
  void GetSelectItemEx(CArray<void*, void*>& arrData);
  void GetAllItemEx(CArray<void*, void*>& arrData);
  void* GetFocusItemEx();
  int GetIndexItemEx(void* pData);
  void SetFocusItemEx(void* pData);
  // Selects the items of the given host objects; the others keep their state.
  void SetSelectItemEx(CArray<void*, void*>& arrData);

  // The context menu.
  void AddContextMenu(const CListMenuContext& context);
  void RemoveAllContextMenu() { m_arrContextMenu.RemoveAll(); }
  void SetContextMenuAttrib(int nCommandID, DWORD dwAttrib);
  DWORD GetContextMenuAttrib(int nCommandID);
  void ResetContextMenuAttrib();
  // The window that receives the menu's commands; null sends them to the list itself.
  void SetReceiveContextCmd(CWnd* pWnd) { m_pReceiveContextCmd = pWnd; }

  void SetCreateDragging(bool bCreateDragging) { m_bCreateDragging = bCreateDragging; }
  void SetButtonClkStartColumn(int nColumn) { m_nButtonClkStartColumn = nColumn; }

  // For the host's column-click handler: names the column and the Shift and Ctrl keys.
  void ClickListHead(NMLISTVIEW* pNMListView, LRESULT* pResult);
  void DrawColor(CDC* pDC, const CRect& rect, COLORREF crOutline, COLORREF crFill);
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

  // Cell hooks: the row's record and the column (and, for a single left click, the column's
  // rectangle in screen coordinates). Non-zero means handled: the list view then does not see
  // the click.
  virtual int OnClkLButton(CColumnItemData* pItemData, int nColumn, CRect* pRect);
  virtual int OnDblClkLButton(CColumnItemData* pItemData, int nColumn);
  virtual int OnClkRButton(CColumnItemData* pItemData, int nColumn);
  virtual int OnDblClkRButton(CColumnItemData* pItemData, int nColumn);

protected:
  // Offers a click at a client point on a row to the hook of its cell; the hook's answer, or 0.
  int buttonClk(int nRow, CPoint point, bool bLeft, bool bDouble);
  CRect getColumnRect(int nRow, int nColumn);
  DWORD getColumnDataWidthRateCount();
  bool isSelectItem(int nRow);
  void removeAllColumnItemData();
  void displayContextMenu(const CPoint& point);

  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  DECLARE_MESSAGE_MAP()

  CArray<CColumnHeadData, CColumnHeadData&> m_arrColumnHead;
  CArray<CColumnItemData*, CColumnItemData*> m_arrColumnItem;
  bool m_bCreateDragging;
  CArray<CListMenuContext, CListMenuContext&> m_arrContextMenu;
  CWnd* m_pReceiveContextCmd;
  int m_nButtonClkStartColumn;

private:
  CColumnItemData* recordOfItem(int nItem) const;
  // The first item whose record carries the host object, or -1.
  int itemOfData(void* pData) const;
  // Single clicks on a selected row go to the hooks first.
  void singleClick(CPoint point, bool bLeft);
  void doubleClick(CPoint point, bool bLeft);
  void drawTexts(CDC* pDC, const CColumnItemData& item, int nRow);
  bool holdsRecord(const CColumnItemData* pItemData);
  // The items that stay until new records are given to them reach no freed one.
  void releaseItemRecords();

  // The records held, so that refusing one held already does not look at every record, and the
  // freed ones that items still carry.
  class CHeldRecords;
  std::unique_ptr<CHeldRecords> m_pHeld;
};
