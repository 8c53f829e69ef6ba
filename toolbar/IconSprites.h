// toolbar/IconSprites.h: an image list's pictures kept again, premultiplied,
// in bitmaps of our own, so that a button's icon is drawn with one
// AlphaBlend. ImageList_Draw makes and frees device contexts and bitmaps at
// each call to blend an icon with an alpha channel, which under Wine costs a
// third of a millisecond per icon: most of a tab switch's paint.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "framework/Handles.h"

namespace qv {

class IconSprites {
 public:
  // The pictures of `list`; another list forgets the ones kept.
  void Use(HIMAGELIST list);
  // The list's pictures changed under the same indexes (the shell's icon
  // cache rebuilt): each is kept again when next drawn.
  void Forget();
  // Draws image `index` at (x, y) of `dc`, as ImageList_Draw with
  // ILD_TRANSPARENT would. False when there is no such image.
  bool Draw(HDC dc, int index, int x, int y);

 private:
  // One bitmap of kPerStrip pictures side by side, selected into its DC.
  struct Strip {
    UniqueHBitmap bitmap;
    UniqueHdc dc;
    HGDIOBJ old = nullptr;
    uint32_t* bits = nullptr;
    ~Strip();
  };
  static constexpr int kPerStrip = 16;
  static constexpr int kMaxStrips = 16;

  // The slot now holding `index`, made on first use; -1 when none is left.
  int Slot(int index);
  bool Keep(int index, int slot);
  uint32_t* Pixel(int slot, int x, int y) const;

  HIMAGELIST m_list = nullptr;
  int m_cx = 0, m_cy = 0;
  std::vector<std::unique_ptr<Strip>> m_strips;
  std::unordered_map<int, int> m_slots;  // image index to slot
};

}  // namespace qv
