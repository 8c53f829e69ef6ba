// settings/portable/SettingsWrite.h: which stored values a save writes, so
// that a change stores only what it changed and a failed write cannot touch
// values that were not part of it.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "settings/portable/StoredSettings.h"

namespace qv {

struct SettingsWrite {
  // One toolbar's values, by bit.
  enum ToolbarValue : std::uint32_t {
    kFolder = 1,  // "Fldr N"
    kInfo = 2,    // "Toolbar Info N"
    kOrder = 4,   // "Fldr Ordr N"
  };

  std::uint32_t options = 0;  // bit StoredOption for each option
  bool monitor = false;
  bool hotKey = false;
  bool browseMenus = false;
  // The toolbars from this index on, "No. of Folders", and the removal of
  // the values past the count; -1 for none.
  int toolbarsFrom = -1;
  // One toolbar's values (`toolbarValues`), when the list keeps its length.
  int toolbar = -1;
  std::uint32_t toolbarValues = 0;
  bool hiddenTypes = false;

  static SettingsWrite All() {
    SettingsWrite all;
    all.options = (1u << kOptionCount) - 1;
    all.monitor = all.hotKey = all.browseMenus = all.hiddenTypes = true;
    all.toolbarsFrom = 0;
    return all;
  }
  static SettingsWrite Options(std::initializer_list<StoredOption> names) {
    SettingsWrite write;
    for (StoredOption name : names) write.options |= 1u << name;
    return write;
  }
  static SettingsWrite Toolbars(int from) {
    SettingsWrite write;
    write.toolbarsFrom = from;
    return write;
  }
  static SettingsWrite OneToolbar(int index, std::uint32_t values) {
    SettingsWrite write;
    write.toolbar = index;
    write.toolbarValues = values;
    return write;
  }

  bool HasOption(StoredOption name) const {
    return (options >> name & 1u) != 0;
  }
  bool Empty() const {
    return options == 0 && !monitor && !hotKey && !browseMenus &&
           toolbarsFrom < 0 && (toolbar < 0 || toolbarValues == 0) &&
           !hiddenTypes;
  }

  // Both writes: a second single toolbar, or one inside the list written,
  // widens to the list from the lower index.
  SettingsWrite& operator|=(const SettingsWrite& other) {
    options |= other.options;
    monitor = monitor || other.monitor;
    hotKey = hotKey || other.hotKey;
    browseMenus = browseMenus || other.browseMenus;
    hiddenTypes = hiddenTypes || other.hiddenTypes;
    auto lower = [](int a, int b) {
      return a < 0 ? b : b < 0 || a < b ? a : b;
    };
    toolbarsFrom = lower(toolbarsFrom, other.toolbarsFrom);
    if (other.toolbar >= 0 && other.toolbarValues != 0) {
      if (toolbar < 0 || toolbarValues == 0 || toolbar == other.toolbar) {
        toolbar = other.toolbar;
        toolbarValues |= other.toolbarValues;
      } else {
        toolbarsFrom = lower(toolbarsFrom, lower(toolbar, other.toolbar));
        toolbar = -1;
        toolbarValues = 0;
      }
    }
    if (toolbarsFrom >= 0 && toolbar >= toolbarsFrom) {
      toolbar = -1;
      toolbarValues = 0;
    }
    return *this;
  }
};

}  // namespace qv
