#include "ContextMenu.h"

namespace
{
const UINT kFlatLook = 1;
}

void ZuntUseFlatMenuLook() { CBmpMenu::SetMenuDrawMode(kFlatLook); }

void ZuntTrackContextMenu(CMenu& popup, CWnd& wnd, CPoint point, CWnd* pReceiver)
{
  if (point.x == -1 && point.y == -1)
  {
    CRect rcWindow;
    wnd.GetWindowRect(&rcWindow);
    point = rcWindow.CenterPoint();
  }
  ZuntUseFlatMenuLook();
  popup.TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, pReceiver != nullptr ? pReceiver : &wnd);
}
