// How the controls' costs grow with what they hold: each operation at a small and a large
// count in one run, in the optimised build under Wine, its ratio held against a goal.
//  - "on screen": a repaint, a key step or one more entry costs what is on screen or what
//    changes, not what is held: large / small at most 2.
//  - "linear": filling, clearing and destroying cost each item once: large / small at most
//    1.5 times the ratio of the counts.
//  - "dispatch": a message through a message map against a bare window procedure: at most 2.
// A control built over a platform control is held to its goal for its own share: its time less
// the time the platform control spends doing what it would do alone (deleting its items),
// measured inside the same run.
// Every time is the best of five repetitions. An argument runs only the operations whose names
// contain it: bench_ui.exe History.
#include <ZuntCtrl.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{

class CBenchApp : public CWinApp
{
public:
  CBenchApp() : CWinApp("ZuntUiBench")
  {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
  }
};

CBenchApp theApp;

double nowMs()
{
  LARGE_INTEGER count, frequency;
  ::QueryPerformanceCounter(&count);
  ::QueryPerformanceFrequency(&frequency);
  return 1000.0 * double(count.QuadPart) / double(frequency.QuadPart);
}

void pumpMessages()
{
  MSG msg;
  while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
  {
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }
}

// One measurement: the setup (not timed) returns the timed action; the best of five runs. An
// action that leaves its subject as it found it (a repaint, a key there and back) runs five
// times on one setup; one that uses it up (a clear, a destruction) gets a setup each time.
typedef std::function<void()> Action;
typedef std::function<Action(int nCount)> Setup;

enum class EGoal
{
  onScreen,
  linear,
  dispatch,
  none
};

// The time the platform's tree spent deleting its items during the last timed action.
double g_dPlatformMs = 0;
double g_dLastPlatformMs = 0;

double timed(const Action& action)
{
  pumpMessages();
  g_dPlatformMs = 0;
  const double dStart = nowMs();
  action();
  const double dTime = nowMs() - dStart;
  g_dLastPlatformMs = g_dPlatformMs;
  pumpMessages();
  return dTime;
}

// The best of five, each the mean of nRuns runs in a row.
double bestOfFive(const Setup& setup, int nCount, bool bRepeatable, int nRuns)
{
  double dBest = 1e300;
  Action action;
  for (int i = 0; i < 5; ++i)
  {
    double dTotal = 0;
    for (int nRun = 0; nRun < nRuns; ++nRun)
    {
      if (!bRepeatable || !action)
        action = setup(nCount);
      dTotal += timed(action);
    }
    dBest = std::min(dBest, dTotal / nRuns);
  }
  return dBest;
}

int g_nMissed = 0;
// Run only the operations whose names contain this text (the command line), or all.
std::string g_strOnly;

bool isChosen(const char* pszName) { return std::string(pszName).find(g_strOnly) != std::string::npos; }

void report(const char* pszName, int nSmall, int nLarge, double dSmall, double dLarge, EGoal goal)
{
  const double dRatio = dLarge / std::max(dSmall, 1e-6);
  double dGoal = 2.0;
  if (goal == EGoal::linear)
    dGoal = 1.5 * double(nLarge) / double(nSmall);
  if (goal == EGoal::none)
  {
    std::printf("%-46s %6d %9.3f %6d %9.3f %8.1f  (for reference)\n", pszName, nSmall, dSmall, nLarge, dLarge, dRatio);
    std::fflush(stdout);
    return;
  }
  const bool bMet = dRatio <= dGoal;
  g_nMissed += bMet ? 0 : 1;
  std::printf("%-46s %6d %9.3f %6d %9.3f %8.1f %8.1f  %s\n", pszName, nSmall, dSmall, nLarge, dLarge, dRatio, dGoal,
              bMet ? "ok" : "MISSED");
  std::fflush(stdout);
}

void measure(const char* pszName, int nSmall, int nLarge, EGoal goal, const Setup& setup)
{
  if (!isChosen(pszName))
    return;
  const bool bRepeatable = goal == EGoal::onScreen;
  // A linear goal's small count runs as many times as the large count is larger: both then do
  // the same work over the same while, which a shared machine disturbs alike.
  const int nSmallRuns = goal == EGoal::linear || goal == EGoal::none ? nLarge / nSmall : 1;
  const double dSmall = bestOfFive(setup, nSmall, bRepeatable, nSmallRuns);
  const double dLarge = bestOfFive(setup, nLarge, bRepeatable, 1);
  report(pszName, nSmall, nLarge, dSmall, dLarge, goal);
}

// A visible top-level window that the controls live in.
class CHost : public CWnd
{
public:
  CHost()
  {
    CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)), "Bench host", WS_POPUP | WS_VISIBLE, 0, 0,
             500, 500, nullptr, nullptr);
  }
  ~CHost() override { DestroyWindow(); }
};

CHost* g_pHost;

// DeleteAllItems on a control holding N items, and the control's destruction.
template <class TControl>
Setup clearing(std::shared_ptr<TControl> (*newControl)(int))
{
  return [newControl](int n) -> Action {
    auto pControl = newControl(n);
    return [pControl] { pControl->DeleteAllItems(); };
  };
}

template <class TControl>
Setup destroying(std::shared_ptr<TControl> (*newControl)(int))
{
  return [newControl](int n) -> Action {
    auto pControl = newControl(n);
    return [pControl]() mutable { pControl.reset(); };
  };
}

template <class TControl>
void measureClearAndDestroy(const std::string& strClass, std::shared_ptr<TControl> (*newControl)(int))
{
  measure((strClass + " DeleteAllItems").c_str(), 100, 10000, EGoal::linear, clearing(newControl));
  measure((strClass + " destroyed holding N").c_str(), 100, 10000, EGoal::linear, destroying(newControl));
}

// A control over a platform control: the platform's share of each run (what the hooks below
// time into g_dPlatformMs), and the library's share, which is what the goal holds: the run less
// the platform's. What the control asks of the platform besides stays in the control's share.
// The small count runs nSmallRuns times in a row for each of the five, as measure runs it.
void measureBeyondPlatform(const char* pszName, int nSmall, int nLarge, int nSmallRuns, const char* pszPlatformName,
                           const Setup& setup)
{
  if (!isChosen(pszName))
    return;
  const int nCounts[2] = {nSmall, nLarge};
  const int nRuns[2] = {nSmallRuns, 1};
  double dOwn[2], dPlatform[2];
  for (int i = 0; i < 2; ++i)
  {
    dOwn[i] = dPlatform[i] = 1e300;
    for (int nBest = 0; nBest < 5; ++nBest)
    {
      double dOwnTotal = 0, dPlatformTotal = 0;
      for (int nRun = 0; nRun < nRuns[i]; ++nRun)
      {
        const double dTime = timed(setup(nCounts[i]));
        dOwnTotal += dTime - g_dLastPlatformMs;
        dPlatformTotal += g_dLastPlatformMs;
      }
      dOwn[i] = std::min(dOwn[i], dOwnTotal / nRuns[i]);
      dPlatform[i] = std::min(dPlatform[i], dPlatformTotal / nRuns[i]);
    }
  }
  report(pszPlatformName, nSmall, nLarge, dPlatform[0], dPlatform[1], EGoal::none);
  report(pszName, nSmall, nLarge, dOwn[0], dOwn[1], EGoal::linear);
}

// --- option tree ---------------------------------------------------------------------------

std::shared_ptr<CTreeOption> newTree(int nRows)
{
  auto pTree = std::make_shared<CTreeOption>();
  pTree->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 450), g_pHost, OT_OPTIONS_SHOWINFOWINDOW, 1);
  for (int i = 0; i < nRows; ++i)
  {
    CTreeOptionItem* pItem = new CTreeOptionItem;
    pItem->SetLabelText(("Row " + std::to_string(i)).c_str());
    pTree->InsertItem(pItem, nullptr, false);
  }
  pTree->UpdatedItems();
  pTree->UpdateDraw();
  return pTree;
}

void measureOptionTree()
{
  measure("CTreeOption full repaint", 100, 10000, EGoal::onScreen, [](int n) -> Action {
    auto pTree = newTree(n);
    return [pTree] { pTree->GetListView()->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };
  });
  measure("CTreeOption Down key and back", 100, 10000, EGoal::onScreen, [](int n) -> Action {
    auto pTree = newTree(n);
    pTree->GetListView()->SetFocus();
    pTree->SetFocusedItem(pTree->FocusFirst());
    pTree->GetListView()->UpdateWindow();
    return [pTree] {
      for (UINT nKey : {VK_DOWN, VK_UP})
      {
        pTree->GetListView()->SendMessage(WM_KEYDOWN, nKey, 0);
        pTree->GetListView()->UpdateWindow();
      }
    };
  });
  measureClearAndDestroy("CTreeOption", newTree);
}

// --- tree child list and child list --------------------------------------------------------

std::shared_ptr<CTreeChildList> newTreeChildList(int nItems)
{
  auto pList = std::make_shared<CTreeChildList>();
  pList->Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES, CRect(0, 0, 300, 400), g_pHost, 2);
  // The fill is not timed; without drawing it spares the platform's updates at every item.
  pList->SetRedraw(FALSE);
  for (int i = 0; i < nItems; ++i)
  {
    CTreeItem* pRecord = new CTreeItem;
    pRecord->m_strText = "Item";
    pList->InsertItem("Item", TVI_ROOT, TVI_LAST, pRecord);
  }
  pList->SetRedraw(TRUE);
  return pList;
}

// Every platform tree made from here on times its deletion of items and its destruction, the
// messages of the platform's own share, into g_dPlatformMs.
WNDPROC g_pfnPlatformTree;
int g_nPlatformDepth = 0;

LRESULT CALLBACK timedPlatformTree(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
  const bool bOwnShare = nMsg == TVM_DELETEITEM || nMsg == WM_DESTROY || nMsg == WM_NCDESTROY;
  if (!bOwnShare || g_nPlatformDepth > 0)
    return ::CallWindowProcW(g_pfnPlatformTree, hWnd, nMsg, wParam, lParam);
  ++g_nPlatformDepth;
  const double dStart = nowMs();
  const LRESULT lResult = ::CallWindowProcW(g_pfnPlatformTree, hWnd, nMsg, wParam, lParam);
  g_dPlatformMs += nowMs() - dStart;
  --g_nPlatformDepth;
  return lResult;
}

void timePlatformTrees()
{
  if (g_pfnPlatformTree)
    return;
  const HWND hTree = ::CreateWindowW(WC_TREEVIEWW, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  g_pfnPlatformTree =
      reinterpret_cast<WNDPROC>(::SetClassLongPtrW(hTree, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(timedPlatformTree)));
  ::DestroyWindow(hTree);
}

void measureLists()
{
  timePlatformTrees();
  const char* const pszDeletion = "  the platform's deletion within it";
  // A list of 100 items takes far longer to make than to clear: one run of each size.
  measureBeyondPlatform("CTreeChildList DeleteAllItems, beyond the platform", 100, 10000, 1, pszDeletion,
                        clearing(newTreeChildList));
  measureBeyondPlatform("CTreeChildList destroyed holding N, beyond it", 100, 10000, 1, pszDeletion,
                        destroying(newTreeChildList));
  measure("CChildList::AddColumnItemData, N records", 100, 10000, EGoal::linear, [](int n) -> Action {
    auto pList = std::make_shared<CChildList>();
    pList->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(0, 0, 400, 300), g_pHost, 3);
    CArray<CColumnHeadData, CColumnHeadData&> arrHead;
    CColumnHeadData head("Name", 1);
    arrHead.Add(head);
    pList->SetColumnHead(arrHead);
    auto pRecords = std::make_shared<std::vector<CColumnItemData*>>();
    for (int i = 0; i < n; ++i)
    {
      pRecords->push_back(new CColumnItemData);
      pRecords->back()->AddDataString("row");
    }
    return [pList, pRecords] {
      for (CColumnItemData* pRecord : *pRecords)
        pList->AddColumnItemData(pRecord);
    };
  });
}

// --- palettes ------------------------------------------------------------------------------

// The platform's share of filling a palette: each resize of its window, from the first message
// of the resize to the return of the last, and each tool added to its tooltip, whose tool list
// grows by a copy.
WNDPROC g_pfnPalette;
WNDPROC g_pfnPlatformToolTip;
double g_dResizeStart = -1;

LRESULT CALLBACK timedPalette(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
  if (nMsg == WM_WINDOWPOSCHANGING && g_dResizeStart < 0)
    g_dResizeStart = nowMs();
  const LRESULT lResult = ::CallWindowProc(g_pfnPalette, hWnd, nMsg, wParam, lParam);
  if (nMsg == WM_WINDOWPOSCHANGED && g_dResizeStart >= 0)
  {
    g_dPlatformMs += nowMs() - g_dResizeStart;
    g_dResizeStart = -1;
  }
  return lResult;
}

LRESULT CALLBACK timedPlatformToolTip(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
  if (nMsg != TTM_ADDTOOLA && nMsg != TTM_ADDTOOLW)
    return ::CallWindowProcW(g_pfnPlatformToolTip, hWnd, nMsg, wParam, lParam);
  const double dStart = nowMs();
  const LRESULT lResult = ::CallWindowProcW(g_pfnPlatformToolTip, hWnd, nMsg, wParam, lParam);
  g_dPlatformMs += nowMs() - dStart;
  return lResult;
}

// The palette window of a palette button.
class CPaletteProbe : public CColorPaletteCtrl
{
public:
  HWND GetPaletteWindow() const { return m_wndPalette.m_hWnd; }
};

void measurePalette()
{
  const HWND hToolTip =
      ::CreateWindowW(TOOLTIPS_CLASSW, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  g_pfnPlatformToolTip = reinterpret_cast<WNDPROC>(
      ::SetClassLongPtrW(hToolTip, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(timedPlatformToolTip)));
  ::DestroyWindow(hToolTip);
  // With the tools of moved cells, fitted once the queue is served.
  measureBeyondPlatform("CColorPaletteCtrl AddCell, beyond the platform", 16, 1600, 100,
                        "  the platform's resizes and tools within it", [](int n) -> Action {
                          auto pButton = std::make_shared<CPaletteProbe>();
                          pButton->Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 90, 30), g_pHost, 4);
                          pButton->InitButton(0);
                          g_pfnPalette = reinterpret_cast<WNDPROC>(::SetWindowLongPtr(
                              pButton->GetPaletteWindow(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(timedPalette)));
                          return [pButton, n] {
                            for (int i = 0; i < n; ++i)
                              pButton->AddCell(RGB(i % 256, 0, 0), 0, "cell");
                            pumpMessages();
                          };
                        });
}

// --- menus ---------------------------------------------------------------------------------

std::shared_ptr<CBmpMenu> newBmpMenu(int nItems)
{
  auto pMenu = std::make_shared<CBmpMenu>();
  pMenu->CreatePopupMenu();
  for (int i = 0; i < nItems; ++i)
    pMenu->AppendODMenuA(("Command " + std::to_string(i)).c_str(), MF_OWNERDRAW, UINT_PTR(1000 + i));
  return pMenu;
}

// The owner ends a tracked menu as soon as the menu loop waits for input.
class CMenuOwner : public CWnd
{
public:
  CMenuOwner()
  {
    CreateEx(0, AfxRegisterWndClass(0), "Menu owner", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr);
  }
  ~CMenuOwner() override { DestroyWindow(); }

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
  {
    if (message == WM_ENTERIDLE)
      ::EndMenu();
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

void measureMenus()
{
  measure("framework WM_MEASUREITEM routing, N items", 100, 2000, EGoal::linear, [](int n) -> Action {
    // The bitmap menu is a popup of the host's menu bar, where the routing looks for it; the
    // item data is read beforehand, as the system has it when it sends the message.
    auto pMenu = newBmpMenu(n);
    std::shared_ptr<CMenu> pBar(new CMenu, [](CMenu* pBar) {
      if (::GetMenu(g_pHost->m_hWnd) == pBar->m_hMenu)
        g_pHost->SetMenu(nullptr);
      pBar->RemoveMenu(0, MF_BYPOSITION);  // the popup is the bitmap menu's to destroy
      delete pBar;
    });
    pBar->CreateMenu();
    pBar->AppendMenu(MF_POPUP, UINT_PTR(pMenu->m_hMenu), "Bench");
    g_pHost->SetMenu(pBar.get());
    std::vector<MEASUREITEMSTRUCT> items;
    for (int i = 0; i < n; ++i)
    {
      MENUITEMINFOA info = {};
      info.cbSize = sizeof info;
      info.fMask = MIIM_DATA;
      ::GetMenuItemInfoA(pMenu->m_hMenu, UINT(i), TRUE, &info);
      items.push_back({ODT_MENU, 0, UINT(1000 + i), 0, 0, info.dwItemData});
    }
    return [pMenu, pBar, items]() mutable {
      for (MEASUREITEMSTRUCT& measure : items)
        g_pHost->SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    };
  });
  measure("TrackPopupMenu of a bitmap menu, N items", 100, 3000, EGoal::linear, [](int n) -> Action {
    auto pMenu = newBmpMenu(n);
    auto pOwner = std::make_shared<CMenuOwner>();
    return [pMenu, pOwner] { pMenu->TrackPopupMenu(TPM_LEFTALIGN, 0, 0, pOwner.get()); };
  });
}

// --- history -------------------------------------------------------------------------------

void measureHistory()
{
  measure("CHistoryMap::SetAt, N entries under one key", 100, 10000, EGoal::linear, [](int n) -> Action {
    auto pMap = std::make_shared<CHistoryMap>();
    return [pMap, n] {
      for (int i = 0; i < n; ++i)
        pMap->SetAt("key", ("text " + std::to_string(i)).c_str(), CTime(1000 + i));
    };
  });
  measure("EnteredText with N entries in its key", 100, 10000, EGoal::onScreen, [](int n) -> Action {
    // The edit goes before the map it borrows.
    struct SBoundEdit
    {
      CHistoryMap map;
      CACEdit edit;
    };
    auto pBound = std::make_shared<SBoundEdit>();
    for (int i = 0; i < n; ++i)
      pBound->map.SetAt("key", ("text " + std::to_string(i)).c_str(), CTime(1000 + i));
    pBound->edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 200, 24), g_pHost, 5);
    pBound->edit.InitAutoComplete(&pBound->map, "key");
    // Each run enters another text from the middle of the history again.
    auto pNext = std::make_shared<int>(n / 2);
    return [pBound, pNext] { pBound->edit.EnteredText(("text " + std::to_string((*pNext)++)).c_str()); };
  });
}

// --- message dispatch ----------------------------------------------------------------------

const UINT kPing = WM_APP + 1;
const int kPings = 100000;

LRESULT CALLBACK bareWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message == kPing)
    return lParam + 1;
  return ::DefWindowProc(hWnd, message, wParam, lParam);
}

class CMappedWnd : public CWnd
{
  DECLARE_MESSAGE_MAP()
protected:
  afx_msg LRESULT OnPing(WPARAM, LPARAM lParam) { return lParam + 1; }
};

BEGIN_MESSAGE_MAP(CMappedWnd, CWnd)
  ON_MESSAGE(kPing, &CMappedWnd::OnPing)
END_MESSAGE_MAP()

double timePings(HWND hWnd)
{
  double dBest = 1e300;
  for (int r = 0; r < 5; ++r)
  {
    const double dStart = nowMs();
    for (int i = 0; i < kPings; ++i)
      ::SendMessage(hWnd, kPing, 0, i);
    dBest = std::min(dBest, nowMs() - dStart);
  }
  return dBest;
}

void measureDispatch()
{
  const char* pszName = "message map dispatch vs bare procedure";
  if (!isChosen(pszName))
    return;
  WNDCLASSA bare = {};
  bare.lpfnWndProc = bareWindowProc;
  bare.hInstance = ::GetModuleHandle(nullptr);
  bare.lpszClassName = "ZuntBenchBare";
  ::RegisterClassA(&bare);
  const HWND hBare =
      ::CreateWindowA("ZuntBenchBare", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, bare.hInstance, nullptr);
  CMappedWnd mapped;
  mapped.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
  const double dBare = timePings(hBare);
  const double dMapped = timePings(mapped.m_hWnd);
  report(pszName, kPings, kPings, dBare, dMapped, EGoal::dispatch);
  ::DestroyWindow(hBare);
  mapped.DestroyWindow();
}

}  // namespace

int main(int argc, char** argv)
{
  if (argc > 1)
    g_strOnly = argv[1];
  ::CoInitialize(nullptr);
  CHost host;
  g_pHost = &host;
  std::printf("%-46s %6s %9s %6s %9s %8s %8s\n", "operation (ms, best of 5)", "small", "time", "large", "time", "ratio",
              "goal");
  measureOptionTree();
  measureLists();
  measurePalette();
  measureMenus();
  measureHistory();
  measureDispatch();
  std::printf("%d of the goals missed\n", g_nMissed);
  g_pHost = nullptr;
  ::CoUninitialize();
  return 0;
}
