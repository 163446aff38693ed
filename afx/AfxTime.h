// CTime: a 64-bit count of seconds since 1970 (UTC), shown in local time; CTimeSpan: a
// difference of two times in seconds.
#pragma once
#include "AfxString.h"

#include <cstdint>

class CArchive;

class ZUNTAFX_API CTimeSpan
{
public:
  CTimeSpan() : m_timeSpan(0) {}
  CTimeSpan(int64_t time) : m_timeSpan(time) {}
  CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
      : m_timeSpan(((int64_t(lDays) * 24 + nHours) * 60 + nMins) * 60 + nSecs)
  {}

  LONGLONG GetDays() const { return m_timeSpan / (24 * 3600); }
  LONGLONG GetTotalHours() const { return m_timeSpan / 3600; }
  LONGLONG GetTotalMinutes() const { return m_timeSpan / 60; }
  LONGLONG GetTotalSeconds() const { return m_timeSpan; }
  LONG GetHours() const { return LONG(GetTotalHours() - GetDays() * 24); }
  LONG GetMinutes() const { return LONG(GetTotalMinutes() - GetTotalHours() * 60); }
  LONG GetSeconds() const { return LONG(GetTotalSeconds() - GetTotalMinutes() * 60); }
  int64_t GetTimeSpan() const { return m_timeSpan; }

  CTimeSpan operator+(CTimeSpan span) const { return m_timeSpan + span.m_timeSpan; }
  CTimeSpan operator-(CTimeSpan span) const { return m_timeSpan - span.m_timeSpan; }
  bool operator==(CTimeSpan span) const { return m_timeSpan == span.m_timeSpan; }
  bool operator!=(CTimeSpan span) const { return m_timeSpan != span.m_timeSpan; }
  bool operator<(CTimeSpan span) const { return m_timeSpan < span.m_timeSpan; }
  bool operator>(CTimeSpan span) const { return m_timeSpan > span.m_timeSpan; }
  bool operator<=(CTimeSpan span) const { return m_timeSpan <= span.m_timeSpan; }
  bool operator>=(CTimeSpan span) const { return m_timeSpan >= span.m_timeSpan; }

private:
  int64_t m_timeSpan;
};

class ZUNTAFX_API CTime
{
public:
  CTime() : m_time(0) {}
  CTime(int64_t time) : m_time(time) {}
  // Local time; nDST < 0 lets the C run-time decide. A date it cannot represent raises
  // CInvalidArgException.
  CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
  static CTime AFXAPI GetCurrentTime();

  int64_t GetTime() const { return m_time; }
  int GetYear() const;
  int GetMonth() const;
  int GetDay() const;
  int GetHour() const;
  int GetMinute() const;
  int GetSecond() const;
  int GetDayOfWeek() const;  // 1 for Sunday

  // strftime formats, in local time: at most 127 characters, else empty. A time that cannot be
  // shown raises COleException (E_INVALIDARG).
  CString Format(LPCTSTR pszFormat) const;

  // The 64-bit value as 8 raw bytes (defined in AfxArchive.h).
  inline CArchive& Serialize64(CArchive& ar);

  CTime operator+(CTimeSpan span) const { return m_time + span.GetTimeSpan(); }
  CTime operator-(CTimeSpan span) const { return m_time - span.GetTimeSpan(); }
  CTimeSpan operator-(CTime time) const { return m_time - time.m_time; }
  bool operator==(CTime time) const { return m_time == time.m_time; }
  bool operator!=(CTime time) const { return m_time != time.m_time; }
  bool operator<(CTime time) const { return m_time < time.m_time; }
  bool operator>(CTime time) const { return m_time > time.m_time; }
  bool operator<=(CTime time) const { return m_time <= time.m_time; }
  bool operator>=(CTime time) const { return m_time >= time.m_time; }

private:
  struct LocalParts;
  LocalParts local() const;

  int64_t m_time;
};
