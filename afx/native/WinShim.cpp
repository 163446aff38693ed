#include "WinShim.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iconv.h>
#include <map>
#include <mutex>
#include <string>
#include <unistd.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace
{

thread_local DWORD lastError = ERROR_SUCCESS;

DWORD errorFromErrno(int error)
{
  switch (error)
  {
  case ENOENT:
    return ERROR_FILE_NOT_FOUND;
  case ENOTDIR:
    return ERROR_PATH_NOT_FOUND;
  case EMFILE:
  case ENFILE:
    return ERROR_TOO_MANY_OPEN_FILES;
  case EACCES:
  case EPERM:
  case EISDIR:
    return ERROR_ACCESS_DENIED;
  case EBADF:
    return ERROR_INVALID_HANDLE;
  case ENOMEM:
    return ERROR_NOT_ENOUGH_MEMORY;
  case EROFS:
    return ERROR_WRITE_PROTECT;
  case ENOSPC:
    return ERROR_DISK_FULL;
  case EEXIST:
    return ERROR_FILE_EXISTS;
  case ENAMETOOLONG:
    return ERROR_FILENAME_EXCED_RANGE;
  case ENOTEMPTY:
    return ERROR_DIR_NOT_EMPTY;
  default:
    return ERROR_INVALID_PARAMETER;
  }
}

BOOL fail(int error)
{
  lastError = errorFromErrno(error);
  return FALSE;
}

const char* charsetOf(UINT codePage) { return codePage == CP_UTF8 ? "UTF-8" : "CP932"; }

// One conversion through iconv; -1 for input the code page cannot hold.
long convert(const char* to, const char* from, const char* in, size_t inBytes, char* out, size_t outBytes)
{
  iconv_t cd = iconv_open(to, from);
  if (cd == (iconv_t)-1)
    return -1;
  char* input = const_cast<char*>(in);
  char* output = out;
  size_t left = outBytes;
  const size_t result = iconv(cd, &input, &inBytes, &output, &left);
  iconv_close(cd);
  if (result == size_t(-1))
    return -1;
  return long(outBytes - left);
}

template <typename Char>
size_t lengthWithTerminator(const Char* text, int length)
{
  if (length >= 0)
    return size_t(length);
  size_t n = 0;
  while (text[n])
    ++n;
  return n + 1;
}

// Counting (a zero output length) converts into scratch space big enough for any result.
template <typename Out>
int convertCounted(const char* to, const char* from, const char* in, size_t inBytes, Out* out, int outLength,
                   size_t maxOutUnits)
{
  std::string scratch;
  char* target = reinterpret_cast<char*>(out);
  size_t capacity = size_t(outLength) * sizeof(Out);
  if (outLength == 0)
  {
    scratch.resize(maxOutUnits * sizeof(Out) + 4);
    target = &scratch[0];
    capacity = scratch.size();
  }
  const long bytes = convert(to, from, in, inBytes, target, capacity);
  if (bytes < 0)
  {
    lastError = outLength == 0 ? ERROR_INVALID_PARAMETER : 122;  // ERROR_INSUFFICIENT_BUFFER
    return 0;
  }
  return int(size_t(bytes) / sizeof(Out));
}

// Windows separates folders with either slash; the trail byte of a double-byte character is
// part of its character.
std::string nativePath(LPCSTR name)
{
  std::string path(name);
  for (size_t i = 0; i < path.size(); ++i)
  {
    if (IsDBCSLeadByte(BYTE(path[i])) && i + 1 < path.size())
      ++i;
    else if (path[i] == '\\')
      path[i] = '/';
  }
  return path;
}

int fdOf(HANDLE handle) { return int(reinterpret_cast<intptr_t>(handle) - 1); }

std::mutex stringsLock;
std::map<std::pair<HINSTANCE, UINT>, std::string>& strings()
{
  static std::map<std::pair<HINSTANCE, UINT>, std::string> table;
  return table;
}

void toStderr(LPCSTR text) { std::fputs(text, stderr); }

WinShimDebugOutput debugOutput = toStderr;

}  // namespace

DWORD GetLastError() { return lastError; }

void SetLastError(DWORD dwError) { lastError = dwError; }

int MultiByteToWideChar(UINT codePage, DWORD, LPCSTR text, int length, LPWSTR wide, int wideLength)
{
  const size_t bytes = lengthWithTerminator(text, length);
  return convertCounted("UTF-16LE", charsetOf(codePage), text, bytes, wide, wideLength, bytes);
}

int WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR wide, int wideLength, LPSTR text, int length, LPCSTR,
                        BOOL* usedDefault)
{
  if (usedDefault)
    *usedDefault = FALSE;
  const size_t units = lengthWithTerminator(wide, wideLength);
  return convertCounted(charsetOf(codePage), "UTF-16LE", reinterpret_cast<const char*>(wide), units * sizeof(WCHAR),
                        text, length, units * 4);
}

BOOL IsDBCSLeadByte(BYTE c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

HANDLE CreateFileA(LPCSTR name, DWORD access, DWORD, void*, DWORD creation, DWORD, HANDLE)
{
  int flags = (access & GENERIC_WRITE) ? ((access & GENERIC_READ) ? O_RDWR : O_WRONLY) : O_RDONLY;
  switch (creation)
  {
  case CREATE_NEW:
    flags |= O_CREAT | O_EXCL;
    break;
  case CREATE_ALWAYS:
    flags |= O_CREAT | O_TRUNC;
    break;
  case OPEN_ALWAYS:
    flags |= O_CREAT;
    break;
  default:
    break;
  }
  const int fd = ::open(nativePath(name).c_str(), flags | O_CLOEXEC, 0644);
  if (fd < 0)
  {
    fail(errno);
    return INVALID_HANDLE_VALUE;
  }
  struct stat info;
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode))
  {
    ::close(fd);
    fail(EISDIR);
    return INVALID_HANDLE_VALUE;
  }
  return reinterpret_cast<HANDLE>(intptr_t(fd) + 1);
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD count, DWORD* read, void*)
{
  const ssize_t n = ::read(fdOf(file), buffer, count);
  if (n < 0)
    return fail(errno);
  *read = DWORD(n);
  return TRUE;
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD count, DWORD* written, void*)
{
  const ssize_t n = ::write(fdOf(file), buffer, count);
  if (n < 0)
    return fail(errno);
  *written = DWORD(n);
  return TRUE;
}

BOOL SetFilePointerEx(HANDLE file, LARGE_INTEGER distance, LARGE_INTEGER* newPosition, DWORD method)
{
  const int whence = method == FILE_BEGIN ? SEEK_SET : (method == FILE_CURRENT ? SEEK_CUR : SEEK_END);
  const off_t position = ::lseek(fdOf(file), off_t(distance.QuadPart), whence);
  if (position < 0)
  {
    lastError = errno == EINVAL ? ERROR_NEGATIVE_SEEK : errorFromErrno(errno);
    return FALSE;
  }
  if (newPosition)
    newPosition->QuadPart = position;
  return TRUE;
}

BOOL GetFileSizeEx(HANDLE file, LARGE_INTEGER* size)
{
  struct stat info;
  if (::fstat(fdOf(file), &info) != 0)
    return fail(errno);
  size->QuadPart = info.st_size;
  return TRUE;
}

BOOL SetEndOfFile(HANDLE file)
{
  const off_t position = ::lseek(fdOf(file), 0, SEEK_CUR);
  if (position < 0 || ::ftruncate(fdOf(file), position) != 0)
    return fail(errno);
  return TRUE;
}

BOOL FlushFileBuffers(HANDLE file) { return ::fsync(fdOf(file)) == 0 ? TRUE : fail(errno); }

BOOL CloseHandle(HANDLE handle) { return ::close(fdOf(handle)) == 0 ? TRUE : fail(errno); }

BOOL DeleteFileA(LPCSTR name) { return ::unlink(nativePath(name).c_str()) == 0 ? TRUE : fail(errno); }

BOOL CreateDirectoryA(LPCSTR name, void*)
{
  if (::mkdir(nativePath(name).c_str(), 0755) == 0)
    return TRUE;
  lastError = errno == EEXIST ? ERROR_ALREADY_EXISTS : errno == ENOENT ? ERROR_PATH_NOT_FOUND : errorFromErrno(errno);
  return FALSE;
}

int _stat(const char* path, struct _stat* status)
{
  struct stat info;
  if (::stat(nativePath(path).c_str(), &info) != 0)
    return -1;
  status->st_mode = info.st_mode;
  status->st_size = info.st_size;
  return 0;
}

LONG InterlockedIncrement(LONG volatile* value) { return __atomic_add_fetch(value, 1, __ATOMIC_SEQ_CST); }

LONG InterlockedDecrement(LONG volatile* value) { return __atomic_sub_fetch(value, 1, __ATOMIC_SEQ_CST); }

void OutputDebugStringA(LPCSTR text) { debugOutput(text); }

WinShimDebugOutput WinShimSetDebugOutput(WinShimDebugOutput hook)
{
  const WinShimDebugOutput previous = debugOutput;
  debugOutput = hook ? hook : toStderr;
  return previous;
}

// As on Windows: the text is cut to fit the buffer with its terminator; 0 when missing.
int LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int length)
{
  std::lock_guard<std::mutex> guard(stringsLock);
  const auto found = strings().find({module, id});
  if (found == strings().end() || length <= 0)
  {
    if (length > 0)
      buffer[0] = '\0';
    lastError = 1814;  // ERROR_RESOURCE_NAME_NOT_FOUND
    return 0;
  }
  const size_t n = std::min(found->second.size(), size_t(length - 1));
  std::memcpy(buffer, found->second.data(), n);
  buffer[n] = '\0';
  return int(n);
}

void WinShimRegisterString(HINSTANCE module, UINT id, LPCSTR text)
{
  std::lock_guard<std::mutex> guard(stringsLock);
  strings()[{module, id}] = text;
}
