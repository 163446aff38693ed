// One entry of an input history: a text and the moment it was last entered.
#pragma once
#include <afx.h>

// Entries come and go by the hundred thousand when a history loads: they share blocks of the
// library's own, without a lock, as histories live on the user-interface thread.
class AFX_EXT_CLASS CEnteredText : public CObject
{
  DECLARE_SERIAL(CEnteredText)
public:
  CEnteredText();
  CEnteredText(const char* pszText, CTime time);

  // Objects of a larger derived class come from the ordinary heap.
  void* operator new(size_t nSize);
  void operator delete(void* p, size_t nSize);

  const CString& GetText() const { return m_strText; }
  CTime GetTime() const { return m_time; }
  void SetTime(CTime time) { m_time = time; }

  // The text in the framework's string format (either width when reading), then the time as
  // 64 bits.
  void Serialize(CArchive& ar) override;

protected:
  CString m_strText;
  CTime m_time;

private:
  friend class CEnteredHistory;
  // A new entry read after its class record named this very class: what a history's loading
  // does for nearly every entry, here in one piece with the entries' own allocation.
  static CEnteredText* readNew(CArchive& ar, UINT nSchema);
  void load(CArchive& ar);
};
