#include "AfxString.h"

#include "AfxException.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include "AfxModule.h"
#endif

namespace {

bool isAsciiSpace(char c)
{
  return c == ' ' || (c >= '\t' && c <= '\r');
}

char asciiUpper(char c)
{
  return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

char asciiLower(char c)
{
  return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

std::string fromWide(LPCWSTR pwsz)
{
  if (!pwsz || !*pwsz)
    return std::string();
  const int length = ::WideCharToMultiByte(CP_ACP, 0, pwsz, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 0)
    return std::string();
  std::string text(size_t(length), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, pwsz, -1, &text[0], length, nullptr, nullptr);
  text.resize(size_t(length - 1));
  return text;
}

}  // namespace

CString::CString(LPCSTR pch, int nLength)
{
  if (nLength < 0)
    AfxThrowInvalidArgException();
  if (pch)
    m_str.assign(pch, size_t(nLength));
}

CString::CString(char ch, int nRepeat)
{
  if (nRepeat > 0)
    m_str.assign(size_t(nRepeat), ch);
}

CString::CString(LPCWSTR pwsz) : m_str(fromWide(pwsz))
{
}

CString& CString::operator=(LPCSTR psz)
{
  m_str = psz ? psz : "";
  return *this;
}

CString& CString::operator=(char ch)
{
  m_str.assign(1, ch);
  return *this;
}

CString& CString::operator=(LPCWSTR pwsz)
{
  m_str = fromWide(pwsz);
  return *this;
}

char CString::GetAt(int nIndex) const
{
  if (nIndex < 0 || nIndex >= GetLength())
    AfxThrowInvalidArgException();
  return m_str[size_t(nIndex)];
}

void CString::SetAt(int nIndex, char ch)
{
  if (nIndex < 0 || nIndex >= GetLength())
    AfxThrowInvalidArgException();
  m_str[size_t(nIndex)] = ch;
}

CString& CString::operator+=(const CString& other)
{
  m_str += other.m_str;
  return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
  if (psz)
    m_str += psz;
  return *this;
}

CString& CString::operator+=(char ch)
{
  m_str += ch;
  return *this;
}

void CString::Append(LPCSTR psz, int nLength)
{
  if (psz && nLength > 0)
    m_str.append(psz, size_t(nLength));
}

int CString::Compare(LPCTSTR psz) const
{
  return std::strcmp(m_str.c_str(), psz ? psz : "");
}

int CString::CompareNoCase(LPCTSTR psz) const
{
  const unsigned char* a = reinterpret_cast<const unsigned char*>(m_str.c_str());
  const unsigned char* b = reinterpret_cast<const unsigned char*>(psz ? psz : "");
  for (;; ++a, ++b) {
    const int ca = (unsigned char)asciiLower(char(*a)), cb = (unsigned char)asciiLower(char(*b));
    if (ca != cb || ca == 0)
      return ca - cb;
  }
}

int CString::nextChar(int nPos) const
{
  if (::IsDBCSLeadByte(BYTE(m_str[size_t(nPos)])) && nPos + 1 < GetLength())
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

CString CString::Mid(int nFirst) const
{
  return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
  if (nFirst < 0)
    nFirst = 0;
  if (nCount < 0)
    nCount = 0;
  if (nFirst >= GetLength())
    return CString();
  return CString(m_str.substr(size_t(nFirst), size_t(nCount)).c_str());
}

CString CString::Left(int nCount) const
{
  return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
  if (nCount <= 0)
    return CString();
  if (nCount >= GetLength())
    return *this;
  return Mid(GetLength() - nCount);
}

CString CString::SpanIncluding(LPCTSTR pszCharSet) const
{
  return Left(int(std::strspn(m_str.c_str(), pszCharSet)));
}

CString CString::SpanExcluding(LPCTSTR pszCharSet) const
{
  return Left(int(std::strcspn(m_str.c_str(), pszCharSet)));
}

CString& CString::MakeUpper()
{
  for (int i = 0; i < GetLength(); i = nextChar(i))
    m_str[size_t(i)] = asciiUpper(m_str[size_t(i)]);
  return *this;
}

CString& CString::MakeLower()
{
  for (int i = 0; i < GetLength(); i = nextChar(i))
    m_str[size_t(i)] = asciiLower(m_str[size_t(i)]);
  return *this;
}

namespace {

template <typename Match>
void trimLeftWhere(std::string& s, Match match)
{
  size_t i = 0;
  while (i < s.size() && match(s[i]))
    ++i;
  s.erase(0, i);
}

}  // namespace

CString& CString::TrimLeft()
{
  trimLeftWhere(m_str, isAsciiSpace);
  return *this;
}

CString& CString::TrimLeft(char chTarget)
{
  trimLeftWhere(m_str, [chTarget](char c) { return c == chTarget; });
  return *this;
}

CString& CString::TrimLeft(LPCTSTR pszTargets)
{
  trimLeftWhere(m_str, [pszTargets](char c) { return c && std::strchr(pszTargets, c); });
  return *this;
}

// The trailing run of single-byte characters that match, found from the front so that a
// trail byte is never mistaken for one of them.
template <typename Match>
CString& CString::trimRightWhere(Match match)
{
  int keep = 0;
  for (int i = 0; i < GetLength(); i = nextChar(i))
    if (nextChar(i) != i + 1 || !match(m_str[size_t(i)]))
      keep = nextChar(i);
  m_str.resize(size_t(keep));
  return *this;
}

CString& CString::TrimRight()
{
  return trimRightWhere(isAsciiSpace);
}

CString& CString::TrimRight(char chTarget)
{
  return trimRightWhere([chTarget](char c) { return c == chTarget; });
}

CString& CString::TrimRight(LPCTSTR pszTargets)
{
  return trimRightWhere([pszTargets](char c) { return c && std::strchr(pszTargets, c); });
}

CString& CString::Trim()
{
  return TrimRight().TrimLeft();
}

CString& CString::Trim(char chTarget)
{
  return TrimRight(chTarget).TrimLeft(chTarget);
}

CString& CString::Trim(LPCTSTR pszTargets)
{
  return TrimRight(pszTargets).TrimLeft(pszTargets);
}

int CString::findFrom(int nStart, const char* pszSub, int nSubLength) const
{
  if (nStart < 0 || nStart > GetLength())
    return -1;
  int i = 0;
  while (i < nStart)
    i = nextChar(i);
  for (; i + nSubLength <= GetLength(); i = nextChar(i))
    if (std::memcmp(m_str.data() + i, pszSub, size_t(nSubLength)) == 0)
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
    if (m_str[size_t(i)] == ch && nextChar(i) == i + 1)
      found = i;
  return found;
}

int CString::FindOneOf(LPCTSTR pszCharSet) const
{
  for (int i = 0; i < GetLength(); i = nextChar(i))
    if (nextChar(i) == i + 1 && std::strchr(pszCharSet, m_str[size_t(i)]))
      return i;
  return -1;
}

int CString::Replace(char chOld, char chNew)
{
  int count = 0;
  for (int i = 0; i < GetLength(); i = nextChar(i))
    if (m_str[size_t(i)] == chOld && nextChar(i) == i + 1) {
      m_str[size_t(i)] = chNew;
      ++count;
    }
  return count;
}

int CString::Replace(LPCTSTR pszOld, LPCTSTR pszNew)
{
  const int oldLength = pszOld ? int(std::strlen(pszOld)) : 0;
  if (oldLength == 0)
    return 0;
  const std::string replacement = pszNew ? pszNew : "";
  int count = 0;
  std::string result;
  int copied = 0;
  for (int at = findFrom(0, pszOld, oldLength); at >= 0; at = findFrom(copied, pszOld, oldLength)) {
    result.append(m_str, size_t(copied), size_t(at - copied));
    result += replacement;
    copied = at + oldLength;
    ++count;
  }
  if (count) {
    result.append(m_str, size_t(copied), std::string::npos);
    m_str.swap(result);
  }
  return count;
}

int CString::Remove(char ch)
{
  std::string kept;
  int count = 0;
  for (int i = 0; i < GetLength();) {
    const int next = nextChar(i);
    if (next == i + 1 && m_str[size_t(i)] == ch)
      ++count;
    else
      kept.append(m_str, size_t(i), size_t(next - i));
    i = next;
  }
  m_str.swap(kept);
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
    m_str.insert(size_t(nIndex), psz);
  return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
  if (nIndex < 0)
    nIndex = 0;
  if (nCount > 0 && nIndex < GetLength())
    m_str.erase(size_t(nIndex), size_t(nCount));
  return GetLength();
}

CString CString::Tokenize(LPCTSTR pszTokens, int& nStart) const
{
  if (nStart < 0 || nStart >= GetLength()) {
    nStart = -1;
    return CString();
  }
  const char* text = m_str.c_str();
  const size_t begin = size_t(nStart) + std::strspn(text + nStart, pszTokens);
  if (begin >= m_str.size()) {
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
  std::string text(size_t(length) + 1, '\0');
  std::vsnprintf(&text[0], text.size(), pszFormat, args);
  text.resize(size_t(length));
  m_str.swap(text);
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
  m_str += tail.m_str;
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
  for (int size = 256;; size *= 2) {
    std::vector<char> buffer(static_cast<size_t>(size));
    const int length = ::LoadStringA(hInstance, nID, buffer.data(), size);
    if (length <= 0)
      return FALSE;
    if (length < size - 1) {
      m_str.assign(buffer.data(), size_t(length));
      return TRUE;
    }
  }
}

LPTSTR CString::GetBuffer(int nMinBufLength)
{
  if (nMinBufLength < 0)
    AfxThrowInvalidArgException();
  if (size_t(nMinBufLength) > m_str.size())
    m_str.resize(size_t(nMinBufLength));
  return &m_str[0];
}

LPTSTR CString::GetBuffer()
{
  return GetBuffer(0);
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
  if (nNewLength < 0)
    AfxThrowInvalidArgException();
  m_str.resize(size_t(nNewLength));
  return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
  if (nNewLength < 0)
    nNewLength = int(std::strlen(m_str.c_str()));
  if (size_t(nNewLength) > m_str.size())
    AfxThrowInvalidArgException();
  m_str.resize(size_t(nNewLength));
}

namespace {

template <typename Left, typename Right>
CString concat(Left a, Right b)
{
  CString result(a);
  result += b;
  return result;
}

}  // namespace

CString AFXAPI operator+(const CString& a, const CString& b)
{
  return concat<const CString&, const CString&>(a, b);
}

CString AFXAPI operator+(const CString& a, LPCTSTR b)
{
  return concat<const CString&, LPCTSTR>(a, b);
}

CString AFXAPI operator+(LPCTSTR a, const CString& b)
{
  return concat<LPCTSTR, const CString&>(a, b);
}

CString AFXAPI operator+(const CString& a, char b)
{
  return concat<const CString&, char>(a, b);
}

CString AFXAPI operator+(char a, const CString& b)
{
  return concat<char, const CString&>(a, b);
}
