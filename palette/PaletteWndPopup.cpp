// The palette while popped up: opening and closing, the keyboard hook, mouse and keys, and the
// dummy window that accompanies the popup.
#include "PaletteWnd.h"

#include <utility>

namespace
{
// The keyboard hook of the open palette and the window it feeds; one per process.
HHOOK g_hKeyboardHook = nullptr;
HWND g_hKeyTarget = nullptr;

// Every key of the thread goes to the open palette and nowhere else.
LRESULT CALLBACK PaletteKeyboardHook(int nCode, WPARAM wParam, LPARAM lParam)
{
  // A peek that leaves the key in the queue (HC_NOREMOVE) would deliver it twice.
  if (nCode != HC_ACTION)
    return ::CallNextHookEx(g_hKeyboardHook, nCode, wParam, lParam);
  const bool bKeyUp = (lParam & 0x80000000) != 0;
  ::SendMessage(g_hKeyTarget, bKeyUp ? WM_KEYUP : WM_KEYDOWN, wParam, lParam);
  return 1;
}

void InstallKeyboardHook(HWND hTarget)
{
  if (g_hKeyboardHook != nullptr)
    ::UnhookWindowsHookEx(g_hKeyboardHook);
  g_hKeyTarget = hTarget;
  g_hKeyboardHook = ::SetWindowsHookExA(WH_KEYBOARD, PaletteKeyboardHook, nullptr, ::GetCurrentThreadId());
}

void RemoveKeyboardHook()
{
  if (g_hKeyboardHook != nullptr)
    ::UnhookWindowsHookEx(g_hKeyboardHook);
  g_hKeyboardHook = nullptr;
  g_hKeyTarget = nullptr;
}

// The palettes whose owners are being asked whether the popup may end, innermost first. An
// owner that ends the popup while asked gets it closed without being asked again.
class CEndQuery
{
public:
  explicit CEndQuery(const CPaletteWnd* pPalette) : m_pPalette(pPalette), m_pOuter(s_pInnermost)
  {
    s_pInnermost = this;
  }
  ~CEndQuery() { s_pInnermost = m_pOuter; }
  CEndQuery(const CEndQuery&) = delete;
  CEndQuery& operator=(const CEndQuery&) = delete;

  static bool IsAsking(const CPaletteWnd* pPalette)
  {
    for (const CEndQuery* pQuery = s_pInnermost; pQuery != nullptr; pQuery = pQuery->m_pOuter)
    {
      if (pQuery->m_pPalette == pPalette)
        return true;
    }
    return false;
  }

private:
  const CPaletteWnd* m_pPalette;
  CEndQuery* m_pOuter;
  static CEndQuery* s_pInnermost;
};

CEndQuery* CEndQuery::s_pInnermost = nullptr;

bool IsRelayedMouseMessage(UINT nMessage)
{
  switch (nMessage)
  {
  case WM_MOUSEMOVE:
  case WM_LBUTTONDOWN:
  case WM_LBUTTONUP:
  case WM_RBUTTONDOWN:
  case WM_RBUTTONUP:
  case WM_MBUTTONDOWN:
  case WM_MBUTTONUP:
    return true;
  default:
    return false;
  }
}
}  // namespace

IMPLEMENT_DYNAMIC(CPaletteDummyWnd, CWnd)

BEGIN_MESSAGE_MAP(CPaletteDummyWnd, CWnd)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

CPaletteDummyWnd::CPaletteDummyWnd() : m_lpszClassName(nullptr), m_pOwner(nullptr)
{
  m_lpszClassName = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_SAVEBITS);
  if (m_lpszClassName == nullptr)
    m_lpszClassName = "MENU";
}

void CPaletteDummyWnd::OnDestroy()
{
  // Destroyed with the owner's window before the palette: the owner is asked before it is told,
  // and the palette, letting go of this window, tells it the end itself.
  CPaletteWnd* pPalette = static_cast<CPaletteWnd*>(CWnd::FromHandlePermanent(g_hKeyTarget));
  if (pPalette != nullptr && pPalette->m_pDummyWnd == this)
  {
    pPalette->m_pDummyWnd = nullptr;
    m_pOwner = nullptr;
    pPalette->EndPopup();
  }
  if (m_pOwner != nullptr && m_pOwner->GetSafeHwnd() != nullptr)
    m_pOwner->SendMessage(PaletteWnd_Msg_EndPopup, 0, 0);
  CWnd::OnDestroy();
}

void CPaletteDummyWnd::PostNcDestroy()
{
  if (m_pOwner == nullptr)
    delete this;
}

BOOL CPaletteWnd::CreateDummyWindow(int x, int y)
{
  if (m_pDummyWnd != nullptr || m_pOwner == nullptr)
    return FALSE;
  try
  {
    m_pDummyWnd = new CPaletteDummyWnd;
  }
  catch (...)  // the framework's out-of-memory exception: the popup goes on without its companion
  {
    return FALSE;
  }
  CRect rect;
  GetWindowRect(&rect);
  m_pDummyWnd->m_pOwner = m_pOwner;
  if (!m_pDummyWnd->CreateEx(0, m_pDummyWnd->m_lpszClassName, nullptr, WS_POPUP, x, y, rect.Width(), rect.Height(),
                             m_pOwner->m_hWnd, nullptr))
  {
    delete m_pDummyWnd;
    m_pDummyWnd = nullptr;
    return FALSE;
  }
  return TRUE;
}

BOOL CPaletteWnd::DoPopup(const POINT& point)
{
  if (!::IsWindow(m_hWnd) || IsWindowVisible())
    return FALSE;
  CreateDummyWindow(point.x, point.y);
  SetWindowPos(&wndTopMost, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  notifyOwner(PaletteWnd_Msg_BeginPopup, static_cast<WPARAM>(point.x), static_cast<LPARAM>(point.y));
  if (m_pDummyWnd != nullptr)
    m_pDummyWnd->ShowWindow(SW_SHOWNA);
  ShowWindow(SW_SHOWNA);
  SetCapture();
  if (hasTips())
  {
    fitStaleTools();
    m_wndToolTip.Activate(TRUE);
  }
  InstallKeyboardHook(m_hWnd);
  m_bPoppedUp = TRUE;
  return TRUE;
}

BOOL CPaletteWnd::EndPopup()
{
  if (!m_bPoppedUp)
    return FALSE;
  if (!CEndQuery::IsAsking(this))
  {
    CEndQuery query(this);
    notifyOwner(PaletteWnd_Msg_QueryEndPopup);
    if (!m_bPoppedUp)
      return TRUE;  // the owner closed it while asked
  }
  m_bPoppedUp = FALSE;
  m_bArmed = FALSE;
  if (::GetCapture() == m_hWnd)
    ::ReleaseCapture();
  if (hasTips())
    m_wndToolTip.Activate(FALSE);
  RemoveKeyboardHook();
  ShowWindow(SW_HIDE);
  // The owner, told of the end, may free the palette: nothing of it is touched after that.
  if (CPaletteDummyWnd* pDummyWnd = std::exchange(m_pDummyWnd, nullptr))
  {
    pDummyWnd->DestroyWindow();
    delete pDummyWnd;
  }
  else
  {
    notifyOwner(PaletteWnd_Msg_EndPopup);
  }
  return TRUE;
}

void CPaletteWnd::armOrClose()
{
  if (m_bArmed)
    EndPopup();
  else
    m_bArmed = TRUE;
}

void CPaletteWnd::setHotCell(int nIndex)
{
  if (nIndex == m_nHotCell)
    return;
  const int nOld = m_nHotCell;
  m_nHotCell = nIndex;
  redrawCells(nOld, nIndex);
}

bool CPaletteWnd::pickCell(int nIndex)
{
  // A host may close the window holding the palette, and free it, when told of the pick.
  const HWND hWnd = m_hWnd;
  SetCurSel(nIndex);
  notifyOwner(PaletteWnd_Msg_SelChanged, 0, nIndex);
  return ::IsWindow(hWnd) != FALSE;
}

void CPaletteWnd::OnMouseMove(UINT nFlags, CPoint point)
{
  if (point != CPoint(m_ptLastMouse))
  {
    m_ptLastMouse = point;
    const int nHit = HitTest(point);
    if (nHit >= 0)
      m_bArmed = TRUE;
    setHotCell(nHit >= 0 ? nHit : -1);
  }
  CWnd::OnMouseMove(nFlags, point);
}

void CPaletteWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
  const HWND hWnd = m_hWnd;
  if (m_bPoppedUp && HitTest(point) == -2)
    armOrClose();
  if (::IsWindow(hWnd))  // else closed and perhaps freed by its owner
    CWnd::OnLButtonDown(nFlags, point);
}

void CPaletteWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
  const int nHit = HitTest(point);
  if (nHit >= 0 && !pickCell(nHit))
    return;
  CWnd::OnLButtonUp(nFlags, point);
  if (m_bPoppedUp && nHit != -1)
    armOrClose();
}

void CPaletteWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
  switch (nChar)
  {
  case VK_RETURN:
    if (!isCell(m_nHotCell) || pickCell(m_nHotCell))
      EndPopup();
    break;
  case VK_ESCAPE:
    EndPopup();
    break;
  case VK_LEFT:
  case VK_UP:
  case VK_RIGHT:
  case VK_DOWN:
    if (m_nCount > 0)
      moveHotCell(nChar);
    break;
  default:
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    break;
  }
}

void CPaletteWnd::moveHotCell(UINT nKey)
{
  int nHot = isCell(m_nHotCell) ? m_nHotCell : (isCell(m_nCurSel) ? m_nCurSel : 0);
  switch (nKey)
  {
  case VK_LEFT:
    nHot = nHot > 0 ? nHot - 1 : m_nCount - 1;
    m_bArmed = TRUE;
    break;
  case VK_RIGHT:
    nHot = nHot + 1 < m_nCount ? nHot + 1 : 0;
    m_bArmed = TRUE;
    break;
  case VK_UP:
    // From the top row to the lowest cell of the same column.
    nHot -= m_nCols;
    if (nHot < 0)
    {
      while (nHot + m_nCols < m_nCount)
        nHot += m_nCols;
    }
    break;
  case VK_DOWN:
    // From the bottom to the top row of the same column.
    nHot += m_nCols;
    if (nHot >= m_nCount)
    {
      while (nHot - m_nCols >= 0)
        nHot -= m_nCols;
    }
    break;
  }
  setHotCell(nHot);
}

void CPaletteWnd::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
  CWnd::OnActivateApp(bActive, dwThreadID);
  if (m_bPoppedUp)
    EndPopup();
}

BOOL CPaletteWnd::OnQueryEndSession()
{
  if (!CWnd::OnQueryEndSession())
    return FALSE;
  if (m_bPoppedUp)
    EndPopup();
  return TRUE;
}

void CPaletteWnd::OnMove(int x, int y)
{
  CWnd::OnMove(x, y);
  if (m_pDummyWnd == nullptr)
    return;
  CRect rect;
  GetWindowRect(&rect);
  m_pDummyWnd->SetWindowPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CPaletteWnd::PreTranslateMessage(MSG* pMsg)
{
  if (IsRelayedMouseMessage(pMsg->message) && hasTips())
  {
    fitStaleTools();
    m_wndToolTip.RelayEvent(pMsg);
  }
  return CWnd::PreTranslateMessage(pMsg);
}

void CPaletteWnd::OnDestroy()
{
  EndPopup();
  deleteCells();
  CWnd::OnDestroy();
}
