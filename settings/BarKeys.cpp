// settings/BarKeys.cpp: listing, making and removing further bars' keys.
#include "settings/BarKeys.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "framework/Handles.h"
#include "settings/BarSettings.h"
#include "settings/portable/BarKeyNames.h"

namespace {

// The numbers of the stored further bars, in order.
std::vector<int> StoredBarNumbers() {
  std::vector<int> numbers;
  const std::string path =
      std::string(CBarSettings::kKeyPath) + "\\" + qv::kBarsKeyName;
  qv::UniqueHKey bars;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ,
                      bars.put()) != ERROR_SUCCESS)
    return numbers;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD size = sizeof name;
    const LONG result = ::RegEnumKeyExA(bars.get(), i, name, &size, nullptr,
                                        nullptr, nullptr, nullptr);
    if (result == ERROR_MORE_DATA) continue;  // too long to be a number
    if (result != ERROR_SUCCESS) break;
    if (const std::optional<int> number =
            qv::BarNumber(std::string(name, size)))
      numbers.push_back(*number);
  }
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

}  // namespace

std::vector<std::string> StoredBarKeys() {
  std::vector<std::string> keys;
  for (int number : StoredBarNumbers()) keys.push_back(qv::BarKeyPath(number));
  return keys;
}

std::string CreateBarKey() {
  // Only below an existing first bar's key: nothing else makes that.
  qv::UniqueHKey first;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, CBarSettings::kKeyPath, 0,
                      KEY_CREATE_SUB_KEY, first.put()) != ERROR_SUCCESS)
    return {};
  const std::string path =
      qv::BarKeyPath(qv::FreeBarNumber(StoredBarNumbers()));
  qv::UniqueHKey key;
  DWORD disposition = 0;
  if (::RegCreateKeyExA(first.get(), path.c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        key.put(), &disposition) != ERROR_SUCCESS ||
      disposition != REG_CREATED_NEW_KEY)
    return {};
  return path;
}

bool DeleteBarKey(const std::string& barKey) {
  if (barKey.empty()) return false;  // never the first bar's own
  const std::string path = std::string(CBarSettings::kKeyPath) + "\\" + barKey;
  const LONG result = ::RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}
