// One entry of an input history: a text and the moment it was last entered.
#pragma once
#include <afx.h>

class AFX_EXT_CLASS CEnteredText : public CObject
{
  DECLARE_SERIAL(CEnteredText)
public:
  CEnteredText();
  CEnteredText(const char* pszText, CTime time);

  const CString& GetText() const { return m_strText; }
  CTime GetTime() const { return m_time; }
  void SetTime(CTime time) { m_time = time; }

  // The text in the framework's string format (either width when reading), then the time as
  // 64 bits.
  void Serialize(CArchive& ar) override;

protected:
  CString m_strText;
  CTime m_time;
};
