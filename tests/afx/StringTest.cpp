#include <afx.h>

#include "Raises.h"
#include "../TextCodes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

namespace
{

std::string s(const CString& text) { return std::string(text.GetString(), size_t(text.GetLength())); }

// "ソ" and "表" end in 0x5C ('\'), "ア" in 0x41 ('A'), "ｱ" is one byte above 0x7F.
TEST(String, SearchingAndCaseConversionStepOverDoubleByteCharacters)
{
  const CString path(cp932("C:\\ソフト\\表\\a.txt").c_str());
  EXPECT_EQ(path.Find('\\', 3), 2 + 1 + 6);
  EXPECT_EQ(path.ReverseFind('\\'), 2 + 1 + 6 + 1 + 2);
  EXPECT_EQ(CString(cp932("表").c_str()).ReverseFind('\\'), -1);
  EXPECT_EQ(CString(cp932("アA").c_str()).Find("A"), 2);
  EXPECT_EQ(path.Find(cp932("表").c_str()), 10);
  EXPECT_EQ(path.Find("txt", 100), -1);

  CString replaced(cp932("ソ\\ソ").c_str());
  EXPECT_EQ(replaced.Replace('\\', '/'), 1);
  EXPECT_EQ(s(replaced), cp932("ソ/ソ"));
  CString removed(cp932("表\\表").c_str());
  EXPECT_EQ(removed.Remove('\\'), 1);
  EXPECT_EQ(s(removed), cp932("表表"));

  // Case conversion leaves double-byte characters alone.
  CString text(cp932("aアbｱｚ").c_str());
  text.MakeUpper();
  EXPECT_EQ(s(text), cp932("AアBｱｚ"));
  EXPECT_EQ(CString("MM").CompareNoCase("mm"), 0);
}

TEST(String, TrimAndClampedExtraction)
{
  CString text("  12.5mm \t");
  text.Trim();
  EXPECT_EQ(s(text), "12.5mm");
  CString unit(cp932("10表").c_str());
  unit.TrimRight('\\');  // the trail byte of 表 is not a backslash to trim
  EXPECT_EQ(s(unit), cp932("10表"));
  EXPECT_EQ(s(text.Left(100)), "12.5mm");
  EXPECT_EQ(s(text.Mid(4)), "mm");
  EXPECT_EQ(s(text.Mid(10)), "");
  EXPECT_EQ(s(text.Mid(-3, 2)), "12");
  EXPECT_EQ(s(text.SpanIncluding("0123456789.")), "12.5");
}

TEST(String, FormatIndexChecksAndWideText)
{
  CString text;
  text.Format("%s=%.3f (%d)", static_cast<LPCTSTR>(CString("x")), 1.0 / 3, 7);
  EXPECT_EQ(s(text), "x=0.333 (7)");
  text.Format("%s", std::string(1000, 'z').c_str());
  EXPECT_EQ(text.GetLength(), 1000);

  for (int nIndex : {-1, 2})
    EXPECT_TRUE(Raises<CInvalidArgException>([nIndex] { CString("ab").GetAt(nIndex); })) << nIndex;
  const WCHAR wide[] = {0x9577, 0x3055, 'm', 0};
  EXPECT_EQ(s(CString(wide)), cp932("長さm"));
}

// Short texts live in the string itself, longer ones on the heap: edits that cross between the
// two, and edits whose argument lies in the string being edited, against std::string.
TEST(String, EditsAcrossTheInlineLimitMatchAModel)
{
  std::mt19937 random(7);
  auto below = [&random](int n) { return int(random() % unsigned(n)); };
  CString text;
  std::string model;
  for (int step = 0; step < 4000; ++step)
  {
    const int nLength = int(model.size());
    const int nPos = below(nLength + 1);
    const int nCount = below(nLength - nPos + 1);
    const std::string piece(size_t(below(30)), char('a' + step % 26));
    switch (below(5))
    {
    case 0:
      text += piece.c_str();
      model += piece;
      break;
    case 1:  // its own text, appended to itself
      text += text;
      model += model;
      break;
    case 2:  // part of its own text, set as the whole
      text.SetString(text.GetString() + nPos, nCount);
      model = model.substr(size_t(nPos), size_t(nCount));
      break;
    case 3: {
      CString copy(text);
      copy += "!";
      text = std::move(copy);
      model += "!";
      EXPECT_TRUE(copy.IsEmpty());
      break;
    }
    default:
      text = piece.c_str();
      model = piece;
    }
    if (model.size() > 200)
    {
      text = text.Left(10);
      model.resize(10);
    }
    ASSERT_EQ(s(text), model) << "step " << step;
    ASSERT_EQ(std::strlen(text), model.size()) << "step " << step;
  }
}

TEST(String, BufferKeepsTheLengthUntilReleased)
{
  CString text("abc");
  char* pch = text.GetBuffer(40);
  std::memcpy(pch + 3, "defghijklmnopqrstuvwxyz0123456789", 33);
  text.ReleaseBuffer();
  EXPECT_EQ(s(text), "abcdefghijklmnopqrstuvwxyz0123456789");
  text.GetBuffer(2);
  text.ReleaseBuffer(2);
  EXPECT_EQ(s(text), "ab");
  EXPECT_TRUE(Raises<CInvalidArgException>([&text] { text.ReleaseBuffer(1 << 20); }));
  EXPECT_EQ(s(text), "ab");
}

}  // namespace
