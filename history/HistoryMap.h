// All input histories by key, with limits, saving and loading. The map owns its histories
// (CEnteredHistory) and with them every entry.
#pragma once
#include "EnteredHistory.h"

#include <afxcoll.h>

#include <memory>

class AFX_EXT_CLASS CHistoryMap : public CMapStringToOb
{
  DECLARE_SERIAL(CHistoryMap)
public:
  CHistoryMap();
  ~CHistoryMap() override;

  int GetCount() const { return int(CMapStringToOb::GetCount()); }
  // The history of a key, or null when there is none.
  CEnteredHistory* Enumrate(const char* pszKey) const;
  // Adds the text to the key's history, which is made when the key is new. No limit applies.
  void SetAt(const char* pszKey, const char* pszText, CTime time);

  // Entries kept per key; 0 or less keeps all.
  void SetLimit(int nCount) { m_nLimitCount = nCount; }
  // Entries not newer than this go; 0 or less keeps all.
  void SetLimit(CTime time) { m_timeLimit = time; }
  void DeleteOutOfLimit();

  // False when the file cannot be opened; a read or write error raises the framework's file or
  // archive exception, after which the file is closed again. The folders of the path are made
  // first when the path does not exist.
  bool Save(const char* pszPath);
  // Adds the file's keys to the map. A key already in the map takes the entries read from the
  // file in place of its own, in the same history object, so that controls bound to the key
  // stay valid; a key that comes twice in the file keeps the later entries. A malformed file
  // raises CArchiveException and leaves the map as it was.
  bool Load(const char* pszPath);
  // Writes every key and its entries to the debugger output.
  void CheckData() const;

  // Stores what the framework's CMapStringToOb stores. Loading reads every key and history
  // first and changes the map only when the whole input was good.
  void Serialize(CArchive& ar) override;

protected:
  bool IsExistFile(const char* pszPath);
  // Makes every missing folder of a path whose folders are separated by backslashes. A last
  // name with a point is taken for a file and not made.
  bool CreateFolder(const char* pszPath);
  // An archive on m_file, opened on the path for loading or saving; null when it cannot be
  // opened.
  CArchive* CreateArchiver(const char* pszPath, bool bLoad);

  CFile m_file;
  int m_nLimitCount;
  CTime m_timeLimit;

private:
  bool serializeFile(const char* pszPath, bool bLoad);
  void adopt(LPCTSTR pszKey, std::unique_ptr<CEnteredHistory> pLoaded);
  static void replace(CObject*& pValue, CEnteredHistory* pHistory);
};
