// A numeric field for one real number: a range whose ends may be open, a zero ban, a fixed
// number of decimals, and a spin step of a fixed increment. The base of the length and angle
// fields.
#pragma once
#include "SpinEdit.h"

class AFX_EXT_CLASS CDoubleEdit : public CSpinEdit
{
  DECLARE_DYNAMIC(CDoubleEdit)
public:
  CDoubleEdit();
  ~CDoubleEdit() override;

  double GetValue() const { return m_valueWork.GetDblValue(); }
  double GetMinValue() const { return m_valueWork.GetDblMinValue(); }
  double GetMaxValue() const { return m_valueWork.GetDblMaxValue(); }
  void SetMinRange(double dMin) { m_valueWork.SetMinRange(dMin); }
  void SetMaxRange(double dMax) { m_valueWork.SetMaxRange(dMax); }
  // Also enables the spin button when the ends differ and disables it when they are equal.
  void SetRange(double dMin, double dMax);
  double GetSpinInc() const { return m_dSpinInc; }
  void SetSpinInc(double dSpinInc) { m_dSpinInc = dSpinInc; }
  int GetFigure() const { return m_valueWork.GetFigure(); }
  // Kept within 0 to 10; the shown text is not refreshed.
  void SetFigure(int nFigure) { m_valueWork.SetFigure(nFigure); }

  // Accept and show a value without a range check.
  void SetValue(double dValue);
  // Accept a value that an expression produced, and show the expression.
  void SetValue(double const& dValue, CString const& strExpression);

  bool Set(double dValue, bool bCheck, bool bQuiet) override;
  void OnDeltapos(NMHDR* pNMHDR, LRESULT* pResult) override;

protected:
  bool checkRange(double dValue) override;
  void PreAnalyze() override;
  CString changeValueToCheckRange(CString strValue) override;
  void displayErrMsg() override;

  // The step from a current value given in the display unit.
  void stepFrom(double dCurrent, const NMHDR* pNMHDR) { stepTo(dCurrent, dCurrent + stepCount(pNMHDR) * m_dSpinInc); }

  double m_dSpinInc;
};
