// Resources of the numeric field tests.
#pragma once

#define IDD_NUMERIC_TEST 2000
#define IDC_DOUBLE       2001
#define IDC_INTEGER      2002
#define IDC_LENGTH       2003
#define IDC_ANGLE        2004
#define IDC_COORD        2005
#define IDC_OTHER        2006
#define IDC_FORMAT       2007
#define IDC_ITEMS        2008
#define IDC_HELP_BUTTON  9

#define IDS_TEST_ABOVE 2100
#define IDS_TEST_BELOW 2101
