#include "EnteredText.h"

#include <memory>
#include <new>

IMPLEMENT_SERIAL(CEnteredText, CObject, 1)

namespace
{

// Blocks the size of an entry, carved from chunks that are never given back: a host may keep a
// history in a static object that outlives this module's own.
class CEntryBlocks
{
public:
  constexpr CEntryBlocks() = default;
  void* Alloc()
  {
    if (!m_pFree)
      addChunk();
    CBlock* pBlock = m_pFree;
    m_pFree = pBlock->pNext;
    return pBlock;
  }
  void Free(void* p)
  {
    CBlock* pBlock = static_cast<CBlock*>(p);
    pBlock->pNext = m_pFree;
    m_pFree = pBlock;
  }

private:
  union CBlock
  {
    CBlock* pNext;
    alignas(CEnteredText) unsigned char bytes[sizeof(CEnteredText)];
  };

  // Linked so that blocks are handed out at rising addresses, as a load reads its entries.
  void addChunk()
  {
    const size_t nChunkBlocks = 1024;
    CBlock* pChunk = static_cast<CBlock*>(::operator new(nChunkBlocks * sizeof(CBlock)));
    for (size_t i = nChunkBlocks; i-- > 0;)
      Free(&pChunk[i]);
  }

  CBlock* m_pFree = nullptr;
};

// Constant-initialised and never destroyed: usable from any static object's constructor or
// destructor, without the guard a function-local static costs every entry.
CEntryBlocks g_entryBlocks;

}  // namespace

void* CEnteredText::operator new(size_t nSize)
{
  return nSize == sizeof(CEnteredText) ? g_entryBlocks.Alloc() : ::operator new(nSize);
}

void CEnteredText::operator delete(void* p, size_t nSize)
{
  if (!p)
    return;
  if (nSize == sizeof(CEnteredText))
    g_entryBlocks.Free(p);
  else
    ::operator delete(p);
}

CEnteredText::CEnteredText() : m_time(0) {}

CEnteredText::CEnteredText(const char* pszText, CTime time) : m_strText(pszText), m_time(time) {}

inline void CEnteredText::load(CArchive& ar)
{
  ar >> m_strText;
  m_time.Serialize64(ar);
}

void CEnteredText::Serialize(CArchive& ar)
{
  if (ar.IsLoading())
  {
    load(ar);
    return;
  }
  ar << m_strText;
  m_time.Serialize64(ar);
}

CEnteredText* CEnteredText::readNew(CArchive& ar, UINT nSchema)
{
  std::unique_ptr<CEnteredText> pEntry(new CEnteredText);
  ar.MapObject(pEntry.get());
  ar.SetObjectSchema(nSchema);
  pEntry->load(ar);
  return pEntry.release();
}
