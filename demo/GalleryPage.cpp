#include "Gallery.h"
#include "GalleryResource.h"

IMPLEMENT_DYNAMIC(CGalleryPage, CDialog)

BEGIN_MESSAGE_MAP(CGalleryPage, CDialog)
END_MESSAGE_MAP()

CGalleryPage::CGalleryPage() : CDialog(IDD_GALLERY_PAGE) {}

BOOL CGalleryPage::CreatePage(CWnd* pFrame, const CRect& rcPage)
{
  m_rcPage = rcPage;
  return Create(IDD_GALLERY_PAGE, pFrame);
}

BOOL CGalleryPage::OnInitDialog()
{
  CDialog::OnInitDialog();
  MoveWindow(&m_rcPage, FALSE);
  CRect rcClient;
  GetClientRect(&rcClient);
  FillPage(rcClient);
  return TRUE;
}
