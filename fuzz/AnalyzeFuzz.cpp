// Any bytes through the analyser on a set with variables of each kind, one of them bound, and
// then as the expression of a new binding. Nothing may crash or leak; a text read holds only
// finite values, and a text read as plain numbers reads as atof reads it.
#include <ZuntVariable.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace
{

void require(bool bCondition)
{
  if (!bCondition)
    std::abort();
}

void fillSet(aCVariableExpression& set)
{
  set.AddVariable(new aCVarLength("WIDTH", 12.5, 1));
  set.AddVariable(new aCVarAngle("ALPHA", 30.0, 1));
  set.AddVariable(new aCVarValue("N", -4.0, 0));
  aCVarValue* pBound = new aCVarValue("TWICE", 0.0, 1);
  set.AddVariable(pBound);
  require(set.AddExprSbst(new aCSbstExpr(pBound, aCExpression("WIDTH*2"))) != 0);
}

void checkAnalysis(aCVariableExpression& set, const CString& strText)
{
  aCNumericalAnalyze analyser(&set);
  int bExpression = -1;
  if (!analyser.Analyze(strText, &bExpression))
  {
    require(analyser.GetCount() == 0 && bExpression == 0);
    return;
  }
  require(analyser.GetCount() > 0 && (bExpression == 0 || bExpression == 1));
  for (int i = 0; i < analyser.GetCount(); ++i)
    require(std::isfinite(analyser[i]));
  if (!bExpression && strText.Find(',') < 0)
    require(analyser[0] == std::atof(strText));
}

void checkBinding(aCVariableExpression& set, const CString& strText)
{
  aCVarValue* pVariable = new aCVarValue("FUZZ", 0.0, 1);
  require(set.AddVariable(pVariable) != 0);
  aCSbstExpr* pSbst = new aCSbstExpr(pVariable, aCExpression(strText));
  if (!set.AddExprSbst(pSbst))
  {
    delete pSbst;
    return;
  }
  double dValue = 0.0;
  require(set.GetValue(pVariable, dValue) && std::isfinite(dValue));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
  const CString strText(reinterpret_cast<const char*>(pData), int(nSize));
  aCVariableExpression set;
  fillSet(set);
  checkAnalysis(set, strText);
  checkBinding(set, strText);
  return 0;
}
