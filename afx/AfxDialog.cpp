#include "AfxDialog.h"
#include "AfxHandleOf.h"
#include "AfxDataExchange.h"
#include "AfxDlgInit.h"
#include "AfxModule.h"
#include "AfxMsgMap.h"
#include "AfxPrivateMessages.h"
#include "AfxThreadState.h"
#include "AfxWinApp.h"

namespace
{
LPCDLGTEMPLATE FindTemplate(LPCTSTR lpszTemplateName, HINSTANCE* phInstance)
{
  HINSTANCE hInstance = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
  HRSRC hResource = ::FindResource(hInstance, lpszTemplateName, RT_DIALOG);
  *phInstance = hInstance;
  if (hResource == nullptr)
    return nullptr;
  return static_cast<LPCDLGTEMPLATE>(::LockResource(::LoadResource(hInstance, hResource)));
}
}

// WM_INITDIALOG reaches the object here, below its subclass; the rest goes to DefDlgProc.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT nMsg, WPARAM, LPARAM)
{
  if (nMsg != WM_INITDIALOG)
    return FALSE;
  auto* pDlg = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
  return pDlg != nullptr ? pDlg->OnInitDialog() : TRUE;
}

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, &CDialog::OnOK)
  ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog() : CDialog(static_cast<LPCTSTR>(nullptr)) {}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd), m_nModalResult(-1), m_bContinueModal(FALSE)
{}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(MAKEINTRESOURCE(nIDTemplate), pParentWnd) {}

BOOL CDialog::createFromTemplate(HWND hWndParent)
{
  HINSTANCE hInstance;
  LPCDLGTEMPLATE lpTemplate = FindTemplate(m_lpszTemplateName, &hInstance);
  if (lpTemplate == nullptr)
    return FALSE;
  // The dialog is bound as it is created, so that the object sees all its messages.
  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateDialogIndirectParam(hInstance, lpTemplate, hWndParent, &AfxDlgProc, 0);
  AfxUnhookWindowCreate();
  return hWnd != nullptr;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
  m_lpszTemplateName = lpszTemplateName;
  m_pParentWnd = pParentWnd;
  HWND hWndParent = ZuntAfx::HandleOf(pParentWnd != nullptr ? pParentWnd : AfxGetMainWnd());
  return createFromTemplate(hWndParent);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) { return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd); }

HWND CDialog::PreModal()
{
  HWND hWndParent = ZuntAfx::HandleOf(m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd());
  while (hWndParent != nullptr && (::GetWindowLongPtr(hWndParent, GWL_STYLE) & WS_CHILD) != 0)
    hWndParent = ::GetParent(hWndParent);
  return hWndParent;
}

INT_PTR CDialog::DoModal()
{
  HWND hWndParent = PreModal();
  bool bEnableParent = hWndParent != nullptr && ::IsWindowEnabled(hWndParent);
  if (bEnableParent)
    ::EnableWindow(hWndParent, FALSE);
  m_nModalResult = -1;
  m_bContinueModal = TRUE;
  if (createFromTemplate(hWndParent) && m_bContinueModal)
    runModalLoop();
  if (m_hWnd != nullptr)
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  // The owner comes back before the dialog goes, so that the activation returns to it.
  if (bEnableParent)
    ::EnableWindow(hWndParent, TRUE);
  if (hWndParent != nullptr && ::GetActiveWindow() == m_hWnd)
    ::SetActiveWindow(hWndParent);
  DestroyWindow();
  m_bContinueModal = FALSE;
  return m_nModalResult;
}

int CDialog::runModalLoop()
{
  bool bShowIdle = (GetStyle() & WS_VISIBLE) == 0;
  bool bIdle = true;
  LONG lIdleCount = 0;
  MSG msg;
  while (m_bContinueModal)
  {
    while (bIdle && !::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE))
    {
      if (bShowIdle)
      {
        ShowWindow(SW_SHOWNORMAL);
        UpdateWindow();
        bShowIdle = false;
      }
      if (!SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
        bIdle = false;
    }
    if (::GetMessage(&msg, nullptr, 0, 0) <= 0)
    {
      // The quit message belongs to the loop outside.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      m_nModalResult = -1;
      break;
    }
    if (!AfxPreTranslateMessage(&msg))
    {
      ::TranslateMessage(&msg);
      ::DispatchMessage(&msg);
    }
    CWinThread* pThread = AfxGetThread();
    if (pThread == nullptr || pThread->IsIdleMessage(&msg))
    {
      bIdle = true;
      lIdleCount = 0;
    }
  }
  return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
  if (m_bContinueModal)
  {
    m_nModalResult = nResult;
    m_bContinueModal = FALSE;
    PostMessage(WM_NULL);  // wakes the loop
  }
  ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
  if (m_lpszTemplateName != nullptr)
    AfxExecuteDlgInit(m_hWnd, m_lpszTemplateName);
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK()
{
  if (UpdateData(TRUE))
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
  CDataExchange dx(this, bSaveAndValidate);
  try
  {
    DoDataExchange(&dx);
  }
  catch (CUserException* e)
  {
    e->Delete();
    return FALSE;
  }
  return TRUE;
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
  SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ZuntAfx::HandleOf(pWndCtrl)), TRUE);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) { return ::IsDialogMessage(m_hWnd, pMsg); }

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
    return TRUE;
  if (nCode != CN_COMMAND && nCode != CN_UPDATE_COMMAND_UI)
    return FALSE;
  CWinApp* pApp = AfxGetApp();
  return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
