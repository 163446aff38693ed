#include "HistoryTestSupport.h"

#include "../TextCodes.h"

#include <gtest/gtest.h>

namespace
{

const CTime kNoon(2024, 2, 29, 12, 0, 0);

// Texts from index 0 on.
std::string textsOf(const CEnteredHistory& history)
{
  std::string texts;
  for (int i = 0; i < history.GetCount(); ++i)
    texts += std::string(i ? "," : "") + history.GetAt(i)->GetText().GetString();
  return texts;
}

// Five entries "e1" (oldest, kNoon - 4 s) to "e5" (newest, kNoon), most recent first.
void addFive(CEnteredHistory& history)
{
  for (int i = 1; i <= 5; ++i)
    history.Add(("e" + std::to_string(i)).c_str(), kNoon + CTimeSpan(i - 5));
}

TEST(EnteredHistory, NewestFirstEachTextOnceCaseSensitive)
{
  CEnteredHistory history;
  history.Add("a", kNoon);
  history.Add("b", kNoon + CTimeSpan(1));
  history.Add("a", kNoon + CTimeSpan(2));
  EXPECT_EQ(history.GetAt(0)->GetTime(), kNoon + CTimeSpan(2)) << "a again, now the newest";

  history.Add("abc", kNoon);
  history.Add("ABC", kNoon);
  EXPECT_EQ(textsOf(history), "ABC,abc,a,b");
  // The same bytes in code page 932 are the same text; a trail byte 0x5C is not a backslash.
  history.Add(cp932("表示").c_str(), kNoon);
  history.Add(cp932("表示").c_str(), kNoon + CTimeSpan(3));
  history.Delete("abc");
  history.Delete("Ab");
  EXPECT_EQ(textsOf(history), cp932("表示") + ",ABC,a,b");
  for (int nIndex : {-1, 4})
  {
    try
    {
      history.GetAt(nIndex);
      ADD_FAILURE() << "no exception at " << nIndex;
    }
    catch (CInvalidArgException* e)
    {
      e->Delete();
    }
  }
}

// Adding and deleting find entries through an index of the texts; these are the cases where
// the index must not be believed blindly.
TEST(EnteredHistory, FindsTheFirstEntryWhateverChangedTheArray)
{
  // A text held twice (a file written elsewhere): Delete takes the first, then the second.
  CEnteredHistory twice;
  for (const char* pszText : {"x", "y", "x"})
    twice.CObArray::Add(new CEnteredText(pszText, kNoon));
  twice.Delete("x");
  EXPECT_EQ(textsOf(twice), "y,x");
  twice.Add("x", kNoon + CTimeSpan(1));
  EXPECT_EQ(textsOf(twice), "x,y");

  // Entries the host put in, replaced or took out through the array's own members, the blocks
  // of deleted ones reused by new entries with other texts.
  CEnteredHistory history;
  addFive(history);
  history.CObArray::InsertAt(2, new CEnteredText("host", kNoon));
  history.Add("host", kNoon + CTimeSpan(1));
  delete history.GetAt(2);
  history.CObArray::SetAt(2, new CEnteredText("new", kNoon));
  delete history.GetAt(4);
  history.RemoveAt(4);
  history.Add("e3", kNoon + CTimeSpan(2));
  history.Add("e4", kNoon + CTimeSpan(3));
  history.Delete("new");
  EXPECT_EQ(textsOf(history), "e4,e3,host,e5,e1");
}

TEST(EnteredHistory, CountAndTimeLimitsTakeTheOldest)
{
  CEnteredHistory history;
  addFive(history);
  for (int nCount : {0, -1, 5, 6})
  {
    history.DeleteOutOfLimit(nCount, CTime(0));
    EXPECT_EQ(history.GetCount(), 5) << nCount;
  }
  history.DeleteOutOfLimit(4, CTime(-5));
  EXPECT_EQ(textsOf(history), "e5,e4,e3,e2");
  // e2 is as old as the limit and goes; e3, one second newer, stays.
  history.DeleteOutOfLimit(0, kNoon - CTimeSpan(3));
  EXPECT_EQ(textsOf(history), "e5,e4,e3");
  history.DeleteOutOfLimit(-1, kNoon + CTimeSpan(60));
  EXPECT_EQ(history.GetCount(), 0);

  // Removal stops at the first newer entry from the end, even with an older one before it.
  history.Add("late", kNoon + CTimeSpan(10));
  history.Add("early", kNoon - CTimeSpan(10));
  history.DeleteOutOfLimit(0, kNoon);
  EXPECT_EQ(textsOf(history), "early,late");
}

TEST(HistoryMap, SetAtAddsPerKeyAndDeleteOutOfLimitTrimsEveryKey)
{
  CHistoryMap map;
  EXPECT_EQ(map.Enumrate("k"), nullptr);
  map.SetLimit(1);
  map.SetAt("k", "a", kNoon);
  map.SetAt("k", "b", kNoon);
  map.SetAt("K", "a", kNoon);
  EXPECT_EQ(textsOf(*map.Enumrate("k")), "b,a") << "SetAt applies no limit";
  EXPECT_EQ(textsOf(*map.Enumrate("K")), "a");

  CHistoryMap limited;
  for (const char* key : {"one", "two"})
    for (int i = 1; i <= 5; ++i)
      limited.SetAt(key, ("e" + std::to_string(i)).c_str(), kNoon + CTimeSpan(i - 5));
  limited.SetAt("old", "x", kNoon - CTimeSpan(100));
  limited.DeleteOutOfLimit();
  EXPECT_EQ(limited.Enumrate("one")->GetCount(), 5) << "no limits by default";
  limited.SetLimit(4);
  limited.SetLimit(kNoon - CTimeSpan(2));
  limited.DeleteOutOfLimit();
  EXPECT_EQ(textsOf(*limited.Enumrate("one")), "e5,e4");
  EXPECT_EQ(textsOf(*limited.Enumrate("two")), "e5,e4");
  ASSERT_NE(limited.Enumrate("old"), nullptr) << "an emptied history stays under its key";
  EXPECT_EQ(limited.Enumrate("old")->GetCount(), 0);
}

TEST(HistoryMap, CheckDataWritesEveryKeyAndEntryInMapOrder)
{
  CHistoryMap map;
  EXPECT_EQ(DebugOutputOf([&] { map.CheckData(); }), cp932(">>履歴情報確認 開始<<\n>>履歴情報確認 終了<<\n"));

  // "a" and "r" share a bucket and the later key heads it; "b" is in the next bucket.
  map.SetAt("a", "first", CTime(2024, 2, 29, 13, 5, 9));
  map.SetAt("b", cp932("履歴").c_str(), CTime(1999, 12, 31, 23, 59, 58));
  map.SetAt("r", "x", CTime(2024, 3, 1, 0, 0, 0));
  for (int i = 0; i < 10; ++i)
    map.SetAt("a", ("t" + std::to_string(i)).c_str(), CTime(2024, 3, 1, 0, 0, i));
  std::string expected = cp932(">>履歴情報確認 開始<<\n　[Key:r]\n　　[  0](24/03/01 00:00:00) [x]\n　[Key:a]\n");
  for (int i = 9; i >= 0; --i)
    expected += cp932("　　[  ") + std::to_string(9 - i) + "](24/03/01 00:00:0" + std::to_string(i) + ") [t" +
                std::to_string(i) + "]\n";
  expected += cp932("　　[ 10](24/02/29 13:05:09) [first]\n　[Key:b]\n　　[  0](99/12/31 23:59:58) [履歴]\n"
                    ">>履歴情報確認 終了<<\n");
  EXPECT_EQ(DebugOutputOf([&] { map.CheckData(); }), expected);
}

}  // namespace
