// The "Colour lists" page: a layer's colour chosen from a colour combo box (with a text-only
// "by layer" entry), colour list boxes (one read-only), a colour list control of layers, and a
// child list of layers with their line settings and a context menu.
#include "Gallery.h"
#include "GalleryResource.h"

#include <memory>
#include <vector>

namespace
{
const int kLabelHeight = GalleryPx(20);
const int kGap = GalleryPx(12);
const int kColourWidth = GalleryPx(220);
const int kListTop = kLabelHeight + GalleryPx(4);
const int kListHeight = GalleryPx(170);

enum
{
  IDC_COLOR_COMBO = 1400,
  IDC_COLOR_LIST_BOX,
  IDC_COLOR_LIST_CTRL,
  IDC_CHILD_LIST,
  IDC_READ_ONLY_LIST_BOX,
  ID_LAYER_OPEN = 40301  // the child list's menu commands follow on
};

const COLORREF kColours[] = {RGB(0, 0, 0),   RGB(255, 0, 0),   RGB(255, 255, 0),   RGB(0, 255, 0),    RGB(0, 255, 255),
                             RGB(0, 0, 255), RGB(255, 0, 255), RGB(255, 255, 255), RGB(128, 128, 128)};
// The colour of each layer of IDS_LISTS_LAYERS, by its place in kColours.
const int kLayerColours[] = {1, 7, 2, 3, 5};

// The texts of a gallery string, split at '|'.
std::vector<CString> Texts(UINT nID)
{
  CString strAll;
  strAll.LoadString(nID);
  std::vector<CString> texts;
  int nStart = 0;
  for (CString strText = strAll.Tokenize("|", nStart); nStart >= 0; strText = strAll.Tokenize("|", nStart))
    texts.push_back(strText);
  return texts;
}
}

class CListsPage : public CGalleryPage
{
  DECLARE_DYNAMIC(CListsPage)
  DECLARE_MESSAGE_MAP()
public:
  CWnd* GetContextMenuSample() override { return &m_childList; }

protected:
  void FillPage(const CRect& rcClient) override
  {
    makeRecords();
    int x = 0;
    addLabel("CColorComboBox", x, 0, kColourWidth);
    m_combo.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                   CRect(x, kListTop, x + kColourWidth, kListTop + GalleryPx(240)), this, IDC_COLOR_COMBO);
    prepare(m_combo);
    for (auto& pItem : m_colours)
      m_combo.SetItemDataPtr(m_combo.AddString(""), pItem.get());
    m_combo.SetItemDataPtr(m_combo.AddString(""), m_byLayer.get());
    m_combo.SetCurSel(1);
    const int nReadOnlyTop = kListTop + GalleryPx(40);
    addLabel("CColorListBox, read-only", x, nReadOnlyTop, kColourWidth);
    addColourListBox(m_readOnly, CRect(x, nReadOnlyTop + kListTop, x + kColourWidth, kListTop + kListHeight),
                     IDC_READ_ONLY_LIST_BOX);
    m_readOnly.SetReadOnlyFlag(true);
    m_readOnly.SetCurSel(2);

    x += kColourWidth + kGap;
    addLabel("CColorListBox", x, 0, kColourWidth);
    addColourListBox(m_listBox, CRect(x, kListTop, x + kColourWidth, kListTop + kListHeight), IDC_COLOR_LIST_BOX);
    m_listBox.SetCurSel(5);

    x += kColourWidth + kGap;
    addLabel("CColorListCtrl", x, 0, rcClient.right - x);
    m_listCtrl.CreateEx(WS_EX_CLIENTEDGE, WC_LISTVIEW, "",
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS,
                        CRect(x, kListTop, rcClient.right, kListTop + kListHeight), this, IDC_COLOR_LIST_CTRL);
    prepare(m_listCtrl);
    const std::vector<CString> heads = Texts(IDS_LISTS_HEADS);
    m_listCtrl.InsertColumn(0, heads[0], LVCFMT_LEFT, GalleryPx(140));
    m_listCtrl.InsertColumn(1, heads[4], LVCFMT_LEFT, rcClient.right - x - GalleryPx(150));
    for (size_t i = 0; i < m_layers.size(); ++i)
    {
      const int nItem = m_listCtrl.InsertItem(static_cast<int>(i), "");
      m_listCtrl.SetItemData(nItem, reinterpret_cast<DWORD_PTR>(m_layers[i].get()));
    }
    m_listCtrl.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);

    const int nChildTop = kListTop + kListHeight + kGap;
    addLabel("CChildList", 0, nChildTop, rcClient.right);
    m_childList.CreateEx(WS_EX_CLIENTEDGE, WC_LISTVIEW, "",
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS,
                         CRect(0, nChildTop + kListTop, rcClient.right, nChildTop + kListTop + GalleryPx(200)), this,
                         IDC_CHILD_LIST);
    prepare(m_childList);
    fillChildList(heads);
  }

private:
  void makeRecords()
  {
    const std::vector<CString> colours = Texts(IDS_LISTS_COLOURS);
    for (size_t i = 0; i < colours.size() && i < std::size(kColours); ++i)
      m_colours.push_back(std::make_unique<CColorItem>(static_cast<int>(i), kColours[i], colours[i]));
    CString strByLayer;
    strByLayer.LoadString(IDS_LISTS_BY_LAYER);
    m_byLayer = std::make_unique<CColorItem>(-1, CColorItem::NO_COLOR, strByLayer);
    const std::vector<CString> layers = Texts(IDS_LISTS_LAYERS);
    for (size_t i = 0; i < layers.size() && i < std::size(kLayerColours); ++i)
    {
      const CColorItem& colour = *m_colours[kLayerColours[i]];
      m_layers.push_back(
          std::make_unique<CNameColorItem>(static_cast<int>(i), layers[i], colour.GetRGB(), colour.GetColorName()));
    }
  }

  void fillChildList(const std::vector<CString>& heads)
  {
    const DWORD rates[] = {3, 3, 2, 4};
    CArray<CColumnHeadData, CColumnHeadData&> arrHead;
    for (size_t i = 0; i < std::size(rates); ++i)
    {
      CColumnHeadData head(heads[i], rates[i]);
      arrHead.Add(head);
    }
    m_childList.SetColumnHead(arrHead);
    for (UINT nRow = IDS_LISTS_FIRST_ROW; nRow <= IDS_LISTS_LAST_ROW; ++nRow)
    {
      auto* pRecord = new CColumnItemData;
      for (const CString& strText : Texts(nRow))
        pRecord->AddDataString(strText);
      if (!m_childList.AddColumnItemData(pRecord))
        delete pRecord;
    }
    m_childList.InitList();
    m_childList.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    int nCommand = ID_LAYER_OPEN;
    for (const CString& strEntry : Texts(IDS_LISTS_MENU))
      m_childList.AddContextMenu(CListMenuContext(strEntry == "-" ? 0 : nCommand++, strEntry));
    m_childList.SetContextMenuAttrib(ID_LAYER_OPEN + 1, CListMenuContext::ATTRIB_GRAYED);
    m_childList.SetContextMenuAttrib(ID_LAYER_OPEN + 3, CListMenuContext::ATTRIB_CHECKED);
    m_childList.SetReceiveContextCmd(this);
  }

  void addColourListBox(CColorListBox& list, const CRect& rect, UINT nID)
  {
    list.CreateEx(WS_EX_CLIENTEDGE, "LISTBOX", "",
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT |
                      LBS_SORT | LBS_NOTIFY,
                  rect, this, nID);
    prepare(list);
    // Added in reverse: the list sorts them back by their numbers.
    for (auto it = m_colours.rbegin(); it != m_colours.rend(); ++it)
      list.AddString(reinterpret_cast<LPCTSTR>(it->get()));
  }

  void addLabel(const char* pszText, int x, int y, int nWidth)
  {
    auto pLabel = std::make_unique<CStatic>();
    pLabel->Create(pszText, WS_CHILD | WS_VISIBLE, CRect(x, y, x + nWidth, y + kLabelHeight), this);
    pLabel->SetFont(CFont::FromHandle(GalleryFont()), FALSE);
    m_labels.push_back(std::move(pLabel));
  }

  static void prepare(CWnd& control) { control.SetFont(CFont::FromHandle(GalleryFont()), FALSE); }

  std::vector<std::unique_ptr<CColorItem>> m_colours;
  std::unique_ptr<CColorItem> m_byLayer;
  std::vector<std::unique_ptr<CNameColorItem>> m_layers;
  CColorComboBox m_combo;
  CColorListBox m_listBox;
  CColorListBox m_readOnly;
  CColorListCtrl m_listCtrl;
  CChildList m_childList;
  std::vector<std::unique_ptr<CStatic>> m_labels;
};

IMPLEMENT_DYNAMIC(CListsPage, CGalleryPage)

BEGIN_MESSAGE_MAP(CListsPage, CGalleryPage)
END_MESSAGE_MAP()

CGalleryPage* NewListsPage() { return new CListsPage; }
