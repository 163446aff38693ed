// An expression text, and the substitutions that bind a variable to a value computed on the
// variable set: aCEquSbst is the kind, aCSbstExpr the one bound to an expression.
#pragma once
#include <afx.h>

#include "ZuntVariableApi.h"

class aCVariableBase;
class aCVariableExpression;

class ZUNTVARIABLE_API aCExpression
{
public:
  explicit aCExpression(const CString& strText);
  virtual ~aCExpression();

  const CString& GetText() const { return m_strText; }
  // FALSE unless the text reads as exactly one value on the set (which may be null).
  BOOL Evaluate(const aCVariableExpression* pVarExp, double& dValue) const;

private:
  CString m_strText;
};

class ZUNTVARIABLE_API aCEquSbst : public CObject
{
  DECLARE_DYNAMIC(aCEquSbst)
public:
  ~aCEquSbst() override;

  aCVariableBase* GetVariable() const { return m_pVariable; }
  // The value the substitution gives its variable. FALSE when it cannot be computed, also
  // when computing it needs its own value (a cycle through bound variables).
  BOOL Evaluate(const aCVariableExpression* pVarExp, double& dValue) const;

protected:
  explicit aCEquSbst(aCVariableBase* pVariable);
  virtual BOOL evaluate(const aCVariableExpression* pVarExp, double& dValue) const = 0;

private:
  aCVariableBase* m_pVariable;  // not owned: the set owns its variables
  mutable bool m_bEvaluating = false;
};

class ZUNTVARIABLE_API aCSbstExpr : public aCEquSbst
{
  DECLARE_DYNAMIC(aCSbstExpr)
public:
  aCSbstExpr(aCVariableBase* pVariable, const aCExpression& expression);
  ~aCSbstExpr() override;

  const aCExpression& GetExpression() const { return m_expression; }

protected:
  BOOL evaluate(const aCVariableExpression* pVarExp, double& dValue) const override;

private:
  aCExpression m_expression;
};
