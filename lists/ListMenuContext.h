// An entry of the child list's context menu: a command with its text, or a separator (id 0).
// Entries with a negative id are not shown.
#pragma once
#include <afxwin.h>

class AFX_EXT_CLASS CListMenuContext
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

  CListMenuContext() : m_dwAttrib(0), m_nCommandID(-1) {}
  CListMenuContext(int nCommandID, const CString& strText) : m_dwAttrib(0), m_nCommandID(nCommandID), m_strText(strText)
  {
  }
  CListMenuContext(const CListMenuContext& other) = default;
  CListMenuContext& operator=(const CListMenuContext& other) = default;

  DWORD m_dwAttrib;
  int m_nCommandID;
  CString m_strText;
};
