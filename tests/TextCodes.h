// Texts written in UTF-8 in the test sources, turned into the library's code page 932.
#pragma once
#include <AfxPlatform.h>

#include <string>

inline std::string cp932(const char* utf8)
{
  WCHAR wide[1024];
  const int wideLength = ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, 1024);
  char bytes[2048];
  const int length = ::WideCharToMultiByte(932, 0, wide, wideLength, bytes, sizeof bytes, nullptr, nullptr);
  return length > 0 ? std::string(bytes, size_t(length - 1)) : std::string();
}
