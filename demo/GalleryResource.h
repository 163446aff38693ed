// Resources of the gallery itself.
#pragma once

#define IDD_GALLERY_PAGE 100

// The numeric page's form: the prompt of its scale check, %1 the bound.
#define IDS_SCALE_ABOVE 101

// The frame's menu bar, a bitmap menu with images from the gallery's toolbar.
#define IDR_GALLERY_MENU      110
#define IDR_GALLERY_TOOLBAR   111
#define ID_GALLERY_NEW        40201
#define ID_GALLERY_OPEN       40202
#define ID_GALLERY_SAVE       40203
#define ID_GALLERY_CUT        40204
#define ID_GALLERY_COPY       40205
#define ID_GALLERY_PASTE      40206
#define ID_GALLERY_SELECT_ALL 40207
#define ID_GALLERY_GRID       40208
#define ID_GALLERY_RULER      40209

// The option tree's divider cursor, which the host supplies under this number.
#define IDC_GALLERY_SPLITTER 130

// The layout page: the panel's template and the texts of its string input dialog.
#define IDD_GALLERY_PANEL 120
#define IDS_TAB_TITLE     121
#define IDS_TAB_PROMPT    122
#define IDS_TAB_SAMPLE    123
// The resizing dialog page's dialog and its controls.
#define IDD_GALLERY_RESIZING          140
#define IDC_RESIZING_TITLE            1001
#define IDC_RESIZING_LINE_TYPES_LABEL 1002
#define IDC_RESIZING_LAYERS           1003
#define IDC_RESIZING_LINE_TYPES       1004
#define IDC_RESIZING_RESET            1005
// The colour lists page: texts split at '|'. The heads are the child list's four columns and
// the colour column's; each row is one child list row.
#define IDS_LISTS_COLOURS   150
#define IDS_LISTS_BY_LAYER  151
#define IDS_LISTS_LAYERS    152
#define IDS_LISTS_HEADS     153
#define IDS_LISTS_MENU      154
#define IDS_LISTS_FIRST_ROW 160
#define IDS_LISTS_LAST_ROW  164
