// toolbar/ToolbarItemArray.cpp
#include "toolbar/ToolbarItemArray.h"

#include <new>

void ToolbarItemsDeleter::operator()(ToolbarItem* items) const {
  for (size_t i = 0; i < kItemArrayCapacity; ++i) {
    delete[] items[i].pszText;
    ::CoTaskMemFree(reinterpret_cast<void*>(items[i].lParam));
  }
  delete[] items;
}

ToolbarItemArray NewToolbarItemArray() {
  return ToolbarItemArray(new (std::nothrow) ToolbarItem[kItemArrayCapacity]());
}
