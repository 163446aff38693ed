// Shared by the window tests of the framework layer: a message log with expected-sequence
// tables, recording window classes, bounded message pumps, a message-box catcher and the test
// application object.
#pragma once
#include <afxcmn.h>
#include <afxdlgs.h>
#include <afxext.h>

#include <functional>
#include <string>
#include <vector>

// One message as a window saw it; the label names the object that recorded it.
struct SLoggedMessage
{
  std::string label;
  UINT nMessage;
  WPARAM wParam;
};

// An entry of an expected sequence: optional ones may be missing, a non-zero wParam must match.
const bool kOptional = true;
struct SExpected
{
  const char* pszLabel;
  UINT nMessage;
  bool bOptional = false;
  WPARAM wParam = 0;
};

class CMessageLog
{
public:
  static CMessageLog& Get();
  void Add(const char* pszLabel, UINT nMessage, WPARAM wParam);
  void Flush() { m_messages.clear(); }
  const std::vector<SLoggedMessage>& Messages() const { return m_messages; }

private:
  std::vector<SLoggedMessage> m_messages;
};

// Compares the log with the table, ignoring noise (registered messages, painting, icons,
// IME and accessibility queries); on a mismatch prints both sequences.
void ExpectSequence(const std::vector<SExpected>& expected, const char* pszContext, const char* pszFile, int nLine);
#define EXPECT_SEQUENCE(table, context) ExpectSequence(table, context, __FILE__, __LINE__)

// Records every message its window receives, then handles it as TBase would.
template <class TBase>
class CRecording : public TBase
{
public:
  explicit CRecording(const char* pszLabel = "") : m_pszLabel(pszLabel) {}
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
  {
    CMessageLog::Get().Add(m_pszLabel, message, wParam);
    return TBase::WindowProc(message, wParam, lParam);
  }

  const char* m_pszLabel;
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
// Pumps until the condition holds; false when the time ran out first.
bool PumpUntil(const std::function<bool()>& condition, DWORD dwTimeout = 2000);

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
  CTestApp();
  int m_nAppCommands;

protected:
  afx_msg void OnAppCommand();
  DECLARE_MESSAGE_MAP()
};

CTestApp& TestApp();

// Command ids the application handles.
const UINT ID_TEST_APP_COMMAND = 32900;
