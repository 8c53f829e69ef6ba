// tests/unit/MessageMapTest.cpp: window objects bound before their first
// message, handlers found through the class hierarchy, default processing.
#include <gtest/gtest.h>

#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace {

class BaseWnd : public qv::CWnd {
 public:
  int created = 0;
  int sized = 0;
  int commands = 0;
  UINT lastCommand = 0;

 protected:
  int OnCreate(CREATESTRUCT*) {
    ++created;
    return Default() == -1 ? -1 : 0;
  }
  void OnSize(UINT, int, int) { ++sized; }
  void OnCommandRange(UINT id) {
    ++commands;
    lastCommand = id;
  }

  DECLARE_MESSAGE_MAP(BaseWnd)
};

BEGIN_MESSAGE_MAP(BaseWnd, qv::CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_COMMAND_RANGE(100, 110, OnCommandRange)
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
 public:
  int derivedSized = 0;

 protected:
  void OnSize(UINT, int, int) { ++derivedSized; }
  LRESULT OnPrivate(WPARAM wp, LPARAM lp) { return wp + lp; }

  DECLARE_MESSAGE_MAP(DerivedWnd)
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
ON_WM_SIZE()
ON_MESSAGE(WM_USER + 7, OnPrivate)
END_MESSAGE_MAP()

// Notifications by code and control id, answered by their handlers.
class NotifyWnd : public qv::CWnd {
 protected:
  LRESULT OnRightClick(NMHDR*) { return 42; }
  LRESULT OnClick(NMHDR* hdr) { return static_cast<LRESULT>(hdr->idFrom); }

  DECLARE_MESSAGE_MAP(NotifyWnd)
};

BEGIN_MESSAGE_MAP(NotifyWnd, qv::CWnd)
ON_NOTIFY(NM_RCLICK, 7, OnRightClick)
ON_NOTIFY_RANGE(NM_CLICK, 10, 19, OnClick)
END_MESSAGE_MAP()

// A small popup of our own class, or of a system class when given.
qv::CreateArgs Popup(const char* className = nullptr) {
  qv::CreateArgs args;
  args.className = className
                       ? className
                       : qv::RegisterWindowClass(0, nullptr, nullptr, nullptr);
  args.windowName = "t";
  args.style = WS_POPUP;
  args.SetRect({0, 0, 10, 10});
  return args;
}

}  // namespace

TEST(MessageMap, DerivedHandlersWinAndBaseHandlersStillServe) {
  DerivedWnd wnd;
  ASSERT_TRUE(wnd.Create(Popup()));
  EXPECT_EQ(wnd.created, 1);  // WM_CREATE reached the bound object
  ::SetWindowPos(wnd.m_hWnd, nullptr, 0, 0, 30, 30, SWP_NOZORDER);
  EXPECT_GT(wnd.derivedSized, 0);
  EXPECT_EQ(wnd.sized, 0);
  EXPECT_EQ(wnd.SendMessage(WM_USER + 7, 2, 3), 5);
  wnd.SendMessage(WM_COMMAND, MAKEWPARAM(105, 0), 0);
  wnd.SendMessage(WM_COMMAND, MAKEWPARAM(111, 0), 0);
  EXPECT_EQ(wnd.commands, 1);
  EXPECT_EQ(wnd.lastCommand, 105u);
  // Unmapped messages get default processing.
  ::SetWindowTextA(wnd.m_hWnd, "title");
  char text[16] = {};
  ::GetWindowTextA(wnd.m_hWnd, text, sizeof text);
  EXPECT_STREQ(text, "title");
}

TEST(MessageMap, SystemControlsAreBoundAndKeepTheirOwnBehaviour) {
  qv::CWnd edit;
  qv::CreateArgs args = Popup("EDIT");
  args.windowName = "abc";
  ASSERT_TRUE(edit.Create(args));
  EXPECT_EQ(qv::CWnd::FromHandlePermanent(edit.m_hWnd), &edit);
  EXPECT_EQ(edit.SendMessage(WM_GETTEXTLENGTH), 3);
}

TEST(MessageMap, DestroyingTheWindowUnbindsTheObject) {
  BaseWnd wnd;
  ASSERT_TRUE(wnd.Create(Popup()));
  HWND hwnd = wnd.m_hWnd;
  EXPECT_TRUE(wnd.DestroyWindow());
  EXPECT_EQ(wnd.m_hWnd, nullptr);
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(qv::CWnd::FromHandlePermanent(hwnd), nullptr);
}

TEST(MessageMap, ObjectGoingAwayDestroysItsWindow) {
  HWND hwnd = nullptr;
  {
    BaseWnd wnd;
    ASSERT_TRUE(wnd.Create(Popup()));
    hwnd = wnd.m_hWnd;
  }
  EXPECT_FALSE(::IsWindow(hwnd));
}

TEST(MessageMap, NotificationsGoToTheEntryOfTheirCodeAndControlId) {
  NotifyWnd wnd;
  ASSERT_TRUE(wnd.Create(Popup()));
  auto send = [&wnd](UINT code, UINT_PTR id) {
    NMHDR hdr{nullptr, id, code};
    return wnd.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&hdr));
  };
  EXPECT_EQ(send(NM_RCLICK, 7), 42);
  EXPECT_EQ(send(NM_CLICK, 15), 15);
  // Another id or code is left to default processing.
  EXPECT_EQ(send(NM_RCLICK, 8), 0);
  EXPECT_EQ(send(NM_CLICK, 20), 0);
  EXPECT_EQ(send(NM_DBLCLK, 15), 0);
}
