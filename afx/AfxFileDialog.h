// CFileDialog: the system's open and save dialogs, through the OPENFILENAME the caller may
// adjust before DoModal. Derived dialogs (a folder browser) may show something else instead.
#pragma once
#include "AfxDialog.h"

#include <commdlg.h>

class ZUNTAFX_API CCommonDialog : public CDialog
{
  DECLARE_DYNAMIC(CCommonDialog)
public:
  explicit CCommonDialog(CWnd* pParentWnd) : CDialog(static_cast<LPCTSTR>(nullptr), pParentWnd) {}
};

class ZUNTAFX_API CFileDialog : public CCommonDialog
{
  DECLARE_DYNAMIC(CFileDialog)
private:
  // What m_ofn refers to; first, so that it exists before the reference is bound.
  OPENFILENAME m_ofnData;

public:
  explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                       DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                       CWnd* pParentWnd = nullptr);

  // A reference, as in MFC, whose structure lies elsewhere in the object.
  OPENFILENAME& m_ofn;

  // IDOK when a file was chosen, IDCANCEL otherwise.
  INT_PTR DoModal() override;
  CString GetPathName() const { return m_szFileName; }

protected:
  BOOL m_bOpenFileDialog;
  CString m_strFilter;  // '|' separated, turned into the system's '\0' separated list
#ifndef ZUNTAFX_MFC_SURFACE
  CString m_strDefExt;
#endif
  char m_szFileName[MAX_PATH];
};
