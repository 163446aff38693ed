#include "ChildList.h"

#include "BmpMenuMemDC.h"
#include "ContextMenu.h"
#include "ListDrawing.h"

#include <unordered_set>

namespace
{
const UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
// How far a cell keeps from its column's edges, in pixels at 96 DPI.
const int kCellLeftMargin = 3;
const int kCellRightMargin = 4;

const char* OnOff(int nVirtualKey) { return (::GetAsyncKeyState(nVirtualKey) & 0x8000) != 0 ? "ON" : "OFF"; }
}

// Kept in step with the record array by the list's own members. A derived class may change the
// array itself: a count that differs makes the set again, and a record the set names is looked
// for in the array before it is refused.
class CChildList::CHeldRecords
{
public:
  std::unordered_set<const CColumnItemData*> m_records;
  // Freed records that items still carry, because the host refused to let them go
  // (LVN_ITEMCHANGING); a record added later at the same address is live again.
  std::unordered_set<const CColumnItemData*> m_stale;
};

IMPLEMENT_DYNAMIC(CChildList, CListCtrl)

BEGIN_MESSAGE_MAP(CChildList, CListCtrl)
  ON_WM_PAINT()
  ON_WM_DRAWITEM()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_RBUTTONDOWN()
  ON_WM_RBUTTONDBLCLK()
  ON_WM_MOUSEMOVE()
  ON_WM_CONTEXTMENU()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CChildList::CChildList()
    : m_bCreateDragging(false), m_pReceiveContextCmd(nullptr), m_nButtonClkStartColumn(1), m_pHeld(new CHeldRecords)
{}

CChildList::~CChildList()
{
  // The window's end tells the host of each item's deletion, with the item's record.
  DestroyWindow();
  removeAllColumnItemData();
}

// --- Columns and rows ----------------------------------------------------------------------

bool CChildList::SetColumnHead(CArray<CColumnHeadData, CColumnHeadData&>& arrHead)
{
  for (INT_PTR nHead = 0; nHead < arrHead.GetSize(); ++nHead)
    m_arrColumnHead.Add(arrHead[nHead]);
  return true;
}

bool CChildList::GetColumnHead(int nIndex, CColumnHeadData& head) const
{
  if (nIndex < 0 || nIndex >= m_arrColumnHead.GetSize())
    return false;
  head = m_arrColumnHead[nIndex];
  return true;
}

bool CChildList::AddColumnItemData(CColumnItemData* pItemData)
{
  if (pItemData == nullptr || pItemData->GetDataStringSize() != m_arrColumnHead.GetSize())
    return false;
  // A record held twice would be deleted twice.
  if (holdsRecord(pItemData))
    return false;
  m_pHeld->m_records.insert(pItemData);
  m_pHeld->m_stale.erase(pItemData);
  m_arrColumnItem.Add(pItemData);
  return true;
}

bool CChildList::holdsRecord(const CColumnItemData* pItemData)
{
  std::unordered_set<const CColumnItemData*>& records = m_pHeld->m_records;
  if (INT_PTR(records.size()) != m_arrColumnItem.GetSize())
  {
    records.clear();
    records.insert(m_arrColumnItem.GetData(), m_arrColumnItem.GetData() + m_arrColumnItem.GetSize());
  }
  if (records.count(pItemData) == 0)
    return false;
  for (INT_PTR nRecord = 0; nRecord < m_arrColumnItem.GetSize(); ++nRecord)
  {
    if (m_arrColumnItem[nRecord] == pItemData)
      return true;
  }
  records.erase(pItemData);
  return false;
}

DWORD CChildList::getColumnDataWidthRateCount()
{
  DWORD dwTotal = 0;
  for (INT_PTR nHead = 0; nHead < m_arrColumnHead.GetSize(); ++nHead)
    dwTotal += m_arrColumnHead[nHead].GetWidthRate();
  return dwTotal;
}

void CChildList::InitList()
{
  const DWORD dwTotal = getColumnDataWidthRateCount();
  if (m_arrColumnHead.IsEmpty() || dwTotal == 0)
    return;
  CRect rcClient;
  GetClientRect(&rcClient);
  for (int nHead = 0; nHead < m_arrColumnHead.GetSize(); ++nHead)
  {
    const CColumnHeadData& head = m_arrColumnHead[nHead];
    const int nWidth = static_cast<int>(static_cast<long long>(head.GetWidthRate()) * rcClient.Width() / dwTotal);
    InsertColumn(nHead, head.GetColumnName(), LVCFMT_LEFT, nWidth, -1);
  }
  for (int nRecord = 0; nRecord < m_arrColumnItem.GetSize(); ++nRecord)
  {
    if (m_arrColumnItem[nRecord] != nullptr)
      m_arrColumnItem[nRecord]->InsertItemData(nRecord, this);
  }
}

void CChildList::InsertColumnItemData()
{
  for (int nRecord = 0; nRecord < m_arrColumnItem.GetSize(); ++nRecord)
    m_arrColumnItem[nRecord]->InsertItemData(nRecord, this);
}

void CChildList::UpdateColumnItemData()
{
  for (int nRecord = 0; nRecord < m_arrColumnItem.GetSize(); ++nRecord)
  {
    if (GetItemCount() > nRecord)
      m_arrColumnItem[nRecord]->UpdateItemData(nRecord, this);
    else
      m_arrColumnItem[nRecord]->InsertItemData(nRecord, this);
  }
}

void CChildList::removeAllColumnItemData()
{
  for (INT_PTR nRecord = 0; nRecord < m_arrColumnItem.GetSize(); ++nRecord)
    delete m_arrColumnItem[nRecord];
  m_arrColumnItem.RemoveAll();
  m_pHeld->m_records.clear();
}

void CChildList::RemoveAllColumnItemData(bool bDeleteItems)
{
  // The items let go of their records first: the host's item notifications carry live ones.
  if (m_hWnd != nullptr)
  {
    SetItemState(-1, 0, LVIS_SELECTED);
    if (bDeleteItems)
      DeleteAllItems();
    releaseItemRecords();
  }
  removeAllColumnItemData();
}

void CChildList::releaseItemRecords()
{
  for (int nItem = 0; nItem < GetItemCount(); ++nItem)
  {
    const auto* pKept = reinterpret_cast<const CColumnItemData*>(GetItemData(nItem));
    // A host that refuses the change (LVN_ITEMCHANGING) keeps the item on a record about to go.
    if (!SetItemData(nItem, 0) && holdsRecord(pKept))
      m_pHeld->m_stale.insert(pKept);
  }
}

CColumnItemData* CChildList::GetColumnItemData(int nIndex)
{
  return nIndex >= 0 && nIndex < m_arrColumnItem.GetSize() ? m_arrColumnItem[nIndex] : nullptr;
}

// --- Selection and focus -------------------------------------------------------------------

CColumnItemData* CChildList::recordOfItem(int nItem) const
{
  auto* pItemData = nItem >= 0 ? reinterpret_cast<CColumnItemData*>(GetItemData(nItem)) : nullptr;
  return m_pHeld->m_stale.count(pItemData) == 0 ? pItemData : nullptr;
}

void CChildList::GetSelectItem(CArray<CColumnItemData*, CColumnItemData*>& arrItem)
{
  for (int nItem = GetNextItem(-1, LVNI_SELECTED); nItem >= 0; nItem = GetNextItem(nItem, LVNI_SELECTED))
  {
    CColumnItemData* pItemData = recordOfItem(nItem);
    if (pItemData == nullptr)
      return;
    arrItem.Add(pItemData);
  }
}

void CChildList::GetAllItem(CArray<CColumnItemData*, CColumnItemData*>& arrItem)
{
  for (int nItem = 0; nItem < GetItemCount(); ++nItem)
  {
    CColumnItemData* pItemData = recordOfItem(nItem);
    if (pItemData == nullptr)
      return;
    arrItem.Add(pItemData);
  }
}

CColumnItemData* CChildList::GetFocusItem() { return recordOfItem(GetNextItem(-1, LVNI_FOCUSED)); }

int CChildList::GetIndexItem(CColumnItemData* pItemData)
{
  if (pItemData == nullptr)
    return -1;
  for (int nItem = 0; nItem < GetItemCount(); ++nItem)
  {
    if (recordOfItem(nItem) == pItemData)
      return nItem;
  }
  return -1;
}

namespace
{
void AppendHostObjects(const CArray<CColumnItemData*, CColumnItemData*>& arrItem, CArray<void*, void*>& arrData)
{
  for (INT_PTR nItem = 0; nItem < arrItem.GetSize(); ++nItem)
  {
    if (arrItem[nItem]->GetData() != nullptr)
      arrData.Add(arrItem[nItem]->GetData());
  }
}
}

void CChildList::GetSelectItemEx(CArray<void*, void*>& arrData)
{
  CArray<CColumnItemData*, CColumnItemData*> arrItem;
  GetSelectItem(arrItem);
  AppendHostObjects(arrItem, arrData);
}

void CChildList::GetAllItemEx(CArray<void*, void*>& arrData)
{
  CArray<CColumnItemData*, CColumnItemData*> arrItem;
  GetAllItem(arrItem);
  AppendHostObjects(arrItem, arrData);
}

void* CChildList::GetFocusItemEx()
{
  const CColumnItemData* pItemData = GetFocusItem();
  return pItemData != nullptr ? pItemData->GetData() : nullptr;
}

int CChildList::itemOfData(void* pData) const
{
  if (pData == nullptr)
    return -1;
  for (int nItem = 0; nItem < GetItemCount(); ++nItem)
  {
    const CColumnItemData* pItemData = recordOfItem(nItem);
    if (pItemData != nullptr && pItemData->GetData() == pData)
      return nItem;
  }
  return -1;
}

int CChildList::GetIndexItemEx(void* pData) { return itemOfData(pData); }

void CChildList::SetFocusItemEx(void* pData)
{
  const int nItem = itemOfData(pData);
  if (nItem >= 0)
    SetItemState(nItem, LVIS_FOCUSED, LVIS_FOCUSED);
}

void CChildList::SetSelectItemEx(CArray<void*, void*>& arrData)
{
  for (int nItem = 0; nItem < GetItemCount(); ++nItem)
  {
    const CColumnItemData* pItemData = recordOfItem(nItem);
    if (pItemData == nullptr || pItemData->GetData() == nullptr)
      continue;
    for (INT_PTR nData = 0; nData < arrData.GetSize(); ++nData)
    {
      if (arrData[nData] == pItemData->GetData())
      {
        SetItemState(nItem, LVIS_SELECTED, LVIS_SELECTED);
        break;
      }
    }
  }
}

bool CChildList::isSelectItem(int nRow) { return (GetItemState(nRow, LVIS_SELECTED) & LVIS_SELECTED) != 0; }

// --- Context menu --------------------------------------------------------------------------

void CChildList::AddContextMenu(const CListMenuContext& context)
{
  CListMenuContext entry(context);
  m_arrContextMenu.Add(entry);
}

void CChildList::SetContextMenuAttrib(int nCommandID, DWORD dwAttrib)
{
  ZuntSetMenuContextAttrib(m_arrContextMenu, nCommandID, dwAttrib);
}

DWORD CChildList::GetContextMenuAttrib(int nCommandID)
{
  return ZuntGetMenuContextAttrib(m_arrContextMenu, nCommandID);
}

void CChildList::ResetContextMenuAttrib() { ZuntResetMenuContextAttrib(m_arrContextMenu); }

void CChildList::OnContextMenu(CWnd*, CPoint point) { displayContextMenu(point); }

void CChildList::displayContextMenu(const CPoint& point)
{
  ZuntShowMenuContexts(m_arrContextMenu, *this, point, m_pReceiveContextCmd);
}

// --- Column heads --------------------------------------------------------------------------

void CChildList::ClickListHead(NMLISTVIEW* pNMListView, LRESULT* pResult)
{
  if (pNMListView == nullptr || pResult == nullptr)
    return;
  *pResult = 0;
  CColumnHeadData head;
  if (!GetColumnHead(pNMListView->iSubItem, head))
    return;
  CString strText;
  strText.Format("%s shift-%s ctrl-%s", static_cast<LPCTSTR>(head.GetColumnName()), OnOff(VK_SHIFT), OnOff(VK_CONTROL));
  AfxMessageBox(strText, MB_OK);
}

// --- Mouse ---------------------------------------------------------------------------------

CRect CChildList::getColumnRect(int nRow, int nColumn) { return ZuntListColumnRect(*this, nRow, nColumn); }

int CChildList::buttonClk(int nRow, CPoint point, bool bLeft, bool bDouble)
{
  CColumnItemData* pItemData = GetColumnItemData(nRow);
  if (pItemData == nullptr)
    return 0;
  const CDpiScale dpi = CDpiScale::OfWindow(this);
  for (int nColumn = m_nButtonClkStartColumn; nColumn < pItemData->GetDataStringSize(); ++nColumn)
  {
    CRect rcColumn = getColumnRect(nRow, nColumn);
    // The cell keeps clear of the column's edges, where the header's dividers are.
    const CRect rcCell(rcColumn.left + dpi.Scale(kCellLeftMargin), rcColumn.top,
                       rcColumn.left + GetColumnWidth(nColumn) - dpi.Scale(kCellRightMargin), rcColumn.bottom);
    if (!rcCell.PtInRect(point))
      continue;
    if (bLeft && !bDouble)
    {
      CRect rcWindow;
      GetWindowRect(&rcWindow);
      rcColumn.OffsetRect(rcWindow.TopLeft());
      return OnClkLButton(pItemData, nColumn, &rcColumn);
    }
    if (bLeft)
      return OnDblClkLButton(pItemData, nColumn);
    return bDouble ? OnDblClkRButton(pItemData, nColumn) : OnClkRButton(pItemData, nColumn);
  }
  return 0;
}

void CChildList::singleClick(CPoint point, bool bLeft)
{
  SetFocus();
  const int nRow = HitTest(point);
  if (nRow < 0)
    return;
  if (isSelectItem(nRow) && buttonClk(nRow, point, bLeft, false) != 0)
    return;
  Default();
}

void CChildList::doubleClick(CPoint point, bool bLeft)
{
  const int nRow = HitTest(point);
  if (nRow >= 0 && buttonClk(nRow, point, bLeft, true) != 0)
    return;
  if (nRow >= 0)
    Default();
  SetFocus();
}

void CChildList::OnLButtonDown(UINT, CPoint point) { singleClick(point, true); }

void CChildList::OnRButtonDown(UINT, CPoint point) { singleClick(point, false); }

void CChildList::OnLButtonDblClk(UINT, CPoint point) { doubleClick(point, true); }

void CChildList::OnRButtonDblClk(UINT, CPoint point) { doubleClick(point, false); }

int CChildList::OnClkLButton(CColumnItemData*, int, CRect*) { return 0; }

int CChildList::OnDblClkLButton(CColumnItemData*, int) { return 0; }

int CChildList::OnClkRButton(CColumnItemData*, int) { return 0; }

int CChildList::OnDblClkRButton(CColumnItemData*, int) { return 0; }

// --- Painting ------------------------------------------------------------------------------

void CChildList::DrawColor(CDC* pDC, const CRect& rect, COLORREF crOutline, COLORREF crFill)
{
  ZuntDrawSwatch(pDC, rect, crOutline, crFill);
}

void CChildList::drawTexts(CDC* pDC, const CColumnItemData& item, int nRow)
{
  for (int nColumn = 0; nColumn < item.GetDataStringSize(); ++nColumn)
  {
    CString strText;
    item.GetDataString(nColumn, strText);
    ZuntDrawCellText(pDC, strText, ZuntListTextRect(*this, nRow, nColumn), kTextFormat);
  }
}

void CChildList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
  CDC* pDC = ZuntBeginEntry(*lpDrawItemStruct, GetFocus() == this && (lpDrawItemStruct->itemState & ODS_FOCUS) != 0);
  if (pDC == nullptr)
    return;
  const CRect rcItem = lpDrawItemStruct->rcItem;
  const int nRow = static_cast<int>(lpDrawItemStruct->itemID);
  const CColumnItemData* pItemData = reinterpret_cast<CColumnItemData*>(lpDrawItemStruct->itemData);
  if (m_pHeld->m_stale.count(pItemData) != 0)
    return;
  const UINT nAction = lpDrawItemStruct->itemAction;
  if ((nAction & ODA_DRAWENTIRE) != 0)
    drawTexts(pDC, *pItemData, nRow);
  if ((nAction & (ODA_DRAWENTIRE | ODA_SELECT)) != 0)
  {
    if (!isSelectItem(nRow))
    {
      pDC->FillSolidRect(&rcItem, ::GetSysColor(COLOR_WINDOW));
      drawTexts(pDC, *pItemData, nRow);
    }
    else if (m_bCreateDragging)
    {
      // A drag image shows the row's first text only.
      CString strFirst;
      pItemData->GetDataString(0, strFirst);
      pDC->TextOut(0, 0, strFirst);
      return;
    }
    else
    {
      CTextColorScope colors(pDC, ::GetSysColor(COLOR_HIGHLIGHTTEXT), ::GetSysColor(COLOR_HIGHLIGHT));
      pDC->FillSolidRect(&rcItem, ::GetSysColor(COLOR_HIGHLIGHT));
      drawTexts(pDC, *pItemData, nRow);
    }
  }
  ZuntEndEntry(*this, pDC, *lpDrawItemStruct);
}

void CChildList::OnPaint()
{
  CPaintDC dc(this);
  CRect rcArea;
  GetClientRect(&rcArea);
  CHeaderCtrl* pHeader = GetHeaderCtrl();
  if (pHeader != nullptr && pHeader->IsWindowVisible())
  {
    CRect rcHeader;
    pHeader->GetWindowRect(&rcHeader);
    ScreenToClient(&rcHeader);
    rcArea.top = rcHeader.bottom;
  }
  if (rcArea.IsRectEmpty())
    return;
  CBmpMenuMemDC memDC(&dc, &rcArea);
  if (!dc.IsPrinting())
  {
    memDC.SetMapMode(dc.GetMapMode());
    SIZE extent;
    ::GetWindowExtEx(dc, &extent);
    ::SetWindowExtEx(memDC, extent.cx, extent.cy, nullptr);
    ::GetViewportExtEx(dc, &extent);
    ::SetViewportExtEx(memDC, extent.cx, extent.cy, nullptr);
    memDC.FillSolidRect(&rcArea, dc.GetBkColor());
  }
  DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.m_hDC), 0);
}

BOOL CChildList::OnEraseBkgnd(CDC*) { return TRUE; }
