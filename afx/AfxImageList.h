// CImageList: an image list handle with its object, deleted with the object unless detached.
#pragma once
#include "AfxObject.h"
#include "AfxAssert.h"
#include "AfxTypes.h"

#include <commctrl.h>

class CBitmap;
class CDC;

class ZUNTAFX_API CImageList : public CObject
{
  DECLARE_DYNCREATE(CImageList)
public:
  CImageList() : m_hImageList(nullptr) {}
  ~CImageList() override;

  HIMAGELIST m_hImageList;
  operator HIMAGELIST() const;
  HIMAGELIST GetSafeHandle() const;  // null for a null object; out of line, like CWnd::GetSafeHwnd

  BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
  // A strip bitmap from the resource chain, cut into images cx wide.
  BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
  BOOL Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
  BOOL Create(CImageList* pImageList);  // a copy
  BOOL Attach(HIMAGELIST hImageList);
  HIMAGELIST Detach();
  BOOL DeleteImageList();

  int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
  int Add(CBitmap* pbmImage, CBitmap* pbmMask);
  int Add(CBitmap* pbmImage, COLORREF crMask);
  int Add(HICON hIcon) { return ImageList_AddIcon(m_hImageList, hIcon); }
  BOOL Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }
  BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
  int Replace(int nImage, HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon); }
  HICON ExtractIcon(int nImage) { return ImageList_ExtractIcon(nullptr, m_hImageList, nImage); }
  BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
  BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
  {
    return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
  }
#ifndef ZUNTAFX_MFC_SURFACE
  BOOL GetIconSize(int* pcx, int* pcy) const { return ImageList_GetIconSize(m_hImageList, pcx, pcy); }
#endif
  COLORREF SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
  COLORREF GetBkColor() const { return ImageList_GetBkColor(m_hImageList); }
  BOOL SetImageCount(UINT uNewCount) { return ImageList_SetImageCount(m_hImageList, uNewCount); }
};
