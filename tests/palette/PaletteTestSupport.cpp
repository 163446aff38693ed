#include "PaletteTestSupport.h"

#include <commctrl.h>

CString CTestPaletteWnd::ToolText(int nTool) const
{
  char szText[256] = "";
  TOOLINFOA info = {};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = m_hWnd;
  info.uId = nTool;
  info.lpszText = szText;
  ::SendMessageA(m_wndToolTip.m_hWnd, TTM_GETTEXTA, sizeof szText, reinterpret_cast<LPARAM>(&info));
  return szText;
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
