// The string tables: Japanese (what the library loads) and English.
#include "ModuleTestSupport.h"

#include <gtest/gtest.h>

#include <optional>

namespace
{
struct SStringEntry
{
  UINT nID;
  const char* pszUtf8;
};

// The library's own texts, word for word. The range messages, unit names and number formats
// are read through the library by the value record's tests and compared whole there.
const SStringEntry kJapanese[] = {
    {22108, u8"WM_VALIDATE"},
    {22109, u8"スピンボタンコントロールの作成に失敗しました\n"},
    {22118, u8"%%.%df%%s"},
    {22122, u8"%%.%df, %%.%df %%s"},
    {22123, u8"項目名全表示"},
    {22124, u8"項目名等分表示"},
    {22125, u8"クリックオープン"},
    {22200, u8"ＭＳ ゴシック"},
    {22300, u8"ﾌｫﾙﾀﾞを指定してください"},
    {22400, u8"変数名"},
    {22401, u8"値"},
    {22402, u8"%sを入力してください。"},
    {22403, u8"%sが不正です。"},
    {22404, u8"指定された変数名は既に存在します。"},
    {22405, u8"式"},
    {22406, u8"式が入力されています"},
    {22407, u8"式を入力してください"},
    {22408, u8"変数の選択(&S)..."},
    {22409, u8"変数の追加(&V)..."},
    {22410, u8"距離変数(&L)"},
    {22411, u8"角度変数(&G)"},
    {22412, u8"一般変数(&N)"},
    {22413, u8"値を表示(&I)"},
    {22414, u8"式を表示(&E)"},
    {22415, u8"追加した変数を使用しますか？"},
};

const SStringEntry kEnglishOwnTexts[] = {
    {22123, "Display AllTitles"},
    {22124, "Display EqualProtion"},
    {22125, "Click to Open"},
    {22200, "MS Sans Serif"},
    {22300, "select folder"},
    {32771, "Click to use the same value for subsequent operations"},
    {32775, "Give different values for each operation"},
};

// Expected texts are written as UTF-8 literals and converted here (and by cp932), independently
// of the resource compiler.
std::wstring Utf8ToWide(const char* pszUtf8)
{
  int nLength = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, pszUtf8, -1, nullptr, 0);
  std::wstring wide(nLength, L'\0');
  ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, pszUtf8, -1, &wide[0], nLength);
  wide.resize(nLength - 1);
  return wide;
}

std::string LoadCtrlString(UINT nID)
{
  char szBuffer[512];
  int nLength = ::LoadStringA(CtrlModule(), nID, szBuffer, sizeof szBuffer);
  return std::string(szBuffer, nLength);
}

// String nID of one language, read from its block of sixteen counted UTF-16 strings.
std::optional<std::wstring> FindString(UINT nID, WORD wPrimaryLanguage)
{
  HMODULE hModule = CtrlModule();
  HRSRC hBlock = ::FindResourceExA(hModule, RT_STRING, MAKEINTRESOURCEA(nID / 16 + 1),
                                   MAKELANGID(wPrimaryLanguage, SUBLANG_DEFAULT));
  if (hBlock == nullptr)
    return std::nullopt;
  auto pEntry = static_cast<const WCHAR*>(::LockResource(::LoadResource(hModule, hBlock)));
  for (UINT nSkip = nID % 16; nSkip > 0; --nSkip)
    pEntry += 1 + *pEntry;
  if (*pEntry == 0)
    return std::nullopt;
  return std::wstring(pEntry + 1, *pEntry);
}

// The printf conversions of a format, e.g. "%s%s" or "%%%d": an English copy needs the same.
std::wstring Conversions(const std::wstring& text)
{
  std::wstring conversions;
  for (size_t i = text.find(L'%'); i != std::wstring::npos && i + 1 < text.size(); i = text.find(L'%', i + 2))
    conversions += text.substr(i, 2);
  return conversions;
}
}

TEST(StringTable, JapaneseEntriesLoadAsCp932)
{
  for (const SStringEntry& entry : kJapanese)
    EXPECT_EQ(LoadCtrlString(entry.nID), cp932(entry.pszUtf8)) << "string " << entry.nID;
  // Bytes by hand, independent of the conversion above: ≦, ＜, a real line break, half-width kana.
  EXPECT_NE(LoadCtrlString(22100).find("\x81\x85"), std::string::npos);
  EXPECT_NE(LoadCtrlString(22106).find("\x81\x83"), std::string::npos);
  EXPECT_NE(LoadCtrlString(22101).find("\x82\xa2\n\x82\xbd"), std::string::npos);
  EXPECT_EQ(LoadCtrlString(22300).substr(0, 5), "\xcc\xab\xd9\xc0\xde");
}

TEST(StringTable, EnglishTableHoldsItsOwnTextsAndReadableFormats)
{
  for (const SStringEntry& entry : kEnglishOwnTexts)
    EXPECT_EQ(FindString(entry.nID, LANG_ENGLISH), Utf8ToWide(entry.pszUtf8)) << "string " << entry.nID;
  for (UINT nID = 22100; nID <= 22111; ++nID)
  {
    std::optional<std::wstring> english = FindString(nID, LANG_ENGLISH);
    ASSERT_TRUE(english.has_value()) << "string " << nID;
    for (wchar_t ch : *english)
      EXPECT_LT(ch, 0x80) << "string " << nID;
    EXPECT_EQ(Conversions(*english), Conversions(FindString(nID, LANG_JAPANESE).value_or(L""))) << "string " << nID;
  }
}
