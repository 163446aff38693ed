#include "TreeOptionList.h"

#include "BmpMenuMemDC.h"
#include "TreeOption.h"
#include "TreeOptionMessages.h"

#include <algorithm>

namespace
{
// In pixels at 96 DPI.
const long kLineStep = 18;
const long kMinDropColumn = 17;
const int kDragBarWidth = 4;
const int kFitMargin = 5;
const long kPaintMargin = 32;
const int kViewBorder = 2;
}

IMPLEMENT_DYNAMIC(CTreeOptionList, CWnd)

BEGIN_MESSAGE_MAP(CTreeOptionList, CWnd)
  ON_WM_SIZE()
  ON_WM_PAINT()
  ON_WM_SETCURSOR()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_MOUSEMOVE()
  ON_WM_MOUSEWHEEL()
  ON_WM_KEYDOWN()
  ON_WM_GETDLGCODE()
  ON_WM_ERASEBKGND()
  ON_WM_KILLFOCUS()
  ON_WM_SIZING()
  ON_WM_VSCROLL()
END_MESSAGE_MAP()

CTreeOptionList::CTreeOptionList()
    : m_bUpdatePaint(FALSE), m_ptLastMousePoint(-1, -1), m_otOption(nullptr), m_bColDrag(FALSE), m_hSplitter(nullptr),
      m_hHand(nullptr), m_nDragX(-1)
{}

CTreeOptionList::~CTreeOptionList()
{
  if (m_hSplitter != nullptr)
    ::DestroyCursor(m_hSplitter);
  if (m_hHand != nullptr)
    ::DestroyCursor(m_hHand);
}

BOOL CTreeOptionList::Create(DWORD dwStyle, RECT rcRect, CWnd* pParentWnd, UINT nID)
{
  if (m_hSplitter == nullptr)
    m_hSplitter = ::LoadCursor(AfxGetInstanceHandle(), MAKEINTRESOURCE(IDC_TREEOPTION_SPLITTER));
  GetHandCursor();
  LPCTSTR pszClass =
      AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), nullptr);
  return CreateEx(0, pszClass, "", dwStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rcRect, pParentWnd, nID);
}

// The system hand cursor came with the help viewer; without it there is none.
void CTreeOptionList::GetHandCursor()
{
  char szWindows[MAX_PATH] = {};
  ::GetWindowsDirectoryA(szWindows, MAX_PATH);
  CString strPath(szWindows);
  strPath += "\\winhlp32.exe";
  if (HMODULE hHelp = ::LoadLibraryA(strPath))
  {
    m_hHand = ::LoadCursor(nullptr, IDC_HAND);
    ::FreeLibrary(hHelp);
  }
}

bool CTreeOptionList::acceptsInput() const
{
  return m_otOption != nullptr && !m_otOption->IsDisableInput() && m_otOption->IsWindowEnabled();
}

int CTreeOptionList::scaled(int nPixels) const
{
  return m_otOption != nullptr ? m_otOption->Scaled(nPixels) : CDpiScale::OfWindow(this).Scale(nPixels);
}

void CTreeOptionList::repaint()
{
  m_bUpdatePaint = FALSE;
  Invalidate(FALSE);
  UpdateWindow();
}

// Scroll range.

void CTreeOptionList::UpdateResize()
{
  if (m_otOption == nullptr)
    return;
  if (!m_otOption->IsUseLabel())
    m_otOption->SetColumn(scaled(kMinDropColumn));
  const long lTotal = m_otOption->GetShownHeight();
  if (GetSafeHwnd() != nullptr)
  {
    CRect rcClient;
    GetClientRect(rcClient);
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMax = int(lTotal);
    si.nPage = UINT(rcClient.Height() + 1);
    SetScrollInfo(SB_VERT, &si, TRUE);
    if (long(si.nPage) > lTotal)
      m_otOption->SetOriginOffset(0);
  }
  m_otOption->SetColumn(m_otOption->GetColumn());
}

void CTreeOptionList::OnVScroll(UINT nSBCode, UINT, CScrollBar*)
{
  SetFocus();
  CRect rcClient;
  GetClientRect(rcClient);
  const long lPage = rcClient.Height() + 1;
  long lPosition = m_otOption != nullptr ? m_otOption->GetOrigin().y : 0;
  switch (nSBCode)
  {
  case SB_LINEUP:
    lPosition -= scaled(kLineStep);
    break;
  case SB_LINEDOWN:
    lPosition += scaled(kLineStep);
    break;
  case SB_PAGEUP:
    lPosition -= lPage;
    break;
  case SB_PAGEDOWN:
    lPosition += lPage;
    break;
  case SB_THUMBTRACK:
    lPosition = thumbTrackPosition();
    break;
  default:
    break;
  }
  SCROLLINFO si = {};
  si.cbSize = sizeof si;
  GetScrollInfo(SB_VERT, &si, SIF_RANGE);
  scrollTo(std::max<long>(std::min<long>(lPosition, si.nMax - lPage), si.nMin));
}

long CTreeOptionList::thumbTrackPosition()
{
  SCROLLINFO si = {};
  si.cbSize = sizeof si;
  GetScrollInfo(SB_VERT, &si, SIF_TRACKPOS);
  return si.nTrackPos;
}

void CTreeOptionList::scrollTo(long lPosition)
{
  if (m_otOption == nullptr)
    return;
  m_otOption->SetOriginOffset(lPosition);
  SetScrollPos(SB_VERT, int(lPosition));
  repaint();
}

BOOL CTreeOptionList::OnMouseWheel(UINT, short zDelta, CPoint)
{
  CRect rcClient;
  GetClientRect(rcClient);
  SCROLLINFO si = {};
  si.cbSize = sizeof si;
  GetScrollInfo(SB_VERT, &si, SIF_RANGE);
  if (si.nMax - si.nMin < rcClient.Height())
    return TRUE;
  SetFocus();
  OnVScroll(zDelta < 0 ? SB_LINEDOWN : SB_LINEUP, 0, nullptr);
  return TRUE;
}

void CTreeOptionList::OnSize(UINT nType, int cx, int cy)
{
  CWnd::OnSize(nType, cx, cy);
  if (m_otOption == nullptr)
    return;
  UpdateResize();
  m_otOption->UpdateMoveAllItems();
  Invalidate(FALSE);
}

void CTreeOptionList::OnSizing(UINT fwSide, LPRECT pRect)
{
  CWnd::OnSizing(fwSide, pRect);
  if (m_otOption == nullptr)
    return;
  UpdateResize();
  m_otOption->UpdateMoveAllItems();
  Invalidate(FALSE);
}

// Painting.

BOOL CTreeOptionList::OnEraseBkgnd(CDC*) { return FALSE; }

void CTreeOptionList::OnPaint()
{
  CPaintDC dc(this);
  if (m_otOption == nullptr)
    return;
  if (m_bUpdatePaint)
  {
    updatePaint();
    return;
  }
  CRect rcClient;
  GetClientRect(rcClient);
  fullPaint(&dc, rcClient, dc.m_ps.rcPaint);
}

// Draws the rows that meet the paint area; what lies outside it stays as the screen shows it.
void CTreeOptionList::fullPaint(CDC* pDC, const CRect& rcClient, const CRect& rcPaint)
{
  CBmpMenuMemDC dc(pDC, rcClient);
  m_otOption->ClearAllLabelRect();
  // A row may draw a little beyond its own band (a tall font): its neighbours count as meeting.
  const std::vector<CTreeOptionItem*> arRows =
      m_otOption->LayOutRows(rcClient.top - scaled(kPaintMargin), rcClient.bottom + scaled(kPaintMargin));
  const bool bEnabled = m_otOption->IsWindowEnabled() != FALSE;
  const COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);
  const COLORREF crBack = bEnabled ? ::GetSysColor(COLOR_WINDOW) : crFace;
  dc.FillSolidRect(rcClient, crFace);
  CRect rcInner(rcClient);
  rcInner.DeflateRect(scaled(kViewBorder), scaled(kViewBorder));
  dc.FillSolidRect(rcInner, crBack);
  dc.FillSolidRect(0, 0, m_otOption->GutterWidth(), rcClient.Height(),
                   m_otOption->GetShadeExpandColumn() ? crFace : crBack);
  const int nSaved = dc.SaveDC();
  dc.IntersectClipRect(rcClient);
  const long lOffset = m_otOption->GetOrigin().y;
  const long lMargin = scaled(kPaintMargin);
  for (CTreeOptionItem* pRow : arRows)
  {
    const CPoint ptRow = pRow->GetLocation();
    const long lTop = ptRow.y - lOffset;
    const long lBottom = lTop + pRow->GetHeight();
    const bool bPainted = lTop < rcPaint.bottom + lMargin && lBottom > rcPaint.top - lMargin;
    // A row that has just left the view is drawn out of sight, so that its window follows it.
    const bool bLeft = lTop >= rcClient.bottom + lMargin || lBottom <= rcClient.top - lMargin;
    if (bPainted || bLeft)
      pRow->DrawItem(&dc, rcClient, ptRow.x, ptRow.y, true);
  }
  dc.RestoreDC(nSaved);
  dc.FillSolidRect(m_otOption->GutterWidth(), 0, 1, rcClient.Height(), ::GetSysColor(COLOR_BTNSHADOW));
  CRect rcBorder(rcClient);
  dc.DrawEdge(rcBorder, BDR_SUNKENOUTER, BF_RECT);
  if (m_bColDrag)
    drawDragBar(&dc, rcClient);
}

void CTreeOptionList::drawDragBar(CDC* pDC, const CRect& rcClient)
{
  static const WORD kChecker[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  CBitmap bmChecker;
  bmChecker.CreateBitmap(8, 8, 1, 1, kChecker);
  CBrush brChecker;
  brChecker.CreatePatternBrush(&bmChecker);
  const int nWidth = scaled(kDragBarWidth);
  const int x = m_nDragX - nWidth / 2;
  pDC->SetBrushOrg(x, 0);
  CBrush* pOld = pDC->SelectObject(&brChecker);
  pDC->PatBlt(x, 0, nWidth, rcClient.Height(), PATINVERT);
  pDC->SelectObject(pOld);
}

// Redraws only the rows marked for it, over a copy of what the screen shows.
void CTreeOptionList::updatePaint()
{
  m_bUpdatePaint = FALSE;
  CClientDC dcClient(this);
  CRect rcClient;
  GetClientRect(rcClient);
  CBmpMenuMemDC dc(&dcClient, rcClient);
  dc.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &dcClient, 0, 0, SRCCOPY);
  const int nSaved = dc.SaveDC();
  dc.IntersectClipRect(rcClient);
  if (m_otOption->IsLayoutCurrent())
    redrawMarkedRows(&dc, rcClient);
  else
  {
    // Rows moved since the last full repaint: find where it would put them now.
    long lY = 0;
    for (CTreeOptionItem* pRoot = m_otOption->GetRootItem()->GetChild(); pRoot != nullptr; pRoot = pRoot->GetSibling())
      lY += updateDrawItem(pRoot, &dc, rcClient, 0, lY, 1);
    keepMarkedRows(m_otOption->TakeRowsToRedraw());
  }
  dc.RestoreDC(nSaved);
}

// The marked rows where the last full repaint placed them, in drawing order.
void CTreeOptionList::redrawMarkedRows(CDC* pDC, const CRect& rcClient)
{
  std::vector<CTreeOptionItem*> arRows = m_otOption->TakeRowsToRedraw();
  std::vector<CTreeOptionItem*> arUnseen;
  std::vector<CTreeOptionItem*> arShown;
  for (CTreeOptionItem* pRow : arRows)
    (m_otOption->IsItemVisible(pRow) ? arShown : arUnseen).push_back(pRow);
  std::sort(arShown.begin(), arShown.end(),
            [](CTreeOptionItem* pA, CTreeOptionItem* pB) { return pA->GetLocation().y < pB->GetLocation().y; });
  for (CTreeOptionItem* pRow : arShown)
    if (pRow->IsUpdateDraw())
      redrawRow(pRow, pDC, rcClient, pRow->GetLocation().x, pRow->GetLocation().y);
  // Rows under collapsed ones keep their mark for when they show again.
  keepMarkedRows(arUnseen);
}

void CTreeOptionList::keepMarkedRows(const std::vector<CTreeOptionItem*>& arRows)
{
  for (CTreeOptionItem* pRow : arRows)
    if (pRow->IsUpdateDraw())
      pRow->SetUpdateDraw();
}

void CTreeOptionList::redrawRow(CTreeOptionItem* otiItem, CDC* pDC, const RECT& rcClient, long lX, long lY)
{
  otiItem->DrawItem(pDC, rcClient, lX, lY, true);
  // An in-place window of the selected row paints itself over what the row drew.
  if (otiItem->IsSelected())
    otiItem->DrawSelectItem();
}

long CTreeOptionList::updateDrawItem(CTreeOptionItem* otiItem, CDC* pDC, const RECT& rcClient, long lX, long lY,
                                     long lRootLevel)
{
  if (otiItem->IsUpdateDraw())
    redrawRow(otiItem, pDC, rcClient, lX, lY);
  long lHeight = otiItem->GetHeight();
  if (!otiItem->IsExpanded())
    return lHeight;
  const long lChildX = lRootLevel != 0 ? lX : lX + m_otOption->LevelIndent();
  for (CTreeOptionItem* pChild = otiItem->GetChild(); pChild != nullptr; pChild = pChild->GetSibling())
    lHeight += updateDrawItem(pChild, pDC, rcClient, lChildX, lY + lHeight, 0);
  return lHeight;
}

BOOL CTreeOptionList::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
  if (m_otOption != nullptr && nHitTest == HTCLIENT)
  {
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    const long lHit = m_otOption->HitTest(point);
    if (lHit == OT_HIT_COLUMN || lHit == OT_HIT_EXPAND)
    {
      ::SetCursor(lHit == OT_HIT_COLUMN ? m_hSplitter : m_hHand);
      return TRUE;
    }
  }
  return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

// Mouse.

void CTreeOptionList::OnLButtonDown(UINT nFlags, CPoint point)
{
  if (!acceptsInput())
  {
    CWnd::OnLButtonDown(nFlags, point);
    return;
  }
  SetFocus();
  const long lHit = m_otOption->HitTest(point);
  switch (lHit)
  {
  case OT_HIT_COLUMN:
    if (m_otOption->SendNotify(UINT(OT_NOTIFY_COLUMNCLICK), nullptr) == 0)
      startDrag();
    return;
  case OT_HIT_EXPAND: {
    CTreeOptionItem* pItem = m_otOption->FindItemAll(point);
    if (pItem != nullptr && pItem->GetChild() != nullptr && toggleExpand(pItem))
      m_otOption->SendParentMessage(CTreeOption_Msg_ChangedExpand, 0);
    return;
  }
  case OT_HIT_OPTIONBUTTON1:
    m_otOption->SendParentMessage(CTreeOption_Msg_PushOptionButton1, 0);
    return;
  case OT_HIT_OPTIONBUTTON2:
    m_otOption->SendParentMessage(CTreeOption_Msg_PushOptionButton2, 0);
    return;
  default:
    if (CTreeOptionItem* pItem = m_otOption->FindItemAll(point))
      clickRow(lHit, pItem);
    else
      clickNowhere();
  }
}

void CTreeOptionList::startDrag()
{
  m_bColDrag = TRUE;
  SetCapture();
  m_nDragX = int(m_otOption->GetColumn());
  repaint();
}

// Asks the host, then expands or collapses the row; false when the host vetoed.
bool CTreeOptionList::toggleExpand(CTreeOptionItem* otiItem)
{
  if (!hostAllowsExpand(otiItem))
    return false;
  expandRow(otiItem, !otiItem->IsExpanded());
  return true;
}

// False when the host vetoed, or deleted the row meanwhile.
bool CTreeOptionList::hostAllowsExpand(CTreeOptionItem* otiItem)
{
  const CTreeOption::CItemWatch watch(otiItem);
  const bool bAllowed = m_otOption->SendNotify(UINT(OT_NOTIFY_ITEMEXPANDING), otiItem) == 0;
  if (!watch.IsDeleted())
    return bAllowed;
  repaint();
  return false;
}

void CTreeOptionList::expandRow(CTreeOptionItem* otiItem, BOOL bExpand)
{
  otiItem->Expand(bExpand);
  UpdateResize();
  repaint();
  CheckVisibleFocus();
}

void CTreeOptionList::clickRow(long lHit, CTreeOptionItem* otiItem)
{
  if (otiItem->IsReadOnly())
    return;
  const CTreeOption::CItemWatch watch(otiItem);
  CTreeOptionItem* pOld = m_otOption->GetFocusedItem();
  // A row deselected here may commit, and the host told of it may delete the clicked row.
  m_otOption->SelectItems(nullptr, FALSE);
  if (!watch.IsDeleted())
  {
    otiItem->Select(TRUE);
    if (otiItem != pOld)
      m_otOption->SendNotify(UINT(OT_NOTIFY_SELCHANGE), otiItem);
  }
  if (!watch.IsDeleted() && lHit == OT_HIT_ATTRIBUTE && !otiItem->IsRootLevel())
    activateRow(otiItem);
  if (!watch.IsDeleted())
  {
    m_otOption->SetFocusedItem(otiItem);
    return;
  }
  // The host deleted the row the focus was moving to; a focus it chose itself stays.
  if (m_otOption->GetFocusedItem() == pOld)
    m_otOption->SetFocusedItem(nullptr);
  repaint();
}

void CTreeOptionList::activateRow(CTreeOptionItem* otiItem)
{
  const CTreeOption::CItemWatch watch(otiItem);
  if (m_otOption->SendNotify(UINT(OT_NOTIFY_ACTIVATEITEM), otiItem) == 0 && !watch.IsDeleted())
    otiItem->Activate();
}

void CTreeOptionList::clickNowhere()
{
  m_otOption->SelectItems(nullptr, FALSE);
  m_otOption->SetFocusedItem(nullptr);
  m_otOption->SendNotify(UINT(OT_NOTIFY_SELCHANGE), nullptr);
  repaint();
}

void CTreeOptionList::OnLButtonUp(UINT nFlags, CPoint point)
{
  if (!m_bColDrag || !acceptsInput())
  {
    CWnd::OnLButtonUp(nFlags, point);
    return;
  }
  m_bColDrag = FALSE;
  ::ReleaseCapture();
  CRect rcClient;
  GetClientRect(rcClient);
  m_otOption->SetColumn(std::min<long>(std::max<long>(point.x, scaled(kMinDropColumn)), rcClient.right - 1));
  m_otOption->UpdateMoveAllItems();
  repaint();
}

void CTreeOptionList::OnKillFocus(CWnd* pNewWnd)
{
  CWnd::OnKillFocus(pNewWnd);
  // A drag cannot outlive the focus: drop it where it started.
  if (!m_bColDrag)
    return;
  m_bColDrag = FALSE;
  ::ReleaseCapture();
  repaint();
}

void CTreeOptionList::OnLButtonDblClk(UINT nFlags, CPoint point)
{
  if (!acceptsInput())
  {
    CWnd::OnLButtonDblClk(nFlags, point);
    return;
  }
  CTreeOptionItem* pItem = m_otOption->FindItemAll(point);
  const long lHit = m_otOption->HitTest(point);
  if (pItem == nullptr || pItem->GetChild() == nullptr)
  {
    if (lHit == OT_HIT_COLUMN)
      fitColumn();
    return;
  }
  switch (lHit)
  {
  case OT_HIT_COLUMN:
    fitColumn();
    return;
  case OT_HIT_ATTRIBUTE:
  case OT_HIT_OPTIONBUTTON1:
  case OT_HIT_OPTIONBUTTON2:
    return;
  case OT_HIT_EXPAND:
    break;
  default:
    if (!selectAsFocus(pItem))
    {
      repaint();
      return;
    }
  }
  toggleExpand(pItem);
}

bool CTreeOptionList::selectAsFocus(CTreeOptionItem* otiItem)
{
  const CTreeOption::CItemWatch watch(otiItem);
  CTreeOptionItem* pOld = m_otOption->GetFocusedItem();
  m_otOption->SelectItems(nullptr, FALSE);
  if (watch.IsDeleted())
    return false;
  m_otOption->SetFocusedItem(otiItem);
  otiItem->Select(TRUE);
  if (otiItem != pOld)
    m_otOption->SendNotify(UINT(OT_NOTIFY_SELCHANGE), otiItem);
  return !watch.IsDeleted();
}

void CTreeOptionList::fitColumn()
{
  CRect rcClient;
  GetClientRect(rcClient);
  const CRect rcLargest = m_otOption->GetLargestVisibleLabel();
  m_otOption->SetColumn(std::min<long>(rcLargest.right + scaled(kFitMargin), rcClient.right - 1));
  m_otOption->UpdateMoveAllItems();
  repaint();
}

void CTreeOptionList::OnMouseMove(UINT nFlags, CPoint point)
{
  if (m_otOption == nullptr || point == m_ptLastMousePoint)
  {
    CWnd::OnMouseMove(nFlags, point);
    return;
  }
  if (m_bColDrag)
  {
    m_nDragX = point.x;
    repaint();
  }
  if (m_otOption->IsRootItemSelectOptionButton())
  {
    m_otOption->ClearRootItemSelectOptionButton();
    m_otOption->UpdateDraw();
  }
  moveOptionButtonHover(point);
  m_ptLastMousePoint = point;
}

void CTreeOptionList::moveOptionButtonHover(CPoint point)
{
  const long lHit = m_otOption->HitTest(point);
  if (lHit != OT_HIT_OPTIONBUTTON1 && lHit != OT_HIT_OPTIONBUTTON2)
    return;
  CTreeOptionItem* pItem = m_otOption->FindItemAll(point);
  if (lHit == OT_HIT_OPTIONBUTTON1)
    pItem->SetSelectOptionButton1(true);
  else
    pItem->SetSelectOptionButton2(true);
  pItem->SetUpdateDraw();
  m_otOption->UpdateDraw();
}

// Keys.

void CTreeOptionList::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
  if (!acceptsInput())
  {
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    return;
  }
  switch (nChar)
  {
  case VK_TAB:
    onTab(::GetKeyState(VK_SHIFT) < 0);
    break;
  case VK_RETURN:
    activateFocused();
    break;
  case VK_END:
    focusMoved(m_otOption->FocusLast());
    break;
  case VK_HOME:
    focusMoved(m_otOption->FocusFirst());
    break;
  case VK_LEFT:
    onLeftRight(false);
    break;
  case VK_UP:
    focusMoved(m_otOption->FocusPrev());
    break;
  case VK_RIGHT:
    onLeftRight(true);
    break;
  case VK_DOWN:
    focusMoved(m_otOption->FocusNext());
    break;
  default:
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
  }
}

UINT CTreeOptionList::OnGetDlgCode() { return DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS; }

void CTreeOptionList::focusMoved(CTreeOptionItem* otiMoved)
{
  if (otiMoved != nullptr)
    repaint();
}

void CTreeOptionList::onTab(bool bShift)
{
  CTreeOptionItem* pFocus = m_otOption->GetFocusedItem();
  if (pFocus != nullptr && !pFocus->IsRootLevel())
  {
    if (bShift)
      m_otOption->FocusPrev();
    else
      m_otOption->FocusNext();
  }
  activateFocused();
  repaint();
}

void CTreeOptionList::activateFocused()
{
  CTreeOptionItem* pFocus = m_otOption->GetFocusedItem();
  if (pFocus != nullptr && !pFocus->IsRootLevel() && !pFocus->IsReadOnly())
    pFocus->Activate();
}

void CTreeOptionList::onLeftRight(bool bRight)
{
  CTreeOptionItem* pFocus = m_otOption->GetFocusedItem();
  if (pFocus != nullptr)
  {
    const CTreeOption::CItemWatch watch(pFocus);
    const bool bAllowed = hostAllowsExpand(pFocus);
    if (watch.IsDeleted())
      return;
    if (bAllowed && pFocus->GetChild() != nullptr && (pFocus->IsExpanded() != FALSE) != bRight)
    {
      expandRow(pFocus, bRight);
      return;
    }
  }
  focusMoved(bRight ? m_otOption->FocusNext() : m_otOption->FocusPrev());
}

void CTreeOptionList::CheckVisibleFocus()
{
  CTreeOptionItem* pFocus = m_otOption != nullptr ? m_otOption->GetFocusedItem() : nullptr;
  if (pFocus == nullptr || m_otOption->IsItemVisible(pFocus))
    return;
  pFocus->Select(FALSE);
  m_otOption->SetFocusedItem(nullptr);
  m_otOption->SendNotify(UINT(OT_NOTIFY_SELCHANGE), nullptr);
  repaint();
}
