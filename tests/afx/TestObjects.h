// Serializable classes for archive tests and the archive fuzz target. Include in one source
// file per executable: the class records are defined here.
#pragma once
#include <afxcoll.h>

class CTestLeaf : public CObject
{
  DECLARE_SERIAL(CTestLeaf)
public:
  CTestLeaf() { ++s_nLive; }
  CTestLeaf(LPCTSTR text, LONG n) : m_text(text), m_n(n) { ++s_nLive; }
  ~CTestLeaf() override { --s_nLive; }
  void Serialize(CArchive& ar) override
  {
    if (ar.IsStoring())
      ar << m_text << m_n;
    else
      ar >> m_text >> m_n;
  }
  CString m_text;
  LONG m_n = 0;
  // Live objects, so that a test sees what a failed load leaves behind.
  static inline int s_nLive = 0;
};
IMPLEMENT_SERIAL(CTestLeaf, CObject, 1)

// An array that owns its elements (leaves or further branches), read so that no element has
// two owners.
class CTestBranch : public CObArray
{
  DECLARE_SERIAL(CTestBranch)
public:
  ~CTestBranch() override
  {
    for (INT_PTR i = 0; i < GetSize(); ++i)
      delete GetAt(i);
  }
  void Serialize(CArchive& ar) override
  {
    if (ar.IsStoring())
    {
      CObArray::Serialize(ar);
      return;
    }
    for (DWORD_PTR n = ar.ReadCount(); n; --n)
      Add(ar.ReadOwnedObject(RUNTIME_CLASS(CObject)));
  }
};
IMPLEMENT_SERIAL(CTestBranch, CObArray, 2)
