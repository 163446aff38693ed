#include "DlgVariableSelect.h"

#include "Resource.h"

IMPLEMENT_DYNAMIC(CDlgVariableSelect, CDialog)

BEGIN_MESSAGE_MAP(CDlgVariableSelect, CDialog)
  ON_LBN_DBLCLK(IDC_LIST_VARIABLE, &CDlgVariableSelect::OnDblclkListVariable)
END_MESSAGE_MAP()

CDlgVariableSelect::CDlgVariableSelect(CWnd* pParent)
    : CDialog(IDD_DLG_VARIABLESELECT, pParent), m_pVariableList(nullptr), m_nIndex(0)
{}

CDlgVariableSelect::~CDlgVariableSelect() = default;

void CDlgVariableSelect::DoDataExchange(CDataExchange* pDX)
{
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_LIST_VARIABLE, m_listVariable);
}

BOOL CDlgVariableSelect::OnInitDialog()
{
  CDialog::OnInitDialog();
  // Each line remembers its place in the list, which null elements make differ from the line.
  POSITION pos = m_pVariableList != nullptr ? m_pVariableList->GetHeadPosition() : nullptr;
  for (int nIndex = 0; pos != nullptr; ++nIndex)
  {
    const aCVariableBase* pVariable = m_pVariableList->GetNext(pos);
    if (pVariable != nullptr)
      m_listVariable.SetItemData(m_listVariable.AddString(pVariable->GetName()), nIndex);
  }
  m_listVariable.SetFocus();
  m_listVariable.SetCurSel(0);
  return FALSE;
}

void CDlgVariableSelect::OnOK()
{
  int nSelected = m_listVariable.GetCurSel();
  if (nSelected != LB_ERR)
    m_nIndex = static_cast<int>(m_listVariable.GetItemData(nSelected));
  CDialog::OnOK();
}

void CDlgVariableSelect::OnDblclkListVariable() { OnOK(); }
