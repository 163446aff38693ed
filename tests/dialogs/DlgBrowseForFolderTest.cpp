// The folder browser on Wine's SHBrowseForFolder: a timer, which the browser's modal loop
// dispatches, looks at the open browser (its OK button and status line, set by the library's
// callback) and closes it with OK or Cancel.
// Seen on Wine only, unconfirmed on Windows: the status line is item 14147 and is there without
// BIF_STATUSTEXT; selecting the preselected path at start sends BFFM_SELCHANGED.
#include "DialogsTestSupport.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <commctrl.h>

namespace
{
const int IDC_BROWSE_STATUS = 14147;

// What the timer saw of the open browser; more to do there before the button is pressed.
struct SBrowserSeen
{
  HWND hOwner = nullptr;
  bool bOKEnabled = false;
  std::string strStatus;
  bool bPromptShown = false;
  std::string strPrompt;
  int nPress = IDOK;
  std::function<void(HWND hBrowser)> more;
} g_seen;

void CALLBACK LookAtBrowser(HWND, UINT, UINT_PTR nTimer, DWORD)
{
  // The visible window that the owner owns.
  HWND hBrowser = nullptr;
  do
    hBrowser = ::FindWindowExA(nullptr, hBrowser, nullptr, nullptr);
  while (hBrowser != nullptr && (::GetWindow(hBrowser, GW_OWNER) != g_seen.hOwner || !::IsWindowVisible(hBrowser)));
  if (hBrowser == nullptr)
    return;
  ::KillTimer(nullptr, nTimer);
  g_seen.bOKEnabled = ::IsWindowEnabled(::GetDlgItem(hBrowser, IDOK)) != FALSE;
  g_seen.strStatus = TextOf(::GetDlgItem(hBrowser, IDC_BROWSE_STATUS));
  g_seen.bPromptShown = ::FindWindowExA(hBrowser, nullptr, "Static", g_seen.strPrompt.c_str()) != nullptr;
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
  }

  INT_PTR Browse(CDlgBrowseForFolder& dlg, int nPress, const std::string& strPrompt,
                 std::function<void(HWND)> more = nullptr)
  {
    g_seen = SBrowserSeen();
    g_seen.hOwner = m_owner.m_hWnd;
    g_seen.nPress = nPress;
    g_seen.strPrompt = strPrompt;
    g_seen.more = std::move(more);
    UINT_PTR nTimer = ::SetTimer(nullptr, 0, 100, &LookAtBrowser);
    INT_PTR nResult = dlg.DoModal();
    ::KillTimer(nullptr, nTimer);
    return nResult;
  }

  CWnd m_owner;
};
}

TEST_F(DlgBrowseForFolderTest, APreselectedFolderIsShownShortenedAndChosenWithOK)
{
  char szTemp[MAX_PATH] = "";
  ::GetTempPathA(MAX_PATH, szTemp);
  const std::string strBase = std::string(szTemp) + "zunt_browse_" + std::to_string(::GetCurrentProcessId());
  const std::string strMiddle = strBase + "\\a rather long folder name for the status line";
  const std::string strDeep = strMiddle + "\\last folder";
  ASSERT_EQ(::SHCreateDirectoryExA(nullptr, strDeep.c_str(), nullptr), ERROR_SUCCESS);

  CDlgBrowseForFolder dlg(&m_owner);
  dlg.SetPath(strDeep.c_str());
  EXPECT_EQ(Browse(dlg, IDOK, cp932("ﾌｫﾙﾀﾞを指定してください")), IDOK);
  EXPECT_TRUE(g_seen.bOKEnabled);
  EXPECT_TRUE(g_seen.bPromptShown) << "the library's own prompt";
  EXPECT_STREQ(dlg.GetPath(), strDeep.c_str()) << "the path itself is whole";
  // Shortened in the middle: the ellipsis, and the end kept.
  EXPECT_NE(g_seen.strStatus.find("..."), std::string::npos) << g_seen.strStatus;
  EXPECT_EQ(g_seen.strStatus.substr(g_seen.strStatus.size() - 12), "\\last folder");
  for (const std::string& strFolder : {strDeep, strMiddle, strBase})
    ::RemoveDirectoryA(strFolder.c_str());
}

TEST_F(DlgBrowseForFolderTest, WithoutAPathOKStartsDisabledFoldersWithoutOneCannotBeChosenCancelKeepsThePath)
{
  CDlgBrowseForFolder dlg(&m_owner);
  const DWORD dwBase = dlg.m_ofn.Flags;
  dlg.SetTitleMessage("Where to save the drawings");
  EXPECT_TRUE(dlg.SetMode(0x1 | 0x100));
  EXPECT_EQ(Browse(dlg, IDCANCEL, "Where to save the drawings"), IDCANCEL);
  EXPECT_FALSE(g_seen.bOKEnabled);
  EXPECT_TRUE(g_seen.bPromptShown);
  EXPECT_STREQ(dlg.GetPath(), "");
  // The options 0x20058 less 0x8 and 0x10, with the file dialog's own flags.
  EXPECT_EQ(dlg.m_ofn.Flags, dwBase | 0x20040);

  // The desktop's children, clicked one by one: the computer has no file-system path (OK goes
  // off), a folder such as the user's documents has one (the status line shows it).
  int nWithPath = 0, nWithoutPath = 0;
  auto clickEachChild = [&](HWND hBrowser) {
    HWND hTree = ::FindWindowExA(hBrowser, nullptr, WC_TREEVIEWA, nullptr);
    ASSERT_NE(hTree, nullptr);
    HTREEITEM hRoot = TreeView_GetRoot(hTree);
    TreeView_Expand(hTree, hRoot, TVE_EXPAND);
    for (HTREEITEM hItem = TreeView_GetChild(hTree, hRoot); hItem; hItem = TreeView_GetNextSibling(hTree, hItem))
    {
      ::SetDlgItemTextA(hBrowser, IDC_BROWSE_STATUS, "");
      ::EnableWindow(::GetDlgItem(hBrowser, IDOK), TRUE);
      TreeView_SelectItem(hTree, hItem);
      const bool bOK = ::IsWindowEnabled(::GetDlgItem(hBrowser, IDOK)) != FALSE;
      EXPECT_EQ(bOK, !TextOf(::GetDlgItem(hBrowser, IDC_BROWSE_STATUS)).empty())
          << "a status text exactly where OK stays on";
      ++(bOK ? nWithPath : nWithoutPath);
    }
  };
  dlg.SetPath("C:\\");
  dlg.SetMode(0x10);
  EXPECT_EQ(Browse(dlg, IDCANCEL, "", clickEachChild), IDCANCEL);
  EXPECT_GT(nWithPath, 0);
  EXPECT_GT(nWithoutPath, 0);
  EXPECT_STREQ(dlg.GetPath(), "C:\\") << "what was clicked is not kept";
  EXPECT_EQ(dlg.m_ofn.Flags, dwBase | 0x40);
}
