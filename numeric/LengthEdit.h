// A numeric field for one length, shown with its unit's name ("12.50mm"). The user may type a
// number followed by any length unit's name, in any letter case.
#pragma once
#include "LengthUnit.h"
#include "UnitEdit.h"

class AFX_EXT_CLASS CLengthEdit : public CUnitEditT<ELengthUnitType, CLengthUnit>
{
  DECLARE_DYNAMIC(CLengthEdit)
public:
  explicit CLengthEdit(ELengthUnitType eUnitType = LENGTH_UNIT_MM);
  ~CLengthEdit() override;
};
