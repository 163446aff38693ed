// The framework's extension-DLL header: what an extension library and its hosts include.
#pragma once
#include "afxwin.h"
#include "AfxControlBar.h"
#include "AfxDockBar.h"
#include "AfxDockContext.h"
#include "AfxMiniFrameWnd.h"
