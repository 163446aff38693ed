#include "TreeOptionItemCheckBox.h"

#include "TreeOption.h"

namespace
{
const int kItemTypeCheckBox = 2;
const int kIdleBoxTop = 3;  // pixels at 96 DPI
}

IMPLEMENT_DYNAMIC(CTreeOptionItemCheckBox, CTreeOptionCheckButton)

BEGIN_MESSAGE_MAP(CTreeOptionItemCheckBox, CTreeOptionCheckButton)
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CTreeOptionItemCheckBox::CTreeOptionItemCheckBox() : m_bFocus(FALSE) { SetItemType(kItemTypeCheckBox); }

BOOL CTreeOptionItemCheckBox::CreateCheckBoxItem(int nCheck, DWORD dwOptions)
{
  CTreeOption* pOwner = GetOptionsOwner();
  if (pOwner == nullptr || GetSafeHwnd() != nullptr)
    return FALSE;
  LPCTSTR pszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW), nullptr);
  if (!CreateEx(0, pszClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, GetAttributeRect(),
                pOwner->GetCtrlParent(), GetCtrlID()))
    return FALSE;
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pOwner->NormalFont()->GetSafeHandle()), TRUE);
  SetCheckOptionsOwner(pOwner);
  m_dwOptions = dwOptions;
  SetCheck(nCheck);
  moveOntoAttribute();
  ShowWindow(SW_HIDE);
  return TRUE;
}

void CTreeOptionItemCheckBox::moveOntoAttribute() { MoveWindow(GetAttributeRect()); }

void CTreeOptionItemCheckBox::OnActivate()
{
  if (!pushCheck())
    return;
  ShowWindow(SW_SHOW);
  moveOntoAttribute();
  SetFocus();
}

void CTreeOptionItemCheckBox::OnCommit()
{
  if (GetSafeHwnd() != nullptr)
    ShowWindow(SW_HIDE);
}

void CTreeOptionItemCheckBox::OnMove()
{
  if (GetSafeHwnd() == nullptr)
    return;
  moveOntoAttribute();
  if (!m_bFocus)
    ShowWindow(SW_HIDE);
}

void CTreeOptionItemCheckBox::OnRefresh()
{
  if (GetSafeHwnd() != nullptr)
    moveOntoAttribute();
}

void CTreeOptionItemCheckBox::CleanDestroyWindow()
{
  if (GetSafeHwnd() != nullptr)
    DestroyWindow();
}

void CTreeOptionItemCheckBox::DrawSelectItem()
{
  if (GetSafeHwnd() == nullptr)
    return;
  Invalidate(FALSE);
  UpdateWindow();
}

void CTreeOptionItemCheckBox::OnSetFocus(CWnd* pOldWnd)
{
  CTreeOptionCheckButton::OnSetFocus(pOldWnd);
  m_bFocus = TRUE;
}

void CTreeOptionItemCheckBox::OnKillFocus(CWnd* pNewWnd)
{
  CTreeOptionCheckButton::OnKillFocus(pNewWnd);
  // Focus going to another application or window of the host leaves the edit open.
  CTreeOption* pOwner = GetOptionsOwner();
  if (pOwner == nullptr || pNewWnd == nullptr || !pOwner->IsChild(pNewWnd))
    return;
  m_bFocus = FALSE;
  CommitChanges();
}

void CTreeOptionItemCheckBox::DrawAttribute(CDC* pDC, const RECT& rcRect)
{
  CTreeOption* pOwner = GetOptionsOwner();
  if (pOwner == nullptr || GetSafeHwnd() == nullptr)
    return;
  moveOntoAttribute();
  const bool bEnabled = IsWindowEnabled() && !IsReadOnly() && pOwner->IsControlEnabled();
  const int nSaved = pDC->SaveDC();
  pDC->SelectObject(pOwner->NormalFont());
  pDC->SetTextColor(bEnabled ? CTreeOptionItem::GetTextColor() : ::GetSysColor(COLOR_GRAYTEXT));
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetBkColor(GetBackgroundColor());
  const CRect rcArea(rcRect);
  if (!bEnabled)
    pDC->FillSolidRect(CRect(rcArea.left, rcArea.top, rcArea.right + 1, rcArea.bottom), ::GetSysColor(COLOR_BTNFACE));
  drawCheckParts(pDC, CPoint(rcArea.left, rcArea.top + pOwner->Scaled(kIdleBoxTop)), rcArea, bEnabled,
                 GetOption(OT_CHECK_SHOWCHECKBOX) != FALSE);
  pDC->RestoreDC(nSaved);
}
