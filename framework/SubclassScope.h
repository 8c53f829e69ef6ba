// framework/SubclassScope.h: a window subclass (SetWindowSubclass) held for
// a scope, taken off again on every path out of it. Any window takes one,
// and it comes off cleanly even inside a menu's or a drag's modal loop.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace qv {

class SubclassScope {
 public:
  // `self` is both the subclass's id and its reference data.
  SubclassScope(HWND window, SUBCLASSPROC proc, void* self)
      : m_window(window),
        m_proc(proc),
        m_id(reinterpret_cast<UINT_PTR>(self)),
        m_installed(window && ::SetWindowSubclass(
                                  window, proc, m_id,
                                  reinterpret_cast<DWORD_PTR>(self)) != FALSE) {
  }
  SubclassScope(const SubclassScope&) = delete;
  SubclassScope& operator=(const SubclassScope&) = delete;
  ~SubclassScope() {
    if (m_installed) ::RemoveWindowSubclass(m_window, m_proc, m_id);
  }

 private:
  HWND m_window;
  SUBCLASSPROC m_proc;
  UINT_PTR m_id;
  bool m_installed;
};

}  // namespace qv
