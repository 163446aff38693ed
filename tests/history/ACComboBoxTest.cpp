// The auto-complete combo box: the edit field found at creation (and missing when the box was
// subclassed afterwards), its edit-field operations, and suggestions that follow EnteredText and
// removeEnteredText without binding again. Escape on its edit field is tested with the edit's.
#include "AutoCompleteTestSupport.h"

#include <gtest/gtest.h>

TEST(ACComboBox, EditFieldFoundAtCreationOnlyAndSuggestionsFollowEnteredAndRemovedTexts)
{
  CHistoryMap map;
  CAutoCompleteDialog dlg(&map);
  dlg.Run({
      [](CAutoCompleteDialog& d) {
        CTestACComboBox& created = d.m_combo;
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        ASSERT_TRUE(::GetComboBoxInfo(created, &info));
        EXPECT_EQ(info.hwndItem, created.GetEditWnd());
        created.SetWindowText("abcdef");
        created.SetSel(1, 3);
        created.ReplaceEditSel("XY");
        EXPECT_EQ("aXYdef", TextOf(created));
        EXPECT_NE(0, created.Undo());
        EXPECT_EQ("abcdef", TextOf(created));
        EXPECT_NE(0, created.SetReadOnly(TRUE));
        EXPECT_TRUE(::GetWindowLong(created.GetEditWnd(), GWL_STYLE) & ES_READONLY);
        created.SetReadOnly(FALSE);

        // Subclassed after creation: bound without suggestions, and the edit-field operations do
        // nothing and say so.
        CTestACComboBox& subclassed = d.m_templateCombo;
        EXPECT_EQ(nullptr, subclassed.GetEditWnd());
        EXPECT_TRUE(subclassed.InitAutoComplete(d.m_pHistoryMap, nullptr));
        subclassed.SetWindowText("typed");
        subclassed.EnteredText();
        subclassed.ReplaceEditSel("more");
        int nStart = -5;
        int nEnd = -5;
        subclassed.GetSel(nStart, nEnd);
        EXPECT_EQ(Sel(0, 0), Sel(nStart, nEnd));
        EXPECT_EQ(-1, subclassed.Undo());
        EXPECT_EQ(-1, subclassed.SetReadOnly(TRUE));
        EXPECT_EQ("typed", TextOf(subclassed));
        EXPECT_EQ(0, d.m_pHistoryMap->GetCount());

        ASSERT_TRUE(created.InitAutoComplete(d.m_pHistoryMap, nullptr));
        created.SetAutoCompleteOption(kSuggestAndAppend);
        created.SetWindowText("layer 12");
        created.EnteredText();
        RetypeText(created.GetEditWnd(), "la");
      },
      [](CAutoCompleteDialog& d) {
        EXPECT_EQ("layer 12", TextOf(d.m_combo));
        EXPECT_EQ(Sel(2, 8), SelectionOf(d.m_combo.GetEditWnd()));
        d.m_combo.removeEnteredText("layer 12");
        RetypeText(d.m_combo.GetEditWnd(), "la");
      },
      [](CAutoCompleteDialog& d) { EXPECT_EQ("la", TextOf(d.m_combo)); },
  });
  EXPECT_EQ(std::vector<std::string>(), HistoryTexts(map, "3003")) << "the entered text is removed";
}
