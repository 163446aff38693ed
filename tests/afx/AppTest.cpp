// The application object: message boxes through DoMessageBox, the profile.
#include "AfxTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

TEST(AppTest, MessageBoxesShowTheTextWithTheAppNameAndTheAskedButtons)
{
  CMessageBoxCatcher catcher(IDNO);
  EXPECT_EQ(AfxMessageBox("continue?", MB_YESNO), IDNO);
  ASSERT_EQ(catcher.m_boxes.size(), 1u);
  EXPECT_EQ(catcher.m_boxes[0].caption, "ZuntAfxTest");
  EXPECT_EQ(catcher.m_boxes[0].text, "continue?");
  EXPECT_EQ(catcher.m_boxes[0].buttons, (std::vector<int>{IDYES, IDNO}));
}

namespace
{
// Puts the application's profile somewhere of the test's own and back.
class ProfileTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    m_strSavedProfile = TestApp().m_pszProfileName;
    char szDir[MAX_PATH];
    ::GetTempPath(MAX_PATH, szDir);
    m_strIni.Format("%szunt_afx_profile_%lu.ini", szDir, ::GetCurrentProcessId());
    ::DeleteFile(m_strIni);
    CWinApp::SetOwnedString(TestApp().m_pszProfileName, m_strIni);
  }
  void TearDown() override
  {
    CWinApp::SetOwnedString(TestApp().m_pszRegistryKey, nullptr);
    CWinApp::SetOwnedString(TestApp().m_pszProfileName, m_strSavedProfile);
    ::DeleteFile(m_strIni);
  }

  // Both kinds of profile keep what they are given, per section and entry.
  static void ExpectRoundTrips()
  {
    CWinApp& app = TestApp();
    EXPECT_EQ(app.GetProfileInt("Bar-1", "CX", 77), 77u);
    EXPECT_STREQ(app.GetProfileString("Bar-1", "Name", "none"), "none");
    EXPECT_TRUE(app.WriteProfileInt("Bar-1", "CX", -120));
    EXPECT_TRUE(app.WriteProfileInt("Bar-2", "CX", 300));
    EXPECT_TRUE(app.WriteProfileString("Bar-1", "Name", "left bar"));
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Bar-1", "CX", 0)), -120);
    EXPECT_EQ(app.GetProfileInt("Bar-2", "CX", 0), 300u);
    EXPECT_STREQ(app.GetProfileString("Bar-1", "Name"), "left bar");
    // A null value removes the entry.
    EXPECT_TRUE(app.WriteProfileString("Bar-1", "Name", nullptr));
    EXPECT_STREQ(app.GetProfileString("Bar-1", "Name", "gone"), "gone");
  }

  CString m_strSavedProfile;
  CString m_strIni;
};
}

TEST_F(ProfileTest, IniFile)
{
  ExpectRoundTrips();
  char szValue[32] = {};
  ::GetPrivateProfileString("Bar-2", "CX", "", szValue, sizeof szValue, m_strIni);
  EXPECT_STREQ(szValue, "300");  // a plain INI file the user can read
}

TEST_F(ProfileTest, Registry)
{
  CString strKey;
  strKey.Format("ZuntAfxTest%lu", ::GetCurrentProcessId());
  TestApp().SetRegistryKey(strKey);
  EXPECT_STREQ(TestApp().m_pszProfileName, "ZuntAfxTest");
  ExpectRoundTrips();
  HKEY hKey = nullptr;
  CString strPath = "Software\\" + strKey + "\\ZuntAfxTest\\Bar-2";
  ASSERT_EQ(::RegOpenKeyEx(HKEY_CURRENT_USER, strPath, 0, KEY_READ, &hKey), ERROR_SUCCESS);
  ::RegCloseKey(hKey);
  ::RegDeleteTree(HKEY_CURRENT_USER, "Software\\" + strKey);
  EXPECT_EQ(::GetFileAttributes(m_strIni), INVALID_FILE_ATTRIBUTES);  // nothing went to the INI file
}
