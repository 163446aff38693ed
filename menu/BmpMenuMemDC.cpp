#include "BmpMenuMemDC.h"

CBmpMenuMemDC::CBmpMenuMemDC(CDC* pDC, const RECT* pRect)
    : m_oldBitmap(nullptr), m_pDC(pDC), m_rect(*pRect), m_bMemDC(!pDC->IsPrinting())
{
  if (m_bMemDC)
  {
    CreateCompatibleDC(pDC);
    m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height());
    m_oldBitmap = SelectObject(&m_bitmap);
    ::SetWindowOrgEx(m_hDC, m_rect.left, m_rect.top, nullptr);
  }
  else
  {
    m_hDC = pDC->m_hDC;
    m_hAttribDC = pDC->m_hAttribDC;
    m_bPrinting = pDC->IsPrinting();
  }
}

CBmpMenuMemDC::~CBmpMenuMemDC()
{
  if (m_bMemDC)
  {
    m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top, SRCCOPY);
    SelectObject(m_oldBitmap);
  }
  else
  {
    // Borrowed from the target: not ours to delete.
    m_hDC = nullptr;
    m_hAttribDC = nullptr;
  }
}
