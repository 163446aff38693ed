// Lengths in six units, converted through one table of factors.
#pragma once
#include <afx.h>

// The order is that of the factor table and of the unit-name table of the value record.
enum ELengthUnitType : int  // fixed type: any int a host passes is a value, if not a unit
{
  LENGTH_UNIT_MM = 0,
  LENGTH_UNIT_CM = 1,
  LENGTH_UNIT_M = 2,
  LENGTH_UNIT_INCH = 3,
  LENGTH_UNIT_FEET = 4,
  LENGTH_UNIT_YARD = 5
};
const int LENGTH_UNIT_COUNT = 6;

class AFX_EXT_CLASS CLengthUnit
{
public:
  explicit CLengthUnit(const ELengthUnitType& eBaseType);
  CLengthUnit(const CLengthUnit& other);
  CLengthUnit& operator=(const CLengthUnit& other);
  bool operator==(const CLengthUnit& other) const;
  bool operator!=(const CLengthUnit& other) const;

  virtual ~CLengthUnit();
  virtual void SetBaseType(const ELengthUnitType& eBaseType);
  virtual ELengthUnitType GetBaseType() const;

  // A type outside the six units converts to 0.0, as for angles.
  double ConvUnit(const ELengthUnitType& eFrom, const double& dValue, const ELengthUnitType& eTo) const;
  double ConvBaseUnitTo(const double& dValue, const ELengthUnitType& eTo) const;
  double ConvToBaseUnit(const ELengthUnitType& eFrom, const double& dValue) const;

  // [i][j] for i < j: the size of unit j in unit i; the table is symmetric.
  static const double sm_acdFactors[LENGTH_UNIT_COUNT][LENGTH_UNIT_COUNT];

private:
  void copyData(const CLengthUnit& other);

  ELengthUnitType m_eBaseType;
};
