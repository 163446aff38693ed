// The framework's private header: the docking internals that bars with docking of their own
// build on (dock bars, the drag context, the floating frame, the layout message).
#pragma once
#include "afxext.h"
#include "AfxPrivateMessages.h"
#include "AfxDockBar.h"
#include "AfxDockContext.h"
#include "AfxMiniFrameWnd.h"
