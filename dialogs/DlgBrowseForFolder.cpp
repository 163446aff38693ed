#include "DlgBrowseForFolder.h"

#include "LibraryText.h"
#include "Resource.h"

#include <shlobj.h>

namespace
{
const DWORD kInitialOptions = 0x20058;
// The status line of the shell's folder browser.
const int IDC_BROWSE_STATUS = 14147;
// Room for the ellipsis that shortening may add.
const int kStatusBufferLength = MAX_PATH + 4;

const struct
{
  DWORD dwModeBit;
  DWORD dwClearedOption;
} kModeOptions[] = {{0x1, 0x8}, {0x10, 0x20000}, {0x100, 0x10}};

// Shortens the path in place, with an ellipsis in its middle, to the status line's width.
void FitPathToStatus(HWND hBrowser, char* pszPath)
{
  HWND hStatus = ::GetDlgItem(hBrowser, IDC_BROWSE_STATUS);
  if (hStatus == nullptr)
    return;
  RECT rcStatus;
  ::GetClientRect(hStatus, &rcStatus);
  HDC hDC = ::GetDC(hStatus);
  HGDIOBJ hOldFont = ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(::SendMessage(hStatus, WM_GETFONT, 0, 0)));
  ::DrawTextExA(hDC, pszPath, -1, &rcStatus,
                DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX | DT_PATH_ELLIPSIS | DT_MODIFYSTRING, nullptr);
  ::SelectObject(hDC, hOldFont);
  ::ReleaseDC(hStatus, hDC);
}
}

IMPLEMENT_DYNAMIC(CDlgBrowseForFolder, CFileDialog)

CDlgBrowseForFolder::CDlgBrowseForFolder(CWnd* pParent)
    : CFileDialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr, pParent),
      m_strTitleMessage(LoadLibraryText(IDS_SELECT_FOLDER, LIBRARY_TEXT_PATH)), m_dwOptions(kInitialOptions),
      m_dwFileDialogFlags(m_ofn.Flags), m_bRootAtComputer(false),
      m_pOwnerWnd(pParent != nullptr ? pParent : AfxGetMainWnd())
{}

bool CDlgBrowseForFolder::SetMode(DWORD dwMode)
{
  for (const auto& option : kModeOptions)
    if ((dwMode & option.dwModeBit) != 0)
      m_dwOptions &= ~option.dwClearedOption;
  return true;
}

void CDlgBrowseForFolder::DoDataExchange(CDataExchange*) {}

int CALLBACK CDlgBrowseForFolder::BrowseCallbackProc(HWND hWnd, UINT nMessage, LPARAM lParam, LPARAM lpData)
{
  if (nMessage == BFFM_INITIALIZED)
  {
    const char* pszPath = reinterpret_cast<const char*>(lpData);
    const bool bPreselect = pszPath != nullptr && *pszPath != '\0';
    ::SendMessage(hWnd, BFFM_ENABLEOK, 0, bPreselect);
    if (bPreselect)
      ::SendMessage(hWnd, BFFM_SETSELECTIONA, TRUE, lpData);
    return 0;
  }
  if (nMessage == BFFM_SELCHANGED)
  {
    char szPath[kStatusBufferLength] = "";
    if (!::SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lParam), szPath))
    {
      ::SendMessage(hWnd, BFFM_ENABLEOK, 0, FALSE);
      return 0;
    }
    FitPathToStatus(hWnd, szPath);
    ::SendMessage(hWnd, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(szPath));
    return 1;
  }
  return 0;
}

INT_PTR CDlgBrowseForFolder::DoModal()
{
  m_ofn.Flags = m_dwOptions | m_dwFileDialogFlags;
  IMalloc* pMalloc = nullptr;
  if (FAILED(::SHGetMalloc(&pMalloc)))
    return IDCANCEL;
  const HWND hOwner = m_pOwnerWnd != nullptr ? m_pOwnerWnd->GetSafeHwnd() : nullptr;
  LPITEMIDLIST pidlRoot = nullptr;
  if (m_bRootAtComputer)
    ::SHGetSpecialFolderLocation(hOwner, CSIDL_DRIVES, &pidlRoot);

  char szPath[MAX_PATH] = "";
  lstrcpynA(szPath, m_strPath, MAX_PATH);
  char szDisplayName[MAX_PATH] = "";
  BROWSEINFOA info = {};
  info.hwndOwner = hOwner;
  info.pidlRoot = pidlRoot;
  info.pszDisplayName = szDisplayName;
  info.lpszTitle = m_strTitleMessage;
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = &BrowseCallbackProc;
  info.lParam = reinterpret_cast<LPARAM>(szPath);
  LPITEMIDLIST pidlChosen = ::SHBrowseForFolderA(&info);

  INT_PTR nResult = IDCANCEL;
  if (pidlChosen != nullptr && ::SHGetPathFromIDListA(pidlChosen, szPath))
  {
    m_strPath = szPath;
    nResult = IDOK;
  }
  pMalloc->Free(pidlChosen);
  pMalloc->Free(pidlRoot);
  pMalloc->Release();
  return nResult;
}
