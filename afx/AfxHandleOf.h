// The handle behind a framework object that the layer receives as a pointer that may be null,
// read without calling a member through null (undefined, and an optimiser acts on it).
#pragma once
#include "AfxDC.h"
#include "AfxGdi.h"
#include "AfxImageList.h"
#include "AfxMenu.h"
#include "AfxWnd.h"

namespace ZuntAfx
{

inline HWND HandleOf(const CWnd* pWnd) { return pWnd != nullptr ? pWnd->m_hWnd : nullptr; }
inline HDC HandleOf(const CDC* pDC) { return pDC != nullptr ? pDC->m_hDC : nullptr; }
inline HGDIOBJ HandleOf(const CGdiObject* pObject) { return pObject != nullptr ? pObject->m_hObject : nullptr; }
inline HIMAGELIST HandleOf(const CImageList* pList) { return pList != nullptr ? pList->m_hImageList : nullptr; }
inline HMENU HandleOf(const CMenu* pMenu) { return pMenu != nullptr ? pMenu->m_hMenu : nullptr; }

}  // namespace ZuntAfx
