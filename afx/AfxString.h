// CString: the framework's multi-byte string. Lengths and positions are in bytes; searching,
// replacing and case conversion step over double-byte characters of the ANSI code page (932
// for this library), so that a trail byte such as the 0x5C of "ソ" is never taken for '\'.
#pragma once
#include "AfxPlatform.h"

#include <cstdarg>
#include <string>

class ZUNTAFX_API CString
{
public:
  CString() {}
  CString(const CString& other) = default;
  CString(CString&& other) noexcept = default;
  CString(LPCSTR psz) : m_str(psz ? psz : "") {}
  CString(LPCSTR pch, int nLength);
  CString(const unsigned char* psz) : CString(reinterpret_cast<LPCSTR>(psz)) {}
  explicit CString(char ch, int nRepeat = 1);
  CString(LPCWSTR pwsz);  // converted from the ANSI code page
  ~CString() = default;

  CString& operator=(const CString& other) = default;
  CString& operator=(CString&& other) noexcept = default;
  CString& operator=(LPCSTR psz);
  CString& operator=(char ch);
  CString& operator=(LPCWSTR pwsz);

  int GetLength() const { return int(m_str.size()); }
  bool IsEmpty() const { return m_str.empty(); }
  void Empty() { m_str.clear(); }
  // Out of range: CInvalidArgException.
  char GetAt(int nIndex) const;
  char operator[](int nIndex) const { return GetAt(nIndex); }
  void SetAt(int nIndex, char ch);
  operator LPCTSTR() const { return m_str.c_str(); }
  LPCTSTR GetString() const { return m_str.c_str(); }

  CString& operator+=(const CString& other);
  CString& operator+=(LPCSTR psz);
  CString& operator+=(char ch);
  void Append(LPCSTR psz, int nLength);

  int Compare(LPCTSTR psz) const;
  int CompareNoCase(LPCTSTR psz) const;  // ASCII letters without case

  // Positions and counts beyond the text are clamped, as the framework does.
  CString Mid(int nFirst) const;
  CString Mid(int nFirst, int nCount) const;
  CString Left(int nCount) const;
  CString Right(int nCount) const;
  CString SpanIncluding(LPCTSTR pszCharSet) const;
  CString SpanExcluding(LPCTSTR pszCharSet) const;

  // ASCII letters only; double-byte characters stay as they are.
  CString& MakeUpper();
  CString& MakeLower();

  CString& Trim();
  CString& Trim(char chTarget);
  CString& Trim(LPCTSTR pszTargets);
  CString& TrimLeft();
  CString& TrimLeft(char chTarget);
  CString& TrimLeft(LPCTSTR pszTargets);
  CString& TrimRight();
  CString& TrimRight(char chTarget);
  CString& TrimRight(LPCTSTR pszTargets);

  // -1 when not found.
  int Find(char ch, int nStart = 0) const;
  int Find(LPCTSTR pszSub, int nStart = 0) const;
  int ReverseFind(char ch) const;
  int FindOneOf(LPCTSTR pszCharSet) const;

  int Replace(char chOld, char chNew);
  int Replace(LPCTSTR pszOld, LPCTSTR pszNew);
  int Remove(char ch);
  int Insert(int nIndex, char ch);
  int Insert(int nIndex, LPCTSTR psz);
  int Delete(int nIndex, int nCount = 1);
  // The next token after position nStart, which moves past it; -1 and "" at the end.
  CString Tokenize(LPCTSTR pszTokens, int& nStart) const;

  // printf formats. Objects cannot pass through "...": cast CString arguments to LPCTSTR.
  void Format(LPCTSTR pszFormat, ...);
  void FormatV(LPCTSTR pszFormat, va_list args);
  void AppendFormat(LPCTSTR pszFormat, ...);

  // From the resource chain, or from one module. FALSE when the string does not exist.
  BOOL LoadString(UINT nID);
  BOOL LoadString(HINSTANCE hInstance, UINT nID);

  LPTSTR GetBuffer(int nMinBufLength);
  LPTSTR GetBuffer();
  LPTSTR GetBufferSetLength(int nNewLength);
  void ReleaseBuffer(int nNewLength = -1);

private:
  // Byte position after the character that starts at nPos.
  int nextChar(int nPos) const;
  bool isCharStart(int nPos) const;
  int findFrom(int nStart, const char* pszSub, int nSubLength) const;
  template <typename Match>
  CString& trimRightWhere(Match match);

  std::string m_str;
};

ZUNTAFX_API CString AFXAPI operator+(const CString& a, const CString& b);
ZUNTAFX_API CString AFXAPI operator+(const CString& a, LPCTSTR b);
ZUNTAFX_API CString AFXAPI operator+(LPCTSTR a, const CString& b);
ZUNTAFX_API CString AFXAPI operator+(const CString& a, char b);
ZUNTAFX_API CString AFXAPI operator+(char a, const CString& b);

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, LPCTSTR b) { return a.Compare(b) == 0; }
inline bool operator==(LPCTSTR a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, LPCTSTR b) { return a.Compare(b) != 0; }
inline bool operator!=(LPCTSTR a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator<(const CString& a, LPCTSTR b) { return a.Compare(b) < 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator>(const CString& a, LPCTSTR b) { return a.Compare(b) > 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
