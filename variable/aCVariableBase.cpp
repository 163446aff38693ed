#include "aCVariableBase.h"

#include "aCNumericalAnalyze.h"

IMPLEMENT_DYNAMIC(aCVariableBase, CObject)
IMPLEMENT_DYNAMIC(aCVarLength, aCVariableBase)
IMPLEMENT_DYNAMIC(aCVarAngle, aCVariableBase)
IMPLEMENT_DYNAMIC(aCVarValue, aCVariableBase)

aCVariableBase::aCVariableBase(const CString& strName, double dValue, int nUserDefined)
    : m_strName(strName), m_dValue(dValue), m_nUserDefined(nUserDefined)
{
  m_strName.MakeUpper();
}

aCVariableBase::~aCVariableBase() {}

bool aCVariableBase::IsNameStart(char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || ch == '_'; }

bool aCVariableBase::IsNamePart(char ch) { return IsNameStart(ch) || (ch >= '0' && ch <= '9'); }

int aCVariableBase::IsNameValid(const CString& strName)
{
  const int nLength = strName.GetLength();
  if (nLength < 1 || nLength > MAX_NAME_LENGTH || !IsNameStart(strName[0]))
    return 0;
  for (int i = 1; i < nLength; ++i)
    if (!IsNamePart(strName[i]))
      return 0;
  return !aCNumericalAnalyze::IsReservedName(strName);
}

aCVarLength::aCVarLength(const CString& strName, double dValue, int nUserDefined)
    : aCVariableBase(strName, dValue, nUserDefined)
{}

aCVarLength::~aCVarLength() {}

aCVarAngle::aCVarAngle(const CString& strName, double dValue, int nUserDefined)
    : aCVariableBase(strName, dValue, nUserDefined)
{}

aCVarAngle::~aCVarAngle() {}

aCVarValue::aCVarValue(const CString& strName, double dValue, int nUserDefined)
    : aCVariableBase(strName, dValue, nUserDefined)
{}

aCVarValue::~aCVarValue() {}
