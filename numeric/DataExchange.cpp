#include "DataExchange.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
const int kCompareLength = 256;  // longer texts are set without comparing
const int kReadLength = 32;      // one number, with room for blanks

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

// One number between blanks. A zero result must come from a text that starts with '0', which
// refuses texts that strtod reads nothing of.
bool ParseReal(const char* pszText, double& dValue)
{
  while (IsBlank(*pszText))
    ++pszText;
  char* pszEnd = nullptr;
  double dRead = std::strtod(pszText, &pszEnd);
  if (dRead == 0.0 && *pszText != '0')
    return false;
  while (IsBlank(*pszEnd))
    ++pszEnd;
  if (*pszEnd != '\0')
    return false;
  dValue = dRead;
  return true;
}

CString FormatReal(const char* pszFormat, double dValue)
{
  int nLength = std::snprintf(nullptr, 0, pszFormat, dValue);
  if (nLength <= 0)
    return CString();
  std::vector<char> buffer(nLength + 1);
  std::snprintf(buffer.data(), buffer.size(), pszFormat, dValue);
  return CString(buffer.data());
}

// Setting an unchanged text would send change notifications for nothing.
void SetTextIfChanged(HWND hWndCtrl, const CString& strNew)
{
  char szOld[kCompareLength + 1];
  int nNewLength = strNew.GetLength();
  if (nNewLength > kCompareLength || ::GetWindowText(hWndCtrl, szOld, kCompareLength + 1) != nNewLength ||
      strNew != szOld)
    ::SetWindowText(hWndCtrl, strNew);
}

[[noreturn]] void FailWithBound(CDataExchange* pDX, const char* pszBound, UINT nIDPrompt)
{
  CString strPrompt;
  AfxFormatString1(strPrompt, nIDPrompt, pszBound);
  AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, nIDPrompt);
  pDX->Fail();
}
}

void __stdcall DDX_TextWithFormat(CDataExchange* pDX, int nIDC, const char* pszFormat, double& value)
{
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (!pDX->m_bSaveAndValidate)
  {
    SetTextIfChanged(hWndCtrl, FormatReal(pszFormat, value));
    return;
  }
  char szText[kReadLength];
  ::GetWindowText(hWndCtrl, szText, kReadLength);
  double dRead = 0.0;
  if (!ParseReal(szText, dRead))
  {
    AfxMessageBox(AFX_IDP_PARSE_REAL, MB_OK);
    pDX->Fail();
  }
  value = dRead;
}

void __stdcall DDX_CBItemData(CDataExchange* pDX, int nIDC, DWORD& value)
{
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
  {
    LRESULT nSelected = ::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0);
    value = static_cast<DWORD>(::SendMessage(hWndCtrl, CB_GETITEMDATA, nSelected, 0));
    return;
  }
  LRESULT nCount = ::SendMessage(hWndCtrl, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < nCount; ++i)
  {
    if (static_cast<DWORD>(::SendMessage(hWndCtrl, CB_GETITEMDATA, i, 0)) == value)
    {
      ::SendMessage(hWndCtrl, CB_SETCURSEL, i, 0);
      return;
    }
  }
}

void __stdcall DDV_CustomDouble(CDataExchange* pDX, const double& value, double dBound,
                                DDV_DOUBLE_COMPARISON pfnCompare, UINT nIDPrompt)
{
  if (pfnCompare == nullptr || pfnCompare(value, dBound) || !pDX->m_bSaveAndValidate)
    return;
  char szBound[32];
  std::snprintf(szBound, sizeof szBound, "%.*g", 15, dBound);
  FailWithBound(pDX, szBound, nIDPrompt);
}

void __stdcall DDV_CustomInt(CDataExchange* pDX, const int& value, int nBound, DDV_INT_COMPARISON pfnCompare,
                             UINT nIDPrompt)
{
  if (pfnCompare == nullptr || pfnCompare(value, nBound) || !pDX->m_bSaveAndValidate)
    return;
  char szBound[32];
  ::wsprintfA(szBound, "%ld", static_cast<long>(nBound));
  FailWithBound(pDX, szBound, nIDPrompt);
}

int __stdcall DDV_ValidateLessEqualThanDouble(double dValue, double dBound) { return dValue <= dBound; }

int __stdcall DDV_ValidateLessThanDouble(double dValue, double dBound) { return dValue < dBound; }

int __stdcall DDV_ValidateGreaterEqualThanDouble(double dValue, double dBound) { return dValue >= dBound; }

int __stdcall DDV_ValidateGreaterThanDouble(double dValue, double dBound) { return dValue > dBound; }

int __stdcall DDV_ValidateLessEqualThanInt(int nValue, int nBound) { return nValue <= nBound; }

int __stdcall DDV_ValidateLessThanInt(int nValue, int nBound) { return nValue < nBound; }

int __stdcall DDV_ValidateGreaterEqualThanInt(int nValue, int nBound) { return nValue >= nBound; }

int __stdcall DDV_ValidateGreaterThanInt(int nValue, int nBound) { return nValue > nBound; }
