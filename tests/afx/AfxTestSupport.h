// Shared by the window tests of the framework layer: a recording window class, bounded message
// pumps, a message-box catcher and the test application object.
#pragma once
#include <afxcmn.h>
#include <afxdlgs.h>
#include <afxext.h>

#include <algorithm>
#include <string>
#include <vector>

// Records the messages its window receives, then handles them as TBase would.
template <class TBase>
class CRecording : public TBase
{
public:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
  {
    m_received.push_back(message);
    return TBase::WindowProc(message, wParam, lParam);
  }
  int Received(UINT nMessage) const
  {
    return static_cast<int>(std::count(m_received.begin(), m_received.end(), nMessage));
  }

  std::vector<UINT> m_received;
};

// A plain top-level window for the controls of one test; destroyed with the object.
class CTestParent : public CWnd
{
public:
  CTestParent();
  ~CTestParent() override;
};

// Pumps the queue through the framework's translation until the time is up.
void PumpMessages(DWORD dwMilliseconds);

// Catches the message boxes shown on this thread while it lives: records their caption, text
// and buttons, and presses the chosen button.
class CMessageBoxCatcher
{
public:
  explicit CMessageBoxCatcher(int nButtonToPress = IDOK);
  ~CMessageBoxCatcher();
  CMessageBoxCatcher(const CMessageBoxCatcher&) = delete;
  CMessageBoxCatcher& operator=(const CMessageBoxCatcher&) = delete;

  struct SBox
  {
    std::string caption;
    std::string text;
    std::vector<int> buttons;
  };
  std::vector<SBox> m_boxes;

private:
  static LRESULT CALLBACK CbtHook(int nCode, WPARAM wParam, LPARAM lParam);
  void catchBox(HWND hWnd);
  HHOOK m_hHook;
  int m_nButtonToPress;
};

// The test executable's application object: a command handler of its own for routing tests.
class CTestApp : public CWinApp
{
public:
  CTestApp() : CWinApp("ZuntAfxTest") {}
  int m_nAppCommands = 0;

protected:
  afx_msg void OnAppCommand() { ++m_nAppCommands; }
  DECLARE_MESSAGE_MAP()
};

CTestApp& TestApp();

// Command ids the application handles.
const UINT ID_TEST_APP_COMMAND = 32900;
