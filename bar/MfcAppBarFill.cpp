// bar/MfcAppBarFill.cpp: a toolbar's item array read from its folder or its
// custom order, and sorted, into the main window's per-toolbar lists.
#include "bar/MfcAppBar.h"
#include "toolbar/ToolbarFill.h"
#include "toolbar/ToolbarSort.h"

namespace {

// Appends the new array, or puts it in the place of the freed one.
void Register(std::vector<ToolbarItemArray>& arrays, std::vector<UINT>& counts,
              int index, int append, FilledItems filled) {
  if (append) {
    arrays.push_back(std::move(filled.items));
    counts.push_back(filled.count);
  } else if (index >= 0 && index < static_cast<int>(arrays.size())) {
    arrays[index] = std::move(filled.items);
    counts[index] = filled.count;
  }
}

}  // namespace

int CMfcAppBar::FillFromFolder(LPCITEMIDLIST folder, int index, int append) {
  FilledItems filled;
  if (!FillItemsFromFolder(folder, m_settings, m_hWnd, &filled)) return 0;
  Register(m_itemArrays, m_itemCounts, index, append, std::move(filled));
  return 1;
}

int CMfcAppBar::FillFromOrder(LPCITEMIDLIST folder, ToolbarInfo* info,
                              int index, int append) {
  FilledItems filled;
  if (!FillItemsFromOrder(folder, info, index, m_settings, m_hWnd, &filled))
    return 0;
  Register(m_itemArrays, m_itemCounts, index, append, std::move(filled));
  return 1;
}

void CMfcAppBar::SortToolbar(int index) {
  if (index < 0 || index >= static_cast<int>(m_itemArrays.size()) ||
      index >= static_cast<int>(m_settings.m_folders.size()) ||
      !m_itemArrays[index])
    return;
  SortToolbarItems(m_settings.m_folders[index].get(),
                   m_settings.m_sortOrders[index], m_itemArrays[index].get(),
                   m_itemCounts[index]);
}
