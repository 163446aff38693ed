#include "DlgVarAdd.h"

#include "LibraryText.h"
#include "Resource.h"
#include "ZuntVariable.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CDlgVarAdd, CDialog)

BEGIN_MESSAGE_MAP(CDlgVarAdd, CDialog)
  ON_BN_CLICKED(IDC_RADIO_VALUE, &CDlgVarAdd::OnChoice)
  ON_BN_CLICKED(IDC_RADIO_EXPRESSION, &CDlgVarAdd::OnChoice)
END_MESSAGE_MAP()

CDlgVarAdd::CDlgVarAdd(CWnd* pParent)
    : CDialog(IDD_DLG_VAR_ADD, pParent), m_pVariableExpression(nullptr), m_dValue(0.0), m_nKind(0),
      m_nChoice(CHOICE_VALUE)
{}

CDlgVarAdd::~CDlgVarAdd() = default;

void CDlgVarAdd::DoDataExchange(CDataExchange* pDX)
{
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_EDIT_NAME, m_editName);
  DDX_Control(pDX, IDC_EDIT_VALUE, m_editValue);
  DDX_Control(pDX, IDC_EDIT_EXPRESSION, m_editExpression);
  DDX_Control(pDX, IDC_COMBO_KIND, m_comboKind);
  DDX_Radio(pDX, IDC_RADIO_VALUE, m_nChoice);
}

BOOL CDlgVarAdd::OnInitDialog()
{
  CDialog::OnInitDialog();
  if (!m_strValue.IsEmpty())
    m_editValue.SetWindowText(m_strValue);
  if (!m_strExpression.IsEmpty())
  {
    m_editExpression.SetWindowText(m_strExpression);
    m_nChoice = CHOICE_EXPRESSION;
  }
  enableChosenEdit();
  // The command that opened the dialog fixed the kind.
  m_comboKind.SetCurSel(m_nKind);
  m_comboKind.EnableWindow(FALSE);
  UpdateData(FALSE);
  return TRUE;
}

void CDlgVarAdd::OnChoice()
{
  UpdateData(TRUE);
  enableChosenEdit();
}

void CDlgVarAdd::OnOK()
{
  m_strExpression.Empty();
  CString strName;
  m_editName.GetWindowText(strName);
  CString strInput;
  chosenEdit().GetWindowText(strInput);
  if (m_nChoice == CHOICE_EXPRESSION)
    strInput.MakeUpper();
  if (strName.IsEmpty())
  {
    tell(IDS_VAR_ENTER_FORMAT, IDS_VAR_NAME);
    focusName(false);
    return;
  }
  if (strInput.IsEmpty())
  {
    tell(IDS_VAR_ENTER_FORMAT, inputTextID());
    refocusInput();
    return;
  }
  if (!checkName(strName))
    return;
  m_strName = strName;
  m_strName.MakeUpper();
  aCNumericalAnalyze analyzer(m_pVariableExpression);
  int bExpression = 0;
  if (!checkInput(strInput, analyzer, bExpression))
    return;
  // A text that reads to no value at all leaves the value as it is.
  if (analyzer.GetCount() == 0)
  {
    CDialog::OnOK();
    return;
  }
  acceptInput(strInput, analyzer, bExpression != 0);
}

void CDlgVarAdd::enableChosenEdit()
{
  m_editValue.EnableWindow(m_nChoice == CHOICE_VALUE);
  m_editExpression.EnableWindow(m_nChoice != CHOICE_VALUE);
}

void CDlgVarAdd::refocusInput()
{
  CEdit& edit = chosenEdit();
  edit.SetFocus();
  edit.SetSel(0, -1);
  edit.SendMessage(EM_SCROLLCARET);
}

void CDlgVarAdd::focusName(bool bSelectAll)
{
  m_editName.SetFocus();
  if (bSelectAll)
    m_editName.SetSel(0, -1);
}

UINT CDlgVarAdd::inputTextID() const { return m_nChoice == CHOICE_VALUE ? IDS_VAR_VALUE : IDS_VAR_EXPRESSION; }

// Validity and existence are judged on the name as typed; the set ignores case.
bool CDlgVarAdd::checkName(const CString& strName)
{
  if (!aCVariableBase::IsNameValid(strName))
    tell(IDS_VAR_INVALID_FORMAT, IDS_VAR_NAME);
  else if (m_pVariableExpression != nullptr && m_pVariableExpression->IsVariableExist(strName))
    tell(IDS_VAR_NAME_EXISTS);
  else
    return true;
  focusName(true);
  return false;
}

// A comma would make the text a list of values, which a variable cannot hold.
bool CDlgVarAdd::checkInput(const CString& strInput, aCNumericalAnalyze& analyzer, int& bExpression)
{
  if (strInput.Find(',') < 0 && analyzer.Analyze(strInput, &bExpression))
    return true;
  tell(IDS_VAR_INVALID_FORMAT, inputTextID());
  refocusInput();
  return false;
}

void CDlgVarAdd::acceptInput(const CString& strInput, const aCNumericalAnalyze& analyzer, bool bExpression)
{
  bool bChosenExpression = m_nChoice == CHOICE_EXPRESSION;
  if (bExpression != bChosenExpression)
  {
    tell(bExpression ? IDS_VAR_EXPRESSION_ENTERED : IDS_VAR_ENTER_EXPRESSION);
    refocusInput();
    return;
  }
  if (bExpression)
  {
    m_strExpression = strInput;
    m_dValue = analyzer[0];
  }
  else
    m_dValue = std::atof(strInput);
  CDialog::OnOK();
}

void CDlgVarAdd::tell(UINT nMessageID, UINT nArgumentID)
{
  CString strMessage = LoadLibraryText(nMessageID);
  if (nArgumentID != 0)
  {
    CString strFormat = strMessage;
    strMessage.Format(strFormat, static_cast<LPCTSTR>(LoadLibraryText(nArgumentID)));
  }
  AfxMessageBox(strMessage, MB_OK);
}
