// The registered messages of the palette family. Each unit that includes this header holds its
// own copies, registered during static initialisation; the platform gives every registration
// of a name the same id, so all copies agree.
#pragma once
#include <afxwin.h>

static UINT PaletteWnd_Msg_BeginPopup = ::RegisterWindowMessageA("PaletteWnd_Msg_BeginPopup");
static UINT PaletteWnd_Msg_EndPopup = ::RegisterWindowMessageA("PaletteWnd_Msg_EndPopup");
static UINT PaletteWnd_Msg_QueryEndPopup = ::RegisterWindowMessageA("PaletteWnd_Msg_QueryEndPopup");
static UINT PaletteWnd_Msg_SelChanged = ::RegisterWindowMessageA("PaletteWnd_Msg_SelChanged");
static UINT PaletteWnd_Msg_DrawCell = ::RegisterWindowMessageA("PaletteWnd_Msg_DrawCell");
static UINT CCharPaletteCtrl_Msg_SelChanged = ::RegisterWindowMessageA("CCharPaletteCtrl_Msg_SelChanged");
static UINT TavikColorPaletteCtrl_Msg_SelChanged = ::RegisterWindowMessageA("TavikColorPaletteCtrl_Msg_SelChanged");
