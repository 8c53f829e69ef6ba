// toolbar/ToolbarButton.h: one button of a toolbar as the bar keeps it: a
// shell item of the toolbar's folder, a gap, or a line break.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "framework/Handles.h"

struct ToolbarButton {
  enum class Kind { kItem, kSpace, kNewLine };
  Kind kind = Kind::kItem;
  std::string name;       // display name; empty for a gap or a line break
  int image = 0;          // index in the system image list
  // `image` is the icon of the item's kind, standing in until the item's own
  // icon (a program's, a shortcut's target's...) has been asked for.
  bool ownIcon = false;
  qv::UniqueIdList item;  // one-item list relative to the folder; null for
                          // a gap or a line break
};

using ToolbarButtons = std::vector<ToolbarButton>;

// The most buttons one toolbar shows.
constexpr size_t kMaxToolbarButtons = 1024;
