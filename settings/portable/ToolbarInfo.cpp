// settings/portable/ToolbarInfo.cpp: storing and reading toolbar infos.
#include "settings/portable/ToolbarInfo.h"

#include <cstring>
#include <new>
#include <utility>

namespace qv {

namespace {

// The stored letter of a kind; empty for a kind that has none.
const char* KindLetter(int kind) {
  switch (kind) {
    case kKindBrowse:
      return "B";
    case kKindCustom:
      return "C";
    case kKindNormal:
      return "N";
  }
  return "";
}

// The stored marker of an entry type; 0 for a type that has none.
char EntryMarker(int type) {
  switch (type) {
    case kEntrySpace:
      return '\\';
    case kEntryHiddenFile:
      return ' ';
    case kEntryShownFile:
      return '*';
    case kEntryNewLine:
      return '|';
  }
  return 0;
}

bool IsFileEntry(int type) {
  return type == kEntryHiddenFile || type == kEntryShownFile;
}

}  // namespace

int ParseInfoKind(const char* text) {
  if (!text) return 0;
  for (int kind : {kKindBrowse, kKindCustom, kKindNormal}) {
    if (std::strcmp(text, KindLetter(kind)) == 0) return kind;
  }
  return 0;
}

int ParseEntryType(const char* text) {
  if (!text) return 0;
  switch (text[0]) {
    case '\\':
      return kEntrySpace;
    case ' ':
      return kEntryHiddenFile;
    case '*':
      return kEntryShownFile;
    case '|':
      return kEntryNewLine;
  }
  return 0;
}

std::string FormatToolbarInfo(const ToolbarInfo& info) {
  std::string out = KindLetter(info.kind);
  out += '\0';
  if (info.kind == kKindCustom) {
    for (const ButtonEntry& entry : info.entries) {
      const char marker = EntryMarker(entry.type);
      if (!marker) continue;
      out += marker;
      if (IsFileEntry(entry.type)) out += entry.name;
      out += '\0';
    }
  }
  out += '\0';
  return out;
}

std::optional<ToolbarInfo> ParseToolbarInfo(const char* data, size_t length) {
  if (!data) return std::nullopt;
  const char* const end = data + length;
  // The zero byte that ends the string at `text`, or null when the data
  // ends first.
  auto stringEnd = [end](const char* text) {
    return static_cast<const char*>(std::memchr(text, 0, end - text));
  };

  const char* zero = stringEnd(data);
  if (!zero) return std::nullopt;
  ToolbarInfo info;
  info.kind = ParseInfoKind(data);
  if (info.kind == 0) return std::nullopt;
  if (info.kind != kKindCustom) return info;

  try {
    for (const char* text = zero + 1;; text = zero + 1) {
      if (text == end) return std::nullopt;  // no final empty string
      if (*text == 0) break;
      zero = stringEnd(text);
      if (!zero) return std::nullopt;
      const int type = ParseEntryType(text);
      if (type == 0) return std::nullopt;
      // A space or a new line has no name: anything after its marker is
      // skipped.
      info.entries.push_back(
          {type, IsFileEntry(type) ? std::string(text + 1, zero) : ""});
    }
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  return info;
}

}  // namespace qv
