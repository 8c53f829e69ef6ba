// tests/e2e/harness/SettingsKey.h: the bar's settings key in the test
// prefix, HKEY_CURRENT_USER\Software\Veltmark\Quorvane 1.5.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

class SettingsKey {
 public:
  static constexpr const char* kPath = "Software\\Veltmark\\Quorvane 1.5";

  // Removes the key with everything in it (the "Veltmark" level stays).
  static void Delete();
  static bool Exists();
  // Writes every option with a user's defaults, but no title screen and no
  // first run, and no toolbars: a started bar is usable at once.
  static void CreateQuiet();

  static void SetDword(const char* name, DWORD value);
  static std::optional<DWORD> GetDword(const char* name);
  static void SetBinary(const char* name, const std::vector<BYTE>& data);
  static std::optional<std::vector<BYTE>> GetBinary(const char* name);
  static void SetString(const char* name, const std::string& value);
  static void DeleteValue(const char* name);
  // Stores toolbar `index` as a normal toolbar on `folder`, sorted by name
  // ("Fldr", "Toolbar Info" and "Fldr Ordr" with the index); false when the
  // shell cannot parse the folder's path.
  static bool StoreToolbar(int index, const std::string& folder);
};

}  // namespace e2e
