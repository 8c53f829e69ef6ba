// bar/portable/DragZones.cpp
#include "bar/portable/DragZones.h"

namespace qv {
namespace {

bool Inside(const Rect& r, int x, int y) {
  return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}

template <std::size_t N>
bool InsideAny(const Rect (&rects)[N], int x, int y) {
  for (const Rect& r : rects)
    if (Inside(r, x, y)) return true;
  return false;
}

bool MovesHorizontally(int hit) { return hit == kHitLeft || hit == kHitRight; }

// The frame with the dragged side moved by `cells` (+1 out, -1 in), each a
// cell pitch, so that n steps make the bar n cells thicker or thinner.
bool MoveSide(int hit, const Rect& current, int cxButton, int cyButton,
              int cells, Rect& moved) {
  moved = current;
  switch (hit) {
    case kHitLeft:
      moved.left -= cells * CellPitch(cxButton);
      return true;
    case kHitRight:
      moved.right += cells * CellPitch(cxButton);
      return true;
    case kHitTop:
      moved.top -= cells * CellPitch(cyButton);
      return true;
    case kHitBottom:
      moved.bottom += cells * CellPitch(cyButton);
      return true;
    default:
      return false;
  }
}

bool AtLeastOneCell(const Rect& r, int cxButton, int cyButton) {
  return r.Width() >= cxButton && r.Height() >= cyButton;
}

}  // namespace

int BarHitTest(Edge edge, int systemHit) {
  if (IsVertical(edge)) {
    if (systemHit == kHitTopLeft || systemHit == kHitBottomLeft)
      return kHitLeft;
    if (systemHit == kHitTopRight || systemHit == kHitBottomRight)
      return kHitRight;
  } else {
    if (systemHit == kHitTopLeft || systemHit == kHitTopRight) return kHitTop;
    if (systemHit == kHitBottomLeft || systemHit == kHitBottomRight)
      return kHitBottom;
  }
  return systemHit == kHitClient ? kHitCaption : systemHit;
}

bool IsOuterBorderHit(Edge edge, int hit) {
  switch (edge) {
    case Edge::Left:
      return hit == kHitLeft || hit == kHitTop || hit == kHitBottom;
    case Edge::Top:
      return hit == kHitLeft || hit == kHitRight || hit == kHitTop;
    case Edge::Right:
      return hit == kHitRight || hit == kHitTop || hit == kHitBottom;
    default:
      return hit == kHitLeft || hit == kHitRight || hit == kHitBottom;
  }
}

Edge EdgeUnderPoint(int x, int y, const DragScreen& s) {
  // The zones are the monitor's own, from its origin.
  x -= s.screenLeft;
  y -= s.screenTop;
  const int sx = s.screenWidth, sy = s.screenHeight;
  const int bw = s.barWidth, bh = s.barHeight;
  // Strips along each side, wide areas towards each side and small
  // rectangles around the centre; a later edge's match wins. The left and
  // right central rectangles reach down to q rather than to sy/2 + bw; with
  // usual sizes q lies lower, and the bottom rectangles, tested later, take
  // that area back.
  const int q = sy - 4 * bh + (sy / 2 - bw);
  const Rect left[] = {{0, bh, 2 * bw, sy - bh},
                       {2 * bw, sy / 2 - bw, sx / 2 - bh / 2, q}};
  const Rect right[] = {
      {sx - 2 * bw, bh, sx, sy - bh},
      {sx / 2 + bh / 2, sy / 2 - bw, 2 * (sx / 2) - 2 * bw, q}};
  const Rect top[] = {
      {0, 0, sx, bh},
      {2 * bw, bh, sx - 2 * bw, sy / 2 - bw},
      {sx / 2 - bh / 2, sy / 2 - bw, sx / 2 - bh / 2 + bh, sy / 2}};
  const Rect bottom[] = {
      {0, sy - bh, sx, sy},
      {2 * bw, sy / 2 + bw, sx - 2 * bw, 2 * (sy / 2) - bh},
      {sx / 2 - bh / 2, sy / 2, sx / 2 - bh / 2 + bh, sy / 2 + bw}};
  Edge edge = Edge::Left;
  if (InsideAny(left, x, y)) edge = Edge::Left;
  if (InsideAny(right, x, y)) edge = Edge::Right;
  if (InsideAny(top, x, y)) edge = Edge::Top;
  if (InsideAny(bottom, x, y)) edge = Edge::Bottom;
  return edge;
}

Rect EdgeFrame(Edge edge, const DragScreen& s) {
  const int l = s.screenLeft, t = s.screenTop;
  const int r = l + s.screenWidth, b = t + s.screenHeight;
  switch (edge) {
    case Edge::Left:
      return {l, t, l + s.barWidth, b};
    case Edge::Top:
      return {l, t, r, t + s.barHeight};
    case Edge::Right:
      return {r - s.barWidth, t, r, b};
    default:
      return {l, b - s.barHeight, r, b};
  }
}

std::array<FrameStrip, 4> DragFrameStrips(const Rect& f, int cx, int cy) {
  const int w = f.Width(), h = f.Height();
  return {{{f.left, f.top, w, cy},
           {f.left, f.top + cy, cx, h - cy},
           {f.left + cx, f.bottom - cy, w - cx, cy},
           {f.right - cx, f.top + cy, cx, h - 2 * cy}}};
}

bool ShrinkFrame(int hit, const Rect& current, int cxButton, int cyButton,
                 Rect& out) {
  Rect moved;
  if (!MoveSide(hit, current, cxButton, cyButton, -1, moved) ||
      !AtLeastOneCell(moved, cxButton, cyButton))
    return false;
  out = moved;
  return true;
}

bool GrowFrame(int hit, const Rect& current, int cxButton, int cyButton,
               int screenWidth, int screenHeight, Rect& out) {
  Rect moved;
  if (!MoveSide(hit, current, cxButton, cyButton, 1, moved) ||
      !AtLeastOneCell(moved, cxButton, cyButton))
    return false;
  if (MovesHorizontally(hit) ? moved.Width() > screenWidth / 2
                             : moved.Height() > screenHeight / 2)
    return false;
  out = moved;
  return true;
}

}  // namespace qv
