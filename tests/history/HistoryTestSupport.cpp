#include "HistoryTestSupport.h"

#include <chrono>
#include <filesystem>

#include <sys/stat.h>

namespace
{

std::string g_debugOutput;

#ifdef _WIN32
// OutputDebugStringA raises DBG_PRINTEXCEPTION_C with the text's length and address; a vectored
// handler sees it before any debugger or frame handler would.
LONG CALLBACK catchDebugOutput(EXCEPTION_POINTERS* pInfo)
{
  const EXCEPTION_RECORD* pRecord = pInfo->ExceptionRecord;
  if (pRecord->ExceptionCode != DBG_PRINTEXCEPTION_C || pRecord->NumberParameters < 2)
    return EXCEPTION_CONTINUE_SEARCH;
  const size_t nLength = size_t(pRecord->ExceptionInformation[0]);
  const char* pszText = reinterpret_cast<const char*>(pRecord->ExceptionInformation[1]);
  g_debugOutput.append(pszText, nLength ? nLength - 1 : 0);
  return EXCEPTION_CONTINUE_EXECUTION;
}
#else
void catchDebugOutput(LPCSTR pszText) { g_debugOutput += pszText; }
#endif

// Sends the debugger output to g_debugOutput while it lives.
class CDebugOutputHook
{
public:
#ifdef _WIN32
  CDebugOutputHook() : m_pHandler(::AddVectoredExceptionHandler(1, catchDebugOutput)) {}
  ~CDebugOutputHook() { ::RemoveVectoredExceptionHandler(m_pHandler); }

private:
  void* m_pHandler;
#else
  CDebugOutputHook() : m_previous(WinShimSetDebugOutput(catchDebugOutput)) {}
  ~CDebugOutputHook() { WinShimSetDebugOutput(m_previous); }

private:
  WinShimDebugOutput m_previous;
#endif
};

// A folder of its own under the temporary folder: the clock tells runs apart.
std::string newScratchFolder()
{
  static int s_nCount = 0;
  const std::string prefix =
      "zunt-history-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  std::filesystem::path folder;
  do
    folder = std::filesystem::temp_directory_path() / (prefix + "-" + std::to_string(++s_nCount));
  while (!std::filesystem::create_directory(folder));
  return folder.string();
}

}  // namespace

CScratchFolder::CScratchFolder() : m_root(newScratchFolder()) {}

CScratchFolder::~CScratchFolder()
{
  std::error_code error;
  std::filesystem::remove_all(m_root, error);
}

std::string CScratchFolder::Path(const char* pszRelative) const
{
  return pszRelative ? m_root + "\\" + pszRelative : m_root;
}

std::string DebugOutputOf(const std::function<void()>& code)
{
  g_debugOutput.clear();
  CDebugOutputHook hook;
  code();
  return g_debugOutput;
}

bool Exists(const std::string& path)
{
  struct _stat status;
  return _stat(path.c_str(), &status) == 0;
}

Bytes ReadFileBytes(const std::string& path)
{
  CFile file(path.c_str(), CFile::modeRead);
  Bytes bytes(size_t(file.GetLength()));
  file.Read(bytes.data(), UINT(bytes.size()));
  return bytes;
}

void WriteFileBytes(const std::string& path, const Bytes& bytes)
{
  CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
  file.Write(bytes.data(), UINT(bytes.size()));
}
