// CCmdTarget: the message-map owner. Message maps are tables of entries, each with the type-safe
// dispatcher of its handler's signature (AfxMsgMap.h); a class's map chains to its base's map.
#pragma once
#include "AfxObject.h"
#include "AfxAssert.h"
#include "AfxTypes.h"

class CCmdTarget;
class CCmdUI;
class CWnd;
class CMenu;

// Every handler is stored as this type and cast back to its own signature by its dispatcher.
typedef void (CCmdTarget::*AFX_PMSG)();

// What a dispatcher is handed: the window message, or the command and its extra data.
struct AFX_DISPATCH_CALL
{
  UINT nMessage;
  WPARAM wParam;
  LPARAM lParam;
  UINT nID;
  void* pExtra;
  LRESULT* pResult;
};

// Calls the handler; FALSE when it declined (the _EX handlers) so that routing goes on.
typedef BOOL (*AFX_DISPATCH)(CCmdTarget* pTarget, AFX_PMSG pfn, const AFX_DISPATCH_CALL& call);

struct AFX_MSGMAP_ENTRY
{
  UINT nMessage;  // window message, or WM_COMMAND/WM_NOTIFY (maybe reflected) for commands
  UINT nCode;     // notification code of a command entry
  UINT nID;       // first and last control or command id of a command entry
  UINT nLastID;
  const UINT* pnRegistered;  // the variable holding a registered message's number, or null
  AFX_DISPATCH pfnDispatch;
  AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
  const AFX_MSGMAP*(AFXAPI* pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// The extra data of a WM_NOTIFY command.
struct AFX_NOTIFY
{
  LRESULT* pResult;
  NMHDR* pNMHDR;
};

// Filled by OnCmdMsg when it is only asked whether a handler exists.
struct AFX_CMDHANDLERINFO
{
  CCmdTarget* pTarget;
  AFX_PMSG pmf;
};

// Command codes of OnCmdMsg: a control notification code, or one of these.
#define CN_COMMAND           0
#define CN_UPDATE_COMMAND_UI (-1)
// Reflected messages are the originals plus this base, looked up in the child's map.
#define WM_REFLECT_BASE 0xBC00

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
  static const AFX_MSGMAP* AFXAPI GetThisMessageMap();                                                                 \
  const AFX_MSGMAP* GetMessageMap() const override;

class ZUNTAFX_API CCmdTarget : public CObject
{
  DECLARE_DYNAMIC(CCmdTarget)
public:
  // Routes a command, a control notification or a command UI update through this target's map.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
  static const AFX_MSGMAP* AFXAPI GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;

#ifndef ZUNTAFX_MFC_SURFACE
  // The entry of this class's map or of a base's map that handles the message, or null.
  static const AFX_MSGMAP_ENTRY* AFXAPI FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID);
  BOOL dispatchCommand(UINT nMessage, UINT nCode, UINT nID, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
#endif
};

// The state of one user-interface element (menu item, toolbar button) during an update.
class ZUNTAFX_API CCmdUI
{
public:
  CCmdUI();
  virtual ~CCmdUI() = default;
  virtual void Enable(BOOL bOn = TRUE);
  virtual void SetCheck(int nCheck = 1);
  virtual void SetRadio(BOOL bOn = TRUE);
  virtual void SetText(LPCTSTR lpszText);
  // Sends the update through the target's routing; TRUE when a handler took it.
  BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

  UINT m_nID;
  UINT m_nIndex;
  CMenu* m_pMenu;
  CMenu* m_pSubMenu;
  CWnd* m_pOther;
  BOOL m_bEnableChanged;
  BOOL m_bContinueRouting;
  UINT m_nIndexMax;
};
