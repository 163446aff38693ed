#include "HistoryTestSupport.h"

#include "../TextCodes.h"

#include <gtest/gtest.h>

#include <filesystem>

// A host's entry class, with a note of its own.
class CNotedText : public CEnteredText
{
  DECLARE_SERIAL(CNotedText)
public:
  void Serialize(CArchive& ar) override
  {
    CEnteredText::Serialize(ar);
    if (ar.IsStoring())
      ar << m_strNote;
    else
      ar >> m_strNote;
  }
  CString m_strNote;
};
IMPLEMENT_SERIAL(CNotedText, CEnteredText, 1)

namespace
{

// Helpers that spell out the archive's little-endian fields.
void append(Bytes& bytes, std::initializer_list<int> values)
{
  for (int v : values)
    bytes.push_back(BYTE(v));
}

void append(Bytes& bytes, const std::string& text) { bytes.insert(bytes.end(), text.begin(), text.end()); }

void appendTime(Bytes& bytes, int64_t time)
{
  for (int i = 0; i < 8; ++i)
    bytes.push_back(BYTE(uint64_t(time) >> (8 * i)));
}

const int64_t kT1 = 0x65D4A2B1;
const int64_t kT2 = 0x0102030405060708;
const int64_t kT3 = 1;

// "a" and "r" hash to bucket 12 of 17, "r" (added later) heading it; "b" is in bucket 13.
void fillSample(CHistoryMap& map, const std::string& longText)
{
  map.SetAt("a", "x", CTime(kT1));
  map.SetAt("r", "yy", CTime(kT2));
  map.SetAt("a", longText.c_str(), CTime(kT3));
  map.SetAt("b", "x", CTime(kT1));
}

Bytes sampleBytes(const std::string& longText)
{
  Bytes bytes;
  append(bytes, {3, 0});  // keys
  append(bytes, {1, 'r'});
  append(bytes, {0xFF, 0xFF, 1, 0, 15, 0});  // new class 1, object 2
  append(bytes, "CEnteredHistory");
  append(bytes, {1, 0});                     // entries
  append(bytes, {0xFF, 0xFF, 1, 0, 12, 0});  // new class 3, object 4
  append(bytes, "CEnteredText");
  append(bytes, {2, 'y', 'y'});
  appendTime(bytes, kT2);
  append(bytes, {1, 'a'});
  append(bytes, {0x01, 0x80, 2, 0});              // class 1: object 5 with two entries
  append(bytes, {0x03, 0x80, 0xFF, 0x2C, 0x01});  // class 3: object 6, a text of 300 bytes
  append(bytes, longText);
  appendTime(bytes, kT3);
  append(bytes, {0x03, 0x80, 1, 'x'});  // object 7
  appendTime(bytes, kT1);
  append(bytes, {1, 'b'});
  append(bytes, {0x01, 0x80, 1, 0, 0x03, 0x80, 1, 'x'});
  appendTime(bytes, kT1);
  return bytes;
}

// Loads the bytes from a file; the archive exception's cause, or -1 when Load returned.
int loadCause(CHistoryMap& map, const std::string& path, const Bytes& bytes)
{
  WriteFileBytes(path, bytes);
  try
  {
    EXPECT_TRUE(map.Load(path.c_str()));
  }
  catch (CArchiveException* e)
  {
    const int cause = e->m_cause;
    e->Delete();
    return cause;
  }
  return -1;
}

class HistoryFile : public ::testing::Test
{
protected:
  CScratchFolder m_folder;
  const std::string m_longText = std::string(299, 'L') + "!";
};

TEST_F(HistoryFile, SavesTheFrameworksBytesInMapOrderAndLoadsThemBackIntoEmptyAndFilledMaps)
{
  CHistoryMap map;
  fillSample(map, m_longText);
  const std::string path = m_folder.Path("sample.his");
  ASSERT_TRUE(map.Save(path.c_str()));
  EXPECT_EQ(ReadFileBytes(path), sampleBytes(m_longText));

  // Loading adds the keys in file order, as the framework does: "a" now heads bucket 12.
  CHistoryMap loaded, fileOrder;
  ASSERT_TRUE(loaded.Load(path.c_str()));
  fileOrder.SetAt("r", "yy", CTime(kT2));
  fileOrder.SetAt("a", "x", CTime(kT1));
  fileOrder.SetAt("a", m_longText.c_str(), CTime(kT3));
  fileOrder.SetAt("b", "x", CTime(kT1));
  EXPECT_EQ(Describe(loaded), Describe(fileOrder));

  // Loading into a filled map replaces the entries of the file's keys and keeps the others.
  CHistoryMap filled;
  filled.SetAt("a", "in memory", CTime(kT2));
  filled.SetAt("kept", "x", CTime(kT2));
  filled.SetAt("r", "gone", CTime(kT2));
  filled.Enumrate("r")->Delete("gone");
  const CEnteredHistory* pKept = filled.Enumrate("kept");
  const CEnteredHistory* pReplaced = filled.Enumrate("a");
  ASSERT_TRUE(filled.Load(path.c_str()));
  EXPECT_EQ(filled.GetCount(), 4);
  EXPECT_EQ(filled.Enumrate("kept"), pKept);
  ASSERT_EQ(filled.Enumrate("a"), pReplaced) << "the entries change, not the object controls hold";
  EXPECT_EQ(Describe(*pReplaced), Describe(*loaded.Enumrate("a")));
  // A loaded text entered again moves to the front, also in a history emptied before.
  filled.SetAt("r", "yy", CTime(kT3));
  EXPECT_EQ(Describe(*filled.Enumrate("r")), "{yy@1,}");
}

TEST_F(HistoryFile, EntriesOfAClassDerivedFromTheEntryClassComeBackAsThemselves)
{
  CHistoryMap map;
  map.SetAt("k", "plain", CTime(kT1));
  CNotedText* pNoted = new CNotedText;
  pNoted->m_strNote = "note";
  map.Enumrate("k")->InsertAt(1, pNoted);
  map.SetAt("k", "newest", CTime(kT2));
  const std::string path = m_folder.Path("noted.his");
  ASSERT_TRUE(map.Save(path.c_str()));

  CHistoryMap loaded;
  ASSERT_TRUE(loaded.Load(path.c_str()));
  const CEnteredHistory& history = *loaded.Enumrate("k");
  ASSERT_EQ(history.GetCount(), 3);
  const CNotedText* pLoadedNote = DYNAMIC_DOWNCAST(CNotedText, history.CObArray::GetAt(2));
  ASSERT_TRUE(pLoadedNote);
  EXPECT_EQ(pLoadedNote->m_strNote, "note");
  EXPECT_EQ(history.GetAt(0)->GetRuntimeClass(), RUNTIME_CLASS(CEnteredText));
  EXPECT_EQ(history.GetAt(1)->GetText(), "plain");
}

// Every cut of a good file, and good files with one field spoiled, raise the archive exception
// and leave a filled map as it was; the map can save again afterwards.
TEST_F(HistoryFile, MalformedFilesRaiseAndChangeNothing)
{
  CHistoryMap map;
  fillSample(map, m_longText);
  const Bytes good = sampleBytes(m_longText);
  const std::string before = Describe(map);
  const std::string path = m_folder.Path("bad.his");

  // A cut inside a class name spoils the class.
  for (size_t nLength = 0; nLength < good.size(); ++nLength)
  {
    const int nCause = loadCause(map, path, Bytes(good.begin(), good.begin() + nLength));
    EXPECT_TRUE(nCause == CArchiveException::endOfFile || nCause == CArchiveException::badClass) << nLength;
  }
  EXPECT_EQ(Describe(map), before);

  const size_t nFirstText = 2 + 2 + 6 + 15 + 2;  // the first entry's class record
  // Key "a"'s second entry: its tag, text and time, then key "b" with its history and entry.
  const size_t nSecondEntry = good.size() - (4 + 8) - (2 + 8 + 8);
  struct Spoil
  {
    const char* what;
    size_t nAt;
    std::vector<int> bytes;
    int nCause;
  };
  const Spoil spoils[] = {
      {"schema 2", nFirstText + 2, {2}, CArchiveException::badSchema},
      {"history where an entry belongs", nFirstText, {0x01, 0x80}, CArchiveException::badClass},
      {"entry where a history belongs", 4, {0x03, 0x80}, CArchiveException::badIndex},
      {"back reference to an entry", nSecondEntry, {0x04, 0x00}, CArchiveException::badIndex},
      {"back reference to a history", nSecondEntry, {0x02, 0x00}, CArchiveException::badIndex},
      {"null entry", nSecondEntry, {0x00, 0x00}, CArchiveException::badClass},
      {"null history", 4, {0x00, 0x00}, CArchiveException::badClass},
      {"a key more than the file holds", 0, {4}, CArchiveException::endOfFile},
  };
  for (const Spoil& spoil : spoils)
  {
    Bytes bytes = good;
    for (size_t i = 0; i < spoil.bytes.size(); ++i)
      bytes[spoil.nAt + i] = BYTE(spoil.bytes[i]);
    EXPECT_EQ(loadCause(map, path, bytes), spoil.nCause) << spoil.what;
    EXPECT_EQ(Describe(map), before) << spoil.what;
  }
  EXPECT_TRUE(map.Save(path.c_str()));
}

TEST_F(HistoryFile, SaveAndLoadMakeTheMissingFoldersOfThePath)
{
  CHistoryMap map;
  map.SetAt("k", "x", CTime(kT1));
  EXPECT_FALSE(map.Load(m_folder.Path("in1\\in2\\h.his").c_str()));
  EXPECT_TRUE(Exists(m_folder.Path("in1\\in2")));
  EXPECT_FALSE(Exists(m_folder.Path("in1\\in2\\h.his")));

  EXPECT_TRUE(map.Save(m_folder.Path("out1\\out2\\h.his").c_str()));

  // A last folder name with a point is not made, so the file cannot be opened.
  EXPECT_FALSE(map.Save(m_folder.Path("dir.x\\h.his").c_str()));
  EXPECT_FALSE(Exists(m_folder.Path("dir.x")));
  // A file name without a point becomes a folder, which cannot be opened as a file.
  EXPECT_FALSE(map.Save(m_folder.Path("sub\\plain").c_str()));
  EXPECT_TRUE(Exists(m_folder.Path("sub\\plain")));
  // A file where a folder should be makes the walk fail.
  WriteFileBytes(m_folder.Path("blocker"), Bytes());
  EXPECT_FALSE(map.Save(m_folder.Path("blocker\\sub\\h.his").c_str()));
  // A double-byte name whose trail byte is 0x5C is one name, not two.
  const std::string name = m_folder.Path(cp932("表示").c_str()) + "\\" + cp932("予定");
  EXPECT_TRUE(map.Save((name + "\\h.his").c_str()));
  EXPECT_TRUE(Exists(name));
  // A backslash first ends the walk up, making nothing.
  EXPECT_FALSE(map.Save("\\zunt-history-no-such-folder\\h.his"));
  EXPECT_FALSE(Exists("\\zunt-history-no-such-folder"));

  // Relative paths start in the current folder.
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(m_folder.Path());
  EXPECT_TRUE(map.Save("rel\\there.his"));
  std::filesystem::current_path(previous);
  EXPECT_TRUE(Exists(m_folder.Path("rel\\there.his")));
}

}  // namespace
