// settings/portable/BarKeyNames.h: the names of the further bars' settings
// keys. The first bar keeps the program's key; each further bar has the same
// values in a numbered sub-key of its own, "Bars\2", "Bars\3", ...
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qv {

// Below the first bar's key; holds one sub-key per further bar.
constexpr char kBarsKeyName[] = "Bars";

// The number a further bar's sub-key is named by, or nothing for a name
// that is not one (stored data: "02", "1", "x", "99999999999" are not).
std::optional<int> BarNumber(const std::string& name);
// The lowest bar number that `taken` lacks.
int FreeBarNumber(const std::vector<int>& taken);
// The sub-key, below the first bar's key, of bar `number`.
std::string BarKeyPath(int number);

}  // namespace qv
