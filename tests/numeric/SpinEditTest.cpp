// The spin edit base, driven through a real dialog: Enter through the modal loop, focus leaving
// the field (also to Cancel and Help), the caret after a formatted value is shown, the field's
// data exchange and a field the host creates. The spin steps are tested with the fields' ranges.
#include "NumericTestResources.h"
#include "NumericTestSupport.h"
#include "../TextCodes.h"

#include <gtest/gtest.h>

TEST(SpinEdit, EnterAndFocusLossAcceptOrRefuseWithTheRangeMessageOrBeep)
{
  CNumericDialog dlg;
  dlg.m_bEndOnOK = false;
  dlg.m_double.SetFigure(2);
  dlg.m_double.SetRange(0.0, 10.0);
  dlg.m_double.SetValue(3.0);
  std::string strAtOK;
  bool bModifiedAtOK = true;
  dlg.m_onOK = [&](CNumericDialog& d) {
    strAtOK = TextOf(d.m_double);
    bModifiedAtOK = d.m_double.IsModified();
  };
  dlg.Run({
      [](CNumericDialog& d) { EnterText(d.m_double, "1"); },
      [&](CNumericDialog& d) {
        // The accepted value lets Enter reach the default button.
        EXPECT_EQ("1.00", strAtOK);
        EXPECT_FALSE(bModifiedAtOK);
        EnterText(d.m_double, "20");
      },
      [](CNumericDialog& d) {
        ASSERT_EQ(1u, TestApp().m_messages.size());
        EXPECT_EQ(cp932("値は 0 ≦値≦ 10 の範囲内で入力してください"), TestApp().m_messages[0].text);
        EXPECT_EQ(0, TestApp().m_nBeeps) << "a refused value is told, not beeped";
        EXPECT_EQ("20", TextOf(d.m_double));
        EXPECT_EQ(Sel(0, 2), SelectionOf(d.m_double));
        EXPECT_EQ(d.m_double.m_hWnd, ::GetFocus());
        EnterText(d.m_double, "1+");
      },
      [](CNumericDialog& d) {
        EXPECT_EQ(1, TestApp().m_nBeeps) << "an unreadable text beeps";
        EXPECT_EQ(Sel(0, 2), SelectionOf(d.m_double));
        EnterText(d.m_double, "\b");
      },
      [](CNumericDialog& d) {
        EXPECT_EQ(2, TestApp().m_nBeeps) << "so does an empty one";
        d.m_double.SetValidateMode(CSpinEdit::VALIDATE_ALLOW_EMPTY);
        PressKey(d.m_double, VK_RETURN);
      },
      [&](CNumericDialog& d) {
        EXPECT_EQ(2, d.m_nOKPressed)
            << "no refused Enter reached the dialog; an empty one does when the mode allows it";
        EXPECT_EQ("", strAtOK);
        EXPECT_DOUBLE_EQ(0.0, d.m_double.GetValue());
        EXPECT_EQ(2, TestApp().m_nBeeps);
        // Focus loss next: it validates when asked, and never towards Cancel or Help.
        d.m_double.SetFocus();
        TypeText(d.m_double, "20");
      },
      [](CNumericDialog& d) {
        d.GetDlgItem(IDC_OTHER)->SetFocus();
        EXPECT_EQ(1u, TestApp().m_messages.size()) << "not asked to check on focus loss";
        d.m_double.SetKillFocusCheck(true);
        d.m_double.SetFocus();
        d.GetDlgItem(IDC_OTHER)->SetFocus();
        ASSERT_EQ(2u, TestApp().m_messages.size());
        EXPECT_EQ(d.m_double.m_hWnd, ::GetFocus()) << "a refused value takes the focus back";
        EXPECT_EQ(Sel(0, 2), SelectionOf(d.m_double));
      },
      [](CNumericDialog& d) {
        for (int nID : {IDCANCEL, IDC_HELP_BUTTON})
        {
          d.m_double.SetFocus();
          d.GetDlgItem(nID)->SetFocus();
          EXPECT_EQ(d.GetDlgItem(nID)->m_hWnd, ::GetFocus()) << "button " << nID;
        }
        EXPECT_EQ(2u, TestApp().m_messages.size()) << "no validation towards Cancel or Help";
        RetypeText(d.m_double, "7");
      },
      [](CNumericDialog& d) {
        d.GetDlgItem(IDC_OTHER)->SetFocus();
        EXPECT_EQ(d.GetDlgItem(IDC_OTHER)->m_hWnd, ::GetFocus());
        EXPECT_EQ("7.00", TextOf(d.m_double));
      },
  });
}

// The value shown over the user's text keeps the caret where the user had it; the field's data
// exchange validates on save and shows the value on load; a field the host creates has a button.
TEST(SpinEdit, ShownValueKeepsTheCaretDataExchangeValidatesAndAHostCreatedFieldGetsItsButton)
{
  struct SCase
  {
    const char* pszBefore;
    Sel selBefore;
    int nFigure;
    double dValue;
    Sel selAfter;
  };
  static const SCase cases[] = {
      {"12.5", {1, 3}, 1, 98.7, {1, 3}},  // same length: the selection stays
      {"12", {2, 2}, 2, 12.0, {2, 2}},    // the caret at the end stays before the added point
      {"12", {2, 2}, 0, 123.0, {3, 3}},   // the caret at the end goes to the new end
      {"12", {0, -1}, 3, 12.0, {0, 6}},   // all selected stays all selected
  };
  CNumericDialog dlg;
  dlg.m_integer.SetRange(1, 9);
  dlg.m_integer.SetValue(4);
  dlg.Run({
      [](CNumericDialog& d) {
        CTestField<CDoubleEdit>& field = d.m_double;
        for (const SCase& c : cases)
        {
          field.SetWindowText(c.pszBefore);
          field.SetSel(c.selBefore.first, c.selBefore.second);
          field.SetFigure(c.nFigure);
          field.SetValue(c.dValue);
          EXPECT_EQ(c.selAfter, SelectionOf(field)) << c.pszBefore << " to " << c.dValue;
        }
        field.SetEmpty(true);
        field.SetValue(4.5);
        EXPECT_EQ("", TextOf(field));
        field.SetEmpty(false);
        field.DisplayValue();
        EXPECT_EQ("4.500", TextOf(field)) << "remembered all the same";

        // Next, the integer field's data exchange.
        EXPECT_EQ("4", TextOf(d.m_integer)) << "loaded by the dialog's first exchange";
        RetypeText(d.m_integer, "12");
      },
      [](CNumericDialog& d) {
        d.GetDlgItem(IDC_OTHER)->SetFocus();
        EXPECT_FALSE(d.UpdateData(TRUE));
        ASSERT_EQ(1u, TestApp().m_messages.size());
        EXPECT_EQ(d.m_integer.m_hWnd, ::GetFocus()) << "the failed exchange focuses the field";
        EXPECT_TRUE(d.UpdateData(FALSE));
        EXPECT_EQ("4", TextOf(d.m_integer)) << "loading shows the value text again";
        RetypeText(d.m_integer, "8");
      },
      [](CNumericDialog& d) {
        EXPECT_TRUE(d.UpdateData(TRUE));
        EXPECT_EQ(8, d.m_integer.GetValue());
        d.m_integer.EnableWindow(FALSE);
        d.m_integer.SetWindowText("junk");
        EXPECT_TRUE(d.UpdateData(TRUE)) << "a disabled field is not validated";

        // Next, a field the host creates gets its button, and the edit commands act.
        CTestField<CDoubleEdit> field;
        field.SetCreateSpinButtonCtrl(true);
        ASSERT_TRUE(field.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 200, 110, 224), &d, 3000));
        CEditSpinButtonCtrl* pSpin = field.GetSpinButtonCtrl();
        ASSERT_NE(nullptr, pSpin->GetSafeHwnd());
        EXPECT_EQ(field.m_hWnd, pSpin->GetBuddy()->m_hWnd);
        EXPECT_EQ(d.m_hWnd, ::GetParent(pSpin->m_hWnd)) << "a sibling of the field";

        // Without a parent there is nowhere to put the button: the field is not created.
        CTestField<CDoubleEdit> orphan;
        orphan.SetCreateSpinButtonCtrl(true);
        EXPECT_FALSE(orphan.Create(WS_POPUP, CRect(0, 0, 100, 20), nullptr, 0));
        EXPECT_EQ(nullptr, orphan.m_hWnd);

        auto command = [&](UINT nID) { field.SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0); };
        field.SetWindowText("12.5");
        command(ID_POPUP_SELECT_ALL);
        EXPECT_EQ(Sel(0, 4), SelectionOf(field));
        command(ID_POPUP_COPY);
        command(ID_POPUP_DELETE);
        EXPECT_EQ("", TextOf(field));
        command(ID_POPUP_UNDO);
        EXPECT_EQ("12.5", TextOf(field));
        field.SetSel(4, 4);
        command(ID_POPUP_PASTE);
        EXPECT_EQ("12.512.5", TextOf(field));
        field.SetSel(0, 4);
        command(ID_POPUP_CUT);
        EXPECT_EQ("12.5", TextOf(field));
        EXPECT_TRUE(field.IsModified()) << "every change is the user's until validated";

        // The button goes with the field's window, not only with the object.
        const HWND hSpin = pSpin->m_hWnd;
        field.DestroyWindow();
        EXPECT_FALSE(::IsWindow(hSpin));
        EXPECT_EQ(nullptr, pSpin->GetSafeHwnd());
      },
  });
}
