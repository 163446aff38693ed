// The entries of one history key, the most recent first, each text once. The history owns its
// entries (CEnteredText) and deletes them.
#pragma once
#include "EnteredText.h"

#include <afxcoll.h>

#include <memory>

class AFX_EXT_CLASS CEnteredHistory : public CObArray
{
  DECLARE_SERIAL(CEnteredHistory)
public:
  CEnteredHistory();
  ~CEnteredHistory() override;

  int GetCount() const { return int(CObArray::GetCount()); }
  // Null for an element of another class; an index out of range raises CInvalidArgException.
  CEnteredText* GetAt(int nIndex) const;

  // Puts the text first with its time; an entry with the same text goes away.
  void Add(const char* pszText, CTime time);
  // Deletes the first entry whose text is the same (case-sensitive).
  void Delete(const char* pszText);
  // Keeps the nCount most recent entries (all when nCount <= 0), then, when time > 0, deletes
  // from the oldest end every entry not newer than time, stopping at the first newer one.
  void DeleteOutOfLimit(int nCount, CTime time);
  // Deletes the entries held and takes over those of the other history, which is left empty.
  void TakeEntries(CEnteredHistory& other);
  // Writes one line per entry to the debugger output.
  void CheckData() const;

  // Stored as the framework's CObArray. Loading reads new CEnteredText objects only (no null,
  // no other class, no reference to an object read before) and replaces the entries held.
  void Serialize(CArchive& ar) override;

protected:
  void deleteFrom(int nIndex);

private:
  class CTextIndex;
  // The position of the first entry with the text, or -1; without comparing every text.
  int find(const char* pszText);
  void removeAt(int nIndex);

  // Made from the array when first needed (a load only fills the array), then kept in step.
  std::unique_ptr<CTextIndex> m_pTextIndex;
};
