// The "Module" page: the library's string table and its three dialog templates.
#include "Gallery.h"

#include <Resource.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace
{
const int kListWidth = GalleryPx(560);
const int kMargin = GalleryPx(12);

// A line break shows as \n, so that each string keeps to one row.
std::string OneLine(const char* pszText)
{
  std::string line;
  for (const char* p = pszText; *p != '\0'; ++p)
    line += *p == '\n' ? std::string("\\n") : std::string(1, *p);
  return line;
}

void AddStringRow(HWND hList, UINT nID, const char* pszText)
{
  std::string id = std::to_string(nID);
  std::string text = OneLine(pszText);
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = ListView_GetItemCount(hList);
  item.pszText = &id[0];
  int nRow = static_cast<int>(::SendMessageA(hList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  item.iItem = nRow;
  item.iSubItem = 1;
  item.pszText = &text[0];
  ::SendMessageA(hList, LVM_SETITEMTEXTA, nRow, reinterpret_cast<LPARAM>(&item));
}

void AddColumn(HWND hList, int nColumn, const char* pszTitle, int cx)
{
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = const_cast<char*>(pszTitle);
  column.cx = cx;
  ::SendMessageA(hList, LVM_INSERTCOLUMNA, nColumn, reinterpret_cast<LPARAM>(&column));
}

// Every string of the library, block by block, in the language the library loads.
BOOL CALLBACK AddStringBlock(HMODULE hModule, LPCSTR, LPSTR lpszName, LONG_PTR lParam)
{
  UINT nFirst = (static_cast<UINT>(reinterpret_cast<ULONG_PTR>(lpszName)) - 1) * 16;
  for (UINT nID = nFirst; nID < nFirst + 16; ++nID)
  {
    char szText[512];
    if (::LoadStringA(hModule, nID, szText, sizeof szText) > 0)
      AddStringRow(reinterpret_cast<HWND>(lParam), nID, szText);
  }
  return TRUE;
}

HWND CreateStringList(HWND hPage, int cy)
{
  HWND hList = ::CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0,
                                 kListWidth, cy, hPage, nullptr, nullptr, nullptr);
  ::SendMessage(hList, WM_SETFONT, reinterpret_cast<WPARAM>(GalleryFont()), FALSE);
  ListView_SetExtendedListViewStyle(hList, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  AddColumn(hList, 0, "ID", GalleryPx(56));
  AddColumn(hList, 1, "Text", kListWidth - GalleryPx(80));
  ::EnumResourceNamesA(GetZuntCtrlModuleHandle(), RT_STRING, AddStringBlock, reinterpret_cast<LONG_PTR>(hList));
  return hList;
}

INT_PTR CALLBACK PageDialogProc(HWND, UINT nMsg, WPARAM, LPARAM) { return nMsg == WM_INITDIALOG; }

// The library's template turned into a child of the page, so that it shows inside the frame.
HWND CreateTemplateOnPage(HWND hPage, const char* pszTemplate, POINT ptAt)
{
  HMODULE hModule = GetZuntCtrlModuleHandle();
  HRSRC hResource = ::FindResourceA(hModule, pszTemplate, RT_DIALOG);
  auto pData = static_cast<const BYTE*>(::LockResource(::LoadResource(hModule, hResource)));
  std::vector<BYTE> copy(pData, pData + ::SizeofResource(hModule, hResource));
  // DLGTEMPLATEEX: version, signature, help id, extended style, then the style.
  DWORD* pStyle = reinterpret_cast<DWORD*>(&copy[12]);
  *pStyle = (*pStyle & ~WS_POPUP) | WS_CHILD | WS_VISIBLE;
  HWND hDlg =
      ::CreateDialogIndirectParamA(hModule, reinterpret_cast<LPCDLGTEMPLATEA>(copy.data()), hPage, PageDialogProc, 0);
  ::SetWindowPos(hDlg, nullptr, ptAt.x, ptAt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  AfxExecuteDlgInit(hDlg, pszTemplate);
  return hDlg;
}

HWND CreateLabel(HWND hPage, const char* pszText, POINT ptAt)
{
  HWND hLabel = ::CreateWindowExA(0, "STATIC", pszText, WS_CHILD | WS_VISIBLE, ptAt.x, ptAt.y, GalleryPx(240),
                                  GalleryPx(18), hPage, nullptr, nullptr, nullptr);
  ::SendMessage(hLabel, WM_SETFONT, reinterpret_cast<WPARAM>(GalleryFont()), FALSE);
  return hLabel;
}

// A template with its name above it; returns the point below it.
POINT ShowTemplate(HWND hPage, const char* pszTemplate, POINT ptAt, HWND* phDlg)
{
  CreateLabel(hPage, pszTemplate, ptAt);
  *phDlg = CreateTemplateOnPage(hPage, pszTemplate, {ptAt.x, ptAt.y + GalleryPx(20)});
  RECT rc;
  ::GetWindowRect(*phDlg, &rc);
  return {ptAt.x + (rc.right - rc.left), ptAt.y + GalleryPx(20) + (rc.bottom - rc.top)};
}

// Fills the templates as their dialogs would: a prompt, a chosen kind, the value choice.
void ShowSampleState(HWND hInput, HWND hVarAdd)
{
  char szPrompt[128];
  ::LoadStringA(GetZuntCtrlModuleHandle(), IDS_VAR_NAME, szPrompt, sizeof szPrompt);
  ::SetDlgItemTextA(hInput, IDC_STATIC_PROMPT, szPrompt);
  ::SendDlgItemMessageA(hVarAdd, IDC_COMBO_KIND, CB_SETCURSEL, 0, 0);
  ::CheckRadioButton(hVarAdd, IDC_RADIO_VALUE, IDC_RADIO_EXPRESSION, IDC_RADIO_VALUE);
}
}

// The library's string table and its three templates, shown as the host would see them.
class CModulePage : public CGalleryPage
{
  DECLARE_DYNAMIC(CModulePage)
  DECLARE_MESSAGE_MAP()

protected:
  void FillPage(const CRect& rcClient) override
  {
    CreateStringList(m_hWnd, rcClient.Height());
    HWND hInput, hSelect, hVarAdd;
    int x = kListWidth + kMargin;
    POINT ptBelowInput = ShowTemplate(m_hWnd, IDD_DLG_INPUT_STRING, {x, 0}, &hInput);
    POINT ptRightOfSelect = ShowTemplate(m_hWnd, IDD_DLG_VARIABLESELECT, {x, ptBelowInput.y + kMargin}, &hSelect);
    ShowTemplate(m_hWnd, IDD_DLG_VAR_ADD, {ptRightOfSelect.x + kMargin, ptBelowInput.y + kMargin}, &hVarAdd);
    ShowSampleState(hInput, hVarAdd);
  }
};

IMPLEMENT_DYNAMIC(CModulePage, CGalleryPage)

BEGIN_MESSAGE_MAP(CModulePage, CGalleryPage)
END_MESSAGE_MAP()

CGalleryPage* NewModulePage() { return new CModulePage; }
