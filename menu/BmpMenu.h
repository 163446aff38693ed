// An owner-drawn menu with images beside its items, in a flat or a classic look. Every item is
// owner-drawn with a CBmpMenuData record as its data; every popup of the tree is a CBmpMenu
// permanently attached to its handle, so the window tracking the menu routes WM_MEASUREITEM
// and WM_DRAWITEM to it. Images come from bitmaps, toolbar resources, image lists or colour
// swatches; toolbar images are collected by command id in one image list for the process.
// Operations that take a text come as wide (...W) and multi-byte (...A) twins.
// Scaling: the default image size (16 x 15) and every pad, inset and check-mark size are 96-DPI
// pixels scaled to the system DPI (a menu is measured before it has a window); SetIconSize takes
// pixels as they are. Bitmaps made for 96 DPI (the image size unscaled) and, away from 96 DPI,
// image lists of any other size, with the 3-D look's variants, are stretched smoothly to the
// scaled image size. Menus have no WM_DPICHANGED of their own.
#pragma once
#include <afxcmn.h>
#include <afxext.h>
#include <afxtempl.h>

#include "BmpMenuData.h"
#include "BmpMenuMemDC.h"

// What DeleteMenu and RemoveMenu by text take away besides the item.
enum BC_Seperator
{
  BCMENU_NONE = 0,
  BCMENU_HEAD = 1,  // the item before
  BCMENU_TAIL = 2,  // the item before, too
  BCMENU_BOTH = 3   // the item before and the one after
};

class AFX_EXT_CLASS CBmpMenu : public CMenu
{
  DECLARE_DYNAMIC(CBmpMenu)
public:
  CBmpMenu();
  ~CBmpMenu() override;

  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
  void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override;
  // Builds the whole tree from a menu resource found through the resource chain.
  virtual BOOL LoadMenu(int nResource);
  virtual BOOL LoadMenu(LPCTSTR lpszResourceName);
  // Frees the records, the popup objects and the platform menu.
  virtual BOOL DestroyMenu();

  // Appending. An id of 0 makes a separator; a popup's id is its menu handle, and a popup
  // handle appended here becomes this menu's: its CBmpMenu object (heap-allocated) is deleted
  // with the menu. AppendODPopupMenu makes such a popup.
  BOOL AppendODMenuA(const char* lpstrText, UINT nFlags = MF_OWNERDRAW, UINT_PTR nID = 0, int nIconNormal = -1);
  BOOL AppendODMenuW(const wchar_t* lpstrText, UINT nFlags = MF_OWNERDRAW, UINT_PTR nID = 0, int nIconNormal = -1);
  BOOL AppendODMenuA(const char* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* il, int xoffset);
  BOOL AppendODMenuW(const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* il, int xoffset);
  BOOL AppendMenuA(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* lpszNewItem = nullptr, int nIconNormal = -1);
  BOOL AppendMenuW(UINT nFlags, UINT_PTR nIDNewItem = 0, const wchar_t* lpszNewItem = nullptr, int nIconNormal = -1);
  BOOL AppendMenuA(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem, CImageList* il, int xoffset);
  BOOL AppendMenuW(UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem, CImageList* il, int xoffset);
  BOOL AppendMenuA(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem, CBitmap* bmp);
  BOOL AppendMenuW(UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem, CBitmap* bmp);
  // (AppendMenu and InsertMenu are the multi-byte forms by the platform's own names.)
  // A new popup owned by this menu, sharing its check images.
  CBmpMenu* AppendODPopupMenuA(const char* lpstrText);
  CBmpMenu* AppendODPopupMenuW(const wchar_t* lpstrText);

  // Inserting, by position (MF_BYPOSITION) or before the item of a command id.
  BOOL InsertODMenuA(UINT nPosition, const char* lpstrText, UINT nFlags = MF_OWNERDRAW, UINT_PTR nID = 0,
                     int nIconNormal = -1);
  BOOL InsertODMenuW(UINT nPosition, const wchar_t* lpstrText, UINT nFlags = MF_OWNERDRAW, UINT_PTR nID = 0,
                     int nIconNormal = -1);
  BOOL InsertODMenuA(UINT nPosition, const char* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* il, int xoffset);
  BOOL InsertODMenuW(UINT nPosition, const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* il, int xoffset);
  BOOL InsertMenuA(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem, int nIconNormal = -1);
  BOOL InsertMenuW(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem, int nIconNormal = -1);
  BOOL InsertMenuA(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem, CImageList* il,
                   int xoffset);
  BOOL InsertMenuW(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem, CImageList* il,
                   int xoffset);
  BOOL InsertMenuA(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem, CBitmap* bmp);
  BOOL InsertMenuW(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem, CBitmap* bmp);

  // Modifying every item of a command id (a null text keeps the text).
  BOOL ModifyODMenuA(const char* lpstrText, UINT nID = 0, int nIconNormal = -1);
  BOOL ModifyODMenuW(const wchar_t* lpstrText, UINT nID = 0, int nIconNormal = -1);
  BOOL ModifyODMenuA(const char* lpstrText, UINT nID, CImageList* il, int xoffset);
  BOOL ModifyODMenuW(const wchar_t* lpstrText, UINT nID, CImageList* il, int xoffset);
  BOOL ModifyODMenuA(const char* lpstrText, UINT nID, CBitmap* bmp);
  BOOL ModifyODMenuW(const wchar_t* lpstrText, UINT nID, CBitmap* bmp);
  BOOL ModifyODMenuA(const char* lpstrText, UINT nID, COLORREF fill, COLORREF border, int hatchstyle = -1,
                     CSize* pSize = nullptr);
  BOOL ModifyODMenuW(const wchar_t* lpstrText, UINT nID, COLORREF fill, COLORREF border, int hatchstyle = -1,
                     CSize* pSize = nullptr);
  // The item found by its current text gets its own image list with the bitmap.
  BOOL ModifyODMenuA(const char* lpstrText, const char* OptionText, int nIconNormal);
  BOOL ModifyODMenuW(const wchar_t* lpstrText, const wchar_t* OptionText, int nIconNormal);

  // Images.
  BOOL LoadToolbar(UINT nToolBar);
  BOOL LoadToolbars(const UINT* arID, int n);
  void AddFromToolBar(CToolBar* pToolBar, int nResourceID);
  BOOL LoadCheckmarkBitmap(int unselect, int select);
  BOOL AddBitmapToImageList(CImageList* list, UINT nResourceID);
  void SetBitmapBackground(COLORREF color);
  void UnSetBitmapBackground() { m_UseBitmapBackground = FALSE; }
  void SetDisableOldStyle() { m_DisableOldStyle = TRUE; }
  void UnSetDisableOldStyle() { m_DisableOldStyle = FALSE; }
  BOOL GetDisableOldStyle() const { return m_DisableOldStyle; }

  // Removing. By position (MF_BYPOSITION) or command id; by text with neighbouring separators,
  // returning the text's position or -1.
  BOOL DeleteMenu(UINT uiId, UINT nFlags);
  BOOL RemoveMenu(UINT uiId, UINT nFlags);
  int DeleteMenu(const char* lpstrText, BC_Seperator sPos = BCMENU_NONE);
  int DeleteMenu(const wchar_t* lpstrText, BC_Seperator sPos = BCMENU_NONE);
  int RemoveMenu(const char* lpstrText, BC_Seperator sPos = BCMENU_NONE);
  int RemoveMenu(const wchar_t* lpstrText, BC_Seperator sPos = BCMENU_NONE);

  // Queries.
  // Const like the position form, so that GetSubMenu(0) means position 0 without ambiguity.
  using CMenu::GetSubMenu;
  CMenu* GetSubMenu(const char* lpszSubMenuName) const;
  CMenu* GetSubMenu(const wchar_t* lpszSubMenuName) const;
  CBmpMenu* GetSubCBmpMenu(const char* lpszSubMenuName);
  CBmpMenu* GetSubCBmpMenu(const wchar_t* lpszSubMenuName);
  int GetMenuPosition(const char* pText);
  int GetMenuPosition(const wchar_t* pText);
  BOOL GetMenuText(UINT id, CString& string, UINT nFlags = MF_BYPOSITION);
  BOOL SetMenuText(UINT id, CString string, UINT nFlags = MF_BYPOSITION);

  static BOOL IsMenu(HMENU submenu);
  static BOOL IsMenu(CMenu* submenu) { return submenu != nullptr && IsMenu(submenu->GetSafeHmenu()); }
  static void UpdateMenu(CMenu* pmenu);
  static LRESULT FindKeyboardShortcut(UINT nChar, UINT nFlags, CMenu* pMenu);

  // Class-wide settings.
  static void SetMenuDrawMode(UINT mode);
  static UINT GetMenuDrawMode();
  static void SetSelectDisableMode(BOOL mode);
  static BOOL GetSelectDisableMode();
  static void SetXPBitmap3D(BOOL val) { xp_draw_3D_bitmaps = val; }
  static BOOL GetXPBitmap3D() { return xp_draw_3D_bitmaps; }
  static void SetIconSize(int width, int height);

  // Environment.
  static BOOL IsWindowsClassicTheme();
  static BOOL IsWinXPLuna();
  static BOOL IsNewShell();
  static BOOL IsLunaMenuStyle();
  static int NumBitmapColors(LPBITMAPINFOHEADER lpBitmap);
  static COLORREF DarkenColor(COLORREF col, double factor);
  static COLORREF LightenColor(COLORREF col, double factor);
  // The platform's version as the look sees it: 0 to 7 (1 for NT 3.x, 5.2 and 6 onwards).
  static int GetVersionClass();
  static int ComputeVersionClass(BOOL bNonNTFamily, DWORD dwMajor, DWORD dwMinor);

  static HBITMAP LoadSysColorBitmap(int nResourceId);

  static UINT original_drawmode;
  static BOOL original_select_disabled;
  static UINT xp_drawmode;
  static BOOL xp_select_disabled;
  static BOOL xp_draw_3D_bitmaps;
  static BOOL hicolor_bitmaps;
  static BOOL xp_space_accelerators;
  static BOOL original_space_accelerators;
  static int m_iconX;
  static int m_iconY;
  static CImageList m_AllImages;
  static CArray<int, int&> m_AllImagesID;
  static CTypedPtrArray<CPtrArray, HMENU> m_AllSubMenus;

  CTypedPtrArray<CPtrArray, CBmpMenuData*> m_Items;
  CTypedPtrArray<CPtrArray, HMENU> m_SubMenuHandles;
  COLORREF m_BitmapBackground;
  BOOL m_UseBitmapBackground;
  BOOL m_DisableOldStyle;
  CImageList* m_CheckImages;
  BOOL m_CheckImagesShared;
  int m_SelectCheckId;
  int m_UnselectCheckId;
  BOOL m_LoadedMenu;

protected:
  // Drawing.
  void DrawItem_WinXP(LPDRAWITEMSTRUCT lpDIS);
  void DrawItem_Win9xNT2000(LPDRAWITEMSTRUCT lpDIS);
  BOOL DrawXPCheckmark(CDC* dc, const CRect& rc, HBITMAP hbmCheck, COLORREF& colorout, BOOL selected);
  BOOL Draw3DCheckmark(CDC* dc, const CRect& rc, BOOL bSelected, HBITMAP hbmCheck);
  void DrawCheckMark(CDC* pDC, int x, int y, COLORREF color, BOOL narrowflag = FALSE);
  void DrawRadioDot(CDC* pDC, int x, int y, COLORREF color);
  void DitherBlt(HDC hdcDest, int nXDest, int nYDest, int nWidth, int nHeight, HBITMAP hbm, int nXSrc, int nYSrc,
                 COLORREF bgcolor);
  void DitherBlt2(CDC* drawdc, int nXDest, int nYDest, int nWidth, int nHeight, CBitmap& bmp, int nXSrc, int nYSrc,
                  COLORREF bgcolor);
  void DitherBlt3(CDC* drawdc, int nXDest, int nYDest, int nWidth, int nHeight, CBitmap& bmp, COLORREF bgcolor);
  // The image on the face colour at the class-wide size (stretched as classSizeIcon does).
  static BOOL GetBitmapFromImageList(CDC* pDC, CImageList* imglist, int nIndex, CBitmap& bmp);
  static BOOL drawOnFace(CDC* pDC, CImageList* imglist, int nIndex, CSize size, CBitmap& bmp);
  BOOL GetDisabledBitmap(CBitmap& bmp, COLORREF background = 0);
  BOOL GetShadowBitmap(CBitmap& bmp);
  BOOL GetFadedBitmap(CBitmap& bmp);
  BOOL GetTransparentBitmap(CBitmap& bmp);
  void ColorBitmap(CDC* pDC, CBitmap& bmp, CSize bitmap_size, CSize icon_size, COLORREF fill, COLORREF border,
                   int hatchstyle = -1);

  // Building and keeping the records.
  CBmpMenuData* NewODMenu(UINT pos, UINT nFlags, UINT_PTR nID, const wchar_t* text);
  CBmpMenuData* FindMenuItem(UINT nID);
  CBmpMenuData* FindMenuList(UINT_PTR nID);
  CBmpMenu* FindMenuOption(UINT nId, int& nLoc);
  CBmpMenu* FindMenuOption(const wchar_t* lpstrText, int& nLoc);
  CBmpMenu* FindAnotherMenuOption(UINT nId, int& nLoc, CArray<CBmpMenu*, CBmpMenu*>& bmsubs,
                                  CArray<int, int&>& bmoffsets);
  void InitializeMenuList(BOOL value);
  void DeleteMenuList();
  void SynchronizeMenu();
  void InsertSpaces();
  void RemoveTopLevelOwnerDraw();
  int GetMenuStart();
  BOOL LoadFromToolBar(UINT nID, UINT nToolBar, int& xoffset);
  int AddToGlobalImageList(CImageList* il, int xoffset, int nID);
  int GlobalImageListOffset(int nID);
  BOOL CanDraw3DImageList(int offset);
  BOOL ImageListDuplicate(CImageList* il, int xoffset, CImageList* newlist);

private:
  enum EImageKind
  {
    IMAGE_NONE,
    IMAGE_CHECK,
    IMAGE_DISABLED,
    IMAGE_SELECTED,
    IMAGE_NORMAL
  };
  EImageKind classifyImage(int iconId, UINT state) const;
  // 96-DPI pixels at the system DPI.
  static int scaled(int nPixels);
  static BOOL createClassImageList(CImageList& list);
  // The main window, or the desktop when there is none: its screen context measures and
  // makes compatible bitmaps.
  static HWND screenWindow();
  static BOOL createMenuFont(CFont& font);
  CBmpMenu* newPopup();
  BOOL bitmapList(CImageList& list, CBitmap* bmp);
  template <class TChange>
  BOOL modifyEach(UINT nID, const TChange& change);
  template <class TAccess>
  BOOL textAt(UINT id, UINT nFlags, const TAccess& access);
  void plainTopLevelItem(int nPosition, CBmpMenuData* pData);
  CBmpMenuData* appendRecord(const wchar_t* lpstrText, UINT& nFlags, UINT_PTR nID);
  CBmpMenuData* recordAt(int nPosition) const;
  int recordIndexOfId(UINT_PTR nID) const;
  void deleteRecordOfId(UINT_PTR nID);
  void setGlobalImage(CBmpMenuData* pData, UINT_PTR nID, int nIconNormal);
  BOOL removeItem(UINT uiId, UINT nFlags, BOOL bDelete);
  int removeByText(const wchar_t* lpstrText, BC_Seperator sPos, BOOL bDelete);
  void forgetCheckImages(const CImageList* pList);
  static void resetOwnList(CBmpMenuData* pData);
  static void dropOwnList(CBmpMenuData* pData);
  // One bitmap resource into the list, without the 3-D look's variants.
  BOOL addBitmap(CImageList* list, UINT nResourceID);
  // Adds the bitmap's images masked by a key colour, stretched smoothly when made for 96 DPI.
  static BOOL addMasked(CImageList* list, CBitmap* bitmap, COLORREF crMask);
  static HICON classSizeIcon(CImageList* il, int nIndex, CSize& size);
  static CSize imageSizeOf(CImageList* il);
  static bool stretchesSmoothly(CSize image);
  void appendVariants(CImageList* list, int nIndex);
  BOOL makeVariants(CImageList* list, int nIndex, CBitmap& faded, CBitmap& shadow, CBitmap& disabled);
  BOOL filterBitmap(CBitmap& bmp, COLORREF key, COLORREF (*filter)(COLORREF pixel, BOOL bKey, COLORREF extra),
                    COLORREF extra);
  void drawItemText(CDC* pDC, const CRect& rcText, const wchar_t* text, COLORREF color);
  static HBITMAP checkedBitmapOf(LPDRAWITEMSTRUCT lpDIS);
};
