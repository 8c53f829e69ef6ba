// tests/e2e/harness/SettingsKey.cpp
#include "tests/e2e/harness/SettingsKey.h"

#include <shlobj.h>

#include <cstdio>

#include "tests/support/BaselineOptions.h"

namespace e2e {
namespace {

HKEY OpenKey(bool create) {
  HKEY key = nullptr;
  if (create) {
    ::RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKey::kPath, 0, nullptr, 0,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr);
  } else {
    ::RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKey::kPath, 0, KEY_ALL_ACCESS,
                    &key);
  }
  return key;
}

struct Key {
  explicit Key(bool create) : handle(OpenKey(create)) {}
  ~Key() {
    if (handle) ::RegCloseKey(handle);
  }
  HKEY handle;
};

}  // namespace

void SettingsKey::Delete() { ::RegDeleteTreeA(HKEY_CURRENT_USER, kPath); }

bool SettingsKey::Exists() { return Key(false).handle != nullptr; }

void SettingsKey::CreateQuiet() {
  for (const auto& option : testsupport::kBaselineOptions)
    SetDword(option.name, option.value);
}

void SettingsKey::SetDword(const char* name, DWORD value) {
  Key key(true);
  ::RegSetValueExA(key.handle, name, 0, REG_DWORD,
                   reinterpret_cast<const BYTE*>(&value), sizeof value);
}

std::optional<DWORD> SettingsKey::GetDword(const char* name) {
  Key key(false);
  DWORD value = 0, size = sizeof value;
  if (!key.handle || ::RegQueryValueExA(key.handle, name, nullptr, nullptr,
                                        reinterpret_cast<BYTE*>(&value),
                                        &size) != ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

void SettingsKey::SetBinary(const char* name, const std::vector<BYTE>& data) {
  Key key(true);
  ::RegSetValueExA(key.handle, name, 0, REG_BINARY, data.data(),
                   static_cast<DWORD>(data.size()));
}

std::optional<std::vector<BYTE>> SettingsKey::GetBinary(const char* name) {
  Key key(false);
  DWORD size = 0;
  if (!key.handle || ::RegQueryValueExA(key.handle, name, nullptr, nullptr,
                                        nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  std::vector<BYTE> data(size);
  if (::RegQueryValueExA(key.handle, name, nullptr, nullptr, data.data(),
                         &size) != ERROR_SUCCESS)
    return std::nullopt;
  data.resize(size);
  return data;
}

void SettingsKey::SetString(const char* name, const std::string& value) {
  Key key(true);
  ::RegSetValueExA(key.handle, name, 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}

void SettingsKey::DeleteValue(const char* name) {
  Key key(false);
  if (key.handle) ::RegDeleteValueA(key.handle, name);
}

bool SettingsKey::StoreToolbar(int index, const std::string& folder) {
  LPITEMIDLIST list = nullptr;
  const std::wstring wide(folder.begin(), folder.end());
  if (FAILED(::SHParseDisplayName(wide.c_str(), nullptr, &list, 0, nullptr)))
    return false;
  const auto* bytes = reinterpret_cast<const BYTE*>(list);
  char name[32];
  std::snprintf(name, sizeof name, "Fldr %3d", index);
  SetBinary(name, std::vector<BYTE>(bytes, bytes + ::ILGetSize(list)));
  ::CoTaskMemFree(list);
  std::snprintf(name, sizeof name, "Toolbar Info %3d", index);
  SetBinary(name, {'N', 0, 0});
  std::snprintf(name, sizeof name, "Fldr Ordr %3d", index);
  SetDword(name, 1);
  return true;
}

}  // namespace e2e
