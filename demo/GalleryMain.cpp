// ZuntGallery.exe: every control of the library on pages of one frame window. With
// "/screenshots <dir>" it writes <dir>/<page>.png for each page and exits.
#include "Gallery.h"
#include "GalleryResource.h"

#include <Resource.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>

namespace
{
const int kPageListWidth = GalleryPx(140);
const int kMargin = GalleryPx(8);
const UINT IDC_PAGE_LIST = 100;
const UINT IDC_FIRST_PAGE = 200;

const SGalleryPage kPages[] = {
    {"Module", NewModulePage},      {"Numeric entry", NewNumericPage},  {"History", NewHistoryPage},
    {"Bitmap menus", NewMenuPage},  {"Option tree", NewTreeOptionPage}, {"Palettes and themed buttons", NewPalettePage},
    {"Colour lists", NewListsPage}, {"Layout", NewLayoutPage},          {"Resizing dialog", NewResizingPage},
};

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
      if (!AfxPreTranslateMessage(&msg))
      {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
      }
    }
  }
}

// Paints the whole frame again and lets it settle before a screenshot.
void RedrawAndPump(CWnd* pFrame)
{
  pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessages(500);
}
}

// The frame: the page list on the left, the chosen page beside it.
class CGalleryFrame : public CFrameWnd
{
  DECLARE_DYNAMIC(CGalleryFrame)
  DECLARE_MESSAGE_MAP()
public:
  void ShowPage(size_t nShown);
  size_t GetPageCount() const { return std::size(kPages); }
  CGalleryPage* GetPage(size_t nPage) const { return m_pages[nPage].get(); }
  CGalleryDocking& Docking() { return m_docking; }
  // The bars first; the page list and the pages in what they leave.
  void RecalcLayout(BOOL bNotify = TRUE) override;

protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnPageSelected();

private:
  CListBox m_pageList;
  CBmpMenu m_menuBar;
  CGalleryDocking m_docking;
  std::unique_ptr<CGalleryPage> m_pages[std::size(kPages)];
};

IMPLEMENT_DYNAMIC(CGalleryFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CGalleryFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_LBN_SELCHANGE(IDC_PAGE_LIST, &CGalleryFrame::OnPageSelected)
END_MESSAGE_MAP()

int CGalleryFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
  if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
    return -1;
  // The menu bar is a bitmap menu with the images of the gallery's toolbar.
  if (m_menuBar.LoadMenu(IDR_GALLERY_MENU))
  {
    m_menuBar.LoadToolbar(IDR_GALLERY_TOOLBAR);
    SetMenu(&m_menuBar);
  }
  if (!m_docking.Create(this))
    return -1;
  CRect rcClient;
  RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rcClient);
  if (!m_pageList.CreateEx(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY,
                           CRect(rcClient.left, rcClient.top, rcClient.left + kPageListWidth, rcClient.bottom), this,
                           IDC_PAGE_LIST))
    return -1;
  m_pageList.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GalleryFont()), FALSE);
  CRect rcPage(rcClient.left + kPageListWidth + kMargin, rcClient.top + kMargin, rcClient.right - kMargin,
               rcClient.bottom - kMargin);
  for (size_t nPage = 0; nPage < std::size(kPages); ++nPage)
  {
    m_pageList.AddString(kPages[nPage].pszName);
    m_pages[nPage].reset(kPages[nPage].pfnNew());
    if (!m_pages[nPage]->CreatePage(this, rcPage))
      return -1;
    m_pages[nPage]->SetDlgCtrlID(static_cast<int>(IDC_FIRST_PAGE + nPage));
  }
  ShowPage(0);
  return 0;
}

void CGalleryFrame::RecalcLayout(BOOL bNotify)
{
  CFrameWnd::RecalcLayout(bNotify);
  if (m_pageList.m_hWnd == nullptr)
    return;
  CRect rcLeft;
  RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rcLeft);
  m_pageList.MoveWindow(rcLeft.left, rcLeft.top, kPageListWidth, rcLeft.Height());
  for (const auto& page : m_pages)
  {
    if (page && page->m_hWnd != nullptr)
      page->SetWindowPos(nullptr, rcLeft.left + kPageListWidth + kMargin, rcLeft.top + kMargin, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void CGalleryFrame::ShowPage(size_t nShown)
{
  for (size_t nPage = 0; nPage < std::size(kPages); ++nPage)
    m_pages[nPage]->ShowWindow(nPage == nShown ? SW_SHOW : SW_HIDE);
  m_pageList.SetCurSel(static_cast<int>(nShown));
}

void CGalleryFrame::OnPageSelected() { ShowPage(static_cast<size_t>(m_pageList.GetCurSel())); }

class CGalleryApp : public CWinApp
{
  DECLARE_MESSAGE_MAP()
public:
  CGalleryApp() : CWinApp("ZuntGallery"), m_nExitCode(0) {}
  BOOL InitInstance() override;
  int ExitInstance() override;

private:
  void writeScreenshots(CGalleryFrame* pFrame, const char* pszFolder);
  void writeContextMenuScreenshot(CGalleryFrame* pFrame, CWnd* pSample, const std::string& path);
  int m_nExitCode;
};

BEGIN_MESSAGE_MAP(CGalleryApp, CWinApp)
END_MESSAGE_MAP()

CGalleryApp theApp;

BOOL CGalleryApp::InitInstance()
{
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES |
                                                        ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&controls);
  // The auto-complete controls use the shell's objects through COM.
  if (FAILED(::CoInitialize(nullptr)))
  {
    m_nExitCode = 1;
    return FALSE;
  }
  auto* pFrame = new CGalleryFrame;
  if (!pFrame->Create(nullptr, "ZuntGallery", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                      CRect(0, 0, GalleryPx(1204), GalleryPx(910))))
  {
    m_nExitCode = 1;
    return FALSE;
  }
  m_pMainWnd = pFrame;
  bool bScreenshots = __argc == 3 && std::strcmp(__argv[1], "/screenshots") == 0;
  pFrame->ShowWindow(bScreenshots ? SW_SHOWNORMAL : m_nCmdShow);
  pFrame->UpdateWindow();
  if (!bScreenshots)
    return TRUE;
  writeScreenshots(pFrame, __argv[2]);
  return FALSE;
}

void CGalleryApp::writeScreenshots(CGalleryFrame* pFrame, const char* pszFolder)
{
  ::CreateDirectoryA(pszFolder, nullptr);
  for (size_t nPage = 0; nPage < pFrame->GetPageCount(); ++nPage)
  {
    pFrame->ShowPage(nPage);
    RedrawAndPump(pFrame);
    pFrame->GetPage(nPage)->ShowOpenForScreenshot(true);
    PumpMessages(500);
    std::string path = std::string(pszFolder) + "/" + kPages[nPage].pszName + ".png";
    if (!SaveWindowAsPng(pFrame->m_hWnd, path.c_str()))
      m_nExitCode = 1;
    pFrame->GetPage(nPage)->ShowOpenForScreenshot(false);
    if (CWnd* pSample = pFrame->GetPage(nPage)->GetContextMenuSample())
      writeContextMenuScreenshot(pFrame, pSample,
                                 std::string(pszFolder) + "/" + kPages[nPage].pszName + ", context menu.png");
    CString strState;
    for (int nState = 0; pFrame->GetPage(nPage)->ShowExtraState(nState, strState); ++nState)
    {
      RedrawAndPump(pFrame);
      std::string statePath =
          std::string(pszFolder) + "/" + kPages[nPage].pszName + ", " + strState.GetString() + ".png";
      if (!SaveWindowAsPng(pFrame->m_hWnd, statePath.c_str()))
        m_nExitCode = 1;
    }
  }
  // The hidden bar of the auto-hide strip, slid out over the first page.
  pFrame->ShowPage(0);
  PumpMessages(200);
  if (!pFrame->Docking().SlideOut(3000))
    m_nExitCode = 1;
  PumpMessages(300);
  if (!SaveWindowAsPng(pFrame->m_hWnd, (std::string(pszFolder) + "/Docking bars, slid out.png").c_str()))
    m_nExitCode = 1;
}

// The menu is tracked modally: a timer, which the menu loop dispatches, takes the picture
// once the menu has painted and closes it.
namespace
{

std::string s_menuShotPath;
bool s_bMenuShotSaved;

void CALLBACK takeMenuShot(HWND hWnd, UINT, UINT_PTR nTimer, DWORD)
{
  ::KillTimer(hWnd, nTimer);
  s_bMenuShotSaved = SaveWindowAsPng(hWnd, s_menuShotPath.c_str()) != FALSE;
  ::EndMenu();
}

}  // namespace

void CGalleryApp::writeContextMenuScreenshot(CGalleryFrame* pFrame, CWnd* pSample, const std::string& path)
{
  s_menuShotPath = path;
  s_bMenuShotSaved = false;
  const UINT_PTR kShotTimer = 1;
  ::SetTimer(pFrame->m_hWnd, kShotTimer, 500, takeMenuShot);
  pSample->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pSample->m_hWnd), MAKELPARAM(-1, -1));
  ::KillTimer(pFrame->m_hWnd, kShotTimer);
  PumpMessages(100);
  if (!s_bMenuShotSaved)
    m_nExitCode = 1;
}

int CGalleryApp::ExitInstance()
{
  CWinApp::ExitInstance();
  ::CoUninitialize();
  return m_nExitCode;
}

HFONT GalleryFont()
{
  static HFONT hFont = nullptr;
  if (hFont == nullptr)
  {
    char szFace[LF_FACESIZE] = {};
    ::LoadStringA(GetZuntCtrlModuleHandle(), IDS_FONT_FACE, szFace, sizeof szFace);
    hFont = ::CreateFontA(-GalleryPx(12), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, szFace);
  }
  return hFont;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
  return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
