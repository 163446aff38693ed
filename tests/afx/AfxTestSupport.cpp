#include "AfxTestSupport.h"

#include <gtest/gtest.h>

namespace
{
CTestApp theApp;
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
  DWORD dwEnd = ::GetTickCount() + dwMilliseconds;
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
    LONG nLeft = static_cast<LONG>(dwEnd - ::GetTickCount());
    if (nLeft <= 0)
      return;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(nLeft), QS_ALLINPUT);
  }
}

namespace
{
CMessageBoxCatcher* g_pCatcher = nullptr;
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
  char szText[1024] = {};
  ::GetDlgItemText(hWnd, 0xFFFF, szText, sizeof szText);  // the message's static control
  SBox box = {szCaption, szText, {}};
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

CTestApp& TestApp() { return theApp; }
