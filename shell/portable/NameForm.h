// shell/portable/NameForm.h: how the shell shows the file names of one type.
// It shows every file of a type alike (its extension shown or hidden by the
// user's setting and the type's own), so one answer from the shell names
// all the type's files of a folder.
#pragma once

#include <string_view>

namespace qv {

enum class NameForm {
  kWhole,  // the file name as it is
  kStem,   // without its extension
  kOther,  // some other name: only the shell can tell it, item by item
};

// The form in which `display` shows the file `file`.
NameForm FormOf(std::string_view file, std::string_view display);

// `file` shown in `form`, kWhole or kStem.
std::string_view InForm(std::string_view file, NameForm form);

}  // namespace qv
