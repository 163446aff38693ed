// The host's colour records that the colour lists show: a number, a colour and its name
// (CColorItem), and for the colour list control also a name of its own (CNameColorItem). The
// lists only point at them; the host keeps them alive while they are shown.
#pragma once
#include <afxwin.h>

class AFX_EXT_CLASS CColorItem
{
public:
  // A colour of this value marks a text-only entry of the colour combo box.
  static const COLORREF NO_COLOR = 0xFFFFFFFF;

  CColorItem(int nIndex, COLORREF crRGB, CString strColorName);
  CColorItem(const CColorItem& other);
  CColorItem& operator=(const CColorItem& other);
  virtual ~CColorItem();

  int GetIndex() const { return m_nIndex; }
  void SetIndex(int nIndex) { m_nIndex = nIndex; }
  COLORREF GetRGB() const { return m_crRGB; }
  void SetRGB(COLORREF crRGB) { m_crRGB = crRGB; }
  CString& GetColorName() { return m_strColorName; }
  const CString& GetColorName() const { return m_strColorName; }
  void SetColorName(const CString& strColorName) { m_strColorName = strColorName; }

protected:
  int m_nIndex;
  COLORREF m_crRGB;
  CString m_strColorName;
};

class AFX_EXT_CLASS CNameColorItem : public CColorItem
{
public:
  CNameColorItem(int nIndex, CString strName, COLORREF crRGB, CString strColorName);
  CNameColorItem(const CNameColorItem& other);
  CNameColorItem& operator=(const CNameColorItem& other);
  ~CNameColorItem() override;

  CString& GetName() { return m_strName; }
  const CString& GetName() const { return m_strName; }
  void SetName(const CString& strName) { m_strName = strName; }

protected:
  CString m_strName;
};
