// settings/portable/Edge.h: the screen edge the bar docks at, as "Alignment"
// stores it and the shell's appbar messages number it.
#pragma once

#include <cstdint>

namespace qv {

// Numbered as the shell's ABE_* values, which "Alignment" stores.
enum class Edge : std::uint32_t { Left = 0, Top = 1, Right = 2, Bottom = 3 };

constexpr bool IsVertical(Edge edge) {
  return edge == Edge::Left || edge == Edge::Right;
}

// The edge a stored or ABE_* number names. A number past the four is the
// bottom, where the bar has always laid such a value out.
constexpr Edge EdgeFromNumber(std::uint32_t number) {
  return number <= static_cast<std::uint32_t>(Edge::Bottom)
             ? static_cast<Edge>(number)
             : Edge::Bottom;
}

constexpr std::uint32_t EdgeNumber(Edge edge) {
  return static_cast<std::uint32_t>(edge);
}

}  // namespace qv
