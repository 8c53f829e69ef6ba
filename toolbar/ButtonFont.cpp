// toolbar/ButtonFont.cpp: making the button font.
#include "toolbar/ButtonFont.h"

#include <cstring>

#include "framework/CodePage.h"
#include "toolbar/portable/FontDescription.h"

namespace {

// A translation may name a face and size that suit its script here.
constexpr UINT IDS_BUTTON_FONT = 62000;
constexpr int kDefaultPoints = 8;

}  // namespace

qv::UniqueHFont CreateButtonFont(int dpi) {
  char text[128] = {};
  qv::FontDescription description;
  const bool custom =
      ::LoadStringA(::GetModuleHandleA(nullptr), IDS_BUTTON_FONT, text,
                    sizeof text) > 0 &&
      qv::ParseFontDescription(text, kDefaultPoints, &description);
  if (!custom) {
    if (qv::IsDoubleByteSystem()) return {};
    std::strcpy(description.face, "MS Sans Serif");
    description.points = kDefaultPoints;
  }
  LOGFONTA font{};
  font.lfHeight = -::MulDiv(description.points, dpi, 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  static_assert(sizeof description.face == sizeof font.lfFaceName);
  std::memcpy(font.lfFaceName, description.face, sizeof description.face);
  return qv::UniqueHFont(::CreateFontIndirectA(&font));
}
