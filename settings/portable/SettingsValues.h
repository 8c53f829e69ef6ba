// settings/portable/SettingsValues.h: names of the indexed settings values and
// bounds-checked decoding of the values read back, which may hold anything.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qv {

// Room the value-name formatters assume in the caller's buffer.
constexpr size_t kValueNameSize = 128;

// Largest stored hidden-type string, terminating zero included: longer
// values were not written by us and are refused.
constexpr size_t kHiddenTypeValueSize = 128;

// Index right-aligned in three characters, blank-padded ("Fldr   7"); longer
// numbers are written in full.
void FolderValueName(char* buffer, int index);       // "Fldr %3d"
void FolderOrderValueName(char* buffer, int index);  // "Fldr Ordr %3d"
void FileTypeValueName(char* buffer, int index);     // "FT %3d"
void ToolbarInfoValueName(char* buffer, int index);  // "Toolbar Info %3d"

// A 32-bit value stored as exactly 4 little-endian bytes. Shorter or longer
// data is refused (false) and `*value` is left alone.
bool DecodeDword(const unsigned char* data, size_t length,
                 std::uint32_t* value);

// A hidden-type string: its text up to the first zero byte, or, when the
// value lacks the terminator, all of it up to kHiddenTypeValueSize - 1
// characters (so that it is saved, terminator included, within the bound and
// loads again). False (and `*text` left alone) for a value longer than
// kHiddenTypeValueSize. Throws std::bad_alloc.
bool DecodeHiddenType(const unsigned char* data, size_t length,
                      std::string* text);

}  // namespace qv
