// ZuntGallery.exe: every control of the library on pages of one frame window. With
// "/screenshots <dir>" it writes <dir>/<page>.png for each page and exits.
#include "Gallery.h"

#include <Resource.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

const char kPageClass[] = "ZuntGalleryPage";

namespace
{
const char kFrameClass[] = "ZuntGalleryFrame";
const int kPageListWidth = 140;
const int kMargin = 8;

const SGalleryPage kPages[] = {
  {"Module", CreateModulePage},
};

HWND g_hPageList = nullptr;
HWND g_hPages[std::size(kPages)] = {};

void ShowPage(size_t nShown)
{
  for (size_t nPage = 0; nPage < std::size(kPages); ++nPage)
    ::ShowWindow(g_hPages[nPage], nPage == nShown ? SW_SHOW : SW_HIDE);
  ::SendMessage(g_hPageList, LB_SETCURSEL, nShown, 0);
}

void CreateFrameContents(HWND hFrame)
{
  RECT rcClient;
  ::GetClientRect(hFrame, &rcClient);
  g_hPageList = ::CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 0, 0,
                                  kPageListWidth, rcClient.bottom, hFrame, nullptr, nullptr, nullptr);
  ::SendMessage(g_hPageList, WM_SETFONT, reinterpret_cast<WPARAM>(GalleryFont()), FALSE);
  RECT rcPage = {kPageListWidth + kMargin, kMargin, rcClient.right - kMargin, rcClient.bottom - kMargin};
  for (size_t nPage = 0; nPage < std::size(kPages); ++nPage)
  {
    ::SendMessageA(g_hPageList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kPages[nPage].pszName));
    g_hPages[nPage] = kPages[nPage].pfnCreate(hFrame, rcPage);
  }
  ShowPage(0);
}

LRESULT CALLBACK FrameProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
  switch (nMsg)
  {
  case WM_CREATE:
    CreateFrameContents(hWnd);
    return 0;
  case WM_COMMAND:
    if (reinterpret_cast<HWND>(lParam) == g_hPageList && HIWORD(wParam) == LBN_SELCHANGE)
      ShowPage(static_cast<size_t>(::SendMessage(g_hPageList, LB_GETCURSEL, 0, 0)));
    return 0;
  case WM_DESTROY:
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

void RegisterClasses(HINSTANCE hInstance)
{
  WNDCLASSA frame = {};
  frame.lpfnWndProc = FrameProc;
  frame.hInstance = hInstance;
  frame.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  frame.lpszClassName = kFrameClass;
  ::RegisterClassA(&frame);
  WNDCLASSA page = frame;
  page.lpfnWndProc = ::DefWindowProcA;
  page.lpszClassName = kPageClass;
  ::RegisterClassA(&page);
}

// Lets the frame and its children paint, for at most the given time.
void PumpMessages(DWORD dwMilliseconds)
{
  DWORD dwEnd = ::GetTickCount() + dwMilliseconds;
  for (DWORD dwNow = ::GetTickCount(); static_cast<LONG>(dwEnd - dwNow) > 0; dwNow = ::GetTickCount())
  {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, dwEnd - dwNow, QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
}

int WriteScreenshots(HWND hFrame, const char* pszFolder)
{
  ::CreateDirectoryA(pszFolder, nullptr);
  int nResult = 0;
  for (size_t nPage = 0; nPage < std::size(kPages); ++nPage)
  {
    ShowPage(nPage);
    ::RedrawWindow(hFrame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages(500);
    std::string path = std::string(pszFolder) + "/" + kPages[nPage].pszName + ".png";
    if (!SaveWindowAsPng(hFrame, path.c_str()))
      nResult = 1;
  }
  ::DestroyWindow(hFrame);
  return nResult;
}

int RunUntilClosed()
{
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
  {
    if (!::IsDialogMessageA(::GetActiveWindow(), &msg))
    {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
  return static_cast<int>(msg.wParam);
}
}

HFONT GalleryFont()
{
  static HFONT hFont = nullptr;
  if (hFont == nullptr)
  {
    char szFace[LF_FACESIZE] = {};
    ::LoadStringA(GetZuntCtrlModuleHandle(), IDS_FONT_FACE, szFace, sizeof szFace);
    hFont = ::CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, szFace);
  }
  return hFont;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nShowCmd)
{
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  RegisterClasses(hInstance);
  HWND hFrame = ::CreateWindowExA(0, kFrameClass, "ZuntGallery", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 1180,
                                  680, nullptr, nullptr, hInstance, nullptr);
  if (hFrame == nullptr)
    return 1;
  bool bScreenshots = __argc == 3 && std::strcmp(__argv[1], "/screenshots") == 0;
  ::ShowWindow(hFrame, bScreenshots ? SW_SHOWNORMAL : nShowCmd);
  ::UpdateWindow(hFrame);
  return bScreenshots ? WriteScreenshots(hFrame, __argv[2]) : RunUntilClosed();
}
