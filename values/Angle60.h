// An angle as sign, degrees, minutes and seconds, with its text form (12°30'15") and its
// value in decimal degrees.
#pragma once
#include <afx.h>

class AFX_EXT_CLASS CAngle60
{
public:
  CAngle60();
  CAngle60(bool bSign, int nDegree, int nMinute, int nSecond);
  explicit CAngle60(const CString& strAngle);
  CAngle60(const double& dDegree10, bool bRoundSecond);
  CAngle60(const CAngle60& other);
  CAngle60& operator=(const CAngle60& other);
  bool operator==(const CAngle60& other) const;
  bool operator!=(const CAngle60& other) const;
  virtual ~CAngle60();

  void SetAngle(bool bSign, int nDegree, int nMinute, int nSecond);  // stored unchecked
  void SetAngle(CString strAngle);
  // Infinity and NaN give 0; degrees beyond int give INT_MAX degrees, 0 minutes, 0 seconds.
  void SetAngle(const double& dDegree10, bool bRoundSecond);

  // 0.0 when the minutes or the seconds lie outside 0 to 59.
  double GetDegree10() const;
  // bOmitZero leaves out zero seconds, and zero minutes before them, and does not pad.
  CString GetString(bool bOmitZero) const;

  bool GetSign() const { return m_bSign; }
  int GetDegree() const { return m_nDegree; }
  int GetMinute() const { return m_nMinute; }
  int GetSecond() const { return m_nSecond; }

private:
  void initMarks();
  // The integer that starts the text, as atoi reads it, and its absolute value.
  static int readInt(const CString& strText);
  static int readMagnitude(const CString& strText);

  bool m_bSign;  // true for zero or positive
  int m_nDegree;
  int m_nMinute;
  int m_nSecond;
  // The degree mark is the byte 0xDF, the half-width semi-voiced sound mark of code page 932,
  // which shows as a small circle there. Under another code page it shows as that page's
  // character 0xDF (in 1252: a sharp s); the byte itself never changes.
  char m_cDegreeMark;
  char m_cMinuteMark;
  char m_cSecondMark;
};
