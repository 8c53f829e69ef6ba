// framework/Wnd.h: CWnd, a window object bound to its HWND for the window's
// whole life. Every message goes through WindowProc, which looks the message
// up in the class's message map and falls back to the window's original
// procedure (DefWindowProc for our own classes, the control's for subclassed
// common controls).
#pragma once

#include <windows.h>

#include "framework/MessageMap.h"

namespace qv {

class CWnd {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  // Destroys a window that is still alive, so no HWND outlives its object.
  virtual ~CWnd();

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }

  // Creates the window and binds this object to it before its first message
  // (WM_NCCREATE), for our own classes and for system control classes alike.
  BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                int x, int y, int cx, int cy, HWND parent, HMENU menuOrId,
                LPVOID param = nullptr);
  BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                const RECT& rect, HWND parent, UINT id, LPVOID param = nullptr);
  BOOL DestroyWindow();

  // Binds an existing window without subclassing it (for windows we only
  // talk to), and lets it go again.
  void Attach(HWND wnd) { m_hWnd = wnd; }
  HWND Detach();

  // The object bound to a window created through CreateEx, or null.
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

  static const MessageEntry s_messageEntries[];
  static const MessageMap s_messageMap;
  virtual const MessageMap* GetMessageMap() const { return &s_messageMap; }

 private:
  static LRESULT CALLBACK StaticWndProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK CreationHook(int, WPARAM, LPARAM);
  void Subclass(HWND wnd);
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
