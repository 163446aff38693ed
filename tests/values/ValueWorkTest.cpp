#include <Resource.h>
#include <ValueWork.h>
#include <ZuntModule.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "../TextCodes.h"

namespace
{

TEST(ValueWork, RangeCheckAcceptsEveryFiniteValueByDefaultAndHonoursOpenBoundsAndTheZeroBan)
{
  CValueWork value;
  for (double d : {-DBL_MAX, -1.0, 0.0, 1e-300, DBL_MAX})
    EXPECT_TRUE(value.checkRange(d)) << d;
  for (int n : {INT_MIN, 0, INT_MAX})
    EXPECT_TRUE(value.checkRange(n)) << n;

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

  // Integers against the integer bounds, with the same flags.
  value.SetRange(-5, 5);
  EXPECT_FALSE(value.checkRange(0));
  EXPECT_FALSE(value.checkRange(6));
  value.SetOptionCheck(false, true, false);
  EXPECT_FALSE(value.checkRange(-5));
  EXPECT_TRUE(value.checkRange(5));
}

TEST(ValueWork, DisplayTextsRoundOrCutInsideTheRangeToTheClampedFigureAndSuppressZeros)
{
  CValueWork value;
  EXPECT_EQ(value.SetValue(2.5), "2.500000") << "six decimals by default";
  value.SetFigure(15);
  EXPECT_EQ(value.GetFigure(), 10);
  value.SetFigure(-1);
  EXPECT_EQ(value.SetValue(2.5), "3");

  value.SetFigure(2);
  value.SetRange(0.0, 10.0);
  EXPECT_EQ(value.SetValue(9.996), "10.00");
  value.SetNotEqualToMaxValue(true);
  EXPECT_EQ(value.SetValue(9.996), "9.99");
  EXPECT_EQ(value.GetDblValue(), 9.996);     // stored unrounded
  EXPECT_EQ(value.SetValue(12.5), "12.50");  // out of range, shown, never clamped
  value.SetFigure(3);
  EXPECT_EQ(value.SetValue(1.5), "1.500");
  EXPECT_EQ(value.SetValue(2.0005), "2.001");
  EXPECT_EQ(value.SetValue(-7), "-7");
  EXPECT_EQ(value.GetIntValue(), -7);
  EXPECT_EQ(value.SetValue(1.2345, 9.9999), "1.235, 9.999 ");  // each cut to stay inside
  EXPECT_EQ(value.GetCxValue(), 1.2345);
  EXPECT_EQ(value.GetCyValue(), 9.9999);

  // Next, zero suppression, with three decimals.
  // Texts not formatted with three decimals are left alone; "2,500" has a point of another locale.
  const std::pair<const char*, const char*> cases[] = {{"12.340", "12.34"}, {"2.000", "2"},         {"-0.500", "-0.5"},
                                                       {"1.234", "1.234"},  {"2,500", "2,5"},       {"", ""},
                                                       {"00", "00"},        {"000", "000"},         {"1000", "1000"},
                                                       {"12.34", "12.34"},  {"1.2e+05", "1.2e+05"}, {"inf", "inf"}};
  for (const auto& [pszText, pszSuppressed] : cases)
    EXPECT_EQ(value.changeZeroSuppress(pszText), pszSuppressed) << pszText;
  value.SetFigure(0);
  EXPECT_EQ(value.changeZeroSuppress("100"), "100");
}

// The message for a range, written out from what each table entry says: the comparison
// signs for the open and closed bounds and the zero-ban sentence.
std::string expectedMessage(const char* minText, const char* maxText, bool zero, bool lowOpen, bool highOpen)
{
  const std::string low = lowOpen ? u8"＜" : u8"≦", high = highOpen ? u8"＜" : u8"≦";
  std::string text;
  if (minText && maxText)
    text = std::string(u8"値は ") + minText + " " + low + u8"値" + high + " " + maxText;
  else if (minText)
    text = std::string(minText) + " " + low + u8"値";
  else
    text = u8"値" + high + " " + maxText;
  text += u8" の範囲内で入力してください";
  if (zero)
    text += u8"\nただし 0 の入力は禁止します";
  return cp932(text.c_str());
}

enum class Bounds
{
  Both,
  LowerOnly,
  UpperOnly
};

// Every combination of present bounds and flags, for double and integer ranges; then bounds set
// in one form only.
TEST(ValueWork, RangeMessageForEveryCombinationAndBoundsSetInEitherForm)
{
  for (Bounds bounds : {Bounds::Both, Bounds::LowerOnly, Bounds::UpperOnly})
  {
    for (int flags = 0; flags < 8; ++flags)
    {
      const bool zero = flags & 1, lowOpen = flags & 2, highOpen = flags & 4;
      SCOPED_TRACE(testing::Message() << "bounds " << int(bounds) << " flags " << flags);
      const bool lower = bounds != Bounds::UpperOnly, upper = bounds != Bounds::LowerOnly;
      CValueWork dbl, integer;
      dbl.SetFigure(3);
      if (lower)
      {
        dbl.SetMinRange(-2.5);
        integer.SetMinRange(-3);
      }
      if (upper)
      {
        dbl.SetMaxRange(100.0);
        integer.SetMaxRange(12);
      }
      dbl.SetOptionCheck(zero, lowOpen, highOpen);
      integer.SetOptionCheck(zero, lowOpen, highOpen);
      EXPECT_EQ(std::string(dbl.displayDblErrMsg()),
                expectedMessage(lower ? "-2.5" : nullptr, upper ? "100" : nullptr, zero, lowOpen, highOpen));
      EXPECT_EQ(std::string(integer.displayIntErrMsg()),
                expectedMessage(lower ? "-3" : nullptr, upper ? "12" : nullptr, zero, lowOpen, highOpen));
    }
  }

  // Next, a bound set in either form is present for both messages; a form set to its extreme
  // value leaves the bound absent.
  CValueWork value;
  value.SetMinRange(5);
  value.SetMaxRange(DBL_MAX);
  value.SetMaxRange(INT_MAX);
  EXPECT_EQ(std::string(value.displayIntErrMsg()), expectedMessage("5", nullptr, false, false, false));
  value.SetFigure(0);
  CString strMin;
  strMin.Format("%.0f", -DBL_MAX);
  EXPECT_EQ(std::string(value.displayDblErrMsg()), expectedMessage(strMin, nullptr, false, false, false));

  CValueWork upper;
  upper.SetMaxRange(1.5);
  upper.SetFigure(2);
  upper.SetNotEqualToMaxValue(true);
  EXPECT_EQ(std::string(upper.displayIntErrMsg()), expectedMessage(nullptr, "2147483647", false, false, true));
  EXPECT_EQ(std::string(upper.displayDblErrMsg()), expectedMessage(nullptr, "1.5", false, false, true));
}

#ifndef _WIN32
CString tableString(UINT nID)
{
  char buffer[512] = {};
  ::LoadStringA(GetZuntCtrlModuleHandle(), nID, buffer, sizeof buffer);
  return CString(buffer);
}

// Natively the library's table lives in the shim, so a test can take strings away: an empty
// string cannot be loaded, as on Windows.
class MissingStrings
{
public:
  explicit MissingStrings(std::initializer_list<UINT> ids)
  {
    for (UINT nID : ids)
    {
      m_saved.emplace_back(nID, tableString(nID));
      WinShimRegisterString(GetZuntCtrlModuleHandle(), nID, "");
    }
  }
  ~MissingStrings()
  {
    for (const auto& entry : m_saved)
      WinShimRegisterString(GetZuntCtrlModuleHandle(), entry.first, entry.second);
  }

private:
  std::vector<std::pair<UINT, CString>> m_saved;
};

TEST(ValueWork, FixedTextsStandInForMissingStrings)
{
  CValueWork value;
  value.SetRange(1, 9);
  value.SetRange(1.0, 9.0);
  {
    MissingStrings missing{IDS_FORMAT_INTEGER, IDS_FORMAT_FIXED, IDS_FORMAT_COORD};
    EXPECT_EQ(value.SetValue(4), "0");
    EXPECT_EQ(value.SetValue(4.5), "0.0");
    EXPECT_EQ(value.SetValue(4.5, 5.5), "0.0");
    EXPECT_EQ(value.displayIntErrMsg(), "Error!");
    EXPECT_EQ(value.displayDblErrMsg(), "Error!");
    EXPECT_EQ(value.GetIntValue(), 4);
    EXPECT_EQ(value.GetDblValue(), 4.5);
    EXPECT_EQ(value.GetCyValue(), 5.5);
  }
  {
    MissingStrings missing{IDS_RANGE_LE_LE, IDS_UNIT_MM};
    EXPECT_EQ(value.displayIntErrMsg(), "Error!!");
    EXPECT_EQ(value.displayDblErrMsg(), "Error!!");
    EXPECT_EQ(value.GetUnitString(LENGTH_UNIT_MM), "");
    // Without its name millimetre is not stripped; "m" still is.
    EXPECT_EQ(value.changeLenValToCheckRange("5mm", LENGTH_UNIT_INCH), "5m");
    EXPECT_EQ(value.GetLenCheckType(), LENGTH_UNIT_M);
  }
  EXPECT_EQ(value.SetValue(4), "4");
}
#endif

TEST(ValueWork, UnitNamesAndStripping)
{
  CValueWork value;
  EXPECT_EQ(value.GetLenCheckType(), LENGTH_UNIT_MM);
  EXPECT_EQ(value.GetAngCheckType(), ANGLE_UNIT_DEG);
  const char* lengthNames[] = {"mm", "cm", "m", "in", "fe", "ya"};
  for (int i = 0; i < LENGTH_UNIT_COUNT; ++i)
    EXPECT_EQ(value.GetUnitString(ELengthUnitType(i)), lengthNames[i]);
  EXPECT_EQ(value.GetUnitString(ANGLE_UNIT_DEG), "deg");
  EXPECT_EQ(value.GetUnitString(ANGLE_UNIT_RAD), "rad");
  EXPECT_EQ(value.GetUnitString(ELengthUnitType(9)), "");

  struct Case
  {
    const char* text;
    ELengthUnitType eDefault;
    const char* stripped;
    ELengthUnitType eFound;
  };
  const Case cases[] = {
      {"3.5 CM", LENGTH_UNIT_MM, "3.5 ", LENGTH_UNIT_CM},  // case ignored, the blank stays
      {"12mm  ", LENGTH_UNIT_INCH, "12", LENGTH_UNIT_MM},  // trimmed; "mm" before "m"
      {"12m", LENGTH_UNIT_INCH, "12", LENGTH_UNIT_M},     {"2Ya", LENGTH_UNIT_MM, "2", LENGTH_UNIT_YARD},
      {"m", LENGTH_UNIT_CM, "m", LENGTH_UNIT_CM},        // a name must be shorter than the text
      {"7 ", LENGTH_UNIT_FEET, "7 ", LENGTH_UNIT_FEET},  // no unit: returned untrimmed
  };
  for (const Case& c : cases)
  {
    EXPECT_EQ(value.changeLenValToCheckRange(c.text, c.eDefault), c.stripped) << c.text;
    EXPECT_EQ(value.GetLenCheckType(), c.eFound) << c.text;
  }
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
