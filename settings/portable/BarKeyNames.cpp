// settings/portable/BarKeyNames.cpp: parsing and choosing bar numbers.
#include "settings/portable/BarKeyNames.h"

#include <algorithm>

namespace qv {

namespace {

// The first bar is the program's own key; the numbers start after it.
constexpr int kFirstFurtherBar = 2;
constexpr int kLastBarNumber = 9999;

}  // namespace

std::optional<int> BarNumber(const std::string& name) {
  if (name.empty() || name.size() > 4 || name[0] == '0') return std::nullopt;
  int number = 0;
  for (char c : name) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  if (number < kFirstFurtherBar || number > kLastBarNumber) return std::nullopt;
  return number;
}

int FreeBarNumber(const std::vector<int>& taken) {
  int number = kFirstFurtherBar;
  while (std::find(taken.begin(), taken.end(), number) != taken.end()) ++number;
  return number;
}

std::string BarKeyPath(int number) {
  return std::string(kBarsKeyName) + "\\" + std::to_string(number);
}

}  // namespace qv
