#include "AfxFile.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

IMPLEMENT_DYNAMIC(CFile, CObject)
IMPLEMENT_DYNAMIC(CMemFile, CFile)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace
{

DWORD accessOf(UINT nOpenFlags)
{
  switch (nOpenFlags & 3)
  {
  case CFile::modeWrite:
    return GENERIC_WRITE;
  case CFile::modeReadWrite:
    return GENERIC_READ | GENERIC_WRITE;
  default:
    return GENERIC_READ;
  }
}

DWORD shareOf(UINT nOpenFlags)
{
  switch (nOpenFlags & 0x70)
  {
  case CFile::shareDenyWrite:
    return FILE_SHARE_READ;
  case CFile::shareDenyRead:
    return FILE_SHARE_WRITE;
  case CFile::shareDenyNone:
    return FILE_SHARE_READ | FILE_SHARE_WRITE;
  default:
    return 0;  // compatibility and exclusive modes share nothing
  }
}

DWORD creationOf(UINT nOpenFlags)
{
  if (!(nOpenFlags & CFile::modeCreate))
    return OPEN_EXISTING;
  return (nOpenFlags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
}

}  // namespace

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : CFile()
{
  CFileException error;
  if (!Open(lpszFileName, nOpenFlags, &error))
    AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
  if (m_hFile != hFileNull && m_bCloseOnDelete)
    Abort();
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
  if (m_hFile != hFileNull || !lpszFileName)
    AfxThrowInvalidArgException();
  m_strFileName = lpszFileName;
  const HANDLE hFile = ::CreateFileA(lpszFileName, accessOf(nOpenFlags), shareOf(nOpenFlags), nullptr,
                                     creationOf(nOpenFlags), FILE_ATTRIBUTE_NORMAL, nullptr);
  if (hFile == INVALID_HANDLE_VALUE)
  {
    const DWORD dwError = ::GetLastError();
    if (pError)
    {
      pError->m_lOsError = LONG(dwError);
      pError->m_cause = CFileException::OsErrorToException(LONG(dwError));
      pError->m_strFileName = lpszFileName;
    }
    return FALSE;
  }
  m_hFile = hFile;
  m_bCloseOnDelete = TRUE;
  return TRUE;
}

void CFile::Close()
{
  BOOL bClosed = TRUE;
  if (m_hFile != hFileNull)
    bClosed = ::CloseHandle(m_hFile);
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
  m_strFileName.Empty();
  if (!bClosed)
    throwOsError(::GetLastError());
}

void CFile::Abort()
{
  if (m_hFile != hFileNull)
    ::CloseHandle(m_hFile);
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
  m_strFileName.Empty();
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
  DWORD dwRead = 0;
  if (nCount && !::ReadFile(m_hFile, lpBuf, nCount, &dwRead, nullptr))
    throwOsError(::GetLastError());
  return dwRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
  DWORD dwWritten = 0;
  if (nCount && !::WriteFile(m_hFile, lpBuf, nCount, &dwWritten, nullptr))
    throwOsError(::GetLastError());
  if (dwWritten != nCount)
    AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
  LARGE_INTEGER distance, position;
  distance.QuadPart = lOff;
  if (!::SetFilePointerEx(m_hFile, distance, &position, nFrom))
    throwOsError(::GetLastError());
  return ULONGLONG(position.QuadPart);
}

ULONGLONG CFile::GetPosition() const
{
  LARGE_INTEGER distance, position;
  distance.QuadPart = 0;
  if (!::SetFilePointerEx(m_hFile, distance, &position, FILE_CURRENT))
    throwOsError(::GetLastError());
  return ULONGLONG(position.QuadPart);
}

ULONGLONG CFile::GetLength() const
{
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(m_hFile, &size))
    throwOsError(::GetLastError());
  return ULONGLONG(size.QuadPart);
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
  Seek(LONGLONG(dwNewLen), begin);
  if (!::SetEndOfFile(m_hFile))
    throwOsError(::GetLastError());
}

void CFile::Flush()
{
  if (m_hFile != hFileNull && !::FlushFileBuffers(m_hFile))
    throwOsError(::GetLastError());
}

CString CFile::GetFileName() const
{
  const int nSlash = std::max(m_strFileName.ReverseFind('\\'), m_strFileName.ReverseFind('/'));
  return m_strFileName.Mid(nSlash + 1);
}

void AFXAPI CFile::Remove(LPCTSTR lpszFileName)
{
  if (!::DeleteFileA(lpszFileName))
  {
    const DWORD dwError = ::GetLastError();
    AfxThrowFileException(CFileException::OsErrorToException(LONG(dwError)), LONG(dwError), lpszFileName);
  }
}

void CFile::throwOsError(DWORD dwError) const
{
  AfxThrowFileException(CFileException::OsErrorToException(LONG(dwError)), LONG(dwError), m_strFileName);
}

// --- CMemFile ---------------------------------------------------------------------------------

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(nullptr),
      m_bAutoDelete(TRUE)
{}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) : CMemFile(nGrowBytes)
{
  Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile() { Close(); }

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
  if (m_lpBuffer || (!lpBuffer && nBufferSize))
    AfxThrowInvalidArgException();
  m_nGrowBytes = nGrowBytes;
  m_nPosition = 0;
  m_nBufferSize = nBufferSize;
  m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
  m_lpBuffer = lpBuffer;
  m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
  BYTE* lpBuffer = m_lpBuffer;
  m_lpBuffer = nullptr;
  m_nFileSize = m_nBufferSize = m_nPosition = 0;
  return lpBuffer;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
  if (m_nPosition >= m_nFileSize)
    return 0;
  const SIZE_T nRead = std::min<SIZE_T>(nCount, m_nFileSize - m_nPosition);
  std::memcpy(lpBuf, m_lpBuffer + m_nPosition, nRead);
  m_nPosition += nRead;
  return UINT(nRead);
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
  if (nCount == 0)
    return;
  if (m_nPosition + nCount > m_nBufferSize)
    growTo(m_nPosition + nCount);
  std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
  m_nPosition += nCount;
  m_nFileSize = std::max(m_nFileSize, m_nPosition);
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
  const LONGLONG origin = nFrom == begin ? 0 : nFrom == current ? LONGLONG(m_nPosition) : LONGLONG(m_nFileSize);
  if (nFrom > end || lOff < -origin)
    AfxThrowFileException(CFileException::badSeek);
  m_nPosition = SIZE_T(origin + lOff);
  return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
  if (dwNewLen > m_nBufferSize)
    growTo(SIZE_T(dwNewLen));
  m_nFileSize = SIZE_T(dwNewLen);
  m_nPosition = std::min(m_nPosition, m_nFileSize);
}

void CMemFile::Close()
{
  if (m_bAutoDelete)
    std::free(m_lpBuffer);
  m_lpBuffer = nullptr;
  m_nFileSize = m_nBufferSize = m_nPosition = 0;
  m_bAutoDelete = TRUE;
}

void CMemFile::growTo(SIZE_T nNewSize)
{
  // Memory the caller attached cannot be reallocated here; a file without a grow step is full.
  if (m_nGrowBytes == 0 || (m_lpBuffer && !m_bAutoDelete))
    AfxThrowFileException(CFileException::diskFull);
  const SIZE_T nRounded = (nNewSize + m_nGrowBytes - 1) / m_nGrowBytes * m_nGrowBytes;
  const SIZE_T nSize = std::max(nRounded, m_nBufferSize + m_nBufferSize / 2);
  BYTE* lpNew = static_cast<BYTE*>(std::realloc(m_lpBuffer, nSize));
  if (!lpNew)
    AfxThrowMemoryException();
  m_lpBuffer = lpNew;
  m_nBufferSize = nSize;
}
