// toolbar/portable/ButtonClick.cpp
#include "toolbar/portable/ButtonClick.h"

namespace qv {

int ClickedButton(int hit, int pressed, bool rightClick) {
  if (hit < 0) return -1;
  return rightClick || hit == pressed ? hit : -1;
}

bool OpensItem(bool isFolder, unsigned browseSeparate) {
  // A damaged setting never browses into a file.
  return !isFolder || browseSeparate == 1;
}

}  // namespace qv
