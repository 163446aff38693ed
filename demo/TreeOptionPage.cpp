// The "Option tree" page: an option tree of three groups with its information pane (value rows,
// check boxes with and without a colour swatch, a read-only row, option buttons on a group
// header) and a tree child list of a drawing's layers, views and sheets with its context menu.
#include "Gallery.h"

namespace
{
const int kMargin = GalleryPx(12);
const int kTitleHeight = GalleryPx(20);
const int kTreeWidth = GalleryPx(420);
const int kListWidth = GalleryPx(240);
const int kTreeHeight = GalleryPx(420);

enum
{
  IDC_OPTIONS = 1400,
  IDC_CHILD_LIST,
  ID_LAYER_SHOW = 1410,
  ID_LAYER_HIDE,
  ID_LAYER_LOCK,
  ID_LAYER_DELETE
};

// A row that shows its value as text in the value column.
class CValueRow : public CTreeOptionItem
{
public:
  CValueRow(const char* pszLabel, const char* pszValue, const char* pszInfo) : m_strValue(pszValue)
  {
    SetLabelText(pszLabel);
    SetInfoText(pszInfo);
  }
  void DrawAttribute(CDC* pDC, const RECT& rcRect) override
  {
    CRect rcText(rcRect);
    CFont* pOld = pDC->SelectObject(GetOptionsOwner()->NormalFont());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(IsReadOnly() ? ::GetSysColor(COLOR_GRAYTEXT) : GetTextColor());
    pDC->DrawText(m_strValue, rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    pDC->SelectObject(pOld);
  }

private:
  CString m_strValue;
};
}

class CTreeOptionPage : public CGalleryPage
{
  DECLARE_DYNAMIC(CTreeOptionPage)
public:
  CWnd* GetContextMenuSample() override { return &m_childList; }

protected:
  void FillPage(const CRect& rcClient) override;

private:
  void fillOptions();
  CTreeOptionItem* addRow(CTreeOptionItem* pItem, CTreeOptionItem* pParent);
  CTreeOptionItemCheckBox* addCheck(const char* pszLabel, const char* pszInfo, int nCheck, CTreeOptionItem* pParent);
  void fillChildList();
  void addTitle(CStatic& title, const char* pszText, int x, int cx);

  CStatic m_optionsTitle, m_listTitle;
  CTreeOption m_options;
  CTreeChildList m_childList;
};

IMPLEMENT_DYNAMIC(CTreeOptionPage, CGalleryPage)

void CTreeOptionPage::addTitle(CStatic& title, const char* pszText, int x, int cx)
{
  title.Create(pszText, WS_CHILD | WS_VISIBLE, CRect(x, kMargin, x + cx, kMargin + kTitleHeight), this);
  title.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GalleryFont()), FALSE);
}

void CTreeOptionPage::FillPage(const CRect&)
{
  const int nTop = kMargin + kTitleHeight;
  addTitle(m_optionsTitle, "CTreeOption (info pane, shaded headers)", kMargin, kTreeWidth);
  m_options.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(kMargin, nTop, kMargin + kTreeWidth, nTop + kTreeHeight),
                   this, OT_OPTIONS_SHOWINFOWINDOW | OT_OPTIONS_SHADEROOTITEMS | OT_OPTIONS_DEFINFOTEXTNOSEL,
                   IDC_OPTIONS);
  m_options.SetColumn(GalleryPx(170));
  fillOptions();
  const int nListLeft = 2 * kMargin + kTreeWidth;
  addTitle(m_listTitle, "CTreeChildList (right click: menu)", nListLeft, kListWidth);
  m_childList.CreateEx(WS_EX_CLIENTEDGE, WC_TREEVIEW, "",
                       WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                           TVS_SHOWSELALWAYS,
                       CRect(nListLeft, nTop, nListLeft + kListWidth, nTop + kTreeHeight), this, IDC_CHILD_LIST);
  fillChildList();
}

CTreeOptionItem* CTreeOptionPage::addRow(CTreeOptionItem* pItem, CTreeOptionItem* pParent)
{
  return m_options.InsertItem(pItem, pParent, false);
}

CTreeOptionItemCheckBox* CTreeOptionPage::addCheck(const char* pszLabel, const char* pszInfo, int nCheck,
                                                   CTreeOptionItem* pParent)
{
  auto* pCheck = new CTreeOptionItemCheckBox;
  pCheck->SetLabelText(pszLabel);
  pCheck->SetInfoText(pszInfo);
  m_options.InsertItem(pCheck, pParent, false);
  pCheck->CreateCheckBoxItem(nCheck, OT_CHECK_SHOWCHECKBOX | OT_CHECK_SHOWTEXT);
  return pCheck;
}

void CTreeOptionPage::fillOptions()
{
  CTreeOptionItem* pDrawing = addRow(
      new CValueRow("Settings of new drawings", "", "Units and grid of the drawings made from now on."), nullptr);
  pDrawing->SetOptionButton1("Defaults");
  pDrawing->SetOptionButton2("Apply to all");
  addRow(new CValueRow("Length unit", "mm", "The unit of lengths typed without one."), pDrawing);
  addRow(new CValueRow("Angle unit", "deg", "Degrees, or radians with the rad suffix."), pDrawing);
  CTreeOptionItem* pGrid = addRow(new CValueRow("Grid", "", "The drawing grid and its snapping."), pDrawing);
  addRow(new CValueRow("Spacing", "10.000 mm", "Distance between two grid lines."), pGrid);
  addRow(new CValueRow("Subdivisions", "5", "Minor lines between two grid lines."), pGrid);
  addCheck("Snap to grid", "Points entered with the mouse move to the nearest grid point.", 1, pGrid);

  CTreeOptionItem* pDisplay = addRow(new CValueRow("Display", "", "How drawings are shown."), nullptr);
  addCheck("Show rulers", "Rulers along the top and left edges of the view.", 1, pDisplay);
  CTreeOptionItemCheckBox* pLayerColour =
      addCheck("Layer colour", "Draw each entity in the colour of its layer.", 0, pDisplay);
  pLayerColour->SetColorRect(RGB(0, 128, 192), true);
  CTreeOptionItem* pRenderer =
      addRow(new CValueRow("Renderer", "GDI", "Chosen at start-up; it cannot be changed here."), pDisplay);
  pRenderer->ReadOnly();

  CTreeOptionItem* pPrinting = addRow(new CValueRow("Printing", "", "Page and plotter settings."), nullptr);
  addRow(new CValueRow("Paper", "A3 landscape", "Size and orientation of the sheet."), pPrinting);

  pDrawing->Expand(TRUE);
  pGrid->Expand(TRUE);
  pDisplay->Expand(TRUE);
  m_options.UpdatedItems();
  // The focused row describes itself in the information pane.
  CTreeOptionItem* pSpacing = pGrid->GetChild();
  pSpacing->Select(TRUE);
  m_options.SetFocusedItem(pSpacing);
}

void CTreeOptionPage::fillChildList()
{
  struct
  {
    const char* pszText;
    int nLevel;
  } const kItems[] = {
      {"Layers", 0}, {"Outline", 1}, {"Dimensions", 1}, {"Hidden lines", 1}, {"Hatching", 1},
      {"Views", 0},  {"Front", 1},   {"Plan", 1},       {"Sheets", 0},       {"A3 layout", 1},
  };
  HTREEITEM hTop = nullptr;
  for (const auto& item : kItems)
  {
    auto* pRecord = new CTreeItem;
    pRecord->m_strText = item.pszText;
    HTREEITEM hItem = m_childList.InsertItem(item.pszText, item.nLevel == 0 ? TVI_ROOT : hTop, TVI_LAST, pRecord);
    if (item.nLevel == 0)
      hTop = hItem;
  }
  for (int i = 0; HTREEITEM hItem = m_childList.GetTreeItem(i); ++i)
    m_childList.Expand(hItem, TVE_EXPAND);
  m_childList.SetSelectedItem(m_childList.GetChildItem(m_childList.GetTreeItem(0)));
  m_childList.AddContextMenu(CTreeItemMenuContext(ID_LAYER_SHOW, "Show"));
  m_childList.AddContextMenu(CTreeItemMenuContext(ID_LAYER_HIDE, "Hide"));
  m_childList.AddContextMenu(CTreeItemMenuContext(0, ""));
  m_childList.AddContextMenu(CTreeItemMenuContext(ID_LAYER_LOCK, "Lock"));
  m_childList.AddContextMenu(CTreeItemMenuContext(ID_LAYER_DELETE, "Delete"));
  m_childList.SetContextMenuAttrib(ID_LAYER_LOCK, CTreeItemMenuContext::ATTRIB_CHECKED);
  m_childList.SetContextMenuAttrib(ID_LAYER_DELETE, CTreeItemMenuContext::ATTRIB_GRAYED);
}

CGalleryPage* NewTreeOptionPage() { return new CTreeOptionPage; }
