#include "Raises.h"

#include <afxtempl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{

TEST(Collections, ArraysRaiseInvalidArgumentOutOfRange)
{
  CArray<int, int> numbers;
  numbers.SetSize(0, 32);
  numbers.Add(1);
  numbers.InsertAt(0, 0);
  numbers.SetAtGrow(3, 3);
  EXPECT_TRUE(Raises<CInvalidArgException>([&] { numbers.GetAt(4); }));
  EXPECT_TRUE(Raises<CInvalidArgException>([&] { numbers.GetAt(-1); }));
  EXPECT_TRUE(Raises<CInvalidArgException>([&] { numbers.RemoveAt(3, 2); }));
  // Two elements left, the last one grown into place: index 2 is out of range now.
  numbers.RemoveAt(1, 2);
  EXPECT_EQ(numbers[1], 3);
  EXPECT_TRUE(Raises<CInvalidArgException>([&] { numbers.SetAt(2, 0); }));
}

// Inserting at the front fills room kept before the elements: every other member must see the
// elements alone, in order, as a plain array would hold them.
TEST(Collections, ArraysFilledAtTheFrontKeepTheirOrder)
{
  CArray<int, int> numbers;
  std::vector<int> model;
  for (int i = 0; i < 40; ++i)
  {
    numbers.InsertAt(0, i);
    model.insert(model.begin(), i);
    if (i % 7 == 3)
    {
      numbers.RemoveAt(1);
      model.erase(model.begin() + 1);
    }
    if (i % 11 == 5)
    {
      numbers.Add(-i);
      model.push_back(-i);
    }
  }
  numbers.InsertAt(2, 99, 3);
  model.insert(model.begin() + 2, 3, 99);
  auto holdsModel = [&model](const CArray<int, int>& array) {
    return array.GetSize() == INT_PTR(model.size()) && std::equal(model.begin(), model.end(), array.GetData());
  };
  EXPECT_TRUE(holdsModel(numbers));

  CArray<int, int> copy;
  copy.InsertAt(0, 5);
  copy.Copy(numbers);
  EXPECT_TRUE(holdsModel(copy));
  numbers.SetSize(3);
  model.resize(3);
  EXPECT_TRUE(holdsModel(numbers));
}

std::string keysInOrder(const CMapStringToPtr& map)
{
  std::string keys;
  CString key;
  void* value;
  for (POSITION pos = map.GetStartPosition(); pos;)
  {
    map.GetNextAssoc(pos, key, value);
    keys += std::string(key) + ",";
  }
  return keys;
}

TEST(Collections, StringMapsIterateByBucketThenNewestFirst)
{
  CMapStringToPtr map;
  // h("a") = 97 -> bucket 12, h("r") = 114 -> 12, h("q") = 113 -> 11, h("b") = 98 -> 13,
  // h("ab") = 97 * 33 + 98 = 3299 -> 1.
  for (const char* key : {"a", "b", "q", "r", "ab"})
    map.SetAt(key, nullptr);
  EXPECT_EQ(keysInOrder(map), "ab,q,r,a,b,");
  map.SetAt("a", &map);  // replacing keeps the place
  EXPECT_EQ(keysInOrder(map), "ab,q,r,a,b,");
  EXPECT_TRUE(map.RemoveKey("r"));
  EXPECT_FALSE(map.RemoveKey("r"));
  EXPECT_EQ(keysInOrder(map), "ab,q,a,b,");
  void* value = nullptr;
  EXPECT_TRUE(map.Lookup("a", value));
  EXPECT_EQ(value, &map);

  // Bytes above 0x7F count as signed chars: h("\xB1") = -79 -> 4294967217.
  CMapStringToPtr other;
  other.InitHashTable(7);
  for (const char* key : {"\xB1", "b", "a"})
    other.SetAt(key, nullptr);
  // With 7 buckets: "a" 97 % 7 = 6, "b" 0, "\xB1" 4294967217 % 7 = 2.
  EXPECT_EQ(keysInOrder(other), "b,\xB1,a,");
}

}  // namespace
