// toolbar/ToolbarItemArray.cpp
#include "toolbar/ToolbarItemArray.h"

#include <new>

#include "framework/Handles.h"

void ToolbarItemsDeleter::operator()(ToolbarItem* items) const {
  for (size_t i = 0; i < kItemArrayCapacity; ++i) {
    delete[] items[i].pszText;
    qv::UniqueIdList list(reinterpret_cast<ITEMIDLIST*>(items[i].lParam));
  }
  delete[] items;
}

ToolbarItemArray NewToolbarItemArray() {
  return ToolbarItemArray(new (std::nothrow) ToolbarItem[kItemArrayCapacity]());
}
