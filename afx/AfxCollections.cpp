#include "afxcoll.h"

IMPLEMENT_SERIAL(CObArray, CObject, 0)
IMPLEMENT_DYNAMIC(CStringArray, CObject)
IMPLEMENT_DYNAMIC(CDWordArray, CObject)
IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_DYNAMIC(CObList, CObject)
IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)
IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)

// Loading adds one element at a time: a count larger than the input can fill runs into the end
// of the archive instead of allocating for it.
void CObArray::Serialize(CArchive& ar)
{
  if (ar.IsStoring())
  {
    ar.WriteCount(DWORD_PTR(GetSize()));
    for (INT_PTR i = 0; i < GetSize(); ++i)
      ar << GetAt(i);
    return;
  }
  RemoveAll();
  for (DWORD_PTR nLeft = ar.ReadCount(); nLeft; --nLeft)
  {
    CObject* pOb;
    ar >> pOb;
    Add(pOb);
  }
}

void CMapStringToOb::Serialize(CArchive& ar)
{
  if (ar.IsStoring())
  {
    ar.WriteCount(DWORD_PTR(GetCount()));
    CString key;
    CObject* pValue;
    for (POSITION pos = GetStartPosition(); pos;)
    {
      GetNextAssoc(pos, key, pValue);
      ar << key << pValue;
    }
    return;
  }
  for (DWORD_PTR nLeft = ar.ReadCount(); nLeft; --nLeft)
  {
    CString key;
    CObject* pValue;
    ar >> key >> pValue;
    SetAt(key, pValue);
  }
}
