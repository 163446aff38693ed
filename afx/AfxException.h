// The framework's exceptions. They are thrown as pointers to heap objects and the catcher
// deletes them: catch (CException* e) { ...; e->Delete(); }. The memory exception is one
// static object, which Delete leaves alone.
#pragma once
#include "AfxObject.h"
#include "AfxString.h"

class ZUNTAFX_API CException : public CObject
{
  DECLARE_DYNAMIC(CException)
public:
  explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
  void Delete();
  // A description for the user; FALSE when there is none.
  virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const;

  BOOL m_bAutoDelete;

#ifndef ZUNTAFX_MFC_SURFACE
protected:
  BOOL copyMessage(LPCTSTR lpszText, LPTSTR lpszError, UINT nMaxError) const;
#endif
};

class ZUNTAFX_API CSimpleException : public CException
{
  DECLARE_DYNAMIC(CSimpleException)
public:
  explicit CSimpleException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
};

#define ZAFX_SIMPLE_EXCEPTION(class_name)                                                                              \
  class ZUNTAFX_API class_name : public CSimpleException                                                               \
  {                                                                                                                    \
    DECLARE_DYNAMIC(class_name)                                                                                        \
  public:                                                                                                              \
    explicit class_name(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {}                                    \
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;              \
  };
ZAFX_SIMPLE_EXCEPTION(CMemoryException)
ZAFX_SIMPLE_EXCEPTION(CNotSupportedException)
ZAFX_SIMPLE_EXCEPTION(CInvalidArgException)
ZAFX_SIMPLE_EXCEPTION(CResourceException)
#undef ZAFX_SIMPLE_EXCEPTION

// MFC declares the OLE exception in afxdisp.h, which the library does not use.
#ifndef ZUNTAFX_MFC_SURFACE
class ZUNTAFX_API COleException : public CException
{
  DECLARE_DYNAMIC(COleException)
public:
  COleException() : m_sc(0) {}
  SCODE m_sc;
};
#endif

class ZUNTAFX_API CFileException : public CException
{
  DECLARE_DYNAMIC(CFileException)
public:
  enum
  {
    none,
    genericException,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile
  };
  explicit CFileException(int cause = none, LONG lOsError = -1, LPCTSTR lpszArchiveName = nullptr);
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;
  static int AFXAPI OsErrorToException(LONG lOsError);

  int m_cause;
  LONG m_lOsError;
  CString m_strFileName;
};

class ZUNTAFX_API CArchiveException : public CException
{
  DECLARE_DYNAMIC(CArchiveException)
public:
  enum
  {
    none,
    genericException,
    readOnly,
    endOfFile,
    writeOnly,
    badIndex,
    badClass,
    badSchema
  };
  explicit CArchiveException(int cause = none, LPCTSTR lpszArchiveName = nullptr);
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;

  int m_cause;
  CString m_strFileName;
};

[[noreturn]] ZUNTAFX_API void AFXAPI AfxThrowMemoryException();
[[noreturn]] ZUNTAFX_API void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] ZUNTAFX_API void AFXAPI AfxThrowInvalidArgException();
[[noreturn]] ZUNTAFX_API void AFXAPI AfxThrowResourceException();
#ifndef ZUNTAFX_MFC_SURFACE
[[noreturn]] ZUNTAFX_API void AFXAPI AfxThrowOleException(SCODE sc);
#endif
[[noreturn]] ZUNTAFX_API void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1,
                                                           LPCTSTR lpszFileName = nullptr);
[[noreturn]] ZUNTAFX_API void AFXAPI AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName = nullptr);
