// tests/native/IdListBytesTest.cpp: measuring, validating, joining and
// splitting item identifier lists in their byte form.
#include "shell/portable/IdListBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

// An item of `cb` bytes whose payload bytes all hold `fill`.
Bytes Item(size_t cb, unsigned char fill) {
  Bytes item(cb, fill);
  item[0] = static_cast<unsigned char>(cb & 0xff);
  item[1] = static_cast<unsigned char>(cb >> 8);
  return item;
}

Bytes List(std::initializer_list<Bytes> items) {
  Bytes list;
  for (const Bytes& item : items)
    list.insert(list.end(), item.begin(), item.end());
  list.push_back(0);
  list.push_back(0);
  return list;
}

void* ZeroAlloc(size_t size) { return std::calloc(1, size); }
void* FailingAlloc(size_t) { return nullptr; }

// The allocator leaves its garbage in place, as IMalloc::Alloc would.
void* DirtyAlloc(size_t size) {
  void* block = std::malloc(size);
  if (block) std::memset(block, 0xcd, size);
  return block;
}

struct FreeBytes {
  void operator()(unsigned char* p) const { std::free(p); }
};
using Owned = std::unique_ptr<unsigned char, FreeBytes>;

// The bytes of a returned list, read through its own size.
Bytes Contents(const Owned& list) {
  const size_t size = qv::IdListBytesSize(list.get());
  return Bytes(list.get(), list.get() + size);
}

const Bytes kEmpty = List({});
const Bytes kOne = List({Item(5, 0xa1)});
const Bytes kThree = List({Item(4, 0xb1), Item(300, 0xb2), Item(3, 0xb3)});

TEST(IdListBytes, SizesCountTheTerminatorAndNullIsZero) {
  EXPECT_EQ(0u, qv::IdListBytesSize(nullptr));
  EXPECT_EQ(2u, qv::IdListBytesSize(kEmpty.data()));
  EXPECT_EQ(7u, qv::IdListBytesSize(kOne.data()));
  // The 300-byte item needs the high byte of its little-endian count.
  EXPECT_EQ(kThree.size(), qv::IdListBytesSize(kThree.data()));
  EXPECT_EQ(kThree.data() + 4, qv::NextItemIdBytes(kThree.data()));
  EXPECT_EQ(300u, qv::ItemIdSize(qv::NextItemIdBytes(kThree.data())));
}

TEST(IdListBytes, ValidListsAnswerTheirSizeEvenWithTrailingBytes) {
  EXPECT_EQ(2u, qv::ValidIdListSize(kEmpty.data(), kEmpty.size()));
  EXPECT_EQ(kThree.size(), qv::ValidIdListSize(kThree.data(), kThree.size()));
  Bytes padded = kOne;
  padded.insert(padded.end(), {0xee, 0xee, 0xee});
  EXPECT_EQ(kOne.size(), qv::ValidIdListSize(padded.data(), padded.size()));
  // An item that carries no payload still advances the walk.
  const Bytes bare = List({Item(2, 0)});
  EXPECT_EQ(4u, qv::ValidIdListSize(bare.data(), bare.size()));
}

TEST(IdListBytes, MalformedListsAreRejected) {
  EXPECT_EQ(0u, qv::ValidIdListSize(nullptr, 10));
  EXPECT_EQ(0u, qv::ValidIdListSize(kEmpty.data(), 0));
  EXPECT_EQ(0u, qv::ValidIdListSize(kEmpty.data(), 1));

  const Bytes countOfOne = {0x01, 0x00, 0x00, 0x00};
  EXPECT_EQ(0u, qv::ValidIdListSize(countOfOne.data(), countOfOne.size()));

  // Each shortened copy loses the terminator or cuts into an item.
  for (size_t length = 0; length < kThree.size(); ++length) {
    auto copy = std::make_unique<unsigned char[]>(length + 1);
    std::copy(kThree.begin(), kThree.begin() + length, copy.get());
    EXPECT_EQ(0u, qv::ValidIdListSize(copy.get(), length)) << length;
  }

  const Bytes pastTheEnd = {0x09, 0x00, 0x41, 0x42, 0x00, 0x00};
  EXPECT_EQ(0u, qv::ValidIdListSize(pastTheEnd.data(), pastTheEnd.size()));
  const Bytes hugeCount = {0xff, 0xff, 0x00, 0x00};
  EXPECT_EQ(0u, qv::ValidIdListSize(hugeCount.data(), hugeCount.size()));
}

TEST(IdListBytes, ConcatJoinsItemsAndKeepsOneTerminator) {
  Owned joined(qv::ConcatIdListBytes(kThree.data(), kOne.data(), DirtyAlloc));
  ASSERT_TRUE(joined);
  EXPECT_EQ(
      List({Item(4, 0xb1), Item(300, 0xb2), Item(3, 0xb3), Item(5, 0xa1)}),
      Contents(joined));

  Owned fromNull(qv::ConcatIdListBytes(nullptr, kThree.data(), DirtyAlloc));
  ASSERT_TRUE(fromNull);
  EXPECT_EQ(kThree, Contents(fromNull));
  EXPECT_NE(kThree.data(), fromNull.get());

  Owned withEmpty(
      qv::ConcatIdListBytes(kOne.data(), kEmpty.data(), DirtyAlloc));
  ASSERT_TRUE(withEmpty);
  EXPECT_EQ(kOne, Contents(withEmpty));

  Owned bothEmpty(
      qv::ConcatIdListBytes(kEmpty.data(), kEmpty.data(), DirtyAlloc));
  ASSERT_TRUE(bothEmpty);
  EXPECT_EQ(kEmpty, Contents(bothEmpty));

  EXPECT_EQ(nullptr, qv::ConcatIdListBytes(kOne.data(), nullptr, ZeroAlloc));
  EXPECT_EQ(nullptr,
            qv::ConcatIdListBytes(kOne.data(), kOne.data(), FailingAlloc));
}

TEST(IdListBytes, ParentDropsTheLastItemAndStopsAboveTheDesktop) {
  Owned parent(qv::CopyParentIdListBytes(kThree.data(), DirtyAlloc));
  ASSERT_TRUE(parent);
  EXPECT_EQ(List({Item(4, 0xb1), Item(300, 0xb2)}), Contents(parent));

  const Bytes two = List({Item(6, 0xc1), Item(4, 0xc2)});
  Owned parentOfTwo(qv::CopyParentIdListBytes(two.data(), DirtyAlloc));
  ASSERT_TRUE(parentOfTwo);
  EXPECT_EQ(List({Item(6, 0xc1)}), Contents(parentOfTwo));

  EXPECT_EQ(nullptr, qv::CopyParentIdListBytes(kOne.data(), ZeroAlloc));
  EXPECT_EQ(nullptr, qv::CopyParentIdListBytes(kEmpty.data(), ZeroAlloc));
  EXPECT_EQ(nullptr, qv::CopyParentIdListBytes(nullptr, ZeroAlloc));
  EXPECT_EQ(nullptr, qv::CopyParentIdListBytes(kThree.data(), FailingAlloc));
}

TEST(IdListBytes, LastItemIsCopiedAsAOneItemList) {
  Owned last(qv::CopyLastItemIdBytes(kThree.data(), DirtyAlloc));
  ASSERT_TRUE(last);
  EXPECT_EQ(List({Item(3, 0xb3)}), Contents(last));

  Owned only(qv::CopyLastItemIdBytes(kOne.data(), DirtyAlloc));
  ASSERT_TRUE(only);
  EXPECT_EQ(kOne, Contents(only));

  EXPECT_EQ(nullptr, qv::CopyLastItemIdBytes(kEmpty.data(), ZeroAlloc));
  EXPECT_EQ(nullptr, qv::CopyLastItemIdBytes(nullptr, ZeroAlloc));
  EXPECT_EQ(nullptr, qv::CopyLastItemIdBytes(kThree.data(), FailingAlloc));
}

}  // namespace
