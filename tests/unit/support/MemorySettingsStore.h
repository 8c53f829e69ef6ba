// tests/unit/support/MemorySettingsStore.h: the settings' values kept in
// memory, with every value a save writes or removes recorded by name, so a
// test can see exactly what a change stored.
#pragma once

#include <windows.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "settings/SettingsStore.h"
#include "settings/ValueStore.h"
#include "settings/portable/StoredSettings.h"

class MemorySettingsStore : public ISettingsStore,
                            private CValueStore,
                            private qv::StoredValues {
 public:
  int Load(CBarSettings& settings) override { return settings.Load(*this); }
  int Save(const CBarSettings& settings,
           const qv::SettingsWrite& what) override {
    return settings.Save(static_cast<CValueStore&>(*this), what);
  }

  // Stores `settings` whole, as an earlier run would have, and forgets the
  // writes.
  void Fill(const CBarSettings& settings) {
    Save(settings, qv::SettingsWrite::All());
    written.clear();
  }
  void SetDword(const char* name, std::uint32_t value) {
    values[name].assign(reinterpret_cast<const unsigned char*>(&value),
                        reinterpret_cast<const unsigned char*>(&value) + 4);
  }

  std::map<std::string, std::vector<unsigned char>> values;
  std::vector<std::string> written;  // names written or removed, in order
  int reads = 0;                     // values asked for

 private:
  bool ReadDword(const char* name, std::uint32_t* value) override {
    ++reads;
    auto found = values.find(name);
    if (found == values.end() || found->second.size() != 4) return false;
    std::memcpy(value, found->second.data(), 4);
    return true;
  }
  Found Read(const char* name, DWORD* type,
             std::vector<unsigned char>* data) override {
    ++reads;
    auto found = values.find(name);
    if (found == values.end()) return Found::kMissing;
    *type = REG_BINARY;  // the types are not kept
    *data = found->second;
    return Found::kValue;
  }
  bool Write(const char* name, DWORD, const void* data, DWORD size) override {
    const auto* bytes = static_cast<const unsigned char*>(data);
    values[name].assign(bytes, bytes + size);
    written.push_back(name);
    return true;
  }
  bool Remove(const char* name) override {
    written.push_back(name);
    return values.erase(name) != 0;
  }
  bool Read(const char* name, std::vector<unsigned char>& data) override {
    ++reads;
    auto found = values.find(name);
    if (found == values.end()) return false;
    data = found->second;
    return true;
  }
};
