// Dialog data exchange: CDataExchange and the DDX_ functions that move values between a
// dialog's controls and its members. A refused value ends the exchange through Fail, which
// gives the focus back to the control and leaves the member as it was.
#pragma once
#include "AfxWnd.h"

// Thrown by Fail after the user has been told; UpdateData catches it.
class ZUNTAFX_API CUserException : public CSimpleException
{
  DECLARE_DYNAMIC(CUserException)
};
[[noreturn]] ZUNTAFX_API void AFXAPI AfxThrowUserException();

class ZUNTAFX_API CDataExchange
{
public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;  // TRUE: controls to members, with validation
  CWnd* m_pDlgWnd;

  // The control's handle, remembered as the one a failure returns the focus to.
  HWND PrepareCtrl(int nIDC);
  HWND PrepareEditCtrl(int nIDC);
  [[noreturn]] void Fail();

  UINT m_idLastControl;
  BOOL m_bEditLastControl;
};

// Binds the member to the dialog item by subclassing it, the first time.
ZUNTAFX_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
ZUNTAFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
ZUNTAFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
ZUNTAFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value);
// The index of the checked button of the group that starts at nIDC; -1 for none.
ZUNTAFX_API void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
ZUNTAFX_API void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
ZUNTAFX_API void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);

// String nIDS with lpsz1 in place of "%1".
ZUNTAFX_API void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1);
