// framework/portable/DpiScale.h: sizes designed for 96 dots per inch, scaled
// for a monitor's DPI the way MulDiv rounds (halves away from zero), so that
// every window that scales a size gets the same pixels for it.
#pragma once

namespace qv {

constexpr int kBaseDpi = 96;

// `value` pixels at `from` DPI, in pixels at `to` DPI. A DPI of 0 or less is
// taken as the base.
constexpr int ScaleBetween(int value, int from, int to) {
  if (from <= 0) from = kBaseDpi;
  if (to <= 0) to = kBaseDpi;
  const long long product = static_cast<long long>(value) * to;
  const long long half = from / 2;
  return static_cast<int>(product >= 0 ? (product + half) / from
                                       : (product - half) / from);
}

// A size designed for 96 DPI, at `dpi`.
constexpr int ScaleForDpi(int value, int dpi) {
  return ScaleBetween(value, kBaseDpi, dpi);
}

}  // namespace qv
