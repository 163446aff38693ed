// The few Win32 types and calls that the portable core uses, for its native (Linux) build:
// sanitizers, fuzzing and benchmarks. Each call behaves as its Win32 namesake does for the
// arguments the core passes; the ANSI code page is 932, as under the project's Wine.
#pragma once

#include <cstddef>
#include <cstdint>

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef uint32_t UINT;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef int64_t LONGLONG;
typedef uint64_t ULONGLONG;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t ULONG_PTR;
typedef uintptr_t DWORD_PTR;
typedef size_t SIZE_T;
typedef int32_t SCODE;
typedef int32_t HRESULT;
typedef char CHAR;
typedef char TCHAR;
typedef char16_t WCHAR;
typedef CHAR* LPSTR;
typedef const CHAR* LPCSTR;
typedef TCHAR* LPTSTR;
typedef const TCHAR* LPCTSTR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef void* HANDLE;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;

#define TRUE  1
#define FALSE 0
#define _T(x) x
#define WINAPI
#define __stdcall
#define __cdecl

#define CP_ACP  0
#define CP_UTF8 65001

#define INVALID_HANDLE_VALUE     ((HANDLE)(intptr_t)-1)
#define INVALID_FILE_SIZE        ((DWORD)0xFFFFFFFF)
#define INVALID_SET_FILE_POINTER ((DWORD)-1)
#define GENERIC_READ             0x80000000u
#define GENERIC_WRITE            0x40000000u
#define FILE_SHARE_READ          0x1u
#define FILE_SHARE_WRITE         0x2u
#define CREATE_NEW               1
#define CREATE_ALWAYS            2
#define OPEN_EXISTING            3
#define OPEN_ALWAYS              4
#define FILE_ATTRIBUTE_NORMAL    0x80u
#define FILE_BEGIN               0
#define FILE_CURRENT             1
#define FILE_END                 2

#define ERROR_SUCCESS              0
#define ERROR_FILE_NOT_FOUND       2
#define ERROR_PATH_NOT_FOUND       3
#define ERROR_TOO_MANY_OPEN_FILES  4
#define ERROR_ACCESS_DENIED        5
#define ERROR_INVALID_HANDLE       6
#define ERROR_NOT_ENOUGH_MEMORY    8
#define ERROR_INVALID_DRIVE        15
#define ERROR_WRITE_PROTECT        19
#define ERROR_SHARING_VIOLATION    32
#define ERROR_LOCK_VIOLATION       33
#define ERROR_HANDLE_EOF           38
#define ERROR_HANDLE_DISK_FULL     39
#define ERROR_FILE_EXISTS          80
#define ERROR_INVALID_PARAMETER    87
#define ERROR_DISK_FULL            112
#define ERROR_NEGATIVE_SEEK        131
#define ERROR_DIR_NOT_EMPTY        145
#define ERROR_ALREADY_EXISTS       183
#define ERROR_FILENAME_EXCED_RANGE 206

#define E_FAIL        ((HRESULT)0x80004005)
#define E_OUTOFMEMORY ((HRESULT)0x8007000E)
#define E_INVALIDARG  ((HRESULT)0x80070057)

typedef union _LARGE_INTEGER
{
  struct
  {
    DWORD LowPart;
    LONG HighPart;
  };
  LONGLONG QuadPart;
} LARGE_INTEGER;

DWORD GetLastError();
void SetLastError(DWORD dwError);

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int length, LPWSTR wide, int wideLength);
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR text, int length,
                        LPCSTR defaultChar, BOOL* usedDefault);
BOOL IsDBCSLeadByte(BYTE c);

// Files: share modes are accepted and not enforced. In paths a backslash separates folders, as
// on Windows (the trail byte of a double-byte character is no separator).
HANDLE CreateFileA(LPCSTR name, DWORD access, DWORD share, void* security, DWORD creation, DWORD flags,
                   HANDLE templateFile);
BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD count, DWORD* read, void* overlapped);
BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD count, DWORD* written, void* overlapped);
BOOL SetFilePointerEx(HANDLE file, LARGE_INTEGER distance, LARGE_INTEGER* newPosition, DWORD method);
BOOL GetFileSizeEx(HANDLE file, LARGE_INTEGER* size);
BOOL SetEndOfFile(HANDLE file);
BOOL FlushFileBuffers(HANDLE file);
BOOL CloseHandle(HANDLE handle);
BOOL DeleteFileA(LPCSTR name);
BOOL CreateDirectoryA(LPCSTR name, void* security);

// The C run-time's file status under its Windows name: 0 when the path exists.
struct _stat
{
  unsigned int st_mode;
  int64_t st_size;
};
int _stat(const char* path, struct _stat* status);

LONG InterlockedIncrement(LONG volatile* value);
LONG InterlockedDecrement(LONG volatile* value);

// Natively a debugger's output is a hook that tests set; without one the text goes to stderr.
void OutputDebugStringA(LPCSTR text);
typedef void (*WinShimDebugOutput)(LPCSTR text);
WinShimDebugOutput WinShimSetDebugOutput(WinShimDebugOutput hook);

// Natively no module holds a string table: strings are registered under a module handle.
int LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int length);
void WinShimRegisterString(HINSTANCE module, UINT id, LPCSTR text);
