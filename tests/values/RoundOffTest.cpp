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

// The first dec + n significant digits (15 at most), the next digit rounding them up when asked.
double literalRounding(double value, int n, bool round)
{
  const Expansion& x = exactExpansion(value);
  const int k = std::min(x.dec + n, 15);
  if (k < 0)
    return 0.0;
  auto digitAt = [&](int i) { return i < int(x.digits.size()) ? x.digits[size_t(i)] : '0'; };
  std::string work = "0";  // room for a carry
  for (int i = 0; i < k; ++i)
    work.push_back(digitAt(i));
  if (round && digitAt(k) >= '5')
  {
    size_t i = work.size() - 1;
    while (work[i] == '9')
      work[i--] = '0';
    ++work[i];
  }
  // The last kept digit stands k places after the first one, at 10 to the power dec - k.
  const std::string text = (std::signbit(value) ? "-" : "") + work + "e" + std::to_string(x.dec - k);
  return std::strtod(text.c_str(), nullptr);
}

// The common rules: counts above 10 leave the value alone, negative ones count as 0, and below 10
// the value is nudged away from zero first.
double oracleRounding(double v, int n, bool round)
{
  if (n > 10)
    return v;
  n = std::max(n, 0);
  const double nudged = n == 10 ? v : (v < 0 ? v - 1e-10 : v + 1e-10);
  return literalRounding(nudged, n, round);
}

double oracleOmit(double v, int n) { return v == 0.0 ? v : oracleRounding(v, n, false); }

double oracleNormal(double v, int n) { return oracleRounding(v, n, true); }

// JIS rounds the magnitude down first when, printed to 13 places, the two digits after the kept
// ones are 5 and 0 and the last kept one is even.
double oracleJis(double v, int n)
{
  if (n > 10 || v == 0.0)
    return v;
  n = std::max(n, 0);
  char text[400];
  std::snprintf(text, sizeof text, "%.13f", std::fabs(v));
  const size_t point = size_t(std::strchr(text, '.') - text), dropped = point + size_t(n) + 1;
  const char lastKept = text[n == 0 ? point - 1 : dropped - 1];
  const bool bToEven = text[dropped] == '5' && text[dropped + 1] == '0' && (lastKept - '0') % 2 == 0;
  return std::copysign(oracleNormal(std::fabs(v) - (bToEven ? std::pow(10.0, -n) * 0.1 : 0.0), n), v);
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
