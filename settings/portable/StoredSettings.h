// settings/portable/StoredSettings.h: what a settings load reads, free of
// Win32: which stored values in which order, how each is decoded, and where a
// missing or malformed one ends the load. The values come through
// StoredValues: the registry key's in the program, a fake one in the fuzz
// target (tests/fuzz).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/portable/ToolbarInfo.h"

namespace qv {

// The options stored as "First Time" to "Show All Files", in stored order,
// each a 4-byte value.
enum StoredOption : int {
  kOptFirstTime,
  kOptAlignment,
  kOptBrowseSeparate,
  kOptAutoHide,
  kOptColumns,
  kOptRows,
  kOptCurrentTab,
  kOptShowTabs,
  kOptSmallIcons,
  kOptAlwaysOnTop,
  kOptAnimate,
  kOptShowTitle,
  kOptMaxChars,
  kOptHorzScrollPos,
  kOptVertScrollPos,
  kOptShowAllFiles,
  kOptionCount
};

// Each option's value name, by StoredOption.
inline constexpr const char* kOptionNames[kOptionCount] = {
    "First Time",        "Alignment",       "Browse Separate",
    "Auto Hide",         "Columns",         "Rows",
    "Current Tab",       "Show Tabs",       "Small Icons",
    "Always On Top",     "Animate",         "Show Title",
    "Max. No. of Chars", "Horz Scroll Pos", "Vert Scroll Pos",
    "Show All Files",
};

constexpr char kFolderCountName[] = "No. of Folders";
constexpr char kHiddenTypeCountName[] = "No. of hidden types";
// Values added after the first release: a key without them loads as before.
constexpr char kMonitorName[] = "Monitor";
constexpr char kHotKeyName[] = "Hot Key";
// Folders open as menus of their items (1) rather than as "Browse Separate"
// says; kept apart from that value so that a key read by an older bar still
// browses as it did.
constexpr char kBrowseMenusName[] = "Browse Menus";
// A monitor's device name has at most 32 characters; a longer value was not
// written by us.
constexpr size_t kMonitorValueSize = 64;

// The stored values, by name.
class StoredValues {
 public:
  virtual ~StoredValues() = default;
  // The whole data of value `name`, whatever its type and size; false when
  // it is missing or cannot be read. May throw std::bad_alloc.
  virtual bool Read(const char* name, std::vector<unsigned char>& data) = 0;
};

// One toolbar as read: its folder, validated, and cut to the list's bytes.
struct StoredToolbar {
  std::vector<unsigned char> folder;  // a well-formed list, terminator last
  std::uint32_t sortOrder = 0;
  ToolbarInfo info;
};

// What a load read, up to the first value missing or malformed.
struct StoredSettings {
  // options[0 .. optionsRead) were read, in StoredOption order, each as
  // DecodeOption makes it.
  std::array<std::uint32_t, kOptionCount> options{};
  int optionsRead = 0;
  // The monitor's device name, empty when missing or malformed (the
  // primary); the hot key, when stored and usable (IsUsableHotKey).
  std::string monitor;
  bool hotKeyRead = false;
  std::uint32_t hotKey = 0;
  // "Browse Menus" as a flag, 0 when missing.
  std::uint32_t browseMenus = 0;
  // "No. of Folders" was read (after every option): the toolbars and hidden
  // types below replace the loaded ones, even when the load ends early.
  bool listsRead = false;
  // The toolbars, then the hidden types, up to the first missing or
  // malformed value. The stored counts are untrusted: nothing is reserved
  // from them.
  std::vector<StoredToolbar> toolbars;
  std::vector<std::string> hiddenTypes;
  // Every value was there and well-formed.
  bool complete = false;
};

// Option `option` as the bar holds it, from the stored number: Alignment an
// edge's number (0 to 3; a number past the four is the bottom); a flag 0 or
// 1, so that every part of the bar (its drawing, its menus' checks and
// toggles) takes it the same way: "First Time", "Show Tabs", "Small Icons",
// "Animate" and "Show Title" are on only when 1, the other flags for
// anything but 0; the numbers as they are (the layout bounds them as it
// shows them).
std::uint32_t DecodeOption(StoredOption option, std::uint32_t stored);

// The stored hot key's modifier flags (a hot-key control's HOTKEYF_*, and
// one of ours for the Windows key, which that control cannot give).
constexpr std::uint32_t kHotKeyShift = 0x01;
constexpr std::uint32_t kHotKeyControl = 0x02;
constexpr std::uint32_t kHotKeyAlt = 0x04;
constexpr std::uint32_t kHotKeyExtended = 0x08;
constexpr std::uint32_t kHotKeyWin = 0x10;

// Whether the stored "Hot Key" may be registered as it is: 0 (none), or a key
// with Ctrl, Alt or Win, or one of F1 to F24 with any modifiers. A plain or
// shifted key would be taken from every program that types it.
bool IsUsableHotKey(std::uint32_t stored);

// Reads the settings from `values`. Never throws: memory running out ends
// the load like a missing value.
StoredSettings ReadStoredSettings(StoredValues& values);

// The toolbar "Current Tab" shows among `count` toolbars: the stored one,
// pulled back to the first or last; with no toolbar the stored value stays.
int ShownCurrentTab(int stored, int count);

}  // namespace qv
