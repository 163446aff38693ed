#include "ColumnItemData.h"

#include "ChildList.h"

CColumnItemData::CColumnItemData() : m_pData(nullptr) {}

CColumnItemData::CColumnItemData(const CColumnItemData& other) : m_pData(nullptr)
{
  m_arrDataString.Copy(other.m_arrDataString);
}

CColumnItemData& CColumnItemData::operator=(const CColumnItemData& other)
{
  if (this != &other)
    m_arrDataString.Copy(other.m_arrDataString);
  return *this;
}

CColumnItemData::~CColumnItemData() = default;

bool CColumnItemData::GetDataString(int nIndex, CString& strData) const
{
  if (nIndex < 0 || nIndex >= GetDataStringSize())
    return false;
  strData = m_arrDataString[nIndex];
  return true;
}

bool CColumnItemData::InsertItemData(int nIndex, CChildList* pList)
{
  if (pList == nullptr)
    return false;
  CString strFirst;
  GetDataString(0, strFirst);
  LVITEM item = {};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = nIndex;
  item.pszText = const_cast<LPTSTR>(static_cast<LPCTSTR>(strFirst));
  item.lParam = reinterpret_cast<LPARAM>(this);
  const int nItem = pList->InsertItem(&item);
  if (nItem < 0)
    return false;
  for (int nColumn = 1; nColumn < GetDataStringSize(); ++nColumn)
    pList->SetItemText(nItem, nColumn, m_arrDataString[nColumn]);
  return true;
}

bool CColumnItemData::UpdateItemData(int nIndex, CChildList* pList)
{
  if (pList == nullptr)
    return false;
  const CHeaderCtrl* pHeader = pList->GetHeaderCtrl();
  const int nColumns = pHeader != nullptr ? pHeader->GetItemCount() : 0;
  for (int nColumn = 0; nColumn < nColumns; ++nColumn)
  {
    CString strText;
    GetDataString(nColumn, strText);
    pList->SetItemText(nIndex, nColumn, strText);
  }
  return pList->SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}
