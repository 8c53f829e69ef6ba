// settings/SettingsStore.cpp: the registry as the settings' store.
#include "settings/SettingsStore.h"

namespace {

class RegistrySettingsStore : public ISettingsStore {
 public:
  explicit RegistrySettingsStore(std::string barKey = {})
      : m_barKey(std::move(barKey)) {}
  int Load(CBarSettings& settings) override { return settings.Load(m_barKey); }
  int Save(const CBarSettings& settings,
           const qv::SettingsWrite& what) override {
    return settings.Save(what, m_barKey);
  }
  std::string WatchedKey() const override {
    return m_barKey.empty()
               ? std::string(CBarSettings::kKeyPath)
               : std::string(CBarSettings::kKeyPath) + "\\" + m_barKey;
  }

 private:
  std::string m_barKey;  // empty for the first bar
};

}  // namespace

ISettingsStore& RegistrySettings() {
  static RegistrySettingsStore store;
  return store;
}

std::unique_ptr<ISettingsStore> RegistryBarSettings(const std::string& barKey) {
  return std::make_unique<RegistrySettingsStore>(barKey);
}
