// The application object: message boxes through DoMessageBox, the profile.
#include "AfxTestSupport.h"

#include <gtest/gtest.h>

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

// Once the host names a registry key, the profile lives under it and the application's name.
// The INI file is what the docking bars' and the resizing dialogs' tests go through.
TEST(AppTest, TheProfileGoesToTheRegistryOnceAKeyIsSet)
{
  CWinApp& app = TestApp();
  const CString strSavedProfile = app.m_pszProfileName;
  CString strKey;
  strKey.Format("ZuntAfxTest%lu", ::GetCurrentProcessId());
  app.SetRegistryKey(strKey);
  EXPECT_EQ(app.GetProfileInt("Bar-1", "CX", 77), 77u);
  EXPECT_TRUE(app.WriteProfileInt("Bar-1", "CX", -120));
  EXPECT_EQ(static_cast<int>(app.GetProfileInt("Bar-1", "CX", 0)), -120);
  HKEY hKey = nullptr;
  EXPECT_EQ(::RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\" + strKey + "\\ZuntAfxTest\\Bar-1", 0, KEY_READ, &hKey),
            ERROR_SUCCESS);
  ::RegCloseKey(hKey);
  ::RegDeleteTree(HKEY_CURRENT_USER, "Software\\" + strKey);
  CWinApp::SetOwnedString(app.m_pszRegistryKey, nullptr);
  CWinApp::SetOwnedString(app.m_pszProfileName, strSavedProfile);
}
