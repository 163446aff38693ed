#include "EnteredHistory.h"

#include "OwnedObject.h"

#include <algorithm>
#include <string>
#include <unordered_map>

IMPLEMENT_SERIAL(CEnteredHistory, CObArray, 1)

namespace
{

const DWORD_PTR nMaxGrowBy = 1024;

std::string keyOf(const CEnteredText& entry)
{
  const CString& text = entry.GetText();
  return std::string(text, size_t(text.GetLength()));
}

}  // namespace

// The entries by text, so that entering a text again costs the same however long the history
// is. A history that holds a text twice (a file written elsewhere) cannot be indexed: its
// searches compare every text. The host may change the array through CObArray's own members:
// a hit is checked against the array before it is used, and an array whose count is not the one
// the index keeps in step with (an element added or removed behind its back) is indexed again.
// An element put in another's place is not seen until then.
class CEnteredHistory::CTextIndex
{
public:
  explicit CTextIndex(const CEnteredHistory& history) : m_nCount(history.GetCount()), m_bUsable(true)
  {
    for (int i = 0; i < history.GetCount() && m_bUsable; ++i)
    {
      const CEnteredText* pEntry = history.GetAt(i);
      m_bUsable = pEntry == nullptr || m_entries.emplace(keyOf(*pEntry), pEntry).second;
    }
    if (!m_bUsable)
      m_entries.clear();
  }
  bool IsInStepWith(const CEnteredHistory& history) const { return m_nCount == history.GetCount(); }
  bool IsUsable() const { return m_bUsable; }
  const CEnteredText* Find(const char* pszText) const
  {
    const auto found = m_entries.find(pszText);
    return found != m_entries.end() ? found->second : nullptr;
  }
  void Add(const CEnteredText* pEntry)
  {
    ++m_nCount;
    if (m_bUsable)
      m_entries[keyOf(*pEntry)] = pEntry;
  }
  // The element at an index, about to leave the array.
  void Remove(const CEnteredText* pEntry)
  {
    --m_nCount;
    if (!pEntry)
      return;
    const auto found = m_entries.find(keyOf(*pEntry));
    if (found != m_entries.end() && found->second == pEntry)
      m_entries.erase(found);
  }

private:
  std::unordered_map<std::string, const CEnteredText*> m_entries;
  int m_nCount;
  bool m_bUsable;
};

CEnteredHistory::CEnteredHistory() {}

CEnteredHistory::~CEnteredHistory() { deleteFrom(0); }

CEnteredText* CEnteredHistory::GetAt(int nIndex) const
{
  return DYNAMIC_DOWNCAST(CEnteredText, CObArray::GetAt(nIndex));
}

void CEnteredHistory::Add(const char* pszText, CTime time)
{
  std::unique_ptr<CEnteredText> pEntry(new CEnteredText(pszText, time));
  Delete(pszText);
  InsertAt(0, pEntry.get());
  const CEnteredText* pAdded = pEntry.release();
  try
  {
    if (m_pTextIndex)
      m_pTextIndex->Add(pAdded);
  }
  catch (const std::bad_alloc&)
  {
    m_pTextIndex.reset();  // made again from the array when next needed
  }
}

void CEnteredHistory::Delete(const char* pszText)
{
  const int nIndex = find(pszText);
  if (nIndex >= 0)
    removeAt(nIndex);
}

int CEnteredHistory::find(const char* pszText)
{
  if (!m_pTextIndex || !m_pTextIndex->IsInStepWith(*this))
    m_pTextIndex.reset(new CTextIndex(*this));
  if (m_pTextIndex->IsUsable())
  {
    const CEnteredText* pEntry = m_pTextIndex->Find(pszText);
    if (!pEntry)
      return -1;
    // A search of the pointers alone, at the speed of memory.
    CObject* const* pFirst = GetData();
    CObject* const* pLast = pFirst + GetCount();
    CObject* const* pFound = std::find(pFirst, pLast, pEntry);
    if (pFound != pLast && pEntry->GetText() == pszText)
      return int(pFound - pFirst);
    m_pTextIndex.reset();  // the array changed behind the history's back
  }
  for (int i = 0; i < GetCount(); ++i)
  {
    const CEnteredText* pEntry = GetAt(i);
    if (pEntry && pEntry->GetText() == pszText)
      return i;
  }
  return -1;
}

void CEnteredHistory::removeAt(int nIndex)
{
  if (m_pTextIndex)
    m_pTextIndex->Remove(GetAt(nIndex));
  delete CObArray::GetAt(nIndex);
  RemoveAt(nIndex);
}

void CEnteredHistory::DeleteOutOfLimit(int nCount, CTime time)
{
  if (nCount > 0 && nCount < GetCount())
    deleteFrom(nCount);
  if (time <= CTime(0))
    return;
  while (GetCount() > 0)
  {
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
  other.m_pTextIndex.reset();
}

void CEnteredHistory::CheckData() const
{
  for (int i = 0; i < GetCount(); ++i)
  {
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
  if (ar.IsStoring())
  {
    // As the array writes itself; each entry belongs to this history alone.
    ar.WriteCount(DWORD_PTR(GetCount()));
    for (int i = 0; i < GetCount(); ++i)
      ar.WriteObject(CObArray::GetAt(i));
    return;
  }
  deleteFrom(0);
  // Room for the count given, up to a bound: a count larger than the input runs into the end of
  // the archive one entry at a time, without a large allocation first.
  const DWORD_PTR nCount = ar.ReadCount();
  SetSize(0, INT_PTR(std::min<DWORD_PTR>(nCount, nMaxGrowBy)));
  CRuntimeClass* const pEntryClass = RUNTIME_CLASS(CEnteredText);
  for (DWORD_PTR nLeft = nCount; nLeft; --nLeft)
  {
    UINT nSchema = 0;
    CRuntimeClass* pClass = ReadOwnedClass(ar, pEntryClass, nSchema);
    CObArray::Add(pClass == pEntryClass ? CEnteredText::readNew(ar, nSchema) : ReadObjectOfClass(ar, pClass, nSchema));
  }
}

// The text index goes with them, to be made again from the entries left when next needed: one
// pass over the entries, however many go.
void CEnteredHistory::deleteFrom(int nIndex)
{
  const int nCount = GetCount();
  if (nIndex >= nCount)
    return;
  m_pTextIndex.reset();
  CObject** pEntries = GetData();
  for (int i = nIndex; i < nCount; ++i)
    delete pEntries[i];
  RemoveAt(nIndex, nCount - nIndex);
}
