// The gallery: a frame with a list of pages, one page per subsystem of the library.
#pragma once
#include <ZuntCtrl.h>
#include <afxext.h>

// A page: a child dialog of the frame that fills itself once it has its place.
class CGalleryPage : public CDialog
{
  DECLARE_DYNAMIC(CGalleryPage)
  DECLARE_MESSAGE_MAP()
public:
  CGalleryPage();
  BOOL CreatePage(CWnd* pFrame, const CRect& rcPage);
  // A control whose context menu the screenshots also show, or null.
  virtual CWnd* GetContextMenuSample() { return nullptr; }
  // For its screenshot a page may show a popup open (true), and closes it again (false).
  virtual void ShowOpenForScreenshot(bool bOpen) {}
  // Further states the screenshots also show: shows state nState (from 0) and names it, or
  // puts the page back and returns false when there are no more.
  virtual bool ShowExtraState(int nState, CString& strName) { return false; }

protected:
  BOOL OnInitDialog() override;
  virtual void FillPage(const CRect& rcClient) = 0;
  // A page stays up: Enter and Escape do not end it.
  void OnOK() override {}
  void OnCancel() override {}

private:
  CRect m_rcPage;
};

// A page: its name (also the screenshot's file name) and how to make its object.
struct SGalleryPage
{
  const char* pszName;
  CGalleryPage* (*pfnNew)();
};

CGalleryPage* NewModulePage();
CGalleryPage* NewNumericPage();
CGalleryPage* NewMenuPage();
CGalleryPage* NewHistoryPage();
CGalleryPage* NewTreeOptionPage();
CGalleryPage* NewPalettePage();
CGalleryPage* NewListsPage();
CGalleryPage* NewLayoutPage();
CGalleryPage* NewResizingPage();

// The gallery lays its pages out in pixels at 96 DPI: n of them at the system's DPI.
inline int GalleryPx(int n) { return CDpiScale::OfSystem().Scale(n); }

// The font of the gallery's own texts: the library's Japanese face name.
HFONT GalleryFont();

// Writes what the window's client area shows now to a PNG file. FALSE on failure.
BOOL SaveWindowAsPng(HWND hWnd, const char* pszPath);

// The frame's docking bars: two caption bars sharing the bottom row, a gripper bar at the top
// and, hidden in the auto-hide strip on the left, a pin bar that slides out.
class CGalleryDocking
{
public:
  CGalleryDocking();
  ~CGalleryDocking();
  BOOL Create(CFrameWnd* pFrame);
  // Slides the hidden bar out and waits (pumping) until it stands at full length.
  BOOL SlideOut(DWORD dwTimeout);

private:
  struct SBars;
  SBars* m_pBars;
};
