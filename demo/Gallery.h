// The gallery: a frame with one page per subsystem of the library.
#pragma once
#include <ZuntCtrl.h>

// A page: its name (also the screenshot's file name) and how to make it inside the frame.
struct SGalleryPage
{
  const char* pszName;
  HWND (*pfnCreate)(HWND hParent, const RECT& rcPage);
};

// The window class of a page: a plain container.
extern const char kPageClass[];

HWND CreateModulePage(HWND hParent, const RECT& rcPage);

// The font of the gallery's own texts: the library's Japanese face name.
HFONT GalleryFont();

// Writes what the window's client area shows now to a PNG file. FALSE on failure.
BOOL SaveWindowAsPng(HWND hWnd, const char* pszPath);
