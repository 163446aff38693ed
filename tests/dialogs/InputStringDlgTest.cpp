// The string input dialog driven as a user would: input posted from WM_INITDIALOG, the result
// of OK and Escape, the refused texts and the place the dialog opens at.
#include "DialogsTestSupport.h"

#include <gtest/gtest.h>

// What OK returns is checked with the refused texts.
TEST(InputStringDlg, ShowsItsTextsAndEscapeKeepsTheOfferedOne)
{
  CScriptedInputDlg dlg;
  dlg.SetTitleText("Tab name");
  dlg.SetStaticText(cp932("名前").c_str());
  dlg.SetEditText("Sheet1");
  auto expectTexts = [](CScriptedInputDlg& dlg) {
    EXPECT_EQ(TextOf(dlg), "Tab name");
    EXPECT_EQ(TextOf(*dlg.GetDlgItem(IDC_STATIC_PROMPT)), cp932("名前"));
    EXPECT_EQ(TextOf(*dlg.GetDlgItem(IDC_EDIT_STRING)), "Sheet1");
  };
  auto typeAndEscape = [](CScriptedInputDlg& dlg) {
    dlg.GetDlgItem(IDC_EDIT_STRING)->PostMessage(WM_CHAR, 'x', 1);
    dlg.GetDlgItem(IDC_EDIT_STRING)->PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
  };
  EXPECT_EQ(dlg.Run({expectTexts, typeAndEscape}), IDCANCEL);
  EXPECT_STREQ(dlg.GetEditText(), "Sheet1");
}

TEST(InputStringDlg, RefusesTextsOver126BytesAndListedNamesAndStaysOpen)
{
  const std::string strTooLong = cp932("入力文字数が上限を超えています。");
  const std::string strListed = cp932("指定されたタブ名は既に存在します。\n別の名前を指定してください。");
  std::string str64Doubles;
  for (int i = 0; i < 64; ++i)
    str64Doubles += "図";
  const struct
  {
    std::string text;
    std::string refusal;  // empty: accepted
  } cases[] = {
      {std::string(127, 'x'), strTooLong},
      {std::string(126, 'y'), ""},
      // A double-byte character counts two.
      {str64Doubles, strTooLong},
      {"平面図", strListed},
      {"SHEET1", ""},
  };
  CStringArray names;
  names.Add("Sheet1");
  names.Add(cp932("平面図").c_str());
  for (const auto& test : cases)
  {
    SCOPED_TRACE(test.text);
    CScriptedInputDlg dlg;
    dlg.SetStringArray(names);
    dlg.SetEditText("offered");
    bool bOpen = false;
    INT_PTR nResult = dlg.Run({[&](CScriptedInputDlg& dlg) { dlg.Enter(test.text.c_str()); },
                               [&](CScriptedInputDlg& dlg) { bOpen = dlg.IsOpen(); }});
    if (test.refusal.empty())
    {
      EXPECT_EQ(nResult, IDOK);
      EXPECT_EQ(std::string(dlg.GetEditText()), cp932(test.text.c_str()));
      EXPECT_TRUE(TestApp().m_messages.empty());
    }
    else
    {
      EXPECT_TRUE(bOpen);
      EXPECT_EQ(TestApp().m_messages, std::vector<std::string>{test.refusal});
      EXPECT_STREQ(dlg.GetEditText(), "offered");
    }
  }
}

TEST(InputStringDlg, OpensAtItsPointPulledBackInsideTheDesktop)
{
  CRect rcDesktop;
  CWnd::GetDesktopWindow()->GetWindowRect(&rcDesktop);
  for (CPoint point : {CPoint(120, 90), CPoint(-20, 60), CPoint(5000, 4000)})
  {
    CScriptedInputDlg dlg;
    dlg.SetPoint(point);
    CRect rcShown;
    dlg.Run({[&rcShown](CScriptedInputDlg& dlg) { dlg.GetWindowRect(&rcShown); }});
    if (point.x > rcDesktop.right)
      EXPECT_EQ(rcShown.BottomRight(), rcDesktop.BottomRight() - CSize(35, 35));
    else
      EXPECT_EQ(rcShown.TopLeft(), point) << "a place left of the desktop is not corrected";
  }
}
