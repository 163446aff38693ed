// CGdiObject and its kinds: owners of pens, brushes, fonts, bitmaps, palettes and regions. An
// object deletes what it holds when it is destroyed, unless the handle was detached.
#pragma once
#include "AfxObject.h"
#include "AfxAssert.h"
#include "AfxTypes.h"

class CDC;

class ZUNTAFX_API CGdiObject : public CObject
{
  DECLARE_DYNCREATE(CGdiObject)
public:
  CGdiObject() : m_hObject(nullptr) {}
  ~CGdiObject() override;

  HGDIOBJ m_hObject;
  operator HGDIOBJ() const;
  HGDIOBJ GetSafeHandle() const;  // null for a null object; out of line, like CWnd::GetSafeHwnd

  static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
  static void PASCAL DeleteTempMap();
  BOOL Attach(HGDIOBJ hObject);
  HGDIOBJ Detach();
  BOOL DeleteObject();
  int GetObject(int nCount, LPVOID lpObject) const { return ::GetObject(m_hObject, nCount, lpObject); }
  UINT GetObjectType() const { return ::GetObjectType(m_hObject); }
  BOOL CreateStockObject(int nIndex);
};

// Each kind wraps the same handle under its own type; FromHandle gives the map's object.
#define ZAFX_GDI_KIND(class_name, handle_type)                                                                         \
  operator handle_type() const { return static_cast<handle_type>(m_hObject); }                                         \
  static class_name* PASCAL FromHandle(handle_type hObject)                                                            \
  {                                                                                                                    \
    return static_cast<class_name*>(CGdiObject::FromHandle(hObject));                                                  \
  }

class ZUNTAFX_API CPen : public CGdiObject
{
  DECLARE_DYNAMIC(CPen)
public:
  CPen() = default;
  CPen(int nPenStyle, int nWidth, COLORREF crColor);
  ZAFX_GDI_KIND(CPen, HPEN)
  BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
  BOOL CreatePenIndirect(LPLOGPEN lpLogPen) { return Attach(::CreatePenIndirect(lpLogPen)); }
};

class ZUNTAFX_API CBrush : public CGdiObject
{
  DECLARE_DYNAMIC(CBrush)
public:
  CBrush() = default;
  explicit CBrush(COLORREF crColor);
  ZAFX_GDI_KIND(CBrush, HBRUSH)
  BOOL CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }
  BOOL CreateHatchBrush(int nIndex, COLORREF crColor) { return Attach(::CreateHatchBrush(nIndex, crColor)); }
  BOOL CreatePatternBrush(class CBitmap* pBitmap);
  BOOL CreateSysColorBrush(int nIndex) { return Attach(::CreateSolidBrush(::GetSysColor(nIndex))); }
};

class ZUNTAFX_API CFont : public CGdiObject
{
  DECLARE_DYNAMIC(CFont)
public:
  ZAFX_GDI_KIND(CFont, HFONT)
  BOOL CreateFontIndirect(const LOGFONT* lpLogFont) { return Attach(::CreateFontIndirect(lpLogFont)); }
  BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                  BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                  BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename);
  // A font of nPointSize tenths of a point on the device (the screen when pDC is null).
  BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = nullptr);
  BOOL CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC = nullptr);
  int GetLogFont(LOGFONT* pLogFont) const { return GetObject(sizeof(LOGFONT), pLogFont); }
};

class ZUNTAFX_API CBitmap : public CGdiObject
{
  DECLARE_DYNAMIC(CBitmap)
public:
  ZAFX_GDI_KIND(CBitmap, HBITMAP)
  // Found through the resource chain.
  BOOL LoadBitmap(LPCTSTR lpszResourceName);
  BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }
  BOOL LoadOEMBitmap(UINT nIDBitmap) { return Attach(::LoadBitmap(nullptr, MAKEINTRESOURCE(nIDBitmap))); }
  BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
  BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
  int GetBitmap(BITMAP* pBitMap) const { return GetObject(sizeof(BITMAP), pBitMap); }
  CSize GetBitmapDimension() const;
};

class ZUNTAFX_API CPalette : public CGdiObject
{
  DECLARE_DYNAMIC(CPalette)
public:
  ZAFX_GDI_KIND(CPalette, HPALETTE)
  BOOL CreatePalette(LPLOGPALETTE lpLogPalette) { return Attach(::CreatePalette(lpLogPalette)); }
  int GetEntryCount() const;
  UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const;
  UINT GetNearestPaletteIndex(COLORREF crColor) const
  {
    return ::GetNearestPaletteIndex(static_cast<HPALETTE>(m_hObject), crColor);
  }
};

class ZUNTAFX_API CRgn : public CGdiObject
{
  DECLARE_DYNAMIC(CRgn)
public:
  ZAFX_GDI_KIND(CRgn, HRGN)
  BOOL CreateRectRgn(int x1, int y1, int x2, int y2) { return Attach(::CreateRectRgn(x1, y1, x2, y2)); }
  BOOL CreateRectRgnIndirect(LPCRECT lpRect) { return Attach(::CreateRectRgnIndirect(lpRect)); }
  BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2) { return Attach(::CreateEllipticRgn(x1, y1, x2, y2)); }
  BOOL CreatePolygonRgn(LPPOINT lpPoints, int nCount, int nMode);
  int CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode);
  BOOL PtInRegion(POINT point) const { return ::PtInRegion(static_cast<HRGN>(m_hObject), point.x, point.y); }
  int GetRgnBox(LPRECT lpRect) const { return ::GetRgnBox(static_cast<HRGN>(m_hObject), lpRect); }
};
