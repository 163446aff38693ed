// libFuzzer target: loading the history file from memory into a map that already holds keys.
// Whatever the input, loading ends in success or CArchiveException; after an exception the map
// is as it was, after success the map saves and loads again to the same histories. No leak, no
// double delete. Seeds: corpus/history, dictionary: history.dict.
#include "../tests/history/HistoryDescription.h"

namespace
{

// Stores the map and loads the result into a new map: every key must come back as it was.
void storeAndReload(CHistoryMap& map)
{
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    map.Serialize(ar);
    ar.Close();
  }
  file.SeekToBegin();
  CArchive ar(&file, CArchive::load);
  CHistoryMap again;
  again.Serialize(ar);
  if (again.GetCount() != map.GetCount())
    __builtin_trap();
  CString key;
  CObject* pValue;
  for (POSITION pos = map.GetStartPosition(); pos;)
  {
    map.GetNextAssoc(pos, key, pValue);
    if (!again.Enumrate(key) || Describe(*again.Enumrate(key)) != Describe(*map.Enumrate(key)))
      __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  CHistoryMap map;
  map.SetAt("k", "held", CTime(1));
  map.SetAt("keep", "x", CTime(2));
  const std::string before = Describe(map);

  CMemFile file(const_cast<BYTE*>(data), UINT(size));
  CArchive ar(&file, CArchive::load);
  try
  {
    map.Serialize(ar);
  }
  catch (CArchiveException* e)
  {
    e->Delete();
    if (Describe(map) != before)
      __builtin_trap();
    return 0;
  }
  storeAndReload(map);
  return 0;
}
