#include "LengthUnit.h"

namespace
{

bool isLengthUnit(ELengthUnitType eType) { return eType >= LENGTH_UNIT_MM && eType <= LENGTH_UNIT_YARD; }

}  // namespace

const double CLengthUnit::sm_acdFactors[LENGTH_UNIT_COUNT][LENGTH_UNIT_COUNT] = {
    {1.0, 10.0, 1000.0, 25.4, 304.8, 914.4},      {10.0, 1.0, 100.0, 2.54, 30.48, 91.44},
    {1000.0, 100.0, 1.0, 0.0254, 0.3048, 0.9144}, {25.4, 2.54, 0.0254, 1.0, 12.0, 36.0},
    {304.8, 30.48, 0.3048, 12.0, 1.0, 3.0},       {914.4, 91.44, 0.9144, 36.0, 3.0, 1.0},
};

CLengthUnit::CLengthUnit(const ELengthUnitType& eBaseType) : m_eBaseType(eBaseType) {}

CLengthUnit::CLengthUnit(const CLengthUnit& other) : m_eBaseType(other.m_eBaseType) {}

CLengthUnit::~CLengthUnit() {}

CLengthUnit& CLengthUnit::operator=(const CLengthUnit& other)
{
  if (this != &other)
    copyData(other);
  return *this;
}

bool CLengthUnit::operator==(const CLengthUnit& other) const { return m_eBaseType == other.m_eBaseType; }

bool CLengthUnit::operator!=(const CLengthUnit& other) const { return !(*this == other); }

void CLengthUnit::copyData(const CLengthUnit& other) { m_eBaseType = other.m_eBaseType; }

void CLengthUnit::SetBaseType(const ELengthUnitType& eBaseType) { m_eBaseType = eBaseType; }

ELengthUnitType CLengthUnit::GetBaseType() const { return m_eBaseType; }

// Towards a larger unit the value is divided by the factor, towards a smaller one multiplied:
// metres to inches is v / 0.0254, inches to metres 0.0254 * v.
double CLengthUnit::ConvUnit(const ELengthUnitType& eFrom, const double& dValue, const ELengthUnitType& eTo) const
{
  if (!isLengthUnit(eFrom) || !isLengthUnit(eTo))
    return 0.0;
  if (eFrom == eTo)
    return dValue;
  const double factor = sm_acdFactors[eFrom][eTo];
  return eFrom < eTo ? dValue / factor : factor * dValue;
}

double CLengthUnit::ConvBaseUnitTo(const double& dValue, const ELengthUnitType& eTo) const
{
  return ConvUnit(GetBaseType(), dValue, eTo);
}

double CLengthUnit::ConvToBaseUnit(const ELengthUnitType& eFrom, const double& dValue) const
{
  return ConvUnit(eFrom, dValue, GetBaseType());
}
