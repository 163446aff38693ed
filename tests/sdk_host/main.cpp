// A host of the library: only the SDK's headers, import libraries and DLLs. It names the
// framework's and the library's headers as hosts do, without a folder.
#include <afxwin.h>
#include <ZuntCtrl.h>

#include <cstdio>

namespace
{

int failures = 0;

void check(bool ok, const char* what)
{
  std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
  failures += ok ? 0 : 1;
}

CWinApp theApp("ZuntSdkHost");

class CHostPinBar : public CPinDockBar
{
public:
  void EnterAutoHide(CAutoHideBar*) override {}
  void LeaveAutoHide(CAutoHideBar* pStrip, BOOL) override { pStrip->RemoveButton(this); }
  void AfterLeaveAutoHide(BOOL) override {}
  BOOL CanLeaveAutoHide() override { return TRUE; }
};

// A host's own length field: the unit conversions it inherits are the library's code, taken
// from its DLL.
class CHostLengthEdit : public CLengthEdit
{};

void checkUnitField()
{
  CHostLengthEdit length;
  length.SetValue(25.4, LENGTH_UNIT_MM);
  length.SetUnitType(LENGTH_UNIT_INCH);
  check(length.GetValue(LENGTH_UNIT_INCH) == 1.0 && length.GetValue(LENGTH_UNIT_MM) == 25.4,
        "a host's length field converts units through the library");
}

// What a host does in its frame and dialogs, in a Release build: windows without a parent,
// caption and pin bars (they measure their captions in a memory context made from no DC) and
// the auto-hide strip.
void checkWindows()
{
  CWnd popup;
  check(popup.CreateEx(0, AfxRegisterWndClass(0), "popup", WS_POPUP, CRect(0, 0, 100, 50), nullptr, 0) &&
            popup.GetParent() == nullptr,
        "CreateEx with a rectangle and no parent");
  check(popup.GetParent()->GetSafeHwnd() == nullptr, "GetSafeHwnd of a null window is null");

  CEdit first, second;
  first.Create(WS_CHILD | WS_BORDER, CRect(0, 0, 10, 10), &popup, 1);
  second.Create(WS_CHILD | WS_BORDER, CRect(0, 0, 10, 10), &popup, 2);
  CCtrlSplitter splitter;
  check(splitter.Create(WS_CHILD | CTRLSPLITTER_VERT, nullptr, &first, &second, 500, CRect(0, 0, 200, 100), 80, 0) == 1,
        "a splitter with no parent");
  splitter.DestroyWindow();
  popup.DestroyWindow();

  CFrameWnd* pFrame = new CFrameWnd;
  check(pFrame->Create(nullptr, "Host frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 640, 480)) != FALSE, "a frame");
  pFrame->EnableDocking(CBRS_ALIGN_ANY);
  const DWORD dwBarStyle = WS_CHILD | WS_VISIBLE | CBRS_LEFT | CBRS_SIZE_DYNAMIC;
  CSizingControlBarCF caption;
  check(caption.Create("Caption", pFrame, 100, dwBarStyle) != FALSE, "a caption bar");
  caption.EnableDocking(CBRS_ALIGN_ANY);
  pFrame->DockControlBar(&caption, AFX_IDW_DOCKBAR_LEFT);
  CHostPinBar pin;
  check(pin.Create("Pinned", pFrame, 101, dwBarStyle) != FALSE, "a pin bar");
  pin.EnableDocking(CBRS_ALIGN_ANY);
  pFrame->DockControlBar(&pin, AFX_IDW_DOCKBAR_LEFT);
  CAutoHideBar strip;
  check(strip.Create(1, pFrame) != FALSE, "the auto-hide strip");
  CRect rcDocked(0, 0, 150, 300);
  strip.AddButton("Pinned", AHB_GROUPSELECT, &pin, pin.GetParent(), &rcDocked, &pin);
  pFrame->ShowControlBar(&pin, FALSE, FALSE);
  pFrame->RecalcLayout();
  pFrame->ShowWindow(SW_SHOW);
  pFrame->UpdateWindow();
  check(strip.IsWindowVisible() && strip.GetButtonCount() == 1, "the strip shows the hidden bar's button");
  strip.RemoveButton(&pin);
  pFrame->DestroyWindow();
}

}  // namespace

int main()
{
  const HINSTANCE library = GetZuntCtrlModuleHandle();
  check(library != nullptr && library == ::GetModuleHandleA("ZuntCtrl.dll"),
        "the library's module handle is its DLL's");

  CString unit;
  check(unit.LoadString(library, IDS_UNIT_MM) && unit == "mm", "a string of the library's table");
  check(AfxFindResourceHandle(MAKEINTRESOURCE(IDR_MENU_EDIT_POPUP), RT_MENU) == library,
        "the library's menu is found through the resource chain");

  CValueWork value;
  value.SetFigure(2);
  value.SetRange(0.0, 10.0);
  value.SetNotEqualToMaxValue(true);
  check(value.SetValue(9.996) == "9.99", "a value record formats through the library");
  check(CRoundOff::JIS(2.25, 1) == 2.2, "rounding");
  checkUnitField();
  checkWindows();
  return failures == 0 ? 0 : 1;
}
