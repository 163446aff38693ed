// A plain window that receives the host's document, layer and partition notifications as the
// dialog panels do.
#pragma once
#include <afxwin.h>

#include "PanelDocumentEvents.h"

class AFX_EXT_CLASS CXoExPanelWnd : public CWnd, public CPanelDocumentEvents
{
  DECLARE_DYNAMIC(CXoExPanelWnd)
  DECLARE_MESSAGE_MAP()
public:
  CXoExPanelWnd() = default;
};
