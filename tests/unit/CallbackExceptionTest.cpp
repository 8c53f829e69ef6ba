// tests/unit/CallbackExceptionTest.cpp: an exception from a handler stops at
// the callback Win32 called: the window procedure and the drop target.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "framework/DropTarget.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "support/HdropData.h"

namespace {

constexpr UINT kThrow = WM_USER + 1;

class ThrowingWnd : public qv::CWnd {
 public:
  bool throwOnCreate = false;

 protected:
  int OnCreate(CREATESTRUCT*) {
    if (throwOnCreate) throw std::runtime_error("create");
    return 0;
  }
  LRESULT OnThrow(WPARAM, LPARAM) { throw std::bad_alloc(); }

  DECLARE_MESSAGE_MAP(ThrowingWnd)
};

BEGIN_MESSAGE_MAP(ThrowingWnd, qv::CWnd)
ON_WM_CREATE()
ON_MESSAGE(kThrow, OnThrow)
END_MESSAGE_MAP()

qv::CreateArgs Popup() {
  qv::CreateArgs args;
  args.className = qv::RegisterWindowClass(0, nullptr, nullptr, nullptr);
  args.style = WS_POPUP;
  return args;
}

class ThrowingTarget : public qv::CDropTarget {
 public:
  DWORD OnDragEnter(qv::CWnd*, IDataObject*, DWORD, POINT) override {
    throw std::bad_alloc();
  }
  void OnDragLeave(qv::CWnd*) override { throw std::logic_error("leave"); }
};

}  // namespace

TEST(CallbackException, AThrowingHandlerLeavesItsMessageToDefaultProcessing) {
  ThrowingWnd wnd;
  ASSERT_TRUE(wnd.Create(Popup()));
  EXPECT_EQ(wnd.SendMessage(kThrow, 1, 2), 0);
  // The window and its binding survive, and its messages still arrive.
  EXPECT_EQ(qv::CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
  ::SetWindowTextA(wnd.m_hWnd, "still");
  EXPECT_EQ(wnd.SendMessage(WM_GETTEXTLENGTH), 5);
}

TEST(CallbackException, AThrowingCreateHandlerRefusesTheWindow) {
  ThrowingWnd wnd;
  wnd.throwOnCreate = true;
  EXPECT_FALSE(wnd.Create(Popup()));
  EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST(CallbackException, AThrowingDropTargetRefusesTheDragWithAFailure) {
  ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
  {
    qv::CWnd wnd;
    ASSERT_TRUE(wnd.Create(Popup()));
    ThrowingTarget target;
    ASSERT_TRUE(target.Register(&wnd));
    HdropData data({"C:\\windows"});
    DWORD effect = DROPEFFECT_COPY;
    EXPECT_EQ(target.DragEnter(&data, 0, POINTL{0, 0}, &effect), E_OUTOFMEMORY);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(target.DragLeave(), E_UNEXPECTED);
    target.Revoke();
  }
  ::OleUninitialize();
}
