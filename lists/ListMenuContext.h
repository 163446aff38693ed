// An entry of the child list's context menu: a command with its text, or a separator (id 0).
// Entries with a negative id are not shown.
#pragma once
#include "BmpMenuContext.h"

class AFX_EXT_CLASS CListMenuContext : public CBmpMenuContext
{
public:
  using CBmpMenuContext::CBmpMenuContext;
};
