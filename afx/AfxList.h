// Doubly linked lists of pointers walked by POSITION: CPtrList and CObList.
#pragma once
#include "AfxException.h"

struct __POSITION
{};
typedef __POSITION* POSITION;

// The nodes and walking rules every list shares. A null or foreign POSITION is the caller's
// error, as in the framework; an empty list's head or tail raises CInvalidArgException.
template <typename TYPE>
class ZAfxListCore
{
public:
  explicit ZAfxListCore(INT_PTR nBlockSize = 10) { (void)nBlockSize; }
  ~ZAfxListCore() { RemoveAll(); }
  ZAfxListCore(const ZAfxListCore&) = delete;
  ZAfxListCore& operator=(const ZAfxListCore&) = delete;

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }

  TYPE& GetHead() { return nonEmpty(m_pHead)->data; }
  TYPE GetHead() const { return nonEmpty(m_pHead)->data; }
  TYPE& GetTail() { return nonEmpty(m_pTail)->data; }
  TYPE GetTail() const { return nonEmpty(m_pTail)->data; }

  POSITION AddHead(TYPE newElement) { return InsertBefore(position(m_pHead), newElement); }
  POSITION AddTail(TYPE newElement) { return InsertAfter(position(m_pTail), newElement); }
  TYPE RemoveHead()
  {
    TYPE data = nonEmpty(m_pHead)->data;
    RemoveAt(position(m_pHead));
    return data;
  }
  TYPE RemoveTail()
  {
    TYPE data = nonEmpty(m_pTail)->data;
    RemoveAt(position(m_pTail));
    return data;
  }
  void RemoveAll()
  {
    while (m_pHead)
    {
      Node* next = m_pHead->next;
      delete m_pHead;
      m_pHead = next;
    }
    m_pTail = nullptr;
    m_nCount = 0;
  }

  POSITION GetHeadPosition() const { return position(m_pHead); }
  POSITION GetTailPosition() const { return position(m_pTail); }
  TYPE& GetNext(POSITION& rPosition)
  {
    Node* node = this->node(rPosition);
    rPosition = position(node->next);
    return node->data;
  }
  TYPE GetNext(POSITION& rPosition) const { return const_cast<ZAfxListCore*>(this)->GetNext(rPosition); }
  TYPE& GetPrev(POSITION& rPosition)
  {
    Node* node = this->node(rPosition);
    rPosition = position(node->prev);
    return node->data;
  }
  TYPE GetPrev(POSITION& rPosition) const { return const_cast<ZAfxListCore*>(this)->GetPrev(rPosition); }
  TYPE& GetAt(POSITION position) { return node(position)->data; }
  TYPE GetAt(POSITION position) const { return node(position)->data; }
  void SetAt(POSITION position, TYPE newElement) { node(position)->data = newElement; }

  // A null position inserts at the head (before) or the tail (after).
  POSITION InsertBefore(POSITION position, TYPE newElement)
  {
    Node* next = position ? node(position) : m_pHead;
    return link(next ? next->prev : nullptr, next, newElement);
  }
  POSITION InsertAfter(POSITION position, TYPE newElement)
  {
    Node* prev = position ? node(position) : m_pTail;
    return link(prev, prev ? prev->next : nullptr, newElement);
  }
  void RemoveAt(POSITION position)
  {
    Node* node = this->node(position);
    (node->prev ? node->prev->next : m_pHead) = node->next;
    (node->next ? node->next->prev : m_pTail) = node->prev;
    delete node;
    --m_nCount;
  }

  POSITION Find(TYPE searchValue, POSITION startAfter = nullptr) const
  {
    Node* n = startAfter ? node(startAfter)->next : m_pHead;
    for (; n; n = n->next)
      if (n->data == searchValue)
        return position(n);
    return nullptr;
  }
  // The position of the element at a zero-based index, or null beyond the list.
  POSITION FindIndex(INT_PTR nIndex) const
  {
    if (nIndex < 0 || nIndex >= m_nCount)
      return nullptr;
    Node* n = m_pHead;
    while (nIndex--)
      n = n->next;
    return position(n);
  }

private:
  struct Node : __POSITION
  {
    Node* prev;
    Node* next;
    TYPE data;
  };

  static POSITION position(Node* node) { return node; }
  static Node* node(POSITION position)
  {
    if (!position)
      AfxThrowInvalidArgException();
    return static_cast<Node*>(position);
  }
  static Node* nonEmpty(Node* node)
  {
    if (!node)
      AfxThrowInvalidArgException();
    return node;
  }
  POSITION link(Node* prev, Node* next, TYPE data)
  {
    Node* node = new Node{{}, prev, next, data};
    (prev ? prev->next : m_pHead) = node;
    (next ? next->prev : m_pTail) = node;
    ++m_nCount;
    return position(node);
  }

  Node* m_pHead = nullptr;
  Node* m_pTail = nullptr;
  INT_PTR m_nCount = 0;
};

class ZUNTAFX_API CPtrList : public CObject, public ZAfxListCore<void*>
{
  DECLARE_DYNAMIC(CPtrList)
public:
  explicit CPtrList(INT_PTR nBlockSize = 10) : ZAfxListCore<void*>(nBlockSize) {}
};

class ZUNTAFX_API CObList : public CObject, public ZAfxListCore<CObject*>
{
  DECLARE_DYNAMIC(CObList)
public:
  explicit CObList(INT_PTR nBlockSize = 10) : ZAfxListCore<CObject*>(nBlockSize) {}
};
