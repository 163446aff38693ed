// The framework's collections.
#pragma once
#include "afx.h"
#include "AfxArray.h"
#include "AfxList.h"
#include "AfxMap.h"
#ifndef ZUNTAFX_MFC_SURFACE
// Code written for this layer alone finds the templates here too; MFC has them in afxtempl.h only.
#include "AfxTemplates.h"
#endif
