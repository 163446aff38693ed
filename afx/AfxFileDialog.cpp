#include "AfxFileDialog.h"
#include "AfxWinApp.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_ofnData(), m_ofn(m_ofnData), m_bOpenFileDialog(bOpenFileDialog),
      m_strFilter(lpszFilter), m_strDefExt(lpszDefExt), m_szFileName()
{
  if (lpszFileName != nullptr)
    lstrcpyn(m_szFileName, lpszFileName, MAX_PATH);
  m_ofn.lStructSize = sizeof m_ofn;
  m_ofn.Flags = dwFlags | OFN_ENABLESIZING;
  m_ofn.lpstrFile = m_szFileName;
  m_ofn.nMaxFile = MAX_PATH;
  m_ofn.lpstrDefExt = lpszDefExt != nullptr ? static_cast<LPCTSTR>(m_strDefExt) : nullptr;
  if (lpszFilter != nullptr)
  {
    // "Text (*.txt)|*.txt||": the bars become the separators the system expects.
    for (int nIndex = 0; nIndex < m_strFilter.GetLength(); ++nIndex)
    {
      if (m_strFilter[nIndex] == '|')
        m_strFilter.SetAt(nIndex, '\0');
    }
    m_ofn.lpstrFilter = m_strFilter;
  }
}

INT_PTR CFileDialog::DoModal()
{
  m_ofn.hwndOwner = PreModal();
  BOOL bResult = m_bOpenFileDialog ? ::GetOpenFileName(&m_ofn) : ::GetSaveFileName(&m_ofn);
  return bResult ? IDOK : IDCANCEL;
}
