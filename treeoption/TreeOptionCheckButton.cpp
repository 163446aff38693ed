#include "TreeOptionCheckButton.h"

#include "BmpMenuMemDC.h"
#include "TreeOption.h"
#include "TreeOptionMessages.h"

namespace
{
// In pixels at 96 DPI.
const int kBoxSize = 14;
const int kGap = 5;
const int kBoxLeft = 1;
const int kBoxTop = 4;
}

IMPLEMENT_DYNAMIC(CTreeOptionCheckButton, CWnd)

BEGIN_MESSAGE_MAP(CTreeOptionCheckButton, CWnd)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CTreeOptionCheckButton::CTreeOptionCheckButton()
    : m_strUnChecked("UnChecked"), m_strChecked("Checked"), m_nCheck(0), m_otCheckOption(nullptr), m_dwOptions(0),
      m_bUseColorRect(false), m_crColor(RGB(0, 0, 0))
{}

void CTreeOptionCheckButton::SetCheckText(CString strChecked, CString strUnChecked)
{
  m_strChecked = strChecked;
  m_strUnChecked = strUnChecked;
}

void CTreeOptionCheckButton::SetOption(DWORD dwOption, BOOL bSet)
{
  if (bSet == 1)
    m_dwOptions |= dwOption;
  else
    m_dwOptions &= ~dwOption;
}

void CTreeOptionCheckButton::SetColorRect(COLORREF crColor, bool bUse)
{
  m_crColor = crColor;
  m_bUseColorRect = bUse;
}

CString CTreeOptionCheckButton::GetStaticText() { return CString(); }

int CTreeOptionCheckButton::IsReadData() { return 0; }

void CTreeOptionCheckButton::SetCheckButtonUpdateDraw() {}

void CTreeOptionCheckButton::PushCheck() { pushCheck(); }

bool CTreeOptionCheckButton::pushCheck()
{
  if (GetSafeHwnd() == nullptr)
    return false;
  m_nCheck = m_nCheck == 0 ? 1 : 0;
  if (m_otCheckOption == nullptr)
    return true;
  // A check-box row deleted by the host takes this button, and its window, with it.
  const HWND hWnd = m_hWnd;
  m_otCheckOption->SendParentMessage(CTreeOption_Msg_ChangedItem, reinterpret_cast<LPARAM>(this));
  if (FromHandlePermanent(hWnd) != this)
    return false;
  SetCheckButtonUpdateDraw();
  m_otCheckOption->UpdateDraw();
  return true;
}

void CTreeOptionCheckButton::DrawColor(CDC* pDC, const CRect& rcColor, COLORREF crOutline, COLORREF crFill)
{
  pDC->FillSolidRect(rcColor, crFill);
  CBrush brOutline(crOutline);
  pDC->FrameRect(rcColor, &brOutline);
}

BOOL CTreeOptionCheckButton::OnEraseBkgnd(CDC*) { return FALSE; }

CRect CTreeOptionCheckButton::drawCheckParts(CDC* pDC, CPoint ptBox, const CRect& rcArea, bool bEnabled, bool bBox)
{
  const int nBox = m_otCheckOption->Scaled(kBoxSize), nGap = m_otCheckOption->Scaled(kGap);
  CRect rcBox(ptBox, CSize(nBox, nBox));
  long lTextLeft = rcArea.left;
  if (bBox)
  {
    UINT nState = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (m_nCheck == 1)
      nState |= DFCS_CHECKED;
    if (!bEnabled)
      nState |= DFCS_INACTIVE;
    pDC->DrawFrameControl(rcBox, DFC_BUTTON, nState);
    lTextLeft = rcBox.right + nGap;
    if (m_bUseColorRect)
    {
      const CRect rcSwatch(rcBox.right + nGap, rcBox.top, rcBox.right + nGap + 2 * rcBox.Height(), rcBox.bottom);
      DrawColor(pDC, rcSwatch, ::GetSysColor(COLOR_WINDOWTEXT), m_crColor);
      lTextLeft = rcSwatch.right + nGap;
    }
  }
  if (GetOption(OT_CHECK_SHOWTEXT))
  {
    CRect rcText(lTextLeft, rcArea.top, rcArea.right, rcArea.bottom);
    pDC->DrawText(GetStaticText(), rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
  }
  return rcBox;
}

void CTreeOptionCheckButton::OnPaint()
{
  CPaintDC dcPaint(this);
  if (m_otCheckOption == nullptr)
    return;
  CRect rcClient;
  GetClientRect(rcClient);
  CBmpMenuMemDC dc(&dcPaint, rcClient);
  const bool bEnabled = IsWindowEnabled() && IsReadData() == 0 && m_otCheckOption->IsControlEnabled();
  dc.FillSolidRect(rcClient, ::GetSysColor(bEnabled ? COLOR_WINDOW : COLOR_BTNFACE));
  dc.SetTextColor(::GetSysColor(bEnabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  dc.SetBkMode(TRANSPARENT);
  dc.SelectObject(m_otCheckOption->NormalFont());
  const CPoint ptBox(rcClient.left + m_otCheckOption->Scaled(kBoxLeft),
                     rcClient.top + m_otCheckOption->Scaled(kBoxTop));
  m_rcCheck = drawCheckParts(&dc, ptBox, rcClient, bEnabled, true);
  if (GetOption(OT_CHECK_SHOWTEXT))
    m_rcCheck.right = rcClient.right;
  dc.SelectStockObject(SYSTEM_FONT);
}

void CTreeOptionCheckButton::OnLButtonDown(UINT nFlags, CPoint point)
{
  if (m_rcCheck.PtInRect(point) && !pushCheck())
    return;
  CWnd::OnLButtonDown(nFlags, point);
}
