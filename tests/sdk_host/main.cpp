// A host of the library: only the SDK's headers, import libraries and DLLs.
#include <ZuntCtrl.h>

#include <cstdio>

namespace {

int failures = 0;

void check(bool ok, const char* what)
{
  std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
  failures += ok ? 0 : 1;
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
  return failures == 0 ? 0 : 1;
}
