// Checks of the caller's side of a contract: compiled out with NDEBUG, like the framework's.
#pragma once
#include <cassert>

#ifndef ASSERT
#define ASSERT(f) assert(f)
#endif
// Evaluates its argument in every build, checks it only where ASSERT checks.
#ifndef VERIFY
#ifdef NDEBUG
#define VERIFY(f) ((void)(f))
#else
#define VERIFY(f) assert(f)
#endif
#endif
