// Resource identifiers of ZuntCtrl.dll (ZuntCtrl.rc).
#pragma once

// Range messages: closed (LE) or open (LT) bounds; NONZERO adds the ban on 0.
#define IDS_RANGE_LE_LE           22100
#define IDS_RANGE_LE_LE_NONZERO   22101
#define IDS_RANGE_LT_LE           22102
#define IDS_RANGE_LT_LE_NONZERO   22103
#define IDS_RANGE_LE_LT           22104
#define IDS_RANGE_LE_LT_NONZERO   22105
#define IDS_RANGE_LT_LT           22106
#define IDS_RANGE_LT_LT_NONZERO   22107
#define IDS_WM_VALIDATE           22108
#define IDS_SPIN_CREATE_FAILED    22109
#define IDS_FORMAT_INTEGER        22110
#define IDS_FORMAT_FIXED          22111
#define IDS_UNIT_MM               22112
#define IDS_UNIT_CM               22113
#define IDS_UNIT_M                22114
#define IDS_UNIT_IN               22115
#define IDS_UNIT_FE               22116
#define IDS_UNIT_YA               22117
#define IDS_FORMAT_FIXED_UNIT     22118
#define IDS_UNIT_DEG              22119
#define IDS_UNIT_RAD              22120
#define IDS_FORMAT_COORD          22121
#define IDS_FORMAT_COORD_UNIT     22122
#define IDS_AUTOHIDE_ALL_TITLES   22123
#define IDS_AUTOHIDE_EQUAL_TITLES 22124
#define IDS_AUTOHIDE_CLICK_OPEN   22125
// Range messages with one bound only.
#define IDS_RANGE_MIN_LE            22150
#define IDS_RANGE_MIN_LE_NONZERO    22151
#define IDS_RANGE_MIN_LT            22152
#define IDS_RANGE_MIN_LT_NONZERO    22153
#define IDS_RANGE_MAX_LE            22154
#define IDS_RANGE_MAX_LE_NONZERO    22155
#define IDS_RANGE_MAX_LT            22156
#define IDS_RANGE_MAX_LT_NONZERO    22157
#define IDS_FONT_FACE               22200
#define IDS_SELECT_FOLDER           22300
#define IDS_VAR_NAME                22400
#define IDS_VAR_VALUE               22401
#define IDS_VAR_ENTER_FORMAT        22402
#define IDS_VAR_INVALID_FORMAT      22403
#define IDS_VAR_NAME_EXISTS         22404
#define IDS_VAR_EXPRESSION          22405
#define IDS_VAR_EXPRESSION_ENTERED  22406
#define IDS_VAR_ENTER_EXPRESSION    22407
#define IDS_MENU_SELECT_VARIABLE    22408
#define IDS_MENU_ADD_VARIABLE       22409
#define IDS_MENU_LENGTH_VARIABLES   22410
#define IDS_MENU_ANGLE_VARIABLES    22411
#define IDS_MENU_GENERAL_VARIABLES  22412
#define IDS_MENU_SHOW_VALUE         22413
#define IDS_MENU_SHOW_EXPRESSION    22414
#define IDS_VAR_USE_ADDED           22415
#define IDS_PROMPT_SAME_VALUE       32771
#define IDS_PROMPT_DIFFERENT_VALUES 32775

// The edit context menu of the numeric fields and its commands.
#define IDR_MENU_EDIT_POPUP 22130
#define ID_POPUP_SELECT_ALL 32781
#define ID_POPUP_UNDO       32789
#define ID_POPUP_CUT        32790
#define ID_POPUP_COPY       32791
#define ID_POPUP_PASTE      32792
#define ID_POPUP_DELETE     32793

// Controls of the dialog templates.
#define IDC_LIST_VARIABLE    1000
#define IDC_EDIT_VALUE       1001
#define IDC_EDIT_EXPRESSION  1002
#define IDC_EDIT_NAME        1003
#define IDC_COMBO_KIND       1004
#define IDC_RADIO_VALUE      1005
#define IDC_RADIO_EXPRESSION 1006
#define IDC_EDIT_STRING      1008
#define IDC_STATIC_PROMPT    1009
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// The dialog templates are named; the resource compiler must see the bare names.
#ifndef RC_INVOKED
#define IDD_DLG_INPUT_STRING   "IDD_DLG_INPUT_STRING"
#define IDD_DLG_VARIABLESELECT "IDD_DLG_VARIABLESELECT"
#define IDD_DLG_VAR_ADD        "IDD_DLG_VAR_ADD"
#endif
