// Variables in a numeric field, driven through a real dialog: the context menu read while it is
// tracked and chosen from with the keyboard, the select and add dialogs worked as a user would
// (each refusal's message checked), and switching between an expression and its value.
#include "NumericTestResources.h"
#include "NumericTestSupport.h"

#include <ZuntVariable.h>
#include <gtest/gtest.h>

#include <string>

namespace
{
std::string LibraryText(UINT nID)
{
  char buffer[256] = "";
  ::LoadStringA(GetZuntCtrlModuleHandle(), nID, buffer, sizeof buffer);
  return buffer;
}

// A message of the table with another entry in place of its %s.
std::string Formatted(UINT nFormatID, UINT nArgumentID)
{
  std::string strFormat = LibraryText(nFormatID);
  std::string strArgument = LibraryText(nArgumentID);
  size_t nAt = strFormat.find("%s");
  EXPECT_NE(std::string::npos, nAt) << nFormatID;
  return nAt == std::string::npos ? strFormat : strFormat.replace(nAt, 2, strArgument);
}

std::vector<std::pair<std::string, std::string>> MenuTags()
{
  return {{LibraryText(IDS_MENU_SELECT_VARIABLE), "<select>"},    {LibraryText(IDS_MENU_ADD_VARIABLE), "<add>"},
          {LibraryText(IDS_MENU_LENGTH_VARIABLES), "<length>"},   {LibraryText(IDS_MENU_ANGLE_VARIABLES), "<angle>"},
          {LibraryText(IDS_MENU_GENERAL_VARIABLES), "<general>"}, {LibraryText(IDS_MENU_SHOW_VALUE), "<value>"},
          {LibraryText(IDS_MENU_SHOW_EXPRESSION), "<expression>"}};
}

SKeyMessage Char(char ch) { return {WM_CHAR, static_cast<WPARAM>(ch)}; }

KeySequence Keys(UINT nVirtualKey) { return {{WM_KEYDOWN, nVirtualKey}, {WM_KEYUP, nVirtualKey}}; }

KeySequence operator+(KeySequence first, const KeySequence& second)
{
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

// Opens the field's context menu from the keyboard; returns once the menu is closed.
template <class TField>
void OpenContextMenu(TField& field, const KeySequence& keys)
{
  field.m_menuTags = MenuTags();
  field.ExpectMenu(keys);
  field.SetFocus();
  field.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(field.m_hWnd), MAKELPARAM(-1, -1));
}

// The dialog that a field's command opened over the test dialog. Its modal loop shows it
// when idle, which a running script never lets it be: shown here instead.
CWnd* OpenedDialog(CWnd& owner)
{
  HWND hFound = nullptr;
  do
    hFound = ::FindWindowExA(nullptr, hFound, "#32770", nullptr);
  while (hFound != nullptr && ::GetWindow(hFound, GW_OWNER) != owner.m_hWnd);
  if (hFound == nullptr)
    return nullptr;
  ::ShowWindow(hFound, SW_SHOWNORMAL);
  return CWnd::FromHandle(hFound);
}

// A step on the dialog that a field's command opened.
CNumericDialog::Step InOpenedDialog(std::function<void(CWnd&)> step)
{
  return [step](CNumericDialog& d) {
    CWnd* pDlg = OpenedDialog(d);
    ASSERT_NE(nullptr, pDlg);
    step(*pDlg);
  };
}

void Click(CWnd& dlg, int nID) { dlg.GetDlgItem(nID)->PostMessage(BM_CLICK); }

// Types over the whole text of an edit of the dialog.
void TypeInto(CWnd& dlg, int nID, const char* pszText)
{
  RetypeText(*static_cast<CEdit*>(dlg.GetDlgItem(nID)), pszText);
}

std::string LastMessage()
{
  const std::vector<SShownMessage>& messages = TestApp().m_messages;
  return messages.empty() ? std::string("(none)") : messages.back().text;
}

// A set with two length variables and a null element, no angle variables and twelve general
// ones, G1 to G12.
class VariableFieldTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    m_variables.AddVariable(new aCVarLength("WIDTH", 40.0, 0));
    m_variables.AddVariable(new aCVarLength("HEIGHT", 25.0, 0));
    m_variables.GetVariableList(aCVariableExpression::KIND_LENGTH)->AddTail(nullptr);
    for (int i = 1; i <= 12; ++i)
      m_variables.AddVariable(new aCVarValue(CString(("G" + std::to_string(i)).c_str()), i, 0));
    m_dlg.m_double.SetVariableExpression(&m_variables);
    m_dlg.m_double.SetFigure(2);
    m_dlg.m_length.SetVariableExpression(&m_variables);
  }

  aCVariableExpression m_variables;
  CNumericDialog m_dlg;
};

// Owner-drawn like the rest of the bitmap menu, each item with its record.
const char kVariableSubmenus[] =
    "*<length>[*WIDTH:32800 *HEIGHT:32801 - *<select>:33100 *<add>:33110] *<angle>[*<add>:33111] "
    "*<general>[*G1:33000 *G2:33001 *G3:33002 *G4:33003 *G5:33004 *G6:33005 *G7:33006 *G8:33007 *G9:33008 "
    "*G10:33009 - *<select>:33102 *<add>:33112]";
}

TEST_F(VariableFieldTest, ContextMenuGreysWhatCannotActListsTenVariablesOfEachKindAndInsertsTheChosenOne)
{
  m_dlg.Run({
      [](CNumericDialog& d) {
        // A field without variables shows the platform's own edit menu.
        OpenContextMenu(d.m_integer, Keys(VK_ESCAPE));
        ASSERT_NE("", d.m_integer.m_strMenu) << "no menu shown";
        EXPECT_EQ(std::string::npos, d.m_integer.m_strMenu.find("<length>")) << d.m_integer.m_strMenu;
      },
      [](CNumericDialog& d) {
        d.m_double.SetWindowText("7");
        d.m_double.SetSel(0, -1);
        d.m_double.Copy();  // something to paste
        d.m_double.SetWindowText("12.5");
        d.m_double.SetSel(2, 2);
        CBmpMenu::original_drawmode = 0;
        CBmpMenu::xp_drawmode = 0;
        OpenContextMenu(d.m_double, Keys(VK_ESCAPE));
        EXPECT_EQ(1u, CBmpMenu::original_drawmode) << "the flat look stays for every bitmap menu";
        EXPECT_EQ(1u, CBmpMenu::xp_drawmode);
        EXPECT_EQ(std::string("*32789~ - *32790~ *32791~ *32792 *32793~ - *32781 - ") + kVariableSubmenus,
                  d.m_double.m_strMenu);
      },
      [](CNumericDialog& d) {
        ASSERT_TRUE(::OpenClipboard(d));
        ::EmptyClipboard();  // nothing to paste
        ::CloseClipboard();
        d.m_double.SetWindowText("");
        TypeText(d.m_double, "12.5");
      },
      [](CNumericDialog& d) {
        d.m_double.SetSel(0, -1);
        OpenContextMenu(d.m_double, Keys(VK_ESCAPE));
        EXPECT_EQ(std::string("*32789 - *32790 *32791 *32792~ *32793 - *32781~ - ") + kVariableSubmenus,
                  d.m_double.m_strMenu);

        // Next, a variable chosen from the menu.
        d.m_double.SetWindowText("1+X");
        d.m_double.SetSel(2, 3);
        // The length submenu by its mnemonic, then its second line.
        OpenContextMenu(d.m_double, KeySequence{Char('l')} + Keys(VK_DOWN) + KeySequence{Char('\r')});
      },
      [](CNumericDialog& d) {
        EXPECT_EQ("1+HEIGHT", TextOf(d.m_double));
        EXPECT_TRUE(d.m_double.IsModified());
        EXPECT_TRUE(d.m_double.CanUndo());
        PressKey(d.m_double, VK_RETURN);
      },
      [](CNumericDialog& d) {
        ASSERT_EQ("26.00", TextOf(d.m_double));
        OpenContextMenu(d.m_double, KeySequence{Char('e')});
        EXPECT_NE(std::string::npos,
                  d.m_double.m_strMenu.find(std::string(kVariableSubmenus) + " - *<expression>:33201"))
            << d.m_double.m_strMenu;
      },
      [](CNumericDialog& d) {
        EXPECT_EQ("1+HEIGHT", TextOf(d.m_double));
        EXPECT_FALSE(d.m_double.IsModified());
        OpenContextMenu(d.m_double, KeySequence{Char('i')});
      },
      [](CNumericDialog& d) {
        EXPECT_EQ("26.00", TextOf(d.m_double));
        TypeText(d.m_double, "1");
      },
      [this](CNumericDialog& d) {
        OpenContextMenu(d.m_double, Keys(VK_ESCAPE));
        EXPECT_EQ(std::string::npos, d.m_double.m_strMenu.find("3320")) << "a modified text offers neither";
        // Next, the select dialog, from the menu and from the commands; a second null element.
        m_variables.GetVariableList(aCVariableExpression::KIND_LENGTH)->AddHead(nullptr);
        d.m_double.SetWindowText("2*");
        d.m_double.SetSel(2, 2);
        OpenContextMenu(d.m_double, KeySequence{Char('n'), Char('s')});
      },
      InOpenedDialog([](CWnd& dlg) {
        CListBox* pList = static_cast<CListBox*>(dlg.GetDlgItem(IDC_LIST_VARIABLE));
        ASSERT_EQ(12, pList->GetCount());
        EXPECT_EQ(pList->m_hWnd, ::GetFocus());
        PressKey(*pList, VK_END);
        Click(dlg, IDOK);
      }),
      [](CNumericDialog& d) {
        EXPECT_EQ("2*G12", TextOf(d.m_double)) << "the last item";
        d.m_double.PostMessage(WM_COMMAND, CSpinEdit::ID_VARIABLE_SELECT_FIRST);
      },
      InOpenedDialog([](CWnd& dlg) {
        CListBox* pList = static_cast<CListBox*>(dlg.GetDlgItem(IDC_LIST_VARIABLE));
        ASSERT_EQ(2, pList->GetCount()) << "null elements are skipped";
        CRect rcItem;
        pList->GetItemRect(1, &rcItem);
        LPARAM lPoint = MAKELPARAM(rcItem.CenterPoint().x, rcItem.CenterPoint().y);
        pList->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        pList->PostMessage(WM_LBUTTONUP, 0, lPoint);
        pList->PostMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, lPoint);
        pList->PostMessage(WM_LBUTTONUP, 0, lPoint);
      }),
      [](CNumericDialog& d) {
        EXPECT_EQ("2*G12HEIGHT", TextOf(d.m_double)) << "a double click ends the dialog";
        d.m_double.PostMessage(WM_COMMAND, CSpinEdit::ID_VARIABLE_SELECT_FIRST + 2);
      },
      InOpenedDialog([](CWnd& dlg) { Click(dlg, IDCANCEL); }),
      [](CNumericDialog& d) { EXPECT_EQ("2*G12HEIGHT", TextOf(d.m_double)) << "cancelled"; },
  });
}

// Then the add command on a selected text, which the dialog offers as value or expression.
TEST_F(VariableFieldTest, AddDialogRefusesEachBadEntryWithItsMessageOffersTheSelectedTextAndBindsExpressions)
{
  struct SRefusal
  {
    std::string strMessage;
    int nFocusID;  // the field the refusal focuses with its text selected; 0: not checked
    std::vector<std::pair<int, const char*>> typed;  // then typed over, before OK again
  };
  const std::vector<SRefusal> refusals = {
      {Formatted(IDS_VAR_ENTER_FORMAT, IDS_VAR_NAME), IDC_EDIT_NAME, {{IDC_EDIT_NAME, "1abc"}}},
      {Formatted(IDS_VAR_ENTER_FORMAT, IDS_VAR_VALUE), IDC_EDIT_VALUE, {{IDC_EDIT_VALUE, "5"}}},
      {Formatted(IDS_VAR_INVALID_FORMAT, IDS_VAR_NAME), IDC_EDIT_NAME, {{IDC_EDIT_NAME, "width"}}},
      // The existence test ignores case.
      {LibraryText(IDS_VAR_NAME_EXISTS), IDC_EDIT_NAME, {{IDC_EDIT_NAME, "depth"}, {IDC_EDIT_VALUE, "1,2"}}},
      {Formatted(IDS_VAR_INVALID_FORMAT, IDS_VAR_VALUE), IDC_EDIT_VALUE, {{IDC_EDIT_VALUE, "abc+"}}},
      {Formatted(IDS_VAR_INVALID_FORMAT, IDS_VAR_VALUE), 0, {{IDC_EDIT_VALUE, "WIDTH*2"}}},
      {LibraryText(IDS_VAR_EXPRESSION_ENTERED), 0, {{IDC_EDIT_VALUE, "7.5"}}},
  };
  std::vector<CNumericDialog::Step> steps = {
      [](CNumericDialog& d) {
        d.m_double.SetWindowText("");
        OpenContextMenu(d.m_double, KeySequence{Char('l'), Char('v')});
      },
      InOpenedDialog([](CWnd& dlg) {
        CComboBox* pKind = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_COMBO_KIND));
        EXPECT_EQ(0, pKind->GetCurSel());
        EXPECT_FALSE(pKind->IsWindowEnabled()) << "the command fixed the kind";
        Click(dlg, IDOK);
      }),
  };
  for (const SRefusal& refusal : refusals)
  {
    steps.push_back(InOpenedDialog([&refusal](CWnd& dlg) {
      SCOPED_TRACE(refusal.strMessage);
      EXPECT_EQ(refusal.strMessage, LastMessage());
      EXPECT_EQ(UINT(MB_OK), TestApp().m_messages.back().nType);
      if (refusal.nFocusID != 0)
      {
        CEdit* pFocus = static_cast<CEdit*>(dlg.GetDlgItem(refusal.nFocusID));
        EXPECT_EQ(pFocus->m_hWnd, ::GetFocus());
        EXPECT_EQ(Sel(0, pFocus->GetWindowTextLength()), SelectionOf(*pFocus));
      }
      for (const auto& typed : refusal.typed)
        TypeInto(dlg, typed.first, typed.second);
      TestApp().m_nYesNoAnswer = IDYES;
      Click(dlg, IDOK);
    }));
  }
  steps.push_back([](CNumericDialog& d) {
    EXPECT_EQ(nullptr, OpenedDialog(d));
    EXPECT_EQ(LibraryText(IDS_VAR_USE_ADDED), LastMessage());
    EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION), TestApp().m_messages.back().nType);
    EXPECT_EQ("DEPTH", TextOf(d.m_double)) << "answered yes";
  });
  const std::vector<CNumericDialog::Step> selectedText = {
      [&refusals](CNumericDialog& d) {
        EXPECT_EQ(refusals.size() + 1, TestApp().m_messages.size()) << "one message for each refusal";
        // Next, the selected text is offered, and a variable is bound to an expression.
        TestApp().Reset();
        d.m_length.SetWindowText("25mm");
        d.m_length.SetSel(0, -1);
        d.m_length.PostMessage(WM_COMMAND, CSpinEdit::ID_VARIABLE_ADD_FIRST);
      },
      InOpenedDialog([](CWnd& dlg) {
        EXPECT_EQ("25", TextOf(*dlg.GetDlgItem(IDC_EDIT_VALUE))) << "a length is offered without its unit";
        EXPECT_EQ(BST_CHECKED, dlg.IsDlgButtonChecked(IDC_RADIO_VALUE));
        TypeInto(dlg, IDC_EDIT_NAME, "SIDE");
        Click(dlg, IDCANCEL);
      }),
      [](CNumericDialog& d) {
        EXPECT_TRUE(TestApp().m_messages.empty());
        d.m_double.SetWindowText("width*2");
        d.m_double.SetSel(0, -1);
        d.m_double.PostMessage(WM_COMMAND, CSpinEdit::ID_VARIABLE_ADD_FIRST + 2);
      },
      InOpenedDialog([](CWnd& dlg) {
        EXPECT_EQ(2, static_cast<CComboBox*>(dlg.GetDlgItem(IDC_COMBO_KIND))->GetCurSel());
        EXPECT_EQ(BST_CHECKED, dlg.IsDlgButtonChecked(IDC_RADIO_EXPRESSION));
        EXPECT_EQ("width*2", TextOf(*dlg.GetDlgItem(IDC_EDIT_EXPRESSION)));
        EXPECT_FALSE(dlg.GetDlgItem(IDC_EDIT_VALUE)->IsWindowEnabled());
        Click(dlg, IDC_RADIO_VALUE);
      }),
      InOpenedDialog([](CWnd& dlg) {
        EXPECT_TRUE(dlg.GetDlgItem(IDC_EDIT_VALUE)->IsWindowEnabled());
        EXPECT_FALSE(dlg.GetDlgItem(IDC_EDIT_EXPRESSION)->IsWindowEnabled());
        TypeInto(dlg, IDC_EDIT_NAME, "half");
        Click(dlg, IDC_RADIO_EXPRESSION);
      }),
      InOpenedDialog([](CWnd& dlg) {
        TypeInto(dlg, IDC_EDIT_EXPRESSION, "5");
        Click(dlg, IDOK);
      }),
      InOpenedDialog([](CWnd& dlg) {
        EXPECT_EQ(LibraryText(IDS_VAR_ENTER_EXPRESSION), LastMessage());
        CEdit* pExpression = static_cast<CEdit*>(dlg.GetDlgItem(IDC_EDIT_EXPRESSION));
        EXPECT_EQ(pExpression->m_hWnd, ::GetFocus());
        TypeText(*pExpression, "width/4");
        Click(dlg, IDOK);
      }),
      [](CNumericDialog& d) {
        EXPECT_EQ(nullptr, OpenedDialog(d));
        EXPECT_EQ(LibraryText(IDS_VAR_USE_ADDED), LastMessage());
        EXPECT_EQ("width*2", TextOf(d.m_double)) << "answered no";
      },
  };
  steps.insert(steps.end(), selectedText.begin(), selectedText.end());
  m_dlg.Run(steps);
  aCVariableBase* pDepth = m_variables.FindVariable("DEPTH");
  ASSERT_NE(nullptr, pDepth);
  EXPECT_TRUE(pDepth->IsKindOf(RUNTIME_CLASS(aCVarLength)));
  EXPECT_DOUBLE_EQ(7.5, pDepth->GetValue());
  EXPECT_TRUE(pDepth->IsUserDefined());
  EXPECT_EQ(nullptr, m_variables.FindExprSbst(pDepth));
  EXPECT_EQ(0, m_variables.IsVariableExist("SIDE")) << "cancelled";
  aCVariableBase* pHalf = m_variables.FindVariable("HALF");
  ASSERT_NE(nullptr, pHalf);
  EXPECT_TRUE(pHalf->IsKindOf(RUNTIME_CLASS(aCVarValue)));
  EXPECT_DOUBLE_EQ(10.0, pHalf->GetValue());
  const aCSbstExpr* pSbst = dynamic_cast<const aCSbstExpr*>(m_variables.FindExprSbst(pHalf));
  ASSERT_NE(nullptr, pSbst);
  EXPECT_EQ("WIDTH/4", std::string(pSbst->GetExpression().GetText()));
}
