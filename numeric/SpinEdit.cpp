#include "SpinEdit.h"

#include "BmpMenu.h"
#include "DlgVarAdd.h"
#include "DlgVariableSelect.h"
#include "LibraryText.h"
#include "Resource.h"
#include "ZuntModule.h"
#include "ZuntVariable.h"

#include <memory>

namespace
{
const int kCancelID = 2;
const int kHelpID = 9;
const UINT kVariableTitleIDs[aCVariableExpression::KIND_COUNT] = {IDS_MENU_LENGTH_VARIABLES, IDS_MENU_ANGLE_VARIABLES,
                                                                  IDS_MENU_GENERAL_VARIABLES};

// The kind of a command in a block of ids, one a kind VARIABLE_KIND_STEP apart from the
// first; -1 when the id is not one of them.
int kindOfCommand(UINT nID, UINT nFirst, UINT nPerKind)
{
  if (nID < nFirst)
    return -1;
  UINT nOffset = nID - nFirst;
  UINT nKind = nOffset / nPerKind;
  return nKind < UINT(aCVariableExpression::KIND_COUNT) ? int(nKind) : -1;
}

aCVariableBase* variableAt(aCVariableExpression* pSet, int nKind, int nIndex)
{
  aCVariableList* pList = pSet != nullptr ? pSet->GetVariableList(nKind) : nullptr;
  POSITION pos = pList != nullptr && nIndex >= 0 ? pList->FindIndex(nIndex) : nullptr;
  return pos != nullptr ? pList->GetAt(pos) : nullptr;
}

// The set takes the new variable, or it is deleted here.
template <class TVariable>
aCVariableBase* adoptVariable(aCVariableExpression& set, const CString& strName, double dValue)
{
  TVariable* pVariable = new TVariable(strName, dValue, 1);
  if (set.AddVariable(pVariable))
    return pVariable;
  delete pVariable;
  return nullptr;
}

aCVariableBase* createVariable(aCVariableExpression& set, int nKind, const CString& strName, double dValue)
{
  switch (nKind)
  {
  case aCVariableExpression::KIND_LENGTH:
    return adoptVariable<aCVarLength>(set, strName, dValue);
  case aCVariableExpression::KIND_ANGLE:
    return adoptVariable<aCVarAngle>(set, strName, dValue);
  default:
    return adoptVariable<aCVarValue>(set, strName, dValue);
  }
}

// A bitmap menu appends through its own operation, which owner-draws the item and keeps its
// record in step; CMenu's is not virtual.
void appendItem(CMenu& menu, UINT nFlags, UINT_PTR nID = 0, LPCTSTR pszText = nullptr)
{
  if (CBmpMenu* pBmpMenu = DYNAMIC_DOWNCAST(CBmpMenu, &menu))
    pBmpMenu->AppendMenu(nFlags, nID, pszText);
  else
    menu.AppendMenu(nFlags, nID, pszText);
}

// A separator and a command item whose text comes from the table; false when it is missing.
bool appendLoadedItem(CMenu& menu, UINT nTextID, UINT nCommandID, bool bSeparator)
{
  CString strText = LoadLibraryText(nTextID);
  if (strText.IsEmpty())
    return false;
  if (bSeparator)
    appendItem(menu, MF_SEPARATOR);
  appendItem(menu, MF_STRING, nCommandID, strText);
  return true;
}

void greyIf(CMenu& menu, UINT nID, bool bGrey)
{
  if (bGrey)
    menu.EnableMenuItem(nID, MF_BYCOMMAND | MF_GRAYED);
}
}

// CEditSpinButtonCtrl

IMPLEMENT_DYNAMIC(CEditSpinButtonCtrl, CSpinButtonCtrl)

BEGIN_MESSAGE_MAP(CEditSpinButtonCtrl, CSpinButtonCtrl)
  ON_NOTIFY_REFLECT(UDN_DELTAPOS, &CEditSpinButtonCtrl::OnDeltapos)
END_MESSAGE_MAP()

CEditSpinButtonCtrl::CEditSpinButtonCtrl() : m_pOwner(nullptr)
{
}

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
                   ID_VARIABLE_FIRST + VARIABLE_KIND_STEP + MENU_VARIABLES_MAX - 1, OnVariable)
  ON_COMMAND_RANGE(ID_VARIABLE_FIRST + 2 * VARIABLE_KIND_STEP,
                   ID_VARIABLE_FIRST + 2 * VARIABLE_KIND_STEP + MENU_VARIABLES_MAX - 1, OnVariable)
  ON_COMMAND_RANGE(ID_VARIABLE_SELECT_FIRST, ID_VARIABLE_SELECT_FIRST + 2, &CSpinEdit::OnVariableSelect)
  ON_COMMAND_RANGE(ID_VARIABLE_ADD_FIRST, ID_VARIABLE_ADD_FIRST + 2, &CSpinEdit::OnVariableAdd)
  ON_COMMAND(ID_DISP_VALUE, &CSpinEdit::OnDispValue)
  ON_COMMAND(ID_DISP_EXP, &CSpinEdit::OnDispExp)
END_MESSAGE_MAP()

CSpinEdit::CSpinEdit()
    : m_bModified(false),
      m_bCreateSpinButtonCtrl(false),
      m_pVariableExpression(nullptr),
      m_bNumExpression(false),
      m_bPairMode(false),
      m_bEnter(false),
      m_bKillFocusCheck(false),
      m_bEmpty(false),
      m_ulValidateMode(0)
{
}

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

void CSpinEdit::PreAnalyze()
{
  InitNumExpression();
}

bool CSpinEdit::Set(double, double, bool, bool)
{
  return false;
}

bool CSpinEdit::Set(double, bool, bool)
{
  return false;
}

bool CSpinEdit::Set(int, bool, bool)
{
  return false;
}

void CSpinEdit::OnDeltapos(NMHDR*, LRESULT* pResult)
{
  *pResult = 0;
}

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

bool CSpinEdit::checkRange(double, double)
{
  return false;
}

bool CSpinEdit::checkRange(double)
{
  return false;
}

CString CSpinEdit::changeValueToCheckRange(CString strValue)
{
  return strValue;
}

void CSpinEdit::displayErrMsg()
{
}

CEditSpinButtonCtrl* CSpinEdit::GetSpinButtonCtrl()
{
  return m_bCreateSpinButtonCtrl ? &m_spinButtonCtrl : nullptr;
}

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

void CSpinEdit::OnEditUndo()
{
  SendMessage(EM_UNDO);
}

void CSpinEdit::OnEditCut()
{
  SendMessage(WM_CUT);
}

void CSpinEdit::OnEditCopy()
{
  SendMessage(WM_COPY);
}

void CSpinEdit::OnEditPaste()
{
  SendMessage(WM_PASTE);
}

void CSpinEdit::OnEditClear()
{
  SendMessage(WM_CLEAR);
}

void CSpinEdit::OnEditAllSelect()
{
  selectAllAndScroll();
}

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
  if (!m_spinButtonCtrl.Create(this, WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                               rcSpin, GetParent()))
  {
    CString strDiagnostic;
    strDiagnostic.LoadString(GetZuntCtrlModuleHandle(), IDS_SPIN_CREATE_FAILED);
    ::OutputDebugString(strDiagnostic);
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

void CSpinEdit::OnContextMenu(CWnd* pWnd, CPoint point)
{
  if (m_pVariableExpression == nullptr)
  {
    CEdit::OnContextMenu(pWnd, point);
    return;
  }
  SetFocus();
  CBmpMenu menu;
  CMenu* pPopup = menu.LoadMenu(IDR_MENU_EDIT_POPUP) ? CMenu::FromHandle(::GetSubMenu(menu.m_hMenu, 0)) : nullptr;
  if (pPopup == nullptr)
    return;
  if (point.x == -1 && point.y == -1)
  {
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    point = CPoint((rcWindow.left + rcWindow.right) / 2, (rcWindow.top + rcWindow.bottom) / 2);
  }
  SetVariableMenu(pPopup);
  greyEditCommands(*pPopup);
  if (showsExpression())
    SetDispValueMenu(pPopup);
  if (showsValueOfExpression())
    SetDispExpMenu(pPopup);
  // The flat look, for every bitmap menu from now on.
  CBmpMenu::original_drawmode = 1;
  CBmpMenu::xp_drawmode = 1;
  pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
  menu.DestroyMenu();
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
  if (m_pVariableExpression == nullptr || pMenu == nullptr)
    return;
  for (int nKind = 0; nKind < aCVariableExpression::KIND_COUNT; ++nKind)
    if (!appendVariablePopup(*pMenu, nKind))
      return;
}

void CSpinEdit::SetDispValueMenu(CMenu* pMenu)
{
  if (pMenu == nullptr)
    return;
  appendItem(*pMenu, MF_SEPARATOR);
  appendLoadedItem(*pMenu, IDS_MENU_SHOW_VALUE, ID_DISP_VALUE, false);
}

void CSpinEdit::SetDispExpMenu(CMenu* pMenu)
{
  if (pMenu == nullptr)
    return;
  appendItem(*pMenu, MF_SEPARATOR);
  appendLoadedItem(*pMenu, IDS_MENU_SHOW_EXPRESSION, ID_DISP_EXP, false);
}

void CSpinEdit::OnVariable(UINT nID)
{
  int nKind = kindOfCommand(nID, ID_VARIABLE_FIRST, VARIABLE_KIND_STEP);
  int nIndex = int(nID - ID_VARIABLE_FIRST) % VARIABLE_KIND_STEP;
  if (nKind >= 0 && nIndex < MENU_VARIABLES_MAX)
    insertName(variableAt(m_pVariableExpression, nKind, nIndex));
}

void CSpinEdit::OnVariableSelect(UINT nID)
{
  int nKind = kindOfCommand(nID, ID_VARIABLE_SELECT_FIRST, 1);
  if (nKind < 0 || m_pVariableExpression == nullptr)
    return;
  CDlgVariableSelect dlg(this);
  dlg.m_pVariableList = m_pVariableExpression->GetVariableList(nKind);
  if (dlg.DoModal() == IDOK)
    insertName(variableAt(m_pVariableExpression, nKind, dlg.m_nIndex));
}

void CSpinEdit::OnVariableAdd(UINT nID)
{
  int nKind = kindOfCommand(nID, ID_VARIABLE_ADD_FIRST, 1);
  if (nKind < 0 || m_pVariableExpression == nullptr)
    return;
  CDlgVarAdd dlg(this);
  offerSelection(dlg);
  dlg.m_nKind = nKind;
  dlg.m_pVariableExpression = m_pVariableExpression;
  if (dlg.DoModal() != IDOK)
    return;
  aCVariableBase* pVariable = createVariable(*m_pVariableExpression, nKind, dlg.m_strName, dlg.m_dValue);
  if (pVariable == nullptr)
    return;
  if (!dlg.m_strExpression.IsEmpty())
    addExpression(pVariable, dlg.m_strExpression);
  if (!dlg.m_strName.IsEmpty() &&
      AfxMessageBox(LoadLibraryText(IDS_VAR_USE_ADDED, LIBRARY_TEXT_LONG), MB_YESNO | MB_ICONQUESTION) == IDYES)
    ReplaceSel(dlg.m_strName, TRUE);
}

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

void CSpinEdit::greyEditCommands(CMenu& menu)
{
  int nStart = 0;
  int nEnd = 0;
  GetSel(nStart, nEnd);
  int nLength = GetWindowTextLength();
  bool bNoSelection = nStart == nEnd;
  greyIf(menu, ID_POPUP_UNDO, !CanUndo());
  greyIf(menu, ID_POPUP_CUT, bNoSelection);
  greyIf(menu, ID_POPUP_COPY, bNoSelection);
  greyIf(menu, ID_POPUP_DELETE, bNoSelection);
  greyIf(menu, ID_POPUP_SELECT_ALL, nLength == 0 || (nStart == 0 && nEnd == nLength));
  greyIf(menu, ID_POPUP_PASTE, !::IsClipboardFormatAvailable(CF_TEXT));
}

// The shown text is the expression itself, as typed or shown again.
bool CSpinEdit::showsExpression() const
{
  return !m_strValue.IsEmpty() && m_strValue == m_strNumExpression && !m_bModified;
}

// The shown text is the value an expression gave.
bool CSpinEdit::showsValueOfExpression() const
{
  return !m_strValue.IsEmpty() && !m_strNumExpression.IsEmpty() && m_strValue != m_strNumExpression && !m_bModified;
}

// A missing string stops the building and drops the unfinished popup. Below a bitmap menu the
// popup is one too, owned by that menu once appended.
bool CSpinEdit::appendVariablePopup(CMenu& menu, int nKind)
{
  const bool bBitmapMenu = menu.IsKindOf(RUNTIME_CLASS(CBmpMenu));
  std::unique_ptr<CMenu> pPopup(bBitmapMenu ? new CBmpMenu : new CMenu);
  pPopup->CreatePopupMenu();
  CString strTitle = LoadLibraryText(kVariableTitleIDs[nKind]);
  if (!fillVariablePopup(*pPopup, nKind) || strTitle.IsEmpty())
    return false;
  appendItem(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(pPopup->m_hMenu), strTitle);
  if (bBitmapMenu)
    pPopup.release();
  else
    pPopup->Detach();
  return true;
}

// Null elements use up their ids; the variables beyond the first ones are reached through
// the select dialog.
bool CSpinEdit::fillVariablePopup(CMenu& popup, int nKind)
{
  const aCVariableList* pList = m_pVariableExpression->GetVariableList(nKind);
  UINT nFirstID = ID_VARIABLE_FIRST + nKind * VARIABLE_KIND_STEP;
  POSITION pos = pList->GetHeadPosition();
  for (int i = 0; i < MENU_VARIABLES_MAX && pos != nullptr; ++i)
  {
    const aCVariableBase* pVariable = pList->GetNext(pos);
    if (pVariable != nullptr)
      appendItem(popup, MF_STRING, nFirstID + i, pVariable->GetName());
  }
  if (!pList->IsEmpty() && !appendLoadedItem(popup, IDS_MENU_SELECT_VARIABLE, ID_VARIABLE_SELECT_FIRST + nKind, true))
    return false;
  return appendLoadedItem(popup, IDS_MENU_ADD_VARIABLE, ID_VARIABLE_ADD_FIRST + nKind, false);
}

void CSpinEdit::insertName(const aCVariableBase* pVariable)
{
  if (pVariable != nullptr)
    ReplaceSel(pVariable->GetName(), TRUE);
}

void CSpinEdit::offerSelection(CDlgVarAdd& dlg)
{
  CString strText;
  GetWindowText(strText);
  int nStart = 0;
  int nEnd = 0;
  GetSel(nStart, nEnd);
  CString strTaken = nStart < strText.GetLength() ? strText.Mid(nStart, nEnd - nStart) : CString();
  aCNumericalAnalyze analyzer(m_pVariableExpression);
  int bExpression = 0;
  CString strConverted;
  if (!analyze(analyzer, strTaken, bExpression, strConverted))
    return;
  CString strOffered = strConverted.IsEmpty() ? strTaken : strConverted;
  if (bExpression)
    dlg.m_strExpression = strOffered;
  else
    dlg.m_strValue = strOffered;
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
