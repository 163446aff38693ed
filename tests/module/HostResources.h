// Resources of the test program that stand in for a host's own.
#pragma once

// Replaces the library's edit context menu (same id).
#define IDR_HOST_EDIT_POPUP 22130
// Same id as a library string, in a block where the library has more strings than the host.
#define IDS_HOST_ALL_TITLES 22123
