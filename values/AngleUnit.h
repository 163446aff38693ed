// Angles in degrees or radians.
#pragma once
#include <afx.h>

enum EAngleUnitType : int
{
  ANGLE_UNIT_DEG = 0,
  ANGLE_UNIT_RAD = 1
};
const int ANGLE_UNIT_COUNT = 2;

class AFX_EXT_CLASS CAngleUnit
{
public:
  explicit CAngleUnit(const EAngleUnitType& eBaseType);
  CAngleUnit(const CAngleUnit& other);
  CAngleUnit& operator=(const CAngleUnit& other);
  bool operator==(const CAngleUnit& other) const;
  bool operator!=(const CAngleUnit& other) const;

  virtual ~CAngleUnit();
  virtual void SetBaseType(const EAngleUnitType& eBaseType);
  virtual EAngleUnitType GetBaseType() const;

  // A pair of types outside degree and radian converts to 0.0.
  double ConvUnit(const EAngleUnitType& eFrom, const double& dValue, const EAngleUnitType& eTo) const;
  double ConvBaseUnitTo(const double& dValue, const EAngleUnitType& eTo) const;
  double ConvToBaseUnit(const EAngleUnitType& eFrom, const double& dValue) const;
  double RadToDeg(double dRadian) const;
  double DegToRad(double dDegree) const;

private:
  void copyData(const CAngleUnit& other);

  EAngleUnitType m_eBaseType;
};
