#include "AfxTime.h"

#include "AfxException.h"

#include <ctime>

struct CTime::LocalParts
{
  std::tm tm;
};

namespace
{

// The C run-time's 64-bit local-time conversions; false for times it cannot show.
bool toLocal(int64_t time, std::tm& parts)
{
#ifdef _WIN32
  const __time64_t t = time;
  return _localtime64_s(&parts, &t) == 0;
#else
  const time_t t = time_t(time);
  return localtime_r(&t, &parts) != nullptr;
#endif
}

int64_t fromLocal(std::tm& parts)
{
#ifdef _WIN32
  return _mktime64(&parts);
#else
  return int64_t(mktime(&parts));
#endif
}

}  // namespace

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
  const bool valid = nYear >= 1900 && nMonth >= 1 && nMonth <= 12 && nDay >= 1 && nDay <= 31 && nHour >= 0 &&
                     nHour <= 23 && nMin >= 0 && nMin <= 59 && nSec >= 0 && nSec <= 59;
  if (!valid)
    AfxThrowInvalidArgException();
  std::tm parts = {};
  parts.tm_year = nYear - 1900;
  parts.tm_mon = nMonth - 1;
  parts.tm_mday = nDay;
  parts.tm_hour = nHour;
  parts.tm_min = nMin;
  parts.tm_sec = nSec;
  parts.tm_isdst = nDST;
  m_time = fromLocal(parts);
  if (m_time == -1)
    AfxThrowInvalidArgException();
}

CTime AFXAPI CTime::GetCurrentTime()
{
#ifdef _WIN32
  return CTime(_time64(nullptr));
#else
  return CTime(int64_t(time(nullptr)));
#endif
}

CTime::LocalParts CTime::local() const
{
  LocalParts parts;
  if (!toLocal(m_time, parts.tm))
    AfxThrowInvalidArgException();
  return parts;
}

int CTime::GetYear() const { return local().tm.tm_year + 1900; }
int CTime::GetMonth() const { return local().tm.tm_mon + 1; }
int CTime::GetDay() const { return local().tm.tm_mday; }
int CTime::GetHour() const { return local().tm.tm_hour; }
int CTime::GetMinute() const { return local().tm.tm_min; }
int CTime::GetSecond() const { return local().tm.tm_sec; }
int CTime::GetDayOfWeek() const { return local().tm.tm_wday + 1; }

// As the framework does: a time the run-time cannot show raises the OLE exception E_INVALIDARG,
// and a result longer than the framework's 128-character buffer comes out empty.
CString CTime::Format(LPCTSTR pszFormat) const
{
  if (!pszFormat)
    AfxThrowInvalidArgException();
  std::tm parts;
  if (!toLocal(m_time, parts))
    AfxThrowOleException(E_INVALIDARG);
  char buffer[128];
  const size_t length = std::strftime(buffer, sizeof buffer, pszFormat, &parts);
  return CString(buffer, int(length));
}
