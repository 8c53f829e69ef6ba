// framework/Wnd.h: CWnd, a window object bound to its HWND for the window's
// whole life. Every message goes through WindowProc, which looks the message
// up in the class's message map and falls back to the window's original
// procedure (DefWindowProc for our own classes, the control's for subclassed
// common controls).
#pragma once

#include <windows.h>

#include "framework/MessageMap.h"

namespace qv {

// What CreateWindowEx takes, with the defaults of a plain window: set the
// fields that differ by name on a local.
struct CreateArgs {
  DWORD exStyle = 0;
  LPCSTR className = nullptr;
  LPCSTR windowName = nullptr;
  DWORD style = 0;
  int x = CW_USEDEFAULT;
  int y = CW_USEDEFAULT;
  int cx = CW_USEDEFAULT;
  int cy = CW_USEDEFAULT;
  HWND parent = nullptr;
  UINT id = 0;  // a child's control id; other windows have none
  LPVOID param = nullptr;

  void SetRect(const RECT& rc) {
    x = rc.left;
    y = rc.top;
    cx = rc.right - rc.left;
    cy = rc.bottom - rc.top;
  }
};

class CWnd {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  // Destroys a window that is still alive, so no HWND outlives its object.
  virtual ~CWnd();

  HWND m_hWnd = nullptr;
  operator HWND() const { return m_hWnd; }

  // Creates the window and binds this object to it before its first message
  // (WM_NCCREATE), for our own classes and for system control classes alike.
  BOOL Create(const CreateArgs& args);
  BOOL DestroyWindow();

  // The object bound to a window created through Create, or null.
  static CWnd* FromHandlePermanent(HWND wnd);

  // Called by the message loop for messages to this window or its children,
  // innermost window first; TRUE consumes the message.
  virtual BOOL PreTranslateMessage(MSG* msg);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT SendMessage(UINT message, WPARAM wParam = 0,
                      LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
  }
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  RECT GetClientRect() const;
  RECT GetWindowRect() const;

 protected:
  // Default processing of the message being handled.
  LRESULT Default();
  // Default processing of a message of the caller's making, for a handler
  // that passes a control adjusted arguments.
  LRESULT DefaultWith(UINT message, WPARAM wParam, LPARAM lParam);
  // Called after the last message (WM_NCDESTROY), once the object is unbound.
  virtual void PostNcDestroy() {}
  // Binds this object to a window that exists already (a dialog at
  // WM_INITDIALOG); the window's own procedure becomes default processing.
  void Subclass(HWND wnd) noexcept;
  // Runs WindowProc for a message of the bound window; a handler that throws
  // gets the answer of AfterException instead.
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

  static const MessageEntry s_messageEntries[];
  static const MessageMap s_messageMap;
  virtual const MessageMap* GetMessageMap() const { return &s_messageMap; }

 private:
  static LRESULT CALLBACK StaticWndProc(HWND, UINT, WPARAM, LPARAM) noexcept;
  static LRESULT CALLBACK CreationHook(int, WPARAM, LPARAM) noexcept;
  // The answer to a message whose handler threw: creation is refused,
  // anything else gets default processing.
  LRESULT AfterException(UINT message, WPARAM wParam, LPARAM lParam);
  void Unbind();
  const MessageEntry* FindEntry(UINT message, WPARAM wParam,
                                LPARAM lParam) const;

  WNDPROC m_superProc = nullptr;
  struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  } m_current{};
};

}  // namespace qv
