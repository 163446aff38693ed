// The visual-styles interface of UxTheme.dll without linking to it: the library must load where
// that DLL is missing. Every entry point is looked up on its first call and cached; where the DLL
// or the function cannot be had, a stand-in with a fixed failure result takes its place, so that
// callers always call and then test the result (and draw the classic way on failure).
// An object holds one theme handle; the DLL and the entry points are shared by the process and
// stay loaded until the host calls Release.
#pragma once
#include <afxwin.h>
#include <uxtheme.h>

class AFX_EXT_CLASS CXPTheme
{
public:
  CXPTheme();
  explicit CXPTheme(void* hTheme);
  CXPTheme(HWND hWnd, const wchar_t* pszClassList);
  ~CXPTheme();
  // A copy shares the handle; the theme is closed when the last holder lets it go, never twice.
  CXPTheme(const CXPTheme& other);
  CXPTheme& operator=(const CXPTheme& other);

  int Open(HWND hWnd, const wchar_t* pszClassList);
  void Close();
  void Attach(void* hTheme);
  void* Detach();
  operator void*() const { return m_hTheme; }
  bool operator!() const { return m_hTheme == nullptr; }
  // The DLL could be loaded and a theme is held.
  int IsAvailable();
  // Frees the DLL and forgets every entry point; the next call loads it afresh.
  static void Release();

  HRESULT DrawBackground(HDC hdc, int iPartId, int iStateId, const RECT* pRect, const RECT* pClipRect);
  HRESULT DrawBackgroundEx(HDC hdc, int iPartId, int iStateId, const RECT* pRect, const DTBGOPTS* pOptions);
  HRESULT DrawTextA(HDC hdc, int iPartId, int iStateId, const wchar_t* pszText, int iCharCount, DWORD dwTextFlags,
                    DWORD dwTextFlags2, const RECT* pRect);
  HRESULT GetBackgroundContentRect(HDC hdc, int iPartId, int iStateId, const RECT* pBoundingRect, RECT* pContentRect);
  HRESULT GetBackgroundExtent(HDC hdc, int iPartId, int iStateId, const RECT* pContentRect, RECT* pExtentRect);
  HRESULT GetPartSize(HDC hdc, int iPartId, int iStateId, RECT* prc, THEMESIZE eSize, SIZE* psz);
  HRESULT GetTextExtent(HDC hdc, int iPartId, int iStateId, const wchar_t* pszText, int iCharCount, DWORD dwTextFlags,
                        const RECT* pBoundingRect, RECT* pExtentRect);
  // The DLL fills wide text metrics; they are handed back converted.
  HRESULT GetTextMetricsA(HDC hdc, int iPartId, int iStateId, TEXTMETRICA* ptm);
  HRESULT GetBackgroundRegion(HDC hdc, int iPartId, int iStateId, const RECT* pRect, HRGN* pRegion);
  HRESULT HitTestBackground(HDC hdc, int iPartId, int iStateId, DWORD dwOptions, const RECT* pRect, HRGN hrgn,
                            POINT ptTest, WORD* pwHitTestCode);
  HRESULT DrawEdge(HDC hdc, int iPartId, int iStateId, const RECT* pDestRect, UINT uEdge, UINT uFlags,
                   RECT* pContentRect);
  HRESULT DrawIcon(HDC hdc, int iPartId, int iStateId, const RECT* pRect, HIMAGELIST himl, int iImageIndex);
  BOOL IsPartDefined(int iPartId, int iStateId);
  BOOL IsBackgroundPartiallyTransparent(int iPartId, int iStateId);
  HRESULT GetColor(int iPartId, int iStateId, int iPropId, COLORREF* pColor);
  HRESULT GetMetric(HDC hdc, int iPartId, int iStateId, int iPropId, int* piVal);
  HRESULT GetString(int iPartId, int iStateId, int iPropId, wchar_t* pszBuff, int cchMaxBuffChars);
  HRESULT GetBool(int iPartId, int iStateId, int iPropId, int* pfVal);
  HRESULT GetInt(int iPartId, int iStateId, int iPropId, int* piVal);
  HRESULT GetEnumValue(int iPartId, int iStateId, int iPropId, int* piVal);
  HRESULT GetPosition(int iPartId, int iStateId, int iPropId, POINT* pPoint);
  // The DLL fills a wide font description; it is handed back with a multi-byte face name.
  HRESULT GetFont(HDC hdc, int iPartId, int iStateId, int iPropId, LOGFONTA* pFont);
  HRESULT GetRect(int iPartId, int iStateId, int iPropId, RECT* pRect);
  HRESULT GetMargins(HDC hdc, int iPartId, int iStateId, int iPropId, RECT* prc, MARGINS* pMargins);
  HRESULT GetIntList(int iPartId, int iStateId, int iPropId, INTLIST* pIntList);
  HRESULT GetPropertyOrigin(int iPartId, int iStateId, int iPropId, PROPERTYORIGIN* pOrigin);
  HRESULT GetFilename(int iPartId, int iStateId, int iPropId, wchar_t* pszThemeFileName, int cchMaxBuffChars);
  COLORREF GetSysColor(int iColorId);
  HBRUSH GetSysColorBrush(int iColorId);
  BOOL GetSysBool(int iBoolId);
  int GetSysSize(int iSizeId);
  HRESULT GetSysFont(int iFontId, LOGFONTA* plf);
  HRESULT GetSysString(int iStringId, wchar_t* pszStringBuff, int cchMaxStringChars);
  HRESULT GetSysInt(int iIntId, int* piValue);

  static HRESULT SetWindowTheme(HWND hwnd, const wchar_t* pszSubAppName, const wchar_t* pszSubIdList);
  static HTHEME GetWindowTheme(HWND hwnd);
  static HRESULT EnableDialogTexture(HWND hwnd, DWORD dwFlags);
  static BOOL IsDialogTextureEnabled(HWND hwnd);
  static BOOL IsAppThemed();
  static BOOL IsActive();
  static DWORD GetAppProperties();
  static void SetAppProperties(DWORD dwFlags);
  static HRESULT GetCurrentName(wchar_t* pszThemeFileName, int cchMaxNameChars, wchar_t* pszColorBuff,
                                int cchMaxColorChars, wchar_t* pszSizeBuff, int cchMaxSizeChars);
  static HRESULT GetDocumentationProperty(const wchar_t* pszThemeName, const wchar_t* pszPropertyName,
                                          wchar_t* pszValueBuff, int cchMaxValChars);
  static HRESULT DrawParentBackground(HWND hwnd, HDC hdc, RECT* prc);
  static HRESULT EnableTheming(int fEnable);

  static HMODULE m_hThemeDll;
  static bool m_bLoaded;
  static void* m_pOpenThemeData;
  static void* m_pCloseThemeData;
  static void* m_pDrawThemeBackground;
  static void* m_pDrawThemeBackgroundEx;
  static void* m_pDrawThemeText;
  static void* m_pGetThemeBackgroundContentRect;
  static void* m_pGetThemeBackgroundExtent;
  static void* m_pGetThemePartSize;
  static void* m_pGetThemeTextExtent;
  static void* m_pGetThemeTextMetrics;
  static void* m_pGetThemeBackgroundRegion;
  static void* m_pHitTestThemeBackground;
  static void* m_pDrawThemeEdge;
  static void* m_pDrawThemeIcon;
  static void* m_pIsThemePartDefined;
  static void* m_pIsThemeBackgroundPartiallyTransparent;
  static void* m_pGetThemeColor;
  static void* m_pGetThemeMetric;
  static void* m_pGetThemeString;
  static void* m_pGetThemeBool;
  static void* m_pGetThemeInt;
  static void* m_pGetThemeEnumValue;
  static void* m_pGetThemePosition;
  static void* m_pGetThemeFont;
  static void* m_pGetThemeRect;
  static void* m_pGetThemeMargins;
  static void* m_pGetThemeIntList;
  static void* m_pGetThemePropertyOrigin;
  static void* m_pSetWindowTheme;
  static void* m_pGetThemeFilename;
  static void* m_pGetThemeSysColor;
  static void* m_pGetThemeSysColorBrush;
  static void* m_pGetThemeSysBool;
  static void* m_pGetThemeSysSize;
  static void* m_pGetThemeSysFont;
  static void* m_pGetThemeSysString;
  static void* m_pGetThemeSysInt;
  static void* m_pIsThemeActive;
  static void* m_pIsAppThemed;
  static void* m_pGetWindowTheme;
  static void* m_pEnableThemeDialogTexture;
  static void* m_pIsThemeDialogTextureEnabled;
  static void* m_pGetThemeAppProperties;
  static void* m_pSetThemeAppProperties;
  static void* m_pGetCurrentThemeName;
  static void* m_pGetThemeDocumentationProperty;
  static void* m_pDrawThemeParentBackground;
  static void* m_pEnableTheming;

protected:
  // The file loaded by name; a host or a test may point it elsewhere before the first call
  // (or after Release), which is how a system without visual styles is met.
  static const char* m_pszThemeDllName;

private:
  // Attempts the load once (until Release); the module, or null.
  static HMODULE LoadDll();
  // Loads the DLL once and finds pszName in it; the fallback when either fails.
  static void* GetProc(const char* pszName, void* pfnFallback);
  template <long long nFailure, class TFunction, class... TArgs>
  static auto call(void*& pfnCached, const char* pszName, TArgs... args);

  HTHEME m_hTheme;
};
