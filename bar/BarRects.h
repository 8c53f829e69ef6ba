// bar/BarRects.h: between Win32 rectangles and the bar's geometry, and the
// screen's metrics as the geometry needs them.
#pragma once

#include <windows.h>

#include "bar/portable/BarGeometry.h"

inline qv::Rect ToRect(const RECT& rc) {
  return {rc.left, rc.top, rc.right, rc.bottom};
}

inline RECT ToRECT(const qv::Rect& rc) {
  return {rc.left, rc.top, rc.right, rc.bottom};
}

inline qv::BarMetrics ScreenMetrics() {
  qv::BarMetrics m;
  m.screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
  m.screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
  m.edgeX = ::GetSystemMetrics(SM_CXEDGE);
  m.edgeY = ::GetSystemMetrics(SM_CYEDGE);
  m.vScrollWidth = ::GetSystemMetrics(SM_CXVSCROLL);
  m.hScrollHeight = ::GetSystemMetrics(SM_CYHSCROLL);
  return m;
}
