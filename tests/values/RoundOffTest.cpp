#include <RoundOff.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace
{

// --- an independent oracle ---------------------------------------------------------------
// The exact decimal expansion of a double (printf prints every digit of it), then the
// rounding steps followed literally on the digit string, and the text read back.

struct Expansion
{
  std::string digits;  // significant digits, no leading zeros
  int dec = 0;         // digits before the decimal point (zero or negative below 1)
};

// The oracle asks for the same few values at every place count: keep what it computed.
const Expansion& exactExpansion(double v)
{
  static std::unordered_map<uint64_t, Expansion> known;
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  const auto found = known.find(bits);
  if (found != known.end())
    return found->second;
  static char text[1500];
  std::snprintf(text, sizeof text, "%.1100f", std::fabs(v));
  const std::string all = text;
  const size_t point = all.find('.');
  const std::string joined = all.substr(0, point) + all.substr(point + 1);
  const size_t first = std::min(joined.find_first_not_of('0'), joined.size());
  Expansion x;
  x.digits = joined.substr(first);
  x.dec = int(point) - int(first);
  return known.emplace(bits, x).first->second;
}

double literalRounding(double value, int n, bool round)
{
  const Expansion x = exactExpansion(value);
  int k = x.dec + n;
  if (k < 0)
    return 0.0;
  if (k > 15)
    k = 15;
  auto digitAt = [&](int i) { return i < int(x.digits.size()) ? x.digits[size_t(i)] : '0'; };
  std::string work = "0";
  for (int i = 0; i < k; ++i)
    work.push_back(digitAt(i));
  int point = x.dec + 1;
  if (round && digitAt(k) >= '5')
  {
    size_t i = work.size() - 1;
    while (work[i] == '9')
      work[i--] = '0';
    ++work[i];
  }
  if (work[0] == '0')
  {
    work.erase(0, 1);
    --point;
  }
  std::string text = std::signbit(value) ? "-" : "";
  if (point <= 0)
  {
    text += "0." + std::string(size_t(-point), '0') + work;
  }
  else if (int(work.size()) <= point)
  {
    text += work + std::string(size_t(point) - work.size(), '0') + ".0";
  }
  else
  {
    text += work.substr(0, size_t(point)) + "." + work.substr(size_t(point));
  }
  return std::strtod(text.c_str(), nullptr);
}

double nudgedForOracle(double v, int n) { return n >= 10 ? v : (v < 0 ? v - 1e-10 : v + 1e-10); }

// The common rules: counts above 10 leave the value alone, negative ones count as 0, and below 10
// the value is nudged away from zero first.
double oracleRounding(double v, int n, bool round)
{
  if (n > 10)
    return v;
  n = n < 0 ? 0 : n;
  return literalRounding(nudgedForOracle(v, n), n, round);
}

double oracleOmit(double v, int n) { return v == 0.0 ? v : oracleRounding(v, n, false); }

double oracleNormal(double v, int n) { return oracleRounding(v, n, true); }

double oracleCalcJis(double v, int n)
{
  char text[400];
  std::snprintf(text, sizeof text, "%.13f", v);
  const size_t point = std::strchr(text, '.') - text;
  const char firstDropped = text[point + size_t(n) + 1];
  const char secondDropped = text[point + size_t(n) + 2];
  const char lastKept = n == 0 ? text[point - 1] : text[point + size_t(n)];
  if (firstDropped == '5' && secondDropped == '0' && (lastKept - '0') % 2 == 0)
    v -= std::pow(10.0, -n) * 0.1;
  return oracleNormal(v, n);
}

double oracleJis(double v, int n)
{
  if (n > 10)
    return v;
  n = n < 0 ? 0 : n;
  if (v < 0)
    return -oracleCalcJis(-v, n);
  if (v == 0.0)
    return v;
  return oracleCalcJis(v, n);
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// --- tests -------------------------------------------------------------------------------

TEST(RoundOff, WorkedExamples)
{
  const struct
  {
    double (*pfnRound)(double, int);
    double dValue;
    int nPlaces;
    double dExpected;
  } cases[] = {
      {CRoundOff::JIS, 2.25, 1, 2.2},      {CRoundOff::JIS, 2.35, 1, 2.4},
      {CRoundOff::JIS, 3.5, 0, 4.0},       {CRoundOff::JIS, 2.5, 0, 2.0},
      {CRoundOff::JIS, -2.25, 1, -2.2},    {CRoundOff::JIS, 0.125, 2, 0.12},
      {CRoundOff::JIS, 0.135, 2, 0.14},    {CRoundOff::JIS, 0.2501, 1, 0.2},  // only two dropped digits count
      {CRoundOff::Normal, 2.25, 1, 2.3},   {CRoundOff::Normal, -2.5, 0, -3.0},
      {CRoundOff::Normal, 9.995, 2, 10.0}, {CRoundOff::Omit, 2.29, 1, 2.2},
      {CRoundOff::Omit, -2.29, 1, -2.2},   {CRoundOff::Omit, 0.3, 1, 0.3},
      {CRoundOff::Omit, 0.7, 1, 0.7},      {CRoundOff::Omit, 0.29999999999999998, 1, 0.3},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.pfnRound(c.dValue, c.nPlaces), c.dExpected) << c.dValue << " at " << c.nPlaces;
}

// What the comparison with exact arithmetic below does not reach: place counts far outside
// the range, signed zeros, values that are not finite.
TEST(RoundOff, FarPlaceCountsZerosAndNonFiniteValues)
{
  EXPECT_TRUE(sameBits(CRoundOff::Normal(-1e300, 400), -1e300));
  EXPECT_EQ(CRoundOff::Normal(2.5, -3), 3.0);
  EXPECT_EQ(CRoundOff::JIS(2.5, -3), 2.0);
  EXPECT_TRUE(sameBits(CRoundOff::Omit(-0.0, 3), -0.0));
  EXPECT_TRUE(sameBits(CRoundOff::JIS(-0.0, 3), -0.0));
  EXPECT_EQ(CRoundOff::Normal(0.0, 4), 0.0);
  EXPECT_EQ(CRoundOff::Normal(HUGE_VAL, 2), HUGE_VAL);
  EXPECT_EQ(CRoundOff::Omit(-HUGE_VAL, 2), -HUGE_VAL);
  EXPECT_EQ(CRoundOff::JIS(-HUGE_VAL, 2), -HUGE_VAL);
  EXPECT_TRUE(std::isnan(CRoundOff::JIS(std::nan(""), 2)));
  EXPECT_TRUE(std::isnan(CRoundOff::Normal(std::nan(""), 2)));
}

// Values that put the interesting digits (halves, runs of nines, representation error) at
// the places the rounding looks at, in many magnitudes, and the ends of the doubles.
std::vector<double> oracleValues()
{
  std::mt19937_64 random(20261206);
  std::vector<double> values = {4.9e-324,
                                2.2250738585072014e-308,
                                4503599627370496.0,
                                9007199254740993.0,
                                18446744073709551616.0,
                                18446744073709549568.0,
                                1e300,
                                1.7976931348623157e308};
  std::uniform_int_distribution<int> digits(0, 9), places(0, 12), magnitude(-12, 24), hugeMagnitude(25, 307);
  for (int i = 0; i < 2500; ++i)
  {
    const bool nines = i % 7 == 0;
    auto digit = [&] { return nines ? '9' : char('0' + digits(random)); };
    std::string text = i % 3 == 0 ? "-" : "";
    const int before = places(random) % 9;
    for (int d = 0; d <= before; ++d)
      text.push_back(digit());
    text.push_back('.');
    const int after = places(random);
    for (int d = 0; d < after; ++d)
      text.push_back(digit());
    text.push_back(i % 2 ? '5' : digit());
    values.push_back(std::strtod(text.c_str(), nullptr));
    const int power = i % 10 == 0 ? hugeMagnitude(random) : magnitude(random);
    const double any = std::ldexp(double(random() >> 11), -53) * std::pow(10.0, power);
    values.push_back(i % 5 == 0 ? -any : any);
    values.push_back(std::nextafter(values[values.size() - 2], 0.0));
  }
  return values;
}

TEST(RoundOff, AgreesWithExactDecimalArithmetic)
{
  for (double v : oracleValues())
  {
    for (int n = -1; n <= 11; ++n)
    {
      SCOPED_TRACE(testing::Message() << std::hexfloat << v << " at " << n << " places");
      ASSERT_TRUE(sameBits(CRoundOff::Omit(v, n), oracleOmit(v, n)));
      ASSERT_TRUE(sameBits(CRoundOff::Normal(v, n), oracleNormal(v, n)));
      ASSERT_TRUE(sameBits(CRoundOff::JIS(v, n), oracleJis(v, n)));
    }
  }
}

}  // namespace
