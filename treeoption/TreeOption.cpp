#include "TreeOption.h"

#include <algorithm>
#include <map>

namespace
{
const long kDefaultColumn = 150;
const long kMinColumn = 16;
const int kInfoHeight = 50;
const int kNoInfoMargin = 5;
const long kDividerReach = 5;
const UINT kInfoID = 0xFFFF;
const UINT kListID = 30000;
// The menu-font fields as the system had them before the padded border width was added.
const UINT kNonClientMetricsSize = 340;

int CALLBACK findTahoma(const LOGFONTA* pLogFont, const TEXTMETRICA*, DWORD, LPARAM lParam)
{
  if (::lstrcmpiA(pLogFont->lfFaceName, "Tahoma") != 0)
    return 1;
  *reinterpret_cast<bool*>(lParam) = true;
  return 0;
}

bool screenHasTahoma(HDC hDC)
{
  bool bFound = false;
  ::EnumFontFamiliesA(hDC, nullptr, findTahoma, reinterpret_cast<LPARAM>(&bFound));
  return bFound;
}

}  // namespace

struct CTreeOption::CFontPair
{
  CFont normal;
  CFont bold;
};

std::map<UINT, CTreeOption::CFontPair>* CTreeOption::m_pFontsByDpi = nullptr;
UINT CTreeOption::m_uInstanceCount = 0;
CRect CTreeOption::m_rcLargestLabel;
CTreeOptionItem* CTreeOption::m_otiFound = nullptr;

IMPLEMENT_DYNAMIC(CTreeOption, CWnd)

BEGIN_MESSAGE_MAP(CTreeOption, CWnd)
  ON_WM_CREATE()
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_SIZE()
  ON_WM_SIZING()
  ON_WM_ENABLE()
  ON_WM_SETFOCUS()
  ON_WM_SYSCOLORCHANGE()
  ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &CTreeOption::OnDpiChangedAfterParent)
END_MESSAGE_MAP()

CTreeOption::CTreeOption()
    : m_dwOptions(0), m_otiVisibleList(nullptr), m_otiVisibleTail(nullptr), m_bLayoutDirty(true), m_lShownHeight(0),
      m_nDeleting(0), m_uLabelPaint(0), m_bFreshRows(false), m_rowsToRedraw(CTreeOptionRowSet::toRedraw),
      m_rowsToDeselect(CTreeOptionRowSet::toDeselect), m_rowsHovered(CTreeOptionRowSet::hovered), m_otiFocus(nullptr),
      m_ptOrigin(CDpiScale::OfSystem().Scale(kDefaultColumn), 0), m_bDisableInput(FALSE), m_uLastID(0),
      m_pNotify(nullptr), m_bUseLabel(true), m_bUseInfo(true), m_bDrawColumFrame(true), m_dpi(CDpiScale::OfSystem())
{
  if (m_uInstanceCount == 0)
    InitGlobalResources();
  ++m_uInstanceCount;
}

CTreeOption::~CTreeOption()
{
  DeleteAllItems();
  if (--m_uInstanceCount == 0)
  {
    delete m_pFontsByDpi;
    m_pFontsByDpi = nullptr;
  }
}

void CTreeOption::InitGlobalResources()
{
  delete m_pFontsByDpi;
  m_pFontsByDpi = new std::map<UINT, CFontPair>;
}

// The menu font, made for the system's DPI, scaled to the one asked for.
CTreeOption::CFontPair& CTreeOption::fontsAt(const CDpiScale& dpi)
{
  // Asked for before any control exists, the fonts stay until the last control goes.
  if (m_pFontsByDpi == nullptr)
    InitGlobalResources();
  CFontPair& fonts = (*m_pFontsByDpi)[dpi.GetDpi()];
  if (fonts.normal.GetSafeHandle() != nullptr)
    return fonts;
  NONCLIENTMETRICSA ncm = {};
  ncm.cbSize = kNonClientMetricsSize;
  ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &ncm, 0);
  LOGFONTA lf = {};
  lf.lfHeight = dpi.FromSystem(ncm.lfMenuFont.lfHeight);
  lf.lfWeight = ncm.lfMenuFont.lfWeight;
  lf.lfItalic = ncm.lfMenuFont.lfItalic;
  ::lstrcpynA(lf.lfFaceName, ncm.lfMenuFont.lfFaceName, LF_FACESIZE);
  HDC hScreen = ::GetDC(nullptr);
  lf.lfCharSet = BYTE(::GetTextCharsetInfo(hScreen, nullptr, 0));
  const BYTE nMenuCharSet = ncm.lfMenuFont.lfCharSet;
  if (nMenuCharSet == ANSI_CHARSET || nMenuCharSet == DEFAULT_CHARSET || nMenuCharSet == SYMBOL_CHARSET)
    ::lstrcpynA(lf.lfFaceName, screenHasTahoma(hScreen) ? "Tahoma" : "MS Sans Serif", LF_FACESIZE);
  ::ReleaseDC(nullptr, hScreen);
  fonts.normal.CreateFontIndirect(&lf);
  lf.lfWeight = FW_BOLD;
  fonts.bold.CreateFontIndirect(&lf);
  return fonts;
}

CFont* CTreeOption::GetNormalFont(const CDpiScale& dpi) { return &fontsAt(dpi).normal; }

CFont* CTreeOption::GetBoldFont(const CDpiScale& dpi) { return &fontsAt(dpi).bold; }

BOOL CTreeOption::Create(DWORD dwStyle, RECT rcRect, CWnd* pParentWnd, DWORD dwTreeOptions, UINT nID)
{
  m_dwOptions = dwTreeOptions;
  LPCTSTR pszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW), nullptr);
  return CreateEx(0, pszClass, "", dwStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rcRect, pParentWnd, nID);
}

int CTreeOption::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
  if (CWnd::OnCreate(lpCreateStruct) == -1)
    return -1;
  followDpi(CDpiScale::OfWindow(this));
  CRect rcClient;
  GetClientRect(rcClient);
  m_otInfo.SetOptionsOwner(this);
  if (m_bUseInfo && !m_otInfo.Create("", WS_CHILD | WS_VISIBLE, rcClient, this, kInfoID))
    return -1;
  m_otlList.SetOptionsOwner(this);
  if (!m_otlList.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL, rcClient, this, kListID))
    return -1;
  relayout();
  ShowWindow(SW_SHOW);
  return 0;
}

void CTreeOption::relayout()
{
  if (m_otInfo.GetSafeHwnd() != nullptr)
    m_otInfo.ShowWindow(GetShowInfoWindow() ? SW_SHOW : SW_HIDE);
  CRect rcClient;
  GetClientRect(rcClient);
  resizeAll(rcClient.Width(), rcClient.Height());
}

void CTreeOption::resizeAll(int cx, int cy)
{
  if (cx <= 0 || cy <= 0 || m_otlList.GetSafeHwnd() == nullptr)
    return;
  int cyList = cy;
  if (GetShowInfoWindow() && m_otInfo.GetSafeHwnd() != nullptr)
  {
    cyList = cy - Scaled(kInfoHeight);
    m_otInfo.MoveWindow(0, cyList, cx, Scaled(kInfoHeight));
  }
  else if (GetShowInfoWindow())
    cyList = cy - Scaled(kNoInfoMargin);
  m_otlList.MoveWindow(0, 0, cx, cyList);
  Invalidate(FALSE);
}

void CTreeOption::OnSize(UINT nType, int cx, int cy)
{
  CWnd::OnSize(nType, cx, cy);
  resizeAll(cx, cy);
}

void CTreeOption::OnSizing(UINT fwSide, LPRECT pRect)
{
  CWnd::OnSizing(fwSide, pRect);
  resizeAll(pRect->right - pRect->left, pRect->bottom - pRect->top);
}

void CTreeOption::OnPaint()
{
  CPaintDC dc(this);
  if (m_otlList.GetSafeHwnd() != nullptr)
    m_otlList.Invalidate(FALSE);
  if (m_otInfo.GetSafeHwnd() != nullptr)
    m_otInfo.Invalidate(FALSE);
  // In-place windows of rows out of the view are out of sight too.
  for (CTreeOptionItem* pRow : m_arOnScreen)
    pRow->DrawSelectItem();
}

BOOL CTreeOption::OnEraseBkgnd(CDC*) { return FALSE; }

void CTreeOption::OnEnable(BOOL bEnable)
{
  CWnd::OnEnable(bEnable);
  Invalidate(FALSE);
}

void CTreeOption::OnSetFocus(CWnd* pOldWnd)
{
  CWnd::OnSetFocus(pOldWnd);
  Invalidate(FALSE);
}

void CTreeOption::OnSysColorChange()
{
  CWnd::OnSysColorChange();
  InitGlobalResources();
  Invalidate(FALSE);
}

// The control moved to a monitor of another DPI: its sizes follow, then the layout.
LRESULT CTreeOption::OnDpiChangedAfterParent(WPARAM, LPARAM)
{
  followDpi(CDpiScale::OfWindow(this));
  relayout();
  m_otlList.UpdateResize();
  UpdateMoveAllItems();
  return 0;
}

// Rows take the new default height, or keep their share of a host's; the column and the scroll
// offset keep their place in proportion.
void CTreeOption::followDpi(const CDpiScale& dpi)
{
  if (dpi == m_dpi)
    return;
  const CDpiScale old = m_dpi;
  m_dpi = dpi;
  EnumItems(
      &m_otiRootItem,
      [](CTreeOption* pOptions, CTreeOptionItem* pItem, long lOldDpi) {
        pItem->followDpi(CDpiScale(UINT(lOldDpi)), pOptions->m_dpi);
        return 1;
      },
      long(old.GetDpi()));
  m_ptOrigin.x = ::MulDiv(m_ptOrigin.x, int(dpi.GetDpi()), int(old.GetDpi()));
  m_ptOrigin.y = ::MulDiv(m_ptOrigin.y, int(dpi.GetDpi()), int(old.GetDpi()));
}

// Options.

void CTreeOption::setOption(DWORD dwBit, BOOL bSet)
{
  if (bSet == 1)
    m_dwOptions |= dwBit;
  else
    m_dwOptions &= ~dwBit;
  if (GetSafeHwnd() != nullptr)
    relayout();
}

void CTreeOption::ShowInfoWindow(BOOL bShow) { setOption(OT_OPTIONS_SHOWINFOWINDOW, bShow); }

void CTreeOption::SetNotify(BOOL bNotify, CWnd* pWnd)
{
  m_pNotify = pWnd;
  setOption(OT_OPTIONS_NOTIFY, bNotify);
}

void CTreeOption::SetDefInfoTextNoSel(BOOL bShow) { setOption(OT_OPTIONS_DEFINFOTEXTNOSEL, bShow); }

void CTreeOption::ShadeExpandColumn(BOOL bShade) { setOption(OT_OPTIONS_SHADEEXPANDCOLUMN, bShade); }

void CTreeOption::ShadeRootItems(BOOL bShade) { setOption(OT_OPTIONS_SHADEROOTITEMS, bShade); }

void CTreeOption::DisableInput(BOOL bDisable)
{
  m_bDisableInput = bDisable;
  if (CWnd* pParent = GetParent())
    pParent->EnableWindow(!bDisable);
}

void CTreeOption::SetColumn(long lColumn)
{
  CRect rcClient;
  if (GetSafeHwnd() != nullptr)
    GetClientRect(rcClient);
  const long lMinColumn = Scaled(kMinColumn);
  lColumn = (std::max)(lColumn, lMinColumn);
  if (!rcClient.IsRectEmpty() && lColumn >= rcClient.Width() - lMinColumn)
    lColumn = rcClient.Width() - lMinColumn;
  if (lColumn == m_ptOrigin.x)
    return;
  m_ptOrigin.x = lColumn;
  if (GetSafeHwnd() != nullptr)
    Invalidate(FALSE);
}

void CTreeOption::UpdateDraw()
{
  if (m_otlList.GetSafeHwnd() == nullptr)
    return;
  // A hidden view paints everything once it shows, so only a shown one repaints in part.
  if (m_otlList.IsWindowVisible())
    m_otlList.SetUpdatePaint();
  m_otlList.Invalidate(FALSE);
  m_otlList.UpdateWindow();
}

void CTreeOption::UpdatedItems() { m_otlList.UpdateResize(); }

// Items.

CTreeOptionItem* CTreeOption::InsertItem(CTreeOptionItem* otiItem, CTreeOptionItem* otiParent, bool bRedraw)
{
  if (otiItem == nullptr)
    return nullptr;
  if (otiParent == nullptr)
    otiParent = &m_otiRootItem;
  appendChild(otiParent, otiItem);
  otiItem->SetCtrlID(++m_uLastID);
  otiItem->SetParent(otiParent);
  otiItem->adoptDefaultHeight(m_dpi);
  otiItem->SetOptionsOwner(this);
  if (isShown(otiItem))
    m_lShownHeight += otiItem->GetTotalHeight();
  m_bLayoutDirty = true;
  m_bFreshRows = true;
  SendNotify(UINT(OT_NOTIFY_INSERTITEM), otiItem);
  if (bRedraw)
  {
    m_otlList.UpdateResize();
    if (GetSafeHwnd() != nullptr)
      Invalidate(FALSE);
  }
  return otiItem;
}

void CTreeOption::Delete(CTreeOptionItem* otiItem)
{
  ClearVisibleList();
  SendNotify(UINT(OT_NOTIFY_DELETEITEM), otiItem);
  CTreeOptionItem* pTarget = otiItem != nullptr ? otiItem : &m_otiRootItem;
  if (pTarget->GetChild() != nullptr)
    deleteChildren(pTarget);
  if (pTarget == &m_otiRootItem)
    return;
  // The children have taken their own heights away already.
  if (isShown(pTarget))
    m_lShownHeight -= pTarget->GetHeight();
  unlink(pTarget);
  if (m_otiFocus == pTarget)
    m_otiFocus = nullptr;
  forgetRow(pTarget);
  pTarget->CleanDestroyWindow();
  delete pTarget;
}

// Each child goes by DeleteItem; the scroll range, kept by arithmetic meanwhile, is shown once
// the outermost deletion is done rather than after every row.
void CTreeOption::deleteChildren(CTreeOptionItem* otiParent)
{
  ++m_nDeleting;
  while (CTreeOptionItem* pChild = otiParent->GetChild())
    DeleteItem(pChild);
  if (--m_nDeleting == 0)
    m_otlList.UpdateResize();
}

void CTreeOption::appendChild(CTreeOptionItem* otiParent, CTreeOptionItem* otiItem)
{
  CTreeOptionItem* pLast = otiParent->m_pLastChild;
  // Links set by hand leave the remembered last child behind: then look for it.
  if (pLast == nullptr || pLast->GetParent() != otiParent || pLast->GetSibling() != nullptr)
  {
    pLast = otiParent->GetChild();
    while (pLast != nullptr && pLast->GetSibling() != nullptr)
      pLast = pLast->GetSibling();
  }
  if (pLast == nullptr)
    otiParent->SetChild(otiItem);
  else
    pLast->SetSibling(otiItem);
  otiParent->m_pLastChild = otiItem;
}

void CTreeOption::unlink(CTreeOptionItem* otiItem)
{
  CTreeOptionItem* pParent = otiItem->GetParent();
  if (pParent == nullptr)
    return;
  CTreeOptionItem* pPrev = nullptr;
  if (pParent->GetChild() == otiItem)
    pParent->SetChild(otiItem->GetSibling());
  else
  {
    pPrev = pParent->GetChild();
    while (pPrev != nullptr && pPrev->GetSibling() != otiItem)
      pPrev = pPrev->GetSibling();
    if (pPrev != nullptr)
      pPrev->SetSibling(otiItem->GetSibling());
  }
  if (pParent->m_pLastChild == otiItem)
    pParent->m_pLastChild = pPrev;
}

// Drops every reference the control keeps to a row about to be deleted.
void CTreeOption::forgetRow(CTreeOptionItem* otiItem)
{
  m_rowsToRedraw.Remove(otiItem);
  m_rowsToDeselect.Remove(otiItem);
  m_rowsHovered.Remove(otiItem);
  m_arOnScreen.erase(std::remove(m_arOnScreen.begin(), m_arOnScreen.end(), otiItem), m_arOnScreen.end());
  CItemWatch::forget(otiItem);
}

// A row is shown, and counts for the scroll range, when all its ancestors are expanded.
bool CTreeOption::isShown(const CTreeOptionItem* otiItem) const
{
  const CTreeOptionItem* pAncestor = otiItem->GetParent();
  while (pAncestor != nullptr && pAncestor != &m_otiRootItem && pAncestor->IsExpanded())
    pAncestor = pAncestor->GetParent();
  return pAncestor == &m_otiRootItem;
}

void CTreeOption::rowHeightChanging(CTreeOptionItem* otiItem, long lDelta)
{
  if (lDelta == 0)
    return;
  if (isShown(otiItem))
    m_lShownHeight += lDelta;
  m_bLayoutDirty = true;
}

void CTreeOption::rowExpanding(CTreeOptionItem* otiItem, BOOL bExpand)
{
  if ((otiItem->IsExpanded() != FALSE) == (bExpand != FALSE))
    return;
  m_bLayoutDirty = true;
  if (!isShown(otiItem))
    return;
  long lChildren = 0;
  for (CTreeOptionItem* pChild = otiItem->GetChild(); pChild != nullptr; pChild = pChild->GetSibling())
    lChildren += pChild->GetTotalHeight();
  m_lShownHeight += bExpand ? lChildren : -lChildren;
}

namespace
{
// The watches alive, innermost first; they nest as the calls into the host do.
CTreeOption::CItemWatch* g_pInnermostWatch = nullptr;
}

CTreeOption::CItemWatch::CItemWatch(const CTreeOptionItem* otiItem) : m_otiItem(otiItem), m_pOuter(g_pInnermostWatch)
{
  g_pInnermostWatch = this;
}

CTreeOption::CItemWatch::~CItemWatch() { g_pInnermostWatch = m_pOuter; }

void CTreeOption::CItemWatch::forget(const CTreeOptionItem* otiItem)
{
  for (CItemWatch* pWatch = g_pInnermostWatch; pWatch != nullptr; pWatch = pWatch->m_pOuter)
  {
    if (pWatch->m_otiItem == otiItem)
      pWatch->m_otiItem = nullptr;
  }
}

void CTreeOption::DeleteItem(CTreeOptionItem* otiItem)
{
  Delete(otiItem);
  if (m_nDeleting == 0)
    m_otlList.UpdateResize();
}

void CTreeOption::DeleteAllItems()
{
  Delete(nullptr);
  m_otlList.UpdateResize();
  m_uLastID = 1;
}

BOOL CTreeOption::EnumItems(CTreeOptionItem* otiItem, ENUMITEMPROC enumProc, long lParam)
{
  if (otiItem == nullptr || enumProc == nullptr)
    return FALSE;
  if (otiItem != &m_otiRootItem && enumProc(this, otiItem, lParam) == 0)
    return FALSE;
  BOOL bResult = TRUE;
  for (CTreeOptionItem* pChild = otiItem->GetChild(); pChild != nullptr;)
  {
    // The callback may not unlink the child, but keep the walk safe from it anyway.
    CTreeOptionItem* pNext = pChild->GetSibling();
    if (!EnumItems(pChild, enumProc, lParam))
      bResult = FALSE;
    pChild = pNext;
  }
  return bResult;
}

int CTreeOption::EnumSelectAll(CTreeOption*, CTreeOptionItem* pItem, long lParam)
{
  pItem->Select(BOOL(lParam));
  return 1;
}

int CTreeOption::EnumRefreshAll(CTreeOption*, CTreeOptionItem* pItem, long)
{
  pItem->OnRefresh();
  return 1;
}

int CTreeOption::EnumNotifyExpand(CTreeOption*, CTreeOptionItem* pItem, long lParam)
{
  pItem->OnExpand(BOOL(lParam));
  return 1;
}

int CTreeOption::EnumMoveAll(CTreeOption*, CTreeOptionItem* pItem, long)
{
  pItem->OnMove();
  return 1;
}

int CTreeOption::EnumFindItem(CTreeOption*, CTreeOptionItem* pItem, long lParam)
{
  if (pItem->GetCtrlID() != UINT(lParam))
    return 1;
  m_otiFound = pItem;
  return 0;
}

int CTreeOption::EnumDrawSelectItem(CTreeOption*, CTreeOptionItem* pItem, long)
{
  pItem->DrawSelectItem();
  return 1;
}

int CTreeOption::EnumClearAllLabelRect(CTreeOption*, CTreeOptionItem* pItem, long)
{
  pItem->SetLabelRect(CRect());
  return 1;
}

int CTreeOption::EnumGetLargestVisibleLabelRect(CTreeOption*, CTreeOptionItem* pItem, long)
{
  CTreeOptionItem* pParent = pItem->GetParent();
  if (!pItem->IsRootLevel() && pParent != nullptr && pParent->IsExpanded() &&
      pItem->GetLabelRect().right > m_rcLargestLabel.right)
    m_rcLargestLabel = pItem->GetLabelRect();
  return 1;
}

int CTreeOption::EnumExpandAll(CTreeOption*, CTreeOptionItem* pItem, long)
{
  pItem->Expand(TRUE);
  return 1;
}

CTreeOptionItem* CTreeOption::FindItem(UINT uCtrlID)
{
  m_otiFound = nullptr;
  EnumItems(&m_otiRootItem, EnumFindItem, long(uCtrlID));
  return m_otiFound;
}

namespace
{
bool rowContains(const CTreeOptionItem* pItem, long lContentY)
{
  const long lTop = pItem->GetLocation().y;
  return lTop <= lContentY && lContentY < lTop + pItem->GetHeight();
}
}

CTreeOptionItem* CTreeOption::FindItem(const POINT& pt)
{
  const long lContentY = pt.y + m_ptOrigin.y;
  if (!m_bLayoutDirty)
    return visibleAt(lContentY);
  for (CTreeOptionItem* pItem = m_otiVisibleList; pItem != nullptr; pItem = pItem->GetNextVisible())
    if (rowContains(pItem, lContentY))
      return pItem;
  return nullptr;
}

// While the visible list matches the tree it holds the very rows the walk would find.
CTreeOptionItem* CTreeOption::FindItemAll(const POINT& pt)
{
  if (!m_bLayoutDirty)
    return visibleAt(pt.y + m_ptOrigin.y);
  return FindItemChild(m_otiRootItem.GetChild(), pt);
}

// The visible list runs down the content without gaps, so rows are found by halving.
std::vector<CTreeOptionItem*>::const_iterator CTreeOption::firstVisibleEndingBelow(long lContentY) const
{
  return std::partition_point(m_arVisible.begin(), m_arVisible.end(), [lContentY](const CTreeOptionItem* pRow) {
    return pRow->GetLocation().y + pRow->GetHeight() <= lContentY;
  });
}

CTreeOptionItem* CTreeOption::visibleAt(long lContentY) const
{
  auto it = firstVisibleEndingBelow(lContentY);
  return it != m_arVisible.end() && rowContains(*it, lContentY) ? *it : nullptr;
}

CTreeOptionItem* CTreeOption::FindItemChild(CTreeOptionItem* otiItem, const POINT& pt)
{
  const long lContentY = pt.y + m_ptOrigin.y;
  for (CTreeOptionItem* pItem = otiItem; pItem != nullptr; pItem = pItem->GetSibling())
  {
    if (pItem->IsExpanded() && pItem->GetChild() != nullptr)
      if (CTreeOptionItem* pHit = FindItemChild(pItem->GetChild(), pt))
        return pHit;
    if (rowContains(pItem, lContentY))
      return pItem;
  }
  return nullptr;
}

long CTreeOption::HitTest(const POINT& pt)
{
  CTreeOptionItem* pItem = FindItemAll(pt);
  if (pItem == nullptr)
    return OT_HIT_NOWHERE;
  const bool bRoot = pItem->IsRootLevel() != FALSE;
  const long lColumn = GetColumn();
  const long lReach = Scaled(kDividerReach);
  if (!bRoot && m_bUseLabel && lColumn - lReach <= pt.x && pt.x <= lColumn + lReach)
    return OT_HIT_COLUMN;
  const CPoint ptContent(pt.x, pt.y + m_ptOrigin.y);
  if (pt.x <= lColumn + lReach)
    return pItem->HitExpand(ptContent) ? OT_HIT_EXPAND : OT_HIT_LABEL;
  if (!bRoot)
    return OT_HIT_ATTRIBUTE;
  if (pItem->HitOptionButton1(ptContent))
    return OT_HIT_OPTIONBUTTON1;
  if (pItem->HitOptionButton2(ptContent))
    return OT_HIT_OPTIONBUTTON2;
  return OT_HIT_ROOTITEM;
}

void CTreeOption::Expand(CTreeOptionItem* otiItem, BOOL bExpand) { EnumItems(otiItem, EnumNotifyExpand, bExpand); }

void CTreeOption::ExpandAllItems()
{
  EnumItems(&m_otiRootItem, EnumExpandAll, 0);
  m_otlList.UpdateResize();
}

void CTreeOption::SelectItems(CTreeOptionItem* otiItem, BOOL bSelect)
{
  if (!bSelect && (otiItem == nullptr || otiItem == &m_otiRootItem))
    deselectAll();
  else
    EnumItems(otiItem != nullptr ? otiItem : &m_otiRootItem, EnumSelectAll, bSelect);
}

// Deselecting a row that is neither selected nor edited, and has been deselected before, changes
// nothing; so after one pass over every row only the rows selected or activated since are visited.
// The pass goes through the set too: a row the host deletes meanwhile is skipped.
void CTreeOption::deselectAll()
{
  if (m_bFreshRows)
  {
    m_bFreshRows = false;
    m_rowsToDeselect.Clear();
    EnumItems(
        &m_otiRootItem,
        [](CTreeOption* pOptions, CTreeOptionItem* pItem, long) {
          pOptions->m_rowsToDeselect.Add(pItem);
          return 1;
        },
        0);
  }
  m_rowsToDeselect.TakeEach([](CTreeOptionItem* pRow) { pRow->Select(FALSE); });
}

void CTreeOption::RefreshItems(CTreeOptionItem* otiItem)
{
  EnumItems(otiItem != nullptr ? otiItem : &m_otiRootItem, EnumRefreshAll, 0);
  m_otlList.UpdateResize();
}

void CTreeOption::UpdateMoveAllItems() { EnumItems(&m_otiRootItem, EnumMoveAll, 0); }

void CTreeOption::ClearAllLabelRect() { ++m_uLabelPaint; }

CRect CTreeOption::GetLargestVisibleLabel()
{
  // The last full repaint drew only the rows in view: measure the others as it would have.
  if (m_otlList.GetSafeHwnd() != nullptr)
  {
    CClientDC dc(&m_otlList);
    for (CTreeOptionItem* pRow : m_arVisible)
      if (!pRow->IsRootLevel() && pRow->m_uLabelPaint != m_uLabelPaint)
        pRow->measureLabel(&dc);
  }
  m_rcLargestLabel.SetRectEmpty();
  EnumItems(&m_otiRootItem, EnumGetLargestVisibleLabelRect, 0);
  return m_rcLargestLabel;
}

void CTreeOption::ClearVisibleList()
{
  m_otiVisibleList = m_otiVisibleTail = nullptr;
  m_arVisible.clear();
  m_bLayoutDirty = true;
}

void CTreeOption::AddToVisibleList(CTreeOptionItem* otiItem)
{
  otiItem->SetNextVisible(nullptr);
  if (m_otiVisibleTail == nullptr)
    m_otiVisibleList = otiItem;
  else
    m_otiVisibleTail->SetNextVisible(otiItem);
  m_otiVisibleTail = otiItem;
  otiItem->m_nVisibleIndex = int(m_arVisible.size());
  m_arVisible.push_back(otiItem);
}

BOOL CTreeOption::IsItemVisible(CTreeOptionItem* otiItem) const
{
  const int nIndex = otiItem != nullptr ? otiItem->m_nVisibleIndex : -1;
  return nIndex >= 0 && size_t(nIndex) < m_arVisible.size() && m_arVisible[size_t(nIndex)] == otiItem;
}

CTreeOptionItem* CTreeOption::lastVisible() const { return m_arVisible.empty() ? nullptr : m_arVisible.back(); }

CTreeOptionItem* CTreeOption::visibleBefore(CTreeOptionItem* otiItem) const
{
  if (!IsItemVisible(otiItem) || otiItem->m_nVisibleIndex == 0)
    return nullptr;
  return m_arVisible[size_t(otiItem->m_nVisibleIndex - 1)];
}

// Places the rows as the full repaint draws them: group headers and their children at indent 0,
// each further level one indent in, each row below the one before.
long CTreeOption::layOutRow(CTreeOptionItem* otiItem, long lX, long lY)
{
  if (otiItem->GetOptionsOwner() == nullptr)
    return 0;
  AddToVisibleList(otiItem);
  otiItem->place(lX, lY);
  long lHeight = otiItem->GetHeight();
  if (!otiItem->IsExpanded())
    return lHeight;
  const long lChildX = otiItem->IsRootLevel() ? lX : lX + LevelIndent();
  for (CTreeOptionItem* pChild = otiItem->GetChild(); pChild != nullptr; pChild = pChild->GetSibling())
    lHeight += layOutRow(pChild, lChildX, lY + lHeight);
  return lHeight;
}

std::vector<CTreeOptionItem*> CTreeOption::LayOutRows(long lTop, long lBottom)
{
  if (m_bLayoutDirty)
  {
    ClearVisibleList();
    long lY = 0;
    for (CTreeOptionItem* pRoot = m_otiRootItem.GetChild(); pRoot != nullptr; pRoot = pRoot->GetSibling())
      lY += layOutRow(pRoot, 0, lY);
    m_bLayoutDirty = false;
  }
  // A full repaint leaves no row marked, wherever it is.
  for (CTreeOptionItem* pRow : TakeRowsToRedraw())
    if (IsItemVisible(pRow))
      pRow->m_bUpdateDraw = false;
    else if (pRow->IsUpdateDraw())
      m_rowsToRedraw.Add(pRow);
  const long lContentBottom = lBottom + m_ptOrigin.y;
  auto itFirst = firstVisibleEndingBelow(lTop + m_ptOrigin.y);
  auto itEnd = std::partition_point(itFirst, m_arVisible.cend(), [lContentBottom](const CTreeOptionItem* pRow) {
    return pRow->GetLocation().y < lContentBottom;
  });
  // Rows that have just left the view, scrolled or pushed out, are drawn once more, out of
  // sight, so that in-place windows placed with them follow them out.
  std::vector<CTreeOptionItem*> arRows;
  for (CTreeOptionItem* pRow : m_arOnScreen)
    if (IsItemVisible(pRow) && (pRow->m_nVisibleIndex < itFirst - m_arVisible.cbegin() ||
                                pRow->m_nVisibleIndex >= itEnd - m_arVisible.cbegin()))
      arRows.push_back(pRow);
  m_arOnScreen.assign(itFirst, itEnd);
  arRows.insert(arRows.end(), itFirst, itEnd);
  return arRows;
}

std::vector<CTreeOptionItem*> CTreeOption::TakeRowsToRedraw()
{
  std::vector<CTreeOptionItem*> arRows = m_rowsToRedraw.Rows();
  m_rowsToRedraw.Clear();
  return arRows;
}

// Focus.

void CTreeOption::SetFocusedItem(CTreeOptionItem* otiItem)
{
  const bool bChanged = m_otiFocus != otiItem;
  m_otiFocus = otiItem;
  EnsureVisible(otiItem);
  if (GetSafeHwnd() == nullptr)
    return;
  if (bChanged && m_otInfo.GetSafeHwnd() != nullptr)
    m_otInfo.Invalidate(FALSE);
  if (otiItem == nullptr)
    return;
  otiItem->SetUpdateDraw();
  UpdateDraw();
}

void CTreeOption::moveFocus(CTreeOptionItem* otiTarget, bool bEvenNull)
{
  CTreeOptionItem* pOld = m_otiFocus;
  if (otiTarget != nullptr || bEvenNull)
    SetFocusedItem(otiTarget);
  if (m_otiFocus != nullptr)
  {
    SelectItems(nullptr, FALSE);
    // A row deselected here may commit, and the host told of it may delete the focused row.
    if (m_otiFocus != nullptr)
      m_otiFocus->Select(TRUE);
  }
  if (m_otiFocus != pOld)
    SendNotify(UINT(OT_NOTIFY_SELCHANGE), m_otiFocus);
}

CTreeOptionItem* CTreeOption::FocusFirst()
{
  moveFocus(m_otiVisibleList, true);
  return m_otiFocus;
}

CTreeOptionItem* CTreeOption::FocusNext()
{
  // A focused row out of the visible list has no next one: its link may be left from a deleted row.
  CTreeOptionItem* pTarget = m_otiFocus == nullptr       ? m_otiVisibleList
                             : IsItemVisible(m_otiFocus) ? m_otiFocus->GetNextVisible()
                                                         : nullptr;
  moveFocus(pTarget, false);
  return pTarget;
}

CTreeOptionItem* CTreeOption::FocusPrev()
{
  CTreeOptionItem* pTarget = m_otiFocus != nullptr ? visibleBefore(m_otiFocus) : lastVisible();
  moveFocus(pTarget, false);
  return pTarget;
}

CTreeOptionItem* CTreeOption::FocusLast()
{
  CTreeOptionItem* pTarget = lastVisible();
  moveFocus(pTarget, false);
  return pTarget;
}

void CTreeOption::expandAncestors(CTreeOptionItem* otiItem)
{
  for (CTreeOptionItem* pAncestor = otiItem->GetParent(); pAncestor != nullptr && pAncestor->GetOptionsOwner();
       pAncestor = pAncestor->GetParent())
    pAncestor->Expand(TRUE);
}

void CTreeOption::EnsureVisible(CTreeOptionItem* otiItem)
{
  if (otiItem == nullptr)
    return;
  if (!IsItemVisible(otiItem))
  {
    expandAncestors(otiItem);
    m_otlList.UpdateResize();
    if (m_otlList.GetSafeHwnd() != nullptr)
      m_otlList.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    if (!IsItemVisible(otiItem))
      return;
  }
  scrollIntoView(otiItem);
}

void CTreeOption::scrollIntoView(CTreeOptionItem* otiItem)
{
  // Rows drawn by a view since destroyed have nowhere to scroll to.
  if (m_otlList.GetSafeHwnd() == nullptr)
    return;
  CRect rcView;
  m_otlList.GetClientRect(rcView);
  const long lPage = rcView.Height() + 1;
  rcView.OffsetRect(0, m_ptOrigin.y);
  rcView.bottom -= otiItem->GetHeight();
  if (rcView.PtInRect(otiItem->GetLocation()))
    return;
  const long lTop = otiItem->GetLocation().y;
  long lPosition = lTop < rcView.top ? lTop : lTop + 2 * otiItem->GetHeight() - rcView.Height();
  SCROLLINFO si = {};
  si.cbSize = sizeof si;
  m_otlList.GetScrollInfo(SB_VERT, &si, SIF_RANGE);
  lPosition = std::max<long>(std::min<long>(lPosition, si.nMax - lPage), si.nMin);
  m_ptOrigin.y = lPosition;
  m_otlList.SetScrollPos(SB_VERT, lPosition);
  m_otlList.SetFocus();
  m_otlList.Invalidate(FALSE);
}

BOOL CTreeOption::IsRootItemSelectOptionButton()
{
  for (CTreeOptionItem* pRow : m_rowsHovered.Rows())
    if (pRow->IsSelectOptionButton1() || pRow->IsSelectOptionButton2())
      return TRUE;
  return FALSE;
}

BOOL CTreeOption::IsRootItemSelectOptionButtonItem(CTreeOptionItem* otiItem)
{
  for (CTreeOptionItem* pItem = otiItem; pItem != nullptr; pItem = pItem->GetSibling())
    if (pItem->IsSelectOptionButton1() || pItem->IsSelectOptionButton2())
      return TRUE;
  return FALSE;
}

namespace
{
void clearHover(CTreeOptionItem* pItem)
{
  if (!pItem->IsSelectOptionButton1() && !pItem->IsSelectOptionButton2())
    return;
  pItem->SetSelectOptionButton1(false);
  pItem->SetSelectOptionButton2(false);
  pItem->SetUpdateDraw();
}
}

void CTreeOption::ClearRootItemSelectOptionButton() { m_rowsHovered.TakeEach(clearHover); }

void CTreeOption::ClearRootItemSelectOptionButtonItem(CTreeOptionItem* otiItem)
{
  for (CTreeOptionItem* pItem = otiItem; pItem != nullptr; pItem = pItem->GetSibling())
    clearHover(pItem);
}

LRESULT CTreeOption::SendNotify(UINT uNotifyCode, CTreeOptionItem* otiItem)
{
  const int nCode = int(uNotifyCode);
  if (GetSafeHwnd() == nullptr || !GetNotify() || m_pNotify == nullptr || m_pNotify->GetSafeHwnd() == nullptr)
    return 0;
  if (nCode < OT_NOTIFY_ACTIVATEITEM || nCode > OT_NOTIFY_INSERTITEM || nCode == -1104)
    return 0;
  NMTREEOPTION nm = {};
  nm.hdr.hwndFrom = m_hWnd;
  nm.hdr.idFrom = UINT_PTR(GetDlgCtrlID());
  nm.hdr.code = uNotifyCode;
  nm.otiItem = otiItem;
  return m_pNotify->SendMessage(WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

LRESULT CTreeOption::SendParentMessage(UINT nMessage, LPARAM lParam)
{
  CWnd* pParent = GetSafeHwnd() != nullptr ? GetParent() : nullptr;
  if (pParent == nullptr)
    return 0;
  return pParent->SendMessage(nMessage, WPARAM(GetDlgCtrlID()), lParam);
}
