// CWnd: binding by subclassing, the handle map, destruction, exceptions. Binding by the creation
// hook is what every control's test goes through.
#include "AfxTestSupport.h"

#include <gtest/gtest.h>

namespace
{
// Deletes itself after its window is gone, as frames and bars do.
class CSelfDeletingWnd : public CEdit
{
public:
  void PostNcDestroy() override
  {
    ++s_nPostNcDestroy;
    // The handle is already out of the map when the object goes.
    s_bUnmappedBeforeDelete = m_hWnd == nullptr;
    delete this;
  }
  static inline int s_nPostNcDestroy = 0;
  static inline bool s_bUnmappedBeforeDelete = false;
};

// Throws the framework's exceptions from its handlers.
class CFailingWnd : public CWnd
{
public:
  BOOL m_bThrowOnCreate = FALSE;

protected:
  int OnCreate(LPCREATESTRUCT lpCreateStruct)
  {
    if (m_bThrowOnCreate)
      AfxThrowResourceException();
    return CWnd::OnCreate(lpCreateStruct);
  }
  LRESULT OnThrowFile(WPARAM, LPARAM)
  {
    AfxThrowFileException(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, "missing.dat");
  }
  LRESULT OnThrowUser(WPARAM, LPARAM) { AfxThrowUserException(); }
  DECLARE_MESSAGE_MAP()
};
const UINT WM_THROW_FILE = WM_APP + 1;
const UINT WM_THROW_USER = WM_APP + 2;
BEGIN_MESSAGE_MAP(CFailingWnd, CWnd)
  ON_WM_CREATE()
  ON_MESSAGE(WM_THROW_FILE, &CFailingWnd::OnThrowFile)
  ON_MESSAGE(WM_THROW_USER, &CFailingWnd::OnThrowUser)
END_MESSAGE_MAP()

const CRect kEditRect(10, 10, 200, 34);
}

TEST(WndTest, DestroyingUnbindsAndCallsPostNcDestroyAndTheDestructorDestroys)
{
  CTestParent parent;
  CSelfDeletingWnd::s_nPostNcDestroy = 0;
  auto* pWnd = new CSelfDeletingWnd;
  ASSERT_TRUE(pWnd->Create(WS_CHILD, kEditRect, &parent, 101));
  HWND hWnd = pWnd->m_hWnd;
  ::DestroyWindow(hWnd);
  EXPECT_EQ(CSelfDeletingWnd::s_nPostNcDestroy, 1);
  EXPECT_TRUE(CSelfDeletingWnd::s_bUnmappedBeforeDelete);
  EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);

  // An object that goes before its window takes the window with it.
  {
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD, kEditRect, &parent, 102));
    hWnd = edit.m_hWnd;
  }
  EXPECT_FALSE(::IsWindow(hWnd));
  EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST(WndTest, ExceptionsStopAtTheWindowProcedure)
{
  CTestParent parent;
  CFailingWnd refusing;
  refusing.m_bThrowOnCreate = TRUE;
  {
    CMessageBoxCatcher catcher(IDOK);
    EXPECT_FALSE(refusing.Create(nullptr, "", WS_CHILD, kEditRect, &parent, 107));
    EXPECT_EQ(catcher.m_boxes.size(), 1u);  // the resource failure is reported
  }
  CFailingWnd wnd;
  ASSERT_TRUE(wnd.Create(nullptr, "", WS_CHILD, kEditRect, &parent, 108));
  CMessageBoxCatcher catcher(IDOK);
  EXPECT_EQ(wnd.SendMessage(WM_THROW_FILE), 0);
  ASSERT_EQ(catcher.m_boxes.size(), 1u);
  EXPECT_NE(catcher.m_boxes[0].text.find("missing.dat"), std::string::npos);
  // A failed exchange has told the user already.
  EXPECT_EQ(wnd.SendMessage(WM_THROW_USER), 0);
  EXPECT_EQ(catcher.m_boxes.size(), 1u);
}

// Existing windows: bound once by subclassing, wrapped for the moment, attached and detached.
TEST(WndTest, ExistingWindowsAreSubclassedOnceWrappedUntilIdleAndAttachedUntilDetached)
{
  CTestParent parent;
  HWND hEdit = ::CreateWindowEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20, parent.m_hWnd,
                                reinterpret_cast<HMENU>(104), nullptr, nullptr);
  CRecording<CEdit> edit;
  ASSERT_TRUE(edit.SubclassWindow(hEdit));
  EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), &edit);
  // A second object cannot take a window that is already bound.
  CEdit other;
  EXPECT_FALSE(other.SubclassWindow(hEdit));

  ::SendMessage(hEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc"));
  EXPECT_EQ(edit.Received(WM_SETTEXT), 1);
  CString strText;
  edit.GetWindowText(strText);
  EXPECT_STREQ(strText, "abc");  // the class procedure below still does the work

  // A window no object is bound to gets a temporary wrapper.
  HWND hStatic = ::CreateWindowEx(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, parent.m_hWnd, nullptr, nullptr, nullptr);
  AfxDeleteTempMaps();
  CWnd* pTemp = CWnd::FromHandle(hStatic);
  ASSERT_NE(pTemp, nullptr);
  EXPECT_EQ(CWnd::FromHandle(hStatic), pTemp);  // one wrapper per handle
  EXPECT_EQ(CWnd::FromHandlePermanent(hStatic), nullptr);
  CDC::FromHandle(::GetDC(hStatic));
  // The first idle pass updates the command UI, the second frees the wrappers.
  EXPECT_TRUE(TestApp().OnIdle(0));
  EXPECT_EQ(AfxGetTempObjectCount(), 2u);
  EXPECT_FALSE(TestApp().OnIdle(1));
  EXPECT_EQ(AfxGetTempObjectCount(), 0u);
  EXPECT_TRUE(::IsWindow(hStatic));  // freeing a wrapper leaves its window alone

  // Attaching makes the object permanent; detaching neither destroys nor keeps the window.
  CWnd wnd;
  ASSERT_TRUE(wnd.Attach(hStatic));
  EXPECT_EQ(CWnd::FromHandlePermanent(hStatic), &wnd);
  EXPECT_EQ(wnd.Detach(), hStatic);
  EXPECT_EQ(CWnd::FromHandlePermanent(hStatic), nullptr);
  EXPECT_TRUE(::IsWindow(hStatic));
  ::DestroyWindow(hStatic);
}
