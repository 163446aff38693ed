// The framework's header for the one source of an extension DLL that holds its entry point. MFC
// defines a raw entry point here that gives the DLL's run-time classes to its own module; this
// layer keeps one class registry for the process, so a DLL needs nothing more than DllMain.
#pragma once
#include "afxwin.h"
