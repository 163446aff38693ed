// Resources of the gallery itself.
#pragma once

#define IDD_GALLERY_PAGE 100

// The numeric page's form: the prompt of its scale check, %1 the bound.
#define IDS_SCALE_ABOVE 101
