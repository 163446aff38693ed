// A second unit's copies of the registered messages, in the order of RegisteredMessagesTest.
#pragma once
#include <afxwin.h>

#include <vector>

std::vector<UINT> RegisteredMessagesOfOtherUnit();
