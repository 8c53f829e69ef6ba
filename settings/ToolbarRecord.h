// settings/ToolbarRecord.h: one toolbar as the settings keep it: its folder,
// its sort order and its kind with its custom button list.
#pragma once

#include <windows.h>

#include <optional>

#include "framework/Handles.h"
#include "settings/portable/SortOrder.h"
#include "settings/portable/ToolbarInfo.h"

struct ToolbarRecord {
  qv::UniqueIdList folder;  // absolute, from the shell allocator
  UINT sortOrder = qv::kSortByName;
  ToolbarInfo info;

  // Bytes of the folder's list, its terminator included: what "Fldr %3d"
  // stores.
  UINT FolderSize() const;
  bool IsBrowse() const { return info.kind == qv::kKindBrowse; }
  // Shown in its own button order rather than sorted.
  bool HasCustomOrder() const {
    return info.kind == qv::kKindCustom && sortOrder == qv::kSortCustom;
  }
};

// An independent copy; empty when memory runs out.
std::optional<ToolbarRecord> CopyToolbarRecord(const ToolbarRecord& record);
