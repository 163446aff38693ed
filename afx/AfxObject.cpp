#include "AfxObject.h"

#include <cstring>

namespace
{

// Every class with run-time information, of every module, newest first.
CRuntimeClass* firstClass = nullptr;

CRuntimeClass* AFXAPI noBaseClass() { return nullptr; }

}  // namespace

CRuntimeClass CObject::classCObject = {"CObject", int(sizeof(CObject)), 0xFFFF, nullptr, &noBaseClass, nullptr};
static AFX_CLASSINIT initCObject(&CObject::classCObject);

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
{
  pNewClass->m_pNextClass = firstClass;
  firstClass = pNewClass;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
  for (const CRuntimeClass* c = this; c; c = c->m_pfnGetBaseClass())
    if (c == pBaseClass)
      return TRUE;
  return FALSE;
}

CRuntimeClass* AFXAPI CRuntimeClass::FromName(LPCSTR lpszClassName)
{
  for (CRuntimeClass* c = firstClass; c; c = c->m_pNextClass)
    if (std::strcmp(c->m_lpszClassName, lpszClassName) == 0)
      return c;
  return nullptr;
}

CObject* AFXAPI CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
  CRuntimeClass* c = FromName(lpszClassName);
  return c ? c->CreateObject() : nullptr;
}

CRuntimeClass* AFXAPI CObject::GetThisClass() { return &classCObject; }

CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

CObject::~CObject() {}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }

void CObject::Serialize(CArchive&) {}

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->m_wSchema != 0xFFFF; }

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
  return pObject && pObject->IsKindOf(pClass) ? pObject : nullptr;
}
