#include "aCNumericalAnalyze.h"

#include "aCVariableBase.h"
#include "aCVariableExpression.h"

#include <charconv>
#include <cmath>
#include <exception>

namespace
{

const double kPi = 3.14159265358979323846;
const double kRadiansPerDegree = kPi / 180.0;
const char kPiName[] = "PI";

double sinDegrees(double d) { return std::sin(d * kRadiansPerDegree); }
double cosDegrees(double d) { return std::cos(d * kRadiansPerDegree); }
double tanDegrees(double d) { return std::tan(d * kRadiansPerDegree); }
double asinDegrees(double d) { return std::asin(d) / kRadiansPerDegree; }
double acosDegrees(double d) { return std::acos(d) / kRadiansPerDegree; }
double atanDegrees(double d) { return std::atan(d) / kRadiansPerDegree; }
double squareRoot(double d) { return std::sqrt(d); }
double absolute(double d) { return std::fabs(d); }

struct Function
{
  const char* pszName;
  double (*pfnApply)(double);
};

const Function kFunctions[] = {
    {"SIN", sinDegrees},   {"COS", cosDegrees},   {"TAN", tanDegrees},  {"ASIN", asinDegrees},
    {"ACOS", acosDegrees}, {"ATAN", atanDegrees}, {"SQRT", squareRoot}, {"ABS", absolute},
};

const Function* findFunction(const CString& strName)
{
  for (const Function& function : kFunctions)
    if (strName.CompareNoCase(function.pszName) == 0)
      return &function;
  return nullptr;
}

// How deep the current thread's reading is nested. Reading a bound variable reads its
// expression with a new analyser, so the count is per thread, not per reader.
thread_local int t_nNesting = 0;

class CNesting
{
public:
  CNesting() { ++t_nNesting; }
  ~CNesting() { --t_nNesting; }
  CNesting(const CNesting&) = delete;
  CNesting& operator=(const CNesting&) = delete;
  bool IsTooDeep() const { return t_nNesting > aCNumericalAnalyze::MAX_NESTING; }
};

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Only finite results are values.
bool keep(double dResult, double& dValue)
{
  if (!std::isfinite(dResult))
    return false;
  dValue = dResult;
  return true;
}

// dValue = dValue operator dRight, when the result is finite.
bool operate(char chOperator, double& dValue, double dRight)
{
  switch (chOperator)
  {
  case '+':
    return keep(dValue + dRight, dValue);
  case '-':
    return keep(dValue - dRight, dValue);
  case '*':
    return keep(dValue * dRight, dValue);
  case '/':
    return dRight != 0.0 && keep(dValue / dRight, dValue);
  default:
    return keep(std::pow(dValue, dRight), dValue);
  }
}

// Recursive descent over the bytes of the text. Each step returns false at the first error;
// the reader is then abandoned.
class CReader
{
public:
  CReader(const CString& strText, const aCVariableExpression* pVarExp)
      : m_p(strText.GetString()), m_pEnd(m_p + strText.GetLength()), m_pVarExp(pVarExp)
  {}

  bool ReadItems(CArray<double, double>& values, bool& bExpression)
  {
    bExpression = false;
    do
    {
      double dValue = 0.0;
      const bool bPlain = readPlainNumber(dValue);
      if (!bPlain && !readSum(dValue))
        return false;
      bExpression = bExpression || !bPlain;
      values.Add(dValue);
    } while (take(','));
    return m_p == m_pEnd;
  }

private:
  bool atEnd() const { return m_p == m_pEnd; }
  bool at(char ch) const { return !atEnd() && *m_p == ch; }

  void skipBlanks()
  {
    while (at(' ') || at('\t'))
      ++m_p;
  }

  bool take(char ch)
  {
    skipBlanks();
    if (!at(ch))
      return false;
    ++m_p;
    return true;
  }

  // The next character when it is one of the given ones, else 0 and nothing is taken.
  char takeOneOf(const char* pszCharacters)
  {
    for (const char* p = pszCharacters; *p; ++p)
      if (take(*p))
        return *p;
    return 0;
  }

  int skipDigits()
  {
    const char* pStart = m_p;
    while (!atEnd() && isDigit(*m_p))
      ++m_p;
    return int(m_p - pStart);
  }

  // A sign directly before a number, blanks around, and nothing else in the item.
  bool readPlainNumber(double& dValue)
  {
    const char* pStart = m_p;
    skipBlanks();
    const bool bNegative = at('-');
    if (bNegative || at('+'))
      ++m_p;
    if (readNumber(dValue))
    {
      skipBlanks();
      if (atEnd() || at(','))
      {
        dValue = bNegative ? -dValue : dValue;
        return true;
      }
    }
    m_p = pStart;
    return false;
  }

  bool readSum(double& dValue) { return readOperations(dValue, "+-", &CReader::readProduct); }
  bool readProduct(double& dValue) { return readOperations(dValue, "*/", &CReader::readSigned); }

  // Operands joined by operators of one precedence, from left to right.
  bool readOperations(double& dValue, const char* pszOperators, bool (CReader::*pfnOperand)(double&))
  {
    if (!(this->*pfnOperand)(dValue))
      return false;
    char chOperator = 0;
    while ((chOperator = takeOneOf(pszOperators)) != 0)
    {
      double dRight = 0.0;
      if (!(this->*pfnOperand)(dRight) || !operate(chOperator, dValue, dRight))
        return false;
    }
    return true;
  }

  // Every nested reading passes here, so the nesting limit is kept here.
  bool readSigned(double& dValue)
  {
    const CNesting nesting;
    if (nesting.IsTooDeep())
      return false;
    if (take('-'))
    {
      if (!readSigned(dValue))
        return false;
      dValue = -dValue;
      return true;
    }
    if (take('+'))
      return readSigned(dValue);
    return readPower(dValue);
  }

  // The exponent may carry a sign and is read first: ^ is right-associative.
  bool readPower(double& dValue)
  {
    if (!readPrimary(dValue))
      return false;
    if (!take('^'))
      return true;
    double dExponent = 0.0;
    return readSigned(dExponent) && operate('^', dValue, dExponent);
  }

  bool readPrimary(double& dValue)
  {
    if (take('('))
      return readSum(dValue) && take(')');
    if (atEnd())
      return false;
    if (isDigit(*m_p) || *m_p == '.')
      return readNumber(dValue);
    if (aCVariableBase::IsNameStart(*m_p))
      return readName(dValue);
    return false;
  }

  // Digits with an optional fraction, then an exponent if digits follow its letter.
  bool readNumber(double& dValue)
  {
    const char* pStart = m_p;
    int nDigits = skipDigits();
    if (at('.'))
    {
      ++m_p;
      nDigits += skipDigits();
    }
    if (nDigits == 0)
    {
      m_p = pStart;
      return false;
    }
    const char* pMantissaEnd = m_p;
    if (at('e') || at('E'))
    {
      ++m_p;
      if (at('+') || at('-'))
        ++m_p;
      if (skipDigits() == 0)
        m_p = pMantissaEnd;
    }
    // Locale-independent; a number beyond the range of a double is refused.
    const std::from_chars_result result = std::from_chars(pStart, m_p, dValue);
    return result.ec == std::errc() && result.ptr == m_p;
  }

  bool readName(double& dValue)
  {
    const char* pStart = m_p;
    while (!atEnd() && aCVariableBase::IsNamePart(*m_p))
      ++m_p;
    const CString strName(pStart, int(m_p - pStart));
    if (const Function* pFunction = findFunction(strName))
    {
      double dArgument = 0.0;
      return take('(') && readSum(dArgument) && take(')') && keep(pFunction->pfnApply(dArgument), dValue);
    }
    if (strName.CompareNoCase(kPiName) == 0)
    {
      dValue = kPi;
      return true;
    }
    const aCVariableBase* pVariable = m_pVarExp ? m_pVarExp->FindVariable(strName) : nullptr;
    double dVariable = 0.0;
    return pVariable && m_pVarExp->GetValue(pVariable, dVariable) && keep(dVariable, dValue);
  }

  const char* m_p;
  const char* const m_pEnd;
  const aCVariableExpression* const m_pVarExp;
};

}  // namespace

aCNumericalAnalyze::aCNumericalAnalyze(aCVariableExpression* pVarExp) : m_pVarExp(pVarExp) {}

aCNumericalAnalyze::~aCNumericalAnalyze() {}

int aCNumericalAnalyze::Analyze(const CString& strText, int* pbExpression)
{
  m_adValues.RemoveAll();
  bool bRead = false;
  bool bExpression = false;
  try
  {
    bRead = CReader(strText, m_pVarExp).ReadItems(m_adValues, bExpression);
  }
  catch (CException* e)
  {
    e->Delete();
  }
  catch (const std::exception&)
  {}
  if (!bRead)
    m_adValues.RemoveAll();
  if (pbExpression)
    *pbExpression = bRead && bExpression;
  return bRead;
}

int aCNumericalAnalyze::GetCount() const { return int(m_adValues.GetSize()); }

double aCNumericalAnalyze::operator[](int nIndex) const { return m_adValues.GetAt(nIndex); }

BOOL aCNumericalAnalyze::IsReservedName(const CString& strName)
{
  return findFunction(strName) || strName.CompareNoCase(kPiName) == 0;
}
