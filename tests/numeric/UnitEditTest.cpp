// The length, angle and coordinate fields: numbers typed with another unit's name in any letter
// case, the display unit changed under a value, the coordinate pair, and expressions on a
// variable set shown as values and shown again.
#include "NumericTestSupport.h"
#include "../TextCodes.h"

#include <gtest/gtest.h>

#include <ZuntVariable.h>

#include <cfloat>
#include <iterator>

// Then expressions on a variable set: Enter shows the value first and reaches the dialog second.
TEST(UnitEdit, NumbersTypedInOtherUnitsAreConvertedAndExpressionsShowTheirValueBeforeEnterGoesOn)
{
  aCVariableExpression variables;
  ASSERT_NE(0, variables.AddVariable(new aCVarLength("WIDTH", 12.5, 0)));
  CNumericDialog dlg;
  dlg.m_length.SetCreateSpinButtonCtrl(true);
  dlg.m_length.SetFigure(2);
  dlg.m_length.SetRange(0.0, 100.0, LENGTH_UNIT_MM);
  dlg.m_length.SetVariableExpression(&variables);
  dlg.m_integer.SetVariableExpression(&variables);
  struct SCase
  {
    const char* pszTyped;
    const char* pszShown;
  };
  static const SCase cases[] = {
      {"5cm", "50.00mm"}, {"5Cm", "50.00mm"}, {"0.05M", "50.00mm"},  {"3mm", "3.00mm"},
      {"3 MM", "3.00mm"}, {"1in", "25.40mm"}, {"0.02 m", "20.00mm"}, {"7", "7.00mm"},
  };
  std::vector<CNumericDialog::Step> steps;
  for (const SCase& c : cases)
  {
    steps.push_back([&c](CNumericDialog& d) { EnterText(d.m_length, c.pszTyped); });
    steps.push_back([&c](CNumericDialog& d) {
      EXPECT_EQ(c.pszShown, TextOf(d.m_length)) << "typed " << c.pszTyped;
      EXPECT_FALSE(d.m_length.IsNumExpression()) << "typed " << c.pszTyped;
    });
  }
  steps.push_back([](CNumericDialog& d) { EnterText(d.m_length, "15CM"); });
  steps.push_back([](CNumericDialog& d) {
    ASSERT_EQ(1u, TestApp().m_messages.size());
    EXPECT_EQ(cp932("値は 0 ≦値≦ 100 の範囲内で入力してください"), TestApp().m_messages[0].text)
        << "the range in the display unit";
    EnterText(d.m_length, "2 x");
  });
  steps.push_back([](CNumericDialog& d) {
    EXPECT_EQ(1, TestApp().m_nBeeps) << "no unit name: refused";
    EnterText(d.m_length, "cm");
  });
  steps.push_back([](CNumericDialog& d) {
    EXPECT_EQ(2, TestApp().m_nBeeps) << "a unit name alone is no number";
    d.m_angle.SetFigure(4);
    d.m_angle.SetUnitType(ANGLE_UNIT_RAD);
    EnterText(d.m_angle, "90DEG");
  });
  steps.push_back([](CNumericDialog& d) {
    EXPECT_EQ("1.5708rad", TextOf(d.m_angle));
    // The spin rewrites a number typed in another unit.
    RetypeText(d.m_length, "1in");
    ClickSpin(d.m_length, true);
  });
  steps.push_back([](CNumericDialog& d) {
    EXPECT_EQ("26.40mm", TextOf(d.m_length));
    d.m_length.SetWindowText("1 cm");
    ClickSpin(d.m_length, true);
  });
  const std::vector<CNumericDialog::Step> expressions = {
      [](CNumericDialog& d) {
        EXPECT_EQ(3, TestApp().m_nBeeps) << "a blank is not a digit";
        // Next, expressions. The double field keeps its refused text, so OK is only counted.
        TestApp().Reset();
        EnterText(d.m_length, "width*2");
      },
      [](CNumericDialog& d) {
        // The first Enter shows the value (the count of OK at the end tells that it went no
        // further). Its key-down was taken in pre-translation: the field got no Enter but the
        // key-up.
        ASSERT_LE(2u, d.m_length.m_keys.size());
        const KeySequence lastKeys = {{WM_CHAR, '2'}, {WM_KEYUP, VK_RETURN}};
        EXPECT_EQ(lastKeys, KeySequence(d.m_length.m_keys.end() - 2, d.m_length.m_keys.end()));
        EXPECT_EQ("25.00mm", TextOf(d.m_length));
        EXPECT_FALSE(d.m_length.IsModified());
        EXPECT_EQ(Sel(0, 7), SelectionOf(d.m_length));
        // Shown again, the expression is what the field holds.
        d.m_length.SetValue(d.m_length.GetValue(LENGTH_UNIT_MM), d.m_length.GetNumExpression(), LENGTH_UNIT_MM);
        EXPECT_EQ("width*2", TextOf(d.m_length));
        EnterText(d.m_length, "WIDTH*10");
      },
      [](CNumericDialog& d) {
        ASSERT_EQ(1u, TestApp().m_messages.size()) << "125 mm is beyond the range";
        EXPECT_DOUBLE_EQ(25.0, d.m_length.GetValue(LENGTH_UNIT_MM));
        EnterText(d.m_integer, "WIDTH*M");
      },
      [](CNumericDialog& d) {
        EXPECT_EQ(1, TestApp().m_nBeeps) << "an unknown name";
        EnterText(d.m_double, "WIDTH*2");
      },
      [](CNumericDialog& d) {
        EXPECT_EQ(2, TestApp().m_nBeeps) << "the double field has no variable set";
        EnterText(d.m_integer, "WIDTH/5");
      },
      [](CNumericDialog& d) {
        EXPECT_EQ("2", TextOf(d.m_integer)) << "2.5 truncated";
        EXPECT_TRUE(d.m_integer.IsNumExpression());
        EnterText(d.m_length, "(WIDTH+1.5)/2");
      },
      [](CNumericDialog& d) {
        EXPECT_EQ("7.00mm", TextOf(d.m_length));
        PressKey(d.m_length, VK_RETURN);
      },
  };
  steps.insert(steps.end(), expressions.begin(), expressions.end());
  // Each accepted Enter reaches OK; the dialog stays for the next case.
  dlg.m_bEndOnOK = false;
  EXPECT_EQ(CNumericDialog::SCRIPT_END, dlg.Run(steps));
  EXPECT_EQ(int(std::size(cases)) + 2, dlg.m_nOKPressed) << "of the expressions, only the second Enter";
  EXPECT_DOUBLE_EQ(7.0, dlg.m_length.GetValue(LENGTH_UNIT_MM));
}

TEST(LengthEdit, ChangingTheDisplayUnitConvertsValueRangeAndIncrementButNotAbsentBounds)
{
  TestApp().Reset();
  CTestField<CLengthEdit> field(LENGTH_UNIT_MM);
  field.SetFigure(2);
  field.SetRange(0.0, 254.0, LENGTH_UNIT_MM);
  field.SetSpinInc(1.0, LENGTH_UNIT_MM);
  field.SetValue(25.4, LENGTH_UNIT_MM);
  field.SetUnitType(LENGTH_UNIT_INCH);
  EXPECT_EQ("1.00in", std::string(field.GetValueString()));
  EXPECT_DOUBLE_EQ(10.0, field.GetMaxValue(LENGTH_UNIT_INCH));
  EXPECT_DOUBLE_EQ(1.0 / 25.4, field.GetSpinInc(LENGTH_UNIT_INCH));

  // Set takes the number in the unit it was typed in: now inches.
  EXPECT_TRUE(field.Set(2.0, true, false));
  EXPECT_DOUBLE_EQ(50.8, field.GetValue(LENGTH_UNIT_MM));
  EXPECT_FALSE(field.Set(11.0, true, true));

  field.SetValue(10.0, CString("L/2"), LENGTH_UNIT_CM);
  EXPECT_EQ("L/2", std::string(field.GetValueString()));
  EXPECT_DOUBLE_EQ(100.0, field.GetValue(LENGTH_UNIT_MM));
  EXPECT_FALSE(field.IsModified());
  field.SetValue(1.0, CString("L*2"), LENGTH_UNIT_M);
  EXPECT_TRUE(field.IsModified()) << "1 m lies beyond 10 in";
  EXPECT_TRUE(TestApp().m_messages.empty());

  // Absent bounds stay absent in every unit.
  CLengthEdit unbounded(LENGTH_UNIT_INCH);
  unbounded.SetUnitType(LENGTH_UNIT_MM);
  EXPECT_EQ(DBL_MAX, unbounded.GetMaxValue(LENGTH_UNIT_MM));
  EXPECT_EQ(-DBL_MAX, unbounded.GetMinValue(LENGTH_UNIT_YARD));
  unbounded.SetMaxRange(10.0, LENGTH_UNIT_INCH);
  EXPECT_DOUBLE_EQ(254.0, unbounded.GetMaxValue(LENGTH_UNIT_MM));
  EXPECT_EQ(-DBL_MAX, unbounded.GetMinValue(LENGTH_UNIT_MM));
  CCoordEdit coord(LENGTH_UNIT_M);
  coord.SetUnitType(LENGTH_UNIT_MM);
  EXPECT_EQ(DBL_MAX, coord.GetMaxValue(LENGTH_UNIT_CM));
}

TEST(CoordEdit, PairsSingleNumbersUnitsAndRefusals)
{
  CNumericDialog dlg;
  dlg.m_bEndOnOK = false;
  dlg.m_coord.SetCreateSpinButtonCtrl(true);
  dlg.m_coord.SetRange(0.0, 10.0, LENGTH_UNIT_MM);
  dlg.Run({
      [](CNumericDialog& d) { EnterText(d.m_coord, "10"); },
      [](CNumericDialog& d) {
        EXPECT_EQ("10.000000, 0.000000 ", TextOf(d.m_coord));
        EnterText(d.m_coord, "0.2, 0.5cm");
      },
      [](CNumericDialog& d) {
        EXPECT_EQ("2.000000, 5.000000 ", TextOf(d.m_coord)) << "the unit name counts for both numbers";
        EnterText(d.m_coord, "5, 20");
      },
      [](CNumericDialog& d) {
        EXPECT_TRUE(TestApp().m_messages.empty()) << "a refused pair shows no message";
        EXPECT_EQ(0, TestApp().m_nBeeps);
        EXPECT_EQ(2, d.m_nOKPressed) << "accepted pairs let Enter through, a refused one keeps it";
        EXPECT_EQ(d.m_coord.m_hWnd, ::GetFocus());
        EXPECT_DOUBLE_EQ(5.0, d.m_coord.GetCyValue(LENGTH_UNIT_MM));
        d.m_coord.SetRange(3.0, 3.0, LENGTH_UNIT_MM);
        EXPECT_TRUE(d.m_coord.GetSpinButtonCtrl()->IsWindowEnabled());
        d.m_coord.SetValue(1.0, 2.0, LENGTH_UNIT_CM);
        ClickSpin(d.m_coord, true);
      },
      [](CNumericDialog& d) {
        EXPECT_EQ("10.000000, 20.000000 ", TextOf(d.m_coord)) << "the spin does nothing";
        d.m_coord.SetUnitType(LENGTH_UNIT_CM);
        EXPECT_EQ("1.000000, 2.000000 ", TextOf(d.m_coord));
        EXPECT_FALSE(d.m_coord.Set(0.3, 0.4, true, true)) << "one end of the pair outside";
        EXPECT_TRUE(d.m_coord.Set(0.3, 0.3, true, true));
      },
  });
}
