// A combo box of the font families of the screen (TrueType only) or of a printer (TrueType and
// device fonts), without symbol and Macintosh character sets and, on a double-byte system,
// without the vertical "@" faces unless asked for. Each item owns the record of its font.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>

class AFX_EXT_CLASS CAFontComboBox : public CComboBox
{
  DECLARE_DYNAMIC(CAFontComboBox)
public:
  // The font kinds of a record.
  enum
  {
    FONT_TYPE_DEVICE = 2,
    FONT_TYPE_TRUETYPE = 4
  };

  struct CFontRecord
  {
    CString m_strFaceName;
    BYTE m_nCharSet;
    BYTE m_nPitchAndFamily;
    int m_nFontType;
  };

  CAFontComboBox();
  ~CAFontComboBox() override;

  // The control's font: the stock GUI font, scaled when the window's DPI is not the system's.
  // Always true.
  bool Initialize();
  // The next enumeration lists the vertical "@" faces too.
  void InsertVerticallyFont() { m_bShowVerticalFonts = true; }
  // Refills the list from the DC's device, the screen when the DC holds none, and selects
  // again the first font that begins with the text shown before. Nothing without a window.
  void EnumerateFont(const CDC& dc);
  // Selects the first font of that name (exactly, or beginning with it), without regard to
  // case; when none matches (or there is no name), clears the selection and the text. The
  // index, or -1.
  int SetFontName(const char* pszName, bool bExact);
  // The selected font's name, or the typed text when nothing is selected.
  void GetFontName(CString& strName) const;
  // False when nothing is selected or the item has no record.
  bool GetFontInfo(CString& strName, BYTE& nCharSet) const;

protected:
  afx_msg void OnDestroy();
  afx_msg LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  CPtrArray m_arrFonts;  // only while the list is filled
  bool m_bShowVerticalFonts;

private:
  CFont m_fontAtDpi;  // empty at the system's DPI
  void applyGuiFont();
  struct SEnumContext;
  static int CALLBACK enumFontFamilyProc(const LOGFONTA* lpLogFont, const TEXTMETRICA* lpMetric, DWORD dwFontType,
                                         LPARAM lParam);
  // Takes the font into m_arrFonts unless its kind, character set or face refuses it.
  void addFont(const LOGFONTA& logFont, int nFontType);
  void fillFromRecords();
  void freeItemRecords();
  const CFontRecord* selectedRecord() const;
};
