// settings/portable/StoredSettings.cpp: reading and decoding the stored
// settings values.
#include "settings/portable/StoredSettings.h"

#include <algorithm>
#include <new>
#include <optional>
#include <utility>

#include "settings/portable/Edge.h"
#include "settings/portable/SettingsValues.h"
#include "shell/portable/IdListBytes.h"

namespace qv {

namespace {

using Bytes = std::vector<unsigned char>;

bool ReadDword(StoredValues& values, const char* name, std::uint32_t* value) {
  Bytes data;
  return values.Read(name, data) &&
         DecodeDword(data.data(), data.size(), value);
}

// Toolbar `index` as stored: its folder, its info and its sort order. False
// when a value is missing or malformed.
bool ReadToolbar(StoredValues& values, int index, StoredToolbar& toolbar) {
  char name[kValueNameSize];
  Bytes data;

  FolderValueName(name, index);
  if (!values.Read(name, data)) return false;
  const size_t size = ValidIdListSize(data.data(), data.size());
  if (size == 0) return false;
  data.resize(size);
  toolbar.folder = std::move(data);

  ToolbarInfoValueName(name, index);
  if (!values.Read(name, data)) return false;
  std::optional<ToolbarInfo> info =
      ParseToolbarInfo(reinterpret_cast<const char*>(data.data()), data.size());
  if (!info) return false;
  toolbar.info = std::move(*info);

  FolderOrderValueName(name, index);
  return ReadDword(values, name, &toolbar.sortOrder);
}

// Fills `s` up to the first missing or malformed value; true when all were
// there.
bool ReadInto(StoredValues& values, StoredSettings& s) {
  for (int i = 0; i < kOptionCount; ++i) {
    std::uint32_t value;
    if (!ReadDword(values, kOptionNames[i], &value)) return false;
    s.options[i] = DecodeOption(static_cast<StoredOption>(i), value);
    s.optionsRead = i + 1;
  }
  // None of the later values ends the load when it is missing.
  Bytes monitor;
  if (values.Read(kMonitorName, monitor) && monitor.size() <= kMonitorValueSize)
    s.monitor.assign(monitor.begin(),
                     std::find(monitor.begin(), monitor.end(), 0));
  s.hotKeyRead =
      ReadDword(values, kHotKeyName, &s.hotKey) && IsUsableHotKey(s.hotKey);
  std::uint32_t menus = 0;
  s.browseMenus = ReadDword(values, kBrowseMenusName, &menus) && menus != 0;
  std::uint32_t folderCount;
  if (!ReadDword(values, kFolderCountName, &folderCount)) return false;
  s.listsRead = true;

  // The count is untrusted too: the loop ends at the first missing toolbar.
  for (std::uint32_t i = 0; i < folderCount; ++i) {
    StoredToolbar toolbar;
    if (!ReadToolbar(values, static_cast<int>(i), toolbar)) return false;
    s.toolbars.push_back(std::move(toolbar));
  }

  std::uint32_t typeCount;
  if (!ReadDword(values, kHiddenTypeCountName, &typeCount)) return false;
  for (std::uint32_t j = 0; j < typeCount; ++j) {
    char name[kValueNameSize];
    FileTypeValueName(name, static_cast<int>(j));
    Bytes data;
    std::string text;
    if (!values.Read(name, data) ||
        !DecodeHiddenType(data.data(), data.size(), &text))
      return false;
    s.hiddenTypes.push_back(std::move(text));
  }
  return true;
}

}  // namespace

std::uint32_t DecodeOption(StoredOption option, std::uint32_t stored) {
  switch (option) {
    case kOptAlignment:
      return EdgeNumber(EdgeFromNumber(stored));
    // Flags the bar takes as on only when they are 1.
    case kOptFirstTime:
    case kOptShowTabs:
    case kOptSmallIcons:
    case kOptAnimate:
    case kOptShowTitle:
      return stored == 1 ? 1 : 0;
    // Flags the bar takes as on for anything but 0.
    case kOptBrowseSeparate:
    case kOptAutoHide:
    case kOptAlwaysOnTop:
    case kOptShowAllFiles:
      return stored != 0 ? 1 : 0;
    default:
      return stored;
  }
}

bool IsUsableHotKey(std::uint32_t stored) {
  constexpr std::uint32_t kVkF1 = 0x70, kVkF24 = 0x87;
  const std::uint32_t key = stored & 0xFF;
  const std::uint32_t modifiers = stored >> 8;
  if (stored == 0) return true;
  const std::uint32_t known =
      kHotKeyShift | kHotKeyControl | kHotKeyAlt | kHotKeyExtended | kHotKeyWin;
  if (key == 0 || (modifiers & ~known) != 0) return false;
  return (key >= kVkF1 && key <= kVkF24) ||
         (modifiers & (kHotKeyControl | kHotKeyAlt | kHotKeyWin)) != 0;
}

StoredSettings ReadStoredSettings(StoredValues& values) {
  StoredSettings s;
  try {
    s.complete = ReadInto(values, s);
  } catch (const std::bad_alloc&) {
    s.complete = false;
  }
  return s;
}

int ShownCurrentTab(int stored, int count) {
  if (count <= 0) return stored;
  return stored >= count ? count - 1 : (stored < 0 ? 0 : stored);
}

}  // namespace qv
