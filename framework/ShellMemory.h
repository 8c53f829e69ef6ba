// framework/ShellMemory.h: owners for memory from the shell allocator (item
// identifier lists, strings the shell hands out) and the COM pointer we use.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <utility>

namespace qv {

using Microsoft::WRL::ComPtr;

// The shell allocator is the COM task allocator (SHGetMalloc hands out the
// same IMalloc), so CoTaskMemFree releases what it allocated.
template <typename T>
class ShellPtr {
 public:
  ShellPtr() = default;
  explicit ShellPtr(T* p) : m_p(p) {}
  ShellPtr(const ShellPtr&) = delete;
  ShellPtr& operator=(const ShellPtr&) = delete;
  ShellPtr(ShellPtr&& other) noexcept : m_p(other.release()) {}
  ShellPtr& operator=(ShellPtr&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~ShellPtr() { reset(); }

  T* get() const { return m_p; }
  explicit operator bool() const { return m_p != nullptr; }
  T** put() {
    reset();
    return &m_p;
  }
  T* release() { return std::exchange(m_p, nullptr); }
  void reset(T* p = nullptr) {
    T* old = std::exchange(m_p, p);
    if (old) ::CoTaskMemFree(old);
  }

 private:
  T* m_p = nullptr;
};

using UniqueIdList = ShellPtr<ITEMIDLIST>;

}  // namespace qv
