// bench/e2e/Clock.h: milliseconds on the performance counter, and the median
// of a few repeats of a figure.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace bench {

// A figure that could not be measured (the bar did not show, a process did
// not start).
constexpr double kNotMeasured = -1;

inline double NowMs() {
  LARGE_INTEGER count, frequency;
  ::QueryPerformanceCounter(&count);
  ::QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

// The median of the measured repeats; kNotMeasured when any failed, as a
// figure over fewer runs than asked would not say what it seems to.
inline double Median(std::vector<double> repeats) {
  if (repeats.empty() || std::any_of(repeats.begin(), repeats.end(),
                                     [](double ms) { return ms < 0; }))
    return kNotMeasured;
  std::sort(repeats.begin(), repeats.end());
  return repeats[repeats.size() / 2];
}

}  // namespace bench
