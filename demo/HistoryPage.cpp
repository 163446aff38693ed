// The "History" page: an auto-complete edit and combo box on an input history that the page
// loads from a file and saves to it, with buttons to record the typed texts, save, load, trim
// and dump the history (to the debugger output, and shown on the page).
#include "Gallery.h"

#include <memory>
#include <string>
#include <vector>

namespace
{
const int kLabelWidth = GalleryPx(150);
const int kFieldWidth = GalleryPx(260);
const int kRowHeight = GalleryPx(30);
const int kFieldHeight = GalleryPx(22);
const int kButtonWidth = GalleryPx(90);
const int kListingHeight = GalleryPx(300);
// Entries kept per key by Trim.
const int kTrimCount = 4;

enum
{
  IDC_PART = 1300,
  IDC_LAYER,
  IDC_ENTER,
  IDC_SAVE,
  IDC_LOAD,
  IDC_TRIM,
  IDC_DUMP,
  IDC_STATUS,
  IDC_LISTING
};

const char kPartKey[] = "PartName";
const char kLayerKey[] = "Layer";

// A first history, for a machine that has no file yet: oldest first, a minute apart.
const struct
{
  const char* pszKey;
  const char* pszText;
} kSampleEntries[] = {
    {kPartKey, "Bracket A-100"}, {kPartKey, "Bolt M6x20"},    {kPartKey, "Bolt M8x30"}, {kPartKey, "Base plate 200"},
    {kPartKey, "Bearing 6204"},  {kPartKey, "Bolt M6x25"},    {kLayerKey, "Outline"},   {kLayerKey, "Hidden lines"},
    {kLayerKey, "Dimensions"},   {kLayerKey, "Centre lines"}, {kLayerKey, "Hatching"},
};
const __time64_t kSampleStart = 1767225600;  // 2026-01-01 00:00 UTC

CString HistoryFilePath()
{
  char szTemp[MAX_PATH] = "";
  ::GetTempPathA(MAX_PATH, szTemp);
  CString strPath(szTemp);
  if (strPath.Right(1) != "\\")
    strPath += "\\";
  return strPath + "ZuntGallery\\History.dat";
}
}

class CHistoryPage : public CGalleryPage
{
  DECLARE_DYNAMIC(CHistoryPage)
  DECLARE_MESSAGE_MAP()
public:
  CHistoryPage() : m_strPath(HistoryFilePath()) {}

protected:
  void FillPage(const CRect& rcClient) override
  {
    loadOrSeed();
    addLabel("Part name (edit)", kLabelWidth);
    m_part.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                    fieldRect(kFieldHeight), this, IDC_PART);
    setFont(m_part);
    addLabel("Layer (combo box)", kLabelWidth);
    m_layer.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                   fieldRect(GalleryPx(200)), this, IDC_LAYER);
    setFont(m_layer);
    bindControls();

    const struct
    {
      UINT nID;
      const char* pszText;
    } buttons[] = {
        {IDC_ENTER, "Enter"}, {IDC_SAVE, "Save"}, {IDC_LOAD, "Load"}, {IDC_TRIM, "Trim to 4"}, {IDC_DUMP, "Dump"}};
    int x = 0;
    for (const auto& button : buttons)
    {
      addWindow("BUTTON", button.pszText, BS_PUSHBUTTON | WS_TABSTOP,
                CRect(x, m_nNextY, x + kButtonWidth - GalleryPx(6), m_nNextY + kFieldHeight + GalleryPx(4)),
                button.nID);
      x += kButtonWidth;
    }
    m_nNextY += kRowHeight + GalleryPx(6);
    addWindow("STATIC", "", SS_LEFTNOWORDWRAP, CRect(0, m_nNextY, rcClient.right, m_nNextY + kFieldHeight), IDC_STATUS);
    m_nNextY += kRowHeight;
    addWindow("EDIT", "", WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
              CRect(0, m_nNextY, rcClient.right, m_nNextY + kListingHeight), IDC_LISTING);
    showStatus("History file: " + m_strPath);
    showListing();
    addHint(rcClient.right);
    m_layer.SetCurSel(0);
  }

  afx_msg void OnEnter()
  {
    m_part.EnteredText();
    m_layer.EnteredText();
    fillLayerList();
    showStatus("Recorded the typed texts; they are suggested first from now on.");
    showListing();
  }

  afx_msg void OnSave()
  {
    bool bSaved = m_history.Save(m_strPath);
    showStatus((bSaved ? "Saved to " : "Could not save to ") + m_strPath);
  }

  afx_msg void OnLoad()
  {
    bool bLoaded = loadFile();
    showStatus((bLoaded ? "Loaded from " : "Could not load ") + m_strPath);
    // Loading replaces the histories of the keys in the file: the controls bind to the new ones.
    bindControls();
    showListing();
  }

  afx_msg void OnTrim()
  {
    m_history.SetLimit(kTrimCount);
    m_history.DeleteOutOfLimit();
    fillLayerList();
    CString strStatus;
    strStatus.Format("Kept the %d most recent entries of every key.", kTrimCount);
    showStatus(strStatus);
    showListing();
  }

  afx_msg void OnDump()
  {
    m_history.CheckData();
    showStatus("Written to the debugger output; the same history is shown below.");
    showListing();
  }

private:
  // A file that cannot be read leaves the history as it was.
  bool loadFile()
  {
    try
    {
      return m_history.Load(m_strPath);
    }
    catch (CException* pException)
    {
      pException->Delete();
      return false;
    }
  }

  void loadOrSeed()
  {
    if (loadFile())
      return;
    __time64_t time = kSampleStart;
    for (const auto& entry : kSampleEntries)
      m_history.SetAt(entry.pszKey, entry.pszText, CTime(time += 60));
    m_history.Save(m_strPath);
  }

  void bindControls()
  {
    m_part.InitAutoComplete(&m_history, kPartKey);
    m_part.SetAutoCompleteOption(ACO_AUTOSUGGEST | ACO_AUTOAPPEND);
    m_layer.InitAutoComplete(&m_history, kLayerKey);
    m_layer.SetAutoCompleteOption(ACO_AUTOSUGGEST | ACO_AUTOAPPEND);
    fillLayerList();
  }

  // The combo box's own list shows the same history, most recent first.
  void fillLayerList()
  {
    CString strTyped;
    m_layer.GetWindowText(strTyped);
    m_layer.ResetContent();
    CEnteredHistory* pHistory = m_history.Enumrate(kLayerKey);
    for (int n = 0; pHistory != nullptr && n < pHistory->GetCount(); ++n)
      m_layer.AddString(pHistory->GetAt(n)->GetText());
    m_layer.SetWindowText(strTyped);
  }

  void showListing()
  {
    CString strListing;
    for (POSITION pos = m_history.GetStartPosition(); pos != nullptr;)
    {
      CString strKey;
      CObject* pObject = nullptr;
      m_history.GetNextAssoc(pos, strKey, pObject);
      strListing += "[" + strKey + "]\r\n";
      auto* pHistory = static_cast<CEnteredHistory*>(pObject);
      for (int n = 0; n < pHistory->GetCount(); ++n)
      {
        CString strLine;
        strLine.Format("  %d  %s  %s\r\n", n,
                       static_cast<LPCTSTR>(pHistory->GetAt(n)->GetTime().Format("%Y/%m/%d %H:%M")),
                       static_cast<LPCTSTR>(pHistory->GetAt(n)->GetText()));
        strListing += strLine;
      }
    }
    SetDlgItemText(IDC_LISTING, strListing);
  }

  void addHint(int nWidth)
  {
    m_nNextY += kListingHeight + GalleryPx(8);
    addWindow("STATIC",
              "Type the start of a name (\"Bo\", \"Ha\"): the entries that start so are suggested. "
              "\"Enter\" records both texts, which are then suggested too.",
              SS_LEFT, CRect(0, m_nNextY, nWidth, m_nNextY + 2 * kFieldHeight), 0xFFFF);
  }

  void showStatus(const CString& strStatus) { SetDlgItemText(IDC_STATUS, strStatus); }

  CRect fieldRect(int nHeight) const
  {
    int y = m_nNextY - kRowHeight;
    return CRect(kLabelWidth, y, kLabelWidth + kFieldWidth, y + nHeight);
  }

  void setFont(CWnd& wnd) { wnd.SetFont(CFont::FromHandle(GalleryFont()), FALSE); }

  void addLabel(const char* pszText, int nWidth)
  {
    addWindow("STATIC", pszText, SS_CENTERIMAGE, CRect(0, m_nNextY, nWidth, m_nNextY + kFieldHeight), 0xFFFF);
    m_nNextY += kRowHeight;
  }

  void addWindow(const char* pszClass, const char* pszText, DWORD dwStyle, const CRect& rc, UINT nID)
  {
    HWND hWnd =
        ::CreateWindowExA(0, pszClass, pszText, WS_CHILD | WS_VISIBLE | dwStyle, rc.left, rc.top, rc.Width(),
                          rc.Height(), m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), nullptr, nullptr);
    ::SendMessage(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(GalleryFont()), FALSE);
  }

  // Declared before the controls, which borrow it: it outlives them.
  CHistoryMap m_history;
  CACEdit m_part;
  CACComboBox m_layer;
  CString m_strPath;
  int m_nNextY = 0;
};

IMPLEMENT_DYNAMIC(CHistoryPage, CGalleryPage)

BEGIN_MESSAGE_MAP(CHistoryPage, CGalleryPage)
  ON_BN_CLICKED(IDC_ENTER, &CHistoryPage::OnEnter)
  ON_BN_CLICKED(IDC_SAVE, &CHistoryPage::OnSave)
  ON_BN_CLICKED(IDC_LOAD, &CHistoryPage::OnLoad)
  ON_BN_CLICKED(IDC_TRIM, &CHistoryPage::OnTrim)
  ON_BN_CLICKED(IDC_DUMP, &CHistoryPage::OnDump)
END_MESSAGE_MAP()

CGalleryPage* NewHistoryPage() { return new CHistoryPage; }
