// framework/Dpi.cpp: DPI queries, per monitor where the system has them.
#include "framework/Dpi.h"

#include "framework/Handles.h"
#include "framework/portable/DpiScale.h"

namespace qv {
namespace {

using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

void ReleaseLibrary(HMODULE module) { ::FreeLibrary(module); }

template <typename Fn>
Fn Lookup(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Fn>(
                      reinterpret_cast<void*>(::GetProcAddress(module, name)))
                : nullptr;
}

}  // namespace

int SystemDpi() {
  const WindowDC screen(nullptr);
  const int dpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : kBaseDpi;
}

int MonitorDpi(HMONITOR monitor) {
  // Loaded once and kept: it is asked again whenever the monitors change.
  static const UniqueHandle<HMODULE, ReleaseLibrary> shcore(
      ::LoadLibraryA("shcore.dll"));
  static const auto getDpi =
      Lookup<GetDpiForMonitorFn>(shcore.get(), "GetDpiForMonitor");
  UINT x = 0, y = 0;
  if (getDpi && monitor && SUCCEEDED(getDpi(monitor, kEffectiveDpi, &x, &y)) &&
      y > 0)
    return static_cast<int>(y);
  return SystemDpi();
}

int MetricForDpi(int index, int dpi) {
  static const auto forDpi = Lookup<GetSystemMetricsForDpiFn>(
      ::GetModuleHandleA("user32.dll"), "GetSystemMetricsForDpi");
  if (forDpi && dpi > 0) return forDpi(index, static_cast<UINT>(dpi));
  return ScaleBetween(::GetSystemMetrics(index), SystemDpi(), dpi);
}

}  // namespace qv
