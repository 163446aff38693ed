// The host dialogs' exchange functions: a real number through a format, a combo box selection
// by item data, and single-bound checks with the host's prompt.
#include "NumericTestResources.h"
#include "NumericTestSupport.h"
#include "../TextCodes.h"

#include <gtest/gtest.h>

namespace
{
const DWORD kNoData = 0xFFFFFFFF;

// Runs one exchange in a live dialog; false when it failed.
bool Exchange(CNumericDialog& dlg, BOOL bSave, const std::function<void(CDataExchange*)>& exchange)
{
  dlg.m_exchange = exchange;
  BOOL bDone = dlg.UpdateData(bSave);
  dlg.m_exchange = nullptr;
  return bDone != FALSE;
}
}

TEST(DataExchange, FormattedTextComboItemDataAndCustomChecks)
{
  struct SCase
  {
    const char* pszText;
    bool bAccepted;
    double dValue;
  };
  static const SCase cases[] = {
      {"\t2.5", true, 2.5},
      {"1e3", true, 1000.0},
      {"-4.25 ", true, -4.25},
      {"", false, 0.0},
      {"5x", false, 0.0},
      {"5 5", false, 0.0},
      {"1234567890123456789012345678901234567890", true, 1234567890123456789012345678901.0},
  };
  CNumericDialog dlg;
  dlg.Run({
      [](CNumericDialog& d) {
        for (const SCase& c : cases)
        {
          TestApp().Reset();
          d.GetDlgItem(IDC_OTHER)->SetFocus();
          d.SetDlgItemText(IDC_FORMAT, c.pszText);
          double dValue = 99.0;
          bool bDone =
              Exchange(d, TRUE, [&](CDataExchange* pDX) { DDX_TextWithFormat(pDX, IDC_FORMAT, "%.2f", dValue); });
          EXPECT_EQ(c.bAccepted, bDone) << "text '" << c.pszText << "'";
          EXPECT_DOUBLE_EQ(c.bAccepted ? c.dValue : 99.0, dValue) << "text '" << c.pszText << "'";
          if (c.bAccepted)
            continue;
          ASSERT_EQ(1u, TestApp().m_messages.size()) << "text '" << c.pszText << "'";
          EXPECT_EQ(cp932("数値を入力してください。"), TestApp().m_messages[0].text);
          EXPECT_EQ(d.GetDlgItem(IDC_FORMAT)->m_hWnd, ::GetFocus()) << "the failure focuses the control";
        }
        CWnd* pEdit = d.GetDlgItem(IDC_FORMAT);
        double dValue = 2.5;
        ASSERT_TRUE(
            Exchange(d, FALSE, [&](CDataExchange* pDX) { DDX_TextWithFormat(pDX, IDC_FORMAT, "%.3f mm", dValue); }));
        EXPECT_EQ("2.500 mm", TextOf(*pEdit));
        // Setting a text clears the edit's modify flag: a flag that survives shows no set. Texts of
        // up to 256 characters are compared, longer ones always set.
        for (int nLength : {256, 257})
        {
          const std::string strFormat = "%0" + std::to_string(nLength) + ".1f";
          auto load = [&](CDataExchange* pDX) { DDX_TextWithFormat(pDX, IDC_FORMAT, strFormat.c_str(), dValue); };
          ASSERT_TRUE(Exchange(d, FALSE, load));
          EXPECT_EQ(size_t(nLength), TextOf(*pEdit).size());
          pEdit->SendMessage(EM_SETMODIFY, TRUE);
          ASSERT_TRUE(Exchange(d, FALSE, load));
          EXPECT_EQ(nLength == 256, pEdit->SendMessage(EM_GETMODIFY) != 0) << nLength << " characters";
        }
      },
      // Next, the combo box selection by item data, and the custom checks with the host's prompt.
      [](CNumericDialog& d) {
        TestApp().Reset();
        CComboBox* pCombo = static_cast<CComboBox*>(d.GetDlgItem(IDC_ITEMS));
        DWORD dwData = 20;
        auto exchange = [&](CDataExchange* pDX) { DDX_CBItemData(pDX, IDC_ITEMS, dwData); };
        ASSERT_TRUE(Exchange(d, FALSE, exchange)) << "an empty list";
        ASSERT_TRUE(Exchange(d, TRUE, exchange));
        EXPECT_EQ(kNoData, dwData) << "no selection";

        const DWORD adwData[] = {10, 20, 20, 30};
        for (DWORD dwItem : adwData)
          pCombo->SetItemData(pCombo->AddString("item"), dwItem);
        dwData = 20;
        ASSERT_TRUE(Exchange(d, FALSE, exchange));
        EXPECT_EQ(1, pCombo->GetCurSel());
        dwData = 99;
        ASSERT_TRUE(Exchange(d, FALSE, exchange));
        EXPECT_EQ(1, pCombo->GetCurSel()) << "no match leaves the selection";
        pCombo->SetCurSel(3);
        ASSERT_TRUE(Exchange(d, TRUE, exchange));
        EXPECT_EQ(30u, dwData);
        double dValue = 0.0;
        auto above = [&](double dBound) {
          return [&dValue, dBound](CDataExchange* pDX) {
            DDV_CustomDouble(pDX, dValue, dBound, DDV_ValidateGreaterThanDouble, IDS_TEST_ABOVE);
          };
        };
        EXPECT_FALSE(Exchange(d, TRUE, above(0.0)));
        ASSERT_EQ(1u, TestApp().m_messages.size());
        EXPECT_EQ(cp932("0 より大きい値を入力してください"), TestApp().m_messages[0].text);
        EXPECT_EQ(UINT(MB_ICONEXCLAMATION), TestApp().m_messages[0].nType);
        EXPECT_EQ(UINT(IDS_TEST_ABOVE), TestApp().m_messages[0].nIDHelp);
        EXPECT_FALSE(Exchange(d, TRUE, above(0.1)));
        EXPECT_EQ(cp932("0.1 より大きい値を入力してください"), TestApp().m_messages[1].text);
        EXPECT_TRUE(Exchange(d, FALSE, above(0.1))) << "loading is quiet";
        dValue = 0.5;
        EXPECT_TRUE(Exchange(d, TRUE, above(0.1)));

        int nValue = 7;
        auto atMost = [&](int nBound) {
          return [&nValue, nBound](CDataExchange* pDX) {
            DDV_CustomInt(pDX, nValue, nBound, DDV_ValidateLessEqualThanInt, IDS_TEST_BELOW);
          };
        };
        EXPECT_FALSE(Exchange(d, TRUE, atMost(-5)));
        ASSERT_EQ(3u, TestApp().m_messages.size());
        EXPECT_EQ(cp932("-5 以下の値を入力してください"), TestApp().m_messages[2].text);
        EXPECT_TRUE(Exchange(d, TRUE, atMost(7)));
      },
  });
}
