#include "BmpMenuContext.h"

#include "BmpMenu.h"

UINT CBmpMenuContext::GetMenuFlags() const
{
  if ((m_dwAttrib & ATTRIB_DISABLED) != 0)
    return MF_DISABLED;
  if ((m_dwAttrib & ATTRIB_GRAYED) != 0)
    return MF_GRAYED;
  if ((m_dwAttrib & ATTRIB_CHECKED) != 0)
    return MF_CHECKED;
  return MF_STRING;
}

void CBmpMenuContext::AppendTo(CBmpMenu& menu) const
{
  if (m_nCommandID == 0)
    menu.AppendMenuA(MF_SEPARATOR, 0, nullptr, -1);
  else if (m_nCommandID > 0)
    menu.AppendMenuA(GetMenuFlags(), static_cast<UINT_PTR>(m_nCommandID), m_strText, -1);
}
