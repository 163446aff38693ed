// Resources of the gallery itself.
#pragma once

#define IDD_GALLERY_PAGE 100
