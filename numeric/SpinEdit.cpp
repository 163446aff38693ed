#include "SpinEdit.h"

#include "BmpMenu.h"
#include "LibraryText.h"
#include "Resource.h"
#include "VariableMenu.h"
#include "ZuntVariable.h"

namespace
{
const int kCancelID = 2;
const int kHelpID = 9;
}

// CEditSpinButtonCtrl

IMPLEMENT_DYNAMIC(CEditSpinButtonCtrl, CSpinButtonCtrl)

BEGIN_MESSAGE_MAP(CEditSpinButtonCtrl, CSpinButtonCtrl)
  ON_NOTIFY_REFLECT(UDN_DELTAPOS, &CEditSpinButtonCtrl::OnDeltapos)
END_MESSAGE_MAP()

CEditSpinButtonCtrl::CEditSpinButtonCtrl() : m_pOwner(nullptr) {}

CEditSpinButtonCtrl::~CEditSpinButtonCtrl() = default;

BOOL CEditSpinButtonCtrl::Create(CSpinEdit* pOwner, unsigned long dwStyle, const RECT& rect, CWnd* pParentWnd)
{
  if (pOwner == nullptr)
    return FALSE;
  // The buddy is set by hand below, to the owner rather than to the previous sibling.
  if (!CSpinButtonCtrl::Create(dwStyle & ~UDS_AUTOBUDDY, rect, pParentWnd, 0))
    return FALSE;
  m_pOwner = pOwner;
  SetBuddy(pOwner);
  UDACCEL accel = {0, 1};
  SetAccel(1, &accel);
  return TRUE;
}

void CEditSpinButtonCtrl::OnDeltapos(NMHDR* pNMHDR, LRESULT* pResult)
{
  *pResult = 0;
  CWnd* pParent = GetParent();
  if (pNMHDR != nullptr && m_pOwner != nullptr && m_pOwner->IsWindowEnabled() && pParent != nullptr &&
      pParent->IsWindowEnabled())
    m_pOwner->OnDeltapos(pNMHDR, pResult);
}

// CSpinEdit

IMPLEMENT_DYNAMIC(CSpinEdit, CEdit)

BEGIN_MESSAGE_MAP(CSpinEdit, CEdit)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_SHOWWINDOW()
  ON_WM_ENABLE()
  ON_WM_KILLFOCUS()
  ON_CONTROL_REFLECT(EN_UPDATE, &CSpinEdit::OnEnUpdate)
  ON_COMMAND(ID_POPUP_UNDO, &CSpinEdit::OnEditUndo)
  ON_COMMAND(ID_POPUP_CUT, &CSpinEdit::OnEditCut)
  ON_COMMAND(ID_POPUP_COPY, &CSpinEdit::OnEditCopy)
  ON_COMMAND(ID_POPUP_PASTE, &CSpinEdit::OnEditPaste)
  ON_COMMAND(ID_POPUP_DELETE, &CSpinEdit::OnEditClear)
  ON_COMMAND(ID_POPUP_SELECT_ALL, &CSpinEdit::OnEditAllSelect)
  ON_WM_CONTEXTMENU()
  ON_MESSAGE(WM_MENUCHAR, &CSpinEdit::OnMenuChar)
  ON_COMMAND_RANGE(ID_VARIABLE_FIRST, ID_VARIABLE_FIRST + MENU_VARIABLES_MAX - 1, &CSpinEdit::OnVariable)
  ON_COMMAND_RANGE(ID_VARIABLE_FIRST + VARIABLE_KIND_STEP,
                   ID_VARIABLE_FIRST + VARIABLE_KIND_STEP + MENU_VARIABLES_MAX - 1, &CSpinEdit::OnVariable)
  ON_COMMAND_RANGE(ID_VARIABLE_FIRST + 2 * VARIABLE_KIND_STEP,
                   ID_VARIABLE_FIRST + 2 * VARIABLE_KIND_STEP + MENU_VARIABLES_MAX - 1, &CSpinEdit::OnVariable)
  ON_COMMAND_RANGE(ID_VARIABLE_SELECT_FIRST, ID_VARIABLE_SELECT_FIRST + 2, &CSpinEdit::OnVariableSelect)
  ON_COMMAND_RANGE(ID_VARIABLE_ADD_FIRST, ID_VARIABLE_ADD_FIRST + 2, &CSpinEdit::OnVariableAdd)
  ON_COMMAND(ID_DISP_VALUE, &CSpinEdit::OnDispValue)
  ON_COMMAND(ID_DISP_EXP, &CSpinEdit::OnDispExp)
END_MESSAGE_MAP()

CSpinEdit::CSpinEdit()
    : m_bModified(false), m_bCreateSpinButtonCtrl(false), m_pVariableExpression(nullptr), m_bNumExpression(false),
      m_bPairMode(false), m_bEnter(false), m_bKillFocusCheck(false), m_bEmpty(false), m_ulValidateMode(0)
{}

CSpinEdit::~CSpinEdit() = default;

bool CSpinEdit::ValidateData()
{
  if (!IsWindowEnabled() || !m_bModified)
    return true;
  m_bModified = false;
  if (validateData(m_ulValidateMode))
    return true;
  m_bModified = true;
  return false;
}

void CSpinEdit::PreAnalyze() { InitNumExpression(); }

bool CSpinEdit::Set(double, double, bool, bool) { return false; }

bool CSpinEdit::Set(double, bool, bool) { return false; }

bool CSpinEdit::Set(int, bool, bool) { return false; }

void CSpinEdit::OnDeltapos(NMHDR*, LRESULT* pResult) { *pResult = 0; }

bool CSpinEdit::validateData(unsigned long ulMode)
{
  CString strText;
  GetWindowText(strText);
  PreAnalyze();
  if (strText.IsEmpty())
    return acceptEmpty(ulMode);
  aCNumericalAnalyze analyzer(m_pVariableExpression);
  int bExpression = 0;
  CString strConverted;
  if (!analyze(analyzer, strText, bExpression, strConverted))
  {
    ZuntMessageBeep(BEEP_DEFAULT);
    return false;
  }
  // A refused value has been told by the field's own message: no beep.
  if (!setAnalyzed(analyzer))
    return false;
  if (bExpression)
  {
    m_strNumExpression = strText;
    m_bNumExpression = true;
  }
  return true;
}

bool CSpinEdit::checkRange(double, double) { return false; }

bool CSpinEdit::checkRange(double) { return false; }

CString CSpinEdit::changeValueToCheckRange(CString strValue) { return strValue; }

void CSpinEdit::displayErrMsg() {}

CEditSpinButtonCtrl* CSpinEdit::GetSpinButtonCtrl() { return m_bCreateSpinButtonCtrl ? &m_spinButtonCtrl : nullptr; }

void CSpinEdit::SetOptionCheck(bool bNotZero, bool bNotMin, bool bNotMax)
{
  m_valueWork.SetOptionCheck(bNotZero, bNotMin, bNotMax);
}

void CSpinEdit::InitNumExpression()
{
  m_strNumExpression.Empty();
  m_bNumExpression = false;
}

bool CSpinEdit::DoValidate(UINT)
{
  bool bValid = validateData(m_ulValidateMode);
  if (bValid && (!m_bNumExpression || !m_bEnter))
  {
    m_bModified = false;
    return false;
  }
  // A refused text, or an expression whose value Enter has just shown: keep the key here.
  reclaimFocus();
  if (m_bNumExpression)
    m_bModified = false;
  return true;
}

void CSpinEdit::PreSubclassWindow()
{
  CEdit::PreSubclassWindow();
  if (m_bCreateSpinButtonCtrl)
    createSpinCtrl();
}

BOOL CSpinEdit::PreTranslateMessage(MSG* pMsg)
{
  m_bEnter = false;
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && m_bModified)
  {
    m_bEnter = true;
    if (DoValidate(0))
      return TRUE;
  }
  return CEdit::PreTranslateMessage(pMsg);
}

void CSpinEdit::setWindowText(CString strText)
{
  m_strValue = strText;
  if (m_hWnd == nullptr)
    return;
  CString strShown;
  GetWindowText(strShown);
  if (strShown == strText)
    return;
  if (m_bEmpty)
  {
    SetWindowText("");
    return;
  }
  int nStart = 0;
  int nEnd = 0;
  GetSel(nStart, nEnd);
  int nOldLength = strShown.GetLength();
  SetWindowText(strText);
  if (restoreCaret(strText, nStart, nEnd, nOldLength))
    SendMessage(EM_SCROLLCARET);
}

bool CSpinEdit::restoreCaret(const CString& strText, int nStart, int nEnd, int nOldLength)
{
  int nNewLength = GetWindowTextLength();
  if (nNewLength == nOldLength)
    SetSel(nStart, nEnd);
  else if (nStart == nOldLength && nEnd == nOldLength)
  {
    // A caret at the end stays before a decimal point that formatting added.
    bool bPointAdded = nNewLength > nOldLength && nOldLength < strText.GetLength() && strText[nOldLength] == '.';
    if (bPointAdded)
      SetSel(nStart, nEnd);
    else
      SetSel(nNewLength, nNewLength);
  }
  else if (nEnd - nStart == nOldLength)
    SetSel(0, -1);
  else
    return false;
  return true;
}

int CSpinEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
  if (CEdit::OnCreate(lpCreateStruct) == -1)
    return -1;
  if (m_bCreateSpinButtonCtrl && !createSpinCtrl())
    return -1;
  return 0;
}

// The button is the parent's child, not the field's: it would outlive the field's window.
void CSpinEdit::OnDestroy()
{
  if (m_spinButtonCtrl.GetSafeHwnd() != nullptr)
    m_spinButtonCtrl.DestroyWindow();
  CEdit::OnDestroy();
}

void CSpinEdit::OnShowWindow(BOOL bShow, UINT nStatus)
{
  CEdit::OnShowWindow(bShow, nStatus);
  if (m_spinButtonCtrl.GetSafeHwnd() != nullptr)
    m_spinButtonCtrl.ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CSpinEdit::OnEnable(BOOL bEnable)
{
  if (m_bCreateSpinButtonCtrl && m_spinButtonCtrl.GetSafeHwnd() != nullptr)
    m_spinButtonCtrl.EnableWindow(bEnable);
  CEdit::OnEnable(bEnable);
}

void CSpinEdit::OnKillFocus(CWnd* pNewWnd)
{
  bool bValidate = validatesOnFocusTo(pNewWnd);
  bool bAccepted = bValidate && validateData(m_ulValidateMode);
  if (bAccepted)
    m_bModified = false;
  CEdit::OnKillFocus(pNewWnd);
  if (bValidate && !bAccepted)
    reclaimFocus();
}

void CSpinEdit::OnEnUpdate()
{
  if (IsWindowVisible())
    m_bModified = true;
}

void CSpinEdit::OnEditUndo() { SendMessage(EM_UNDO); }

void CSpinEdit::OnEditCut() { SendMessage(WM_CUT); }

void CSpinEdit::OnEditCopy() { SendMessage(WM_COPY); }

void CSpinEdit::OnEditPaste() { SendMessage(WM_PASTE); }

void CSpinEdit::OnEditClear() { SendMessage(WM_CLEAR); }

void CSpinEdit::OnEditAllSelect() { selectAllAndScroll(); }

bool CSpinEdit::admit(bool bInRange, bool bQuiet)
{
  m_bModified = !bInRange;
  if (!bInRange && !bQuiet)
    displayErrMsg();
  return bInRange;
}

void CSpinEdit::showNumExpression(const CString& strExpression)
{
  m_strNumExpression = strExpression;
  m_bNumExpression = true;
  setWindowText(strExpression);
}

void CSpinEdit::enableSpinButton(bool bEnable)
{
  if (!m_bCreateSpinButtonCtrl || m_spinButtonCtrl.GetSafeHwnd() == nullptr)
    return;
  m_spinButtonCtrl.EnableWindow(bEnable);
  m_spinButtonCtrl.Invalidate(TRUE);
}

bool CSpinEdit::isSteppable(const CString& strText, LPCTSTR pszAllowed)
{
  if (strText.SpanIncluding(pszAllowed).GetLength() == strText.GetLength())
    return true;
  ZuntMessageBeep(BEEP_DEFAULT);
  return false;
}

bool CSpinEdit::createSpinCtrl()
{
  CRect rcClient;
  GetClientRect(&rcClient);
  // The button places and sizes itself against its buddy.
  CRect rcSpin(0, 0, rcClient.Height(), 0);
  if (m_spinButtonCtrl.GetSafeHwnd() != nullptr)
    m_spinButtonCtrl.DestroyWindow();
  if (!m_spinButtonCtrl.Create(this, WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, rcSpin,
                               GetParent()))
  {
    ::OutputDebugString(LoadLibraryText(IDS_SPIN_CREATE_FAILED, LIBRARY_TEXT_LONG));
    return false;
  }
  m_spinButtonCtrl.SetRange(0, 1);
  return true;
}

// Not towards Cancel or Help, so that the user can leave without correcting the text.
bool CSpinEdit::validatesOnFocusTo(const CWnd* pNewWnd) const
{
  if (!m_bKillFocusCheck || m_bEnter || !m_bModified || !IsWindowVisible() || pNewWnd == nullptr ||
      pNewWnd->m_hWnd == m_hWnd)
    return false;
  int nNewID = pNewWnd->GetDlgCtrlID();
  return nNewID != kCancelID && nNewID != kHelpID;
}

bool CSpinEdit::acceptEmpty(unsigned long ulMode)
{
  if ((ulMode & VALIDATE_ALLOW_EMPTY) == 0)
  {
    ZuntMessageBeep(BEEP_DEFAULT);
    return false;
  }
  Set(0.0, false, false);
  InitNumExpression();
  setWindowText(CString());
  return true;
}

// As typed first; then without a trailing unit name, which the analyser does not read.
bool CSpinEdit::analyze(aCNumericalAnalyze& analyzer, const CString& strText, int& bExpression, CString& strConverted)
{
  strConverted.Empty();
  if (!analyzer.Analyze(strText, &bExpression))
  {
    strConverted = changeValueToCheckRange(strText);
    if (!analyzer.Analyze(strConverted, &bExpression))
      return false;
  }
  return analyzer.GetCount() > 0;
}

// Values beyond those the field holds are ignored; a missing y of a pair is 0.
bool CSpinEdit::setAnalyzed(const aCNumericalAnalyze& analyzer)
{
  if (!m_bPairMode)
    return Set(analyzer[0], true, false);
  return Set(analyzer[0], analyzer.GetCount() > 1 ? analyzer[1] : 0.0, true, false);
}

void CSpinEdit::reclaimFocus()
{
  SetFocus();
  selectAllAndScroll();
}

void CSpinEdit::selectAllAndScroll()
{
  SetSel(0, -1);
  SendMessage(EM_SCROLLCARET);
}

// The variables context menu: CVariableMenu does the work.

void CSpinEdit::OnContextMenu(CWnd* pWnd, CPoint point)
{
  if (m_pVariableExpression == nullptr)
    CEdit::OnContextMenu(pWnd, point);
  else
    CVariableMenu(*this).Track(point);
}

// The context menu's items are owner-drawn: the platform cannot read their mnemonics.
LRESULT CSpinEdit::OnMenuChar(WPARAM wParam, LPARAM lParam)
{
  CMenu* pMenu = CMenu::FromHandle(reinterpret_cast<HMENU>(lParam));
  if (LRESULT lResult = CBmpMenu::FindKeyboardShortcut(LOWORD(wParam), HIWORD(wParam), pMenu))
    return lResult;
  return Default();
}

void CSpinEdit::SetVariableMenu(CMenu* pMenu)
{
  if (m_pVariableExpression != nullptr && pMenu != nullptr)
    CVariableMenu(*this).AppendVariables(*pMenu);
}

void CSpinEdit::SetDispValueMenu(CMenu* pMenu)
{
  if (pMenu != nullptr)
    CVariableMenu::AppendSwitch(*pMenu, IDS_MENU_SHOW_VALUE, ID_DISP_VALUE);
}

void CSpinEdit::SetDispExpMenu(CMenu* pMenu)
{
  if (pMenu != nullptr)
    CVariableMenu::AppendSwitch(*pMenu, IDS_MENU_SHOW_EXPRESSION, ID_DISP_EXP);
}

void CSpinEdit::OnVariable(UINT nID) { CVariableMenu(*this).InsertVariable(nID); }

void CSpinEdit::OnVariableSelect(UINT nID) { CVariableMenu(*this).SelectVariable(nID); }

void CSpinEdit::OnVariableAdd(UINT nID) { CVariableMenu(*this).AddVariable(nID); }

void CSpinEdit::OnDispValue()
{
  if (m_strValue.IsEmpty())
    return;
  validateData(m_ulValidateMode);
  m_bModified = false;
}

void CSpinEdit::OnDispExp()
{
  if (m_strValue.IsEmpty() || m_strNumExpression.IsEmpty())
    return;
  setWindowText(m_strNumExpression);
  m_bModified = false;
}

void CSpinEdit::addExpression(aCVariableBase* pVariable, CString strText)
{
  if (m_pVariableExpression == nullptr)
    return;
  aCExpression expression(strText);
  aCSbstExpr* pSbst = new aCSbstExpr(pVariable, expression);
  if (!m_pVariableExpression->AddExprSbst(pSbst))
    delete pSbst;
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CSpinEdit& rControl)
{
  DDX_Control(pDX, nIDC, static_cast<CWnd&>(rControl));
  if (!pDX->m_bSaveAndValidate)
  {
    rControl.DisplayValue();
    return;
  }
  if (!rControl.ValidateData())
  {
    pDX->PrepareEditCtrl(nIDC);
    pDX->Fail();
  }
}
