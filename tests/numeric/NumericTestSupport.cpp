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
// Read from the item's type: a popup's state has no room for the flag.
bool IsOwnerDrawn(HMENU hMenu, int nPosition)
{
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  ::GetMenuItemInfoA(hMenu, static_cast<UINT>(nPosition), TRUE, &info);
  return (info.fType & MFT_OWNERDRAW) != 0;
}

// An owner-drawn item's text is in its record, which its bitmap menu keeps at the item's
// position; "?" when the two are out of step.
std::string RecordText(HMENU hMenu, int nPosition)
{
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA;
  ::GetMenuItemInfoA(hMenu, static_cast<UINT>(nPosition), TRUE, &info);
  const CBmpMenu* pMenu = DYNAMIC_DOWNCAST(CBmpMenu, CMenu::FromHandlePermanent(hMenu));
  const auto* pData = reinterpret_cast<CBmpMenuData*>(info.dwItemData);
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
    if (i > 0)
      strMenu += ' ';
    HMENU hSubMenu = ::GetSubMenu(hMenu, i);
    // A popup's state carries its item count in the high byte.
    UINT nState = ::GetMenuState(hMenu, i, MF_BYPOSITION) & (hSubMenu != nullptr ? 0xFF : ~0u);
    if ((nState & MF_SEPARATOR) != 0)
    {
      strMenu += '-';
      continue;
    }
    const bool bOwnerDrawn = IsOwnerDrawn(hMenu, i);
    char text[256] = "";
    ::GetMenuStringA(hMenu, i, text, sizeof text, MF_BYPOSITION);
    std::string strText = bOwnerDrawn ? RecordText(hMenu, i) : text;
    for (const auto& tag : tags)
      if (tag.first == strText)
        strText = tag.second;
    if (bOwnerDrawn)
      strMenu += '*';
    if (hSubMenu != nullptr)
      strMenu += strText + "[" + DescribeMenu(hSubMenu, tags) + "]";
    else
    {
      // Untagged texts that are not ASCII (the menu resource's own) show only as their ids.
      bool bAscii = std::all_of(strText.begin(), strText.end(), [](char ch) { return (ch & 0x80) == 0; });
      std::string strID = std::to_string(::GetMenuItemID(hMenu, i));
      strMenu += bAscii ? strText + ":" + strID : strID;
    }
    if ((nState & MF_GRAYED) != 0)
      strMenu += '~';
  }
  return strMenu;
}
