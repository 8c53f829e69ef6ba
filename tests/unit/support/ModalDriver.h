// tests/unit/support/ModalDriver.h: drives a modal dialog or sheet from
// inside its own message loop: a thread timer calls a step until it reports
// that it is done, so the test sees and presses the real window.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

class ModalDriver {
 public:
  // `step` runs on each tick (every 20 ms) until it returns true; it finds
  // its window itself and answers false while that is not up yet.
  explicit ModalDriver(std::function<bool()> step) : m_step(std::move(step)) {
    s_current = this;
    m_timer = ::SetTimer(nullptr, 0, 20, &ModalDriver::OnTick);
  }
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;
  ~ModalDriver() {
    if (m_timer) ::KillTimer(nullptr, m_timer);
    s_current = nullptr;
  }

  bool Done() const { return m_done; }

 private:
  static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    ModalDriver* self = s_current;
    // A step's own nested loops tick too; they wait for it.
    if (!self || self->m_done || self->m_running) return;
    self->m_running = true;
    self->m_done = self->m_step();
    self->m_running = false;
    if (self->m_done && self->m_timer) {
      ::KillTimer(nullptr, self->m_timer);
      self->m_timer = 0;
    }
  }

  static inline ModalDriver* s_current = nullptr;
  std::function<bool()> m_step;
  UINT_PTR m_timer = 0;
  bool m_running = false;
  bool m_done = false;
};
