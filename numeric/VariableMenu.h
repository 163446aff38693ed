// The variables context menu of a numeric field: the edit commands of menu 22130 with a submenu
// of variables a kind and the switch between an expression and its value, and the commands
// that insert a variable's name, pick one from a list and add one. CSpinEdit's handlers hand
// the work over to it; it reaches into the field's state as the field's friend.
#pragma once
#include "SpinEdit.h"

class CDlgVarAdd;

class CVariableMenu
{
public:
  explicit CVariableMenu(CSpinEdit& field) : m_field(field) {}

  // The whole menu at a screen point, for a field with a variable set.
  void Track(CPoint point);
  // A submenu a kind; a string missing from the table stops the building.
  void AppendVariables(CMenu& menu);
  // A separator and the item of a command, with its text from the table.
  static void AppendSwitch(CMenu& menu, UINT nTextID, UINT nCommandID);

  void InsertVariable(UINT nID);
  void SelectVariable(UINT nID);
  void AddVariable(UINT nID);

private:
  void greyEditCommands(CMenu& menu);
  bool showsExpression() const;
  bool showsValueOfExpression() const;
  bool appendVariablePopup(CMenu& menu, int nKind);
  bool fillVariablePopup(CMenu& popup, int nKind);
  // Replaces the selection with the variable's name, undoably; nothing for null.
  void insertName(const aCVariableBase* pVariable);
  // Offers the selected text to the add dialog as a value or an expression when it reads.
  void offerSelection(CDlgVarAdd& dlg);

  CSpinEdit& m_field;
};
