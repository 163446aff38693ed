// A numeric field for one angle in degrees or radians, shown with its unit's name ("90.00deg").
// The user may type a number followed by either unit's name, in any letter case.
#pragma once
#include "AngleUnit.h"
#include "UnitEdit.h"

class AFX_EXT_CLASS CAngleEdit : public CUnitEditT<EAngleUnitType, CAngleUnit>
{
  DECLARE_DYNAMIC(CAngleEdit)
public:
  explicit CAngleEdit(EAngleUnitType eUnitType = ANGLE_UNIT_DEG);
  ~CAngleEdit() override;
};
