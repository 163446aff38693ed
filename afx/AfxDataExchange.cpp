#include "AfxDataExchange.h"
#include "AfxResourceIds.h"
#include "AfxWinApp.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cstdio>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CUserException, CSimpleException)

void AFXAPI AfxThrowUserException() { throw new CUserException; }

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_idLastControl(0), m_bEditLastControl(FALSE)
{}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
  HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
  if (hWndCtrl == nullptr)
    AfxThrowNotSupportedException();  // the template lacks the control the exchange names
  m_idLastControl = static_cast<UINT>(nIDC);
  m_bEditLastControl = FALSE;
  return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
  HWND hWndCtrl = PrepareCtrl(nIDC);
  m_bEditLastControl = TRUE;
  return hWndCtrl;
}

void CDataExchange::Fail()
{
  HWND hWndLast = m_idLastControl != 0 ? ::GetDlgItem(m_pDlgWnd->m_hWnd, static_cast<int>(m_idLastControl)) : nullptr;
  if (m_bSaveAndValidate && hWndLast != nullptr)
  {
    ::SetFocus(hWndLast);
    if (m_bEditLastControl)
      ::SendMessage(hWndLast, EM_SETSEL, 0, -1);
  }
  AfxThrowUserException();
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
  if (rControl.m_hWnd != nullptr)
    return;
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (!rControl.SubclassWindow(hWndCtrl))
    AfxThrowNotSupportedException();  // already bound to another object
}

namespace
{
// Tells the user what the field needs (the framework's text, which a host may override), then
// fails the exchange on that field.
[[noreturn]] void FailParse(CDataExchange* pDX, UINT nIDPrompt)
{
  AfxMessageBox(nIDPrompt);
  pDX->Fail();
}

CString WindowText(HWND hWnd)
{
  CString strText;
  CWnd::FromHandle(hWnd)->GetWindowText(strText);
  return strText;
}

// Blanks may surround the number; nothing else may follow it.
bool OnlyBlanksFrom(const char* psz)
{
  while (*psz == ' ' || *psz == '\t')
    ++psz;
  return *psz == '\0';
}

template <class TValue, class TParse>
void ExchangeNumber(CDataExchange* pDX, int nIDC, TValue& value, UINT nIDPrompt, const char* pszFormat, TParse parse)
{
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (!pDX->m_bSaveAndValidate)
  {
    char szText[64];
    std::snprintf(szText, sizeof szText, pszFormat, value);
    ::SetWindowText(hWndCtrl, szText);
    return;
  }
  CString strText = WindowText(hWndCtrl);
  const char* pszBegin = strText;
  char* pszEnd = nullptr;
  errno = 0;
  TValue parsed = parse(pszBegin, &pszEnd);
  if (pszEnd == pszBegin || errno == ERANGE || !OnlyBlanksFrom(pszEnd))
    FailParse(pDX, nIDPrompt);
  value = parsed;
}
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
    value = WindowText(hWndCtrl);
  else
    ::SetWindowText(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
  ExchangeNumber(pDX, nIDC, value, AFX_IDP_PARSE_INT, "%d", [](const char* psz, char** ppszEnd) {
    long lValue = std::strtol(psz, ppszEnd, 10);
    if (lValue < INT_MIN || lValue > INT_MAX)
      errno = ERANGE;
    return static_cast<int>(lValue);
  });
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
  // Fifteen significant digits survive the round trip through the text.
  char szFormat[16];
  std::snprintf(szFormat, sizeof szFormat, "%%.%dg", DBL_DIG);
  ExchangeNumber(pDX, nIDC, value, AFX_IDP_PARSE_REAL, szFormat,
                 [](const char* psz, char** ppszEnd) { return std::strtod(psz, ppszEnd); });
}

namespace
{
bool IsRadioButton(HWND hWnd)
{
  if ((::SendMessage(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0)
    return true;
  LONG_PTR nType = ::GetWindowLongPtr(hWnd, GWL_STYLE) & BS_TYPEMASK;
  return nType == BS_RADIOBUTTON || nType == BS_AUTORADIOBUTTON;
}
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
    value = -1;
  // The group runs from nIDC to the next control with WS_GROUP.
  int nIndex = 0;
  for (HWND hWnd = hWndCtrl; hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
  {
    if (hWnd != hWndCtrl && (::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_GROUP) != 0)
      break;
    if (!IsRadioButton(hWnd))
      continue;
    if (pDX->m_bSaveAndValidate)
    {
      if (::SendMessage(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
        value = nIndex;
    }
    else
    {
      ::SendMessage(hWnd, BM_SETCHECK, nIndex == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    ++nIndex;
  }
}

namespace
{
void ExchangeIndex(CDataExchange* pDX, int nIDC, int& index, UINT nGetMessage, UINT nSetMessage)
{
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
    index = static_cast<int>(::SendMessage(hWndCtrl, nGetMessage, 0, 0));
  else
    ::SendMessage(hWndCtrl, nSetMessage, static_cast<WPARAM>(index), 0);
}
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
  ExchangeIndex(pDX, nIDC, index, CB_GETCURSEL, CB_SETCURSEL);
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
  ExchangeIndex(pDX, nIDC, index, LB_GETCURSEL, LB_SETCURSEL);
}

void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1)
{
  CString strFormat;
  strFormat.LoadString(nIDS);
  rString.Empty();
  const char* p = strFormat;
  while (*p != '\0')
  {
    if (p[0] == '%' && p[1] == '1')
    {
      rString += lpsz1 != nullptr ? lpsz1 : "";
      p += 2;
    }
    else
    {
      // A lead byte keeps its trail byte: "%1" is never split out of a double-byte character.
      int nBytes = ::IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1] != '\0' ? 2 : 1;
      rString.Append(p, nBytes);
      p += nBytes;
    }
  }
}
