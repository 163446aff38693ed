#include "aCExpression.h"

#include "aCNumericalAnalyze.h"

aCExpression::aCExpression(const CString& strText) : m_strText(strText) {}

aCExpression::~aCExpression() {}

BOOL aCExpression::Evaluate(const aCVariableExpression* pVarExp, double& dValue) const
{
  // The analyser only reads the set.
  aCNumericalAnalyze analyser(const_cast<aCVariableExpression*>(pVarExp));
  int bExpression = 0;
  if (!analyser.Analyze(m_strText, &bExpression) || analyser.GetCount() != 1)
    return FALSE;
  dValue = analyser[0];
  return TRUE;
}

IMPLEMENT_DYNAMIC(aCEquSbst, CObject)

aCEquSbst::aCEquSbst(aCVariableBase* pVariable) : m_pVariable(pVariable) {}

aCEquSbst::~aCEquSbst() {}

BOOL aCEquSbst::Evaluate(const aCVariableExpression* pVarExp, double& dValue) const
{
  if (m_bEvaluating)
    return FALSE;
  struct Mark
  {
    bool& flag;
    explicit Mark(bool& f) : flag(f) { flag = true; }
    ~Mark() { flag = false; }
  } mark(m_bEvaluating);
  return evaluate(pVarExp, dValue);
}

IMPLEMENT_DYNAMIC(aCSbstExpr, aCEquSbst)

aCSbstExpr::aCSbstExpr(aCVariableBase* pVariable, const aCExpression& expression)
    : aCEquSbst(pVariable), m_expression(expression)
{}

aCSbstExpr::~aCSbstExpr() {}

BOOL aCSbstExpr::evaluate(const aCVariableExpression* pVarExp, double& dValue) const
{
  return m_expression.Evaluate(pVarExp, dValue);
}
