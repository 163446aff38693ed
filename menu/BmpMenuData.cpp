#include "BmpMenuData.h"

#include <afxcmn.h>

#include <cwchar>
#include <vector>

CBmpMenuData::CBmpMenuData()
    : textW(nullptr), imageIndex(-1), globalIndex(-1), iconId(-1), flags(0), id(0), syncFlag(FALSE), imageList(nullptr),
      reserved(0)
{}

CBmpMenuData::~CBmpMenuData()
{
  delete imageList;
  delete[] textW;
}

CBmpMenuData& CBmpMenuData::operator=(const CBmpMenuData& other)
{
  textW = other.textW;
  imageIndex = other.imageIndex;
  globalIndex = other.globalIndex;
  iconId = other.iconId;
  flags = other.flags;
  id = other.id;
  syncFlag = other.syncFlag;
  imageList = other.imageList;
  reserved = other.reserved;
  return *this;
}

void CBmpMenuData::SetWideString(const wchar_t* szWideString)
{
  delete[] textW;
  textW = nullptr;
  if (szWideString == nullptr)
    return;
  const size_t nLength = std::wcslen(szWideString);
  textW = new wchar_t[nLength + 1];
  std::wmemcpy(textW, szWideString, nLength + 1);
}

void CBmpMenuData::SetAnsiString(const char* szAnsiString)
{
  if (szAnsiString == nullptr)
  {
    SetWideString(nullptr);
    return;
  }
  const int nChars = ::MultiByteToWideChar(CP_THREAD_ACP, 0, szAnsiString, -1, nullptr, 0);
  std::vector<wchar_t> wide(static_cast<size_t>(nChars > 0 ? nChars : 1), L'\0');
  ::MultiByteToWideChar(CP_THREAD_ACP, 0, szAnsiString, -1, wide.data(), nChars);
  SetWideString(wide.data());
}

CString CBmpMenuData::GetString() const
{
  if (textW == nullptr)
    return CString();
  const int nBytes = ::WideCharToMultiByte(CP_THREAD_ACP, 0, textW, -1, nullptr, 0, nullptr, nullptr);
  std::vector<char> ansi(static_cast<size_t>(nBytes > 0 ? nBytes : 1), '\0');
  ::WideCharToMultiByte(CP_THREAD_ACP, 0, textW, -1, ansi.data(), nBytes, nullptr, nullptr);
  return CString(ansi.data());
}
