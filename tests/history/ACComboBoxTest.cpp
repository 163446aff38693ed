// The auto-complete combo box: the edit field found at creation (and missing when the box was
// subclassed afterwards), its edit-field operations, suggestions that follow EnteredText and
// removeEnteredText without binding again, and Escape on its edit field.
#include "AutoCompleteTestSupport.h"

#include <gtest/gtest.h>

TEST(ACComboBox, SubclassedAfterCreationBindsWithoutSuggestions)
{
  CHistoryMap map;
  CAutoCompleteDialog dlg(&map);
  dlg.Run({[](CAutoCompleteDialog& d) {
    CTestACComboBox& combo = d.m_templateCombo;
    EXPECT_EQ(nullptr, combo.GetEditWnd());
    EXPECT_TRUE(combo.InitAutoComplete(d.m_pHistoryMap, nullptr));
    EXPECT_EQ(nullptr, combo.m_autoComplete.m_pAutoComplete);
    combo.SetAutoCompleteOption(kSuggestAndAppend);
    EXPECT_EQ(0xFFFFFFFFul, combo.GetAutoCompleteOption());
    combo.SetWindowText("typed");
    combo.EnteredText();
    // The edit-field operations do nothing and say so.
    combo.ReplaceEditSel("more");
    int nStart = -5;
    int nEnd = -5;
    combo.GetSel(nStart, nEnd);
    EXPECT_EQ(Sel(0, 0), Sel(nStart, nEnd));
    combo.SetSel(1, 2);
    EXPECT_EQ(-1, combo.Undo());
    EXPECT_EQ(-1, combo.SetReadOnly(TRUE));
    EXPECT_EQ("typed", TextOf(combo));
  }});
  EXPECT_EQ(0, map.GetCount());
}

TEST(ACComboBox, EditFieldOperationsActOnTheEditField)
{
  CHistoryMap map;
  CAutoCompleteDialog dlg(&map);
  dlg.Run({[](CAutoCompleteDialog& d) {
    CTestACComboBox& combo = d.m_combo;
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(::GetComboBoxInfo(combo, &info));
    EXPECT_EQ(info.hwndItem, combo.GetEditWnd());
    combo.SetWindowText("abcdef");
    combo.SetSel(1, 3);
    int nStart = 0;
    int nEnd = 0;
    combo.GetSel(nStart, nEnd);
    EXPECT_EQ(Sel(1, 3), Sel(nStart, nEnd));
    combo.ReplaceEditSel("XY");
    EXPECT_EQ("aXYdef", TextOf(combo));
    EXPECT_NE(0, combo.Undo());
    EXPECT_EQ("abcdef", TextOf(combo));
    EXPECT_NE(0, combo.SetReadOnly(TRUE));
    EXPECT_TRUE(::GetWindowLong(combo.GetEditWnd(), GWL_STYLE) & ES_READONLY);
  }});
}

TEST(ACComboBox, SuggestionsFollowEnteredAndRemovedTexts)
{
  CHistoryMap map;
  CAutoCompleteDialog dlg(&map);
  dlg.Run({
      [](CAutoCompleteDialog& d) {
        ASSERT_TRUE(d.m_combo.InitAutoComplete(d.m_pHistoryMap, nullptr));
        d.m_combo.SetAutoCompleteOption(kSuggestAndAppend);
        d.m_combo.SetWindowText("layer 12");
        d.m_combo.EnteredText();
        RetypeText(d.m_combo.GetEditWnd(), "la");
      },
      [](CAutoCompleteDialog& d) {
        EXPECT_EQ("layer 12", TextOf(d.m_combo));
        EXPECT_EQ(Sel(2, 8), EditSelectionOf(d.m_combo.GetEditWnd()));
        d.m_combo.removeEnteredText("layer 12");
        RetypeText(d.m_combo.GetEditWnd(), "la");
      },
      [](CAutoCompleteDialog& d) { EXPECT_EQ("la", TextOf(d.m_combo)); },
  });
  ASSERT_NE(nullptr, map.Enumrate("3003"));
  EXPECT_EQ(0, map.Enumrate("3003")->GetCount());
}

// With Windows' list (here its stand-in, see ACEdit) open, Escape on the combo box's edit field
// takes back the completion through the combo box's own selection messages.
TEST(ACComboBox, EscapeTakesBackTheCompletionThenClosesTheDialog)
{
  CHistoryMap map;
  map.SetAt("3003", "layer 12", CTime(100));
  CSuggestListStandIn list;
  std::string strAfterEscape;
  Sel selAfterEscape;
  CAutoCompleteDialog dlg(&map);
  INT_PTR nResult = dlg.Run({
      [](CAutoCompleteDialog& d) {
        ASSERT_TRUE(d.m_combo.InitAutoComplete(d.m_pHistoryMap, nullptr));
        d.m_combo.SetAutoCompleteOption(kSuggestAndAppend);
        RetypeText(d.m_combo.GetEditWnd(), "lay");
      },
      [](CAutoCompleteDialog& d) {
        ASSERT_EQ("layer 12", TextOf(d.m_combo));
        PressKey(d.m_combo.GetEditWnd(), VK_ESCAPE);
      },
      [&](CAutoCompleteDialog& d) {
        strAfterEscape = TextOf(d.m_combo);
        selAfterEscape = EditSelectionOf(d.m_combo.GetEditWnd());
        PressKey(d.m_combo.GetEditWnd(), VK_ESCAPE);
      },
  });
  EXPECT_EQ("lay", strAfterEscape) << "the first Escape must not end the dialog";
  EXPECT_EQ(Sel(3, 3), selAfterEscape);
  EXPECT_EQ(IDCANCEL, nResult);
  EXPECT_EQ(1, dlg.m_nCancelPressed);
}
