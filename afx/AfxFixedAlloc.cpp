#include "AfxFixedAlloc.h"

#include <algorithm>
#include <new>
#include <thread>

namespace
{

// Blocks serve any object, as the heap's do. The chunk is asked for that alignment explicitly:
// a 32-bit heap gives only 8 bytes where std::max_align_t wants 16.
constexpr std::align_val_t kBlockAlignment{alignof(std::max_align_t)};

size_t roundUpToAlignment(size_t nSize)
{
  const size_t nAlign = alignof(std::max_align_t);
  return (nSize + nAlign - 1) / nAlign * nAlign;
}

}  // namespace

CFixedAllocNoSync::CFixedAllocNoSync(UINT nAllocSize, UINT nBlockSize)
    : m_nAllocSize(std::max<UINT>(nAllocSize, sizeof(CNode))), m_nBlockSize(std::max<UINT>(nBlockSize, 1)),
      m_pNodeFree(nullptr), m_pChunks(nullptr)
{}

CFixedAllocNoSync::~CFixedAllocNoSync() { FreeAll(); }

void CFixedAllocNoSync::FreeAll()
{
  while (m_pChunks)
  {
    CNode* pChunk = m_pChunks;
    m_pChunks = pChunk->pNext;
    ::operator delete(pChunk, kBlockAlignment);
  }
  m_pNodeFree = nullptr;
}

// The chunk's first block-aligned slot holds the chain of chunks; the rest become free blocks,
// handed out from the chunk's start.
void CFixedAllocNoSync::addChunk()
{
  const size_t nHeader = roundUpToAlignment(sizeof(CNode));
  const size_t nSlot = roundUpToAlignment(m_nAllocSize);
  BYTE* pChunk = static_cast<BYTE*>(::operator new(nHeader + nSlot * m_nBlockSize, kBlockAlignment));
  reinterpret_cast<CNode*>(pChunk)->pNext = m_pChunks;
  m_pChunks = reinterpret_cast<CNode*>(pChunk);
  for (UINT i = m_nBlockSize; i-- > 0;)
  {
    CNode* pNode = reinterpret_cast<CNode*>(pChunk + nHeader + i * nSlot);
    pNode->pNext = m_pNodeFree;
    m_pNodeFree = pNode;
  }
}

CFixedAlloc::CGuard::CGuard(std::atomic_flag& flag) : m_flag(flag)
{
  while (m_flag.test_and_set(std::memory_order_acquire))
    std::this_thread::yield();
}

void* CFixedAlloc::Alloc()
{
  CGuard guard(m_lock);
  return CFixedAllocNoSync::Alloc();
}

void CFixedAlloc::Free(void* p)
{
  CGuard guard(m_lock);
  CFixedAllocNoSync::Free(p);
}

void CFixedAlloc::FreeAll()
{
  CGuard guard(m_lock);
  CFixedAllocNoSync::FreeAll();
}
