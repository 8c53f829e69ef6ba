// shell/portable/IdListBytes.h: the byte form of shell item identifier
// lists, walked without windows.h so stored lists can be checked natively.
//
// A list is a run of items, each led by a 16-bit little-endian count that
// includes the count itself, ended by a 16-bit zero. The empty list (the
// terminator alone) names the desktop.
#pragma once

#include <cstddef>

namespace qv {

// Bytes of the zero count that ends every list.
constexpr size_t kIdListTerminatorSize = 2;

// Zero-filled block of `size` bytes, or null; the Win32 side passes the shell
// allocator, native tests pass calloc.
using IdListAllocator = void* (*)(size_t size);

// The count at the start of `item` (0 for the terminator).
size_t ItemIdSize(const unsigned char* item);

// The item after `item`: its address plus its count.
const unsigned char* NextItemIdBytes(const unsigned char* item);

// Whole byte length of a trusted list including the terminator; 0 for null.
size_t IdListBytesSize(const unsigned char* list);

// Size of an untrusted list (a stored value): its length including the
// terminator when a well-formed list lies entirely within the first `length`
// bytes of `data`, else 0. A count of 1, an item that runs past the end or a
// missing terminator make the list malformed.
size_t ValidIdListSize(const unsigned char* data, size_t length);

// New list: the items of `first` (null counts as empty) followed by the whole
// of `second`. Null when `second` is null or the allocation fails.
unsigned char* ConcatIdListBytes(const unsigned char* first,
                                 const unsigned char* second,
                                 IdListAllocator alloc);

// New list of every item but the last; null for a null list, the empty list,
// a one-item list (its parent is the desktop itself) or a failed allocation.
unsigned char* CopyParentIdListBytes(const unsigned char* list,
                                     IdListAllocator alloc);

// New one-item list copying the last item; null for a null or empty list or
// a failed allocation.
unsigned char* CopyLastItemIdBytes(const unsigned char* list,
                                   IdListAllocator alloc);

}  // namespace qv
