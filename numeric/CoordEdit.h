// A numeric field for a pair of lengths (a coordinate or a size): "x, y" in the display unit,
// without a unit name. One range applies to both numbers; the spin button does nothing and a
// refused pair shows no message (the field keeps the focus).
#pragma once
#include "LengthUnit.h"
#include "SpinEdit.h"
#include "UnitEdit.h"

class AFX_EXT_CLASS CCoordEdit : public CSpinEdit
{
  DECLARE_DYNAMIC(CCoordEdit)
public:
  explicit CCoordEdit(ELengthUnitType eUnitType = LENGTH_UNIT_MM);
  ~CCoordEdit() override;

  ELengthUnitType GetUnitType() { return m_eUnitType; }
  void SetUnitType(ELengthUnitType eUnitType);

  double GetCxValue(ELengthUnitType eUnit) const { return toUnit(m_valueWork.GetCxValue(), eUnit); }
  double GetCyValue(ELengthUnitType eUnit) const { return toUnit(m_valueWork.GetCyValue(), eUnit); }
  double GetMinValue(ELengthUnitType eUnit) const { return boundToUnit(m_valueWork.GetDblMinValue(), eUnit); }
  double GetMaxValue(ELengthUnitType eUnit) const { return boundToUnit(m_valueWork.GetDblMaxValue(), eUnit); }
  void SetMinRange(double const& dMin, ELengthUnitType eUnit) { m_valueWork.SetMinRange(boundFromUnit(dMin, eUnit)); }
  void SetMaxRange(double const& dMax, ELengthUnitType eUnit) { m_valueWork.SetMaxRange(boundFromUnit(dMax, eUnit)); }
  // Unlike the single-number fields, leaves the spin button alone.
  void SetRange(double const& dMin, double const& dMax, ELengthUnitType eUnit);

  void SetValue(double const& dX, double const& dY, ELengthUnitType eUnit);
  // Shows the expression; the modified flag is left as it is.
  void SetValue(double const& dX, double const& dY, CString const& strExpression, ELengthUnitType eUnit);

  // x and y are in the unit they were typed in (the check type).
  bool Set(double dX, double dY, bool bCheck, bool bQuiet) override;
  // Both numbers against the one range.
  bool checkRange(double dX, double dY) override;

protected:
  void PreAnalyze() override;
  CString changeValueToCheckRange(CString strValue) override;

  double fromUnit(double dValue, ELengthUnitType eUnit) const
  {
    return m_unitConverter.ConvUnit(eUnit, dValue, m_eUnitType);
  }
  double toUnit(double dValue, ELengthUnitType eUnit) const
  {
    return m_unitConverter.ConvUnit(m_eUnitType, dValue, eUnit);
  }
  double boundFromUnit(double dBound, ELengthUnitType eUnit) const
  {
    return ZuntCtrlDetail::ConvertBound(m_unitConverter, eUnit, dBound, m_eUnitType);
  }
  double boundToUnit(double dBound, ELengthUnitType eUnit) const
  {
    return ZuntCtrlDetail::ConvertBound(m_unitConverter, m_eUnitType, dBound, eUnit);
  }

  ELengthUnitType m_eUnitType;
  CLengthUnit m_unitConverter;  // based on millimetres
};
