// framework/Handles.h: owners for Win32 handles and shell memory, one
// template in the shape of WIL's unique_any (move-only, closes what it holds
// exactly once), the scopes of a window's DC and of GDI selections, and the
// COM pointer we use.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <utility>

namespace qv {

using Microsoft::WRL::ComPtr;

template <typename T, auto Close, T Invalid = T{}>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(T value) : m_value(value) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : m_value(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  T get() const { return m_value; }
  explicit operator bool() const { return m_value != Invalid; }

  // Hands out the address for APIs that return a handle through a pointer;
  // whatever was held before is closed first.
  T* put() {
    reset();
    return &m_value;
  }
  T release() { return std::exchange(m_value, Invalid); }
  void reset(T value = Invalid) {
    T old = std::exchange(m_value, value);
    if (old != Invalid) Close(old);
  }

 private:
  T m_value = Invalid;
};

namespace detail {
inline void CloseKey(HKEY key) { ::RegCloseKey(key); }
inline void DeleteGdi(HGDIOBJ obj) { ::DeleteObject(obj); }
inline void CloseMenu(HMENU menu) { ::DestroyMenu(menu); }
inline void CloseIcon(HICON icon) { ::DestroyIcon(icon); }
inline void CloseDc(HDC dc) { ::DeleteDC(dc); }
inline void CloseKernelObject(HANDLE handle) { ::CloseHandle(handle); }
// The shell allocator is the COM task allocator (SHGetMalloc hands out the
// same IMalloc), so CoTaskMemFree releases what it allocated.
inline void FreeShellMemory(void* p) { ::CoTaskMemFree(p); }
}  // namespace detail

using UniqueHKey = UniqueHandle<HKEY, detail::CloseKey>;
using UniqueHMenu = UniqueHandle<HMENU, detail::CloseMenu>;
using UniqueHIcon = UniqueHandle<HICON, detail::CloseIcon>;
using UniqueHdc = UniqueHandle<HDC, detail::CloseDc>;  // CreateCompatibleDC
// Mutexes, events, processes: the handles that are null when missing.
using UniqueKernelObject = UniqueHandle<HANDLE, detail::CloseKernelObject>;

// Memory from the shell allocator: item identifier lists, strings.
template <typename T>
using ShellPtr = UniqueHandle<T*, detail::FreeShellMemory>;
using UniqueIdList = ShellPtr<ITEMIDLIST>;

template <typename GdiT>
using UniqueGdi = UniqueHandle<GdiT, detail::DeleteGdi>;
using UniqueHFont = UniqueGdi<HFONT>;
using UniqueHBrush = UniqueGdi<HBRUSH>;
using UniqueHPen = UniqueGdi<HPEN>;
using UniqueHBitmap = UniqueGdi<HBITMAP>;
using UniqueHRgn = UniqueGdi<HRGN>;

// A device context obtained with GetDC (or GetWindowDC, frame included),
// released to its window.
class WindowDC {
 public:
  explicit WindowDC(HWND wnd) : m_wnd(wnd), m_dc(::GetDC(wnd)) {}
  static WindowDC WithFrame(HWND wnd) {
    return WindowDC(wnd, ::GetWindowDC(wnd));
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (m_dc) ::ReleaseDC(m_wnd, m_dc);
  }
  HDC get() const { return m_dc; }
  explicit operator bool() const { return m_dc != nullptr; }

 private:
  WindowDC(HWND wnd, HDC dc) : m_wnd(wnd), m_dc(dc) {}

  HWND m_wnd;
  HDC m_dc;
};

// Selects a GDI object into a DC and puts the previous one back on scope exit,
// so a DC is never destroyed with our object still selected. A null object
// selects nothing.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ obj)
      : m_dc(dc), m_old(obj ? ::SelectObject(dc, obj) : nullptr) {}
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;
  ~SelectScope() {
    if (m_old) ::SelectObject(m_dc, m_old);
  }

 private:
  HDC m_dc;
  HGDIOBJ m_old;
};

// The same for a logical palette (selected as a foreground palette).
class SelectPaletteScope {
 public:
  SelectPaletteScope(HDC dc, HPALETTE palette)
      : m_dc(dc),
        m_old(palette ? ::SelectPalette(dc, palette, FALSE) : nullptr) {}
  SelectPaletteScope(const SelectPaletteScope&) = delete;
  SelectPaletteScope& operator=(const SelectPaletteScope&) = delete;
  ~SelectPaletteScope() {
    if (m_old) ::SelectPalette(m_dc, m_old, FALSE);
  }

 private:
  HDC m_dc;
  HPALETTE m_old;
};

}  // namespace qv
