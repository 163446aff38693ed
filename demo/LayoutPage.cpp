// The "Layout" page: a panel of the application (CXoExPanel) whose controls follow its size by
// anchor rules, with a splitter between a layer list and a notes edit; beside it the utility
// dialogs: buttons that open the string input dialog and the folder browser, and a font combo
// box. The screenshots show the panel at a second size and the string input dialog open.
#include "Gallery.h"
#include "GalleryResource.h"

#include <memory>
#include <vector>

namespace
{
const int kMargin = GalleryPx(10);
const int kRowHeight = GalleryPx(24);
const int kButtonWidth = GalleryPx(90);
const int kSideWidth = GalleryPx(300);
// The panel's size in the first screenshot; the second one grows it to the page.
const CSize kPanelSize(GalleryPx(560), GalleryPx(380));

enum
{
  IDC_PANEL = 1400,
  IDC_TITLE_LABEL,
  IDC_TITLE,
  IDC_SPLITTER,
  IDC_LAYERS,
  IDC_NOTES,
  IDC_LAYER_COUNT,
  IDC_PREVIEW,
  IDC_APPLY,
  IDC_CLOSE,
  IDC_NAME_TAB,
  IDC_BROWSE,
  IDC_FONTS,
  IDC_STATUS
};

const char* const kLayers[] = {"Outline", "Hidden lines", "Centre lines", "Dimensions", "Hatching", "Notes"};

void SetGalleryFont(CWnd& wnd) { wnd.SetFont(CFont::FromHandle(GalleryFont()), FALSE); }

CString GalleryText(UINT nID)
{
  char szText[256] = "";
  ::LoadStringA(AfxGetInstanceHandle(), nID, szText, sizeof szText);
  return szText;
}
}

// The panel: controls made for its template's size, each with its anchor rule.
class CLayoutPanel : public CXoExPanel
{
  DECLARE_DYNAMIC(CLayoutPanel)
  DECLARE_MESSAGE_MAP()
public:
  CLayoutPanel() : CXoExPanel(IDD_GALLERY_PANEL) {}

protected:
  BOOL OnInitDialog() override
  {
    CXoExPanel::OnInitDialog();
    CRect rc;
    GetClientRect(&rc);
    const int nBottomRow = rc.bottom - kMargin - kRowHeight;
    addControl("STATIC", "Drawing title", SS_CENTERIMAGE, CRect(kMargin, kMargin, GalleryPx(100), kMargin + kRowHeight),
               IDC_TITLE_LABEL, 0);
    addControl("EDIT", "Ground floor plan", WS_BORDER | ES_AUTOHSCROLL,
               CRect(GalleryPx(100), kMargin, rc.right - kMargin, kMargin + kRowHeight), IDC_TITLE, ANCHOR_SIZE_X);
    addSplitter(CRect(kMargin, 2 * kMargin + kRowHeight, rc.right - kMargin, nBottomRow - kMargin));
    addControl("STATIC", "6 layers", SS_CENTERIMAGE, CRect(kMargin, nBottomRow, GalleryPx(100), rc.bottom - kMargin),
               IDC_LAYER_COUNT, ANCHOR_MOVE_Y);
    const int nCentre = rc.Width() / 2;
    addControl("BUTTON", "Preview", BS_PUSHBUTTON,
               CRect(nCentre - kButtonWidth / 2, nBottomRow, nCentre + kButtonWidth / 2, rc.bottom - kMargin),
               IDC_PREVIEW, ANCHOR_MOVE_X_HALF | ANCHOR_MOVE_Y);
    addControl("BUTTON", "Apply", BS_PUSHBUTTON,
               CRect(rc.right - 2 * (kButtonWidth + kMargin), nBottomRow, rc.right - kButtonWidth - 2 * kMargin,
                     rc.bottom - kMargin),
               IDC_APPLY, ANCHOR_MOVE_X | ANCHOR_MOVE_Y);
    addControl("BUTTON", "Close", BS_PUSHBUTTON,
               CRect(rc.right - kButtonWidth - kMargin, nBottomRow, rc.right - kMargin, rc.bottom - kMargin), IDC_CLOSE,
               ANCHOR_MOVE_X | ANCHOR_MOVE_Y);
    return TRUE;
  }

  // A panel stays up: Enter and Escape do not end it.
  void OnOK() override {}
  void OnCancel() override {}

private:
  CWnd& addControl(const char* pszClass, const char* pszText, DWORD dwStyle, const CRect& rc, UINT nID, WORD wAnchor)
  {
    CWnd* pControl = new CWnd;
    pControl->CreateEx(0, pszClass, pszText, WS_CHILD | WS_VISIBLE | dwStyle, rc, this, nID);
    SetGalleryFont(*pControl);
    SetControlInfo(static_cast<WORD>(nID), wAnchor);
    m_controls.emplace_back(pControl);
    return *pControl;
  }

  // The layer list keeps its width when the panel grows; the notes take the rest.
  void addSplitter(const CRect& rc)
  {
    m_layers.CreateEx(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                      CRect(0, 0, 10, 10), this, IDC_LAYERS);
    m_notes.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "Drag the bar between the list and this text.",
                     WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, CRect(0, 0, 10, 10), this,
                     IDC_NOTES);
    for (CWnd* pPane : {static_cast<CWnd*>(&m_layers), static_cast<CWnd*>(&m_notes)})
      SetGalleryFont(*pPane);
    for (const char* pszLayer : kLayers)
      m_layers.AddString(pszLayer);
    m_layers.SetCurSel(0);
    m_splitter.Create(WS_CHILD | WS_VISIBLE | CTRLSPLITTER_VERT, this, &m_layers, &m_notes, IDC_SPLITTER, rc,
                      GalleryPx(150), 0);
    SetControlInfo(IDC_SPLITTER, ANCHOR_SIZE_X | ANCHOR_SIZE_Y);
  }

  CCtrlSplitter m_splitter;
  CListBox m_layers;
  CEdit m_notes;
  std::vector<std::unique_ptr<CWnd>> m_controls;
};

IMPLEMENT_DYNAMIC(CLayoutPanel, CXoExPanel)

BEGIN_MESSAGE_MAP(CLayoutPanel, CXoExPanel)
END_MESSAGE_MAP()

class CLayoutPage : public CGalleryPage
{
  DECLARE_DYNAMIC(CLayoutPage)
  DECLARE_MESSAGE_MAP()

protected:
  void FillPage(const CRect& rcClient) override
  {
    m_panel.Create(IDD_GALLERY_PANEL, this);
    m_panel.SetDlgCtrlID(IDC_PANEL);
    m_panel.SetWindowPos(nullptr, 0, 0, kPanelSize.cx, kPanelSize.cy, SWP_NOZORDER);
    m_panel.ShowWindow(SW_SHOW);
    m_rcPanelArea = CRect(0, 0, rcClient.right - kSideWidth - kMargin, rcClient.bottom);

    const int x = rcClient.right - kSideWidth;
    int y = 0;
    addSideWindow("STATIC", "Utility dialogs", SS_CENTERIMAGE, x, y, kSideWidth, 0xFFFF);
    addSideWindow("BUTTON", "Name a tab...", BS_PUSHBUTTON, x, y, GalleryPx(160), IDC_NAME_TAB);
    addSideWindow("BUTTON", "Choose a folder...", BS_PUSHBUTTON, x, y, GalleryPx(160), IDC_BROWSE);
    addSideWindow("STATIC", "Font (screen, TrueType)", SS_CENTERIMAGE, x, y, kSideWidth, 0xFFFF);
    m_fonts.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_SORT | CBS_HASSTRINGS,
                   CRect(x, y, x + kSideWidth, y + GalleryPx(240)), this, IDC_FONTS);
    m_fonts.Initialize();
    m_fonts.EnumerateFont(CDC());
    char szFace[LF_FACESIZE] = "";
    ::LoadStringA(GetZuntCtrlModuleHandle(), IDS_FONT_FACE, szFace, sizeof szFace);
    m_fonts.SetFontName(szFace, true);
    y += kRowHeight + kMargin;
    m_status.Create("", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(x, y, x + kSideWidth, y + 4 * kRowHeight), this,
                    IDC_STATUS);
    SetGalleryFont(m_status);
  }

  bool ShowExtraState(int nState, CString& strName) override
  {
    switch (nState)
    {
    case 0:
      m_panel.MoveWindow(&m_rcPanelArea);
      strName = "panel enlarged";
      return true;
    case 1:
      openInputDialog();
      strName = "string input dialog";
      return true;
    default:
      m_inputDlg.DestroyWindow();
      m_panel.SetWindowPos(nullptr, 0, 0, kPanelSize.cx, kPanelSize.cy, SWP_NOZORDER | SWP_NOMOVE);
      return false;
    }
  }

  afx_msg void OnNameTab()
  {
    CInputStringDlg dlg(this);
    prepareInputDialog(dlg);
    if (dlg.DoModal() == IDOK)
      m_status.SetWindowText("New tab name: " + dlg.GetEditText());
  }

  afx_msg void OnBrowse()
  {
    CDlgBrowseForFolder dlg(this);
    if (dlg.DoModal() == IDOK)
      m_status.SetWindowText("Folder: " + dlg.GetPath());
  }

private:
  void addSideWindow(const char* pszClass, const char* pszText, DWORD dwStyle, int x, int& y, int nWidth, UINT nID)
  {
    CWnd* pWnd = new CWnd;
    pWnd->CreateEx(0, pszClass, pszText, WS_CHILD | WS_VISIBLE | dwStyle, CRect(x, y, x + nWidth, y + kRowHeight), this,
                   nID);
    SetGalleryFont(*pWnd);
    m_sideWindows.emplace_back(pWnd);
    y += kRowHeight + kMargin;
  }

  // The host's texts; the names already used are refused.
  void prepareInputDialog(CInputStringDlg& dlg)
  {
    dlg.SetTitleText(GalleryText(IDS_TAB_TITLE));
    dlg.SetStaticText(GalleryText(IDS_TAB_PROMPT));
    dlg.SetEditText(GalleryText(IDS_TAB_SAMPLE));
    CStringArray names;
    names.Add(GalleryText(IDS_TAB_SAMPLE));
    dlg.SetStringArray(names);
  }

  // Shown modeless, over the page, for the screenshot.
  void openInputDialog()
  {
    prepareInputDialog(m_inputDlg);
    CRect rcPanel;
    m_panel.GetWindowRect(&rcPanel);
    CPoint ptOver(rcPanel.left + GalleryPx(120), rcPanel.top + GalleryPx(120));
    m_inputDlg.SetPoint(ptOver);
    m_inputDlg.Create(IDD_DLG_INPUT_STRING, this);
    m_inputDlg.ShowWindow(SW_SHOW);
  }

  CLayoutPanel m_panel;
  CRect m_rcPanelArea;
  CAFontComboBox m_fonts;
  CStatic m_status;
  CInputStringDlg m_inputDlg;
  std::vector<std::unique_ptr<CWnd>> m_sideWindows;
};

IMPLEMENT_DYNAMIC(CLayoutPage, CGalleryPage)

BEGIN_MESSAGE_MAP(CLayoutPage, CGalleryPage)
  ON_BN_CLICKED(IDC_NAME_TAB, &CLayoutPage::OnNameTab)
  ON_BN_CLICKED(IDC_BROWSE, &CLayoutPage::OnBrowse)
END_MESSAGE_MAP()

CGalleryPage* NewLayoutPage() { return new CLayoutPage; }
