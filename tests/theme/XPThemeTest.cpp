#include "ThemeTestSupport.h"

#include <gtest/gtest.h>
#include <vssym32.h>

#include <cstring>

namespace
{
const COLORREF kUntouched = RGB(1, 2, 3);
const RECT kFace = {0, 0, 40, 24};

// A record with a guard word after it, to see a wide record's bytes spill past a multi-byte one.
template <class TRecord>
struct SGuarded
{
  TRecord record;
  DWORD dwGuard = 0xA5A5A5A5;
};
}  // namespace

TEST(XPTheme, WithoutTheDllEveryWrapperGivesItsFixedFailureUntilReleaseLoadsItAfresh)
{
  CNoThemeDllScope noDll;
  CPixelCanvas canvas(40, 24);
  CXPTheme theme;
  EXPECT_FALSE(theme.Open(nullptr, L"Button"));
  EXPECT_FALSE(theme.IsAvailable());
  EXPECT_EQ(E_FAIL, theme.DrawBackground(canvas.DC().GetSafeHdc(), 1, 1, &kFace, nullptr));
  EXPECT_EQ(40 * 24, canvas.CountColour(kFace, kUntouched)) << "the context was drawn on";
  EXPECT_EQ(nullptr, theme.GetSysColorBrush(COLOR_BTNFACE));
  EXPECT_EQ(0, theme.GetSysSize(SM_CXVSCROLL));
  EXPECT_FALSE(theme.IsPartDefined(1, 1));
  EXPECT_FALSE(CXPTheme::IsActive());
  EXPECT_EQ(0u, CXPTheme::GetAppProperties());
  CXPTheme::SetAppProperties(STAP_ALLOW_NONCLIENT);
  EXPECT_EQ(nullptr, CXPTheme::GetWindowTheme(::GetDesktopWindow()));
  LOGFONTA font;
  std::memset(&font, 0x5A, sizeof font);
  EXPECT_EQ(E_FAIL, theme.GetSysFont(TMT_MSGBOXFONT, &font));
  EXPECT_EQ(0x5A, static_cast<BYTE>(font.lfFaceName[0])) << "a failed call wrote the font";
  // Close on a held handle forgets it without a DLL.
  theme.Attach(reinterpret_cast<void*>(0x1234));
  theme.Close();
  EXPECT_TRUE(!theme);

  // A failed load is retried only after Release, which resolves afresh.
  SetThemeDllName("UxTheme.dll");  // loadable now, but not tried again before Release
  EXPECT_EQ(0x00FFFFFFu, theme.GetSysColor(COLOR_BTNFACE)) << "the stand-in's white";
  CXPTheme::Release();
  // Without a theme the DLL answers with the system's colour, not the stand-in's white.
  EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), theme.GetSysColor(COLOR_BTNFACE));
  CXPTheme::Release();

  // A wrapper that cached its stand-in keeps it though the DLL is loaded later.
  SetThemeDllName("ZuntNoSuchTheme.dll");
  EXPECT_FALSE(CXPTheme::IsAppThemed());
  CXPTheme::m_hThemeDll = ::LoadLibraryA("UxTheme.dll");
  EXPECT_NE(reinterpret_cast<void*>(::GetProcAddress(CXPTheme::m_hThemeDll, "IsAppThemed")), CXPTheme::m_pIsAppThemed);
}

TEST(XPTheme, ActiveThemeDrawsHandsBackMultiByteRecordsWithinTheirSizeAndClosesHandlesOnce)
{
  if (!CXPTheme::IsActive())
    GTEST_SKIP() << "no visual styles on this system";
  CXPTheme theme(nullptr, L"Button");
  ASSERT_TRUE(theme.IsAvailable());
  CPixelCanvas canvas(40, 24);
  HDC hDC = canvas.DC().GetSafeHdc();
  EXPECT_EQ(S_OK, theme.DrawBackground(hDC, BP_PUSHBUTTON, PBS_NORMAL, &kFace, nullptr));
  EXPECT_LT(canvas.CountColour(kFace, kUntouched), 40 * 24 / 2);

  // The DLL fills wide records; the wrapper must not write past the multi-byte ones.
  SGuarded<LOGFONTA> guarded;
  ASSERT_EQ(S_OK, theme.GetSysFont(TMT_MSGBOXFONT, &guarded.record));
  EXPECT_EQ(0xA5A5A5A5u, guarded.dwGuard);
  // The face name arrives in the ANSI code page (a Japanese name here), whole.
  wchar_t szFace[LF_FACESIZE] = L"";
  EXPECT_LT(0, ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, guarded.record.lfFaceName, -1, szFace, LF_FACESIZE));
  EXPECT_GT(wcslen(szFace), 1u) << guarded.record.lfFaceName;
  SGuarded<TEXTMETRICA> guardedMetrics;
  guardedMetrics.record.tmHeight = -1;
  CXPTheme text(nullptr, L"TextStyle");
  const HRESULT hr = text.GetTextMetricsA(hDC, TEXT_BODYTEXT, 0, &guardedMetrics.record);
  EXPECT_EQ(0xA5A5A5A5u, guardedMetrics.dwGuard);
  EXPECT_EQ(SUCCEEDED(hr), guardedMetrics.record.tmHeight > 0) << "a failed call wrote the metrics";

  // Handles are closed once, whatever holds them.
  {
    CXPTheme copy(theme);
    CXPTheme assigned;
    assigned = copy;
    EXPECT_EQ(static_cast<void*>(theme), static_cast<void*>(assigned));
  }
  // The copies are gone; the theme still draws.
  EXPECT_EQ(S_OK, theme.DrawBackground(hDC, BP_PUSHBUTTON, PBS_NORMAL, &kFace, nullptr));
  void* hTheme = theme.Detach();
  EXPECT_TRUE(!theme);
  {
    CXPTheme borrower;
    borrower.Attach(hTheme);
    EXPECT_EQ(hTheme, borrower.Detach());
  }
  CXPTheme last(hTheme);
  EXPECT_EQ(S_OK, last.DrawBackground(hDC, BP_PUSHBUTTON, PBS_PRESSED, &kFace, nullptr));
  // Attach closes what was held before taking the new handle.
  CXPTheme other(nullptr, L"ToolBar");
  last.Attach(other.Detach());
  EXPECT_EQ(S_OK, last.DrawBackground(hDC, TP_BUTTON, TS_NORMAL, &kFace, nullptr));
}
