// toolbar/portable/FontDescription.cpp: reading a face name and point size.
#include "toolbar/portable/FontDescription.h"

namespace qv {
namespace {

// Sizes beyond this are taken for damage, not for a wish.
constexpr int kMaxPoints = 72;

}  // namespace

int ParseFontDescription(const char* text, int defaultPoints,
                         FontDescription* description) {
  if (!text || !description) return 0;
  size_t n = 0;
  while (text[n] && text[n] != '\n' && text[n] != '\r') {
    if (n + 1 < kFontFaceSize) description->face[n] = text[n];
    ++n;
  }
  description->face[n < kFontFaceSize ? n : kFontFaceSize - 1] = '\0';
  if (n == 0) return 0;

  description->points = defaultPoints;
  const char* size = text + n;
  while (*size == '\n' || *size == '\r' || *size == ' ') ++size;
  int points = 0;
  bool digits = false;
  for (; *size >= '0' && *size <= '9'; ++size) {
    digits = true;
    points = points * 10 + (*size - '0');
    if (points > kMaxPoints) return 1;
  }
  if (digits && points > 0 && (*size == '\0' || *size == ' '))
    description->points = points;
  return 1;
}

}  // namespace qv
