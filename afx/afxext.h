// The framework's extension-DLL header: what an extension library and its hosts include.
#pragma once
#include "afxwin.h"
#include "AfxControlBar.h"
#ifndef ZUNTAFX_MFC_SURFACE
// Code written for this layer alone finds the docking internals here too; MFC has them in
// afxpriv.h only.
#include "afxpriv.h"
#endif
