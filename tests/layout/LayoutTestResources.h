// Resources of the layout tests.
#pragma once

// A resizing dialog stores its size under its identifier in hexadecimal: 10000 is "2710".
#define IDD_RESIZING_TEST 10000
#define IDD_PANEL_TEST    10001
// One control per anchor case, numbered from here.
#define IDC_ANCHOR_FIRST 1100
#define IDC_ANCHOR_COUNT 7
