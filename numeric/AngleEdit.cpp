#include "AngleEdit.h"

IMPLEMENT_DYNAMIC(CAngleEdit, CDoubleEdit)

CAngleEdit::CAngleEdit(EAngleUnitType eUnitType) : CUnitEditT(eUnitType) {}

CAngleEdit::~CAngleEdit() = default;
