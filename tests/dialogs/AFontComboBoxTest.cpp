// The font combo box on the fonts of the Wine prefix: which families enter from the screen,
// the vertical faces, choosing a font by name and keeping the choice across a refill.
#include "DialogsTestSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace
{
typedef CAFontComboBox::CFontRecord CFontRecord;

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

  std::set<std::string> Names() const
  {
    std::set<std::string> names;
    for (int i = 0; i < m_combo.GetCount(); ++i)
    {
      CString strName;
      m_combo.GetLBText(i, strName);
      names.insert(static_cast<LPCTSTR>(strName));
    }
    return names;
  }
  const CFontRecord* Record(int nIndex) const
  {
    return static_cast<const CFontRecord*>(m_combo.GetItemDataPtr(nIndex));
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

// The Japanese name of the family the project installs in the Wine prefix.
std::string IpaGothic()
{
  return cp932("IPAゴシック");
}

bool IsVertical(const std::string& strName)
{
  return !strName.empty() && strName[0] == '@';
}
}

TEST_F(AFontComboBoxTest, TheScreenOffersTrueTypeFamilies)
{
  EXPECT_TRUE(m_combo.Initialize());
  EXPECT_EQ(m_combo.SendMessage(WM_GETFONT), reinterpret_cast<LRESULT>(::GetStockObject(DEFAULT_GUI_FONT)));
  m_combo.EnumerateFont(CDC());
  ASSERT_GT(m_combo.GetCount(), 0);
  for (int i = 0; i < m_combo.GetCount(); ++i)
  {
    const CFontRecord* pRecord = Record(i);
    ASSERT_NE(pRecord, nullptr);
    CString strName;
    m_combo.GetLBText(i, strName);
    SCOPED_TRACE(static_cast<LPCTSTR>(strName));
    EXPECT_STREQ(pRecord->m_strFaceName, strName);
    EXPECT_EQ(pRecord->m_nFontType, CAFontComboBox::FONT_TYPE_TRUETYPE);
    EXPECT_NE(pRecord->m_nCharSet, SYMBOL_CHARSET);
    EXPECT_NE(pRecord->m_nCharSet, MAC_CHARSET);
    EXPECT_FALSE(IsVertical(static_cast<LPCTSTR>(strName))) << "hidden on a double-byte system";
  }
  EXPECT_EQ(Names().count(IpaGothic()), 1u) << "the prefix's Japanese TrueType family";
}

TEST_F(AFontComboBoxTest, VerticalFacesOnRequest)
{
  ASSERT_TRUE(::GetSystemMetrics(SM_DBCSENABLED));
  m_combo.EnumerateFont(CDC());
  const std::set<std::string> horizontal = Names();
  m_combo.InsertVerticallyFont();
  m_combo.EnumerateFont(CDC());
  const std::set<std::string> all = Names();
  int nVertical = 0;
  for (const std::string& strName : all)
  {
    if (!IsVertical(strName))
      continue;
    ++nVertical;
    EXPECT_EQ(horizontal.count(strName.substr(1)), 1u) << strName << " has its horizontal face";
  }
  EXPECT_GT(nVertical, 0) << "the Japanese fonts have vertical faces";
  EXPECT_EQ(all.size(), horizontal.size() + nVertical);
}

TEST_F(AFontComboBoxTest, ChoosingAFontByName)
{
  m_combo.EnumerateFont(CDC());
  CString strName;
  BYTE nCharSet = 0xFF;
  EXPECT_FALSE(m_combo.GetFontInfo(strName, nCharSet)) << "nothing selected";

  const int nGothic = m_combo.SetFontName(cp932("ipaゴシック").c_str(), true);
  ASSERT_GE(nGothic, 0) << "without regard to case";
  EXPECT_EQ(m_combo.GetCurSel(), nGothic);
  EXPECT_EQ(FontName(), IpaGothic());
  ASSERT_TRUE(m_combo.GetFontInfo(strName, nCharSet));
  EXPECT_EQ(std::string(strName), IpaGothic());
  EXPECT_EQ(nCharSet, Record(nGothic)->m_nCharSet);

  EXPECT_EQ(m_combo.SetFontName("ipa p", true), -1) << "not the whole name";
  EXPECT_EQ(m_combo.GetCurSel(), -1);
  EXPECT_EQ(FontName(), "") << "the text is cleared";
  const int nProportional = m_combo.SetFontName("ipa p", false);
  ASSERT_GE(nProportional, 0) << "a prefix";
  EXPECT_EQ(FontName(), cp932("IPA Pゴシック"));

  m_combo.SetCurSel(-1);
  m_combo.SetWindowText("Some typed name");
  EXPECT_EQ(FontName(), "Some typed name");
  EXPECT_EQ(m_combo.SetFontName(nullptr, false), -1);
  EXPECT_EQ(FontName(), "");
}

TEST(AFontComboBox, WithoutAWindowNothingIsListed)
{
  CAFontComboBox combo;
  combo.EnumerateFont(CDC());
  EXPECT_EQ(combo.m_hWnd, nullptr);
}

TEST_F(AFontComboBoxTest, ARefillKeepsTheChoice)
{
  m_combo.EnumerateFont(CDC());
  const int nCount = m_combo.GetCount();
  m_combo.SetFontName(IpaGothic().c_str(), true);
  m_combo.EnumerateFont(CDC());
  EXPECT_EQ(m_combo.GetCount(), nCount) << "the old items are gone";
  EXPECT_EQ(FontName(), IpaGothic());

  // A typed text selects the first font beginning with it.
  m_combo.SetCurSel(-1);
  m_combo.SetWindowText("ipa p");
  m_combo.EnumerateFont(CDC());
  EXPECT_EQ(FontName(), cp932("IPA Pゴシック"));

  m_combo.SetCurSel(-1);
  m_combo.SetWindowText("No such font");
  m_combo.EnumerateFont(CDC());
  EXPECT_EQ(m_combo.GetCurSel(), -1);
  EXPECT_EQ(FontName(), "");
}

TEST_F(AFontComboBoxTest, ADeviceContextTakesThePrinterRule)
{
  CClientDC dc(&m_host);
  m_combo.EnumerateFont(dc);
  ASSERT_GT(m_combo.GetCount(), 0);
  for (int i = 0; i < m_combo.GetCount(); ++i)
  {
    const int nType = Record(i)->m_nFontType;
    EXPECT_TRUE(nType == CAFontComboBox::FONT_TYPE_TRUETYPE || nType == CAFontComboBox::FONT_TYPE_DEVICE);
  }
  EXPECT_EQ(Names().count(IpaGothic()), 1u);
}
