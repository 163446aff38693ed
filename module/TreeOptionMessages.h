// The registered messages of the tree option family, held per including unit like the palette
// messages (PaletteMessages.h).
#pragma once
#include <afxwin.h>

static UINT CTreeOption_Msg_ChangedItem = ::RegisterWindowMessageA("CTreeOption_Msg_ChangedItem");
static UINT CTreeOption_Msg_ChangedExpand = ::RegisterWindowMessageA("CTreeOption_Msg_ChangedExpand");
static UINT CTreeOption_Msg_PushOptionButton1 = ::RegisterWindowMessageA("CTreeOption_Msg_PushOptionButton1");
static UINT CTreeOption_Msg_PushOptionButton2 = ::RegisterWindowMessageA("CTreeOption_Msg_PushOptionButton2");
