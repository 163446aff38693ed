#include "TreeOption.h"

#include <algorithm>

namespace
{
const long kDefaultColumn = 150;
const long kMinColumn = 16;
const int kInfoHeight = 50;
const int kNoInfoMargin = 5;
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

CFont* newFont(const LOGFONTA& lf)
{
  CFont* pFont = new CFont;
  pFont->CreateFontIndirect(&lf);
  return pFont;
}
}

CFont* CTreeOption::m_fNormalFont = nullptr;
CFont* CTreeOption::m_fBoldFont = nullptr;
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
END_MESSAGE_MAP()

CTreeOption::CTreeOption()
  : m_dwOptions(0), m_otiVisibleList(nullptr), m_otiVisibleTail(nullptr), m_otiFocus(nullptr),
    m_ptOrigin(kDefaultColumn, 0), m_bDisableInput(FALSE), m_uLastID(0), m_pNotify(nullptr), m_bUseLabel(true),
    m_bUseInfo(true), m_bDrawColumFrame(true)
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
    delete m_fNormalFont;
    delete m_fBoldFont;
    m_fNormalFont = m_fBoldFont = nullptr;
  }
}

void CTreeOption::InitGlobalResources()
{
  delete m_fNormalFont;
  delete m_fBoldFont;
  NONCLIENTMETRICSA ncm = {};
  ncm.cbSize = kNonClientMetricsSize;
  ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &ncm, 0);
  LOGFONTA lf = {};
  lf.lfHeight = ncm.lfMenuFont.lfHeight;
  lf.lfWeight = ncm.lfMenuFont.lfWeight;
  lf.lfItalic = ncm.lfMenuFont.lfItalic;
  ::lstrcpynA(lf.lfFaceName, ncm.lfMenuFont.lfFaceName, LF_FACESIZE);
  HDC hScreen = ::GetDC(nullptr);
  lf.lfCharSet = BYTE(::GetTextCharsetInfo(hScreen, nullptr, 0));
  const BYTE nMenuCharSet = ncm.lfMenuFont.lfCharSet;
  if (nMenuCharSet == ANSI_CHARSET || nMenuCharSet == DEFAULT_CHARSET || nMenuCharSet == SYMBOL_CHARSET)
    ::lstrcpynA(lf.lfFaceName, screenHasTahoma(hScreen) ? "Tahoma" : "MS Sans Serif", LF_FACESIZE);
  ::ReleaseDC(nullptr, hScreen);
  m_fNormalFont = newFont(lf);
  lf.lfWeight = FW_BOLD;
  m_fBoldFont = newFont(lf);
}

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
    cyList = cy - kInfoHeight;
    m_otInfo.MoveWindow(0, cyList, cx, kInfoHeight);
  }
  else if (GetShowInfoWindow())
    cyList = cy - kNoInfoMargin;
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
  EnumItems(&m_otiRootItem, EnumDrawSelectItem, 0);
}

BOOL CTreeOption::OnEraseBkgnd(CDC*)
{
  return FALSE;
}

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

void CTreeOption::ShowInfoWindow(BOOL bShow)
{
  setOption(OT_OPTIONS_SHOWINFOWINDOW, bShow);
}

void CTreeOption::SetNotify(BOOL bNotify, CWnd* pWnd)
{
  m_pNotify = pWnd;
  setOption(OT_OPTIONS_NOTIFY, bNotify);
}

void CTreeOption::SetDefInfoTextNoSel(BOOL bShow)
{
  setOption(OT_OPTIONS_DEFINFOTEXTNOSEL, bShow);
}

void CTreeOption::ShadeExpandColumn(BOOL bShade)
{
  setOption(OT_OPTIONS_SHADEEXPANDCOLUMN, bShade);
}

void CTreeOption::ShadeRootItems(BOOL bShade)
{
  setOption(OT_OPTIONS_SHADEROOTITEMS, bShade);
}

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
  lColumn = (std::max)(lColumn, kMinColumn);
  if (!rcClient.IsRectEmpty() && lColumn >= rcClient.Width() - kMinColumn)
    lColumn = rcClient.Width() - kMinColumn;
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

void CTreeOption::UpdatedItems()
{
  m_otlList.UpdateResize();
}

// Items.

CTreeOptionItem* CTreeOption::InsertItem(CTreeOptionItem* otiItem, CTreeOptionItem* otiParent, bool bRedraw)
{
  if (otiItem == nullptr)
    return nullptr;
  if (otiParent == nullptr)
    otiParent = &m_otiRootItem;
  CTreeOptionItem* pLast = otiParent->GetChild();
  while (pLast != nullptr && pLast->GetSibling() != nullptr)
    pLast = pLast->GetSibling();
  if (pLast == nullptr)
    otiParent->SetChild(otiItem);
  else
    pLast->SetSibling(otiItem);
  otiItem->SetCtrlID(++m_uLastID);
  otiItem->SetParent(otiParent);
  otiItem->SetOptionsOwner(this);
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
  while (CTreeOptionItem* pChild = pTarget->GetChild())
    DeleteItem(pChild);
  if (CTreeOptionItem* pParent = pTarget->GetParent())
  {
    if (pParent->GetChild() == pTarget)
      pParent->SetChild(pTarget->GetSibling());
    else
    {
      CTreeOptionItem* pPrev = pParent->GetChild();
      while (pPrev != nullptr && pPrev->GetSibling() != pTarget)
        pPrev = pPrev->GetSibling();
      if (pPrev != nullptr)
        pPrev->SetSibling(pTarget->GetSibling());
    }
  }
  if (pTarget == &m_otiRootItem)
    return;
  if (m_otiFocus == pTarget)
    m_otiFocus = nullptr;
  CItemWatch::forget(pTarget);
  pTarget->CleanDestroyWindow();
  delete pTarget;
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

CTreeOption::CItemWatch::~CItemWatch()
{
  g_pInnermostWatch = m_pOuter;
}

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
  for (CTreeOptionItem* pItem = m_otiVisibleList; pItem != nullptr; pItem = pItem->GetNextVisible())
    if (rowContains(pItem, lContentY))
      return pItem;
  return nullptr;
}

CTreeOptionItem* CTreeOption::FindItemAll(const POINT& pt)
{
  return FindItemChild(m_otiRootItem.GetChild(), pt);
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
  if (!bRoot && m_bUseLabel && lColumn - 5 <= pt.x && pt.x <= lColumn + 5)
    return OT_HIT_COLUMN;
  const CPoint ptContent(pt.x, pt.y + m_ptOrigin.y);
  if (pt.x <= lColumn + 5)
    return pItem->HitExpand(ptContent) ? OT_HIT_EXPAND : OT_HIT_LABEL;
  if (!bRoot)
    return OT_HIT_ATTRIBUTE;
  if (pItem->HitOptionButton1(ptContent))
    return OT_HIT_OPTIONBUTTON1;
  if (pItem->HitOptionButton2(ptContent))
    return OT_HIT_OPTIONBUTTON2;
  return OT_HIT_ROOTITEM;
}

void CTreeOption::Expand(CTreeOptionItem* otiItem, BOOL bExpand)
{
  EnumItems(otiItem, EnumNotifyExpand, bExpand);
}

void CTreeOption::ExpandAllItems()
{
  EnumItems(&m_otiRootItem, EnumExpandAll, 0);
  m_otlList.UpdateResize();
}

void CTreeOption::SelectItems(CTreeOptionItem* otiItem, BOOL bSelect)
{
  EnumItems(otiItem != nullptr ? otiItem : &m_otiRootItem, EnumSelectAll, bSelect);
}

void CTreeOption::RefreshItems(CTreeOptionItem* otiItem)
{
  EnumItems(otiItem != nullptr ? otiItem : &m_otiRootItem, EnumRefreshAll, 0);
  m_otlList.UpdateResize();
}

void CTreeOption::UpdateMoveAllItems()
{
  EnumItems(&m_otiRootItem, EnumMoveAll, 0);
}

void CTreeOption::ClearAllLabelRect()
{
  EnumItems(&m_otiRootItem, EnumClearAllLabelRect, 0);
}

CRect CTreeOption::GetLargestVisibleLabel()
{
  m_rcLargestLabel.SetRectEmpty();
  EnumItems(&m_otiRootItem, EnumGetLargestVisibleLabelRect, 0);
  return m_rcLargestLabel;
}

void CTreeOption::AddToVisibleList(CTreeOptionItem* otiItem)
{
  otiItem->SetNextVisible(nullptr);
  if (m_otiVisibleTail == nullptr)
    m_otiVisibleList = otiItem;
  else
    m_otiVisibleTail->SetNextVisible(otiItem);
  m_otiVisibleTail = otiItem;
}

BOOL CTreeOption::IsItemVisible(CTreeOptionItem* otiItem) const
{
  for (CTreeOptionItem* pItem = m_otiVisibleList; pItem != nullptr; pItem = pItem->GetNextVisible())
    if (pItem == otiItem)
      return TRUE;
  return FALSE;
}

CTreeOptionItem* CTreeOption::lastVisible() const
{
  CTreeOptionItem* pItem = m_otiVisibleList;
  while (pItem != nullptr && pItem->GetNextVisible() != nullptr)
    pItem = pItem->GetNextVisible();
  return pItem;
}

CTreeOptionItem* CTreeOption::visibleBefore(CTreeOptionItem* otiItem) const
{
  for (CTreeOptionItem* pItem = m_otiVisibleList; pItem != nullptr; pItem = pItem->GetNextVisible())
    if (pItem->GetNextVisible() == otiItem)
      return pItem;
  return nullptr;
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
  CTreeOptionItem* pTarget = m_otiFocus != nullptr ? m_otiFocus->GetNextVisible() : m_otiVisibleList;
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
  return IsRootItemSelectOptionButtonItem(m_otiRootItem.GetChild());
}

BOOL CTreeOption::IsRootItemSelectOptionButtonItem(CTreeOptionItem* otiItem)
{
  for (CTreeOptionItem* pItem = otiItem; pItem != nullptr; pItem = pItem->GetSibling())
    if (pItem->IsSelectOptionButton1() || pItem->IsSelectOptionButton2())
      return TRUE;
  return FALSE;
}

void CTreeOption::ClearRootItemSelectOptionButton()
{
  ClearRootItemSelectOptionButtonItem(m_otiRootItem.GetChild());
}

void CTreeOption::ClearRootItemSelectOptionButtonItem(CTreeOptionItem* otiItem)
{
  for (CTreeOptionItem* pItem = otiItem; pItem != nullptr; pItem = pItem->GetSibling())
  {
    if (!pItem->IsSelectOptionButton1() && !pItem->IsSelectOptionButton2())
      continue;
    pItem->SetSelectOptionButton1(false);
    pItem->SetSelectOptionButton2(false);
    pItem->SetUpdateDraw();
  }
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
