// toolbar/portable/SortKeys.cpp
#include "toolbar/portable/SortKeys.h"

#include <algorithm>
#include <numeric>

namespace qv {

namespace {

template <typename T>
int Sign(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

// Items that have the key go first.
int HasFirst(bool a, bool b) { return a == b ? 0 : (a ? -1 : 1); }

int OrderKey(const ItemSortKey& a, const ItemSortKey& b, unsigned order) {
  switch (order) {
    case kSortByDate:
      if (const int has = HasFirst(a.hasFileData, b.hasFileData)) return has;
      return a.hasFileData ? Sign(b.writeTime, a.writeTime) : 0;
    case kSortBySize:
      if (const int has = HasFirst(a.hasFileData, b.hasFileData)) return has;
      return a.hasFileData ? Sign(a.size, b.size) : 0;
    case kSortByType:
      if (const int has = HasFirst(a.hasType, b.hasType)) return has;
      return a.hasType ? a.type.compare(b.type) : 0;
    default:
      return 0;  // by name: the name comparison below
  }
}

}  // namespace

int IsSortingOrder(unsigned order) {
  return order >= kSortByName && order <= kSortBySize ? 1 : 0;
}

int CompareSortKeys(const ItemSortKey& a, const ItemSortKey& b,
                    unsigned order) {
  if (const int folders = HasFirst(a.folder, b.folder)) return folders;
  if (const int key = OrderKey(a, b, order)) return key < 0 ? -1 : 1;
  // The folded names compare as unsigned bytes, as the case-blind rule says.
  if (const int name = a.name.compare(b.name)) return name < 0 ? -1 : 1;
  return Sign(a.position, b.position);
}

std::vector<size_t> SortedPositions(const std::vector<ItemSortKey>& keys,
                                    unsigned order) {
  std::vector<size_t> places(keys.size());
  std::iota(places.begin(), places.end(), size_t{0});
  if (!IsSortingOrder(order)) return places;
  std::sort(places.begin(), places.end(), [&](size_t x, size_t y) {
    return CompareSortKeys(keys[x], keys[y], order) < 0;
  });
  return places;
}

}  // namespace qv
