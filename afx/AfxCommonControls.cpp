#include "AfxCommonControls.h"
#include "AfxHandleOf.h"

#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy)
{
  return FromHandle(
      reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(ZuntAfx::HandleOf(pWndBuddy)))));
}

void CSpinButtonCtrl::GetRange32(int& nLower, int& nUpper) const
{
  SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&nLower), reinterpret_cast<LPARAM>(&nUpper));
}

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
  // A popup owned by the parent, not a child of it.
  return CWnd::CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASS, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, ZuntAfx::HandleOf(pParentWnd), nullptr);
}

// Tools of this size work with every version of the control.
TOOLINFO CToolTipCtrl::toolInfo(CWnd* pWnd, UINT_PTR nIDTool) const
{
  TOOLINFO info = {};
  info.cbSize = TTTOOLINFO_V1_SIZE;
  info.hwnd = ZuntAfx::HandleOf(pWnd);
  info.uId = nIDTool;
  return info;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
  // No TTF_SUBCLASS: the owner relays the mouse messages (RelayEvent), as framework code does.
  TOOLINFO info = toolInfo(pWnd, nIDTool);
  if (lpRectTool != nullptr)
  {
    info.rect = *lpRectTool;
  }
  else
  {
    info.uFlags = TTF_IDISHWND;
    info.hwnd = ::GetParent(pWnd->m_hWnd) != nullptr ? ::GetParent(pWnd->m_hWnd) : pWnd->m_hWnd;
    info.uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
  }
  info.lpszText = const_cast<LPTSTR>(lpszText);
  return static_cast<BOOL>(SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
  TOOLINFO info = toolInfo(pWnd, nIDTool);
  SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
  TOOLINFO info = toolInfo(pWnd, nIDTool);
  info.lpszText = const_cast<LPTSTR>(lpszText);
  SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
  TOOLINFO info = toolInfo(pWnd, nIDTool);
  info.rect = *lpRect;
  SendMessage(TTM_NEWTOOLRECT, 0, reinterpret_cast<LPARAM>(&info));
}

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
  LVCOLUMN column = {};
  column.mask = LVCF_TEXT | LVCF_FMT;
  column.fmt = nFormat;
  column.pszText = const_cast<LPTSTR>(lpszColumnHeading);
  if (nWidth != -1)
  {
    column.mask |= LVCF_WIDTH;
    column.cx = nWidth;
  }
  if (nSubItem != -1)
  {
    column.mask |= LVCF_SUBITEM;
    column.iSubItem = nSubItem;
  }
  return static_cast<int>(SendMessage(LVM_INSERTCOLUMN, nCol, reinterpret_cast<LPARAM>(&column)));
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
  LVITEM item = {};
  item.mask = LVIF_TEXT;
  item.iItem = nItem;
  item.pszText = const_cast<LPTSTR>(lpszItem);
  return InsertItem(&item);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
  LVITEM item = {};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = nItem;
  item.pszText = const_cast<LPTSTR>(lpszItem);
  item.iImage = nImage;
  return InsertItem(&item);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
  // The control copies at most the buffer's size: grow until the text fits.
  for (int nSize = 256;; nSize *= 2)
  {
    std::vector<char> buffer(static_cast<size_t>(nSize));
    LVITEM item = {};
    item.iSubItem = nSubItem;
    item.pszText = buffer.data();
    item.cchTextMax = nSize;
    int nLength = static_cast<int>(SendMessage(LVM_GETITEMTEXT, nItem, reinterpret_cast<LPARAM>(&item)));
    if (nLength < nSize - 1)
      return CString(buffer.data(), nLength);
  }
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
  LVITEM item = {};
  item.iSubItem = nSubItem;
  item.pszText = const_cast<LPTSTR>(lpszText);
  return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXT, nItem, reinterpret_cast<LPARAM>(&item)));
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
  LVITEM item = {};
  item.mask = LVIF_PARAM;
  item.iItem = nItem;
  GetItem(&item);
  return static_cast<DWORD_PTR>(item.lParam);
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
  LVITEM item = {};
  item.mask = LVIF_PARAM;
  item.iItem = nItem;
  item.lParam = static_cast<LPARAM>(dwData);
  return SetItem(&item);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
  LVITEM item = {};
  item.state = nState;
  item.stateMask = nMask;
  return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, nItem, reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
  lpRect->left = static_cast<LONG>(nCode);
  return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(lpRect)));
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const
{
  ref.top = iSubItem;
  ref.left = nArea;
  return static_cast<BOOL>(SendMessage(LVM_GETSUBITEMRECT, iItem, reinterpret_cast<LPARAM>(static_cast<LPRECT>(ref))));
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
  LVHITTESTINFO info = {};
  info.pt = pt;
  int nItem = static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
  if (pFlags != nullptr)
    *pFlags = info.flags;
  return nItem;
}

HIMAGELIST CListCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
  return reinterpret_cast<HIMAGELIST>(
      SendMessage(LVM_SETIMAGELIST, nImageListType, reinterpret_cast<LPARAM>(ZuntAfx::HandleOf(pImageList))));
}

void CListCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
  if (message != WM_DRAWITEM)
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
  DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  if (pResult != nullptr)
    *pResult = TRUE;
  return TRUE;
}

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
  TVINSERTSTRUCT insert = {};
  insert.hParent = hParent;
  insert.hInsertAfter = hInsertAfter;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<LPTSTR>(lpszItem);
  return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter)
{
  TVINSERTSTRUCT insert = {};
  insert.hParent = hParent;
  insert.hInsertAfter = hInsertAfter;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  insert.item.pszText = const_cast<LPTSTR>(lpszItem);
  insert.item.iImage = nImage;
  insert.item.iSelectedImage = nSelectedImage;
  return InsertItem(&insert);
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const
{
  TVITEM item = {};
  item.mask = TVIF_CHILDREN;
  item.hItem = hItem;
  return GetItem(&item) && item.cChildren != 0;
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
  for (int nSize = 256;; nSize *= 2)
  {
    std::vector<char> buffer(static_cast<size_t>(nSize));
    TVITEM item = {};
    item.mask = TVIF_TEXT;
    item.hItem = hItem;
    item.pszText = buffer.data();
    item.cchTextMax = nSize;
    if (!GetItem(&item))
      return CString();
    int nLength = static_cast<int>(std::strlen(buffer.data()));
    if (nLength < nSize - 1)
      return CString(buffer.data(), nLength);
  }
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem)
{
  TVITEM item = {};
  item.mask = TVIF_TEXT;
  item.hItem = hItem;
  item.pszText = const_cast<LPTSTR>(lpszItem);
  return SetItem(&item);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
  TVITEM item = {};
  item.mask = TVIF_PARAM;
  item.hItem = hItem;
  GetItem(&item);
  return static_cast<DWORD_PTR>(item.lParam);
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
  TVITEM item = {};
  item.mask = TVIF_PARAM;
  item.hItem = hItem;
  item.lParam = static_cast<LPARAM>(dwData);
  return SetItem(&item);
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
{
  TVITEM item = {};
  item.mask = TVIF_STATE;
  item.hItem = hItem;
  item.state = nState;
  item.stateMask = nStateMask;
  return SetItem(&item);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const
{
  TVITEM item = {};
  item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  item.hItem = hItem;
  BOOL bResult = GetItem(&item);
  nImage = item.iImage;
  nSelectedImage = item.iSelectedImage;
  return bResult;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage)
{
  TVITEM item = {};
  item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  item.hItem = hItem;
  item.iImage = nImage;
  item.iSelectedImage = nSelectedImage;
  return SetItem(&item);
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const
{
  // The item goes in through the rectangle's first bytes.
  *reinterpret_cast<HTREEITEM*>(lpRect) = hItem;
  return static_cast<BOOL>(SendMessage(TVM_GETITEMRECT, bTextOnly, reinterpret_cast<LPARAM>(lpRect)));
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
  TVHITTESTINFO info = {};
  info.pt = pt;
  auto hItem = reinterpret_cast<HTREEITEM>(SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
  if (pFlags != nullptr)
    *pFlags = info.flags;
  return hItem;
}

HIMAGELIST CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
  return reinterpret_cast<HIMAGELIST>(
      SendMessage(TVM_SETIMAGELIST, nImageListType, reinterpret_cast<LPARAM>(ZuntAfx::HandleOf(pImageList))));
}

// The state image index: 1 unchecked, 2 checked (TVS_CHECKBOXES).
BOOL CTreeCtrl::GetCheck(HTREEITEM hItem) const { return (GetItemState(hItem, TVIS_STATEIMAGEMASK) >> 12) == 2; }

BOOL CTreeCtrl::SetCheck(HTREEITEM hItem, BOOL fCheck)
{
  return SetItemState(hItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), TVIS_STATEIMAGEMASK);
}
