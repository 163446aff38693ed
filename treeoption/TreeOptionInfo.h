// The information pane at the foot of the option tree: the focused row's label in bold and its
// description below it.
#pragma once
#include <afxwin.h>

class CTreeOption;

class AFX_EXT_CLASS CTreeOptionInfo : public CStatic
{
  DECLARE_DYNAMIC(CTreeOptionInfo)
public:
  CTreeOptionInfo();
  void SetOptionsOwner(CTreeOption* pOwner) { m_otOption = pOwner; }

protected:
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  DECLARE_MESSAGE_MAP()

private:
  void drawTexts(CDC* pDC, CRect rcText);
  CTreeOption* m_otOption;
};
