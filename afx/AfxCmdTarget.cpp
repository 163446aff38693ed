#include "AfxCmdTarget.h"
#include "AfxMenu.h"
#include "AfxWnd.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* AFXAPI CCmdTarget::GetThisMessageMap()
{
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr, nullptr}};
  static const AFX_MSGMAP map = {nullptr, entries};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

namespace
{
bool EntryMatches(const AFX_MSGMAP_ENTRY& entry, UINT nMessage, UINT nCode, UINT nID)
{
  // A registered message's variable is only read once the message is a registered one.
  bool bMessage = entry.pnRegistered != nullptr ? nMessage >= 0xC000 && *entry.pnRegistered == nMessage
                                                : entry.nMessage == nMessage;
  return bMessage && entry.nCode == nCode && entry.nID <= nID && nID <= entry.nLastID;
}
}

const AFX_MSGMAP_ENTRY* AFXAPI CCmdTarget::FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID)
{
  for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr)
  {
    for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfnDispatch != nullptr; ++pEntry)
    {
      if (EntryMatches(*pEntry, nMessage, nCode, nID))
        return pEntry;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
  // Notifications come as MAKELONG(code, message); commands and updates as the bare code.
  UINT nMessage = WM_COMMAND;
  UINT nEntryCode = static_cast<UINT>(nCode);
  if (nCode != CN_UPDATE_COMMAND_UI && HIWORD(nCode) != 0)
  {
    nMessage = HIWORD(nCode);
    nEntryCode = LOWORD(nCode);
  }
  return dispatchCommand(nMessage, nEntryCode, nID, pExtra, pHandlerInfo);
}

BOOL CCmdTarget::dispatchCommand(UINT nMessage, UINT nCode, UINT nID, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
  const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(GetMessageMap(), nMessage, nCode, nID);
  if (pEntry == nullptr)
    return FALSE;
  if (pHandlerInfo != nullptr)
  {
    pHandlerInfo->pTarget = this;
    pHandlerInfo->pmf = pEntry->pfn;
    return TRUE;
  }
  AFX_DISPATCH_CALL call = {nMessage, 0, 0, nID, pExtra, nullptr};
  return pEntry->pfnDispatch(this, pEntry->pfn, call);
}

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_pMenu(nullptr), m_pSubMenu(nullptr), m_pOther(nullptr), m_bEnableChanged(FALSE),
      m_bContinueRouting(FALSE), m_nIndexMax(0)
{}

void CCmdUI::Enable(BOOL bOn)
{
  if (m_pMenu != nullptr)
  {
    m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
  }
  else if (m_pOther != nullptr)
  {
    // A control losing the focus to its own disabling would leave the dialog without one.
    if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
      m_pOther->GetParent()->SendMessage(WM_NEXTDLGCTL, 0, FALSE);
    m_pOther->EnableWindow(bOn);
  }
  m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
  if (m_pMenu != nullptr)
    m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
  else if (m_pOther != nullptr && (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON))
    m_pOther->SendMessage(BM_SETCHECK, nCheck);
}

void CCmdUI::SetRadio(BOOL bOn) { SetCheck(bOn ? 1 : 0); }

void CCmdUI::SetText(LPCTSTR lpszText)
{
  if (m_pMenu != nullptr)
  {
    UINT nState = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
  }
  else if (m_pOther != nullptr)
  {
    m_pOther->SetWindowText(lpszText);
  }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
  m_bEnableChanged = FALSE;
  BOOL bHandled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
  if (bDisableIfNoHndler && !m_bEnableChanged)
  {
    // No update handler: the element is enabled exactly when someone handles the command.
    AFX_CMDHANDLERINFO info = {nullptr, nullptr};
    Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
  }
  return bHandled;
}
