// The framework's collection templates.
#pragma once
#include "afxcoll.h"
#include "AfxTemplates.h"
