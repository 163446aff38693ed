// Chooses a folder with the shell's folder browser, starting on a preselected path, with the
// selected folder's path shortened to fit the browser's status line. It is a file dialog only
// by descent: the base dialog is never shown.
#pragma once
#include <afxdlgs.h>

class AFX_EXT_CLASS CDlgBrowseForFolder : public CFileDialog
{
  DECLARE_DYNAMIC(CDlgBrowseForFolder)
public:
  // Without a parent the application's main window owns the browser.
  explicit CDlgBrowseForFolder(CWnd* pParent = nullptr);

  // In: the folder to preselect; out: the chosen one.
  void SetPath(const CString& strPath) { m_strPath = strPath; }
  const CString& GetPath() const { return m_strPath; }
  // The prompt above the folder tree.
  void SetTitleMessage(const CString& strMessage) { m_strTitleMessage = strMessage; }
  // The base dialog's title: the string must outlive the dialog. The folder tree does not show it.
  void SetTitle(const CString& strTitle) { m_ofn.lpstrTitle = strTitle; }
  // Mode bits clear option flags: 0x1 clears 0x8, 0x10 clears 0x20000, 0x100 clears 0x10.
  bool SetMode(DWORD dwMode);
  // IDOK with the chosen folder in GetPath; IDCANCEL leaves the path as it was.
  INT_PTR DoModal() override;

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  static int CALLBACK BrowseCallbackProc(HWND hWnd, UINT nMessage, LPARAM lParam, LPARAM lpData);

  CString m_strPath;
  CString m_strTitleMessage;
  DWORD m_dwOptions;
  DWORD m_dwFileDialogFlags;  // the base dialog's flags at construction
  bool m_bRootAtComputer;     // the tree starts at the computer instead of the desktop
  CWnd* m_pOwnerWnd;
};
