// settings/SettingsStore.cpp: the registry as the settings' store.
#include "settings/SettingsStore.h"

namespace {

class RegistrySettingsStore : public ISettingsStore {
 public:
  int Load(CBarSettings& settings) override { return settings.Load(); }
  int Save(const CBarSettings& settings,
           const qv::SettingsWrite& what) override {
    return settings.Save(what);
  }
};

}  // namespace

ISettingsStore& RegistrySettings() {
  static RegistrySettingsStore store;
  return store;
}
