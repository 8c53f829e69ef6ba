// app/portable/FreeEdge.h: where "New Bar" puts a bar: an edge no bar holds,
// on the monitor of the bar it was asked on or else the next one.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "settings/portable/Edge.h"

namespace qv {

// An edge of one monitor, the monitor by its index in the desktop's list.
struct EdgePlace {
  std::size_t monitor;
  Edge edge;
  bool operator==(const EdgePlace& other) const {
    return monitor == other.monitor && edge == other.edge;
  }
};

// The first place no bar in `taken` holds, among `monitorCount` monitors:
// on `from`'s monitor the opposite edge, then the two across, then the same
// edge; then the next monitors in turn, round the list, edges in the same
// order. Nothing when every edge has a bar.
std::optional<EdgePlace> FreeEdge(std::size_t monitorCount, EdgePlace from,
                                  const std::vector<EdgePlace>& taken);

}  // namespace qv
