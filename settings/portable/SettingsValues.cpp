// settings/portable/SettingsValues.cpp: indexed value names and decoding of
// stored values.
#include "settings/portable/SettingsValues.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace qv {

void FolderValueName(char* buffer, int index) {
  std::snprintf(buffer, kValueNameSize, "Fldr %3d", index);
}

void FolderOrderValueName(char* buffer, int index) {
  std::snprintf(buffer, kValueNameSize, "Fldr Ordr %3d", index);
}

void FileTypeValueName(char* buffer, int index) {
  std::snprintf(buffer, kValueNameSize, "FT %3d", index);
}

void ToolbarInfoValueName(char* buffer, int index) {
  std::snprintf(buffer, kValueNameSize, "Toolbar Info %3d", index);
}

bool DecodeDword(const unsigned char* data, size_t length,
                 std::uint32_t* value) {
  if (length != 4) return false;
  *value = static_cast<std::uint32_t>(data[0]) |
           static_cast<std::uint32_t>(data[1]) << 8 |
           static_cast<std::uint32_t>(data[2]) << 16 |
           static_cast<std::uint32_t>(data[3]) << 24;
  return true;
}

bool DecodeHiddenType(const unsigned char* data, size_t length,
                      std::string* text) {
  if (length > kHiddenTypeValueSize) return false;
  if (length == 0) {
    text->clear();
    return true;
  }
  const void* zero = std::memchr(data, 0, length);
  // Without its zero byte the text keeps room for it, as a saved value has:
  // a full 128 characters would be saved as 129 bytes and not load again.
  const size_t chars = zero ? static_cast<const unsigned char*>(zero) - data
                            : std::min(length, kHiddenTypeValueSize - 1);
  text->assign(reinterpret_cast<const char*>(data), chars);
  return true;
}

}  // namespace qv
