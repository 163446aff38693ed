// The variable set: three lists of variables (length, angle, general, in this order) and the
// substitutions that bind some of them to expressions. The set owns and frees both.
#pragma once
#include <afxcoll.h>
#include <afxtempl.h>

#include "aCExpression.h"
#include "aCVariableBase.h"

typedef CTypedPtrList<CPtrList, aCVariableBase*> aCVariableList;
typedef CTypedPtrList<CPtrList, aCEquSbst*> aCEquSbstList;

class ZUNTVARIABLE_API aCVariableExpression : public CObject
{
  DECLARE_DYNAMIC(aCVariableExpression)
public:
  // The kinds of variable, which are also the indexes of the lists.
  enum
  {
    KIND_LENGTH = 0,
    KIND_ANGLE = 1,
    KIND_VALUE = 2,
    KIND_COUNT = 3
  };

  aCVariableExpression();
  ~aCVariableExpression() override;

  // The list of a kind, null for any other number. Its elements belong to the set; a null
  // element is allowed and skipped. An element the host removes becomes the host's; a bound
  // variable must not be removed, its substitution stays with the set.
  aCVariableList* GetVariableList(int nKind);
  const aCVariableList* GetVariableList(int nKind) const;

  // Nonzero: the set took the variable. 0 for a null pointer, an invalid name or a name
  // that a variable of any kind has already: the caller keeps the object.
  int AddVariable(aCVarLength* pVariable);
  int AddVariable(aCVarAngle* pVariable);
  int AddVariable(aCVarValue* pVariable);

  // Names compare without regard to case.
  int IsVariableExist(const CString& strName) const;
  aCVariableBase* FindVariable(const CString& strName) const;

  // Nonzero: the set took the substitution. 0 when its variable is not in the set or is
  // bound already, or when the substitution cannot be computed now (a bad or unknown name
  // in the expression, or a cycle): the caller keeps the object.
  int AddExprSbst(aCEquSbst* pSbst);
  const aCEquSbst* FindExprSbst(const aCVariableBase* pVariable) const;

  // The value of a variable as the analyser reads it: its substitution's value when it is
  // bound, its own value otherwise. FALSE for a null variable or a substitution that cannot
  // be computed.
  BOOL GetValue(const aCVariableBase* pVariable, double& dValue) const;

private:
  int addVariable(int nKind, aCVariableBase* pVariable);
  bool holds(const aCVariableBase* pVariable) const;

  aCVariableList m_lists[KIND_COUNT];
  aCEquSbstList m_sbsts;
};
