// shell/portable/IdListBytes.cpp: walking, measuring and copying item
// identifier lists as plain bytes.
#include "shell/portable/IdListBytes.h"

#include <cstring>

namespace qv {

namespace {

// Bytes of a trusted list's items, without the terminator.
size_t ItemBytes(const unsigned char* list) {
  size_t total = 0;
  for (const unsigned char* item = list; ItemIdSize(item) != 0;
       item = NextItemIdBytes(item)) {
    total += ItemIdSize(item);
  }
  return total;
}

// Room for `itemBytes` of items and the terminator, which is written here so
// the list is well-formed whatever the allocator leaves in the block.
unsigned char* NewList(size_t itemBytes, IdListAllocator alloc) {
  auto* list =
      static_cast<unsigned char*>(alloc(itemBytes + kIdListTerminatorSize));
  if (list) list[itemBytes] = list[itemBytes + 1] = 0;
  return list;
}

}  // namespace

size_t ItemIdSize(const unsigned char* item) {
  return static_cast<size_t>(item[0]) | static_cast<size_t>(item[1]) << 8;
}

const unsigned char* NextItemIdBytes(const unsigned char* item) {
  return item + ItemIdSize(item);
}

size_t IdListBytesSize(const unsigned char* list) {
  if (!list) return 0;
  return ItemBytes(list) + kIdListTerminatorSize;
}

size_t ValidIdListSize(const unsigned char* data, size_t length) {
  if (!data) return 0;
  size_t offset = 0;
  while (length - offset >= kIdListTerminatorSize) {
    const size_t cb = ItemIdSize(data + offset);
    if (cb == 0) return offset + kIdListTerminatorSize;
    // A count below 2 cannot cover itself; walking it would never advance
    // past its own count bytes.
    if (cb < kIdListTerminatorSize || cb > length - offset) return 0;
    offset += cb;
  }
  return 0;
}

unsigned char* ConcatIdListBytes(const unsigned char* first,
                                 const unsigned char* second,
                                 IdListAllocator alloc) {
  if (!second) return nullptr;
  const size_t firstBytes = first ? ItemBytes(first) : 0;
  const size_t secondBytes = ItemBytes(second);
  unsigned char* joined = NewList(firstBytes + secondBytes, alloc);
  if (!joined) return nullptr;
  if (firstBytes) std::memcpy(joined, first, firstBytes);
  if (secondBytes) std::memcpy(joined + firstBytes, second, secondBytes);
  return joined;
}

unsigned char* CopyParentIdListBytes(const unsigned char* list,
                                     IdListAllocator alloc) {
  if (!list) return nullptr;
  size_t parentBytes = 0;
  for (const unsigned char* item = list; ItemIdSize(item) != 0;) {
    const unsigned char* next = NextItemIdBytes(item);
    if (ItemIdSize(next) != 0) parentBytes += ItemIdSize(item);
    item = next;
  }
  if (parentBytes == 0) return nullptr;
  unsigned char* parent = NewList(parentBytes, alloc);
  if (parent) std::memcpy(parent, list, parentBytes);
  return parent;
}

unsigned char* CopyLastItemIdBytes(const unsigned char* list,
                                   IdListAllocator alloc) {
  if (!list || ItemIdSize(list) == 0) return nullptr;
  const unsigned char* last = list;
  while (ItemIdSize(NextItemIdBytes(last)) != 0) last = NextItemIdBytes(last);
  const size_t lastBytes = ItemIdSize(last);
  unsigned char* copy = NewList(lastBytes, alloc);
  if (copy) std::memcpy(copy, last, lastBytes);
  return copy;
}

}  // namespace qv
