// bar/MfcAppBarFill.cpp: CMfcAppBar's fill operations, which read one
// toolbar into its item array.
#include <utility>

#include "bar/MfcAppBar.h"
#include "toolbar/ToolbarFill.h"

namespace {

// Puts a fill's records in the bar's lists: appended as a new toolbar's, or
// in the place of toolbar `index`'s (whose old array the bar has freed).
void StoreItems(std::vector<ToolbarItemArray>& arrays,
                std::vector<UINT>& counts, int index, int append,
                FilledItems filled) {
  if (append) {
    arrays.push_back(std::move(filled.items));
    counts.push_back(filled.count);
    return;
  }
  const size_t at = static_cast<size_t>(index);
  if (arrays.size() <= at) arrays.resize(at + 1);
  if (counts.size() <= at) counts.resize(at + 1);
  arrays[at] = std::move(filled.items);
  counts[at] = filled.count;
}

}  // namespace

int CMfcAppBar::FillFromFolder(LPCITEMIDLIST folder, int index, int append) {
  if (!append && index < 0) return 0;
  FilledItems filled;
  if (!FillItemsFromFolder(folder, m_settings, m_hWnd, &filled)) return 0;
  StoreItems(m_itemArrays, m_itemCounts, index, append, std::move(filled));
  return 1;
}

int CMfcAppBar::FillFromOrder(LPCITEMIDLIST folder, ToolbarInfo* info,
                              int index, int append) {
  if (!append && index < 0) return 0;
  FilledItems filled;
  if (!FillItemsFromOrder(folder, info, index, m_settings, m_hWnd, &filled)) {
    return 0;
  }
  StoreItems(m_itemArrays, m_itemCounts, index, append, std::move(filled));
  return 1;
}
