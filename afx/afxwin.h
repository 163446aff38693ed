// The framework's Windows part: modules and the resource chain, windows and message maps,
// the application, dialogs and data exchange, standard controls, menus and GDI.
#pragma once
#include "afxcoll.h"
#include "AfxModule.h"
#include "AfxDlgInit.h"
#include "AfxResourceIds.h"
#include "AfxTypes.h"
#include "AfxCmdTarget.h"
#include "AfxWnd.h"
#include "AfxMsgMap.h"
#include "AfxGdi.h"
#include "AfxDC.h"
#include "AfxMenu.h"
#include "AfxWinApp.h"
#include "AfxDialog.h"
#include "AfxDataExchange.h"
#include "AfxControls.h"
#include "AfxFrameWnd.h"
