// bar/BusyScope.h: the bar's busy state for the length of a rebuild: the
// busy flag set and the wait cursor shown, both undone on every way out.
#pragma once

#include <windows.h>

class BusyScope {
 public:
  explicit BusyScope(int& busy)
      : m_busy(busy),
        m_previousCursor(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {
    m_busy = 1;
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;
  ~BusyScope() {
    ::SetCursor(m_previousCursor);
    m_busy = 0;
  }

 private:
  int& m_busy;
  HCURSOR m_previousCursor;
};
