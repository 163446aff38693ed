// The gallery frame's docking bars: sizing bars at the frame's top and bottom edges, each with a list of
// sample lines that fills it, and one pin bar hidden in the auto-hide strip.
#include "Gallery.h"

#include <memory>

namespace
{
enum
{
  IDC_BAR_OUTPUT = 3001,
  IDC_BAR_MESSAGES = 3002,
  IDC_BAR_PROPERTIES = 3003,
  IDC_BAR_LAYERS = 3004
};

// The gallery's pin bar: in and out of the strip on the host's behalf.
class CGalleryPinBar : public CPinDockBar
{
public:
  void EnterAutoHide(CAutoHideBar* pStrip) override
  {
    CRect rcDocked;
    GetWindowRect(&rcDocked);
    if (m_pDockBar != nullptr)
      m_pDockBar->RemoveControlBar(this);
    m_pDockBar = nullptr;
    pStrip->AddButton("Layers", AHB_GROUPSELECT | AHB_ACTIVE, this, GetParent(), &rcDocked, this);
    autoHideStatus = true;
  }
  void LeaveAutoHide(CAutoHideBar* pStrip, BOOL) override
  {
    pStrip->RemoveButton(this);
    autoHideStatus = false;
    ShowWindow(SW_SHOWNA);
    if (m_pDockSite != nullptr)
      m_pDockSite->DockControlBar(this, AFX_IDW_DOCKBAR_LEFT);
  }
  void AfterLeaveAutoHide(BOOL) override
  {
    if (m_pDockSite != nullptr)
      m_pDockSite->RecalcLayout();
  }
  BOOL CanLeaveAutoHide() override { return autoHideStatus; }
};

// A bar with a list box that fills it.
BOOL FillWithList(CSizingControlBar& bar, CListBox& list, std::initializer_list<const char*> lines)
{
  bar.SetSCBStyle(bar.GetSCBStyle() | SCBS_SIZECHILD);
  if (!list.CreateEx(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                     CRect(0, 0, 10, 10), &bar, 1))
    return FALSE;
  list.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GalleryFont()), FALSE);
  for (const char* pszLine : lines)
    list.AddString(pszLine);
  return TRUE;
}
}

struct CGalleryDocking::SBars
{
  CSizingControlBarCF output, messages;
  CSizingControlBarG properties;
  CGalleryPinBar layers;
  CListBox outputList, messagesList, propertiesList, layersList;
  CAutoHideBar strip;
};

CGalleryDocking::CGalleryDocking() : m_pBars(new SBars) {}

CGalleryDocking::~CGalleryDocking() { delete m_pBars; }

BOOL CGalleryDocking::Create(CFrameWnd* pFrame)
{
  SBars& bars = *m_pBars;
  const DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_SIZE_DYNAMIC;
  pFrame->EnableDocking(CBRS_ALIGN_ANY);
  bars.output.sizeHorz = bars.messages.sizeHorz = CSize(GalleryPx(400), GalleryPx(130));
  bars.properties.sizeHorz = CSize(GalleryPx(400), GalleryPx(80));
  bars.layers.sizeVert = CSize(GalleryPx(180), GalleryPx(300));
  if (!bars.output.Create("Output", pFrame, IDC_BAR_OUTPUT, dwStyle | CBRS_BOTTOM) ||
      !bars.messages.Create("Messages", pFrame, IDC_BAR_MESSAGES, dwStyle | CBRS_BOTTOM) ||
      !bars.properties.Create("Properties", pFrame, IDC_BAR_PROPERTIES, dwStyle | CBRS_TOP) ||
      !bars.layers.Create("Layers", pFrame, IDC_BAR_LAYERS, dwStyle | CBRS_LEFT) || !bars.strip.Create(1, pFrame))
    return FALSE;
  if (!FillWithList(bars.output, bars.outputList, {"Build started", "3 drawings loaded", "Done: 0 errors"}) ||
      !FillWithList(bars.messages, bars.messagesList, {"Snap: grid 10 mm", "Layer 2 locked"}) ||
      !FillWithList(bars.properties, bars.propertiesList, {"Width: 120 mm", "Angle: 30 deg", "Layer: 2"}) ||
      !FillWithList(bars.layers, bars.layersList, {"0 Outline", "1 Dimensions", "2 Hatching", "3 Notes"}))
    return FALSE;
  CSizingControlBar* pBars[] = {&bars.output, &bars.messages, &bars.properties, &bars.layers};
  for (CSizingControlBar* pBar : pBars)
    pBar->EnableDocking(CBRS_ALIGN_ANY);
  pFrame->DockControlBar(&bars.output, AFX_IDW_DOCKBAR_BOTTOM);
  pFrame->RecalcLayout();
  // The second bottom bar shares the first one's row.
  CRect rcOutput;
  bars.output.GetWindowRect(&rcOutput);
  rcOutput.OffsetRect(rcOutput.Width() / 2, 0);
  pFrame->DockControlBar(&bars.messages, AFX_IDW_DOCKBAR_BOTTOM, &rcOutput);
  pFrame->DockControlBar(&bars.properties, AFX_IDW_DOCKBAR_TOP);
  pFrame->DockControlBar(&bars.layers, AFX_IDW_DOCKBAR_LEFT);
  pFrame->RecalcLayout();
  // The layers bar is pinned away into the strip.
  bars.layers.EnterAutoHide(&bars.strip);
  pFrame->RecalcLayout();
  return TRUE;
}

BOOL CGalleryDocking::SlideOut(DWORD dwTimeout)
{
  CAutoHideBar& strip = m_pBars->strip;
  if (strip.GetButtonCount() == 0 || !strip.SetDisplayPage(0, FALSE))
    return FALSE;
  CDrawFrame& frame = strip.GetButton(0)->frame;
  const DWORD dwEnd = ::GetTickCount() + dwTimeout;
  while (frame.sliding && static_cast<LONG>(dwEnd - ::GetTickCount()) > 0)
  {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
  return frame.IsWindowVisible() && !frame.sliding;
}
