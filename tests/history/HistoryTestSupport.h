// Shared pieces of the history tests: a scratch folder with backslash paths, the debugger
// output of a block of code, and files as bytes.
#pragma once
#include "HistoryDescription.h"

#include <functional>
#include <string>
#include <vector>

typedef std::vector<BYTE> Bytes;

// A new empty folder, removed with everything in it at the end. Paths below it are written
// with backslashes, as a Windows host writes them.
class CScratchFolder
{
public:
  CScratchFolder();
  ~CScratchFolder();
  std::string Path(const char* pszRelative = nullptr) const;

private:
  std::string m_root;
};

// What the code wrote with OutputDebugStringA while it ran.
std::string DebugOutputOf(const std::function<void()>& code);

// Whether a file or folder is there; the path may use backslashes.
bool Exists(const std::string& path);
Bytes ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const Bytes& bytes);
