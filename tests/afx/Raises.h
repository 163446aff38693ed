// The framework throws its exceptions as pointers that the catcher must delete: these run an
// action and tell what it raised.
#pragma once
#include <afx.h>

#include <functional>

// Whether the action raised an exception of class E; inspect sees it before it is deleted.
template <class E, class Action>
bool Raises(Action act, const std::function<void(const E&)>& inspect = nullptr)
{
  try
  {
    act();
  }
  catch (E* e)
  {
    if (inspect)
      inspect(*e);
    e->Delete();
    return true;
  }
  return false;
}

// The cause of the file or archive exception that the action raised, or -1 when none was.
template <class E, class Action>
int CauseOf(Action act)
{
  int nCause = -1;
  Raises<E>(act, [&nCause](const E& e) { nCause = e.m_cause; });
  return nCause;
}
