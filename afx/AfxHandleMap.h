// Per-thread maps from handles to the framework objects that wrap them. Permanent entries are
// objects bound by their owners; temporary ones are made on demand by FromHandle and deleted
// at idle time, so a pointer from FromHandle must not be kept across messages.
#pragma once
#include "AfxAssert.h"

#include <unordered_map>

template <class TObject, class THandle, THandle TObject::*pHandle>
class CHandleMap
{
public:
  CHandleMap() = default;
  CHandleMap(const CHandleMap&) = delete;
  CHandleMap& operator=(const CHandleMap&) = delete;
  ~CHandleMap() { DeleteTemp(); }

  TObject* LookupPermanent(THandle h) const { return lookup(m_permanent, h); }
  TObject* LookupTemporary(THandle h) const { return lookup(m_temporary, h); }

  // The permanent object, else a temporary one; null for a null handle.
  TObject* FromHandle(THandle h)
  {
    if (h == nullptr)
      return nullptr;
    if (TObject* pObject = LookupPermanent(h))
      return pObject;
    TObject*& pTemp = m_temporary[h];
    if (pTemp == nullptr)
    {
      pTemp = new TObject;
      pTemp->*pHandle = h;
    }
    return pTemp;
  }

  // Binds the object to the handle for good; one object a handle.
  BOOL Attach(TObject* pObject, THandle h)
  {
    ASSERT(pObject->*pHandle == nullptr);
    if (h == nullptr)
      return FALSE;
    ASSERT(LookupPermanent(h) == nullptr);
    m_permanent[h] = pObject;
    pObject->*pHandle = h;
    return TRUE;
  }
  // A temporary wrapper lets go of its handle without unbinding the object bound to it since.
  THandle Detach(TObject* pObject)
  {
    THandle h = pObject->*pHandle;
    if (h != nullptr && LookupPermanent(h) == pObject)
      m_permanent.erase(h);
    pObject->*pHandle = nullptr;
    return h;
  }

  // Temporaries lose their handle first: deleting one must not destroy what it wrapped.
  void DeleteTemp()
  {
    std::unordered_map<THandle, TObject*> temporary;
    temporary.swap(m_temporary);
    for (auto& entry : temporary)
    {
      entry.second->*pHandle = nullptr;
      delete entry.second;
    }
  }

  size_t GetPermanentCount() const { return m_permanent.size(); }
  size_t GetTemporaryCount() const { return m_temporary.size(); }

private:
  static TObject* lookup(const std::unordered_map<THandle, TObject*>& map, THandle h)
  {
    auto found = map.find(h);
    return found != map.end() ? found->second : nullptr;
  }

  std::unordered_map<THandle, TObject*> m_permanent;
  std::unordered_map<THandle, TObject*> m_temporary;
};
