#include "HistoryMap.h"

#include "OwnedObject.h"

#include <memory>
#include <sys/stat.h>
#include <utility>
#include <vector>

IMPLEMENT_SERIAL(CHistoryMap, CMapStringToOb, 1)

namespace
{

const int nArchiveBufferSize = 4096;

}  // namespace

CHistoryMap::CHistoryMap() : CMapStringToOb(10), m_nLimitCount(-1), m_timeLimit(0) {}

// The file closes itself after the histories are gone, if it is still open.
CHistoryMap::~CHistoryMap()
{
  CString key;
  CObject* pHistory;
  for (POSITION pos = GetStartPosition(); pos;)
  {
    GetNextAssoc(pos, key, pHistory);
    delete pHistory;
  }
}

CEnteredHistory* CHistoryMap::Enumrate(const char* pszKey) const
{
  CObject* pHistory = nullptr;
  if (!Lookup(pszKey, pHistory))
    return nullptr;
  return DYNAMIC_DOWNCAST(CEnteredHistory, pHistory);
}

void CHistoryMap::SetAt(const char* pszKey, const char* pszText, CTime time)
{
  CEnteredHistory* pHistory = Enumrate(pszKey);
  if (!pHistory)
  {
    pHistory = new CEnteredHistory;
    replace((*this)[pszKey], pHistory);
  }
  pHistory->Add(pszText, time);
}

void CHistoryMap::DeleteOutOfLimit()
{
  CString key;
  CObject* pHistory;
  for (POSITION pos = GetStartPosition(); pos;)
  {
    GetNextAssoc(pos, key, pHistory);
    static_cast<CEnteredHistory*>(pHistory)->DeleteOutOfLimit(m_nLimitCount, m_timeLimit);
  }
}

bool CHistoryMap::Save(const char* pszPath) { return serializeFile(pszPath, false); }

bool CHistoryMap::Load(const char* pszPath) { return serializeFile(pszPath, true); }

void CHistoryMap::CheckData() const
{
  ::OutputDebugStringA(
      ">>\x97\x9A\x97\xF0\x8F\xEE\x95\xF1\x8A\x6D\x94\x46 \x8A\x4A\x8E\x6E<<\n");  // history check: begin
  CString key;
  CObject* pHistory;
  for (POSITION pos = GetStartPosition(); pos;)
  {
    GetNextAssoc(pos, key, pHistory);
    CString line;
    line.Format("\x81\x40[Key:%s]\n", static_cast<LPCTSTR>(key));  // one ideographic space first
    ::OutputDebugStringA(line);
    static_cast<CEnteredHistory*>(pHistory)->CheckData();
  }
  ::OutputDebugStringA(
      ">>\x97\x9A\x97\xF0\x8F\xEE\x95\xF1\x8A\x6D\x94\x46 \x8F\x49\x97\xB9<<\n");  // history check: end
}

void CHistoryMap::Serialize(CArchive& ar)
{
  if (ar.IsStoring())
  {
    CMapStringToOb::Serialize(ar);
    return;
  }
  // Kept in file order, so that new keys join the map as the framework's loading would add them.
  std::vector<std::pair<CString, std::unique_ptr<CEnteredHistory>>> loaded;
  for (DWORD_PTR nLeft = ar.ReadCount(); nLeft; --nLeft)
  {
    CString key;
    ar >> key;
    loaded.emplace_back(key, std::unique_ptr<CEnteredHistory>(ReadOwnedObject<CEnteredHistory>(ar)));
  }
  for (auto& entry : loaded)
    adopt(entry.first, std::move(entry.second));
}

bool CHistoryMap::IsExistFile(const char* pszPath)
{
  struct _stat status;
  return _stat(pszPath, &status) == 0;
}

bool CHistoryMap::CreateFolder(const char* pszPath)
{
  CString folder(pszPath);
  if (folder.ReverseFind('\\') == folder.GetLength() - 1)
    folder = folder.Left(folder.GetLength() - 1);
  if (IsExistFile(folder))
    return true;
  const int nSlash = folder.ReverseFind('\\');
  if (nSlash == 0)
    return true;
  if (nSlash > 0 && !CreateFolder(folder.Left(nSlash)))
    return false;
  if (folder.Mid(nSlash + 1).Find('.') >= 0)
    return true;
  return ::CreateDirectoryA(pszPath, nullptr) != FALSE;
}

CArchive* CHistoryMap::CreateArchiver(const char* pszPath, bool bLoad)
{
  if (!IsExistFile(pszPath))
    CreateFolder(pszPath);
  const UINT nFlags =
      bLoad ? CFile::modeRead | CFile::shareDenyWrite : CFile::modeCreate | CFile::modeWrite | CFile::shareDenyRead;
  if (!m_file.Open(pszPath, nFlags))
    return nullptr;
  return new CArchive(&m_file, bLoad ? CArchive::load : CArchive::store, nArchiveBufferSize);
}

// The file is open only while the map is saved or loaded, whatever happens meanwhile.
bool CHistoryMap::serializeFile(const char* pszPath, bool bLoad)
{
  std::unique_ptr<CArchive> pArchive(CreateArchiver(pszPath, bLoad));
  if (!pArchive)
    return false;
  try
  {
    Serialize(*pArchive);
    pArchive->Close();
  }
  catch (...)
  {
    pArchive->Abort();
    m_file.Abort();
    throw;
  }
  pArchive.reset();
  m_file.Close();
  return true;
}

// A key already present keeps its history object and only its entries change: the controls
// bound to the key hold that object. The key is looked up once: a file's keys are mostly new to
// the map, and a chain of the framework's table holds dozens of them.
void CHistoryMap::adopt(LPCTSTR pszKey, std::unique_ptr<CEnteredHistory> pLoaded)
{
  CObject*& pValue = (*this)[pszKey];
  if (CEnteredHistory* pHistory = DYNAMIC_DOWNCAST(CEnteredHistory, pValue))
    pHistory->TakeEntries(*pLoaded);
  else
    replace(pValue, pLoaded.release());
}

// A value already under the key is deleted.
void CHistoryMap::replace(CObject*& pValue, CEnteredHistory* pHistory)
{
  delete pValue;
  pValue = pHistory;
}
