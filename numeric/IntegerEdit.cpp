#include "IntegerEdit.h"

#include <climits>
#include <cmath>
#include <cstdlib>

namespace
{
// Toward zero. Beyond the int range the nearer end stands in, which a bounded range refuses.
int TruncateToInt(double dValue)
{
  if (std::isnan(dValue))
    return 0;
  if (dValue <= INT_MIN)
    return INT_MIN;
  if (dValue >= INT_MAX)
    return INT_MAX;
  return static_cast<int>(dValue);
}

// 32-bit arithmetic that wraps like the machine's instead of overflowing.
int WrappingAdd(int nValue, int nSteps, int nIncrement)
{
  return static_cast<int>(static_cast<unsigned>(nValue) +
                          static_cast<unsigned>(nSteps) * static_cast<unsigned>(nIncrement));
}
}

IMPLEMENT_DYNAMIC(CIntegerEdit, CSpinEdit)

CIntegerEdit::CIntegerEdit() : m_nSpinInc(1) {}

CIntegerEdit::~CIntegerEdit() = default;

void CIntegerEdit::SetRange(int nMin, int nMax)
{
  m_valueWork.SetRange(nMin, nMax);
  enableSpinButton(nMin != nMax);
}

void CIntegerEdit::SetValue(int nValue)
{
  InitNumExpression();
  setWindowText(m_valueWork.SetValue(nValue));
}

void CIntegerEdit::SetValue(int const& nValue, CString const& strExpression)
{
  if (strExpression.IsEmpty())
  {
    SetValue(nValue);
    return;
  }
  m_valueWork.SetValue(nValue);
  showNumExpression(strExpression);
  // Out of range stays shown; the next validation refuses it with the message.
  m_bModified = !m_valueWork.checkRange(nValue);
}

bool CIntegerEdit::Set(double dValue, bool bCheck, bool bQuiet) { return Set(TruncateToInt(dValue), bCheck, bQuiet); }

bool CIntegerEdit::Set(int nValue, bool bCheck, bool bQuiet)
{
  if (!admit(!bCheck || checkRange(static_cast<double>(nValue)), bQuiet))
    return false;
  SetValue(nValue);
  return true;
}

void CIntegerEdit::OnDeltapos(NMHDR* pNMHDR, LRESULT* pResult)
{
  *pResult = 0;
  if (pNMHDR == nullptr)
    return;
  CString strText;
  GetWindowText(strText);
  if (!isSteppable(strText, "0123456789"))
    return;
  int nCurrent = atoi(strText);
  stepTo(nCurrent, WrappingAdd(nCurrent, stepCount(pNMHDR), m_nSpinInc));
}

bool CIntegerEdit::checkRange(double dValue) { return m_valueWork.checkRange(TruncateToInt(dValue)); }

void CIntegerEdit::PreAnalyze() { InitNumExpression(); }

CString CIntegerEdit::changeValueToCheckRange(CString strValue) { return strValue; }

void CIntegerEdit::displayErrMsg() { AfxMessageBox(m_valueWork.displayIntErrMsg(), MB_OK, 0); }
