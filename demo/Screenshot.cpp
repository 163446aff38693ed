// Screenshots through GDI+'s flat API (Wine has it): the screen's pixels under the window's client area.
#include "Gallery.h"

#include <gdiplus.h>

#include <string>

namespace
{
// GDI+'s built-in PNG encoder.
const CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

HBITMAP CaptureWindow(HWND hWnd)
{
  // The client area: without a window manager under Xvfb the frame's caption is not drawn.
  RECT rc;
  ::GetClientRect(hWnd, &rc);
  ::MapWindowPoints(hWnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&rc), 2);
  HDC hScreen = ::GetDC(nullptr);
  HDC hMemory = ::CreateCompatibleDC(hScreen);
  HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, rc.right - rc.left, rc.bottom - rc.top);
  HGDIOBJ hOld = ::SelectObject(hMemory, hBitmap);
  ::BitBlt(hMemory, 0, 0, rc.right - rc.left, rc.bottom - rc.top, hScreen, rc.left, rc.top, SRCCOPY);
  ::SelectObject(hMemory, hOld);
  ::DeleteDC(hMemory);
  ::ReleaseDC(nullptr, hScreen);
  return hBitmap;
}

std::wstring Wide(const char* psz)
{
  int nLength = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, nullptr, 0);
  std::wstring wide(nLength, L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, psz, -1, &wide[0], nLength);
  return wide;
}
}

BOOL SaveWindowAsPng(HWND hWnd, const char* pszPath)
{
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
    return FALSE;
  HBITMAP hBitmap = CaptureWindow(hWnd);
  Gdiplus::GpBitmap* pBitmap = nullptr;
  bool bSaved =
      Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(hBitmap, nullptr, &pBitmap) == Gdiplus::Ok &&
      Gdiplus::DllExports::GdipSaveImageToFile(pBitmap, Wide(pszPath).c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
  if (pBitmap != nullptr)
    Gdiplus::DllExports::GdipDisposeImage(pBitmap);
  ::DeleteObject(hBitmap);
  Gdiplus::GdiplusShutdown(token);
  return bSaved;
}
