// Loading the objects that a history owns: each one read anew, of the class asked for. A null
// object has no place in a history and is refused like an object of another class.
#pragma once
#include <afx.h>

template <class TYPE>
TYPE* ReadOwnedObject(CArchive& ar)
{
  CObject* pOb = ar.ReadOwnedObject(RUNTIME_CLASS(TYPE));
  if (!pOb)
    AfxThrowArchiveException(CArchiveException::badClass, ar.m_strFileName);
  return static_cast<TYPE*>(pOb);
}
