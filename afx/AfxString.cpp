#include "AfxString.h"

#include "AfxException.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

#ifdef _WIN32
#include "AfxModule.h"
#endif

namespace
{

// Lengths are ints, and the terminator needs one more byte.
const int nMaxLength = INT_MAX - 1;

bool isAsciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

int checkedLength(size_t nLength)
{
  if (nLength > size_t(nMaxLength))
    AfxThrowMemoryException();
  return int(nLength);
}

int lengthOf(LPCSTR psz) { return psz ? checkedLength(std::strlen(psz)) : 0; }

}  // namespace

// --- storage ----------------------------------------------------------------------------------

void CString::stealFrom(CString& other)
{
  std::memcpy(m_chLocal, other.m_chLocal, sizeof m_chLocal);
  m_nLength = other.m_nLength;
  m_nCapacity = other.m_nCapacity;
  other.m_nLength = 0;
  other.m_nCapacity = 0;
  other.m_chLocal[0] = '\0';
}

void CString::reserve(int nCapacity)
{
  if (nCapacity <= capacity())
    return;
  char* pchNew = new char[size_t(nCapacity) + 1];
  std::memcpy(pchNew, chars(), size_t(m_nLength) + 1);
  adopt(pchNew, nCapacity);
}

void CString::adopt(char* pchBlock, int nCapacity)
{
  freeHeap();
  m_pchHeap = pchBlock;
  m_nCapacity = nCapacity;
}

void CString::setLength(int nLength)
{
  reserve(nLength);
  if (nLength > m_nLength)
    std::memset(chars() + m_nLength, 0, size_t(nLength - m_nLength));
  m_nLength = nLength;
  chars()[nLength] = '\0';
}

void CString::splice(int nPos, int nRemove, const char* pch, int nInsert)
{
  const int nKept = m_nLength - nRemove;
  if (nInsert > nMaxLength - nKept)
    AfxThrowMemoryException();
  const int nNewLength = nKept + nInsert;
  const int nTail = m_nLength - nPos - nRemove;
  char* pchOld = chars();
  if (nNewLength > capacity())
  {
    // Half as much again, so that a run of appends copies each byte a bounded number of times.
    const int nNewCapacity = std::max(nNewLength, capacity() + std::min(capacity(), nMaxLength - capacity()) / 2);
    char* pchNew = new char[size_t(nNewCapacity) + 1];
    std::memcpy(pchNew, pchOld, size_t(nPos));
    std::memcpy(pchNew + nPos, pch, size_t(nInsert));
    std::memcpy(pchNew + nPos + nInsert, pchOld + nPos + nRemove, size_t(nTail));
    adopt(pchNew, nNewCapacity);
  }
  else if (nInsert && !std::less<const char*>()(pch, pchOld) && std::less<const char*>()(pch, pchOld + m_nLength))
  {
    // Our own bytes, about to move: take a copy first.
    const CString inserted(pch, nInsert);
    splice(nPos, nRemove, inserted.chars(), nInsert);
    return;
  }
  else
  {
    std::memmove(pchOld + nPos + nInsert, pchOld + nPos + nRemove, size_t(nTail));
    if (nInsert)
      std::memcpy(pchOld + nPos, pch, size_t(nInsert));
  }
  m_nLength = nNewLength;
  chars()[nNewLength] = '\0';
}

// --- construction and assignment --------------------------------------------------------------

CString::CString(const CString& other) : CString() { SetString(other.chars(), other.m_nLength); }

CString::CString(CString&& other) noexcept : CString() { stealFrom(other); }

CString::CString(LPCSTR psz) : CString() { SetString(psz, lengthOf(psz)); }

CString::CString(LPCSTR pch, int nLength) : CString()
{
  if (nLength < 0)
    AfxThrowInvalidArgException();
  if (pch)
    SetString(pch, nLength);
}

CString::CString(char ch, int nRepeat) : CString()
{
  if (nRepeat <= 0)
    return;
  setLength(nRepeat);
  std::memset(chars(), ch, size_t(nRepeat));
}

CString::CString(LPCWSTR pwsz) : CString() { *this = pwsz; }

CString& CString::operator=(const CString& other)
{
  if (this != &other)
    SetString(other.chars(), other.m_nLength);
  return *this;
}

CString& CString::operator=(CString&& other) noexcept
{
  if (this != &other)
  {
    freeHeap();
    stealFrom(other);
  }
  return *this;
}

CString& CString::operator=(LPCSTR psz)
{
  SetString(psz, lengthOf(psz));
  return *this;
}

CString& CString::operator=(char ch)
{
  SetString(&ch, 1);
  return *this;
}

// Converted from the ANSI code page; what cannot be converted leaves the string empty.
CString& CString::operator=(LPCWSTR pwsz)
{
  const int nBytes = pwsz && *pwsz ? ::WideCharToMultiByte(CP_ACP, 0, pwsz, -1, nullptr, 0, nullptr, nullptr) : 0;
  if (nBytes <= 1)
  {
    Empty();
    return *this;
  }
  setLength(nBytes - 1);
  ::WideCharToMultiByte(CP_ACP, 0, pwsz, -1, chars(), nBytes, nullptr, nullptr);
  return *this;
}

void CString::assignChecked(LPCSTR pch, int nLength)
{
  if (nLength < 0 || (!pch && nLength))
    AfxThrowInvalidArgException();
  splice(0, m_nLength, pch, nLength);
}

char CString::GetAt(int nIndex) const
{
  if (nIndex < 0 || nIndex >= GetLength())
    AfxThrowInvalidArgException();
  return chars()[nIndex];
}

void CString::SetAt(int nIndex, char ch)
{
  if (nIndex < 0 || nIndex >= GetLength())
    AfxThrowInvalidArgException();
  chars()[nIndex] = ch;
}

CString& CString::operator+=(const CString& other)
{
  Append(other.chars(), other.m_nLength);
  return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
  Append(psz, lengthOf(psz));
  return *this;
}

CString& CString::operator+=(char ch)
{
  Append(&ch, 1);
  return *this;
}

void CString::Append(LPCSTR psz, int nLength)
{
  if (psz && nLength > 0)
    splice(m_nLength, 0, psz, nLength);
}

int CString::Compare(LPCTSTR psz) const { return std::strcmp(chars(), psz ? psz : ""); }

int CString::CompareNoCase(LPCTSTR psz) const
{
  const unsigned char* a = reinterpret_cast<const unsigned char*>(chars());
  const unsigned char* b = reinterpret_cast<const unsigned char*>(psz ? psz : "");
  for (;; ++a, ++b)
  {
    const int ca = (unsigned char)asciiLower(char(*a)), cb = (unsigned char)asciiLower(char(*b));
    if (ca != cb || ca == 0)
      return ca - cb;
  }
}

int CString::nextChar(int nPos) const
{
  if (::IsDBCSLeadByte(BYTE(chars()[nPos])) && nPos + 1 < GetLength())
    return nPos + 2;
  return nPos + 1;
}

bool CString::isCharStart(int nPos) const
{
  int i = 0;
  while (i < nPos)
    i = nextChar(i);
  return i == nPos;
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Mid(int nFirst, int nCount) const
{
  if (nFirst < 0)
    nFirst = 0;
  if (nCount < 0)
    nCount = 0;
  if (nFirst >= GetLength())
    return CString();
  return CString(chars() + nFirst, std::min(nCount, GetLength() - nFirst));
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const
{
  if (nCount <= 0)
    return CString();
  if (nCount >= GetLength())
    return *this;
  return Mid(GetLength() - nCount);
}

CString CString::SpanIncluding(LPCTSTR pszCharSet) const { return Left(int(std::strspn(chars(), pszCharSet))); }

CString CString::SpanExcluding(LPCTSTR pszCharSet) const { return Left(int(std::strcspn(chars(), pszCharSet))); }

CString& CString::MakeUpper()
{
  for (int i = 0; i < GetLength(); i = nextChar(i))
    chars()[i] = asciiUpper(chars()[i]);
  return *this;
}

CString& CString::MakeLower()
{
  for (int i = 0; i < GetLength(); i = nextChar(i))
    chars()[i] = asciiLower(chars()[i]);
  return *this;
}

namespace
{

template <typename Match>
void trimLeftWhere(CString& s, Match match)
{
  int i = 0;
  while (i < s.GetLength() && match(s.GetString()[i]))
    ++i;
  s.Delete(0, i);
}

}  // namespace

CString& CString::TrimLeft()
{
  trimLeftWhere(*this, isAsciiSpace);
  return *this;
}

CString& CString::TrimLeft(char chTarget)
{
  trimLeftWhere(*this, [chTarget](char c) { return c == chTarget; });
  return *this;
}

CString& CString::TrimLeft(LPCTSTR pszTargets)
{
  trimLeftWhere(*this, [pszTargets](char c) { return c && std::strchr(pszTargets, c); });
  return *this;
}

// The trailing run of single-byte characters that match, found from the front so that a
// trail byte is never mistaken for one of them.
template <typename Match>
CString& CString::trimRightWhere(Match match)
{
  int keep = 0;
  for (int i = 0; i < GetLength(); i = nextChar(i))
    if (nextChar(i) != i + 1 || !match(chars()[i]))
      keep = nextChar(i);
  setLength(keep);
  return *this;
}

CString& CString::TrimRight() { return trimRightWhere(isAsciiSpace); }

CString& CString::TrimRight(char chTarget)
{
  return trimRightWhere([chTarget](char c) { return c == chTarget; });
}

CString& CString::TrimRight(LPCTSTR pszTargets)
{
  return trimRightWhere([pszTargets](char c) { return c && std::strchr(pszTargets, c); });
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }

CString& CString::Trim(char chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }

CString& CString::Trim(LPCTSTR pszTargets) { return TrimRight(pszTargets).TrimLeft(pszTargets); }

int CString::findFrom(int nStart, const char* pszSub, int nSubLength) const
{
  if (nStart < 0 || nStart > GetLength())
    return -1;
  int i = 0;
  while (i < nStart)
    i = nextChar(i);
  for (; i + nSubLength <= GetLength(); i = nextChar(i))
    if (std::memcmp(chars() + i, pszSub, size_t(nSubLength)) == 0)
      return i;
  return -1;
}

int CString::Find(char ch, int nStart) const
{
  if (ch == '\0')
    return -1;
  return findFrom(nStart, &ch, 1);
}

int CString::Find(LPCTSTR pszSub, int nStart) const
{
  if (!pszSub)
    AfxThrowInvalidArgException();
  return findFrom(nStart, pszSub, int(std::strlen(pszSub)));
}

int CString::ReverseFind(char ch) const
{
  int found = -1;
  for (int i = 0; i < GetLength(); i = nextChar(i))
    if (chars()[i] == ch && nextChar(i) == i + 1)
      found = i;
  return found;
}

int CString::FindOneOf(LPCTSTR pszCharSet) const
{
  for (int i = 0; i < GetLength(); i = nextChar(i))
    if (nextChar(i) == i + 1 && std::strchr(pszCharSet, chars()[i]))
      return i;
  return -1;
}

int CString::Replace(char chOld, char chNew)
{
  int count = 0;
  for (int i = 0; i < GetLength(); i = nextChar(i))
    if (chars()[i] == chOld && nextChar(i) == i + 1)
    {
      chars()[i] = chNew;
      ++count;
    }
  return count;
}

int CString::Replace(LPCTSTR pszOld, LPCTSTR pszNew)
{
  const int oldLength = pszOld ? int(std::strlen(pszOld)) : 0;
  if (oldLength == 0)
    return 0;
  const int newLength = lengthOf(pszNew);
  int count = 0;
  CString result;
  int copied = 0;
  for (int at = findFrom(0, pszOld, oldLength); at >= 0; at = findFrom(copied, pszOld, oldLength))
  {
    result.Append(chars() + copied, at - copied);
    result.Append(pszNew, newLength);
    copied = at + oldLength;
    ++count;
  }
  if (count)
  {
    result.Append(chars() + copied, GetLength() - copied);
    *this = std::move(result);
  }
  return count;
}

int CString::Remove(char ch)
{
  CString kept;
  int count = 0;
  for (int i = 0; i < GetLength();)
  {
    const int next = nextChar(i);
    if (next == i + 1 && chars()[i] == ch)
      ++count;
    else
      kept.Append(chars() + i, next - i);
    i = next;
  }
  *this = std::move(kept);
  return count;
}

int CString::Insert(int nIndex, char ch)
{
  const char text[2] = {ch, '\0'};
  return Insert(nIndex, text);
}

int CString::Insert(int nIndex, LPCTSTR psz)
{
  if (nIndex < 0)
    nIndex = 0;
  if (nIndex > GetLength())
    nIndex = GetLength();
  if (psz)
    splice(nIndex, 0, psz, lengthOf(psz));
  return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
  if (nIndex < 0)
    nIndex = 0;
  if (nCount > 0 && nIndex < GetLength())
    splice(nIndex, std::min(nCount, GetLength() - nIndex), "", 0);
  return GetLength();
}

CString CString::Tokenize(LPCTSTR pszTokens, int& nStart) const
{
  if (nStart < 0 || nStart >= GetLength())
  {
    nStart = -1;
    return CString();
  }
  const char* text = chars();
  const size_t begin = size_t(nStart) + std::strspn(text + nStart, pszTokens);
  if (begin >= size_t(GetLength()))
  {
    nStart = -1;
    return CString();
  }
  const size_t end = begin + std::strcspn(text + begin, pszTokens);
  nStart = int(end) + 1;
  return CString(text + begin, int(end - begin));
}

void CString::FormatV(LPCTSTR pszFormat, va_list args)
{
  if (!pszFormat)
    AfxThrowInvalidArgException();
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, pszFormat, measure);
  va_end(measure);
  if (length < 0)
    AfxThrowInvalidArgException();
  setLength(length);
  std::vsnprintf(chars(), size_t(length) + 1, pszFormat, args);
}

void CString::Format(LPCTSTR pszFormat, ...)
{
  va_list args;
  va_start(args, pszFormat);
  FormatV(pszFormat, args);
  va_end(args);
}

void CString::AppendFormat(LPCTSTR pszFormat, ...)
{
  CString tail;
  va_list args;
  va_start(args, pszFormat);
  tail.FormatV(pszFormat, args);
  va_end(args);
  *this += tail;
}

BOOL CString::LoadString(UINT nID)
{
#ifdef _WIN32
  return LoadString(AfxFindStringResourceHandle(nID), nID);
#else
  return LoadString(nullptr, nID);  // natively strings are registered without a module
#endif
}

// The buffer grows until the string fits: LoadStringA cuts a text to the buffer silently.
BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
  for (int size = 256;; size *= 2)
  {
    std::vector<char> buffer(static_cast<size_t>(size));
    const int length = ::LoadStringA(hInstance, nID, buffer.data(), size);
    if (length <= 0)
      return FALSE;
    if (length < size - 1)
    {
      SetString(buffer.data(), length);
      return TRUE;
    }
  }
}

// Room for nMinBufLength bytes and a terminator; the length stays until ReleaseBuffer. The spare
// bytes are zero, so a caller that writes fewer and no terminator still ends the text.
LPTSTR CString::GetBuffer(int nMinBufLength)
{
  if (nMinBufLength < 0)
    AfxThrowInvalidArgException();
  reserve(nMinBufLength);
  std::memset(chars() + m_nLength, 0, size_t(capacity() - m_nLength) + 1);
  return chars();
}

LPTSTR CString::GetBuffer() { return GetBuffer(0); }

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
  if (nNewLength < 0)
    AfxThrowInvalidArgException();
  setLength(nNewLength);
  return chars();
}

void CString::ReleaseBuffer(int nNewLength)
{
  if (nNewLength < 0)
    nNewLength = int(strnlen(chars(), size_t(capacity())));
  if (nNewLength > capacity())
    AfxThrowInvalidArgException();
  m_nLength = nNewLength;
  chars()[nNewLength] = '\0';
}

namespace
{

template <typename Left, typename Right>
CString concat(Left a, Right b)
{
  CString result(a);
  result += b;
  return result;
}

}  // namespace

CString AFXAPI operator+(const CString& a, const CString& b) { return concat<const CString&, const CString&>(a, b); }

CString AFXAPI operator+(const CString& a, LPCTSTR b) { return concat<const CString&, LPCTSTR>(a, b); }

CString AFXAPI operator+(LPCTSTR a, const CString& b) { return concat<LPCTSTR, const CString&>(a, b); }

CString AFXAPI operator+(const CString& a, char b) { return concat<const CString&, char>(a, b); }

CString AFXAPI operator+(char a, const CString& b) { return concat<char, const CString&>(a, b); }
