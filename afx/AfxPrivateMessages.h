// The framework's private messages (the layout message a frame sends its control bars, and what
// it carries; the idle-time updates): reached through afxpriv.h, as in MFC.
#pragma once
#include "AfxPlatform.h"

// Sent at idle time to frames and control bars so that they update their command UI.
#define WM_IDLEUPDATECMDUI 0x0363
// Sent to a modal dialog whenever its loop goes idle; a non-zero result asks for more.
#define WM_KICKIDLE 0x036A

// Sent by RecalcLayout to each child: a bar takes its strip of the remaining rectangle.
#define WM_SIZEPARENT 0x0361

struct AFX_SIZEPARENTPARAMS
{
  HDWP hDWP;       // deferred moves, or null when only measuring
  RECT rect;       // what is left for the pane
  SIZE sizeTotal;  // the bars' total size
  BOOL bStretch;
};
