#include "ListsTestSupport.h"

#include <commctrl.h>

CCanvas::CCanvas(int cx, int cy, COLORREF crFill) : m_pBits(nullptr), m_cx(cx), m_cy(cy), m_crFill(crFill)
{
  static const bool bControls = [] {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    return ::InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)bControls;
  // Top-down, 32 bits a pixel: row y starts at y * cx.
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* pBits = nullptr;
  m_hBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
  m_pBits = static_cast<const DWORD*>(pBits);
  m_dc.Attach(::CreateCompatibleDC(nullptr));
  m_hOldBitmap = ::SelectObject(m_dc, m_hBitmap);
  m_dc.FillSolidRect(0, 0, cx, cy, crFill);
}

CCanvas::~CCanvas()
{
  ::SelectObject(m_dc, m_hOldBitmap);
  ::DeleteDC(m_dc.Detach());
  ::DeleteObject(m_hBitmap);
}

COLORREF CCanvas::Pixel(int x, int y) const
{
  ::GdiFlush();
  if (x < 0 || y < 0 || x >= m_cx || y >= m_cy)
    return CLR_INVALID;
  const DWORD dwBits = m_pBits[y * m_cx + x];
  return RGB((dwBits >> 16) & 0xFF, (dwBits >> 8) & 0xFF, dwBits & 0xFF);
}

int CCanvas::Count(const RECT& rect, COLORREF colour) const
{
  int nCount = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      nCount += Pixel(x, y) == colour ? 1 : 0;
  return nCount;
}

int CCanvas::FirstColumnNot(const RECT& rect, COLORREF colour) const
{
  for (int x = rect.left; x < rect.right; ++x)
    for (int y = rect.top; y < rect.bottom; ++y)
      if (Pixel(x, y) != colour)
        return x;
  return -1;
}

COLORREF Sys(int nIndex)
{
  return ::GetSysColor(nIndex);
}

HFONT CrispFont(int nHeight)
{
  return ::CreateFontA(nHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, "Tahoma");
}

DRAWITEMSTRUCT DrawStruct(CWnd& control, CCanvas& canvas, int nItemID, const void* pRecord, const RECT& rcItem,
                          UINT nAction, UINT nState)
{
  DRAWITEMSTRUCT draw = {};
  draw.CtlID = static_cast<UINT>(control.GetDlgCtrlID());
  draw.itemID = static_cast<UINT>(nItemID);
  draw.itemAction = nAction;
  draw.itemState = nState;
  draw.hwndItem = control.m_hWnd;
  draw.hDC = canvas.DC().m_hDC;
  draw.rcItem = rcItem;
  draw.itemData = reinterpret_cast<ULONG_PTR>(pRecord);
  return draw;
}

void Click(CWnd& wnd, UINT nMessage, CPoint point)
{
  const bool bRight = nMessage == WM_RBUTTONDOWN || nMessage == WM_RBUTTONDBLCLK;
  const LPARAM lPoint = MAKELPARAM(point.x, point.y);
  wnd.PostMessage(bRight ? WM_RBUTTONUP : WM_LBUTTONUP, 0, lPoint);
  wnd.SendMessage(nMessage, bRight ? MK_RBUTTON : MK_LBUTTON, lPoint);
  PumpMessages(20);
}

std::string DescribeBmpMenu(HMENU hMenu)
{
  std::string strMenu;
  for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
  {
    if (i > 0)
      strMenu += ' ';
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    ::GetMenuItemInfoA(hMenu, static_cast<UINT>(i), TRUE, &info);
    if ((info.fType & MFT_SEPARATOR) != 0)
    {
      strMenu += '-';
      continue;
    }
    const CBmpMenuData* pData = reinterpret_cast<const CBmpMenuData*>(info.dwItemData);
    strMenu += ((info.fType & MFT_OWNERDRAW) != 0 && pData != nullptr ? std::string(pData->GetString()) : "?") + ":" +
               std::to_string(info.wID);
    // MFS_GRAYED holds the disabled bit too; MF_DISABLED alone is the bit without the grey.
    const UINT nState = ::GetMenuState(hMenu, static_cast<UINT>(i), MF_BYPOSITION);
    if ((nState & MF_GRAYED) != 0)
      strMenu += "/grayed";
    else if ((nState & MF_DISABLED) != 0)
      strMenu += "/disabled";
    if ((nState & MF_CHECKED) != 0)
      strMenu += "/checked";
  }
  return strMenu;
}

LRESULT CListParent::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message == WM_GETFONT)
    return reinterpret_cast<LRESULT>(m_hFont);
  return CTestParent::WindowProc(message, wParam, lParam);
}
