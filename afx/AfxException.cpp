#include "AfxException.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(COleException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)

void CException::Delete()
{
  if (m_bAutoDelete)
    delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const
{
  if (pnHelpContext)
    *pnHelpContext = 0;
  if (lpszError && nMaxError)
    *lpszError = '\0';
  return FALSE;
}

BOOL CException::copyMessage(LPCTSTR lpszText, LPTSTR lpszError, UINT nMaxError) const
{
  if (!lpszError || nMaxError == 0)
    return FALSE;
  const size_t n = std::min<size_t>(std::strlen(lpszText), nMaxError - 1);
  std::memcpy(lpszError, lpszText, n);
  lpszError[n] = '\0';
  return TRUE;
}

#define ZAFX_SIMPLE_MESSAGE(class_name, text)                                                                          \
  BOOL class_name::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const                        \
  {                                                                                                                    \
    CException::GetErrorMessage(lpszError, nMaxError, pnHelpContext);                                                  \
    return copyMessage(text, lpszError, nMaxError);                                                                    \
  }
ZAFX_SIMPLE_MESSAGE(CMemoryException, "Out of memory.")
ZAFX_SIMPLE_MESSAGE(CNotSupportedException, "The operation is not supported.")
ZAFX_SIMPLE_MESSAGE(CInvalidArgException, "An invalid argument was encountered.")
ZAFX_SIMPLE_MESSAGE(CResourceException, "A required resource was unavailable.")
#undef ZAFX_SIMPLE_MESSAGE

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName)
{}

namespace
{

const char* const kFileCauses[] = {"No error occurred.",
                                   "An unspecified error occurred.",
                                   "The file could not be found.",
                                   "The path is invalid.",
                                   "Too many files are open.",
                                   "Access to the file was denied.",
                                   "The file handle is invalid.",
                                   "The current directory cannot be removed.",
                                   "There are no more directory entries.",
                                   "The file pointer could not be set.",
                                   "A hardware I/O error occurred.",
                                   "A sharing violation occurred.",
                                   "A locking violation occurred.",
                                   "The disk is full.",
                                   "The end of the file was reached."};

const char* const kArchiveCauses[] = {"No error occurred.",
                                      "An unspecified error occurred.",
                                      "The archive was written to while it was open for reading.",
                                      "The end of the archive was reached.",
                                      "The archive was read from while it was open for writing.",
                                      "The archive holds an invalid object or class index.",
                                      "The archive holds an object of an unexpected or unknown class.",
                                      "The archive holds an object of an unsupported version."};

template <size_t N>
const char* causeText(const char* const (&texts)[N], int cause)
{
  return cause >= 0 && size_t(cause) < N ? texts[cause] : texts[1];
}

CString withFileName(const char* text, const CString& name)
{
  return name.IsEmpty() ? CString(text) : CString(text) + " (" + name + ")";
}

}  // namespace

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const
{
  CException::GetErrorMessage(lpszError, nMaxError, pnHelpContext);
  return copyMessage(withFileName(causeText(kFileCauses, m_cause), m_strFileName), lpszError, nMaxError);
}

int AFXAPI CFileException::OsErrorToException(LONG lOsError)
{
  switch (lOsError)
  {
  case ERROR_SUCCESS:
    return none;
  case ERROR_FILE_NOT_FOUND:
    return fileNotFound;
  case ERROR_PATH_NOT_FOUND:
  case ERROR_INVALID_DRIVE:
  case ERROR_FILENAME_EXCED_RANGE:
    return badPath;
  case ERROR_TOO_MANY_OPEN_FILES:
    return tooManyOpenFiles;
  case ERROR_ACCESS_DENIED:
  case ERROR_WRITE_PROTECT:
  case ERROR_FILE_EXISTS:
  case ERROR_ALREADY_EXISTS:
    return accessDenied;
  case ERROR_INVALID_HANDLE:
    return invalidFile;
  case ERROR_NEGATIVE_SEEK:
    return badSeek;
  case ERROR_SHARING_VIOLATION:
    return sharingViolation;
  case ERROR_LOCK_VIOLATION:
    return lockViolation;
  case ERROR_HANDLE_DISK_FULL:
  case ERROR_DISK_FULL:
    return diskFull;
  case ERROR_HANDLE_EOF:
    return endOfFile;
  default:
    return genericException;
  }
}

CArchiveException::CArchiveException(int cause, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{}

BOOL CArchiveException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const
{
  CException::GetErrorMessage(lpszError, nMaxError, pnHelpContext);
  return copyMessage(withFileName(causeText(kArchiveCauses, m_cause), m_strFileName), lpszError, nMaxError);
}

void AFXAPI AfxThrowMemoryException()
{
  // Allocating the exception could fail as well: the one object is static.
  static CMemoryException memoryException(FALSE);
  throw &memoryException;
}

void AFXAPI AfxThrowNotSupportedException() { throw new CNotSupportedException; }

void AFXAPI AfxThrowInvalidArgException() { throw new CInvalidArgException; }

void AFXAPI AfxThrowResourceException() { throw new CResourceException; }

void AFXAPI AfxThrowOleException(SCODE sc)
{
  COleException* e = new COleException;
  e->m_sc = sc;
  throw e;
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
  throw new CFileException(cause, lOsError, lpszFileName);
}

void AFXAPI AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName)
{
  throw new CArchiveException(cause, lpszArchiveName);
}
