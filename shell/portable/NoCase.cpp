// shell/portable/NoCase.cpp
#include "shell/portable/NoCase.h"

namespace qv {

namespace {

unsigned char Fold(unsigned char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string FoldCase(const char* text) {
  std::string folded;
  if (!text) return folded;
  for (; *text; ++text) {
    folded += static_cast<char>(Fold(static_cast<unsigned char>(*text)));
  }
  return folded;
}

int CompareNoCase(const char* a, const char* b) {
  const auto* x = reinterpret_cast<const unsigned char*>(a ? a : "");
  const auto* y = reinterpret_cast<const unsigned char*>(b ? b : "");
  for (;; ++x, ++y) {
    const int difference = Fold(*x) - Fold(*y);
    if (difference != 0 || *x == 0) return difference;
  }
}

}  // namespace qv
