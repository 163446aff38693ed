#include "PaletteTestSupport.h"

#include <commctrl.h>

HWND CTestPaletteWnd::ToolTip() const
{
  struct SSearch
  {
    HWND hOwner;
    HWND hFound;
  } search = {m_hWnd, nullptr};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND hWnd, LPARAM lParam) -> BOOL {
        SSearch* pSearch = reinterpret_cast<SSearch*>(lParam);
        char szClass[64] = "";
        ::GetClassNameA(hWnd, szClass, sizeof szClass);
        if (lstrcmpiA(szClass, TOOLTIPS_CLASSA) != 0 || ::GetWindow(hWnd, GW_OWNER) != pSearch->hOwner)
          return TRUE;
        pSearch->hFound = hWnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.hFound;
}

CString CTestPaletteWnd::ToolText(int nTool) const
{
  char szText[256] = "";
  TOOLINFOA info = {};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = m_hWnd;
  info.uId = nTool;
  info.lpszText = szText;
  ::SendMessageA(ToolTip(), TTM_GETTEXTA, sizeof szText, reinterpret_cast<LPARAM>(&info));
  return szText;
}

CPaletteFixture::CPaletteFixture(WORD wStyle, int nCells) : m_owner(PaletteMessages())
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
