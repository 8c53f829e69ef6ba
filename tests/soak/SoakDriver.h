// tests/soak/SoakDriver.h: drives the real bar at random from a seed, as a
// person would, and checks every few actions that it is still usable.
#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <random>
#include <string>

#include "tests/e2e/harness/BarProcess.h"
#include "tests/soak/OutsideCounters.h"

class SoakDriver {
 public:
  explicit SoakDriver(uint32_t seed);
  SoakDriver(const SoakDriver&) = delete;
  SoakDriver& operator=(const SoakDriver&) = delete;
  ~SoakDriver();

  // Writes the settings (an auto-hide, animated bar with a few toolbars)
  // and starts the bar; false when it does not come up.
  bool Start();
  // Random actions for `seconds`; false at the first failed check.
  bool Run(int seconds);
  // Closes the sheet, compares the counters with those after the warm-up,
  // exits by the menu, starts the bar again and checks its toolbars.
  bool Finish();

  // Why the soak failed: the seed, the action number and the last actions.
  const std::string& Failure() const { return m_failure; }
  long Actions() const { return m_actions; }

 private:
  uint32_t Next(uint32_t below) { return m_rng() % below; }
  void Note(const std::string& action);
  bool Fail(const std::string& what);

  void OneAction();
  void PostCommand();
  void ClickTab();
  void MoveOn();
  void MoveOff();
  void SendNotice();
  void OpenCustomize();
  void PageSheet();
  bool CloseSheet();
  // The bar exists, answers within a few seconds and shows no message box.
  bool Check();

  HWND Sheet() const;
  HWND Bar() const { return m_bar->Window(); }
  OutsideCounters Counters() const;

  uint32_t m_seed;
  std::mt19937 m_rng;
  std::unique_ptr<e2e::BarProcess> m_bar;
  HANDLE m_process = nullptr;  // the bar's, for its counters
  long m_actions = 0;
  std::deque<std::string> m_recent;
  std::string m_failure;
  OutsideCounters m_baseline;
};
