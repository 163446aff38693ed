// The platform under the framework layer: Win32 on Windows, a small shim of the few Win32
// types and calls the portable core needs when it is built natively for sanitizers and fuzzing.
#pragma once

#ifdef _WIN32
#ifndef STRICT
#define STRICT
#endif
#include <windows.h>
#include <tchar.h>
#else
#include "native/WinShim.h"
#endif

// ZuntAfx.dll exports the framework layer's classes whole; natively it is a static library.
#if !defined(_WIN32)
#define ZUNTAFX_API
#elif defined(ZUNTAFX_BUILD)
#define ZUNTAFX_API __declspec(dllexport)
#else
#define ZUNTAFX_API __declspec(dllimport)
#endif

// An extension DLL exports its classes with AFX_EXT_CLASS when it defines _AFXEXT.
#if !defined(_WIN32)
#define AFX_EXT_CLASS
#elif defined(_AFXEXT)
#define AFX_EXT_CLASS __declspec(dllexport)
#else
#define AFX_EXT_CLASS __declspec(dllimport)
#endif
#define AFX_EXT_API  AFX_EXT_CLASS
#define AFX_EXT_DATA AFX_EXT_CLASS

#define AFXAPI __stdcall
#ifndef AFX_CDECL
#define AFX_CDECL __cdecl
#endif
