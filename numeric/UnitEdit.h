// What the length and angle fields share: a real-number field with a display unit. The value,
// the range and the spin increment are held in the display unit; every accessor takes the unit
// the caller works in. A number typed with another unit's name is converted before the check.
#pragma once
#include <cfloat>
#include <cmath>
#include <cstdlib>

#include "DoubleEdit.h"

// Helpers of the unit fields' inline code, not part of the library's interface.
namespace ZuntCtrlDetail {

// The value record keeps one check type per kind of unit.
inline ELengthUnitType CheckTypeOf(const CValueWork& valueWork, ELengthUnitType)
{
  return valueWork.GetLenCheckType();
}
inline EAngleUnitType CheckTypeOf(const CValueWork& valueWork, EAngleUnitType)
{
  return valueWork.GetAngCheckType();
}
inline CString StripUnitName(CValueWork& valueWork, const CString& strValue, ELengthUnitType eDefault)
{
  return valueWork.changeLenValToCheckRange(strValue, eDefault);
}
inline CString StripUnitName(CValueWork& valueWork, const CString& strValue, EAngleUnitType eDefault)
{
  return valueWork.changeAngValToCheckRange(strValue, eDefault);
}

// An absent bound (the largest double) stays absent in every unit, instead of turning into an
// infinity or a finite bound that the range message would then show.
template <class TUnitConverter, class TUnitType>
double ConvertBound(const TUnitConverter& converter, TUnitType eFrom, double dBound, TUnitType eTo)
{
  return std::fabs(dBound) == DBL_MAX ? dBound : converter.ConvUnit(eFrom, dBound, eTo);
}

}  // namespace ZuntCtrlDetail

template <class TUnitType, class TUnitConverter>
class CUnitEditT : public CDoubleEdit
{
public:
  explicit CUnitEditT(TUnitType eUnitType) : m_eUnitType(eUnitType), m_unitConverter(TUnitType(0))
  {
    m_valueWork.SetCheckType(eUnitType);
  }

  TUnitType GetUnitType() { return m_eUnitType; }
  // Converts the value, the range and the increment into the new unit, and shows the value
  // with the new unit's name.
  void SetUnitType(TUnitType eUnitType)
  {
    TUnitType eOld = m_eUnitType;
    m_eUnitType = eUnitType;
    SetValue(CDoubleEdit::GetValue(), eOld);
    SetRange(CDoubleEdit::GetMinValue(), CDoubleEdit::GetMaxValue(), eOld);
    m_dSpinInc = fromUnit(m_dSpinInc, eOld);
    m_valueWork.SetCheckType(eUnitType);
  }

  double GetValue(TUnitType eUnit) const { return toUnit(CDoubleEdit::GetValue(), eUnit); }
  double GetMinValue(TUnitType eUnit) const { return boundToUnit(CDoubleEdit::GetMinValue(), eUnit); }
  double GetMaxValue(TUnitType eUnit) const { return boundToUnit(CDoubleEdit::GetMaxValue(), eUnit); }
  double GetSpinInc(TUnitType eUnit) const { return toUnit(m_dSpinInc, eUnit); }
  void SetMinRange(double const& dMin, TUnitType eUnit) { CDoubleEdit::SetMinRange(boundFromUnit(dMin, eUnit)); }
  void SetMaxRange(double const& dMax, TUnitType eUnit) { CDoubleEdit::SetMaxRange(boundFromUnit(dMax, eUnit)); }
  void SetRange(double const& dMin, double const& dMax, TUnitType eUnit)
  {
    CDoubleEdit::SetRange(boundFromUnit(dMin, eUnit), boundFromUnit(dMax, eUnit));
  }
  void SetSpinInc(double dSpinInc, TUnitType eUnit) { m_dSpinInc = fromUnit(dSpinInc, eUnit); }

  // Shows the formatted number directly followed by the display unit's name.
  void SetValue(double const& dValue, TUnitType eUnit)
  {
    InitNumExpression();
    double dShown = fromUnit(dValue, eUnit);
    setWindowText(m_valueWork.SetValue(dShown) + m_valueWork.GetUnitString(m_eUnitType));
  }
  void SetValue(double const& dValue, CString const& strExpression, TUnitType eUnit)
  {
    if (strExpression.IsEmpty())
      SetValue(dValue, eUnit);
    else
      CDoubleEdit::SetValue(fromUnit(dValue, eUnit), strExpression);
  }

  // The number is in the unit it was typed in (the check type).
  bool Set(double dValue, bool bCheck, bool bQuiet) override
  {
    if (!admit(!bCheck || checkRange(dValue), bQuiet))
      return false;
    SetValue(dValue, checkType());
    return true;
  }

  // Steps from the shown number, typed in any unit; a successful step rewrites it in the
  // display unit.
  void OnDeltapos(NMHDR* pNMHDR, LRESULT* pResult) override
  {
    *pResult = 0;
    if (pNMHDR == nullptr)
      return;
    CString strText;
    GetWindowText(strText);
    strText = changeValueToCheckRange(strText);
    if (!isSteppable(strText, "0123456789.-"))
      return;
    double dCurrent = fromUnit(atof(strText), checkType());
    m_valueWork.SetCheckType(m_eUnitType);
    stepFrom(dCurrent, pNMHDR);
  }

protected:
  bool checkRange(double dValue) override { return m_valueWork.checkRange(fromUnit(dValue, checkType())); }
  void PreAnalyze() override
  {
    m_valueWork.SetCheckType(m_eUnitType);
    InitNumExpression();
  }
  CString changeValueToCheckRange(CString strValue) override
  {
    return ZuntCtrlDetail::StripUnitName(m_valueWork, strValue, m_eUnitType);
  }

  TUnitType checkType() const { return ZuntCtrlDetail::CheckTypeOf(m_valueWork, m_eUnitType); }
  double fromUnit(double dValue, TUnitType eUnit) const { return m_unitConverter.ConvUnit(eUnit, dValue, m_eUnitType); }
  double toUnit(double dValue, TUnitType eUnit) const { return m_unitConverter.ConvUnit(m_eUnitType, dValue, eUnit); }
  double boundFromUnit(double dBound, TUnitType eUnit) const
  {
    return ZuntCtrlDetail::ConvertBound(m_unitConverter, eUnit, dBound, m_eUnitType);
  }
  double boundToUnit(double dBound, TUnitType eUnit) const
  {
    return ZuntCtrlDetail::ConvertBound(m_unitConverter, m_eUnitType, dBound, eUnit);
  }

  TUnitType m_eUnitType;
  TUnitConverter m_unitConverter;  // based on millimetres or degrees
};
