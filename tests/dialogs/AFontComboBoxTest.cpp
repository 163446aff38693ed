// The font combo box on the fonts of the Wine prefix: which families enter from the screen and
// from a device, the vertical faces, choosing a font by name and keeping the choice on a refill.
#include "DialogsTestSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace
{
class AFontComboBoxTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    m_host.CreateEx(0, "STATIC", "Fonts", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 300), nullptr, 0);
    m_combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_SORT | CBS_HASSTRINGS,
                   CRect(10, 10, 250, 250), &m_host, 100);
  }
  void TearDown() override { m_host.DestroyWindow(); }

  // The names listed; every item's record must match its text and pass the rules.
  std::set<std::string> Names(std::set<int> types = {CAFontComboBox::FONT_TYPE_TRUETYPE})
  {
    std::set<std::string> names;
    for (int i = 0; i < m_combo.GetCount(); ++i)
    {
      CString strName;
      m_combo.GetLBText(i, strName);
      const auto* pRecord = static_cast<const CAFontComboBox::CFontRecord*>(m_combo.GetItemDataPtr(i));
      EXPECT_STREQ(pRecord->m_strFaceName, strName);
      EXPECT_EQ(types.count(pRecord->m_nFontType), 1u) << strName;
      EXPECT_TRUE(pRecord->m_nCharSet != SYMBOL_CHARSET && pRecord->m_nCharSet != MAC_CHARSET) << strName;
      names.insert(static_cast<LPCTSTR>(strName));
    }
    return names;
  }
  std::string FontName() const
  {
    CString strName;
    m_combo.GetFontName(strName);
    return static_cast<LPCTSTR>(strName);
  }

  CWnd m_host;
  CAFontComboBox m_combo;
};

// The Japanese family the project installs in the Wine prefix.
const std::string kGothic = cp932("IPAゴシック");
}

TEST_F(AFontComboBoxTest, FamiliesFromScreenAndDeviceAndAFontChosenByNameKeptOnARefill)
{
  EXPECT_TRUE(m_combo.Initialize());
  EXPECT_EQ(m_combo.SendMessage(WM_GETFONT), reinterpret_cast<LRESULT>(::GetStockObject(DEFAULT_GUI_FONT)));
  ASSERT_TRUE(::GetSystemMetrics(SM_DBCSENABLED));
  m_combo.EnumerateFont(CDC());
  const std::set<std::string> horizontal = Names();
  EXPECT_EQ(horizontal.count(kGothic), 1u);
  for (const std::string& strName : horizontal)
    EXPECT_NE(strName[0], '@') << "hidden on a double-byte system";

  m_combo.InsertVerticallyFont();
  m_combo.EnumerateFont(CDC());
  size_t nVertical = 0;
  for (const std::string& strName : Names())
    if (strName[0] == '@')
      nVertical += horizontal.count(strName.substr(1));
  EXPECT_GT(nVertical, 0u);
  EXPECT_EQ(Names().size(), horizontal.size() + nVertical) << "every vertical face has its horizontal one";

  CClientDC dc(&m_host);
  m_combo.EnumerateFont(dc);
  EXPECT_EQ(Names({CAFontComboBox::FONT_TYPE_TRUETYPE, CAFontComboBox::FONT_TYPE_DEVICE}).count(kGothic), 1u);

  // Choosing a font by name, and keeping it on a refill.
  m_combo.EnumerateFont(CDC());
  const int nCount = m_combo.GetCount();
  CString strName;
  BYTE nCharSet = 0xFF;
  EXPECT_FALSE(m_combo.GetFontInfo(strName, nCharSet)) << "nothing selected";

  ASSERT_GE(m_combo.SetFontName(cp932("ipaゴシック").c_str(), true), 0) << "without regard to case";
  ASSERT_TRUE(m_combo.GetFontInfo(strName, nCharSet));
  EXPECT_EQ(std::string(strName), kGothic);
  EXPECT_EQ(nCharSet,
            static_cast<const CAFontComboBox::CFontRecord*>(m_combo.GetItemDataPtr(m_combo.GetCurSel()))->m_nCharSet);
  m_combo.EnumerateFont(CDC());
  EXPECT_EQ(m_combo.GetCount(), nCount) << "the old items are gone";
  EXPECT_EQ(FontName(), kGothic);

  EXPECT_EQ(m_combo.SetFontName("ipa p", true), -1) << "not the whole name";
  EXPECT_EQ(FontName(), "") << "the text is cleared";
  ASSERT_GE(m_combo.SetFontName("ipa p", false), 0) << "a prefix";
  EXPECT_EQ(FontName(), cp932("IPA Pゴシック"));

  // A typed text is the name while nothing is selected, and a refill selects by it.
  for (const char* pszTyped : {"ipa p", "No such font"})
  {
    m_combo.SetCurSel(-1);
    m_combo.SetWindowText(pszTyped);
    EXPECT_EQ(FontName(), pszTyped);
    m_combo.EnumerateFont(CDC());
    EXPECT_EQ(FontName(), pszTyped[0] == 'i' ? cp932("IPA Pゴシック") : "");
  }
  EXPECT_EQ(m_combo.SetFontName(nullptr, false), -1);
}
