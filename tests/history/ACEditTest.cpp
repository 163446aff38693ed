// The auto-complete edit on the shell's real auto-complete object (Wine's here): binding to a
// key, options, switching off and on, suggestions that follow EnteredText without binding
// again, and Enter and Escape while the suggestion list is open.
#include "AutoCompleteTestSupport.h"
#include "../TextCodes.h"

#include <gtest/gtest.h>

// Whether the options reach the auto-complete object shows in the completion appended to what
// is typed. Windows names its suggestion list "Auto-Suggest Dropdown"; Wine shows its list as a
// popup of another class, so under Wine the control never finds it and the keys go on to the
// dialog. What the control does with Windows' list is shown here with a stand-in window of that
// class.
TEST(ACEdit, BindsKeepsItsOptionsRecordsWhenOnSuggestsWhatIsEnteredAndEnterAcceptsIt)
{
  CHistoryMap map;
  CSuggestListStandIn list;
  std::string strAtOK;
  Sel selAtOK;
  CAutoCompleteDialog dlg(&map);
  dlg.m_onOK = [&](CAutoCompleteDialog& d) {
    strAtOK = TextOf(d.m_edit);
    selAtOK = SelectionOf(d.m_edit);
  };
  const bool bPlatformAppends = (NewObjectOptions() & ACO_AUTOAPPEND) != 0;
  dlg.Run({
      [](CAutoCompleteDialog& d) {
        EXPECT_FALSE(d.m_edit.InitAutoComplete(nullptr, "key"));
        CACEdit windowless;
        EXPECT_FALSE(windowless.InitAutoComplete(d.m_pHistoryMap, "key")) << "no window to bind to";
        d.m_edit.SetAutoCompleteOption(kSuggestAndAppend);
        EXPECT_EQ(0xFFFFFFFFul, d.m_edit.GetAutoCompleteOption()) << "no object yet, nothing stored";
        // Without a key the control's id is the key.
        ASSERT_TRUE(d.m_edit.InitAutoComplete(d.m_pHistoryMap, nullptr));
        d.m_edit.EnteredText("first");
        d.m_edit.EnteredText("");
        EXPECT_EQ(NewObjectOptions(), d.m_edit.GetAutoCompleteOption());
        d.m_edit.SetAutoCompleteOption(kSuggestAndAppend);
        RetypeText(d.m_edit, "fi");
      },
      [](CAutoCompleteDialog& d) {
        EXPECT_EQ("first", TextOf(d.m_edit));
        // Binding again keeps the stored options and leaves the new object as the platform made it.
        ASSERT_TRUE(d.m_edit.InitAutoComplete(d.m_pHistoryMap, "named"));
        EXPECT_EQ(kSuggestAndAppend, d.m_edit.GetAutoCompleteOption());
        d.m_edit.EnteredText("named one");
        RetypeText(d.m_edit, "na");
      },
      [&](CAutoCompleteDialog& d) {
        EXPECT_EQ(bPlatformAppends ? "named one" : "na", TextOf(d.m_edit));
        d.m_edit.SetAutoCompleteOption(kSuggestAndAppend);
        d.m_edit.SetAutoCompleteEnable(false);
        d.m_edit.EnteredText("ignored");
        RetypeText(d.m_edit, "na");
      },
      [](CAutoCompleteDialog& d) {
        EXPECT_EQ("na", TextOf(d.m_edit)) << "switched off";
        d.m_edit.SetAutoCompleteEnable(true);
        RetypeText(d.m_edit, "na");
      },
      [](CAutoCompleteDialog& d) {
        EXPECT_EQ("named one", TextOf(d.m_edit)) << "on again with the stored options";
        d.m_edit.SetWindowText("second");
        d.m_edit.EnteredText();
        // Next, the suggestions follow EnteredText on a key of their own.
        ASSERT_TRUE(d.m_edit.InitAutoComplete(d.m_pHistoryMap, "parts"));
        d.m_edit.SetAutoCompleteOption(kSuggestAndAppend);
        RetypeText(d.m_edit, "bo");
      },
      [](CAutoCompleteDialog& d) {
        EXPECT_EQ("bo", TextOf(d.m_edit)) << "a key without history suggests nothing";
        d.m_edit.EnteredText("bolt M6");
        d.m_edit.EnteredText("nut M6");
        d.m_edit.EnteredText("bolt M6");
        RetypeText(d.m_edit, "bo");
      },
      [](CAutoCompleteDialog& d) {
        // The appended completion is selected after what was typed; no binding again.
        EXPECT_EQ("bolt M6", TextOf(d.m_edit));
        EXPECT_EQ(Sel(2, 7), SelectionOf(d.m_edit));
        RetypeText(d.m_edit, "n");
      },
      [](CAutoCompleteDialog& d) {
        EXPECT_EQ("nut M6", TextOf(d.m_edit));
        PressKey(d.m_edit, VK_RETURN);
      },
  });
  EXPECT_EQ(std::vector<std::string>({"first"}), HistoryTexts(map, "1001")) << "empty texts are not history";
  EXPECT_EQ(std::vector<std::string>({"second", "named one"}), HistoryTexts(map, "named"));
  EXPECT_EQ(std::vector<std::string>({"bolt M6", "nut M6"}), HistoryTexts(map, "parts"));
  EXPECT_EQ(3, map.GetCount());
  EXPECT_EQ("nut M6", strAtOK) << "Enter pressed OK";
  EXPECT_EQ(Sel(6, 6), selAtOK);
  EXPECT_FALSE(::IsWindowVisible(list.m_hWnd)) << "Enter hides the list";
}

// Escape on the combo box's edit field takes back the completion through the combo box's own
// selection messages. Wine's edit counts the selection in characters even in a multi-byte
// window, Windows' in bytes; the completion taken back must end on the same character either
// way (the byte-counting side could only be checked on Windows).
TEST(ACEdit, EscapeTakesBackTheCompletionInEditAndComboThenClosesTheDialog)
{
  CHistoryMap map;
  map.SetAt("key", "alpha", CTime(100));
  map.SetAt("3003", "layer 12", CTime(100));
  CSuggestListStandIn list;
  bool bLastEscapePressed = false;
  CAutoCompleteDialog dlg(&map);
  INT_PTR nResult = dlg.Run({
      [](CAutoCompleteDialog& d) {
        EXPECT_FALSE(d.m_edit.IsOpenAutoSuggestListWnd()) << "options unset: no list is looked for";
        ASSERT_TRUE(d.m_edit.InitAutoComplete(d.m_pHistoryMap, "key"));
        d.m_edit.SetAutoCompleteOption(ACO_AUTOAPPEND);
        EXPECT_FALSE(d.m_edit.IsOpenAutoSuggestListWnd()) << "without ACO_AUTOSUGGEST";
        d.m_edit.SetAutoCompleteOption(kSuggestAndAppend);
        EXPECT_TRUE(d.m_edit.IsOpenAutoSuggestListWnd());
        RetypeText(d.m_edit, "al");
      },
      [](CAutoCompleteDialog& d) {
        ASSERT_EQ("alpha", TextOf(d.m_edit));
        PressKey(d.m_edit, VK_ESCAPE);
      },
      [](CAutoCompleteDialog& d) {
        EXPECT_EQ("al", TextOf(d.m_edit));
        EXPECT_EQ(Sel(2, 2), SelectionOf(d.m_edit));
        d.m_edit.SetWindowText(cp932("部品ボルト").c_str());
        // After the first two characters, counted as this edit counts them.
        int nAfterTwo = ::SendMessage(d.m_edit, EM_LINELENGTH, 0, 0) == 5 ? 2 : 4;
        d.m_edit.SetSel(nAfterTwo, -1);
        PressKey(d.m_edit, VK_ESCAPE);
      },
      [](CAutoCompleteDialog& d) {
        EXPECT_EQ(cp932("部品"), TextOf(d.m_edit));
        ASSERT_TRUE(d.m_combo.InitAutoComplete(d.m_pHistoryMap, nullptr));
        d.m_combo.SetAutoCompleteOption(kSuggestAndAppend);
        RetypeText(d.m_combo.GetEditWnd(), "lay");
      },
      [](CAutoCompleteDialog& d) {
        ASSERT_EQ("layer 12", TextOf(d.m_combo));
        PressKey(d.m_combo.GetEditWnd(), VK_ESCAPE);
      },
      [&](CAutoCompleteDialog& d) {
        EXPECT_EQ("lay", TextOf(d.m_combo));
        EXPECT_EQ(Sel(3, 3), SelectionOf(d.m_combo.GetEditWnd()));
        EXPECT_TRUE(::IsWindowVisible(list.m_hWnd));
        PressKey(d.m_combo.GetEditWnd(), VK_ESCAPE);
        bLastEscapePressed = true;
      },
  });
  EXPECT_TRUE(bLastEscapePressed) << "an Escape that takes back a completion must not end the dialog";
  EXPECT_EQ(IDCANCEL, nResult);
}
