// shell/portable/NameStrings.h: small string helpers for file names
// (extension keys) and tab-separated entries such as the hidden file types.
#pragma once

#include <cstddef>

namespace qv {

// Room GetExtension3 needs: three characters and the terminator.
constexpr size_t kExtension3Size = 4;

// Copies at most the first three characters after the last dot of `name` into
// `out` (kExtension3Size bytes), terminated: readme.txt gives "txt", a.html
// "htm". Returns 1, or 0 when the name has no dot.
int GetExtension3(const char* name, char* out);

// Copies the part of `entry` before its first tab into `out`, terminated and
// cut to fit `outSize` bytes (nothing is written when `outSize` is 0).
void CopyUntilTab(const char* entry, char* out, size_t outSize);

template <size_t N>
void CopyUntilTab(const char* entry, char (&out)[N]) {
  CopyUntilTab(entry, out, N);
}

}  // namespace qv
