#include "RoundOff.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// The rounding keeps the first digits of the exact decimal expansion of the value, rounds at
// the first dropped digit and reads the kept digits back as the nearest double. Exact integer
// arithmetic on the mantissa replaces the digit string: at most 16 digits are ever read (15
// kept and the first dropped one), and a 128-bit product gives them for every value below
// 2^64; larger values go through a small exact multi-word conversion.

namespace
{

const int kMaxFigure = 10;
const int kMaxDigits = 15;
const double kNudge = 1e-10;
const int kJisPlaces = 13;  // the JIS test reads the value as printed with 13 decimals

const uint64_t kPow10[] = {1ull,
                           10ull,
                           100ull,
                           1000ull,
                           10000ull,
                           100000ull,
                           1000000ull,
                           10000000ull,
                           100000000ull,
                           1000000000ull,
                           10000000000ull,
                           100000000000ull,
                           1000000000000ull,
                           10000000000000ull,
                           100000000000000ull,
                           1000000000000000ull,
                           10000000000000000ull,
                           100000000000000000ull,
                           1000000000000000000ull,
                           10000000000000000000ull};
const int kMaxUint64Digits = 20;
const int kMaxUint64Shift = 11;  // a 53-bit mantissa shifted by up to 11 bits fits 64 bits

// Powers of ten that a double holds exactly.
const double kPow10Exact[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                              1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
const int kMaxExactPow10 = 22;

enum class Mode
{
  CutOff,
  Round
};

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

int clampFigure(int nFigure) { return nFigure < 0 ? 0 : nFigure; }

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

// A 128-bit product as two halves. Built from 32-bit halves so that the 32-bit library runs
// the same code as the tested 64-bit one.
struct Wide
{
  uint64_t high;
  uint64_t low;
};

Wide multiply(uint64_t a, uint64_t b)
{
  const uint64_t mask = 0xFFFFFFFFull;
  const uint64_t lowLow = (a & mask) * (b & mask);
  const uint64_t lowHigh = (a & mask) * (b >> 32);
  const uint64_t highLow = (a >> 32) * (b & mask);
  const uint64_t middle = (lowLow >> 32) + (lowHigh & mask) + (highLow & mask);
  return {(a >> 32) * (b >> 32) + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32), (middle << 32) | (lowLow & mask)};
}

// floor(w / 2^shift) for a shift of 1 or more; false when that does not fit in 64 bits.
bool shiftedDown(const Wide& w, int shift, uint64_t& result)
{
  if (shift >= 128)
  {
    result = 0;
    return true;
  }
  if (shift >= 64)
  {
    result = w.high >> (shift - 64);
    return true;
  }
  if (w.high >> shift)
    return false;
  result = (w.low >> shift) | (w.high << (64 - shift));
  return true;
}

bool bitAt(const Wide& w, int index)
{
  if (index >= 128)
    return false;
  return (index >= 64 ? w.high >> (index - 64) : w.low >> index) & 1;
}

int digitCount(uint64_t x)
{
  int count = 0;
  while (count < kMaxUint64Digits && x >= kPow10[count])
    ++count;
  return count;
}

// The digits the rounding reads, as an integer: the exact decimal expansion of the value cut
// after n + 1 places, or after its 16th significant digit when that comes first. Its last
// digit is the first dropped one and stands for 10^exponent.
struct Leading
{
  uint64_t digits;
  int exponent;
};

Leading sixteenDigits(uint64_t integer, int exponent)
{
  const int extra = digitCount(integer) - (kMaxDigits + 1);
  if (extra <= 0)
    return {integer, exponent};
  return {integer / kPow10[extra], exponent + extra};
}

// Values of 2^64 and more are integers too long for 64 bits: an exact multi-word shift,
// then the decimal digits of the result, of which the first 16 count.
Leading hugeLeading(const Binary& b)
{
  std::vector<uint32_t> limbs(size_t(b.e / 32), 0u);  // little-endian base 2^32
  const int rest = b.e % 32;
  limbs.push_back(uint32_t(b.m << rest));
  limbs.push_back(uint32_t(b.m >> (32 - rest)));
  limbs.push_back(uint32_t(rest ? b.m >> (64 - rest) : 0));
  std::string reversed;
  while (!limbs.empty())
  {
    uint64_t remainder = 0;
    for (size_t i = limbs.size(); i-- > 0;)
    {
      const uint64_t current = (remainder << 32) | limbs[i];
      limbs[i] = uint32_t(current / 1000000000u);
      remainder = current % 1000000000u;
    }
    while (!limbs.empty() && limbs.back() == 0)
      limbs.pop_back();
    for (int i = 0; i < 9; ++i, remainder /= 10)
      reversed.push_back(char('0' + remainder % 10));
  }
  while (reversed.back() == '0')
    reversed.pop_back();
  const int length = int(reversed.size());
  uint64_t digits = 0;
  for (int i = 0; i < kMaxDigits + 1; ++i)
    digits = digits * 10 + uint64_t(reversed[size_t(length - 1 - i)] - '0');
  return {digits, length - (kMaxDigits + 1)};
}

Leading leadingDigits(const Binary& b, int n)
{
  if (b.e > kMaxUint64Shift)
    return hugeLeading(b);
  if (b.e >= 0)  // an integer below 2^64
    return sixteenDigits(b.m << b.e, 0);
  uint64_t scaled = 0;
  if (shiftedDown(multiply(b.m, kPow10[n + 1]), -b.e, scaled))
    return sixteenDigits(scaled, -(n + 1));
  // Too long for 64 bits at n + 1 places (the value is above 10^8): scale to 16 digits.
  const int places = kMaxDigits + 1 - digitCount(b.m >> -b.e);
  shiftedDown(multiply(b.m, kPow10[places]), -b.e, scaled);
  return {scaled, -places};
}

double roundDecimal(double v, int n, Mode mode)
{
  if (!std::isfinite(v))
    return v;
  const Leading lead = leadingDigits(decompose(std::fabs(v)), n);
  if (lead.digits == 0)
    return 0.0;  // below every kept place: no sign either
  uint64_t kept = lead.digits / 10;
  if (mode == Mode::Round && lead.digits % 10 >= 5)
    ++kept;
  const double magnitude = fromDecimal(kept, lead.exponent + 1);
  return std::signbit(v) ? -magnitude : magnitude;
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

Printed13 printedWith13Places(double v)
{
  const Binary b = decompose(v);
  const int shift = -b.e;  // positive: v < 2^52
  const uint64_t integer = shift >= 64 ? 0 : b.m >> shift;
  const uint64_t fractionBits = shift >= 64 ? b.m : b.m & ((1ull << shift) - 1);
  const Wide scaled = multiply(fractionBits, kPow10[kJisPlaces]);
  uint64_t fraction = 0;
  shiftedDown(scaled, shift, fraction);  // below 10^13: the fraction bits are below 2^shift
  if (bitAt(scaled, shift - 1))          // the remainder is half of 2^shift or more
    ++fraction;
  if (fraction == kPow10[kJisPlaces])
    return {integer + 1, 0};
  return {integer, fraction};
}

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
  return printedDigit(p, n + 1) == 5 && printedDigit(p, n + 2) == 0 && printedDigit(p, n) % 2 == 0;
}

}  // namespace

CRoundOff::~CRoundOff() {}

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
    dValue -= 1.0 / kPow10Exact[nFigure] * 0.1;  // 10^-n as pow gives it, times 0.1
  return Normal(dValue, nFigure);
}
