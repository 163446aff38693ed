// A named variable: a length, an angle or a general value. Values are plain numbers in the
// host's units; the library does not convert them.
#pragma once
#include <afx.h>

#include "ZuntVariableApi.h"

class ZUNTVARIABLE_API aCVariableBase : public CObject
{
  DECLARE_DYNAMIC(aCVariableBase)
public:
  enum
  {
    MAX_NAME_LENGTH = 31
  };

  ~aCVariableBase() override;

  // Kept in upper case: names are compared without regard to case.
  const CString& GetName() const { return m_strName; }
  double GetValue() const { return m_dValue; }
  void SetValue(double dValue) { m_dValue = dValue; }
  // Defined by the user (the add dialog passes 1) rather than by the application (0).
  BOOL IsUserDefined() const { return m_nUserDefined != 0; }

  // Nonzero for a name of 1 to MAX_NAME_LENGTH ASCII letters, digits and '_' that does not
  // start with a digit and is not a function or constant name of the analyser.
  static int IsNameValid(const CString& strName);
  static bool IsNameStart(char ch);
  static bool IsNamePart(char ch);

protected:
  aCVariableBase(const CString& strName, double dValue, int nUserDefined);

private:
  CString m_strName;
  double m_dValue;
  int m_nUserDefined;
};

class ZUNTVARIABLE_API aCVarLength : public aCVariableBase
{
  DECLARE_DYNAMIC(aCVarLength)
public:
  aCVarLength(const CString& strName, double dValue, int nUserDefined);
  ~aCVarLength() override;
};

class ZUNTVARIABLE_API aCVarAngle : public aCVariableBase
{
  DECLARE_DYNAMIC(aCVarAngle)
public:
  aCVarAngle(const CString& strName, double dValue, int nUserDefined);
  ~aCVarAngle() override;
};

class ZUNTVARIABLE_API aCVarValue : public aCVariableBase
{
  DECLARE_DYNAMIC(aCVarValue)
public:
  aCVarValue(const CString& strName, double dValue, int nUserDefined);
  ~aCVarValue() override;
};
