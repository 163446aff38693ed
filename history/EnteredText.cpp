#include "EnteredText.h"

IMPLEMENT_SERIAL(CEnteredText, CObject, 1)

CEnteredText::CEnteredText() : m_time(0) {}

CEnteredText::CEnteredText(const char* pszText, CTime time) : m_strText(pszText), m_time(time) {}

void CEnteredText::Serialize(CArchive& ar)
{
  if (ar.IsStoring())
    ar << m_strText;
  else
    ar >> m_strText;
  m_time.Serialize64(ar);
}
