// Control wrappers where they do more than send one message: texts of any length. Tool tips are
// the palette's tests.
#include "AfxTestSupport.h"

#include <gtest/gtest.h>

#include <string>

// Texts longer than the wrappers' first buffer come back whole.
TEST(ControlsTest, ItemTextsOfAnyLength)
{
  const std::string longText = "L" + std::string(700, 'x');
  const CRect kRect(0, 0, 300, 200);
  CTestParent parent;
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWN, kRect, &parent, 502));
  CListBox listBox;
  ASSERT_TRUE(listBox.Create(WS_CHILD | LBS_HASSTRINGS, kRect, &parent, 503));
  CString strItem;
  for (const char* pszItem : {"", longText.c_str()})
  {
    combo.AddString(pszItem);
    listBox.AddString(pszItem);
  }
  combo.GetLBText(0, strItem);
  EXPECT_STREQ(strItem, "");
  combo.GetLBText(1, strItem);
  EXPECT_EQ(std::string(strItem), longText);
  listBox.GetText(1, strItem);
  EXPECT_EQ(std::string(strItem), longText);
}

TEST(AfxRegisterWndClassTest, SameAttributesGiveTheSameClass)
{
  HCURSOR hArrow = ::LoadCursor(nullptr, IDC_ARROW);
  LPCTSTR pszFirst = AfxRegisterWndClass(CS_DBLCLKS, hArrow);
  LPCTSTR pszOther = AfxRegisterWndClass(CS_DBLCLKS | CS_SAVEBITS, hArrow);
  EXPECT_STREQ(pszFirst, AfxRegisterWndClass(CS_DBLCLKS, hArrow));
  WNDCLASS wc = {};
  ASSERT_TRUE(::GetClassInfo(AfxGetInstanceHandle(), pszOther, &wc));
  EXPECT_EQ(wc.style, UINT(CS_DBLCLKS | CS_SAVEBITS));
  EXPECT_EQ(wc.hCursor, hArrow);
}
