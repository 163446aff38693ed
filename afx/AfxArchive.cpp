#include "AfxArchive.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace
{

// Object and class tags.
const WORD wNullTag = 0x0000;
const WORD wBigObjectTag = 0x7FFF;
const WORD wClassTag = 0x8000;
const WORD wNewClassTag = 0xFFFF;
const DWORD dwBigClassTag = 0x80000000u;
const DWORD nMaxMapCount = 0x3FFFFFFEu;
// A class name this long or longer is no class of ours.
const WORD nMaxClassNameLength = 64;
// Objects read inside objects: deeper input is refused before it can exhaust the stack.
const UINT nMaxObjectDepth = 256;

// Counts and lengths grow by escapes: each width's all-ones value says "the next width follows".
const bool b64BitCounts = sizeof(DWORD_PTR) == 8;

// Strings are read in pieces, so that a length prefix alone never makes a large allocation.
const size_t nStringChunk = 64 * 1024;

}  // namespace

// What each tag number given when loading stands for: a class record, or an object that later
// tags may refer to (none for an owned object). Objects by the number itself, in pieces that
// never move as loading goes on; each number is written when it is given, so a piece needs no
// clearing. The few classes are listed apart.
class CArchive::CLoadTable
{
public:
  struct CClassRecord
  {
    DWORD nTag;
    CRuntimeClass* pClass;
    UINT nSchema;
  };

  // The places from the number given to the end of its piece, which is made now.
  CObject** AddPiece(DWORD nTag, CObject**& pEnd)
  {
    m_pieces.emplace_back(new CObject*[nPieceSize]);
    CObject** pPiece = m_pieces.back().get();
    pEnd = pPiece + nPieceSize;
    return pPiece + (nTag & nPieceMask);
  }
  // Of a number given only.
  void SetObject(DWORD nTag, CObject* pObject) { m_pieces[nTag >> nPieceShift][nTag & nPieceMask] = pObject; }
  // Of a number given only.
  CObject* GetObject(DWORD nTag) const { return m_pieces[nTag >> nPieceShift][nTag & nPieceMask]; }
  void AddClass(DWORD nTag, CRuntimeClass* pClass, UINT nSchema) { m_classes.push_back({nTag, pClass, nSchema}); }
  const CClassRecord* FindClass(DWORD nTag) const
  {
    const auto found = std::lower_bound(m_classes.begin(), m_classes.end(), nTag,
                                        [](const CClassRecord& record, DWORD nTag) { return record.nTag < nTag; });
    return found != m_classes.end() && found->nTag == nTag ? &*found : nullptr;
  }

private:
  static const DWORD nPieceShift = 12;
  static const DWORD nPieceSize = 1u << nPieceShift;
  static const DWORD nPieceMask = nPieceSize - 1;
  std::vector<std::unique_ptr<CObject*[]>> m_pieces;
  std::vector<CClassRecord> m_classes;  // by rising number
};

// Addresses to tag numbers, by open addressing in a table at most half full: a save of a hundred
// thousand objects makes no node for each.
class CArchive::CStoreMap
{
public:
  CStoreMap() : m_slots(size_t(1) << nInitialBits), m_nBits(nInitialBits), m_nCount(0) {}

  // The number of the key, or 0.
  DWORD Lookup(const void* key) const { return m_slots[find(key)].nTag; }
  // A null key (a null object mapped) takes no place: nothing can refer back to it.
  void SetAt(const void* key, DWORD nTag)
  {
    if (!key)
      return;
    Slot& slot = m_slots[find(key)];
    if (!slot.key)
    {
      slot.key = key;
      ++m_nCount;
    }
    slot.nTag = nTag;
    if (m_nCount * 2 > m_slots.size())
      grow();
  }

private:
  struct Slot
  {
    const void* key;
    DWORD nTag;
  };
  static const UINT nInitialBits = 10;

  // The key's place, or the empty place where it would go.
  size_t find(const void* key) const
  {
    const size_t nMask = m_slots.size() - 1;
    size_t i = home(reinterpret_cast<size_t>(key)) & nMask;
    while (m_slots[i].key && m_slots[i].key != key)
      i = (i + 1) & nMask;
    return i;
  }
  // Objects made one after another lie close together, and a save meets them in that order: the
  // 16-byte units of one 4 KB page keep their order in the table, so that such a save walks it
  // instead of jumping about it. A multiplicative hash spreads the pages, so that objects laid
  // out at a fixed stride form no long runs of taken places.
  size_t home(size_t nAddress) const
  {
    const size_t nPage = size_t((ULONGLONG(nAddress >> 12) * 0x9E3779B97F4A7C15ull) >> (64 - m_nBits));
    return nPage + ((nAddress >> 4) & 0xFF);
  }
  void grow()
  {
    std::vector<Slot> old(m_slots.size() * 2);
    old.swap(m_slots);
    ++m_nBits;
    for (const Slot& slot : old)
      if (slot.key)
        m_slots[find(slot.key)] = slot;
  }

  std::vector<Slot> m_slots;  // a power of two of them; an empty one has no key
  UINT m_nBits;               // the table holds 2^m_nBits slots
  size_t m_nCount;
};

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_nObjectSchema(UINT(-1)), m_pFile(pFile), m_nMode(nMode), m_buffer(size_t(std::max(nBufSize, 128))),
      m_nStored(0), m_pLoadNext(nullptr), m_pLoadEnd(nullptr), m_bAtEnd(FALSE), m_wLastClassTag(0),
      m_pLastClass(nullptr), m_nLastClassSchema(0), m_pLoadTable(IsLoading() ? new CLoadTable : nullptr),
      m_pStoreMap(IsLoading() ? nullptr : new CStoreMap), m_nMapCount(1), m_pNextLoadSlot(nullptr),
      m_pLoadSlotsEnd(nullptr), m_nObjectDepth(0)
{
  (void)lpBuf;  // the archive keeps a buffer of its own
  if (!pFile)
    AfxThrowInvalidArgException();
  m_strFileName = pFile->GetFilePath();
}

CArchive::~CArchive()
{
  if (!m_pFile)
    return;
  if (m_nMode & bNoFlushOnDelete)
  {
    Abort();
    return;
  }
  try
  {
    Close();
  }
  catch (CException* e)
  {
    // A destructor cannot raise: what could not be written is lost, as with Abort.
    e->Delete();
    Abort();
  }
}

void CArchive::Close()
{
  if (IsStoring())
    Flush();
  Abort();
}

void CArchive::Abort()
{
  m_pFile = nullptr;
  m_pLoadNext = m_pLoadEnd = nullptr;
}

void CArchive::Flush()
{
  if (!m_pFile || IsLoading())
    return;
  if (m_nStored)
  {
    m_pFile->Write(m_buffer.data(), UINT(m_nStored));
    m_nStored = 0;
  }
}

void CArchive::checkMode(BOOL bLoading) const
{
  if (!m_pFile)
    AfxThrowInvalidArgException();
  if (bLoading && IsStoring())
    fail(CArchiveException::writeOnly);
  if (!bLoading && IsLoading())
    fail(CArchiveException::readOnly);
}

void CArchive::fail(int cause) const { AfxThrowArchiveException(cause, m_strFileName); }

void CArchive::Write(const void* lpBuf, UINT nMax)
{
  checkMode(FALSE);
  const BYTE* pb = static_cast<const BYTE*>(lpBuf);
  while (nMax)
  {
    if (m_nStored == m_buffer.size())
      Flush();
    const size_t n = std::min<size_t>(nMax, m_buffer.size() - m_nStored);
    std::memcpy(m_buffer.data() + m_nStored, pb, n);
    m_nStored += n;
    pb += n;
    nMax -= UINT(n);
  }
}

void CArchive::fillBuffer()
{
  const UINT nRead = m_pFile->Read(m_buffer.data(), UINT(m_buffer.size()));
  m_pLoadNext = m_buffer.data();
  m_pLoadEnd = m_pLoadNext + nRead;
  m_bAtEnd = nRead == 0;
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
  checkMode(TRUE);
  BYTE* pb = static_cast<BYTE*>(lpBuf);
  UINT nRead = 0;
  while (nRead < nMax)
  {
    if (m_pLoadNext == m_pLoadEnd)
    {
      if (m_bAtEnd)
        break;
      fillBuffer();
      continue;
    }
    const size_t n = std::min<size_t>(nMax - nRead, bufferedToLoad());
    std::memcpy(pb + nRead, m_pLoadNext, n);
    m_pLoadNext += n;
    nRead += UINT(n);
  }
  return nRead;
}

void CArchive::readExactly(void* lpBuf, UINT nCount)
{
  if (Read(lpBuf, nCount) != nCount)
    fail(CArchiveException::endOfFile);
}

#ifdef _WIN32
CArchive& CArchive::operator>>(int& i)
{
  LONG l;
  *this >> l;
  i = int(l);
  return *this;
}
#endif

CArchive& CArchive::operator>>(bool& b)
{
  BYTE by;
  *this >> by;
  b = by != 0;
  return *this;
}

// --- counts -----------------------------------------------------------------------------------

DWORD_PTR CArchive::ReadCount()
{
  WORD wCount;
  *this >> wCount;
  if (wCount != 0xFFFF)
    return wCount;
  DWORD dwCount;
  *this >> dwCount;
  if (!b64BitCounts || dwCount != 0xFFFFFFFFu)
    return dwCount;
  ULONGLONG qwCount;
  *this >> qwCount;
  return DWORD_PTR(qwCount);
}

void CArchive::WriteCount(DWORD_PTR dwCount)
{
  if (dwCount < 0xFFFF)
  {
    *this << WORD(dwCount);
    return;
  }
  *this << WORD(0xFFFF);
  if (!b64BitCounts || ULONGLONG(dwCount) < 0xFFFFFFFFu)
  {
    *this << DWORD(dwCount);
    return;
  }
  *this << DWORD(0xFFFFFFFFu) << ULONGLONG(dwCount);
}

// --- strings ----------------------------------------------------------------------------------

ULONGLONG CArchive::readStringLength(UINT& nCharSize)
{
  nCharSize = 1;
  for (;;)
  {
    BYTE bLength;
    *this >> bLength;
    if (bLength < 0xFF)
      return bLength;
    WORD wLength;
    *this >> wLength;
    if (wLength == 0xFFFE)
    {
      // The wide-string marker; the length follows.
      if (nCharSize == 2)
        fail(CArchiveException::genericException);
      nCharSize = 2;
      continue;
    }
    if (wLength < 0xFFFF)
      return wLength;
    DWORD dwLength;
    *this >> dwLength;
    if (dwLength < 0xFFFFFFFFu)
      return dwLength;
    ULONGLONG qwLength;
    *this >> qwLength;
    return qwLength;
  }
}

void CArchive::writeStringLength(ULONGLONG nLength)
{
  if (nLength < 0xFF)
  {
    *this << BYTE(nLength);
    return;
  }
  *this << BYTE(0xFF);
  if (nLength < 0xFFFE)
  {
    *this << WORD(nLength);
    return;
  }
  *this << WORD(0xFFFF);
  if (nLength < 0xFFFFFFFFu)
  {
    *this << DWORD(nLength);
    return;
  }
  *this << DWORD(0xFFFFFFFFu) << nLength;
}

// Straight from the buffer when the text lies whole in it, as most do; else into the string a
// piece at a time.
void CArchive::readNarrowChars(CString& str, size_t nLength)
{
  if (bufferedToLoad() >= nLength)
  {
    str.SetString(reinterpret_cast<LPCSTR>(m_pLoadNext), int(nLength));
    m_pLoadNext += nLength;
    return;
  }
  str.Empty();
  for (size_t nDone = 0; nDone < nLength;)
  {
    const size_t nChunk = std::min(nLength - nDone, nStringChunk);
    LPTSTR pChars = str.GetBufferSetLength(int(nDone + nChunk));
    readExactly(pChars + nDone, UINT(nChunk));
    nDone += nChunk;
  }
}

CString CArchive::readWideChars(size_t nLength)
{
  std::u16string wide;
  for (size_t nDone = 0; nDone < nLength;)
  {
    const size_t nChunk = std::min(nLength - nDone, nStringChunk / 2);
    wide.resize(nDone + nChunk);
    readExactly(&wide[nDone], UINT(nChunk * 2));
    nDone += nChunk;
  }
  return CString(reinterpret_cast<LPCWSTR>(wide.c_str()));
}

CArchive& CArchive::readString(CString& str)
{
  UINT nCharSize;
  const ULONGLONG nLength = readStringLength(nCharSize);
  // A CString holds fewer than 2^31 bytes; such a length is no string of ours.
  if (nLength >= (nCharSize == 1 ? 0x7FFFFFFFu : 0x3FFFFFFFu))
    fail(CArchiveException::genericException);
  if (nCharSize == 1)
    readNarrowChars(str, size_t(nLength));
  else
    str = readWideChars(size_t(nLength));
  return *this;
}

CArchive& CArchive::operator<<(const CString& str)
{
  writeStringLength(ULONGLONG(str.GetLength()));
  Write(str.GetString(), UINT(str.GetLength()));
  return *this;
}

// --- classes and objects ----------------------------------------------------------------------

// Tag 0 is the null object; numbers count from 1 in the order classes and objects appear.
DWORD CArchive::nextMapIndex()
{
  if (m_nMapCount >= nMaxMapCount)
    fail(CArchiveException::badIndex);
  return m_nMapCount++;
}

void CArchive::addLoadSlots()
{
  if (m_nMapCount >= nMaxMapCount)
    fail(CArchiveException::badIndex);
  m_pNextLoadSlot = m_pLoadTable->AddPiece(m_nMapCount, m_pLoadSlotsEnd);
  // The last piece ends at the largest number (counted, not added to the address, which would
  // run past the end of a 32-bit address space).
  const size_t nLeft = nMaxMapCount - m_nMapCount;
  if (size_t(m_pLoadSlotsEnd - m_pNextLoadSlot) > nLeft)
    m_pLoadSlotsEnd = m_pNextLoadSlot + nLeft;
}

CObject* CArchive::loadedObject(DWORD nTag) const
{
  return nTag > 0 && nTag < m_nMapCount ? m_pLoadTable->GetObject(nTag) : nullptr;
}

void CArchive::writeTag(DWORD dwIndex, BOOL bClass)
{
  if (dwIndex < wBigObjectTag)
    *this << WORD(bClass ? wClassTag | dwIndex : dwIndex);
  else
    *this << wBigObjectTag << DWORD(bClass ? dwBigClassTag | dwIndex : dwIndex);
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
  checkMode(FALSE);
  if (!pClassRef || pClassRef->m_wSchema == 0xFFFF)
    AfxThrowNotSupportedException();
  if (const DWORD nKnown = m_pStoreMap->Lookup(pClassRef))
  {
    writeTag(nKnown, TRUE);
    return;
  }
  const WORD wLength = WORD(std::strlen(pClassRef->m_lpszClassName));
  *this << wNewClassTag << WORD(pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) << wLength;
  Write(pClassRef->m_lpszClassName, wLength);
  m_pStoreMap->SetAt(pClassRef, nextMapIndex());
}

void CArchive::WriteObject(const CObject* pOb)
{
  checkMode(FALSE);
  if (const DWORD nKnown = pOb ? m_pStoreMap->Lookup(pOb) : 0)
  {
    writeTag(nKnown, FALSE);
    return;
  }
  writeObject(pOb, TRUE);
}

void CArchive::mapStored(const CObject* pOb) { m_pStoreMap->SetAt(pOb, nextMapIndex()); }

void CArchive::WriteOwnedObject(const CObject* pOb)
{
  checkMode(FALSE);
  writeObject(pOb, FALSE);
}

// The null tag, or the object's class, then its number and its data.
void CArchive::writeObject(const CObject* pOb, BOOL bRemember)
{
  if (!pOb)
  {
    *this << wNullTag;
    return;
  }
  WriteClass(pOb->GetRuntimeClass());
  const DWORD nTag = nextMapIndex();
  if (bRemember)
    m_pStoreMap->SetAt(pOb, nTag);
  const_cast<CObject*>(pOb)->Serialize(*this);
}

CRuntimeClass* CArchive::readClassRecord(UINT& nSchema)
{
  WORD wSchema, wLength;
  *this >> wSchema >> wLength;
  if (wLength >= nMaxClassNameLength)
    fail(CArchiveException::badClass);
  char szName[nMaxClassNameLength];
  if (Read(szName, wLength) != wLength)
    fail(CArchiveException::badClass);
  szName[wLength] = '\0';
  CRuntimeClass* pClass = CRuntimeClass::FromName(szName);
  if (!pClass || pClass->m_wSchema == 0xFFFF)
    fail(CArchiveException::badClass);
  if ((pClass->m_wSchema & ~VERSIONABLE_SCHEMA) != wSchema && !(pClass->m_wSchema & VERSIONABLE_SCHEMA))
    fail(CArchiveException::badSchema);
  nSchema = wSchema;
  return pClass;
}

CRuntimeClass* CArchive::readClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
  checkMode(TRUE);
  WORD wTag;
  *this >> wTag;
  CRuntimeClass* pClass;
  UINT nSchema;
  if (m_pLastClass && wTag == m_wLastClassTag)
  {
    // Objects of one class tend to come one after another.
    pClass = m_pLastClass;
    nSchema = m_nLastClassSchema;
  }
  else
  {
    pClass = readClassTag(wTag, nSchema, pObTag);
    if (!pClass)
      return nullptr;
  }
  if (pClassRefRequested && pClass != pClassRefRequested && !pClass->IsDerivedFrom(pClassRefRequested))
    fail(CArchiveException::badClass);
  if (pSchema)
    *pSchema = nSchema;
  return pClass;
}

// The class a tag names: a new class record or one read before. An object tag (null or a
// reference back to an object) goes to the caller, and the result is null.
CRuntimeClass* CArchive::readClassTag(WORD wTag, UINT& nSchema, DWORD* pObTag)
{
  DWORD dwTag;
  if (wTag == wBigObjectTag)
    *this >> dwTag;
  else
    dwTag = (DWORD(wTag & wClassTag) << 16) | (wTag & ~wClassTag);
  if (!(dwTag & dwBigClassTag))
  {
    if (!pObTag)
      fail(CArchiveException::badIndex);
    *pObTag = dwTag;
    return nullptr;
  }

  CRuntimeClass* pClass;
  DWORD nClassTag;
  if (wTag == wNewClassTag)
  {
    pClass = readClassRecord(nSchema);
    nClassTag = mapLoaded(nullptr);
    m_pLoadTable->AddClass(nClassTag, pClass, nSchema);
  }
  else
  {
    nClassTag = dwTag & ~dwBigClassTag;
    const CLoadTable::CClassRecord* pRecord = m_pLoadTable->FindClass(nClassTag);
    if (!pRecord)
      fail(CArchiveException::badIndex);
    pClass = pRecord->pClass;
    nSchema = pRecord->nSchema;
  }
  if (nClassTag < wBigObjectTag)
  {
    m_wLastClassTag = WORD(wClassTag | nClassTag);
    m_pLastClass = pClass;
    m_nLastClassSchema = nSchema;
  }
  return pClass;
}

UINT CArchive::GetObjectSchema()
{
  // Once per object: a second call sees -1.
  const UINT nSchema = m_nObjectSchema;
  m_nObjectSchema = UINT(-1);
  return nSchema;
}

CObject* CArchive::readObject(const CRuntimeClass* pClassRefRequested, BOOL bOwned)
{
  UINT nSchema = 0;
  DWORD dwObTag = 0;
  CRuntimeClass* pClass = ReadClass(pClassRefRequested, &nSchema, &dwObTag);
  if (!pClass)
  {
    if (dwObTag == 0)
      return nullptr;
    CObject* pOb = bOwned ? nullptr : loadedObject(dwObTag);
    if (!pOb)
      fail(CArchiveException::badIndex);
    if (pClassRefRequested && !pOb->IsKindOf(pClassRefRequested))
      fail(CArchiveException::badClass);
    return pOb;
  }

  if (m_nObjectDepth >= nMaxObjectDepth)
    fail(CArchiveException::genericException);
  CObject* pOb = pClass->CreateObject();
  if (!pOb)
    AfxThrowMemoryException();
  ++m_nObjectDepth;
  // A shared object is registered before its data is read: the data may refer back to it.
  DWORD nTag = 0;
  try
  {
    nTag = mapLoaded(bOwned ? nullptr : pOb);
    m_nObjectSchema = nSchema;
    pOb->Serialize(*this);
  }
  catch (...)
  {
    --m_nObjectDepth;
    if (nTag)
      m_pLoadTable->SetObject(nTag, nullptr);
    delete pOb;
    throw;
  }
  --m_nObjectDepth;
  return pOb;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested) { return readObject(pClassRefRequested, FALSE); }

CObject* CArchive::ReadOwnedObject(const CRuntimeClass* pClassRefRequested)
{
  return readObject(pClassRefRequested, TRUE);
}
