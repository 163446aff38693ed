#include "CoordEdit.h"

IMPLEMENT_DYNAMIC(CCoordEdit, CSpinEdit)

CCoordEdit::CCoordEdit(ELengthUnitType eUnitType) : m_eUnitType(eUnitType), m_unitConverter(LENGTH_UNIT_MM)
{
  m_bPairMode = true;
  m_valueWork.SetCheckType(eUnitType);
}

CCoordEdit::~CCoordEdit() = default;

void CCoordEdit::SetUnitType(ELengthUnitType eUnitType)
{
  ELengthUnitType eOld = m_eUnitType;
  m_eUnitType = eUnitType;
  SetValue(m_valueWork.GetCxValue(), m_valueWork.GetCyValue(), eOld);
  SetRange(m_valueWork.GetDblMinValue(), m_valueWork.GetDblMaxValue(), eOld);
  m_valueWork.SetCheckType(eUnitType);
}

void CCoordEdit::SetRange(double const& dMin, double const& dMax, ELengthUnitType eUnit)
{
  m_valueWork.SetRange(boundFromUnit(dMin, eUnit), boundFromUnit(dMax, eUnit));
}

void CCoordEdit::SetValue(double const& dX, double const& dY, ELengthUnitType eUnit)
{
  InitNumExpression();
  setWindowText(m_valueWork.SetValue(fromUnit(dX, eUnit), fromUnit(dY, eUnit)));
}

void CCoordEdit::SetValue(double const& dX, double const& dY, CString const& strExpression, ELengthUnitType eUnit)
{
  if (strExpression.IsEmpty())
  {
    SetValue(dX, dY, eUnit);
    return;
  }
  m_valueWork.SetCxValue(fromUnit(dX, eUnit));
  m_valueWork.SetCyValue(fromUnit(dY, eUnit));
  bool bModified = m_bModified;
  showNumExpression(strExpression);
  m_bModified = bModified;
}

bool CCoordEdit::Set(double dX, double dY, bool bCheck, bool bQuiet)
{
  if (!admit(!bCheck || checkRange(dX, dY), bQuiet))
    return false;
  ELengthUnitType eTyped = m_valueWork.GetLenCheckType();
  SetValue(dX, dY, eTyped);
  return true;
}

bool CCoordEdit::checkRange(double dX, double dY)
{
  ELengthUnitType eTyped = m_valueWork.GetLenCheckType();
  return m_valueWork.checkRange(fromUnit(dX, eTyped)) && m_valueWork.checkRange(fromUnit(dY, eTyped));
}

void CCoordEdit::PreAnalyze()
{
  m_valueWork.SetCheckType(m_eUnitType);
  InitNumExpression();
}

CString CCoordEdit::changeValueToCheckRange(CString strValue)
{
  return m_valueWork.changeLenValToCheckRange(strValue, m_eUnitType);
}
