// The "Bitmap menus" page: one context menu shown open in the flat and in the classic look
// (drawn by the menu's own MeasureItem and DrawItem, with a hovered, a grayed and a checked
// item), and buttons that track it for real in either look. Its images are the toolbar images
// the frame's menu bar loaded, shared by command id.
#include "Gallery.h"
#include "GalleryResource.h"

#include <algorithm>
#include <vector>

namespace
{
const int kPreviewWidth = GalleryPx(260);
const int kPreviewHeight = GalleryPx(170);
const int kMargin = GalleryPx(12);
const int kButtonHeight = GalleryPx(26);
const int kHoveredItem = 1;

enum
{
  IDC_OPEN_FLAT = 1300,
  IDC_OPEN_CLASSIC = 1301
};

// Sets the class-wide look for the life of the object.
class CLookScope
{
public:
  explicit CLookScope(bool bFlat) : m_original(CBmpMenu::original_drawmode), m_xp(CBmpMenu::xp_drawmode)
  {
    CBmpMenu::SetMenuDrawMode(bFlat ? 1 : 0);
  }
  ~CLookScope()
  {
    CBmpMenu::original_drawmode = m_original;
    CBmpMenu::xp_drawmode = m_xp;
  }

private:
  UINT m_original, m_xp;
};

ULONG_PTR itemData(HMENU hMenu, int nPosition)
{
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA;
  ::GetMenuItemInfoA(hMenu, static_cast<UINT>(nPosition), TRUE, &info);
  return info.dwItemData;
}

// The font the system selects into a menu's DC, which the items are measured with.
HFONT newMenuFont()
{
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return ::CreateFontIndirectA(&metrics.lfMenuFont);
}
}

// A menu drawn open, as the menu itself draws its items: a given one, or (null) the first
// popup of the frame's menu bar.
class CMenuPreview : public CWnd
{
  DECLARE_DYNAMIC(CMenuPreview)
  DECLARE_MESSAGE_MAP()
public:
  CMenuPreview(CBmpMenu* pMenu, bool bFlat) : m_pMenu(pMenu), m_bFlat(bFlat) {}

protected:
  afx_msg void OnPaint();

private:
  CBmpMenu* shownMenu() const;
  CBmpMenu* m_pMenu;
  bool m_bFlat;
};

IMPLEMENT_DYNAMIC(CMenuPreview, CWnd)

BEGIN_MESSAGE_MAP(CMenuPreview, CWnd)
  ON_WM_PAINT()
END_MESSAGE_MAP()

CBmpMenu* CMenuPreview::shownMenu() const
{
  if (m_pMenu != nullptr)
    return m_pMenu;
  CWnd* pFrame = AfxGetMainWnd();
  CMenu* pBar = pFrame != nullptr ? pFrame->GetMenu() : nullptr;
  return pBar != nullptr ? DYNAMIC_DOWNCAST(CBmpMenu, pBar->GetSubMenu(0)) : nullptr;
}

void CMenuPreview::OnPaint()
{
  CPaintDC dc(this);
  CRect rcClient;
  GetClientRect(&rcClient);
  dc.FillSolidRect(&rcClient, ::GetSysColor(COLOR_3DFACE));
  CBmpMenu* pMenu = shownMenu();
  if (pMenu == nullptr)
    return;
  CBmpMenu& menu = *pMenu;
  CLookScope look(m_bFlat);
  CFont menuFont;
  menuFont.Attach(newMenuFont());
  CFont* pOldFont = dc.SelectObject(&menuFont);
  const int nCount = static_cast<int>(menu.GetMenuItemCount());
  std::vector<MEASUREITEMSTRUCT> sizes(static_cast<size_t>(nCount));
  int nWidth = 0;
  for (int i = 0; i < nCount; ++i)
  {
    sizes[i] = {ODT_MENU, 0, menu.GetMenuItemID(i), 0, 0, itemData(menu.m_hMenu, i)};
    menu.MeasureItem(&sizes[i]);
    nWidth = std::max(nWidth, static_cast<int>(sizes[i].itemWidth));
  }
  const int nBorder = GalleryPx(2);
  int y = nBorder;
  for (int i = 0; i < nCount; ++i)
  {
    const UINT state = menu.GetMenuState(static_cast<UINT>(i), MF_BYPOSITION);
    UINT nItemState = 0;
    nItemState |= (state & MF_GRAYED) ? ODS_GRAYED : 0;
    nItemState |= (state & MF_CHECKED) ? ODS_CHECKED : 0;
    nItemState |= i == kHoveredItem ? ODS_SELECTED : 0;
    const int nHeight = static_cast<int>(sizes[i].itemHeight);
    DRAWITEMSTRUCT draw = {ODT_MENU,         0,
                           sizes[i].itemID,  ODA_DRAWENTIRE,
                           nItemState,       reinterpret_cast<HWND>(menu.m_hMenu),
                           dc.m_hDC,         {nBorder, y, nBorder + nWidth + GalleryPx(20), y + nHeight},
                           sizes[i].itemData};
    menu.DrawItem(&draw);
    y += nHeight;
  }
  CRect rcFrame(0, 0, nWidth + GalleryPx(24), y + nBorder);
  dc.Draw3dRect(&rcFrame, ::GetSysColor(COLOR_3DSHADOW), ::GetSysColor(COLOR_3DDKSHADOW));
  dc.SelectObject(pOldFont);
}

class CMenuPage : public CGalleryPage
{
  DECLARE_DYNAMIC(CMenuPage)
  DECLARE_MESSAGE_MAP()
public:
  CMenuPage() : m_flat(&m_context, true), m_classic(&m_context, false), m_barPopup(nullptr, true) {}

protected:
  void FillPage(const CRect&) override;
  afx_msg void OnOpenFlat() { track(true, IDC_OPEN_FLAT); }
  afx_msg void OnOpenClassic() { track(false, IDC_OPEN_CLASSIC); }

private:
  void buildContextMenu();
  void addPreview(CMenuPreview& preview, CButton* pButton, int x, const char* pszTitle, UINT nID);
  void track(bool bFlat, UINT nButton);

  CBmpMenu m_context;
  CMenuPreview m_flat, m_classic, m_barPopup;
  CStatic m_titles[3];
  CButton m_openFlat, m_openClassic;
};

IMPLEMENT_DYNAMIC(CMenuPage, CGalleryPage)

BEGIN_MESSAGE_MAP(CMenuPage, CGalleryPage)
  ON_BN_CLICKED(IDC_OPEN_FLAT, &CMenuPage::OnOpenFlat)
  ON_BN_CLICKED(IDC_OPEN_CLASSIC, &CMenuPage::OnOpenClassic)
END_MESSAGE_MAP()

void CMenuPage::buildContextMenu()
{
  m_context.CreatePopupMenu();
  m_context.AppendMenuW(MF_STRING, ID_GALLERY_CUT, L"切り取り(&T)\tCtrl+X");
  m_context.AppendMenuW(MF_STRING, ID_GALLERY_COPY, L"コピー(&C)\tCtrl+C");
  m_context.AppendMenuW(MF_STRING | MF_GRAYED, ID_GALLERY_PASTE, L"貼り付け(&P)\tCtrl+V");
  m_context.AppendMenu(MF_SEPARATOR);
  m_context.AppendMenuW(MF_STRING | MF_CHECKED, ID_GALLERY_GRID, L"グリッド(&G)");
  CBmpMenu* pFile = m_context.AppendODPopupMenuW(L"ファイル(&F)");
  pFile->AppendMenuW(MF_STRING, ID_GALLERY_NEW, L"新規作成(&N)");
  pFile->AppendMenuW(MF_STRING, ID_GALLERY_SAVE, L"上書き保存(&S)");
}

void CMenuPage::addPreview(CMenuPreview& preview, CButton* pButton, int x, const char* pszTitle, UINT nID)
{
  CStatic& title = m_titles[&preview == &m_flat ? 0 : &preview == &m_classic ? 1 : 2];
  title.Create(pszTitle, WS_CHILD | WS_VISIBLE, CRect(x, kMargin, x + kPreviewWidth, kMargin + GalleryPx(20)), this);
  title.SetFont(CFont::FromHandle(GalleryFont()), FALSE);
  const CRect rcPreview(x, kMargin + GalleryPx(24), x + kPreviewWidth, kMargin + GalleryPx(24) + kPreviewHeight);
  preview.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, rcPreview, this, 0);
  if (pButton == nullptr)
    return;
  pButton->Create(
      "Track it", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
      CRect(x, rcPreview.bottom + GalleryPx(8), x + GalleryPx(120), rcPreview.bottom + GalleryPx(8) + kButtonHeight),
      this, nID);
  pButton->SetFont(CFont::FromHandle(GalleryFont()), FALSE);
}

void CMenuPage::FillPage(const CRect&)
{
  buildContextMenu();
  addPreview(m_flat, &m_openFlat, kMargin, "Flat look (DrawItem_WinXP)", IDC_OPEN_FLAT);
  addPreview(m_classic, &m_openClassic, 2 * kMargin + kPreviewWidth, "Classic look (DrawItem_Win9xNT2000)",
             IDC_OPEN_CLASSIC);
  addPreview(m_barPopup, nullptr, 3 * kMargin + 2 * kPreviewWidth, "The frame's File menu, toolbar images", 0);
}

void CMenuPage::track(bool bFlat, UINT nButton)
{
  CRect rcButton;
  GetDlgItem(static_cast<int>(nButton))->GetWindowRect(&rcButton);
  CLookScope look(bFlat);
  m_context.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, rcButton.left, rcButton.bottom, this);
}

CGalleryPage* NewMenuPage() { return new CMenuPage; }
