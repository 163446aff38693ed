// The framework's Windows part: modules and the resource chain; windows come later.
#pragma once
#include "afxcoll.h"
#include "AfxModule.h"
#include "AfxDlgInit.h"
