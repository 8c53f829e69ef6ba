// settings/ToolbarRecord.cpp: a toolbar record's derived size and its copy.
#include "settings/ToolbarRecord.h"

#include <cstring>
#include <new>

#include "shell/portable/IdListBytes.h"

UINT ToolbarRecord::FolderSize() const {
  if (!folder) return 0;
  return static_cast<UINT>(qv::IdListBytesSize(
      reinterpret_cast<const unsigned char*>(folder.get())));
}

std::optional<ToolbarRecord> CopyToolbarRecord(const ToolbarRecord& record) {
  try {
    ToolbarRecord copy;
    const UINT size = record.FolderSize();
    if (size == 0) return std::nullopt;
    copy.folder.reset(static_cast<ITEMIDLIST*>(::CoTaskMemAlloc(size)));
    if (!copy.folder) return std::nullopt;
    std::memcpy(copy.folder.get(), record.folder.get(), size);
    copy.sortOrder = record.sortOrder;
    copy.info = record.info;
    return copy;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}
