#include <RoundOff.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

// --- an independent oracle ---------------------------------------------------------------
// The exact decimal expansion of a double m * 2^e, computed on decimal digit strings:
// m * 2^e for e >= 0, and m * 5^-e with the point -e places from the right for e < 0.
// The rounding then follows the digit-string steps literally and reads the text back.

struct Expansion
{
  std::string digits;  // significant digits, no leading zeros
  int dec = 0;         // digits before the decimal point (zero or negative below 1)
};

// Little-endian decimal digits times a factor of at most 5^13.
void multiplyDecimal(std::vector<int>& little, int64_t factor)
{
  int64_t carry = 0;
  for (int& d : little) {
    const int64_t p = d * factor + carry;
    d = int(p % 10);
    carry = p / 10;
  }
  for (; carry; carry /= 10)
    little.push_back(int(carry % 10));
}

void multiplyByPower(std::vector<int>& little, int64_t base, int exponent, int chunk)
{
  int64_t power = 1;
  for (int i = 0; i < chunk; ++i)
    power *= base;
  for (; exponent >= chunk; exponent -= chunk)
    multiplyDecimal(little, power);
  for (; exponent > 0; --exponent)
    multiplyDecimal(little, base);
}

Expansion computeExpansion(double v)
{
  int e;
  const double fraction = std::frexp(std::fabs(v), &e);
  uint64_t m = uint64_t(std::ldexp(fraction, 53));
  e -= 53;
  std::vector<int> little;
  for (; m; m /= 10)
    little.push_back(int(m % 10));
  if (e > 0)
    multiplyByPower(little, 2, e, 30);
  else
    multiplyByPower(little, 5, -e, 13);
  Expansion x;
  for (auto it = little.rbegin(); it != little.rend(); ++it)
    x.digits.push_back(char('0' + *it));
  x.dec = int(x.digits.size()) - (e < 0 ? -e : 0);
  return x;
}

// The oracle asks for the same few values at every place count: keep what it computed.
const Expansion& exactExpansion(double v)
{
  static std::unordered_map<uint64_t, Expansion> known;
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  const auto found = known.find(bits);
  if (found != known.end())
    return found->second;
  return known.emplace(bits, computeExpansion(v)).first->second;
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
  if (round && digitAt(k) >= '5') {
    size_t i = work.size() - 1;
    while (work[i] == '9')
      work[i--] = '0';
    ++work[i];
  }
  if (work[0] == '0') {
    work.erase(0, 1);
    --point;
  }
  std::string text = std::signbit(value) ? "-" : "";
  if (point <= 0) {
    text += "0." + std::string(size_t(-point), '0') + work;
  } else if (int(work.size()) <= point) {
    text += work + std::string(size_t(point) - work.size(), '0') + ".0";
  } else {
    text += work.substr(0, size_t(point)) + "." + work.substr(size_t(point));
  }
  return std::strtod(text.c_str(), nullptr);
}

double nudgedForOracle(double v, int n)
{
  return n >= 10 ? v : (v < 0 ? v - 1e-10 : v + 1e-10);
}

double oracleOmit(double v, int n)
{
  if (n > 10 || v == 0.0)
    return v;
  n = n < 0 ? 0 : n;
  return literalRounding(nudgedForOracle(v, n), n, false);
}

double oracleNormal(double v, int n)
{
  if (n > 10)
    return v;
  n = n < 0 ? 0 : n;
  return literalRounding(nudgedForOracle(v, n), n, true);
}

// "%.13f" as exact decimal rounding, half to even.
std::string printed13(double v)
{
  const Expansion x = exactExpansion(v);
  std::string integer = x.dec > 0 ? x.digits.substr(0, size_t(x.dec)) : "0";
  integer.resize(std::max<size_t>(integer.size(), size_t(std::max(x.dec, 1))), '0');
  std::string fraction;
  for (int i = 0; i < 14; ++i) {
    const int index = x.dec + i;
    fraction.push_back(index >= 0 && index < int(x.digits.size()) ? x.digits[size_t(index)] : '0');
  }
  const bool beyond = [&] {
    for (size_t i = size_t(std::max(x.dec + 14, 0)); i < x.digits.size(); ++i)
      if (x.digits[i] != '0')
        return true;
    return false;
  }();
  std::string all = integer + fraction.substr(0, 13);
  const char dropped = fraction[13];
  const bool up = dropped > '5' || (dropped == '5' && (beyond || (all.back() - '0') % 2 == 1));
  if (up) {
    size_t i = all.size();
    while (i > 0 && all[i - 1] == '9')
      all[--i] = '0';
    if (i == 0)
      all.insert(all.begin(), '1');
    else
      ++all[i - 1];
  }
  return all.substr(0, all.size() - 13) + "." + all.substr(all.size() - 13);
}

double oracleCalcJis(double v, int n)
{
  const std::string text = printed13(v);
  const size_t point = text.find('.');
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

bool sameBits(double a, double b)
{
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// --- tests -------------------------------------------------------------------------------

TEST(RoundOff, WorkedExamples)
{
  EXPECT_EQ(CRoundOff::JIS(2.25, 1), 2.2);
  EXPECT_EQ(CRoundOff::JIS(2.35, 1), 2.4);
  EXPECT_EQ(CRoundOff::JIS(3.5, 0), 4.0);
  EXPECT_EQ(CRoundOff::JIS(2.5, 0), 2.0);
  EXPECT_EQ(CRoundOff::JIS(-2.25, 1), -2.2);
  EXPECT_EQ(CRoundOff::JIS(0.125, 2), 0.12);
  EXPECT_EQ(CRoundOff::JIS(0.135, 2), 0.14);
  EXPECT_EQ(CRoundOff::JIS(0.2501, 1), 0.2);  // only two dropped digits are looked at
  EXPECT_EQ(CRoundOff::Normal(2.25, 1), 2.3);
  EXPECT_EQ(CRoundOff::Normal(-2.5, 0), -3.0);
  EXPECT_EQ(CRoundOff::Normal(9.995, 2), 10.0);
  EXPECT_EQ(CRoundOff::Omit(2.29, 1), 2.2);
  EXPECT_EQ(CRoundOff::Omit(-2.29, 1), -2.2);
  EXPECT_EQ(CRoundOff::Omit(0.3, 1), 0.3);
  EXPECT_EQ(CRoundOff::Omit(0.7, 1), 0.7);
  EXPECT_EQ(CRoundOff::Omit(0.29999999999999998, 1), 0.3);
}

TEST(RoundOff, PlaceCountsOutsideTheRange)
{
  const double awkward = 0.1 + 0.2;  // 0.30000000000000004
  EXPECT_TRUE(sameBits(CRoundOff::Omit(awkward, 11), awkward));
  EXPECT_TRUE(sameBits(CRoundOff::Normal(awkward, 11), awkward));
  EXPECT_TRUE(sameBits(CRoundOff::JIS(awkward, 12), awkward));
  EXPECT_TRUE(sameBits(CRoundOff::Normal(-1e300, 400), -1e300));
  EXPECT_EQ(CRoundOff::Normal(2.5, -3), 3.0);
  EXPECT_EQ(CRoundOff::Omit(2.9, -3), 2.0);
  EXPECT_EQ(CRoundOff::JIS(2.5, -1), 2.0);
  // Ten places: no nudge, the stored double decides.
  EXPECT_EQ(CRoundOff::Omit(0.29999999999999998, 10), 0.2999999999);
}

TEST(RoundOff, ZeroAndTinyValues)
{
  EXPECT_TRUE(sameBits(CRoundOff::Omit(-0.0, 3), -0.0));
  EXPECT_TRUE(sameBits(CRoundOff::JIS(-0.0, 3), -0.0));
  EXPECT_EQ(CRoundOff::Normal(0.0, 4), 0.0);
  EXPECT_EQ(CRoundOff::Normal(0.004, 2), 0.0);
  EXPECT_EQ(CRoundOff::Normal(0.005, 2), 0.01);
  EXPECT_EQ(CRoundOff::Normal(-0.0004, 2), 0.0);
  EXPECT_EQ(CRoundOff::Omit(1e-300, 5), 0.0);
  EXPECT_EQ(CRoundOff::Normal(4.9e-324, 10), 0.0);
}

TEST(RoundOff, AtMostFifteenSignificantDigitsSurvive)
{
  EXPECT_EQ(CRoundOff::Normal(1234567890123456789.0, 2), 1234567890123460000.0);
  EXPECT_EQ(CRoundOff::Omit(1234567890123456789.0, 2), 1234567890123450000.0);
  EXPECT_EQ(CRoundOff::Normal(123456789.123456789, 10), 123456789.123457);
  EXPECT_EQ(CRoundOff::Omit(999999999999999.9, 3), 999999999999999.0);
  EXPECT_EQ(CRoundOff::Normal(999999999999999.9, 3), 1e15);
  // Rounding the largest double up leaves the doubles, as reading "1.79769313486232e308" does.
  EXPECT_EQ(CRoundOff::Normal(1.7976931348623157e308, 0), HUGE_VAL);
  EXPECT_EQ(CRoundOff::Omit(-1.7976931348623157e308, 4), -1.79769313486231e308);
}

TEST(RoundOff, NonFiniteValuesComeBackUnchanged)
{
  const double inf = HUGE_VAL;
  EXPECT_EQ(CRoundOff::Normal(inf, 2), inf);
  EXPECT_EQ(CRoundOff::Omit(-inf, 2), -inf);
  EXPECT_EQ(CRoundOff::JIS(-inf, 2), -inf);
  EXPECT_TRUE(std::isnan(CRoundOff::JIS(std::nan(""), 2)));
  EXPECT_TRUE(std::isnan(CRoundOff::Normal(std::nan(""), 2)));
}

// Values that put the interesting digits (halves, runs of nines, representation error) at
// the places the rounding looks at, in many magnitudes, and the ends of the doubles.
std::vector<double> oracleValues()
{
  std::mt19937_64 random(20261206);
  std::vector<double> values = {4.9e-324, 2.2250738585072014e-308, 4503599627370496.0,
                                9007199254740993.0, 18446744073709551616.0,
                                18446744073709549568.0, 1e300, 1.7976931348623157e308};
  std::uniform_int_distribution<int> digits(0, 9), places(0, 12), magnitude(-12, 24),
      hugeMagnitude(25, 307);
  for (int i = 0; i < 2500; ++i) {
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
  for (double v : oracleValues()) {
    for (int n = -1; n <= 11; ++n) {
      SCOPED_TRACE(testing::Message() << std::hexfloat << v << " at " << n << " places");
      ASSERT_TRUE(sameBits(CRoundOff::Omit(v, n), oracleOmit(v, n)));
      ASSERT_TRUE(sameBits(CRoundOff::Normal(v, n), oracleNormal(v, n)));
      ASSERT_TRUE(sameBits(CRoundOff::JIS(v, n), oracleJis(v, n)));
    }
  }
}

}  // namespace
