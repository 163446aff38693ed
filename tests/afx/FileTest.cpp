#include "Raises.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace
{

const char kPath[] = "zunt_file_test.bin";

int openCause(LPCTSTR path, UINT nFlags)
{
  CFile file;
  CFileException error;
  if (file.Open(path, nFlags, &error))
    return -1;
  return error.m_cause;
}

TEST(File, OpensCreatesReadsAndReportsCauses)
{
  std::remove(kPath);
  EXPECT_EQ(openCause(kPath, CFile::modeRead | CFile::shareDenyWrite), CFileException::fileNotFound);
  {
    CFile file(kPath, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyRead);
    file.Write("hello world", 11);
  }
  {
    CFile file(kPath, CFile::modeRead | CFile::shareDenyWrite);
    char text[32] = {};
    EXPECT_EQ(file.Read(text, sizeof text), 11u);
    EXPECT_STREQ(text, "hello world");
    EXPECT_EQ(file.Read(text, 5), 0u);  // at the end
#ifdef _WIN32
    // Deny-write sharing keeps a writer out while the file is open.
    EXPECT_EQ(openCause(kPath, CFile::modeWrite), CFileException::sharingViolation);
#endif
  }
  std::remove(kPath);
}

TEST(Time, FormatsInLocalTime)
{
  const CTime time(2024, 2, 29, 13, 5, 9);
  EXPECT_EQ(time.Format("%y/%m/%d %H:%M:%S"), CString("24/02/29 13:05:09"));
}

}  // namespace
