// toolbar/portable/SortKeys.h: the keys a toolbar's buttons are sorted by and
// their comparison. The keys are read from the shell once per item before
// sorting, so the comparison itself is plain arithmetic on values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/portable/SortOrder.h"

namespace qv {

// 1 for the orders that sort (name, date, type, size); custom and unknown
// values keep the fill order.
int IsSortingOrder(unsigned order);

struct ItemSortKey {
  std::string name;        // display name, folded (FoldCase)
  std::string type;        // type name, folded; meaningful when hasType
  uint64_t writeTime = 0;  // last write, FILETIME ticks; when hasFileData
  uint64_t size = 0;       // bytes; when hasFileData
  size_t position = 0;     // place in the fill order: its index in the keys
  bool folder = false;
  bool hasFileData = false;  // the item's file was found
  bool hasType = false;      // the item has a path to ask its type for
};

// Below 0 when `a` goes before `b` in `order`, above 0 when after, 0 only for
// the same position. Folders come first; then by order: name ascending, date
// newest first, size smaller first, type name ascending; equal keys by name.
// Items without the order's key (no file, no path) follow those with one,
// ordered by name. The fill position settles the rest, so this is a strict
// total order and the sort is deterministic.
int CompareSortKeys(const ItemSortKey& a, const ItemSortKey& b, unsigned order);

// The fill positions in sorted order: element i is the position of the item
// that belongs at place i. Unsorting orders give the positions unchanged.
std::vector<size_t> SortedPositions(const std::vector<ItemSortKey>& keys,
                                    unsigned order);

}  // namespace qv
