// CBmpMenu: building and keeping the tree. Every platform item carries its record as item
// data; popups are heap objects owned by the menu that appended them.
#include "BmpMenu.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <string>
#include <vector>

namespace
{
const int kMaxMenuString = 1024;

// A multi-byte text as a temporary wide string; a null text stays null.
class CWideText
{
public:
  explicit CWideText(const char* text) : m_bNull(text == nullptr)
  {
    if (m_bNull)
      return;
    const int nChars = ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0);
    m_text.assign(static_cast<size_t>(nChars > 0 ? nChars : 1), L'\0');
    ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, &m_text[0], nChars);
  }
  operator const wchar_t*() const { return m_bNull ? nullptr : m_text.c_str(); }

private:
  bool m_bNull;
  std::wstring m_text;
};

CBmpMenu* bmpMenuOf(HMENU hMenu)
{
  return hMenu != nullptr ? DYNAMIC_DOWNCAST(CBmpMenu, CMenu::FromHandlePermanent(hMenu)) : nullptr;
}

std::wstring platformText(HMENU hMenu, UINT nPosition)
{
  wchar_t text[kMaxMenuString] = {};
  ::GetMenuStringW(hMenu, nPosition, text, kMaxMenuString, MF_BYPOSITION);
  return text;
}

bool sameText(const wchar_t* a, const wchar_t* b) { return a != nullptr && b != nullptr && std::wcscmp(a, b) == 0; }

void removeHandle(CTypedPtrArray<CPtrArray, HMENU>& handles, HMENU hMenu)
{
  for (INT_PTR i = handles.GetSize() - 1; i >= 0; --i)
  {
    if (handles[i] == hMenu)
      handles.RemoveAt(i);
  }
}

LPCTSTR asItemData(CBmpMenuData* pData) { return reinterpret_cast<LPCTSTR>(pData); }

// Reads a menu resource without running past its end.
class CMenuTemplateReader
{
public:
  CMenuTemplateReader(const BYTE* pBegin, DWORD cbSize) : m_p(pBegin), m_pEnd(pBegin + cbSize) {}
  bool Skip(size_t cb)
  {
    if (static_cast<size_t>(m_pEnd - m_p) < cb)
      return false;
    m_p += cb;
    return true;
  }
  bool ReadWord(WORD& w)
  {
    if (m_pEnd - m_p < 2)
      return false;
    w = static_cast<WORD>(m_p[0] | (m_p[1] << 8));
    m_p += 2;
    return true;
  }
  bool ReadString(std::wstring& text)
  {
    text.clear();
    for (WORD w = 0; ReadWord(w);)
    {
      if (w == 0)
        return true;
      text += static_cast<wchar_t>(w);
    }
    return false;
  }

private:
  const BYTE* m_p;
  const BYTE* m_pEnd;
};
}

CBmpMenu::CBmpMenu()
    : m_BitmapBackground(RGB(192, 192, 192)), m_UseBitmapBackground(FALSE), m_DisableOldStyle(FALSE),
      m_CheckImages(nullptr), m_CheckImagesShared(FALSE), m_SelectCheckId(-1), m_UnselectCheckId(-1),
      m_LoadedMenu(FALSE)
{}

CBmpMenu::~CBmpMenu() { DestroyMenu(); }

BOOL CBmpMenu::createClassImageList(CImageList& list) { return list.Create(m_iconX, m_iconY, 0xFF, 1, 1); }

CBmpMenu* CBmpMenu::newPopup()
{
  CBmpMenu* pPopup = new CBmpMenu;
  pPopup->m_CheckImages = m_CheckImages;
  pPopup->m_CheckImagesShared = TRUE;
  pPopup->m_SelectCheckId = m_SelectCheckId;
  pPopup->m_UnselectCheckId = m_UnselectCheckId;
  pPopup->CreatePopupMenu();
  return pPopup;
}

CBmpMenuData* CBmpMenu::recordAt(int nPosition) const
{
  return nPosition >= 0 && nPosition < m_Items.GetSize() ? m_Items[nPosition] : nullptr;
}

int CBmpMenu::recordIndexOfId(UINT_PTR nID) const
{
  for (INT_PTR i = 0; i < m_Items.GetSize(); ++i)
  {
    if (m_Items[i]->id == nID)
      return static_cast<int>(i);
  }
  return -1;
}

void CBmpMenu::deleteRecordOfId(UINT_PTR nID)
{
  const int nIndex = recordIndexOfId(nID);
  if (nIndex < 0)
    return;
  delete m_Items[nIndex];
  m_Items.RemoveAt(nIndex);
}

// --- Appending ---------------------------------------------------------------------------

CBmpMenuData* CBmpMenu::appendRecord(const wchar_t* lpstrText, UINT& nFlags, UINT_PTR nID)
{
  if (nID != 0)
    nFlags |= MF_OWNERDRAW;
  else
    nFlags = (nFlags & MF_BYPOSITION) | MF_SEPARATOR | MF_OWNERDRAW;
  if (nFlags & MF_POPUP)
  {
    m_AllSubMenus.Add(reinterpret_cast<HMENU>(nID));
    m_SubMenuHandles.Add(reinterpret_cast<HMENU>(nID));
  }
  CBmpMenuData* pData = new CBmpMenuData;
  m_Items.Add(pData);
  pData->SetWideString(lpstrText);
  return pData;
}

void CBmpMenu::setGlobalImage(CBmpMenuData* pData, UINT_PTR nID, int nIconNormal)
{
  if (nIconNormal < 0)
  {
    pData->globalIndex = GlobalImageListOffset(static_cast<int>(nID));
    return;
  }
  int xoffset = 0;
  LoadFromToolBar(static_cast<UINT>(nID), static_cast<UINT>(nIconNormal), xoffset);
  CImageList temporary;
  createClassImageList(temporary);
  if (AddBitmapToImageList(&temporary, static_cast<UINT>(nIconNormal)))
    pData->globalIndex = AddToGlobalImageList(&temporary, xoffset, static_cast<int>(nID));
}

BOOL CBmpMenu::AppendODMenuW(const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, int nIconNormal)
{
  CBmpMenuData* pData = appendRecord(lpstrText, nFlags, nID);
  setGlobalImage(pData, nID, nIconNormal);
  pData->flags = nFlags;
  pData->id = nID;
  const BOOL bResult = CMenu::AppendMenu(nFlags, nID, asItemData(pData));
  if (m_LoadedMenu)
    RemoveTopLevelOwnerDraw();
  return bResult;
}

BOOL CBmpMenu::AppendODMenuW(const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* il, int xoffset)
{
  CBmpMenuData* pData = appendRecord(lpstrText, nFlags, nID);
  if (il != nullptr)
  {
    pData->iconId = 0;
    pData->imageIndex = 0;
    pData->imageList = new CImageList;
    ImageListDuplicate(il, xoffset, pData->imageList);
  }
  pData->flags = nFlags;
  pData->id = nID;
  return CMenu::AppendMenu(nFlags, nID, asItemData(pData));
}

BOOL CBmpMenu::AppendODMenuA(const char* lpstrText, UINT nFlags, UINT_PTR nID, int nIconNormal)
{
  return AppendODMenuW(CWideText(lpstrText), nFlags, nID, nIconNormal);
}

BOOL CBmpMenu::AppendODMenuA(const char* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* il, int xoffset)
{
  return AppendODMenuW(CWideText(lpstrText), nFlags, nID, il, xoffset);
}

BOOL CBmpMenu::AppendMenuW(UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem, int nIconNormal)
{
  return AppendODMenuW(lpszNewItem, nFlags, nIDNewItem, nIconNormal);
}

BOOL CBmpMenu::AppendMenuW(UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem, CImageList* il, int xoffset)
{
  return AppendODMenuW(lpszNewItem, nFlags, nIDNewItem, il, xoffset);
}

BOOL CBmpMenu::bitmapList(CImageList& list, CBitmap* bmp)
{
  if (!createClassImageList(list))
    return FALSE;
  return addMasked(&list, bmp, m_UseBitmapBackground ? m_BitmapBackground : ::GetSysColor(COLOR_3DFACE));
}

BOOL CBmpMenu::AppendMenuW(UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem, CBitmap* bmp)
{
  CImageList temporary;
  CImageList* pList = bmp != nullptr && bitmapList(temporary, bmp) ? &temporary : nullptr;
  return AppendODMenuW(lpszNewItem, nFlags, nIDNewItem, pList, 0);
}

BOOL CBmpMenu::AppendMenuA(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem, int nIconNormal)
{
  return AppendMenuW(nFlags, nIDNewItem, CWideText(lpszNewItem), nIconNormal);
}

BOOL CBmpMenu::AppendMenuA(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem, CImageList* il, int xoffset)
{
  return AppendMenuW(nFlags, nIDNewItem, CWideText(lpszNewItem), il, xoffset);
}

BOOL CBmpMenu::AppendMenuA(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem, CBitmap* bmp)
{
  return AppendMenuW(nFlags, nIDNewItem, CWideText(lpszNewItem), bmp);
}

CBmpMenu* CBmpMenu::AppendODPopupMenuW(const wchar_t* lpstrText)
{
  CBmpMenu* pPopup = newPopup();
  AppendODMenuW(lpstrText, MF_POPUP, reinterpret_cast<UINT_PTR>(pPopup->m_hMenu), -1);
  return pPopup;
}

CBmpMenu* CBmpMenu::AppendODPopupMenuA(const char* lpstrText) { return AppendODPopupMenuW(CWideText(lpstrText)); }

// --- Inserting ---------------------------------------------------------------------------

BOOL CBmpMenu::InsertODMenuW(UINT nPosition, const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, int nIconNormal)
{
  if (!(nFlags & MF_BYPOSITION))
  {
    int nLoc = -1;
    CBmpMenu* pLevel = FindMenuOption(nPosition, nLoc);
    return pLevel != nullptr
               ? pLevel->InsertODMenuW(static_cast<UINT>(nLoc), lpstrText, nFlags | MF_BYPOSITION, nID, nIconNormal)
               : FALSE;
  }
  nFlags = nID == 0 ? MF_BYPOSITION | MF_SEPARATOR | MF_OWNERDRAW : nFlags | MF_OWNERDRAW;
  if (static_cast<int>(nPosition) == -1)
    nPosition = GetMenuItemCount();
  int nRecord = static_cast<int>(nPosition);
  if (nFlags & MF_POPUP)
  {
    if (m_LoadedMenu)
    {
      const int nStart = GetMenuStart();
      nRecord = nRecord < nStart ? 0 : nRecord - nStart;
    }
    m_AllSubMenus.Add(reinterpret_cast<HMENU>(nID));
    m_SubMenuHandles.InsertAt(std::min<INT_PTR>(nPosition, m_SubMenuHandles.GetSize()), reinterpret_cast<HMENU>(nID));
  }
  CBmpMenuData* pData = new CBmpMenuData;
  m_Items.InsertAt(std::min<INT_PTR>(nRecord, m_Items.GetSize()), pData);
  pData->SetWideString(lpstrText);
  setGlobalImage(pData, nID, nIconNormal);
  pData->id = nID;
  pData->flags = nFlags;
  const BOOL bResult = CMenu::InsertMenu(nPosition, nFlags, nID, asItemData(pData));
  if (m_LoadedMenu)
    RemoveTopLevelOwnerDraw();
  return bResult;
}

BOOL CBmpMenu::InsertODMenuW(UINT nPosition, const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* il,
                             int xoffset)
{
  if (!(nFlags & MF_BYPOSITION))
  {
    int nLoc = -1;
    CBmpMenu* pLevel = FindMenuOption(nPosition, nLoc);
    return pLevel != nullptr
               ? pLevel->InsertODMenuW(static_cast<UINT>(nLoc), lpstrText, nFlags | MF_BYPOSITION, nID, il, xoffset)
               : FALSE;
  }
  nFlags = nID == 0 ? MF_BYPOSITION | MF_SEPARATOR | MF_OWNERDRAW : nFlags | MF_OWNERDRAW;
  if (static_cast<int>(nPosition) == -1)
    nPosition = GetMenuItemCount();
  CBmpMenuData* pData = new CBmpMenuData;
  m_Items.InsertAt(std::min<INT_PTR>(nPosition, m_Items.GetSize()), pData);
  pData->SetWideString(lpstrText);
  if (il != nullptr)
    pData->globalIndex = AddToGlobalImageList(il, xoffset, static_cast<int>(nID));
  pData->id = nID;
  pData->flags = nFlags;
  return CMenu::InsertMenu(nPosition, nFlags, nID, asItemData(pData));
}

BOOL CBmpMenu::InsertODMenuA(UINT nPosition, const char* lpstrText, UINT nFlags, UINT_PTR nID, int nIconNormal)
{
  return InsertODMenuW(nPosition, CWideText(lpstrText), nFlags, nID, nIconNormal);
}

BOOL CBmpMenu::InsertODMenuA(UINT nPosition, const char* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* il,
                             int xoffset)
{
  return InsertODMenuW(nPosition, CWideText(lpstrText), nFlags, nID, il, xoffset);
}

BOOL CBmpMenu::InsertMenuW(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem,
                           int nIconNormal)
{
  return InsertODMenuW(nPosition, lpszNewItem, nFlags, nIDNewItem, nIconNormal);
}

BOOL CBmpMenu::InsertMenuW(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem, CImageList* il,
                           int xoffset)
{
  return InsertODMenuW(nPosition, lpszNewItem, nFlags, nIDNewItem, il, xoffset);
}

BOOL CBmpMenu::InsertMenuW(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem, CBitmap* bmp)
{
  CImageList temporary;
  CImageList* pList = bmp != nullptr && bitmapList(temporary, bmp) ? &temporary : nullptr;
  return InsertODMenuW(nPosition, lpszNewItem, nFlags, nIDNewItem, pList, 0);
}

BOOL CBmpMenu::InsertMenuA(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem, int nIconNormal)
{
  return InsertMenuW(nPosition, nFlags, nIDNewItem, CWideText(lpszNewItem), nIconNormal);
}

BOOL CBmpMenu::InsertMenuA(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem, CImageList* il,
                           int xoffset)
{
  return InsertMenuW(nPosition, nFlags, nIDNewItem, CWideText(lpszNewItem), il, xoffset);
}

BOOL CBmpMenu::InsertMenuA(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem, CBitmap* bmp)
{
  return InsertMenuW(nPosition, nFlags, nIDNewItem, CWideText(lpszNewItem), bmp);
}

// --- Modifying ---------------------------------------------------------------------------

template <class TChange>
BOOL CBmpMenu::modifyEach(UINT nID, const TChange& change)
{
  CArray<CBmpMenu*, CBmpMenu*> levels;
  CArray<int, int&> places;
  int nLoc = -1;
  CBmpMenu* pLevel = FindMenuOption(nID, nLoc);
  CBmpMenuData* pData = nullptr;
  do
  {
    pData = pLevel != nullptr ? pLevel->recordAt(nLoc) : nullptr;
    if (pData == nullptr)
    {
      pData = new CBmpMenuData;
      m_Items.Add(pData);
    }
    change(pData);
    pData->flags = (pData->flags & ~MF_BYPOSITION) | MF_OWNERDRAW;
    pData->id = nID;
    if (pLevel == nullptr)
      break;
    levels.Add(pLevel);
    places.Add(nLoc);
    pLevel = FindAnotherMenuOption(nID, nLoc, levels, places);
  } while (pLevel != nullptr);
  return CMenu::ModifyMenu(nID, pData->flags, nID, asItemData(pData));
}

BOOL CBmpMenu::ModifyODMenuW(const wchar_t* lpstrText, UINT nID, int nIconNormal)
{
  return modifyEach(nID, [&](CBmpMenuData* pData) {
    if (lpstrText != nullptr)
      pData->SetWideString(lpstrText);
    pData->iconId = -1;
    pData->imageIndex = -1;
    setGlobalImage(pData, nID, nIconNormal);
  });
}

BOOL CBmpMenu::ModifyODMenuW(const wchar_t* lpstrText, UINT nID, CImageList* il, int xoffset)
{
  return modifyEach(nID, [&](CBmpMenuData* pData) {
    if (lpstrText != nullptr)
      pData->SetWideString(lpstrText);
    pData->iconId = -1;
    pData->imageIndex = -1;
    if (il != nullptr)
      pData->globalIndex = AddToGlobalImageList(il, xoffset, static_cast<int>(nID));
  });
}

BOOL CBmpMenu::ModifyODMenuW(const wchar_t* lpstrText, UINT nID, CBitmap* bmp)
{
  CImageList temporary;
  CImageList* pList = bmp != nullptr && bitmapList(temporary, bmp) ? &temporary : nullptr;
  return ModifyODMenuW(lpstrText, nID, pList, 0);
}

BOOL CBmpMenu::ModifyODMenuW(const wchar_t* lpstrText, UINT nID, COLORREF fill, COLORREF border, int hatchstyle,
                             CSize* pSize)
{
  const CSize iconSize(m_iconX, m_iconY);
  const CSize swatchSize = pSize != nullptr ? *pSize : iconSize;
  CWnd* pDesktop = CWnd::FromHandle(screenWindow());
  CClientDC screen(pDesktop);
  CBitmap bitmap;
  ColorBitmap(&screen, bitmap, swatchSize, iconSize, fill, border, hatchstyle);
  return ModifyODMenuW(lpstrText, nID, &bitmap);
}

BOOL CBmpMenu::ModifyODMenuW(const wchar_t* lpstrText, const wchar_t* OptionText, int nIconNormal)
{
  int nLoc = -1;
  CBmpMenu* pLevel = OptionText != nullptr ? FindMenuOption(OptionText, nLoc) : nullptr;
  CBmpMenuData* pData = pLevel != nullptr ? pLevel->recordAt(nLoc) : nullptr;
  if (pData == nullptr)
    return FALSE;
  if (lpstrText != nullptr)
    pData->SetWideString(lpstrText);
  pData->iconId = nIconNormal;
  pData->imageIndex = -1;
  if (nIconNormal >= 0)
  {
    pData->imageIndex = 0;
    resetOwnList(pData);
    if (!AddBitmapToImageList(pData->imageList, static_cast<UINT>(nIconNormal)))
      dropOwnList(pData);
  }
  return TRUE;
}

BOOL CBmpMenu::ModifyODMenuA(const char* lpstrText, UINT nID, int nIconNormal)
{
  return ModifyODMenuW(CWideText(lpstrText), nID, nIconNormal);
}

BOOL CBmpMenu::ModifyODMenuA(const char* lpstrText, UINT nID, CImageList* il, int xoffset)
{
  return ModifyODMenuW(CWideText(lpstrText), nID, il, xoffset);
}

BOOL CBmpMenu::ModifyODMenuA(const char* lpstrText, UINT nID, CBitmap* bmp)
{
  return ModifyODMenuW(CWideText(lpstrText), nID, bmp);
}

BOOL CBmpMenu::ModifyODMenuA(const char* lpstrText, UINT nID, COLORREF fill, COLORREF border, int hatchstyle,
                             CSize* pSize)
{
  return ModifyODMenuW(CWideText(lpstrText), nID, fill, border, hatchstyle, pSize);
}

BOOL CBmpMenu::ModifyODMenuA(const char* lpstrText, const char* OptionText, int nIconNormal)
{
  return ModifyODMenuW(CWideText(lpstrText), CWideText(OptionText), nIconNormal);
}

// --- Finding -----------------------------------------------------------------------------

CBmpMenu* CBmpMenu::FindAnotherMenuOption(UINT nId, int& nLoc, CArray<CBmpMenu*, CBmpMenu*>& bmsubs,
                                          CArray<int, int&>& bmoffsets)
{
  const int nCount = static_cast<int>(GetMenuItemCount());
  for (int i = 0; i < nCount; ++i)
  {
    if (CBmpMenu* pSub = bmpMenuOf(::GetSubMenu(m_hMenu, i)))
    {
      if (CBmpMenu* pFound = pSub->FindAnotherMenuOption(nId, nLoc, bmsubs, bmoffsets))
        return pFound;
      continue;
    }
    if (::GetSubMenu(m_hMenu, i) != nullptr || GetMenuItemID(i) != nId)
      continue;
    bool bVisited = false;
    for (INT_PTR j = 0; j < bmsubs.GetSize() && !bVisited; ++j)
      bVisited = bmsubs[j] == this && bmoffsets[j] == i;
    if (!bVisited)
    {
      nLoc = i;
      return this;
    }
  }
  nLoc = -1;
  return nullptr;
}

CBmpMenu* CBmpMenu::FindMenuOption(UINT nId, int& nLoc)
{
  CArray<CBmpMenu*, CBmpMenu*> none;
  CArray<int, int&> noOffsets;
  return FindAnotherMenuOption(nId, nLoc, none, noOffsets);
}

CBmpMenu* CBmpMenu::FindMenuOption(const wchar_t* lpstrText, int& nLoc)
{
  const int nCount = static_cast<int>(GetMenuItemCount());
  for (int i = 0; i < nCount; ++i)
  {
    if (CBmpMenu* pSub = bmpMenuOf(::GetSubMenu(m_hMenu, i)))
    {
      if (CBmpMenu* pFound = pSub->FindMenuOption(lpstrText, nLoc))
        return pFound;
      continue;
    }
    for (INT_PTR j = 0; j < m_Items.GetSize(); ++j)
    {
      if (sameText(m_Items[j]->textW, lpstrText))
      {
        nLoc = static_cast<int>(j);
        return this;
      }
    }
  }
  nLoc = -1;
  return nullptr;
}

CBmpMenuData* CBmpMenu::FindMenuItem(UINT nID)
{
  const int nIndex = recordIndexOfId(nID);
  if (nIndex >= 0)
    return m_Items[nIndex];
  int nLoc = -1;
  CBmpMenu* pLevel = FindMenuOption(nID, nLoc);
  return pLevel != nullptr ? pLevel->recordAt(nLoc) : nullptr;
}

CBmpMenuData* CBmpMenu::FindMenuList(UINT_PTR nID)
{
  for (INT_PTR i = 0; i < m_Items.GetSize(); ++i)
  {
    if (m_Items[i]->id == nID && !m_Items[i]->syncFlag)
    {
      m_Items[i]->syncFlag = TRUE;
      return m_Items[i];
    }
  }
  return nullptr;
}

void CBmpMenu::InitializeMenuList(BOOL value)
{
  for (INT_PTR i = 0; i < m_Items.GetSize(); ++i)
    m_Items[i]->syncFlag = value;
}

void CBmpMenu::DeleteMenuList()
{
  for (INT_PTR i = m_Items.GetSize() - 1; i >= 0; --i)
  {
    if (!m_Items[i]->syncFlag)
    {
      delete m_Items[i];
      m_Items.RemoveAt(i);
    }
  }
}

CBmpMenuData* CBmpMenu::NewODMenu(UINT pos, UINT nFlags, UINT_PTR nID, const wchar_t* text)
{
  CBmpMenuData* pData = new CBmpMenuData;
  pData->SetWideString(text);
  pData->flags = nFlags;
  pData->id = nID;
  CMenu::ModifyMenu(pos, nFlags, nID, (nFlags & MF_OWNERDRAW) ? asItemData(pData) : nullptr);
  return pData;
}

void CBmpMenu::SynchronizeMenu()
{
  InitializeMenuList(FALSE);
  CTypedPtrArray<CPtrArray, CBmpMenuData*> fresh;
  const int nCount = static_cast<int>(GetMenuItemCount());
  for (int i = 0; i < nCount; ++i)
  {
    const UINT state = GetMenuState(i, MF_BYPOSITION);
    const std::wstring text = platformText(m_hMenu, i);
    UINT_PTR nID = 0;
    UINT nFlags = state | 0x500;
    UINT nNewFlags = nFlags;
    CBmpMenuData* pData = nullptr;
    if (state & MF_POPUP)
    {
      nID = reinterpret_cast<UINT_PTR>(::GetSubMenu(m_hMenu, i));
      nFlags = nNewFlags = (state & 0xEF) | 0x510;
    }
    else if (state & MF_SEPARATOR)
      nNewFlags = state | 0xD00;
    else
      nID = GetMenuItemID(i);
    pData = FindMenuList(nID);
    if (pData != nullptr)
    {
      if (!text.empty())
        pData->SetWideString(text.c_str());
      pData->flags = nFlags;
      CMenu::ModifyMenu(i, nFlags, nID, asItemData(pData));
    }
    else
      pData = NewODMenu(i, nNewFlags, nID, (state & MF_SEPARATOR) && !(state & MF_POPUP) ? L"" : text.c_str());
    fresh.Add(pData);
  }
  DeleteMenuList();
  m_Items.RemoveAll();
  for (INT_PTR i = 0; i < fresh.GetSize(); ++i)
    m_Items.Add(fresh[i]);
}

void CBmpMenu::UpdateMenu(CMenu* pmenu)
{
  if (CBmpMenu* pBmpMenu = DYNAMIC_DOWNCAST(CBmpMenu, pmenu))
    pBmpMenu->SynchronizeMenu();
}

LRESULT CBmpMenu::FindKeyboardShortcut(UINT nChar, UINT nFlags, CMenu* pMenu)
{
  CBmpMenu* pBmpMenu = DYNAMIC_DOWNCAST(CBmpMenu, pMenu);
  if (pBmpMenu == nullptr || !(nFlags & MF_POPUP))
    return 0;
  std::wstring key = L"&";
  key += static_cast<wchar_t>(std::towlower(static_cast<wint_t>(nChar)));
  if (static_cast<INT_PTR>(pBmpMenu->GetMenuItemCount()) != pBmpMenu->m_Items.GetSize())
    pBmpMenu->SynchronizeMenu();
  for (INT_PTR i = 0; i < pBmpMenu->m_Items.GetSize(); ++i)
  {
    const wchar_t* text = pBmpMenu->m_Items[i]->textW;
    if (text == nullptr)
      continue;
    std::wstring lower(text);
    for (wchar_t& c : lower)
      c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    if (lower.find(key) != std::wstring::npos)
      return static_cast<LRESULT>(i) | 0x20000;
  }
  return 0;
}

BOOL CBmpMenu::IsMenu(HMENU submenu)
{
  for (INT_PTR i = 0; i < m_AllSubMenus.GetSize(); ++i)
  {
    if (m_AllSubMenus[i] == submenu)
      return TRUE;
  }
  return FALSE;
}

// --- Loading -----------------------------------------------------------------------------

BOOL CBmpMenu::LoadMenu(int nResource) { return LoadMenu(MAKEINTRESOURCE(nResource)); }

BOOL CBmpMenu::LoadMenu(LPCTSTR lpszResourceName)
{
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
  HRSRC hRsrc = ::FindResource(hInst, lpszResourceName, RT_MENU);
  if (hRsrc == nullptr)
  {
    hInst = ::GetModuleHandle(nullptr);
    hRsrc = ::FindResource(hInst, lpszResourceName, RT_MENU);
  }
  HGLOBAL hGlobal = hRsrc != nullptr ? ::LoadResource(hInst, hRsrc) : nullptr;
  const BYTE* pTemplate = hGlobal != nullptr ? static_cast<const BYTE*>(::LockResource(hGlobal)) : nullptr;
  if (pTemplate == nullptr)
    return FALSE;
  DestroyMenu();
  if (!CreateMenu())
    return FALSE;
  CMenuTemplateReader reader(pTemplate, ::SizeofResource(hInst, hRsrc));
  WORD wVersion = 0, wOffset = 0;
  if (!reader.ReadWord(wVersion) || !reader.ReadWord(wOffset) || !reader.Skip(wOffset))
    return FALSE;
  std::vector<CBmpMenu*> menus{this};
  std::vector<bool> ends{false};
  while (!menus.empty())
  {
    WORD wOption = 0, wID = 0;
    std::wstring caption;
    if (!reader.ReadWord(wOption) || (!(wOption & MF_POPUP) && !reader.ReadWord(wID)) || !reader.ReadString(caption))
      break;
    const bool bEnd = (LOBYTE(wOption) & MF_END) != 0;
    const UINT nFlags = wOption & ~static_cast<UINT>(MF_END);
    if (wOption & MF_POPUP)
    {
      if (bEnd)
        ends.back() = true;
      CBmpMenu* pPopup = newPopup();
      menus.back()->AppendODMenuW(caption.c_str(), nFlags, reinterpret_cast<UINT_PTR>(pPopup->m_hMenu), -1);
      menus.push_back(pPopup);
      ends.push_back(false);
      continue;
    }
    menus.back()->AppendODMenuW(caption.c_str(), nFlags, wID, -1);
    if (bEnd)
      ends.back() = true;
    while (!menus.empty() && ends.back())
    {
      menus.back()->InsertSpaces();
      menus.pop_back();
      ends.pop_back();
    }
  }
  for (int i = 0; i < static_cast<int>(GetMenuItemCount()); ++i)
    plainTopLevelItem(i, recordAt(i));
  m_LoadedMenu = TRUE;
  return TRUE;
}

// A menu-bar title stays plain text, so the bar draws it itself.
void CBmpMenu::plainTopLevelItem(int nPosition, CBmpMenuData* pData)
{
  if (pData == nullptr)
    return;
  const wchar_t* text = pData->textW != nullptr ? pData->textW : L"";
  if (HMENU hSub = ::GetSubMenu(m_hMenu, nPosition))
  {
    pData->flags = MF_BYPOSITION | MF_POPUP;
    ::ModifyMenuW(m_hMenu, nPosition, MF_BYPOSITION | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(hSub), text);
  }
  else
  {
    pData->flags = MF_BYPOSITION;
    ::ModifyMenuW(m_hMenu, nPosition, MF_BYPOSITION | MF_STRING, pData->id, text);
  }
}

void CBmpMenu::RemoveTopLevelOwnerDraw()
{
  const int nStart = GetMenuStart();
  const int nCount = static_cast<int>(GetMenuItemCount());
  for (int i = nStart; i < nCount; ++i)
  {
    if (::GetSubMenu(m_hMenu, i) != nullptr)
      plainTopLevelItem(i, recordAt(i - nStart));
  }
}

int CBmpMenu::GetMenuStart()
{
  if (!m_LoadedMenu)
    return 0;
  const int nCount = static_cast<int>(GetMenuItemCount());
  for (int nPosition = 0; nPosition < nCount; ++nPosition)
  {
    const std::wstring text = platformText(m_hMenu, nPosition);
    for (INT_PTR i = 0; i < m_Items.GetSize(); ++i)
    {
      if (sameText(m_Items[i]->textW, text.c_str()))
        return nPosition - static_cast<int>(i) < 0 ? 0 : nPosition - static_cast<int>(i);
    }
  }
  return 0;
}

void CBmpMenu::InsertSpaces()
{
  if (!(IsLunaMenuStyle() ? xp_space_accelerators : original_space_accelerators))
    return;
  CFont font;
  createMenuFont(font);
  const HWND hWnd = screenWindow();
  const HDC hDC = ::GetDC(hWnd);
  const HGDIOBJ hOldFont = ::SelectObject(hDC, font.m_hObject);
  auto widthOf = [hDC](const std::wstring& text) {
    SIZE size = {};
    ::GetTextExtentPoint32W(hDC, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
  };
  LONG nTarget = 0;
  for (INT_PTR i = 0; i < m_Items.GetSize(); ++i)
  {
    const std::wstring text = m_Items[i]->textW != nullptr ? m_Items[i]->textW : L"";
    nTarget = (std::max)(nTarget, widthOf(text.substr(0, text.find(L'\t')) + L" "));
  }
  for (INT_PTR i = 0; i < m_Items.GetSize(); ++i)
  {
    const std::wstring text = m_Items[i]->textW != nullptr ? m_Items[i]->textW : L"";
    const size_t nTab = text.find(L'\t');
    if (nTab == std::wstring::npos)
      continue;
    std::wstring label = text.substr(0, nTab);
    // A blank always has width, so this ends; the bound guards a font without one.
    for (int nGuard = 0; widthOf(label) < nTarget && nGuard < 1024; ++nGuard)
      label += L' ';
    m_Items[i]->SetWideString((label + text.substr(nTab)).c_str());
  }
  ::SelectObject(hDC, hOldFont);
  ::ReleaseDC(hWnd, hDC);
}

// --- Removing ----------------------------------------------------------------------------

BOOL CBmpMenu::removeItem(UINT uiId, UINT nFlags, BOOL bDelete)
{
  auto platform = [&](UINT nItem, UINT nHow) {
    return bDelete ? CMenu::DeleteMenu(nItem, nHow) : CMenu::RemoveMenu(nItem, nHow);
  };
  if (!(nFlags & MF_BYPOSITION))
  {
    int nLoc = -1;
    CBmpMenu* pLevel = FindMenuOption(uiId, nLoc);
    return pLevel != nullptr ? pLevel->removeItem(static_cast<UINT>(nLoc), MF_BYPOSITION, bDelete)
                             : platform(uiId, nFlags);
  }
  if (uiId >= GetMenuItemCount())
    return FALSE;
  const UINT state = GetMenuState(uiId, MF_BYPOSITION);
  if ((state & MF_SEPARATOR) && !(state & MF_POPUP))
  {
    CBmpMenuData* pData = recordAt(static_cast<int>(uiId));
    if (pData != nullptr && (!bDelete || pData->textW == nullptr || pData->textW[0] == L'\0'))
    {
      delete pData;
      m_Items.RemoveAt(uiId);
    }
  }
  else if (state & MF_POPUP)
  {
    HMENU hSub = ::GetSubMenu(m_hMenu, uiId);
    removeHandle(m_SubMenuHandles, hSub);
    removeHandle(m_AllSubMenus, hSub);
    CBmpMenu* pSub = bmpMenuOf(hSub);
    if (pSub != nullptr)
    {
      for (int i = static_cast<int>(pSub->GetMenuItemCount()) - 1; i >= 0; --i)
        pSub->removeItem(static_cast<UINT>(i), MF_BYPOSITION, bDelete);
    }
    deleteRecordOfId(reinterpret_cast<UINT_PTR>(hSub));
    delete pSub;
  }
  else
    deleteRecordOfId(GetMenuItemID(static_cast<int>(uiId)));
  return platform(uiId, nFlags);
}

BOOL CBmpMenu::DeleteMenu(UINT uiId, UINT nFlags) { return removeItem(uiId, nFlags, TRUE); }

BOOL CBmpMenu::RemoveMenu(UINT uiId, UINT nFlags) { return removeItem(uiId, nFlags, FALSE); }

int CBmpMenu::removeByText(const wchar_t* lpstrText, BC_Seperator sPos, BOOL bDelete)
{
  const int nPosition = GetMenuPosition(lpstrText);
  if (nPosition == -1)
    return -1;
  removeItem(static_cast<UINT>(nPosition), MF_BYPOSITION, bDelete);
  if (nPosition > 0)
  {
    if (sPos == BCMENU_HEAD || sPos == BCMENU_TAIL)
      removeItem(static_cast<UINT>(nPosition - 1), MF_BYPOSITION, bDelete);
    else if (sPos == BCMENU_BOTH)
    {
      removeItem(static_cast<UINT>(nPosition - 1), MF_BYPOSITION, bDelete);
      removeItem(static_cast<UINT>(nPosition - 1), MF_BYPOSITION, bDelete);
    }
  }
  return nPosition;
}

int CBmpMenu::DeleteMenu(const wchar_t* lpstrText, BC_Seperator sPos) { return removeByText(lpstrText, sPos, TRUE); }

int CBmpMenu::DeleteMenu(const char* lpstrText, BC_Seperator sPos)
{
  return removeByText(CWideText(lpstrText), sPos, TRUE);
}

int CBmpMenu::RemoveMenu(const wchar_t* lpstrText, BC_Seperator sPos) { return removeByText(lpstrText, sPos, FALSE); }

int CBmpMenu::RemoveMenu(const char* lpstrText, BC_Seperator sPos)
{
  return removeByText(CWideText(lpstrText), sPos, FALSE);
}

BOOL CBmpMenu::DestroyMenu()
{
  removeHandle(m_AllSubMenus, m_hMenu);
  for (INT_PTR i = m_SubMenuHandles.GetSize() - 1; i >= 0; --i)
  {
    HMENU hSub = m_SubMenuHandles[i];
    removeHandle(m_AllSubMenus, hSub);
    delete bmpMenuOf(hSub);
  }
  m_SubMenuHandles.RemoveAll();
  for (INT_PTR i = 0; i < m_Items.GetSize(); ++i)
    delete m_Items[i];
  m_Items.RemoveAll();
  if (!m_CheckImagesShared)
    delete m_CheckImages;
  m_CheckImages = nullptr;
  // Emptied, the object may next hold a menu built in code, whose popup titles are owner-drawn.
  m_LoadedMenu = FALSE;
  return CMenu::DestroyMenu();
}

// --- Texts and sub-menus -----------------------------------------------------------------

int CBmpMenu::GetMenuPosition(const wchar_t* pText)
{
  bool bCommand = false;
  for (int i = 0; i < static_cast<int>(GetMenuItemCount()) && !bCommand; ++i)
    bCommand = ::GetSubMenu(m_hMenu, i) == nullptr;
  if (!bCommand)
    return -1;
  for (INT_PTR i = 0; i < m_Items.GetSize(); ++i)
  {
    if (sameText(m_Items[i]->textW, pText))
      return static_cast<int>(i);
  }
  return -1;
}

int CBmpMenu::GetMenuPosition(const char* pText) { return GetMenuPosition(CWideText(pText)); }

template <class TAccess>
BOOL CBmpMenu::textAt(UINT id, UINT nFlags, const TAccess& access)
{
  if (!(nFlags & MF_BYPOSITION))
  {
    int nLoc = -1;
    CBmpMenu* pLevel = FindMenuOption(id, nLoc);
    return pLevel != nullptr ? pLevel->textAt(static_cast<UINT>(nLoc), MF_BYPOSITION, access) : FALSE;
  }
  CBmpMenuData* pData = recordAt(static_cast<int>(id));
  if (pData == nullptr)
    return FALSE;
  access(pData);
  return TRUE;
}

BOOL CBmpMenu::GetMenuText(UINT id, CString& string, UINT nFlags)
{
  return textAt(id, nFlags, [&](CBmpMenuData* pData) { string = pData->GetString(); });
}

BOOL CBmpMenu::SetMenuText(UINT id, CString string, UINT nFlags)
{
  return textAt(id, nFlags, [&](CBmpMenuData* pData) { pData->SetAnsiString(string); });
}

CMenu* CBmpMenu::GetSubMenu(const wchar_t* lpszSubMenuName) const
{
  const int nCount = static_cast<int>(GetMenuItemCount());
  for (int i = 0; i < nCount; ++i)
  {
    if (sameText(platformText(m_hMenu, i).c_str(), lpszSubMenuName))
      return CMenu::GetSubMenu(i);
  }
  return nullptr;
}

CMenu* CBmpMenu::GetSubMenu(const char* lpszSubMenuName) const
{
  return GetSubMenu(static_cast<const wchar_t*>(CWideText(lpszSubMenuName)));
}

CBmpMenu* CBmpMenu::GetSubCBmpMenu(const wchar_t* lpszSubMenuName)
{
  if (lpszSubMenuName == nullptr)
    return nullptr;
  // A menu bar holds only popups, so its own titles are looked at first.
  CBmpMenuData* pData = nullptr;
  for (INT_PTR i = 0; i < m_Items.GetSize() && pData == nullptr; ++i)
  {
    if (sameText(m_Items[i]->textW, lpszSubMenuName))
      pData = m_Items[i];
  }
  int nLoc = -1;
  CBmpMenu* pLevel = pData == nullptr ? FindMenuOption(lpszSubMenuName, nLoc) : nullptr;
  if (pLevel != nullptr)
    pData = pLevel->recordAt(nLoc);
  return pData != nullptr ? bmpMenuOf(reinterpret_cast<HMENU>(pData->id)) : nullptr;
}

CBmpMenu* CBmpMenu::GetSubCBmpMenu(const char* lpszSubMenuName)
{
  return GetSubCBmpMenu(static_cast<const wchar_t*>(CWideText(lpszSubMenuName)));
}
