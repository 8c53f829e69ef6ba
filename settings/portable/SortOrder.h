// settings/portable/SortOrder.h: a toolbar's sort order as stored in
// "Fldr Ordr %3d".
#pragma once

namespace qv {

constexpr unsigned kSortCustom = 0;  // the custom button list's order
constexpr unsigned kSortByName = 1;
constexpr unsigned kSortByDate = 2;
constexpr unsigned kSortByType = 3;
constexpr unsigned kSortBySize = 4;

}  // namespace qv
