// Loading the objects that a history owns: each one read anew, of the class asked for. A null
// object has no place in a history and is refused like an object of another class; a reference
// back to an object read before would give one object two owners, and is a bad index.
#pragma once
#include <afx.h>

#include <memory>

// The class record of the next owned object: the class asked for or one derived from it.
inline CRuntimeClass* ReadOwnedClass(CArchive& ar, const CRuntimeClass* pClassRequested, UINT& nSchema)
{
  DWORD dwObTag = 0;
  CRuntimeClass* pClass = ar.ReadClass(pClassRequested, &nSchema, &dwObTag);
  if (!pClass)
    AfxThrowArchiveException(dwObTag ? CArchiveException::badIndex : CArchiveException::badClass, ar.m_strFileName);
  return pClass;
}

// The object after its class record, made through the record and read.
inline CObject* ReadObjectOfClass(CArchive& ar, CRuntimeClass* pClass, UINT nSchema)
{
  std::unique_ptr<CObject> pOb(pClass->CreateObject());
  if (!pOb)
    AfxThrowMemoryException();
  // Its tag number, as the framework's loading would give it, keeps the later tags in step.
  ar.MapObject(pOb.get());
  ar.SetObjectSchema(nSchema);
  pOb->Serialize(ar);
  return pOb.release();
}

template <class TYPE>
TYPE* ReadOwnedObject(CArchive& ar)
{
  UINT nSchema = 0;
  CRuntimeClass* pClass = ReadOwnedClass(ar, RUNTIME_CLASS(TYPE), nSchema);
  return static_cast<TYPE*>(ReadObjectOfClass(ar, pClass, nSchema));
}
