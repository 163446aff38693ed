#include "AfxControlBar.h"
#include "AfxDC.h"
#include "AfxDockBar.h"
#include "AfxDockContext.h"
#include "AfxModule.h"
#include "AfxMsgMap.h"

#include <vector>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
  ON_MESSAGE(WM_SIZEPARENT, &CControlBar::OnSizeParent)
  ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CControlBar::CControlBar()
    : m_pDockSite(nullptr), m_bAutoDelete(FALSE), m_dwStyle(0), m_cxLeftBorder(6), m_cxRightBorder(0), m_cyTopBorder(2),
      m_cyBottomBorder(2), m_dwDockStyle(0), m_pDockBar(nullptr), m_pDockContext(nullptr), m_nStateFlags(0), m_nCount(0)
{}

// The window goes while the object is still a control bar, so that OnDestroy takes it out of
// its dock bar and its frame's list; ~CWnd would destroy it too late for that.
CControlBar::~CControlBar()
{
  m_bAutoDelete = FALSE;  // already being deleted
  if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
    DestroyWindow();
  delete m_pDockContext;
}

BOOL CControlBar::IsFloating() const { return m_pDockBar != nullptr && m_pDockBar->m_bFloating; }

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
  m_dwDockStyle = dwDockStyle;
  if (m_pDockContext == nullptr && dwDockStyle != 0)
    m_pDockContext = new CDockContext(this);
}

BOOL CControlBar::IsVisible() const
{
  if (m_nStateFlags & delayShow)
    return TRUE;
  return (GetStyle() & WS_VISIBLE) != 0 && !(m_nStateFlags & delayHide);
}

void CControlBar::DelayShow(BOOL bShow)
{
  const BOOL bShown = (GetStyle() & WS_VISIBLE) != 0;
  m_nStateFlags &= ~(delayHide | delayShow);
  if (bShow && !bShown)
    m_nStateFlags |= delayShow;
  else if (!bShow && bShown)
    m_nStateFlags |= delayHide;
}

void CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
  if (lpLayout->hDWP == nullptr || !(m_nStateFlags & (delayHide | delayShow)))
    return;
  const UINT nShow = (m_nStateFlags & delayShow) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
  m_nStateFlags &= ~(delayHide | delayShow);
  lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, nullptr, 0, 0, 0, 0,
                                    nShow | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CFrameWnd* CControlBar::GetDockingFrame() const { return GetParentFrame(); }

// A bar made inside a frame has that frame as its dock site.
int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
  if (CWnd::OnCreate(lpCreateStruct) == -1)
    return -1;
  if (m_pDockSite == nullptr)
    m_pDockSite = DYNAMIC_DOWNCAST(CFrameWnd, GetParent());
  if (m_pDockSite != nullptr)
    m_pDockSite->AddControlBar(this);
  return 0;
}

void CControlBar::OnDestroy()
{
  if (m_pDockBar != nullptr)
    m_pDockBar->RemoveControlBar(this);
  m_pDockBar = nullptr;
  if (m_pDockSite != nullptr)
    m_pDockSite->RemoveControlBar(this);
  CWnd::OnDestroy();
}

// A press on a bar in a dock bar drags it; a double click docks or floats it.
void CControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
  if (m_pDockBar == nullptr || m_pDockContext == nullptr)
  {
    CWnd::OnLButtonDown(nFlags, point);
    return;
  }
  ClientToScreen(&point);
  m_pDockContext->StartDrag(point);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
  if (m_pDockBar == nullptr || m_pDockContext == nullptr)
  {
    CWnd::OnLButtonDblClk(nFlags, point);
    return;
  }
  m_pDockContext->ToggleDocking();
}

void CControlBar::PostNcDestroy()
{
  if (m_bAutoDelete)
    delete this;
}

namespace
{
// One line along each side that the style borders, nNear pixels in from the left and top side
// and nFar in from the right and bottom side; the upright lines run between the level borders.
void FillBorderLines(CDC* pDC, const CRect& rect, DWORD dwStyle, COLORREF clr, int nNear, int nFar)
{
  const int nTop = rect.top + ((dwStyle & CBRS_BORDER_TOP) ? 2 : 0);
  const int nHeight = rect.bottom - ((dwStyle & CBRS_BORDER_BOTTOM) ? 2 : 0) - nTop;
  if (dwStyle & CBRS_BORDER_LEFT)
    pDC->FillSolidRect(rect.left + nNear, nTop, 1, nHeight, clr);
  if (dwStyle & CBRS_BORDER_TOP)
    pDC->FillSolidRect(rect.left, rect.top + nNear, rect.Width(), 1, clr);
  if (dwStyle & CBRS_BORDER_RIGHT)
    pDC->FillSolidRect(rect.right - 1 - nFar, nTop, 1, nHeight, clr);
  if (dwStyle & CBRS_BORDER_BOTTOM)
    pDC->FillSolidRect(rect.left, rect.bottom - 1 - nFar, rect.Width(), 1, clr);
}
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
  const DWORD dwStyle = m_dwStyle;
  if (dwStyle & CBRS_BORDER_3D)
  {
    FillBorderLines(pDC, rect, dwStyle, ::GetSysColor(COLOR_BTNSHADOW), 0, 1);
    FillBorderLines(pDC, rect, dwStyle, ::GetSysColor(COLOR_BTNHIGHLIGHT), 1, 0);
  }
  else
    FillBorderLines(pDC, rect, dwStyle, ::GetSysColor(COLOR_WINDOWFRAME), 0, 0);
  rect.left += (dwStyle & CBRS_BORDER_LEFT) ? 2 : 0;
  rect.top += (dwStyle & CBRS_BORDER_TOP) ? 2 : 0;
  rect.right -= (dwStyle & CBRS_BORDER_RIGHT) ? 2 : 0;
  rect.bottom -= (dwStyle & CBRS_BORDER_BOTTOM) ? 2 : 0;
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
  // A bare bar is only its borders, stretched along its edge.
  CSize size(m_cxLeftBorder + m_cxRightBorder, m_cyTopBorder + m_cyBottomBorder);
  if (bStretch)
  {
    if (bHorz)
      size.cx = 32767;
    else
      size.cy = 32767;
  }
  return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
  return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
  if (bHorz)
    rect.DeflateRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
  else
    rect.DeflateRect(m_cyTopBorder, m_cxLeftBorder, m_cyBottomBorder, m_cxRightBorder);
}

// The bar takes its strip from the edge it is aligned to.
LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
  auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  RecalcDelayShow(pLayout);
  if (!IsVisible() || (m_dwStyle & CBRS_ALIGN_ANY) == 0)
    return 0;
  CRect rcAvailable(pLayout->rect);
  CSize size = CalcFixedLayout(pLayout->bStretch, IsHorz());
  size.cx = std::min<LONG>(size.cx, rcAvailable.Width());
  size.cy = std::min<LONG>(size.cy, rcAvailable.Height());
  CRect rcBar(rcAvailable.TopLeft(), size);
  if (m_dwStyle & CBRS_ALIGN_TOP)
    pLayout->rect.top += size.cy;
  else if (m_dwStyle & CBRS_ALIGN_LEFT)
    pLayout->rect.left += size.cx;
  else if (m_dwStyle & CBRS_ALIGN_BOTTOM)
  {
    rcBar.OffsetRect(0, rcAvailable.Height() - size.cy);
    pLayout->rect.bottom -= size.cy;
  }
  else
  {
    rcBar.OffsetRect(rcAvailable.Width() - size.cx, 0);
    pLayout->rect.right -= size.cx;
  }
  pLayout->sizeTotal.cx += size.cx;
  pLayout->sizeTotal.cy += size.cy;
  if (pLayout->hDWP != nullptr)
    pLayout->hDWP = ::DeferWindowPos(pLayout->hDWP, m_hWnd, nullptr, rcBar.left, rcBar.top, rcBar.Width(),
                                     rcBar.Height(), SWP_NOACTIVATE | SWP_NOZORDER);
  return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
  if (!IsWindowVisible())
    return 0;
  CFrameWnd* pTarget = m_pDockSite != nullptr ? m_pDockSite : GetParentFrame();
  if (pTarget != nullptr)
    OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
  return 0;
}

void CControlBar::DoPaint(CDC*) {}

void CControlBar::OnPaint()
{
  CPaintDC dc(this);
  DoPaint(&dc);
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC)
{
  CRect rect;
  GetClientRect(&rect);
  pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
  return TRUE;
}

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
END_MESSAGE_MAP()

namespace
{
// The toolbar resource: Microsoft's resource compiler writes WORDs (version 1, width, height,
// count, ids); GNU windres writes DWORDs without the version. The size tells them apart.
struct SToolBarResource
{
  CSize sizeImage;
  std::vector<UINT> ids;
};

template <class TField>
bool ReadToolBarFields(const TField* pFields, size_t nFields, SToolBarResource* pResource)
{
  if (nFields < 3 || nFields != 3 + static_cast<size_t>(pFields[2]))
    return false;
  pResource->sizeImage = CSize(static_cast<int>(pFields[0]), static_cast<int>(pFields[1]));
  pResource->ids.assign(pFields + 3, pFields + nFields);
  return true;
}

bool ReadToolBarResource(const void* pData, DWORD dwSize, SToolBarResource* pResource)
{
  const auto* pWords = static_cast<const WORD*>(pData);
  if (dwSize >= 2 && pWords[0] == 1 && ReadToolBarFields(pWords + 1, dwSize / 2 - 1, pResource))
    return true;
  return dwSize % 4 == 0 && ReadToolBarFields(static_cast<const DWORD*>(pData), dwSize / 4, pResource);
}

// Enables and checks one toolbar button.
class CToolCmdUI : public CCmdUI
{
public:
  void Enable(BOOL bOn) override
  {
    m_bEnableChanged = TRUE;
    m_pOther->SendMessage(TB_ENABLEBUTTON, m_nID, MAKELONG(bOn != FALSE, 0));
  }
  void SetCheck(int nCheck) override { m_pOther->SendMessage(TB_CHECKBUTTON, m_nID, MAKELONG(nCheck != 0, 0)); }
  void SetText(LPCTSTR) override {}
};
}

CToolBar::CToolBar() : m_sizeButton(23, 22), m_sizeImage(16, 15), m_hbmImageWell(nullptr)
{
  m_cxLeftBorder = m_cxRightBorder = 1;
  m_cyTopBorder = m_cyBottomBorder = 1;
}

CToolBar::~CToolBar()
{
  DestroyWindow();
  if (m_hbmImageWell != nullptr)
    ::DeleteObject(m_hbmImageWell);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
  return CreateEx(pParentWnd, 0, dwStyle, CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
  m_dwStyle = dwStyle & CBRS_ALL;
  m_cxLeftBorder = rcBorders.left;
  m_cyTopBorder = rcBorders.top;
  m_cxRightBorder = rcBorders.right;
  m_cyBottomBorder = rcBorders.bottom;
  m_pDockSite = DYNAMIC_DOWNCAST(CFrameWnd, pParentWnd);
  // The frame places the bar; the control must not place itself.
  DWORD dwWindowStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  if (!CWnd::Create(TOOLBARCLASSNAME, nullptr, dwWindowStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
    return FALSE;
  SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  SetSizes(m_sizeButton, m_sizeImage);
  return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
  m_sizeButton = sizeButton;
  m_sizeImage = sizeImage;
  if (m_hWnd == nullptr)
    return;
  SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(sizeImage.cx, sizeImage.cy));
  SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(sizeButton.cx, sizeButton.cy));
}

BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName)
{
  HINSTANCE hInstance = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
  HRSRC hResource = ::FindResource(hInstance, lpszResourceName, RT_TOOLBAR);
  const void* pData = hResource != nullptr ? ::LockResource(::LoadResource(hInstance, hResource)) : nullptr;
  SToolBarResource toolBar;
  if (pData == nullptr || !ReadToolBarResource(pData, ::SizeofResource(hInstance, hResource), &toolBar))
    return FALSE;
  // The framework's button is seven pixels larger than its image.
  SetSizes(CSize(toolBar.sizeImage.cx + 7, toolBar.sizeImage.cy + 7), toolBar.sizeImage);
  return SetButtons(toolBar.ids.data(), static_cast<int>(toolBar.ids.size())) && LoadBitmap(lpszResourceName);
}

BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName)
{
  HINSTANCE hInstance = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
  HBITMAP hbm = static_cast<HBITMAP>(
      ::LoadImage(hInstance, lpszResourceName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS));
  if (hbm == nullptr)
    return FALSE;
  if (m_hbmImageWell != nullptr)
    ::DeleteObject(m_hbmImageWell);
  m_hbmImageWell = hbm;
  BITMAP bm = {};
  ::GetObject(hbm, sizeof bm, &bm);
  TBADDBITMAP addBitmap = {nullptr, reinterpret_cast<UINT_PTR>(hbm)};
  return SendMessage(TB_ADDBITMAP, m_sizeImage.cx > 0 ? bm.bmWidth / m_sizeImage.cx : 0,
                     reinterpret_cast<LPARAM>(&addBitmap)) != -1;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
  while (SendMessage(TB_DELETEBUTTON, 0))
    ;
  m_nCount = 0;
  int nImage = 0;
  for (int nIndex = 0; nIndex < nIDCount; ++nIndex)
  {
    TBBUTTON button = {};
    button.idCommand = lpIDArray != nullptr ? static_cast<int>(lpIDArray[nIndex]) : 0;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = button.idCommand == 0 ? BTNS_SEP : BTNS_BUTTON;
    button.iBitmap = button.idCommand == 0 ? 8 : nImage++;
    if (!SendMessage(TB_ADDBUTTONS, 1, reinterpret_cast<LPARAM>(&button)))
      return FALSE;
    ++m_nCount;
  }
  return TRUE;
}

BOOL CToolBar::getButton(int nIndex, TBBUTTON* pButton) const
{
  return static_cast<BOOL>(SendMessage(TB_GETBUTTON, nIndex, reinterpret_cast<LPARAM>(pButton)));
}

int CToolBar::GetCount() const { return static_cast<int>(SendMessage(TB_BUTTONCOUNT)); }

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
  TBBUTTON button = {};
  getButton(nIndex, &button);
  nID = static_cast<UINT>(button.idCommand);
  nStyle = MAKELONG(button.fsStyle, button.fsState);
  iImage = button.iBitmap;
}

UINT CToolBar::GetItemID(int nIndex) const
{
  TBBUTTON button = {};
  return getButton(nIndex, &button) ? static_cast<UINT>(button.idCommand) : 0;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
  SendMessage(TB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect));
}

int CToolBar::CommandToIndex(UINT nIDFind) const { return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, nIDFind)); }

UINT CToolBar::GetButtonStyle(int nIndex) const
{
  TBBUTTON button = {};
  return getButton(nIndex, &button) ? MAKELONG(button.fsStyle, button.fsState) : 0;
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
  TBBUTTONINFO info = {};
  info.cbSize = sizeof info;
  info.dwMask = TBIF_STYLE | TBIF_STATE | TBIF_BYINDEX;
  info.fsStyle = LOBYTE(LOWORD(nStyle));
  info.fsState = LOBYTE(HIWORD(nStyle));
  SendMessage(TB_SETBUTTONINFO, nIndex, reinterpret_cast<LPARAM>(&info));
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
  CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
  SIZE sizeButtons = {0, 0};
  SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&sizeButtons));
  if (bHorz)
  {
    size.cy += std::max<LONG>(sizeButtons.cy, m_sizeButton.cy);
    if (!bStretch)
      size.cx += sizeButtons.cx;
  }
  else
  {
    size.cx += std::max<LONG>(sizeButtons.cx, m_sizeButton.cx);
    if (!bStretch)
      size.cy += sizeButtons.cy;
  }
  return size;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
  CToolCmdUI state;
  state.m_pOther = this;
  state.m_nIndexMax = static_cast<UINT>(m_nCount);
  for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
  {
    state.m_nID = GetItemID(static_cast<int>(state.m_nIndex));
    if (state.m_nID != 0)
      state.DoUpdate(pTarget, bDisableIfNoHndler);
  }
}
