// The "Numeric entry" page: a field of each kind with realistic settings, fields bound to a
// sample variable set, and a small form exchanged through the library's DDX/DDV functions.
#include "Gallery.h"
#include "GalleryResource.h"

#include <ZuntVariable.h>

#include <memory>
#include <vector>

namespace
{
const int kLabelWidth = GalleryPx(230);
const int kFieldWidth = GalleryPx(230);
const int kRowHeight = GalleryPx(30);
const int kFieldHeight = GalleryPx(22);

enum
{
  IDC_FIRST_FIELD = 1100,
  IDC_SCALE = 1200,
  IDC_PAPER = 1201
};

// Paper sizes by the item data the form keeps.
const struct
{
  const char* pszName;
  DWORD dwCode;
} kPapers[] = {{"A4", 4}, {"A3", 3}, {"A2", 2}, {"A1", 1}};
}

class CNumericPage : public CGalleryPage
{
  DECLARE_DYNAMIC(CNumericPage)
  DECLARE_MESSAGE_MAP()
public:
  CNumericPage() : m_inch(LENGTH_UNIT_INCH), m_radian(ANGLE_UNIT_RAD), m_dScale(1.5), m_dwPaper(3) {}
  // The variables, select and add entries and the show-expression entry of a bound field.
  CWnd* GetContextMenuSample() override { return &m_byWidth; }

protected:
  void FillPage(const CRect&) override
  {
    fillVariables();
    m_length.SetRange(0.0, 100.0, LENGTH_UNIT_MM);
    m_length.SetFigure(2);
    m_length.SetKillFocusCheck(true);
    addField(m_length, "Length, mm, 0 to 100");
    m_length.SetValue(12.5, LENGTH_UNIT_MM);
    m_inch.SetFigure(3);
    addField(m_inch, "Length, inch");
    m_inch.SetValue(63.5, LENGTH_UNIT_MM);
    m_degree.SetFigure(1);
    m_degree.SetSpinInc(15.0, ANGLE_UNIT_DEG);
    addField(m_degree, "Angle, degrees, step 15");
    m_degree.SetValue(45.0, ANGLE_UNIT_DEG);
    m_radian.SetFigure(4);
    addField(m_radian, "Angle, radians");
    m_radian.SetValue(90.0, ANGLE_UNIT_DEG);
    m_integer.SetRange(0, 1000);
    m_integer.SetNotEqualToMaxValue(true);
    addField(m_integer, "Integer, 0 <= n < 1000");
    m_integer.SetValue(8);
    m_coord.SetRange(-500.0, 500.0, LENGTH_UNIT_MM);
    addField(m_coord, "Coordinate x, y (mm)");
    m_coord.SetValue(120.0, 45.5, LENGTH_UNIT_MM);

    addLabel("Variables: WIDTH 40, HEIGHT 25 (mm), SLOPE 30 (deg), COUNT 4", kLabelWidth + kFieldWidth);
    bindField(m_byWidth, "Length = WIDTH/2");
    m_byWidth.SetFigure(2);
    m_byWidth.SetValue(20.0, CString("WIDTH/2"), LENGTH_UNIT_MM);
    bindField(m_bySlope, "Angle = SLOPE*2");
    m_bySlope.SetValue(60.0, CString("SLOPE*2"), ANGLE_UNIT_DEG);
    bindField(m_byCount, "Number = (HEIGHT+5)/COUNT");
    m_byCount.SetFigure(3);
    m_byCount.SetValue((25.0 + 5.0) / 4.0, CString("(HEIGHT+5)/COUNT"));

    addLabel("Form: scale (%.3f, above 0) and paper (by item data)", kLabelWidth + kFieldWidth);
    addControl("EDIT", WS_EX_CLIENTEDGE, WS_TABSTOP | ES_AUTOHSCROLL, IDC_SCALE, "Scale");
    CWnd* pPaper = addControl("COMBOBOX", 0, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, IDC_PAPER, "Paper");
    pPaper->MoveWindow(kLabelWidth, m_nNextY - kRowHeight, kFieldWidth, GalleryPx(120));
    for (const auto& paper : kPapers)
    {
      LRESULT nItem = pPaper->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(paper.pszName));
      pPaper->SendMessage(CB_SETITEMDATA, nItem, paper.dwCode);
    }
    UpdateData(FALSE);
  }

  void DoDataExchange(CDataExchange* pDX) override
  {
    if (GetDlgItem(IDC_SCALE) == nullptr)
      return;  // the first exchange comes before the page has its controls
    DDX_TextWithFormat(pDX, IDC_SCALE, "%.3f", m_dScale);
    DDV_CustomDouble(pDX, m_dScale, 0.0, DDV_ValidateGreaterThanDouble, IDS_SCALE_ABOVE);
    DDX_CBItemData(pDX, IDC_PAPER, m_dwPaper);
  }

private:
  void fillVariables()
  {
    m_variables.AddVariable(new aCVarLength("WIDTH", 40.0, 0));
    m_variables.AddVariable(new aCVarLength("HEIGHT", 25.0, 0));
    m_variables.AddVariable(new aCVarAngle("SLOPE", 30.0, 0));
    m_variables.AddVariable(new aCVarValue("COUNT", 4.0, 0));
  }

  void addLabel(const char* pszText, int nWidth)
  {
    auto pLabel = std::make_unique<CStatic>();
    pLabel->Create(pszText, WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE, CRect(0, m_nNextY, nWidth, m_nNextY + kFieldHeight),
                   this);
    pLabel->SetFont(CFont::FromHandle(GalleryFont()), FALSE);
    m_labels.push_back(std::move(pLabel));
    m_nNextY += kRowHeight;
  }

  CWnd* addControl(const char* pszClass, DWORD dwExStyle, DWORD dwStyle, UINT nID, const char* pszLabel)
  {
    addLabel(pszLabel, kLabelWidth);
    CRect rcField(kLabelWidth, m_nNextY - kRowHeight, kLabelWidth + kFieldWidth, m_nNextY - kRowHeight + kFieldHeight);
    HWND hControl = ::CreateWindowExA(dwExStyle, pszClass, "", WS_CHILD | WS_VISIBLE | dwStyle, rcField.left,
                                      rcField.top, rcField.Width(), rcField.Height(), m_hWnd,
                                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), nullptr, nullptr);
    ::SendMessage(hControl, WM_SETFONT, reinterpret_cast<WPARAM>(GalleryFont()), FALSE);
    return CWnd::FromHandle(hControl);
  }

  // A field the page creates, with its spin button.
  void addField(CSpinEdit& field, const char* pszLabel)
  {
    addLabel(pszLabel, kLabelWidth);
    field.SetCreateSpinButtonCtrl(true);
    CRect rcField(kLabelWidth, m_nNextY - kRowHeight, kLabelWidth + kFieldWidth, m_nNextY - kRowHeight + kFieldHeight);
    field.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, rcField, this,
                   IDC_FIRST_FIELD + m_nFields++);
    field.SetFont(CFont::FromHandle(GalleryFont()), FALSE);
  }

  void bindField(CSpinEdit& field, const char* pszLabel)
  {
    field.SetVariableExpression(&m_variables);
    addField(field, pszLabel);
  }

  aCVariableExpression m_variables;
  CLengthEdit m_length;
  CLengthEdit m_inch;
  CAngleEdit m_degree;
  CAngleEdit m_radian;
  CIntegerEdit m_integer;
  CCoordEdit m_coord;
  CLengthEdit m_byWidth;
  CAngleEdit m_bySlope;
  CDoubleEdit m_byCount;
  std::vector<std::unique_ptr<CStatic>> m_labels;
  double m_dScale;
  DWORD m_dwPaper;
  int m_nNextY = 0;
  int m_nFields = 0;
};

IMPLEMENT_DYNAMIC(CNumericPage, CGalleryPage)

BEGIN_MESSAGE_MAP(CNumericPage, CGalleryPage)
END_MESSAGE_MAP()

CGalleryPage* NewNumericPage() { return new CNumericPage; }
