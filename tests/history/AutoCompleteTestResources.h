// Resources of the auto-complete tests.
#pragma once

#define IDD_AUTOCOMPLETE_TEST 3000
#define IDC_AC_EDIT           1001
#define IDC_AC_TEMPLATE_COMBO 3002
#define IDC_AC_COMBO          3003
