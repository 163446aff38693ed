#include "AngleUnit.h"

namespace
{

// The degree-to-radian factor has 15 significant digits, not the double nearest to pi/180;
// stored values depend on it.
const double kDegreeToRadian = 0.017453292519943;
const double kRadianToDegree = 57.29577951308232;

}  // namespace

CAngleUnit::CAngleUnit(const EAngleUnitType& eBaseType) : m_eBaseType(eBaseType) {}

CAngleUnit::CAngleUnit(const CAngleUnit& other) : m_eBaseType(other.m_eBaseType) {}

CAngleUnit::~CAngleUnit() {}

CAngleUnit& CAngleUnit::operator=(const CAngleUnit& other)
{
  if (this != &other)
    copyData(other);
  return *this;
}

bool CAngleUnit::operator==(const CAngleUnit& other) const { return m_eBaseType == other.m_eBaseType; }

bool CAngleUnit::operator!=(const CAngleUnit& other) const { return !(*this == other); }

void CAngleUnit::copyData(const CAngleUnit& other) { m_eBaseType = other.m_eBaseType; }

void CAngleUnit::SetBaseType(const EAngleUnitType& eBaseType) { m_eBaseType = eBaseType; }

EAngleUnitType CAngleUnit::GetBaseType() const { return m_eBaseType; }

double CAngleUnit::ConvUnit(const EAngleUnitType& eFrom, const double& dValue, const EAngleUnitType& eTo) const
{
  const bool fromKnown = eFrom == ANGLE_UNIT_DEG || eFrom == ANGLE_UNIT_RAD;
  const bool toKnown = eTo == ANGLE_UNIT_DEG || eTo == ANGLE_UNIT_RAD;
  if (!fromKnown || !toKnown)
    return 0.0;
  if (eFrom == eTo)
    return dValue;
  return eFrom == ANGLE_UNIT_DEG ? DegToRad(dValue) : RadToDeg(dValue);
}

double CAngleUnit::ConvBaseUnitTo(const double& dValue, const EAngleUnitType& eTo) const
{
  return ConvUnit(GetBaseType(), dValue, eTo);
}

double CAngleUnit::ConvToBaseUnit(const EAngleUnitType& eFrom, const double& dValue) const
{
  return ConvUnit(eFrom, dValue, GetBaseType());
}

double CAngleUnit::RadToDeg(double dRadian) const { return dRadian * kRadianToDegree; }

double CAngleUnit::DegToRad(double dDegree) const { return dDegree * kDegreeToRadian; }
