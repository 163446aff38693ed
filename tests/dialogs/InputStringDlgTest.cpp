// The string input dialog driven as a user would: keys posted from WM_INITDIALOG, the result
// of OK and Escape, the refused texts and the place the dialog opens at.
#include "DialogsTestSupport.h"

#include <gtest/gtest.h>

namespace
{
typedef CScriptedInputDlg::Step Step;

const char kTooLong[] = "入力文字数が上限を超えています。";
const char kAlreadyListed[] = "指定されたタブ名は既に存在します。\n別の名前を指定してください。";

// The dialog is still open and has shown exactly these messages, each with an OK button.
Step ExpectRefusals(std::vector<std::string> texts)
{
  return [texts](CScriptedInputDlg& dlg) {
    EXPECT_TRUE(dlg.IsOpen());
    ASSERT_EQ(TestApp().m_messages.size(), texts.size());
    for (size_t i = 0; i < texts.size(); ++i)
    {
      EXPECT_EQ(TestApp().m_messages[i].text, cp932(texts[i].c_str()));
      EXPECT_EQ(TestApp().m_messages[i].nType, static_cast<UINT>(MB_OK));
    }
  };
}

Step EnterText(std::string text)
{
  return [text](CScriptedInputDlg& dlg) { dlg.Enter(text.c_str()); };
}

// Japanese text put into the edit (as a paste or the input method would), then Enter.
Step EnterJapanese(std::string utf8)
{
  return [utf8](CScriptedInputDlg& dlg) {
    dlg.Edit().SetWindowText(cp932(utf8.c_str()).c_str());
    dlg.Edit().PostMessage(WM_KEYDOWN, VK_RETURN, 1);
  };
}

std::string Repeat(const std::string& text, int nCount)
{
  std::string repeated;
  for (int i = 0; i < nCount; ++i)
    repeated += text;
  return repeated;
}

CRect WindowRect(const CWnd& wnd)
{
  CRect rc;
  wnd.GetWindowRect(&rc);
  return rc;
}
}

TEST(InputStringDlg, ShowsItsTextsAndReturnsTheTypedOne)
{
  CScriptedInputDlg dlg;
  dlg.SetTitleText("Tab name");
  dlg.SetStaticText(cp932("名前").c_str());
  dlg.SetEditText("Sheet1");
  INT_PTR nResult = dlg.Run({
    [](CScriptedInputDlg& dlg) {
      CString strTitle;
      dlg.GetWindowText(strTitle);
      EXPECT_STREQ(strTitle, "Tab name");
      EXPECT_EQ(dlg.ItemText(IDC_STATIC_PROMPT), cp932("名前"));
      EXPECT_EQ(dlg.ItemText(IDC_EDIT_STRING), "Sheet1");
    },
    EnterText("Plan B"),
  });
  EXPECT_EQ(nResult, IDOK);
  EXPECT_STREQ(dlg.GetEditText(), "Plan B");
  EXPECT_TRUE(TestApp().m_messages.empty());
}

TEST(InputStringDlg, EscapeKeepsTheOfferedText)
{
  CScriptedInputDlg dlg;
  dlg.SetEditText("Sheet1");
  INT_PTR nResult = dlg.Run({
    [](CScriptedInputDlg& dlg) {
      dlg.Edit().PostMessage(WM_CHAR, 'x', 1);
      dlg.Edit().PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    },
  });
  EXPECT_EQ(nResult, IDCANCEL);
  EXPECT_STREQ(dlg.GetEditText(), "Sheet1");
}

TEST(InputStringDlg, TextsLongerThan126BytesAreRefused)
{
  CScriptedInputDlg dlg;
  INT_PTR nResult = dlg.Run({
    EnterText(std::string(127, 'x')),
    ExpectRefusals({kTooLong}),
    EnterText(std::string(126, 'y')),
  });
  EXPECT_EQ(nResult, IDOK);
  EXPECT_EQ(std::string(dlg.GetEditText()), std::string(126, 'y'));
}

TEST(InputStringDlg, ADoubleByteCharacterCountsTwo)
{
  CScriptedInputDlg dlg;
  const std::string strFits = Repeat("図", 63);
  INT_PTR nResult = dlg.Run({
    EnterJapanese(Repeat("図", 64)),
    ExpectRefusals({kTooLong}),
    EnterJapanese(strFits),
  });
  EXPECT_EQ(nResult, IDOK);
  EXPECT_EQ(std::string(dlg.GetEditText()), cp932(strFits.c_str()));
}

TEST(InputStringDlg, ListedNamesAreRefusedWithCase)
{
  CScriptedInputDlg dlg;
  CStringArray names;
  names.Add("Sheet1");
  names.Add(cp932("平面図").c_str());
  dlg.SetStringArray(names);
  names.RemoveAll();  // the dialog keeps its own copy
  INT_PTR nResult = dlg.Run({
    EnterText("Sheet1"),
    EnterJapanese("平面図"),
    ExpectRefusals({kAlreadyListed, kAlreadyListed}),
    EnterText("SHEET1"),
  });
  EXPECT_EQ(nResult, IDOK);
  EXPECT_STREQ(dlg.GetEditText(), "SHEET1");
}

TEST(InputStringDlg, AnEmptyTextIsAccepted)
{
  CScriptedInputDlg dlg;
  dlg.SetEditText("Sheet1");
  INT_PTR nResult = dlg.Run({EnterText("")});
  EXPECT_EQ(nResult, IDOK);
  EXPECT_STREQ(dlg.GetEditText(), "");
}

TEST(InputStringDlg, OpensAtItsPointInsideTheDesktop)
{
  const CRect rcDesktop = WindowRect(*CWnd::GetDesktopWindow());
  struct
  {
    CPoint point;
    bool bPulledBack;
  } cases[] = {{CPoint(120, 90), false}, {CPoint(-20, 60), false}, {CPoint(5000, 4000), true}};
  for (auto& place : cases)
  {
    SCOPED_TRACE(::testing::Message() << "at " << place.point.x << ", " << place.point.y);
    CScriptedInputDlg dlg;
    dlg.SetPoint(place.point);
    CRect rcShown;
    dlg.Run({[&rcShown](CScriptedInputDlg& dlg) { rcShown = WindowRect(dlg); }});
    if (place.bPulledBack)
      EXPECT_EQ(rcShown.BottomRight(), rcDesktop.BottomRight() - CSize(35, 35));
    else
      EXPECT_EQ(rcShown.TopLeft(), place.point);
  }
}
