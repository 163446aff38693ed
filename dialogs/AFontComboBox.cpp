#include "AFontComboBox.h"

#include "DpiScale.h"

struct CAFontComboBox::SEnumContext
{
  CAFontComboBox* pCombo;
  bool bPrinter;
};

IMPLEMENT_DYNAMIC(CAFontComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CAFontComboBox, CComboBox)
  ON_WM_DESTROY()
  ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &CAFontComboBox::OnDpiChangedAfterParent)
END_MESSAGE_MAP()

CAFontComboBox::CAFontComboBox() : m_bShowVerticalFonts(false) {}

CAFontComboBox::~CAFontComboBox()
{
  // An object deleted before its window no longer sees WM_DESTROY.
  if (::IsWindow(m_hWnd))
    freeItemRecords();
}

bool CAFontComboBox::Initialize()
{
  applyGuiFont();
  return true;
}

// The stock font is made for the system's DPI: a window at another DPI gets a copy scaled to it.
void CAFontComboBox::applyGuiFont()
{
  const bool bBeforeVersion4 = LOBYTE(LOWORD(::GetVersion())) < 4;
  const HFONT hStock = static_cast<HFONT>(::GetStockObject(bBeforeVersion4 ? ANSI_VAR_FONT : DEFAULT_GUI_FONT));
  const CDpiScale dpi = CDpiScale::OfWindow(this);
  LOGFONT logFont = {};
  CFont scaled;
  if (dpi == CDpiScale::OfSystem() || !::GetObject(hStock, sizeof logFont, &logFont))
  {
    SetFont(CFont::FromHandle(hStock));
  }
  else
  {
    logFont.lfHeight = dpi.FromSystem(logFont.lfHeight);
    scaled.CreateFontIndirect(&logFont);
    SetFont(&scaled);
  }
  m_fontAtDpi.DeleteObject();
  m_fontAtDpi.Attach(scaled.Detach());
}

LRESULT CAFontComboBox::OnDpiChangedAfterParent(WPARAM, LPARAM)
{
  if (m_fontAtDpi.GetSafeHandle() != nullptr || CDpiScale::OfWindow(this) != CDpiScale::OfSystem())
    applyGuiFont();
  return 0;
}

void CAFontComboBox::EnumerateFont(const CDC& dc)
{
  // Without a list there is nowhere to keep the records.
  if (!::IsWindow(m_hWnd))
    return;
  CString strShown;
  GetFontName(strShown);
  freeItemRecords();
  ResetContent();

  SEnumContext context = {this, dc.GetSafeHdc() != nullptr};
  HDC hScreenDC = nullptr;
  HDC hDC = dc.GetSafeHdc();
  if (hDC == nullptr)
    hDC = hScreenDC = ::GetDC(m_hWnd);
  ::EnumFontFamiliesA(hDC, nullptr, reinterpret_cast<FONTENUMPROCA>(&enumFontFamilyProc),
                      reinterpret_cast<LPARAM>(&context));
  if (hScreenDC != nullptr)
    ::ReleaseDC(m_hWnd, hScreenDC);

  fillFromRecords();
  SetFontName(strShown, false);
}

int CALLBACK CAFontComboBox::enumFontFamilyProc(const LOGFONTA* lpLogFont, const TEXTMETRICA*, DWORD dwFontType,
                                                LPARAM lParam)
{
  const auto* pContext = reinterpret_cast<const SEnumContext*>(lParam);
  const bool bTrueType = (dwFontType & TRUETYPE_FONTTYPE) != 0;
  if (pContext->bPrinter)
  {
    if (bTrueType)
      pContext->pCombo->addFont(*lpLogFont, FONT_TYPE_TRUETYPE);
    else if ((dwFontType & DEVICE_FONTTYPE) != 0)
      pContext->pCombo->addFont(*lpLogFont, FONT_TYPE_DEVICE);
  }
  else if ((dwFontType & RASTER_FONTTYPE) == 0)
  {
    // Only TrueType families enter from the screen.
    pContext->pCombo->addFont(*lpLogFont, bTrueType ? FONT_TYPE_TRUETYPE : 0);
  }
  return 1;
}

void CAFontComboBox::addFont(const LOGFONTA& logFont, int nFontType)
{
  if (nFontType != FONT_TYPE_TRUETYPE && nFontType != FONT_TYPE_DEVICE)
    return;
  if (logFont.lfCharSet == MAC_CHARSET || logFont.lfCharSet == SYMBOL_CHARSET)
    return;
  if (!m_bShowVerticalFonts && logFont.lfFaceName[0] == '@' && ::GetSystemMetrics(SM_DBCSENABLED))
    return;
  m_arrFonts.Add(new CFontRecord{logFont.lfFaceName, logFont.lfCharSet, logFont.lfPitchAndFamily, nFontType});
}

void CAFontComboBox::fillFromRecords()
{
  for (INT_PTR i = 0; i < m_arrFonts.GetSize(); ++i)
  {
    auto* pRecord = static_cast<CFontRecord*>(m_arrFonts[i]);
    const int nIndex = AddString(pRecord->m_strFaceName);
    if (nIndex < 0)
      delete pRecord;
    else
      SetItemDataPtr(nIndex, pRecord);
  }
  // The items own the records now.
  m_arrFonts.RemoveAll();
}

void CAFontComboBox::freeItemRecords()
{
  for (int i = 0; i < GetCount(); ++i)
  {
    delete static_cast<CFontRecord*>(GetItemDataPtr(i));
    SetItemDataPtr(i, nullptr);
  }
}

int CAFontComboBox::SetFontName(const char* pszName, bool bExact)
{
  int nIndex = -1;
  if (pszName != nullptr)
    nIndex = bExact ? FindStringExact(-1, pszName) : FindString(-1, pszName);
  if (nIndex >= 0)
    return SetCurSel(nIndex);
  SetCurSel(-1);
  SetWindowText("");
  return -1;
}

void CAFontComboBox::GetFontName(CString& strName) const
{
  const int nSelected = GetCurSel();
  if (nSelected >= 0)
    GetLBText(nSelected, strName);
  else
    GetWindowText(strName);
}

const CAFontComboBox::CFontRecord* CAFontComboBox::selectedRecord() const
{
  const int nSelected = GetCurSel();
  return nSelected >= 0 ? static_cast<const CFontRecord*>(GetItemDataPtr(nSelected)) : nullptr;
}

bool CAFontComboBox::GetFontInfo(CString& strName, BYTE& nCharSet) const
{
  const CFontRecord* pRecord = selectedRecord();
  if (pRecord == nullptr)
    return false;
  strName = pRecord->m_strFaceName;
  nCharSet = pRecord->m_nCharSet;
  return true;
}

void CAFontComboBox::OnDestroy()
{
  freeItemRecords();
  CComboBox::OnDestroy();
}
