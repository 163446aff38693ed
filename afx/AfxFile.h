// CFile: a file of the operating system, opened with the framework's mode and share flags;
// failures raise CFileException. CMemFile: the same interface over a block of memory, so that
// an archive can be read from or written to memory.
#pragma once
#include "AfxException.h"

class ZUNTAFX_API CFile : public CObject
{
  DECLARE_DYNAMIC(CFile)
public:
  enum OpenFlags
  {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = 0x8000
  };
  enum SeekPosition
  {
    begin = 0,
    current = 1,
    end = 2
  };
  static const HANDLE hFileNull;

  CFile();
  explicit CFile(HANDLE hFile);
  // Opens the file or raises CFileException.
  CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
  ~CFile() override;

  // FALSE when the file cannot be opened; pError, if given, then says why.
  virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
  virtual void Close();
  // Closes without raising anything.
  virtual void Abort();

  // Fewer bytes than asked only at the end of the file.
  virtual UINT Read(void* lpBuf, UINT nCount);
  virtual void Write(const void* lpBuf, UINT nCount);
  virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
  void SeekToBegin() { Seek(0, begin); }
  ULONGLONG SeekToEnd() { return Seek(0, end); }
  virtual ULONGLONG GetPosition() const;
  virtual ULONGLONG GetLength() const;
  virtual void SetLength(ULONGLONG dwNewLen);
  virtual void Flush();

  virtual CString GetFilePath() const { return m_strFileName; }
  virtual CString GetFileName() const;

  static void AFXAPI Remove(LPCTSTR lpszFileName);

  HANDLE m_hFile;

protected:
#ifndef ZUNTAFX_MFC_SURFACE
  [[noreturn]] void throwOsError(DWORD dwError) const;
#endif

  CString m_strFileName;
  BOOL m_bCloseOnDelete;
};

class ZUNTAFX_API CMemFile : public CFile
{
  DECLARE_DYNAMIC(CMemFile)
public:
  // A file of its own memory, grown in steps of nGrowBytes.
  explicit CMemFile(UINT nGrowBytes = 1024);
  // A file over the caller's buffer, which stays the caller's and never grows: with nGrowBytes 0
  // the file is the whole buffer (to read it), otherwise it starts empty (to write into it).
  CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
  ~CMemFile() override;

  void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
  // Hands the memory to the caller (free it with free() if the file allocated it).
  BYTE* Detach();

  UINT Read(void* lpBuf, UINT nCount) override;
  void Write(const void* lpBuf, UINT nCount) override;
  ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
  ULONGLONG GetPosition() const override { return m_nPosition; }
  ULONGLONG GetLength() const override { return m_nFileSize; }
  void SetLength(ULONGLONG dwNewLen) override;
  void Flush() override {}
  void Close() override;
  void Abort() override { Close(); }

protected:
#ifndef ZUNTAFX_MFC_SURFACE
  void growTo(SIZE_T nNewSize);
#endif

  UINT m_nGrowBytes;
  SIZE_T m_nPosition;
  SIZE_T m_nBufferSize;
  SIZE_T m_nFileSize;
  BYTE* m_lpBuffer;
  BOOL m_bAutoDelete;
};
