#include "AnchoredDialog.h"

namespace
{
// The flags of one axis, in the order their rules are tried.
struct SAxisFlags
{
  WORD wHalf;
  WORD wSizePart;
  WORD wMove;
  WORD wSize;
  WORD wMoveHalf;
};

const SAxisFlags kHorizontal = {ANCHOR_HALF_X, ANCHOR_SIZE_X_PART, ANCHOR_MOVE_X, ANCHOR_SIZE_X, ANCHOR_MOVE_X_HALF};
const SAxisFlags kVertical = {ANCHOR_HALF_Y, ANCHOR_SIZE_Y_PART, ANCHOR_MOVE_Y, ANCHOR_SIZE_Y, ANCHOR_MOVE_Y_HALF};

bool Has(WORD wFlags, WORD wWanted)
{
  return (wFlags & wWanted) == wWanted;
}

// Moves the near and far edges of one axis by the change d.
void AnchorAxis(LONG& nNear, LONG& nFar, WORD wFlags, int d, const SAxisFlags& axis)
{
  const int nHalf = d / 2;  // toward zero
  if (Has(wFlags, axis.wHalf | axis.wSizePart))
  {
    nFar += nHalf;
  }
  else if (Has(wFlags, axis.wHalf | axis.wMove))
  {
    nFar += nHalf;
    nNear += nHalf;
    nFar += nHalf;
  }
  else if (Has(wFlags, axis.wSize))
  {
    nFar += d;
  }
  else if (Has(wFlags, axis.wMove))
  {
    nNear += d;
    nFar += d;
  }
  else if (Has(wFlags, axis.wMoveHalf))
  {
    nNear += nHalf;
    nFar += nHalf;
  }
}

// Where a control with the flags goes when the client size changes by dx, dy.
CRect AnchorRect(const CRect& rcControl, WORD wFlags, int dx, int dy)
{
  CRect rc(rcControl);
  AnchorAxis(rc.left, rc.right, wFlags, dx, kHorizontal);
  AnchorAxis(rc.top, rc.bottom, wFlags, dy, kVertical);
  return rc;
}
}  // namespace

IMPLEMENT_DYNAMIC(CAnchoredDialog, CDialog)

BEGIN_MESSAGE_MAP(CAnchoredDialog, CDialog)
  ON_WM_SIZE()
  ON_WM_GETMINMAXINFO()
  ON_WM_DESTROY()
  ON_WM_CREATE()
END_MESSAGE_MAP()

CAnchoredDialog::CAnchoredDialog(const char* lpszTemplateName, CWnd* pParent)
    : CDialog(lpszTemplateName, pParent), m_nIDTemplate(0), m_strTemplateName(lpszTemplateName),
      m_bNamedTemplate(true)
{
}

CAnchoredDialog::CAnchoredDialog(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_nIDTemplate(nIDTemplate), m_bNamedTemplate(false)
{
}

void CAnchoredDialog::SetControlInfo(WORD wID, WORD wFlags)
{
  if (wFlags == ANCHOR_SIZE_X_PART || wFlags == ANCHOR_SIZE_Y_PART)
    return;
  m_arrAnchors.Add(MAKELONG(wID, wFlags));
}

void CAnchoredDialog::GetDialogProfileEntry(CString& strEntry)
{
  if (m_bNamedTemplate)
    strEntry = m_strTemplateName;
  else
    strEntry.Format("%x", m_nIDTemplate);
}

CString CAnchoredDialog::profileSection()
{
  CString strSection;
  GetDialogProfileEntry(strSection);
  return strSection;
}

int CAnchoredDialog::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
  if (CDialog::OnCreate(lpCreateStruct) == -1)
    return -1;
  m_nMinTrackWidth = lpCreateStruct->cx;
  m_nMinTrackHeight = lpCreateStruct->cy;
  return 0;
}

void CAnchoredDialog::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
  if (m_nMinTrackWidth == 0)
  {
    CDialog::OnGetMinMaxInfo(lpMMI);
    return;
  }
  lpMMI->ptMinTrackSize.x = m_nMinTrackWidth;
  lpMMI->ptMinTrackSize.y = m_nMinTrackHeight;
}

void CAnchoredDialog::OnSize(UINT nType, int cx, int cy)
{
  CDialog::OnSize(nType, cx, cy);
  if (nType == SIZE_MINIMIZED)
    return;
  if (m_nPrevWidth != 0)
  {
    m_bResized = 1;
    moveControls(cx - m_nPrevWidth, cy - m_nPrevHeight);
  }
  m_nPrevWidth = cx;
  m_nPrevHeight = cy;
}

void CAnchoredDialog::moveControls(int dx, int dy)
{
  for (INT_PTR i = 0; i < m_arrAnchors.GetSize(); ++i)
  {
    const DWORD dwAnchor = m_arrAnchors[i];
    const WORD wFlags = HIWORD(dwAnchor);
    HWND hControl = ::GetDlgItem(m_hWnd, LOWORD(dwAnchor));
    if (hControl == nullptr || wFlags == 0)
      continue;
    CRect rcControl;
    ::GetWindowRect(hControl, &rcControl);
    ScreenToClient(&rcControl);
    CRect rcNew = AnchorRect(rcControl, wFlags, dx, dy);
    ::MoveWindow(hControl, rcNew.left, rcNew.top, rcNew.Width(), rcNew.Height(), TRUE);
  }
}

BOOL CAnchoredDialog::OnInitDialog()
{
  CDialog::OnInitDialog();
  CWinApp* pApp = AfxGetApp();
  if (!m_bRememberSize || pApp == nullptr)
    return FALSE;
  const CString strSection = profileSection();
  const int cx = static_cast<int>(pApp->GetProfileInt(strSection, "CX", 0));
  const int cy = static_cast<int>(pApp->GetProfileInt(strSection, "CY", 0));
  if (cx != 0 && cy != 0)
    SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return FALSE;
}

void CAnchoredDialog::OnDestroy()
{
  CWinApp* pApp = AfxGetApp();
  if (m_bRememberSize && m_bResized && m_nPrevWidth != 0 && m_nPrevHeight != 0 && pApp != nullptr)
  {
    const CString strSection = profileSection();
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    pApp->WriteProfileInt(strSection, "CX", rcWindow.Width());
    pApp->WriteProfileInt(strSection, "CY", rcWindow.Height());
  }
  m_nMinTrackWidth = m_nMinTrackHeight = 0;
  m_nPrevWidth = m_nPrevHeight = 0;
  m_bResized = 0;
  CDialog::OnDestroy();
}
