// libFuzzer target: loading an archive of owned objects, the way the history file is loaded.
// Whatever the input, loading must end in success or CArchiveException, with no leak, no
// double delete and no allocation beyond what the input can fill. Seeds: corpus/archive,
// dictionary: archive.dict.
#include "../tests/afx/TestObjects.h"

#include <map>
#include <string>

namespace
{

typedef std::map<std::string, CObject*> Owned;

void clear(Owned& values)
{
  for (auto& entry : values)
    delete entry.second;
  values.clear();
}

// A count, then key and owned object pairs; a key read twice replaces (and frees) its value.
void loadOwnedMap(CArchive& ar, Owned& values)
{
  for (DWORD_PTR n = ar.ReadCount(); n; --n)
  {
    CString key;
    ar >> key;
    CObject* pValue = ar.ReadOwnedObject(RUNTIME_CLASS(CObject));
    CObject*& slot = values[std::string(key)];
    delete slot;
    slot = pValue;
  }
}

// Stores what was loaded and loads it again: the second load must succeed.
void storeAndReload(const Owned& values)
{
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    ar.WriteCount(values.size());
    for (const auto& entry : values)
      ar << CString(entry.first.c_str()) << entry.second;
    ar.Close();
  }
  file.SeekToBegin();
  CArchive ar(&file, CArchive::load);
  Owned again;
  loadOwnedMap(ar, again);
  if (again.size() != values.size())
    __builtin_trap();
  clear(again);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  CMemFile file(const_cast<BYTE*>(data), UINT(size));
  CArchive ar(&file, CArchive::load);
  Owned values;
  try
  {
    loadOwnedMap(ar, values);
    storeAndReload(values);
  }
  catch (CArchiveException* e)
  {
    e->Delete();
  }
  clear(values);
  return 0;
}
