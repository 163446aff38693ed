// Shared by the theme and palette tests: the application object, a canvas of exact pixels, a
// scope in which UxTheme.dll cannot be loaded, a window that records what it is sent, and a
// bounded message pump.
#pragma once
#include <ZuntCtrl.h>

#include "../PixelCanvas.h"

#include <functional>
#include <vector>

// While it lives, the wrapper loads a DLL that does not exist, as on a system without visual
// styles; both ends start the wrapper afresh.
class CNoThemeDllScope
{
public:
  CNoThemeDllScope();
  ~CNoThemeDllScope();
  CNoThemeDllScope(const CNoThemeDllScope&) = delete;
  CNoThemeDllScope& operator=(const CNoThemeDllScope&) = delete;
};

// Whether the system draws with visual styles here (Wine with its theme active).
bool VisualStylesActive();

// One message a recording window was sent.
struct SSentMessage
{
  UINT nMessage;
  WPARAM wParam;
  LPARAM lParam;
  PaletteDrawCellInfo drawCell;  // a copy of the record, for PaletteWnd_Msg_DrawCell
};

// A visible top-level window that records the messages of interest it receives.
class CRecordingWnd : public CWnd
{
public:
  explicit CRecordingWnd(std::vector<UINT> messages);
  ~CRecordingWnd() override;
  std::vector<SSentMessage> m_sent;
  // The recorded messages without the cell drawing requests.
  std::vector<UINT> Sequence() const;
  int Count(UINT nMessage) const;
  // The first one of a message; null when it never came.
  const SSentMessage* First(UINT nMessage) const;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  std::vector<UINT> m_messages;
};

// The palette messages of an owner, a parent's palette-button messages, and key presses.
std::vector<UINT> PaletteMessages();

void PumpMessages(DWORD dwMilliseconds = 50);
// Types a key (down and up) into the window, made the focus, and handles what follows.
void PressKey(HWND hWnd, UINT nKey);
// An icon of 32 by 32 whose only visible pixel is the top-left one, in that colour.
HICON CreateMarkerIcon(COLORREF crMarker);
