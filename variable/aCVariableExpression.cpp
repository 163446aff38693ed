#include "aCVariableExpression.h"

IMPLEMENT_DYNAMIC(aCVariableExpression, CObject)

aCVariableExpression::aCVariableExpression() {}

aCVariableExpression::~aCVariableExpression()
{
  // Substitutions point at variables: free them first.
  while (!m_sbsts.IsEmpty())
    delete m_sbsts.RemoveHead();
  for (aCVariableList& list : m_lists)
    while (!list.IsEmpty())
      delete list.RemoveHead();
}

aCVariableList* aCVariableExpression::GetVariableList(int nKind)
{
  return nKind >= 0 && nKind < KIND_COUNT ? &m_lists[nKind] : nullptr;
}

const aCVariableList* aCVariableExpression::GetVariableList(int nKind) const
{
  return const_cast<aCVariableExpression*>(this)->GetVariableList(nKind);
}

int aCVariableExpression::AddVariable(aCVarLength* pVariable) { return addVariable(KIND_LENGTH, pVariable); }

int aCVariableExpression::AddVariable(aCVarAngle* pVariable) { return addVariable(KIND_ANGLE, pVariable); }

int aCVariableExpression::AddVariable(aCVarValue* pVariable) { return addVariable(KIND_VALUE, pVariable); }

int aCVariableExpression::addVariable(int nKind, aCVariableBase* pVariable)
{
  if (!pVariable || !aCVariableBase::IsNameValid(pVariable->GetName()) || IsVariableExist(pVariable->GetName()))
    return 0;
  m_lists[nKind].AddTail(pVariable);
  return 1;
}

int aCVariableExpression::IsVariableExist(const CString& strName) const { return FindVariable(strName) != nullptr; }

aCVariableBase* aCVariableExpression::FindVariable(const CString& strName) const
{
  for (const aCVariableList& list : m_lists)
    for (POSITION pos = list.GetHeadPosition(); pos;)
    {
      aCVariableBase* pVariable = list.GetNext(pos);
      if (pVariable && pVariable->GetName().CompareNoCase(strName) == 0)
        return pVariable;
    }
  return nullptr;
}

bool aCVariableExpression::holds(const aCVariableBase* pVariable) const
{
  for (const aCVariableList& list : m_lists)
    for (POSITION pos = list.GetHeadPosition(); pos;)
      if (list.GetNext(pos) == pVariable)
        return true;
  return false;
}

int aCVariableExpression::AddExprSbst(aCEquSbst* pSbst)
{
  if (!pSbst || !pSbst->GetVariable() || !holds(pSbst->GetVariable()) || FindExprSbst(pSbst->GetVariable()))
    return 0;
  // Bound on trial, then read by name as a field would: a cycle comes back to the
  // substitution itself and fails, and so does a chain too deep to read.
  m_sbsts.AddTail(pSbst);
  double dValue = 0.0;
  if (!aCExpression(pSbst->GetVariable()->GetName()).Evaluate(this, dValue))
  {
    m_sbsts.RemoveTail();
    return 0;
  }
  return 1;
}

const aCEquSbst* aCVariableExpression::FindExprSbst(const aCVariableBase* pVariable) const
{
  for (POSITION pos = m_sbsts.GetHeadPosition(); pos;)
  {
    const aCEquSbst* pSbst = m_sbsts.GetNext(pos);
    if (pSbst->GetVariable() == pVariable)
      return pSbst;
  }
  return nullptr;
}

BOOL aCVariableExpression::GetValue(const aCVariableBase* pVariable, double& dValue) const
{
  if (!pVariable)
    return FALSE;
  if (const aCEquSbst* pSbst = FindExprSbst(pVariable))
    return pSbst->Evaluate(this, dValue);
  dValue = pVariable->GetValue();
  return TRUE;
}
