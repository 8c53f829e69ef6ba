// tests/unit/support/ScratchRegistry.h: points HKEY_CURRENT_USER of the test
// process at an empty scratch key for as long as the object lives, so tests
// of the bar's settings never touch the prefix's real ones.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Handles.h"
#include "tests/support/BaselineOptions.h"

class ScratchCurrentUser {
 public:
  explicit ScratchCurrentUser(const char* name = "Quorvane Unit Scratch")
      : m_path(std::string("Software\\") + name) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());  // a crashed run's
    ::RegCreateKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, nullptr, 0,
                      KEY_ALL_ACCESS, nullptr, m_scratch.put(), nullptr);
    ::RegOverridePredefKey(HKEY_CURRENT_USER, m_scratch.get());
  }
  ScratchCurrentUser(const ScratchCurrentUser&) = delete;
  ScratchCurrentUser& operator=(const ScratchCurrentUser&) = delete;
  ~ScratchCurrentUser() {
    ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    m_scratch.reset();
    ::RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
  }

  // Writes a DWORD into the bar's settings key (inside the scratch key),
  // creating the key when missing.
  void SetDword(const char* name, DWORD value) const {
    qv::UniqueHKey key;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Veltmark\\Quorvane 1.5",
                          0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(),
                          nullptr) != ERROR_SUCCESS)
      return;
    ::RegSetValueExA(key.get(), name, 0, REG_DWORD,
                     reinterpret_cast<const BYTE*>(&value), sizeof value);
  }

  // Writes every option the settings load reads before the toolbar list,
  // with the defaults a user gets, but no title screen and no first run.
  void WriteBaseline() const {
    for (const auto& option : testsupport::kBaselineOptions)
      SetDword(option.name, option.value);
  }

 private:
  std::string m_path;
  qv::UniqueHKey m_scratch;
};
