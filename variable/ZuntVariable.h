// ZuntVariable.dll: the variable library stand-in. It holds named length, angle and general
// variables, binds variables to expressions and reads texts into numbers.
#pragma once
#include "aCExpression.h"
#include "aCNumericalAnalyze.h"
#include "aCVariableBase.h"
#include "aCVariableExpression.h"
