#include "PaletteTestSupport.h"

#include <commctrl.h>

STool CTestPaletteWnd::Tool(int nTool) const
{
  // Tools of moved cells are fitted through the palette's queue.
  MSG msg;
  while (::PeekMessageA(&msg, m_hWnd, 0, 0, PM_REMOVE))
    ::DispatchMessageA(&msg);
  char szText[256] = "";
  TOOLINFOA info = {};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = m_hWnd;
  info.uId = nTool;
  info.lpszText = szText;
  ::SendMessageA(m_wndToolTip.m_hWnd, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info));
  ::SendMessageA(m_wndToolTip.m_hWnd, TTM_GETTEXTA, sizeof szText, reinterpret_cast<LPARAM>(&info));
  return {szText, info.rect};
}

CPaletteFixture::CPaletteFixture(WORD wStyle, int nCells)
{
  m_palette.Create("Palette", WS_POPUP | wStyle, CRect(100, 100, 200, 200), &m_owner, 0);
  Fill(nCells);
}

void CPaletteFixture::Fill(int nCells)
{
  for (int nCell = 0; nCell < nCells; ++nCell)
  {
    CString strTip;
    strTip.Format("cell %d", nCell);
    m_palette.AddCell(RGB(nCell * 20, 0, 0), nCell, strTip);
  }
}

CSize CPaletteFixture::Client() const
{
  CRect client;
  m_palette.GetClientRect(&client);
  return client.Size();
}

CRect CPaletteFixture::Frame(int nIndex) const
{
  CRect frame(0, 0, 0, 0);
  m_palette.CalcCellFrameRect(nIndex, frame);
  return frame;
}

void CPaletteFixture::Hover(int nIndex)
{
  const CPoint point = Frame(nIndex).CenterPoint();
  m_palette.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
}

int CPaletteFixture::HotCell()
{
  const int nSelected = m_palette.GetCurSel();
  m_palette.SetCurSel(-1);
  m_palette.SendMessage(WM_KEYDOWN, VK_RETURN, 1);
  const int nHot = m_palette.GetCurSel();
  m_palette.SetCurSel(nSelected);
  m_owner.m_sent.clear();
  return nHot;
}

CRect WindowRect(HWND hWnd)
{
  CRect rect;
  ::GetWindowRect(hWnd, &rect);
  return rect;
}

CRect DummyRect(const CWnd& owner, const CWnd& palette)
{
  for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
  {
    if (hWnd != palette.m_hWnd && ::GetWindow(hWnd, GW_OWNER) == owner.m_hWnd && ::IsWindowVisible(hWnd))
      return WindowRect(hWnd);
  }
  return CRect(0, 0, 0, 0);
}
