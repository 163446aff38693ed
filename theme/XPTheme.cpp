#include "XPTheme.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <map>
#include <type_traits>

// Every entry point of the DLL that the wrapper caches.
// clang-format off
#define ZUNT_XPTHEME_ENTRY_POINTS(X)                                                                   \
  X(OpenThemeData) X(CloseThemeData) X(DrawThemeBackground) X(DrawThemeBackgroundEx) X(DrawThemeText)  \
  X(GetThemeBackgroundContentRect) X(GetThemeBackgroundExtent) X(GetThemePartSize) X(GetThemeTextExtent) \
  X(GetThemeTextMetrics) X(GetThemeBackgroundRegion) X(HitTestThemeBackground) X(DrawThemeEdge)          \
  X(DrawThemeIcon) X(IsThemePartDefined) X(IsThemeBackgroundPartiallyTransparent) X(GetThemeColor)      \
  X(GetThemeMetric) X(GetThemeString) X(GetThemeBool) X(GetThemeInt) X(GetThemeEnumValue)                \
  X(GetThemePosition) X(GetThemeFont) X(GetThemeRect) X(GetThemeMargins) X(GetThemeIntList)              \
  X(GetThemePropertyOrigin) X(SetWindowTheme) X(GetThemeFilename) X(GetThemeSysColor)                   \
  X(GetThemeSysColorBrush) X(GetThemeSysBool) X(GetThemeSysSize) X(GetThemeSysFont) X(GetThemeSysString) \
  X(GetThemeSysInt) X(IsThemeActive) X(IsAppThemed) X(GetWindowTheme) X(EnableThemeDialogTexture)       \
  X(IsThemeDialogTextureEnabled) X(GetThemeAppProperties) X(SetThemeAppProperties) X(GetCurrentThemeName) \
  X(GetThemeDocumentationProperty) X(DrawThemeParentBackground) X(EnableTheming)
// clang-format on

#define ZUNT_DEFINE_ENTRY_POINT(name) void* CXPTheme::m_p##name = nullptr;
ZUNT_XPTHEME_ENTRY_POINTS(ZUNT_DEFINE_ENTRY_POINT)
#undef ZUNT_DEFINE_ENTRY_POINT

HMODULE CXPTheme::m_hThemeDll = nullptr;
bool CXPTheme::m_bLoaded = false;
const char* CXPTheme::m_pszThemeDllName = "UxTheme.dll";

namespace
{
// The DLL's own declarations give each entry point's type; the two that fill wide structures
// are declared by MinGW with the multi-byte ones, so they get their true types here.
using PFNGETTHEMETEXTMETRICS = HRESULT(WINAPI*)(HTHEME, HDC, int, int, TEXTMETRICW*);
using PFNGETTHEMEFONT = HRESULT(WINAPI*)(HTHEME, HDC, int, int, int, LOGFONTW*);
using PFNGETTHEMESYSFONT = HRESULT(WINAPI*)(HTHEME, int, LOGFONTW*);

template <class TResult>
TResult resultOf(long long nValue)
{
  if constexpr (std::is_void<TResult>::value)
    return;
  else if constexpr (std::is_pointer<TResult>::value)
    return reinterpret_cast<TResult>(static_cast<INT_PTR>(nValue));
  else
    return static_cast<TResult>(nValue);
}

// The stand-in of an entry point that cannot be had: same signature, fixed result.
template <long long nFailure, class TFunction>
struct SFallback;
template <long long nFailure, class TResult, class... TArgs>
struct SFallback<nFailure, TResult(WINAPI*)(TArgs...)>
{
  static TResult WINAPI Call(TArgs...) { return resultOf<TResult>(nFailure); }
};

const long long kFailed = E_FAIL;
const long long kWhite = 0x00FFFFFF;

// Extra holders of a theme handle made by copying an object; the last holder closes it.
std::map<HTHEME, int>& SharedHolders()
{
  static std::map<HTHEME, int> holders;
  return holders;
}

void CopyFont(const LOGFONTW& wide, LOGFONTA* pFont)
{
  std::memcpy(pFont, &wide, offsetof(LOGFONTW, lfFaceName));
  ::WideCharToMultiByte(CP_ACP, 0, wide.lfFaceName, -1, pFont->lfFaceName, LF_FACESIZE, nullptr, nullptr);
  pFont->lfFaceName[LF_FACESIZE - 1] = '\0';
}

BYTE NarrowChar(WCHAR ch) { return static_cast<BYTE>(std::min<WCHAR>(ch, 0xFF)); }

void CopyTextMetrics(const TEXTMETRICW& wide, TEXTMETRICA* pMetrics)
{
  std::memcpy(pMetrics, &wide, offsetof(TEXTMETRICW, tmFirstChar));
  pMetrics->tmFirstChar = NarrowChar(wide.tmFirstChar);
  pMetrics->tmLastChar = NarrowChar(wide.tmLastChar);
  pMetrics->tmDefaultChar = NarrowChar(wide.tmDefaultChar);
  pMetrics->tmBreakChar = NarrowChar(wide.tmBreakChar);
  pMetrics->tmItalic = wide.tmItalic;
  pMetrics->tmUnderlined = wide.tmUnderlined;
  pMetrics->tmStruckOut = wide.tmStruckOut;
  pMetrics->tmPitchAndFamily = wide.tmPitchAndFamily;
  pMetrics->tmCharSet = wide.tmCharSet;
}
}  // namespace

// Calls the DLL's function of that name through its cached entry point.
#define ZUNT_UXTHEME(name, failure, ...) call<failure, decltype(&::name)>(m_p##name, #name, __VA_ARGS__)

template <long long nFailure, class TFunction, class... TArgs>
auto CXPTheme::call(void*& pfnCached, const char* pszName, TArgs... args)
{
  if (!pfnCached)
    pfnCached = GetProc(pszName, reinterpret_cast<void*>(&SFallback<nFailure, TFunction>::Call));
  return reinterpret_cast<TFunction>(pfnCached)(args...);
}

HMODULE CXPTheme::LoadDll()
{
  if (!m_bLoaded)
  {
    m_hThemeDll = ::LoadLibraryA(m_pszThemeDllName);
    m_bLoaded = true;
  }
  return m_hThemeDll;
}

void* CXPTheme::GetProc(const char* pszName, void* pfnFallback)
{
  if (!LoadDll())
    return pfnFallback;
  FARPROC pfn = ::GetProcAddress(m_hThemeDll, pszName);
  return pfn ? reinterpret_cast<void*>(pfn) : pfnFallback;
}

void CXPTheme::Release()
{
  // A failed load is forgotten too, so that the next call tries again.
  if (m_hThemeDll)
    ::FreeLibrary(m_hThemeDll);
  m_hThemeDll = nullptr;
  m_bLoaded = false;
#define ZUNT_FORGET_ENTRY_POINT(name) m_p##name = nullptr;
  ZUNT_XPTHEME_ENTRY_POINTS(ZUNT_FORGET_ENTRY_POINT)
#undef ZUNT_FORGET_ENTRY_POINT
}

CXPTheme::CXPTheme() : m_hTheme(nullptr) {}

CXPTheme::CXPTheme(void* hTheme) : m_hTheme(hTheme) {}

CXPTheme::CXPTheme(HWND hWnd, const wchar_t* pszClassList) : m_hTheme(nullptr) { Open(hWnd, pszClassList); }

CXPTheme::~CXPTheme() { Close(); }

CXPTheme::CXPTheme(const CXPTheme& other) : m_hTheme(nullptr) { *this = other; }

CXPTheme& CXPTheme::operator=(const CXPTheme& other)
{
  if (m_hTheme == other.m_hTheme)
    return *this;
  Close();
  m_hTheme = other.m_hTheme;
  if (m_hTheme)
    ++SharedHolders()[m_hTheme];
  return *this;
}

int CXPTheme::Open(HWND hWnd, const wchar_t* pszClassList)
{
  Close();
  m_hTheme = ZUNT_UXTHEME(OpenThemeData, 0, hWnd, pszClassList);
  return m_hTheme != nullptr;
}

void CXPTheme::Close()
{
  if (!m_hTheme)
    return;
  std::map<HTHEME, int>& holders = SharedHolders();
  auto shared = holders.find(m_hTheme);
  if (shared == holders.end())
    ZUNT_UXTHEME(CloseThemeData, kFailed, m_hTheme);
  else if (--shared->second == 0)
    holders.erase(shared);
  m_hTheme = nullptr;
}

void CXPTheme::Attach(void* hTheme)
{
  Close();
  m_hTheme = hTheme;
}

void* CXPTheme::Detach()
{
  HTHEME hTheme = m_hTheme;
  m_hTheme = nullptr;
  return hTheme;
}

int CXPTheme::IsAvailable() { return LoadDll() != nullptr && m_hTheme != nullptr; }

HRESULT CXPTheme::DrawBackground(HDC hdc, int iPartId, int iStateId, const RECT* pRect, const RECT* pClipRect)
{
  return ZUNT_UXTHEME(DrawThemeBackground, kFailed, m_hTheme, hdc, iPartId, iStateId, pRect, pClipRect);
}

HRESULT CXPTheme::DrawBackgroundEx(HDC hdc, int iPartId, int iStateId, const RECT* pRect, const DTBGOPTS* pOptions)
{
  return ZUNT_UXTHEME(DrawThemeBackgroundEx, kFailed, m_hTheme, hdc, iPartId, iStateId, pRect, pOptions);
}

HRESULT CXPTheme::DrawTextA(HDC hdc, int iPartId, int iStateId, const wchar_t* pszText, int iCharCount,
                            DWORD dwTextFlags, DWORD dwTextFlags2, const RECT* pRect)
{
  return ZUNT_UXTHEME(DrawThemeText, kFailed, m_hTheme, hdc, iPartId, iStateId, pszText, iCharCount, dwTextFlags,
                      dwTextFlags2, pRect);
}

HRESULT CXPTheme::GetBackgroundContentRect(HDC hdc, int iPartId, int iStateId, const RECT* pBoundingRect,
                                           RECT* pContentRect)
{
  return ZUNT_UXTHEME(GetThemeBackgroundContentRect, kFailed, m_hTheme, hdc, iPartId, iStateId, pBoundingRect,
                      pContentRect);
}

HRESULT CXPTheme::GetBackgroundExtent(HDC hdc, int iPartId, int iStateId, const RECT* pContentRect, RECT* pExtentRect)
{
  return ZUNT_UXTHEME(GetThemeBackgroundExtent, kFailed, m_hTheme, hdc, iPartId, iStateId, pContentRect, pExtentRect);
}

HRESULT CXPTheme::GetPartSize(HDC hdc, int iPartId, int iStateId, RECT* prc, THEMESIZE eSize, SIZE* psz)
{
  return ZUNT_UXTHEME(GetThemePartSize, kFailed, m_hTheme, hdc, iPartId, iStateId, prc, eSize, psz);
}

HRESULT CXPTheme::GetTextExtent(HDC hdc, int iPartId, int iStateId, const wchar_t* pszText, int iCharCount,
                                DWORD dwTextFlags, const RECT* pBoundingRect, RECT* pExtentRect)
{
  return ZUNT_UXTHEME(GetThemeTextExtent, kFailed, m_hTheme, hdc, iPartId, iStateId, pszText, iCharCount, dwTextFlags,
                      pBoundingRect, pExtentRect);
}

HRESULT CXPTheme::GetTextMetricsA(HDC hdc, int iPartId, int iStateId, TEXTMETRICA* ptm)
{
  TEXTMETRICW wide = {};
  HRESULT hr = call<kFailed, PFNGETTHEMETEXTMETRICS>(m_pGetThemeTextMetrics, "GetThemeTextMetrics", m_hTheme, hdc,
                                                     iPartId, iStateId, ptm ? &wide : nullptr);
  if (SUCCEEDED(hr) && ptm)
    CopyTextMetrics(wide, ptm);
  return hr;
}

HRESULT CXPTheme::GetBackgroundRegion(HDC hdc, int iPartId, int iStateId, const RECT* pRect, HRGN* pRegion)
{
  return ZUNT_UXTHEME(GetThemeBackgroundRegion, kFailed, m_hTheme, hdc, iPartId, iStateId, pRect, pRegion);
}

HRESULT CXPTheme::HitTestBackground(HDC hdc, int iPartId, int iStateId, DWORD dwOptions, const RECT* pRect, HRGN hrgn,
                                    POINT ptTest, WORD* pwHitTestCode)
{
  return ZUNT_UXTHEME(HitTestThemeBackground, kFailed, m_hTheme, hdc, iPartId, iStateId, dwOptions, pRect, hrgn, ptTest,
                      pwHitTestCode);
}

HRESULT CXPTheme::DrawEdge(HDC hdc, int iPartId, int iStateId, const RECT* pDestRect, UINT uEdge, UINT uFlags,
                           RECT* pContentRect)
{
  return ZUNT_UXTHEME(DrawThemeEdge, kFailed, m_hTheme, hdc, iPartId, iStateId, pDestRect, uEdge, uFlags, pContentRect);
}

HRESULT CXPTheme::DrawIcon(HDC hdc, int iPartId, int iStateId, const RECT* pRect, HIMAGELIST himl, int iImageIndex)
{
  return ZUNT_UXTHEME(DrawThemeIcon, kFailed, m_hTheme, hdc, iPartId, iStateId, pRect, himl, iImageIndex);
}

BOOL CXPTheme::IsPartDefined(int iPartId, int iStateId)
{
  return ZUNT_UXTHEME(IsThemePartDefined, FALSE, m_hTheme, iPartId, iStateId);
}

BOOL CXPTheme::IsBackgroundPartiallyTransparent(int iPartId, int iStateId)
{
  return ZUNT_UXTHEME(IsThemeBackgroundPartiallyTransparent, FALSE, m_hTheme, iPartId, iStateId);
}

HRESULT CXPTheme::GetColor(int iPartId, int iStateId, int iPropId, COLORREF* pColor)
{
  return ZUNT_UXTHEME(GetThemeColor, kFailed, m_hTheme, iPartId, iStateId, iPropId, pColor);
}

HRESULT CXPTheme::GetMetric(HDC hdc, int iPartId, int iStateId, int iPropId, int* piVal)
{
  return ZUNT_UXTHEME(GetThemeMetric, kFailed, m_hTheme, hdc, iPartId, iStateId, iPropId, piVal);
}

HRESULT CXPTheme::GetString(int iPartId, int iStateId, int iPropId, wchar_t* pszBuff, int cchMaxBuffChars)
{
  return ZUNT_UXTHEME(GetThemeString, kFailed, m_hTheme, iPartId, iStateId, iPropId, pszBuff, cchMaxBuffChars);
}

HRESULT CXPTheme::GetBool(int iPartId, int iStateId, int iPropId, int* pfVal)
{
  return ZUNT_UXTHEME(GetThemeBool, kFailed, m_hTheme, iPartId, iStateId, iPropId, pfVal);
}

HRESULT CXPTheme::GetInt(int iPartId, int iStateId, int iPropId, int* piVal)
{
  return ZUNT_UXTHEME(GetThemeInt, kFailed, m_hTheme, iPartId, iStateId, iPropId, piVal);
}

HRESULT CXPTheme::GetEnumValue(int iPartId, int iStateId, int iPropId, int* piVal)
{
  return ZUNT_UXTHEME(GetThemeEnumValue, kFailed, m_hTheme, iPartId, iStateId, iPropId, piVal);
}

HRESULT CXPTheme::GetPosition(int iPartId, int iStateId, int iPropId, POINT* pPoint)
{
  return ZUNT_UXTHEME(GetThemePosition, kFailed, m_hTheme, iPartId, iStateId, iPropId, pPoint);
}

HRESULT CXPTheme::GetFont(HDC hdc, int iPartId, int iStateId, int iPropId, LOGFONTA* pFont)
{
  LOGFONTW wide = {};
  HRESULT hr = call<kFailed, PFNGETTHEMEFONT>(m_pGetThemeFont, "GetThemeFont", m_hTheme, hdc, iPartId, iStateId,
                                              iPropId, pFont ? &wide : nullptr);
  if (SUCCEEDED(hr) && pFont)
    CopyFont(wide, pFont);
  return hr;
}

HRESULT CXPTheme::GetRect(int iPartId, int iStateId, int iPropId, RECT* pRect)
{
  return ZUNT_UXTHEME(GetThemeRect, kFailed, m_hTheme, iPartId, iStateId, iPropId, pRect);
}

HRESULT CXPTheme::GetMargins(HDC hdc, int iPartId, int iStateId, int iPropId, RECT* prc, MARGINS* pMargins)
{
  return ZUNT_UXTHEME(GetThemeMargins, kFailed, m_hTheme, hdc, iPartId, iStateId, iPropId, prc, pMargins);
}

HRESULT CXPTheme::GetIntList(int iPartId, int iStateId, int iPropId, INTLIST* pIntList)
{
  return ZUNT_UXTHEME(GetThemeIntList, kFailed, m_hTheme, iPartId, iStateId, iPropId, pIntList);
}

HRESULT CXPTheme::GetPropertyOrigin(int iPartId, int iStateId, int iPropId, PROPERTYORIGIN* pOrigin)
{
  return ZUNT_UXTHEME(GetThemePropertyOrigin, kFailed, m_hTheme, iPartId, iStateId, iPropId, pOrigin);
}

HRESULT CXPTheme::GetFilename(int iPartId, int iStateId, int iPropId, wchar_t* pszThemeFileName, int cchMaxBuffChars)
{
  return ZUNT_UXTHEME(GetThemeFilename, kFailed, m_hTheme, iPartId, iStateId, iPropId, pszThemeFileName,
                      cchMaxBuffChars);
}

COLORREF CXPTheme::GetSysColor(int iColorId) { return ZUNT_UXTHEME(GetThemeSysColor, kWhite, m_hTheme, iColorId); }

HBRUSH CXPTheme::GetSysColorBrush(int iColorId) { return ZUNT_UXTHEME(GetThemeSysColorBrush, 0, m_hTheme, iColorId); }

BOOL CXPTheme::GetSysBool(int iBoolId) { return ZUNT_UXTHEME(GetThemeSysBool, FALSE, m_hTheme, iBoolId); }

int CXPTheme::GetSysSize(int iSizeId) { return ZUNT_UXTHEME(GetThemeSysSize, 0, m_hTheme, iSizeId); }

HRESULT CXPTheme::GetSysFont(int iFontId, LOGFONTA* plf)
{
  LOGFONTW wide = {};
  HRESULT hr = call<kFailed, PFNGETTHEMESYSFONT>(m_pGetThemeSysFont, "GetThemeSysFont", m_hTheme, iFontId,
                                                 plf ? &wide : nullptr);
  if (SUCCEEDED(hr) && plf)
    CopyFont(wide, plf);
  return hr;
}

HRESULT CXPTheme::GetSysString(int iStringId, wchar_t* pszStringBuff, int cchMaxStringChars)
{
  return ZUNT_UXTHEME(GetThemeSysString, kFailed, m_hTheme, iStringId, pszStringBuff, cchMaxStringChars);
}

HRESULT CXPTheme::GetSysInt(int iIntId, int* piValue)
{
  return ZUNT_UXTHEME(GetThemeSysInt, kFailed, m_hTheme, iIntId, piValue);
}

HRESULT CXPTheme::SetWindowTheme(HWND hwnd, const wchar_t* pszSubAppName, const wchar_t* pszSubIdList)
{
  return ZUNT_UXTHEME(SetWindowTheme, kFailed, hwnd, pszSubAppName, pszSubIdList);
}

HTHEME CXPTheme::GetWindowTheme(HWND hwnd) { return ZUNT_UXTHEME(GetWindowTheme, 0, hwnd); }

HRESULT CXPTheme::EnableDialogTexture(HWND hwnd, DWORD dwFlags)
{
  return ZUNT_UXTHEME(EnableThemeDialogTexture, kFailed, hwnd, dwFlags);
}

BOOL CXPTheme::IsDialogTextureEnabled(HWND hwnd) { return ZUNT_UXTHEME(IsThemeDialogTextureEnabled, FALSE, hwnd); }

BOOL CXPTheme::IsAppThemed() { return call<FALSE, decltype(&::IsAppThemed)>(m_pIsAppThemed, "IsAppThemed"); }

BOOL CXPTheme::IsActive() { return call<FALSE, decltype(&::IsThemeActive)>(m_pIsThemeActive, "IsThemeActive"); }

DWORD CXPTheme::GetAppProperties()
{
  return call<0, decltype(&::GetThemeAppProperties)>(m_pGetThemeAppProperties, "GetThemeAppProperties");
}

void CXPTheme::SetAppProperties(DWORD dwFlags) { ZUNT_UXTHEME(SetThemeAppProperties, 0, dwFlags); }

HRESULT CXPTheme::GetCurrentName(wchar_t* pszThemeFileName, int cchMaxNameChars, wchar_t* pszColorBuff,
                                 int cchMaxColorChars, wchar_t* pszSizeBuff, int cchMaxSizeChars)
{
  return ZUNT_UXTHEME(GetCurrentThemeName, kFailed, pszThemeFileName, cchMaxNameChars, pszColorBuff, cchMaxColorChars,
                      pszSizeBuff, cchMaxSizeChars);
}

HRESULT CXPTheme::GetDocumentationProperty(const wchar_t* pszThemeName, const wchar_t* pszPropertyName,
                                           wchar_t* pszValueBuff, int cchMaxValChars)
{
  return ZUNT_UXTHEME(GetThemeDocumentationProperty, kFailed, pszThemeName, pszPropertyName, pszValueBuff,
                      cchMaxValChars);
}

HRESULT CXPTheme::DrawParentBackground(HWND hwnd, HDC hdc, RECT* prc)
{
  return ZUNT_UXTHEME(DrawThemeParentBackground, kFailed, hwnd, hdc, prc);
}

HRESULT CXPTheme::EnableTheming(int fEnable) { return ZUNT_UXTHEME(EnableTheming, kFailed, fEnable); }
