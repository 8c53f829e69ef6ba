// settings/portable/ToolbarInfo.h: a toolbar's kind and custom button list, and
// the toolbar-info string they are stored as ("Toolbar Info %3d").
//
// The string is a run of zero-terminated strings ended by an empty one: the
// kind letter ("B", "C" or "N"), then for a custom list one string per entry
// (its marker, then the file name for a file), then the final zero byte.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace qv {

constexpr int kKindBrowse = 1;
constexpr int kKindCustom = 2;
constexpr int kKindNormal = 3;

constexpr int kEntrySpace = 1;
constexpr int kEntryHiddenFile = 2;
constexpr int kEntryShownFile = 3;
constexpr int kEntryNewLine = 4;

}  // namespace qv

// One element of a custom button list.
struct ButtonEntry {
  int type;          // qv::kEntrySpace .. qv::kEntryNewLine
  std::string name;  // file name inside the toolbar's folder; empty for a
                     // space or a new line
};

struct ToolbarInfo {
  int kind = qv::kKindNormal;  // or qv::kKindBrowse, qv::kKindCustom
  // In display order; stored only while the kind is custom.
  std::vector<ButtonEntry> entries;
};

namespace qv {

// 1 for exactly "B", 2 for exactly "C", 3 for exactly "N", else 0.
int ParseInfoKind(const char* text);

// By the first character: "\" 1, " " 2, "*" 3, "|" 4, anything else 0.
int ParseEntryType(const char* text);

// The stored bytes of `info`. Only a custom list stores its entries; an entry
// of an unknown type has no marker and is left out. A kind other than the
// three writes an empty kind string, which the parser refuses.
// Throws std::bad_alloc when memory runs out.
std::string FormatToolbarInfo(const ToolbarInfo& info);

// Reads the first `length` bytes of a stored value. Empty when they do not
// hold a valid toolbar-info string (unknown kind or marker, or a string that
// runs to the end without its zero byte) or memory runs out. Browse and
// normal kinds need only their kind string: the rest is not looked at.
std::optional<ToolbarInfo> ParseToolbarInfo(const char* data, size_t length);

}  // namespace qv
