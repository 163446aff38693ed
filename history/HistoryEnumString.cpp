#include "HistoryEnumString.h"

namespace
{
// A wide copy of a multi-byte text in task memory; null when the memory is not there.
LPOLESTR NewTaskString(const CString& strText)
{
  int nChars = ::MultiByteToWideChar(CP_ACP, 0, strText, -1, nullptr, 0);
  auto pszWide = static_cast<LPOLESTR>(::CoTaskMemAlloc(nChars * sizeof(OLECHAR)));
  if (pszWide != nullptr)
    ::MultiByteToWideChar(CP_ACP, 0, strText, -1, pszWide, nChars);
  return pszWide;
}
}

CHistoryEnumString::CHistoryEnumString(CEnteredHistory* pHistory) : m_nRefCount(0), m_nPosition(0), m_pHistory(pHistory)
{}

CHistoryEnumString::CHistoryEnumString(const CHistoryEnumString& other)
    : m_nRefCount(other.m_nRefCount), m_nPosition(other.m_nPosition), m_pHistory(other.m_pHistory)
{}

CHistoryEnumString& CHistoryEnumString::operator=(const CHistoryEnumString& other)
{
  m_nRefCount = other.m_nRefCount;
  m_nPosition = other.m_nPosition;
  m_pHistory = other.m_pHistory;
  return *this;
}

CHistoryEnumString::~CHistoryEnumString() = default;

void CHistoryEnumString::UpdateHistory(CEnteredHistory* pHistory)
{
  m_pHistory = pHistory;
  m_nPosition = 0;
}

STDMETHODIMP CHistoryEnumString::QueryInterface(REFIID riid, void** ppvObject)
{
  if (ppvObject == nullptr)
    return E_POINTER;
  if (::IsEqualIID(riid, IID_IUnknown) || ::IsEqualIID(riid, IID_IEnumString))
  {
    *ppvObject = static_cast<IEnumString*>(this);
    AddRef();
    return S_OK;
  }
  *ppvObject = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CHistoryEnumString::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_nRefCount)); }

STDMETHODIMP_(ULONG) CHistoryEnumString::Release()
{
  LONG nCount = ::InterlockedDecrement(&m_nRefCount);
  if (nCount == 0)
    delete this;
  return static_cast<ULONG>(nCount);
}

STDMETHODIMP CHistoryEnumString::Next(ULONG celt, LPOLESTR* rgelt, ULONG* pceltFetched)
{
  if (pceltFetched != nullptr)
    *pceltFetched = 0;
  if (rgelt == nullptr)
    return E_POINTER;
  rgelt[0] = nullptr;
  if (m_pHistory == nullptr)
    return S_FALSE;
  ULONG nFetched = 0;
  while (nFetched < celt && m_nPosition < m_pHistory->GetCount())
  {
    CEnteredText* pEntry = m_pHistory->GetAt(m_nPosition);
    LPOLESTR pszText = NewTaskString(pEntry != nullptr ? pEntry->GetText() : CString());
    if (pszText == nullptr)
      return abandonNext(rgelt, nFetched, pceltFetched);
    rgelt[nFetched++] = pszText;
    if (pceltFetched != nullptr)
      *pceltFetched = nFetched;
    ++m_nPosition;
  }
  return nFetched == celt ? S_OK : S_FALSE;
}

// Out of memory within Next: the caller gets nothing, and the position is where it was.
HRESULT CHistoryEnumString::abandonNext(LPOLESTR* rgelt, ULONG nFetched, ULONG* pceltFetched)
{
  for (ULONG n = 0; n < nFetched; ++n)
  {
    ::CoTaskMemFree(rgelt[n]);
    rgelt[n] = nullptr;
  }
  m_nPosition -= static_cast<LONG>(nFetched);
  if (pceltFetched != nullptr)
    *pceltFetched = 0;
  return E_OUTOFMEMORY;
}

STDMETHODIMP CHistoryEnumString::Skip(ULONG celt)
{
  if (m_pHistory == nullptr)
    return S_FALSE;
  m_nPosition += static_cast<LONG>(celt);
  if (m_nPosition > m_pHistory->GetCount() || m_nPosition < 0)
    m_nPosition = 0;
  return S_OK;
}

STDMETHODIMP CHistoryEnumString::Reset()
{
  m_nPosition = 0;
  return S_OK;
}

STDMETHODIMP CHistoryEnumString::Clone(IEnumString** ppenum)
{
  if (ppenum == nullptr)
    return E_POINTER;
  auto pClone = new CHistoryEnumString(m_pHistory);
  pClone->m_nPosition = m_nPosition;
  pClone->AddRef();
  *ppenum = pClone;
  return S_OK;
}
