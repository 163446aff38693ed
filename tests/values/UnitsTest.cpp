#include <Angle60.h>
#include <AngleUnit.h>
#include <LengthUnit.h>

#include <gtest/gtest.h>

#include <cstring>

#include "../TextCodes.h"

namespace
{

TEST(LengthUnit, ConvertsThroughTheFactorTableFromTheBaseUnitItsGetterReports)
{
  const CLengthUnit unit(LENGTH_UNIT_MM);
  const double odd = 0.1 + 0.2;
  const double same = unit.ConvUnit(LENGTH_UNIT_FEET, odd, LENGTH_UNIT_FEET);
  EXPECT_EQ(std::memcmp(&same, &odd, sizeof odd), 0);
  // Every pair agrees with going through millimetres, with the units' sizes in millimetres.
  const double millimetres[LENGTH_UNIT_COUNT] = {1.0, 10.0, 1000.0, 25.4, 304.8, 914.4};
  for (int i = 0; i < LENGTH_UNIT_COUNT; ++i)
    for (int j = 0; j < LENGTH_UNIT_COUNT; ++j)
      EXPECT_NEAR(unit.ConvUnit(ELengthUnitType(i), 7.0, ELengthUnitType(j)), 7.0 * millimetres[i] / millimetres[j],
                  1e-12 * 7.0 * millimetres[i])
          << i << " to " << j;
  // A type outside the table is refused, not looked up.
  EXPECT_EQ(unit.ConvUnit(ELengthUnitType(6), 2.0, LENGTH_UNIT_MM), 0.0);
  EXPECT_EQ(unit.ConvUnit(LENGTH_UNIT_MM, 2.0, ELengthUnitType(-1)), 0.0);
  EXPECT_EQ(unit.ConvUnit(ELengthUnitType(1000000), 2.0, ELengthUnitType(1000000)), 0.0);

  // Next, a derived unit that reports another base type is honoured by the conversions.
  struct Inches : CLengthUnit
  {
    Inches() : CLengthUnit(LENGTH_UNIT_MM) {}
    ELengthUnitType GetBaseType() const override { return LENGTH_UNIT_INCH; }
  };
  const Inches inches;
  EXPECT_EQ(inches.ConvBaseUnitTo(1.0, LENGTH_UNIT_MM), 25.4);
  EXPECT_EQ(inches.ConvToBaseUnit(LENGTH_UNIT_FEET, 2.0), 24.0);
}

TEST(AngleUnit, ConvertsWithTheLibraryFactors)
{
  const CAngleUnit unit(ANGLE_UNIT_RAD);
  EXPECT_EQ(unit.ConvUnit(ANGLE_UNIT_DEG, 180.0, ANGLE_UNIT_RAD), 180.0 * 0.017453292519943);
  EXPECT_NE(unit.DegToRad(180.0), 3.141592653589793);  // the factor is not pi/180
  EXPECT_EQ(unit.ConvUnit(ANGLE_UNIT_RAD, 1.0, ANGLE_UNIT_DEG), 57.29577951308232);
  EXPECT_EQ(unit.ConvUnit(ANGLE_UNIT_DEG, 2.5, ANGLE_UNIT_DEG), 2.5);
  EXPECT_EQ(unit.ConvUnit(EAngleUnitType(2), 1.0, ANGLE_UNIT_DEG), 0.0);
  EXPECT_EQ(unit.ConvUnit(ANGLE_UNIT_RAD, 1.0, EAngleUnitType(-1)), 0.0);
  EXPECT_EQ(unit.ConvBaseUnitTo(1.0, ANGLE_UNIT_DEG), 57.29577951308232);
  EXPECT_EQ(unit.ConvToBaseUnit(ANGLE_UNIT_DEG, 90.0), 90.0 * 0.017453292519943);
}

CString marks(const char* text)
{
  // Test texts write the degree mark as '@'; the library's mark is the byte 0xDF.
  CString s(text);
  s.Replace('@', char(0xDF));
  return s;
}

void expectAngle(const CAngle60& a, bool sign, int d, int m, int s)
{
  EXPECT_EQ(a.GetSign(), sign);
  EXPECT_EQ(a.GetDegree(), d);
  EXPECT_EQ(a.GetMinute(), m);
  EXPECT_EQ(a.GetSecond(), s);
}

TEST(Angle60, FromDecimalDegrees)
{
  const CAngle60 negative(-30.5, false);
  expectAngle(negative, false, 30, 30, 0);
  EXPECT_EQ(negative.GetDegree10(), -30.5);
  expectAngle(CAngle60(10.999999, true), true, 11, 0, 0);
  expectAngle(CAngle60(10.999999, false), true, 10, 59, 59);
  expectAngle(CAngle60(12.5041666, true), true, 12, 30, 15);
  expectAngle(CAngle60(0.0, true), true, 0, 0, 0);
  // Degrees beyond int saturate; a carry reaches the largest int but never passes it.
  expectAngle(CAngle60(1e300, true), true, 2147483647, 0, 0);
  expectAngle(CAngle60(2147483647.5, true), true, 2147483647, 30, 0);
  expectAngle(CAngle60(-2147483647.99999, true), false, 2147483647, 0, 0);
  expectAngle(CAngle60(2147483646.9999999, true), true, 2147483647, 0, 0);
  EXPECT_EQ(CAngle60(true, 1, 60, 0).GetDegree10(), 0.0);
  EXPECT_EQ(CAngle60(true, 1, 0, -1).GetDegree10(), 0.0);
  EXPECT_DOUBLE_EQ(CAngle60(true, 1, 30, 36).GetDegree10(), 1.51);
}

TEST(Angle60, TextFormatsAndParsingWhatItWritesAndPartialTexts)
{
  const CAngle60 five(true, 5, 0, 0);
  EXPECT_EQ(five.GetString(true), marks("5@"));
  EXPECT_EQ(five.GetString(false), marks("5@00'00\""));
  EXPECT_EQ(CAngle60(false, 12, 3, 4).GetString(false), marks("-12@03'04\""));
  EXPECT_EQ(CAngle60(false, 12, 3, 4).GetString(true), marks("-12@3'4\""));
  EXPECT_EQ(CAngle60(true, 12, 0, 4).GetString(true), marks("12@0'4\""));
  EXPECT_EQ(CAngle60(false, 12, 30, 0).GetString(true), marks("-12@30'"));
  EXPECT_EQ(CAngle60(false, 7, 0, 0).GetString(true), marks("-7@"));

  // Next, parsing what it writes and partial texts.
  expectAngle(CAngle60(marks("  -12@30'15\"")), false, 12, 30, 15);
  expectAngle(CAngle60(marks("45")), true, 45, 0, 0);
  expectAngle(CAngle60(marks("45@30")), true, 45, 30, 0);
  expectAngle(CAngle60(marks("@30'")), true, 0, 30, 0);
  expectAngle(CAngle60(marks("30'15")), true, 0, 30, 15);
  expectAngle(CAngle60(marks("-20\"")), false, 0, 0, 20);
  expectAngle(CAngle60(marks("1@'\"")), true, 1, 0, 0);
  expectAngle(CAngle60(marks("1@-5")), true, 1, -5, 0);  // no mark: the sign is kept
  expectAngle(CAngle60(marks("")), true, 0, 0, 0);
  // The trail byte of ≡ (0x81 0xDF) is not the degree mark.
  expectAngle(CAngle60(CString(cp932(u8"12≡30'").c_str())), true, 0, 12, 0);
  // Numbers beyond int saturate; their magnitudes stay non-negative.
  expectAngle(CAngle60(marks("-99999999999@-2147483648'2147483648")), false, 2147483647, 2147483647, 2147483647);

  // Decimal degrees to text and back: the text holds the angle to the nearest second.
  for (int i = -200; i <= 200; ++i)
  {
    const double degrees = i * 1.8372917 + i % 7 * 1e-7;
    const CAngle60 fromDegrees(degrees, true);
    const CAngle60 parsed(fromDegrees.GetString(false));
    EXPECT_EQ(parsed, fromDegrees) << degrees;
    EXPECT_NEAR(parsed.GetDegree10(), degrees, 0.5 / 3600 + 1e-9) << degrees;
    EXPECT_LT(parsed.GetSecond(), 60);
  }

  CAngle60 angle(false, 3, 2, 1);
  angle.SetAngle(marks("4@5'6\""));
  expectAngle(angle, true, 4, 5, 6);

  for (int d : {0, 1, 359})
    for (int m : {0, 9, 59})
      for (int s : {0, 30, 59})
        for (bool sign : {true, false})
          for (bool omit : {true, false})
            EXPECT_EQ(CAngle60(CAngle60(sign, d, m, s).GetString(omit)), CAngle60(sign, d, m, s))
                << d << "@" << m << "'" << s;
}

}  // namespace
