// A row whose value is a check box: the row draws the box while idle, and the live check button
// is shown over the value area while the row is edited. Activating the row toggles the check.
#pragma once
#include "TreeOptionCheckButton.h"
#include "TreeOptionItem.h"

class AFX_EXT_CLASS CTreeOptionItemCheckBox : public CTreeOptionCheckButton, public CTreeOptionItem
{
  DECLARE_DYNAMIC(CTreeOptionItemCheckBox)
public:
  CTreeOptionItemCheckBox();

  // After InsertItem: creates the hidden button window. FALSE without an owner or when it
  // exists already.
  BOOL CreateCheckBoxItem(int nCheck, DWORD dwOptions);

  CString GetStaticText() override { return GetLabelText(); }
  int IsReadData() override { return IsReadOnly(); }
  void SetCheckButtonUpdateDraw() override { SetUpdateDraw(); }

  void DrawAttribute(CDC* pDC, const RECT& rcRect) override;
  void OnActivate() override;
  void OnMove() override;
  void OnRefresh() override;
  void OnCommit() override;
  void CleanDestroyWindow() override;
  void OnDeSelect() override { CommitChanges(); }
  void OnSelect() override { CommitChanges(); }
  void DrawSelectItem() override;

protected:
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  DECLARE_MESSAGE_MAP()

private:
  void moveOntoAttribute();
  BOOL m_bFocus;
};
