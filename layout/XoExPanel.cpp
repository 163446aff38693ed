#include "XoExPanel.h"

IMPLEMENT_DYNAMIC(CXoExPanel, CAnchoredDialog)

BEGIN_MESSAGE_MAP(CXoExPanel, CAnchoredDialog)
  ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CXoExPanel::CXoExPanel(const char* lpszTemplateName, CWnd* pParent)
    : CAnchoredDialog(lpszTemplateName, pParent), m_bActivePanel(false)
{
}

CXoExPanel::CXoExPanel(UINT nIDTemplate, CWnd* pParent)
    : CAnchoredDialog(nIDTemplate, pParent), m_bActivePanel(false)
{
}

BOOL CXoExPanel::OnMouseWheel(UINT, short, CPoint)
{
  return TRUE;
}
