#include "DlgVariableSelect.h"

#include "Resource.h"

IMPLEMENT_DYNAMIC(CDlgVariableSelect, CDialog)

BEGIN_MESSAGE_MAP(CDlgVariableSelect, CDialog)
  ON_LBN_DBLCLK(IDC_LIST_VARIABLE, OnDblclkListVariable)
END_MESSAGE_MAP()

CDlgVariableSelect::CDlgVariableSelect(CWnd* pParent)
    : CDialog(IDD_DLG_VARIABLESELECT, pParent), m_pVariableList(nullptr), m_nIndex(0)
{
}

CDlgVariableSelect::~CDlgVariableSelect() = default;

void CDlgVariableSelect::DoDataExchange(CDataExchange* pDX)
{
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_LIST_VARIABLE, m_listVariable);
}

BOOL CDlgVariableSelect::OnInitDialog()
{
  CDialog::OnInitDialog();
  if (m_pVariableList != nullptr)
  {
    for (POSITION pos = m_pVariableList->GetHeadPosition(); pos != nullptr;)
    {
      const aCVariableBase* pVariable = m_pVariableList->GetNext(pos);
      if (pVariable != nullptr)
        m_listVariable.AddString(pVariable->GetName());
    }
  }
  m_listVariable.SetFocus();
  m_listVariable.SetCurSel(0);
  return FALSE;
}

void CDlgVariableSelect::OnOK()
{
  int nSelected = m_listVariable.GetCurSel();
  if (nSelected != LB_ERR)
    m_nIndex = nSelected;
  CDialog::OnOK();
}

void CDlgVariableSelect::OnDblclkListVariable()
{
  OnOK();
}
