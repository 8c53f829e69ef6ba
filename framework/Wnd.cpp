// framework/Wnd.cpp: binding window objects to windows and dispatching their
// messages.
#include "framework/Wnd.h"

#include "framework/WinApp.h"

namespace qv {
namespace {

const char kObjectProp[] = "Quorvane.CWnd";

// The object that the next window created on this thread is bound to; the
// creation hook takes it at HCBT_CREATEWND, before WM_NCCREATE.
thread_local CWnd* t_creating = nullptr;

}  // namespace

const MessageEntry CWnd::s_messageEntries[] = {{0, 0, 0, 0, nullptr}};
const MessageMap CWnd::s_messageMap = {nullptr, CWnd::s_messageEntries};

CWnd::~CWnd() {
  if (m_hWnd && FromHandlePermanent(m_hWnd) == this) ::DestroyWindow(m_hWnd);
}

LRESULT CALLBACK CWnd::CreationHook(int code, WPARAM wParam,
                                    LPARAM lParam) noexcept {
  if (code == HCBT_CREATEWND && t_creating) {
    CWnd* wnd = t_creating;
    t_creating = nullptr;
    wnd->Subclass(reinterpret_cast<HWND>(wParam));
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CWnd::Create(const CreateArgs& args) {
  if (m_hWnd) return FALSE;
  HHOOK hook = ::SetWindowsHookExA(WH_CBT, &CWnd::CreationHook, nullptr,
                                   ::GetCurrentThreadId());
  if (!hook) return FALSE;
  t_creating = this;
  HWND wnd = ::CreateWindowExA(
      args.exStyle, args.className, args.windowName, args.style, args.x, args.y,
      args.cx, args.cy, args.parent,
      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(args.id)),
      ::GetModuleHandleA(nullptr), args.param);
  t_creating = nullptr;
  ::UnhookWindowsHookEx(hook);
  // A window whose WM_(NC)CREATE refused has been destroyed and unbound.
  return wnd != nullptr && m_hWnd == wnd;
}

void CWnd::Subclass(HWND wnd) noexcept {
  m_hWnd = wnd;
  ::SetPropA(wnd, kObjectProp, this);
  auto previous = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
      wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWndProc)));
  // Our own classes are registered with StaticWndProc itself.
  m_superProc = previous == &CWnd::StaticWndProc ? &::DefWindowProcA : previous;
}

void CWnd::Unbind() {
  ::RemovePropA(m_hWnd, kObjectProp);
  ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(m_superProc));
  m_hWnd = nullptr;
}

// The last message unbinds the object, which clears m_hWnd.
BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

CWnd* CWnd::FromHandlePermanent(HWND wnd) {
  return wnd ? static_cast<CWnd*>(::GetPropA(wnd, kObjectProp)) : nullptr;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

RECT CWnd::GetClientRect() const {
  RECT rc{};
  ::GetClientRect(m_hWnd, &rc);
  return rc;
}

RECT CWnd::GetWindowRect() const {
  RECT rc{};
  ::GetWindowRect(m_hWnd, &rc);
  return rc;
}

const MessageEntry* CWnd::FindEntry(UINT message, WPARAM wParam,
                                    LPARAM lParam) const {
  for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
    for (const MessageEntry* e = map->entries; e->thunk; ++e) {
      if (e->message != message) continue;
      if (message == WM_COMMAND) {
        UINT id = LOWORD(wParam);
        // Menus and accelerators (no control) are plain commands, as is a
        // button's click (code 0); other control notifications reach only
        // the entries of their code.
        UINT code = lParam ? HIWORD(wParam) : 0;
        if (id < e->idFirst || id > e->idLast || code != e->notifyCode)
          continue;
      } else if (message == WM_NOTIFY) {
        const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
        if (!hdr || hdr->code != e->notifyCode || hdr->idFrom < e->idFirst ||
            hdr->idFrom > e->idLast)
          continue;
      }
      return e;
    }
  }
  return nullptr;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const MessageEntry* e = FindEntry(message, wParam, lParam))
    return e->thunk(*this, wParam, lParam);
  return Default();
}

LRESULT CWnd::Default() {
  return ::CallWindowProcA(m_superProc, m_hWnd, m_current.message,
                           m_current.wParam, m_current.lParam);
}

LRESULT CWnd::DefaultWith(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::CallWindowProcA(m_superProc, m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::AfterException(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      return FALSE;
    case WM_CREATE:
      return -1;
    default:
      return DefaultWith(message, wParam, lParam);
  }
}

// No exception may unwind through user32, which has no idea of them: a
// handler that throws leaves its message to default processing.
LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  CurrentMessage saved = m_current;
  m_current = {message, wParam, lParam};
  LRESULT result = 0;
  try {
    result = WindowProc(message, wParam, lParam);
  } catch (...) {
    result = AfterException(message, wParam, lParam);
  }
  m_current = saved;
  return result;
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND wnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept {
  CWnd* self = FromHandlePermanent(wnd);
  if (!self) return ::DefWindowProcA(wnd, message, wParam, lParam);

  LRESULT result = self->Dispatch(message, wParam, lParam);

  if (message == WM_NCDESTROY) {
    self->Unbind();
    // The process lives as long as its main window.
    CWinApp* app = CWinApp::Get();
    if (app && app->m_pMainWnd == self) {
      app->m_pMainWnd = nullptr;
      ::PostQuitMessage(0);
    }
    try {
      self->PostNcDestroy();
    } catch (...) {
      // The window is gone either way.
    }
  }
  return result;
}

}  // namespace qv
