#include "InputStringDlg.h"

#include "DpiScale.h"
#include "Resource.h"

namespace
{
// Kept this far inside the desktop's right and bottom edges.
const int kDesktopMargin = 35;

// "入力文字数が上限を超えています。" in the library's code page.
const char kTooLong[] =
    "\x93\xfc\x97\xcd\x95\xb6\x8e\x9a\x90\x94\x82\xaa\x8f\xe3\x8c\xc0\x82\xf0\x92\xb4\x82\xa6\x82\xc4\x82\xa2\x82"
    "\xdc\x82\xb7\x81\x42";
// "指定されたタブ名は既に存在します。\n別の名前を指定してください。"
const char kAlreadyListed[] =
    "\x8e\x77\x92\xe8\x82\xb3\x82\xea\x82\xbd\x83\x5e\x83\x75\x96\xbc\x82\xcd\x8a\xf9\x82\xc9\x91\xb6\x8d\xdd\x82"
    "\xb5\x82\xdc\x82\xb7\x81\x42\n\x95\xca\x82\xcc\x96\xbc\x91\x4f\x82\xf0\x8e\x77\x92\xe8\x82\xb5\x82\xc4\x82"
    "\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42";

// Pulls the start of a span back so that it ends the margin before the limit.
int PullBack(int nStart, int nLength, int nLimit, int nMargin)
{
  return nStart + nLength + nMargin > nLimit ? nLimit - nLength - nMargin : nStart;
}
}

IMPLEMENT_DYNAMIC(CInputStringDlg, CDialog)

BEGIN_MESSAGE_MAP(CInputStringDlg, CDialog)
  ON_MESSAGE(WM_DPICHANGED, &CInputStringDlg::OnDpiChanged)
END_MESSAGE_MAP()

CInputStringDlg::CInputStringDlg(CWnd* pParent) : CDialog(IDD_DLG_INPUT_STRING, pParent), m_nX(0), m_nY(0) {}

void CInputStringDlg::SetPoint(CPoint& point)
{
  m_nX = point.x;
  m_nY = point.y;
}

void CInputStringDlg::DoDataExchange(CDataExchange*) {}

BOOL CInputStringDlg::OnInitDialog()
{
  CDialog::OnInitDialog();
  SetWindowText(m_strTitle);
  SetDlgItemText(IDC_STATIC_PROMPT, m_strStatic);
  SetDlgItemText(IDC_EDIT_STRING, m_strEdit);
  if (m_nX != 0 || m_nY != 0)
    moveInsideDesktop();
  return TRUE;
}

void CInputStringDlg::moveInsideDesktop()
{
  CRect rcWindow;
  GetWindowRect(&rcWindow);
  CRect rcDesktop;
  GetDesktopWindow()->GetWindowRect(&rcDesktop);
  // A place left of or above the desktop stays as it is.
  const int nMargin = CDpiScale::OfWindow(this).Scale(kDesktopMargin);
  const int x = PullBack(m_nX, rcWindow.Width(), rcDesktop.right, nMargin);
  const int y = PullBack(m_nY, rcWindow.Height(), rcDesktop.bottom, nMargin);
  SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Moved to a monitor of another DPI: the dialog takes the rectangle Windows suggests.
LRESULT CInputStringDlg::OnDpiChanged(WPARAM, LPARAM lParam)
{
  const CRect rcSuggested(*reinterpret_cast<const RECT*>(lParam));
  SetWindowPos(nullptr, rcSuggested.left, rcSuggested.top, rcSuggested.Width(), rcSuggested.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
  return Default();
}

bool CInputStringDlg::isListed(const CString& strText) const
{
  for (INT_PTR i = 0; i < m_arrStrings.GetSize(); ++i)
    if (strText.Compare(m_arrStrings[i]) == 0)
      return true;
  return false;
}

void CInputStringDlg::OnOK()
{
  CString strText;
  GetDlgItemText(IDC_EDIT_STRING, strText);
  // Bytes: a double-byte character counts two.
  if (strText.GetLength() > MAX_TEXT_BYTES)
  {
    AfxMessageBox(kTooLong, MB_OK);
    return;
  }
  if (isListed(strText))
  {
    AfxMessageBox(kAlreadyListed, MB_OK);
    return;
  }
  m_strEdit = strText;
  CDialog::OnOK();
}
