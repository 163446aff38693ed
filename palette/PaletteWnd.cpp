#include "PaletteWnd.h"

#include "DpiScale.h"

#include <vsstyle.h>

#include <algorithm>
#include <climits>

namespace
{
// Defaults at 96 DPI: the cell size and the margins, and what the content of a cell leaves of
// its frame on every side.
const int kCellSize = 20;
const int kMargin = 5;
const int kCellInset = 3;
// Posted to the palette itself: the tools of cells that moved get their new frames.
const UINT kFitStaleToolsMessage = WM_USER + 1;

int Rescaled(int nPixels, UINT nFromDpi, UINT nToDpi) { return ::MulDiv(nPixels, nToDpi, nFromDpi); }

// The first nMaxChars characters of a multi-byte text; a double-byte character counts as one.
CString CutToChars(LPCTSTR lpszText, int nMaxChars)
{
  if (lpszText == nullptr)
    return CString();
  LPCTSTR pEnd = lpszText;
  for (int nChars = 0; *pEnd != '\0' && nChars < nMaxChars; ++nChars)
    pEnd = ::CharNextA(pEnd);
  return CString(lpszText, static_cast<int>(pEnd - lpszText));
}

int IntegerSquareRoot(int nValue)
{
  int nRoot = 0;
  while ((nRoot + 1) * (nRoot + 1) <= nValue)
    ++nRoot;
  return nRoot;
}
}  // namespace

CPaletteCell::CPaletteCell(DWORD dwData, DWORD dwExData, LPCTSTR lpszTipText) : m_dwData(dwData), m_dwExData(dwExData)
{
  SetTipText(lpszTipText);
}

CPaletteCell::~CPaletteCell() = default;

void CPaletteCell::SetTipText(LPCTSTR lpszTipText) { m_strTipText = CutToChars(lpszTipText, kMaxTipChars); }

IMPLEMENT_DYNCREATE(CPaletteWnd, CWnd)

BEGIN_MESSAGE_MAP(CPaletteWnd, CWnd)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_KEYDOWN()
  ON_WM_ACTIVATEAPP()
  ON_WM_QUERYENDSESSION()
  ON_WM_MOVE()
  ON_WM_DESTROY()
  ON_MESSAGE(WM_DPICHANGED, &CPaletteWnd::OnDpiChanged)
  ON_MESSAGE(kFitStaleToolsMessage, &CPaletteWnd::OnFitStaleTools)
END_MESSAGE_MAP()

// Without a window yet, the defaults are taken at the system DPI; Create rescales them.
CPaletteWnd::CPaletteWnd()
    : m_nCurSel(0), m_nCols(8), m_nCount(0), m_nCellWidth(CDpiScale::OfSystem().Scale(kCellSize)),
      m_nCellHeight(m_nCellWidth), m_nLeftMargin(CDpiScale::OfSystem().Scale(kMargin)), m_nTopMargin(m_nLeftMargin),
      m_wStyle(0), m_nHotCell(-1), m_ptLastMouse{0, 0}, m_bPoppedUp(FALSE), m_bArmed(FALSE), m_pOwner(nullptr),
      m_pDummyWnd(nullptr), m_nDpi(CDpiScale::OfSystem().GetDpi()), m_nFirstStaleTool(INT_MAX)
{}

CPaletteWnd::~CPaletteWnd()
{
  if (::IsWindow(m_hWnd))
    DestroyWindow();
  deleteCells();
}

BOOL CPaletteWnd::Create(LPCTSTR lpszTitle, DWORD dwStyle, const RECT& rect, CWnd* pOwner, UINT nID)
{
  LPCTSTR lpszClass = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
                                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
  if (lpszClass == nullptr)
    return FALSE;
  m_wStyle = LOWORD(dwStyle);
  if (!CWnd::CreateEx(0, lpszClass, lpszTitle, dwStyle & 0xFFFF0000, rect, pOwner, nID))
    return FALSE;
  m_pOwner = pOwner;
  rescaleTo(CDpiScale::OfWindow(m_hWnd).GetDpi());
  if (m_wndToolTip.Create(this, TTS_ALWAYSTIP))
    m_wndToolTip.SetDelayTime(TTDT_AUTOMATIC, 0);
  return TRUE;
}

CPaletteCell* CPaletteWnd::CreateCell(DWORD dwData, DWORD dwExData, LPCTSTR lpszTipText)
{
  return new CPaletteCell(dwData, dwExData, lpszTipText);
}

int CPaletteWnd::AddCell(DWORD dwData, DWORD dwExData, LPCTSTR lpszTipText)
{
  CPaletteCell* pCell = CreateCell(dwData, dwExData, lpszTipText);
  if (pCell == nullptr)
    return -1;
  m_cells.Add(pCell);
  ++m_nCount;
  if (hasTips())
  {
    CRect frame;
    CalcCellFrameRect(m_nCount - 1, frame);
    m_wndToolTip.AddTool(this, pCell->m_strTipText, frame, m_nCount);
  }
  refit(m_nCount);
  return m_nCount - 1;
}

int CPaletteWnd::InsertCell(int nIndex, DWORD dwData, DWORD dwExData, LPCTSTR lpszTipText)
{
  CPaletteCell* pCell = CreateCell(dwData, dwExData, lpszTipText);
  if (pCell == nullptr)
    return -1;
  if (nIndex < 0 || nIndex > m_nCount)
  {
    delete pCell;
    return -1;
  }
  m_cells.InsertAt(nIndex, pCell);
  ++m_nCount;
  if (hasTips())
  {
    CRect frame;
    CalcCellFrameRect(m_nCount - 1, frame);
    m_wndToolTip.AddTool(this, m_cells[m_nCount - 1]->m_strTipText, frame, m_nCount);
  }
  retitleTools(nIndex);
  if (nIndex <= m_nHotCell)
    ++m_nHotCell;
  if (nIndex <= m_nCurSel)
    SetCurSel(m_nCurSel + 1);
  // A tool belongs to a place, not to a cell: the places stay, their tips were retitled.
  refit(m_nCount);
  return nIndex;
}

BOOL CPaletteWnd::DeleteCell(int nIndex)
{
  if (!isCell(nIndex))
    return FALSE;
  delete m_cells[nIndex];
  m_cells.RemoveAt(nIndex);
  --m_nCount;
  if (hasTips())
    m_wndToolTip.DelTool(this, m_nCount + 1);
  retitleTools(nIndex);
  // A cell after the deleted one moves down; so does the last cell's own mark.
  auto shifts = [&](int nMark) { return nIndex < nMark || (nIndex == nMark && nIndex == m_nCount); };
  if (shifts(m_nHotCell))
    --m_nHotCell;
  if (shifts(m_nCurSel))
    SetCurSel(m_nCurSel - 1);
  refit(m_nCount);
  return TRUE;
}

BOOL CPaletteWnd::RemoveAll()
{
  SetCurSel(-1);
  m_nHotCell = -1;
  deleteCells();
  refit(0);
  return TRUE;
}

void CPaletteWnd::deleteCells()
{
  for (int nIndex = 0; nIndex < m_nCount; ++nIndex)
  {
    delete m_cells[nIndex];
    if (hasTips())
      m_wndToolTip.DelTool(this, nIndex + 1);
  }
  m_cells.RemoveAll();
  m_nCount = 0;
}

void CPaletteWnd::retitleTools(int nFirst)
{
  if (!hasTips())
    return;
  for (int nIndex = nFirst; nIndex < m_nCount; ++nIndex)
    m_wndToolTip.UpdateTipText(m_cells[nIndex]->m_strTipText, this, nIndex + 1);
}

DWORD CPaletteWnd::GetCellData(int nIndex) const { return isCell(nIndex) ? m_cells[nIndex]->m_dwData : 0; }

DWORD CPaletteWnd::GetCellExData(int nIndex) const { return isCell(nIndex) ? m_cells[nIndex]->m_dwExData : 0; }

LPCTSTR CPaletteWnd::GetCellTipText(int nIndex) const
{
  return isCell(nIndex) ? static_cast<LPCTSTR>(m_cells[nIndex]->m_strTipText) : nullptr;
}

void CPaletteWnd::SetCellData(int nIndex, DWORD dwData)
{
  if (isCell(nIndex))
    m_cells[nIndex]->m_dwData = dwData;
}

void CPaletteWnd::SetCellExData(int nIndex, DWORD dwExData)
{
  if (isCell(nIndex))
    m_cells[nIndex]->m_dwExData = dwExData;
}

void CPaletteWnd::SetCellTipText(int nIndex, LPCTSTR lpszTipText)
{
  if (isCell(nIndex))
    m_cells[nIndex]->SetTipText(lpszTipText);
}

void CPaletteWnd::SetCols(int nCols)
{
  if (nCols >= 1)
    m_nCols = nCols;
  AutoFitWindow();
}

void CPaletteWnd::setDimension(int& nDimension, int nValue)
{
  if (nValue < 1)
    return;
  nDimension = nValue;
  AutoFitWindow();
}

void CPaletteWnd::SetCellWidth(int nWidth) { setDimension(m_nCellWidth, nWidth); }

void CPaletteWnd::SetCellHeight(int nHeight) { setDimension(m_nCellHeight, nHeight); }

void CPaletteWnd::SetLeftMargin(int nMargin) { setDimension(m_nLeftMargin, nMargin); }

void CPaletteWnd::SetTopMargin(int nMargin) { setDimension(m_nTopMargin, nMargin); }

void CPaletteWnd::SetPLCStyle(DWORD dwStyle)
{
  m_wStyle = LOWORD(dwStyle);
  refit(0);
  fitStaleTools();
}

void CPaletteWnd::refit(int nFirstMoved)
{
  if (m_wStyle & PLCS_AUTOBREAK)
  {
    const int nCols = m_nCols;
    breakColumns();
    if (m_nCols != nCols)
      nFirstMoved = 0;
  }
  if (fitWindow() && nFirstMoved < m_nCount && hasTips())
  {
    if (m_nFirstStaleTool == INT_MAX)
      PostMessage(kFitStaleToolsMessage);
    m_nFirstStaleTool = (std::min)(m_nFirstStaleTool, nFirstMoved);
  }
}

void CPaletteWnd::fitStaleTools()
{
  const int nFirst = m_nFirstStaleTool;
  m_nFirstStaleTool = INT_MAX;
  fitTools(nFirst);
}

LRESULT CPaletteWnd::OnFitStaleTools(WPARAM, LPARAM)
{
  fitStaleTools();
  return 0;
}

int CPaletteWnd::CalcCellFrameRect(int nIndex, RECT& rect) const
{
  if (!isCell(nIndex))
    return 0;
  const bool bHeader = (m_wStyle & PLCS_HEADERCELL) != 0;
  if (bHeader && nIndex == 0)
  {
    ::SetRect(&rect, m_nLeftMargin, m_nTopMargin, m_nLeftMargin + m_nCellWidth * m_nCols, m_nTopMargin + m_nCellHeight);
    return 1;
  }
  const int nPosition = bHeader ? nIndex - 1 : nIndex;
  rect.left = m_nLeftMargin + (nPosition % m_nCols) * m_nCellWidth;
  rect.top = m_nTopMargin + (nPosition / m_nCols) * m_nCellHeight + (bHeader ? m_nCellHeight : 0);
  rect.right = rect.left + m_nCellWidth;
  rect.bottom = rect.top + m_nCellHeight;
  return 1;
}

int CPaletteWnd::GetCellRect(int nIndex, RECT& rect) const
{
  if (!CalcCellFrameRect(nIndex, rect))
    return 0;
  const int nInset = CDpiScale(m_nDpi).Scale(kCellInset);
  ::InflateRect(&rect, -nInset, -nInset);
  return 1;
}

int CPaletteWnd::HitTest(const POINT& point)
{
  CRect client;
  if (!::IsWindow(m_hWnd))
    return -2;
  GetClientRect(&client);
  if (!client.PtInRect(point))
    return -2;
  CRect grid = client;
  grid.DeflateRect(m_nLeftMargin, m_nTopMargin);
  if (!grid.PtInRect(point))
    return -1;
  int nOffset = 0;
  if (m_wStyle & PLCS_HEADERCELL)
  {
    CRect header;
    if (CalcCellFrameRect(0, header) && header.PtInRect(point))
      return 0;
    nOffset = 1;
  }
  const int nRow = (point.y - m_nTopMargin) / m_nCellHeight;
  const int nColumn = (point.x - m_nLeftMargin) / m_nCellWidth;
  if (nColumn >= m_nCols)
    return -1;
  const int nIndex = (nRow - nOffset) * m_nCols + nOffset + nColumn;
  return isCell(nIndex) ? nIndex : -1;
}

void CPaletteWnd::AutoFitWindow()
{
  if (fitWindow())
  {
    m_nFirstStaleTool = INT_MAX;
    fitTools(0);
  }
}

bool CPaletteWnd::fitWindow()
{
  if (!::IsWindow(m_hWnd) || m_nCols < 1)
    return false;
  int nRows;
  if (m_wStyle & PLCS_HEADERCELL)
    nRows = m_nCount <= 1 ? 1 : (m_nCount - 2) / m_nCols + 2;
  else
    nRows = (std::max)(m_nCount - 1, 0) / m_nCols + 1;
  CRect rect(0, 0, m_nCellWidth * m_nCols + 2 * m_nLeftMargin, m_nCellHeight * nRows + 2 * m_nTopMargin);
  CalcWindowRect(&rect);
  // Most cells added or removed leave the rows as they were: the window stays, unresized, and
  // a shown one is repainted with the cells it has now (resizing repaints all of it).
  CRect current;
  GetWindowRect(&current);
  if (current.Size() == rect.Size())
  {
    if (IsWindowVisible())
      Invalidate();
  }
  else
  {
    const UINT nFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), nFlags);
    // The unpainted window behind an open palette must not show past its edges.
    if (m_pDummyWnd != nullptr)
      m_pDummyWnd->SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), nFlags);
  }
  return true;
}

void CPaletteWnd::fitTools(int nFirst)
{
  if (!hasTips())
    return;
  for (int nIndex = nFirst; nIndex < m_nCount; ++nIndex)
  {
    CRect frame;
    CalcCellFrameRect(nIndex, frame);
    m_wndToolTip.SetToolRect(this, nIndex + 1, frame);
  }
}

int CPaletteWnd::AutoBreak()
{
  breakColumns();
  AutoFitWindow();
  return m_nCols;
}

void CPaletteWnd::breakColumns()
{
  const int nCells = m_nCount;
  const bool bHeader = (m_wStyle & PLCS_HEADERCELL) != 0;
  const int nOffset = bHeader ? 1 : 0;
  if (nCells <= 1)
    m_nCols = 1;
  else if (nCells < 5 + nOffset)
    m_nCols = 2;
  else if (nCells <= 9 + nOffset)
    m_nCols = 3;
  else
    m_nCols = 4 * IntegerSquareRoot((nCells - nOffset - 1) / 16) + 4;
}

int CPaletteWnd::GetUpdateCells(const CRect& rect, CArray<int, int>& cells)
{
  cells.RemoveAll();
  for (int nIndex = 0; nIndex < m_nCount; ++nIndex)
  {
    CRect frame, common;
    CalcCellFrameRect(nIndex, frame);
    if (common.IntersectRect(&frame, &rect))
      cells.Add(nIndex);
  }
  return static_cast<int>(cells.GetSize());
}

void CPaletteWnd::SetCurSel(int nIndex)
{
  if (nIndex < -1 || nIndex >= m_nCount)
    return;
  const int nOld = m_nCurSel;
  m_nCurSel = nIndex;
  redrawCells(nOld, nIndex);
}

void CPaletteWnd::redrawCells(int nFirst, int nSecond)
{
  if (!::IsWindow(m_hWnd))
    return;
  CClientDC dc(this);
  DrawFrame(dc, nFirst);
  DrawFrame(dc, nSecond);
}

void CPaletteWnd::notifyOwner(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
  if (m_pOwner != nullptr && m_pOwner->GetSafeHwnd() != nullptr)
    m_pOwner->SendMessage(nMessage, wParam, lParam);
}

void CPaletteWnd::DrawFrame(CDC& dc, int nIndex)
{
  if (!isCell(nIndex))
    return;
  if (!m_bPoppedUp)
  {
    DrawCell(dc, nIndex);
    return;
  }
  PaletteDrawCellInfo info = {m_hWnd, dc.GetSafeHdc(), nIndex, {}};
  CalcCellFrameRect(nIndex, info.rect);
  notifyOwner(PaletteWnd_Msg_DrawCell, 0, reinterpret_cast<LPARAM>(&info));
}

bool CPaletteWnd::openToolbarTheme(CXPTheme& theme)
{
  return theme.Open(m_hWnd, L"TOOLBAR") && theme.IsAvailable() && CXPTheme::IsActive();
}

void CPaletteWnd::DrawCell(CDC& dc, int nIndex)
{
  CRect frame;
  if (!CalcCellFrameRect(nIndex, frame))
    return;
  const bool bSelected = nIndex == m_nCurSel;
  const bool bHot = nIndex == m_nHotCell && !bSelected;
  CXPTheme theme;
  if (openToolbarTheme(theme))
  {
    dc.FillSolidRect(&frame, ::GetSysColor(COLOR_MENU));
    theme.DrawBackground(dc.GetSafeHdc(), TP_BUTTON, bSelected ? TS_PRESSED : (bHot ? TS_HOT : TS_NORMAL), &frame,
                         nullptr);
    return;
  }
  dc.FillSolidRect(&frame, ::GetSysColor(COLOR_BTNFACE));
  if (bSelected)
    DrawSelectedFrame(dc, nIndex);
  if (bHot)
  {
    dc.DrawEdge(&frame, BDR_RAISEDINNER, BF_LEFT | BF_TOP);
    dc.DrawEdge(&frame, BDR_RAISEDOUTER, BF_RIGHT | BF_BOTTOM);
  }
}

void CPaletteWnd::DrawSelectedFrame(CDC& dc, int nIndex)
{
  CRect frame;
  if (!CalcCellFrameRect(nIndex, frame))
    return;
  if (nIndex != m_nHotCell)
    dc.FillSolidRect(&frame, ::GetSysColor(COLOR_3DHILIGHT));
  dc.DrawEdge(&frame, BDR_SUNKENINNER, BF_LEFT | BF_TOP);
  dc.DrawEdge(&frame, BDR_SUNKENOUTER, BF_RIGHT | BF_BOTTOM);
}

void CPaletteWnd::OnPaint()
{
  CPaintDC dc(this);
  if (m_wStyle & PLCS_BORDER)
  {
    CRect client;
    GetClientRect(&client);
    dc.DrawEdge(&client, EDGE_RAISED, BF_RECT);
  }
  CArray<int, int> cells;
  const int nCells = GetUpdateCells(CRect(dc.m_ps.rcPaint), cells);
  for (int nCell = 0; nCell < nCells; ++nCell)
    DrawFrame(dc, cells[nCell]);
}

BOOL CPaletteWnd::OnEraseBkgnd(CDC* pDC)
{
  CXPTheme theme;
  if (!openToolbarTheme(theme))
  {
    Default();
    return TRUE;
  }
  CRect client;
  GetClientRect(&client);
  pDC->FillSolidRect(&client, ::GetSysColor(COLOR_MENU));
  return TRUE;
}

void CPaletteWnd::rescaleTo(UINT nDpi)
{
  for (int* pSize : {&m_nCellWidth, &m_nCellHeight, &m_nLeftMargin, &m_nTopMargin})
    *pSize = (std::max)(1, Rescaled(*pSize, m_nDpi, nDpi));
  m_nDpi = nDpi;
}

// Moved to a monitor of another DPI: the grid scales, the window fits it at the suggested place.
LRESULT CPaletteWnd::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
  const RECT* pSuggested = reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(nullptr, pSuggested->left, pSuggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  rescaleTo(HIWORD(wParam));
  AutoFitWindow();
  Invalidate();
  return 0;
}
