#include "Raises.h"
#include "TestObjects.h"

#include "../TextCodes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{

typedef std::vector<BYTE> Bytes;

Bytes store(const std::function<void(CArchive&)>& write)
{
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    write(ar);
    ar.Close();
  }
  const UINT nLength = UINT(file.GetLength());
  Bytes bytes(nLength);
  file.SeekToBegin();
  file.Read(bytes.data(), nLength);
  return bytes;
}

Bytes bytesOf(std::initializer_list<int> values)
{
  Bytes bytes;
  for (int v : values)
    bytes.push_back(BYTE(v));
  return bytes;
}

Bytes operator+(Bytes bytes, const Bytes& more)
{
  bytes.insert(bytes.end(), more.begin(), more.end());
  return bytes;
}

// A new class tag: schema and name.
Bytes classRecord(int nSchema, const std::string& name)
{
  return bytesOf({0xFF, 0xFF, nSchema, 0x00, int(name.size()), 0x00}) + Bytes(name.begin(), name.end());
}

// Reads objects until the input fails.
void readAll(CArchive& ar)
{
  for (;;)
  {
    CObject* pOb = nullptr;
    ar >> pOb;
    delete pOb;
  }
}

// Loads bytes with the given reader; the archive exception's cause, or -1 when none was raised.
template <typename Reader>
int loadCause(Bytes bytes, Reader read)
{
  CMemFile file(bytes.data(), UINT(bytes.size()));
  CArchive ar(&file, CArchive::load);
  return CauseOf<CArchiveException>([&] { read(ar); });
}

TEST(Archive, WritesClassRecordsNewObjectsAndBackReferencesAndReadsThemBack)
{
  const Bytes bytes = store([](CArchive& ar) {
    CTestLeaf a("ab", 5), b("", -1);
    ar << &a << &b << &a << static_cast<CObject*>(nullptr);
  });
  const Bytes objects = bytesOf({0x02, 'a', 'b', 0x05, 0x00, 0x00, 0x00,    // first object (number 2)
                                 0x01, 0x80, 0x00, 0xFF, 0xFF, 0xFF, 0xFF,  // 0x8001: class 1 again
                                 0x02, 0x00,                                // back to object 2
                                 0x00, 0x00});                              // null
  EXPECT_EQ(bytes, classRecord(1, "CTestLeaf") + objects);

  // Read back, the reference names the first object again.
  EXPECT_EQ(loadCause(bytes,
                      [](CArchive& ar) {
                        CTestLeaf *pA = nullptr, *pB = nullptr, *pAgain = nullptr, *pNull = nullptr;
                        ar >> pA >> pB >> pAgain >> pNull;
                        ASSERT_NE(pA, nullptr);
                        EXPECT_EQ(std::string(pA->m_text), "ab");
                        EXPECT_EQ(pAgain, pA);
                        EXPECT_EQ(pNull, nullptr);
                        delete pA;
                        delete pB;
                      }),
            -1);
  EXPECT_EQ(CTestLeaf::s_nLive, 0);
}

// Enough objects that the store's index of numbers grows several times and spans pages.
TEST(Archive, ManyObjectsWrittenTwiceComeBackAsTheSameObjects)
{
  const int nObjects = 5000;
  const Bytes bytes = store([](CArchive& ar) {
    std::vector<CTestLeaf> leaves(nObjects);
    for (CTestLeaf& leaf : leaves)
      ar << &leaf;
    for (auto leaf = leaves.rbegin(); leaf != leaves.rend(); ++leaf)
      ar << &*leaf;
  });
  CMemFile file(const_cast<BYTE*>(bytes.data()), UINT(bytes.size()));
  CArchive ar(&file, CArchive::load);
  std::vector<CObject*> first(nObjects);
  for (CObject*& pOb : first)
    ar >> pOb;
  for (int i = nObjects - 1; i >= 0; --i)
  {
    CObject* pAgain = nullptr;
    ar >> pAgain;
    ASSERT_EQ(pAgain, first[i]) << i;
  }
  for (CObject* pOb : first)
    delete pOb;
  EXPECT_EQ(CTestLeaf::s_nLive, 0);
}

TEST(Archive, CountsAndStringLengthsEscapeToWiderFields)
{
  EXPECT_EQ(store([](CArchive& ar) { ar.WriteCount(0xFFFE); }), bytesOf({0xFE, 0xFF}));
  EXPECT_EQ(store([](CArchive& ar) { ar.WriteCount(0x12345); }), bytesOf({0xFF, 0xFF, 0x45, 0x23, 0x01, 0x00}));
  if (sizeof(DWORD_PTR) == 8)
  {
    EXPECT_EQ(store([](CArchive& ar) { ar.WriteCount(DWORD_PTR(0x100000000ull)); }),
              bytesOf({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 1, 0, 0, 0}));
  }

  const Bytes s254 = store([](CArchive& ar) { ar << CString('x', 254); });
  EXPECT_EQ(Bytes(s254.begin(), s254.begin() + 2), bytesOf({0xFE, 'x'}));
  const Bytes s255 = store([](CArchive& ar) { ar << CString('x', 255); });
  EXPECT_EQ(Bytes(s255.begin(), s255.begin() + 4), bytesOf({0xFF, 0xFF, 0x00, 'x'}));
  const Bytes s65534 = store([](CArchive& ar) { ar << CString('x', 0xFFFE); });
  EXPECT_EQ(Bytes(s65534.begin(), s65534.begin() + 8), bytesOf({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0, 'x'}));

  // Each form reads back, and a count over 0xFFFF comes back whole.
  for (int nLength : {0, 254, 255, 0xFFFD, 0xFFFE, 70000})
  {
    SCOPED_TRACE(nLength);
    Bytes bytes = store([nLength](CArchive& ar) {
      ar << CString('q', nLength);
      ar.WriteCount(DWORD_PTR(nLength) * 3);
    });
    CMemFile file(bytes.data(), UINT(bytes.size()));
    CArchive ar(&file, CArchive::load);
    CString text;
    ar >> text;
    EXPECT_EQ(text, CString('q', nLength));
    EXPECT_EQ(ar.ReadCount(), DWORD_PTR(nLength) * 3);
  }
}

TEST(Archive, ReadsWideStringsIntoTheAnsiCodePage)
{
  // "あA" in UTF-16 after the wide marker; then a wide string with the long length form.
  Bytes bytes =
      bytesOf({0xFF, 0xFE, 0xFF, 0x02, 0x42, 0x30, 0x41, 0x00, 0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 0x4B, 0x30});
  // Then one longer than a piece of reading: 40,000 characters of "か".
  bytes = bytes + bytesOf({0xFF, 0xFE, 0xFF, 0xFF, 0x40, 0x9C});
  std::string expected;
  for (int i = 0; i < 40000; ++i)
  {
    bytes.insert(bytes.end(), {0x4B, 0x30});
    expected += cp932("か");
  }
  CMemFile file(bytes.data(), UINT(bytes.size()));
  CArchive ar(&file, CArchive::load);
  CString first, second, third;
  ar >> first >> second >> third;
  EXPECT_EQ(std::string(first), cp932("あA"));
  EXPECT_EQ(std::string(second), cp932("か"));
  EXPECT_EQ(std::string(third), expected);
}

TEST(Archive, MalformedInputRaisesTheRightCause)
{
  auto readLeaf = [](CArchive& ar) {
    CTestLeaf* pLeaf = nullptr;
    ar >> pLeaf;
    delete pLeaf;
  };
  const Bytes leafRecord = classRecord(1, "CTestLeaf");
  const Bytes leaf = leafRecord + bytesOf({0x01, 'z', 0x01, 0x00, 0x00, 0x00});
  const Bytes branch = classRecord(2, "CTestBranch");
  auto then = [](const Bytes& bytes, std::initializer_list<int> more) { return bytes + bytesOf(more); };
  Bytes deep = classRecord(0, "CObArray");
  for (int nDepth = 0; nDepth < 300; ++nDepth)
    deep = then(deep, {0x01, 0x00, 0x01, 0x80});  // one element: another array

  struct Case
  {
    const char* name;
    Bytes bytes;
    int cause;
  };
  const Case cases[] = {
      {"empty", {}, CArchiveException::endOfFile},
      {"half a tag", bytesOf({0xFF}), CArchiveException::endOfFile},
      {"unknown class", classRecord(1, "CNope"), CArchiveException::badClass},
      {"class name of 64 bytes", classRecord(1, std::string(64, 'C')), CArchiveException::badClass},
      {"class name cut short", bytesOf({0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00, 'C', 'T'}), CArchiveException::badClass},
      {"class that cannot be serialized", classRecord(0, "CPtrArray"), CArchiveException::badClass},
      {"other schema", classRecord(7, "CTestLeaf"), CArchiveException::badSchema},
      {"object not yet read", bytesOf({0x05, 0x00}), CArchiveException::badIndex},
      {"class not yet read", bytesOf({0x01, 0x80}), CArchiveException::badIndex},
      {"reserved 0x8000", bytesOf({0x00, 0x80}), CArchiveException::badIndex},
      {"big tag beyond the table", bytesOf({0xFF, 0x7F, 0x00, 0x00, 0x01, 0x00}), CArchiveException::badIndex},
      {"object tag naming a class", then(leaf, {0x01, 0x00}), CArchiveException::badIndex},
      {"class tag naming an object", then(leaf, {0x02, 0x80}), CArchiveException::badIndex},
      {"data cut short", then(leafRecord, {0x05, 'a'}), CArchiveException::endOfFile},
      {"string length beyond the input", then(leafRecord, {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F}),
       CArchiveException::endOfFile},
      {"string of 2^62 bytes", then(leafRecord, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0x40}),
       CArchiveException::genericException},
      {"arrays nested 300 deep", deep, CArchiveException::genericException},
      {"two wide markers", then(leafRecord, {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF}), CArchiveException::genericException},
      // An owned element (object 4 of a branch) cannot be referenced again, from outside the
      // branch or from within it.
      {"reference to an owned element", then(then(branch, {0x01, 0x00}) + leaf, {0x04, 0x00}),
       CArchiveException::badIndex},
      {"element referenced again by its owner", then(then(branch, {0x02, 0x00}) + leaf, {0x04, 0x00}),
       CArchiveException::badIndex},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(loadCause(c.bytes, readAll), c.cause);
    EXPECT_EQ(CTestLeaf::s_nLive, 0);
  }

  // An object of the wrong class for the reader.
  EXPECT_EQ(loadCause(then(branch, {0x00, 0x00}), readLeaf), CArchiveException::badClass);
  // A huge element count runs into the end of the input, not into a huge allocation. (Counts of
  // 2^32 - 1 and more exist only in 64-bit builds; this one reads alike in both.)
  EXPECT_EQ(loadCause(then(branch, {0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00, 0x00}), readAll),
            CArchiveException::endOfFile);
}

// That an owned element cannot be referenced again is among the malformed inputs above.
TEST(Archive, OwnedObjectsTakeTheirNumbers)
{
  const Bytes bytes = store([](CArchive& ar) {
    CTestBranch branch;
    branch.Add(new CTestLeaf("x", 1));
    branch.Add(new CTestLeaf("y", 2));
    CTestLeaf shared("z", 3);
    ar << &branch << &shared << &shared;
  });
  EXPECT_EQ(loadCause(bytes,
                      [](CArchive& ar) {
                        CTestBranch* pBranch = nullptr;
                        CTestLeaf *pShared = nullptr, *pAgain = nullptr;
                        ar >> pBranch >> pShared >> pAgain;
                        ASSERT_NE(pShared, nullptr);
                        EXPECT_EQ(std::string(pShared->m_text), "z");
                        EXPECT_EQ(pAgain, pShared);  // the tag counted the owned leaves
                        delete pShared;
                        delete pBranch;
                      }),
            -1);
  EXPECT_EQ(CTestLeaf::s_nLive, 0);
}

TEST(Archive, AFailedObjectIsDeletedWithWhatItOwns)
{
  // Every cut of a branch of two leaves: what was read before the failure goes too.
  const Bytes whole = store([](CArchive& ar) {
    CTestBranch branch;
    branch.Add(new CTestLeaf("one", 1));
    branch.Add(new CTestLeaf("two", 2));
    ar << &branch;
  });
  for (size_t nCut = 0; nCut < whole.size(); ++nCut)
  {
    SCOPED_TRACE(nCut);
    const int cause = loadCause(Bytes(whole.begin(), whole.begin() + nCut), [](CArchive& ar) {
      CTestBranch* pBranch = nullptr;
      ar >> pBranch;
      delete pBranch;
    });
    EXPECT_TRUE(cause == CArchiveException::endOfFile || cause == CArchiveException::badClass) << cause;
    EXPECT_EQ(CTestLeaf::s_nLive, 0);
  }
}

TEST(Archive, WrongDirectionAndUnserializableClassesAreRefused)
{
  CMemFile file;
  CArchive store(&file, CArchive::store);
  LONG n = 0;
  EXPECT_EQ(CauseOf<CArchiveException>([&] { store >> n; }), CArchiveException::writeOnly);
  CPtrArray notSerializable;
  EXPECT_TRUE(Raises<CNotSupportedException>([&] { store << &notSerializable; }));
}

// The order of storing is the history file's; loading is the framework's own.
TEST(Archive, StringMapsLoadEveryKeyWithItsObject)
{
  const Bytes bytes = store([](CArchive& ar) {
    CTestLeaf leaf("v", 1);
    CMapStringToOb map;
    for (const char* key : {"a", "b", "q", "r"})
      map.SetAt(key, &leaf);
    map.Serialize(ar);
  });
  CMemFile file(const_cast<BYTE*>(bytes.data()), UINT(bytes.size()));
  CArchive ar(&file, CArchive::load);
  CMapStringToOb loaded;
  loaded.Serialize(ar);
  EXPECT_EQ(loaded.GetCount(), 4);
  CObject* pA = nullptr;
  CObject* pR = nullptr;
  ASSERT_TRUE(loaded.Lookup("a", pA));
  ASSERT_TRUE(loaded.Lookup("r", pR));
  EXPECT_EQ(pA, pR);  // one object, referenced four times
  delete pA;
}

}  // namespace
