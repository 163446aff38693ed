#include "AfxTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <sstream>

namespace
{
CTestApp theApp;

bool IsNoise(UINT nMessage)
{
  const UINT noise[] = {WM_GETICON,   WM_GETOBJECT,      WM_PAINT,      WM_NCPAINT, WM_ERASEBKGND,
                        WM_SYNCPAINT, WM_IME_SETCONTEXT, WM_IME_NOTIFY, WM_TIMER};
  return nMessage >= 0xC000 || std::find(std::begin(noise), std::end(noise), nMessage) != std::end(noise);
}

std::string Describe(const std::string& label, UINT nMessage, WPARAM wParam)
{
  char szLine[160];
  std::snprintf(szLine, sizeof szLine, "%-10s 0x%04x wParam 0x%llx", label.c_str(), nMessage,
                static_cast<unsigned long long>(wParam));
  return szLine;
}

bool Matches(const SExpected& expected, const SLoggedMessage& logged)
{
  return logged.label == expected.pszLabel && logged.nMessage == expected.nMessage &&
         (expected.wParam == 0 || logged.wParam == expected.wParam);
}

// Optional entries may be skipped; every logged message must be accounted for.
bool SequenceMatches(const std::vector<SExpected>& expected, const std::vector<SLoggedMessage>& logged)
{
  size_t nLogged = 0;
  for (const SExpected& entry : expected)
  {
    if (nLogged < logged.size() && Matches(entry, logged[nLogged]))
      ++nLogged;
    else if (!entry.bOptional)
      return false;
  }
  return nLogged == logged.size();
}
}

CMessageLog& CMessageLog::Get()
{
  static CMessageLog log;
  return log;
}

void CMessageLog::Add(const char* pszLabel, UINT nMessage, WPARAM wParam)
{
  if (!IsNoise(nMessage))
    m_messages.push_back({pszLabel, nMessage, wParam});
}

void ExpectSequence(const std::vector<SExpected>& expected, const char* pszContext, const char* pszFile, int nLine)
{
  const std::vector<SLoggedMessage>& logged = CMessageLog::Get().Messages();
  if (SequenceMatches(expected, logged))
    return;
  std::ostringstream report;
  report << pszContext << ": message sequence differs\nexpected:\n";
  for (const SExpected& entry : expected)
    report << "  " << Describe(entry.pszLabel, entry.nMessage, entry.wParam) << (entry.bOptional ? " (optional)" : "")
           << "\n";
  report << "received:\n";
  for (const SLoggedMessage& message : logged)
    report << "  " << Describe(message.label, message.nMessage, message.wParam) << "\n";
  ADD_FAILURE_AT(pszFile, nLine) << report.str();
}

CTestParent::CTestParent()
{
  // Topmost, so that focus tests are not at the mercy of other windows.
  VERIFY(CreateEx(WS_EX_TOPMOST,
                  AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                  "test parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr));
}

CTestParent::~CTestParent() { DestroyWindow(); }

void PumpMessages(DWORD dwMilliseconds)
{
  PumpUntil([] { return false; }, dwMilliseconds);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD dwTimeout)
{
  DWORD dwEnd = ::GetTickCount() + dwTimeout;
  for (;;)
  {
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
    {
      if (!AfxPreTranslateMessage(&msg))
      {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
      }
    }
    if (condition())
      return true;
    LONG nLeft = static_cast<LONG>(dwEnd - ::GetTickCount());
    if (nLeft <= 0)
      return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(nLeft), QS_ALLINPUT);
  }
}

namespace
{
CMessageBoxCatcher* g_pCatcher = nullptr;

std::string ItemText(HWND hWnd, int nID)
{
  char szText[1024] = {};
  ::GetDlgItemText(hWnd, nID, szText, sizeof szText);
  return szText;
}
}

CMessageBoxCatcher::CMessageBoxCatcher(int nButtonToPress) : m_nButtonToPress(nButtonToPress)
{
  g_pCatcher = this;
  m_hHook = ::SetWindowsHookEx(WH_CBT, &CbtHook, nullptr, ::GetCurrentThreadId());
}

CMessageBoxCatcher::~CMessageBoxCatcher()
{
  ::UnhookWindowsHookEx(m_hHook);
  g_pCatcher = nullptr;
}

LRESULT CALLBACK CMessageBoxCatcher::CbtHook(int nCode, WPARAM wParam, LPARAM lParam)
{
  if (nCode == HCBT_ACTIVATE && g_pCatcher != nullptr)
    g_pCatcher->catchBox(reinterpret_cast<HWND>(wParam));
  return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void CMessageBoxCatcher::catchBox(HWND hWnd)
{
  char szClass[32] = {};
  ::GetClassName(hWnd, szClass, sizeof szClass);
  // Message boxes are system dialogs no framework object is bound to.
  if (std::string(szClass) != "#32770" || CWnd::FromHandlePermanent(hWnd) != nullptr)
    return;
  char szCaption[256] = {};
  ::GetWindowText(hWnd, szCaption, sizeof szCaption);
  SBox box = {szCaption, ItemText(hWnd, 0xFFFF), {}};
  for (int nID : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO})
  {
    if (::GetDlgItem(hWnd, nID) != nullptr)
      box.buttons.push_back(nID);
  }
  m_boxes.push_back(box);
  ::PostMessage(hWnd, WM_COMMAND, MAKEWPARAM(m_nButtonToPress, BN_CLICKED),
                reinterpret_cast<LPARAM>(::GetDlgItem(hWnd, m_nButtonToPress)));
}

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
  ON_COMMAND(ID_TEST_APP_COMMAND, &CTestApp::OnAppCommand)
END_MESSAGE_MAP()

CTestApp::CTestApp() : CWinApp("ZuntAfxTest"), m_nAppCommands(0) {}

void CTestApp::OnAppCommand() { ++m_nAppCommands; }

CTestApp& TestApp() { return theApp; }
