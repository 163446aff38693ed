// Resources of the gallery itself.
#pragma once

#define IDD_GALLERY_PAGE 100

// The numeric page's form: the prompt of its scale check, %1 the bound.
#define IDS_SCALE_ABOVE 101

// The frame's menu bar, a bitmap menu with images from the gallery's toolbar.
#define IDR_GALLERY_MENU 110
#define IDR_GALLERY_TOOLBAR 111
#define ID_GALLERY_NEW 40201
#define ID_GALLERY_OPEN 40202
#define ID_GALLERY_SAVE 40203
#define ID_GALLERY_CUT 40204
#define ID_GALLERY_COPY 40205
#define ID_GALLERY_PASTE 40206
#define ID_GALLERY_SELECT_ALL 40207
#define ID_GALLERY_GRID 40208
#define ID_GALLERY_RULER 40209

// The option tree's divider cursor, which the host supplies under this number.
#define IDC_GALLERY_SPLITTER 130
