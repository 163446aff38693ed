#include <Resource.h>
#include <ValueWork.h>
#include <ZuntModule.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <string>

#include "../TextCodes.h"

namespace {

// A string of the library's table, read independently of the code under test.
CString tableString(UINT nID)
{
  char buffer[512] = {};
  ::LoadStringA(GetZuntCtrlModuleHandle(), nID, buffer, sizeof buffer);
  return CString(buffer);
}

CString formatted(UINT nID, const char* first, const char* second = nullptr)
{
  CString text;
  text.Format(tableString(nID), first, second);
  return text;
}

TEST(ValueWork, DefaultsAcceptEveryFiniteValue)
{
  CValueWork value;
  EXPECT_EQ(value.GetFigure(), 6);
  EXPECT_EQ(value.GetIntMinValue(), INT_MIN);
  EXPECT_EQ(value.GetIntMaxValue(), INT_MAX);
  EXPECT_EQ(value.GetDblMinValue(), -DBL_MAX);
  EXPECT_EQ(value.GetDblMaxValue(), DBL_MAX);
  EXPECT_FALSE(value.GetNonEqualZero());
  EXPECT_EQ(value.GetLenCheckType(), LENGTH_UNIT_MM);
  EXPECT_EQ(value.GetAngCheckType(), ANGLE_UNIT_DEG);
  for (double d : {-DBL_MAX, -1.0, 0.0, 1e-300, DBL_MAX})
    EXPECT_TRUE(value.checkRange(d)) << d;
  for (int n : {INT_MIN, 0, INT_MAX})
    EXPECT_TRUE(value.checkRange(n)) << n;
}

TEST(ValueWork, FigureIsClampedAndCopiesCarryEveryMember)
{
  CValueWork value;
  value.SetFigure(15);
  EXPECT_EQ(value.GetFigure(), 10);
  value.SetFigure(-1);
  EXPECT_EQ(value.GetFigure(), 0);
  EXPECT_EQ(value.SetValue(2.5), "3");

  value.SetFigure(3);
  value.SetRange(-1.5, 2.5);
  value.SetRange(-7, 9);
  value.SetOptionCheck(true, false, true);
  value.SetCheckType(LENGTH_UNIT_YARD);
  value.SetCheckType(ANGLE_UNIT_RAD);
  value.SetValue(1.25, -2.0);
  value.SetValue(4);
  value.SetValue(0.5);
  CValueWork copy(value);
  CValueWork assigned;
  assigned = value;
  for (const CValueWork* c : {&copy, &assigned}) {
    EXPECT_EQ(c->GetFigure(), 3);
    EXPECT_EQ(c->GetDblMinValue(), -1.5);
    EXPECT_EQ(c->GetDblMaxValue(), 2.5);
    EXPECT_EQ(c->GetIntMinValue(), -7);
    EXPECT_EQ(c->GetIntMaxValue(), 9);
    EXPECT_TRUE(c->GetNonEqualZero());
    EXPECT_FALSE(c->GetNotEqualToMinValue());
    EXPECT_TRUE(c->GetNotEqualToMaxValue());
    EXPECT_EQ(c->GetLenCheckType(), LENGTH_UNIT_YARD);
    EXPECT_EQ(c->GetAngCheckType(), ANGLE_UNIT_RAD);
    EXPECT_EQ(c->GetCxValue(), 1.25);
    EXPECT_EQ(c->GetCyValue(), -2.0);
    EXPECT_EQ(c->GetIntValue(), 4);
    EXPECT_EQ(c->GetDblValue(), 0.5);
  }
}

TEST(ValueWork, RangeCheckHonoursOpenBoundsAndTheZeroBan)
{
  CValueWork value;
  value.SetRange(0.0, 10.0);
  EXPECT_TRUE(value.checkRange(0.0));
  EXPECT_TRUE(value.checkRange(10.0));
  EXPECT_FALSE(value.checkRange(-0.001));
  EXPECT_FALSE(value.checkRange(10.001));
  value.SetNotEqualToMinValue(true);
  EXPECT_FALSE(value.checkRange(0.0));
  EXPECT_TRUE(value.checkRange(1e-9));
  value.SetNotEqualToMaxValue(true);
  EXPECT_FALSE(value.checkRange(10.0));
  value.SetOptionCheck(true, false, false);
  EXPECT_FALSE(value.checkRange(0.0));
  EXPECT_TRUE(value.checkRange(10.0));

  value.SetRange(-5, 5);
  EXPECT_FALSE(value.checkRange(0));
  EXPECT_TRUE(value.checkRange(-5));
  EXPECT_FALSE(value.checkRange(6));
  value.SetOptionCheck(false, true, true);
  EXPECT_FALSE(value.checkRange(-5));
  EXPECT_FALSE(value.checkRange(5));
  EXPECT_TRUE(value.checkRange(0));
}

TEST(ValueWork, DisplayTextsRoundOrCutInsideTheRange)
{
  CValueWork value;
  value.SetFigure(2);
  value.SetRange(0.0, 10.0);
  EXPECT_EQ(value.SetValue(9.996), "10.00");
  value.SetNotEqualToMaxValue(true);
  EXPECT_EQ(value.SetValue(9.996), "9.99");
  EXPECT_EQ(value.GetDblValue(), 9.996);  // stored unrounded
  EXPECT_EQ(value.SetValue(12.5), "12.50");  // out of range, shown, never clamped
  value.SetFigure(3);
  EXPECT_EQ(value.SetValue(1.5), "1.500");
  EXPECT_EQ(value.SetValue(2.0005), "2.001");
  EXPECT_EQ(value.SetValue(-7), "-7");
  EXPECT_EQ(value.GetIntValue(), -7);
  EXPECT_EQ(value.SetValue(1.2345, 9.9999), "1.235, 9.999 ");  // each cut to stay inside
  EXPECT_EQ(value.GetCxValue(), 1.2345);
  EXPECT_EQ(value.GetCyValue(), 9.9999);
}

TEST(ValueWork, ZeroSuppression)
{
  CValueWork value;
  value.SetFigure(3);
  EXPECT_EQ(value.changeZeroSuppress("12.340"), "12.34");
  EXPECT_EQ(value.changeZeroSuppress("2.000"), "2");
  EXPECT_EQ(value.changeZeroSuppress("-0.500"), "-0.5");
  EXPECT_EQ(value.changeZeroSuppress("1.234"), "1.234");
  EXPECT_EQ(value.changeZeroSuppress(""), "");
  EXPECT_EQ(value.changeZeroSuppress("00"), "00");  // too short to hold three decimals
  value.SetFigure(0);
  EXPECT_EQ(value.changeZeroSuppress("100"), "100");
}

// Every combination of present bounds and flags selects its message from the table.
TEST(ValueWork, RangeMessageForEveryCombination)
{
  struct Bounds
  {
    bool lower, upper;
  };
  for (Bounds b : {Bounds{true, true}, Bounds{true, false}, Bounds{false, true}}) {
    for (int flags = 0; flags < 8; ++flags) {
      const bool zero = flags & 1, lowOpen = flags & 2, highOpen = flags & 4;
      SCOPED_TRACE(testing::Message() << "lower " << b.lower << " upper " << b.upper
                                      << " flags " << flags);
      CValueWork value;
      value.SetFigure(3);
      if (b.lower)
        value.SetMinRange(0.0);
      if (b.upper)
        value.SetMaxRange(100.0);
      value.SetOptionCheck(zero, lowOpen, highOpen);
      UINT expectedId;
      CString expected;
      if (b.lower && b.upper) {
        expectedId = IDS_RANGE_LE_LE + zero + 2 * lowOpen + 4 * highOpen;
        expected = formatted(expectedId, "0", "100");
      } else if (b.lower) {
        expectedId = IDS_RANGE_MIN_LE + zero + 2 * lowOpen;
        expected = formatted(expectedId, "0");
      } else {
        expectedId = IDS_RANGE_MAX_LE + zero + 2 * highOpen;
        expected = formatted(expectedId, "100");
      }
      EXPECT_EQ(value.displayDblErrMsg(), expected);
    }
  }
}

TEST(ValueWork, RangeMessageTexts)
{
  CValueWork value;
  value.SetFigure(3);
  value.SetRange(0.0, 100.0);
  value.SetOptionCheck(true, true, false);
  EXPECT_EQ(std::string(value.displayDblErrMsg()),
            cp932(u8"値は 0 ＜値≦ 100 の範囲内で入力してください\nただし 0 の入力は禁止します"));

  CValueWork upperOnly;
  upperOnly.SetMaxRange(100.0);
  upperOnly.SetNotEqualToMaxValue(true);
  EXPECT_EQ(std::string(upperOnly.displayDblErrMsg()),
            cp932(u8"値＜ 100 の範囲内で入力してください"));

  CValueWork integers;
  integers.SetRange(-3, 12);
  EXPECT_EQ(std::string(integers.displayIntErrMsg()),
            cp932(u8"値は -3 ≦値≦ 12 の範囲内で入力してください"));
  CValueWork lowerInt;
  lowerInt.SetMinRange(1);
  EXPECT_EQ(std::string(lowerInt.displayIntErrMsg()), cp932(u8"1 ≦値 の範囲内で入力してください"));

  CValueWork zeroOnly;
  zeroOnly.SetNotEqualZero(true);
  EXPECT_EQ(std::string(zeroOnly.displayDblErrMsg()), cp932(u8"ただし 0 の入力は禁止します"));
}

TEST(ValueWork, UnitNamesAndStripping)
{
  CValueWork value;
  const char* lengthNames[] = {"mm", "cm", "m", "in", "fe", "ya"};
  for (int i = 0; i < LENGTH_UNIT_COUNT; ++i)
    EXPECT_EQ(value.GetUnitString(ELengthUnitType(i)), lengthNames[i]);
  EXPECT_EQ(value.GetUnitString(ANGLE_UNIT_DEG), "deg");
  EXPECT_EQ(value.GetUnitString(ANGLE_UNIT_RAD), "rad");
  EXPECT_EQ(value.GetUnitString(ELengthUnitType(9)), "");

  EXPECT_EQ(value.changeLenValToCheckRange("3.5 CM", LENGTH_UNIT_MM), "3.5 ");
  EXPECT_EQ(value.GetLenCheckType(), LENGTH_UNIT_CM);
  EXPECT_EQ(value.changeLenValToCheckRange("12mm  ", LENGTH_UNIT_INCH), "12");
  EXPECT_EQ(value.GetLenCheckType(), LENGTH_UNIT_MM);
  EXPECT_EQ(value.changeLenValToCheckRange("12m", LENGTH_UNIT_INCH), "12");
  EXPECT_EQ(value.GetLenCheckType(), LENGTH_UNIT_M);
  EXPECT_EQ(value.changeLenValToCheckRange("2Ya", LENGTH_UNIT_MM), "2");
  EXPECT_EQ(value.GetLenCheckType(), LENGTH_UNIT_YARD);
  EXPECT_EQ(value.changeLenValToCheckRange("m", LENGTH_UNIT_CM), "m");
  EXPECT_EQ(value.GetLenCheckType(), LENGTH_UNIT_CM);
  EXPECT_EQ(value.changeLenValToCheckRange("7 ", LENGTH_UNIT_FEET), "7 ");
  EXPECT_EQ(value.GetLenCheckType(), LENGTH_UNIT_FEET);
  // The trail byte of ム (0x83 0x6D) is an "m" but not a unit.
  const CString katakana = cp932(u8"5ム").c_str();
  EXPECT_EQ(value.changeLenValToCheckRange(katakana, LENGTH_UNIT_INCH), katakana);
  EXPECT_EQ(value.GetLenCheckType(), LENGTH_UNIT_INCH);

  EXPECT_EQ(value.changeAngValToCheckRange("1.5RAD", ANGLE_UNIT_DEG), "1.5");
  EXPECT_EQ(value.GetAngCheckType(), ANGLE_UNIT_RAD);
  EXPECT_EQ(value.changeAngValToCheckRange("30", ANGLE_UNIT_RAD), "30");
  EXPECT_EQ(value.GetAngCheckType(), ANGLE_UNIT_RAD);
}

}  // namespace
