// The "Resizing dialog" page: a host's dialog derived from CResizingDialog, opened by a button.
// Its controls follow its size by anchor rules: the title stretches, two lists share the width
// half and half, the buttons keep to their corners, and a grip sits in the bottom-right corner.
// The screenshots show it open at its template's size, which is also its smallest, and enlarged.
#include "Gallery.h"
#include "GalleryResource.h"

namespace
{
const int kButtonWidth = GalleryPx(160);
const int kRowHeight = GalleryPx(24);
// Where the dialog opens over the page, and how much the second screenshot grows it.
const CPoint kDialogOffset(GalleryPx(40), GalleryPx(60));
const CSize kEnlargement(GalleryPx(320), GalleryPx(200));

const UINT IDC_OPEN = 1500;

const char* const kLayers[] = {"Outline", "Hidden lines", "Centre lines", "Dimensions", "Hatching", "Notes"};
const char* const kLineTypes[] = {"Continuous", "Dashed", "Dash-dot", "Dotted", "Phantom"};
}

// The host's dialog: its template's controls, each given its anchor rule.
class CLayerSettingsDlg : public CResizingDialog
{
  DECLARE_DYNAMIC(CLayerSettingsDlg)
  DECLARE_MESSAGE_MAP()
public:
  explicit CLayerSettingsDlg(CWnd* pParent = nullptr) : CResizingDialog(IDD_GALLERY_RESIZING, pParent) {}

protected:
  BOOL OnInitDialog() override
  {
    SetControlInfo(IDC_RESIZING_TITLE, ANCHOR_SIZE_X);
    SetControlInfo(IDC_RESIZING_LINE_TYPES_LABEL, ANCHOR_MOVE_X_HALF);
    SetControlInfo(IDC_RESIZING_LAYERS, ANCHOR_HALF_X | ANCHOR_SIZE_X_PART | ANCHOR_SIZE_Y);
    SetControlInfo(IDC_RESIZING_LINE_TYPES, ANCHOR_HALF_X | ANCHOR_MOVE_X | ANCHOR_SIZE_Y);
    SetControlInfo(IDC_RESIZING_RESET, ANCHOR_MOVE_Y);
    SetControlInfo(IDOK, ANCHOR_MOVE_X | ANCHOR_MOVE_Y);
    SetControlInfo(IDCANCEL, ANCHOR_MOVE_X | ANCHOR_MOVE_Y);
    CResizingDialog::OnInitDialog();
    SetDlgItemText(IDC_RESIZING_TITLE, "Ground floor plan");
    fillList(m_layers, kLayers);
    fillList(m_lineTypes, kLineTypes);
    return FALSE;
  }

  void DoDataExchange(CDataExchange* pDX) override
  {
    CResizingDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RESIZING_LAYERS, m_layers);
    DDX_Control(pDX, IDC_RESIZING_LINE_TYPES, m_lineTypes);
  }

private:
  template <size_t nCount>
  static void fillList(CListBox& list, const char* const (&texts)[nCount])
  {
    for (const char* pszText : texts)
      list.AddString(pszText);
    list.SetCurSel(0);
  }

  CListBox m_layers;
  CListBox m_lineTypes;
};

IMPLEMENT_DYNAMIC(CLayerSettingsDlg, CResizingDialog)

BEGIN_MESSAGE_MAP(CLayerSettingsDlg, CResizingDialog)
END_MESSAGE_MAP()

class CResizingPage : public CGalleryPage
{
  DECLARE_DYNAMIC(CResizingPage)
  DECLARE_MESSAGE_MAP()
public:
  // Opened modeless over the page, at the template's size.
  void ShowOpenForScreenshot(bool bOpen) override
  {
    if (!bOpen)
      return;
    CRect rcPage;
    GetWindowRect(&rcPage);
    m_dialog.Create(IDD_GALLERY_RESIZING, this);
    m_dialog.SetWindowPos(nullptr, rcPage.left + kDialogOffset.x, rcPage.top + kDialogOffset.y, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER);
    m_dialog.ShowWindow(SW_SHOW);
  }

  bool ShowExtraState(int nState, CString& strName) override
  {
    if (nState > 0)
    {
      m_dialog.DestroyWindow();
      return false;
    }
    CRect rcDialog;
    m_dialog.GetWindowRect(&rcDialog);
    m_dialog.SetWindowPos(nullptr, 0, 0, rcDialog.Width() + kEnlargement.cx, rcDialog.Height() + kEnlargement.cy,
                          SWP_NOMOVE | SWP_NOZORDER);
    // The frame's repaint before the screenshot does not reach an owned popup.
    m_dialog.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    strName = "enlarged";
    return true;
  }

protected:
  void FillPage(const CRect&) override
  {
    m_open.Create("Layer settings...", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, kButtonWidth, kRowHeight),
                  this, IDC_OPEN);
    m_open.SetFont(CFont::FromHandle(GalleryFont()), FALSE);
  }

  afx_msg void OnOpen()
  {
    CLayerSettingsDlg dlg(this);
    dlg.DoModal();
  }

private:
  CButton m_open;
  CLayerSettingsDlg m_dialog;
};

IMPLEMENT_DYNAMIC(CResizingPage, CGalleryPage)

BEGIN_MESSAGE_MAP(CResizingPage, CGalleryPage)
  ON_BN_CLICKED(IDC_OPEN, &CResizingPage::OnOpen)
END_MESSAGE_MAP()

CGalleryPage* NewResizingPage() { return new CResizingPage; }
