#include "PaletteButton.h"

#include "DpiScale.h"

namespace
{
// At 96 DPI: the arrow column, the focus inset, the face's content insets (the right one clears
// the arrow) and the gap between the button and its open palette.
const int kArrowWidth = 14;
const int kFocusInset = 3;
const int kFaceInset = 4;
const int kFaceRightInset = 18;
const int kPopupGap = 1;
}  // namespace

IMPLEMENT_DYNCREATE(CPaletteButton, CButton)

BEGIN_MESSAGE_MAP(CPaletteButton, CButton)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_LBUTTONDOWN()
  ON_WM_KEYDOWN()
  ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &CPaletteButton::OnDpiChangedAfterParent)
  ON_REGISTERED_MESSAGE(PaletteWnd_Msg_BeginPopup, &CPaletteButton::OnPaletteBeginPopup)
  ON_REGISTERED_MESSAGE(PaletteWnd_Msg_DrawCell, &CPaletteButton::OnPaletteDrawCell)
  ON_REGISTERED_MESSAGE(PaletteWnd_Msg_SelChanged, &CPaletteButton::OnPaletteSelChanged)
  ON_REGISTERED_MESSAGE(PaletteWnd_Msg_QueryEndPopup, &CPaletteButton::OnPaletteQueryEndPopup)
  ON_REGISTERED_MESSAGE(PaletteWnd_Msg_EndPopup, &CPaletteButton::OnPaletteEndPopup)
END_MESSAGE_MAP()

CPaletteButton::CPaletteButton() = default;

CPaletteButton::~CPaletteButton()
{
  if (::IsWindow(m_hWnd))
    DestroyWindow();
}

BOOL CPaletteButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
  return CButton::Create(lpszCaption, dwStyle | BS_OWNERDRAW, rect, pParentWnd, nID);
}

BOOL CPaletteButton::InitButton(DWORD dwStyle)
{
  if (::IsWindow(m_wndPalette.m_hWnd))
    return FALSE;
  if (!m_wndPalette.Create("Palette", dwStyle | WS_POPUP, CRect(100, 100, 200, 200), AfxGetMainWnd(), 0))
    return FALSE;
  m_wndPalette.SetOwnerWindow(this);
  m_wndPalette.AutoFitWindow();
  return TRUE;
}

void CPaletteButton::repaintNow()
{
  if (!::IsWindow(m_hWnd))
    return;
  Invalidate(FALSE);
  UpdateWindow();
}

BOOL CPaletteButton::DeleteCell(int nIndex)
{
  if (!m_wndPalette.DeleteCell(nIndex))
    return FALSE;
  repaintNow();
  return TRUE;
}

BOOL CPaletteButton::RemoveAll()
{
  if (!m_wndPalette.RemoveAll())
    return FALSE;
  repaintNow();
  return TRUE;
}

void CPaletteButton::SetCurSel(int nIndex)
{
  m_wndPalette.SetCurSel(nIndex);
  repaintNow();
}

int CPaletteButton::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
  const int nResult = CButton::OnCreate(lpCreateStruct);
  if (nResult != -1)
    EnableWindow(TRUE);
  return nResult;
}

void CPaletteButton::OnDestroy()
{
  if (::IsWindow(m_wndPalette.m_hWnd))
    m_wndPalette.DestroyWindow();
  CButton::OnDestroy();
}

void CPaletteButton::openPalette()
{
  CRect button, palette;
  GetWindowRect(&button);
  m_wndPalette.GetWindowRect(&palette);
  CPoint corner(button.left, button.bottom + CDpiScale::OfWindow(this).Scale(kPopupGap));
  if (corner.y + palette.Height() > ::GetSystemMetrics(SM_CYFULLSCREEN))
    corner.y = button.top - palette.Height();
  if (corner.x + palette.Width() > ::GetSystemMetrics(SM_CXFULLSCREEN))
    corner.x = button.right - palette.Width();
  m_wndPalette.DoPopup(corner);
}

void CPaletteButton::OnLButtonDown(UINT nFlags, CPoint point)
{
  if (!::IsWindow(m_wndPalette.m_hWnd))
    return;
  if (m_wndPalette.IsWindowVisible())
  {
    m_wndPalette.EndPopup();
    return;
  }
  SetFocus();
  SetState(TRUE);
  openPalette();
}

void CPaletteButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
  if (nChar != VK_SPACE)
  {
    CButton::OnKeyDown(nChar, nRepCnt, nFlags);
    return;
  }
  if (::IsWindow(m_wndPalette.m_hWnd) && !m_wndPalette.IsWindowVisible())
  {
    SetState(TRUE);
    openPalette();
  }
}

// The face's sizes are taken at drawing time; the open palette follows its own monitor.
LRESULT CPaletteButton::OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam)
{
  Invalidate();
  return 0;
}

void CPaletteButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
  CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
  CRect rect(lpDrawItemStruct->rcItem);
  const bool bDisabled = !IsWindowEnabled();
  const bool bPushed = isPushed() != FALSE;
  const UINT nLook = (bDisabled ? DFCS_INACTIVE : 0) | (bPushed ? DFCS_PUSHED : 0);
  pDC->DrawFrameControl(&rect, DFC_BUTTON, DFCS_BUTTONPUSH | nLook);
  CRect arrow = rect;
  arrow.left = arrow.right - arrowWidth();
  pDC->DrawFrameControl(&arrow, DFC_SCROLL, DFCS_SCROLLDOWN | nLook);
  if (bDisabled || bPushed || ::GetFocus() != m_hWnd)
    return;
  CRect focus(rect.left, rect.top, arrow.left, rect.bottom);
  const int nFocusInset = CDpiScale::OfWindow(this).Scale(kFocusInset);
  focus.DeflateRect(nFocusInset, nFocusInset);
  pDC->DrawFocusRect(&focus);
}

int CPaletteButton::arrowWidth() const { return CDpiScale::OfWindow(this).Scale(kArrowWidth); }

CRect CPaletteButton::faceContentRect(const RECT& item) const
{
  const CDpiScale scale = CDpiScale::OfWindow(this);
  const int nInset = scale.Scale(kFaceInset);
  return CRect(item.left + nInset, item.top + nInset, item.right - scale.Scale(kFaceRightInset), item.bottom - nInset);
}

void CPaletteButton::notifyParent(UINT nMessage, int nIndex)
{
  ::SendMessage(::GetParent(m_hWnd), nMessage, GetDlgCtrlID(), nIndex);
}

void CPaletteButton::DrawCell(CDC& dc, int nIndex, const RECT& rect)
{
  if (::IsWindow(m_wndPalette.m_hWnd))
    m_wndPalette.DrawCell(dc, nIndex);
}

LRESULT CPaletteButton::OnPaletteBeginPopup(WPARAM wParam, LPARAM lParam)
{
  OnBeginPopup(CPoint(static_cast<int>(wParam), static_cast<int>(lParam)));
  return 0;
}

LRESULT CPaletteButton::OnPaletteDrawCell(WPARAM wParam, LPARAM lParam)
{
  const PaletteDrawCellInfo* pInfo = reinterpret_cast<const PaletteDrawCellInfo*>(lParam);
  if (pInfo == nullptr)
    return 0;
  CDC empty;
  CDC* pDC = pInfo->hDC != nullptr ? CDC::FromHandle(pInfo->hDC) : &empty;
  DrawCell(*pDC, pInfo->nIndex, pInfo->rect);
  return 0;
}

LRESULT CPaletteButton::OnPaletteSelChanged(WPARAM wParam, LPARAM lParam)
{
  Invalidate(FALSE);
  OnSelChanged(static_cast<int>(lParam));
  return 0;
}

LRESULT CPaletteButton::OnPaletteQueryEndPopup(WPARAM wParam, LPARAM lParam)
{
  OnQueryEndPopup();
  return 0;
}

LRESULT CPaletteButton::OnPaletteEndPopup(WPARAM wParam, LPARAM lParam)
{
  SetState(FALSE);
  OnEndPopup();
  return 0;
}
