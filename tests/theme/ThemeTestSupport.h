// Shared by the theme and palette tests: the application object, a scope in which UxTheme.dll
// cannot be loaded, a window that records what it is sent, key presses and a bounded pump.
#pragma once
#include <ZuntCtrl.h>

#include "../PixelCanvas.h"

#include <functional>
#include <vector>

// The DLL the wrapper loads from its next load on.
void SetThemeDllName(const char* pszName);

// While it lives, the wrapper loads a DLL that does not exist, as on a system without visual
// styles; both ends start the wrapper afresh.
struct CNoThemeDllScope
{
  CNoThemeDllScope();
  ~CNoThemeDllScope();
};

// Whether the system draws with visual styles here (Wine with its theme active).
bool VisualStylesActive();

struct SSentMessage
{
  UINT nMessage;
  WPARAM wParam;
  LPARAM lParam;
  PaletteDrawCellInfo drawCell;  // a copy of the record, for PaletteWnd_Msg_DrawCell
};

// A visible top-level window that records the palette, palette button and up-down button
// messages, and the key presses, it receives.
class CRecordingWnd : public CWnd
{
public:
  CRecordingWnd();
  ~CRecordingWnd() override { DestroyWindow(); }
  std::vector<SSentMessage> m_sent;
  // The recorded messages without the cell drawing requests.
  std::vector<UINT> Sequence() const;
  int Count(UINT nMessage) const;
  // The first one of a message; null when it never came.
  const SSentMessage* First(UINT nMessage) const;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

void PumpMessages(DWORD dwMilliseconds = 50);
// Types a key (down and up) into the window, made the focus, and handles what follows.
void PressKey(HWND hWnd, UINT nKey);
// An icon of 32 by 32 whose only visible pixel is the top-left one, in that colour.
HICON CreateMarkerIcon(COLORREF crMarker);
