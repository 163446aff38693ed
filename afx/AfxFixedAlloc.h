// CFixedAlloc: blocks of one size carved from larger chunks, for classes whose objects come and
// go by the hundred thousand. A class takes it with DECLARE_FIXED_ALLOC/IMPLEMENT_FIXED_ALLOC.
// Freed blocks are kept for reuse; the chunks go back when the allocator goes (at the end of the
// module that holds it) or on FreeAll.
#pragma once
#include "AfxPlatform.h"

#include <atomic>
#include <cstddef>

class ZUNTAFX_API CFixedAlloc
{
public:
  explicit CFixedAlloc(UINT nAllocSize, UINT nBlockSize = 64);
  ~CFixedAlloc();
  CFixedAlloc(const CFixedAlloc&) = delete;
  CFixedAlloc& operator=(const CFixedAlloc&) = delete;

  UINT GetAllocSize() const { return m_nAllocSize; }
  void* Alloc();
  void Free(void* p);
  // Gives every chunk back: only when no block is in use any more.
  void FreeAll();

private:
  struct CNode
  {
    CNode* pNext;
  };
  // The guard is held for a few instructions at a time, so waiting threads spin.
  class CGuard
  {
  public:
    explicit CGuard(std::atomic_flag& flag);
    ~CGuard() { m_flag.clear(std::memory_order_release); }

  private:
    std::atomic_flag& m_flag;
  };

  void addChunk();

  UINT m_nAllocSize;
  UINT m_nBlockSize;  // blocks a chunk holds
  CNode* m_pNodeFree;
  CNode* m_pChunks;  // each chunk starts with the link to the one before
  std::atomic_flag m_lock = ATOMIC_FLAG_INIT;
};

// A class whose objects come from its own CFixedAlloc. Objects of a derived class that is larger
// come from the ordinary heap.
#define DECLARE_FIXED_ALLOC(class_name)                                                   \
public:                                                                                   \
  void* operator new(size_t nSize)                                                        \
  {                                                                                       \
    return nSize == s_alloc.GetAllocSize() ? s_alloc.Alloc() : ::operator new(nSize);     \
  }                                                                                       \
  void* operator new(size_t, void* p) { return p; }                                       \
  void operator delete(void* p, size_t nSize)                                             \
  {                                                                                       \
    if (nSize == s_alloc.GetAllocSize())                                                  \
      s_alloc.Free(p);                                                                    \
    else                                                                                  \
      ::operator delete(p);                                                               \
  }                                                                                       \
                                                                                          \
protected:                                                                                \
  static CFixedAlloc s_alloc;

#define IMPLEMENT_FIXED_ALLOC(class_name, block_size) \
  CFixedAlloc class_name::s_alloc(sizeof(class_name), block_size);
