// app/portable/FreeEdge.cpp: the first edge without a bar.
#include "app/portable/FreeEdge.h"

#include <algorithm>

namespace qv {

namespace {

Edge Opposite(Edge edge) {
  switch (edge) {
    case Edge::Left:
      return Edge::Right;
    case Edge::Right:
      return Edge::Left;
    case Edge::Top:
      return Edge::Bottom;
    case Edge::Bottom:
      break;
  }
  return Edge::Top;
}

}  // namespace

std::optional<EdgePlace> FreeEdge(std::size_t monitorCount, EdgePlace from,
                                  const std::vector<EdgePlace>& taken) {
  const bool vertical = IsVertical(from.edge);
  const Edge order[] = {Opposite(from.edge), vertical ? Edge::Top : Edge::Left,
                        vertical ? Edge::Bottom : Edge::Right, from.edge};
  for (std::size_t step = 0; step < monitorCount; ++step) {
    const std::size_t monitor = (from.monitor + step) % monitorCount;
    for (Edge edge : order) {
      const EdgePlace place{monitor, edge};
      if (std::find(taken.begin(), taken.end(), place) == taken.end())
        return place;
    }
  }
  return std::nullopt;
}

}  // namespace qv
