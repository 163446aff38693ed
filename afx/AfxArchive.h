// CArchive: objects, strings and numbers to and from a CFile in the framework's persistent
// format (little-endian; object and class tags; counted strings), buffered. A malformed or
// short input raises CArchiveException; nothing is allocated beyond what the input can fill, and
// objects nested deeper than 256 are refused.
#pragma once
#include "AfxFile.h"
#include "AfxTime.h"

#include <cstring>
#include <memory>
#include <vector>

class ZUNTAFX_API CArchive
{
public:
  enum Mode
  {
    store = 0,
    load = 1,
    bNoFlushOnDelete = 2,
    bNoByteSwap = 4
  };

  CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
  // Closes the archive, flushing what it stored, unless bNoFlushOnDelete was given.
  ~CArchive();
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  BOOL IsLoading() const { return (m_nMode & load) != 0; }
  BOOL IsStoring() const { return (m_nMode & load) == 0; }
  CFile* GetFile() const { return m_pFile; }
  // Writes what is buffered and lets go of the file (which stays open).
  void Close();
  // Lets go of the file without writing what is buffered.
  void Abort();
  // Writes what is buffered to the file.
  void Flush();

  UINT Read(void* lpBuf, UINT nMax);
  void Write(const void* lpBuf, UINT nMax);

  // Object counts: a WORD below 0xFFFF, else 0xFFFF and a DWORD (and a QWORD on 64 bits).
  DWORD_PTR ReadCount();
  void WriteCount(DWORD_PTR dwCount);

  // Objects with their class records; null pointers and references to earlier objects too.
  CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
  void WriteObject(const CObject* pOb);
#ifndef ZUNTAFX_MFC_SURFACE
  // Beyond the framework, for owners that delete what they read: an object that no one else
  // holds. It takes its tag number, but a reference back to it, from here or from a later
  // ReadObject, is a bad index, as is a reference back to any object read earlier.
  CObject* ReadOwnedObject(const CRuntimeClass* pClassRefRequested);
  // Its counterpart: an object written once, that no other object written refers to. It takes
  // its tag number but is not remembered, which spares storing one entry per object.
  void WriteOwnedObject(const CObject* pOb);
#endif
  // Gives an object the next tag number without reading or writing it, so that later tags
  // refer to it (loading) or write it as a reference (storing).
  void MapObject(const CObject* pOb)
  {
    if (IsLoading())
      mapLoaded(const_cast<CObject*>(pOb));
    else
      mapStored(pOb);
  }
  CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr, UINT* pSchema = nullptr,
                           DWORD* pObTag = nullptr)
  {
    // Objects of one class tend to come one after another: a repeat of the last class tag, for
    // that very class, is taken straight from the buffer.
    WORD wTag;
    if (m_pLastClass && pClassRefRequested == m_pLastClass && bufferedToLoad() >= sizeof wTag)
    {
      std::memcpy(&wTag, m_pLoadNext, sizeof wTag);
      if (wTag == m_wLastClassTag)
      {
        m_pLoadNext += sizeof wTag;
        if (pSchema)
          *pSchema = m_nLastClassSchema;
        return m_pLastClass;
      }
    }
    return readClass(pClassRefRequested, pSchema, pObTag);
  }
  void WriteClass(const CRuntimeClass* pClassRef);
  UINT GetObjectSchema();
  void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

  CArchive& operator<<(BYTE by) { return writeValue(by); }
  CArchive& operator<<(WORD w) { return writeValue(w); }
  CArchive& operator<<(LONG l) { return writeValue(l); }
  CArchive& operator<<(DWORD dw) { return writeValue(dw); }
#ifdef _WIN32  // natively LONG is int
  CArchive& operator<<(int i) { return writeValue(LONG(i)); }
#endif
  CArchive& operator<<(short w) { return writeValue(w); }
  CArchive& operator<<(char ch) { return writeValue(ch); }
  CArchive& operator<<(bool b) { return writeValue(BYTE(b ? 1 : 0)); }
  CArchive& operator<<(LONGLONG dwdw) { return writeValue(dwdw); }
  CArchive& operator<<(ULONGLONG dwdw) { return writeValue(dwdw); }
  CArchive& operator<<(float f) { return writeValue(f); }
  CArchive& operator<<(double d) { return writeValue(d); }
  CArchive& operator<<(const CString& str);
  CArchive& operator<<(const CObject* pOb)
  {
    WriteObject(pOb);
    return *this;
  }

  CArchive& operator>>(BYTE& by) { return readValue(by); }
  CArchive& operator>>(WORD& w) { return readValue(w); }
  CArchive& operator>>(LONG& l) { return readValue(l); }
  CArchive& operator>>(DWORD& dw) { return readValue(dw); }
#ifdef _WIN32
  CArchive& operator>>(int& i);
#endif
  CArchive& operator>>(short& w) { return readValue(w); }
  CArchive& operator>>(char& ch) { return readValue(ch); }
  CArchive& operator>>(bool& b);
  CArchive& operator>>(LONGLONG& dwdw) { return readValue(dwdw); }
  CArchive& operator>>(ULONGLONG& dwdw) { return readValue(dwdw); }
  CArchive& operator>>(float& f) { return readValue(f); }
  CArchive& operator>>(double& d) { return readValue(d); }
  // Narrow or wide; wide text is converted to the ANSI code page.
  CArchive& operator>>(CString& str)
  {
    // Most strings are short and narrow, and lie whole in the buffer.
    if (bufferedToLoad() > 0)
    {
      const size_t nLength = *m_pLoadNext;
      if (nLength < 0xFF && bufferedToLoad() > nLength)
      {
        str.SetString(reinterpret_cast<LPCSTR>(m_pLoadNext + 1), int(nLength));
        m_pLoadNext += 1 + nLength;
        return *this;
      }
    }
    return readString(str);
  }
  CArchive& operator>>(CObject*& pOb)
  {
    pOb = ReadObject(nullptr);
    return *this;
  }

  UINT m_nObjectSchema;
  CString m_strFileName;

private:
  class CLoadTable;
  class CStoreMap;

  template <typename T>
  CArchive& writeValue(T value)
  {
    // Most values fit in the buffer as it is: copy them without the general write's loop.
    if (roomToStore() >= sizeof value)
    {
      std::memcpy(m_buffer.data() + m_nStored, &value, sizeof value);
      m_nStored += sizeof value;
      return *this;
    }
    Write(&value, sizeof value);
    return *this;
  }
  // The bytes that storing can put in the buffer before it is written to the file.
  size_t roomToStore() const { return m_pFile && IsStoring() ? m_buffer.size() - m_nStored : 0; }
  // The bytes that loading can take from the buffer without reading the file (none when storing
  // or closed).
  size_t bufferedToLoad() const { return size_t(m_pLoadEnd - m_pLoadNext); }
  template <typename T>
  CArchive& readValue(T& value)
  {
    // Most values lie whole in the buffer: copy them without the general read's loop.
    if (bufferedToLoad() >= sizeof value)
    {
      std::memcpy(&value, m_pLoadNext, sizeof value);
      m_pLoadNext += sizeof value;
      return *this;
    }
    readExactly(&value, sizeof value);
    return *this;
  }
  void readExactly(void* lpBuf, UINT nCount);
  void fillBuffer();
  void checkMode(BOOL bLoading) const;
  [[noreturn]] void fail(int cause) const;

  // A string's length and width, as its prefix gives them.
  ULONGLONG readStringLength(UINT& nCharSize);
  void writeStringLength(ULONGLONG nLength);
  CArchive& readString(CString& str);
  void readNarrowChars(CString& str, size_t nLength);
  CString readWideChars(size_t nLength);

  CObject* readObject(const CRuntimeClass* pClassRefRequested, BOOL bOwned);
  CRuntimeClass* readClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag);
  CRuntimeClass* readClassRecord(UINT& nSchema);
  void writeTag(DWORD dwIndex, BOOL bClass);
  void writeObject(const CObject* pOb, BOOL bRemember);
  DWORD nextMapIndex();
  // The next tag number, for an object read (null for a class record or an owned object).
  DWORD mapLoaded(CObject* pObject)
  {
    if (m_pNextLoadSlot == m_pLoadSlotsEnd)
      addLoadSlots();
    *m_pNextLoadSlot++ = pObject;
    return m_nMapCount++;
  }
  void addLoadSlots();
  void mapStored(const CObject* pOb);
  CObject* loadedObject(DWORD nTag) const;
  CRuntimeClass* readClassTag(WORD wTag, UINT& nSchema, DWORD* pObTag);

  CFile* m_pFile;
  UINT m_nMode;
  std::vector<BYTE> m_buffer;
  size_t m_nStored;  // storing: the bytes in the buffer, not yet written
  // Loading from an open file: the buffered bytes not yet read. Both null otherwise, so that the
  // inline reads need no test of the mode.
  const BYTE* m_pLoadNext;
  const BYTE* m_pLoadEnd;
  BOOL m_bAtEnd;  // the file has no more bytes to load

  // The class that the last class tag named, and that tag as a reference.
  WORD m_wLastClassTag;
  CRuntimeClass* m_pLastClass;
  UINT m_nLastClassSchema;
  // Loading: what every tag number given stands for. Storing: the number of each class and object.
  std::unique_ptr<CLoadTable> m_pLoadTable;
  std::unique_ptr<CStoreMap> m_pStoreMap;
  DWORD m_nMapCount;  // the next tag number to give
  // Loading: the load table's places for the next numbers, up to the end of the current piece.
  CObject** m_pNextLoadSlot;
  CObject** m_pLoadSlotsEnd;
  UINT m_nObjectDepth;  // objects being read inside one another
};

// With the archive, which the time's own declaration cannot see: loading reads a history's
// entries by the hundred thousand.
inline CArchive& CTime::Serialize64(CArchive& ar)
{
  if (ar.IsStoring())
    return ar << LONGLONG(m_time);
  LONGLONG time;
  ar >> time;
  m_time = time;
  return ar;
}
