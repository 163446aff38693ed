// CBmpMenu: images. Bitmaps into image lists, the process-wide list by command id with its
// 3-D variants, toolbar resources, check-mark bitmaps, and the emboss and pixel filters.
#include "BmpMenu.h"

#include "DpiScale.h"

#include <memory>

namespace
{
const UINT kImageListFlags = 0xFF;  // masked, device-dependent colour
const COLORREF kSilver = RGB(0xC0, 0xC0, 0xC0);

// The screen context of the main window (or the desktop), for compatible bitmaps.
class CScreenDC : public CDC
{
public:
  explicit CScreenDC(HWND hWnd) : m_hWnd(hWnd) { Attach(::GetDC(m_hWnd)); }
  ~CScreenDC() override { ::ReleaseDC(m_hWnd, Detach()); }

private:
  HWND m_hWnd;
};

// The hidden toolbar a toolbar resource is read through.
BOOL loadHiddenToolBar(CToolBar& bar, HWND hParent, UINT nToolBar)
{
  if (!bar.Create(CWnd::FromHandle(hParent), 0x50002800, 0xE800))
    return FALSE;
  return bar.LoadToolBar(nToolBar);
}

int buttonImage(CToolBar& bar, int nIndex)
{
  UINT nID = 0, nStyle = 0;
  int iImage = 0;
  bar.GetButtonInfo(nIndex, nID, nStyle, iImage);
  return iImage > 0 ? iImage : nIndex;
}

COLORREF shadowFilter(COLORREF pixel, BOOL bKey, COLORREF shadow) { return bKey ? pixel : shadow; }

COLORREF fadedFilter(COLORREF pixel, BOOL bKey, COLORREF) { return bKey ? pixel : CBmpMenu::LightenColor(pixel, 0.3); }

COLORREF disabledFilter(COLORREF pixel, BOOL bKey, COLORREF background)
{
  if (bKey)
    return background != 0 ? background : pixel;
  const double grey = ((GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel)) / 3) / 255.0;
  const COLORREF shadow = ::GetSysColor(COLOR_3DSHADOW);
  return grey == 0.0 ? shadow : CBmpMenu::LightenColor(shadow, grey);
}

COLORREF transparentFilter(COLORREF pixel, BOOL bKey, COLORREF) { return bKey ? ::GetSysColor(COLOR_3DFACE) : pixel; }
}

void CBmpMenu::SetBitmapBackground(COLORREF color)
{
  m_BitmapBackground = color;
  m_UseBitmapBackground = TRUE;
}

HBITMAP CBmpMenu::LoadSysColorBitmap(int nResourceId)
{
  LPCTSTR lpszName = MAKEINTRESOURCE(nResourceId);
  HINSTANCE hInst = AfxFindResourceHandle(lpszName, RT_BITMAP);
  HRSRC hRsrc = ::FindResource(hInst, lpszName, RT_BITMAP);
  if (hRsrc == nullptr)
  {
    hInst = ::GetModuleHandle(nullptr);
    hRsrc = ::FindResource(hInst, lpszName, RT_BITMAP);
  }
  if (hRsrc == nullptr)
    return nullptr;
  HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
  auto* pHeader = hGlobal != nullptr ? static_cast<LPBITMAPINFOHEADER>(::LockResource(hGlobal)) : nullptr;
  if (pHeader == nullptr || NumBitmapColors(pHeader) != 16)
    return nullptr;
  // The button greys, black and white become the current system colours.
  return ::CreateMappedBitmap(hInst, static_cast<INT_PTR>(nResourceId), 0, nullptr, 0);
}

BOOL CBmpMenu::AddBitmapToImageList(CImageList* list, UINT nResourceID)
{
  if (!addBitmap(list, nResourceID))
    return FALSE;
  if (IsLunaMenuStyle() && xp_draw_3D_bitmaps)
    appendVariants(list, 0);
  return TRUE;
}

BOOL CBmpMenu::addBitmap(CImageList* list, UINT nResourceID)
{
  const COLORREF crMask = m_UseBitmapBackground ? m_BitmapBackground : ::GetSysColor(COLOR_3DFACE);
  BOOL bAdded = FALSE;
  if (HBITMAP hSysColor = LoadSysColorBitmap(static_cast<int>(nResourceID)))
  {
    CBitmap bitmap;
    bitmap.Attach(hSysColor);
    bAdded = addMasked(list, &bitmap, crMask);
  }
  else
  {
    CBitmap bitmap;
    if (bitmap.LoadBitmap(nResourceID))
    {
      hicolor_bitmaps = TRUE;
      GetTransparentBitmap(bitmap);
      bAdded = addMasked(list, &bitmap, crMask);
    }
  }
  return bAdded;
}

// A bitmap of images at the 96-DPI size (its height the list's image height unscaled) is
// stretched to the list's size; any other bitmap is taken as it is.
BOOL CBmpMenu::addMasked(CImageList* list, CBitmap* bitmap, COLORREF crMask)
{
  int cx = 0, cy = 0;
  ::ImageList_GetIconSize(list->GetSafeHandle(), &cx, &cy);
  const CSize image(cx, cy);
  const CDpiScale scale = CDpiScale::OfSystem();
  const CSize baseImage(scale.Unscale(image.cx), scale.Unscale(image.cy));
  BITMAP info = {};
  if (scale.IsBase() || baseImage == image || !bitmap->GetBitmap(&info) || info.bmHeight != baseImage.cy)
    return list->Add(bitmap, crMask) >= 0;
  CBitmap stretched;
  if (!stretched.Attach(
          CDpiScale::StretchImageStrip(static_cast<HBITMAP>(bitmap->GetSafeHandle()), baseImage, image, crMask)))
    return FALSE;
  return list->Add(&stretched, crMask) >= 0;
}

// Away from 96 DPI a caller's image of another size than the class-wide one is stretched
// smoothly to it, with the face colour transparent as in bitmaps; at 96 DPI and at the class
// size it is taken as it is. size: the icon's.
HICON CBmpMenu::classSizeIcon(CImageList* il, int nIndex, CSize& size)
{
  size = imageSizeOf(il);
  if (!stretchesSmoothly(size))
    return il->ExtractIcon(nIndex);
  CScreenDC screen(screenWindow());
  CBitmap bitmap;
  CImageList stretched;
  if (!GetBitmapFromImageList(&screen, il, nIndex, bitmap) || !createClassImageList(stretched) ||
      stretched.Add(&bitmap, ::GetSysColor(COLOR_3DFACE)) < 0)
    return nullptr;
  size = CSize(m_iconX, m_iconY);
  return stretched.ExtractIcon(0);
}

CSize CBmpMenu::imageSizeOf(CImageList* il)
{
  int cx = 0, cy = 0;
  ::ImageList_GetIconSize(il->GetSafeHandle(), &cx, &cy);
  return CSize(cx, cy);
}

bool CBmpMenu::stretchesSmoothly(CSize image)
{
  return !CDpiScale::OfSystem().IsBase() && image != CSize(m_iconX, m_iconY);
}

BOOL CBmpMenu::makeVariants(CImageList* list, int nIndex, CBitmap& faded, CBitmap& shadow, CBitmap& disabled)
{
  CScreenDC screen(screenWindow());
  if (!GetBitmapFromImageList(&screen, list, nIndex, faded) || !GetBitmapFromImageList(&screen, list, nIndex, shadow) ||
      !GetBitmapFromImageList(&screen, list, nIndex, disabled))
    return FALSE;
  GetFadedBitmap(faded);
  GetShadowBitmap(shadow);
  GetDisabledBitmap(disabled, 0);
  return TRUE;
}

void CBmpMenu::appendVariants(CImageList* list, int nIndex)
{
  CBitmap faded, shadow, disabled;
  if (!makeVariants(list, nIndex, faded, shadow, disabled))
    return;
  const COLORREF crFace = ::GetSysColor(COLOR_3DFACE);
  list->Add(&faded, crFace);
  list->Add(&shadow, crFace);
  list->Add(&disabled, crFace);
}

int CBmpMenu::GlobalImageListOffset(int nID)
{
  for (INT_PTR i = 0; i < m_AllImagesID.GetSize(); ++i)
  {
    if (m_AllImagesID[i] == nID)
      return static_cast<int>(i);
  }
  return -1;
}

BOOL CBmpMenu::CanDraw3DImageList(int offset)
{
  if (offset < 0 || offset + 2 >= m_AllImagesID.GetSize())
    return FALSE;
  return m_AllImagesID[offset + 1] == m_AllImagesID[offset] && m_AllImagesID[offset + 2] == m_AllImagesID[offset];
}

int CBmpMenu::AddToGlobalImageList(CImageList* il, int xoffset, int nID)
{
  if (m_AllImages.GetSafeHandle() == nullptr)
    createClassImageList(m_AllImages);
  CSize size;
  HICON hIcon = classSizeIcon(il, xoffset, size);
  if (hIcon == nullptr)
    return -1;
  CBitmap faded, shadow, disabled;
  const BOOL bVariants = IsLunaMenuStyle() && xp_draw_3D_bitmaps && makeVariants(il, xoffset, faded, shadow, disabled);
  int nSlot = GlobalImageListOffset(nID);
  if (nSlot >= 0)
  {
    m_AllImages.Replace(nSlot, hIcon);
    if (bVariants && CanDraw3DImageList(nSlot) && nSlot + 3 < m_AllImages.GetImageCount())
    {
      CImageList temporary;
      createClassImageList(temporary);
      const COLORREF crFace = ::GetSysColor(COLOR_3DFACE);
      temporary.Add(&faded, crFace);
      temporary.Add(&shadow, crFace);
      temporary.Add(&disabled, crFace);
      for (int i = 0; i < 3; ++i)
      {
        HICON hVariant = temporary.ExtractIcon(i);
        m_AllImages.Replace(nSlot + 1 + i, hVariant);
        ::DestroyIcon(hVariant);
      }
    }
  }
  else
  {
    nSlot = m_AllImages.Add(hIcon);
    m_AllImagesID.Add(nID);
    if (bVariants)
    {
      const COLORREF crFace = ::GetSysColor(COLOR_3DFACE);
      for (CBitmap* pVariant : {&faded, &shadow, &disabled})
      {
        m_AllImages.Add(pVariant, crFace);
        m_AllImagesID.Add(nID);
      }
    }
  }
  ::DestroyIcon(hIcon);
  return nSlot;
}

BOOL CBmpMenu::ImageListDuplicate(CImageList* il, int xoffset, CImageList* newlist)
{
  CSize size;
  HICON hIcon = classSizeIcon(il, xoffset, size);
  if (hIcon == nullptr)
    return FALSE;
  newlist->Create(size.cx, size.cy, kImageListFlags, 1, 1);
  newlist->Add(hIcon);
  ::DestroyIcon(hIcon);
  if (IsLunaMenuStyle() && xp_draw_3D_bitmaps)
    appendVariants(newlist, 0);
  return TRUE;
}

BOOL CBmpMenu::LoadFromToolBar(UINT nID, UINT nToolBar, int& xoffset)
{
  CToolBar bar;
  if (!loadHiddenToolBar(bar, screenWindow(), nToolBar))
    return FALSE;
  const int nIndex = bar.CommandToIndex(nID);
  if (nIndex < 0)
    return FALSE;
  UINT nButtonID = 0, nStyle = 0;
  int iImage = 0;
  bar.GetButtonInfo(nIndex, nButtonID, nStyle, iImage);
  if (iImage > 0)
    xoffset = iImage;
  return TRUE;
}

BOOL CBmpMenu::LoadToolbar(UINT nToolBar)
{
  CToolBar bar;
  if (!loadHiddenToolBar(bar, screenWindow(), nToolBar))
    return FALSE;
  CImageList temporary;
  createClassImageList(temporary);
  if (!AddBitmapToImageList(&temporary, nToolBar))
    return FALSE;
  for (int i = 0; i < bar.GetCount(); ++i)
  {
    const UINT nID = bar.GetItemID(i);
    if (nID == 0 || GetMenuState(nID, MF_BYCOMMAND) == 0xFFFFFFFF)
      continue;
    ModifyODMenuW(nullptr, nID, &temporary, buttonImage(bar, i));
  }
  return TRUE;
}

BOOL CBmpMenu::LoadToolbars(const UINT* arID, int n)
{
  BOOL bAll = TRUE;
  for (int i = 0; i < n; ++i)
    bAll = LoadToolbar(arID[i]) && bAll;
  return bAll;
}

void CBmpMenu::AddFromToolBar(CToolBar* pToolBar, int nResourceID)
{
  for (int i = 0; i < pToolBar->GetCount(); ++i)
  {
    const UINT nID = pToolBar->GetItemID(i);
    if (nID == 0 || GetMenuState(nID, MF_BYCOMMAND) == 0xFFFFFFFF)
      continue;
    int nLoc = -1;
    CBmpMenu* pLevel = FindMenuOption(nID, nLoc);
    CBmpMenuData* pData = pLevel != nullptr ? pLevel->recordAt(nLoc) : nullptr;
    if (pData == nullptr)
    {
      pData = new CBmpMenuData;
      m_Items.Add(pData);
    }
    pData->iconId = nResourceID;
    pData->id = nID;
    pData->flags = MF_OWNERDRAW;
    UINT nButtonID = 0, nStyle = 0;
    pToolBar->GetButtonInfo(i, nButtonID, nStyle, pData->imageIndex);
    resetOwnList(pData);
    if (!AddBitmapToImageList(pData->imageList, static_cast<UINT>(nResourceID)))
      dropOwnList(pData);
    ModifyMenu(nID, MF_BYCOMMAND | pData->flags, nID, reinterpret_cast<LPCTSTR>(pData));
  }
}

void CBmpMenu::resetOwnList(CBmpMenuData* pData)
{
  if (pData->imageList == nullptr)
    pData->imageList = new CImageList;
  else
    pData->imageList->DeleteImageList();
  createClassImageList(*pData->imageList);
}

void CBmpMenu::dropOwnList(CBmpMenuData* pData)
{
  delete pData->imageList;
  pData->imageList = nullptr;
  pData->iconId = -1;
  pData->imageIndex = -1;
}

BOOL CBmpMenu::LoadCheckmarkBitmap(int unselect, int select)
{
  if (unselect <= 0 || select <= 0)
    return FALSE;
  m_UnselectCheckId = unselect;
  m_SelectCheckId = select;
  // A popup that shared its parent's images gets its own.
  if (m_CheckImages == nullptr || m_CheckImagesShared)
    m_CheckImages = new CImageList;
  else
    m_CheckImages->DeleteImageList();
  m_CheckImagesShared = FALSE;
  m_CheckImages->Create(m_iconX, m_iconY, ILC_MASK, 2, 1);
  // Exactly the two checks: the 3-D look's variants would shift the selected one.
  if (addBitmap(m_CheckImages, static_cast<UINT>(unselect)) && addBitmap(m_CheckImages, static_cast<UINT>(select)))
    return TRUE;
  forgetCheckImages(m_CheckImages);
  delete m_CheckImages;
  m_CheckImages = nullptr;
  return FALSE;
}

// Popups made earlier share the list: they must not keep a pointer to a deleted one.
void CBmpMenu::forgetCheckImages(const CImageList* pList)
{
  for (INT_PTR i = 0; i < m_SubMenuHandles.GetSize(); ++i)
  {
    CBmpMenu* pPopup = DYNAMIC_DOWNCAST(CBmpMenu, CMenu::FromHandlePermanent(m_SubMenuHandles[i]));
    if (pPopup != nullptr && pPopup->m_CheckImages == pList)
    {
      pPopup->forgetCheckImages(pList);
      pPopup->m_CheckImages = nullptr;
    }
  }
}

BOOL CBmpMenu::GetBitmapFromImageList(CDC* pDC, CImageList* imglist, int nIndex, CBitmap& bmp)
{
  const CSize image = imageSizeOf(imglist);
  if (!stretchesSmoothly(image))
    return drawOnFace(pDC, imglist, nIndex, CSize(m_iconX, m_iconY), bmp);
  CBitmap original;
  drawOnFace(pDC, imglist, nIndex, image, original);
  return bmp.Attach(CDpiScale::StretchImageStrip(static_cast<HBITMAP>(original.GetSafeHandle()), image,
                                                 CSize(m_iconX, m_iconY), ::GetSysColor(COLOR_3DFACE)));
}

BOOL CBmpMenu::drawOnFace(CDC* pDC, CImageList* imglist, int nIndex, CSize size, CBitmap& bmp)
{
  HICON hIcon = imglist->ExtractIcon(nIndex);
  CDC memory;
  memory.CreateCompatibleDC(pDC);
  bmp.CreateCompatibleBitmap(pDC, size.cx, size.cy);
  CBitmap* pOld = memory.SelectObject(&bmp);
  memory.FillSolidRect(0, 0, size.cx, size.cy, ::GetSysColor(COLOR_3DFACE));
  if (hIcon != nullptr)
    ::DrawIconEx(memory.m_hDC, 0, 0, hIcon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
  memory.SelectObject(pOld);
  if (hIcon != nullptr)
    ::DestroyIcon(hIcon);
  return TRUE;
}

void CBmpMenu::DitherBlt(HDC hdcDest, int nXDest, int nYDest, int nWidth, int nHeight, HBITMAP hbm, int nXSrc,
                         int nYSrc, COLORREF bgcolor)
{
  struct
  {
    BITMAPINFOHEADER header;
    RGBQUAD colors[2];
  } info = {};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = nWidth;
  info.header.biHeight = nHeight;
  info.header.biPlanes = 1;
  info.header.biBitCount = 1;
  info.colors[1].rgbRed = info.colors[1].rgbGreen = info.colors[1].rgbBlue = 0xFF;
  void* pBits = nullptr;
  HBITMAP hMask = ::CreateDIBSection(hdcDest, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &pBits, nullptr, 0);
  if (hMask == nullptr)
    return;
  HDC hMaskDC = ::CreateCompatibleDC(hdcDest);
  HDC hSourceDC = ::CreateCompatibleDC(hdcDest);
  HGDIOBJ hOldMask = ::SelectObject(hMaskDC, hMask);
  HGDIOBJ hOldSource = ::SelectObject(hSourceDC, hbm);
  ::SetBkColor(hSourceDC, ::GetSysColor(COLOR_3DFACE));
  ::BitBlt(hMaskDC, 0, 0, nWidth, nHeight, hSourceDC, nXSrc, nYSrc, SRCCOPY);

  HBRUSH hBackground = ::CreateSolidBrush(bgcolor);
  RECT rect = {nXDest, nYDest, nXDest + nWidth, nYDest + nHeight};
  ::FillRect(hdcDest, &rect, hBackground);
  ::DeleteObject(hBackground);
  const COLORREF crOldBk = ::SetBkColor(hdcDest, RGB(255, 255, 255));
  const COLORREF crOldText = ::SetTextColor(hdcDest, RGB(0, 0, 0));
  const struct
  {
    int nColor;
    int nOffset;
  } passes[] = {{COLOR_3DHILIGHT, 1}, {COLOR_3DSHADOW, 0}};
  for (const auto& pass : passes)
  {
    HBRUSH hBrush = ::CreateSolidBrush(::GetSysColor(pass.nColor));
    HGDIOBJ hOldBrush = ::SelectObject(hdcDest, hBrush);
    ::BitBlt(hdcDest, nXDest + pass.nOffset, nYDest + pass.nOffset, nWidth, nHeight, hMaskDC, 0, 0, 0xB8074A);
    ::SelectObject(hdcDest, hOldBrush);
    ::DeleteObject(hBrush);
  }
  ::SetTextColor(hdcDest, crOldText);
  ::SetBkColor(hdcDest, crOldBk);
  ::SelectObject(hSourceDC, hOldSource);
  ::SelectObject(hMaskDC, hOldMask);
  ::DeleteDC(hSourceDC);
  ::DeleteDC(hMaskDC);
  ::DeleteObject(hMask);
}

void CBmpMenu::DitherBlt2(CDC* drawdc, int nXDest, int nYDest, int nWidth, int nHeight, CBitmap& bmp, int nXSrc,
                          int nYSrc, COLORREF bgcolor)
{
  CDC work;
  work.CreateCompatibleDC(drawdc);
  CBitmap* pOldWork = work.SelectObject(&bmp);
  CDC maskDC;
  maskDC.CreateCompatibleDC(drawdc);
  CBitmap mask;
  mask.CreateBitmap(nWidth, nHeight, 1, 1, nullptr);
  CBitmap* pOldMask = maskDC.SelectObject(&mask);
  maskDC.PatBlt(0, 0, nWidth, nHeight, WHITENESS);
  work.SetBkColor(::GetSysColor(COLOR_3DFACE));
  maskDC.BitBlt(0, 0, nWidth, nHeight, &work, nXSrc, nYSrc, SRCCOPY);
  work.SetBkColor(::GetSysColor(COLOR_3DHILIGHT));
  maskDC.BitBlt(0, 0, nWidth, nHeight, &work, nXSrc, nYSrc, SRCPAINT);

  work.FillSolidRect(0, 0, nWidth, nHeight, bgcolor);
  work.SetBkColor(RGB(0, 0, 0));
  work.SetTextColor(RGB(255, 255, 255));
  CBrush highlight;
  highlight.CreateSolidBrush(::GetSysColor(COLOR_3DHILIGHT));
  CBrush* pOldBrush = work.SelectObject(&highlight);
  work.BitBlt(0, 0, nWidth, nHeight, &maskDC, 0, 0, 0xE20746);
  drawdc->BitBlt(nXDest + 1, nYDest + 1, nWidth, nHeight, &work, 0, 0, SRCCOPY);
  work.BitBlt(1, 1, nWidth, nHeight, &maskDC, 0, 0, 0xE20746);
  CBrush shadow;
  shadow.CreateSolidBrush(::GetSysColor(COLOR_3DSHADOW));
  work.SelectObject(&shadow);
  work.BitBlt(0, 0, nWidth, nHeight, &maskDC, 0, 0, 0xE20746);
  drawdc->BitBlt(nXDest, nYDest, nWidth, nHeight, &work, 0, 0, SRCCOPY);
  work.SelectObject(pOldBrush);
  maskDC.SelectObject(pOldMask);
  work.SelectObject(pOldWork);
}

void CBmpMenu::DitherBlt3(CDC* drawdc, int nXDest, int nYDest, int nWidth, int nHeight, CBitmap& bmp, COLORREF bgcolor)
{
  GetDisabledBitmap(bmp, bgcolor);
  CDC source;
  source.CreateCompatibleDC(drawdc);
  CBitmap* pOld = source.SelectObject(&bmp);
  drawdc->BitBlt(nXDest, nYDest, nWidth, nHeight, &source, 0, 0, SRCCOPY);
  source.SelectObject(pOld);
}

BOOL CBmpMenu::filterBitmap(CBitmap& bmp, COLORREF key, COLORREF (*filter)(COLORREF, BOOL, COLORREF), COLORREF extra)
{
  BITMAP info = {};
  if (bmp.GetSafeHandle() == nullptr || ::GetObject(bmp.m_hObject, sizeof info, &info) == 0)
    return FALSE;
  CScreenDC screen(screenWindow());
  CDC probeDC;
  probeDC.CreateCompatibleDC(&screen);
  CBitmap probe;
  probe.CreateCompatibleBitmap(&screen, 2, 2);
  CBitmap* pOldProbe = probeDC.SelectObject(&probe);
  probeDC.SetPixel(1, 1, key);
  const COLORREF crKey = probeDC.GetPixel(1, 1);
  probeDC.SelectObject(pOldProbe);

  CDC pixels;
  pixels.CreateCompatibleDC(&screen);
  CBitmap* pOld = pixels.SelectObject(&bmp);
  for (int x = 0; x < info.bmWidth; ++x)
  {
    for (int y = 0; y < info.bmHeight; ++y)
    {
      const COLORREF crPixel = pixels.GetPixel(x, y);
      const COLORREF crNew = filter(crPixel, crPixel == crKey, extra);
      if (crNew != crPixel)
        pixels.SetPixel(x, y, crNew);
    }
  }
  pixels.SelectObject(pOld);
  return TRUE;
}

BOOL CBmpMenu::GetShadowBitmap(CBitmap& bmp)
{
  COLORREF crShadow = ::GetSysColor(COLOR_3DSHADOW);
  if (!IsWinXPLuna())
    crShadow = LightenColor(crShadow, 0.49);
  return filterBitmap(bmp, ::GetSysColor(COLOR_3DFACE), &shadowFilter, crShadow);
}

BOOL CBmpMenu::GetFadedBitmap(CBitmap& bmp) { return filterBitmap(bmp, ::GetSysColor(COLOR_3DFACE), &fadedFilter, 0); }

BOOL CBmpMenu::GetDisabledBitmap(CBitmap& bmp, COLORREF background)
{
  return filterBitmap(bmp, ::GetSysColor(COLOR_3DFACE), &disabledFilter, background);
}

BOOL CBmpMenu::GetTransparentBitmap(CBitmap& bmp) { return filterBitmap(bmp, kSilver, &transparentFilter, 0); }

void CBmpMenu::ColorBitmap(CDC* pDC, CBitmap& bmp, CSize bitmap_size, CSize icon_size, COLORREF fill, COLORREF border,
                           int hatchstyle)
{
  CDC memory;
  memory.CreateCompatibleDC(pDC);
  bmp.CreateCompatibleBitmap(pDC, icon_size.cx, icon_size.cy);
  CBitmap* pOld = memory.SelectObject(&bmp);
  CPoint origin(0, 0);
  if (bitmap_size != icon_size)
  {
    memory.FillSolidRect(0, 0, icon_size.cx, icon_size.cy, ::GetSysColor(IsWinXPLuna() ? COLOR_3DFACE : COLOR_MENU));
    origin = CPoint((icon_size.cx - bitmap_size.cx) / 2, (icon_size.cy - bitmap_size.cy) / 2);
  }
  CPen pen;
  pen.CreatePen(PS_SOLID, 1, border);
  CBrush brush;
  if (hatchstyle == -1)
    brush.CreateSolidBrush(fill);
  else
    brush.CreateHatchBrush(hatchstyle, fill);
  CPen* pOldPen = memory.SelectObject(&pen);
  CBrush* pOldBrush = memory.SelectObject(&brush);
  memory.Rectangle(origin.x, origin.y, origin.x + bitmap_size.cx, origin.y + bitmap_size.cy);
  memory.SelectObject(pOldBrush);
  memory.SelectObject(pOldPen);
  memory.SelectObject(pOld);
}
