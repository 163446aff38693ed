// Control wrappers where they do more than send one message: texts of any length. Tool tips are
// the palette's tests.
#include "AfxTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const CRect kRect(0, 0, 300, 200);

class ControlsTest : public ::testing::Test
{
protected:
  CTestParent m_parent;
};
}

// Texts longer than the wrappers' first buffer come back whole.
TEST_F(ControlsTest, ItemTextsOfAnyLength)
{
  const std::string longText = "L" + std::string(700, 'x');
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, kRect, &m_parent, 500));
  list.InsertColumn(0, "name", LVCFMT_LEFT, 100);
  list.InsertColumn(1, "value", LVCFMT_RIGHT, 80);
  EXPECT_EQ(list.InsertItem(0, "first"), 0);
  ASSERT_TRUE(list.SetItemText(0, 1, longText.c_str()));
  EXPECT_EQ(std::string(list.GetItemText(0, 1)), longText);
  EXPECT_STREQ(list.GetItemText(0, 0), "first");

  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWN, kRect, &m_parent, 502));
  CListBox listBox;
  ASSERT_TRUE(listBox.Create(WS_CHILD | LBS_HASSTRINGS, kRect, &m_parent, 503));
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
  EXPECT_STRNE(pszFirst, pszOther);
  WNDCLASS wc = {};
  ASSERT_TRUE(::GetClassInfo(AfxGetInstanceHandle(), pszOther, &wc));
  EXPECT_EQ(wc.style, UINT(CS_DBLCLKS | CS_SAVEBITS));
  EXPECT_EQ(wc.hCursor, hArrow);
}
