// framework/WideText.cpp: UTF-16 conversions and the program's path.
#include "framework/WideText.h"

#include <vector>

namespace qv {

std::wstring Widen(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int size = ::MultiByteToWideChar(
      CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (size <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                        &wide[0], size);
  return wide;
}

std::string Narrow(const wchar_t* text) {
  if (!text || !*text) return std::string();
  const int size =
      ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return std::string();
  std::string narrow(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text, -1, &narrow[0], size, nullptr,
                        nullptr);
  narrow.resize(static_cast<size_t>(size - 1));
  return narrow;
}

std::string ModuleFileName() {
  // The call cuts the path to the buffer and says so only by filling it:
  // grow until the path and its terminator fit (paths stop at 32,767).
  for (DWORD size = MAX_PATH; size <= 0x10000; size *= 2) {
    std::vector<wchar_t> path(size);
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), size);
    if (length == 0) return std::string();
    if (length < size) return Narrow(path.data());
  }
  return std::string();
}

}  // namespace qv
