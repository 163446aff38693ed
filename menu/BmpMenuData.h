// One item of a bitmap menu: its text (kept wide, so that a menu can mix code pages), its
// images and its menu flags. The menu's owner-drawn item data points at it.
#pragma once
#include <afxwin.h>

class CImageList;

class AFX_EXT_CLASS CBmpMenuData
{
public:
  CBmpMenuData();
  ~CBmpMenuData();
  CBmpMenuData(const CBmpMenuData&) = delete;
  // Copies every field as it stands: text and image list are then shared by both records.
  CBmpMenuData& operator=(const CBmpMenuData& other);

  void SetAnsiString(const char* szAnsiString);
  CString GetString() const;
  void SetWideString(const wchar_t* szWideString);
  const wchar_t* GetWideString() const { return textW; }

  wchar_t* textW;         // label, optional tab and accelerator; owned
  int imageIndex;         // in imageList
  int globalIndex;        // in CBmpMenu::m_AllImages
  int iconId;             // -1 without an own image, else the bitmap id (0 for a caller's list)
  UINT flags;             // MF_ bits of the item
  UINT_PTR id;            // command id, or the popup's menu handle
  BOOL syncFlag;          // work mark of SynchronizeMenu
  CImageList* imageList;  // the item's own images; owned
  UINT_PTR reserved;
};
