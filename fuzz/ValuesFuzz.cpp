// Arbitrary numbers and texts through the value record, the rounding and the angle parser:
// no crash, no undefined behaviour, and the refusals they document.
#include <Angle60.h>
#include <LengthUnit.h>
#include <RoundOff.h>
#include <ValueWork.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{

template <typename T>
T take(const uint8_t*& data, size_t& size)
{
  T value{};
  const size_t n = size < sizeof value ? size : sizeof value;
  std::memcpy(&value, data, n);
  data += n;
  size -= n;
  return value;
}

void roundEveryWay(double v, int places)
{
  const double omitted = CRoundOff::Omit(v, places);
  const double rounded = CRoundOff::Normal(v, places);
  const double even = CRoundOff::JIS(v, places);
  // Cutting off never moves away from zero more than rounding does.
  if (std::isfinite(rounded) && std::fabs(omitted) > std::fabs(rounded))
    std::abort();
  (void)even;
}

void valueRecord(double v, int places, int n, const CString& text)
{
  CValueWork work;
  work.SetFigure(places);
  work.SetRange(v, std::fabs(v));
  work.SetRange(n, n / 2);
  work.SetOptionCheck(places & 1, places & 2, places & 4);
  work.SetValue(v);
  work.SetValue(v, -v);
  work.SetValue(n);
  work.displayDblErrMsg();
  work.displayIntErrMsg();
  work.changeZeroSuppress(text);
  work.changeLenValToCheckRange(text, ELengthUnitType(n));
  work.changeAngValToCheckRange(text, EAngleUnitType(n));
  work.GetUnitString(ELengthUnitType(n));
  const CLengthUnit unit{ELengthUnitType(n)};
  unit.ConvToBaseUnit(ELengthUnitType(places), v);
}

void angle(double v, const CString& text)
{
  const CAngle60 parsed(text);
  const CAngle60 again(parsed.GetString(false));
  parsed.GetString(true);
  // Magnitudes read before a mark are never negative.
  if (again.GetDegree() < 0)
    std::abort();
  parsed.GetDegree10();
  CAngle60(v, true).GetString(true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const double v = take<double>(data, size);
  const int n = take<int>(data, size);
  const int places = n % 16 - 2;
  const CString text(reinterpret_cast<const char*>(data), int(size));
  roundEveryWay(v, places);
  valueRecord(v, places, n, text);
  angle(v, text);
  return 0;
}
