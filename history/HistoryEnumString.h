// One history presented to the shell's auto-complete object as a string enumerator. The
// history is borrowed; the enumerator lives as long as its COM references.
#pragma once
#include "EnteredHistory.h"

#include <objidl.h>

class AFX_EXT_CLASS CHistoryEnumString : public IEnumString
{
public:
  explicit CHistoryEnumString(CEnteredHistory* pHistory);
  CHistoryEnumString(const CHistoryEnumString& other);
  CHistoryEnumString& operator=(const CHistoryEnumString& other);
  virtual ~CHistoryEnumString();

  // Binds to another history (null: no suggestions) and starts from its most recent entry.
  void UpdateHistory(CEnteredHistory* pHistory);

  STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // Each string is converted from the ANSI code page and allocated with CoTaskMemAlloc for
  // the caller to free. S_FALSE when fewer than celt strings were left.
  STDMETHODIMP Next(ULONG celt, LPOLESTR* rgelt, ULONG* pceltFetched) override;
  // Skipping past the end starts again from the first entry.
  STDMETHODIMP Skip(ULONG celt) override;
  STDMETHODIMP Reset() override;
  STDMETHODIMP Clone(IEnumString** ppenum) override;

protected:
  LONG m_nRefCount;
  LONG m_nPosition;
  CEnteredHistory* m_pHistory;

private:
  HRESULT abandonNext(LPOLESTR* rgelt, ULONG nFetched, ULONG* pceltFetched);
};
