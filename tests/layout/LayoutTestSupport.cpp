#include "LayoutTestSupport.h"

namespace
{
CLayoutTestApp theApp;
}

CLayoutTestApp::CLayoutTestApp() : CWinApp("ZuntLayoutTest")
{
  char szDir[MAX_PATH] = "";
  ::GetTempPathA(MAX_PATH, szDir);
  m_strProfile.Format("%szunt_layout_profile_%lu.ini", szDir, ::GetCurrentProcessId());
  CWinApp::SetOwnedString(m_pszProfileName, m_strProfile);
}

void CLayoutTestApp::ResetProfile()
{
  ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, m_strProfile);
  ::DeleteFileA(m_strProfile);
}

CLayoutTestApp& TestApp() { return theApp; }

CHostWnd::CHostWnd()
{
  CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE)), "Host",
           WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(40, 40, 560, 440), nullptr, 0);
  SetForegroundWindow();
}

LRESULT CHostWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  m_nWheelMessages += message == WM_MOUSEWHEEL;
  return CWnd::WindowProc(message, wParam, lParam);
}

void PumpPending()
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
}

CRect RectInParent(const CWnd& wnd)
{
  CRect rc;
  wnd.GetWindowRect(&rc);
  ::MapWindowPoints(nullptr, ::GetParent(wnd.m_hWnd), reinterpret_cast<LPPOINT>(&rc), 2);
  return rc;
}

std::ostream& operator<<(std::ostream& out, const CRect& rc)
{
  return out << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}
