#include "XoExPanel.h"

IMPLEMENT_DYNAMIC(CXoExPanel, CDialog)

BEGIN_MESSAGE_MAP(CXoExPanel, CDialog)
  ON_WM_SIZE()
  ON_WM_GETMINMAXINFO()
  ON_WM_DESTROY()
  ON_WM_CREATE()
  ON_WM_MOUSEWHEEL()
  ON_MESSAGE(WM_DPICHANGED, &CXoExPanel::OnDpiChanged)
  ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &CXoExPanel::OnDpiChangedAfterParent)
END_MESSAGE_MAP()

CXoExPanel::CXoExPanel(const char* lpszTemplateName, CWnd* pParent)
    : CDialog(lpszTemplateName, pParent), m_layout(lpszTemplateName), m_bActivePanel(false)
{}

CXoExPanel::CXoExPanel(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_layout(nIDTemplate), m_bActivePanel(false)
{}

void CXoExPanel::GetDialogProfileEntry(CString& strEntry) { m_layout.GetProfileEntry(strEntry); }

CString CXoExPanel::profileSection()
{
  CString strSection;
  GetDialogProfileEntry(strSection);
  return strSection;
}

BOOL CXoExPanel::OnInitDialog()
{
  CDialog::OnInitDialog();
  m_layout.LoadSize(*this, profileSection());
  return FALSE;
}

int CXoExPanel::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
  if (CDialog::OnCreate(lpCreateStruct) == -1)
    return -1;
  m_layout.OnCreate(*this, *lpCreateStruct);
  return 0;
}

void CXoExPanel::OnSize(UINT nType, int cx, int cy)
{
  CDialog::OnSize(nType, cx, cy);
  m_layout.OnSize(*this, nType, cx, cy);
}

void CXoExPanel::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
  if (!m_layout.OnGetMinMaxInfo(lpMMI))
    CDialog::OnGetMinMaxInfo(lpMMI);
}

void CXoExPanel::OnDestroy()
{
  m_layout.SaveSize(*this, profileSection());
  CDialog::OnDestroy();
}

BOOL CXoExPanel::OnMouseWheel(UINT, short, CPoint) { return TRUE; }

// Moved to a monitor of another DPI, as a top-level window or with its parent.
LRESULT CXoExPanel::OnDpiChanged(WPARAM, LPARAM lParam)
{
  m_layout.OnDpiChanged(*this, lParam);
  return Default();
}

LRESULT CXoExPanel::OnDpiChangedAfterParent(WPARAM, LPARAM)
{
  m_layout.FollowDpi(*this);
  return Default();
}
