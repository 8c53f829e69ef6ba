// tests/unit/IconSpritesTest.cpp: an icon drawn from the kept pictures looks
// as ImageList_Draw draws it, for an icon with an alpha channel and for a
// masked one, and a picture replaced under its index is kept again after
// Forget.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <type_traits>
#include <vector>

#include "framework/DibInfo.h"
#include "framework/Handles.h"
#include "toolbar/IconSprites.h"

namespace {

constexpr int kSize = 16;
constexpr uint32_t kFace = 0x00C0A080;

// A 32-bit top-down DIB section.
qv::UniqueHBitmap Dib(int cx, int cy, uint32_t** bits) {
  const BITMAPINFO info = qv::TopDownDib32(cx, cy);
  void* p = nullptr;
  qv::UniqueHBitmap bitmap(
      ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &p, nullptr, 0));
  *bits = static_cast<uint32_t*>(p);
  return bitmap;
}

// One, filled with `fill`, selected into a DC of its own.
struct Canvas {
  uint32_t* bits = nullptr;
  qv::UniqueHBitmap bitmap = Dib(kSize, kSize, &bits);
  qv::UniqueHdc dc{::CreateCompatibleDC(nullptr)};
  qv::SelectScope selected{dc.get(), bitmap.get()};
  explicit Canvas(uint32_t fill) { std::fill_n(bits, kSize * kSize, fill); }
};

// A disc of colour fading out to its edge in its alpha channel; or, with
// no alpha, a square of one colour, to be drawn through Mask().
qv::UniqueHBitmap Picture(bool alpha) {
  uint32_t* bits = nullptr;
  qv::UniqueHBitmap bitmap = Dib(kSize, kSize, &bits);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const int d = std::abs(x - 8) + std::abs(y - 8);
      const uint32_t a = d < 8 ? 255 - d * 30 : 0;
      const uint32_t c = a * 200 / 255;
      bits[y * kSize + x] = alpha ? (a << 24) | (c << 16) | c : 0x3060F0;
    }
  return bitmap;
}

qv::UniqueHBitmap Mask() {
  std::vector<uint16_t> rows(kSize, 0xFFFF);  // 1 = transparent
  for (int y = 4; y < 12; ++y) rows[y] = static_cast<uint16_t>(~0x0FF0);
  return qv::UniqueHBitmap(::CreateBitmap(kSize, kSize, 1, 1, rows.data()));
}

void ExpectAlike(const Canvas& a, const Canvas& b) {
  int off = 0;
  for (int i = 0; i < kSize * kSize; ++i)
    for (int shift = 0; shift < 24; shift += 8)
      off += std::abs(int((a.bits[i] >> shift) & 0xFF) -
                      int((b.bits[i] >> shift) & 0xFF)) > 2;
  EXPECT_EQ(0, off);
}

TEST(IconSpritesTest, DrawsAsTheImageListDoesAndForgetsReplacedPictures) {
  const std::unique_ptr<std::remove_pointer_t<HIMAGELIST>,
                        decltype(&::ImageList_Destroy)>
      owned(::ImageList_Create(kSize, kSize, ILC_COLOR32 | ILC_MASK, 2, 0),
            &::ImageList_Destroy);
  HIMAGELIST list = owned.get();
  ASSERT_TRUE(list);
  const qv::UniqueHBitmap disc = Picture(true), square = Picture(false);
  const qv::UniqueHBitmap mask = Mask();
  ASSERT_EQ(0, ::ImageList_Add(list, disc.get(), nullptr));
  ASSERT_EQ(1, ::ImageList_Add(list, square.get(), mask.get()));

  qv::IconSprites sprites;
  sprites.Use(list);
  for (int index : {0, 1, 0}) {
    Canvas expected(kFace), drawn(kFace);
    ::ImageList_Draw(list, index, expected.dc.get(), 0, 0, ILD_TRANSPARENT);
    ASSERT_TRUE(sprites.Draw(drawn.dc.get(), index, 0, 0));
    ::GdiFlush();
    ExpectAlike(expected, drawn);
  }
  EXPECT_FALSE(sprites.Draw(nullptr, 2, 0, 0));

  ASSERT_TRUE(::ImageList_Replace(list, 0, square.get(), mask.get()));
  sprites.Forget();
  Canvas expected(kFace), drawn(kFace);
  ::ImageList_Draw(list, 0, expected.dc.get(), 0, 0, ILD_TRANSPARENT);
  ASSERT_TRUE(sprites.Draw(drawn.dc.get(), 0, 0, 0));
  ::GdiFlush();
  ExpectAlike(expected, drawn);
}

}  // namespace
