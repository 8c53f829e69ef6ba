// toolbar/ButtonFont.cpp: making the button font.
#include "toolbar/ButtonFont.h"

#include <cstring>

#include "toolbar/portable/FontSpec.h"

namespace {

// A translation may name a face and size that suit its script here.
constexpr UINT IDS_BUTTON_FONT = 62000;
constexpr int kDefaultPoints = 8;

}  // namespace

qv::UniqueHFont CreateButtonFont() {
  char text[128] = {};
  qv::FontSpec spec;
  const bool custom = ::LoadStringA(::GetModuleHandleA(nullptr),
                                    IDS_BUTTON_FONT, text, sizeof text) > 0 &&
                      qv::ParseFontSpec(text, kDefaultPoints, &spec);
  if (!custom) {
    if (::GetSystemMetrics(SM_DBCSENABLED)) return {};
    std::strcpy(spec.face, "MS Sans Serif");
    spec.points = kDefaultPoints;
  }
  int pixelsPerInch = 96;
  if (qv::WindowDC screen(nullptr); screen)
    pixelsPerInch = ::GetDeviceCaps(screen.get(), LOGPIXELSY);

  LOGFONTA font{};
  font.lfHeight = -::MulDiv(spec.points, pixelsPerInch, 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  static_assert(sizeof spec.face == sizeof font.lfFaceName);
  std::memcpy(font.lfFaceName, spec.face, sizeof spec.face);
  return qv::UniqueHFont(::CreateFontIndirectA(&font));
}
