// A row of the child list: one text per column and the host object the row stands for. A
// record handed to the list becomes the list's; a derived record may put itself into the list
// view in its own way.
#pragma once
#include <afxcoll.h>

class CChildList;

class AFX_EXT_CLASS CColumnItemData
{
public:
  CColumnItemData();
  // The copy has the texts but no host object.
  CColumnItemData(const CColumnItemData& other);
  // Takes the texts; the host object stays.
  CColumnItemData& operator=(const CColumnItemData& other);

  void AddDataString(const CString& strData) { m_arrDataString.Add(strData); }
  // False for an index out of range.
  bool GetDataString(int nIndex, CString& strData) const;
  int GetDataStringSize() const { return static_cast<int>(m_arrDataString.GetSize()); }

  void SetData(void* pData) { m_pData = pData; }
  void* GetData() const { return m_pData; }

  // Inserts a list item at nIndex with the texts, the record as its data. False without a list.
  virtual bool InsertItemData(int nIndex, CChildList* pList);
  // Gives list item nIndex the texts (empty where a text is missing) and the record as its data.
  virtual bool UpdateItemData(int nIndex, CChildList* pList);
  // Virtual, so that the list frees derived records whole; declared after the two operations
  // above so that they keep the first slots of the table.
  virtual ~CColumnItemData();

protected:
  CStringArray m_arrDataString;
  void* m_pData;
};
