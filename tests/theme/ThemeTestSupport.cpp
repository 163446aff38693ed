#include "ThemeTestSupport.h"
#include "../TestApp.h"

#include <algorithm>
#include <commctrl.h>

namespace
{
CCommonControlsTestApp theApp("ZuntThemeTest", ICC_BAR_CLASSES);

class CThemeDllName : public CXPTheme
{
public:
  static void Set(const char* pszName) { m_pszThemeDllName = pszName; }
};
}  // namespace

void SetThemeDllName(const char* pszName) { CThemeDllName::Set(pszName); }

CNoThemeDllScope::CNoThemeDllScope()
{
  SetThemeDllName("ZuntNoSuchTheme.dll");
  CXPTheme::Release();
}

CNoThemeDllScope::~CNoThemeDllScope()
{
  SetThemeDllName("UxTheme.dll");
  CXPTheme::Release();
}

bool VisualStylesActive()
{
  CXPTheme theme(nullptr, L"Button");
  return theme.IsAvailable() && CXPTheme::IsActive();
}

CRecordingWnd::CRecordingWnd()
{
  CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)), "Owner",
           WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr);
}

LRESULT CRecordingWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  const UINT recorded[] = {PaletteWnd_Msg_BeginPopup,
                           PaletteWnd_Msg_DrawCell,
                           PaletteWnd_Msg_SelChanged,
                           PaletteWnd_Msg_QueryEndPopup,
                           PaletteWnd_Msg_EndPopup,
                           CCharPaletteCtrl_Msg_SelChanged,
                           TavikColorPaletteCtrl_Msg_SelChanged,
                           WM_XPUPDOWN_RELEASED,
                           WM_KEYDOWN};
  if (std::find(std::begin(recorded), std::end(recorded), message) != std::end(recorded))
  {
    SSentMessage sent = {message, wParam, lParam, {}};
    if (message == PaletteWnd_Msg_DrawCell)
      sent.drawCell = *reinterpret_cast<const PaletteDrawCellInfo*>(lParam);
    m_sent.push_back(sent);
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

std::vector<UINT> CRecordingWnd::Sequence() const
{
  std::vector<UINT> sequence;
  for (const SSentMessage& sent : m_sent)
  {
    if (sent.nMessage != PaletteWnd_Msg_DrawCell)
      sequence.push_back(sent.nMessage);
  }
  return sequence;
}

int CRecordingWnd::Count(UINT nMessage) const
{
  return static_cast<int>(
      std::count_if(m_sent.begin(), m_sent.end(), [&](const SSentMessage& sent) { return sent.nMessage == nMessage; }));
}

const SSentMessage* CRecordingWnd::First(UINT nMessage) const
{
  auto found =
      std::find_if(m_sent.begin(), m_sent.end(), [&](const SSentMessage& sent) { return sent.nMessage == nMessage; });
  return found != m_sent.end() ? &*found : nullptr;
}

void PumpMessages(DWORD dwMilliseconds)
{
  const DWORD dwEnd = ::GetTickCount() + dwMilliseconds;
  for (;;)
  {
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
    {
      ::TranslateMessage(&msg);
      ::DispatchMessage(&msg);
    }
    const DWORD dwNow = ::GetTickCount();
    if (static_cast<LONG>(dwEnd - dwNow) <= 0)
      return;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, dwEnd - dwNow, QS_ALLINPUT);
  }
}

void PressKey(HWND hWnd, UINT nKey)
{
  // Keyboard hooks see input from the keyboard, not posted key messages.
  ::SetForegroundWindow(hWnd);
  ::SetFocus(hWnd);
  INPUT inputs[2] = {};
  for (INPUT& input : inputs)
  {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(nKey);
  }
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, inputs, sizeof(INPUT));
  PumpMessages(30);
}

HICON CreateMarkerIcon(COLORREF crMarker)
{
  // The mask transparent everywhere but the top-left pixel; colour bits black but there, in the
  // order blue, green, red.
  std::vector<BYTE> mask(32 * 32 / 8, 0xFF);
  mask[0] = 0x7F;
  std::vector<DWORD> colour(32 * 32, 0);
  colour[0] = RGB(GetBValue(crMarker), GetGValue(crMarker), GetRValue(crMarker));
  return ::CreateIcon(nullptr, 32, 32, 1, 32, mask.data(), reinterpret_cast<const BYTE*>(colour.data()));
}
