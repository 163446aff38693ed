// The framework's common controls: up-down, tooltip, list view, tree view and image lists.
#pragma once
#include "afxwin.h"
#include "AfxImageList.h"
#include "AfxCommonControls.h"
