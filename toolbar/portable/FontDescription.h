// toolbar/portable/FontDescription.h: a font described as text: a face name,
// optionally followed by a newline and a size in points ("Tahoma\n9").
#pragma once

#include <cstddef>

namespace qv {

// Room for a face name with its terminator, as LOGFONT has it.
constexpr size_t kFontFaceSize = 32;

struct FontDescription {
  char face[kFontFaceSize] = {};
  int points = 0;
};

// 1 and the parts when `text` names a face; a face too long for the room is
// cut, a missing, malformed or unreasonable size leaves `defaultPoints`.
// 0 for null or an empty face.
int ParseFontDescription(const char* text, int defaultPoints,
                         FontDescription* description);

}  // namespace qv
