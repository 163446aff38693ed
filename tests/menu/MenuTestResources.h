// Resource ids of the bitmap menu tests.
#pragma once

#define IDR_MENU_TEST    300
#define IDR_MENU_TOOLBAR 301
#define IDR_MENU_ENDS    302
#define IDB_CHECK_OFF    310
#define IDB_CHECK_ON     311
#define IDB_NOT_THERE    399

#define ID_TEST_NEW    40001
#define ID_TEST_OPEN   40002
#define ID_TEST_RECENT 40003
#define ID_TEST_CUT    40004
#define ID_TEST_COPY   40005
#define ID_TEST_LAST   40006
