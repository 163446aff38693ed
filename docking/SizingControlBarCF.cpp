#include "SizingControlBarCF.h"

namespace
{
const int kCaptionThickness = 11;
const int kCaptionFontHeight = 11;
const int kGradientSteps = 64;

int CALLBACK FoundFontFamily(const LOGFONT*, const TEXTMETRIC*, DWORD, LPARAM lParam)
{
  *reinterpret_cast<BOOL*>(lParam) = TRUE;
  return 0;
}

BYTE Blend(int nFrom, int nTo, int nStep)
{
  return static_cast<BYTE>(nFrom + (nTo - nFrom) * nStep / (kGradientSteps - 1));
}
}

IMPLEMENT_DYNAMIC(CSizingControlBarCF, CSizingControlBarG)

BEGIN_MESSAGE_MAP(CSizingControlBarCF, CSizingControlBarG)
  ON_MESSAGE(WM_SETTEXT, &CSizingControlBarCF::OnSetText)
END_MESSAGE_MAP()

CSizingControlBarCF::CSizingControlBarCF() : captionActive(FALSE), captionFontFace(ChooseCaptionFontFace()) {}

CString CSizingControlBarCF::ChooseCaptionFontFace()
{
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  BOOL bFound = FALSE;
  ::EnumFontFamilies(dc.m_hDC, "Tahoma", &FoundFontFamily, reinterpret_cast<LPARAM>(&bFound));
  return bFound ? "Tahoma" : "Arial";
}

BOOL CSizingControlBarCF::CreateCaptionFont(CFont& font, const CString& strFace, const CDpiScale& dpi, int nEscapement)
{
  LOGFONT lf = {};
  lf.lfHeight = -dpi.Scale(kCaptionFontHeight);
  lf.lfEscapement = lf.lfOrientation = nEscapement;
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpyn(lf.lfFaceName, strFace, LF_FACESIZE);
  return font.CreateFontIndirect(&lf);
}

void CSizingControlBarCF::FillGradient(CDC* pDC, const CRect& rc, COLORREF clrFrom, COLORREF clrTo, BOOL bVertical)
{
  const int nLength = bVertical ? rc.Height() : rc.Width();
  for (int nStep = 0; nStep < kGradientSteps; ++nStep)
  {
    const int nStart = nLength * nStep / kGradientSteps, nEnd = nLength * (nStep + 1) / kGradientSteps;
    CRect rcStep = bVertical ? CRect(rc.left, rc.bottom - nEnd, rc.right, rc.bottom - nStart)
                             : CRect(rc.left + nStart, rc.top, rc.left + nEnd, rc.bottom);
    COLORREF clr =
        RGB(Blend(GetRValue(clrFrom), GetRValue(clrTo), nStep), Blend(GetGValue(clrFrom), GetGValue(clrTo), nStep),
            Blend(GetBValue(clrFrom), GetBValue(clrTo), nStep));
    pDC->FillSolidRect(&rcStep, clr);
  }
}

CRect CSizingControlBarCF::captionRect(const CRect& rcClient) const
{
  const int nStart = -px(gripperSize), nEnd = nStart + px(kCaptionThickness);
  if (IsHorzDocked())
    return CRect(rcClient.left + nStart, rcClient.top, rcClient.left + nEnd, rcClient.bottom);
  return CRect(rcClient.left, rcClient.top + nStart, rcClient.right, rcClient.top + nEnd);
}

void CSizingControlBarCF::NcPaintGripper(CDC* pDC, CRect rcClient)
{
  if (!HasGripper())
    return;
  const BOOL bHorz = IsHorzDocked();
  CRect rcCaption = captionRect(rcClient);
  const COLORREF clrCaption = ::GetSysColor(captionActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  BOOL bGradient = FALSE;
  ::SystemParametersInfo(SPI_GETGRADIENTCAPTIONS, 0, &bGradient, 0);
  if (bGradient)
    FillGradient(pDC, rcCaption, clrCaption,
                 ::GetSysColor(captionActive ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION), bHorz);
  else
    pDC->FillSolidRect(&rcCaption, clrCaption);

  CString strTitle;
  GetWindowText(strTitle);
  CFont font;
  if (!strTitle.IsEmpty() && CreateCaptionFont(font, captionFontFace, CDpiScale::OfWindow(m_hWnd), bHorz ? 900 : 0))
  {
    CFont* pOldFont = pDC->SelectObject(&font);
    pDC->SetTextColor(::GetSysColor(captionActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rcText = rcCaption;
    if (bHorz)
      rcText.top = closeButton.GetRect().bottom + px(2);
    else
      rcText.right = closeButton.ptOrg.x - px(2);
    const CPoint ptText = bHorz ? CPoint(rcCaption.left - px(1), rcCaption.bottom - px(3))
                                : CPoint(rcCaption.left + px(3), rcCaption.top - px(1));
    pDC->ExtTextOut(ptText.x, ptText.y, ETO_CLIPPED, &rcText, strTitle, static_cast<UINT>(strTitle.GetLength()),
                    nullptr);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
  }
  closeButton.Paint(pDC);
}

void CSizingControlBarCF::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
  CSizingControlBarG::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
  HWND hFocus = ::GetFocus();
  const BOOL bActive = hFocus != nullptr && ::IsChild(m_hWnd, hFocus);
  if (bActive != captionActive)
  {
    captionActive = bActive;
    repaintNonClient();
  }
}

LRESULT CSizingControlBarCF::OnSetText(WPARAM wParam, LPARAM lParam)
{
  LRESULT lResult = CSizingControlBar::OnSetText(wParam, lParam);
  repaintNonClient();
  return lResult;
}
