#include "LengthEdit.h"

IMPLEMENT_DYNAMIC(CLengthEdit, CDoubleEdit)

CLengthEdit::CLengthEdit(ELengthUnitType eUnitType) : CUnitEditT(eUnitType) {}

CLengthEdit::~CLengthEdit() = default;
