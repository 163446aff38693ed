// The list of one kind of variable, from which the user picks one for a numeric field.
#pragma once
#include <afxwin.h>

#include "aCVariableExpression.h"

class AFX_EXT_CLASS CDlgVariableSelect : public CDialog
{
  DECLARE_DYNAMIC(CDlgVariableSelect)
public:
  explicit CDlgVariableSelect(CWnd* pParent = nullptr);
  ~CDlgVariableSelect() override;

  aCVariableList* m_pVariableList;  // not owned
  // The position in the list of the variable chosen when the dialog ended with OK.
  int m_nIndex;
  CListBox m_listVariable;

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnDblclkListVariable();
  DECLARE_MESSAGE_MAP()
};
