// Asks for one line of text, such as the name of a new tab: refuses a text longer than 126
// bytes and one equal to a name of the given list, and stays open on either.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>

class AFX_EXT_CLASS CInputStringDlg : public CDialog
{
  DECLARE_DYNAMIC(CInputStringDlg)
public:
  enum
  {
    MAX_TEXT_BYTES = 126
  };

  explicit CInputStringDlg(CWnd* pParent = nullptr);

  void SetTitleText(const char* pszTitle) { m_strTitle = pszTitle; }
  // The prompt beside the edit.
  void SetStaticText(const char* pszText) { m_strStatic = pszText; }
  // The text offered; after OK, the accepted one.
  void SetEditText(const char* pszText) { m_strEdit = pszText; }
  // The names the text must not equal (compared with case).
  void SetStringArray(const CStringArray& arrStrings) { m_arrStrings.Copy(arrStrings); }
  // Where the dialog opens (screen pixels), pulled back inside the desktop's right and bottom
  // edges by a margin of 35 pixels at 96 DPI, scaled; (0, 0) leaves the place to the dialog
  // manager.
  void SetPoint(CPoint& point);
  CString GetEditText() const { return m_strEdit; }

protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  CStringArray m_arrStrings;
  CString m_strTitle;
  CString m_strEdit;
  CString m_strStatic;
  int m_nX;
  int m_nY;

private:
  void moveInsideDesktop();
  bool isListed(const CString& strText) const;
};
