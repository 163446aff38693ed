#include <afx.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <thread>
#include <vector>

namespace
{

class CPooled : public CObject
{
  DECLARE_FIXED_ALLOC(CPooled)
public:
  char m_bytes[40] = {};
};
IMPLEMENT_FIXED_ALLOC(CPooled, 4)

// Larger than its base: its objects cannot come from the base's blocks.
class CPooledLarger : public CPooled
{
public:
  char m_more[100] = {};
};

bool aligned(const void* p) { return reinterpret_cast<std::uintptr_t>(p) % alignof(std::max_align_t) == 0; }

template <class ALLOC>
void expectDistinctAlignedBlocksReused()
{
  ALLOC alloc(24, 3);
  EXPECT_EQ(alloc.GetAllocSize(), 24u);
  std::set<void*> blocks;
  std::vector<void*> order;
  for (int i = 0; i < 10; ++i)
  {  // across four chunks
    void* p = alloc.Alloc();
    EXPECT_TRUE(aligned(p));
    EXPECT_TRUE(blocks.insert(p).second);
    std::memset(p, 0xAB, 24);  // the whole block is ours: the sanitizer sees any overlap
    order.push_back(p);
  }
  alloc.Free(order[4]);
  alloc.Free(nullptr);
  EXPECT_EQ(alloc.Alloc(), order[4]);
  for (void* p : order)
    alloc.Free(p);
  alloc.FreeAll();
  void* pAfter = alloc.Alloc();  // a fresh chunk after FreeAll
  EXPECT_TRUE(aligned(pAfter));
  alloc.Free(pAfter);
}

TEST(FixedAlloc, HandsOutDistinctAlignedBlocksAndReusesFreedOnes)
{
  expectDistinctAlignedBlocksReused<CFixedAlloc>();
  expectDistinctAlignedBlocksReused<CFixedAllocNoSync>();
}

TEST(FixedAlloc, AClassTakesItsBlocksAndALargerDerivedClassTheHeap)
{
  CPooled* pFirst = new CPooled;
  delete pFirst;
  CPooled* pAgain = new CPooled;
  EXPECT_EQ(pAgain, pFirst);  // the freed block comes back first

  CPooled* pLarger = new CPooledLarger;
  std::memset(static_cast<CPooledLarger*>(pLarger)->m_more, 1, sizeof CPooledLarger().m_more);
  CPooled* pLargerAddress = pLarger;
  delete pLarger;  // through the base: back to the heap, not into the blocks
  std::vector<CPooled*> next;
  for (int i = 0; i < 8; ++i)
  {
    next.push_back(new CPooled);
    EXPECT_NE(next.back(), pLargerAddress);
  }
  for (CPooled* p : next)
    delete p;
  delete pAgain;
}

TEST(FixedAlloc, ThreadsShareTheBlocksWithoutHandingOneOutTwice)
{
  CFixedAlloc alloc(16, 32);
  const int nThreads = 4;
  const int nRounds = 20000;
  std::vector<std::vector<void*>> kept(nThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < nThreads; ++t)
    threads.emplace_back([&alloc, &kept, t] {
      for (int i = 0; i < nRounds; ++i)
      {
        void* p = alloc.Alloc();
        *static_cast<int*>(p) = t;
        if (i % 4 == 0)
          kept[t].push_back(p);
        else
          alloc.Free(p);
      }
    });
  for (std::thread& thread : threads)
    thread.join();
  std::set<void*> live;
  for (int t = 0; t < nThreads; ++t)
    for (void* p : kept[t])
    {
      EXPECT_TRUE(live.insert(p).second);
      EXPECT_EQ(*static_cast<int*>(p), t);
    }
  EXPECT_EQ(live.size(), size_t(nThreads * nRounds / 4));
}

}  // namespace
