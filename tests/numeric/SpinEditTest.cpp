// The spin edit base, driven through a real dialog: Enter through the modal loop, focus leaving
// the field (also to Cancel and Help), the spin button's clicks and arrow keys, the caret after
// a formatted value is shown, and the field's data exchange.
#include "NumericTestResources.h"
#include "NumericTestSupport.h"

#include <gtest/gtest.h>

namespace
{
// The range message the value record gives for the field's bounds.
std::string RangeMessage(double dMin, double dMax, int nFigure)
{
  CValueWork valueWork;
  valueWork.SetFigure(nFigure);
  valueWork.SetRange(dMin, dMax);
  return static_cast<LPCTSTR>(valueWork.displayDblErrMsg());
}
}

TEST(SpinEdit, EnterAcceptsTypedNumberAndKeepsCaretBeforeAddedPoint)
{
  CNumericDialog dlg;
  dlg.m_double.SetFigure(2);
  std::string strAtOK;
  Sel selAtOK;
  bool bModifiedAtOK = true;
  dlg.m_onOK = [&](CNumericDialog& d) {
    strAtOK = TextOf(d.m_double);
    selAtOK = SelectionOf(d.m_double);
    bModifiedAtOK = d.m_double.IsModified();
  };
  INT_PTR nResult = dlg.Run({
      [](CNumericDialog& d) {
        d.m_double.SetFocus();
        TypeText(d.m_double, "1");
      },
      [](CNumericDialog& d) {
        EXPECT_TRUE(d.m_double.IsModified());
        PressKey(d.m_double, VK_RETURN);
      },
  });
  // The accepted value lets Enter reach the dialog's default button.
  EXPECT_EQ(IDOK, nResult);
  EXPECT_EQ("1.00", strAtOK);
  EXPECT_EQ(Sel(1, 1), selAtOK);
  EXPECT_FALSE(bModifiedAtOK);
  EXPECT_DOUBLE_EQ(1.0, dlg.m_double.GetValue());
  EXPECT_EQ("1.00", std::string(dlg.m_double.GetValueString()));
  EXPECT_TRUE(TestApp().m_messages.empty());
}

TEST(SpinEdit, EnterOnRefusedValueShowsRangeMessageAndHoldsTheField)
{
  CNumericDialog dlg;
  dlg.m_double.SetFigure(2);
  dlg.m_double.SetRange(0.0, 10.0);
  dlg.m_double.SetValue(3.0);
  INT_PTR nResult = dlg.Run({
      [](CNumericDialog& d) { EnterText(d.m_double, "20"); },
      [](CNumericDialog& d) {
        EXPECT_EQ(0, d.m_nOKPressed) << "Enter must not reach the dialog";
        ASSERT_EQ(1u, TestApp().m_messages.size());
        EXPECT_EQ(RangeMessage(0.0, 10.0, 2), TestApp().m_messages[0].text);
        EXPECT_EQ(UINT(MB_OK), TestApp().m_messages[0].nType);
        EXPECT_EQ(0, TestApp().m_nBeeps) << "a refused value is told, not beeped";
        EXPECT_EQ("20", TextOf(d.m_double));
        EXPECT_EQ(Sel(0, 2), SelectionOf(d.m_double));
        EXPECT_EQ(d.m_double.m_hWnd, ::GetFocus());
        EXPECT_TRUE(d.m_double.IsModified());
        EXPECT_DOUBLE_EQ(3.0, d.m_double.GetValue());
        TypeText(d.m_double, "5");
        PressKey(d.m_double, VK_RETURN);
      },
  });
  EXPECT_EQ(IDOK, nResult);
  EXPECT_DOUBLE_EQ(5.0, dlg.m_double.GetValue());
  EXPECT_EQ("5.00", std::string(dlg.m_double.GetValueString()));
}

TEST(SpinEdit, EmptyTextBeepsUnlessTheValidateModeAllowsIt)
{
  CNumericDialog dlg;
  dlg.m_double.SetFigure(2);
  dlg.m_double.SetValue(4.0);
  std::string strAtOK = "not pressed";
  dlg.m_onOK = [&](CNumericDialog& d) { strAtOK = TextOf(d.m_double); };
  INT_PTR nResult = dlg.Run({
      [](CNumericDialog& d) { EnterText(d.m_double, "\b"); },
      [](CNumericDialog& d) {
        EXPECT_EQ(1, TestApp().m_nBeeps);
        EXPECT_TRUE(TestApp().m_messages.empty());
        EXPECT_EQ(0, d.m_nOKPressed);
        EXPECT_DOUBLE_EQ(4.0, d.m_double.GetValue());
        d.m_double.SetValidateMode(CSpinEdit::VALIDATE_ALLOW_EMPTY);
        PressKey(d.m_double, VK_RETURN);
      },
  });
  EXPECT_EQ(IDOK, nResult);
  EXPECT_EQ("", strAtOK);
  EXPECT_DOUBLE_EQ(0.0, dlg.m_double.GetValue());
  EXPECT_EQ(1, TestApp().m_nBeeps);
}

TEST(SpinEdit, UnreadableTextBeepsAndStaysAsTyped)
{
  CNumericDialog dlg;
  INT_PTR nResult = dlg.Run({
      [](CNumericDialog& d) { EnterText(d.m_double, "1+"); },
      [](CNumericDialog& d) {
        EXPECT_EQ(1, TestApp().m_nBeeps);
        EXPECT_EQ("1+", TextOf(d.m_double));
        EXPECT_EQ(Sel(0, 2), SelectionOf(d.m_double));
        EXPECT_TRUE(d.m_double.IsModified());
      },
  });
  EXPECT_EQ(CNumericDialog::SCRIPT_END, nResult);
}

TEST(SpinEdit, FocusLossValidatesExceptTowardsCancelAndHelp)
{
  CNumericDialog dlg;
  dlg.m_double.SetFigure(1);
  dlg.m_double.SetRange(0.0, 10.0);
  dlg.m_double.SetKillFocusCheck(true);
  INT_PTR nResult = dlg.Run({
      [](CNumericDialog& d) {
        d.m_double.SetFocus();
        TypeText(d.m_double, "20");
      },
      [](CNumericDialog& d) {
        d.GetDlgItem(IDC_OTHER)->SetFocus();
        ASSERT_EQ(1u, TestApp().m_messages.size());
        EXPECT_EQ(d.m_double.m_hWnd, ::GetFocus()) << "a refused value takes the focus back";
        EXPECT_EQ(Sel(0, 2), SelectionOf(d.m_double));
        EXPECT_TRUE(d.m_double.IsModified());
      },
      [](CNumericDialog& d) {
        for (int nID : {IDCANCEL, IDC_HELP_BUTTON})
        {
          d.m_double.SetFocus();
          d.GetDlgItem(nID)->SetFocus();
          EXPECT_EQ(d.GetDlgItem(nID)->m_hWnd, ::GetFocus()) << "button " << nID;
        }
        EXPECT_EQ(1u, TestApp().m_messages.size()) << "no validation towards Cancel or Help";
        EXPECT_EQ("20", TextOf(d.m_double));
        d.m_double.SetFocus();
        d.m_double.SetSel(0, -1);
        TypeText(d.m_double, "7");
      },
      [](CNumericDialog& d) {
        d.GetDlgItem(IDC_OTHER)->SetFocus();
        EXPECT_EQ(d.GetDlgItem(IDC_OTHER)->m_hWnd, ::GetFocus());
        EXPECT_EQ("7.0", TextOf(d.m_double));
        EXPECT_DOUBLE_EQ(7.0, d.m_double.GetValue());
        EXPECT_FALSE(d.m_double.IsModified());
        EXPECT_EQ(1u, TestApp().m_messages.size());
      },
  });
  EXPECT_EQ(CNumericDialog::SCRIPT_END, nResult);
}

TEST(SpinEdit, FocusLossWithoutKillFocusCheckDoesNotValidate)
{
  CNumericDialog dlg;
  dlg.m_double.SetRange(0.0, 10.0);
  dlg.Run({
      [](CNumericDialog& d) {
        d.m_double.SetFocus();
        TypeText(d.m_double, "20");
      },
      [](CNumericDialog& d) {
        d.GetDlgItem(IDC_OTHER)->SetFocus();
        EXPECT_EQ(d.GetDlgItem(IDC_OTHER)->m_hWnd, ::GetFocus());
        EXPECT_TRUE(TestApp().m_messages.empty());
        EXPECT_TRUE(d.m_double.IsModified());
        EXPECT_DOUBLE_EQ(0.0, d.m_double.GetValue());
      },
  });
}

TEST(SpinEdit, SpinClicksAndArrowKeysStepTheShownNumber)
{
  CNumericDialog dlg;
  dlg.m_double.SetCreateSpinButtonCtrl(true);
  dlg.m_double.SetFigure(1);
  dlg.m_double.SetRange(0.0, 10.0);
  dlg.m_double.SetSpinInc(0.5);
  dlg.m_double.SetValue(8.0);
  dlg.Run({
      [](CNumericDialog& d) {
        ASSERT_NE(nullptr, d.m_double.GetSpinButtonCtrl());
        EXPECT_EQ(d.m_double.m_hWnd, d.m_double.GetSpinButtonCtrl()->GetBuddy()->m_hWnd);
        ClickSpin(d.m_double, true);
      },
      [](CNumericDialog& d) {
        EXPECT_EQ("8.5", TextOf(d.m_double));
        ClickSpin(d.m_double, false);
        ClickSpin(d.m_double, false);
      },
      [](CNumericDialog& d) {
        EXPECT_EQ("7.5", TextOf(d.m_double));
        PressKey(d.m_double, VK_UP);
      },
      [](CNumericDialog& d) {
        EXPECT_EQ("8.0", TextOf(d.m_double));
        PressKey(d.m_double, VK_DOWN);
      },
      [](CNumericDialog& d) {
        EXPECT_EQ("7.5", TextOf(d.m_double));
        EXPECT_DOUBLE_EQ(7.5, d.m_double.GetValue());
        EXPECT_EQ(0, TestApp().m_nBeeps);
        // A typed number, not yet validated, is where the step starts.
        d.m_double.SetSel(0, -1);
        TypeText(d.m_double, "2");
        ClickSpin(d.m_double, true);
      },
      [](CNumericDialog& d) {
        EXPECT_EQ("2.5", TextOf(d.m_double));
        EXPECT_TRUE(TestApp().m_messages.empty());
      },
  });
}

TEST(SpinEdit, SpinOfDisabledFieldOrDisabledParentDoesNothing)
{
  CNumericDialog dlg;
  dlg.m_double.SetCreateSpinButtonCtrl(true);
  dlg.m_double.SetFigure(0);
  dlg.m_double.SetValue(5.0);
  dlg.Run({
      [](CNumericDialog& d) {
        d.m_double.EnableWindow(FALSE);
        EXPECT_FALSE(d.m_double.GetSpinButtonCtrl()->IsWindowEnabled()) << "disabled with its field";
        ClickSpin(d.m_double, true);
      },
      [](CNumericDialog& d) {
        EXPECT_EQ("5", TextOf(d.m_double));
        d.m_double.EnableWindow(TRUE);
        EXPECT_TRUE(d.m_double.GetSpinButtonCtrl()->IsWindowEnabled());
        d.EnableWindow(FALSE);
        ClickSpin(d.m_double, true);
      },
      [](CNumericDialog& d) {
        d.EnableWindow(TRUE);
        EXPECT_EQ("5", TextOf(d.m_double));
        EXPECT_EQ(0, TestApp().m_nBeeps);
        ClickSpin(d.m_double, true);
      },
      [](CNumericDialog& d) { EXPECT_EQ("6", TextOf(d.m_double)) << "enabled again, the spin steps"; },
  });
}

TEST(SpinEdit, SpinButtonFollowsShowAndOptionOfTheField)
{
  CNumericDialog dlg;
  dlg.m_double.SetCreateSpinButtonCtrl(true);
  dlg.Run({
      [](CNumericDialog& d) {
        CEditSpinButtonCtrl* pSpin = d.m_double.GetSpinButtonCtrl();
        ASSERT_NE(nullptr, pSpin);
        EXPECT_TRUE(pSpin->IsWindowVisible());
        d.m_double.ShowWindow(SW_HIDE);
        EXPECT_FALSE(pSpin->IsWindowVisible());
        d.m_double.ShowWindow(SW_SHOW);
        EXPECT_TRUE(pSpin->IsWindowVisible());
        d.m_double.SetCreateSpinButtonCtrl(false);
        EXPECT_EQ(nullptr, d.m_double.GetSpinButtonCtrl()) << "null without the option, created or not";
        EXPECT_EQ(nullptr, d.m_integer.GetSpinButtonCtrl());
      },
  });
}

TEST(SpinEdit, SetWindowTextKeepsTheCaretWhereTheUserHadIt)
{
  CNumericDialog dlg;
  dlg.Run({
      [](CNumericDialog& d) {
        CTestField<CDoubleEdit>& field = d.m_double;
        field.SetWindowText("12.5");
        field.SetSel(1, 3);
        field.setWindowText("98.7");
        EXPECT_EQ(Sel(1, 3), SelectionOf(field)) << "same length: the selection stays";

        field.SetWindowText("12");
        field.SetSel(2, 2);
        field.setWindowText("12.00");
        EXPECT_EQ(Sel(2, 2), SelectionOf(field)) << "caret at the end stays before the added point";

        field.SetWindowText("12");
        field.SetSel(2, 2);
        field.setWindowText("123");
        EXPECT_EQ(Sel(3, 3), SelectionOf(field)) << "caret at the end goes to the new end";

        field.SetWindowText("12");
        field.SetSel(0, -1);
        field.setWindowText("12.000");
        EXPECT_EQ(Sel(0, 6), SelectionOf(field)) << "all selected stays all selected";

        field.SetEmpty(true);
        field.setWindowText("4.5");
        EXPECT_EQ("", TextOf(field));
        EXPECT_EQ("4.5", std::string(field.GetValueString())) << "remembered all the same";
        field.SetEmpty(false);
        field.DisplayValue();
        EXPECT_EQ("4.5", TextOf(field));
      },
  });
}

TEST(SpinEdit, DataExchangeValidatesOnSaveAndShowsTheValueOnLoad)
{
  CNumericDialog dlg;
  dlg.m_integer.SetRange(1, 9);
  dlg.m_integer.SetValue(4);
  dlg.Run({
      [](CNumericDialog& d) {
        EXPECT_EQ("4", TextOf(d.m_integer)) << "loaded by the dialog's first exchange";
        d.m_integer.SetFocus();
        d.m_integer.SetSel(0, -1);
        TypeText(d.m_integer, "12");
      },
      [](CNumericDialog& d) {
        d.GetDlgItem(IDC_OTHER)->SetFocus();
        EXPECT_FALSE(d.UpdateData(TRUE));
        ASSERT_EQ(1u, TestApp().m_messages.size());
        EXPECT_EQ(d.m_integer.m_hWnd, ::GetFocus()) << "the failed exchange focuses the field";
        EXPECT_TRUE(d.m_integer.IsModified());
        EXPECT_EQ(4, d.m_integer.GetValue());
        EXPECT_TRUE(d.UpdateData(FALSE));
        EXPECT_EQ("4", TextOf(d.m_integer)) << "loading shows the value text again";
        d.m_integer.SetSel(0, -1);
        TypeText(d.m_integer, "8");
      },
      [](CNumericDialog& d) {
        EXPECT_TRUE(d.UpdateData(TRUE));
        EXPECT_EQ(8, d.m_integer.GetValue());
        d.m_integer.EnableWindow(FALSE);
        d.m_integer.SetWindowText("junk");
        EXPECT_TRUE(d.UpdateData(TRUE)) << "a disabled field is not validated";
        EXPECT_EQ(1u, TestApp().m_messages.size());
      },
  });
}

TEST(SpinEdit, FieldCreatedByTheHostGetsItsButtonOrFailsWithout)
{
  CNumericDialog dlg;
  dlg.Run({
      [](CNumericDialog& d) {
        CTestField<CDoubleEdit> field;
        field.SetCreateSpinButtonCtrl(true);
        ASSERT_TRUE(field.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 200, 110, 224), &d, 3000));
        CEditSpinButtonCtrl* pSpin = field.GetSpinButtonCtrl();
        ASSERT_NE(nullptr, pSpin->GetSafeHwnd());
        EXPECT_EQ(field.m_hWnd, pSpin->GetBuddy()->m_hWnd);
        EXPECT_EQ(d.m_hWnd, ::GetParent(pSpin->m_hWnd)) << "a sibling of the field";
        EXPECT_EQ(0, pSpin->GetDlgCtrlID());

        // Without a parent there is nowhere to put the button: the field is not created.
        CTestField<CDoubleEdit> orphan;
        orphan.SetCreateSpinButtonCtrl(true);
        EXPECT_FALSE(orphan.Create(WS_POPUP, CRect(0, 0, 100, 20), nullptr, 0));
        EXPECT_EQ(nullptr, orphan.m_hWnd);
        CEditSpinButtonCtrl button;
        EXPECT_FALSE(button.Create(nullptr, WS_CHILD, CRect(0, 0, 10, 10), &d)) << "a button needs its owner";
      },
  });
}

TEST(SpinEdit, EditCommandsOfTheContextMenuActOnTheField)
{
  CNumericDialog dlg;
  dlg.Run({
      [](CNumericDialog& d) {
        CTestField<CDoubleEdit>& field = d.m_double;
        auto command = [&](UINT nID) { field.SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0); };
        field.SetWindowText("12.5");
        field.SetSel(4, 4);
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
      },
  });
}
