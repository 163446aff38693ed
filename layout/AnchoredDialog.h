// What the resizing dialog and the panel share: controls that follow the window's client size by
// per-control anchor rules, a minimum tracking size taken from the creation size, and the outer
// size remembered in the application profile ("CX" and "CY" under GetDialogProfileEntry).
#pragma once
#include <afxwin.h>
#include <afxcoll.h>

// Anchor flags of SetControlInfo. Per axis the first rule that matches wins:
// HALF_X with SIZE_X_PART or MOVE_X, then SIZE_X, MOVE_X, MOVE_X_HALF (the same for y).
enum EAnchorFlags : WORD
{
  ANCHOR_SIZE_X_PART = 0x0001,  // with ANCHOR_HALF_X: the right edge follows half the change
  ANCHOR_SIZE_Y_PART = 0x0002,
  ANCHOR_MOVE_X = 0x0004,       // alone: moves with the right edge; with ANCHOR_HALF_X: grows by
  ANCHOR_MOVE_Y = 0x0008,       // half the change and moves by the other half
  ANCHOR_SIZE_X = 0x0010,       // the right edge follows the change
  ANCHOR_SIZE_Y = 0x0020,
  ANCHOR_HALF_X = 0x0040,
  ANCHOR_HALF_Y = 0x0080,
  ANCHOR_MOVE_X_HALF = 0x0100,  // stays centred
  ANCHOR_MOVE_Y_HALF = 0x0200
};

class AFX_EXT_CLASS CAnchoredDialog : public CDialog
{
  DECLARE_DYNAMIC(CAnchoredDialog)
public:
  CAnchoredDialog(const char* lpszTemplateName, CWnd* pParent);
  CAnchoredDialog(UINT nIDTemplate, CWnd* pParent);

  // wFlags: EAnchorFlags; exactly 1 or 2 name no rule and are ignored.
  void SetControlInfo(WORD wID, WORD wFlags);
  void SetRememberSize(int bRemember) { m_bRememberSize = bRemember; }
  int GetRememberSize() const { return m_bRememberSize; }
  // The template name, or the resource identifier in lower-case hexadecimal.
  virtual void GetDialogProfileEntry(CString& strEntry);

protected:
  // Applies the remembered size, without moving the window; FALSE, so the dialog manager sets
  // no initial focus.
  BOOL OnInitDialog() override;
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  // Nothing for a minimised window.
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  // Keeps the size when the window was resized, then forgets the sizes.
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

  int m_bRememberSize = 0;
  int m_nMinTrackWidth = 0;
  int m_nMinTrackHeight = 0;
  int m_nPrevWidth = 0;
  int m_nPrevHeight = 0;
  int m_bResized = 0;
  CDWordArray m_arrAnchors;  // control id in the low word, flags in the high word
  UINT m_nIDTemplate;
  CString m_strTemplateName;
  bool m_bNamedTemplate;

private:
  CString profileSection();
  void moveControls(int dx, int dy);
};
