// Shared by the layout tests: an application whose profile is an INI file of its own, a
// top-level host window, message pumping and window rectangles in a parent's client area.
#pragma once
#include <ZuntCtrl.h>

#include <ostream>

class CLayoutTestApp : public CWinApp
{
public:
  CLayoutTestApp();
  ~CLayoutTestApp() override { ResetProfile(); }
  // Flushes the system's cache of the file before deleting it.
  void ResetProfile();
  CString m_strProfile;
};

CLayoutTestApp& TestApp();

// A plain top-level window for controls under test; counts the wheel messages it receives.
class CHostWnd : public CWnd
{
public:
  CHostWnd();
  ~CHostWnd() override { DestroyWindow(); }
  int m_nWheelMessages = 0;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Delivers everything waiting in the thread's queue, through PreTranslateMessage.
void PumpPending();
// The window's rectangle in the client coordinates of its parent.
CRect RectInParent(const CWnd& wnd);

std::ostream& operator<<(std::ostream& out, const CRect& rc);
