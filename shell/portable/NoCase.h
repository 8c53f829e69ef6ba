// shell/portable/NoCase.h: comparing file and display names ignoring case
// the way the bar always has: ASCII letters folded to lower case, then the
// bytes compared as unsigned values.
#pragma once

#include <string>

namespace qv {

// `text` with A-Z folded to a-z; null gives the empty string.
std::string FoldCase(const char* text);

// Below, at or above 0 as `a` sorts before, with or after `b`; null counts as
// the empty string.
int CompareNoCase(const char* a, const char* b);

}  // namespace qv
