#include "AutoCompleteTestSupport.h"

#include "AutoCompleteTestResources.h"
#include "../TestApp.h"
#include "../dialogs/ComEnvironment.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <objbase.h>
#include <shlguid.h>

namespace
{
const char kStandInClass[] = "Auto-Suggest Dropdown";

CCommonControlsTestApp theApp("ZuntAutoCompleteTest", 0);

::testing::Environment* const theComEnvironment = ::testing::AddGlobalTestEnvironment(new CComEnvironment);
}

CAutoCompleteDialog::CAutoCompleteDialog(CHistoryMap* pHistoryMap)
    : CScriptedDialog(IDD_AUTOCOMPLETE_TEST), m_pHistoryMap(pHistoryMap)
{}

BOOL CAutoCompleteDialog::OnInitDialog()
{
  CScriptedDialog::OnInitDialog();
  m_combo.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                 CRect(8, 80, 200, 200), this, IDC_AC_COMBO);
  return TRUE;
}

void CAutoCompleteDialog::DoDataExchange(CDataExchange* pDX)
{
  DDX_Control(pDX, IDC_AC_EDIT, m_edit);
  DDX_Control(pDX, IDC_AC_TEMPLATE_COMBO, m_templateCombo);
}

void CAutoCompleteDialog::OnOK()
{
  if (m_onOK)
    m_onOK(*this);
  CDialog::OnOK();
}

CSuggestListStandIn::CSuggestListStandIn()
{
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = ::DefWindowProcA;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kStandInClass;
  ::RegisterClassA(&windowClass);
  m_hWnd = ::CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kStandInClass, nullptr, WS_POPUP | WS_BORDER, 0, 0,
                             100, 60, nullptr, nullptr, windowClass.hInstance, nullptr);
  ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
}

CSuggestListStandIn::~CSuggestListStandIn() { ::DestroyWindow(m_hWnd); }

void RetypeText(HWND hWndField, const char* pszText)
{
  ::SetFocus(hWndField);
  ::SetWindowTextA(hWndField, "");
  TypeText(hWndField, pszText);
}

std::vector<std::string> HistoryTexts(CHistoryMap& map, const char* pszKey)
{
  std::vector<std::string> texts;
  CEnteredHistory* pHistory = map.Enumrate(pszKey);
  for (int n = 0; pHistory != nullptr && n < pHistory->GetCount(); ++n)
    texts.push_back(static_cast<LPCTSTR>(pHistory->GetAt(n)->GetText()));
  return texts;
}

DWORD NewObjectOptions()
{
  IAutoComplete2* pAutoComplete = nullptr;
  EXPECT_EQ(S_OK, ::CoCreateInstance(CLSID_AutoComplete, nullptr, CLSCTX_INPROC_SERVER, IID_IAutoComplete2,
                                     reinterpret_cast<void**>(&pAutoComplete)));
  DWORD dwOptions = 0;
  if (pAutoComplete != nullptr)
  {
    pAutoComplete->GetOptions(&dwOptions);
    pAutoComplete->Release();
  }
  return dwOptions;
}
