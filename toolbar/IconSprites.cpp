// toolbar/IconSprites.cpp
#include "toolbar/IconSprites.h"

#include <algorithm>

#include "framework/DibInfo.h"

namespace qv {

IconSprites::Strip::~Strip() {
  if (old) ::SelectObject(dc.get(), old);
}

void IconSprites::Use(HIMAGELIST list) {
  if (list == m_list) return;
  m_list = list;
  m_strips.clear();
  m_slots.clear();
  m_cx = m_cy = 0;
  if (list) ::ImageList_GetIconSize(list, &m_cx, &m_cy);
}

void IconSprites::Forget() { m_slots.clear(); }

bool IconSprites::Draw(HDC dc, int index, int x, int y) {
  if (!m_list || index < 0 || index >= ::ImageList_GetImageCount(m_list))
    return false;
  const int slot = Slot(index);
  if (slot < 0)
    return ::ImageList_Draw(m_list, index, dc, x, y, ILD_TRANSPARENT);
  const Strip& strip = *m_strips[slot / kPerStrip];
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  return ::GdiAlphaBlend(dc, x, y, m_cx, m_cy, strip.dc.get(),
                         (slot % kPerStrip) * m_cx, 0, m_cx, m_cy, blend);
}

int IconSprites::Slot(int index) {
  if (const auto found = m_slots.find(index); found != m_slots.end())
    return found->second;
  const int slot = static_cast<int>(m_slots.size());
  if (m_cx <= 0 || m_cy <= 0 || slot >= kPerStrip * kMaxStrips) return -1;
  if (slot / kPerStrip == static_cast<int>(m_strips.size())) {
    auto strip = std::make_unique<Strip>();
    const BITMAPINFO info = TopDownDib32(m_cx * kPerStrip, m_cy);
    void* bits = nullptr;
    strip->bitmap.reset(
        ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    strip->dc.reset(::CreateCompatibleDC(nullptr));
    if (!strip->bitmap || !strip->dc) return -1;
    strip->old = ::SelectObject(strip->dc.get(), strip->bitmap.get());
    strip->bits = static_cast<uint32_t*>(bits);
    m_strips.push_back(std::move(strip));
  }
  if (!Keep(index, slot)) return -1;
  m_slots.emplace(index, slot);
  return slot;
}

uint32_t* IconSprites::Pixel(int slot, int x, int y) const {
  const Strip& strip = *m_strips[slot / kPerStrip];
  return strip.bits + static_cast<size_t>(y) * m_cx * kPerStrip +
         (slot % kPerStrip) * m_cx + x;
}

bool IconSprites::Keep(int index, int slot) {
  HDC dc = m_strips[slot / kPerStrip]->dc.get();
  const int left = (slot % kPerStrip) * m_cx;
  const auto fill = [&](uint32_t value) {
    for (int y = 0; y < m_cy; ++y) std::fill_n(Pixel(slot, 0, y), m_cx, value);
  };
  const auto drawOn = [&](uint32_t background) {
    ::GdiFlush();
    fill(background);
    const BOOL drawn =
        ::ImageList_Draw(m_list, index, dc, left, 0, ILD_TRANSPARENT);
    ::GdiFlush();
    return drawn;
  };
  // Blended onto transparent black, an icon with an alpha channel leaves
  // its premultiplied colours and its alpha.
  if (!drawOn(0)) return false;
  bool alpha = false;
  for (int y = 0; y < m_cy && !alpha; ++y)
    for (int x = 0; x < m_cx && !alpha; ++x)
      alpha = (*Pixel(slot, x, y) >> 24) != 0;
  if (alpha) return true;
  // A masked icon leaves no alpha: drawn on black and on white, what shows
  // the background through is transparent.
  std::vector<uint32_t> onBlack;
  onBlack.reserve(static_cast<size_t>(m_cx) * m_cy);
  for (int y = 0; y < m_cy; ++y)
    onBlack.insert(onBlack.end(), Pixel(slot, 0, y), Pixel(slot, 0, y) + m_cx);
  if (!drawOn(0x00FFFFFF)) return false;
  for (int y = 0; y < m_cy; ++y) {
    for (int x = 0; x < m_cx; ++x) {
      uint32_t& pixel = *Pixel(slot, x, y);
      const uint32_t black =
          onBlack[static_cast<size_t>(y) * m_cx + x] & 0xFFFFFF;
      const uint32_t white = pixel & 0xFFFFFF;
      uint32_t through = 0;
      for (int shift = 0; shift < 24; shift += 8)
        through = std::max(through, ((white >> shift) & 0xFF) -
                                        std::min((black >> shift) & 0xFF,
                                                 (white >> shift) & 0xFF));
      pixel = ((255 - through) << 24) | black;
    }
  }
  return true;
}

}  // namespace qv
