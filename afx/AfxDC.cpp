#include "AfxDC.h"
#include "AfxHandleOf.h"
#include "AfxThreadState.h"
#include "AfxWnd.h"

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CDC::~CDC()
{
  if (m_hDC != nullptr)
    DeleteDC();
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
  CDC* pDC = AfxGetThreadState().m_dcMap.FromHandle(hDC);
  if (pDC != nullptr && pDC->m_hAttribDC == nullptr)
    pDC->m_hAttribDC = pDC->m_hDC;
  return pDC;
}

void PASCAL CDC::DeleteTempMap() { AfxGetThreadState().m_dcMap.DeleteTemp(); }

BOOL CDC::Attach(HDC hDC)
{
  BOOL bAttached = AfxGetThreadState().m_dcMap.Attach(this, hDC);
  m_hAttribDC = m_hDC;
  return bAttached;
}

HDC CDC::Detach()
{
  m_hAttribDC = nullptr;
  return AfxGetThreadState().m_dcMap.Detach(this);
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) { return Attach(::CreateCompatibleDC(ZuntAfx::HandleOf(pDC))); }

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
  return Attach(::CreateDC(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODE*>(lpInitData)));
}

BOOL CDC::DeleteDC()
{
  if (m_hDC == nullptr)
    return FALSE;
  return ::DeleteDC(Detach());
}

CWnd* CDC::GetWindow() const { return CWnd::FromHandle(::WindowFromDC(m_hDC)); }

HGDIOBJ CDC::selectHandle(HGDIOBJ hObject)
{
  // Output and attribute contexts must hold the same objects; the result is the attribute one's.
  HGDIOBJ hOld = nullptr;
  if (m_hDC != m_hAttribDC)
    hOld = ::SelectObject(m_hDC, hObject);
  if (m_hAttribDC != nullptr)
    hOld = ::SelectObject(m_hAttribDC, hObject);
  return hOld;
}

CPen* CDC::SelectObject(CPen* pPen)
{
  return static_cast<CPen*>(CGdiObject::FromHandle(selectHandle(ZuntAfx::HandleOf(pPen))));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
  return static_cast<CBrush*>(CGdiObject::FromHandle(selectHandle(ZuntAfx::HandleOf(pBrush))));
}

CFont* CDC::SelectObject(CFont* pFont)
{
  return static_cast<CFont*>(CGdiObject::FromHandle(selectHandle(ZuntAfx::HandleOf(pFont))));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
  return static_cast<CBitmap*>(CGdiObject::FromHandle(selectHandle(ZuntAfx::HandleOf(pBitmap))));
}

// A region is copied into the context: the result is the region kind, not an object.
int CDC::SelectObject(CRgn* pRgn)
{
  return static_cast<int>(reinterpret_cast<INT_PTR>(selectHandle(ZuntAfx::HandleOf(pRgn))));
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
  return CGdiObject::FromHandle(selectHandle(::GetStockObject(nIndex)));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
  HPALETTE hOld = ::SelectPalette(m_hDC, static_cast<HPALETTE>(ZuntAfx::HandleOf(pPalette)), bForceBackground);
  return static_cast<CPalette*>(CGdiObject::FromHandle(hOld));
}

CFont* CDC::GetCurrentFont() const
{
  return static_cast<CFont*>(CGdiObject::FromHandle(::GetCurrentObject(m_hAttribDC, OBJ_FONT)));
}

CBitmap* CDC::GetCurrentBitmap() const
{
  return static_cast<CBitmap*>(CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

CPoint CDC::SetViewportOrg(int x, int y)
{
  POINT ptOld = {0, 0};
  ::SetViewportOrgEx(m_hDC, x, y, &ptOld);
  return ptOld;
}

CPoint CDC::GetViewportOrg() const
{
  POINT pt = {0, 0};
  ::GetViewportOrgEx(m_hAttribDC, &pt);
  return pt;
}

CPoint CDC::SetBrushOrg(int x, int y)
{
  POINT ptOld = {0, 0};
  ::SetBrushOrgEx(m_hDC, x, y, &ptOld);
  return ptOld;
}

CPoint CDC::MoveTo(int x, int y)
{
  POINT ptOld = {0, 0};
  ::MoveToEx(m_hDC, x, y, &ptOld);
  return ptOld;
}

BOOL CDC::RoundRect(LPCRECT lpRect, POINT point)
{
  return ::RoundRect(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
  // ExtTextOut with an opaque rectangle fills without a brush object.
  ::SetBkColor(m_hDC, clr);
  ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
  RECT rect = {x, y, x + cx, y + cy};
  FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
  Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
             clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
  FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
  FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
  FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
  FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
  return ::FillRgn(m_hDC, static_cast<HRGN>(ZuntAfx::HandleOf(pRgn)), static_cast<HBRUSH>(ZuntAfx::HandleOf(pBrush)));
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
  return ::FrameRgn(m_hDC, static_cast<HRGN>(ZuntAfx::HandleOf(pRgn)), static_cast<HBRUSH>(ZuntAfx::HandleOf(pBrush)),
                    nWidth, nHeight);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
  return ::BitBlt(m_hDC, x, y, nWidth, nHeight, ZuntAfx::HandleOf(pSrcDC), xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
  return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, ZuntAfx::HandleOf(pSrcDC), xSrc, ySrc, nSrcWidth, nSrcHeight,
                      dwRop);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount, LPINT lpDxWidths)
{
  return ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
  return ::DrawText(m_hDC, lpszString, nCount, lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
  SIZE size = {0, 0};
  ::GetTextExtentPoint32(m_hAttribDC, lpszString, nCount, &size);
  return size;
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_ps(), m_hWnd(pWnd->m_hWnd)
{
  if (!Attach(::BeginPaint(m_hWnd, &m_ps)))
    AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
  ::EndPaint(m_hWnd, &m_ps);
  Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(ZuntAfx::HandleOf(pWnd))
{
  if (!Attach(::GetDC(m_hWnd)))
    AfxThrowResourceException();
}

CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, Detach()); }

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(ZuntAfx::HandleOf(pWnd))
{
  if (!Attach(::GetWindowDC(m_hWnd)))
    AfxThrowResourceException();
}

CWindowDC::~CWindowDC() { ::ReleaseDC(m_hWnd, Detach()); }

CBrush* PASCAL CDC::GetHalftoneBrush()
{
  static CBrush s_brush;
  if (s_brush.m_hObject == nullptr)
  {
    WORD grayPattern[8];
    for (int i = 0; i < 8; ++i)
      grayPattern[i] = static_cast<WORD>(0x5555u << (i & 1));
    HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, grayPattern);
    if (hBitmap != nullptr)
    {
      s_brush.Attach(::CreatePatternBrush(hBitmap));
      ::DeleteObject(hBitmap);
    }
  }
  return &s_brush;
}
