#include <ZuntVariable.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace
{

struct Reading
{
  const char* pszText;
  double dValue;
};

// The analyser's result on a text, for messages that name the text.
struct Result
{
  int nRead;
  int bExpression;
  int nCount;
};

Result analyse(aCNumericalAnalyze& analyser, const CString& strText)
{
  int bExpression = -1;
  const int nRead = analyser.Analyze(strText, &bExpression);
  return {nRead, bExpression, analyser.GetCount()};
}

void expectValue(aCNumericalAnalyze& analyser, const Reading& reading)
{
  SCOPED_TRACE(reading.pszText);
  const Result result = analyse(analyser, reading.pszText);
  ASSERT_TRUE(result.nRead);
  ASSERT_EQ(result.nCount, 1);
  EXPECT_EQ(analyser[0], reading.dValue);
}

void expectRefused(aCNumericalAnalyze& analyser, const CString& strText)
{
  SCOPED_TRACE(std::string(strText.GetString(), size_t(std::min(strText.GetLength(), 60))));
  const Result result = analyse(analyser, strText);
  EXPECT_EQ(result.nRead, 0);
  EXPECT_EQ(result.bExpression, 0);
  EXPECT_EQ(result.nCount, 0);
}

CString repeat(const char* pszPart, int nCount)
{
  CString strText;
  for (int i = 0; i < nCount; ++i)
    strText += pszPart;
  return strText;
}

TEST(NumericalAnalyze, PrecedenceSignsNumbersFunctionsInDegreesAndTheExpressionFlag)
{
  aCNumericalAnalyze analyser(nullptr);
  const Reading readings[] = {
      {"1+2*3", 7.0},   {"(1+2)*3", 9.0}, {"10-4-3", 3.0},    {"24/4/3", 2.0},    {"2*3^2", 18.0},
      {"2^3^2", 512.0}, {"-2^2", -4.0},   {"(-2)^2", 4.0},    {"2^-1", 0.5},      {"2*-3", -6.0},
      {"--3", 3.0},     {"+4", 4.0},      {"- 5", -5.0},      {"1-+1", 0.0},      {"8/2*4", 16.0},
      {" 7 - 2 ", 5.0}, {"\t3*\t3", 9.0}, {"((((1))))", 1.0}, {"-(1+2)*-2", 6.0}, {"2^0.5^2", std::pow(2.0, 0.25)},
      {"12", 12.0},     {".5", 0.5},      {"5.", 5.0},        {"1.5e3", 1500.0},  {"2E-3", 2e-3},
      {"1e+2", 100.0},  {"0.1", 0.1},     {"007", 7.0}};
  for (const Reading& reading : readings)
    expectValue(analyser, reading);
  expectValue(analyser, {"1.7976931348623157e308", 1.7976931348623157e308});
  const Reading functions[] = {
      {"sin(30)", 0.5},          {"COS(60)", 0.5},        {"Tan(45)", 1.0},        {"asin(0.5)", 30.0},
      {"acos(0.5)", 60.0},       {"atan(1)", 45.0},       {"sqrt(2)^2", 2.0},      {"SIN (90)", 1.0},
      {"pi", 3.141592653589793}, {"abs(-3)+ABS(3)", 6.0}, {"sqrt(abs(-16))", 4.0},
  };
  for (const Reading& reading : functions)
  {
    SCOPED_TRACE(reading.pszText);
    ASSERT_TRUE(analyser.Analyze(reading.pszText, nullptr));
    EXPECT_NEAR(analyser[0], reading.dValue, 1e-12);
  }

  // Next, the expression flag: only for more than a plain number in some item.
  // The add dialog takes a plain number through atof: both must agree.
  for (const char* pszText : {"5", "-5", "+2", " 1e3 ", "-.5", "3.25\t", "1, -2"})
  {
    SCOPED_TRACE(pszText);
    const Result result = analyse(analyser, pszText);
    ASSERT_TRUE(result.nRead);
    EXPECT_EQ(result.bExpression, 0);
    EXPECT_EQ(analyser[0], std::atof(pszText));
  }
  for (const char* pszText : {"(5)", "- 5", "--5", "1+0", "2^1", "PI", "abs(1)", "1, 2*1", "2*1, 1"})
  {
    SCOPED_TRACE(pszText);
    const Result result = analyse(analyser, pszText);
    ASSERT_TRUE(result.nRead);
    EXPECT_EQ(result.bExpression, 1);
  }

  // Each item of a list is read on its own.
  ASSERT_TRUE(analyser.Analyze("1, 2*3 ,-4", nullptr));
  ASSERT_EQ(analyser.GetCount(), 3);
  EXPECT_EQ(analyser[0], 1.0);
  EXPECT_EQ(analyser[1], 6.0);
  EXPECT_EQ(analyser[2], -4.0);
  // Reading again replaces the values; a failure leaves none.
  expectRefused(analyser, "1+1, 3cm");
  ASSERT_TRUE(analyser.Analyze("9", nullptr));
  ASSERT_EQ(analyser.GetCount(), 1);
  EXPECT_EQ(analyser[0], 9.0);
}

TEST(NumericalAnalyze, RefusesWhatIsNotAListOfNumbersOrExpressionsAndLimitsNesting)
{
  aCNumericalAnalyze analyser(nullptr);
  const char* const texts[] = {// units after a number, so that the fields strip them and read again
                               "5cm", "2 m", "5MM", "1.5 in", "90deg",
                               // empty items
                               "", "   ", "1,", ",1", "1,,2", "1, ,2",
                               // unknown names and trailing junk
                               "X", "sin", "sin 30", "sin()", "sin(1,2)", "1 2", "(2)(3)", "2(3)", "1e", "1e+", "1.2.3",
                               "0x10", "inf", "nan", "1;", "5%", "\x82\xa0", "1=1",
                               // parentheses that do not pair
                               "(1", "1)", "((1)", "()", ")(",
                               // operators without operands
                               "*2", "2*", "2^", "-", "2+*3", "^2",
                               // results that are not finite numbers
                               "1/0", "1/(2-2)", "0^-1", "sqrt(-1)", "asin(2)", "1e999", "1e308*10", "(-8)^(1/3)"};
  for (const char* pszText : texts)
    expectRefused(analyser, pszText);
  // A byte 0 inside the text is not its end.
  expectRefused(analyser, CString("1\0"
                                  "2",
                                  3));

  // Next, nesting is limited.
  const int nFine = aCNumericalAnalyze::MAX_NESTING / 2;
  expectValue(analyser, {repeat("(", nFine) + "1" + repeat(")", nFine), 1.0});
  expectValue(analyser, {repeat("-", nFine) + "1", nFine % 2 ? -1.0 : 1.0});
  expectValue(analyser, {repeat("1^", nFine) + "1", 1.0});
  // Far beyond the limit: refused, not a stack overflow.
  const int nHuge = 100000;
  expectRefused(analyser, repeat("(", nHuge) + "1" + repeat(")", nHuge));
  expectRefused(analyser, repeat("-", nHuge) + "1");
  expectRefused(analyser, repeat("1^", nHuge) + "1");
  expectRefused(analyser, repeat("sin(", nHuge) + "1" + repeat(")", nHuge));
  // Long but flat texts do not nest.
  expectValue(analyser, {repeat("1+", nHuge) + "1", nHuge + 1.0});
  ASSERT_TRUE(analyser.Analyze(repeat("1,", nHuge) + "1", nullptr));
  EXPECT_EQ(analyser.GetCount(), nHuge + 1);
}

}  // namespace
