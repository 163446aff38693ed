// An entry of a context menu that a host defines for one of the library's controls: a command
// with its text, a separator (id 0), or nothing shown (a negative id). The controls' entry
// classes derive from it.
#pragma once
#include <afxwin.h>

class CBmpMenu;

class AFX_EXT_CLASS CBmpMenuContext
{
public:
  // Attribute bits; only the lowest one set counts.
  enum
  {
    ATTRIB_DISABLED = 1,
    ATTRIB_GRAYED = 2,
    ATTRIB_CHECKED = 4,
    ATTRIB_ALL = 7
  };

  CBmpMenuContext() : m_dwAttrib(0), m_nCommandID(-1) {}
  CBmpMenuContext(int nCommandID, const CString& strText) : m_dwAttrib(0), m_nCommandID(nCommandID), m_strText(strText)
  {}

  // The menu flags of the lowest attribute bit set.
  UINT GetMenuFlags() const;
  // Appends the entry's item, if it shows one, to the end of the menu.
  void AppendTo(CBmpMenu& menu) const;

  DWORD m_dwAttrib;
  int m_nCommandID;
  CString m_strText;
};
