// The folder browser on the shell's real SHBrowseForFolder: a timer, which the browser's modal
// loop dispatches, looks at the open browser (its OK button and status line, set by the
// library's callback) and closes it with OK or Cancel.
#include "DialogsTestSupport.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <commctrl.h>

#include <functional>
#include <string>

namespace
{
const int IDC_BROWSE_STATUS = 14147;

// What the timer saw of the open browser, and the button it pressed.
struct SBrowserSeen
{
  bool bFound = false;
  bool bOKEnabled = false;
  std::string strStatus;
  std::string strPrompt;
  int nPress = IDOK;
  // More to do with the open browser before the button is pressed.
  std::function<void(HWND hBrowser)> more;
};
SBrowserSeen g_seen;
HWND g_hOwner = nullptr;

BOOL CALLBACK FindBrowser(HWND hWnd, LPARAM lParam)
{
  if (::GetWindow(hWnd, GW_OWNER) != g_hOwner || !::IsWindowVisible(hWnd))
    return TRUE;
  *reinterpret_cast<HWND*>(lParam) = hWnd;
  return FALSE;
}

std::string ItemText(HWND hWnd, int nID)
{
  char szText[MAX_PATH * 2] = "";
  ::GetDlgItemTextA(hWnd, nID, szText, sizeof szText);
  return szText;
}

// The prompt is the browser's only static text besides the status line.
std::string FindPrompt(HWND hBrowser, const std::string& strExpected)
{
  for (HWND hChild = ::GetWindow(hBrowser, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
  {
    char szText[MAX_PATH] = "";
    ::GetWindowTextA(hChild, szText, sizeof szText);
    if (strExpected == szText)
      return szText;
  }
  return std::string();
}

void CALLBACK LookAtBrowser(HWND, UINT, UINT_PTR nTimer, DWORD)
{
  HWND hBrowser = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindBrowser, reinterpret_cast<LPARAM>(&hBrowser));
  if (hBrowser == nullptr)
    return;
  ::KillTimer(nullptr, nTimer);
  g_seen.bFound = true;
  g_seen.bOKEnabled = ::IsWindowEnabled(::GetDlgItem(hBrowser, IDOK)) != FALSE;
  g_seen.strStatus = ItemText(hBrowser, IDC_BROWSE_STATUS);
  g_seen.strPrompt = FindPrompt(hBrowser, g_seen.strPrompt);
  if (g_seen.more)
    g_seen.more(hBrowser);
  ::PostMessage(hBrowser, WM_COMMAND, g_seen.nPress, 0);
}

class DlgBrowseForFolderTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    m_owner.CreateEx(0, "STATIC", "Owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0);
    g_hOwner = m_owner.m_hWnd;
  }
  void TearDown() override { m_owner.DestroyWindow(); }

  // Opens the browser; the timer presses nPress. The prompt is looked for by its text.
  INT_PTR Browse(CDlgBrowseForFolder& dlg, int nPress, const std::string& strPrompt = std::string(),
                 std::function<void(HWND)> more = nullptr)
  {
    g_seen = SBrowserSeen();
    g_seen.nPress = nPress;
    g_seen.strPrompt = strPrompt;
    g_seen.more = std::move(more);
    UINT_PTR nTimer = ::SetTimer(nullptr, 0, 100, &LookAtBrowser);
    INT_PTR nResult = dlg.DoModal();
    ::KillTimer(nullptr, nTimer);
    return nResult;
  }

  std::string WindowsFolder()
  {
    char szFolder[MAX_PATH] = "";
    ::GetWindowsDirectoryA(szFolder, MAX_PATH);
    return szFolder;
  }

  CWnd m_owner;
};
}

TEST_F(DlgBrowseForFolderTest, APreselectedFolderIsSelectedAndChosenWithOK)
{
  CDlgBrowseForFolder dlg(&m_owner);
  const std::string strFolder = WindowsFolder();
  dlg.SetPath(strFolder.c_str());
  EXPECT_EQ(Browse(dlg, IDOK, cp932("ﾌｫﾙﾀﾞを指定してください")), IDOK);
  ASSERT_TRUE(g_seen.bFound);
  EXPECT_TRUE(g_seen.bOKEnabled);
  EXPECT_EQ(g_seen.strPrompt, cp932("ﾌｫﾙﾀﾞを指定してください")) << "the library's own prompt";
  // The selection came from the callback: the status line shows it, and OK returns it.
  EXPECT_EQ(g_seen.strStatus, strFolder);
  EXPECT_STREQ(dlg.GetPath(), strFolder.c_str());
}

TEST_F(DlgBrowseForFolderTest, WithoutAPathOKStartsDisabledAndCancelKeepsThePath)
{
  CDlgBrowseForFolder dlg(&m_owner);
  dlg.SetTitleMessage("Where to save the drawings");
  EXPECT_EQ(Browse(dlg, IDCANCEL, "Where to save the drawings"), IDCANCEL);
  ASSERT_TRUE(g_seen.bFound);
  EXPECT_FALSE(g_seen.bOKEnabled);
  EXPECT_EQ(g_seen.strPrompt, "Where to save the drawings");
  EXPECT_STREQ(dlg.GetPath(), "");

  dlg.SetPath("C:\\");
  EXPECT_EQ(Browse(dlg, IDCANCEL), IDCANCEL);
  EXPECT_STREQ(dlg.GetPath(), "C:\\");
}

TEST_F(DlgBrowseForFolderTest, FoldersWithoutAPathCannotBeChosen)
{
  // The desktop's children, clicked one by one: the computer has no file-system path (OK goes
  // off), a folder such as the user's documents has one (the status line shows it).
  int nWithPath = 0;
  int nWithoutPath = 0;
  auto clickEachChild = [&](HWND hBrowser) {
    HWND hTree = ::FindWindowExA(hBrowser, nullptr, WC_TREEVIEWA, nullptr);
    ASSERT_NE(hTree, nullptr);
    HTREEITEM hRoot = TreeView_GetRoot(hTree);
    TreeView_Expand(hTree, hRoot, TVE_EXPAND);
    for (HTREEITEM hItem = TreeView_GetChild(hTree, hRoot); hItem != nullptr; hItem = TreeView_GetNextSibling(hTree, hItem))
    {
      ::SetDlgItemTextA(hBrowser, IDC_BROWSE_STATUS, "");
      ::EnableWindow(::GetDlgItem(hBrowser, IDOK), TRUE);
      TreeView_SelectItem(hTree, hItem);
      const bool bOK = ::IsWindowEnabled(::GetDlgItem(hBrowser, IDOK)) != FALSE;
      const std::string strStatus = ItemText(hBrowser, IDC_BROWSE_STATUS);
      EXPECT_EQ(bOK, !strStatus.empty()) << "a status text exactly where OK stays on: " << strStatus;
      if (bOK)
        ++nWithPath;
      else
        ++nWithoutPath;
    }
  };
  CDlgBrowseForFolder dlg(&m_owner);
  EXPECT_EQ(Browse(dlg, IDCANCEL, std::string(), clickEachChild), IDCANCEL);
  EXPECT_GT(nWithPath, 0);
  EXPECT_GT(nWithoutPath, 0);
}

TEST_F(DlgBrowseForFolderTest, ALongPathIsShortenedInTheMiddleOfTheStatusLine)
{
  char szTemp[MAX_PATH] = "";
  ::GetTempPathA(MAX_PATH, szTemp);
  const std::string strBase = std::string(szTemp) + "zunt_browse_" + std::to_string(::GetCurrentProcessId());
  const std::string strLeaf = "last folder";
  const std::string strDeep = strBase + "\\a rather long folder name for the status line\\" + strLeaf;
  ASSERT_EQ(::SHCreateDirectoryExA(nullptr, strDeep.c_str(), nullptr), ERROR_SUCCESS);

  CDlgBrowseForFolder dlg(&m_owner);
  dlg.SetPath(strDeep.c_str());
  EXPECT_EQ(Browse(dlg, IDOK), IDOK);
  EXPECT_STREQ(dlg.GetPath(), strDeep.c_str()) << "the path itself is whole";
  EXPECT_LT(g_seen.strStatus.size(), strDeep.size());
  EXPECT_NE(g_seen.strStatus.find("..."), std::string::npos) << g_seen.strStatus;
  EXPECT_EQ(g_seen.strStatus.substr(g_seen.strStatus.size() - strLeaf.size()), strLeaf) << "the end stays";

  ::RemoveDirectoryA(strDeep.c_str());
  ::RemoveDirectoryA((strBase + "\\a rather long folder name for the status line").c_str());
  ::RemoveDirectoryA(strBase.c_str());
}

TEST_F(DlgBrowseForFolderTest, ModeBitsClearOptionFlags)
{
  CDlgBrowseForFolder dlg(&m_owner);
  const DWORD dwBase = dlg.m_ofn.Flags;
  EXPECT_NE(dwBase & (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT), 0u);
  EXPECT_TRUE(dlg.SetMode(0x1 | 0x100));
  Browse(dlg, IDCANCEL);
  // The options 0x20058 less 0x8 and 0x10, with the file dialog's own flags.
  EXPECT_EQ(dlg.m_ofn.Flags, dwBase | 0x20040);
  EXPECT_TRUE(dlg.SetMode(0x10));
  Browse(dlg, IDCANCEL);
  EXPECT_EQ(dlg.m_ofn.Flags, dwBase | 0x40);
}
