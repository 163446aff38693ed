#include "RoundOff.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// The rounding keeps the first digits of the exact decimal expansion of the value, rounds at
// the first dropped digit and reads the kept digits back as the nearest double. Exact integer
// arithmetic replaces the digit string: floor(|v| * 10^(n+1)) holds the kept digits and, as
// its last digit, the first dropped one. 128-bit products cover every value below 10^15; the
// rest (at most 15 significant digits survive there) goes through a small exact bignum.

namespace {

#ifdef __SIZEOF_INT128__
using u128 = unsigned __int128;
#endif

const int kMaxFigure = 10;
const int kMaxDigits = 15;
const double kNudge = 1e-10;
const int kJisPlaces = 13;  // the JIS test reads the value as printed with 13 decimals

const uint64_t kPow10[] = {
  1ull, 10ull, 100ull, 1000ull, 10000ull, 100000ull, 1000000ull, 10000000ull, 100000000ull,
  1000000000ull, 10000000000ull, 100000000000ull, 1000000000000ull, 10000000000000ull,
  100000000000000ull, 1000000000000000ull, 10000000000000000ull};

// Powers of ten that a double holds exactly.
const double kPow10Exact[] = {
  1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
  1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
const int kMaxExactPow10 = 22;

enum class Mode { CutOff, Round };

// A finite non-negative double as m * 2^e.
struct Binary
{
  uint64_t m;
  int e;
};

Binary decompose(double v)
{
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  const int exponent = int(bits >> 52) & 0x7FF;
  const uint64_t fraction = bits & ((1ull << 52) - 1);
  if (exponent == 0)
    return {fraction, -1074};
  return {fraction | (1ull << 52), exponent - 1075};
}

int clampFigure(int nFigure)
{
  return nFigure < 0 ? 0 : nFigure;
}

double nudged(double v, int n)
{
  if (n >= kMaxFigure)
    return v;
  return v < 0 ? v - kNudge : v + kNudge;
}

// kept * 10^exponent as the nearest double, as reading its decimal text would give.
double fromDecimal(uint64_t kept, int exponent)
{
  if (exponent < 0)
    return double(kept) / kPow10Exact[-exponent];
  if (exponent <= kMaxExactPow10)
    return double(kept) * kPow10Exact[exponent];
  char text[40];
  std::snprintf(text, sizeof text, "%llue%d", (unsigned long long)kept, exponent);
  return std::strtod(text, nullptr);
}

// --- exact path for large values ---------------------------------------------------------

using Limbs = std::vector<uint32_t>;  // little-endian base 2^32

void multiplySmall(Limbs& a, uint32_t factor)
{
  uint64_t carry = 0;
  for (uint32_t& limb : a) {
    const uint64_t product = uint64_t(limb) * factor + carry;
    limb = uint32_t(product);
    carry = product >> 32;
  }
  if (carry)
    a.push_back(uint32_t(carry));
}

void shiftLeft(Limbs& a, int bits)
{
  a.insert(a.begin(), size_t(bits / 32), 0u);
  const int rest = bits % 32;
  if (rest == 0)
    return;
  uint32_t carry = 0;
  for (uint32_t& limb : a) {
    const uint32_t next = limb >> (32 - rest);
    limb = (limb << rest) | carry;
    carry = next;
  }
  if (carry)
    a.push_back(carry);
}

void shiftRight(Limbs& a, int bits)
{
  const size_t whole = size_t(bits / 32);
  if (whole >= a.size()) {
    a.assign(1, 0u);
    return;
  }
  a.erase(a.begin(), a.begin() + long(whole));
  const int rest = bits % 32;
  if (rest == 0)
    return;
  for (size_t i = 0; i < a.size(); ++i) {
    const uint32_t high = i + 1 < a.size() ? a[i + 1] << (32 - rest) : 0u;
    a[i] = (a[i] >> rest) | high;
  }
}

uint32_t divideSmall(Limbs& a, uint32_t divisor)
{
  uint64_t remainder = 0;
  for (size_t i = a.size(); i-- > 0;) {
    const uint64_t current = (remainder << 32) | a[i];
    a[i] = uint32_t(current / divisor);
    remainder = current % divisor;
  }
  while (a.size() > 1 && a.back() == 0)
    a.pop_back();
  return uint32_t(remainder);
}

bool isZero(const Limbs& a)
{
  return a.size() == 1 && a[0] == 0;
}

// The decimal digits of floor(v * 10^places), most significant first; "" for zero.
std::string exactScaledDigits(const Binary& b, int places)
{
  Limbs a{uint32_t(b.m), uint32_t(b.m >> 32)};
  for (int i = 0; i < places; ++i)
    multiplySmall(a, 10);
  if (b.e > 0)
    shiftLeft(a, b.e);
  else
    shiftRight(a, -b.e);
  while (a.size() > 1 && a.back() == 0)
    a.pop_back();
  std::string reversed;
  while (!isZero(a)) {
    uint32_t chunk = divideSmall(a, 1000000000u);
    for (int i = 0; i < 9; ++i, chunk /= 10)
      reversed.push_back(char('0' + chunk % 10));
  }
  while (!reversed.empty() && reversed.back() == '0')
    reversed.pop_back();
  return std::string(reversed.rbegin(), reversed.rend());
}

// At most 15 significant digits survive: keep them, round at the sixteenth.
double roundLong(const Binary& b, int n, Mode mode, bool negative)
{
  const std::string digits = exactScaledDigits(b, n + 1);
  const int dec = int(digits.size()) - (n + 1);  // digits before the decimal point
  int keep = dec + n;
  if (keep < 0)
    return 0.0;  // below every kept place: no sign either
  if (keep > kMaxDigits)
    keep = kMaxDigits;
  uint64_t kept = 0;
  for (int i = 0; i < keep; ++i)
    kept = kept * 10 + uint64_t(digits[size_t(i)] - '0');
  if (mode == Mode::Round && digits[size_t(keep)] >= '5')
    ++kept;
  const double magnitude = fromDecimal(kept, dec - keep);
  return negative ? -magnitude : magnitude;
}

// --- the common path ---------------------------------------------------------------------

// floor(v * 10^(n+1)) when 128-bit arithmetic gives it and it has at most 16 digits, so that
// no more than 15 digits are kept; false sends the caller to the exact long path.
bool scaledByPlaces(const Binary& b, int n, uint64_t& scaled)
{
#ifndef __SIZEOF_INT128__
  (void)b, (void)n, (void)scaled;
  return false;  // 32-bit builds take the exact long path
#else
  if (b.e >= 0)
    return false;
  const int shift = -b.e;
  const u128 product = u128(b.m) * kPow10[n + 1];
  const u128 quotient = shift >= 128 ? 0 : product >> shift;
  if (quotient >= kPow10[kMaxDigits + 1])
    return false;
  scaled = uint64_t(quotient);
  return true;
#endif
}

double roundDecimal(double v, int n, Mode mode)
{
  if (!std::isfinite(v))
    return v;
  const Binary b = decompose(std::fabs(v));
  const bool negative = std::signbit(v);
  uint64_t scaled;
  if (!scaledByPlaces(b, n, scaled))
    return roundLong(b, n, mode, negative);
  if (scaled == 0)
    return 0.0;  // below every kept place: no sign either
  uint64_t kept = scaled / 10;
  if (mode == Mode::Round && scaled % 10 >= 5)
    ++kept;
  const double magnitude = fromDecimal(kept, -n);
  return negative ? -magnitude : magnitude;
}

// The value as "%.13f" would print it: its integer part and 13 fraction digits. Only called
// for values below 2^52. A tie at the 14th place is rounded up: a double with a 5 there ends
// in ...125, ...375, ...625 or ...875, so no carry from it reaches the digits the test reads
// and half-to-even printing would give the same digits.
struct Printed13
{
  uint64_t integer;
  uint64_t fraction;
};

#ifdef __SIZEOF_INT128__
Printed13 printedWith13Places(double v)
{
  const Binary b = decompose(v);
  const int shift = -b.e;  // positive: v < 2^52
  if (shift >= 128)
    return {0, 0};
  const uint64_t integer = shift >= 64 ? 0 : b.m >> shift;
  const u128 fractionBits = shift >= 64 ? u128(b.m) : u128(b.m & ((1ull << shift) - 1));
  const u128 scaled = fractionBits * kPow10[kJisPlaces];
  if (shift >= 127)  // scaled < 2^97 is below half of 2^shift
    return {integer, 0};
  u128 quotient = scaled >> shift;
  const u128 remainder = scaled - (quotient << shift);
  if (remainder >= u128(1) << (shift - 1))
    ++quotient;
  if (quotient == kPow10[kJisPlaces])
    return {integer + 1, 0};
  return {integer, uint64_t(quotient)};
}
#else
Printed13 printedWith13Places(double v)
{
  // floor(v * 10^14) in decimal, then half up at the 13th place.
  std::string digits = exactScaledDigits(decompose(v), kJisPlaces + 1);
  digits.insert(0, size_t(std::max(0, kJisPlaces + 2 - int(digits.size()))), '0');
  int carry = 5;
  for (size_t i = digits.size(); i-- > 0 && carry;) {
    const int d = digits[i] - '0' + carry;
    digits[i] = char('0' + d % 10);
    carry = d / 10;
  }
  digits.pop_back();
  const size_t split = digits.size() - size_t(kJisPlaces);
  return {std::strtoull(digits.substr(0, split).c_str(), nullptr, 10),
          std::strtoull(digits.substr(split).c_str(), nullptr, 10)};
}
#endif

// The digit `place` places after the point (0: the units digit) of the printed value.
int printedDigit(const Printed13& p, int place)
{
  if (place == 0)
    return int(p.integer % 10);
  return int(p.fraction / kPow10[kJisPlaces - place] % 10);
}

// An exact half (as far as two dropped digits tell) after an even last kept digit.
bool isHalfAfterEven(double v, int n)
{
  if (v >= 4503599627370496.0)  // 2^52 and above: integers, all fraction digits are 0
    return false;
  const Printed13 p = printedWith13Places(v);
  return printedDigit(p, n + 1) == 5 && printedDigit(p, n + 2) == 0 &&
         printedDigit(p, n) % 2 == 0;
}

}  // namespace

CRoundOff::~CRoundOff()
{
}

double CRoundOff::Omit(double dValue, int nFigure)
{
  if (nFigure > kMaxFigure || dValue == 0.0)
    return dValue;
  const int n = clampFigure(nFigure);
  return roundDecimal(nudged(dValue, n), n, Mode::CutOff);
}

double CRoundOff::Normal(double dValue, int nFigure)
{
  if (nFigure > kMaxFigure)
    return dValue;
  const int n = clampFigure(nFigure);
  return roundDecimal(nudged(dValue, n), n, Mode::Round);
}

double CRoundOff::JIS(double dValue, int nFigure)
{
  if (nFigure > kMaxFigure)
    return dValue;
  const int n = clampFigure(nFigure);
  if (dValue < 0)
    return -calcJIS(-dValue, n);
  if (dValue == 0.0)
    return dValue;
  return calcJIS(dValue, n);
}

double CRoundOff::calcJIS(double dValue, int nFigure)
{
  if (!std::isfinite(dValue))
    return dValue;  // printed without a decimal point
  if (isHalfAfterEven(dValue, nFigure))
    dValue -= std::pow(10.0, -nFigure) * 0.1;
  return Normal(dValue, nFigure);
}
