// What the length and angle fields share: a real-number field with a display unit. The value,
// the range and the spin increment are held in the display unit; every accessor takes the unit
// the caller works in. A number typed with another unit's name is converted before the check.
#pragma once
#include <cfloat>
#include <cmath>

#include "AngleUnit.h"
#include "DoubleEdit.h"
#include "LengthUnit.h"

// A helper of the unit fields' inline code, not part of the library's interface.
namespace ZuntCtrlDetail
{

// An absent bound (the largest double) stays absent in every unit, instead of turning into an
// infinity or a finite bound that the range message would then show.
template <class TUnitConverter, class TUnitType>
double ConvertBound(const TUnitConverter& converter, TUnitType eFrom, double dBound, TUnitType eTo)
{
  return std::fabs(dBound) == DBL_MAX ? dBound : converter.ConvUnit(eFrom, dBound, eTo);
}

}  // namespace ZuntCtrlDetail

// The members are defined in the library, for the two instantiations it declares below, so that
// a host runs the library's code and not a copy compiled into it.
template <class TUnitType, class TUnitConverter>
class CUnitEditT : public CDoubleEdit
{
public:
  explicit CUnitEditT(TUnitType eUnitType);
  ~CUnitEditT() override;

  TUnitType GetUnitType();
  // Converts the value, the range and the increment into the new unit, and shows the value
  // with the new unit's name.
  void SetUnitType(TUnitType eUnitType);

  double GetValue(TUnitType eUnit) const;
  double GetMinValue(TUnitType eUnit) const;
  double GetMaxValue(TUnitType eUnit) const;
  double GetSpinInc(TUnitType eUnit) const;
  void SetMinRange(double const& dMin, TUnitType eUnit);
  void SetMaxRange(double const& dMax, TUnitType eUnit);
  void SetRange(double const& dMin, double const& dMax, TUnitType eUnit);
  void SetSpinInc(double dSpinInc, TUnitType eUnit);

  // Shows the formatted number directly followed by the display unit's name.
  void SetValue(double const& dValue, TUnitType eUnit);
  void SetValue(double const& dValue, CString const& strExpression, TUnitType eUnit);

  // The number is in the unit it was typed in (the check type).
  bool Set(double dValue, bool bCheck, bool bQuiet) override;
  // Steps from the shown number, typed in any unit; a successful step rewrites it in the
  // display unit.
  void OnDeltapos(NMHDR* pNMHDR, LRESULT* pResult) override;

protected:
  bool checkRange(double dValue) override;
  void PreAnalyze() override;
  CString changeValueToCheckRange(CString strValue) override;

  TUnitType checkType() const;
  double fromUnit(double dValue, TUnitType eUnit) const;
  double toUnit(double dValue, TUnitType eUnit) const;
  double boundFromUnit(double dBound, TUnitType eUnit) const;
  double boundToUnit(double dBound, TUnitType eUnit) const;

  TUnitType m_eUnitType;
  TUnitConverter m_unitConverter;  // based on millimetres or degrees
};

extern template class AFX_EXT_CLASS CUnitEditT<ELengthUnitType, CLengthUnit>;
extern template class AFX_EXT_CLASS CUnitEditT<EAngleUnitType, CAngleUnit>;
