// The real-number and integer fields: the Set convention (check, quiet), open bounds and the
// zero ban, truncation, values shown as expressions, and the spin steps: clicks and arrow keys,
// none while disabled, and steps that are refused whole.
#include "NumericTestSupport.h"
#include "../TextCodes.h"

#include <gtest/gtest.h>

// The fields of this Set test are never created: Set and the range tests need no window.
TEST(EditSet, RefusesWithMessageUnlessQuietOrUncheckedShowsExpressionsAndTruncatesIntegers)
{
  TestApp().Reset();
  CTestField<CDoubleEdit> field;
  field.SetRange(0.0, 10.0);
  field.SetNotEqualToMaxValue(true);
  field.SetFigure(2);

  EXPECT_FALSE(field.Set(10.0, true, false));
  ASSERT_EQ(1u, TestApp().m_messages.size());
  EXPECT_EQ(cp932("値は 0 ≦値＜ 10 の範囲内で入力してください"), TestApp().m_messages[0].text);
  EXPECT_EQ(UINT(MB_OK), TestApp().m_messages[0].nType);
  EXPECT_TRUE(field.IsModified());

  EXPECT_FALSE(field.Set(10.0, true, true));
  EXPECT_EQ(1u, TestApp().m_messages.size()) << "quiet";

  EXPECT_TRUE(field.Set(10.0, false, false));
  EXPECT_FALSE(field.IsModified());
  EXPECT_EQ("10.00", std::string(field.GetValueString()));

  // Next, an expression is shown and its value checked silently.
  field.SetValue(12.0, CString("A*3"));
  EXPECT_DOUBLE_EQ(12.0, field.GetValue());
  EXPECT_EQ("A*3", std::string(field.GetValueString()));
  EXPECT_TRUE(field.IsNumExpression());
  EXPECT_TRUE(field.IsModified()) << "out of range: the next validation tells";
  field.SetValue(6.0, CString("A*3"));
  EXPECT_FALSE(field.IsModified());
  EXPECT_EQ(1u, TestApp().m_messages.size()) << "silently";
  field.SetFigure(1);
  field.SetValue(2.0, CString());
  EXPECT_EQ("2.0", std::string(field.GetValueString()));
  EXPECT_FALSE(field.IsNumExpression());

  // The zero ban holds without bounds too, and is told all the same.
  CTestField<CDoubleEdit> unbounded;
  unbounded.SetNotEqualZero(true);
  EXPECT_FALSE(unbounded.Set(0.0, true, false));
  EXPECT_EQ(2u, TestApp().m_messages.size());
  EXPECT_TRUE(unbounded.Set(-0.5, true, false));

  // Next, an integer field truncates toward zero and checks the integer range.
  CTestField<CIntegerEdit> integer;
  EXPECT_TRUE(integer.Set(2.9, true, false));
  EXPECT_EQ("2", std::string(integer.GetValueString()));
  EXPECT_TRUE(integer.Set(-2.9, true, false));
  EXPECT_EQ(-2, integer.GetValue());

  integer.SetRange(0, 10);
  EXPECT_TRUE(integer.Set(10.9, true, false)) << "10.9 is tested as 10";
  EXPECT_FALSE(integer.Set(1e12, true, true));
  EXPECT_FALSE(integer.Set(-1.5, true, true));
  integer.SetNotEqualToMinValue(true);
  EXPECT_FALSE(integer.Set(0, true, false));
  ASSERT_EQ(3u, TestApp().m_messages.size());
  EXPECT_EQ(cp932("値は 0 ＜値≦ 10 の範囲内で入力してください"), TestApp().m_messages[2].text);
  EXPECT_EQ(10, integer.GetValue());

  integer.SetValue(40, CString("N+1"));
  EXPECT_TRUE(integer.IsModified()) << "40 is out of range";
  EXPECT_EQ("N+1", std::string(integer.GetValueString()));
}

TEST(SpinSteps, ClicksAndArrowsStepUnlessDisabledAndARefusedStepIsRefusedWhole)
{
  CNumericDialog dlg;
  dlg.m_double.SetCreateSpinButtonCtrl(true);
  dlg.m_double.SetFigure(1);
  dlg.m_double.SetRange(0.0, 10.0);
  dlg.m_double.SetSpinInc(0.5);
  dlg.m_double.SetValue(8.0);
  dlg.m_integer.SetCreateSpinButtonCtrl(true);
  dlg.m_integer.SetSpinInc(5);
  dlg.m_integer.SetValue(3);
  dlg.Run({
      [](CNumericDialog& d) {
        d.m_double.ShowWindow(SW_HIDE);
        EXPECT_FALSE(d.m_double.GetSpinButtonCtrl()->IsWindowVisible()) << "hidden with its field";
        d.m_double.ShowWindow(SW_SHOW);
        ClickSpin(d.m_double, true);
        ClickSpin(d.m_double, false);
        ClickSpin(d.m_double, false);
        PressKey(d.m_double, VK_UP);
        PressKey(d.m_double, VK_DOWN);
        PressKey(d.m_double, VK_DOWN);
      },
      [](CNumericDialog& d) {
        EXPECT_EQ("7.0", TextOf(d.m_double)) << "three steps up, four down";
        d.m_double.EnableWindow(FALSE);
        EXPECT_FALSE(d.m_double.GetSpinButtonCtrl()->IsWindowEnabled()) << "disabled with its field";
        ClickSpin(d.m_double, true);
      },
      [](CNumericDialog& d) {
        d.m_double.EnableWindow(TRUE);
        d.EnableWindow(FALSE);
        ClickSpin(d.m_double, true);
      },
      [](CNumericDialog& d) {
        d.EnableWindow(TRUE);
        EXPECT_EQ("7.0", TextOf(d.m_double)) << "a disabled field or parent does not step";
        // From here on the steps are a whole unit.
        d.m_double.SetSpinInc(1.0);
        d.m_double.SetValue(10.0);
        ClickSpin(d.m_double, true);
      },
      [](CNumericDialog& d) {
        EXPECT_EQ(1, TestApp().m_nBeeps);
        EXPECT_EQ("10.0", TextOf(d.m_double));
        d.m_double.SetValue(9.5);
        ClickSpin(d.m_double, true);
      },
      [](CNumericDialog& d) {
        EXPECT_EQ(2, TestApp().m_nBeeps) << "10.5 is refused, not clamped to 10";
        EXPECT_EQ("9.5", TextOf(d.m_double));
        EXPECT_TRUE(TestApp().m_messages.empty()) << "a refused step only beeps";
        d.m_double.SetWindowText("1e3");
        ClickSpin(d.m_double, true);
      },
      [](CNumericDialog& d) {
        EXPECT_EQ(3, TestApp().m_nBeeps);
        EXPECT_EQ("1e3", TextOf(d.m_double));
        d.m_double.SetWindowText("1.2.3");
        ClickSpin(d.m_double, true);
      },
      [](CNumericDialog& d) {
        EXPECT_EQ("2.2", TextOf(d.m_double)) << "the step starts from 1.2";
        d.m_double.SetWindowText("12");
        ClickSpin(d.m_double, false);
      },
      [](CNumericDialog& d) {
        EXPECT_EQ(4, TestApp().m_nBeeps) << "a start outside the range is refused";
        EXPECT_EQ("12", TextOf(d.m_double));
        d.m_double.SetRange(5.0, 5.0);
        EXPECT_FALSE(d.m_double.GetSpinButtonCtrl()->IsWindowEnabled());
        d.m_double.SetRange(5.0, 6.0);
        EXPECT_TRUE(d.m_double.GetSpinButtonCtrl()->IsWindowEnabled());
        d.m_double.SetMinRange(6.0);
        EXPECT_TRUE(d.m_double.GetSpinButtonCtrl()->IsWindowEnabled()) << "one end alone leaves the button";
        TestApp().Reset();
        ClickSpin(d.m_integer, true);
      },
      [](CNumericDialog& d) {
        EXPECT_EQ("8", TextOf(d.m_integer));
        ClickSpin(d.m_integer, false);
        ClickSpin(d.m_integer, false);
      },
      [](CNumericDialog& d) {
        EXPECT_EQ("-2", TextOf(d.m_integer));
        ClickSpin(d.m_integer, true);
      },
      [](CNumericDialog& d) {
        EXPECT_EQ(1, TestApp().m_nBeeps) << "a negative integer cannot be stepped";
        EXPECT_EQ("-2", TextOf(d.m_integer));
        d.m_integer.SetWindowText("2147483647");
        ClickSpin(d.m_integer, true);
      },
      [](CNumericDialog& d) { EXPECT_EQ("-2147483644", TextOf(d.m_integer)) << "32-bit arithmetic"; },
  });
}
