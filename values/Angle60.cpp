#include "Angle60.h"

#include "RoundOff.h"

#include <climits>
#include <cmath>
#include <cstdlib>

namespace
{

const char kDegreeMark = char(0xDF);
const char kMinuteMark = '\'';
const char kSecondMark = '"';
const int kSixty = 60;

bool isSexagesimal(int n) { return n >= 0 && n < kSixty; }

}  // namespace

CAngle60::CAngle60() : m_bSign(true), m_nDegree(0), m_nMinute(0), m_nSecond(0) { initMarks(); }

CAngle60::CAngle60(bool bSign, int nDegree, int nMinute, int nSecond)
    : m_bSign(true), m_nDegree(0), m_nMinute(0), m_nSecond(0)
{
  initMarks();
  SetAngle(bSign, nDegree, nMinute, nSecond);
}

CAngle60::CAngle60(const CString& strAngle) : m_bSign(true), m_nDegree(0), m_nMinute(0), m_nSecond(0)
{
  initMarks();
  SetAngle(strAngle);
}

CAngle60::CAngle60(const double& dDegree10, bool bRoundSecond) : m_bSign(true), m_nDegree(0), m_nMinute(0), m_nSecond(0)
{
  initMarks();
  SetAngle(dDegree10, bRoundSecond);
}

CAngle60::CAngle60(const CAngle60& other)
    : m_bSign(other.m_bSign), m_nDegree(other.m_nDegree), m_nMinute(other.m_nMinute), m_nSecond(other.m_nSecond)
{
  initMarks();
}

CAngle60::~CAngle60() {}

void CAngle60::initMarks()
{
  m_cDegreeMark = kDegreeMark;
  m_cMinuteMark = kMinuteMark;
  m_cSecondMark = kSecondMark;
}

CAngle60& CAngle60::operator=(const CAngle60& other)
{
  if (this != &other)
    SetAngle(other.m_bSign, other.m_nDegree, other.m_nMinute, other.m_nSecond);
  return *this;
}

bool CAngle60::operator==(const CAngle60& other) const
{
  return m_bSign == other.m_bSign && m_nDegree == other.m_nDegree && m_nMinute == other.m_nMinute &&
         m_nSecond == other.m_nSecond;
}

bool CAngle60::operator!=(const CAngle60& other) const { return !(*this == other); }

void CAngle60::SetAngle(bool bSign, int nDegree, int nMinute, int nSecond)
{
  m_bSign = bSign;
  m_nDegree = nDegree;
  m_nMinute = nMinute;
  m_nSecond = nSecond;
}

void CAngle60::SetAngle(const double& dDegree10, bool bRoundSecond)
{
  SetAngle(!(dDegree10 < 0), 0, 0, 0);
  if (!std::isfinite(dDegree10))
    return;
  double whole;
  const double fraction = std::modf(std::fabs(dDegree10), &whole);
  if (whole > INT_MAX)
  {  // beyond int: the largest angle it holds
    m_nDegree = INT_MAX;
    return;
  }
  m_nDegree = int(whole);
  const double minuteFraction = std::modf(fraction * kSixty, &whole);
  m_nMinute = int(whole);
  const double seconds = minuteFraction * kSixty;
  m_nSecond = int(seconds);
  if (!bRoundSecond)
    return;
  const double rounded = CRoundOff::Normal(seconds, 0);
  if (rounded < kSixty)
  {
    m_nSecond = int(rounded);
    return;
  }
  m_nSecond = 0;
  if (++m_nMinute == kSixty)
  {
    m_nMinute = 0;
    if (m_nDegree < INT_MAX)  // a carry never passes the largest int
      ++m_nDegree;
  }
}

int CAngle60::readInt(const CString& strText)
{
  const long value = std::strtol(strText, nullptr, 10);
  if (value > INT_MAX)
    return INT_MAX;
  return value < INT_MIN ? INT_MIN : int(value);
}

int CAngle60::readMagnitude(const CString& strText)
{
  const int value = readInt(strText);
  return value == INT_MIN ? INT_MAX : std::abs(value);
}

// The parser reads as far as the marks it finds and checks no ranges: "45" is 45 degrees,
// "45°30" 45 degrees 30 minutes.
void CAngle60::SetAngle(CString strAngle)
{
  strAngle.TrimLeft();
  m_bSign = strAngle.IsEmpty() || strAngle[0] != '-';
  m_nDegree = m_nMinute = m_nSecond = 0;

  CString rest = strAngle;
  const int degreeAt = strAngle.Find(m_cDegreeMark);
  if (degreeAt >= 0)
  {
    m_nDegree = readMagnitude(strAngle.Left(degreeAt));
    rest = strAngle.Mid(degreeAt + 1);
  }
  else if (strAngle.Find(m_cMinuteMark) < 0 && strAngle.Find(m_cSecondMark) < 0)
  {
    m_nDegree = readMagnitude(strAngle);
    return;
  }

  CString remainder = rest;
  const int minuteAt = rest.Find(m_cMinuteMark);
  if (minuteAt >= 0)
  {
    m_nMinute = readMagnitude(rest.Left(minuteAt));
    remainder = rest.Mid(minuteAt + 1);
  }
  else if (rest.Find(m_cSecondMark) < 0)
  {
    m_nMinute = readInt(rest);
    return;
  }

  const int secondAt = remainder.Find(m_cSecondMark);
  if (secondAt >= 0)
    m_nSecond = readMagnitude(remainder.Left(secondAt));
  else
    m_nSecond = readInt(remainder);
}

double CAngle60::GetDegree10() const
{
  if (!isSexagesimal(m_nMinute) || !isSexagesimal(m_nSecond))
    return 0.0;
  const double degrees = m_nDegree + (m_nSecond / 60.0 + m_nMinute) / 60.0;
  return m_bSign ? degrees : -degrees;
}

CString CAngle60::GetString(bool bOmitZero) const
{
  CString strAngle;
  if (!bOmitZero)
    strAngle.Format("%d%c%02d%c%02d%c", m_nDegree, m_cDegreeMark, m_nMinute, m_cMinuteMark, m_nSecond, m_cSecondMark);
  else if (m_nSecond != 0)
    strAngle.Format("%d%c%d%c%d%c", m_nDegree, m_cDegreeMark, m_nMinute, m_cMinuteMark, m_nSecond, m_cSecondMark);
  else if (m_nMinute != 0)
    strAngle.Format("%d%c%d%c", m_nDegree, m_cDegreeMark, m_nMinute, m_cMinuteMark);
  else
    strAngle.Format("%d%c", m_nDegree, m_cDegreeMark);
  return m_bSign ? strAngle : _T("-") + strAngle;
}
