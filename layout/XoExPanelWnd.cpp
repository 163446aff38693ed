#include "XoExPanelWnd.h"

IMPLEMENT_DYNAMIC(CXoExPanelWnd, CWnd)

BEGIN_MESSAGE_MAP(CXoExPanelWnd, CWnd)
END_MESSAGE_MAP()
