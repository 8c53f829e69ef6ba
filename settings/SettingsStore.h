// settings/SettingsStore.h: where the bar's settings are loaded from and
// saved to: the registry key for the program, a store in memory for tests
// that count what a change writes.
#pragma once

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
};

// HKCU\Software\Veltmark\Quorvane 1.5.
ISettingsStore& RegistrySettings();
