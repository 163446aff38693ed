#include "DockingTestSupport.h"

#include <gtest/gtest.h>

IMPLEMENT_DYNAMIC(CDockTestFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CDockTestFrame, CFrameWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

int CDockTestFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
  if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
    return -1;
  if (!m_wndPane.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this, AFX_IDW_PANE_FIRST))
    return -1;
  EnableDocking(CBRS_ALIGN_ANY);
  return 0;
}

CRect CDockTestFrame::PaneRect() { return RectIn(&m_wndPane, this); }

namespace
{
void dispatchQueued()
{
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
  {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}
}

bool PumpUntil(const std::function<bool()>& predicate, DWORD dwTimeout)
{
  const DWORD dwEnd = ::GetTickCount() + dwTimeout;
  while (!predicate())
  {
    const DWORD dwNow = ::GetTickCount();
    if (static_cast<LONG>(dwEnd - dwNow) <= 0)
      return predicate();
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, dwEnd - dwNow, QS_ALLINPUT);
    dispatchQueued();
  }
  return true;
}

void PumpAndIdle()
{
  dispatchQueued();
  for (LONG lCount = 0; AfxGetApp()->OnIdle(lCount); ++lCount)
  {}
}

CRect WindowRect(CWnd* pWnd)
{
  CRect rect;
  pWnd->GetWindowRect(&rect);
  return rect;
}

CRect ClientInWindow(CWnd* pWnd)
{
  CRect rc;
  pWnd->GetClientRect(&rc);
  pWnd->ClientToScreen(&rc);
  return rc - WindowRect(pWnd).TopLeft();
}

CRect RectIn(CWnd* pWnd, CWnd* pOther)
{
  CRect rect = WindowRect(pWnd);
  pOther->ScreenToClient(&rect);
  return rect;
}

void ClickNcButton(CWnd* pWnd, CPoint ptInWindow, UINT nHitTest)
{
  const CRect rc = WindowRect(pWnd);
  const LPARAM lPoint = MAKELPARAM(rc.left + ptInWindow.x, rc.top + ptInWindow.y);
  EXPECT_EQ(pWnd->SendMessage(WM_NCHITTEST, 0, lPoint), static_cast<LRESULT>(nHitTest));
  pWnd->SendMessage(WM_NCLBUTTONUP, nHitTest, lPoint);
}
