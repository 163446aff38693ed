// A column of the child list: its heading and its share of the control's width.
#pragma once
#include <afxwin.h>

class AFX_EXT_CLASS CColumnHeadData
{
public:
  CColumnHeadData() : m_dwWidthRate(0) {}
  CColumnHeadData(const CString& strColumnName, DWORD dwWidthRate)
      : m_strColumnName(strColumnName), m_dwWidthRate(dwWidthRate)
  {}
  CColumnHeadData(const CColumnHeadData& other) = default;
  CColumnHeadData& operator=(const CColumnHeadData& other) = default;

  const CString& GetColumnName() const { return m_strColumnName; }
  DWORD GetWidthRate() const { return m_dwWidthRate; }

protected:
  CString m_strColumnName;
  DWORD m_dwWidthRate;
};
