// CDialog: modal (its own loop, owner disabled meanwhile) and modeless dialogs from templates
// found through the resource chain, with data exchange between the dialog and its members.
#pragma once
#include "AfxWnd.h"

class CDataExchange;

class ZUNTAFX_API CDialog : public CWnd
{
  DECLARE_DYNAMIC(CDialog)
  DECLARE_MESSAGE_MAP()
public:
  CDialog();
  explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

  // Modeless: a child or popup window of pParentWnd.
  virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  // Modal: the result given to EndDialog; -1 when the template is missing or creation failed.
  virtual INT_PTR DoModal();
  void EndDialog(int nResult);

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  // Fills the controls (FALSE) or reads and validates them (TRUE); FALSE when a check failed.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

  void GotoDlgCtrl(CWnd* pWndCtrl);
  void NextDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 0, 0); }
  void PrevDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 1, 0); }
  void SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID); }
  DWORD GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }
  void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

  BOOL PreTranslateMessage(MSG* pMsg) override;
  // Commands and their updates go on to the application when the dialog has no handler.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
  LPCTSTR m_lpszTemplateName;
  CWnd* m_pParentWnd;

  virtual void DoDataExchange(CDataExchange* pDX);
  BOOL ContinueModal() const { return m_bContinueModal; }
  // The owner of a modal dialog: the parent's top-level window, else the main window.
  HWND PreModal();

  int m_nModalResult;

private:
  friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
  BOOL createFromTemplate(HWND hWndParent);
  int runModalLoop();
  BOOL m_bContinueModal;
};
