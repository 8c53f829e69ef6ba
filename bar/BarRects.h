// bar/BarRects.h: between Win32 rectangles and the bar's geometry, and a
// monitor's metrics at a DPI as the geometry needs them.
#pragma once

#include <windows.h>

#include "bar/portable/BarGeometry.h"
#include "framework/Dpi.h"

inline qv::Rect ToRect(const RECT& rc) {
  return {rc.left, rc.top, rc.right, rc.bottom};
}

inline RECT ToRECT(const qv::Rect& rc) {
  return {rc.left, rc.top, rc.right, rc.bottom};
}

inline qv::BarMetrics MonitorMetrics(const RECT& monitor, int dpi) {
  qv::BarMetrics m;
  m.screenLeft = monitor.left;
  m.screenTop = monitor.top;
  m.screenWidth = monitor.right - monitor.left;
  m.screenHeight = monitor.bottom - monitor.top;
  m.edgeX = qv::MetricForDpi(SM_CXEDGE, dpi);
  m.edgeY = qv::MetricForDpi(SM_CYEDGE, dpi);
  m.vScrollWidth = qv::MetricForDpi(SM_CXVSCROLL, dpi);
  m.hScrollHeight = qv::MetricForDpi(SM_CYHSCROLL, dpi);
  return m;
}
