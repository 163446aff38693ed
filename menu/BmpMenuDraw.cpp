// CBmpMenu: class-wide settings, the environment tests, measuring and drawing of the items.
#include "BmpMenu.h"
#include "PlatformVersion.h"

#include "DpiScale.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <cwchar>
#include <memory>

namespace
{
const int kNonClientMetricsSize = 340;  // without the padded border, as every platform reads it

int computeVersionClassFromPlatform()
{
  const SPlatformVersion version = GetPlatformVersion();
  return CBmpMenu::ComputeVersionClass(!version.bNT, version.dwMajor, version.dwMinor);
}

const int g_nVersionClass = computeVersionClassFromPlatform();

BOOL g_bClassicThemeChecked = FALSE;
BOOL g_bClassicTheme = FALSE;

// The image column's pad at 96 DPI: wider for the shadows of the 3-D flat look.
int padOf(bool b3DImages) { return b3DImages ? 7 : 4; }

int itemPad() { return padOf(CBmpMenu::IsLunaMenuStyle() && CBmpMenu::xp_draw_3D_bitmaps); }

// The label (before the first tab) and the accelerator (after the last tab) of an item text.
struct SItemText
{
  std::wstring label;
  std::wstring accelerator;
  bool bTab = false;
};

SItemText splitItemText(const wchar_t* text)
{
  SItemText parts;
  if (text == nullptr)
    return parts;
  const std::wstring whole(text);
  const size_t first = whole.find(L'\t');
  if (first == std::wstring::npos)
  {
    parts.label = whole;
    return parts;
  }
  parts.bTab = true;
  parts.label = whole.substr(0, first);
  parts.accelerator = whole.substr(whole.rfind(L'\t') + 1);
  return parts;
}

void frameSolid(CDC* pDC, const CRect& rect, COLORREF color)
{
  CBrush brush;
  brush.CreateSolidBrush(color);
  pDC->FrameRect(&rect, &brush);
}

// The image an item shows: its own list or the global one, with the 3-D variants if any.
struct SItemImage
{
  CImageList* list = nullptr;
  int index = -1;
  int iconId = -1;
  bool b3D = false;
  int faded = -1, shadow = -1, disabled = -1;
};

}

IMPLEMENT_DYNAMIC(CBmpMenu, CMenu)

// Menus have no window of their own when they are measured: the system DPI, the same for
// measuring and drawing.
int CBmpMenu::scaled(int nPixels) { return CDpiScale::OfSystem().Scale(nPixels); }

HWND CBmpMenu::screenWindow()
{
  CWnd* pMain = AfxGetMainWnd();
  return pMain != nullptr && pMain->GetSafeHwnd() != nullptr ? pMain->GetSafeHwnd() : ::GetDesktopWindow();
}

// The menu font of the system's non-client metrics.
BOOL CBmpMenu::createMenuFont(CFont& font)
{
  NONCLIENTMETRICSA metrics;
  std::memset(&metrics, 0, sizeof metrics);
  metrics.cbSize = kNonClientMetricsSize;
  ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0);
  return font.CreateFontIndirect(&metrics.lfMenuFont);
}

UINT CBmpMenu::original_drawmode = 0;
BOOL CBmpMenu::original_select_disabled = TRUE;
UINT CBmpMenu::xp_drawmode = 1;
BOOL CBmpMenu::xp_select_disabled = FALSE;
BOOL CBmpMenu::xp_draw_3D_bitmaps = FALSE;
BOOL CBmpMenu::hicolor_bitmaps = FALSE;
BOOL CBmpMenu::xp_space_accelerators = TRUE;
BOOL CBmpMenu::original_space_accelerators = TRUE;
int CBmpMenu::m_iconX = CDpiScale::OfSystem().Scale(16);
int CBmpMenu::m_iconY = CDpiScale::OfSystem().Scale(15);
CImageList CBmpMenu::m_AllImages;
CArray<int, int&> CBmpMenu::m_AllImagesID;
CTypedPtrArray<CPtrArray, HMENU> CBmpMenu::m_AllSubMenus;

void CBmpMenu::SetMenuDrawMode(UINT mode)
{
  xp_drawmode = mode;
  original_drawmode = mode;
}

UINT CBmpMenu::GetMenuDrawMode() { return IsWinXPLuna() ? xp_drawmode : original_drawmode; }

void CBmpMenu::SetSelectDisableMode(BOOL mode)
{
  xp_select_disabled = mode;
  original_select_disabled = mode;
}

BOOL CBmpMenu::GetSelectDisableMode() { return IsLunaMenuStyle() ? xp_select_disabled : original_select_disabled; }

void CBmpMenu::SetIconSize(int width, int height)
{
  m_iconX = width;
  m_iconY = height;
}

int CBmpMenu::ComputeVersionClass(BOOL bNonNTFamily, DWORD dwMajor, DWORD dwMinor)
{
  if (bNonNTFamily)
  {
    if (dwMajor < 4)
      return 0;
    if (dwMajor == 4 && dwMinor == 10)
      return 3;
    if (dwMajor == 4 && dwMinor == 90)
      return 4;
    return 2;
  }
  if (dwMajor == 4)
    return 5;
  if (dwMajor == 5 && dwMinor == 0)
    return 6;
  if (dwMajor == 5 && dwMinor == 1)
    return 7;
  return 1;
}

int CBmpMenu::GetVersionClass() { return g_nVersionClass; }

BOOL CBmpMenu::IsWindowsClassicTheme()
{
  if (g_bClassicThemeChecked)
    return g_bClassicTheme;
  g_bClassicThemeChecked = TRUE;
  HKEY hKey = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Plus!\\Themes\\Current", 0, 0x20019, &hKey) !=
      ERROR_SUCCESS)
    return g_bClassicTheme;
  char szValue[260] = {};
  DWORD cbValue = sizeof szValue - 1;
  DWORD dwType = 0;
  if (::RegQueryValueExA(hKey, nullptr, nullptr, &dwType, reinterpret_cast<BYTE*>(szValue), &cbValue) == ERROR_SUCCESS)
  {
    static const char kClassic[] = "Windows Classic.theme";
    const size_t nLength = std::strlen(szValue);
    const size_t nSuffix = sizeof kClassic - 1;
    g_bClassicTheme = nLength >= nSuffix && _stricmp(szValue + nLength - nSuffix, kClassic) == 0;
  }
  ::RegCloseKey(hKey);
  return g_bClassicTheme;
}

BOOL CBmpMenu::IsWinXPLuna() { return g_nVersionClass == 7 && !IsWindowsClassicTheme(); }

BOOL CBmpMenu::IsNewShell() { return g_nVersionClass >= 2; }

BOOL CBmpMenu::IsLunaMenuStyle() { return IsWinXPLuna() ? xp_drawmode == 1 : original_drawmode == 1; }

int CBmpMenu::NumBitmapColors(LPBITMAPINFOHEADER lpBitmap)
{
  if (lpBitmap->biClrUsed != 0)
    return static_cast<int>(lpBitmap->biClrUsed);
  switch (lpBitmap->biBitCount)
  {
  case 1:
    return 2;
  case 4:
    return 16;
  case 8:
    return 256;
  default:
    return 0;
  }
}

namespace
{
template <class Channel>
COLORREF mapChannels(COLORREF col, double factor, Channel channel)
{
  if (factor <= 0.0 || factor > 1.0)
    return col;
  const int r = static_cast<int>(channel(GetRValue(col), factor)) & 0xFF;
  const int g = static_cast<int>(channel(GetGValue(col), factor)) & 0xFF;
  const int b = static_cast<int>(channel(GetBValue(col), factor)) & 0xFF;
  return RGB(r, g, b);
}
}

COLORREF CBmpMenu::DarkenColor(COLORREF col, double factor)
{
  return mapChannels(col, factor, [](BYTE c, double f) { return c - c * f; });
}

COLORREF CBmpMenu::LightenColor(COLORREF col, double factor)
{
  return mapChannels(col, factor, [](BYTE c, double f) { return c + (255 - c) * f; });
}

void CBmpMenu::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
  const CBmpMenuData* pData = reinterpret_cast<const CBmpMenuData*>(lpMIS->itemData);
  const BOOL bFlat = IsLunaMenuStyle();
  const int nPad = scaled(itemPad());
  if (pData != nullptr && (pData->flags & MF_SEPARATOR))
  {
    lpMIS->itemWidth = 0;
    lpMIS->itemHeight = bFlat ? scaled(3) : (std::max)(::GetSystemMetrics(SM_CYMENU) >> 1, (m_iconY + nPad) / 2);
    return;
  }
  const wchar_t* text = pData != nullptr && pData->textW != nullptr ? pData->textW : L"";
  const int nLength = static_cast<int>(std::wcslen(text));
  CFont font;
  createMenuFont(font);
  const HWND hWnd = screenWindow();
  const HDC hDC = ::GetDC(hWnd);
  // The DC's default font does not follow the DPI: away from 96 DPI the items are measured in the
  // font they are drawn in.
  const bool bMenuFont = g_nVersionClass >= 2 || !CDpiScale::OfSystem().IsBase();
  HGDIOBJ hOldFont = bMenuFont ? ::SelectObject(hDC, font.m_hObject) : nullptr;
  int nTextWidth = 0;
  if (g_nVersionClass != 0)
  {
    SIZE size = {};
    ::GetTextExtentPoint32W(hDC, text, nLength, &size);
    nTextWidth = size.cx;
  }
  else
  {
    RECT rect = {};
    ::DrawTextW(hDC, text, nLength, &rect, DT_SINGLELINE | DT_LEFT | DT_VCENTER | DT_CALCRECT);
    nTextWidth = rect.right - rect.left + scaled(3);
    if (nLength > 0)
      nTextWidth += 3 * (nTextWidth / nLength);
  }
  if (bMenuFont)
    ::SelectObject(hDC, hOldFont);
  ::ReleaseDC(hWnd, hDC);
  lpMIS->itemWidth = bFlat ? m_iconX + nTextWidth + nPad + scaled(8) : nTextWidth + 2 * m_iconX + scaled(1);
  lpMIS->itemHeight = (std::max)(::GetSystemMetrics(SM_CYMENU), m_iconY + nPad);
}

void CBmpMenu::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
  // A palette device always gets the classic look.
  const BOOL bPalette = (CDC::FromHandle(lpDIS->hDC)->GetDeviceCaps(RASTERCAPS) & RC_PALETTE) != 0;
  if (!bPalette && IsLunaMenuStyle())
    DrawItem_WinXP(lpDIS);
  else
    DrawItem_Win9xNT2000(lpDIS);
}

// What the image column of an item shows: a check image of the menu, or the item's own image
// in its state.
CBmpMenu::EImageKind CBmpMenu::classifyImage(int iconId, UINT state) const
{
  const BOOL bSelected = (state & ODS_SELECTED) != 0;
  if ((state & ODS_CHECKED) && iconId < 0 && m_CheckImages != nullptr &&
      (bSelected ? (m_SelectCheckId > 0 || m_UnselectCheckId > 0) : m_UnselectCheckId > 0))
    return IMAGE_CHECK;
  if (iconId == -1)
    return IMAGE_NONE;
  return (state & ODS_GRAYED) ? IMAGE_DISABLED : bSelected ? IMAGE_SELECTED : IMAGE_NORMAL;
}

namespace
{
SItemImage resolveImage(const CBmpMenuData* pData, bool bFlat3D, bool bOwn3DRule)
{
  SItemImage image;
  if (pData == nullptr)
    return image;
  image.iconId = pData->iconId;
  if (pData->iconId >= 0)
  {
    image.list = pData->imageList;
    image.index = pData->imageIndex;
    if (bOwn3DRule && pData->imageIndex == 0 && bFlat3D && pData->imageList != nullptr &&
        pData->imageList->GetImageCount() > 2)
    {
      image.b3D = true;
      image.faded = 1;
      image.shadow = 2;
      image.disabled = 3;
    }
  }
  return image;
}
}

void CBmpMenu::DrawItem_WinXP(LPDRAWITEMSTRUCT lpDIS)
{
  CDC* pDC = CDC::FromHandle(lpDIS->hDC);
  CRect rect(lpDIS->rcItem);
  UINT state = lpDIS->itemState;
  std::unique_ptr<CBmpMenuMemDC> memDC;
  CFont menuFont;
  CFont* pOldFont = nullptr;
  if ((state & ODS_GRAYED) && !xp_select_disabled)
  {
    state &= ~ODS_SELECTED;
    memDC.reset(new CBmpMenuMemDC(pDC, &rect));
    pDC = memDC.get();
    createMenuFont(menuFont);
    pOldFont = pDC->SelectObject(&menuFont);
  }
  const BOOL bLuna = IsWinXPLuna();
  const int nPad = scaled(padOf(xp_draw_3D_bitmaps != FALSE));
  const int nGap = m_iconX + nPad;
  COLORREF crFace = ::GetSysColor(COLOR_3DFACE);
  if (!bLuna)
    crFace = LightenColor(crFace, 0.25);
  const COLORREF crBackground = DarkenColor(::GetSysColor(COLOR_WINDOW), 0.02);
  const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
  const COLORREF crSelectFill = LightenColor(crHighlight, bLuna ? 0.7 : 0.85);
  const CBmpMenuData* pData = reinterpret_cast<const CBmpMenuData*>(lpDIS->itemData);
  const CRect rcColumn(rect.left, rect.top, rect.left + nGap, rect.bottom);

  if (pData != nullptr && (pData->flags & MF_SEPARATOR))
  {
    pDC->FillSolidRect(&rect, crBackground);
    CRect rcLine(rcColumn.right + nPad, rect.top + rect.Height() / 2, rect.right, rect.bottom);
    pDC->DrawEdge(&rcLine, EDGE_ETCHED, BF_TOP);
    pDC->FillSolidRect(&rcColumn, crFace);
    frameSolid(pDC, rcColumn, crFace);
  }
  else
  {
    const BOOL bSelected = (state & ODS_SELECTED) != 0;
    const BOOL bGrayed = (state & ODS_GRAYED) != 0;
    const BOOL bChecked = (state & ODS_CHECKED) != 0;
    SItemImage image = resolveImage(pData, xp_draw_3D_bitmaps != FALSE, true);
    if (pData != nullptr && pData->iconId < 0 && pData->imageIndex < 0 && pData->globalIndex >= 0)
    {
      image.list = &m_AllImages;
      image.index = pData->globalIndex;
      image.iconId = 0;
      if (xp_draw_3D_bitmaps && CanDraw3DImageList(pData->globalIndex))
      {
        image.b3D = true;
        image.faded = image.index + 1;
        image.shadow = image.index + 2;
        image.disabled = image.index + 3;
      }
    }
    const EImageKind kind = classifyImage(image.iconId, state);

    if (bSelected)
    {
      pDC->FillSolidRect(&rect, crSelectFill);
      frameSolid(pDC, rect, crHighlight);
    }
    else
    {
      pDC->FillSolidRect(&rect, crBackground);
      pDC->FillSolidRect(&rcColumn, crFace);
      frameSolid(pDC, rect, crBackground);
      frameSolid(pDC, rcColumn, crFace);
    }

    const int n1 = scaled(1);
    const CRect rcImage(rect.left + n1, rect.top + n1, rect.left + nGap - scaled(2), rect.bottom - n1);
    const CSize raise(n1, n1);
    const int dy = (std::max)(0, static_cast<int>((rect.Height() - m_iconY) * 0.5 + 0.5));
    const int dx = (std::max)(0, static_cast<int>((nGap - m_iconX) * 0.5 + 0.5));
    const CPoint ptImage(rect.left + dx, rect.top + dy);
    const bool bHasImage = image.list != nullptr && image.list->GetSafeHandle() != nullptr;
    auto drawImage = [&](int nIndex, CPoint pt) {
      if (bHasImage && nIndex >= 0)
        image.list->Draw(pDC, nIndex, pt, ILD_TRANSPARENT);
    };
    switch (kind)
    {
    case IMAGE_CHECK:
      pDC->FillSolidRect(&rcImage, crFace);
      m_CheckImages->Draw(pDC, bSelected ? 1 : 0, ptImage, ILD_TRANSPARENT);
      break;
    case IMAGE_SELECTED:
    case IMAGE_NORMAL:
      if (bChecked)
      {
        // A checked image sits raised in a highlighted box.
        pDC->FillSolidRect(&rcImage, LightenColor(crHighlight, kind == IMAGE_SELECTED ? 0.55 : 0.85));
        frameSolid(pDC, rcImage, crHighlight);
        drawImage(image.index, ptImage - raise);
      }
      else if (kind == IMAGE_SELECTED)
      {
        pDC->FillSolidRect(&rcImage, crSelectFill);
        if (image.b3D)
        {
          drawImage(image.shadow, ptImage + raise);
          drawImage(image.index, ptImage - raise);
        }
        else
          drawImage(image.index, ptImage);
      }
      else
      {
        pDC->FillSolidRect(&rcImage, crFace);
        frameSolid(pDC, rcImage, crFace);
        drawImage(image.b3D ? image.faded : image.index, ptImage);
      }
      break;
    case IMAGE_DISABLED:
      if (image.b3D)
        drawImage(image.disabled, ptImage);
      else if (bHasImage && image.index >= 0)
      {
        CBitmap bitmap;
        GetBitmapFromImageList(pDC, image.list, image.index, bitmap);
        const COLORREF crDitherBack = bSelected ? crSelectFill : crFace;
        if (m_DisableOldStyle)
          DitherBlt(pDC->m_hDC, ptImage.x, ptImage.y, m_iconX, m_iconY, static_cast<HBITMAP>(bitmap.m_hObject), 0, 0,
                    crDitherBack);
        else
          DitherBlt2(pDC, ptImage.x, ptImage.y, m_iconX, m_iconY, bitmap, 0, 0, crDitherBack);
      }
      if (bSelected)
        frameSolid(pDC, rect, crHighlight);
      break;
    case IMAGE_NONE:
      if (bChecked)
      {
        COLORREF crFrame = crHighlight;
        DrawXPCheckmark(pDC, rcImage, checkedBitmapOf(lpDIS), crFrame, bSelected);
      }
      break;
    }

    COLORREF crText = ::GetSysColor(COLOR_MENUTEXT);
    if (bGrayed)
    {
      crText = ::GetSysColor(COLOR_GRAYTEXT);
      if (!bSelected && !bLuna)
        crText = LightenColor(crText, 0.4);
    }
    const CRect rcText(rect.left + nGap + scaled(8), rect.top - n1, rect.right, rect.bottom - n1);
    drawItemText(pDC, rcText, pData != nullptr ? pData->textW : nullptr, crText);
  }

  if (pOldFont != nullptr)
    pDC->SelectObject(pOldFont);
}

void CBmpMenu::DrawItem_Win9xNT2000(LPDRAWITEMSTRUCT lpDIS)
{
  CDC* pDC = CDC::FromHandle(lpDIS->hDC);
  CRect rect(lpDIS->rcItem);
  UINT state = lpDIS->itemState;
  const COLORREF crFace = ::GetSysColor(IsWinXPLuna() ? COLOR_3DFACE : COLOR_MENU);
  if ((state & ODS_GRAYED) && !original_select_disabled)
    state &= ~ODS_SELECTED;
  const CBmpMenuData* pData = reinterpret_cast<const CBmpMenuData*>(lpDIS->itemData);

  if (pData != nullptr && (pData->flags & MF_SEPARATOR))
  {
    pDC->FillSolidRect(&rect, crFace);
    CRect rcLine(rect);
    rcLine.top += rcLine.Height() / 2;
    pDC->DrawEdge(&rcLine, EDGE_ETCHED, BF_TOP);
    return;
  }

  const BOOL bSelected = (state & ODS_SELECTED) != 0;
  const BOOL bGrayed = (state & ODS_GRAYED) != 0;
  const BOOL bChecked = (state & ODS_CHECKED) != 0;
  SItemImage image = resolveImage(pData, false, false);
  if (pData != nullptr && pData->iconId < 0 && pData->globalIndex >= 0)
  {
    image.list = &m_AllImages;
    image.index = pData->globalIndex;
    image.iconId = 0;
  }
  const EImageKind kind = classifyImage(image.iconId, state);

  COLORREF crText = ::GetSysColor(COLOR_MENUTEXT);
  if (bSelected)
  {
    const CRect rcTextArea(rect.left + m_iconX + scaled(5), rect.top, rect.right, rect.bottom);
    pDC->FillSolidRect(kind != IMAGE_NONE || bChecked ? &rcTextArea : &rect, ::GetSysColor(COLOR_HIGHLIGHT));
    crText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
  }
  else
  {
    pDC->FillSolidRect(&rect, crFace);
    frameSolid(pDC, rect, crFace);
  }

  const int n1 = scaled(1), n2 = scaled(2);
  const int dy = (std::max)(0, (rect.Height() - m_iconY - scaled(4)) / 2);
  const bool bNewShell = g_nVersionClass >= 2;
  if (kind != IMAGE_NONE)
  {
    const CRect rcBox(rect.left, rect.top + dy, rect.left + m_iconX + scaled(4), rect.top + dy + m_iconY + scaled(4));
    frameSolid(pDC, CRect(rcBox.left + n1, rcBox.top + n1, rcBox.right - n1, rcBox.bottom - n1), crFace);
    const CPoint ptImage(rect.left + n2, rect.top + dy + n2);
    const bool bHasImage = image.list != nullptr && image.list->GetSafeHandle() != nullptr && image.index >= 0;
    switch (kind)
    {
    case IMAGE_CHECK:
      pDC->FillSolidRect(&rcBox, crFace);
      frameSolid(pDC, rcBox, crFace);
      m_CheckImages->Draw(pDC, bSelected ? 1 : 0, ptImage, ILD_TRANSPARENT);
      break;
    case IMAGE_DISABLED:
      if (bHasImage)
      {
        CBitmap bitmap;
        GetBitmapFromImageList(pDC, image.list, image.index, bitmap);
        if (m_DisableOldStyle)
          DitherBlt(pDC->m_hDC, ptImage.x, ptImage.y, m_iconX, m_iconY, static_cast<HBITMAP>(bitmap.m_hObject), 0, 0,
                    crFace);
        else if (!hicolor_bitmaps)
          DitherBlt2(pDC, ptImage.x, ptImage.y, m_iconX, m_iconY, bitmap, 0, 0, crFace);
        else
          DitherBlt3(pDC, ptImage.x, ptImage.y, m_iconX, m_iconY, bitmap, crFace);
      }
      frameSolid(pDC, rcBox, crFace);
      break;
    case IMAGE_SELECTED:
      pDC->FillSolidRect(&rcBox, crFace);
      if (bNewShell)
      {
        const COLORREF crShadow = ::GetSysColor(COLOR_3DSHADOW);
        const COLORREF crLight = ::GetSysColor(COLOR_3DHILIGHT);
        pDC->Draw3dRect(&rcBox, bChecked ? crShadow : crLight, bChecked ? crLight : crShadow);
      }
      if (bHasImage)
        image.list->Draw(pDC, image.index, ptImage, ILD_TRANSPARENT);
      break;
    default:  // normal
      if (bChecked)
      {
        pDC->FillSolidRect(&rcBox, LightenColor(crFace, 0.6));
        if (bNewShell)
          pDC->Draw3dRect(&rcBox, ::GetSysColor(COLOR_3DSHADOW), ::GetSysColor(COLOR_3DHILIGHT));
      }
      else
      {
        pDC->FillSolidRect(&rcBox, crFace);
        frameSolid(pDC, rcBox, crFace);
      }
      if (bHasImage)
        image.list->Draw(pDC, image.index, ptImage, ILD_TRANSPARENT);
      break;
    }
  }
  else if (bChecked)
  {
    const CRect rcCheck(rect.left + n1, rect.top + dy + n2, rect.left + m_iconX + n1, rect.top + dy + m_iconY + n2);
    Draw3DCheckmark(pDC, rcCheck, bSelected, checkedBitmapOf(lpDIS));
  }

  const CRect rcText(rect.left + m_iconX + scaled(9), rect.top - n1, rect.right, rect.bottom - n1);
  const wchar_t* text = pData != nullptr ? pData->textW : nullptr;
  if (!bGrayed)
    drawItemText(pDC, rcText, text, crText);
  else if (!bSelected)
  {
    CRect rcEmboss(rcText);
    rcEmboss.OffsetRect(n1, n1);
    drawItemText(pDC, rcEmboss, text, ::GetSysColor(COLOR_3DHILIGHT));
    drawItemText(pDC, rcText, text, ::GetSysColor(COLOR_GRAYTEXT));
  }
  else
    drawItemText(pDC, rcText, text, crFace);
}

HBITMAP CBmpMenu::checkedBitmapOf(LPDRAWITEMSTRUCT lpDIS)
{
  MENUITEMINFOA info;
  std::memset(&info, 0, sizeof info);
  info.cbSize = sizeof info;
  info.fMask = MIIM_CHECKMARKS;
  ::GetMenuItemInfoA(reinterpret_cast<HMENU>(lpDIS->hwndItem), lpDIS->itemID, FALSE, &info);
  return info.hbmpChecked;
}

void CBmpMenu::drawItemText(CDC* pDC, const CRect& rcText, const wchar_t* text, COLORREF color)
{
  const SItemText parts = splitItemText(text);
  CRect rect(rcText);
  if (parts.bTab)
    rect.right -= m_iconX;
  const int nOldMode = pDC->SetBkMode(TRANSPARENT);
  const COLORREF crOld = pDC->SetTextColor(color);
  ::DrawTextW(pDC->m_hDC, parts.label.c_str(), static_cast<int>(parts.label.size()), &rect,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (parts.bTab)
    ::DrawTextW(pDC->m_hDC, parts.accelerator.c_str(), static_cast<int>(parts.accelerator.size()), &rect,
                DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  pDC->SetTextColor(crOld);
  pDC->SetBkMode(nOldMode);
}

BOOL CBmpMenu::DrawXPCheckmark(CDC* dc, const CRect& rc, HBITMAP hbmCheck, COLORREF& colorout, BOOL selected)
{
  dc->FillSolidRect(&rc, LightenColor(colorout, selected ? 0.55 : 0.85));
  frameSolid(dc, rc, colorout);
  const int dx = (std::max)(0, rc.Width() / 2 - scaled(3));
  const int dy = (std::max)(0, rc.Height() / 2 - scaled(3));
  if (hbmCheck != nullptr)
    DrawRadioDot(dc, rc.left + dx, rc.top + dy, ::GetSysColor(COLOR_MENUTEXT));
  else
    DrawCheckMark(dc, rc.left + dx, rc.top + dy, ::GetSysColor(COLOR_MENUTEXT), TRUE);
  return TRUE;
}

BOOL CBmpMenu::Draw3DCheckmark(CDC* dc, const CRect& rc, BOOL bSelected, HBITMAP hbmCheck)
{
  COLORREF crFill = ::GetSysColor(IsWinXPLuna() ? COLOR_3DFACE : COLOR_MENU);
  if (!bSelected)
    crFill = LightenColor(crFill, 0.6);
  dc->FillSolidRect(&rc, crFill);
  if (g_nVersionClass >= 2)
  {
    CRect rcEdge(rc);
    dc->DrawEdge(&rcEdge, BDR_SUNKENOUTER, BF_RECT);
  }
  if (hbmCheck != nullptr)
    DrawRadioDot(dc, rc.left + scaled(5), rc.top + scaled(4), ::GetSysColor(COLOR_MENUTEXT));
  else
    DrawCheckMark(dc, rc.left + scaled(4), rc.top + scaled(4), ::GetSysColor(COLOR_MENUTEXT), FALSE);
  return TRUE;
}

void CBmpMenu::DrawCheckMark(CDC* pDC, int x, int y, COLORREF color, BOOL narrowflag)
{
  static const int kTop[7] = {2, 3, 4, 3, 2, 1, 0};
  static const int kBottom[7] = {5, 6, 7, 6, 5, 4, 3};
  const int s = narrowflag ? 1 : 0;
  // Seven one-pixel strokes at 96 DPI; each stroke a scaled block, so the mark keeps its weight.
  const COLORREF crOldBack = pDC->GetBkColor();
  for (int i = 0; i < 7; ++i)
    pDC->FillSolidRect(CRect(x + scaled(i), y + scaled(kTop[i]), x + scaled(i + 1), y + scaled(kBottom[i] - s)), color);
  pDC->SetBkColor(crOldBack);
}

void CBmpMenu::DrawRadioDot(CDC* pDC, int x, int y, COLORREF color)
{
  CBrush brush;
  brush.CreateSolidBrush(color);
  CPen pen;
  pen.CreatePen(PS_SOLID, 1, color);
  CBrush* pOldBrush = pDC->SelectObject(&brush);
  CPen* pOldPen = pDC->SelectObject(&pen);
  pDC->Ellipse(x, y, x + scaled(6), y + scaled(6));
  pDC->SelectObject(pOldPen);
  pDC->SelectObject(pOldBrush);
}
