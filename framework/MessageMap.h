// framework/MessageMap.h: per-class message maps that route window messages
// to typed On... handlers, in the manner of the classic C++ Win32 frameworks.
//
// A class declares DECLARE_MESSAGE_MAP() and defines its table with
// BEGIN_MESSAGE_MAP(Class, Base) ... END_MESSAGE_MAP(). Lookup walks from the
// most derived table to the base, so a derived class overrides by listing the
// same message again.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace qv {

class CWnd;

// A handler thunk: cracks wParam/lParam, calls the member, gives the result.
using MessageThunk = LRESULT (*)(CWnd& wnd, WPARAM wParam, LPARAM lParam);

struct MessageEntry {
  UINT message;
  UINT idFirst;  // WM_COMMAND: command id range; WM_NOTIFY: control id range
  UINT idLast;
  UINT notifyCode;  // WM_NOTIFY, and WM_COMMAND from a control (0: a command)
  MessageThunk thunk;
};

struct MessageMap {
  const MessageMap* base;
  const MessageEntry* entries;  // ended by an entry with a null thunk
};

namespace msg {

template <typename T>
struct MemberOf;
template <typename C, typename R, typename... A>
struct MemberOf<R (C::*)(A...)> {
  using Class = C;
};

template <auto H>
auto& Self(CWnd& w) {
  return static_cast<typename MemberOf<decltype(H)>::Class&>(w);
}

// LRESULT OnX(WPARAM, LPARAM)
template <auto H>
LRESULT Raw(CWnd& w, WPARAM wp, LPARAM lp) {
  return (Self<H>(w).*H)(wp, lp);
}
// int OnCreate(CREATESTRUCT*)
template <auto H>
LRESULT Create(CWnd& w, WPARAM, LPARAM lp) {
  return (Self<H>(w).*H)(reinterpret_cast<CREATESTRUCT*>(lp));
}
// void OnX()
template <auto H>
LRESULT Void(CWnd& w, WPARAM, LPARAM) {
  (Self<H>(w).*H)();
  return 0;
}
// void OnSize(UINT type, int cx, int cy)
template <auto H>
LRESULT Size(CWnd& w, WPARAM wp, LPARAM lp) {
  (Self<H>(w).*H)(static_cast<UINT>(wp), static_cast<short>(LOWORD(lp)),
                  static_cast<short>(HIWORD(lp)));
  return 0;
}
// void OnXButtonY(UINT flags, POINT pt): client or screen point as the message
// carries it
template <auto H>
LRESULT Mouse(CWnd& w, WPARAM wp, LPARAM lp) {
  POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  (Self<H>(w).*H)(static_cast<UINT>(wp), pt);
  return 0;
}
// LRESULT OnNcHitTest(POINT screenPt)
template <auto H>
LRESULT HitTest(CWnd& w, WPARAM, LPARAM lp) {
  POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  return (Self<H>(w).*H)(pt);
}
// void OnTimer(UINT_PTR id)
template <auto H>
LRESULT Timer(CWnd& w, WPARAM wp, LPARAM) {
  (Self<H>(w).*H)(static_cast<UINT_PTR>(wp));
  return 0;
}
// void OnHScroll/OnVScroll(UINT code, UINT pos, HWND scrollBar)
template <auto H>
LRESULT Scroll(CWnd& w, WPARAM wp, LPARAM lp) {
  (Self<H>(w).*H)(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
  return 0;
}
// BOOL OnSetCursor(HWND wnd, UINT hitTest, UINT message)
template <auto H>
LRESULT SetCursor(CWnd& w, WPARAM wp, LPARAM lp) {
  return (Self<H>(w).*H)(reinterpret_cast<HWND>(wp), LOWORD(lp), HIWORD(lp));
}
// BOOL OnEraseBkgnd(HDC)
template <auto H>
LRESULT EraseBkgnd(CWnd& w, WPARAM wp, LPARAM) {
  return (Self<H>(w).*H)(reinterpret_cast<HDC>(wp));
}
// void OnWindowPosChanged(WINDOWPOS*)
template <auto H>
LRESULT WindowPos(CWnd& w, WPARAM, LPARAM lp) {
  (Self<H>(w).*H)(reinterpret_cast<WINDOWPOS*>(lp));
  return 0;
}
// void OnActivate(UINT state, HWND other, BOOL minimized)
template <auto H>
LRESULT Activate(CWnd& w, WPARAM wp, LPARAM lp) {
  (Self<H>(w).*H)(LOWORD(wp), reinterpret_cast<HWND>(lp), HIWORD(wp) != 0);
  return 0;
}
// void OnSetFocus(HWND other)
template <auto H>
LRESULT Focus(CWnd& w, WPARAM wp, LPARAM) {
  (Self<H>(w).*H)(reinterpret_cast<HWND>(wp));
  return 0;
}
// void OnCommand(UINT id) for a range
template <auto H>
LRESULT CommandRange(CWnd& w, WPARAM wp, LPARAM) {
  (Self<H>(w).*H)(LOWORD(wp));
  return 0;
}
// LRESULT OnNotify(NMHDR*): the answer goes back to the control
template <auto H>
LRESULT Notify(CWnd& w, WPARAM, LPARAM lp) {
  return (Self<H>(w).*H)(reinterpret_cast<NMHDR*>(lp));
}
// BOOL OnHelpInfo(HELPINFO*)
template <auto H>
LRESULT HelpInfo(CWnd& w, WPARAM, LPARAM lp) {
  return (Self<H>(w).*H)(reinterpret_cast<HELPINFO*>(lp));
}
// void OnContextMenu(HWND clicked, POINT screenPt): (-1, -1) from the keyboard
template <auto H>
LRESULT ContextMenu(CWnd& w, WPARAM wp, LPARAM lp) {
  POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  (Self<H>(w).*H)(reinterpret_cast<HWND>(wp), pt);
  return 0;
}
// void OnKeyDown(UINT vk, UINT repeat, UINT flags)
template <auto H>
LRESULT Key(CWnd& w, WPARAM wp, LPARAM lp) {
  (Self<H>(w).*H)(static_cast<UINT>(wp), LOWORD(lp), HIWORD(lp));
  return 0;
}
// void OnCaptureChanged(HWND newCapture)
template <auto H>
LRESULT CaptureChanged(CWnd& w, WPARAM, LPARAM lp) {
  (Self<H>(w).*H)(reinterpret_cast<HWND>(lp));
  return 0;
}

}  // namespace msg
}  // namespace qv

// Put DECLARE_MESSAGE_MAP(Class) last in the class body: it leaves the access
// at private.
#define DECLARE_MESSAGE_MAP(Class)                         \
 protected:                                                \
  using ThisClass = Class;                                 \
  static const ::qv::MessageEntry s_messageEntries[];      \
  static const ::qv::MessageMap s_messageMap;              \
  const ::qv::MessageMap* GetMessageMap() const override { \
    return &s_messageMap;                                  \
  }                                                        \
                                                           \
 private:

#define BEGIN_MESSAGE_MAP(Class, Base)                                    \
  const ::qv::MessageMap Class::s_messageMap = {&Base::s_messageMap,      \
                                                Class::s_messageEntries}; \
  const ::qv::MessageEntry Class::s_messageEntries[] = {
#define END_MESSAGE_MAP() \
  { 0, 0, 0, 0, nullptr } \
  }                       \
  ;

#define QV_ON(message, cracker, handler) \
  {message, 0, 0, 0, &::qv::msg::cracker<&ThisClass::handler>},

#define ON_WM_CREATE() QV_ON(WM_CREATE, Create, OnCreate)
#define ON_WM_DESTROY() QV_ON(WM_DESTROY, Void, OnDestroy)
#define ON_WM_SIZE() QV_ON(WM_SIZE, Size, OnSize)
#define ON_WM_PAINT() QV_ON(WM_PAINT, Void, OnPaint)
#define ON_WM_TIMER() QV_ON(WM_TIMER, Timer, OnTimer)
#define ON_WM_ERASEBKGND() QV_ON(WM_ERASEBKGND, EraseBkgnd, OnEraseBkgnd)
#define ON_WM_SETCURSOR() QV_ON(WM_SETCURSOR, SetCursor, OnSetCursor)
#define ON_WM_NCHITTEST() QV_ON(WM_NCHITTEST, HitTest, OnNcHitTest)
#define ON_WM_NCLBUTTONDOWN() QV_ON(WM_NCLBUTTONDOWN, Mouse, OnNcLButtonDown)
#define ON_WM_NCRBUTTONDOWN() QV_ON(WM_NCRBUTTONDOWN, Mouse, OnNcRButtonDown)
#define ON_WM_LBUTTONDOWN() QV_ON(WM_LBUTTONDOWN, Mouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() QV_ON(WM_LBUTTONUP, Mouse, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() QV_ON(WM_LBUTTONDBLCLK, Mouse, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() QV_ON(WM_RBUTTONDOWN, Mouse, OnRButtonDown)
#define ON_WM_RBUTTONUP() QV_ON(WM_RBUTTONUP, Mouse, OnRButtonUp)
#define ON_WM_MOUSEMOVE() QV_ON(WM_MOUSEMOVE, Mouse, OnMouseMove)
#define ON_WM_HSCROLL() QV_ON(WM_HSCROLL, Scroll, OnHScroll)
#define ON_WM_VSCROLL() QV_ON(WM_VSCROLL, Scroll, OnVScroll)
#define ON_WM_WINDOWPOSCHANGED() \
  QV_ON(WM_WINDOWPOSCHANGED, WindowPos, OnWindowPosChanged)
#define ON_WM_ACTIVATE() QV_ON(WM_ACTIVATE, Activate, OnActivate)
#define ON_WM_SETFOCUS() QV_ON(WM_SETFOCUS, Focus, OnSetFocus)
#define ON_WM_KEYDOWN() QV_ON(WM_KEYDOWN, Key, OnKeyDown)
#define ON_WM_HELPINFO() QV_ON(WM_HELP, HelpInfo, OnHelpInfo)
#define ON_WM_CONTEXTMENU() QV_ON(WM_CONTEXTMENU, ContextMenu, OnContextMenu)
#define ON_WM_CAPTURECHANGED() \
  QV_ON(WM_CAPTURECHANGED, CaptureChanged, OnCaptureChanged)

// LRESULT handler(WPARAM, LPARAM)
#define ON_MESSAGE(message, handler) QV_ON(message, Raw, handler)
// void handler(): a menu item, an accelerator or a button's click
#define ON_COMMAND(id, handler) \
  {WM_COMMAND, id, id, 0, &::qv::msg::Void<&ThisClass::handler>},
// void handler(UINT id)
#define ON_COMMAND_RANGE(first, last, handler) \
  {WM_COMMAND, first, last, 0, &::qv::msg::CommandRange<&ThisClass::handler>},
// void handler() for a control's notification `code` sent as WM_COMMAND
// (LBN_SELCHANGE, EN_CHANGE, CBN_SELCHANGE, ...) from the control `id`.
#define ON_CONTROL(code, id, handler)           \
  {WM_COMMAND, id, id, static_cast<UINT>(code), \
   &::qv::msg::Void<&ThisClass::handler>},
// LRESULT handler(NMHDR*) for notification `code` from the control with id
// `id` (or any id in first ... last); the handler's answer is the reply.
#define ON_NOTIFY(code, id, handler)           \
  {WM_NOTIFY, id, id, static_cast<UINT>(code), \
   &::qv::msg::Notify<&ThisClass::handler>},
#define ON_NOTIFY_RANGE(code, first, last, handler) \
  {WM_NOTIFY, first, last, static_cast<UINT>(code), \
   &::qv::msg::Notify<&ThisClass::handler>},
