// CFixedAlloc and CFixedAllocNoSync: blocks of one size carved from larger chunks, for classes
// whose objects come and go by the hundred thousand. A class takes one with DECLARE_FIXED_ALLOC/
// IMPLEMENT_FIXED_ALLOC, or the _NOSYNC pair.
// Freed blocks are kept for reuse; the chunks go back when the allocator goes (at the end of the
// module that holds it) or on FreeAll.
#pragma once
#include "AfxPlatform.h"

#include <atomic>
#include <cstddef>

// Without a lock: for objects that live on one thread, such as the user-interface thread's.
class ZUNTAFX_API CFixedAllocNoSync
{
public:
  explicit CFixedAllocNoSync(UINT nAllocSize, UINT nBlockSize = 64);
  ~CFixedAllocNoSync();
  CFixedAllocNoSync(const CFixedAllocNoSync&) = delete;
  CFixedAllocNoSync& operator=(const CFixedAllocNoSync&) = delete;

  UINT GetAllocSize() const { return m_nAllocSize; }
  void* Alloc()
  {
    if (!m_pNodeFree)
      addChunk();
    CNode* pNode = m_pNodeFree;
    m_pNodeFree = pNode->pNext;
    return pNode;
  }
  void Free(void* p)
  {
    if (!p)
      return;
    CNode* pNode = static_cast<CNode*>(p);
    pNode->pNext = m_pNodeFree;
    m_pNodeFree = pNode;
  }
  // Gives every chunk back: only when no block is in use any more.
  void FreeAll();

private:
  struct CNode
  {
    CNode* pNext;
  };

  void addChunk();

  UINT m_nAllocSize;
  UINT m_nBlockSize;  // blocks a chunk holds
  CNode* m_pNodeFree;
  CNode* m_pChunks;  // each chunk starts with the link to the one before
};

// Shared by threads.
class ZUNTAFX_API CFixedAlloc : public CFixedAllocNoSync
{
public:
  explicit CFixedAlloc(UINT nAllocSize, UINT nBlockSize = 64) : CFixedAllocNoSync(nAllocSize, nBlockSize) {}

  void* Alloc();
  void Free(void* p);
  void FreeAll();

private:
  // The guard is held for a few instructions at a time, so waiting threads spin.
  class CGuard
  {
  public:
    explicit CGuard(std::atomic_flag& flag);
    ~CGuard() { m_flag.clear(std::memory_order_release); }

  private:
    std::atomic_flag& m_flag;
  };

  std::atomic_flag m_lock = ATOMIC_FLAG_INIT;
};

// A class whose objects come from its own allocator. Objects of a derived class that is larger
// come from the ordinary heap.
#define ZAFX_DECLARE_FIXED_ALLOC_OF(alloc_class)                                                                       \
public:                                                                                                                \
  void* operator new(size_t nSize)                                                                                     \
  {                                                                                                                    \
    return nSize == s_alloc.GetAllocSize() ? s_alloc.Alloc() : ::operator new(nSize);                                  \
  }                                                                                                                    \
  void* operator new(size_t, void* p) { return p; }                                                                    \
  void operator delete(void* p, size_t nSize)                                                                          \
  {                                                                                                                    \
    if (nSize == s_alloc.GetAllocSize())                                                                               \
      s_alloc.Free(p);                                                                                                 \
    else                                                                                                               \
      ::operator delete(p);                                                                                            \
  }                                                                                                                    \
                                                                                                                       \
protected:                                                                                                             \
  static alloc_class s_alloc;

#define DECLARE_FIXED_ALLOC(class_name)        ZAFX_DECLARE_FIXED_ALLOC_OF(CFixedAlloc)
#define DECLARE_FIXED_ALLOC_NOSYNC(class_name) ZAFX_DECLARE_FIXED_ALLOC_OF(CFixedAllocNoSync)

#define IMPLEMENT_FIXED_ALLOC(class_name, block_size) CFixedAlloc class_name::s_alloc(sizeof(class_name), block_size);
#define IMPLEMENT_FIXED_ALLOC_NOSYNC(class_name, block_size)                                                           \
  CFixedAllocNoSync class_name::s_alloc(sizeof(class_name), block_size);
