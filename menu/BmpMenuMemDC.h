// An off-screen context over one rectangle of a target: callers draw in the target's
// coordinates and the destructor copies the result back in one blit. Over a printer context it
// draws straight into the target.
#pragma once
#include <afxwin.h>

class AFX_EXT_CLASS CBmpMenuMemDC : public CDC
{
public:
  CBmpMenuMemDC(CDC* pDC, const RECT* pRect);
  ~CBmpMenuMemDC() override;
  CBmpMenuMemDC(const CBmpMenuMemDC&) = delete;
  CBmpMenuMemDC& operator=(const CBmpMenuMemDC&) = delete;

  CBmpMenuMemDC* operator->() { return this; }
  operator CBmpMenuMemDC*() { return this; }

private:
  CBitmap m_bitmap;
  CBitmap* m_oldBitmap;
  CDC* m_pDC;
  CRect m_rect;
  BOOL m_bMemDC;
};
