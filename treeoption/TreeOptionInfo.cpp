#include "TreeOptionInfo.h"

#include "BmpMenuMemDC.h"
#include "TreeOption.h"

namespace
{
const int kTextInset = 4;  // pixels at 96 DPI
}

IMPLEMENT_DYNAMIC(CTreeOptionInfo, CStatic)

BEGIN_MESSAGE_MAP(CTreeOptionInfo, CStatic)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CTreeOptionInfo::CTreeOptionInfo() : m_otOption(nullptr) {}

BOOL CTreeOptionInfo::OnEraseBkgnd(CDC*) { return FALSE; }

void CTreeOptionInfo::OnPaint()
{
  CPaintDC dcPaint(this);
  if (m_otOption == nullptr)
    return;
  CRect rcClient;
  GetClientRect(rcClient);
  CBmpMenuMemDC dc(&dcPaint, rcClient);
  dc.FillSolidRect(rcClient, ::GetSysColor(COLOR_BTNFACE));
  CRect rcBorder(rcClient);
  dc.DrawEdge(rcBorder, BDR_SUNKENOUTER, BF_RECT);
  const int nInset = m_otOption->Scaled(kTextInset);
  rcClient.DeflateRect(nInset, nInset);
  drawTexts(&dc, rcClient);
}

void CTreeOptionInfo::drawTexts(CDC* pDC, CRect rcText)
{
  CString strTitle, strDescription;
  if (CTreeOptionItem* pFocus = m_otOption->GetFocusedItem())
  {
    strTitle = pFocus->GetLabelText();
    strDescription = pFocus->GetInfoText();
  }
  else if (m_otOption->GetDefInfoTextNoSel())
  {
    strTitle = "No Item Selected";
    strDescription = "Select an item to see its description.";
  }
  const COLORREF crOldText =
      pDC->SetTextColor(::GetSysColor(m_otOption->IsControlEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  const int nOldMode = pDC->SetBkMode(TRANSPARENT);
  CFont* pOldFont = pDC->SelectObject(m_otOption->BoldFont());
  CRect rcTitle(rcText);
  pDC->DrawText(strTitle, rcTitle, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
  pDC->DrawText(strTitle, rcTitle, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP | DT_CALCRECT);
  pDC->SelectObject(m_otOption->NormalFont());
  CRect rcDescription(rcText.left, rcTitle.bottom, rcText.right, rcText.bottom);
  pDC->DrawText(strDescription, rcDescription, DT_WORDBREAK | DT_NOPREFIX | DT_LEFT | DT_TOP);
  pDC->SelectObject(pOldFont);
  pDC->SetBkMode(nOldMode);
  pDC->SetTextColor(crOldText);
}
