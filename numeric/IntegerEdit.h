// A numeric field for one 32-bit integer: a range whose ends may be open, a zero ban and a
// spin step of a fixed increment.
#pragma once
#include "SpinEdit.h"

class AFX_EXT_CLASS CIntegerEdit : public CSpinEdit
{
  DECLARE_DYNAMIC(CIntegerEdit)
public:
  CIntegerEdit();
  ~CIntegerEdit() override;

  int GetValue() const { return m_valueWork.GetIntValue(); }
  int GetMinValue() const { return m_valueWork.GetIntMinValue(); }
  int GetMaxValue() const { return m_valueWork.GetIntMaxValue(); }
  void SetMinRange(int nMin) { m_valueWork.SetMinRange(nMin); }
  void SetMaxRange(int nMax) { m_valueWork.SetMaxRange(nMax); }
  // Also enables the spin button when the ends differ and disables it when they are equal.
  void SetRange(int nMin, int nMax);
  int GetSpinInc() const { return m_nSpinInc; }
  void SetSpinInc(int nSpinInc) { m_nSpinInc = nSpinInc; }

  // Accept and show a value without a range check.
  void SetValue(int nValue);
  // Accept a value that an expression produced, and show the expression.
  void SetValue(int const& nValue, CString const& strExpression);

  // Truncates toward zero, so that a derived class sees every set through the int form.
  bool Set(double dValue, bool bCheck, bool bQuiet) override;
  bool Set(int nValue, bool bCheck, bool bQuiet) override;
  void OnDeltapos(NMHDR* pNMHDR, LRESULT* pResult) override;

protected:
  // Truncates toward zero before testing.
  bool checkRange(double dValue) override;
  void PreAnalyze() override;
  CString changeValueToCheckRange(CString strValue) override;
  void displayErrMsg() override;

  int m_nSpinInc;
};
