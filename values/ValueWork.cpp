#include "ValueWork.h"

#include "LibraryText.h"
#include "Resource.h"
#include "RoundOff.h"

#include <cfloat>
#include <climits>

namespace
{

const int kMaxFigure = 10;
const int kDefaultFigure = 6;

const ELengthUnitType kLengthUnits[] = {LENGTH_UNIT_MM,   LENGTH_UNIT_CM,   LENGTH_UNIT_M,
                                        LENGTH_UNIT_INCH, LENGTH_UNIT_FEET, LENGTH_UNIT_YARD};
const UINT kLengthUnitNames[] = {IDS_UNIT_MM, IDS_UNIT_CM, IDS_UNIT_M, IDS_UNIT_IN, IDS_UNIT_FE, IDS_UNIT_YA};
const EAngleUnitType kAngleUnits[] = {ANGLE_UNIT_DEG, ANGLE_UNIT_RAD};
const UINT kAngleUnitNames[] = {IDS_UNIT_DEG, IDS_UNIT_RAD};

template <typename Type>
CString unitName(Type eType, const Type* types, const UINT* ids, int count)
{
  for (int i = 0; i < count; ++i)
    if (types[i] == eType)
      return LoadLibraryText(ids[i], LIBRARY_TEXT_UNIT);
  return CString();
}

// Whether the text ends in the name, compared without case, at a character boundary: the
// trail byte of a double-byte character may look like a letter (ム is 0x83 0x6D, "m").
bool endsWithName(const CString& strText, const CString& strName)
{
  const int start = strText.GetLength() - strName.GetLength();
  int i = 0;
  while (i < start)
    i += ::IsDBCSLeadByte(BYTE(strText[i])) ? 2 : 1;
  return i == start && strText.Mid(start).CompareNoCase(strName) == 0;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the text ends in a non-digit (the point) followed by exactly nDigits digits.
bool endsInFraction(const CString& strText, int nDigits)
{
  const int point = strText.GetLength() - nDigits - 1;
  if (point < 0 || isDigit(strText[point]))
    return false;
  for (int i = point + 1; i < strText.GetLength(); ++i)
    if (!isDigit(strText[i]))
      return false;
  return true;
}

bool isZero(int n) { return n == 0; }

bool isZero(double d) { return d == 0.0; }

template <typename Value>
bool isPermitted(Value v, Value min, Value max, bool notZero, bool notMin, bool notMax)
{
  if (v < min || v > max)
    return false;
  if (notZero && isZero(v))
    return false;
  return !(notMin && v == min) && !(notMax && v == max);
}

}  // namespace

CValueWork::CValueWork()
    : m_dCxValue(0.0), m_dCyValue(0.0), m_nIntValue(0), m_dDblValue(0.0), m_nFigure(kDefaultFigure), m_nIntMin(INT_MIN),
      m_nIntMax(INT_MAX), m_dDblMin(-DBL_MAX), m_dDblMax(DBL_MAX), m_bNotEqualZero(false), m_bNotEqualToMin(false),
      m_bNotEqualToMax(false), m_eLenCheckType(LENGTH_UNIT_MM), m_eAngCheckType(ANGLE_UNIT_DEG)
{}

CValueWork::CValueWork(const CValueWork& other) = default;
CValueWork& CValueWork::operator=(const CValueWork& other) = default;

CValueWork::~CValueWork() {}

void CValueWork::SetFigure(int nFigure) { m_nFigure = nFigure < 0 ? 0 : (nFigure > kMaxFigure ? kMaxFigure : nFigure); }

void CValueWork::SetRange(int nMin, int nMax)
{
  m_nIntMin = nMin;
  m_nIntMax = nMax;
}

void CValueWork::SetRange(double dMin, double dMax)
{
  m_dDblMin = dMin;
  m_dDblMax = dMax;
}

void CValueWork::SetOptionCheck(bool bNotZero, bool bNotMin, bool bNotMax)
{
  m_bNotEqualZero = bNotZero;
  m_bNotEqualToMin = bNotMin;
  m_bNotEqualToMax = bNotMax;
}

bool CValueWork::checkRange(int nValue) const
{
  return isPermitted(nValue, m_nIntMin, m_nIntMax, m_bNotEqualZero, m_bNotEqualToMin, m_bNotEqualToMax);
}

bool CValueWork::checkRange(double dValue) const
{
  return isPermitted(dValue, m_dDblMin, m_dDblMax, m_bNotEqualZero, m_bNotEqualToMin, m_bNotEqualToMax);
}

// A bound is present when either of its forms has left its extreme value.
bool CValueWork::hasUpperBound() const { return m_nIntMax != INT_MAX || m_dDblMax != DBL_MAX; }

bool CValueWork::hasLowerBound() const { return m_nIntMin != INT_MIN || m_dDblMin != -DBL_MAX; }

CString CValueWork::SetValue(int nValue)
{
  m_nIntValue = nValue;
  const CString strFormat = LoadLibraryText(IDS_FORMAT_INTEGER, LIBRARY_TEXT_LONG);
  if (strFormat.IsEmpty())
    return _T("0");
  CString strValue;
  strValue.Format(strFormat, nValue);
  return strValue;
}

double CValueWork::roundedInRange(double dValue) const
{
  const double rounded = CRoundOff::Normal(dValue, m_nFigure);
  return checkRange(rounded) ? rounded : CRoundOff::Omit(dValue, m_nFigure);
}

// "%.<figure>f" built from the table's format builder; empty when that cannot be loaded.
CString CValueWork::fixedFormat() const
{
  const CString strBuilder = LoadLibraryText(IDS_FORMAT_FIXED, LIBRARY_TEXT_LONG);
  if (strBuilder.IsEmpty())
    return CString();
  CString strFormat;
  strFormat.Format(strBuilder, m_nFigure);
  return strFormat;
}

CString CValueWork::SetValue(double dValue)
{
  m_dDblValue = dValue;
  const CString strFormat = fixedFormat();
  if (strFormat.IsEmpty())
    return _T("0.0");
  CString strValue;
  strValue.Format(strFormat, roundedInRange(dValue));
  return strValue;
}

CString CValueWork::SetValue(double dX, double dY)
{
  m_dCxValue = dX;
  m_dCyValue = dY;
  const CString strBuilder = LoadLibraryText(IDS_FORMAT_COORD, LIBRARY_TEXT_LONG);
  if (strBuilder.IsEmpty())
    return _T("0.0");
  CString strFormat;
  strFormat.Format(strBuilder, m_nFigure, m_nFigure);
  CString strValue;
  strValue.Format(strFormat, roundedInRange(dX), roundedInRange(dY));
  return strValue;
}

CString CValueWork::displayErrMsg(CString strMin, CString strMax) const
{
  const int zero = m_bNotEqualZero ? 1 : 0;
  const int lowOpen = m_bNotEqualToMin ? 1 : 0;
  const int highOpen = m_bNotEqualToMax ? 1 : 0;
  const bool lower = hasLowerBound();
  const bool upper = hasUpperBound();
  if (!lower && !upper && m_bNotEqualZero)
  {
    const CString strZeroOnly = LoadLibraryText(IDS_RANGE_MIN_LE_NONZERO, LIBRARY_TEXT_LONG);
    if (strZeroOnly.IsEmpty())
      return _T("Error!!");
    return strZeroOnly.Mid(strZeroOnly.Find('\n') + 1);
  }
  UINT nID;
  if (lower && upper)
    nID = IDS_RANGE_LE_LE + zero + 2 * lowOpen + 4 * highOpen;
  else if (lower)
    nID = IDS_RANGE_MIN_LE + zero + 2 * lowOpen;
  else
    nID = IDS_RANGE_MAX_LE + zero + 2 * highOpen;
  const CString strFormat = LoadLibraryText(nID, LIBRARY_TEXT_LONG);
  if (strFormat.IsEmpty())
    return _T("Error!!");
  CString strMessage;
  if (lower && upper)
    strMessage.Format(strFormat, (LPCTSTR)strMin, (LPCTSTR)strMax);
  else
    strMessage.Format(strFormat, lower ? (LPCTSTR)strMin : (LPCTSTR)strMax);
  return strMessage;
}

CString CValueWork::displayIntErrMsg() const
{
  const CString strFormat = LoadLibraryText(IDS_FORMAT_INTEGER, LIBRARY_TEXT_LONG);
  if (strFormat.IsEmpty())
    return _T("Error!");
  CString strMin, strMax;
  strMin.Format(strFormat, m_nIntMin);
  strMax.Format(strFormat, m_nIntMax);
  return displayErrMsg(strMin, strMax);
}

CString CValueWork::displayDblErrMsg() const
{
  const CString strFormat = fixedFormat();
  if (strFormat.IsEmpty())
    return _T("Error!");
  CString strMin, strMax;
  strMin.Format(strFormat, m_dDblMin);
  strMax.Format(strFormat, m_dDblMax);
  return displayErrMsg(changeZeroSuppress(strMin), changeZeroSuppress(strMax));
}

CString CValueWork::changeZeroSuppress(CString strValue) const
{
  const int n = m_nFigure;
  const int length = strValue.GetLength();
  if (n == 0 || !endsInFraction(strValue, n))
    return strValue;
  int kept = n;
  while (kept > 0 && strValue[length - n + kept - 1] == '0')
    --kept;
  if (kept == 0)
    return strValue.Left(length - n - 1);
  return strValue.Left(length - n + kept);
}

CString CValueWork::GetUnitString(ELengthUnitType eType) const
{
  return unitName(eType, kLengthUnits, kLengthUnitNames, LENGTH_UNIT_COUNT);
}

CString CValueWork::GetUnitString(EAngleUnitType eType) const
{
  return unitName(eType, kAngleUnits, kAngleUnitNames, ANGLE_UNIT_COUNT);
}

template <typename Type>
CString CValueWork::stripUnit(const CString& strValue, const Type* types, int count, Type& found) const
{
  CString strTrimmed = strValue;
  strTrimmed.TrimRight();
  for (int i = 0; i < count; ++i)
  {
    const CString strName = GetUnitString(types[i]);
    if (strName.IsEmpty() || strName.GetLength() >= strTrimmed.GetLength())
      continue;
    if (endsWithName(strTrimmed, strName))
    {
      found = types[i];
      return strTrimmed.Left(strTrimmed.GetLength() - strName.GetLength());
    }
  }
  return strValue;
}

CString CValueWork::changeLenValToCheckRange(CString strValue, ELengthUnitType eDefault)
{
  m_eLenCheckType = eDefault;
  return stripUnit(strValue, kLengthUnits, LENGTH_UNIT_COUNT, m_eLenCheckType);
}

CString CValueWork::changeAngValToCheckRange(CString strValue, EAngleUnitType eDefault)
{
  m_eAngCheckType = eDefault;
  return stripUnit(strValue, kAngleUnits, ANGLE_UNIT_COUNT, m_eAngCheckType);
}
