#include "UnitEdit.h"

#include <cstdlib>

namespace
{
// The value record keeps one check type per kind of unit.
ELengthUnitType checkTypeOf(const CValueWork& valueWork, ELengthUnitType) { return valueWork.GetLenCheckType(); }

EAngleUnitType checkTypeOf(const CValueWork& valueWork, EAngleUnitType) { return valueWork.GetAngCheckType(); }

CString stripUnitName(CValueWork& valueWork, const CString& strValue, ELengthUnitType eDefault)
{
  return valueWork.changeLenValToCheckRange(strValue, eDefault);
}

CString stripUnitName(CValueWork& valueWork, const CString& strValue, EAngleUnitType eDefault)
{
  return valueWork.changeAngValToCheckRange(strValue, eDefault);
}
}

template <class TUnitType, class TUnitConverter>
CUnitEditT<TUnitType, TUnitConverter>::CUnitEditT(TUnitType eUnitType)
    : m_eUnitType(eUnitType), m_unitConverter(TUnitType(0))
{
  m_valueWork.SetCheckType(eUnitType);
}

template <class TUnitType, class TUnitConverter>
CUnitEditT<TUnitType, TUnitConverter>::~CUnitEditT() = default;

template <class TUnitType, class TUnitConverter>
TUnitType CUnitEditT<TUnitType, TUnitConverter>::GetUnitType()
{
  return m_eUnitType;
}

template <class TUnitType, class TUnitConverter>
void CUnitEditT<TUnitType, TUnitConverter>::SetUnitType(TUnitType eUnitType)
{
  TUnitType eOld = m_eUnitType;
  m_eUnitType = eUnitType;
  SetValue(CDoubleEdit::GetValue(), eOld);
  SetRange(CDoubleEdit::GetMinValue(), CDoubleEdit::GetMaxValue(), eOld);
  m_dSpinInc = fromUnit(m_dSpinInc, eOld);
  m_valueWork.SetCheckType(eUnitType);
}

template <class TUnitType, class TUnitConverter>
double CUnitEditT<TUnitType, TUnitConverter>::GetValue(TUnitType eUnit) const
{
  return toUnit(CDoubleEdit::GetValue(), eUnit);
}

template <class TUnitType, class TUnitConverter>
double CUnitEditT<TUnitType, TUnitConverter>::GetMinValue(TUnitType eUnit) const
{
  return boundToUnit(CDoubleEdit::GetMinValue(), eUnit);
}

template <class TUnitType, class TUnitConverter>
double CUnitEditT<TUnitType, TUnitConverter>::GetMaxValue(TUnitType eUnit) const
{
  return boundToUnit(CDoubleEdit::GetMaxValue(), eUnit);
}

template <class TUnitType, class TUnitConverter>
double CUnitEditT<TUnitType, TUnitConverter>::GetSpinInc(TUnitType eUnit) const
{
  return toUnit(m_dSpinInc, eUnit);
}

template <class TUnitType, class TUnitConverter>
void CUnitEditT<TUnitType, TUnitConverter>::SetMinRange(double const& dMin, TUnitType eUnit)
{
  CDoubleEdit::SetMinRange(boundFromUnit(dMin, eUnit));
}

template <class TUnitType, class TUnitConverter>
void CUnitEditT<TUnitType, TUnitConverter>::SetMaxRange(double const& dMax, TUnitType eUnit)
{
  CDoubleEdit::SetMaxRange(boundFromUnit(dMax, eUnit));
}

template <class TUnitType, class TUnitConverter>
void CUnitEditT<TUnitType, TUnitConverter>::SetRange(double const& dMin, double const& dMax, TUnitType eUnit)
{
  CDoubleEdit::SetRange(boundFromUnit(dMin, eUnit), boundFromUnit(dMax, eUnit));
}

template <class TUnitType, class TUnitConverter>
void CUnitEditT<TUnitType, TUnitConverter>::SetSpinInc(double dSpinInc, TUnitType eUnit)
{
  m_dSpinInc = fromUnit(dSpinInc, eUnit);
}

template <class TUnitType, class TUnitConverter>
void CUnitEditT<TUnitType, TUnitConverter>::SetValue(double const& dValue, TUnitType eUnit)
{
  InitNumExpression();
  double dShown = fromUnit(dValue, eUnit);
  setWindowText(m_valueWork.SetValue(dShown) + m_valueWork.GetUnitString(m_eUnitType));
}

template <class TUnitType, class TUnitConverter>
void CUnitEditT<TUnitType, TUnitConverter>::SetValue(double const& dValue, CString const& strExpression,
                                                     TUnitType eUnit)
{
  if (strExpression.IsEmpty())
    SetValue(dValue, eUnit);
  else
    CDoubleEdit::SetValue(fromUnit(dValue, eUnit), strExpression);
}

template <class TUnitType, class TUnitConverter>
bool CUnitEditT<TUnitType, TUnitConverter>::Set(double dValue, bool bCheck, bool bQuiet)
{
  if (!admit(!bCheck || checkRange(dValue), bQuiet))
    return false;
  SetValue(dValue, checkType());
  return true;
}

template <class TUnitType, class TUnitConverter>
void CUnitEditT<TUnitType, TUnitConverter>::OnDeltapos(NMHDR* pNMHDR, LRESULT* pResult)
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

template <class TUnitType, class TUnitConverter>
bool CUnitEditT<TUnitType, TUnitConverter>::checkRange(double dValue)
{
  return m_valueWork.checkRange(fromUnit(dValue, checkType()));
}

template <class TUnitType, class TUnitConverter>
void CUnitEditT<TUnitType, TUnitConverter>::PreAnalyze()
{
  m_valueWork.SetCheckType(m_eUnitType);
  InitNumExpression();
}

template <class TUnitType, class TUnitConverter>
CString CUnitEditT<TUnitType, TUnitConverter>::changeValueToCheckRange(CString strValue)
{
  return stripUnitName(m_valueWork, strValue, m_eUnitType);
}

template <class TUnitType, class TUnitConverter>
TUnitType CUnitEditT<TUnitType, TUnitConverter>::checkType() const
{
  return checkTypeOf(m_valueWork, m_eUnitType);
}

template <class TUnitType, class TUnitConverter>
double CUnitEditT<TUnitType, TUnitConverter>::fromUnit(double dValue, TUnitType eUnit) const
{
  return m_unitConverter.ConvUnit(eUnit, dValue, m_eUnitType);
}

template <class TUnitType, class TUnitConverter>
double CUnitEditT<TUnitType, TUnitConverter>::toUnit(double dValue, TUnitType eUnit) const
{
  return m_unitConverter.ConvUnit(m_eUnitType, dValue, eUnit);
}

template <class TUnitType, class TUnitConverter>
double CUnitEditT<TUnitType, TUnitConverter>::boundFromUnit(double dBound, TUnitType eUnit) const
{
  return ZuntCtrlDetail::ConvertBound(m_unitConverter, eUnit, dBound, m_eUnitType);
}

template <class TUnitType, class TUnitConverter>
double CUnitEditT<TUnitType, TUnitConverter>::boundToUnit(double dBound, TUnitType eUnit) const
{
  return ZuntCtrlDetail::ConvertBound(m_unitConverter, m_eUnitType, dBound, eUnit);
}

template class CUnitEditT<ELengthUnitType, CLengthUnit>;
template class CUnitEditT<EAngleUnitType, CAngleUnit>;
