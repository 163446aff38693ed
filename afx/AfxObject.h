// CObject and run-time class information: class names, derivation tests, dynamic creation
// and the class records of serialized objects.
#pragma once
#include "AfxPlatform.h"

class CObject;
class CArchive;

struct ZUNTAFX_API CRuntimeClass
{
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;  // 0xFFFF for classes that cannot be serialized
  CObject*(AFXAPI* m_pfnCreateObject)();
  // A function, not a pointer: the base class may live in another DLL, whose data address
  // is no constant.
  CRuntimeClass*(AFXAPI* m_pfnGetBaseClass)();
  CRuntimeClass* m_pNextClass;  // every registered class, newest first

  CObject* CreateObject() { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
  BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

  // A registered class by name, or null.
  static CRuntimeClass* AFXAPI FromName(LPCSTR lpszClassName);
  static CObject* AFXAPI CreateObject(LPCSTR lpszClassName);
};

// Puts a class into the registry of class names at static initialisation.
struct ZUNTAFX_API AFX_CLASSINIT
{
  explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

#define VERSIONABLE_SCHEMA (0x80000000u)

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                                                                                    \
public:                                                                                                                \
  static CRuntimeClass class##class_name;                                                                              \
  static CRuntimeClass* AFXAPI GetThisClass();                                                                         \
  virtual CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                                  \
  DECLARE_DYNAMIC(class_name)                                                                                          \
  static CObject* AFXAPI CreateObject();

#define ZAFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                                      \
  CRuntimeClass class_name::class##class_name = {#class_name, int(sizeof(class class_name)),  wSchema,                 \
                                                 pfnNew,      &base_class_name::GetThisClass, nullptr};                \
  static AFX_CLASSINIT _init_##class_name(&class_name::class##class_name);                                             \
  CRuntimeClass* AFXAPI class_name::GetThisClass() { return &class_name::class##class_name; }                          \
  CRuntimeClass* class_name::GetRuntimeClass() const { return &class_name::class##class_name; }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                                 \
  ZAFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                               \
  CObject* AFXAPI class_name::CreateObject() { return new class_name; }                                                \
  ZAFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

// A serializable class: its objects are written with their class record and created anew when
// read. The extraction operator reads an object of the class (or a derived one) or fails with
// CArchiveException; the class that declares it must see CArchive (afx.h).
#define DECLARE_SERIAL(class_name)                                                                                     \
  DECLARE_DYNCREATE(class_name)                                                                                        \
  [[maybe_unused]] friend CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb)                                  \
  {                                                                                                                    \
    pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));                                          \
    return ar;                                                                                                         \
  }

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                                         \
  CObject* AFXAPI class_name::CreateObject() { return new class_name; }                                                \
  ZAFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)

class ZUNTAFX_API CObject
{
public:
  static CRuntimeClass classCObject;
  static CRuntimeClass* AFXAPI GetThisClass();
  virtual CRuntimeClass* GetRuntimeClass() const;
  virtual ~CObject();

  // Class-level, as in the framework: they hide the global forms (new (std::nothrow) among them),
  // so code written here also builds against it.
  void* operator new(size_t nSize) { return ::operator new(nSize); }
  void* operator new(size_t, void* p) { return p; }
  void operator delete(void* p) { ::operator delete(p); }
  void operator delete(void*, void*) {}

  BOOL IsKindOf(const CRuntimeClass* pClass) const;
  BOOL IsSerializable() const;
  // Writes or reads the object's own data; the class record is the archive's business.
  virtual void Serialize(CArchive& ar);

protected:
  CObject() {}

private:
  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;
};

// The object as the class asked for, or null when it is of another class.
ZUNTAFX_API CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
#define DYNAMIC_DOWNCAST(class_name, object)                                                                           \
  (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), object)))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))
