// Resources of the framework layer's window tests.
#pragma once

#define IDD_TEST_DIALOG 1000
#define IDC_TEXT        1001
#define IDC_NUMBER      1002
#define IDC_REAL        1003
#define IDC_RADIO1      1004
#define IDC_RADIO2      1005
#define IDC_RADIO3      1006
#define IDC_AFTER_GROUP 1009

#define IDS_TEST_FORMAT   1100
#define IDS_TEST_NO_PLACE 1101
