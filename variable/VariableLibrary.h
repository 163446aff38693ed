// ZuntVariable.dll: stand-in for the sibling library that holds named length, angle and
// general variables and analyses expressions. Its classes come with the numeric entry work.
#pragma once
#include <AfxPlatform.h>

#if !defined(_WIN32)
#  define ZUNTVARIABLE_API
#elif defined(ZUNTVARIABLE_BUILD)
#  define ZUNTVARIABLE_API __declspec(dllexport)
#else
#  define ZUNTVARIABLE_API __declspec(dllimport)
#endif

// The version of the variable library's interface that this stand-in provides.
extern "C" ZUNTVARIABLE_API int ZuntVariableInterfaceVersion();
