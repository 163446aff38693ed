#include "NumericTestSupport.h"

#include "NumericTestResources.h"

#include <algorithm>

namespace
{
CNumericTestApp theApp;

void AFXAPI CountBeep(UINT) { ++theApp.m_nBeeps; }
}

CNumericTestApp::CNumericTestApp()
    : CCommonControlsTestApp("ZuntNumericTest", ICC_UPDOWN_CLASS), m_nBeeps(0), m_nYesNoAnswer(IDNO)
{
  ZuntSetMessageBeepObserver(&CountBeep);
}

int CNumericTestApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
  m_messages.push_back({lpszPrompt, nType, nIDPrompt});
  return (nType & MB_TYPEMASK) == MB_YESNO ? m_nYesNoAnswer : IDOK;
}

void CNumericTestApp::Reset()
{
  m_messages.clear();
  m_nBeeps = 0;
  m_nYesNoAnswer = IDNO;
}

CNumericTestApp& TestApp() { return theApp; }

CNumericDialog::CNumericDialog() : CScriptedDialog(IDD_NUMERIC_TEST), m_nOKPressed(0), m_bEndOnOK(true)
{
  TestApp().Reset();
}

void CNumericDialog::DoDataExchange(CDataExchange* pDX)
{
  DDX_Control(pDX, IDC_DOUBLE, m_double);
  DDX_Control(pDX, IDC_INTEGER, m_integer);
  DDX_Control(pDX, IDC_LENGTH, m_length);
  DDX_Control(pDX, IDC_ANGLE, m_angle);
  DDX_Control(pDX, IDC_COORD, m_coord);
  if (m_exchange)
    m_exchange(pDX);
}

void CNumericDialog::OnOK()
{
  ++m_nOKPressed;
  if (m_onOK)
    m_onOK(*this);
  if (m_bEndOnOK)
    CDialog::OnOK();
}

void ClickSpin(CSpinEdit& field, bool bUp)
{
  CEditSpinButtonCtrl* pSpin = field.GetSpinButtonCtrl();
  CRect rcSpin;
  pSpin->GetClientRect(&rcSpin);
  LPARAM lPoint = MAKELPARAM(rcSpin.Width() / 2, bUp ? rcSpin.Height() / 4 : rcSpin.Height() * 3 / 4);
  pSpin->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
  pSpin->PostMessage(WM_LBUTTONUP, 0, lPoint);
}

void RetypeText(CEdit& edit, const char* pszText)
{
  edit.SetFocus();
  edit.SetSel(0, -1);
  TypeText(edit, pszText);
}

void EnterText(CSpinEdit& field, const char* pszText)
{
  RetypeText(field, pszText);
  PressKey(field, VK_RETURN);
}

namespace
{
// An owner-drawn item's text is in its record, which its bitmap menu keeps at the item's
// position; "?" when the two are out of step.
std::string RecordText(HMENU hMenu, int nPosition, const CBmpMenuData* pData)
{
  const CBmpMenu* pMenu = DYNAMIC_DOWNCAST(CBmpMenu, CMenu::FromHandlePermanent(hMenu));
  if (pMenu == nullptr || pData == nullptr || nPosition >= pMenu->m_Items.GetSize() ||
      pMenu->m_Items[nPosition] != pData)
    return "?";
  return static_cast<LPCTSTR>(pData->GetString());
}
}

std::string DescribeMenu(HMENU hMenu, const std::vector<std::pair<std::string, std::string>>& tags)
{
  std::string strMenu;
  for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
  {
    char text[256] = "";
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    ::GetMenuItemInfoA(hMenu, static_cast<UINT>(i), TRUE, &info);
    strMenu += i > 0 ? " " : "";
    if ((info.fType & MFT_SEPARATOR) != 0)
    {
      strMenu += '-';
      continue;
    }
    const bool bOwnerDrawn = (info.fType & MFT_OWNERDRAW) != 0;
    std::string strText = bOwnerDrawn ? RecordText(hMenu, i, reinterpret_cast<CBmpMenuData*>(info.dwItemData)) : text;
    for (const auto& tag : tags)
      if (tag.first == strText)
        strText = tag.second;
    if (bOwnerDrawn)
      strMenu += '*';
    if (info.hSubMenu != nullptr)
      strMenu += strText + "[" + DescribeMenu(info.hSubMenu, tags) + "]";
    else
    {
      // Untagged texts that are not ASCII (the menu resource's own) show only as their ids.
      bool bAscii = std::all_of(strText.begin(), strText.end(), [](char ch) { return (ch & 0x80) == 0; });
      strMenu += bAscii ? strText + ":" + std::to_string(info.wID) : std::to_string(info.wID);
    }
    if ((info.fState & MF_GRAYED) != 0)
      strMenu += '~';
  }
  return strMenu;
}
