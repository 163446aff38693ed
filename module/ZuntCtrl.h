// ZuntCtrl.dll: everything a host uses. Link ZuntCtrl (the import library names ZuntCtrl.dll).
#pragma once
#include "ZuntModule.h"
#include "Resource.h"
#include "Angle60.h"
#include "AngleUnit.h"
#include "LengthUnit.h"
#include "RoundOff.h"
#include "ValueWork.h"
#include "EnteredText.h"
#include "EnteredHistory.h"
#include "HistoryMap.h"
#ifdef _WIN32
#include "SpinEdit.h"
#include "DoubleEdit.h"
#include "IntegerEdit.h"
#include "LengthEdit.h"
#include "AngleEdit.h"
#include "CoordEdit.h"
#include "DataExchange.h"
#include "HistoryEnumString.h"
#include "ACEdit.h"
#include "ACComboBox.h"
#include "BmpMenu.h"
#endif
// A host that owns a palette or a tree option control handles these with ON_REGISTERED_MESSAGE.
#include "PaletteMessages.h"
#include "TreeOptionMessages.h"
