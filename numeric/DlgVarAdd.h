// Defines a new variable of a kind fixed by the command that opened the dialog: its name and
// either a value or an expression on the variable set. Every refusal is told and leaves the
// dialog open on the input to correct.
#pragma once
#include <afxwin.h>

class aCNumericalAnalyze;
class aCVariableExpression;

class AFX_EXT_CLASS CDlgVarAdd : public CDialog
{
  DECLARE_DYNAMIC(CDlgVarAdd)
public:
  enum
  {
    CHOICE_VALUE = 0,
    CHOICE_EXPRESSION = 1
  };

  explicit CDlgVarAdd(CWnd* pParent = nullptr);
  ~CDlgVarAdd() override;

  aCVariableExpression* m_pVariableExpression;  // not owned
  CString m_strName;                            // upper case after OK
  CString m_strExpression;                      // empty after OK unless the expression was chosen
  CString m_strValue;                           // offered in the value edit
  double m_dValue;
  int m_nKind;    // 0 length, 1 angle, 2 general
  int m_nChoice;  // CHOICE_VALUE or CHOICE_EXPRESSION
  CEdit m_editName;
  CEdit m_editValue;
  CEdit m_editExpression;
  CComboBox m_comboKind;

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnChoice();
  DECLARE_MESSAGE_MAP()

private:
  CEdit& chosenEdit() { return m_nChoice == CHOICE_VALUE ? m_editValue : m_editExpression; }
  void enableChosenEdit();
  void refocusInput();
  void focusName(bool bSelectAll);
  // What the input is called in the messages: value or expression.
  UINT inputTextID() const;
  bool checkName(const CString& strName);
  bool checkInput(const CString& strInput, aCNumericalAnalyze& analyzer, int& bExpression);
  // Ends the dialog with the analysed input, or tells why the input does not fit the choice.
  void acceptInput(const CString& strInput, const aCNumericalAnalyze& analyzer, bool bExpression);
  // Shows a message of the library's table with an OK button; a format gets the text of
  // nArgumentID in place of its %s.
  static void tell(UINT nMessageID, UINT nArgumentID = 0);
};
