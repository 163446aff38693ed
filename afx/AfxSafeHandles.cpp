// The handle getters that answer null for a null object. Calling a member through a null
// pointer is undefined, yet the framework documents these as safe and hosts rely on it
// (pParent->GetSafeHwnd()). They live out of line, in this file alone, which is compiled with
// -fno-delete-null-pointer-checks: there no optimiser may assume that this is non-null.
#include "AfxDC.h"
#include "AfxGdi.h"
#include "AfxImageList.h"
#include "AfxMenu.h"
#include "AfxWnd.h"

#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wnonnull-compare"
#pragma GCC diagnostic ignored "-Waddress"
#endif

namespace
{

template <class TObject, class THandle>
THandle handleOf(const TObject* pObject, THandle TObject::*pmHandle)
{
  return pObject == nullptr ? nullptr : pObject->*pmHandle;
}

}  // namespace

HWND CWnd::GetSafeHwnd() const { return handleOf(this, &CWnd::m_hWnd); }
CWnd::operator HWND() const { return handleOf(this, &CWnd::m_hWnd); }
HDC CDC::GetSafeHdc() const { return handleOf(this, &CDC::m_hDC); }
CDC::operator HDC() const { return handleOf(this, &CDC::m_hDC); }
HGDIOBJ CGdiObject::GetSafeHandle() const { return handleOf(this, &CGdiObject::m_hObject); }
CGdiObject::operator HGDIOBJ() const { return handleOf(this, &CGdiObject::m_hObject); }
HIMAGELIST CImageList::GetSafeHandle() const { return handleOf(this, &CImageList::m_hImageList); }
CImageList::operator HIMAGELIST() const { return handleOf(this, &CImageList::m_hImageList); }
HMENU CMenu::GetSafeHmenu() const { return handleOf(this, &CMenu::m_hMenu); }
CMenu::operator HMENU() const { return handleOf(this, &CMenu::m_hMenu); }
