// The layout message a frame sends its control bars, and what it carries: a private part of
// the framework, reached through afxpriv.h.
#pragma once
#include "AfxPlatform.h"

// Sent by RecalcLayout to each child: a bar takes its strip of the remaining rectangle.
#define WM_SIZEPARENT 0x0361

struct AFX_SIZEPARENTPARAMS
{
  HDWP hDWP;       // deferred moves, or null when only measuring
  RECT rect;       // what is left for the pane
  SIZE sizeTotal;  // the bars' total size
  BOOL bStretch;
};
