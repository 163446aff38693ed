// A small window with a check box, an optional colour swatch and an optional text; a click on
// the box toggles the check and reports it to the option tree's parent.
#pragma once
#include <afxwin.h>

class CTreeOption;

// Option bits of a check button.
enum
{
  OT_CHECK_SHOWCHECKBOX = 0x400,  // the row draws the check box while idle
  OT_CHECK_SHOWTEXT = 0x40000     // the text is drawn after the box
};

class AFX_EXT_CLASS CTreeOptionCheckButton : public CWnd
{
  DECLARE_DYNAMIC(CTreeOptionCheckButton)
public:
  CTreeOptionCheckButton();

  CString GetUnCheckedText() const { return m_strUnChecked; }
  CString GetCheckedText() const { return m_strChecked; }
  void SetCheckText(CString strChecked, CString strUnChecked);
  int GetCheck() const { return m_nCheck; }
  void SetCheck(int nCheck) { m_nCheck = nCheck; }
  CRect GetCheckRect() const { return m_rcCheck; }
  CTreeOption* GetCheckOptionsOwner() const { return m_otCheckOption; }
  void SetCheckOptionsOwner(CTreeOption* pOwner) { m_otCheckOption = pOwner; }
  void SetOption(DWORD dwOption, BOOL bSet);
  BOOL GetOption(DWORD dwOption) const { return (m_dwOptions & dwOption) != 0; }
  bool IsUseColorRect() const { return m_bUseColorRect; }
  COLORREF GetColorRect() const { return m_crColor; }
  void SetColorRect(COLORREF crColor, bool bUse);

  // Toggles the check and reports it.
  void PushCheck();
  void DrawColor(CDC* pDC, const CRect& rcColor, COLORREF crOutline, COLORREF crFill);

  virtual CString GetStaticText();
  virtual int IsReadData();
  virtual void SetCheckButtonUpdateDraw();

protected:
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

  // The box at ptBox (when bBox), the swatch after it and the text up to rcArea's right edge;
  // returns the box.
  CRect drawCheckParts(CDC* pDC, CPoint ptBox, const CRect& rcArea, bool bEnabled, bool bBox);
  // PushCheck: false when the window does not exist or the host destroyed the button while
  // told of the toggle; nothing of it may be used then.
  bool pushCheck();

private:
  CString m_strUnChecked;
  CString m_strChecked;
  int m_nCheck;
  CRect m_rcCheck;
  CTreeOption* m_otCheckOption;

protected:
  DWORD m_dwOptions;

private:
  bool m_bUseColorRect;
  COLORREF m_crColor;
};
