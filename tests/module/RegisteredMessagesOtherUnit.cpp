#include "RegisteredMessagesOtherUnit.h"

#include <PaletteMessages.h>
#include <TreeOptionMessages.h>

std::vector<UINT> RegisteredMessagesOfOtherUnit()
{
  return {PaletteWnd_Msg_BeginPopup,
          PaletteWnd_Msg_EndPopup,
          PaletteWnd_Msg_QueryEndPopup,
          PaletteWnd_Msg_SelChanged,
          PaletteWnd_Msg_DrawCell,
          CCharPaletteCtrl_Msg_SelChanged,
          TavikColorPaletteCtrl_Msg_SelChanged,
          CTreeOption_Msg_ChangedItem,
          CTreeOption_Msg_ChangedExpand,
          CTreeOption_Msg_PushOptionButton1,
          CTreeOption_Msg_PushOptionButton2};
}
