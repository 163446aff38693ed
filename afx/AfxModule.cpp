#include "AfxModule.h"

#include <mutex>

namespace
{
// DLLs join and leave the chain from their entry points, on whichever thread loads them.
std::recursive_mutex g_chainLock;
CDynLinkLibrary* g_pFirstDLL = nullptr;
HINSTANCE g_hResource = nullptr;

bool HasResource(HINSTANCE hModule, LPCTSTR lpszName, LPCTSTR lpszType)
{
  return ::FindResource(hModule, lpszName, lpszType) != nullptr;
}

// A string block holds sixteen counted UTF-16 strings; an absent string has length 0.
bool HasString(HINSTANCE hModule, UINT nID)
{
  HRSRC hBlock = ::FindResource(hModule, MAKEINTRESOURCE(nID / 16 + 1), RT_STRING);
  if (hBlock == nullptr)
    return false;
  const WORD* pEntry = static_cast<const WORD*>(::LockResource(::LoadResource(hModule, hBlock)));
  if (pEntry == nullptr)
    return false;
  const WORD* pEnd = pEntry + ::SizeofResource(hModule, hBlock) / sizeof(WORD);
  for (UINT nSkip = nID % 16; nSkip > 0 && pEntry < pEnd; --nSkip)
    pEntry += 1 + *pEntry;
  return pEntry < pEnd && *pEntry != 0;
}

template <class Holds>
HINSTANCE SearchChain(Holds holds)
{
  HINSTANCE hApp = AfxGetResourceHandle();
  if (holds(hApp))
    return hApp;
  std::lock_guard<std::recursive_mutex> lock(g_chainLock);
  for (bool bSystemPass : {false, true})
  {
    for (CDynLinkLibrary* pDLL = g_pFirstDLL; pDLL != nullptr; pDLL = pDLL->m_pNextDLL)
    {
      bool bInPass = (pDLL->m_bSystem != FALSE) == bSystemPass;
      if (bInPass && pDLL->m_hResource != nullptr && holds(pDLL->m_hResource))
        return pDLL->m_hResource;
    }
  }
  return nullptr;
}
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem)
{
  // At the head, so that a library loaded later overrides the ones before it.
  std::lock_guard<std::recursive_mutex> lock(g_chainLock);
  m_pNextDLL = g_pFirstDLL;
  g_pFirstDLL = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
  std::lock_guard<std::recursive_mutex> lock(g_chainLock);
  for (CDynLinkLibrary** ppLink = &g_pFirstDLL; *ppLink != nullptr; ppLink = &(*ppLink)->m_pNextDLL)
  {
    if (*ppLink == this)
    {
      *ppLink = m_pNextDLL;
      break;
    }
  }
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
  if (!state.bInitialized)
  {
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
  }
  return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
  if (!state.bInitialized)
    return;
  std::lock_guard<std::recursive_mutex> lock(g_chainLock);
  for (CDynLinkLibrary* pDLL = g_pFirstDLL; pDLL != nullptr;)
  {
    CDynLinkLibrary* pNextDLL = pDLL->m_pNextDLL;
    if (bAll || pDLL->m_hModule == state.hModule)
      delete pDLL;
    pDLL = pNextDLL;
  }
}

HINSTANCE AFXAPI AfxGetInstanceHandle() { return ::GetModuleHandle(nullptr); }

HINSTANCE AFXAPI AfxGetResourceHandle() { return g_hResource != nullptr ? g_hResource : AfxGetInstanceHandle(); }

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) { g_hResource = hInstResource; }

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
  HINSTANCE hFound = SearchChain([=](HINSTANCE h) { return HasResource(h, lpszName, lpszType); });
  return hFound != nullptr ? hFound : AfxGetResourceHandle();
}

HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID)
{
  return SearchChain([=](HINSTANCE h) { return HasString(h, nID); });
}
