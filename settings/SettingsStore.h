// settings/SettingsStore.h: where a bar's settings are loaded from and saved
// to: the registry key for the program, a store in memory for tests that
// count what a change writes.
#pragma once

#include <memory>
#include <string>

#include "settings/BarSettings.h"
#include "settings/portable/SettingsWrite.h"

class ISettingsStore {
 public:
  virtual ~ISettingsStore() = default;
  // As CBarSettings::Load: 0 when a value is missing or malformed.
  virtual int Load(CBarSettings& settings) = 0;
  // Writes the values `what` names; 0 when a write failed.
  virtual int Save(const CBarSettings& settings,
                   const qv::SettingsWrite& what) = 0;
  // The registry key (below HKEY_CURRENT_USER) whose changes by other
  // programs the bar takes in.
  virtual std::string WatchedKey() const { return CBarSettings::kKeyPath; }
};

// HKCU\Software\Veltmark\Quorvane 1.5: the first bar's.
ISettingsStore& RegistrySettings();
// A further bar's sub-key `barKey` of that key.
std::unique_ptr<ISettingsStore> RegistryBarSettings(const std::string& barKey);
