// settings/LegacyNames.cpp: re-encoding names of the system's legacy ANSI
// code page into UTF-8.
#include "settings/LegacyNames.h"

#include <windows.h>

#include <string>

#include "framework/CodePage.h"

namespace {

bool IsUtf8(const std::string& text) {
  return text.empty() ||
         ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                               static_cast<int>(text.size()), nullptr, 0) > 0;
}

// `text` from `codePage` to UTF-8; empty when it does not convert.
std::string ToUtf8(const std::string& text, UINT codePage) {
  const int size = static_cast<int>(text.size());
  const int wideSize =
      ::MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  if (wideSize <= 0) return {};
  std::wstring wide(static_cast<size_t>(wideSize), L'\0');
  ::MultiByteToWideChar(codePage, 0, text.data(), size, &wide[0], wideSize);
  const int utf8Size = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize,
                                             nullptr, 0, nullptr, nullptr);
  if (utf8Size <= 0) return {};
  std::string utf8(static_cast<size_t>(utf8Size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, &utf8[0], utf8Size,
                        nullptr, nullptr);
  return utf8;
}

}  // namespace

namespace qv {

void ReencodeLegacyNames(ToolbarInfo& info) {
  if (::GetACP() != CP_UTF8) return;
  UINT legacy = 0;
  for (ButtonEntry& entry : info.entries) {
    if (IsUtf8(entry.name)) continue;
    if (legacy == 0) legacy = qv::SystemCodePage();
    // A system that itself runs in UTF-8 wrote nothing else, and an unknown
    // code page cannot be read: such a name is left for the synchronisation
    // to drop, as any stale name.
    if (legacy == 0 || legacy == CP_UTF8) return;
    std::string utf8 = ToUtf8(entry.name, legacy);
    if (!utf8.empty()) entry.name = std::move(utf8);
  }
}

}  // namespace qv
