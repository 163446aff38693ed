// The registered messages: a host written in any language registers the same name and gets the
// library's id. That host and library agree is what the controls' own tests see.
#include "ModuleTestSupport.h"

#include <PaletteMessages.h>
#include <TreeOptionMessages.h>
#include <gtest/gtest.h>

#include <utility>

#define NAMED_MESSAGE(name) std::make_pair(#name, name)

TEST(RegisteredMessages, EachIsThePlatformsIdForItsName)
{
  const std::pair<const char*, UINT> kMessages[] = {NAMED_MESSAGE(PaletteWnd_Msg_BeginPopup),
                                                    NAMED_MESSAGE(PaletteWnd_Msg_EndPopup),
                                                    NAMED_MESSAGE(PaletteWnd_Msg_QueryEndPopup),
                                                    NAMED_MESSAGE(PaletteWnd_Msg_SelChanged),
                                                    NAMED_MESSAGE(PaletteWnd_Msg_DrawCell),
                                                    NAMED_MESSAGE(CCharPaletteCtrl_Msg_SelChanged),
                                                    NAMED_MESSAGE(TavikColorPaletteCtrl_Msg_SelChanged),
                                                    NAMED_MESSAGE(CTreeOption_Msg_ChangedItem),
                                                    NAMED_MESSAGE(CTreeOption_Msg_ChangedExpand),
                                                    NAMED_MESSAGE(CTreeOption_Msg_PushOptionButton1),
                                                    NAMED_MESSAGE(CTreeOption_Msg_PushOptionButton2)};
  for (const auto& message : kMessages)
    EXPECT_EQ(message.second, ::RegisterWindowMessageA(message.first)) << message.first;
}
