#include "EnteredHistory.h"

#include "OwnedObject.h"

#include <algorithm>
#include <memory>

IMPLEMENT_SERIAL(CEnteredHistory, CObArray, 1)

namespace {

const DWORD_PTR nMaxGrowBy = 1024;

}  // namespace

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

void CEnteredHistory::TakeEntries(CEnteredHistory& other)
{
  if (&other == this)
    return;
  deleteFrom(0);
  Append(other);
  other.RemoveAll();
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
    // As the array writes itself; each entry belongs to this history alone.
    ar.WriteCount(DWORD_PTR(GetCount()));
    for (int i = 0; i < GetCount(); ++i)
      ar.WriteOwnedObject(CObArray::GetAt(i));
    return;
  }
  deleteFrom(0);
  // Room for the count given, up to a bound: a count larger than the input runs into the end of
  // the archive one entry at a time, without a large allocation first.
  const DWORD_PTR nCount = ar.ReadCount();
  SetSize(0, INT_PTR(std::min<DWORD_PTR>(nCount, nMaxGrowBy)));
  for (DWORD_PTR nLeft = nCount; nLeft; --nLeft)
    CObArray::Add(ReadOwnedObject<CEnteredText>(ar));
}

void CEnteredHistory::deleteFrom(int nIndex)
{
  for (int i = nIndex; i < GetCount(); ++i)
    delete CObArray::GetAt(i);
  RemoveAt(nIndex, GetCount() - nIndex);
}
