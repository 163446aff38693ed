#include "VariableLibrary.h"

int ZuntVariableInterfaceVersion()
{
  return 1;
}
