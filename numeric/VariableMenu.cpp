#include "VariableMenu.h"

#include "BmpMenu.h"
#include "ContextMenu.h"
#include "DlgVarAdd.h"
#include "DlgVariableSelect.h"
#include "LibraryText.h"
#include "Resource.h"
#include "ZuntVariable.h"

#include <memory>

namespace
{
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

// The kind of a command that opens a dialog on the variable set, one id a kind; -1 for another
// id and without a set.
int kindOfDialogCommand(const aCVariableExpression* pSet, UINT nID, UINT nFirst)
{
  return pSet != nullptr ? kindOfCommand(nID, nFirst, 1) : -1;
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

void CVariableMenu::Track(CPoint point)
{
  m_field.SetFocus();
  CBmpMenu menu;
  CMenu* pPopup = menu.LoadMenu(IDR_MENU_EDIT_POPUP) ? CMenu::FromHandle(::GetSubMenu(menu.m_hMenu, 0)) : nullptr;
  if (pPopup == nullptr)
    return;
  m_field.SetVariableMenu(pPopup);
  greyEditCommands(*pPopup);
  if (showsExpression())
    m_field.SetDispValueMenu(pPopup);
  if (showsValueOfExpression())
    m_field.SetDispExpMenu(pPopup);
  ZuntTrackContextMenu(*pPopup, m_field, point);
  menu.DestroyMenu();
}

void CVariableMenu::AppendVariables(CMenu& menu)
{
  for (int nKind = 0; nKind < aCVariableExpression::KIND_COUNT; ++nKind)
    if (!appendVariablePopup(menu, nKind))
      return;
}

void CVariableMenu::AppendSwitch(CMenu& menu, UINT nTextID, UINT nCommandID)
{
  appendItem(menu, MF_SEPARATOR);
  appendLoadedItem(menu, nTextID, nCommandID, false);
}

void CVariableMenu::InsertVariable(UINT nID)
{
  int nKind = kindOfCommand(nID, CSpinEdit::ID_VARIABLE_FIRST, CSpinEdit::VARIABLE_KIND_STEP);
  int nIndex = int(nID - CSpinEdit::ID_VARIABLE_FIRST) % CSpinEdit::VARIABLE_KIND_STEP;
  if (nKind >= 0 && nIndex < CSpinEdit::MENU_VARIABLES_MAX)
    insertName(variableAt(m_field.m_pVariableExpression, nKind, nIndex));
}

void CVariableMenu::SelectVariable(UINT nID)
{
  aCVariableExpression* pSet = m_field.m_pVariableExpression;
  const int nKind = kindOfDialogCommand(pSet, nID, CSpinEdit::ID_VARIABLE_SELECT_FIRST);
  if (nKind < 0)
    return;
  CDlgVariableSelect dlg(&m_field);
  dlg.m_pVariableList = pSet->GetVariableList(nKind);
  if (dlg.DoModal() == IDOK)
    insertName(variableAt(pSet, nKind, dlg.m_nIndex));
}

void CVariableMenu::AddVariable(UINT nID)
{
  aCVariableExpression* pSet = m_field.m_pVariableExpression;
  const int nKind = kindOfDialogCommand(pSet, nID, CSpinEdit::ID_VARIABLE_ADD_FIRST);
  if (nKind < 0)
    return;
  CDlgVarAdd dlg(&m_field);
  offerSelection(dlg);
  dlg.m_nKind = nKind;
  dlg.m_pVariableExpression = pSet;
  if (dlg.DoModal() != IDOK)
    return;
  aCVariableBase* pVariable = createVariable(*pSet, nKind, dlg.m_strName, dlg.m_dValue);
  if (pVariable == nullptr)
    return;
  if (!dlg.m_strExpression.IsEmpty())
    m_field.addExpression(pVariable, dlg.m_strExpression);
  if (!dlg.m_strName.IsEmpty() &&
      AfxMessageBox(LoadLibraryText(IDS_VAR_USE_ADDED, LIBRARY_TEXT_LONG), MB_YESNO | MB_ICONQUESTION) == IDYES)
    m_field.ReplaceSel(dlg.m_strName, TRUE);
}

void CVariableMenu::greyEditCommands(CMenu& menu)
{
  int nStart = 0;
  int nEnd = 0;
  m_field.GetSel(nStart, nEnd);
  int nLength = m_field.GetWindowTextLength();
  bool bNoSelection = nStart == nEnd;
  greyIf(menu, ID_POPUP_UNDO, !m_field.CanUndo());
  greyIf(menu, ID_POPUP_CUT, bNoSelection);
  greyIf(menu, ID_POPUP_COPY, bNoSelection);
  greyIf(menu, ID_POPUP_DELETE, bNoSelection);
  greyIf(menu, ID_POPUP_SELECT_ALL, nLength == 0 || (nStart == 0 && nEnd == nLength));
  greyIf(menu, ID_POPUP_PASTE, !::IsClipboardFormatAvailable(CF_TEXT));
}

// The shown text is the expression itself, as typed or shown again.
bool CVariableMenu::showsExpression() const
{
  return !m_field.m_strValue.IsEmpty() && m_field.m_strValue == m_field.m_strNumExpression && !m_field.m_bModified;
}

// The shown text is the value an expression gave.
bool CVariableMenu::showsValueOfExpression() const
{
  return !m_field.m_strValue.IsEmpty() && !m_field.m_strNumExpression.IsEmpty() &&
         m_field.m_strValue != m_field.m_strNumExpression && !m_field.m_bModified;
}

// A missing string stops the building and drops the unfinished popup. Below a bitmap menu the
// popup is one too, owned by that menu once appended.
bool CVariableMenu::appendVariablePopup(CMenu& menu, int nKind)
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
bool CVariableMenu::fillVariablePopup(CMenu& popup, int nKind)
{
  const aCVariableList* pList = m_field.m_pVariableExpression->GetVariableList(nKind);
  UINT nFirstID = CSpinEdit::ID_VARIABLE_FIRST + nKind * CSpinEdit::VARIABLE_KIND_STEP;
  POSITION pos = pList->GetHeadPosition();
  for (int i = 0; i < CSpinEdit::MENU_VARIABLES_MAX && pos != nullptr; ++i)
  {
    const aCVariableBase* pVariable = pList->GetNext(pos);
    if (pVariable != nullptr)
      appendItem(popup, MF_STRING, nFirstID + i, pVariable->GetName());
  }
  if (!pList->IsEmpty() &&
      !appendLoadedItem(popup, IDS_MENU_SELECT_VARIABLE, CSpinEdit::ID_VARIABLE_SELECT_FIRST + nKind, true))
    return false;
  return appendLoadedItem(popup, IDS_MENU_ADD_VARIABLE, CSpinEdit::ID_VARIABLE_ADD_FIRST + nKind, false);
}

void CVariableMenu::insertName(const aCVariableBase* pVariable)
{
  if (pVariable != nullptr)
    m_field.ReplaceSel(pVariable->GetName(), TRUE);
}

void CVariableMenu::offerSelection(CDlgVarAdd& dlg)
{
  CString strText;
  m_field.GetWindowText(strText);
  int nStart = 0;
  int nEnd = 0;
  m_field.GetSel(nStart, nEnd);
  CString strTaken = nStart < strText.GetLength() ? strText.Mid(nStart, nEnd - nStart) : CString();
  aCNumericalAnalyze analyzer(m_field.m_pVariableExpression);
  int bExpression = 0;
  CString strConverted;
  if (!m_field.analyze(analyzer, strTaken, bExpression, strConverted))
    return;
  CString strOffered = strConverted.IsEmpty() ? strTaken : strConverted;
  if (bExpression)
    dlg.m_strExpression = strOffered;
  else
    dlg.m_strValue = strOffered;
}
