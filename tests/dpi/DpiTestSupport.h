// Tests that run in the 192-DPI Wine prefix: every size the library fixes at 96 DPI should come
// out doubled. Px gives the expected size without going through the library's own scaling.
#pragma once
#include <afxwin.h>

// The system DPI, read from the screen.
int ScreenDpi();
// nPixels at 96 DPI, at the screen's DPI.
int Px(int nPixels);
