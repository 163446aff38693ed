#include "DoubleEdit.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CDoubleEdit, CSpinEdit)

CDoubleEdit::CDoubleEdit() : m_dSpinInc(1.0) {}

CDoubleEdit::~CDoubleEdit() = default;

void CDoubleEdit::SetRange(double dMin, double dMax)
{
  m_valueWork.SetRange(dMin, dMax);
  enableSpinButton(dMin != dMax);
}

void CDoubleEdit::SetValue(double dValue)
{
  InitNumExpression();
  setWindowText(m_valueWork.SetValue(dValue));
}

void CDoubleEdit::SetValue(double const& dValue, CString const& strExpression)
{
  if (strExpression.IsEmpty())
  {
    SetValue(dValue);
    return;
  }
  m_valueWork.SetVal(dValue);
  showNumExpression(strExpression);
  // Out of range stays shown; the next validation refuses it with the message.
  m_bModified = !m_valueWork.checkRange(dValue);
}

bool CDoubleEdit::Set(double dValue, bool bCheck, bool bQuiet)
{
  if (!admit(!bCheck || checkRange(dValue), bQuiet))
    return false;
  SetValue(dValue);
  return true;
}

void CDoubleEdit::OnDeltapos(NMHDR* pNMHDR, LRESULT* pResult)
{
  *pResult = 0;
  if (pNMHDR == nullptr)
    return;
  CString strText;
  GetWindowText(strText);
  if (isSteppable(strText, "0123456789.-"))
    stepFrom(atof(strText), pNMHDR);
}

bool CDoubleEdit::checkRange(double dValue) { return m_valueWork.checkRange(dValue); }

void CDoubleEdit::PreAnalyze() { InitNumExpression(); }

CString CDoubleEdit::changeValueToCheckRange(CString strValue) { return strValue; }

void CDoubleEdit::displayErrMsg() { AfxMessageBox(m_valueWork.displayDblErrMsg(), MB_OK, 0); }
