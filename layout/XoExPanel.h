// A dialog used as a panel of the application's main frame: its controls follow its size by
// anchor rules and it may remember its size, as CResizingDialog does (without a grip), and it
// receives the host's document, layer and partition notifications. The wheel stops here.
#pragma once
#include <afxwin.h>

#include "PanelDocumentEvents.h"
#include "ResizingLayout.h"

class AFX_EXT_CLASS CXoExPanel : public CDialog, public CPanelDocumentEvents
{
  DECLARE_DYNAMIC(CXoExPanel)
public:
  explicit CXoExPanel(const char* lpszTemplateName, CWnd* pParent = nullptr);
  explicit CXoExPanel(UINT nIDTemplate, CWnd* pParent = nullptr);

  // wFlags: EAnchorFlags; exactly 1 or 2 are ignored.
  void SetControlInfo(WORD wID, WORD wFlags) { m_layout.SetControlInfo(wID, wFlags); }
  void SetRememberSize(int bRemember) { m_layout.SetRememberSize(bRemember); }
  int GetRememberSize() const { return m_layout.GetRememberSize(); }
  void SetActivePanel(bool bActive) { m_bActivePanel = bActive; }
  bool IsActivePanel() const { return m_bActivePanel; }

  virtual void GetDialogProfileEntry(CString& strEntry);
  // For the host; the library calls none of these.
  virtual void OnActivatePanel() {}
  virtual void OnDeActivatePanel() {}
  virtual void OnChangeGrpMask(int /*nGroup*/, DWORD /*dwMask*/) {}
  virtual void OnEnableGrpMask(int /*nGroup*/) {}

protected:
  // Applies the remembered size; FALSE, so the dialog manager sets no initial focus.
  BOOL OnInitDialog() override;
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  afx_msg void OnDestroy();
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  CResizingLayout m_layout;
  bool m_bActivePanel;

private:
  CString profileSection();
};
