// The string enumerator's contract as the shell's auto-complete object uses it: reference
// counts, Next with several strings at once and its S_FALSE end, Skip past the end, Reset,
// Clone's own position, and strings in task memory converted from the ANSI code page (932).
#include "AutoCompleteTestSupport.h"
#include "../TextCodes.h"

#include <gtest/gtest.h>

#include <objbase.h>

#include <string>
#include <vector>

namespace
{
// An enumerator that tells when it is deleted.
class CCountedEnumString : public CHistoryEnumString
{
public:
  CCountedEnumString(CEnteredHistory* pHistory, bool* pbDeleted) : CHistoryEnumString(pHistory), m_pbDeleted(pbDeleted)
  {}
  ~CCountedEnumString() override { *m_pbDeleted = true; }

private:
  bool* m_pbDeleted;
};

// Takes the strings out of task memory, checking that they were allocated there.
std::vector<std::wstring> TakeStrings(LPOLESTR* rgelt, ULONG nCount)
{
  IMalloc* pMalloc = nullptr;
  EXPECT_EQ(S_OK, ::CoGetMalloc(1, &pMalloc));
  std::vector<std::wstring> strings;
  for (ULONG n = 0; n < nCount; ++n)
  {
    strings.push_back(rgelt[n]);
    EXPECT_EQ((strings.back().size() + 1) * sizeof(OLECHAR), pMalloc->GetSize(rgelt[n])) << "string " << n;
    ::CoTaskMemFree(rgelt[n]);
  }
  pMalloc->Release();
  return strings;
}

std::vector<std::wstring> NextStrings(IEnumString& enumString, ULONG nAsked, HRESULT hrExpected)
{
  LPOLESTR rgelt[8] = {};
  ULONG nFetched = 99;
  EXPECT_EQ(hrExpected, enumString.Next(nAsked, rgelt, &nFetched));
  return TakeStrings(rgelt, nFetched);
}

typedef std::vector<std::wstring> Strings;
}

TEST(HistoryEnumString, CountsInterfacesAndDeletionAtZero)
{
  bool bDeleted = false;
  auto pEnum = new CCountedEnumString(nullptr, &bDeleted);
  EXPECT_EQ(1u, pEnum->AddRef());
  IEnumString* pEnumString = nullptr;
  EXPECT_EQ(S_OK, pEnum->QueryInterface(IID_IEnumString, reinterpret_cast<void**>(&pEnumString)));
  EXPECT_EQ(pEnum, pEnumString);
  void* pOther = pEnum;
  EXPECT_EQ(E_NOINTERFACE, pEnum->QueryInterface(IID_IEnumVARIANT, &pOther));
  EXPECT_EQ(nullptr, pOther);
  EXPECT_EQ(1u, pEnumString->Release());
  EXPECT_FALSE(bDeleted);
  EXPECT_EQ(0u, pEnum->Release());
  EXPECT_TRUE(bDeleted);
}

TEST(HistoryEnumString, NextSkipResetCloneAndUpdateWalkTheEntriesNewestFirst)
{
  CEnteredHistory history;
  history.Add("a", CTime(100));
  history.Add("b", CTime(200));
  history.Add("c", CTime(300));
  CHistoryEnumString enumString(&history);
  EXPECT_EQ(Strings({L"c", L"b"}), NextStrings(enumString, 2, S_OK));
  EXPECT_EQ(Strings({L"a"}), NextStrings(enumString, 2, S_FALSE));

  // The first element is cleared even when nothing comes, and the counter may be left out.
  LPOLESTR rgelt[1] = {reinterpret_cast<LPOLESTR>(1)};
  EXPECT_EQ(S_FALSE, enumString.Next(1, rgelt, nullptr));
  EXPECT_EQ(nullptr, rgelt[0]);
  EXPECT_EQ(S_OK, enumString.Reset());
  EXPECT_EQ(S_OK, enumString.Next(1, rgelt, nullptr));
  EXPECT_EQ(Strings({L"c"}), TakeStrings(rgelt, 1));

  // A clone starts at its original's position (here after "c"), then goes its own way.
  EXPECT_EQ(E_POINTER, enumString.Clone(nullptr));
  IEnumString* pClone = nullptr;
  ASSERT_EQ(S_OK, enumString.Clone(&pClone));
  EXPECT_EQ(Strings({L"b", L"a"}), NextStrings(*pClone, 2, S_OK));
  EXPECT_EQ(Strings({L"b"}), NextStrings(enumString, 1, S_OK));
  pClone->Reset();
  EXPECT_EQ(Strings({L"c"}), NextStrings(*pClone, 1, S_OK));
  // The clone came with the one reference its receiver owns.
  EXPECT_EQ(0u, pClone->Release());

  // Skip right to the end is still the end; one further wraps to the most recent entry.
  enumString.Reset();
  EXPECT_EQ(S_OK, enumString.Skip(3));
  EXPECT_EQ(Strings(), NextStrings(enumString, 1, S_FALSE));
  enumString.Reset();
  EXPECT_EQ(S_OK, enumString.Skip(4));
  EXPECT_EQ(Strings({L"c", L"b"}), NextStrings(enumString, 2, S_OK));

  // Another history starts the walk again; strings come from the ANSI code page.
  CEnteredHistory second;
  second.Add(cp932("部品 No.5").c_str(), CTime(100));
  second.Add(cp932("ｶﾀｶﾅ表示").c_str(), CTime(200));
  enumString.UpdateHistory(&second);
  EXPECT_EQ(Strings({L"ｶﾀｶﾅ表示", L"部品 No.5"}), NextStrings(enumString, 3, S_FALSE));
  enumString.UpdateHistory(nullptr);
  EXPECT_EQ(Strings(), NextStrings(enumString, 1, S_FALSE));

  CHistoryEnumString empty(nullptr);
  EXPECT_EQ(Strings(), NextStrings(empty, 3, S_FALSE));
  EXPECT_EQ(S_FALSE, empty.Skip(1));
}
