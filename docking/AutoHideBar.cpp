#include "AutoHideBar.h"

#include "ContextMenu.h"
#include "Resource.h"

#include <algorithm>

namespace
{
const int kNamelessLength = 21;
const int kSeparatorGap = 10;
// Posted to the strip when a button's bar was destroyed; lParam is the button's frame window.
const UINT WM_AUTOHIDE_REMOVEBARLESS = WM_USER + 0x0B;

enum
{
  ID_AUTOHIDE_ALL_TITLES = 2001,
  ID_AUTOHIDE_EQUAL_TITLES = 2002,
  ID_AUTOHIDE_CLICK_OPEN = 2003
};

BOOL MakeStripFont(CFont& font, int nEscapement, const CDpiScale& dpi)
{
  return font.CreateFont(dpi.Scale(14), 0, nEscapement, nEscapement, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_ROMAN,
                         "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e");
}

// The menu's texts are looked up along the resource chain, so a host may supply its own.
CString MenuText(UINT nID)
{
  CString strText;
  strText.LoadString(nID);
  return strText;
}
}

IMPLEMENT_DYNAMIC(CAutoHideBar, CWnd)

BEGIN_MESSAGE_MAP(CAutoHideBar, CWnd)
  ON_MESSAGE(WM_SIZEPARENT, &CAutoHideBar::OnSizeParent)
  ON_WM_PAINT()
  ON_WM_SIZE()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEWHEEL()
  ON_WM_CONTEXTMENU()
  ON_MESSAGE(WM_AUTOHIDE_REMOVEBARLESS, &CAutoHideBar::OnRemoveBarless)
  ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &CAutoHideBar::OnDpiChangedAfterParent)
END_MESSAGE_MAP()

CAutoHideBar::CAutoHideBar()
    : side(0), barThickness(24), curSel(0), buttonImages(nullptr), mainFrame(nullptr), tabDisplayMode(-1),
      clickOpen(FALSE), allNamesFit(FALSE), itemLength(kNamelessLength), passingWheel(FALSE)
{
  makeFonts(CDpiScale::OfSystem());
}

void CAutoHideBar::makeFonts(const CDpiScale& dpi)
{
  fontHorz.DeleteObject();
  fontVert.DeleteObject();
  MakeStripFont(fontHorz, 0, dpi);
  MakeStripFont(fontVert, 900, dpi);
  m_fontDpi = dpi;
}

void CAutoHideBar::followWindowDpi()
{
  const CDpiScale dpi = CDpiScale::OfWindow(m_hWnd);
  if (dpi == m_fontDpi)
    return;
  makeFonts(dpi);
  for (int i = 0; i < buttons.GetSize(); ++i)
    measureName(buttons[i]);
}

// Moved to a monitor of another DPI: the frame lays the strip out again at its new thickness.
LRESULT CAutoHideBar::OnDpiChangedAfterParent(WPARAM, LPARAM)
{
  followWindowDpi();
  SetRecalcLayout();
  if (auto* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, mainFrame))
    pFrame->DelayRecalcLayout();
  return Default();
}

void CAutoHideBar::measureName(CDrawButtonInfo* pInfo)
{
  if (pInfo->name.IsEmpty() || IsHorzStrip() || (pInfo->style & AHB_SEPARATOR))
    return;
  CClientDC dc(this);
  CFont* pOldFont = dc.SelectObject(&fontVert);
  pInfo->textWidth = dc.GetTextExtent(pInfo->name).cx;
  dc.SelectObject(pOldFont);
}

CAutoHideBar::~CAutoHideBar()
{
  while (buttons.GetSize() > 0)
    removeAt(static_cast<int>(buttons.GetSize()) - 1);
  DestroyWindow();
}

BOOL CAutoHideBar::Create(int nSide, CWnd* pFrame)
{
  side = nSide;
  LPCTSTR lpszClass =
      AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
                          static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)), ::LoadIcon(nullptr, IDI_APPLICATION));
  if (!CWnd::CreateEx(0, lpszClass, "HideBar", WS_CHILD | WS_CLIPCHILDREN, CRect(10, 10, 10, 10), pFrame,
                      static_cast<UINT>(nSide + 0xE9)))
    return FALSE;
  mainFrame = pFrame;
  followWindowDpi();
  return TRUE;
}

// Buttons -------------------------------------------------------------------------------------

BOOL CAutoHideBar::samePin(const CDrawButtonInfo* pA, const CDrawButtonInfo* pB) const
{
  return pA->pinBar == pB->pinBar && !(pA->style & AHB_SEPARATOR) && !(pB->style & AHB_SEPARATOR);
}

void CAutoHideBar::AddButton(LPCTSTR lpszName, DWORD dwStyle, CWnd* pBar, CWnd* pOldParent, CRect* pDocked,
                             CPinDockBar* pPin, int nImage)
{
  insertButton(lpszName, dwStyle, pBar, pOldParent, pDocked, pPin, nImage, static_cast<int>(buttons.GetSize()), TRUE);
}

void CAutoHideBar::InsertButton(LPCTSTR lpszName, DWORD dwStyle, CWnd* pBar, CWnd* pOldParent, CRect* pDocked,
                                CPinDockBar* pPin, int nImage, int nIndex)
{
  insertButton(lpszName, dwStyle, pBar, pOldParent, pDocked, pPin, nImage, nIndex, FALSE);
}

void CAutoHideBar::insertButton(LPCTSTR lpszName, DWORD dwStyle, CWnd* pBar, CWnd* pOldParent, CRect* pDocked,
                                CPinDockBar* pPin, int nImage, int nIndex, BOOL bAsGiven)
{
  auto* pInfo = new CDrawButtonInfo;
  pInfo->name = lpszName != nullptr ? lpszName : "";
  pInfo->bar = pBar;
  pInfo->pinBar = pPin;
  pInfo->oldParent = pOldParent;
  pInfo->image = nImage;
  pInfo->style = dwStyle;
  if (!bAsGiven && !(dwStyle & AHB_SEPARATOR))
  {
    pInfo->style |= AHB_ACTIVE;
    for (int i = 0; i < buttons.GetSize(); ++i)
    {
      if (samePin(buttons[i], pInfo) && (buttons[i]->style & AHB_ACTIVE))
        pInfo->style &= ~AHB_ACTIVE;
    }
  }
  if (!(dwStyle & AHB_SEPARATOR))
  {
    if (pDocked != nullptr)
      pInfo->dockedRect = *pDocked;
    const int nCount = static_cast<int>(buttons.GetSize());
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!pInfo->frame.CreateEx(0, lpszClass, pInfo->name, WS_POPUP | WS_BORDER | WS_THICKFRAME,
                               CRect(5 * nCount, 0, 190, 140), this, 0))
    {
      delete pInfo;
      AfxThrowResourceException();
    }
    pInfo->frame.caption = pInfo->name;
    pInfo->frame.autoHideBar = this;
    if (pBar != nullptr)
    {
      pBar->SetParent(&pInfo->frame);
      if (pDocked != nullptr)
        pInfo->frame.slideLength = IsHorzStrip() ? pDocked->Height() + 2 * ::GetSystemMetrics(SM_CYFRAME)
                                                 : pDocked->Width() + 2 * ::GetSystemMetrics(SM_CXFRAME);
    }
    measureName(pInfo);
  }
  const int nAt = (std::max)(0, (std::min)(nIndex, static_cast<int>(buttons.GetSize())));
  buttons.InsertAt(nAt, pInfo);
  // The shown button keeps its place.
  if (curSel >= nAt && curSel < buttons.GetSize() - 1)
    ++curSel;
  RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

int CAutoHideBar::buttonOf(const CWnd* pBar) const
{
  for (int i = 0; i < buttons.GetSize(); ++i)
  {
    if (buttons[i]->bar == pBar)
      return i;
  }
  return -1;
}

void CAutoHideBar::RemoveButton(CWnd* pBar)
{
  const int nIndex = buttonOf(pBar);
  if (nIndex < 0)
    return;
  CDrawButtonInfo* pInfo = buttons[nIndex];
  if (pBar != nullptr && pInfo->oldParent != nullptr)
    pBar->SetParent(pInfo->oldParent);
  removeAt(nIndex);
}

void CAutoHideBar::removeAt(int nIndex)
{
  CDrawButtonInfo* pInfo = buttons[nIndex];
  buttons.RemoveAt(nIndex);
  if (curSel == nIndex)
    curSel = -1;
  else if (curSel > nIndex)
    --curSel;
  if (pInfo->frame.m_hWnd != nullptr)
    pInfo->frame.DestroyWindow();
  if (pInfo->style & AHB_ACTIVE)
  {
    for (int i = 0; i < buttons.GetSize(); ++i)
    {
      if (samePin(buttons[i], pInfo))
      {
        buttons[i]->style |= AHB_ACTIVE;
        break;
      }
    }
  }
  delete pInfo;
}

// The record lets go of the bar at once; the button and its frame go once the destruction,
// which runs through that frame, is over.
void CAutoHideBar::OnBarDestroyed(CWnd* pBar)
{
  if (pBar == nullptr)
    return;
  for (int i = 0; i < buttons.GetSize(); ++i)
  {
    CDrawButtonInfo* pInfo = buttons[i];
    if (pInfo->pinBar == pBar)
      pInfo->pinBar = nullptr;
    if (pInfo->bar != pBar)
      continue;
    pInfo->bar = nullptr;
    PostMessage(WM_AUTOHIDE_REMOVEBARLESS, 0, reinterpret_cast<LPARAM>(pInfo->frame.m_hWnd));
  }
}

LRESULT CAutoHideBar::OnRemoveBarless(WPARAM, LPARAM lParam)
{
  for (int i = 0; i < buttons.GetSize(); ++i)
  {
    if (reinterpret_cast<LPARAM>(buttons[i]->frame.m_hWnd) != lParam || buttons[i]->bar != nullptr)
      continue;
    removeAt(i);
    SetRecalcLayout();
    if (auto* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, mainFrame))
      pFrame->DelayRecalcLayout();
    break;
  }
  return 0;
}

void CAutoHideBar::Shrink()
{
  for (int i = static_cast<int>(buttons.GetSize()) - 1; i >= 0; --i)
  {
    if (!(buttons[i]->style & AHB_SEPARATOR))
      continue;
    const int nLast = static_cast<int>(buttons.GetSize()) - 1;
    if (i == nLast || i == 0 || (buttons[i + 1]->style & AHB_SEPARATOR))
      removeAt(i);
  }
}

void CAutoHideBar::SetButtonStyle(int nIndex, int nStyle)
{
  if (nIndex < 0 || nIndex >= buttons.GetSize())
    return;
  CDrawButtonInfo* pInfo = buttons[nIndex];
  for (int i = 0; i < buttons.GetSize(); ++i)
  {
    if (samePin(buttons[i], pInfo))
      buttons[i]->style &= ~AHB_ACTIVE;
  }
  pInfo->style = (pInfo->style & ~0xFu) | (static_cast<DWORD>(nStyle) & 0xFu);
}

// Queries ------------------------------------------------------------------------------------

int CAutoHideBar::ButtonIndexToTabIndex(int nIndex)
{
  int nTab = 0;
  for (int i = 0; i < nIndex && i < buttons.GetSize(); ++i)
    nTab = (buttons[i]->style & AHB_SEPARATOR) ? 0 : nTab + 1;
  return nTab;
}

int CAutoHideBar::GetCurSel() { return ButtonIndexToTabIndex(curSel); }

int CAutoHideBar::TabIndexToButtonIndex(CPinDockBar* pPin, int nTab)
{
  int nSeen = 0;
  for (int i = 0; i < buttons.GetSize(); ++i)
  {
    CPinDockBar* pOther = buttons[i]->pinBar;
    if (pOther == nullptr || pPin == nullptr || pOther->m_hWnd != pPin->m_hWnd)
      continue;
    if (nSeen++ == nTab)
      return i;
  }
  return 0;
}

CPinDockBar* CAutoHideBar::FindCtrlBar(CWnd* pBar)
{
  for (int i = 0; i < buttons.GetSize(); ++i)
  {
    if (buttons[i]->bar == pBar && pBar != nullptr)
      return buttons[i]->pinBar;
  }
  return nullptr;
}

int CAutoHideBar::GetAHWindowSize(CWnd* pBar)
{
  for (int i = 0; i < buttons.GetSize(); ++i)
  {
    if (buttons[i]->bar == pBar && pBar != nullptr)
      return buttons[i]->frame.slideLength;
  }
  return px(200);
}

int CAutoHideBar::hitButton(CPoint point) const
{
  for (int i = 0; i < buttons.GetSize(); ++i)
  {
    const CDrawButtonInfo* pInfo = buttons[i];
    if (pInfo->style & AHB_SEPARATOR)
      continue;
    CRect rc = pInfo->rect;
    if (IsHorzStrip())
      rc.DeflateRect(px(5), 0);
    else
      rc.DeflateRect(0, px(5));
    if (rc.PtInRect(point))
      return i;
  }
  return -1;
}

BOOL CAutoHideBar::IsBarPtInRect(CPoint point)
{
  if (m_hWnd == nullptr || !IsWindowVisible())
    return FALSE;
  ScreenToClient(&point);
  return hitButton(point) >= 0;
}

BOOL CAutoHideBar::IsMainFrameInRect(CPoint point)
{
  if (mainFrame == nullptr)
    return TRUE;
  CRect rc;
  mainFrame->GetWindowRect(&rc);
  rc.DeflateRect(px(7), px(1));
  return rc.PtInRect(point);
}

int CAutoHideBar::groupCount() const
{
  int nGroups = buttons.GetSize() > 0 ? 1 : 0;
  for (int i = 0; i < buttons.GetSize(); ++i)
    nGroups += (buttons[i]->style & AHB_SEPARATOR) ? 1 : 0;
  return (std::max)(nGroups, 1);
}

int CAutoHideBar::groupButtonCount(int nIndex) const
{
  int nFirst = nIndex, nLast = nIndex;
  while (nFirst > 0 && !(buttons[nFirst - 1]->style & AHB_SEPARATOR))
    --nFirst;
  while (nLast + 1 < buttons.GetSize() && !(buttons[nLast + 1]->style & AHB_SEPARATOR))
    ++nLast;
  return (std::max)(nLast - nFirst + 1, 1);
}

// Layout and drawing ---------------------------------------------------------------------------

BOOL CAutoHideBar::IsAllTableNameDisplay()
{
  if (tabDisplayMode < 1 || buttons.GetSize() == 0)
    return FALSE;
  CRect rc;
  GetClientRect(&rc);
  int nAfterLast = 0, nWidest = 0;
  for (int i = 0; i < buttons.GetSize(); ++i)
  {
    nAfterLast = (buttons[i]->style & AHB_SEPARATOR) ? 0 : nAfterLast + 1;
    nWidest = (std::max)(nWidest, buttons[i]->textWidth);
  }
  return rc.Width() / groupCount() > nAfterLast * (nWidest + px(26));
}

int CAutoHideBar::GetNonActiveItemSize(int nIndex)
{
  if (buttons.GetSize() == 0 || !allNamesFit)
    return px(kNamelessLength);
  if (tabDisplayMode != 2)
  {
    int nWidest = 0;
    for (int i = 0; i < buttons.GetSize(); ++i)
      nWidest = (std::max)(nWidest, buttons[i]->textWidth);
    return nWidest + px(kNamelessLength);
  }
  CRect rc;
  GetClientRect(&rc);
  return rc.Width() / groupCount() / groupButtonCount(nIndex);
}

int CAutoHideBar::RecalcHeight(int nIndex, int nHeight)
{
  const int nGroups = groupCount();
  const int g = nHeight / nGroups, n = groupButtonCount(nIndex);
  if (tabDisplayMode == 2 && allNamesFit)
    return g / n;
  return g + px(2) - px(2) * nGroups - (n - 1) * itemLength;
}

void CAutoHideBar::CalcLayout()
{
  if (m_hWnd == nullptr)
    return;
  const BOOL bHorz = IsHorzStrip();
  CRect rcClient;
  GetClientRect(&rcClient);
  CClientDC dc(this);
  CFont* pOldFont = dc.SelectObject(bHorz ? &fontHorz : &fontVert);
  allNamesFit = bHorz ? FALSE : IsAllTableNameDisplay();
  itemLength = px(kNamelessLength);
  const int nInset = px(2);
  int nPos = bHorz ? rcClient.left + px(10) : rcClient.top + px(5);
  for (int i = 0; i < buttons.GetSize(); ++i)
  {
    CDrawButtonInfo* pInfo = buttons[i];
    if (pInfo->style & AHB_SEPARATOR)
    {
      nPos += px(kSeparatorGap);
      continue;
    }
    itemLength = GetNonActiveItemSize(i);
    int nLength = 0, nAdvance = 0;
    if (pInfo->style & (AHB_ACTIVE | AHB_ALWAYSNAME))
    {
      nLength = bHorz ? dc.GetTextExtent(pInfo->name).cx + px(18) : RecalcHeight(i, rcClient.Height()) - px(3);
      nAdvance = nLength - px(2);
    }
    else if ((pInfo->style & 0xF) == AHB_GROUPSELECT)
    {
      nLength = itemLength;
      nAdvance = itemLength - px(1);
    }
    else
      continue;
    pInfo->rect = bHorz ? CRect(nPos, rcClient.top + nInset, nPos + nLength, rcClient.bottom - nInset)
                        : CRect(rcClient.left + nInset, nPos, rcClient.right - nInset, nPos + nLength);
    nPos += nAdvance;
  }
  dc.SelectObject(pOldFont);
}

void CAutoHideBar::SetRecalcLayout()
{
  CalcLayout();
  Invalidate();
  UpdateWindow();
}

void CAutoHideBar::Draw(CDC* pDC)
{
  const BOOL bHorz = IsHorzStrip();
  CRect rcClient;
  GetClientRect(&rcClient);
  pDC->FillSolidRect(&rcClient, ::GetSysColor(COLOR_3DFACE));
  pDC->SetTextColor(RGB(0, 0, 0));
  const int nOldMode = pDC->SetBkMode(TRANSPARENT);
  CFont* pOldFont = pDC->SelectObject(bHorz ? &fontHorz : &fontVert);
  CBrush brushFrame(RGB(0, 0, 0));
  for (int i = 0; i < buttons.GetSize(); ++i)
  {
    const CDrawButtonInfo* pInfo = buttons[i];
    if ((pInfo->style & AHB_SEPARATOR) || pInfo->rect.IsRectEmpty())
      continue;
    const BOOL bNamed = (pInfo->style & (AHB_ACTIVE | AHB_ALWAYSNAME)) != 0;
    CRect rc = pInfo->rect;
    if (!bHorz && bNamed)
      rc.DeflateRect(px(2), 0);
    pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_INFOBK));
    pDC->FrameRect(&rc, &brushFrame);
    if ((pInfo->style & 0x3) && buttonImages != nullptr && pInfo->image >= 0)
      buttonImages->Draw(pDC, pInfo->image,
                         bHorz ? CPoint(rc.left + px(2), rc.top + px(2)) : CPoint(rc.left + px(2), rc.bottom - px(18)),
                         ILD_NORMAL);
    if (allNamesFit || bNamed)
    {
      const CPoint ptText =
          bHorz ? CPoint(rc.left + px(18), rc.top + px(1)) : CPoint(rc.left + px(1), rc.bottom - px(20));
      pDC->ExtTextOut(ptText.x, ptText.y, ETO_CLIPPED, &rc, pInfo->name, static_cast<UINT>(pInfo->name.GetLength()),
                      nullptr);
    }
  }
  pDC->SelectObject(pOldFont);
  pDC->SetBkMode(nOldMode);
}

void CAutoHideBar::OnPaint()
{
  CPaintDC dc(this);
  Draw(&dc);
}

void CAutoHideBar::OnSize(UINT nType, int cx, int cy)
{
  CWnd::OnSize(nType, cx, cy);
  SetRecalcLayout();
}

LRESULT CAutoHideBar::OnSizeParent(WPARAM, LPARAM lParam)
{
  auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  if (buttons.GetSize() == 0)
  {
    ShowWindow(SW_HIDE);
    return 0;
  }
  CRect rc(pLayout->rect);
  const int nThickness = px(barThickness);
  switch (side)
  {
  case 0:
    rc.bottom = rc.top + nThickness;
    pLayout->rect.top += nThickness;
    break;
  case 1:
    rc.right = rc.left + nThickness;
    pLayout->rect.left += nThickness;
    break;
  case 2:
    rc.left = rc.right - nThickness;
    pLayout->rect.right -= nThickness;
    break;
  default:
    rc.top = rc.bottom - nThickness;
    pLayout->rect.bottom -= nThickness;
    break;
  }
  if (pLayout->hDWP != nullptr)
  {
    SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    ShowWindow(SW_SHOWNA);
  }
  return 0;
}

// Hover and click ----------------------------------------------------------------------------

void CAutoHideBar::openButton(int nIndex, BOOL bTimer)
{
  CDrawButtonInfo* pInfo = buttons[nIndex];
  curSel = nIndex;
  if (pInfo->style & AHB_GROUPSELECT)
  {
    for (int i = 0; i < buttons.GetSize(); ++i)
    {
      if (samePin(buttons[i], pInfo))
        buttons[i]->style &= ~AHB_ACTIVE;
    }
    pInfo->style |= AHB_ACTIVE;
  }
  if (pInfo->pinBar != nullptr)
    pInfo->pinBar->TabSelChange(ButtonIndexToTabIndex(nIndex));
  SetRecalcLayout();
  pInfo->frame.SendMessage(WM_DRAWFRAME_SHOWOFF);
  if (bTimer)
    pInfo->frame.SetShowHideTimer();
}

void CAutoHideBar::_CheckItemChange(UINT, CPoint point, BOOL bClick)
{
  int nHit = hitButton(point);
  if (nHit < 0)
    return;
  CDrawButtonInfo* pHit = buttons[nHit];
  if (nHit == curSel && pHit->frame.IsWindowVisible())
  {
    if (clickOpen && bClick)
      pHit->frame.SendMessage(WM_DRAWFRAME_SHOWHIDE);
    return;
  }
  const int nKeeper = lastButtonWith(AHB_KEEPOPEN);
  if (nHit != curSel && nKeeper >= 0 && (pHit->style & AHB_LEAVEKEEPER))
  {
    if (bClick)
    {
      leaveAndRetry(pHit, point);
      return;
    }
    // Pointing at such a button brings the keeper's bar back instead.
    CDrawFrame& keeperFrame = buttons[nKeeper]->frame;
    if (clickOpen || (curSel == nKeeper && keeperFrame.IsWindowVisible()))
      return;
    if (curSel == nKeeper)
    {
      keeperFrame.SendMessage(WM_DRAWFRAME_SHOWOFF);
      keeperFrame.SetShowHideTimer();
    }
    nHit = nKeeper;
  }
  // In hover mode a click opens nothing.
  else if (bClick && !clickOpen && nHit != curSel)
    return;
  openButton(nHit, CDrawFrame::st_nAutoShowHideTimer != 0);
}

int CAutoHideBar::lastButtonWith(DWORD dwStyle) const
{
  int nLast = -1;
  for (int i = 0; i < buttons.GetSize(); ++i)
    nLast = (buttons[i]->style & dwStyle) ? i : nLast;
  return nLast;
}

// The clicked bar leaves auto-hide mode; what that changed is settled before the click counts
// again. A bar that stayed would be asked for ever: its click ends here.
void CAutoHideBar::leaveAndRetry(CDrawButtonInfo* pHit, CPoint point)
{
  CWnd* pBar = pHit->bar;
  if (pBar != nullptr)
    pBar->SendMessage(WM_AUTOHIDE_LEAVE);
  MSG msg;
  while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
  {
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }
  curSel = -1;
  for (int i = 0; i < buttons.GetSize(); ++i)
  {
    if (buttons[i]->bar == pBar && (buttons[i]->style & AHB_LEAVEKEEPER))
      return;
  }
  _CheckItemChange(0, point, TRUE);
}

void CAutoHideBar::OnMouseMove(UINT nFlags, CPoint point)
{
  if (!clickOpen)
    _CheckItemChange(nFlags, point, FALSE);
  CWnd::OnMouseMove(nFlags, point);
}

void CAutoHideBar::OnLButtonDown(UINT nFlags, CPoint point)
{
  _CheckItemChange(nFlags, point, TRUE);
  CWnd::OnLButtonDown(nFlags, point);
}

BOOL CAutoHideBar::SetDisplayPage(int nIndex, BOOL bTimer)
{
  if (nIndex < 0 || nIndex >= buttons.GetSize())
    return FALSE;
  CDrawButtonInfo* pInfo = buttons[nIndex];
  if (pInfo->style & AHB_SEPARATOR)
    return TRUE;
  const BOOL bTimed = bTimer && CDrawFrame::st_nAutoShowHideTimer != 0;
  if (nIndex != curSel)
    openButton(nIndex, bTimed);
  else if (!pInfo->frame.IsWindowVisible())
  {
    pInfo->frame.SendMessage(WM_DRAWFRAME_SHOWOFF);
    if (bTimed)
      pInfo->frame.SetShowHideTimer();
  }
  else if (clickOpen)
    pInfo->frame.SendMessage(WM_DRAWFRAME_SHOWHIDE);
  return TRUE;
}

// A bar that does not take the wheel passes it to its parent, the frame, which hands it here
// again: that one is the same turn of the wheel and ends here.
BOOL CAutoHideBar::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
  if (passingWheel || curSel < 0 || curSel >= buttons.GetSize())
    return TRUE;
  CWnd* pBar = buttons[curSel]->bar;
  if (pBar == nullptr || pBar->m_hWnd == nullptr)
    return TRUE;
  passingWheel = TRUE;
  pBar->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(nFlags, zDelta), MAKELPARAM(pt.x, pt.y));
  passingWheel = FALSE;
  return TRUE;
}

// Context menu -------------------------------------------------------------------------------

void CAutoHideBar::sendOptions()
{
  if (mainFrame != nullptr)
    mainFrame->SendMessage(WM_AUTOHIDE_OPTIONS, static_cast<WPARAM>(tabDisplayMode), clickOpen ? 1 : 0);
}

void CAutoHideBar::OnContextMenu(CWnd*, CPoint point)
{
  CBmpMenu menu;
  if (!menu.CreatePopupMenu())
    return;
  menu.AppendMenuA(MF_STRING | (tabDisplayMode > 0 ? MF_CHECKED : 0), ID_AUTOHIDE_ALL_TITLES,
                   MenuText(IDS_AUTOHIDE_ALL_TITLES));
  menu.AppendMenuA(MF_STRING | (tabDisplayMode == 2 ? MF_CHECKED : 0), ID_AUTOHIDE_EQUAL_TITLES,
                   MenuText(IDS_AUTOHIDE_EQUAL_TITLES));
  menu.AppendMenuA(MF_STRING | (clickOpen ? MF_CHECKED : 0), ID_AUTOHIDE_CLICK_OPEN, MenuText(IDS_AUTOHIDE_CLICK_OPEN));
  ZuntUseFlatMenuLook();
  if (mainFrame != nullptr)
    mainFrame->SendMessage(WM_AUTOHIDE_MENU, 1);
  const UINT nCommand =
      static_cast<UINT>(menu.TrackPopupMenu(TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, point.x, point.y, this));
  if (mainFrame != nullptr)
    mainFrame->SendMessage(WM_AUTOHIDE_MENU, 0);
  switch (nCommand)
  {
  case ID_AUTOHIDE_ALL_TITLES:
    tabDisplayMode = tabDisplayMode == 0 ? 1 : 0;
    break;
  case ID_AUTOHIDE_EQUAL_TITLES:
    tabDisplayMode = tabDisplayMode == 2 ? 1 : 2;
    break;
  case ID_AUTOHIDE_CLICK_OPEN:
    clickOpen = !clickOpen;
    break;
  default:
    return;
  }
  SetRecalcLayout();
  sendOptions();
}
