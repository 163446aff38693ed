#include "AfxWinApp.h"
#include "AfxHandleOf.h"
#include "AfxModule.h"
#include "AfxMsgMap.h"
#include "AfxPrivateMessages.h"
#include "AfxThreadState.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
CWinApp* g_pApp = nullptr;

bool IsInputMessage(UINT message)
{
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

// The system timer of caret blinking and the like.
const UINT WM_SYSTIMER = 0x0118;
}

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
    : m_pMainWnd(nullptr), m_nThreadID(::GetCurrentThreadId()), m_msgCur(), m_ptLastMouseMove{-1, -1}
{}

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::ExitInstance()
{
  AfxDeleteTempMaps();
  return static_cast<int>(m_msgCur.wParam);
}

CWnd* CWinThread::GetMainWnd() { return m_pMainWnd; }

int CWinThread::Run()
{
  BOOL bIdle = TRUE;
  LONG lIdleCount = 0;
  for (;;)
  {
    while (bIdle && !::PeekMessage(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE))
    {
      if (!OnIdle(lIdleCount++))
        bIdle = FALSE;
    }
    do
    {
      if (!PumpMessage())
        return ExitInstance();
      if (IsIdleMessage(&m_msgCur))
      {
        bIdle = TRUE;
        lIdleCount = 0;
      }
    } while (::PeekMessage(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
  }
}

BOOL CWinThread::PumpMessage()
{
  if (::GetMessage(&m_msgCur, nullptr, 0, 0) <= 0)
    return FALSE;
  if (!PreTranslateMessage(&m_msgCur))
  {
    ::TranslateMessage(&m_msgCur);
    ::DispatchMessage(&m_msgCur);
  }
  return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
  if (!IsInputMessage(pMsg->message))
    return FALSE;
  CWnd* pMainWnd = GetMainWnd();
  if (CWnd::WalkPreTranslateTree(ZuntAfx::HandleOf(pMainWnd), pMsg))
    return TRUE;
  // A modeless window outside the main window still gets the main window's translation.
  if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && !::IsChild(pMainWnd->m_hWnd, pMsg->hwnd) &&
      pMainWnd->m_hWnd != pMsg->hwnd)
    return pMainWnd->PreTranslateMessage(pMsg);
  return FALSE;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
  if (lCount <= 0)
  {
    CWnd* pMainWnd = GetMainWnd();
    if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsWindowVisible())
    {
      pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
      pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE);
    }
    return TRUE;
  }
  AfxDeleteTempMaps();
  return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
  if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
  {
    bool bMoved = pMsg->pt.x != m_ptLastMouseMove.x || pMsg->pt.y != m_ptLastMouseMove.y;
    m_ptLastMouseMove = pMsg->pt;
    return bMoved;
  }
  return pMsg->message != WM_PAINT && pMsg->message != WM_SYSTIMER;
}

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

namespace
{
CString ModuleTitle()
{
  char szPath[MAX_PATH] = {};
  ::GetModuleFileName(nullptr, szPath, MAX_PATH);
  const char* pszName = std::strrchr(szPath, '\\');
  CString strTitle(pszName != nullptr ? pszName + 1 : szPath);
  int nDot = strTitle.ReverseFind('.');
  return nDot >= 0 ? strTitle.Left(nDot) : strTitle;
}
}

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(nullptr), m_pszExeName(nullptr), m_pszRegistryKey(nullptr), m_pszProfileName(nullptr),
      m_hInstance(::GetModuleHandle(nullptr)), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL)
{
  ASSERT(g_pApp == nullptr);
  g_pApp = this;
  CString strTitle = ModuleTitle();
  SetOwnedString(m_pszExeName, strTitle);
  SetOwnedString(m_pszAppName, lpszAppName != nullptr ? lpszAppName : static_cast<LPCTSTR>(strTitle));
  SetOwnedString(m_pszProfileName, strTitle + ".INI");
}

CWinApp::~CWinApp()
{
  for (LPCTSTR* ppsz : {&m_pszAppName, &m_pszExeName, &m_pszRegistryKey, &m_pszProfileName})
    SetOwnedString(*ppsz, nullptr);
  if (g_pApp == this)
    g_pApp = nullptr;
}

void AFXAPI CWinApp::SetOwnedString(LPCTSTR& rpszMember, LPCTSTR lpszValue)
{
  std::free(const_cast<LPTSTR>(rpszMember));
  rpszMember = lpszValue != nullptr ? _strdup(lpszValue) : nullptr;
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
  // The framework's choice of icon when the caller names none.
  if ((nType & MB_ICONMASK) == 0)
  {
    UINT nButtons = nType & MB_TYPEMASK;
    if (nButtons == MB_OK || nButtons == MB_OKCANCEL)
      nType |= MB_ICONEXCLAMATION;
    else if (nButtons == MB_YESNO || nButtons == MB_YESNOCANCEL)
      nType |= MB_ICONQUESTION;
  }
  HWND hWndOwner = ::GetActiveWindow();
  if (hWndOwner == nullptr || ::GetWindowThreadProcessId(hWndOwner, nullptr) != ::GetCurrentThreadId())
    hWndOwner = ZuntAfx::HandleOf(AfxGetMainWnd());
  return ::MessageBox(hWndOwner, lpszPrompt, m_pszAppName, nType);
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
  SetOwnedString(m_pszRegistryKey, lpszRegistryKey);
  SetOwnedString(m_pszProfileName, m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
  CString strKey;
  strKey.LoadString(nIDRegistryKey);
  SetRegistryKey(strKey);
}

HKEY CWinApp::GetAppRegistryKey()
{
  ASSERT(m_pszRegistryKey != nullptr);
  CString strPath = CString("Software\\") + m_pszRegistryKey + "\\" + m_pszProfileName;
  HKEY hAppKey = nullptr;
  DWORD dwDisposition;
  if (::RegCreateKeyEx(HKEY_CURRENT_USER, strPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                       &hAppKey, &dwDisposition) != ERROR_SUCCESS)
    return nullptr;
  return hAppKey;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
  HKEY hAppKey = GetAppRegistryKey();
  if (hAppKey == nullptr)
    return nullptr;
  HKEY hSectionKey = nullptr;
  DWORD dwDisposition;
  ::RegCreateKeyEx(hAppKey, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                   &hSectionKey, &dwDisposition);
  ::RegCloseKey(hAppKey);
  return hSectionKey;
}

namespace
{
// A section key that closes itself.
class CSectionKey
{
public:
  explicit CSectionKey(HKEY hKey) : m_hKey(hKey) {}
  ~CSectionKey()
  {
    if (m_hKey != nullptr)
      ::RegCloseKey(m_hKey);
  }
  CSectionKey(const CSectionKey&) = delete;
  CSectionKey& operator=(const CSectionKey&) = delete;
  HKEY m_hKey;
};
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
  if (m_pszRegistryKey == nullptr)
    return ::GetPrivateProfileInt(lpszSection, lpszEntry, nDefault, m_pszProfileName);
  CSectionKey key(GetSectionKey(lpszSection));
  DWORD dwValue = 0, dwType = 0, dwSize = sizeof dwValue;
  if (key.m_hKey == nullptr ||
      ::RegQueryValueEx(key.m_hKey, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(&dwValue), &dwSize) !=
          ERROR_SUCCESS ||
      dwType != REG_DWORD)
    return static_cast<UINT>(nDefault);
  return dwValue;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
  if (m_pszRegistryKey == nullptr)
  {
    CString strValue;
    strValue.Format("%d", nValue);
    return ::WritePrivateProfileString(lpszSection, lpszEntry, strValue, m_pszProfileName);
  }
  CSectionKey key(GetSectionKey(lpszSection));
  DWORD dwValue = static_cast<DWORD>(nValue);
  return key.m_hKey != nullptr &&
         ::RegSetValueEx(key.m_hKey, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                         sizeof dwValue) == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
  CString strDefault(lpszDefault != nullptr ? lpszDefault : "");
  if (m_pszRegistryKey == nullptr)
  {
    std::vector<char> buffer(4096);
    DWORD dwLength = ::GetPrivateProfileString(lpszSection, lpszEntry, strDefault, buffer.data(),
                                               static_cast<DWORD>(buffer.size()), m_pszProfileName);
    return CString(buffer.data(), static_cast<int>(dwLength));
  }
  CSectionKey key(GetSectionKey(lpszSection));
  DWORD dwType = 0, dwSize = 0;
  if (key.m_hKey == nullptr ||
      ::RegQueryValueEx(key.m_hKey, lpszEntry, nullptr, &dwType, nullptr, &dwSize) != ERROR_SUCCESS || dwType != REG_SZ)
    return strDefault;
  std::vector<char> buffer(dwSize + 1);
  ::RegQueryValueEx(key.m_hKey, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(buffer.data()), &dwSize);
  return CString(buffer.data());
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
  if (m_pszRegistryKey == nullptr)
    return ::WritePrivateProfileString(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
  // A null entry removes the section, a null value the entry.
  if (lpszEntry == nullptr)
  {
    CSectionKey appKey(GetAppRegistryKey());
    return appKey.m_hKey != nullptr && ::RegDeleteKey(appKey.m_hKey, lpszSection) == ERROR_SUCCESS;
  }
  CSectionKey key(GetSectionKey(lpszSection));
  if (key.m_hKey == nullptr)
    return FALSE;
  if (lpszValue == nullptr)
    return ::RegDeleteValue(key.m_hKey, lpszEntry) == ERROR_SUCCESS;
  return ::RegSetValueEx(key.m_hKey, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                         static_cast<DWORD>(std::strlen(lpszValue) + 1)) == ERROR_SUCCESS;
}

CWinApp* AFXAPI AfxGetApp() { return g_pApp; }

CWinThread* AFXAPI AfxGetThread() { return g_pApp; }

CWnd* AFXAPI AfxGetMainWnd() { return g_pApp != nullptr ? g_pApp->GetMainWnd() : nullptr; }

LPCTSTR AFXAPI AfxGetAppName() { return g_pApp != nullptr ? g_pApp->m_pszAppName : ""; }

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr)
    return -1;
  pApp->m_hInstance = hInstance;
  pApp->m_lpCmdLine = lpCmdLine;
  pApp->m_nCmdShow = nCmdShow;
  if (!pApp->InitInstance())
  {
    if (pApp->m_pMainWnd != nullptr)
      pApp->m_pMainWnd->DestroyWindow();
    return pApp->ExitInstance();
  }
  return pApp->Run();
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
  CWinApp* pApp = AfxGetApp();
  if (pApp != nullptr)
    return pApp->DoMessageBox(lpszText, nType, nIDHelp);
  return ::MessageBox(::GetActiveWindow(), lpszText, nullptr, nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
  CString strPrompt;
  strPrompt.LoadString(nIDPrompt);
  return AfxMessageBox(strPrompt, nType, nIDHelp == static_cast<UINT>(-1) ? nIDPrompt : nIDHelp);
}

BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg)
{
  CWinThread* pThread = AfxGetThread();
  if (pThread != nullptr)
    return pThread->PreTranslateMessage(pMsg);
  return IsInputMessage(pMsg->message) && CWnd::WalkPreTranslateTree(nullptr, pMsg);
}

void AFXAPI AfxDeleteTempMaps()
{
  AFX_THREAD_STATE& state = AfxGetThreadState();
  state.m_wndMap.DeleteTemp();
  state.m_menuMap.DeleteTemp();
  state.m_dcMap.DeleteTemp();
  state.m_gdiMap.DeleteTemp();
}

size_t AFXAPI AfxGetTempObjectCount()
{
  AFX_THREAD_STATE& state = AfxGetThreadState();
  return state.m_wndMap.GetTemporaryCount() + state.m_menuMap.GetTemporaryCount() + state.m_dcMap.GetTemporaryCount() +
         state.m_gdiMap.GetTemporaryCount();
}
