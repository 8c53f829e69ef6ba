// shell/portable/NameStrings.cpp: extension keys and tab-separated entries.
#include "shell/portable/NameStrings.h"

#include <cstring>

namespace qv {

int GetExtension3(const char* name, char* out) {
  const char* dot = name ? std::strrchr(name, '.') : nullptr;
  if (!dot) return 0;
  const size_t length = strnlen(dot + 1, kExtension3Size - 1);
  std::memcpy(out, dot + 1, length);
  out[length] = '\0';
  return 1;
}

void CopyUntilTab(const char* entry, char* out, size_t outSize) {
  if (outSize == 0) return;
  size_t length = 0;
  if (entry) {
    while (length + 1 < outSize && entry[length] != '\0' &&
           entry[length] != '\t') {
      ++length;
    }
    std::memcpy(out, entry, length);
  }
  out[length] = '\0';
}

}  // namespace qv
