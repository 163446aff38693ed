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
  EXPECT_EQ(CauseOf<CFileException>([] { CFile missing(kPath, CFile::modeRead); }), CFileException::fileNotFound);
  {
    CFile file(kPath, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyRead);
    file.Write("hello world", 11);
    EXPECT_EQ(file.GetLength(), 11u);
    EXPECT_EQ(file.GetFileName(), CString(kPath));
  }
  {
    CFile file(kPath, CFile::modeRead | CFile::shareDenyWrite);
    char text[32] = {};
    EXPECT_EQ(file.Read(text, sizeof text), 11u);
    EXPECT_STREQ(text, "hello world");
    EXPECT_EQ(file.Seek(6, CFile::begin), 6u);
    EXPECT_EQ(file.Read(text, 5), 5u);
    EXPECT_EQ(file.Read(text, 5), 0u);
#ifdef _WIN32
    // Deny-write sharing keeps a writer out while the file is open.
    EXPECT_EQ(openCause(kPath, CFile::modeWrite), CFileException::sharingViolation);
#endif
  }
  {
    // modeCreate truncates unless modeNoTruncate is given.
    CFile keep(kPath, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
    EXPECT_EQ(keep.GetLength(), 11u);
    keep.SetLength(4);
    EXPECT_EQ(keep.SeekToEnd(), 4u);
    keep.Close();
    CFile truncate(kPath, CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(truncate.GetLength(), 0u);
  }
  CFile::Remove(kPath);
  EXPECT_EQ(CauseOf<CFileException>([] { CFile::Remove(kPath); }), CFileException::fileNotFound);
}

// Growing and reading back are what the archive tests do on memory files.
TEST(File, MemoryFilesRefuseToSeekBeforeTheStartOrGrowTheCallersBuffer)
{
  CMemFile grown(16);
  EXPECT_EQ(CauseOf<CFileException>([&] { grown.Seek(-1, CFile::begin); }), CFileException::badSeek);

  BYTE buffer[4] = {1, 2, 3, 4};
  CMemFile writer(buffer, sizeof buffer, 1);
  writer.Write("abcd", 4);
  EXPECT_EQ(CauseOf<CFileException>([&] { writer.Write("e", 1); }), CFileException::diskFull);
  EXPECT_EQ(buffer[3], 'd');
  EXPECT_EQ(writer.Detach(), buffer);
}

TEST(Time, FormatsInLocalTime)
{
  const CTime time(2024, 2, 29, 13, 5, 9);
  EXPECT_EQ(time.Format("%y/%m/%d %H:%M:%S"), CString("24/02/29 13:05:09"));
}

TEST(Time, FormatGivesNothingBeyond127CharactersAndRefusesTimesItCannotShow)
{
  EXPECT_EQ(CTime(0).Format(std::string(127, 'x').c_str()), CString(std::string(127, 'x').c_str()));
  EXPECT_EQ(CTime(0).Format(std::string(128, 'x').c_str()), CString());
  EXPECT_TRUE(Raises<COleException>([] { CTime(INT64_MAX).Format("%y"); },
                                    [](const COleException& e) { EXPECT_EQ(e.m_sc, E_INVALIDARG); }));
}

}  // namespace
