// The framework's collections.
#pragma once
#include "afx.h"
#include "AfxArray.h"
#include "AfxList.h"
#include "AfxMap.h"
