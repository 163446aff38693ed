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
CGalleryPage* NewListsPage();

// The font of the gallery's own texts: the library's Japanese face name.
HFONT GalleryFont();

// Writes what the window's client area shows now to a PNG file. FALSE on failure.
BOOL SaveWindowAsPng(HWND hWnd, const char* pszPath);
