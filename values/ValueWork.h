// The value record of a numeric field: its value, decimals, range with open or closed bounds
// and zero ban, the unit that a typed text carried; display texts and the range message.
#pragma once
#include <afx.h>

#include "AngleUnit.h"
#include "LengthUnit.h"

class AFX_EXT_CLASS CValueWork
{
public:
  CValueWork();
  CValueWork(const CValueWork& other);
  CValueWork& operator=(const CValueWork& other);
  virtual ~CValueWork();

  double GetCxValue() const { return m_dCxValue; }
  void SetCxValue(double dValue) { m_dCxValue = dValue; }
  double GetCyValue() const { return m_dCyValue; }
  void SetCyValue(double dValue) { m_dCyValue = dValue; }
  int GetIntValue() const { return m_nIntValue; }
  double GetDblValue() const { return m_dDblValue; }
  void SetVal(double dValue) { m_dDblValue = dValue; }

  int GetFigure() const { return m_nFigure; }
  void SetFigure(int nFigure);  // kept within 0 to 10

  // No setter checks that the minimum lies below the maximum.
  int GetIntMinValue() const { return m_nIntMin; }
  int GetIntMaxValue() const { return m_nIntMax; }
  void SetMinRange(int nMin) { m_nIntMin = nMin; }
  void SetMaxRange(int nMax) { m_nIntMax = nMax; }
  void SetRange(int nMin, int nMax);
  double GetDblMinValue() const { return m_dDblMin; }
  double GetDblMaxValue() const { return m_dDblMax; }
  void SetMinRange(double dMin) { m_dDblMin = dMin; }
  void SetMaxRange(double dMax) { m_dDblMax = dMax; }
  void SetRange(double dMin, double dMax);

  bool GetNonEqualZero() const { return m_bNotEqualZero; }
  void SetNotEqualZero(bool bNot) { m_bNotEqualZero = bNot; }
  bool GetNotEqualToMinValue() const { return m_bNotEqualToMin; }
  void SetNotEqualToMinValue(bool bNot) { m_bNotEqualToMin = bNot; }
  bool GetNotEqualToMaxValue() const { return m_bNotEqualToMax; }
  void SetNotEqualToMaxValue(bool bNot) { m_bNotEqualToMax = bNot; }
  void SetOptionCheck(bool bNotZero, bool bNotMin, bool bNotMax);

  ELengthUnitType GetLenCheckType() const { return m_eLenCheckType; }
  void SetCheckType(ELengthUnitType eType) { m_eLenCheckType = eType; }
  EAngleUnitType GetAngCheckType() const { return m_eAngCheckType; }
  void SetCheckType(EAngleUnitType eType) { m_eAngCheckType = eType; }

  // Store the value and return its display text: rounded half away from zero to the figure,
  // or cut off where rounding would leave the range (9.996 with an open maximum of 10 at two
  // places shows 9.99). Values are never clamped.
  CString SetValue(int nValue);
  CString SetValue(double dValue);
  CString SetValue(double dX, double dY);  // "x, y " with the trailing blank

  bool checkRange(int nValue) const;
  bool checkRange(double dValue) const;

  // The range message for the bounds and flags, from the library's string table.
  // A bound is absent while both its forms (integer and double) hold their extreme values.
  // With both bounds absent the only ordinary refusal is a zero ban, and the message is the
  // zero-ban sentence of the table alone ("ただし 0 の入力は禁止します"): a range of
  // 309-digit numbers would tell the user nothing. Without a zero ban the upper-bound row
  // is used, with the maximum's text.
  CString displayIntErrMsg() const;
  CString displayDblErrMsg() const;
  CString displayErrMsg(CString strMin, CString strMax) const;

  // "12.340" at three places gives "12.34", "2.000" gives "2". A text that does not end in
  // a non-digit (the point) and exactly figure digits comes back unchanged.
  CString changeZeroSuppress(CString strValue) const;

  // The text without a trailing unit name (any case, names tried in table order, so "mm"
  // before "m"); the check type becomes the unit found, or else the default type.
  CString changeLenValToCheckRange(CString strValue, ELengthUnitType eDefault);
  CString changeAngValToCheckRange(CString strValue, EAngleUnitType eDefault);

  CString GetUnitString(ELengthUnitType eType) const;
  CString GetUnitString(EAngleUnitType eType) const;

private:
  bool hasUpperBound() const;
  bool hasLowerBound() const;
  double roundedInRange(double dValue) const;
  CString fixedFormat() const;
  template <typename Type>
  CString stripUnit(const CString& strValue, const Type* types, int count, Type& found) const;

  double m_dCxValue;
  double m_dCyValue;
  int m_nIntValue;
  double m_dDblValue;
  int m_nFigure;
  int m_nIntMin;
  int m_nIntMax;
  double m_dDblMin;
  double m_dDblMax;
  bool m_bNotEqualZero;
  bool m_bNotEqualToMin;
  bool m_bNotEqualToMax;
  ELengthUnitType m_eLenCheckType;
  EAngleUnitType m_eAngCheckType;
};
