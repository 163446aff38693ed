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

}  // namespace

// A folder of its own under the temporary folder: the clock tells runs apart.
CScratchFolder::CScratchFolder()
{
  static int s_nCount = 0;
  const std::string prefix =
      "zunt-history-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  std::filesystem::path folder;
  do
    folder = std::filesystem::temp_directory_path() / (prefix + "-" + std::to_string(++s_nCount));
  while (!std::filesystem::create_directory(folder));
  m_root = folder.string();
}

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
#ifdef _WIN32
  void* pHandler = ::AddVectoredExceptionHandler(1, catchDebugOutput);
  code();
  ::RemoveVectoredExceptionHandler(pHandler);
#else
  const WinShimDebugOutput previous = WinShimSetDebugOutput(catchDebugOutput);
  code();
  WinShimSetDebugOutput(previous);
#endif
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
