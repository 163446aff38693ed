// Maps from strings to objects or pointers. They iterate in the framework's order: buckets
// from 0 upward, each chain from its head, a new association at the head of its chain, so
// that archives of a map come out byte for byte as the framework writes them.
#pragma once
#include "AfxList.h"

#include <vector>

template <typename VALUE>
class ZAfxStringMapCore
{
public:
  explicit ZAfxStringMapCore(INT_PTR nBlockSize = 10) { (void)nBlockSize; }
  ~ZAfxStringMapCore() { RemoveAll(); }
  ZAfxStringMapCore(const ZAfxStringMapCore&) = delete;
  ZAfxStringMapCore& operator=(const ZAfxStringMapCore&) = delete;

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }
  UINT GetHashTableSize() const { return m_nHashTableSize; }

  // Takes effect on an empty map; the table itself is made when the first key comes.
  void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE)
  {
    if (m_nCount != 0 || hashSize == 0)
      AfxThrowInvalidArgException();
    m_buckets.clear();
    m_nHashTableSize = hashSize;
    if (bAllocNow)
      m_buckets.assign(hashSize, nullptr);
  }

  BOOL Lookup(LPCTSTR key, VALUE& rValue) const
  {
    const Assoc* assoc = find(key);
    if (assoc)
      rValue = assoc->value;
    return assoc != nullptr;
  }
  VALUE& operator[](LPCTSTR key)
  {
    Assoc* assoc = find(key);
    return (assoc ? assoc : add(key))->value;
  }
  void SetAt(LPCTSTR key, VALUE newValue) { (*this)[key] = newValue; }
  BOOL RemoveKey(LPCTSTR key)
  {
    if (m_buckets.empty())
      return FALSE;
    const UINT hash = HashKey(key);
    for (Assoc** link = &m_buckets[bucketOf(hash)]; *link; link = &(*link)->next)
      if (matches(**link, hash, key))
      {
        Assoc* gone = *link;
        *link = gone->next;
        delete gone;
        --m_nCount;
        return TRUE;
      }
    return FALSE;
  }
  void RemoveAll()
  {
    for (Assoc*& head : m_buckets)
      while (head)
      {
        Assoc* next = head->next;
        delete head;
        head = next;
      }
    m_buckets.clear();
    m_nCount = 0;
  }

  POSITION GetStartPosition() const { return firstFrom(0); }
  void GetNextAssoc(POSITION& rNextPosition, CString& rKey, VALUE& rValue) const
  {
    if (!rNextPosition)
      AfxThrowInvalidArgException();
    const Assoc* assoc = static_cast<const Assoc*>(rNextPosition);
    rKey = assoc->key;
    rValue = assoc->value;
    rNextPosition = assoc->next ? assoc->next : firstFrom(bucketOf(assoc->hash) + 1);
  }

  // h = h * 33 + c over the key's bytes. The framework adds each char as the compiler's
  // char: signed there, so bytes above 0x7F are added sign-extended.
  static UINT HashKey(LPCTSTR key)
  {
    UINT hash = 0;
    for (; *key; ++key)
      hash = (hash << 5) + hash + UINT(int(static_cast<signed char>(*key)));
    return hash;
  }

private:
  struct Assoc : __POSITION
  {
    Assoc* next;
    UINT hash;
    CString key;
    VALUE value;
  };

  size_t bucketOf(UINT hash) const { return hash % m_nHashTableSize; }
  // A chain holds keys of many hashes: the hash rules most of them out before the text.
  static bool matches(const Assoc& assoc, UINT hash, LPCTSTR key) { return assoc.hash == hash && assoc.key == key; }
  Assoc* find(LPCTSTR key) const
  {
    if (m_buckets.empty())
      return nullptr;
    const UINT hash = HashKey(key);
    for (Assoc* a = m_buckets[bucketOf(hash)]; a; a = a->next)
      if (matches(*a, hash, key))
        return a;
    return nullptr;
  }
  Assoc* add(LPCTSTR key)
  {
    if (m_buckets.empty())
      m_buckets.assign(m_nHashTableSize, nullptr);
    const UINT hash = HashKey(key);
    Assoc*& head = m_buckets[bucketOf(hash)];
    head = new Assoc{{}, head, hash, CString(key), VALUE()};
    ++m_nCount;
    return head;
  }
  POSITION firstFrom(size_t bucket) const
  {
    for (; bucket < m_buckets.size(); ++bucket)
      if (m_buckets[bucket])
        return m_buckets[bucket];
    return nullptr;
  }

  std::vector<Assoc*> m_buckets;
  UINT m_nHashTableSize = 17;
  INT_PTR m_nCount = 0;
};

// Serialized as its count, then each key and value (an object) in iteration order; loading
// stores each pair with SetAt. The map does not own its values.
class ZUNTAFX_API CMapStringToOb : public CObject, public ZAfxStringMapCore<CObject*>
{
  DECLARE_SERIAL(CMapStringToOb)
public:
  explicit CMapStringToOb(INT_PTR nBlockSize = 10) : ZAfxStringMapCore<CObject*>(nBlockSize) {}
  void Serialize(CArchive& ar) override;
};

class ZUNTAFX_API CMapStringToPtr : public CObject, public ZAfxStringMapCore<void*>
{
  DECLARE_DYNAMIC(CMapStringToPtr)
public:
  explicit CMapStringToPtr(INT_PTR nBlockSize = 10) : ZAfxStringMapCore<void*>(nBlockSize) {}
};
