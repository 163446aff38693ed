// The "Palettes and themed buttons" page: latching tool buttons and momentary up-down buttons
// drawn with the desktop's visual styles, a colour palette button (shown open in the
// screenshot) and a character palette in the Symbol face (Greek letters where that font is
// installed, its stand-in elsewhere). Picks, presses and
// the visual-styles state are reported on the page.
#include "Gallery.h"

namespace
{
const int kMargin = GalleryPx(12);
const int kRowHeight = GalleryPx(64);
const int kLabelWidth = GalleryPx(250);
const int kToolButton = GalleryPx(32);
const int kUpDownButton = GalleryPx(24);

enum
{
  IDC_TOOL_FIRST = 1400,
  IDC_UP = 1410,
  IDC_DOWN,
  IDC_COLOURS,
  IDC_CHARACTERS,
  IDC_STATUS
};

const struct
{
  COLORREF crColour;
  const char* pszName;
} kColours[] = {
    {RGB(0, 0, 0), "黒"},       {RGB(128, 128, 128), "灰"}, {RGB(192, 192, 192), "銀"}, {RGB(255, 255, 255), "白"},
    {RGB(128, 0, 0), "えび茶"}, {RGB(255, 0, 0), "赤"},     {RGB(255, 128, 0), "橙"},   {RGB(255, 255, 0), "黄"},
    {RGB(0, 128, 0), "緑"},     {RGB(0, 255, 0), "黄緑"},   {RGB(0, 128, 128), "青緑"}, {RGB(0, 255, 255), "水色"},
    {RGB(0, 0, 128), "紺"},     {RGB(0, 0, 255), "青"},     {RGB(128, 0, 128), "紫"},   {RGB(255, 0, 255), "赤紫"},
};

// Greek letters as the Symbol font places them.
const char kSymbols[] = "abgdepqlmxsfyw";

const LPCTSTR kToolIcons[] = {IDI_APPLICATION, IDI_INFORMATION, IDI_WARNING, IDI_ERROR};
}

class CPalettePage : public CGalleryPage
{
  DECLARE_DYNAMIC(CPalettePage)
  DECLARE_MESSAGE_MAP()
public:
  void ShowOpenForScreenshot(bool bOpen) override;

protected:
  void FillPage(const CRect& rcClient) override;
  afx_msg void OnToolClicked(UINT nID);
  afx_msg LRESULT OnUpDownReleased(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnColourPicked(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnCharacterPicked(WPARAM wParam, LPARAM lParam);

private:
  void addLabel(CStatic& label, int y, const char* pszText);
  void addTools(int y);
  void addUpDown(int y);
  void addColours(int y);
  void addCharacters(int y);
  void report(const CString& strWhat);

  CStatic m_labels[4];
  CXPRadioButton m_tools[std::size(kToolIcons)];
  CXPUpDownButton m_up, m_down;
  CColorPaletteCtrl m_colours;
  CCharPaletteCtrl m_characters;
  CStatic m_status;
  int m_nSteps = 0;
};

IMPLEMENT_DYNAMIC(CPalettePage, CGalleryPage)

BEGIN_MESSAGE_MAP(CPalettePage, CGalleryPage)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_TOOL_FIRST, IDC_TOOL_FIRST + 3, &CPalettePage::OnToolClicked)
  ON_MESSAGE(WM_XPUPDOWN_RELEASED, &CPalettePage::OnUpDownReleased)
  ON_REGISTERED_MESSAGE(TavikColorPaletteCtrl_Msg_SelChanged, &CPalettePage::OnColourPicked)
  ON_REGISTERED_MESSAGE(CCharPaletteCtrl_Msg_SelChanged, &CPalettePage::OnCharacterPicked)
END_MESSAGE_MAP()

void CPalettePage::addLabel(CStatic& label, int y, const char* pszText)
{
  label.Create(pszText, WS_CHILD | WS_VISIBLE,
               CRect(kMargin, y + GalleryPx(6), kMargin + kLabelWidth, y + GalleryPx(40)), this);
  label.SetFont(CFont::FromHandle(GalleryFont()), FALSE);
}

void CPalettePage::addTools(int y)
{
  addLabel(m_labels[0], y, "CXPRadioButton: latching tool buttons");
  for (size_t n = 0; n < std::size(m_tools); ++n)
  {
    const int x = kMargin + kLabelWidth + static_cast<int>(n) * (kToolButton + GalleryPx(4));
    m_tools[n].Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | BS_ICON, CRect(x, y, x + kToolButton, y + kToolButton),
                      this, IDC_TOOL_FIRST + static_cast<UINT>(n));
    m_tools[n].SetIcon(::LoadIcon(nullptr, kToolIcons[n]));
  }
  m_tools[1].SetCheck(1);
}

void CPalettePage::addUpDown(int y)
{
  addLabel(m_labels[1], y, "CXPUpDownButton: momentary buttons");
  const int x = kMargin + kLabelWidth;
  m_up.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | BS_ICON, CRect(x, y, x + kUpDownButton, y + kUpDownButton),
              this, IDC_UP);
  m_down.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | BS_ICON,
                CRect(x + kUpDownButton + GalleryPx(4), y, x + 2 * kUpDownButton + GalleryPx(4), y + kUpDownButton),
                this, IDC_DOWN);
  m_up.SetIcon(::LoadIcon(nullptr, IDI_QUESTION));
  m_down.SetIcon(::LoadIcon(nullptr, IDI_ASTERISK));
}

void CPalettePage::addColours(int y)
{
  addLabel(m_labels[2], y, "CColorPaletteCtrl: colour swatches");
  const int x = kMargin + kLabelWidth;
  m_colours.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(x, y, x + GalleryPx(80), y + GalleryPx(24)), this,
                   IDC_COLOURS);
  m_colours.InitButton(PLCS_AUTOBREAK | PLCS_BORDER);
  for (const auto& colour : kColours)
    m_colours.AddCell(colour.crColour, 0, colour.pszName);
  m_colours.SetCurSel(5);
}

void CPalettePage::addCharacters(int y)
{
  addLabel(m_labels[3], y, "CCharPaletteCtrl: characters of a face");
  const int x = kMargin + kLabelWidth;
  m_characters.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(x, y, x + GalleryPx(60), y + GalleryPx(28)), this,
                      IDC_CHARACTERS);
  m_characters.InitButton(PLCS_AUTOBREAK | PLCS_BORDER);
  m_characters.SetFaceName("Symbol");
  m_characters.SetCellWidth(GalleryPx(26));
  m_characters.SetCellHeight(GalleryPx(26));
  for (const char* pch = kSymbols; *pch != '\0'; ++pch)
    m_characters.AddCell(*pch, 0, CString(*pch, 1));
  m_characters.SetCurSel(2);
}

void CPalettePage::FillPage(const CRect&)
{
  addTools(kMargin);
  addUpDown(kMargin + kRowHeight);
  // The colour palette last, so that its palette opens over empty space in the screenshot.
  addCharacters(kMargin + 2 * kRowHeight);
  addColours(kMargin + 3 * kRowHeight);
  m_status.Create(
      "", WS_CHILD | WS_VISIBLE,
      CRect(kMargin + GalleryPx(400), kMargin + kRowHeight, GalleryPx(1000), kMargin + kRowHeight + GalleryPx(60)),
      this, IDC_STATUS);
  m_status.SetFont(CFont::FromHandle(GalleryFont()), FALSE);
  wchar_t szTheme[MAX_PATH] = L"";
  CXPTheme::GetCurrentName(szTheme, MAX_PATH, nullptr, 0, nullptr, 0);
  CString strTheme;
  strTheme.Format("Visual styles %s: %ls", CXPTheme::IsActive() ? "on" : "off", szTheme);
  report(strTheme);
}

void CPalettePage::report(const CString& strWhat) { m_status.SetWindowText(strWhat); }

void CPalettePage::OnToolClicked(UINT nID)
{
  // The tools latch; the page makes them a group by clearing the others.
  for (size_t n = 0; n < std::size(m_tools); ++n)
  {
    if (IDC_TOOL_FIRST + n != nID)
      m_tools[n].SetCheck(0);
    m_tools[n].Invalidate();
  }
  CString strWhat;
  strWhat.Format("Tool %u chosen", nID - IDC_TOOL_FIRST + 1);
  report(strWhat);
}

LRESULT CPalettePage::OnUpDownReleased(WPARAM wParam, LPARAM)
{
  m_nSteps += wParam == IDC_UP ? 1 : -1;
  CString strWhat;
  strWhat.Format("Up-down count: %d", m_nSteps);
  report(strWhat);
  return 0;
}

LRESULT CPalettePage::OnColourPicked(WPARAM, LPARAM lParam)
{
  CString strWhat;
  strWhat.Format("Colour %d picked: %s", static_cast<int>(lParam), m_colours.GetCellTipText(static_cast<int>(lParam)));
  report(strWhat);
  return 0;
}

LRESULT CPalettePage::OnCharacterPicked(WPARAM, LPARAM lParam)
{
  CString strWhat;
  strWhat.Format("Character %d picked", static_cast<int>(lParam));
  report(strWhat);
  return 0;
}

// A click on the button opens its palette, and a second one closes it.
void CPalettePage::ShowOpenForScreenshot(bool)
{
  m_colours.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(GalleryPx(5), GalleryPx(5)));
}

CGalleryPage* NewPalettePage() { return new CPalettePage; }
