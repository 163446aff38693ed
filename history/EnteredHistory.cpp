#include "EnteredHistory.h"

#include "OwnedObject.h"

#include <memory>

IMPLEMENT_SERIAL(CEnteredHistory, CObArray, 1)

CEnteredHistory::CEnteredHistory()
{
}

CEnteredHistory::~CEnteredHistory()
{
  deleteFrom(0);
}

CEnteredText* CEnteredHistory::GetAt(int nIndex) const
{
  return DYNAMIC_DOWNCAST(CEnteredText, CObArray::GetAt(nIndex));
}

void CEnteredHistory::Add(const char* pszText, CTime time)
{
  std::unique_ptr<CEnteredText> pEntry(new CEnteredText(pszText, time));
  Delete(pszText);
  InsertAt(0, pEntry.get());
  pEntry.release();
}

void CEnteredHistory::Delete(const char* pszText)
{
  for (int i = 0; i < GetCount(); ++i) {
    const CEnteredText* pEntry = GetAt(i);
    if (pEntry && pEntry->GetText() == pszText) {
      delete pEntry;
      RemoveAt(i);
      return;
    }
  }
}

void CEnteredHistory::DeleteOutOfLimit(int nCount, CTime time)
{
  if (nCount > 0 && nCount < GetCount())
    deleteFrom(nCount);
  if (time <= CTime(0))
    return;
  while (GetCount() > 0) {
    const CEnteredText* pOldest = GetAt(GetCount() - 1);
    if (!pOldest || pOldest->GetTime() > time)
      return;
    deleteFrom(GetCount() - 1);
  }
}

void CEnteredHistory::CheckData() const
{
  for (int i = 0; i < GetCount(); ++i) {
    const CEnteredText* pEntry = GetAt(i);
    if (!pEntry)
      continue;
    CString line;
    // Two ideographic spaces (code page 932) indent an entry.
    line.Format("\x81\x40\x81\x40[%3d](%s) [%s]\n", i,
                static_cast<LPCTSTR>(pEntry->GetTime().Format("%y/%m/%d %H:%M:%S")),
                static_cast<LPCTSTR>(pEntry->GetText()));
    ::OutputDebugStringA(line);
  }
}

void CEnteredHistory::Serialize(CArchive& ar)
{
  if (ar.IsStoring()) {
    CObArray::Serialize(ar);
    return;
  }
  deleteFrom(0);
  // One entry at a time: a count larger than the input runs into the end of the archive.
  for (DWORD_PTR nLeft = ar.ReadCount(); nLeft; --nLeft)
    CObArray::Add(ReadOwnedObject<CEnteredText>(ar));
}

void CEnteredHistory::deleteFrom(int nIndex)
{
  for (int i = nIndex; i < GetCount(); ++i)
    delete CObArray::GetAt(i);
  RemoveAt(nIndex, GetCount() - nIndex);
}
