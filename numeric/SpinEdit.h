// The base of the numeric entry fields: an edit control with an optional spin button at its
// right edge. It decides when a typed text is validated (focus loss, Enter, data exchange),
// reads the text into numbers through the variable library's analyser and hands them to the
// virtual Set of the concrete field, which checks the range and shows the formatted value.
#pragma once
#include <afxcmn.h>

#include "ValueWork.h"
#include "ZuntModule.h"

class aCNumericalAnalyze;
class aCVariableBase;
class aCVariableExpression;
class CSpinEdit;

// The spin button of one CSpinEdit: every click or arrow key is one step that the field
// computes itself; the button's own position means nothing.
class AFX_EXT_CLASS CEditSpinButtonCtrl : public CSpinButtonCtrl
{
  DECLARE_DYNAMIC(CEditSpinButtonCtrl)
public:
  CEditSpinButtonCtrl();
  ~CEditSpinButtonCtrl() override;

  // Nonzero on success; fails for a null owner. The buddy is always the owner.
  BOOL Create(CSpinEdit* pOwner, unsigned long dwStyle, const RECT& rect, CWnd* pParentWnd);

protected:
  afx_msg void OnDeltapos(NMHDR* pNMHDR, LRESULT* pResult);
  DECLARE_MESSAGE_MAP()

private:
  CSpinEdit* m_pOwner;
};

class AFX_EXT_CLASS CSpinEdit : public CEdit
{
  DECLARE_DYNAMIC(CSpinEdit)
public:
  // Bit 0 of the validate mode: an empty text is accepted (as 0, shown empty).
  enum
  {
    VALIDATE_ALLOW_EMPTY = 0x1
  };
  // Commands of the variable entries of the context menu. A kind (0 length, 1 angle,
  // 2 general) inserts the name of its variable i with ID_VARIABLE_FIRST + kind * 100 + i.
  enum
  {
    ID_VARIABLE_FIRST = 32800,
    ID_VARIABLE_SELECT_FIRST = 33100,
    ID_VARIABLE_ADD_FIRST = 33110,
    ID_DISP_VALUE = 33200,
    ID_DISP_EXP = 33201,
    VARIABLE_KIND_STEP = 100,
    MENU_VARIABLES_MAX = 10
  };

  CSpinEdit();
  ~CSpinEdit() override;

  // The host's check of a modified, enabled field; does not move the focus.
  virtual bool ValidateData();
  // Runs before a text is analysed: clears the number-expression text and flag.
  virtual void PreAnalyze();
  // Set a pair, a real number or an integer. bCheck runs the range test, bQuiet suppresses
  // the message when it fails. The base accepts nothing.
  virtual bool Set(double dX, double dY, bool bCheck, bool bQuiet);
  virtual bool Set(double dValue, bool bCheck, bool bQuiet);
  virtual bool Set(int nValue, bool bCheck, bool bQuiet);
  // One spin step; the base does nothing.
  virtual void OnDeltapos(NMHDR* pNMHDR, LRESULT* pResult);

protected:
  virtual bool validateData(unsigned long ulMode);
  virtual bool checkRange(double dX, double dY);
  virtual bool checkRange(double dValue);
  // The text to analyse again after the analyser refused it as typed.
  virtual CString changeValueToCheckRange(CString strValue);
  virtual void displayErrMsg();

public:
  CString GetValueString() const { return m_strValue; }
  void DisplayValue() { setWindowText(m_strValue); }

  void SetValidateMode(unsigned long ulMode) { m_ulValidateMode = ulMode; }
  unsigned long GetValidateMode() const { return m_ulValidateMode; }
  void SetKillFocusCheck(bool bCheck) { m_bKillFocusCheck = bCheck; }
  bool GetKillFocusCheck() const { return m_bKillFocusCheck; }
  // Takes effect at the next creation or subclassing of the field.
  void SetCreateSpinButtonCtrl(bool bCreate) { m_bCreateSpinButtonCtrl = bCreate; }
  bool GetCreateSpinButtonCtrl() const { return m_bCreateSpinButtonCtrl; }
  void SetEmpty(bool bEmpty) { m_bEmpty = bEmpty; }
  bool GetEmpty() const { return m_bEmpty; }
  // Null unless the create-spin-button option is set.
  CEditSpinButtonCtrl* GetSpinButtonCtrl();

  // Zero forbidden, minimum excluded, maximum excluded.
  void SetOptionCheck(bool bNotZero, bool bNotMin, bool bNotMax);
  void SetNotEqualZero(bool bNot) { m_valueWork.SetNotEqualZero(bNot); }
  bool GetNonEqualZero() const { return m_valueWork.GetNonEqualZero(); }
  void SetNotEqualToMinValue(bool bNot) { m_valueWork.SetNotEqualToMinValue(bNot); }
  bool GetNotEqualToMinValue() const { return m_valueWork.GetNotEqualToMinValue(); }
  void SetNotEqualToMaxValue(bool bNot) { m_valueWork.SetNotEqualToMaxValue(bNot); }
  bool GetNotEqualToMaxValue() const { return m_valueWork.GetNotEqualToMaxValue(); }

  void InitNumExpression();
  CString GetNumExpression() const { return m_strNumExpression; }
  bool IsNumExpression() const { return m_bNumExpression; }
  // The variable set that expressions are evaluated on; the host keeps it.
  void SetVariableExpression(aCVariableExpression* pVariableExpression) { m_pVariableExpression = pVariableExpression; }

  // The variable submenus (one a kind, with its first variables and the select and add
  // entries), and the entries that switch between an expression and its value.
  void SetVariableMenu(CMenu* pMenu);
  void SetDispValueMenu(CMenu* pMenu);
  void SetDispExpMenu(CMenu* pMenu);

  // Validation for the Enter key; true when the key is consumed. The argument is not used.
  bool DoValidate(UINT nID = 0);

  void PreSubclassWindow() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
  enum
  {
    BEEP_DEFAULT = 0xFFFF
  };

  // Shows a formatted value without losing the caret, and remembers it as the value text.
  void setWindowText(CString strText);
  // The first step of every Set: a value outside the range marks the field modified and,
  // unless quiet, shows the range message; false then. A value let in clears the flag.
  bool admit(bool bInRange, bool bQuiet);
  // Remembers and shows the expression that produced the stored value.
  void showNumExpression(const CString& strExpression);
  // Binds the variable to the expression in the variable set; a binding refused is dropped.
  void addExpression(aCVariableBase* pVariable, CString strText);
  // A range whose ends are equal leaves nothing to step.
  void enableSpinButton(bool bEnable);
  // A spin step starts from the shown text when it holds only these characters; else a beep.
  bool isSteppable(const CString& strText, LPCTSTR pszAllowed);
  static int stepCount(const NMHDR* pNMHDR) { return reinterpret_cast<const NMUPDOWN*>(pNMHDR)->iDelta; }
  // The step is refused whole, with a beep, when the start or the result lies outside the
  // range: the value is never clamped to the nearer end.
  template <class TValue>
  void stepTo(TValue current, TValue next)
  {
    if (!checkRange(static_cast<double>(current)) || !Set(next, true, true))
      ZuntMessageBeep(BEEP_DEFAULT);
  }

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
  afx_msg void OnEnable(BOOL bEnable);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnEnUpdate();
  afx_msg void OnEditUndo();
  afx_msg void OnEditCut();
  afx_msg void OnEditCopy();
  afx_msg void OnEditPaste();
  afx_msg void OnEditClear();
  afx_msg void OnEditAllSelect();
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  afx_msg LRESULT OnMenuChar(WPARAM wParam, LPARAM lParam);
  afx_msg void OnVariable(UINT nID);
  afx_msg void OnVariableSelect(UINT nID);
  afx_msg void OnVariableAdd(UINT nID);
  afx_msg void OnDispValue();
  afx_msg void OnDispExp();
  DECLARE_MESSAGE_MAP()

  bool m_bModified;
  bool m_bCreateSpinButtonCtrl;
  CEditSpinButtonCtrl m_spinButtonCtrl;
  CValueWork m_valueWork;
  aCVariableExpression* m_pVariableExpression;  // not owned
  CString m_strNumExpression;
  CString m_strValue;
  bool m_bNumExpression;
  bool m_bPairMode;
  bool m_bEnter;  // Enter is being validated; cleared by the next pre-translated message
  bool m_bKillFocusCheck;
  bool m_bEmpty;
  unsigned long m_ulValidateMode;

private:
  bool createSpinCtrl();
  // Where the caret goes after the text changed from nOldLength characters; false when it
  // stays where setting the text left it.
  bool restoreCaret(const CString& strText, int nStart, int nEnd, int nOldLength);
  bool validatesOnFocusTo(const CWnd* pNewWnd) const;
  // An empty text: refused with a beep, or accepted as 0 and shown empty (validate mode).
  bool acceptEmpty(unsigned long ulMode);
  // strConverted is the text read after the first reading failed, else empty.
  bool analyze(aCNumericalAnalyze& analyzer, const CString& strText, int& bExpression, CString& strConverted);
  bool setAnalyzed(const aCNumericalAnalyze& analyzer);
  // Focus back to the field with its whole text selected, after a refused text.
  void reclaimFocus();
  void selectAllAndScroll();

  // The variables context menu works on the field's state.
  friend class CVariableMenu;
};

// Subclasses the dialog item on first use; saving validates the field and fails the exchange
// on refusal, loading shows the value text again.
AFX_EXT_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CSpinEdit& rControl);
