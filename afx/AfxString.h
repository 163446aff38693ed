// CString: the framework's multi-byte string. Lengths and positions are in bytes; searching,
// replacing and case conversion step over double-byte characters of the ANSI code page (932
// for this library), so that a trail byte such as the 0x5C of "ソ" is never taken for '\'.
#pragma once
#include "AfxPlatform.h"

#include <cstdarg>
#include <cstdint>
#include <cstring>

class ZUNTAFX_API CString
{
public:
  CString() : m_nLength(0), m_nCapacity(0) { m_chLocal[0] = '\0'; }
  CString(const CString& other);
  CString(CString&& other) noexcept;
  CString(LPCSTR psz);
  CString(LPCSTR pch, int nLength);
  CString(const unsigned char* psz) : CString(reinterpret_cast<LPCSTR>(psz)) {}
  explicit CString(char ch, int nRepeat = 1);
  CString(LPCWSTR pwsz);  // converted from the ANSI code page
  ~CString() { freeHeap(); }

  CString& operator=(const CString& other);
  CString& operator=(CString&& other) noexcept;
  CString& operator=(LPCSTR psz);
  CString& operator=(char ch);
  CString& operator=(LPCWSTR pwsz);

  int GetLength() const { return m_nLength; }
  bool IsEmpty() const { return m_nLength == 0; }
  void Empty() { setLength(0); }
  // Out of range: CInvalidArgException.
  char GetAt(int nIndex) const;
  char operator[](int nIndex) const { return GetAt(nIndex); }
  void SetAt(int nIndex, char ch);
  operator LPCTSTR() const { return chars(); }
  LPCTSTR GetString() const { return chars(); }
  // The first nLength bytes of pch (which may lie in this string).
  void SetString(LPCSTR pch, int nLength)
  {
    if (pch && nLength >= 0 && nLength <= capacity())
    {
      // The whole text is replaced, so bytes of our own move safely.
      if (m_nCapacity)
        std::memmove(m_pchHeap, pch, size_t(nLength));
      else
        moveShort(m_chLocal, pch, size_t(nLength));
      m_nLength = nLength;
      chars()[nLength] = '\0';
      return;
    }
    assignChecked(pch, nLength);
  }

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
  // Texts of up to nLocalLength bytes stay in the object: the texts of a drawing's fields and
  // histories are short, and thousands of them then cost no heap block each.
  enum
  {
    nLocalLength = 23
  };

  // Up to nLocalLength bytes, as memmove would move them but without its call: a history loads
  // its texts by the hundred thousand. Every byte is read before any is written.
  static void moveShort(char* pchTo, const char* pchFrom, size_t nCount)
  {
    if (nCount >= 8)
    {
      std::uint64_t nFirst, nMiddle, nLast;
      std::memcpy(&nFirst, pchFrom, 8);
      std::memcpy(&nMiddle, pchFrom + (nCount > 16 ? 8 : 0), 8);
      std::memcpy(&nLast, pchFrom + nCount - 8, 8);
      std::memcpy(pchTo, &nFirst, 8);
      std::memcpy(pchTo + (nCount > 16 ? 8 : 0), &nMiddle, 8);
      std::memcpy(pchTo + nCount - 8, &nLast, 8);
    }
    else if (nCount >= 4)
    {
      std::uint32_t nFirst, nLast;
      std::memcpy(&nFirst, pchFrom, 4);
      std::memcpy(&nLast, pchFrom + nCount - 4, 4);
      std::memcpy(pchTo, &nFirst, 4);
      std::memcpy(pchTo + nCount - 4, &nLast, 4);
    }
    else if (nCount > 0)
    {
      const char chFirst = pchFrom[0], chMiddle = pchFrom[nCount / 2], chLast = pchFrom[nCount - 1];
      pchTo[0] = chFirst;
      pchTo[nCount / 2] = chMiddle;
      pchTo[nCount - 1] = chLast;
    }
  }

  const char* chars() const { return m_nCapacity ? m_pchHeap : m_chLocal; }
  char* chars() { return m_nCapacity ? m_pchHeap : m_chLocal; }
  int capacity() const { return m_nCapacity ? m_nCapacity : int(nLocalLength); }
  void freeHeap()
  {
    if (m_nCapacity)
      delete[] m_pchHeap;
  }
  // A heap block of nCapacity bytes and the terminator becomes the storage.
  void adopt(char* pchBlock, int nCapacity);
  // Room for nCapacity bytes and the terminator, the text kept.
  void reserve(int nCapacity);
  // Shorter, or longer by zero bytes.
  void setLength(int nLength);
  // nRemove bytes at nPos give way to nInsert bytes of pch (which may lie in this string).
  void splice(int nPos, int nRemove, const char* pch, int nInsert);
  void stealFrom(CString& other);
  void assignChecked(LPCSTR pch, int nLength);

  // Byte position after the character that starts at nPos.
  int nextChar(int nPos) const;
  bool isCharStart(int nPos) const;
  int findFrom(int nStart, const char* pszSub, int nSubLength) const;
  template <typename Match>
  CString& trimRightWhere(Match match);

  union
  {
    char m_chLocal[nLocalLength + 1];
    char* m_pchHeap;
  };
  int m_nLength;
  int m_nCapacity;  // the heap block's bytes less the terminator; 0 while the text is local
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
