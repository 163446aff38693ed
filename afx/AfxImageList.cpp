#include "AfxImageList.h"
#include "AfxHandleOf.h"
#include "AfxDC.h"
#include "AfxModule.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::~CImageList() { DeleteImageList(); }

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
  ASSERT(m_hImageList == nullptr);
  m_hImageList = hImageList;
  return hImageList != nullptr;
}

HIMAGELIST CImageList::Detach()
{
  HIMAGELIST hImageList = m_hImageList;
  m_hImageList = nullptr;
  return hImageList;
}

BOOL CImageList::DeleteImageList()
{
  if (m_hImageList == nullptr)
    return FALSE;
  return ImageList_Destroy(Detach());
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
  return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
  return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
  HINSTANCE hInstance = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
  return Attach(ImageList_LoadImage(hInstance, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

BOOL CImageList::Create(CImageList* pImageList) { return Attach(ImageList_Duplicate(pImageList->m_hImageList)); }

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
  return ImageList_Add(m_hImageList, static_cast<HBITMAP>(ZuntAfx::HandleOf(pbmImage)),
                       static_cast<HBITMAP>(ZuntAfx::HandleOf(pbmMask)));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
  return ImageList_AddMasked(m_hImageList, static_cast<HBITMAP>(ZuntAfx::HandleOf(pbmImage)), crMask);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
  return ImageList_Replace(m_hImageList, nImage, static_cast<HBITMAP>(ZuntAfx::HandleOf(pbmImage)),
                           static_cast<HBITMAP>(ZuntAfx::HandleOf(pbmMask)));
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
  return ImageList_Draw(m_hImageList, nImage, ZuntAfx::HandleOf(pDC), pt.x, pt.y, nStyle);
}
