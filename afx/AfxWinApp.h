// CWinThread and CWinApp: the message loop with PreTranslateMessage and idle processing, the
// application object with its profile, and the message boxes and beeps the library shows.
#pragma once
#include "AfxWnd.h"

class ZUNTAFX_API CWinThread : public CCmdTarget
{
  DECLARE_DYNAMIC(CWinThread)
public:
  CWinThread();

  CWnd* m_pMainWnd;
  DWORD m_nThreadID;
#ifndef ZUNTAFX_MFC_SURFACE
  MSG m_msgCur;
#endif

  virtual BOOL InitInstance();
  virtual int ExitInstance();
  // Pumps messages until WM_QUIT, with idle processing whenever the queue is empty.
  virtual int Run();
  // Gets and dispatches one message; FALSE on WM_QUIT.
  virtual BOOL PumpMessage();
  // Key and mouse messages go to PreTranslateMessage of the target and its parents first.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // lCount 0 updates the command UI of the main window and its bars; 1 frees temporary
  // objects. TRUE asks for more idle time.
  virtual BOOL OnIdle(LONG lCount);
  // FALSE for messages that do not end idle time: repeated mouse moves, paints, system timers.
  virtual BOOL IsIdleMessage(MSG* pMsg);
  virtual CWnd* GetMainWnd();

private:
  POINT m_ptLastMouseMove;
};

class ZUNTAFX_API CWinApp : public CWinThread
{
  DECLARE_DYNAMIC(CWinApp)
  DECLARE_MESSAGE_MAP()
public:
  // There is one application object; it is found with AfxGetApp.
  explicit CWinApp(LPCTSTR lpszAppName = nullptr);
  ~CWinApp() override;

  LPCTSTR m_pszAppName;
  LPCTSTR m_pszExeName;
  LPCTSTR m_pszRegistryKey;  // null while the profile is an INI file
  LPCTSTR m_pszProfileName;  // the INI file, or the application's key under the registry key
  HINSTANCE m_hInstance;
  LPTSTR m_lpCmdLine;
  int m_nCmdShow;

  // Shows a message box owned by the active window; the seam for hosts and tests.
  virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

  // The profile: HKEY_CURRENT_USER\Software\<key>\<application>\<section> after SetRegistryKey,
  // else the INI file m_pszProfileName.
  void SetRegistryKey(LPCTSTR lpszRegistryKey);
  void SetRegistryKey(UINT nIDRegistryKey);
  UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
  BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
  CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
  BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
  HKEY GetAppRegistryKey();
  HKEY GetSectionKey(LPCTSTR lpszSection);
#ifndef ZUNTAFX_MFC_SURFACE

  // Keeps a string member of the kind MFC programs assign: owned, freed with free().
  static void AFXAPI SetOwnedString(LPCTSTR& rpszMember, LPCTSTR lpszValue);
#endif
};

ZUNTAFX_API CWinApp* AFXAPI AfxGetApp();
ZUNTAFX_API CWinThread* AFXAPI AfxGetThread();
ZUNTAFX_API CWnd* AFXAPI AfxGetMainWnd();
ZUNTAFX_API LPCTSTR AFXAPI AfxGetAppName();
// The entry of a framework program: its WinMain returns AfxWinMain(...).
ZUNTAFX_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);

// Message boxes through CWinApp::DoMessageBox (a plain system box when there is no application).
ZUNTAFX_API int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
ZUNTAFX_API int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));

#ifndef ZUNTAFX_MFC_SURFACE
// The thread's PreTranslateMessage, also where there is no application object.
ZUNTAFX_API BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg);
// Frees the temporary objects of the calling thread's handle maps.
ZUNTAFX_API void AFXAPI AfxDeleteTempMaps();
// How many temporary objects the calling thread's handle maps hold: a diagnostic.
ZUNTAFX_API size_t AFXAPI AfxGetTempObjectCount();
#endif
