// ZuntVariable.dll exports its classes whole; natively it is a static library.
#pragma once
#include <afx.h>

#if !defined(_WIN32)
#define ZUNTVARIABLE_API
#elif defined(ZUNTVARIABLE_BUILD)
#define ZUNTVARIABLE_API __declspec(dllexport)
#else
#define ZUNTVARIABLE_API __declspec(dllimport)
#endif
