// The analyser: reads a text into numbers, knowing the variable set (which may be null).
//
// A text is one or more items separated by commas; each item is a number or an expression:
// - numbers are decimal, with an optional fraction and exponent: 12, 1.5, .5, 5., 2E-3;
// - operators + - * / ^ with the usual precedence; ^ binds tightest and to the right
//   (2^3^2 is 512, -2^2 is -4, 2^-1 is 0.5); a leading + or - is a sign;
// - parentheses;
// - the functions SIN, COS, TAN (argument in degrees), ASIN, ACOS, ATAN (result in degrees),
//   SQRT and ABS, each with one argument in parentheses, and the constant PI;
// - names of the set's variables; a variable bound to an expression reads as its value now.
// Names of functions, the constant and variables are read without regard to case. Blanks may
// stand between tokens.
//
// A text is refused (Analyze returns 0 and no value is held) when an item is empty, a name is
// unknown, something follows an item other than a comma, parentheses do not pair, a number
// overflows a double, a result is not finite (division by zero, SQRT(-1)...), or parentheses,
// signs and powers nest deeper than MAX_NESTING (bound variables count their own nesting).
// There is no implicit multiplication, so a number followed by a unit name ("5cm", "2 m") is
// refused and the numeric fields can strip the unit and try again.
//
// The expression flag is 0 when every item is a plain number: a sign directly before a number
// and blanks around it ("-5", " 1e3 "), which atof reads to the same value. Anything else is an
// expression.
#pragma once
#include <afxcoll.h>
#include <afxtempl.h>

#include "ZuntVariableApi.h"

class aCVariableExpression;

class ZUNTVARIABLE_API aCNumericalAnalyze
{
public:
  enum
  {
    MAX_NESTING = 100
  };

  explicit aCNumericalAnalyze(aCVariableExpression* pVarExp);
  virtual ~aCNumericalAnalyze();

  // Nonzero when the text reads; *pbExpression (when given) tells whether it was an
  // expression. Never throws: a text that cannot be read, or a failure while reading it,
  // gives 0.
  int Analyze(const CString& strText, int* pbExpression);
  int GetCount() const;
  // A value read by the last Analyze; an index beyond them raises CInvalidArgException.
  double operator[](int nIndex) const;

  // Names the analyser gives a meaning of its own (functions and constants), any case.
  static BOOL IsReservedName(const CString& strName);

private:
  aCNumericalAnalyze(const aCNumericalAnalyze&) = delete;
  aCNumericalAnalyze& operator=(const aCNumericalAnalyze&) = delete;

  const aCVariableExpression* m_pVarExp;  // not owned
  CArray<double, double> m_adValues;
};
