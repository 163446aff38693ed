// One row of the option tree: label, description, colours, flags, tree links and the geometry
// of its last drawing. It draws itself; subclasses draw and edit the attribute (value) area
// through the virtual hooks, all of which do nothing here.
#pragma once
#include <afxwin.h>

#include <vector>

#include "DpiScale.h"

class CTreeOption;
class CTreeOptionItem;

// Geometry shared by the rows and the view, in pixels at 96 DPI: the expand-box column at the
// left, and the indent of each further level.
enum
{
  OT_GUTTER_WIDTH = 16,
  OT_LEVEL_INDENT = 16
};

// Rows the control keeps apart for a later pass (to redraw, to deselect, with a hovered option
// button), so that the pass visits those rows only, in the order they came. A row knows its slot
// in each set, so joining twice or leaving costs nothing.
class CTreeOptionRowSet
{
public:
  enum ESet
  {
    toRedraw,
    toDeselect,
    hovered,
    setCount
  };
  explicit CTreeOptionRowSet(ESet eSet) : m_eSet(eSet) {}
  void Add(CTreeOptionItem* pRow);
  void Remove(CTreeOptionItem* pRow);
  bool Contains(const CTreeOptionItem* pRow) const;
  // Hands each row to the action and takes it out first; rows that join meanwhile get their
  // turn too, rows deleted meanwhile are skipped.
  template <class TAction>
  void TakeEach(TAction action)
  {
    for (size_t i = 0; i < m_arRows.size(); ++i)
      if (CTreeOptionItem* pRow = m_arRows[i])
      {
        Remove(pRow);
        action(pRow);
      }
    m_arRows.clear();
  }
  std::vector<CTreeOptionItem*> Rows() const;
  void Clear();

private:
  ESet m_eSet;
  std::vector<CTreeOptionItem*> m_arRows;  // a row that left leaves a null behind
};

class AFX_EXT_CLASS CTreeOptionItem
{
public:
  CTreeOptionItem();
  CTreeOptionItem(const CTreeOptionItem& other) = default;
  CTreeOptionItem& operator=(const CTreeOptionItem& other) = default;

  // Hooks of the attribute area.
  virtual void DrawAttribute(CDC* pDC, const RECT& rcRect);
  virtual void OnActivate();
  virtual void OnMove();
  virtual void OnRefresh();
  virtual void OnCommit();
  virtual void CleanDestroyWindow();
  virtual void OnDeSelect();
  virtual void OnSelect();
  virtual void OnExpand(BOOL bExpand);
  virtual void DrawSelectItem();
  virtual ~CTreeOptionItem();

  // Texts.
  CString GetLabelText() const { return m_strLabel; }
  void SetLabelText(const CString& strLabel) { m_strLabel = strLabel; }
  CString GetInfoText() const { return m_strInfo; }
  void SetInfoText(const CString& strInfo) { m_strInfo = strInfo; }
  UINT GetCtrlID() const { return m_uControlID; }
  void SetCtrlID(UINT uID) { m_uControlID = uID; }

  // Tree links.
  CTreeOptionItem* GetParent() const { return m_pParent; }
  void SetParent(CTreeOptionItem* pParent) { m_pParent = pParent; }
  CTreeOptionItem* GetSibling() const { return m_pSibling; }
  void SetSibling(CTreeOptionItem* pSibling) { m_pSibling = pSibling; }
  CTreeOptionItem* GetChild() const { return m_pChild; }
  void SetChild(CTreeOptionItem* pChild) { m_pChild = pChild; }
  CTreeOptionItem* GetNextVisible() const { return m_pNextVisible; }
  void SetNextVisible(CTreeOptionItem* pNext) { m_pNextVisible = pNext; }
  CTreeOption* GetOptionsOwner() const { return m_otOption; }
  void SetOptionsOwner(CTreeOption* pOwner) { m_otOption = pOwner; }

  // Geometry of the last drawing.
  CPoint GetLocation() const { return m_ptLocation; }
  CRect GetAttributeRect() const { return m_rcAttribute; }
  CRect GetExpandRect() const { return m_rcExpand; }
  CRect GetLabelRect() const;
  void SetLabelRect(const RECT& rcLabel);
  long GetHeight() const { return m_lItemHeight; }
  void SetItemHeight(long lHeight);
  long GetTotalHeight() const;

  // State.
  BOOL IsSelected() const { return m_bSelected; }
  void Select(BOOL bSelect = TRUE);
  BOOL IsExpanded() const { return m_bExpanded; }
  void Expand(BOOL bExpand = TRUE);
  BOOL IsActivated() const { return m_bActivated; }
  void Activate();
  void CommitChanges();
  BOOL IsReadOnly() const { return m_bReadOnly; }
  void ReadOnly(BOOL bReadOnly = TRUE) { m_bReadOnly = bReadOnly; }
  int GetItemType() const { return m_nItemType; }
  void SetItemType(int nType) { m_nItemType = nType; }
  BOOL GetDrawMultiline() const { return m_bDrawMultiline; }
  void SetDrawMultiline(BOOL bMultiline) { m_bDrawMultiline = bMultiline; }
  BOOL IsRootLevel() const;
  bool IsUpdateDraw() const { return m_bUpdateDraw; }
  void SetUpdateDraw();

  // Colours.
  COLORREF GetBackgroundColor() const { return m_crBackground; }
  void SetBackgroundColor(COLORREF cr) { m_crBackground = cr; }
  COLORREF GetTextColor() const { return m_crText; }
  void SetTextColor(COLORREF cr) { m_crText = cr; }
  COLORREF GetRootBackgroundColor() const { return m_crRootBackground; }
  void SetRootBackgroundColor(COLORREF cr) { m_crRootBackground = cr; }
  COLORREF GetLabelTextColor() const { return m_crLabelText; }
  void SetLabelTextColor(COLORREF cr) { m_crLabelText = cr; }
  COLORREF GetLabelBackgroundColor() const { return m_crLabelBackground; }
  void SetLabelBackgroundColor(COLORREF cr) { m_crLabelBackground = cr; }

  // The two push buttons of a group header.
  CString GetOptionButton1() const { return m_strOptionButton1; }
  void SetOptionButton1(CString strCaption) { m_strOptionButton1 = strCaption; }
  CString GetOptionButton2() const { return m_strOptionButton2; }
  void SetOptionButton2(CString strCaption) { m_strOptionButton2 = strCaption; }
  CRect GetOptionButton1Rect() const { return m_rcOptionButton1; }
  void SetOptionButton1Rect(const RECT& rc) { m_rcOptionButton1 = rc; }
  CRect GetOptionButton2Rect() const { return m_rcOptionButton2; }
  void SetOptionButton2Rect(const RECT& rc) { m_rcOptionButton2 = rc; }
  bool IsSelectOptionButton1() const { return m_bOptionButton1Hover; }
  void SetSelectOptionButton1(bool bHover);
  bool IsSelectOptionButton2() const { return m_bOptionButton2Hover; }
  void SetSelectOptionButton2(bool bHover);

  // Hit tests in content coordinates.
  BOOL HitExpand(const POINT& pt) const { return m_rcExpand.PtInRect(pt); }
  BOOL HitOptionButton1(const POINT& pt) const { return m_rcOptionButton1.PtInRect(pt); }
  BOOL HitOptionButton2(const POINT& pt) const { return m_rcOptionButton2.PtInRect(pt); }

  // Draws the row at indent x and content y and, unless bOnlyThis, its expanded descendants;
  // returns the height drawn.
  long DrawItem(CDC* pDC, const RECT& rcClient, long lX, long lY, bool bOnlyThis);

protected:
  static BOOL IsStringEmpty(CString strText);
  void _DrawButton(HDC hDC, CRect rcButton);
  void _DrawExpand(HDC hDC, long lLeft, long lTop, BOOL bExpanded, BOOL bFilled);

private:
  friend class CTreeOption;
  friend class CTreeOptionRowSet;
  // Places the row at indent x and content y as DrawItem would, without drawing.
  void place(long lX, long lY);
  // A row made before it had an owner took its default height at the system DPI.
  void adoptDefaultHeight(const CDpiScale& dpi);
  void followDpi(const CDpiScale& from, const CDpiScale& to);
  int scaled(int nPixels) const;
  CRect expandBox(long lTop) const;
  CRect labelPlace(const CRect& rcLabel, UINT& nFormat) const;
  void measureLabel(CDC* pDC);
  void drawBackground(CDC* pDC, const CRect& rcClient, long lTop, const CRect& rcValue);
  void drawExpandBox(CDC* pDC, long lTop);
  void drawLabel(CDC* pDC, const CRect& rcLabel);
  void drawOptionButtons(CDC* pDC);
  CRect drawOptionButton(CDC* pDC, const CString& strCaption, bool bHover, long lLeft);
  void drawGridLines(CDC* pDC, const CRect& rcClient, long lTop, const CRect& rcLabel);
  void drawAttributeClipped(CDC* pDC);
  long drawChildren(CDC* pDC, const RECT& rcClient, long lX, long lY);

  CString m_strLabel;
  CString m_strInfo;
  UINT m_uControlID;
  CTreeOptionItem* m_pParent;
  CTreeOptionItem* m_pSibling;
  CTreeOptionItem* m_pChild;
  CTreeOptionItem* m_pNextVisible;
  CRect m_rcExpand;
  CTreeOption* m_otOption;
  CPoint m_ptLocation;
  CRect m_rcAttribute;
  BOOL m_bCommitted;
  long m_lItemHeight;
  CRect m_rcLabel;
  BOOL m_bSelected;
  BOOL m_bExpanded;
  BOOL m_bActivated;
  BOOL m_bReadOnly;
  int m_nItemType;
  BOOL m_bDrawMultiline;
  COLORREF m_crBackground;
  COLORREF m_crText;
  COLORREF m_crRootBackground;
  COLORREF m_crLabelText;
  COLORREF m_crLabelBackground;
  CString m_strOptionButton1;
  CString m_strOptionButton2;
  CRect m_rcOptionButton1;
  CRect m_rcOptionButton2;
  bool m_bOptionButton1Hover;
  bool m_bOptionButton2Hover;
  bool m_bUpdateDraw;
  bool m_bDefaultHeight;  // no height set: the 96-DPI default, scaled
  // Bookkeeping of the owner: the last child (appending stays cheap), the row's index in the
  // visible list, its slots in the owner's row sets, and the full repaint its label rect is from.
  CTreeOptionItem* m_pLastChild;
  int m_nVisibleIndex;
  int m_anSetSlot[CTreeOptionRowSet::setCount];
  UINT m_uLabelPaint;
};

// Shortens a text to fit nWidth pixels of the DC, ending it with "..." (keeps at least one
// character).
AFX_EXT_API CString TreeOptionFitText(CDC* pDC, const CString& strText, int nWidth);
