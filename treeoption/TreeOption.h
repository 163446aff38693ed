// The option tree control: a property tree of option rows with group headers, a draggable
// divider between the label and value columns, a list view that paints and takes input, and an
// information pane that describes the focused row. The control owns the items handed to
// InsertItem and reports to a notify window (WM_NOTIFY) and to its parent (registered messages).
//
// The sizes the control fixes (row height 18, label column 150 and its limits, gutter and level
// indent 16, expand box, divider hit distance, drag bar, wheel step, the 50-pixel information
// pane, insets of labels, option buttons and check boxes) are 96-DPI pixels scaled to the
// window's DPI. Sizes the host passes or reads (column, row heights, rectangles) are the
// window's own pixels. The fonts are the system's menu font, scaled from the system's DPI to
// the window's.
#pragma once
#include <afxwin.h>

#include "DpiScale.h"

#include <map>
#include <vector>

#include "TreeOptionInfo.h"
#include "TreeOptionItem.h"
#include "TreeOptionList.h"

// Option bits of the control.
enum
{
  OT_OPTIONS_SHOWINFOWINDOW = 0x01,
  OT_OPTIONS_NOTIFY = 0x02,
  OT_OPTIONS_DEFINFOTEXTNOSEL = 0x04,
  OT_OPTIONS_SHADEEXPANDCOLUMN = 0x08,
  OT_OPTIONS_SHADEROOTITEMS = 0x10
};

// Notification codes (WM_NOTIFY, NMTREEOPTION).
enum
{
  OT_NOTIFY_INSERTITEM = -1101,
  OT_NOTIFY_DELETEITEM = -1102,
  OT_NOTIFY_ITEMCHANGED = -1105,
  OT_NOTIFY_SELCHANGE = -1107,
  OT_NOTIFY_ITEMEXPANDING = -1108,
  OT_NOTIFY_COLUMNCLICK = -1109,
  OT_NOTIFY_ACTIVATEITEM = -1110
};

// Places that HitTest tells apart.
enum
{
  OT_HIT_LABEL = 2024,
  OT_HIT_COLUMN = 2025,
  OT_HIT_EXPAND = 2026,
  OT_HIT_ATTRIBUTE = 2027,
  OT_HIT_NOWHERE = 2028,
  OT_HIT_ROOTITEM = 2029,
  OT_HIT_OPTIONBUTTON1 = 2030,
  OT_HIT_OPTIONBUTTON2 = 2031
};

struct NMTREEOPTION
{
  NMHDR hdr;
  CTreeOptionItem* otiItem;
};
typedef NMTREEOPTION* LPNMTREEOPTION;

class AFX_EXT_CLASS CTreeOption : public CWnd
{
  DECLARE_DYNAMIC(CTreeOption)
public:
  typedef int (*ENUMITEMPROC)(CTreeOption* pOptions, CTreeOptionItem* pItem, long lParam);

  CTreeOption();
  ~CTreeOption() override;
  CTreeOption(const CTreeOption&) = delete;
  CTreeOption& operator=(const CTreeOption&) = delete;

  // Creation and layout.
  virtual BOOL Create(DWORD dwStyle, RECT rcRect, CWnd* pParentWnd, DWORD dwTreeOptions, UINT nID);
  DWORD GetTreeOptions() const { return m_dwOptions; }
  void ShowInfoWindow(BOOL bShow);
  BOOL GetShowInfoWindow() const { return getOption(OT_OPTIONS_SHOWINFOWINDOW); }
  void SetNotify(BOOL bNotify, CWnd* pWnd);
  BOOL GetNotify() const { return getOption(OT_OPTIONS_NOTIFY); }
  void SetDefInfoTextNoSel(BOOL bShow);
  BOOL GetDefInfoTextNoSel() const { return getOption(OT_OPTIONS_DEFINFOTEXTNOSEL); }
  void ShadeExpandColumn(BOOL bShade);
  BOOL GetShadeExpandColumn() const { return getOption(OT_OPTIONS_SHADEEXPANDCOLUMN); }
  void ShadeRootItems(BOOL bShade);
  BOOL GetShadeRootItems() const { return getOption(OT_OPTIONS_SHADEROOTITEMS); }
  void DisableInput(BOOL bDisable = TRUE);
  BOOL IsDisableInput() const { return m_bDisableInput; }
  bool IsUseLabel() const { return m_bUseLabel; }
  void SetUseLabel(bool bUse) { m_bUseLabel = bUse; }
  bool IsUseInfo() const { return m_bUseInfo; }
  void SetUseInfo(bool bUse) { m_bUseInfo = bUse; }
  bool IsDrawColumFrame() const { return m_bDrawColumFrame; }
  void SetDrawColumFrame(bool bDraw) { m_bDrawColumFrame = bDraw; }
  void SetColumn(long lColumn);
  long GetColumn() const { return m_ptOrigin.x; }
  CPoint GetOrigin() const { return m_ptOrigin; }
  void SetOriginOffset(long lOffset) { m_ptOrigin.y = lOffset; }
  CRect GetLargestVisibleLabel();
  void UpdateDraw();
  void UpdatedItems();
  BOOL IsSingleSelection() const { return TRUE; }
  // Drawing greys out while the window is disabled.
  bool IsControlEnabled() const { return m_hWnd == nullptr || IsWindowEnabled(); }
  // A size given in pixels at 96 DPI, in this control's pixels.
  int Scaled(int nPixels) const { return m_dpi.Scale(nPixels); }
  const CDpiScale& GetDpiScale() const { return m_dpi; }
  CFont* NormalFont() const { return GetNormalFont(m_dpi); }
  CFont* BoldFont() const { return GetBoldFont(m_dpi); }
  long GutterWidth() const { return Scaled(OT_GUTTER_WIDTH); }
  long LevelIndent() const { return Scaled(OT_LEVEL_INDENT); }
  CWnd* GetCtrlParent() { return &m_otlList; }
  CTreeOptionList* GetListView() { return &m_otlList; }
  CTreeOptionInfo* GetInfoWindow() { return &m_otInfo; }

  // Items.
  CTreeOptionItem* InsertItem(CTreeOptionItem* otiItem, CTreeOptionItem* otiParent = nullptr, bool bRedraw = true);
  void Delete(CTreeOptionItem* otiItem);
  void DeleteItem(CTreeOptionItem* otiItem);
  void DeleteAllItems();
  CTreeOptionItem* GetRootItem() { return &m_otiRootItem; }
  CTreeOptionItem* FindItem(UINT uCtrlID);
  CTreeOptionItem* FindItem(const POINT& pt);
  CTreeOptionItem* FindItemAll(const POINT& pt);
  CTreeOptionItem* FindItemChild(CTreeOptionItem* otiItem, const POINT& pt);
  long HitTest(const POINT& pt);
  void Expand(CTreeOptionItem* otiItem, BOOL bExpand);
  void ExpandAllItems();
  void SelectItems(CTreeOptionItem* otiItem, BOOL bSelect);
  void RefreshItems(CTreeOptionItem* otiItem = nullptr);
  void UpdateMoveAllItems();
  void ClearAllLabelRect();
  BOOL EnumItems(CTreeOptionItem* otiItem, ENUMITEMPROC enumProc, long lParam);

  // The rows drawn by the last full repaint, in drawing order.
  CTreeOptionItem* GetVisibleList() const { return m_otiVisibleList; }
  void ClearVisibleList();
  void AddToVisibleList(CTreeOptionItem* otiItem);
  // For the list view's full repaint: brings the visible list up to date (walking the tree only
  // when rows were added, removed, expanded, collapsed or resized since) and returns the rows
  // that meet the band from lTop to lBottom (list-view client coordinates), in drawing order.
  std::vector<CTreeOptionItem*> LayOutRows(long lTop, long lBottom);
  // Rows marked for redraw, which a partial repaint visits; empty after the call.
  std::vector<CTreeOptionItem*> TakeRowsToRedraw();
  // Whether a partial repaint may draw rows where the last full repaint placed them: false
  // when rows were added, removed, expanded, collapsed or resized since.
  bool IsLayoutCurrent() const { return !m_bLayoutDirty; }
  // The total height of the rows shown (those whose ancestors are all expanded), kept as rows
  // come, go, expand, collapse and change height.
  long GetShownHeight() const { return m_lShownHeight; }

  // Focus and visibility.
  CTreeOptionItem* GetFocusedItem() const { return m_otiFocus; }
  void SetFocusedItem(CTreeOptionItem* otiItem);
  CTreeOptionItem* FocusFirst();
  CTreeOptionItem* FocusNext();
  CTreeOptionItem* FocusPrev();
  CTreeOptionItem* FocusLast();
  void EnsureVisible(CTreeOptionItem* otiItem);
  BOOL IsItemVisible(CTreeOptionItem* otiItem) const;
  BOOL IsRootItemSelectOptionButton();
  BOOL IsRootItemSelectOptionButtonItem(CTreeOptionItem* otiItem);
  void ClearRootItemSelectOptionButton();
  void ClearRootItemSelectOptionButtonItem(CTreeOptionItem* otiItem);

  // Holds a row across a call into the host, which may delete the row meanwhile: the control
  // then marks the watch.
  class AFX_EXT_CLASS CItemWatch
  {
  public:
    explicit CItemWatch(const CTreeOptionItem* otiItem);
    ~CItemWatch();
    CItemWatch(const CItemWatch&) = delete;
    CItemWatch& operator=(const CItemWatch&) = delete;
    bool IsDeleted() const { return m_otiItem == nullptr; }

  private:
    friend class CTreeOption;
    static void forget(const CTreeOptionItem* otiItem);
    const CTreeOptionItem* m_otiItem;
    CItemWatch* m_pOuter;
  };

  LRESULT SendNotify(UINT uNotifyCode, CTreeOptionItem* otiItem);
  // Sends one of the registered messages to the parent, wParam the control's ID.
  LRESULT SendParentMessage(UINT nMessage, LPARAM lParam);

  // Fonts shared by every control at a DPI: the menu font, scaled when the DPI is not the
  // system's.
  static CFont* GetNormalFont(const CDpiScale& dpi = CDpiScale::OfSystem());
  static CFont* GetBoldFont(const CDpiScale& dpi = CDpiScale::OfSystem());
  static void InitGlobalResources();

  struct CFontPair;
  static CFontPair& fontsAt(const CDpiScale& dpi);
  static std::map<UINT, CFontPair>* m_pFontsByDpi;  // made on first use of each DPI
  static UINT m_uInstanceCount;
  static CRect m_rcLargestLabel;
  static CTreeOptionItem* m_otiFound;

  // Callbacks of EnumItems behind the operations above.
  static int EnumSelectAll(CTreeOption* pOptions, CTreeOptionItem* pItem, long lParam);
  static int EnumRefreshAll(CTreeOption* pOptions, CTreeOptionItem* pItem, long lParam);
  static int EnumNotifyExpand(CTreeOption* pOptions, CTreeOptionItem* pItem, long lParam);
  static int EnumMoveAll(CTreeOption* pOptions, CTreeOptionItem* pItem, long lParam);
  static int EnumFindItem(CTreeOption* pOptions, CTreeOptionItem* pItem, long lParam);
  static int EnumDrawSelectItem(CTreeOption* pOptions, CTreeOptionItem* pItem, long lParam);
  static int EnumClearAllLabelRect(CTreeOption* pOptions, CTreeOptionItem* pItem, long lParam);
  static int EnumGetLargestVisibleLabelRect(CTreeOption* pOptions, CTreeOptionItem* pItem, long lParam);
  static int EnumExpandAll(CTreeOption* pOptions, CTreeOptionItem* pItem, long lParam);

protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnSizing(UINT fwSide, LPRECT pRect);
  afx_msg void OnEnable(BOOL bEnable);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnSysColorChange();
  afx_msg LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

private:
  friend class CTreeOptionItem;
  BOOL getOption(DWORD dwBit) const { return (m_dwOptions & dwBit) != 0; }
  bool isShown(const CTreeOptionItem* otiItem) const;
  void rowHeightChanging(CTreeOptionItem* otiItem, long lDelta);
  void rowExpanding(CTreeOptionItem* otiItem, BOOL bExpand);
  void appendChild(CTreeOptionItem* otiParent, CTreeOptionItem* otiItem);
  void deleteChildren(CTreeOptionItem* otiParent);
  void unlink(CTreeOptionItem* otiItem);
  void forgetRow(CTreeOptionItem* otiItem);
  long layOutRow(CTreeOptionItem* otiItem, long lX, long lY);
  std::vector<CTreeOptionItem*>::const_iterator firstVisibleEndingBelow(long lContentY) const;
  CTreeOptionItem* visibleAt(long lContentY) const;
  void deselectAll();
  void setOption(DWORD dwBit, BOOL bSet);
  void resizeAll(int cx, int cy);
  void relayout();
  CTreeOptionItem* lastVisible() const;
  CTreeOptionItem* visibleBefore(CTreeOptionItem* otiItem) const;
  void moveFocus(CTreeOptionItem* otiTarget, bool bEvenNull);
  void expandAncestors(CTreeOptionItem* otiItem);
  void scrollIntoView(CTreeOptionItem* otiItem);
  void followDpi(const CDpiScale& dpi);

  DWORD m_dwOptions;
  CTreeOptionInfo m_otInfo;
  CTreeOptionItem m_otiRootItem;
  CTreeOptionItem* m_otiVisibleList;
  CTreeOptionItem* m_otiVisibleTail;           // where the next drawn row is appended
  std::vector<CTreeOptionItem*> m_arVisible;   // the visible list again, by index
  std::vector<CTreeOptionItem*> m_arOnScreen;  // rows that met the view at the last full repaint
  bool m_bLayoutDirty;
  long m_lShownHeight;
  int m_nDeleting;     // nested deletions under way
  UINT m_uLabelPaint;  // full repaints so far: label rects of older ones count as empty
  bool m_bFreshRows;   // rows were inserted since every row was last deselected
  CTreeOptionRowSet m_rowsToRedraw;
  CTreeOptionRowSet m_rowsToDeselect;
  CTreeOptionRowSet m_rowsHovered;
  CTreeOptionItem* m_otiFocus;
  CPoint m_ptOrigin;
  CTreeOptionList m_otlList;
  BOOL m_bDisableInput;
  UINT m_uLastID;
  CWnd* m_pNotify;
  bool m_bUseLabel;
  bool m_bUseInfo;
  bool m_bDrawColumFrame;
  CDpiScale m_dpi;  // the window's, the system's before it exists
};
