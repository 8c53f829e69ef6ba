// toolbar/ToolbarItemArray.h: one toolbar's array of ToolbarItem records, as
// the main window keeps it: room for kItemArrayCapacity zeroed records; the
// filled ones own their name buffer and their relative ID list.
#pragma once

#include <memory>

#include "toolbar/ToolbarItem.h"

struct ToolbarItemsDeleter {
  // Frees every record's name and ID list, then the array.
  void operator()(ToolbarItem* items) const;
};

using ToolbarItemArray = std::unique_ptr<ToolbarItem[], ToolbarItemsDeleter>;

// A new array of zeroed records, or null when memory runs out.
ToolbarItemArray NewToolbarItemArray();
