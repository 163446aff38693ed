// Arrays: the framework's fixed arrays (the templates are in AfxTemplates.h). An index out
// of range raises CInvalidArgException; a grow size set by SetSize is the room Add takes at once
// when the array is full.
#pragma once
#include "AfxArchive.h"

#include <algorithm>
#include <vector>

// The storage and index rules every array shares. The elements sit at the end of the vector,
// after a gap that inserting at the front fills: a list kept newest first costs the same per
// element however long it grows.
template <typename TYPE, typename ARG_TYPE>
class ZAfxArrayCore
{
public:
  INT_PTR GetSize() const { return INT_PTR(m_items.size() - m_nGap); }
  INT_PTR GetCount() const { return GetSize(); }
  BOOL IsEmpty() const { return GetSize() == 0; }
  INT_PTR GetUpperBound() const { return GetSize() - 1; }
  void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
  {
    if (nNewSize < 0)
      AfxThrowInvalidArgException();
    if (nGrowBy >= 0)
      m_nGrowBy = nGrowBy;
    m_items.resize(m_nGap + size_t(nNewSize));
  }
  void FreeExtra()
  {
    closeGap();
    m_items.shrink_to_fit();
  }
  void RemoveAll()
  {
    m_items.clear();
    m_nGap = 0;
  }

  const TYPE& GetAt(INT_PTR nIndex) const { return m_items[checked(nIndex)]; }
  void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_items[checked(nIndex)] = newElement; }
  TYPE& ElementAt(INT_PTR nIndex) { return m_items[checked(nIndex)]; }
  const TYPE& ElementAt(INT_PTR nIndex) const { return m_items[checked(nIndex)]; }
  TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
  const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  const TYPE* GetData() const { return IsEmpty() ? nullptr : m_items.data() + m_nGap; }
  TYPE* GetData() { return IsEmpty() ? nullptr : m_items.data() + m_nGap; }

  void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
  {
    if (nIndex < 0)
      AfxThrowInvalidArgException();
    if (nIndex >= GetSize())
      SetSize(nIndex + 1);
    m_items[m_nGap + size_t(nIndex)] = newElement;
  }
  INT_PTR Add(ARG_TYPE newElement)
  {
    // A grow size set by SetSize takes room for that many elements at once.
    if (m_nGrowBy > 0 && m_items.size() == m_items.capacity())
      m_items.reserve(m_items.size() + size_t(m_nGrowBy));
    m_items.push_back(newElement);
    return GetUpperBound();
  }
  // Beyond the end the array grows to take the new elements at nIndex.
  void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
  {
    if (nIndex < 0 || nCount < 0)
      AfxThrowInvalidArgException();
    if (nIndex == 0 && !IsEmpty())
    {
      insertAtFront(TYPE(newElement), size_t(nCount));
      return;
    }
    if (nIndex >= GetSize())
      SetSize(nIndex);
    m_items.insert(m_items.begin() + m_nGap + nIndex, size_t(nCount), TYPE(newElement));
  }
  void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
  {
    if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize())
      AfxThrowInvalidArgException();
    const auto first = m_items.begin() + m_nGap + nIndex;
    m_items.erase(first, first + nCount);
  }
  INT_PTR Append(const ZAfxArrayCore& src)
  {
    const INT_PTR first = GetSize();
    m_items.insert(m_items.end(), src.m_items.begin() + src.m_nGap, src.m_items.end());
    return first;
  }
  void Copy(const ZAfxArrayCore& src)
  {
    if (this == &src)
      return;
    m_items.assign(src.m_items.begin() + src.m_nGap, src.m_items.end());
    m_nGap = 0;
  }

private:
  size_t checked(INT_PTR nIndex) const
  {
    if (nIndex < 0 || nIndex >= GetSize())
      AfxThrowInvalidArgException();
    return m_nGap + size_t(nIndex);
  }

  std::vector<TYPE> m_items;  // m_nGap unused slots, then the elements
  size_t m_nGap = 0;
  INT_PTR m_nGrowBy = 0;

  void insertAtFront(const TYPE& element, size_t nCount)
  {
    if (nCount > m_nGap)
    {
      // A gap as large as the array, so that refilling it costs as much as the move.
      std::vector<TYPE> items;
      const size_t nGap = nCount + m_items.size();
      items.reserve(nGap + m_items.size());
      items.resize(nGap);
      items.insert(items.end(), std::make_move_iterator(m_items.begin() + m_nGap),
                   std::make_move_iterator(m_items.end()));
      m_items.swap(items);
      m_nGap = nGap;
    }
    m_nGap -= nCount;
    std::fill_n(m_items.begin() + m_nGap, nCount, element);
  }
  void closeGap()
  {
    m_items.erase(m_items.begin(), m_items.begin() + m_nGap);
    m_nGap = 0;
  }
};

#define ZAFX_DECLARE_ARRAY(class_name, TYPE, ARG_TYPE, DECLARE)                                                        \
  class ZUNTAFX_API class_name : public CObject, public ZAfxArrayCore<TYPE, ARG_TYPE>                                  \
  {                                                                                                                    \
    DECLARE(class_name)                                                                                                \
  public:                                                                                                              \
    class_name() {}                                                                                                    \
  };

ZAFX_DECLARE_ARRAY(CStringArray, CString, LPCTSTR, DECLARE_DYNAMIC)
ZAFX_DECLARE_ARRAY(CDWordArray, DWORD, DWORD, DECLARE_DYNAMIC)
#undef ZAFX_DECLARE_ARRAY

// Serialized as its count, then each element as an object (null allowed). The array does not
// own its elements.
class ZUNTAFX_API CObArray : public CObject, public ZAfxArrayCore<CObject*, CObject*>
{
  DECLARE_SERIAL(CObArray)
public:
  CObArray() {}
  void Serialize(CArchive& ar) override;
};

class ZUNTAFX_API CPtrArray : public CObject, public ZAfxArrayCore<void*, void*>
{
  DECLARE_DYNAMIC(CPtrArray)
public:
  CPtrArray() {}
};
