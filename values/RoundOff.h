// Decimal rounding of doubles: cut off, half away from zero, and half to even (JIS).
// The rounding works on the exact decimal digits of the value, so that a value shown as 0.3
// is treated as 0.3 and not as the 0.29999999999999998 that the double holds.
#pragma once
#include <afx.h>

class AFX_EXT_CLASS CRoundOff
{
public:
  CRoundOff() {}
  CRoundOff(const CRoundOff&) {}
  CRoundOff& operator=(const CRoundOff&) { return *this; }
  virtual ~CRoundOff();

  // Each takes the number of decimal places: above 10 the value comes back unchanged, below 0
  // counts as 0. Below 10 places the value is first moved 1e-10 away from zero.
  // Infinities and NaN come back unchanged.
  static double Omit(double dValue, int nFigure);    // towards zero
  static double Normal(double dValue, int nFigure);  // half away from zero
  static double JIS(double dValue, int nFigure);     // half to even

private:
  static double calcJIS(double dValue, int nFigure);
};
