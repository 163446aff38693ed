// Wrappers of the common controls the library uses: up-down, tooltip, list view and tree view.
#pragma once
#include "AfxControls.h"
#include "AfxImageList.h"

class ZUNTAFX_API CSpinButtonCtrl : public CWnd
{
  DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
  ZAFX_CONTROL_CREATE(UPDOWN_CLASS)
  CWnd* SetBuddy(CWnd* pWndBuddy);
  CWnd* GetBuddy() const { return FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY))); }
  void SetRange(short nLower, short nUpper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower)); }
  void SetRange32(int nLower, int nUpper) { SendMessage(UDM_SETRANGE32, nLower, nUpper); }
  void GetRange32(int& nLower, int& nUpper) const;
  int SetPos(int nPos) { return static_cast<int>(SendMessage(UDM_SETPOS, 0, MAKELPARAM(nPos, 0))); }
  int GetPos() const { return static_cast<int>(SendMessage(UDM_GETPOS)); }
  int SetPos32(int nPos) { return static_cast<int>(SendMessage(UDM_SETPOS32, 0, nPos)); }
  int GetPos32(LPBOOL lpbError = nullptr) const
  {
    return static_cast<int>(SendMessage(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(lpbError)));
  }
  int SetBase(int nBase) { return static_cast<int>(SendMessage(UDM_SETBASE, nBase)); }
  BOOL SetAccel(int nAccel, UDACCEL* pAccel)
  {
    return static_cast<BOOL>(SendMessage(UDM_SETACCEL, nAccel, reinterpret_cast<LPARAM>(pAccel)));
  }
};

class ZUNTAFX_API CToolTipCtrl : public CWnd
{
  DECLARE_DYNAMIC(CToolTipCtrl)
public:
  virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
  // A tool for a rectangle of pWnd (nIDTool) or, with a null rectangle, for pWnd's whole window.
  BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
  void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
  void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
  void RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg)); }
  void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate); }
  void Pop() { SendMessage(TTM_POP); }
  void SetDelayTime(UINT nDelay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, nDelay); }
  void SetDelayTime(DWORD dwDuration, int iTime) { SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELONG(iTime, 0)); }
  int SetMaxTipWidth(int iWidth) { return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, iWidth)); }
  int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }

#ifndef ZUNTAFX_MFC_SURFACE
protected:
  TOOLINFO toolInfo(CWnd* pWnd, UINT_PTR nIDTool) const;
#endif
};

class ZUNTAFX_API CHeaderCtrl : public CWnd
{
  DECLARE_DYNAMIC(CHeaderCtrl)
public:
  ZAFX_CONTROL_CREATE(WC_HEADER)
  int GetItemCount() const { return static_cast<int>(SendMessage(HDM_GETITEMCOUNT)); }
  BOOL GetItemRect(int nIndex, LPRECT lpRect) const
  {
    return static_cast<BOOL>(SendMessage(HDM_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect)));
  }
  BOOL GetItem(int nPos, HDITEM* pHeaderItem) const
  {
    return static_cast<BOOL>(SendMessage(HDM_GETITEM, nPos, reinterpret_cast<LPARAM>(pHeaderItem)));
  }
  BOOL SetItem(int nPos, HDITEM* pHeaderItem)
  {
    return static_cast<BOOL>(SendMessage(HDM_SETITEM, nPos, reinterpret_cast<LPARAM>(pHeaderItem)));
  }
};

class ZUNTAFX_API CListCtrl : public CWnd
{
  DECLARE_DYNAMIC(CListCtrl)
public:
  ZAFX_CONTROL_CREATE(WC_LISTVIEW)
  int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
  int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
  BOOL DeleteColumn(int nCol) { return static_cast<BOOL>(SendMessage(LVM_DELETECOLUMN, nCol)); }
  BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const
  {
    return static_cast<BOOL>(SendMessage(LVM_GETCOLUMN, nCol, reinterpret_cast<LPARAM>(pColumn)));
  }
  BOOL SetColumn(int nCol, const LVCOLUMN* pColumn)
  {
    return static_cast<BOOL>(SendMessage(LVM_SETCOLUMN, nCol, reinterpret_cast<LPARAM>(pColumn)));
  }
  int GetColumnWidth(int nCol) const { return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, nCol)); }
  BOOL SetColumnWidth(int nCol, int cx)
  {
    return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0)));
  }
  // The wrapper of a window made by the control: a temporary of the framework's kind.
  CHeaderCtrl* GetHeaderCtrl() const
  {
    return static_cast<CHeaderCtrl*>(FromHandle(reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER))));
  }
  int InsertItem(const LVITEM* pItem)
  {
    return static_cast<int>(SendMessage(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(pItem)));
  }
  int InsertItem(int nItem, LPCTSTR lpszItem);
  int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
  BOOL DeleteItem(int nItem) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, nItem)); }
  BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
  BOOL GetItem(LVITEM* pItem) const
  {
    return static_cast<BOOL>(SendMessage(LVM_GETITEM, 0, reinterpret_cast<LPARAM>(pItem)));
  }
  BOOL SetItem(const LVITEM* pItem)
  {
    return static_cast<BOOL>(SendMessage(LVM_SETITEM, 0, reinterpret_cast<LPARAM>(pItem)));
  }
  CString GetItemText(int nItem, int nSubItem) const;
  BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
  DWORD_PTR GetItemData(int nItem) const;
  BOOL SetItemData(int nItem, DWORD_PTR dwData);
  UINT GetItemState(int nItem, UINT nMask) const
  {
    return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, nItem, nMask));
  }
  BOOL SetItemState(int nItem, UINT nState, UINT nMask);
  int GetNextItem(int nItem, int nFlags) const
  {
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0)));
  }
  UINT GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
  BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
  BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
  int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
  int SubItemHitTest(LPLVHITTESTINFO pInfo)
  {
    return static_cast<int>(SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(pInfo)));
  }
  BOOL EnsureVisible(int nItem, BOOL bPartialOK)
  {
    return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, nItem, bPartialOK));
  }
  BOOL RedrawItems(int nFirst, int nLast) { return static_cast<BOOL>(SendMessage(LVM_REDRAWITEMS, nFirst, nLast)); }
  BOOL Update(int nItem) { return static_cast<BOOL>(SendMessage(LVM_UPDATE, nItem)); }
  int GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }
  int GetCountPerPage() const { return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE)); }
  DWORD GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
  DWORD SetExtendedStyle(DWORD dwNewStyle)
  {
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle));
  }
  // The previous list, as a handle: image lists have no handle map here. MFC answers CImageList*.
#ifndef ZUNTAFX_MFC_SURFACE
  HIMAGELIST SetImageList(CImageList* pImageList, int nImageListType);
  HIMAGELIST GetImageList(int nImageList) const
  {
    return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, nImageList));
  }
#endif
  BOOL SetBkColor(COLORREF cr) { return static_cast<BOOL>(SendMessage(LVM_SETBKCOLOR, 0, cr)); }
  BOOL SetTextColor(COLORREF cr) { return static_cast<BOOL>(SendMessage(LVM_SETTEXTCOLOR, 0, cr)); }
  BOOL SetTextBkColor(COLORREF cr) { return static_cast<BOOL>(SendMessage(LVM_SETTEXTBKCOLOR, 0, cr)); }
  // LVS_OWNERDRAWFIXED list controls.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class ZUNTAFX_API CTreeCtrl : public CWnd
{
  DECLARE_DYNAMIC(CTreeCtrl)
public:
  ZAFX_CONTROL_CREATE(WC_TREEVIEW)
  HTREEITEM InsertItem(LPTVINSERTSTRUCT lpInsertStruct)
  {
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(lpInsertStruct)));
  }
  HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
  HTREEITEM InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                       HTREEITEM hInsertAfter = TVI_LAST);
  BOOL DeleteItem(HTREEITEM hItem)
  {
    return static_cast<BOOL>(SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(hItem)));
  }
  BOOL DeleteAllItems() { return DeleteItem(TVI_ROOT); }
  UINT GetCount() const { return static_cast<UINT>(SendMessage(TVM_GETCOUNT)); }
  HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const
  {
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
  }
  HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
  HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
  HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
  HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUS); }
  HTREEITEM GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
  HTREEITEM GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
  HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXTVISIBLE); }
  HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
  BOOL SelectItem(HTREEITEM hItem)
  {
    return static_cast<BOOL>(SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hItem)));
  }
  BOOL ItemHasChildren(HTREEITEM hItem) const;
  BOOL GetItem(TVITEM* pItem) const
  {
    return static_cast<BOOL>(SendMessage(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(pItem)));
  }
  BOOL SetItem(TVITEM* pItem)
  {
    return static_cast<BOOL>(SendMessage(TVM_SETITEM, 0, reinterpret_cast<LPARAM>(pItem)));
  }
  CString GetItemText(HTREEITEM hItem) const;
  BOOL SetItemText(HTREEITEM hItem, LPCTSTR lpszItem);
  DWORD_PTR GetItemData(HTREEITEM hItem) const;
  BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
  UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const
  {
    return static_cast<UINT>(SendMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(hItem), nStateMask));
  }
  BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
  BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
  BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
  BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;
  CEdit* GetEditControl() const
  {
    return static_cast<CEdit*>(FromHandle(reinterpret_cast<HWND>(SendMessage(TVM_GETEDITCONTROL))));
  }
  BOOL Expand(HTREEITEM hItem, UINT nCode)
  {
    return static_cast<BOOL>(SendMessage(TVM_EXPAND, nCode, reinterpret_cast<LPARAM>(hItem)));
  }
  BOOL EnsureVisible(HTREEITEM hItem)
  {
    return static_cast<BOOL>(SendMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(hItem)));
  }
  HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr) const;
  // The previous list, as a handle: image lists have no handle map here. MFC answers CImageList*.
#ifndef ZUNTAFX_MFC_SURFACE
  HIMAGELIST SetImageList(CImageList* pImageList, int nImageListType);
  HIMAGELIST GetImageList(int nImageList) const
  {
    return reinterpret_cast<HIMAGELIST>(SendMessage(TVM_GETIMAGELIST, nImageList));
  }
#endif
  int GetItemHeight() const { return static_cast<int>(SendMessage(TVM_GETITEMHEIGHT)); }
  int SetItemHeight(int cyHeight) { return static_cast<int>(SendMessage(TVM_SETITEMHEIGHT, cyHeight)); }
  UINT GetIndent() const { return static_cast<UINT>(SendMessage(TVM_GETINDENT)); }
  void SetIndent(UINT nIndent) { SendMessage(TVM_SETINDENT, nIndent); }
  COLORREF SetBkColor(COLORREF clr) { return static_cast<COLORREF>(SendMessage(TVM_SETBKCOLOR, 0, clr)); }
  BOOL SortChildren(HTREEITEM hItem)
  {
    return static_cast<BOOL>(SendMessage(TVM_SORTCHILDREN, 0, reinterpret_cast<LPARAM>(hItem)));
  }
  BOOL GetCheck(HTREEITEM hItem) const;
  BOOL SetCheck(HTREEITEM hItem, BOOL fCheck = TRUE);
};
