// shell/portable/NameForm.cpp
#include "shell/portable/NameForm.h"

namespace qv {

namespace {

// The name before its last dot; a name with no dot, or one that is all
// extension (".profile"), has no stem to show.
std::string_view Stem(std::string_view file) {
  const size_t dot = file.rfind('.');
  return dot == std::string_view::npos ? std::string_view()
                                       : file.substr(0, dot);
}

}  // namespace

NameForm FormOf(std::string_view file, std::string_view display) {
  if (display.empty()) return NameForm::kOther;
  if (display == file) return NameForm::kWhole;
  return display == Stem(file) ? NameForm::kStem : NameForm::kOther;
}

std::string_view InForm(std::string_view file, NameForm form) {
  return form == NameForm::kStem ? Stem(file) : file;
}

}  // namespace qv
