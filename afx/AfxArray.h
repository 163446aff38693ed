// Arrays: CArray and CTypedPtrArray templates and the framework's fixed arrays. An index out
// of range raises CInvalidArgException; a grow size set by SetSize is the room Add takes at once
// when the array is full.
#pragma once
#include "AfxArchive.h"

#include <vector>

// The storage and index rules every array shares.
template <typename TYPE, typename ARG_TYPE>
class ZAfxArrayCore
{
public:
  INT_PTR GetSize() const { return INT_PTR(m_items.size()); }
  INT_PTR GetCount() const { return GetSize(); }
  BOOL IsEmpty() const { return m_items.empty(); }
  INT_PTR GetUpperBound() const { return GetSize() - 1; }
  void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
  {
    if (nNewSize < 0)
      AfxThrowInvalidArgException();
    if (nGrowBy >= 0)
      m_nGrowBy = nGrowBy;
    m_items.resize(size_t(nNewSize));
  }
  void FreeExtra() { m_items.shrink_to_fit(); }
  void RemoveAll() { m_items.clear(); }

  const TYPE& GetAt(INT_PTR nIndex) const { return m_items[checked(nIndex)]; }
  void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_items[checked(nIndex)] = newElement; }
  TYPE& ElementAt(INT_PTR nIndex) { return m_items[checked(nIndex)]; }
  const TYPE& ElementAt(INT_PTR nIndex) const { return m_items[checked(nIndex)]; }
  TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
  const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  const TYPE* GetData() const { return m_items.empty() ? nullptr : m_items.data(); }
  TYPE* GetData() { return m_items.empty() ? nullptr : m_items.data(); }

  void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
  {
    if (nIndex < 0)
      AfxThrowInvalidArgException();
    if (nIndex >= GetSize())
      m_items.resize(size_t(nIndex) + 1);
    m_items[size_t(nIndex)] = newElement;
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
    if (nIndex >= GetSize())
      m_items.resize(size_t(nIndex));
    m_items.insert(m_items.begin() + nIndex, size_t(nCount), TYPE(newElement));
  }
  void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
  {
    if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize())
      AfxThrowInvalidArgException();
    m_items.erase(m_items.begin() + nIndex, m_items.begin() + nIndex + nCount);
  }
  INT_PTR Append(const ZAfxArrayCore& src)
  {
    const INT_PTR first = GetSize();
    m_items.insert(m_items.end(), src.m_items.begin(), src.m_items.end());
    return first;
  }
  void Copy(const ZAfxArrayCore& src)
  {
    if (this != &src)
      m_items = src.m_items;
  }

protected:
  size_t checked(INT_PTR nIndex) const
  {
    if (nIndex < 0 || nIndex >= GetSize())
      AfxThrowInvalidArgException();
    return size_t(nIndex);
  }

  std::vector<TYPE> m_items;
  INT_PTR m_nGrowBy = 0;
};

template <typename TYPE, typename ARG_TYPE = const TYPE&>
class CArray : public CObject, public ZAfxArrayCore<TYPE, ARG_TYPE>
{
public:
  CArray() {}
  CArray(const CArray& other) : CObject() { this->Copy(other); }
  CArray& operator=(const CArray& other)
  {
    this->Copy(other);
    return *this;
  }
};

#define ZAFX_DECLARE_ARRAY(class_name, TYPE, ARG_TYPE, DECLARE)   \
  class ZUNTAFX_API class_name : public CObject, public ZAfxArrayCore<TYPE, ARG_TYPE> \
  {                                                               \
    DECLARE(class_name)                                           \
  public:                                                         \
    class_name() {}                                               \
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

// A CObArray or CPtrArray that hands out TYPE.
template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS
{
public:
  TYPE GetAt(INT_PTR nIndex) const { return static_cast<TYPE>(BASE_CLASS::GetAt(nIndex)); }
  TYPE& ElementAt(INT_PTR nIndex) { return reinterpret_cast<TYPE&>(BASE_CLASS::ElementAt(nIndex)); }
  void SetAt(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
  void SetAtGrow(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAtGrow(nIndex, ptr); }
  INT_PTR Add(TYPE ptr) { return BASE_CLASS::Add(ptr); }
  void InsertAt(INT_PTR nIndex, TYPE ptr, INT_PTR nCount = 1) { BASE_CLASS::InsertAt(nIndex, ptr, nCount); }
  TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
};
