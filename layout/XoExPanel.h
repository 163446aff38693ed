// A dialog used as a panel of the application's main frame: its controls follow its size by
// anchor rules and it may remember its size, as CResizingDialog does (without a grip), and it
// receives the host's document, layer and partition notifications. The wheel stops here.
#pragma once
#include <afxwin.h>

#include "AnchoredDialog.h"
#include "PanelDocumentEvents.h"

class AFX_EXT_CLASS CXoExPanel : public CAnchoredDialog, public CPanelDocumentEvents
{
  DECLARE_DYNAMIC(CXoExPanel)
public:
  explicit CXoExPanel(const char* lpszTemplateName, CWnd* pParent = nullptr);
  explicit CXoExPanel(UINT nIDTemplate, CWnd* pParent = nullptr);

  void SetActivePanel(bool bActive) { m_bActivePanel = bActive; }
  bool IsActivePanel() const { return m_bActivePanel; }

  // For the host; the library calls none of these.
  virtual void OnActivatePanel() {}
  virtual void OnDeActivatePanel() {}
  virtual void OnChangeGrpMask(int nGroup, DWORD dwMask) {}
  virtual void OnEnableGrpMask(int nGroup) {}

protected:
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  DECLARE_MESSAGE_MAP()

  bool m_bActivePanel;
};
